#include "store/Cursor.h"

#include "store/Database.h"
#include "store/Tables.h"

namespace store {

Cursor::Cursor(Database& db, const QString& name, QObject* parent) : QObject(parent), m_db(db), m_name(name)
{
    setObjectName(name);
}

Cursor::~Cursor()
{
    if (m_master)
        m_master->m_details.removeAll(this);
    for (Cursor* detail : std::as_const(m_details))
        detail->m_master = nullptr;
}

// --- configuration ------------------------------------------------------------------------

void Cursor::setTable(const TableRef& table)
{
    if (isOpen())
        throw StoreError(21, QString("%1: nie można zmienić tabeli otwartego kursora").arg(m_name));
    m_table = table;
}

void Cursor::setFieldNames(const QStringList& names)
{
    m_fieldNames = names;
}

void Cursor::addCalculatedField(const QString& name, FieldType type, int size)
{
    FieldInfo info;
    info.name = name;
    info.type = type;
    info.size = size;
    info.kind = FieldKind::Calculated;
    m_extraFields.append(info);
}

void Cursor::addLookupField(const QString& name, FieldType type, int size, const QString& keyField, Cursor* lookup,
                            const QString& lookupKey, const QString& resultField)
{
    FieldInfo info;
    info.name = name;
    info.type = type;
    info.size = size;
    info.kind = FieldKind::Lookup;
    info.keyField = keyField;
    info.lookup = lookup;
    info.lookupKey = lookupKey;
    info.resultField = resultField;
    m_extraFields.append(info);
}

FieldHooks& Cursor::hooks(const QString& field)
{
    std::shared_ptr<FieldHooks>& hooks = m_hooks[field.toLower()];
    if (!hooks)
        hooks = std::make_shared<FieldHooks>();
    if (const int index = fieldIndex(field); index >= 0)
        m_fieldHooks[index] = hooks.get();
    return *hooks;
}

void Cursor::setIndexFieldNames(const QString& fields)
{
    const QStringList list = splitFieldList(fields);
    if (list == m_indexFields)
        return;
    m_indexFields = list;
    if (isOpen()) {
        buildFields();
        refresh();
    }
}

void Cursor::setMasterSource(Cursor* master, const QString& detailFields, const QString& masterFields)
{
    if (m_master)
        m_master->m_details.removeAll(this);
    m_master = master;
    m_rangeFields = splitFieldList(detailFields);
    m_masterFields = splitFieldList(masterFields);
    if (m_master)
        m_master->m_details.append(this);
}

void Cursor::setRange(const QStringList& fields, const QVariantList& values)
{
    m_rangeFields = fields;
    m_rangeValues = values;
    m_rangeEmpty = false;
    if (isOpen())
        refresh();
}

void Cursor::cancelRange()
{
    m_rangeFields.clear();
    m_rangeValues.clear();
    m_rangeEmpty = false;
    if (isOpen())
        refresh();
}

void Cursor::setFilter(std::function<bool(Cursor&)> filter)
{
    m_filter = std::move(filter);
    if (isOpen() && m_filtered)
        refresh();
}

void Cursor::setFiltered(bool on)
{
    if (on == m_filtered)
        return;
    m_filtered = on;
    if (isOpen()) {
        checkBrowseMode();
        refresh();
    }
}

void Cursor::setCondition(const QString& where, const QVariantList& params)
{
    m_condition = where;
    m_conditionParams = params;
    if (isOpen())
        refresh();
}

// --- fields -------------------------------------------------------------------------------

int Cursor::fieldIndex(const QString& name) const
{
    return m_fieldIndex.value(name.toLower(), -1);
}

Field Cursor::field(const QString& name)
{
    const int index = fieldIndex(name);
    if (index < 0)
        throw StoreError(1, QString("%1: brak pola %2").arg(m_name, name));
    return Field(this, index);
}

QStringList Cursor::fieldNames() const
{
    QStringList names;
    for (const FieldInfo& f : m_fields)
        names << f.name;
    return names;
}

const QVariant& Cursor::rawValue(int index) const
{
    static const QVariant null;
    if (index < 0 || index >= m_active->values.size())
        return null;
    return m_active->values[index];
}

void Cursor::setRawValue(int index, const QVariant& value, bool byUser)
{
    const FieldInfo& info = m_fields[index];
    if (info.kind == FieldKind::Data) {
        if (m_calculating)
            throw StoreError(1, QString("%1: pole %2 nie może być zmienione w trakcie obliczeń").arg(m_name, info.name));
        if (!isEditing())
            throw StoreError(1, QString("Tabela %1 nie jest w trybie edycji").arg(m_name));
    }
    QVariant& slot = m_active->values[index];
    const QVariant old = slot;
    slot = value;
    if (info.kind != FieldKind::Data)
        return;
    if (FieldHooks* hooks = m_fieldHooks.value(index); hooks && hooks->onValidate && byUser) {
        try {
            Field f(this, index);
            hooks->onValidate(f);
        } catch (...) {
            m_active->values[index] = old;
            throw;
        }
    }
    m_modified = true;
    m_changedFields.insert(index);
    calculate(m_current);
    if (!controlsDisabled())
        Q_EMIT fieldChanged(index);
}

void Cursor::buildFields()
{
    const TableStructure structure = Tables(m_db).structure(m_table);
    m_fields.clear();
    m_autoIncField = -1;
    const auto addData = [this](const FieldDef& def) {
        FieldInfo info;
        info.name = def.name;
        info.type = def.type;
        info.size = def.size;
        if (def.type == FieldType::AutoInc)
            m_autoIncField = int(m_fields.size());
        m_fields.append(info);
    };
    if (m_fieldNames.isEmpty()) {
        for (const FieldDef& def : structure.fields)
            addData(def);
    } else {
        for (const QString& name : m_fieldNames) {
            const int i = structure.indexOf(name);
            if (i < 0)
                throw StoreError(1, QString("%1: tabela %2 nie ma pola %3").arg(m_name, m_table.name, name));
            addData(structure.fields[i]);
        }
    }
    m_dataFieldCount = int(m_fields.size());
    m_fields.append(m_extraFields);
    m_fieldIndex.clear();
    m_fieldHooks.clear();
    for (int i = 0; i < m_fields.size(); ++i) {
        m_fieldIndex.insert(m_fields[i].name.toLower(), i);
        const auto hook = m_hooks.find(m_fields[i].name.toLower());
        m_fieldHooks.append(hook == m_hooks.end() ? nullptr : hook.value().get());
    }
    m_indexFieldPos.clear();
    for (const QString& name : std::as_const(m_indexFields)) {
        const int i = fieldIndex(name);
        if (i < 0 || i >= m_dataFieldCount)
            throw StoreError(1, QString("%1: brak pola %2 do porządkowania").arg(m_name, name));
        m_indexFieldPos.append(i);
    }
}

// --- SQL ----------------------------------------------------------------------------------

QString Cursor::selectSql(bool allColumns) const
{
    QStringList cols{"rowid"};
    if (allColumns)
        for (int i = 0; i < m_dataFieldCount; ++i)
            cols << quoteIdentifier(m_fields[i].name);
    QString sql = QString("SELECT %1 FROM %2").arg(cols.join(", "), m_qualified);
    const QString where = whereSql();
    if (!where.isEmpty())
        sql += " WHERE " + where;
    QStringList order;
    for (int pos : m_indexFieldPos)
        order << quoteIdentifier(m_fields[pos].name) + (isTextType(m_fields[pos].type) ? " COLLATE PL" : "");
    order << "rowid";
    return sql + " ORDER BY " + order.join(", ");
}

QString Cursor::whereSql() const
{
    QStringList parts;
    for (int i = 0; i < m_rangeFields.size(); ++i) {
        const QVariant v = m_rangeValues.value(i);
        parts << quoteIdentifier(m_rangeFields[i]) + (v.isNull() ? " IS NULL" : " = ?");
    }
    if (!m_condition.isEmpty())
        parts << '(' + m_condition + ')';
    return parts.join(" AND ");
}

void Cursor::bindWhere(Statement& statement, int parameter) const
{
    for (int i = 0; i < m_rangeFields.size(); ++i) {
        const QVariant v = m_rangeValues.value(i);
        if (!v.isNull())
            statement.bind(parameter++, v);
    }
    for (const QVariant& v : m_conditionParams)
        statement.bind(parameter++, v);
}

void Cursor::loadRows()
{
    m_rows.clear();
    m_positionsValid = false;
    if (m_rangeEmpty)
        return;
    const bool filtering = m_filtered && m_filter;
    Statement q = m_db.prepare(selectSql(filtering));
    bindWhere(q, 1);
    if (!filtering) {
        while (q.step())
            m_rows.append(q.int64(0));
        return;
    }
    Record row;
    row.values.resize(m_fields.size());
    Record* saved = m_active;
    m_active = &row;
    try {
        while (q.step()) {
            row.rowid = q.int64(0);
            for (int i = 0; i < m_dataFieldCount; ++i)
                row.values[i] = Field::normalize(m_fields[i].type, 0, q.value(i + 1));
            if (m_filter(*this))
                m_rows.append(row.rowid);
        }
    } catch (...) {
        m_active = saved;
        throw;
    }
    m_active = saved;
}

Record Cursor::readRow(qint64 rowid)
{
    Record row;
    row.rowid = rowid;
    row.values.resize(m_fields.size());
    m_fetch->reset();
    m_fetch->bindInt(1, rowid);
    if (m_fetch->step()) {
        for (int i = 0; i < m_dataFieldCount; ++i)
            row.values[i] = Field::normalize(m_fields[i].type, 0, m_fetch->value(i));
    } else {
        row.rowid = 0; // the row is gone
    }
    m_fetch->reset();
    calculate(row);
    return row;
}

void Cursor::calculate(Record& record)
{
    if (m_dataFieldCount == m_fields.size() || m_calculating)
        return;
    Record* saved = m_active;
    m_active = &record;
    m_calculating = true;
    try {
        for (int i = m_dataFieldCount; i < m_fields.size(); ++i) {
            const FieldInfo& info = m_fields[i];
            record.values[i] = QVariant();
            if (info.kind != FieldKind::Lookup || !info.lookup)
                continue;
            const QVariant key = rawValue(fieldIndex(info.keyField));
            if (!key.isNull())
                record.values[i] = lookupValue(i, key);
        }
        if (onCalcFields)
            onCalcFields(*this);
    } catch (...) {
        m_calculating = false;
        m_active = saved;
        throw;
    }
    m_calculating = false;
    m_active = saved;
}

QVariant Cursor::lookupValue(int field, const QVariant& key)
{
    const FieldInfo& info = m_fields[field];
    const TableRef& source = info.lookup->table();
    if (source.isNull())
        return QVariant();
    // A folder without its database has nothing to look up; do not create one.
    const QString schema = m_db.schemaFor(source.folder, false);
    if (schema.isEmpty())
        return QVariant();
    const QString table = schema + '.' + quoteIdentifier(source.name);
    LookupQuery& query = m_lookups[field];
    if (query.table != table || !query.statement) {
        query.table = table;
        query.statement.reset();
        if (!Tables(m_db).exists(source))
            return QVariant();
        query.statement = std::make_shared<Statement>(m_db.prepare(
            QString("SELECT %1 FROM %2 WHERE %3 = ? LIMIT 1")
                .arg(quoteIdentifier(info.resultField), table, quoteIdentifier(info.lookupKey))));
    }
    QVariant result;
    try {
        Statement& q = *query.statement;
        q.reset();
        q.bind(1, key);
        if (q.step())
            result = Field::normalize(info.type, info.size, q.value(0));
        q.reset();
    } catch (const StoreError&) {
        query.statement.reset(); // the table went away; look again next time
    }
    return result;
}

// --- life ---------------------------------------------------------------------------------

void Cursor::open()
{
    if (isOpen())
        return;
    if (beforeOpen)
        beforeOpen(*this);
    Tables tables(m_db);
    if (m_table.isNull() || !tables.exists(m_table))
        throw StoreError(1, QString("Brak zbioru : %1").arg(m_table.name));
    m_qualified = tables.qualified(m_table);
    buildFields();
    QStringList cols;
    for (int i = 0; i < m_dataFieldCount; ++i)
        cols << quoteIdentifier(m_fields[i].name);
    m_fetch = std::make_unique<Statement>(
        m_db.prepare(QString("SELECT %1 FROM %2 WHERE rowid = ?").arg(cols.join(", "), m_qualified)));
    QStringList keyCols{"rowid"};
    for (int pos : std::as_const(m_indexFieldPos))
        keyCols << quoteIdentifier(m_fields[pos].name);
    m_fetchKey = std::make_unique<Statement>(
        m_db.prepare(QString("SELECT %1 FROM %2 WHERE rowid = ?").arg(keyCols.join(", "), m_qualified)));
    m_state = State::Browse;
    m_modified = false;
    if (m_master) {
        m_rangeValues.clear();
        m_rangeEmpty = true;
        if (m_master->isOpen() && !m_master->isEmpty()) {
            m_rangeEmpty = false;
            for (const QString& f : std::as_const(m_masterFields)) {
                const QVariant v = m_master->value(f);
                m_rangeEmpty = m_rangeEmpty || v.isNull();
                m_rangeValues << v;
            }
        }
    }
    try {
        loadRows();
        setCurrent(m_rows.isEmpty() ? -1 : 0);
    } catch (...) {
        m_state = State::Inactive;
        m_fetch.reset();
        m_fetchKey.reset();
        throw;
    }
    m_bof = true;
    m_eof = m_rows.isEmpty();
    if (afterOpen)
        afterOpen(*this);
    if (afterScroll)
        afterScroll(*this);
    notifyState();
    notifyDataSet();
}

void Cursor::close()
{
    if (!isOpen())
        return;
    if (beforeClose)
        beforeClose(*this);
    m_state = State::Inactive;
    m_fetch.reset();
    m_fetchKey.reset();
    m_lookups.clear();
    m_rows.clear();
    m_positionsValid = false;
    m_pos = -1;
    m_current = Record();
    m_current.values.resize(m_fields.size());
    m_modified = false;
    m_eof = m_bof = true;
    if (afterClose)
        afterClose(*this);
    notifyState();
    notifyDataSet();
}

void Cursor::refresh()
{
    if (!isOpen())
        return;
    checkBrowseMode();
    const qint64 current = m_current.rowid;
    const int oldPos = m_pos;
    loadRows();
    int pos = current ? positionOf(current) : -1;
    if (pos < 0 && !m_rows.isEmpty())
        pos = qBound(0, oldPos, int(m_rows.size()) - 1);
    setCurrent(pos);
    m_eof = m_rows.isEmpty();
    m_bof = m_rows.isEmpty();
    notifyDataSet();
}

void Cursor::refreshRecord()
{
    if (!isOpen() || isEditing() || m_pos < 0)
        return;
    const Record row = readRow(m_current.rowid);
    if (row.rowid == 0) {
        refresh(); // the row is gone
        return;
    }
    m_current = row;
    notifyRecord();
}

// --- moving -------------------------------------------------------------------------------

void Cursor::setCurrent(int position)
{
    m_pos = position;
    if (position < 0 || position >= m_rows.size()) {
        m_pos = -1;
        m_current = Record();
        m_current.values.resize(m_fields.size());
        calculate(m_current);
    } else {
        m_current = readRow(m_rows[position]);
    }
    for (Cursor* detail : std::as_const(m_details))
        if (!controlsDisabled())
            detail->masterChanged();
}

void Cursor::moveTo(int position)
{
    checkBrowseMode();
    setCurrent(position);
    m_bof = m_eof = false;
    if (afterScroll)
        afterScroll(*this);
    notifyRecord();
}

void Cursor::first()
{
    checkBrowseMode();
    setCurrent(m_rows.isEmpty() ? -1 : 0);
    m_bof = true;
    m_eof = m_rows.isEmpty();
    if (afterScroll)
        afterScroll(*this);
    notifyRecord();
}

void Cursor::last()
{
    checkBrowseMode();
    setCurrent(int(m_rows.size()) - 1);
    m_eof = true;
    m_bof = m_rows.isEmpty();
    if (afterScroll)
        afterScroll(*this);
    notifyRecord();
}

void Cursor::next()
{
    checkBrowseMode();
    if (m_pos + 1 < m_rows.size()) {
        setCurrent(m_pos + 1);
        m_bof = m_eof = false;
        if (afterScroll)
            afterScroll(*this);
        notifyRecord();
    } else {
        m_eof = true;
    }
}

void Cursor::prior()
{
    checkBrowseMode();
    if (m_pos > 0) {
        setCurrent(m_pos - 1);
        m_bof = m_eof = false;
        if (afterScroll)
            afterScroll(*this);
        notifyRecord();
    } else {
        m_bof = true;
    }
}

int Cursor::moveBy(int distance)
{
    checkBrowseMode();
    if (m_rows.isEmpty())
        return 0;
    const int target = qBound(0, m_pos + distance, int(m_rows.size()) - 1);
    const int moved = target - m_pos;
    m_eof = distance > 0 && moved < distance;
    m_bof = distance < 0 && moved > distance;
    if (moved != 0) {
        setCurrent(target);
        if (afterScroll)
            afterScroll(*this);
        notifyRecord();
    }
    return moved;
}

void Cursor::setRecNo(int position)
{
    checkBrowseMode();
    if (position == m_pos || m_rows.isEmpty())
        return;
    moveBy(qBound(0, position, int(m_rows.size()) - 1) - m_pos);
}

int Cursor::positionOf(qint64 rowid) const
{
    if (!m_positionsValid) {
        m_positions.clear();
        m_positions.reserve(m_rows.size());
        for (int i = 0; i < m_rows.size(); ++i)
            m_positions.insert(m_rows[i], i);
        m_positionsValid = true;
    }
    return m_positions.value(rowid, -1);
}

bool Cursor::bookmarkValid(Bookmark bookmark) const
{
    return bookmark != 0 && positionOf(bookmark) >= 0;
}

bool Cursor::gotoBookmark(Bookmark bookmark)
{
    const int pos = bookmark ? positionOf(bookmark) : -1;
    if (pos < 0)
        return false;
    moveTo(pos);
    return true;
}

QVector<Record> Cursor::recordsAt(int first, int count)
{
    QVector<Record> result;
    const int end = qMin(int(m_rows.size()), first + count);
    for (int i = qMax(0, first); i < end; ++i)
        result.append(i == m_pos && m_state != State::Insert ? m_current : readRow(m_rows[i]));
    return result;
}

void Cursor::withRecord(const Record& record, const std::function<void(Cursor&)>& f)
{
    Record copy = record;
    Record* saved = m_active;
    m_active = &copy;
    try {
        f(*this);
    } catch (...) {
        m_active = saved;
        throw;
    }
    m_active = saved;
}

// --- master and detail, notifications -----------------------------------------------------

void Cursor::masterChanged()
{
    if (!isOpen() || !m_master)
        return;
    QVariantList values;
    bool empty = m_master->m_state == State::Inactive || (m_master->m_pos < 0 && m_master->m_state != State::Insert);
    for (const QString& f : std::as_const(m_masterFields)) {
        const QVariant v = empty ? QVariant() : m_master->value(f);
        empty = empty || v.isNull();
        values << v;
    }
    if (values == m_rangeValues && empty == m_rangeEmpty)
        return;
    checkBrowseMode();
    m_rangeValues = values;
    m_rangeEmpty = empty;
    loadRows();
    setCurrent(m_rows.isEmpty() ? -1 : 0);
    m_bof = true;
    m_eof = m_rows.isEmpty();
    if (afterScroll)
        afterScroll(*this);
    notifyDataSet();
}

void Cursor::enableControls()
{
    if (m_controlsDisabled > 0 && --m_controlsDisabled == 0) {
        for (Cursor* detail : std::as_const(m_details))
            detail->masterChanged();
        if (m_pendingNotify) {
            m_pendingNotify = false;
            Q_EMIT stateChanged();
            Q_EMIT dataSetChanged();
        }
    }
}

void Cursor::notifyRecord()
{
    if (controlsDisabled()) {
        m_pendingNotify = true;
        return;
    }
    Q_EMIT recordChanged();
}

void Cursor::notifyDataSet()
{
    if (controlsDisabled()) {
        m_pendingNotify = true;
        return;
    }
    Q_EMIT dataSetChanged();
}

void Cursor::notifyState()
{
    if (controlsDisabled()) {
        m_pendingNotify = true;
        return;
    }
    Q_EMIT stateChanged();
}

} // namespace store
