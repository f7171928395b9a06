#include "platform/Failure.h"
#include "tools/workbook/Biff5Workbook.h"
#include "tools/workbook/CompoundFile.h"
#include "tools/workbook/DraftdayBuilder.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <cmath>
#include <limits>

namespace {

// What the independent reader (xlrd) found in a file, or why it could not read it.
struct ReadBack {
    QJsonObject json;
    QString error;
};

ReadBack readBack(const QString &mode, const QString &path)
{
    QProcess process;
    process.start(QStringLiteral(WORKBOOK_TEST_PYTHON),
                  {QStringLiteral(READ_WORKBOOK_SCRIPT), mode, path});
    if (!process.waitForFinished(-1))
        return {{}, process.errorString()};
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return {{}, QString::fromLocal8Bit(process.readAllStandardError())};
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(process.readAllStandardOutput(), &parseError);
    if (!document.isObject())
        return {{}, parseError.errorString()};
    // The reader passes over much that it finds odd, but says so.
    const QString complaints = document.object().value("log").toString();
    if (!complaints.isEmpty())
        return {{}, "xlrd: " + complaints};
    return {document.object(), {}};
}

// One sheet as the reader returned it: rows of cells, null for an empty cell.
class SheetReadBack {
public:
    explicit SheetReadBack(const QJsonObject &sheet) : m_sheet(sheet) {}

