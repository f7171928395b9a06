#include "tools/workbook/DraftdayBuilder.h"

#include "data/Teams.h"
#include "platform/Failure.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <QVariant>
#include <QVector>

#include <array>
#include <cmath>

namespace {

struct StatColumn {
    QString heading;
    QString field97;
    QString field96;
};

struct Position {
    QString code;
    QString title;
};

struct PlayerTable {
    QString file;
    QString lastNameField;
    QVector<Position> positions;
    QVector<StatColumn> stats;
};

const QVector<PlayerTable> &playerTables()
{
    static const QVector<PlayerTable> tables = {
        {"BTRMAST.DB", "LST_NM_97",
         {{"C", "Catchers"}, {"1B", "First Basemen"}, {"2B", "Second Basemen"},
          {"3B", "Third Basemen"}, {"SS", "Shortstops"}, {"OF", "Outfielders"},
          {"DH", "Designated Hitters"}},
         {{"AB", "ATBATS_97", "AB_96"}, {"AVG", "BATAVG_97", "NEWAVG 96"},
          {"HR", "HRS_97", "HR_96"}, {"RBI", "RBI_97", "RBI_96"}, {"SB", "STOLEN_97", "SB_96"},
          {"R", "RUNS_97", "R_96"}, {"H", "HITS_97", "H_96"}, {"2B", "DOUBLES_97", "2B_96"},
          {"3B", "TRIPLES_97", "3B_96"}, {"BB", "WALKS_97", "BB_96"},
          {"CS", "CAUGHT_97", "CS_96"}}},
        {"PITMAST.DB", "LAST_NM_97",
         {{"SP", "Starting Pitchers"}, {"RP", "Relief Pitchers"}},
         {{"ERA", "ERA_97a", "ERA_96"}, {"W", "WIN_97", "WINS96"}, {"L", "LOSS_97", "LOSSES96"},
          {"SO", "STRKOUT_97", "SO96"}, {"SV", "SAVE_97", "SV96"}, {"WHIP", "WHIP_97", "WHIP_96"},
          {"IP", "INNGS_97", "IP96"}, {"H", "HITSAGN_97", "HITS96"}, {"BB", "BB_97", "BB96"},
          {"ER", "ERUNS_97", "ER96"}, {"R", "RUNSALW_97", "RUNS96"}}},
    };
    return tables;
}

// The columns before the statistics: last name, first name, 1998 team.
struct NameColumn {
    QString heading;
    int width;
};
const NameColumn nameColumns[] = {{"Last Name", 14}, {"First Name", 12}, {"Team 98", 12}};
constexpr int NameColumnCount = std::size(nameColumns);
constexpr int TeamColumn = 2;
constexpr int StatColumnWidth = 7;

enum Block { AmericanLeague, NationalLeague, FreeAgents, BlockCount };
const QString blockHeadings[BlockCount] = {"AMERICAN LEAGUE", "NATIONAL LEAGUE", "FREE AGENTS"};

using Row = QVector<QVariant>;  // a player's values in column order
using Blocks = std::array<QVector<Row>, BlockCount>;

Block blockOf(const QVariant &team98)
{
    const Team *team = teamByNickname(team98.toString());
    if (!team)
        return FreeAgents;
    return team->league == Team::League::American ? AmericanLeague : NationalLeague;
}

// Grave accents, not double quotes: SQLite reads a double-quoted name that
// matches no column as a text literal, and a missing column would then fill
// the sheet with its own name instead of failing.
QString quoted(QString identifier)
{
    return '`' + identifier.replace('`', QStringLiteral("``")) + '`';
}

// The statistics columns hold 1997 first, then 1996, each under its heading
// with the season added.
struct Season {
    QString headingSuffix;
    QString StatColumn::*field;
};
const Season seasons[] = {{" 97", &StatColumn::field97}, {" 96", &StatColumn::field96}};

QStringList columnFields(const PlayerTable &table)
{
    QStringList fields = {table.lastNameField, "FRST_NM_97", "TEAM_98"};
    for (const Season &season : seasons)
        for (const StatColumn &stat : table.stats)
            fields.append(stat.*season.field);
    return fields;
}

QStringList columnHeadings(const PlayerTable &table)
{
    QStringList headings;
    for (const NameColumn &column : nameColumns)
        headings.append(column.heading);
    for (const Season &season : seasons)
        for (const StatColumn &stat : table.stats)
            headings.append(stat.heading + season.headingSuffix);
    return headings;
}

// A database connection under a name of its own, removed with the object.
class ScopedConnection {
public:
    ScopedConnection() : m_name(QUuid::createUuid().toString())
    {
        QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
    }
    ~ScopedConnection() { QSqlDatabase::removeDatabase(m_name); }
    ScopedConnection(const ScopedConnection &) = delete;
    ScopedConnection &operator=(const ScopedConnection &) = delete;

