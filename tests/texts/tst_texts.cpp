#include "assets/Texts.h"

#include <QRegularExpression>
#include <QTest>

// The screens load these lines as they are, so their layout is checked line by line.
class TextsTest : public QObject
{
    Q_OBJECT

private slots:
    void everyLineIsOneHardLine_data();
    void everyLineIsOneHardLine();
    void tipsAreTenNumberedTipsWithTabbedParagraphs();
    void helpHasTitleContentsAndSectionsInOrder();
    void helpReportsListIsLetteredInMenuOrder();
    void aboutParagraphsHaveTheirLineCountAndIndent_data();
    void aboutParagraphsHaveTheirLineCountAndIndent();
    void aboutProductOpensWithItsVersion();
    void spreadsheetTextIsTwoParagraphs();
    void spreadsheetNoteIsItsFiveLines();
};

namespace {

bool isBlankOrTab(const QString &line)
{
    return line.isEmpty() || line == QLatin1String("\t");
}

bool isParagraphLine(const QString &line)
{
    return line.startsWith(u'\t') && line.size() > 1 && !line.at(1).isSpace();
}

} // namespace

void TextsTest::everyLineIsOneHardLine_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("tips") << Texts::tips();
    QTest::newRow("help") << Texts::help();
    QTest::newRow("about product") << Texts::aboutProduct();
    QTest::newRow("about breakout") << Texts::aboutBreakout();
    QTest::newRow("about prospects") << Texts::aboutProspects();
    QTest::newRow("spreadsheet") << Texts::spreadsheet();
    QTest::newRow("spreadsheet note") << Texts::spreadsheetNote();
}

void TextsTest::everyLineIsOneHardLine()
{
    QFETCH(QStringList, lines);
    QVERIFY(!lines.isEmpty());
    QVERIFY(!lines.last().trimmed().isEmpty());
    for (const QString &line : lines) {
        QVERIFY2(!line.contains(u'\n') && !line.contains(u'\r'), qPrintable(line));
    }
}

void TextsTest::tipsAreTenNumberedTipsWithTabbedParagraphs()
{
    const QStringList lines = Texts::tips();
    const QRegularExpression heading(QStringLiteral("^(\\d+)\\)  \\S"));
    QCOMPARE(lines.value(0), QString());

    qsizetype at = 1;
    for (int number = 1; number <= 10; ++number) {
        const QString tip = QStringLiteral("tip %1").arg(number);
        if (number > 1)
            QVERIFY2(lines.value(at++).isEmpty(), qPrintable(tip + ": no empty line before it"));
        const QRegularExpressionMatch match = heading.match(lines.value(at++));
        QVERIFY2(match.hasMatch(), qPrintable(tip + ": no heading"));
        QCOMPARE(match.captured(1).toInt(), number);
        QVERIFY2(isBlankOrTab(lines.value(at++)),
                 qPrintable(tip + ": heading not followed by a gap"));
        QVERIFY2(isParagraphLine(lines.value(at)), qPrintable(tip + ": no paragraph"));
        while (at < lines.size() && !lines.at(at).isEmpty()) {
            QVERIFY2(isParagraphLine(lines.at(at)), qPrintable(tip + ": " + lines.at(at)));
            ++at;
        }
    }
    QCOMPARE(at, lines.size());
    QCOMPARE(lines.at(1), QStringLiteral("1)  Do your homework.  "));
}

