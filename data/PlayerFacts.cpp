#include "data/PlayerFacts.h"

#include <algorithm>

namespace {

template <typename Player>
using FactTable = QHash<QString, std::function<QString(const Player &)>>;

QString count(int number, const QString &singular, const QString &plural)
{
    return QString::number(number) + ' ' + (number == 1 ? singular : plural);
}

// The facts of one season line, by name.
const QVector<QPair<QString, QString (*)(const BattingLine &)>> battingFacts = {
    {"avg", [](const BattingLine &l) { return averageText(l.averageThousandths()); }},
    {"ab", [](const BattingLine &l) { return QString::number(l.atBats); }},
    {"hr", [](const BattingLine &l) { return QString::number(l.homeRuns); }},
    {"homers", [](const BattingLine &l) { return count(l.homeRuns, "homer", "homers"); }},
    {"rbi", [](const BattingLine &l) { return QString::number(l.rbi); }},
    {"sb", [](const BattingLine &l) { return QString::number(l.steals); }},
    {"steals", [](const BattingLine &l) { return count(l.steals, "steal", "steals"); }},
    {"cs", [](const BattingLine &l) { return QString::number(l.caught); }},
    {"runs", [](const BattingLine &l) { return QString::number(l.runs); }},
    {"hits", [](const BattingLine &l) { return QString::number(l.hits); }},
    {"doubles", [](const BattingLine &l) { return count(l.doubles, "double", "doubles"); }},
    {"walks", [](const BattingLine &l) { return QString::number(l.walks); }},
    {"club", [](const BattingLine &l) { return l.team; }},
};

const QVector<QPair<QString, QString (*)(const PitchingLine &)>> pitchingFacts = {
    {"w", [](const PitchingLine &l) { return QString::number(l.wins); }},
    {"l", [](const PitchingLine &l) { return QString::number(l.losses); }},
    {"wins", [](const PitchingLine &l) { return count(l.wins, "win", "wins"); }},
    {"era", [](const PitchingLine &l) { return hundredthsText(l.eraHundredths()); }},
    {"whip", [](const PitchingLine &l) { return hundredthsText(l.whipHundredths()); }},
    {"ip", [](const PitchingLine &l) { return inningsText(l.outs); }},
    {"so", [](const PitchingLine &l) { return QString::number(l.strikeouts); }},
    {"strikeouts", [](const PitchingLine &l) { return count(l.strikeouts, "strikeout", "strikeouts"); }},
    {"sv", [](const PitchingLine &l) { return QString::number(l.saves); }},
    {"saves", [](const PitchingLine &l) { return count(l.saves, "save", "saves"); }},
    {"bb", [](const PitchingLine &l) { return QString::number(l.walks); }},
    {"walks", [](const PitchingLine &l) { return count(l.walks, "walk", "walks"); }},
    {"hitsAllowed", [](const PitchingLine &l) { return QString::number(l.hits); }},
    {"club", [](const PitchingLine &l) { return l.team; }},
};

// Each line a player has, under its key prefix and suffix: "avg" for 1997,
// "avg96" for 1996, "pavg" for the projection, "mavg" for the minors.
template <typename Player, typename Line>
struct LineSource {
    QString prefix;
    QString suffix;
    const Line *(*line)(const Player &);
};

template <typename Player, typename Line>
const Line *season(const Player &player, int index)
{
    return player.seasons[index] ? &*player.seasons[index] : nullptr;
}

template <typename Player, typename Line>
QVector<LineSource<Player, Line>> lineSources()
{
    return {
        {"", "", [](const Player &p) { return season<Player, Line>(p, 0); }},
        {"", "96", [](const Player &p) { return season<Player, Line>(p, 1); }},
        {"p", "", [](const Player &p) -> const Line * { return &p.outlook; }},
        {"m", "", [](const Player &p) { return p.minors ? &*p.minors : nullptr; }},
    };
}

template <typename Player, typename Line>
void addLineFacts(FactTable<Player> &table, const QVector<QPair<QString, QString (*)(const Line &)>> &facts)
{
    for (const LineSource<Player, Line> &source : lineSources<Player, Line>())
        for (const auto &[name, fact] : facts)
            table.insert(source.prefix + name + source.suffix, [line = source.line, fact = fact](const Player &p) {
                const Line *found = line(p);
                return found ? fact(*found) : QString();
            });
}

template <typename Player>
void addPersonFacts(FactTable<Player> &table)
{
    table.insert("full", [](const Player &p) { return p.fullName(); });
    table.insert("first", [](const Player &p) { return p.firstName(); });
    table.insert("last", [](const Player &p) { return p.lastName(); });
    table.insert("age", [](const Player &p) { return QString::number(p.age); });
    table.insert("team", [](const Player &p) { return p.team98->nickname; });
    table.insert("former", [](const Player &p) { return p.formerTeam ? p.formerTeam->nickname : QString(); });
    table.insert("value", [](const Player &p) { return '$' + QString::number(p.value); });
    table.insert("levelName", [](const Player &p) { return p.minors ? levelName(p.level) : QString(); });
}

template <typename Line>
Line summed(const std::array<std::optional<Line>, SeasonCount> &seasons, int Line::*first, int Line::*second)
{
    Line total;
    for (const auto &season : seasons)
        if (season) {
            total.*first += (*season).*first;
            total.*second += (*season).*second;
        }
    return total;
}

const FactTable<Hitter> &hitterFacts()
{
    static const FactTable<Hitter> table = [] {
        FactTable<Hitter> facts;
        addPersonFacts(facts);
        addLineFacts<Hitter, BattingLine>(facts, battingFacts);
        facts.insert("pos", [](const Hitter &h) { return positionNoun(h); });
        facts.insert("platoonSide", [](const Hitter &h) { return QString(h.bats == 'L' ? "right-handed" : "left-handed"); });
        facts.insert("points", [](const Hitter &h) {
            if (!h.seasons[0] || !h.seasons[1])
                return QString();
            return QString::number(std::abs(h.seasons[0]->averageThousandths() - h.seasons[1]->averageThousandths()));
        });
        facts.insert("avgT", [](const Hitter &h) {
            return averageText(summed(h.seasons, &BattingLine::hits, &BattingLine::atBats).averageThousandths());
        });
        return facts;
    }();
    return table;
}

const FactTable<Pitcher> &pitcherFacts()
{
    static const FactTable<Pitcher> table = [] {
        FactTable<Pitcher> facts;
        addPersonFacts(facts);
        addLineFacts<Pitcher, PitchingLine>(facts, pitchingFacts);
        facts.insert("throwsNoun", [](const Pitcher &p) { return QString(p.throws == 'L' ? "left-hander" : "right-hander"); });
        facts.insert("eraT", [](const Pitcher &p) {
            return hundredthsText(summed(p.seasons, &PitchingLine::earnedRuns, &PitchingLine::outs).eraHundredths());
        });
        return facts;
    }();
    return table;
}

template <typename Player>
Phrase factsFrom(const FactTable<Player> &table, const Player &player)
{
    return Phrase([&table, &player](const QString &key) {
        const auto fact = table.constFind(key);
        return fact == table.cend() ? QString() : (*fact)(player);
    });
}

}