    QJsonArray rows() const { return m_sheet.value("rows").toArray(); }
    QJsonValue cell(int row, int column) const
    {
        return rows().at(row).toArray().at(column);
    }
    QStringList firstColumn() const
    {
        QStringList texts;
        for (const QJsonValue &row : rows())
            texts.append(row.toArray().at(0).toString());
        return texts;
    }
    int rowOf(const QString &lastName, const QString &firstName) const
    {
        const QJsonArray all = rows();
        for (int row = 0; row < all.size(); ++row)
            if (cell(row, 0) == lastName && cell(row, 1) == firstName)
                return row;
        return -1;
    }
    int columnOf(const QString &heading) const
    {
        const QJsonArray headings = rows().at(firstColumn().indexOf("Last Name")).toArray();
        for (int column = 0; column < headings.size(); ++column)
            if (headings.at(column) == heading)
                return column;
        return -1;
    }
    bool isBold(int row, int column) const
    {
        return m_sheet.value("bold").toArray().contains(QJsonArray{row, column});
    }

private:
    QJsonObject m_sheet;
};

QStringList sheetNames(const QJsonObject &book)
{
    QStringList names;
    for (const QJsonValue &sheet : book.value("sheets").toArray())
        names.append(sheet.toObject().value("name").toString());
    return names;
}

SheetReadBack sheetNamed(const QJsonObject &book, const QString &name)
{
    for (const QJsonValue &sheet : book.value("sheets").toArray())
        if (sheet.toObject().value("name") == name)
            return SheetReadBack(sheet.toObject());
    return SheetReadBack({});
}

// The player tables of a small season, with the columns the workbook reads.
// One column uses other capitals than the name the builder asks for.
const QStringList textColumns = {"FRST_NM_97", "POS_97", "TEAM_98"};
const QStringList hitterColumns = {
    "LST_NM_97", "FRST_NM_97", "POS_97", "TEAM_98", "ATBATS_97", "BATAVG_97", "HRS_97",
    "RBI_97", "STOLEN_97", "RUNS_97", "HITS_97", "DOUBLES_97", "TRIPLES_97", "WALKS_97",
    "CAUGHT_97", "AB_96", "Newavg 96", "HR_96", "RBI_96", "SB_96", "R_96", "H_96", "2B_96",
    "3B_96", "BB_96", "CS_96"};
const QStringList pitcherColumns = {
    "LAST_NM_97", "FRST_NM_97", "POS_97", "TEAM_98", "ERA_97a", "WIN_97", "LOSS_97",
    "STRKOUT_97", "SAVE_97", "WHIP_97", "INNGS_97", "HITSAGN_97", "BB_97", "ERUNS_97",
    "RUNSALW_97", "ERA_96", "WINS96", "LOSSES96", "SO96", "SV96", "WHIP_96", "IP96", "HITS96",
    "BB96", "ER96", "RUNS96"};

QVariantMap player(const QString &lastNameField, const QString &last, const QString &first,
                   const QString &position, const QVariant &team, QVariantMap stats = {})
{
    stats[lastNameField] = last;
    stats["FRST_NM_97"] = first;
    stats["POS_97"] = position;
    stats["TEAM_98"] = team;
    return stats;
}

QVariantMap hitter(const QString &last, const QString &first, const QString &position,
                   const QVariant &team, const QVariantMap &stats = {})
{
    return player("LST_NM_97", last, first, position, team, stats);
}

QVariantMap pitcher(const QString &last, const QString &first, const QString &position,
                    const QVariant &team, const QVariantMap &stats = {})
{
    return player("LAST_NM_97", last, first, position, team, stats);
}

const QList<QVariantMap> fixtureHitters = {
    hitter("Adams", "Bob", "C", "Yankees",
           {{"ATBATS_97", 450}, {"BATAVG_97", 0.287}, {"Newavg 96", 0.301}, {"AB_96", 402},
            {"2B_96", 31}, {"CAUGHT_97", 4}}),
    hitter("Baker", "Carl", "C", "Mets"),
    hitter("Adams", "Al", "C", "Rangers"),
    hitter("Able", "Dan", "C", "Red Sox", {{"ATBATS_97", 120}}),
    hitter("Cole", "Ed", "OF", QVariant(), {{"HRS_97", 22}}),
    hitter("Drew", "Fred", "OF", "Dodgers"),
    hitter("Eaton", "Gus", "OF", "Zephyrs"),
    hitter("Fox", "Hal", "of", "Dodgers"),
    hitter("Gray", "Ian", "DH", "A's", {{"HR_96", 40}}),
};

const QList<QVariantMap> fixturePitchers = {
    pitcher("Irwin", "Ken", "SP", "Orioles"),
    pitcher("Hale", "Jim", "SP", "Braves",
            {{"ERA_97a", 3.12}, {"WINS96", 14}, {"WHIP_96", 1.21}, {"INNGS_97", 201.1}}),
    pitcher("Jones", "Lou", "RP", "Cubs", {{"SAVE_97", 30}}),
    pitcher("King", "Max", "RP", QVariant()),
};

QString quoted(const QString &identifier) { return '"' + identifier + '"'; }

// Writes a table file holding one table; fails the test on any database error.
void writeTable(const QString &path, const QString &table, const QStringList &columns,
                const QList<QVariantMap> &rows)
{
    const QString connection = QStringLiteral("fixture ") + path;
    {
        QSqlDatabase database = QSqlDatabase::addDatabase("QSQLITE", connection);
        database.setDatabaseName(path);
        if (!database.open())
            throw Failure(database.lastError().text());
        QStringList declarations, placeholders, quotedColumns;
        for (const QString &column : columns) {
            const bool text = column == columns.first() || textColumns.contains(column);
            declarations.append(quoted(column) + (text ? " VARCHAR(20)" : " NUMERIC"));
            quotedColumns.append(quoted(column));
            placeholders.append("?");
        }
        QSqlQuery query(database);
        if (!query.exec(QStringLiteral("CREATE TABLE %1 (%2)").arg(quoted(table), declarations.join(", "))))
            throw Failure(query.lastError().text());
        query.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                          .arg(quoted(table), quotedColumns.join(", "), placeholders.join(", ")));
        for (const QVariantMap &row : rows) {
            for (int i = 0; i < columns.size(); ++i)
                query.bindValue(i, row.value(columns[i]));
            if (!query.exec())
                throw Failure(query.lastError().text());
        }
    }
    QSqlDatabase::removeDatabase(connection);
}

void writeFixtureSeason(const QString &installFolder)
{
    QDir(installFolder).mkpath("Baseball");
    writeTable(installFolder + "/Baseball/BTRMAST.DB", "BTRMAST", hitterColumns, fixtureHitters);
    writeTable(installFolder + "/Baseball/PITMAST.DB", "PITMAST", pitcherColumns, fixturePitchers);
}

