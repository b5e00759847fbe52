#pragma once

#include "store/Cursor.h"
#include "widgets/CommandBoundary.h"
#include "widgets/GridColumn.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QPointer>
#include <optional>

namespace widgets {

// A table model over a cursor. Rows are the cursor's rows in its order; while the cursor inserts,
// the new row is shown at the cursor's position and the rows from there on move one down. The
// current row and a row being inserted or edited show the cursor's buffer; other rows are read by
// pages into a small cache, so a grid over thousands of rows reads only what it shows.
class CursorTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int DefaultPageSize = 100;
    static constexpr int DefaultMaxPages = 4;
    // The raw value of a cell's field, for code that needs more than its text.
    static constexpr int FieldValueRole = Qt::UserRole + 1;

    explicit CursorTableModel(store::Cursor& cursor, QObject* parent = nullptr);

    store::Cursor& cursor() const { return *m_cursor; }

    void setColumns(const QList<GridColumn>& columns);
    const QList<GridColumn>& columns() const { return m_columns; }
    // The column showing the field, or -1.
    int columnOf(const QString& field) const;

    // Cells of data fields become editable: a change goes to field.setText inside the boundary,
    // putting a browsing cursor into edit first. Only the current row can be edited.
    void setEditable(bool editable, std::optional<CommandBoundary> boundary = std::nullopt);
    bool isEditable() const { return m_editable && m_boundary.has_value(); }

    // The row of the cursor's current record (the insert row while inserting), or -1.
    int currentRow() const;
    // The row being inserted, or -1.
    int insertRow() const { return m_insertRow; }
    // Makes the record shown at the row current. A pending insert or edit is posted first, as any
    // move of the cursor does; the rules may refuse it by throwing.
    void moveToRow(int row);
    // The value of a field in the row shown at `row` (the cursor's buffer for the current row).
    QVariant fieldValue(int row, const QString& field);

    // The page cache, for tuning and tests.
    void setPaging(int pageSize, int maxPages);
    int cachedPageCount() const { return int(m_pages.size()); }
    int cachedRowCount() const;
    int pageLoads() const { return m_pageLoads; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

Q_SIGNALS:
    // The cursor's current record is shown at another row now (-1: none).
    void currentRowChanged(int row);

private:
    struct Page {
        QVector<store::Record> records;
        QVector<QStringList> texts; // filled on first use of a row
    };

    enum class RowKind { None, Current, Stored, Inserted };
    RowKind rowKind(int row, int* position) const;
    const store::Record* storedRecord(int position) const;
    bool hidesStored(int position) const;
    QString storedText(int position, int column) const;
    QString currentText(int column) const;
    QStringList rowTexts(const store::Record& record) const;
    Page* page(int number) const;
    void dropPageOf(int position);
    void resolveColumns();
    int baseCount() const;

    void reset();
    void onStateChanged();
    void onRecordChanged();
    void onFieldChanged(int field);
    void rememberCurrent();
    void emitRowChanged(int row);

    QPointer<store::Cursor> m_cursor;
    QList<GridColumn> m_columns;
    QList<int> m_fieldIndexes;
    bool m_editable = false;
    std::optional<CommandBoundary> m_boundary;

    bool m_open = false;
    int m_rowCount = 0;    // what the views were last told
    int m_baseCount = 0;   // the cursor's record count at that time
    int m_insertRow = -1;
    int m_currentRow = -1;
    // The stored record at the cursor's position, kept while an insert hides it behind the buffer.
    store::Record m_stored;
    int m_storedPos = -1;

    int m_pageSize = DefaultPageSize;
    int m_maxPages = DefaultMaxPages;
    mutable QHash<int, Page> m_pages;
    mutable QList<int> m_pageOrder; // least recently used first
    mutable int m_pageLoads = 0;
};

} // namespace widgets
