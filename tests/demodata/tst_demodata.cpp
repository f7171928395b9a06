#include "assets/Pictures.h"
#include "data/DemoData.h"
#include "data/Teams.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QStringList tableFiles = {"BTRMAST.DB", "PITMAST.DB", "TEAMPLAT.DB", "TOP98.DB", "PROSPECT.DB",
                                "PITPROS.DB", "BREAKOUT.DB", "BREAKPIT.DB", "BIGMOVES.DB"};

// Reads one table file of a database folder as plain rows, in rowid order.
class TableFileReader {
public:
    TableFileReader(const QString &folder, const QString &fileName)
        : m_connection(QStringLiteral("tst-demodata-%1").arg(++serial)),
          m_table(fileName.section('.', 0, 0))
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", m_connection);
        db.setDatabaseName(QDir(folder).filePath(fileName));
        db.setConnectOptions("QSQLITE_OPEN_READONLY");
        if (!db.open())
            qFatal("cannot open %s", qPrintable(fileName));
    }
    ~TableFileReader() { QSqlDatabase::removeDatabase(m_connection); }

    QVector<QSqlRecord> rows(const QString &sql = {}) const
    {
        QSqlQuery query(QSqlDatabase::database(m_connection));
        const QString statement = sql.isEmpty() ? QStringLiteral("SELECT * FROM \"%1\" ORDER BY rowid").arg(m_table) : sql;
        if (!query.exec(statement))
            qFatal("%s: %s", qPrintable(statement), qPrintable(query.lastError().text()));
        QVector<QSqlRecord> result;
        while (query.next())
            result << query.record();
        return result;
    }

    // Column name -> declared type, in table order.
    QVector<QPair<QString, QString>> columns() const
    {
        QVector<QPair<QString, QString>> result;
        for (const QSqlRecord &column : rows(QStringLiteral("PRAGMA table_info(\"%1\")").arg(m_table)))
            result.append({column.value("name").toString(), column.value("type").toString()});
        return result;
    }

    // Every value with its type, so that equal dumps mean equal content.
    QStringList dump() const
    {
        QStringList lines;
        for (const QSqlRecord &row : rows()) {
            QStringList cells;
            for (int index = 0; index < row.count(); ++index) {
                const QVariant value = row.value(index);
                cells << (value.isNull() ? QStringLiteral("NULL") : QString(value.typeName()) + ':' + value.toString());
            }
            lines << cells.join('|');
        }
        return lines;
    }

    QString connection() const { return m_connection; }

private:
    static inline int serial = 0;
    QString m_connection;
    QString m_table;
};

QStringList dumpAll(const QString &folder)
{
    QStringList all;
    for (const QString &file : tableFiles)
        all << file << TableFileReader(folder, file).dump();
    return all;
}

int thousandths(const QVariant &ratio)
{
    return qRound(ratio.toDouble() * 1000);
}

// "183.2" innings -> 551 outs.
int outsOf(const QVariant &innings)
{
    const int tenths = qRound(innings.toDouble() * 10);
    return tenths / 10 * 3 + tenths % 10;
}

int roundedRatio(qint64 numerator, qint64 denominator)
{
    return int((2 * numerator + denominator) / (2 * denominator));
}

// The column of each season's statistic that tells whether he played it.
const QStringList atBatColumns = {"ATBATS_97", "AB_96", "AB_95", "AB_94"};
const QStringList hitColumns = {"HITS_97", "H_96", "Hits_95", "Hits_94"};
const QStringList averageColumns = {"BATAVG_97", "NEWAVG 96", "NEWAVG 95", "NEWAVG 94"};
const QStringList extraBaseColumns[] = {{"DOUBLES_97", "TRIPLES_97", "HRS_97"},
                                        {"2B_96", "3B_96", "HR_96"},
                                        {"2b_95", "3B_95", "HR_95"},
                                        {"2B_94", "3B_94", "HR_94"}};
const QStringList battingTeamColumns = {"TEAM_97", "Team_96", "Team_95", "Team_94"};
const QStringList pitchingTeamColumns = {"TEAM_97", "Team_96", "TEAM95", "TEAM_94"};

}

class DemoDataTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void theSameSeedWritesTheSameContent();
    void anotherSeedWritesAnotherSeason();
    void writingAgainReplacesTheFiles();

    void eachFileHoldsOneTableNamedAfterIt_data();
    void eachFileHoldsOneTableNamedAfterIt();
    void boundColumnsArePresentByTheirExactNames_data();
    void boundColumnsArePresentByTheirExactNames();
    void columnsDeclareTheirTypesAndWidths_data();
    void columnsDeclareTheirTypesAndWidths();
    void playerTablesStartWithTheLastNameAndAreIndexed_data();
    void playerTablesStartWithTheLastNameAndAreIndexed();

    void battingLinesAddUp();
    void pitchingLinesAddUp();
    void noClubBeforeItExisted();
    void everyPositionHasPlayers_data();
    void everyPositionHasPlayers();
    void gamesByPositionFollowThePosition();
    void writeUpsAreFilledAndAllDifferent();

    void teamTableHasTheThirtyKeysOnce();
    void divisionRanksRunOneToTheDivisionSize();
    void lineupCardsAreMadeOfTheClubsOwnPlayers();
    void listPlayersAreMasterTablePlayers_data();
    void listPlayersAreMasterTablePlayers();
    void topListIsRankedInItsOwnOrder();
    void offseasonMovesAreTenShortMovesWithLongerResults();

    void picturesAre256ColourBitmapsOfTheirSize_data();
    void picturesAre256ColourBitmapsOfTheirSize();
    void picturesShowTheirColoursWhereTheyBelong();
    void everyClubOfThePlayerTablesHasItsBanner();

private:
    QString baseball() const { return m_install.filePath("Baseball"); }

    QTemporaryDir m_install;
};

void DemoDataTest::initTestCase()
{
    QVERIFY(m_install.isValid());
    DemoData::writeDatabase(baseball());
    Pictures::writePictures(m_install.path());
    Pictures::writeTeamBanners(m_install.path());
}

void DemoDataTest::theSameSeedWritesTheSameContent()
{
    QTemporaryDir again;
    DemoData::writeDatabase(again.path());
    QCOMPARE(dumpAll(again.path()), dumpAll(baseball()));
}

void DemoDataTest::anotherSeedWritesAnotherSeason()
{
    QTemporaryDir other;
    DemoData::Options options;
    options.seed = 7;
    DemoData::writeDatabase(other.path(), options);
    QVERIFY(TableFileReader(other.path(), "BTRMAST.DB").dump() != TableFileReader(baseball(), "BTRMAST.DB").dump());
}

void DemoDataTest::writingAgainReplacesTheFiles()
{
    QTemporaryDir folder;
    DemoData::Options small;
    small.hitterCount = 300;
    small.pitcherCount = 200;
    DemoData::writeDatabase(folder.path(), small);
    DemoData::writeDatabase(folder.path());
    QCOMPARE(TableFileReader(folder.path(), "BTRMAST.DB").rows().size(), 650);
    QCOMPARE(TableFileReader(folder.path(), "PITMAST.DB").rows().size(), 550);
    QCOMPARE(dumpAll(folder.path()), dumpAll(baseball()));
}

void DemoDataTest::eachFileHoldsOneTableNamedAfterIt_data()
{
    QTest::addColumn<QString>("file");
    for (const QString &file : tableFiles)
        QTest::newRow(qPrintable(file)) << file;
}

void DemoDataTest::eachFileHoldsOneTableNamedAfterIt()
{
    QFETCH(QString, file);
    const auto tables = TableFileReader(baseball(), file).rows("SELECT name FROM sqlite_master WHERE type = 'table'");
    QCOMPARE(tables.size(), 1);
    QCOMPARE(tables.first().value(0).toString(), file.section('.', 0, 0));
}

