#include "data/TableFile.h"

#include "platform/Failure.h"

#include <QAtomicInteger>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>

namespace {

QString uniqueConnectionName()
{
    static QAtomicInteger<int> counter;
    return QStringLiteral("quillomet-demodata-%1").arg(counter.fetchAndAddRelaxed(1));
}

}

QString quotedName(const QString &name)
{
    QString escaped = name;
    escaped.replace('"', "\"\"");
    return '"' + escaped + '"';
}

TableFile::TableFile(const QString &folder, const QString &fileName, const QVector<QPair<QString, QString>> &columns)
    : m_path(QDir(folder).filePath(fileName)),
      m_table(QFileInfo(fileName).completeBaseName()),
      m_connection{uniqueConnectionName()}
{
    if (QFileInfo::exists(m_path) && !QFile::remove(m_path))
        fail("Cannot replace", QFile(m_path).errorString());

    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", m_connection.name);
    db.setDatabaseName(m_path);
    if (!db.open())
        fail("Cannot create", db.lastError().text());
    // The file is written once from scratch: a crash leaves a file that the
    // next run replaces anyway, so no journal is needed.
    run("PRAGMA journal_mode = OFF");
    run("PRAGMA synchronous = OFF");

    QStringList definitions;
    QStringList names;
    for (const auto &[name, type] : columns) {
        definitions << quotedName(name) + ' ' + type;
        names << quotedName(name);
        // Named placeholders: Qt binds them without formatting a name for every value.
        m_placeholders << ":v" + QString::number(m_placeholders.size());
    }
    run(QStringLiteral("CREATE TABLE %1 (%2)").arg(quotedName(m_table), definitions.join(", ")));
    if (!db.transaction())
        fail("Cannot write", db.lastError().text());

    m_insert.emplace(db);
    if (!m_insert->prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                               .arg(quotedName(m_table), names.join(", "), m_placeholders.join(", "))))
        fail("Cannot write", m_insert->lastError().text());
}

TableFile::~TableFile() = default;

TableFile::Connection::~Connection()
{
    {
        QSqlDatabase db = QSqlDatabase::database(name, false);
        if (db.isOpen()) {
            db.rollback();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
}

void TableFile::append(const QVector<QVariant> &values)
{
    // Binding costs more than inserting; a value already bound from the row
    // before (a NULL season, a zero, the same club) stays bound.
    const bool firstRow = m_bound.isEmpty();
    m_bound.resize(values.size());
    for (int index = 0; index < values.size(); ++index) {
        const QVariant &value = values[index];
        QVariant &bound = m_bound[index];
        if (firstRow || bound.metaType() != value.metaType() || bound.isNull() != value.isNull() || bound != value) {
            m_insert->bindValue(m_placeholders[index], value);
            bound = value;
        }
    }
    if (!m_insert->exec())
        fail("Cannot write", m_insert->lastError().text());
}

void TableFile::addIndex(const QString &name, const QStringList &columns)
{
    QStringList quoted;
    for (const QString &column : columns)
        quoted << quotedName(column);
    run(QStringLiteral("CREATE INDEX %1 ON %2 (%3)").arg(quotedName(name), quotedName(m_table), quoted.join(", ")));
}

void TableFile::finish()
{
    m_insert.reset();
    QSqlDatabase db = QSqlDatabase::database(m_connection.name, false);
    if (!db.commit())
        fail("Cannot write", db.lastError().text());
    db.close();
}

void TableFile::run(const QString &statement)
{
    QSqlQuery query(QSqlDatabase::database(m_connection.name, false));
    if (!query.exec(statement))
        fail("Cannot write", query.lastError().text());
}

void TableFile::fail(const QString &what, const QString &error) const
{
    throw Failure(QStringLiteral("%1 %2: %3").arg(what, QDir::toNativeSeparators(m_path), error));
}
