#include "platform/db/TTable.h"

#include "platform/Failure.h"
#include "platform/db/Database.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <limits>

namespace {

QString quoted(const QString &identifier)
{
    return '"' + QString(identifier).replace('"', "\"\"") + '"';
}

TColumn columnFromDeclaration(const QString &name, const QString &declared)
{
    // SQLite's own affinity rules, so that a column reads as the engine stores it.
    TColumn column{name, declared};
    const QString type = declared.toUpper();
    if (type.contains("INT"))
        column.kind = TColumn::Kind::Integer;
    else if (type.contains("CHAR") || type.contains("CLOB") || type.contains("TEXT") || type.isEmpty())
        column.kind = TColumn::Kind::Text;
    else
        column.kind = TColumn::Kind::Real;
    static const QRegularExpression width(R"(\(\s*(\d+)\s*\))");
    if (column.kind == TColumn::Kind::Text) {
        const auto match = width.match(type);
        if (match.hasMatch())
            column.width = match.captured(1).toInt();
    }
    return column;
}

// Finishes a result set on every way out: a half-read SELECT holds a read lock.
struct FinishGuard {
    QSqlQuery &query;
    ~FinishGuard() { query.finish(); }
};

int connectionSerial = 0;

} // namespace

// ---------------------------------------------------------------- TField

const TColumn &TField::column() const { return m_table->Columns().at(m_column); }
QVariant TField::value() const { return m_table->ColumnValue(m_column); }

QString TField::asText() const
{
    const QVariant v = value();
    if (v.isNull())
        throw Failure("Invalid variant type conversion");
    return TTable::displayText(v);
}

QString TField::displayText() const { return TTable::displayText(value()); }

// ---------------------------------------------------------------- TTable

TTable::TTable(QObject *parent) : QObject(parent) {}

TTable::~TTable() { Close(); }

QString TTable::fail(const QString &what) const
{
    return QString("Table file \"%1\": %2").arg(QDir::toNativeSeparators(m_filePath), what);
}

void TTable::Open()
{
    if (Active())
        return;
    m_filePath = QDir(Database::aliasPath(DatabaseName)).filePath(TableName);
    const QFileInfo info(m_filePath);
    // SQLite would create a missing file; a table that is not there is a failure.
    if (!info.exists())
        throw Failure(fail("the file does not exist"));
    if (!info.isFile())
        throw Failure(fail("not a file"));

    m_connection = QString("quillomet-table-%1").arg(++connectionSerial);
    m_db = QSqlDatabase::addDatabase("QSQLITE", m_connection);
    m_db.setDatabaseName(m_filePath);
    m_db.setConnectOptions(ReadOnly ? "QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=200"
                                    : "QSQLITE_BUSY_TIMEOUT=200");
    try {
        if (!m_db.open())
            throw Failure(fail(m_db.lastError().text()));

        QSqlQuery query(m_db);
        if (!query.exec("SELECT name FROM sqlite_master WHERE type = 'table' "
                        "AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\' ORDER BY rowid LIMIT 1")) {
            const QString code = query.lastError().nativeErrorCode();
            if (code == "26")
                throw Failure(fail("not a database"));
            if (code == "5" || code == "6")
                throw Failure(fail("locked by another process"));
            throw Failure(fail(query.lastError().databaseText()));
        }
        if (!query.next())
            throw Failure(fail("holds no table"));
        m_table = quoted(query.value(0).toString());
        query.finish();

        m_columns.clear();
        QVector<std::pair<int, int>> keyColumns; // (key position, column)
        if (!query.exec("PRAGMA table_info(" + m_table + ")"))
            throw Failure(fail(query.lastError().databaseText()));
        while (query.next()) {
            m_columns.append(columnFromDeclaration(query.value(1).toString(), query.value(2).toString()));
            if (query.value(5).toInt() > 0)
                keyColumns.append({query.value(5).toInt(), int(m_columns.size() - 1)});
        }
        query.finish();

        for (const QString &field : RequiredFields)
            if (FindColumn(field) < 0)
                throw Failure(fail(QString("field '%1' not found").arg(field)));

        m_orderColumns.clear();
        if (!IndexFieldNames.isEmpty()) {
            for (const QString &field : IndexFieldNames.split(';', Qt::SkipEmptyParts)) {
                const int column = FindColumn(field.trimmed());
                if (column < 0)
                    throw Failure(fail(QString("field '%1' not found").arg(field.trimmed())));
                m_orderColumns.append(column);
            }
        } else {
            // The table's own key order: its primary key, then the order of storage.
            std::sort(keyColumns.begin(), keyColumns.end());
            for (const auto &[position, column] : keyColumns)
                m_orderColumns.append(column);
        }

        m_state = TDataSetState::Browse;
        m_filtered = false;
        auto first = scan(Direction::Forward, nullptr, false);
        const bool empty = !first;
        moveTo(std::move(first), true, empty);
    } catch (...) {
        Close();
        throw;
    }
    notify(TDataEvent::ActiveChanged);
}