void DemoDataTest::boundColumnsArePresentByTheirExactNames_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("hitters") << "BTRMAST.DB" << QStringList{
        "LST_NM_97", "FRST_NM_97", "POS_97", "WRITE_UPS", "TEAM_98",
        "TEAM_97", "ATBATS_97", "BATAVG_97", "HRS_97", "RBI_97", "STOLEN_97", "RUNS_97", "HITS_97", "DOUBLES_97", "TRIPLES_97", "WALKS_97", "CAUGHT_97",
        "Team_96", "AB_96", "NEWAVG 96", "HR_96", "RBI_96", "SB_96", "R_96", "H_96", "2B_96", "3B_96", "BB_96", "CS_96",
        "Team_95", "AB_95", "NEWAVG 95", "HR_95", "RBI_95", "SB_95", "Runs_95", "Hits_95", "2b_95", "3B_95", "BB_95", "CS_95",
        "Team_94", "AB_94", "NEWAVG 94", "HR_94", "RBI_94", "SB_94", "Runs_94", "Hits_94", "2B_94", "3B_94", "BB_94", "CS_94",
        "AB_T", "AVG_T", "HR_T", "RBI_T", "SB_T", "Runs_T", "H_T", "2B_T", "3B_T", "BB_T", "CS_T",
        "CF_97", "LF_97", "RF_97", "SS_97", "B2_97", "B3_97", "B1_97", "CT_97", "DH_97"};
    QTest::newRow("pitchers") << "PITMAST.DB" << QStringList{
        "LAST_NM_97", "FRST_NM_97", "POS_97", "WRITE UPS", "TEAM_98",
        "TEAM_97", "ERA_97a", "WIN_97", "LOSS_97", "STRKOUT_97", "SAVE_97", "WHIP_97", "INNGS_97", "HITSAGN_97", "BB_97", "ERUNS_97", "RUNSALW_97",
        "Team_96", "ERA_96", "WINS96", "LOSSES96", "SO96", "SV96", "WHIP_96", "IP96", "HITS96", "BB96", "ER96", "RUNS96",
        "TEAM95", "ERA_95", "WINS95", "LOSSES95", "SO95", "SV95", "WHIP_95", "IP95", "HITS95", "BB95", "ER95", "RUNS95",
        "TEAM_94", "ERA_94", "WINS_94", "LOSSES_94", "SO_94", "SV_94", "WHIP_94", "IP_94", "HITS_94", "BB_94", "ER_94", "RUNS_94",
        "ERA_TOT", "WINS_TOT", "LOSSES_TOT", "SO_TOT", "SV_TOT", "WHIP_TOT", "IP_TOT", "HITS_TOT", "BB_TOT", "ER_TOT", "RUNS_TOT"};
    QTest::newRow("teams") << "TEAMPLAT.DB" << QStringList{
        "Team", "Hitting", "Pitching", "Division Rank", "One", "Two", "Three", "Four", "Five", "Six", "Seven", "Eight", "Nine",
        "POS1", "POS2", "POS3", "POS4", "POS5", "POS6", "POS7", "POS8", "POS9", "SP1", "SP2", "SP3", "SP4", "SP5",
        "Starter1", "Starter2", "Starter3", "Starter4", "Starter5", "Closer", "Closer1"};
    QTest::newRow("top 98") << "TOP98.DB" << QStringList{"Rank", "First Name", "Last Name", "Position", "Comment"};
    QTest::newRow("hitting prospects") << "PROSPECT.DB" << QStringList{
        "First Name", "Last Name", "Team", "Age", "Level", "Avg", "AB", "R", "HR", "RBI", "SB", "Projection"};
    QTest::newRow("pitching prospects") << "PITPROS.DB" << QStringList{
        "First Name", "Last Name", "Team", "Age", "Level", "Throws", "W", "L", "IP", "ERA", "SV", "BB", "SO", "Projection"};
    QTest::newRow("breakout batters") << "BREAKOUT.DB" << QStringList{
        "First Name", "Last Name", "Team", "Age", "Avg", "AB", "R", "HR", "RBI", "SB", "Projection"};
    QTest::newRow("breakout pitchers") << "BREAKPIT.DB" << QStringList{
        "First Name", "Last Name", "Team", "Age", "ERA", "IP", "SO", "W", "L", "WHIP", "Projection"};
    QTest::newRow("moves") << "BIGMOVES.DB" << QStringList{"Move", "Result"};
}

void DemoDataTest::boundColumnsArePresentByTheirExactNames()
{
    QFETCH(QString, file);
    QFETCH(QStringList, names);
    QStringList declared;
    for (const auto &[name, type] : TableFileReader(baseball(), file).columns())
        declared << name;
    for (const QString &name : names)
        QVERIFY2(declared.contains(name), qPrintable(file + " lacks " + name));
}

