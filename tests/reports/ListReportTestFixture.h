#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

class TestInstall;

// A list report as the tests expect to find it.
struct ReportUnderTest {
    QString instance;
    QString caption;
    QColor color;
    QString tableFile;
    QString writeUpField;
    QStringList gridFields;
    QString aboutCaption;   // empty: no about button
    QString aboutScreen;
};

const QList<ReportUnderTest> &reportsUnderTest();
const ReportUnderTest &reportUnderTest(const QString &instance);

// The write-up of the player in row `row` (0-based, the table's own order):
// long enough to overflow every comment memo.
QString writeUpOf(const QString &instance, int row);

// Writes the report's table with `rows` players: every grid field and the
// write-up field. "TOP98.DB" is keyed on Rank and stored in reverse order,
// so its own order is the key's, not the order of storage.
// `leaveOut` names a field the table lacks.
void createReportTable(const TestInstall &install, const ReportUnderTest &report, int rows,
                       const QString &leaveOut = QString());

// "BIGMOVES.DB" with `rows` moves: "Move 1" / "Result of move 1", ...
void createMovesTable(const TestInstall &install, int rows);
QString moveOf(int row);
QString resultOf(int row);