const QStringList positionSheets = {"C", "1B", "2B", "3B", "SS", "OF", "DH", "SP", "RP"};

QByteArray sampleBytes(qsizetype size)
{
    QList<quint32> words((size + 3) / 4);
    QRandomGenerator(1998).fillRange(words.data(), words.size());
    return QByteArray(reinterpret_cast<const char *>(words.constData()), size);
}

quint32 headerField(const QByteArray &file, int offset)
{
    return qFromLittleEndian<quint32>(file.constData() + offset);
}

constexpr int HeaderFatSectorCount = 44;
constexpr int HeaderDifatSectorCount = 72;

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class TestWorkbook : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void streamReadsBack_data();
    void streamReadsBack();
    void workbookReadsBack();
    void largeSheetReadsBack();
    void cellOutsideSheetFails_data();
    void cellOutsideSheetFails();
    void sheetNameRefused_data();
    void sheetNameRefused();

    void draftdayHasOneSheetPerPosition();
    void draftdayGroupsPlayersByLeague_data();
    void draftdayGroupsPlayersByLeague();
    void draftdayShowsTableValues_data();
    void draftdayShowsTableValues();
    void draftdayHeadingsAreBold();
    void unreadableTableFails_data();
    void unreadableTableFails();

    void toolWritesDraftday();
    void toolReportsFailure();

private:
    // Empty when python3 with xlrd can read files back.
    QString m_readerProblem;
    QTemporaryDir m_scratch;
    QString m_season;
    QJsonObject m_draftday;
};

#define REQUIRE_READER()                                                                           \
    do {                                                                                           \
        if (!m_readerProblem.isEmpty())                                                            \
            QSKIP(qPrintable(m_readerProblem));                                                    \
    } while (false)

void TestWorkbook::initTestCase()
{
    QVERIFY(m_scratch.isValid());
    QProcess probe;
    probe.start(QStringLiteral(WORKBOOK_TEST_PYTHON), {"-c", "import xlrd"});
    if (!probe.waitForFinished(-1) || probe.exitStatus() != QProcess::NormalExit || probe.exitCode() != 0)
        m_readerProblem = QStringLiteral("python3 with xlrd (Debian package python3-xlrd) is needed "
                                         "to read workbooks back; tried \"%1\"")
                              .arg(WORKBOOK_TEST_PYTHON);

    m_season = m_scratch.filePath("season");
    writeFixtureSeason(m_season);
    const QString built = m_scratch.filePath("built.xls");
    DraftdayBuilder(m_season).build().save(built);
    if (m_readerProblem.isEmpty()) {
        const ReadBack book = readBack("cells", built);
        QVERIFY2(book.error.isEmpty(), qPrintable(book.error));
        m_draftday = book.json;
    }
}

void TestWorkbook::streamReadsBack_data()
{
    QTest::addColumn<qsizetype>("size");
    QTest::addColumn<bool>("usesDifat");
    QTest::newRow("empty") << qsizetype(0) << false;
    QTest::newRow("one byte") << qsizetype(1) << false;
    QTest::newRow("mini stream") << qsizetype(3000) << false;
    QTest::newRow("longest mini stream") << qsizetype(4095) << false;
    QTest::newRow("shortest regular stream") << qsizetype(4096) << false;
    QTest::newRow("several FAT sectors") << qsizetype(1'500'000) << false;
    QTest::newRow("more FAT sectors than the header lists") << qsizetype(8'000'000) << true;
}