void TTable::Close()
{
    if (m_connection.isEmpty())
        return;
    const bool wasActive = Active();
    m_current.reset();
    m_edit.reset();
    m_state = TDataSetState::Inactive;
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connection);
    m_connection.clear();
    if (wasActive)
        notify(TDataEvent::ActiveChanged);
}

void TTable::requireActive() const
{
    if (!Active())
        throw Failure(QString("Cannot perform this operation on a closed dataset"));
}

void TTable::notify(TDataEvent event, const QString &field) { emit dataEvent(event, field); }

// ---------------------------------------------------------------- reading

std::unique_ptr<TTable::Row> TTable::rowFrom(const QSqlQuery &query) const
{
    auto row = std::make_unique<Row>();
    row->rowid = query.value(0).toLongLong();
    row->values.resize(m_columns.size());
    for (int c = 0; c < m_columns.size(); ++c)
        row->values[c] = query.value(c + 1);
    return row;
}

std::unique_ptr<TTable::Row> TTable::readRow(qint64 rowid) const
{
    QSqlQuery query(m_db);
    query.prepare("SELECT rowid, * FROM " + m_table + " WHERE rowid = ?");
    query.addBindValue(rowid);
    FinishGuard guard{query};
    if (!query.exec())
        throw Failure(fail(query.lastError().databaseText()));
    return query.next() ? rowFrom(query) : nullptr;
}

QString TTable::orderBy(Direction direction) const
{
    const QString dir = direction == Direction::Forward ? QString() : QString(" DESC");
    QStringList terms;
    for (int column : m_orderColumns)
        terms << quoted(m_columns[column].name) + dir;
    terms << "rowid" + dir;
    return " ORDER BY " + terms.join(", ");
}

QVector<QVariant> TTable::keyOf(const Row &row) const
{
    QVector<QVariant> key;
    for (int column : m_orderColumns)
        key.append(row.values[column]);
    key.append(row.rowid);
    return key;
}

// The rows after (Forward) or before (Backward) a key in index order, as
// WHERE clauses that SQLite can answer from the index on the order's fields.
// Nulls sort first. The first order field bounds the index range; a backward
// search from a non-null value reads the rows of a null first field last.
QVector<TTable::Segment> TTable::segments(Direction direction, const QVector<QVariant> &key,
                                          bool inclusive) const
{
    const bool forward = direction == Direction::Forward;
    const int last = key.size() - 1; // the rowid
    auto name = [&](int i) { return i == last ? QString("rowid") : quoted(m_columns[m_orderColumns[i]].name); };

    // Strictly beyond the key from field i on, given equality before i.
    std::function<QString(int, QVariantList &)> beyond = [&](int i, QVariantList &binds) -> QString {
        const QVariant &v = key[i];
        if (i == last) {
            binds << v;
            return QString("rowid %1 ?").arg(forward ? (inclusive ? ">=" : ">") : (inclusive ? "<=" : "<"));
        }
        QString strict, equal;
        if (v.isNull()) {
            strict = forward ? name(i) + " IS NOT NULL" : QString("0");
            equal = name(i) + " IS NULL";
            QVariantList rest;
            const QString tail = beyond(i + 1, rest);
            binds << rest;
            return QString("(%1 OR (%2 AND %3))").arg(strict, equal, tail);
        }
        strict = forward ? name(i) + " > ?" : "(" + name(i) + " < ? OR " + name(i) + " IS NULL)";
        binds << v;
        QVariantList rest;
        const QString tail = beyond(i + 1, rest);
        binds << v << rest;
        return QString("(%1 OR (%2 = ? AND %3))").arg(strict, name(i), tail);
    };

    QVector<Segment> result;
    if (last == 0) {
        Segment s;
        s.where = beyond(0, s.binds);
        result << s;
        return result;
    }
    const QVariant &first = key[0];
    const QString field = name(0);
    if (first.isNull()) {
        Segment s;
        s.where = field + " IS NULL AND " + beyond(1, s.binds);
        result << s;
        if (forward)
            result << Segment{field + " IS NOT NULL", {}};
        return result;
    }
    Segment s;
    s.binds << first;
    s.where = field + (forward ? " >= ?" : " <= ?") + " AND ";
    if (forward) {
        s.where += beyond(0, s.binds);
    } else {
        // Within this segment the first field is not null: compare it plainly.
        QVariantList rest;
        const QString tail = beyond(1, rest);
        s.where += QString("(%1 < ? OR (%1 = ? AND %2))").arg(field, tail);
        s.binds << first << first << rest;
    }
    result << s;
    if (!forward)
        result << Segment{field + " IS NULL", {}};
    return result;
}