void DemoDataTest::columnsDeclareTheirTypesAndWidths_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("type");
    const QVector<QStringList> rows = {
        {"BTRMAST.DB", "LST_NM_97", "VARCHAR(15)"}, {"BTRMAST.DB", "POS_97", "VARCHAR(2)"},
        {"BTRMAST.DB", "WRITE_UPS", "TEXT"}, {"BTRMAST.DB", "NEWAVG 96", "REAL"}, {"BTRMAST.DB", "AB_T", "INTEGER"},
        {"BTRMAST.DB", "CT_97", "INTEGER"}, {"PITMAST.DB", "LAST_NM_97", "VARCHAR(15)"},
        {"PITMAST.DB", "WRITE UPS", "TEXT"}, {"PITMAST.DB", "INNGS_97", "REAL"}, {"PITMAST.DB", "WHIP_TOT", "REAL"},
        {"PITMAST.DB", "SO96", "INTEGER"}, {"TEAMPLAT.DB", "Team", "VARCHAR(15) PRIMARY KEY"},
        {"TEAMPLAT.DB", "Hitting", "TEXT"}, {"TEAMPLAT.DB", "Division Rank", "INTEGER"}, {"TEAMPLAT.DB", "Nine", "VARCHAR(16)"},
        {"TEAMPLAT.DB", "POS9", "VARCHAR(2)"}, {"TEAMPLAT.DB", "SP5", "VARCHAR(16)"}, {"TEAMPLAT.DB", "Starter5", "VARCHAR(3)"},
        {"TEAMPLAT.DB", "Closer", "VARCHAR(16)"}, {"TEAMPLAT.DB", "Closer1", "VARCHAR(2)"},
        {"BIGMOVES.DB", "Result", "TEXT"}, {"PROSPECT.DB", "Avg", "REAL"},
    };
    for (const QStringList &row : rows)
        QTest::newRow(qPrintable(row[0] + ' ' + row[1])) << row[0] << row[1] << row[2];
}

void DemoDataTest::columnsDeclareTheirTypesAndWidths()
{
    QFETCH(QString, file);
    QFETCH(QString, column);
    QFETCH(QString, type);
    const auto columns = TableFileReader(baseball(), file).columns();
    const auto found = std::find_if(columns.begin(), columns.end(), [&](const auto &c) { return c.first == column; });
    QVERIFY(found != columns.end());
    // PRAGMA table_info leaves out the PRIMARY KEY clause; the key is checked by refusing duplicates.
    QCOMPARE(found->second, type.section(" PRIMARY", 0, 0));
}

void DemoDataTest::playerTablesStartWithTheLastNameAndAreIndexed_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("lastName");
    QTest::newRow("hitters") << "BTRMAST.DB" << "LST_NM_97";
    QTest::newRow("pitchers") << "PITMAST.DB" << "LAST_NM_97";
}

void DemoDataTest::playerTablesStartWithTheLastNameAndAreIndexed()
{
    QFETCH(QString, file);
    QFETCH(QString, lastName);
    const TableFileReader table(baseball(), file);
    QCOMPARE(table.columns().first().first, lastName);
    const auto indexes = table.rows("SELECT name FROM sqlite_master WHERE type = 'index'");
    QCOMPARE(indexes.size(), 1);
    const auto indexed = table.rows(QStringLiteral("PRAGMA index_info(\"%1\")").arg(indexes.first().value(0).toString()));
    QCOMPARE(indexed.size(), 2);
    QCOMPARE(indexed[0].value("name").toString(), lastName);
    QCOMPARE(indexed[1].value("name").toString(), QString("FRST_NM_97"));
    // Names are stored in capitals: the search box supplies capitals.
    for (const QSqlRecord &row : table.rows())
        QCOMPARE(row.value(lastName).toString(), row.value(lastName).toString().toUpper());
}

void DemoDataTest::battingLinesAddUp()
{
    for (const QSqlRecord &row : TableFileReader(baseball(), "BTRMAST.DB").rows()) {
        const QString who = row.value("LST_NM_97").toString();
        qint64 totalHits = 0;
        qint64 totalAtBats = 0;
        int seasons = 0;
        for (int season = 0; season < 4; ++season) {
            const QVariant atBats = row.value(atBatColumns[season]);
            if (atBats.isNull()) {
                // A season not played is NULL in every column of it.
                for (const QString &column : {battingTeamColumns[season], hitColumns[season], averageColumns[season]})
                    QVERIFY2(row.value(column).isNull(), qPrintable(who + ' ' + column));
                continue;
            }
            const int hits = row.value(hitColumns[season]).toInt();
            QVERIFY2(atBats.toInt() > 0 && hits <= atBats.toInt(), qPrintable(who));
            int extraBases = 0;
            for (const QString &column : extraBaseColumns[season])
                extraBases += row.value(column).toInt();
            QVERIFY2(extraBases <= hits, qPrintable(who));
            QCOMPARE(thousandths(row.value(averageColumns[season])), roundedRatio(qint64(hits) * 1000, atBats.toInt()));
            QVERIFY(!row.value(battingTeamColumns[season]).toString().isEmpty());
            totalHits += hits;
            totalAtBats += atBats.toInt();
            ++seasons;
        }
        if (seasons == 0) {
            QVERIFY2(row.value("AVG_T").isNull() && row.value("AB_T").isNull(), qPrintable(who));
            continue;
        }
        QCOMPARE(thousandths(row.value("AVG_T")), roundedRatio(totalHits * 1000, totalAtBats));
        QCOMPARE(row.value("AB_T").toInt(), roundedRatio(totalAtBats, seasons));
    }
}

