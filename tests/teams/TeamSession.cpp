#include "TeamSession.h"

#include "app/InstallFolder.h"
#include "platform/db/Database.h"
#include "platform/forms/Application.h"
#include "platform/forms/Look.h"
#include "screens/menu/TMMenu.h"
#include "screens/teams/TForm2.h"
#include "screens/teams/TTeammenu.h"

namespace {

const QStringList slotFields = {"One", "Two", "Three", "Four", "Five", "Six", "Seven", "Eight", "Nine"};
const QStringList positions = {"C", "1B", "2B", "3B", "SS", "LF", "CF", "RF", "DH"};
const QStringList starterCodes = {"R", "L", "R", "L", "R"};

} // namespace

QStringList TeamSession::columns()
{
    QStringList columns{"\"Team\" VARCHAR(15) UNIQUE", "\"Hitting\" TEXT", "\"Pitching\" TEXT",
                        "\"Division Rank\" INTEGER"};
    for (const QString &field : slotFields)
        columns << QString("\"%1\" VARCHAR(16)").arg(field);
    for (int i = 1; i <= 9; ++i)
        columns << QString("\"POS%1\" VARCHAR(2)").arg(i);
    for (int i = 1; i <= 5; ++i)
        columns << QString("\"SP%1\" VARCHAR(16)").arg(i);
    for (int i = 1; i <= 5; ++i)
        columns << QString("\"Starter%1\" VARCHAR(3)").arg(i);
    columns << "\"Closer\" VARCHAR(16)" << "\"Closer1\" VARCHAR(2)" << "\"Remarks\" TEXT";
    return columns;
}

QVariantList TeamSession::record(const QVariant &team, const QString &tag, int divisionRank)
{
    QVariantList values{team, "Offense of " + tag, "Pitching of " + tag, divisionRank};
    for (int i = 1; i <= 9; ++i)
        values << QString("%1 %2").arg(tag).arg(i);
    for (const QString &position : positions)
        values << position;
    for (int i = 1; i <= 5; ++i)
        values << QString("%1 S%2").arg(tag).arg(i);
    for (const QString &code : starterCodes)
        values << code;
    values << tag + " CL" << "R" << "not shown";
    return values;
}

QStringList TeamSession::nameFields()
{
    return slotFields + QStringList{"SP1", "SP2", "SP3", "SP4", "SP5", "Closer"};
}

QStringList TeamSession::writeLog()
{
    return {"CREATE TABLE writes (what TEXT)",
            "CREATE TRIGGER logUpdate AFTER UPDATE ON TEAMPLAT BEGIN INSERT INTO writes VALUES ('update'); END",
            "CREATE TRIGGER logInsert AFTER INSERT ON TEAMPLAT BEGIN INSERT INTO writes VALUES ('insert'); END"};
}

void TeamSession::createScreens()
{
    Application &application = Application::instance();
    application.addForm(new TMMenu);
    application.addForm(new TForm2);
    application.addForm(new TTeammenu);
}

void TeamSession::begin(const QString &installFolder)
{
    Look::installFontSubstitutions();
    InstallFolder::setPath(installFolder);
    Database::setAliasPath("Baseball", InstallFolder::path() + "Baseball");
    createScreens();
    Application::instance().show(Application::instance().mainForm());
}