void TestWorkbook::streamReadsBack()
{
    REQUIRE_READER();
    QFETCH(qsizetype, size);
    QFETCH(bool, usesDifat);

    const QByteArray stream = sampleBytes(size);
    const QByteArray file = CompoundFile("Book", stream).bytes();
    QVERIFY(file.startsWith(QByteArray::fromHex("D0CF11E0A1B11AE1")));
    QCOMPARE(file.size() % 512, 0);
    QCOMPARE(headerField(file, HeaderDifatSectorCount) > 0, usesDifat);

    const QString path = m_scratch.filePath("stream.cfb");
    QVERIFY(writeFile(path, file));
    const ReadBack document = readBack("streams", path);
    QVERIFY2(document.error.isEmpty(), qPrintable(document.error));
    QCOMPARE(document.json.value("root").toString(), QStringLiteral("Root Entry"));
    const QJsonObject streams = document.json.value("streams").toObject();
    QCOMPARE(streams.keys(), QStringList{"Book"});
    QCOMPARE(streams.value("Book")["size"].toInteger(), size);
    QCOMPARE(streams.value("Book")["sha1"].toString(),
             QString::fromLatin1(QCryptographicHash::hash(stream, QCryptographicHash::Sha1).toHex()));
}

void TestWorkbook::workbookReadsBack()
{
    REQUIRE_READER();
    Biff5Workbook workbook;
    Worksheet &texts = workbook.addSheet("Texts");
    workbook.addSheet("Empty");
    Worksheet &numbers = workbook.addSheet("Numbers");
    texts.setText(0, 0, "Plain");
    texts.setText(0, 1, "Heading", CellStyle::Heading);
    texts.setText(1, 0, "Title", CellStyle::Title);
    texts.setText(2, 3, QStringLiteral("Caf\u00e9"));
    texts.setText(3, 0, QStringLiteral("a\u20acb"));
    texts.setText(4, 0, QString(300, 'x'));
    texts.setText(5, 2, "replaced");
    texts.setNumber(5, 2, 7);
    texts.setText(0, Worksheet::ColumnCount - 1, "last column");
    texts.setColumnWidth(0, 20);
    numbers.setNumber(0, 0, -1.5);
    numbers.setNumber(0, 1, 0.1);
    numbers.setNumber(1, 0, 1e15);
    numbers.setNumber(Worksheet::RowCount - 1, 0, 0.287);

    const QString path = m_scratch.filePath("sample.xls");
    workbook.save(path);
    const ReadBack book = readBack("cells", path);
    QVERIFY2(book.error.isEmpty(), qPrintable(book.error));
    QCOMPARE(book.json.value("biffVersion").toInt(), 50);
    QCOMPARE(book.json.value("codepage").toInt(), 1252);
    QCOMPARE(sheetNames(book.json), (QStringList{"Texts", "Empty", "Numbers"}));

    const SheetReadBack readTexts = sheetNamed(book.json, "Texts");
    QCOMPARE(readTexts.cell(0, 0), QJsonValue("Plain"));
    QCOMPARE(readTexts.cell(0, 1), QJsonValue("Heading"));
    QCOMPARE(readTexts.cell(1, 0), QJsonValue("Title"));
    QCOMPARE(readTexts.cell(1, 1), QJsonValue());
    QCOMPARE(readTexts.cell(2, 3), QJsonValue(QStringLiteral("Caf\u00e9")));
    QCOMPARE(readTexts.cell(3, 0), QJsonValue("a?b"));
    QCOMPARE(readTexts.cell(4, 0), QJsonValue(QString(255, 'x')));
    QCOMPARE(readTexts.cell(5, 2), QJsonValue(7));
    QCOMPARE(readTexts.cell(0, Worksheet::ColumnCount - 1), QJsonValue("last column"));
    QVERIFY(!readTexts.isBold(0, 0));
    QVERIFY(readTexts.isBold(0, 1));
    QVERIFY(readTexts.isBold(1, 0));

    QVERIFY(sheetNamed(book.json, "Empty").rows().isEmpty());

    const SheetReadBack readNumbers = sheetNamed(book.json, "Numbers");
    QCOMPARE(readNumbers.cell(0, 0), QJsonValue(-1.5));
    QCOMPARE(readNumbers.cell(0, 1), QJsonValue(0.1));
    QCOMPARE(readNumbers.cell(1, 0), QJsonValue(1e15));
    QCOMPARE(readNumbers.rows().size(), Worksheet::RowCount);
    QCOMPARE(readNumbers.cell(Worksheet::RowCount - 1, 0), QJsonValue(0.287));
}