bool TTable::accepts(const Row &row)
{
    if (!m_filtered || !OnFilterRecord)
        return true;
    bool accept = true;
    m_probe = &row;
    try {
        OnFilterRecord(*this, accept);
    } catch (...) {
        m_probe = nullptr;
        throw;
    }
    m_probe = nullptr;
    return accept;
}

std::unique_ptr<TTable::Row> TTable::scan(Direction direction, const QVector<QVariant> *fromKey, bool inclusive)
{
    QVector<Segment> parts = fromKey ? segments(direction, *fromKey, inclusive) : QVector<Segment>{Segment{}};
    for (const Segment &part : parts) {
        QSqlQuery query(m_db);
        query.setForwardOnly(true);
        query.prepare("SELECT rowid, * FROM " + m_table
                      + (part.where.isEmpty() ? QString() : " WHERE " + part.where) + orderBy(direction));
        for (const QVariant &bind : part.binds)
            query.addBindValue(bind);
        FinishGuard guard{query};
        if (!query.exec())
            throw Failure(fail(query.lastError().databaseText()));
        while (query.next()) {
            auto row = rowFrom(query);
            if (accepts(*row))
                return row;
        }
    }
    return nullptr;
}

// ---------------------------------------------------------------- moving

void TTable::moveTo(std::unique_ptr<Row> row, bool bof, bool eof)
{
    m_current = std::move(row);
    m_bof = bof || !m_current;
    m_eof = eof || !m_current;
    notify(TDataEvent::RecordChanged);
}

bool TTable::IsEmpty() const { return !m_current; }

void TTable::settlePending()
{
    if (m_state == TDataSetState::Edit || m_state == TDataSetState::Insert) {
        // Post first lets the controls store text not yet in the record, then
        // writes the record if a field was set, or drops the edit.
        Post();
    } else if (m_state == TDataSetState::SetKey) {
        m_state = TDataSetState::Browse;
        notify(TDataEvent::StateChanged);
    }
}

void TTable::SetFiltered(bool on)
{
    requireActive();
    settlePending();
    m_filtered = on;
    First();
}

void TTable::First()
{
    requireActive();
    settlePending();
    auto row = scan(Direction::Forward, nullptr, false);
    moveTo(std::move(row), true, false);
}

void TTable::Last()
{
    requireActive();
    settlePending();
    auto row = scan(Direction::Backward, nullptr, false);
    moveTo(std::move(row), false, true);
}

void TTable::Next()
{
    requireActive();
    settlePending();
    if (!m_current)
        return moveTo(nullptr, true, true);
    const auto key = keyOf(*m_current);
    if (auto row = scan(Direction::Forward, &key, false))
        return moveTo(std::move(row), false, false);
    // Nothing after: stay, now at the end.
    m_bof = false;
    m_eof = true;
    notify(TDataEvent::RecordChanged);
}

void TTable::Prior()
{
    requireActive();
    settlePending();
    if (!m_current)
        return moveTo(nullptr, true, true);
    const auto key = keyOf(*m_current);
    if (auto row = scan(Direction::Backward, &key, false))
        return moveTo(std::move(row), false, false);
    m_bof = true;
    m_eof = false;
    notify(TDataEvent::RecordChanged);
}

// ---------------------------------------------------------------- key search

void TTable::SetKey()
{
    requireActive();
    settlePending();
    m_key = QVector<QVariant>(m_orderColumns.size());
    m_state = TDataSetState::SetKey;
    notify(TDataEvent::StateChanged);
}