void DemoDataTest::pitchingLinesAddUp()
{
    const QStringList innings = {"INNGS_97", "IP96", "IP95", "IP_94"};
    const QStringList earnedRuns = {"ERUNS_97", "ER96", "ER95", "ER_94"};
    const QStringList runs = {"RUNSALW_97", "RUNS96", "RUNS95", "RUNS_94"};
    const QStringList hits = {"HITSAGN_97", "HITS96", "HITS95", "HITS_94"};
    const QStringList walks = {"BB_97", "BB96", "BB95", "BB_94"};
    const QStringList eras = {"ERA_97a", "ERA_96", "ERA_95", "ERA_94"};
    const QStringList whips = {"WHIP_97", "WHIP_96", "WHIP_95", "WHIP_94"};
    for (const QSqlRecord &row : TableFileReader(baseball(), "PITMAST.DB").rows()) {
        const QString who = row.value("LAST_NM_97").toString();
        int totalOuts = 0;
        int totalEarned = 0;
        for (int season = 0; season < 4; ++season) {
            if (row.value(innings[season]).isNull()) {
                for (const QString &column : {pitchingTeamColumns[season], eras[season], earnedRuns[season]})
                    QVERIFY2(row.value(column).isNull(), qPrintable(who + ' ' + column));
                continue;
            }
            const int tenths = qRound(row.value(innings[season]).toDouble() * 10);
            QVERIFY2(tenths % 10 <= 2, qPrintable(who + ": innings in thirds"));
            const int outs = outsOf(row.value(innings[season]));
            const int earned = row.value(earnedRuns[season]).toInt();
            QVERIFY2(outs > 0 && earned <= row.value(runs[season]).toInt(), qPrintable(who));
            QCOMPARE(qRound(row.value(eras[season]).toDouble() * 100), roundedRatio(qint64(earned) * 2700, outs));
            const int baserunners = row.value(hits[season]).toInt() + row.value(walks[season]).toInt();
            QCOMPARE(qRound(row.value(whips[season]).toDouble() * 100), roundedRatio(qint64(baserunners) * 300, outs));
            totalOuts += outs;
            totalEarned += earned;
        }
        if (totalOuts == 0)
            QVERIFY2(row.value("ERA_TOT").isNull(), qPrintable(who));
        else
            QCOMPARE(qRound(row.value("ERA_TOT").toDouble() * 100), roundedRatio(qint64(totalEarned) * 2700, totalOuts));
    }
}

void DemoDataTest::noClubBeforeItExisted()
{
    const QSet<QString> newClubs = {"Diamondbacks", "Devil Rays"};
    for (const QSqlRecord &row : TableFileReader(baseball(), "BTRMAST.DB").rows())
        for (const QString &column : battingTeamColumns)
            QVERIFY2(!newClubs.contains(row.value(column).toString()), qPrintable(row.value("LST_NM_97").toString()));
    for (const QSqlRecord &row : TableFileReader(baseball(), "PITMAST.DB").rows())
        for (const QString &column : pitchingTeamColumns)
            QVERIFY2(!newClubs.contains(row.value(column).toString()), qPrintable(row.value("LAST_NM_97").toString()));
}

void DemoDataTest::everyPositionHasPlayers_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("code");
    for (const QString &code : {"C", "1B", "2B", "3B", "SS", "OF", "DH"})
        QTest::newRow(qPrintable(code)) << "BTRMAST.DB" << code;
    for (const QString &code : {"SP", "RP"})
        QTest::newRow(qPrintable(code)) << "PITMAST.DB" << code;
}