void TextsTest::helpHasTitleContentsAndSectionsInOrder()
{
    const QStringList lines = Texts::help();
    const QStringList front{"Quillomet", "Version 1.0", "", "Table of Contents",
                            "1 \tOverview", "2 \tThe Position Analyses", "3 \tTeam Analyses",
                            "4 \tReports", "5 \tThe Spreadsheets"};
    QCOMPARE(lines.mid(0, front.size()), front);

    const QStringList headings{"1) Overview", "2) Positions", "3) Teams", "4) Reports",
                               "5) The Spreadsheet"};
    const QRegularExpression listItem(QStringLiteral("^[a-z]\\) \\t\\S"));
    qsizetype at = front.size();
    for (const QString &heading : headings) {
        QCOMPARE(lines.mid(at, 3), (QStringList{"", "", heading}));
        at += 3;
        QVERIFY2(isParagraphLine(lines.value(at)), qPrintable(heading + ": no paragraph"));
        while (at < lines.size() && !lines.at(at).isEmpty()) {
            QVERIFY2(isParagraphLine(lines.at(at)) || listItem.match(lines.at(at)).hasMatch(),
                     qPrintable(heading + ": " + lines.at(at)));
            ++at;
        }
    }
    QCOMPARE(at, lines.size());
}

void TextsTest::helpReportsListIsLetteredInMenuOrder()
{
    const QStringList reports{"Hot Hitting Prospects", "Breakout Pitchers", "Breakout Batters",
                              "Top 98 for 1998", "About Quillomet", "Top Offseason Moves",
                              "Hot Pitching Prospects"};
    const QStringList lines = Texts::help();
    const qsizetype from = lines.indexOf(QStringLiteral("4) Reports"));
    const qsizetype to = lines.indexOf(QStringLiteral("5) The Spreadsheet"));
    QVERIFY(from > 0 && to > from);
    const QStringList items = lines.mid(from, to - from)
                                  .filter(QRegularExpression(QStringLiteral("^[a-z]\\) ")));
    QCOMPARE(items.size(), reports.size());
    for (qsizetype i = 0; i < reports.size(); ++i) {
        const QChar letter(char16_t(u'a' + i));
        const QString expected = QStringLiteral("%1) \t%2").arg(letter, reports.at(i));
        QVERIFY2(items.at(i).startsWith(expected), qPrintable(expected));
    }
}

void TextsTest::aboutParagraphsHaveTheirLineCountAndIndent_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<int>("firstIndent");
    QTest::newRow("breakout") << Texts::aboutBreakout() << 10 << 4;
    QTest::newRow("prospects") << Texts::aboutProspects() << 12 << 0;
}

void TextsTest::aboutParagraphsHaveTheirLineCountAndIndent()
{
    QFETCH(QStringList, lines);
    QFETCH(int, lineCount);
    QFETCH(int, firstIndent);
    QCOMPARE(lines.size(), lineCount);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        const qsizetype indent = line.indexOf(QRegularExpression(QStringLiteral("\\S")));
        QCOMPARE(indent, i == 0 ? firstIndent : 0);
        QVERIFY(!line.contains(u'\t'));
    }
}

void TextsTest::aboutProductOpensWithItsVersion()
{
    const QStringList lines = Texts::aboutProduct();
    QCOMPARE(lines.value(0), QStringLiteral("Version 1.0a"));
    QVERIFY(lines.size() > 1);
    QVERIFY(lines.join(u' ').contains(QStringLiteral("Brantell")));
}

void TextsTest::spreadsheetTextIsTwoParagraphs()
{
    const QStringList lines = Texts::spreadsheet();
    const qsizetype gap = lines.indexOf(QString());
    QVERIFY(gap > 0);
    QCOMPARE(lines.indexOf(QString(), gap + 1), -1);
    QVERIFY(gap + 1 < lines.size());
    const QString first = lines.mid(0, gap).join(u' ');
    const QString second = lines.mid(gap + 1).join(u' ');
    QVERIFY(first.contains(QStringLiteral("\"Draftday.xls\"")));
    QVERIFY(first.contains(QStringLiteral("install folder")));
    QVERIFY(second.contains(QStringLiteral("Excel 5.0")));
}

void TextsTest::spreadsheetNoteIsItsFiveLines()
{
    const QStringList note{"Note: This button will only work ", "if you have Excel and it is ",
                           "stored on your root C drive.  If ", "not, you will have to launch the ",
                           "spreadsheet manually."};
    QCOMPARE(Texts::spreadsheetNote(), note);
}

QTEST_APPLESS_MAIN(TextsTest)
#include "tst_texts.moc"
