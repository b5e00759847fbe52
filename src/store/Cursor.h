#pragma once

#include "store/Field.h"
#include "store/Record.h"
#include "store/Statement.h"
#include "store/StoreError.h"
#include "store/TableRef.h"

#include <QHash>
#include <QObject>
#include <QSet>
#include <functional>
#include <memory>
#include <optional>

namespace store {

class Database;

// A named table cursor: an ordered, optionally ranged and filtered view of one table with a current
// record, states, events, calculated and look-up fields. The rows are kept as an ordered list of
// row ids; a row's values are read when it becomes current or when a grid asks for it.
class Cursor : public QObject {
    Q_OBJECT
public:
    enum class State { Inactive, Browse, Edit, Insert };
    enum class PostErrorAction { Fail, Abort, Retry };
    using Bookmark = qint64;
    using Handler = std::function<void(Cursor&)>;

    struct FieldInfo {
        QString name;
        FieldType type = FieldType::Integer;
        int size = 0;
        FieldKind kind = FieldKind::Data;
        // look-up fields: the value of resultField in the row of lookup whose lookupKey equals keyField
        QString keyField;
        Cursor* lookup = nullptr;
        QString lookupKey;
        QString resultField;
    };

    Cursor(Database& db, const QString& name, QObject* parent = nullptr);
    ~Cursor() override;

    const QString& name() const { return m_name; }
    Database& database() const { return m_db; }

    // --- what the cursor shows -------------------------------------------------------------
    void setTable(const TableRef& table);
    const TableRef& table() const { return m_table; }
    // The stored fields the cursor reads; empty means all fields of the table.
    void setFieldNames(const QStringList& names);
    void addCalculatedField(const QString& name, FieldType type, int size = 0);
    void addLookupField(const QString& name, FieldType type, int size, const QString& keyField, Cursor* lookup,
                        const QString& lookupKey, const QString& resultField);
    FieldHooks& hooks(const QString& field);
    // Orders by a field list "A;B"; rows with equal keys keep the order they were stored in.
    void setIndexFieldNames(const QString& fields);
    QString indexFieldNames() const { return m_indexFields.join(';'); }
    // Shows only the rows whose detail fields equal the master's current values of masterFields.
    void setMasterSource(Cursor* master, const QString& detailFields, const QString& masterFields);
    Cursor* masterSource() const { return m_master; }
    void setRange(const QStringList& fields, const QVariantList& values);
    void cancelRange();
    // A record filter; while Filtered is on, rows it answers false for are hidden.
    void setFilter(std::function<bool(Cursor&)> filter);
    void setFiltered(bool on);
    bool isFiltered() const { return m_filtered; }
    // A further SQL condition on the stored fields (named in double quotes).
    void setCondition(const QString& where, const QVariantList& params = {});

    // --- events (the record rules are these) -----------------------------------------------
    Handler beforeOpen, afterOpen, beforeClose, afterClose;
    Handler beforeInsert, afterInsert, onNewRecord;
    Handler beforeEdit, afterEdit, beforePost, afterPost;
    Handler beforeCancel, afterCancel, beforeDelete, afterDelete;
    Handler afterScroll, onCalcFields;
    std::function<PostErrorAction(Cursor&, const StoreError&)> onPostError;

    // --- life ------------------------------------------------------------------------------
    void open();
    void close();
    void setActive(bool active) { active ? open() : close(); }
    bool isOpen() const { return m_state != State::Inactive; }
    // Reads the rows again, staying on the current record when it is still there.
    void refresh();
    // Reads only the current row again with its calculated fields (after rows it sums changed).
    void refreshRecord();
    State state() const { return m_state; }
    bool isEditing() const { return m_state == State::Edit || m_state == State::Insert; }
    bool isModified() const { return m_modified; }

    // --- moving ----------------------------------------------------------------------------
    void first();
    void last();
    void next();
    void prior();
    int moveBy(int distance);
    bool eof() const { return m_eof; }
    bool bof() const { return m_bof; }
    bool isEmpty() const { return m_rows.isEmpty() && m_state != State::Insert; }
    int recordCount() const { return int(m_rows.size()); }
    // Position of the current record from 0; -1 when there is none.
    int recNo() const { return m_pos; }
    void setRecNo(int position);
    Bookmark bookmark() const { return m_current.rowid; }
    bool bookmarkValid(Bookmark bookmark) const;
    bool gotoBookmark(Bookmark bookmark);

    // --- editing ---------------------------------------------------------------------------
    void insert();
    void append();
    void edit();
    void post();
    void cancel();
    void remove();
    // Posts a pending change (cancels one that changed nothing); the cursor ends browsing.
    void checkBrowseMode();
    void flush() { checkBrowseMode(); }

