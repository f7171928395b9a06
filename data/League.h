#pragma once

#include "data/Stats.h"
#include "data/Teams.h"

#include <QChar>
#include <QString>
#include <QStringList>
#include <QVector>

#include <array>
#include <optional>

// The invented 1998 preseason that the demo tables are written from.

constexpr int SeasonCount = 4;   // index 0 is 1997, then 1996, 1995, 1994
inline int seasonYear(int index) { return 1997 - index; }

// How a player came to his 1998 club.
enum class Arrival { Stayed, FreeAgent, Trade, ExpansionDraft };

struct Person {
    QString first;        // capitals, as the tables store names
    QString last;
    int age = 0;          // on opening day 1998
    const Team *team98 = nullptr;
    const Team *formerTeam = nullptr;   // his 1997 organisation when he moved
    Arrival arrival = Arrival::Stayed;
    int value = 0;        // draft dollars for 1998
    QString writeUp;

    QString firstName() const;     // "Randy"
    QString lastName() const;      // "Kellington"
    QString fullName() const;      // "Randy Kellington"
    QString lineupName() const;    // "R. KELLINGTON"
};

// The 1997 games-by-position columns, in the card's order.
enum class FieldSpot { Centre, Left, Right, Short, Second, Third, First, Catcher, Designated };
constexpr int FieldSpotCount = 9;

enum class HitterRole { Regular, Reserve, Prospect };

struct Hitter : Person {
    QString position;     // "C", "1B", "2B", "3B", "SS", "OF", "DH"
    QChar bats;           // 'R', 'L' or 'S'
    HitterRole role = HitterRole::Reserve;
    std::array<std::optional<BattingLine>, SeasonCount> seasons;
    std::array<int, FieldSpotCount> games97{};   // all zero without a 1997 season
    BattingLine outlook;                          // the 1998 projection
    std::optional<BattingLine> minors;            // prospects: 1997 in the minors
    QString level;                                // "AAA", "AA" or "A" with `minors`
};

enum class PitcherRole { Starter, Closer, Setup, Prospect };

struct Pitcher : Person {
    QString position;     // "SP" or "RP"
    QChar throws;         // 'R' or 'L'
    PitcherRole role = PitcherRole::Starter;
    std::array<std::optional<PitchingLine>, SeasonCount> seasons;
    PitchingLine outlook;
    std::optional<PitchingLine> minors;
    QString level;
};

// A line of the lineup card: a name and the short code beside it.
struct LineupEntry {
    QString name;         // empty when the club has nobody for the line
    QString code;
};

struct TeamSheet {
    const Team *team = nullptr;
    int divisionRank = 0;
    QString hitting;
    QString pitching;
    std::array<LineupEntry, 9> batters;
    std::array<LineupEntry, 5> starters;
    LineupEntry closer;
};

struct League {
    QVector<Hitter> hitters;
    QVector<Pitcher> pitchers;
    QVector<TeamSheet> sheets;   // in team-key order
};

// Arizona and Tampa Bay play their first season in 1998.
bool joinedIn1998(const Team &team);

// The hitters a club fields every day; the American League adds the DH.
QStringList startingPositions(const Team &team);