void DemoDataTest::everyPositionHasPlayers()
{
    QFETCH(QString, file);
    QFETCH(QString, code);
    const TableFileReader table(baseball(), file);
    const QString count = QStringLiteral("SELECT count(*) FROM \"%1\" WHERE POS_97 = '%2'").arg(file.section('.', 0, 0), code);
    // Several dozen of each, designated hitters fewer.
    QVERIFY2(table.rows(count).first().value(0).toInt() >= (code == "DH" ? 10 : 36), qPrintable(code));
}

void DemoDataTest::gamesByPositionFollowThePosition()
{
    const QStringList spots = {"CF_97", "LF_97", "RF_97", "SS_97", "B2_97", "B3_97", "B1_97", "CT_97", "DH_97"};
    const QHash<QString, QStringList> home = {
        {"C", {"CT_97"}}, {"1B", {"B1_97"}}, {"2B", {"B2_97"}}, {"3B", {"B3_97"}},
        {"SS", {"SS_97"}}, {"OF", {"CF_97", "LF_97", "RF_97"}}, {"DH", {"DH_97"}},
    };
    for (const QSqlRecord &row : TableFileReader(baseball(), "BTRMAST.DB").rows()) {
        const QString who = row.value("LST_NM_97").toString();
        if (row.value("ATBATS_97").isNull()) {
            for (const QString &spot : spots)
                QVERIFY2(row.value(spot).isNull(), qPrintable(who));
            continue;
        }
        int atHome = 0;
        int elsewhere = 0;
        for (const QString &spot : spots) {
            QVERIFY2(!row.value(spot).isNull(), qPrintable(who + ' ' + spot));
            const int games = row.value(spot).toInt();
            if (home.value(row.value("POS_97").toString()).contains(spot))
                atHome = std::max(atHome, games);
            else
                elsewhere = std::max(elsewhere, games);
        }
        QVERIFY2(atHome > 0 && atHome >= elsewhere, qPrintable(who));
    }
}

void DemoDataTest::writeUpsAreFilledAndAllDifferent()
{
    QSet<QString> seen;
    const auto check = [&](const QString &text, const QString &who) {
        QVERIFY2(text.size() > 80, qPrintable(who));
        QVERIFY2(!text.contains('{'), qPrintable(who + ": " + text));
        QVERIFY2(!seen.contains(text), qPrintable(who + ": written twice"));
        seen.insert(text);
    };
    for (const QSqlRecord &row : TableFileReader(baseball(), "BTRMAST.DB").rows())
        check(row.value("WRITE_UPS").toString(), row.value("LST_NM_97").toString());
    for (const QSqlRecord &row : TableFileReader(baseball(), "PITMAST.DB").rows())
        check(row.value("WRITE UPS").toString(), row.value("LAST_NM_97").toString());
    for (const QSqlRecord &row : TableFileReader(baseball(), "TEAMPLAT.DB").rows()) {
        check(row.value("Hitting").toString(), row.value("Team").toString());
        check(row.value("Pitching").toString(), row.value("Team").toString());
    }
}

void DemoDataTest::teamTableHasTheThirtyKeysOnce()
{
    QSet<QString> keys;
    for (const Team &team : allTeams())
        keys.insert(team.key);
    QSet<QString> stored;
    const TableFileReader table(baseball(), "TEAMPLAT.DB");
    for (const QSqlRecord &row : table.rows())
        stored.insert(row.value("Team").toString());
    QCOMPARE(table.rows().size(), 30);
    QCOMPARE(stored, keys);

    const QString copy = m_install.filePath("TEAMCOPY.DB");
    QFile::remove(copy);
    QVERIFY(QFile::copy(QDir(baseball()).filePath("TEAMPLAT.DB"), copy));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "tst-demodata-copy");
        db.setDatabaseName(copy);
        QVERIFY(db.open());
        QSqlQuery insert(db);
        QVERIFY2(!insert.exec("INSERT INTO TEAMPLAT (Team) VALUES ('BOSTON')"), "a second BOSTON was accepted");
    }
    QSqlDatabase::removeDatabase("tst-demodata-copy");
}

