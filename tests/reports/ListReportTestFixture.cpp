#include "ListReportTestFixture.h"

#include "support/TestSupport.h"

#include <QTest>

namespace {

struct FieldType {
    const char *declaration;
    int width;   // characters of a text field; 0 for numbers
};

FieldType typeOf(const QString &field)
{
    static const QHash<QString, FieldType> texts = {
        {"First Name", {"VARCHAR(12)", 12}}, {"Last Name", {"VARCHAR(15)", 15}}, {"Team", {"VARCHAR(12)", 12}},
        {"Level", {"VARCHAR(3)", 3}}, {"Throws", {"VARCHAR(1)", 1}}, {"Position", {"VARCHAR(2)", 2}},
    };
    static const QStringList ratios = {"Avg", "ERA", "IP", "WHIP"};
    if (texts.contains(field))
        return texts.value(field);
    return {ratios.contains(field) ? "REAL" : "INTEGER", 0};
}

QVariant valueOf(const QString &field, int row)
{
    const FieldType type = typeOf(field);
    if (type.width > 0)
        return QString("%1%2").arg(field.at(0)).arg(row + 1).left(type.width);
    if (QString(type.declaration) == "REAL")
        return (row + 1) / 8.0;
    return row + 1;
}

} // namespace

const QList<ReportUnderTest> &reportsUnderTest()
{
    static const QList<ReportUnderTest> reports = {
        {"tp98", "Top 98 for 1998", QColor(0, 0, 128), "TOP98.DB", "Comment",
         {"Rank", "First Name", "Last Name", "Position"}, "", ""},
        {"Prospec", "Hot Hitting Prospects", QColor(0, 128, 0), "PROSPECT.DB", "Projection",
         {"First Name", "Last Name", "Team", "Age", "Level", "Avg", "AB", "R", "HR", "RBI", "SB"},
         "About Prospects", "Abpros"},
        {"pitpros", "Hot Pitching Prospects", QColor(0, 128, 0), "PITPROS.DB", "Projection",
         {"First Name", "Last Name", "Team", "Age", "Level", "Throws", "W", "L", "IP", "ERA", "SV", "BB", "SO"},
         "About Prospects", "Abpros"},
        {"Breakbat", "Breakout Batters", QColor(128, 0, 0), "BREAKOUT.DB", "Projection",
         {"First Name", "Last Name", "Team", "Age", "Avg", "AB", "R", "HR", "RBI", "SB"},
         "About Breakout Candidates", "About"},
        {"Breakpit", "Breakout Pitchers", QColor(128, 0, 0), "BREAKPIT.DB", "Projection",
         {"First Name", "Last Name", "Team", "Age", "ERA", "IP", "SO", "W", "L", "WHIP"},
         "About Breakout Candidates", "About"},
    };
    return reports;
}

const ReportUnderTest &reportUnderTest(const QString &instance)
{
    for (const ReportUnderTest &report : reportsUnderTest())
        if (report.instance == instance)
            return report;
    qFatal("no list report %s", qPrintable(instance));
}

QString writeUpOf(const QString &instance, int row)
{
    return QString("Write-up %1 of %2.").arg(row + 1).arg(instance)
           + QString(" He should see plenty of playing time this year.").repeated(12);
}

void createReportTable(const TestInstall &install, const ReportUnderTest &report, int rows,
                       const QString &leaveOut)
{
    const bool keyed = report.gridFields.contains("Rank");
    QStringList fields = report.gridFields;
    fields << report.writeUpField;
    fields.removeAll(leaveOut);

    QStringList columns;
    for (const QString &field : fields) {
        QString declaration = '"' + field + "\" ";
        if (field == report.writeUpField)
            declaration += "TEXT";
        else
            declaration += typeOf(field).declaration;
        if (keyed && field == "Rank")
            declaration += " PRIMARY KEY";
        columns << declaration;
    }
    QList<QVariantList> records;
    for (int row = 0; row < rows; ++row) {
        QVariantList record;
        for (const QString &field : fields)
            record << (field == report.writeUpField ? QVariant(writeUpOf(report.instance, row)) : valueOf(field, row));
        if (keyed)
            records.prepend(record);
        else
            records.append(record);
    }
    install.createTable(report.tableFile, columns, records);
}

QString moveOf(int row) { return QString("Move %1").arg(row + 1); }

QString resultOf(int row)
{
    return QString("Result of move %1.").arg(row + 1) + QString(" The club is better for it.").repeated(20);
}

void createMovesTable(const TestInstall &install, int rows)
{
    QList<QVariantList> records;
    for (int row = 0; row < rows; ++row)
        records << QVariantList{moveOf(row), resultOf(row)};
    install.createTable("BIGMOVES.DB", {"\"Move\" TEXT", "\"Result\" TEXT"}, records);
}