    QSqlDatabase database() const { return QSqlDatabase::database(m_name, false); }

private:
    QString m_name;
};

Failure tableFailure(const QString &path, const QSqlError &error)
{
    return Failure(QStringLiteral("Cannot read table %1: %2").arg(path, error.text()));
}

// Reads the given fields of every record of a table file, read-only, in the
// given order. The file holds one table, named as the file without its
// extension.
QVector<Row> readRows(const QString &path, const QStringList &fields, const QStringList &order)
{
    if (!QFileInfo(path).isFile())
        throw Failure(QStringLiteral("Cannot open file %1").arg(path));

    QStringList quotedFields, quotedOrder;
    for (const QString &field : fields)
        quotedFields.append(quoted(field));
    for (const QString &field : order)
        quotedOrder.append(quoted(field));
    const QString sql = QStringLiteral("SELECT %1 FROM %2 ORDER BY %3")
                            .arg(quotedFields.join(", "),
                                 quoted(QFileInfo(path).completeBaseName()),
                                 quotedOrder.join(", "));

    ScopedConnection connection;
    QSqlDatabase database = connection.database();
    database.setDatabaseName(path);
    database.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    if (!database.open())
        throw tableFailure(path, database.lastError());

    QSqlQuery query(database);
    query.setForwardOnly(true);
    if (!query.exec(sql))
        throw tableFailure(path, query.lastError());
    QVector<Row> rows;
    while (query.next()) {
        Row row;
        for (int i = 0; i < fields.size(); ++i)
            row.append(query.value(i));
        rows.append(row);
    }
    if (query.lastError().isValid())
        throw tableFailure(path, query.lastError());
    return rows;
}

// Names are text; a statistic becomes a number whenever it reads as one, so
// that its column sorts by value. An empty field stays an empty cell.
void writeValue(Worksheet &sheet, int row, int column, const QVariant &value)
{
    if (value.isNull() || value.toString().isEmpty())
        return;
    bool isNumber = false;
    const double number = value.toDouble(&isNumber);
    if (column >= NameColumnCount && isNumber && std::isfinite(number))
        sheet.setNumber(row, column, number);
    else
        sheet.setText(row, column, value.toString());
}

void fillSheet(Worksheet &sheet, const QString &title, const QStringList &headings,
               const Blocks &blocks)
{
    for (int column = 0; column < headings.size(); ++column)
        sheet.setColumnWidth(column, column < NameColumnCount ? nameColumns[column].width
                                                              : StatColumnWidth);
    sheet.setText(0, 0, QStringLiteral("1998 Draft Day: %1").arg(title), CellStyle::Title);

    int row = 2;
    for (int block = 0; block < BlockCount; ++block) {
        if (block == FreeAgents && blocks[block].isEmpty())
            continue;
        sheet.setText(row++, 0, blockHeadings[block], CellStyle::Heading);
        for (int column = 0; column < headings.size(); ++column)
            sheet.setText(row, column, headings[column], CellStyle::Heading);
        ++row;
        for (const Row &player : blocks[block]) {
            for (int column = 0; column < player.size(); ++column)
                writeValue(sheet, row, column, player[column]);
            ++row;
        }
        ++row;  // a blank row before the next league
    }
}

} // namespace

DraftdayBuilder::DraftdayBuilder(QString installFolder) : m_installFolder(std::move(installFolder))
{
}

Biff5Workbook DraftdayBuilder::build() const
{
    const QDir baseball(QDir(m_installFolder).filePath(QStringLiteral("Baseball")));
    Biff5Workbook workbook;
    for (const PlayerTable &table : playerTables()) {
        const QStringList fields = QStringList{"POS_97"} + columnFields(table);
        const QStringList order = {table.lastNameField, "FRST_NM_97"};
        QHash<QString, Blocks> byPosition;
        for (Row row : readRows(baseball.filePath(table.file), fields, order)) {
            const QString position = row.takeFirst().toString();
            byPosition[position][blockOf(row.at(TeamColumn))].append(row);
        }
        const QStringList headings = columnHeadings(table);
        for (const Position &position : table.positions)
            fillSheet(workbook.addSheet(position.code), position.title, headings,
                      byPosition.value(position.code));
    }
    return workbook;
}