void TestWorkbook::largeSheetReadsBack()
{
    REQUIRE_READER();
    constexpr int Rows = 13'000;
    constexpr int Columns = 5;
    const auto valueAt = [](int row, int column) { return row * Columns + column + 0.25; };
    Biff5Workbook workbook;
    Worksheet &sheet = workbook.addSheet("Large");
    for (int row = 0; row < Rows; ++row)
        for (int column = 0; column < Columns; ++column)
            sheet.setNumber(row, column, valueAt(row, column));

    const QByteArray file = workbook.fileBytes();
    QVERIFY(headerField(file, HeaderFatSectorCount) > 1);
    const QString path = m_scratch.filePath("large.xls");
    QVERIFY(writeFile(path, file));
    const ReadBack book = readBack("cells", path);
    QVERIFY2(book.error.isEmpty(), qPrintable(book.error));

    const QJsonArray rows = sheetNamed(book.json, "Large").rows();
    QCOMPARE(rows.size(), Rows);
    for (int row = 0; row < Rows; ++row) {
        const QJsonArray cells = rows.at(row).toArray();
        QCOMPARE(cells.size(), Columns);
        for (int column = 0; column < Columns; ++column)
            if (cells.at(column).toDouble(-1) != valueAt(row, column))
                QFAIL(qPrintable(QStringLiteral("row %1, column %2 reads %3")
                                     .arg(row).arg(column).arg(cells.at(column).toDouble(-1))));
    }
}

void TestWorkbook::cellOutsideSheetFails_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<double>("value");
    QTest::newRow("negative row") << -1 << 0 << 1.0;
    QTest::newRow("row past the sheet") << Worksheet::RowCount << 0 << 1.0;
    QTest::newRow("column past the sheet") << 0 << Worksheet::ColumnCount << 1.0;
    QTest::newRow("not a number") << 0 << 0 << std::nan("");
    QTest::newRow("infinite") << 0 << 0 << std::numeric_limits<double>::infinity();
}

void TestWorkbook::cellOutsideSheetFails()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(double, value);
    Worksheet sheet("Sheet");
    QVERIFY_THROWS_EXCEPTION(Failure, sheet.setNumber(row, column, value));
    QVERIFY(sheet.cells().empty());
}

void TestWorkbook::sheetNameRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("empty") << QString();
    QTest::newRow("too long") << QString(32, 'N');
    QTest::newRow("slash") << "1B/2B";
    QTest::newRow("bracket") << "SP[1]";
    QTest::newRow("taken in other capitals") << "of";
}

void TestWorkbook::sheetNameRefused()
{
    QFETCH(QString, name);
    Biff5Workbook workbook;
    workbook.addSheet("OF");
    QVERIFY_THROWS_EXCEPTION(Failure, workbook.addSheet(name));
    QCOMPARE(workbook.sheets().size(), std::size_t(1));
}

void TestWorkbook::draftdayHasOneSheetPerPosition()
{
    REQUIRE_READER();
    QCOMPARE(m_draftday.value("biffVersion").toInt(), 50);
    QCOMPARE(sheetNames(m_draftday), positionSheets);
}

void TestWorkbook::draftdayGroupsPlayersByLeague_data()
{
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<QStringList>("firstColumn");
    QTest::newRow("catchers, sorted by last then first name")
        << "C" << QStringList{"1998 Draft Day: Catchers", "", "AMERICAN LEAGUE", "Last Name",
                              "Able", "Adams", "Adams", "", "NATIONAL LEAGUE", "Last Name", "Baker"};
    QTest::newRow("position without players")
        << "2B" << QStringList{"1998 Draft Day: Second Basemen", "", "AMERICAN LEAGUE", "Last Name",
                               "", "NATIONAL LEAGUE", "Last Name"};
    QTest::newRow("unknown or no club last; other capitals of the code left out")
        << "OF" << QStringList{"1998 Draft Day: Outfielders", "", "AMERICAN LEAGUE", "Last Name",
                               "", "NATIONAL LEAGUE", "Last Name", "Drew", "",
                               "FREE AGENTS", "Last Name", "Cole", "Eaton"};
    QTest::newRow("starting pitchers")
        << "SP" << QStringList{"1998 Draft Day: Starting Pitchers", "", "AMERICAN LEAGUE",
                               "Last Name", "Irwin", "", "NATIONAL LEAGUE", "Last Name", "Hale"};
    QTest::newRow("relief pitchers")
        << "RP" << QStringList{"1998 Draft Day: Relief Pitchers", "", "AMERICAN LEAGUE",
                               "Last Name", "", "NATIONAL LEAGUE", "Last Name", "Jones", "",
                               "FREE AGENTS", "Last Name", "King"};
}

