#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

#include <functional>
#include <optional>

// One column of a demo table: its name, its declared type and how a row of
// the generator gives its value (a null QVariant stores NULL).
template <typename Row>
struct Column {
    QString name;
    QString type;
    std::function<QVariant(const Row &)> value;
};

// A table file of the database folder: one SQLite database holding one table
// named after the file ("BTRMAST.DB" holds BTRMAST). Creating it replaces any
// file of that name; rows go in through one prepared statement inside one
// transaction, and finish() commits them. A failure of SQLite throws a
// Failure naming the file.
class TableFile {
public:
    TableFile(const QString &folder, const QString &fileName, const QVector<QPair<QString, QString>> &columns);
    ~TableFile();
    TableFile(const TableFile &) = delete;
    TableFile &operator=(const TableFile &) = delete;

    void append(const QVector<QVariant> &values);
    void addIndex(const QString &name, const QStringList &columns);
    // Commits the rows and closes the file.
    void finish();

private:
    void run(const QString &statement);
    [[noreturn]] void fail(const QString &what, const QString &error) const;

    // Closes and forgets the connection, also when the constructor fails.
    struct Connection {
        QString name;
        ~Connection();
    };

    QString m_path;
    QString m_table;
    QStringList m_placeholders;
    QVector<QVariant> m_bound;   // what the statement holds now
    Connection m_connection;
    std::optional<QSqlQuery> m_insert;   // released before the connection
};

// Quotes a table or column name for SQL: `NEWAVG 96`, `2B_96`, `Division Rank`.
QString quotedName(const QString &name);

// Writes a whole table file, with an index on `indexColumns` if given.
template <typename Row, typename Rows>
void writeTable(const QString &folder, const QString &fileName, const QVector<Column<Row>> &columns, const Rows &rows,
                const QStringList &indexColumns = {})
{
    QVector<QPair<QString, QString>> declared;
    for (const Column<Row> &column : columns)
        declared.append({column.name, column.type});
    TableFile file(folder, fileName, declared);
    QVector<QVariant> values(columns.size());
    for (const Row &row : rows) {
        for (int index = 0; index < columns.size(); ++index)
            values[index] = columns[index].value(row);
        file.append(values);
    }
    if (!indexColumns.isEmpty())
        file.addIndex(fileName.section('.', 0, 0) + "_BY_NAME", indexColumns);
    file.finish();
}
