#include "TestSupport.h"

#include "app/InstallFolder.h"
#include "platform/db/Database.h"
#include "platform/forms/Application.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>
#include <QWidget>

namespace {
int connectionSerial = 0;

template <typename F>
void withConnection(const QString &path, F work)
{
    const QString name = QString("test-support-%1").arg(++connectionSerial);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", name);
        db.setDatabaseName(path);
        if (!db.open())
            qFatal("cannot open %s", qPrintable(path));
        work(db);
    }
    QSqlDatabase::removeDatabase(name);
}

void exec(QSqlQuery &query, const QString &sql)
{
    if (!query.exec(sql))
        qFatal("%s: %s", qPrintable(sql), qPrintable(query.lastError().text()));
}
}

TestInstall::TestInstall()
{
    QDir(m_dir.path()).mkpath("Baseball");
    InstallFolder::setPath(m_dir.path());
    Database::setAliasPath("Baseball", baseballPath());
}

TestInstall::~TestInstall() = default;

QString TestInstall::path() const { return m_dir.path() + '/'; }
QString TestInstall::baseballPath() const { return path() + "Baseball/"; }

void TestInstall::createTable(const QString &fileName, const QStringList &columns,
                              const QList<QVariantList> &rows, const QStringList &extraSql) const
{
    const QString file = baseballPath() + fileName;
    QFile::remove(file);
    const QString table = QFileInfo(fileName).baseName();
    withConnection(file, [&](QSqlDatabase &db) {
        QSqlQuery query(db);
        exec(query, QString("CREATE TABLE \"%1\" (%2)").arg(table, columns.join(", ")));
        for (const QString &sql : extraSql)
            exec(query, sql);
        db.transaction();
        for (const QVariantList &row : rows) {
            query.prepare(QString("INSERT INTO \"%1\" VALUES (%2)").arg(table, QStringList(row.size(), "?").join(", ")));
            for (const QVariant &value : row)
                query.addBindValue(value);
            if (!query.exec())
                qFatal("insert: %s", qPrintable(query.lastError().text()));
        }
        db.commit();
    });
}

QList<QVariantList> TestInstall::query(const QString &fileName, const QString &sql) const
{
    QList<QVariantList> result;
    withConnection(baseballPath() + fileName, [&](QSqlDatabase &db) {
        QSqlQuery query(db);
        exec(query, sql);
        while (query.next()) {
            QVariantList row;
            for (int c = 0; c < query.record().count(); ++c)
                row << query.value(c);
            result << row;
        }
    });
    return result;
}

void TestInstall::writeBitmap(const QString &fileName, int width, int height) const
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkBlue);
    if (!image.save(path() + fileName, "BMP"))
        qFatal("cannot write %s", qPrintable(fileName));
}

MessageRecorder::MessageRecorder()
{
    Application::instance().setMessageHandler([this](const QString &text) { messages << text; });
}

MessageRecorder::~MessageRecorder() { Application::instance().setMessageHandler(nullptr); }

QString MessageRecorder::takeOne()
{
    if (messages.size() != 1)
        QTest::qFail(qPrintable("expected one message, got: " + messages.join(" | ")), __FILE__, __LINE__);
    return messages.isEmpty() ? QString() : messages.takeFirst();
}

void saveScreenshot(QWidget *widget, const QString &name)
{
    const QString folder = qEnvironmentVariable("QUILLOMET_SHOTS");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    widget->grab().save(folder + '/' + name + ".png");
}

QStringList textLines(const QPlainTextEdit *box)
{
    QStringList lines;
    for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next())
        lines << block.text();
    return lines;
}