void TestWorkbook::draftdayGroupsPlayersByLeague()
{
    REQUIRE_READER();
    QFETCH(QString, sheet);
    QFETCH(QStringList, firstColumn);
    QCOMPARE(sheetNamed(m_draftday, sheet).firstColumn(), firstColumn);
}

void TestWorkbook::draftdayShowsTableValues_data()
{
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<QString>("lastName");
    QTest::addColumn<QString>("firstName");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QJsonValue>("expected");
    QTest::newRow("team") << "C" << "Adams" << "Bob" << "Team 98" << QJsonValue("Yankees");
    QTest::newRow("at-bats 97") << "C" << "Adams" << "Bob" << "AB 97" << QJsonValue(450);
    QTest::newRow("average 97") << "C" << "Adams" << "Bob" << "AVG 97" << QJsonValue(0.287);
    QTest::newRow("average 96: blank in the name, other capitals")
        << "C" << "Adams" << "Bob" << "AVG 96" << QJsonValue(0.301);
    QTest::newRow("at-bats 96") << "C" << "Adams" << "Bob" << "AB 96" << QJsonValue(402);
    QTest::newRow("doubles 96") << "C" << "Adams" << "Bob" << "2B 96" << QJsonValue(31);
    QTest::newRow("caught stealing 97") << "C" << "Adams" << "Bob" << "CS 97" << QJsonValue(4);
    QTest::newRow("null stays empty") << "C" << "Adams" << "Bob" << "HR 96" << QJsonValue();
    QTest::newRow("namesake keeps his own values")
        << "C" << "Adams" << "Al" << "AB 97" << QJsonValue();
    QTest::newRow("club with an apostrophe") << "DH" << "Gray" << "Ian" << "Team 98" << QJsonValue("A's");
    QTest::newRow("home runs 96") << "DH" << "Gray" << "Ian" << "HR 96" << QJsonValue(40);
    QTest::newRow("free agent's home runs") << "OF" << "Cole" << "Ed" << "HR 97" << QJsonValue(22);
    QTest::newRow("ERA 97") << "SP" << "Hale" << "Jim" << "ERA 97" << QJsonValue(3.12);
    QTest::newRow("wins 96") << "SP" << "Hale" << "Jim" << "W 96" << QJsonValue(14);
    QTest::newRow("WHIP 96") << "SP" << "Hale" << "Jim" << "WHIP 96" << QJsonValue(1.21);
    QTest::newRow("innings 97") << "SP" << "Hale" << "Jim" << "IP 97" << QJsonValue(201.1);
    QTest::newRow("saves 97") << "RP" << "Jones" << "Lou" << "SV 97" << QJsonValue(30);
    QTest::newRow("no club") << "RP" << "King" << "Max" << "Team 98" << QJsonValue();
}

void TestWorkbook::draftdayShowsTableValues()
{
    REQUIRE_READER();
    QFETCH(QString, sheet);
    QFETCH(QString, lastName);
    QFETCH(QString, firstName);
    QFETCH(QString, heading);
    QFETCH(QJsonValue, expected);
    const SheetReadBack read = sheetNamed(m_draftday, sheet);
    const int row = read.rowOf(lastName, firstName);
    const int column = read.columnOf(heading);
    QVERIFY(row >= 0);
    QVERIFY(column >= 0);
    QCOMPARE(read.cell(row, column), expected);
}