void TTable::SetKeyFieldText(const QString &field, const QString &text)
{
    if (m_state != TDataSetState::SetKey)
        throw Failure("Dataset not in edit or insert mode");
    const int column = columnOrFail(field);
    const int part = m_orderColumns.indexOf(column);
    if (part < 0)
        throw Failure(QString("Field '%1' is not part of the index").arg(m_columns[column].name));
    const TColumn &c = m_columns[column];
    const QString cut = c.width > 0 ? text.left(c.width) : text;
    m_key[part] = cut.isEmpty() ? QVariant() : convertText(c, cut);
}

void TTable::GotoNearest()
{
    if (m_state != TDataSetState::SetKey)
        throw Failure("Dataset not in edit or insert mode");
    QVector<QVariant> key = m_key;
    key.append(std::numeric_limits<qint64>::min());
    m_state = TDataSetState::Browse;
    notify(TDataEvent::StateChanged);
    if (auto row = scan(Direction::Forward, &key, true))
        return moveTo(std::move(row), false, false);
    auto last = scan(Direction::Backward, nullptr, false);
    moveTo(std::move(last), false, false);
}

// ---------------------------------------------------------------- editing

void TTable::Edit()
{
    requireActive();
    if (m_state == TDataSetState::Edit || m_state == TDataSetState::Insert)
        return;
    if (!m_current)
        return Insert();
    if (ReadOnly)
        throw Failure("Cannot modify a read-only dataset");
    settlePending();
    m_edit = std::make_unique<Row>(*m_current);
    m_setColumns = QVector<bool>(m_columns.size(), false);
    m_modified = false;
    m_state = TDataSetState::Edit;
    notify(TDataEvent::StateChanged);
}

void TTable::Insert()
{
    requireActive();
    if (ReadOnly)
        throw Failure("Cannot modify a read-only dataset");
    settlePending();
    m_edit = std::make_unique<Row>();
    m_edit->values.resize(m_columns.size());
    m_setColumns = QVector<bool>(m_columns.size(), false);
    m_modified = false;
    m_state = TDataSetState::Insert;
    notify(TDataEvent::StateChanged);
    notify(TDataEvent::RecordChanged);
}

QVariant TTable::convertText(const TColumn &column, const QString &text) const
{
    if (column.kind == TColumn::Kind::Text)
        return text;
    if (text.trimmed().isEmpty())
        return QVariant();
    bool ok = false;
    const QLocale c = QLocale::c();
    if (column.kind == TColumn::Kind::Integer) {
        const qlonglong v = c.toLongLong(text.trimmed(), &ok);
        if (!ok)
            throw Failure(QString("'%1' is not a valid integer value").arg(text));
        return v;
    }
    const double v = c.toDouble(text.trimmed(), &ok);
    if (!ok)
        throw Failure(QString("'%1' is not a valid floating point value").arg(text));
    return v;
}

void TTable::SetFieldText(const QString &field, const QString &text)
{
    const int column = columnOrFail(field);
    const TColumn &c = m_columns[column];
    if (c.width > 0 && text.size() > c.width)
        throw Failure(QString("Value of field '%1' is longer than %2 characters").arg(c.name).arg(c.width));
    SetFieldValue(field, convertText(c, text));
}

void TTable::SetFieldValue(const QString &field, const QVariant &value)
{
    if (m_state != TDataSetState::Edit && m_state != TDataSetState::Insert)
        throw Failure("Dataset not in edit or insert mode");
    const int column = columnOrFail(field);
    m_edit->values[column] = value;
    m_setColumns[column] = true;
    m_modified = true;
    notify(TDataEvent::FieldChanged, m_columns[column].name);
}

void TTable::Post()
{
    if (m_state != TDataSetState::Edit && m_state != TDataSetState::Insert)
        return;
    notify(TDataEvent::UpdateRecord);
    if (!m_modified)
        return Cancel();

    QStringList names;
    QVariantList values;
    for (int c = 0; c < m_columns.size(); ++c) {
        if (m_setColumns[c]) {
            names << quoted(m_columns[c].name);
            values << m_edit->values[c];
        }
    }
    QString sql;
    if (m_state == TDataSetState::Edit) {
        QStringList assignments;
        for (const QString &name : names)
            assignments << name + " = ?";
        sql = "UPDATE " + m_table + " SET " + assignments.join(", ") + " WHERE rowid = ?";
        values << m_edit->rowid;
    } else {
        sql = "INSERT INTO " + m_table + " (" + names.join(", ") + ") VALUES ("
              + QStringList(names.size(), "?").join(", ") + ")";
    }

    // One transaction per record: all of it is written, or none.
    if (!m_db.transaction())
        throw Failure(m_db.lastError().databaseText());
    QSqlQuery query(m_db);
    query.prepare(sql);
    for (const QVariant &v : values)
        query.addBindValue(v);
    const bool written = query.exec() && (m_state == TDataSetState::Insert || query.numRowsAffected() == 1);
    const QString error = query.lastError().databaseText();
    const qint64 rowid = m_state == TDataSetState::Insert ? query.lastInsertId().toLongLong() : m_edit->rowid;
    query.finish();
    if (!written || !m_db.commit()) {
        const QString message = !written ? (error.isEmpty() ? QString("Record not found") : error)
                                         : m_db.lastError().databaseText();
        m_db.rollback();
        throw Failure(message);
    }
    m_current = readRow(rowid);
    m_edit.reset();
    m_modified = false;
    m_state = TDataSetState::Browse;
    notify(TDataEvent::StateChanged);
    notify(TDataEvent::RecordChanged);
}

