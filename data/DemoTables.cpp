#include "data/DemoTables.h"

#include "data/TableFile.h"

#include <algorithm>
#include <array>
#include <functional>

namespace {

const QString nameType = "VARCHAR(15)";
const QString firstNameType = "VARCHAR(12)";
const QString clubType = "VARCHAR(12)";   // "Diamondbacks"
const QString codeType = "VARCHAR(2)";
const QString levelType = "VARCHAR(3)";
const QString handType = "VARCHAR(1)";
const QString countType = "INTEGER";
const QString ratioType = "REAL";
const QString longTextType = "TEXT";

QVariant textOrNull(const QString &text)
{
    return text.isEmpty() ? QVariant() : QVariant(text);
}

// --- season columns -----------------------------------------------------------

// A statistic stored once per season and once as the four-year average line:
// its column names for 1997, 1996, 1995, 1994 and the average (empty when it
// has no average column), its type, its value in a season and its value over
// the seasons played (the totals and how many seasons they cover).
template <typename Line>
struct SeasonStat {
    std::array<QString, SeasonCount + 1> names;
    QString type;
    std::function<QVariant(const Line &)> ofSeason;
    std::function<QVariant(const Line &total, int seasons)> ofAverage;
};

// Counting stats average per season played; ratios come from the totals.
template <typename Line>
SeasonStat<Line> countStat(std::array<QString, SeasonCount + 1> names, int Line::*field)
{
    return {names, countType, [field](const Line &line) { return QVariant(line.*field); },
            [field](const Line &total, int seasons) { return QVariant(roundedRatio(total.*field, seasons)); }};
}

template <typename Line>
SeasonStat<Line> ratioStat(std::array<QString, SeasonCount + 1> names, double (Line::*ratio)() const)
{
    return {names, ratioType, [ratio](const Line &line) { return QVariant((line.*ratio)()); },
            [ratio](const Line &total, int) { return QVariant((total.*ratio)()); }};
}

template <typename Line>
SeasonStat<Line> clubStat(std::array<QString, SeasonCount + 1> names)
{
    return {names, clubType, [](const Line &line) { return QVariant(line.team); }, nullptr};
}

BattingLine totalOf(const std::array<std::optional<BattingLine>, SeasonCount> &seasons)
{
    BattingLine total;
    for (const auto &season : seasons)
        if (season) {
            total.atBats += season->atBats;
            total.runs += season->runs;
            total.hits += season->hits;
            total.doubles += season->doubles;
            total.triples += season->triples;
            total.homeRuns += season->homeRuns;
            total.rbi += season->rbi;
            total.walks += season->walks;
            total.steals += season->steals;
            total.caught += season->caught;
        }
    return total;
}

PitchingLine totalOf(const std::array<std::optional<PitchingLine>, SeasonCount> &seasons)
{
    PitchingLine total;
    for (const auto &season : seasons)
        if (season) {
            total.wins += season->wins;
            total.losses += season->losses;
            total.saves += season->saves;
            total.outs += season->outs;
            total.hits += season->hits;
            total.runs += season->runs;
            total.earnedRuns += season->earnedRuns;
            total.walks += season->walks;
            total.strikeouts += season->strikeouts;
        }
    return total;
}

template <typename Line>
int seasonsPlayed(const std::array<std::optional<Line>, SeasonCount> &seasons)
{
    return int(std::count_if(seasons.begin(), seasons.end(), [](const auto &season) { return season.has_value(); }));
}

const QVector<SeasonStat<BattingLine>> &battingStats()
{
    using B = BattingLine;
    static const QVector<SeasonStat<B>> stats = {
        clubStat<B>({"TEAM_97", "Team_96", "Team_95", "Team_94", ""}),
        countStat<B>({"ATBATS_97", "AB_96", "AB_95", "AB_94", "AB_T"}, &B::atBats),
        ratioStat<B>({"BATAVG_97", "NEWAVG 96", "NEWAVG 95", "NEWAVG 94", "AVG_T"}, &B::average),
        countStat<B>({"HRS_97", "HR_96", "HR_95", "HR_94", "HR_T"}, &B::homeRuns),
        countStat<B>({"RBI_97", "RBI_96", "RBI_95", "RBI_94", "RBI_T"}, &B::rbi),
        countStat<B>({"STOLEN_97", "SB_96", "SB_95", "SB_94", "SB_T"}, &B::steals),
        countStat<B>({"RUNS_97", "R_96", "Runs_95", "Runs_94", "Runs_T"}, &B::runs),
        countStat<B>({"HITS_97", "H_96", "Hits_95", "Hits_94", "H_T"}, &B::hits),
        countStat<B>({"DOUBLES_97", "2B_96", "2b_95", "2B_94", "2B_T"}, &B::doubles),
        countStat<B>({"TRIPLES_97", "3B_96", "3B_95", "3B_94", "3B_T"}, &B::triples),
        countStat<B>({"WALKS_97", "BB_96", "BB_95", "BB_94", "BB_T"}, &B::walks),
        countStat<B>({"CAUGHT_97", "CS_96", "CS_95", "CS_94", "CS_T"}, &B::caught),
    };
    return stats;
}

// Innings are stored in box-score notation; the average line averages outs.
SeasonStat<PitchingLine> inningsStat(std::array<QString, SeasonCount + 1> names)
{
    return {names, ratioType, [](const PitchingLine &line) { return QVariant(line.innings()); },
            [](const PitchingLine &total, int seasons) {
                return QVariant(PitchingLine::inningsTenths(roundedRatio(total.outs, seasons)) / 10.0);
            }};
}

const QVector<SeasonStat<PitchingLine>> &pitchingStats()
{
    using P = PitchingLine;
    static const QVector<SeasonStat<P>> stats = {
        clubStat<P>({"TEAM_97", "Team_96", "TEAM95", "TEAM_94", ""}),
        ratioStat<P>({"ERA_97a", "ERA_96", "ERA_95", "ERA_94", "ERA_TOT"}, &P::era),
        countStat<P>({"WIN_97", "WINS96", "WINS95", "WINS_94", "WINS_TOT"}, &P::wins),
        countStat<P>({"LOSS_97", "LOSSES96", "LOSSES95", "LOSSES_94", "LOSSES_TOT"}, &P::losses),
        countStat<P>({"STRKOUT_97", "SO96", "SO95", "SO_94", "SO_TOT"}, &P::strikeouts),
        countStat<P>({"SAVE_97", "SV96", "SV95", "SV_94", "SV_TOT"}, &P::saves),
        ratioStat<P>({"WHIP_97", "WHIP_96", "WHIP_95", "WHIP_94", "WHIP_TOT"}, &P::whip),
        inningsStat({"INNGS_97", "IP96", "IP95", "IP_94", "IP_TOT"}),
        countStat<P>({"HITSAGN_97", "HITS96", "HITS95", "HITS_94", "HITS_TOT"}, &P::hits),
        countStat<P>({"BB_97", "BB96", "BB95", "BB_94", "BB_TOT"}, &P::walks),
        countStat<P>({"ERUNS_97", "ER96", "ER95", "ER_94", "ER_TOT"}, &P::earnedRuns),
        countStat<P>({"RUNSALW_97", "RUNS96", "RUNS95", "RUNS_94", "RUNS_TOT"}, &P::runs),
    };
    return stats;
}

// The season columns of a player table, 1997 first, then the average line:
// a season he did not play is NULL in every column, and so is the average
// line of a player with no season at all.
template <typename Player, typename Line>
void appendSeasonColumns(QVector<Column<Player>> &columns, const QVector<SeasonStat<Line>> &stats)
{
    for (int index = 0; index < SeasonCount; ++index)
        for (const SeasonStat<Line> &stat : stats)
            columns.append({stat.names[index], stat.type, [index, value = stat.ofSeason](const Player &player) {
                                const auto &season = player.seasons[index];
                                return season ? value(*season) : QVariant();
                            }});
    for (const SeasonStat<Line> &stat : stats)
        if (stat.ofAverage)
            columns.append({stat.names[SeasonCount], stat.type, [value = stat.ofAverage](const Player &player) {
                                const int played = seasonsPlayed(player.seasons);
                                return played ? value(totalOf(player.seasons), played) : QVariant();
                            }});
}

QVector<Column<Hitter>> hitterColumns()
{
    QVector<Column<Hitter>> columns = {
        {"LST_NM_97", nameType, [](const Hitter &h) { return QVariant(h.last); }},
        {"FRST_NM_97", firstNameType, [](const Hitter &h) { return QVariant(h.first); }},
        {"POS_97", codeType, [](const Hitter &h) { return QVariant(h.position); }},
        {"AGE", countType, [](const Hitter &h) { return QVariant(h.age); }},
        {"BATS", handType, [](const Hitter &h) { return QVariant(QString(h.bats)); }},
        {"TEAM_98", clubType, [](const Hitter &h) { return QVariant(h.team98->nickname); }},
        {"WRITE_UPS", longTextType, [](const Hitter &h) { return QVariant(h.writeUp); }},
    };
    appendSeasonColumns(columns, battingStats());
    // Games at each spot in 1997: 0 where he did not play, NULL without a 1997 season.
    static const std::array<QString, FieldSpotCount> spots = {"CF_97", "LF_97", "RF_97", "SS_97", "B2_97",
                                                              "B3_97", "B1_97", "CT_97", "DH_97"};
    for (int spot = 0; spot < FieldSpotCount; ++spot)
        columns.append({spots[spot], countType, [spot](const Hitter &h) {
                            return h.seasons[0] ? QVariant(h.games97[spot]) : QVariant();
                        }});
    return columns;
}

QVector<Column<Pitcher>> pitcherColumns()
{
    QVector<Column<Pitcher>> columns = {
        {"LAST_NM_97", nameType, [](const Pitcher &p) { return QVariant(p.last); }},
        {"FRST_NM_97", firstNameType, [](const Pitcher &p) { return QVariant(p.first); }},
        {"POS_97", codeType, [](const Pitcher &p) { return QVariant(p.position); }},
        {"AGE", countType, [](const Pitcher &p) { return QVariant(p.age); }},
        {"THROWS", handType, [](const Pitcher &p) { return QVariant(QString(p.throws)); }},
        {"TEAM_98", clubType, [](const Pitcher &p) { return QVariant(p.team98->nickname); }},
        {"WRITE UPS", longTextType, [](const Pitcher &p) { return QVariant(p.writeUp); }},
    };
    appendSeasonColumns(columns, pitchingStats());
    return columns;
}

// --- the team table ---------------------------------------------------------------

QVector<Column<TeamSheet>> teamColumns()
{
    QVector<Column<TeamSheet>> columns = {
        {"Team", "VARCHAR(15) PRIMARY KEY", [](const TeamSheet &s) { return QVariant(s.team->key); }},
        {"Hitting", longTextType, [](const TeamSheet &s) { return QVariant(s.hitting); }},
        {"Pitching", longTextType, [](const TeamSheet &s) { return QVariant(s.pitching); }},
        {"Division Rank", countType, [](const TeamSheet &s) { return QVariant(s.divisionRank); }},
    };
    static const std::array<QString, 9> battingSlots = {"One", "Two", "Three", "Four", "Five",
                                                        "Six", "Seven", "Eight", "Nine"};
    for (int slot = 0; slot < 9; ++slot)
        columns.append({battingSlots[slot], "VARCHAR(16)",
                        [slot](const TeamSheet &s) { return textOrNull(s.batters[slot].name); }});
    for (int slot = 0; slot < 9; ++slot)
        columns.append({"POS" + QString::number(slot + 1), codeType,
                        [slot](const TeamSheet &s) { return textOrNull(s.batters[slot].code); }});
    for (int slot = 0; slot < 5; ++slot)
        columns.append({"SP" + QString::number(slot + 1), "VARCHAR(16)",
                        [slot](const TeamSheet &s) { return textOrNull(s.starters[slot].name); }});
    for (int slot = 0; slot < 5; ++slot)
        columns.append({"Starter" + QString::number(slot + 1), "VARCHAR(3)",
                        [slot](const TeamSheet &s) { return textOrNull(s.starters[slot].code); }});
    columns.append({"Closer", "VARCHAR(16)", [](const TeamSheet &s) { return textOrNull(s.closer.name); }});
    columns.append({"Closer1", codeType, [](const TeamSheet &s) { return textOrNull(s.closer.code); }});
    return columns;
}

// --- the lists -------------------------------------------------------------------------

// The columns every list starts with: the player's names, as the master tables hold them.
template <typename Row>
QVector<Column<Row>> nameColumns()
{
    return {
        {"First Name", firstNameType, [](const Row &row) { return QVariant(row.player->first); }},
        {"Last Name", nameType, [](const Row &row) { return QVariant(row.player->last); }},
    };
}

template <typename Row>
Column<Row> clubColumn()
{
    return {"Team", clubType, [](const Row &row) { return QVariant(row.player->team98->nickname); }};
}

template <typename Row>
Column<Row> ageColumn()
{
    return {"Age", countType, [](const Row &row) { return QVariant(row.player->age); }};
}

template <typename Row>
Column<Row> projectionColumn()
{
    return {"Projection", longTextType, [](const Row &row) { return QVariant(row.projection); }};
}

struct RankedRow {
    int rank;
    const RankedPlayer *entry;
    const Person *player;
};

QVector<Column<RankedRow>> top98Columns()
{
    QVector<Column<RankedRow>> columns = {{"Rank", countType, [](const RankedRow &r) { return QVariant(r.rank); }}};
    columns += nameColumns<RankedRow>();
    columns += {
        {"Position", codeType, [](const RankedRow &r) { return QVariant(r.entry->position); }},
        clubColumn<RankedRow>(),
        {"Comment", longTextType, [](const RankedRow &r) { return QVariant(r.entry->comment); }},
    };
    return columns;
}

// A batting line's columns under the lists' names.
template <typename Row>
QVector<Column<Row>> battingColumns(std::function<const BattingLine &(const Row &)> line)
{
    return {
        {"Avg", ratioType, [line](const Row &r) { return QVariant(line(r).average()); }},
        {"AB", countType, [line](const Row &r) { return QVariant(line(r).atBats); }},
        {"R", countType, [line](const Row &r) { return QVariant(line(r).runs); }},
        {"HR", countType, [line](const Row &r) { return QVariant(line(r).homeRuns); }},
        {"RBI", countType, [line](const Row &r) { return QVariant(line(r).rbi); }},
        {"SB", countType, [line](const Row &r) { return QVariant(line(r).steals); }},
    };
}

using HitterPick = Pick<Hitter>;
using PitcherPick = Pick<Pitcher>;

QVector<Column<HitterPick>> hittingProspectColumns()
{
    QVector<Column<HitterPick>> columns = nameColumns<HitterPick>();
    columns += {clubColumn<HitterPick>(), ageColumn<HitterPick>(),
                {"Level", levelType, [](const HitterPick &p) { return QVariant(p.player->level); }}};
    columns += battingColumns<HitterPick>([](const HitterPick &p) -> const BattingLine & { return *p.player->minors; });
    columns += projectionColumn<HitterPick>();
    return columns;
}

QVector<Column<HitterPick>> breakoutBatterColumns()
{
    QVector<Column<HitterPick>> columns = nameColumns<HitterPick>();
    columns += {clubColumn<HitterPick>(), ageColumn<HitterPick>()};
    columns += battingColumns<HitterPick>([](const HitterPick &p) -> const BattingLine & { return *p.player->seasons[0]; });
    columns += projectionColumn<HitterPick>();
    return columns;
}

QVector<Column<PitcherPick>> pitchingProspectColumns()
{
    const auto minors = [](const PitcherPick &p) -> const PitchingLine & { return *p.player->minors; };
    QVector<Column<PitcherPick>> columns = nameColumns<PitcherPick>();
    columns += {
        clubColumn<PitcherPick>(),
        ageColumn<PitcherPick>(),
        {"Level", levelType, [](const PitcherPick &p) { return QVariant(p.player->level); }},
        {"Throws", handType, [](const PitcherPick &p) { return QVariant(QString(p.player->throws)); }},
        {"W", countType, [minors](const PitcherPick &p) { return QVariant(minors(p).wins); }},
        {"L", countType, [minors](const PitcherPick &p) { return QVariant(minors(p).losses); }},
        {"IP", ratioType, [minors](const PitcherPick &p) { return QVariant(minors(p).innings()); }},
        {"ERA", ratioType, [minors](const PitcherPick &p) { return QVariant(minors(p).era()); }},
        {"SV", countType, [minors](const PitcherPick &p) { return QVariant(minors(p).saves); }},
        {"BB", countType, [minors](const PitcherPick &p) { return QVariant(minors(p).walks); }},
        {"SO", countType, [minors](const PitcherPick &p) { return QVariant(minors(p).strikeouts); }},
        projectionColumn<PitcherPick>(),
    };
    return columns;
}

QVector<Column<PitcherPick>> breakoutPitcherColumns()
{
    const auto season = [](const PitcherPick &p) -> const PitchingLine & { return *p.player->seasons[0]; };
    QVector<Column<PitcherPick>> columns = nameColumns<PitcherPick>();
    columns += {
        clubColumn<PitcherPick>(),
        ageColumn<PitcherPick>(),
        {"ERA", ratioType, [season](const PitcherPick &p) { return QVariant(season(p).era()); }},
        {"IP", ratioType, [season](const PitcherPick &p) { return QVariant(season(p).innings()); }},
        {"SO", countType, [season](const PitcherPick &p) { return QVariant(season(p).strikeouts); }},
        {"W", countType, [season](const PitcherPick &p) { return QVariant(season(p).wins); }},
        {"L", countType, [season](const PitcherPick &p) { return QVariant(season(p).losses); }},
        {"WHIP", ratioType, [season](const PitcherPick &p) { return QVariant(season(p).whip()); }},
        projectionColumn<PitcherPick>(),
    };
    return columns;
}

QVector<Column<OffseasonMove>> moveColumns()
{
    return {
        {"Move", "VARCHAR(120)", [](const OffseasonMove &m) { return QVariant(m.move); }},
        {"Result", longTextType, [](const OffseasonMove &m) { return QVariant(m.result); }},
    };
}

}

void writeDemoTables(const QString &folder, const League &league, const Reports &reports)
{
    writeTable(folder, "BTRMAST.DB", hitterColumns(), league.hitters, {"LST_NM_97", "FRST_NM_97"});
    writeTable(folder, "PITMAST.DB", pitcherColumns(), league.pitchers, {"LAST_NM_97", "FRST_NM_97"});
    writeTable(folder, "TEAMPLAT.DB", teamColumns(), league.sheets);

    QVector<RankedRow> ranked;
    for (const RankedPlayer &entry : reports.top98)
        ranked.append({int(ranked.size()) + 1, &entry, entry.player});
    writeTable(folder, "TOP98.DB", top98Columns(), ranked);
    writeTable(folder, "PROSPECT.DB", hittingProspectColumns(), reports.hittingProspects);
    writeTable(folder, "PITPROS.DB", pitchingProspectColumns(), reports.pitchingProspects);
    writeTable(folder, "BREAKOUT.DB", breakoutBatterColumns(), reports.breakoutBatters);
    writeTable(folder, "BREAKPIT.DB", breakoutPitcherColumns(), reports.breakoutPitchers);
    writeTable(folder, "BIGMOVES.DB", moveColumns(), reports.moves);
}