void DemoDataTest::divisionRanksRunOneToTheDivisionSize()
{
    QHash<QString, QList<int>> ranks;
    QHash<QString, const Team *> byKey;
    for (const Team &team : allTeams())
        byKey.insert(team.key, &team);
    for (const QSqlRecord &row : TableFileReader(baseball(), "TEAMPLAT.DB").rows()) {
        const Team *team = byKey.value(row.value("Team").toString());
        QVERIFY(team);
        ranks[QString::number(int(team->league)) + team->division] << row.value("Division Rank").toInt();
    }
    QCOMPARE(ranks.size(), 6);
    for (QList<int> &division : ranks) {
        std::sort(division.begin(), division.end());
        for (int place = 0; place < division.size(); ++place)
            QCOMPARE(division[place], place + 1);
    }
}

void DemoDataTest::lineupCardsAreMadeOfTheClubsOwnPlayers()
{
    // "R. KELLINGTON" on a club's card names a player of that club.
    QSet<QString> hittersOfClub;
    QSet<QString> pitchersOfClub;
    for (const QSqlRecord &row : TableFileReader(baseball(), "BTRMAST.DB").rows())
        hittersOfClub.insert(row.value("TEAM_98").toString() + '/' + row.value("FRST_NM_97").toString().left(1) + ". "
                             + row.value("LST_NM_97").toString());
    for (const QSqlRecord &row : TableFileReader(baseball(), "PITMAST.DB").rows())
        pitchersOfClub.insert(row.value("TEAM_98").toString() + '/' + row.value("FRST_NM_97").toString().left(1) + ". "
                              + row.value("LAST_NM_97").toString());

    QHash<QString, QString> nicknames;
    for (const Team &team : allTeams())
        nicknames.insert(team.key, team.nickname);
    const QStringList batters = {"One", "Two", "Three", "Four", "Five", "Six", "Seven", "Eight", "Nine"};
    const QSet<QString> fieldCodes = {"C", "1B", "2B", "3B", "SS", "OF", "DH"};
    for (const QSqlRecord &row : TableFileReader(baseball(), "TEAMPLAT.DB").rows()) {
        const QString club = nicknames.value(row.value("Team").toString());
        for (int slot = 0; slot < 9; ++slot) {
            const QString name = row.value(batters[slot]).toString();
            const QString code = row.value("POS" + QString::number(slot + 1)).toString();
            QVERIFY2(name.size() <= 16, qPrintable(name));
            if (code == "P")
                QVERIFY2(slot == 8 && pitchersOfClub.contains(club + '/' + name), qPrintable(club + ' ' + name));
            else
                QVERIFY2(fieldCodes.contains(code) && hittersOfClub.contains(club + '/' + name), qPrintable(club + ' ' + name));
        }
        for (int slot = 1; slot <= 5; ++slot) {
            const QString name = row.value("SP" + QString::number(slot)).toString();
            QVERIFY2(pitchersOfClub.contains(club + '/' + name), qPrintable(club + ' ' + name));
            QVERIFY(QStringList({"RHP", "LHP"}).contains(row.value("Starter" + QString::number(slot)).toString()));
        }
        QVERIFY2(pitchersOfClub.contains(club + '/' + row.value("Closer").toString()), qPrintable(club));
        QVERIFY(row.value("Closer1").toString().size() <= 2);
    }
}

void DemoDataTest::listPlayersAreMasterTablePlayers_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("masters");
    QTest::addColumn<int>("fewest");
    QTest::addColumn<int>("most");
    const QStringList both = {"BTRMAST.DB", "PITMAST.DB"};
    QTest::newRow("top 98") << "TOP98.DB" << both << 98 << 98;
    QTest::newRow("hitting prospects") << "PROSPECT.DB" << QStringList{"BTRMAST.DB"} << 20 << 40;
    QTest::newRow("pitching prospects") << "PITPROS.DB" << QStringList{"PITMAST.DB"} << 20 << 40;
    QTest::newRow("breakout batters") << "BREAKOUT.DB" << QStringList{"BTRMAST.DB"} << 20 << 40;
    QTest::newRow("breakout pitchers") << "BREAKPIT.DB" << QStringList{"PITMAST.DB"} << 20 << 40;
}

void DemoDataTest::listPlayersAreMasterTablePlayers()
{
    QFETCH(QString, file);
    QFETCH(QStringList, masters);
    QFETCH(int, fewest);
    QFETCH(int, most);
    QSet<QString> players;
    for (const QString &master : masters)
        for (const QSqlRecord &row : TableFileReader(baseball(), master).rows())
            players.insert(row.value(0).toString() + ',' + row.value("FRST_NM_97").toString() + ','
                           + row.value("TEAM_98").toString());
    const auto rows = TableFileReader(baseball(), file).rows();
    QVERIFY(rows.size() >= fewest && rows.size() <= most);
    const QString writeUp = file == "TOP98.DB" ? "Comment" : "Projection";
    for (const QSqlRecord &row : rows) {
        const QString player = row.value("Last Name").toString() + ',' + row.value("First Name").toString() + ','
            + row.value("Team").toString();
        QVERIFY2(players.contains(player), qPrintable(player));
        QVERIFY2(row.value(writeUp).toString().size() > 40 && !row.value(writeUp).toString().contains('{'),
                 qPrintable(player));
    }
}