QString levelName(const QString &level)
{
    if (level == "AAA")
        return "Triple-A";
    return level == "AA" ? "Double-A" : "Class A";
}

QString positionNoun(const Hitter &hitter)
{
    if (hitter.position == "OF") {
        const auto &games = hitter.games97;
        const int centre = games[int(FieldSpot::Centre)];
        const int corners = std::max(games[int(FieldSpot::Left)], games[int(FieldSpot::Right)]);
        if (centre > 0 && centre >= corners)
            return "center fielder";
        if (corners > 0)
            return games[int(FieldSpot::Left)] >= games[int(FieldSpot::Right)] ? "left fielder" : "right fielder";
        return "outfielder";
    }
    static const QHash<QString, QString> nouns = {
        {"C", "catcher"}, {"1B", "first baseman"}, {"2B", "second baseman"}, {"3B", "third baseman"},
        {"SS", "shortstop"}, {"DH", "designated hitter"},
    };
    return nouns.value(hitter.position);
}

QString positionPlace(const Hitter &hitter)
{
    QString place = positionNoun(hitter);
    if (place == "outfielder")
        return "the outfield";
    return place.replace("baseman", "base").replace("fielder", "field");
}

Phrase factsOf(const Hitter &hitter)
{
    return factsFrom(hitterFacts(), hitter);
}

Phrase factsOf(const Pitcher &pitcher)
{
    return factsFrom(pitcherFacts(), pitcher);
}