void TestWorkbook::draftdayHeadingsAreBold()
{
    REQUIRE_READER();
    const QStringList headingRows = {"AMERICAN LEAGUE", "NATIONAL LEAGUE", "FREE AGENTS", "Last Name"};
    for (const QString &name : positionSheets) {
        const SheetReadBack sheet = sheetNamed(m_draftday, name);
        const QJsonArray rows = sheet.rows();
        for (int row = 0; row < rows.size(); ++row) {
            const bool heading = row == 0 || headingRows.contains(sheet.cell(row, 0).toString());
            for (int column = 0; column < rows.at(row).toArray().size(); ++column)
                if (!sheet.cell(row, column).isNull() && sheet.isBold(row, column) != heading)
                    QFAIL(qPrintable(QStringLiteral("sheet %1, row %2, column %3: bold should be %4")
                                         .arg(name).arg(row).arg(column).arg(heading)));
        }
    }
}

enum class TableDamage { MissingFile, MissingColumn, NotADatabase, OtherTableName };

void TestWorkbook::unreadableTableFails_data()
{
    QTest::addColumn<TableDamage>("damage");
    QTest::addColumn<QString>("expectedText");
    QTest::newRow("missing file") << TableDamage::MissingFile << "Cannot open file";
    QTest::newRow("missing column") << TableDamage::MissingColumn << "NEWAVG 96";
    QTest::newRow("not a database") << TableDamage::NotADatabase << "not a database";
    QTest::newRow("table of another name") << TableDamage::OtherTableName << "BTRMAST";
}

void TestWorkbook::unreadableTableFails()
{
    QFETCH(TableDamage, damage);
    QFETCH(QString, expectedText);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QDir(folder.path()).mkpath("Baseball");
    const QString hitters = folder.filePath("Baseball/BTRMAST.DB");
    switch (damage) {
    case TableDamage::MissingFile:
        break;
    case TableDamage::MissingColumn: {
        QStringList columns = hitterColumns;
        columns.removeAll("Newavg 96");
        writeTable(hitters, "BTRMAST", columns, fixtureHitters);
        break;
    }
    case TableDamage::NotADatabase:
        QVERIFY(writeFile(hitters, QByteArray(4096, 'x')));
        break;
    case TableDamage::OtherTableName:
        writeTable(hitters, "HITTERS", hitterColumns, fixtureHitters);
        break;
    }

    try {
        DraftdayBuilder(folder.path()).build();
        QFAIL("the build did not fail");
    } catch (const Failure &failure) {
        QVERIFY2(failure.text().contains(hitters), qPrintable(failure.text()));
        QVERIFY2(failure.text().contains(expectedText), qPrintable(failure.text()));
    }
    QCOMPARE(QFile::exists(hitters), damage != TableDamage::MissingFile);
}

void TestWorkbook::toolWritesDraftday()
{
    REQUIRE_READER();
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    writeFixtureSeason(folder.path());
    QProcess tool;
    tool.start(QStringLiteral(WORKBOOK_TOOL), {folder.path()});
    QVERIFY(tool.waitForFinished(-1));
    QCOMPARE(tool.exitCode(), 0);

    const ReadBack book = readBack("cells", folder.filePath("Draftday.xls"));
    QVERIFY2(book.error.isEmpty(), qPrintable(book.error));
    QCOMPARE(sheetNames(book.json), positionSheets);
}

void TestWorkbook::toolReportsFailure()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QProcess tool;
    tool.start(QStringLiteral(WORKBOOK_TOOL), {folder.path()});
    QVERIFY(tool.waitForFinished(-1));
    QCOMPARE(tool.exitCode(), 1);
    QVERIFY(QString::fromLocal8Bit(tool.readAllStandardError()).contains("Cannot open file"));
    QVERIFY(!QFile::exists(folder.filePath("Draftday.xls")));
}

QTEST_GUILESS_MAIN(TestWorkbook)
#include "tst_workbook.moc"