void DemoDataTest::topListIsRankedInItsOwnOrder()
{
    int expected = 1;
    for (const QSqlRecord &row : TableFileReader(baseball(), "TOP98.DB").rows())
        QCOMPARE(row.value("Rank").toInt(), expected++);
}

void DemoDataTest::offseasonMovesAreTenShortMovesWithLongerResults()
{
    const auto rows = TableFileReader(baseball(), "BIGMOVES.DB").rows();
    QCOMPARE(rows.size(), 10);
    for (const QSqlRecord &row : rows) {
        const QString move = row.value("Move").toString();
        QVERIFY2(!move.isEmpty() && move.size() <= 120, qPrintable(move));
        QVERIFY2(row.value("Result").toString().size() > 2 * move.size(), qPrintable(move));
    }
}

void DemoDataTest::picturesAre256ColourBitmapsOfTheirSize_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("size");
    QTest::newRow("title") << "pictures/title.bmp" << QSize(450, 40);
    QTest::newRow("stadium") << "pictures/stadium.bmp" << QSize(500, 350);
    QTest::newRow("field") << "pictures/field.bmp" << QSize(268, 234);
    QTest::newRow("banner") << "AS.bmp" << QSize(305, 73);
}

void DemoDataTest::picturesAre256ColourBitmapsOfTheirSize()
{
    QFETCH(QString, file);
    QFETCH(QSize, size);
    QFile bitmap(m_install.filePath(file));
    QVERIFY(bitmap.open(QIODevice::ReadOnly));
    const QByteArray header = bitmap.read(30);
    QVERIFY(header.startsWith("BM"));
    QCOMPARE(int(quint8(header[28]) | quint8(header[29]) << 8), 8);   // bits per pixel
    const QImage image(m_install.filePath(file));
    QCOMPARE(image.size(), size);
    QVERIFY(image.colorCount() <= 256);
}

void DemoDataTest::picturesShowTheirColoursWhereTheyBelong()
{
    const QImage title(m_install.filePath("pictures/title.bmp"));
    QCOMPARE(QColor(title.pixel(0, 0)), QColor(Qt::black));
    QCOMPARE(QColor(title.pixel(10, 20)), QColor(0, 123, 0));
    bool lettered = false;
    for (int x = 150; x < 300 && !lettered; ++x)
        lettered = QColor(title.pixel(x, 20)) == QColor(255, 255, 189);
    QVERIFY(lettered);

    const QImage field(m_install.filePath("pictures/field.bmp"));
    for (const QPoint &base : {QPoint(135, 189), QPoint(177, 147), QPoint(135, 111), QPoint(93, 147)})
        QCOMPARE(QColor(field.pixel(base)), QColor(Qt::white));
    QCOMPARE(QColor(field.pixel(135, 95)), QColor(128, 0, 0));    // infield dirt beyond second base
    QCOMPARE(QColor(field.pixel(135, 135)), QColor(0, 128, 0));   // the grass of the diamond
    QCOMPARE(QColor(field.pixel(20, 220)), QColor(0, 128, 0));
}

void DemoDataTest::everyClubOfThePlayerTablesHasItsBanner()
{
    QSet<QString> clubs;
    for (const QString &file : {"BTRMAST.DB", "PITMAST.DB"})
        for (const QSqlRecord &row : TableFileReader(baseball(), file).rows())
            clubs.insert(row.value("TEAM_98").toString());
    QCOMPARE(clubs.size(), 30);
    for (const QString &club : clubs) {
        const QString file = club == "A's" ? QStringLiteral("AS.bmp") : club + ".bmp";
        QVERIFY2(QFile::exists(m_install.filePath(file)), qPrintable(file));
    }
    QVERIFY(!QFile::exists(m_install.filePath("A's.bmp")));
}

QTEST_MAIN(DemoDataTest)
#include "tst_demodata.moc"