    // --- searching -------------------------------------------------------------------------
    // Exact search on the first values.size() fields of the order; moves only when found.
    bool findKey(const QVariantList& values);
    // Moves to the first row whose key is not below the values (the last row when none is).
    void findNearest(const QVariantList& values);
    struct LocateOptions {
        bool caseInsensitive = false;
        bool partialKey = false;
    };
    bool locate(const QString& fields, const QVariantList& values, LocateOptions options);
    bool locate(const QString& fields, const QVariantList& values) { return locate(fields, values, LocateOptions()); }

    // --- fields ----------------------------------------------------------------------------
    int fieldCount() const { return int(m_fields.size()); }
    const FieldInfo& fieldInfo(int index) const { return m_fields[index]; }
    int fieldIndex(const QString& name) const;
    Field field(int index) { return Field(this, index); }
    // Throws StoreError for a name the cursor does not have.
    Field field(const QString& name);
    Field operator[](const QString& name) { return field(name); }
    QStringList fieldNames() const;
    QVariant value(const QString& name) { return field(name).value(); }
    void setValue(const QString& name, const QVariant& value) { field(name).setValue(value); }

    // --- rows for data-aware grids ---------------------------------------------------------
    // Reads the rows at the positions [first, first+count), calculated fields included.
    QVector<Record> recordsAt(int first, int count);
    const Record& currentRecord() const { return m_current; }
    // Runs f with the given row standing in as the current record (for texts of grid cells).
    void withRecord(const Record& record, const std::function<void(Cursor&)>& f);

    // Stops notifying controls and details while a long walk runs; they catch up on enable.
    void disableControls() { ++m_controlsDisabled; }
    void enableControls();
    bool controlsDisabled() const { return m_controlsDisabled > 0; }

Q_SIGNALS:
    void stateChanged();
    void recordChanged();  // another row became current, or the current row's values changed
    void dataSetChanged(); // opened, closed, rows added, removed or read again
    void fieldChanged(int index);

private:
    friend class Field;
    const QVariant& rawValue(int index) const;
    void setRawValue(int index, const QVariant& value, bool byUser);
    bool isCalculating() const { return m_calculating; }

    void buildFields();
    QString selectSql(bool allColumns) const;
    QString whereSql() const;
    void bindWhere(Statement& statement, int firstParameter) const;
    void loadRows();
    Record readRow(qint64 rowid);
    void calculate(Record& record);
    void setCurrent(int position);
    // Ends a pending edit, makes the row at the position current and tells whoever follows.
    void moveTo(int position);
    bool isVisible(const Record& record);
    int insertPosition(const Record& record);
    QVariantList keyOf(qint64 rowid);
    QVariantList keyOf(const Record& record) const;
    int compareKeys(const QVariantList& a, const QVariantList& b, int count) const;
    int lowerBound(const QVariantList& key, int count);
    int positionOf(qint64 rowid) const;
    void write();
    void masterChanged();
    void notifyRecord();
    void notifyDataSet();
    void notifyState();

    Database& m_db;
    QString m_name;
    TableRef m_table;
    QString m_qualified;
    QStringList m_fieldNames;
    QList<FieldInfo> m_extraFields; // calculated and look-up definitions
    QHash<QString, std::shared_ptr<FieldHooks>> m_hooks;
    QList<FieldInfo> m_fields;
    QHash<QString, int> m_fieldIndex;
    QList<FieldHooks*> m_fieldHooks;
    int m_dataFieldCount = 0;
    int m_autoIncField = -1;
    QStringList m_indexFields;
    QList<int> m_indexFieldPos;

    Cursor* m_master = nullptr;
    QStringList m_masterFields;
    QList<Cursor*> m_details;
    QStringList m_rangeFields;
    QVariantList m_rangeValues;
    bool m_rangeEmpty = false; // a master without a current key shows nothing
    std::function<bool(Cursor&)> m_filter;
    bool m_filtered = false;
    QString m_condition;
    QVariantList m_conditionParams;

    struct LookupQuery {
        QString table; // the schema-qualified table it was prepared for
        std::shared_ptr<Statement> statement;
    };
    QVariant lookupValue(int field, const QVariant& key);

    QHash<int, LookupQuery> m_lookups;
    std::unique_ptr<Statement> m_fetch;
    std::unique_ptr<Statement> m_fetchKey;
    QVector<qint64> m_rows;
    mutable QHash<qint64, int> m_positions; // built on demand
    mutable bool m_positionsValid = false;
    int m_pos = -1;
    bool m_eof = true;
    bool m_bof = true;
    State m_state = State::Inactive;
    Record m_current;
    Record m_saved;  // the row as it was before edit, or the current row before insert
    int m_savedPos = -1;
    QSet<int> m_changedFields;
    bool m_modified = false;
    Record* m_active = &m_current;
    bool m_calculating = false;
    int m_controlsDisabled = 0;
    bool m_pendingNotify = false;
};

} // namespace store