void TTable::Cancel()
{
    if (m_state != TDataSetState::Edit && m_state != TDataSetState::Insert)
        return;
    m_edit.reset();
    m_modified = false;
    m_state = TDataSetState::Browse;
    notify(TDataEvent::StateChanged);
    notify(TDataEvent::RecordChanged);
}

// ---------------------------------------------------------------- fields

int TTable::FindColumn(const QString &name) const
{
    for (int c = 0; c < m_columns.size(); ++c)
        if (m_columns[c].name.compare(name, Qt::CaseInsensitive) == 0)
            return c;
    return -1;
}

int TTable::columnOrFail(const QString &name) const
{
    const int column = FindColumn(name);
    if (column < 0)
        throw Failure(QString("Field '%1' not found").arg(name));
    return column;
}

TField TTable::FieldByName(const QString &name) const { return TField(this, columnOrFail(name)); }

const TTable::Row *TTable::visibleRow() const
{
    if (m_probe)
        return m_probe;
    if (m_edit && (m_state == TDataSetState::Edit || m_state == TDataSetState::Insert))
        return m_edit.get();
    return m_current.get();
}

QVariant TTable::ColumnValue(int column) const
{
    const Row *row = visibleRow();
    if (!row || column < 0 || column >= row->values.size())
        return QVariant();
    return row->values[column];
}

QString TTable::displayText(const QVariant &value)
{
    if (value.isNull())
        return QString();
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
        return QString::number(value.toDouble(), 'g', QLocale::FloatingPointShortest);
    default:
        return value.toString();
    }
}

// ---------------------------------------------------------------- whole table

int TTable::RecordCount() const
{
    requireActive();
    QSqlQuery query(m_db);
    FinishGuard guard{query};
    if (!query.exec("SELECT COUNT(*) FROM " + m_table) || !query.next())
        throw Failure(fail(query.lastError().databaseText()));
    return query.value(0).toInt();
}

QVector<QVector<QVariant>> TTable::Records(int firstRow, int count) const
{
    requireActive();
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    query.prepare("SELECT rowid, * FROM " + m_table + orderBy(Direction::Forward) + " LIMIT ? OFFSET ?");
    query.addBindValue(count);
    query.addBindValue(firstRow);
    FinishGuard guard{query};
    if (!query.exec())
        throw Failure(fail(query.lastError().databaseText()));
    QVector<QVector<QVariant>> rows;
    while (query.next())
        rows.append(rowFrom(query)->values);
    return rows;
}

int TTable::RecNo() const
{
    if (!m_current)
        return -1;
    const auto key = keyOf(*m_current);
    int before = 0;
    for (const Segment &part : segments(Direction::Backward, key, false)) {
        QSqlQuery query(m_db);
        query.prepare("SELECT COUNT(*) FROM " + m_table + " WHERE " + part.where);
        for (const QVariant &bind : part.binds)
            query.addBindValue(bind);
        FinishGuard guard{query};
        if (!query.exec() || !query.next())
            throw Failure(fail(query.lastError().databaseText()));
        before += query.value(0).toInt();
    }
    return before;
}

void TTable::MoveTo(int row)
{
    requireActive();
    settlePending();
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    query.prepare("SELECT rowid, * FROM " + m_table + orderBy(Direction::Forward) + " LIMIT 1 OFFSET ?");
    query.addBindValue(row);
    FinishGuard guard{query};
    if (!query.exec())
        throw Failure(fail(query.lastError().databaseText()));
    if (query.next())
        moveTo(rowFrom(query), false, false);
}
