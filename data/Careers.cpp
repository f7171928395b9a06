#include "data/Careers.h"

#include <QHash>

#include <algorithm>
#include <cmath>

namespace {

struct Range {
    double low;
    double high;
};

// Peak talent by position: average, home runs per at-bat, walks per at-bat, speed.
struct PositionProfile {
    Range contact, power, eye, speed;
};

const QHash<QString, PositionProfile> &positionProfiles()
{
    static const QHash<QString, PositionProfile> profiles = {
        {"C", {{.235, .285}, {.010, .045}, {.06, .11}, {.05, .30}}},
        {"1B", {{.255, .310}, {.030, .070}, {.08, .15}, {.05, .35}}},
        {"2B", {{.250, .305}, {.008, .030}, {.07, .12}, {.30, .85}}},
        {"3B", {{.250, .300}, {.020, .055}, {.07, .12}, {.10, .50}}},
        {"SS", {{.240, .300}, {.006, .030}, {.06, .11}, {.30, .90}}},
        {"OF", {{.250, .315}, {.012, .065}, {.07, .14}, {.20, .95}}},
        {"DH", {{.255, .305}, {.035, .070}, {.09, .15}, {.02, .25}}},
    };
    return profiles;
}

double draw(Random &random, double low, double high)
{
    return low + random.unit() * (high - low);
}

// The spots a player of each position plays: his own (an outfielder's is
// one of three), and those where he fills in now and then.
struct FieldSpots {
    QVector<FieldSpot> main;
    QVector<FieldSpot> fillIns;
};

const QHash<QString, FieldSpots> &fieldSpots()
{
    using S = FieldSpot;
    static const QHash<QString, FieldSpots> spots = {
        {"C", {{S::Catcher}, {S::First, S::Designated}}},
        {"1B", {{S::First}, {S::Designated, S::Right, S::Left}}},
        {"2B", {{S::Second}, {S::Short, S::Third}}},
        {"3B", {{S::Third}, {S::First, S::Short}}},
        {"SS", {{S::Short}, {S::Second, S::Third}}},
        {"OF", {{S::Left, S::Centre, S::Right}, {S::Left, S::Centre, S::Right, S::Designated}}},
        {"DH", {{S::Designated}, {S::First, S::Left, S::Right}}},
    };
    return spots;
}

int whole(double value)
{
    return std::max(0, int(std::lround(value)));
}

// Hitters peak from 27 to 31: younger ones are still learning, older ones fading.
double contactAtAge(int age)
{
    if (age < 27)
        return -(27 - age) * 0.004;
    return age > 31 ? -(age - 31) * 0.005 : 0.0;
}

double powerAtAge(int age)
{
    if (age < 27)
        return 1.0 - (27 - age) * 0.06;
    return age > 32 ? 1.0 - (age - 32) * 0.05 : 1.0;
}

double eraAtAge(int age)
{
    if (age < 26)
        return (26 - age) * 0.12;
    return age > 32 ? (age - 32) * 0.10 : 0.0;
}

}

double scheduleShare(int year)
{
    switch (year) {
    case 1994: return 0.70;
    case 1995: return 0.89;
    default: return 1.0;
    }
}

BattingTalent BattingSeasons::talent(const QString &position, HitterRole role)
{
    const PositionProfile &profile = positionProfiles().value(position);
    BattingTalent talent;
    talent.contact = draw(m_random, profile.contact.low, profile.contact.high);
    talent.power = draw(m_random, profile.power.low, profile.power.high);
    talent.eye = draw(m_random, profile.eye.low, profile.eye.high);
    talent.speed = draw(m_random, profile.speed.low, profile.speed.high);
    if (role == HitterRole::Reserve) {
        talent.contact -= 0.018;
        talent.power *= 0.75;
    }
    return talent;
}

BattingLine BattingSeasons::season(const BattingTalent &talent, int age, int atBats)
{
    BattingLine line;
    line.atBats = atBats;
    const double average = talent.contact + contactAtAge(age) + m_random.wobble(0.030);
    line.hits = std::min(atBats, whole(atBats * average));
    const double powerSwing = 1.0 + m_random.wobble(0.30);
    line.homeRuns = std::min(line.hits, whole(atBats * talent.power * powerAtAge(age) * powerSwing));
    const double triplesSwing = 1.0 + m_random.wobble(0.50);
    line.triples = std::min(line.hits - line.homeRuns, whole(line.hits * talent.speed * 0.05 * triplesSwing));
    const double doublesShare = 0.18 + m_random.wobble(0.05);
    line.doubles = std::min(line.hits - line.homeRuns - line.triples, whole(line.hits * doublesShare));
    const double walksSwing = 1.0 + m_random.wobble(0.25);
    line.walks = whole(atBats * talent.eye * walksSwing);
    const double stealsSwing = 1.0 + m_random.wobble(0.40);
    line.steals = whole(atBats * talent.speed * talent.speed * 0.09 * stealsSwing);
    const double caughtShare = 0.32 + m_random.wobble(0.12);
    line.caught = whole(line.steals * caughtShare);
    const double runsSwing = m_random.wobble(5.0);
    line.runs = std::max(line.homeRuns,
                         whole(line.hits * 0.33 + line.walks * 0.28 + line.homeRuns * 0.55 + line.steals * 0.25 + runsSwing));
    const double rbiSwing = m_random.wobble(6.0);
    line.rbi = std::max(line.homeRuns,
                        whole(line.homeRuns * 1.55 + (line.hits - line.homeRuns) * 0.26 + line.doubles * 0.10 + rbiSwing));
    return line;
}

BattingLine BattingSeasons::minorLeagueSeason(const BattingTalent &talent, int age, int atBats)
{
    // Minor-league pitching flatters a young hitter more than his age holds him back.
    BattingTalent overmatched = talent;
    overmatched.contact += 0.045;
    overmatched.power *= 1.35;
    overmatched.eye *= 1.15;
    return season(overmatched, age, atBats);
}

std::array<int, FieldSpotCount> BattingSeasons::gamesByPosition(const QString &position, int atBats)
{
    std::array<int, FieldSpotCount> games{};
    const int played = std::clamp(whole(atBats / 3.7 + m_random.wobble(6.0)), 1, 162);
    // Where he played most, and where he filled in.
    const FieldSpots &spots = *fieldSpots().constFind(position);
    const FieldSpot main = m_random.pick(spots.main);
    QVector<FieldSpot> fillIns = spots.fillIns;
    fillIns.removeOne(main);
    const int mainGames = std::max(1, whole(played * draw(m_random, 0.72, 1.0)));
    games[int(main)] = mainGames;
    const int spare = played - mainGames;
    if (spare > 0) {
        const FieldSpot other = m_random.pick(fillIns);
        games[int(other)] = spare;
    }
    return games;
}

PitchingTalent PitchingSeasons::talent(PitcherRole role)
{
    PitchingTalent talent;
    switch (role) {
    case PitcherRole::Starter: talent.era = draw(m_random, 3.0, 5.4); break;
    case PitcherRole::Closer: talent.era = draw(m_random, 2.4, 4.2); break;
    case PitcherRole::Setup: talent.era = draw(m_random, 2.8, 5.0); break;
    case PitcherRole::Prospect: talent.era = draw(m_random, 3.3, 5.5); break;
    }
    const bool reliever = role == PitcherRole::Closer || role == PitcherRole::Setup;
    talent.strikeoutsPerNine = reliever ? draw(m_random, 6.0, 11.0) : draw(m_random, 5.0, 9.5);
    talent.walksPerNine = draw(m_random, 2.0, 4.5);
    talent.hitsPerNine = 7.0 + (talent.era - 3.0) * 0.8 + m_random.wobble(0.6);
    return talent;
}

PitchingWorkload PitchingSeasons::workload(Workload kind, int year, bool projected)
{
    const double share = scheduleShare(year);
    // A projection assumes a healthy year; a past season may have been cut short.
    const double health = projected || !m_random.chance(12) ? 1.0 : draw(m_random, 0.4, 0.8);
    const double scale = share * health;
    PitchingWorkload work;
    switch (kind) {
    case Workload::Rotation:
    case Workload::RookieRotation: {
        const int fullStarts = kind == Workload::Rotation ? m_random.between(27, 34) : m_random.between(10, 24);
        work.starts = std::max(1, whole(fullStarts * scale));
        work.appearances = work.starts;
        work.outs = whole(work.starts * draw(m_random, 5.3, 7.0) * 3);
        break;
    }
    case Workload::CallUp:
        work.appearances = m_random.between(4, 14);
        work.outs = whole(work.appearances * draw(m_random, 1.5, 4.5) * 3);
        break;
    case Workload::Closing:
        work.appearances = std::max(1, whole(m_random.between(55, 72) * scale));
        work.outs = whole(work.appearances * draw(m_random, 1.0, 1.2) * 3);
        work.saves = whole(work.appearances * draw(m_random, 0.45, 0.65));
        break;
    case Workload::Relief:
        work.appearances = std::max(1, whole(m_random.between(40, 75) * scale));
        work.outs = whole(work.appearances * draw(m_random, 1.0, 1.35) * 3);
        work.saves = m_random.between(0, 4);
        break;
    }
    work.outs = std::max(work.outs, 1);
    return work;
}

PitchingLine PitchingSeasons::season(const PitchingTalent &talent, int age, const PitchingWorkload &work)
{
    PitchingLine line;
    line.outs = work.outs;
    line.saves = work.saves;
    const double nines = work.outs / 27.0;
    const double era = std::max(1.2, talent.era + eraAtAge(age) + m_random.wobble(0.9));
    line.earnedRuns = whole(nines * era);
    const double unearnedShare = 0.09 + m_random.wobble(0.05);
    line.runs = line.earnedRuns + whole(line.earnedRuns * unearnedShare);
    const double hitsSwing = m_random.wobble(0.5);
    line.hits = whole(nines * (talent.hitsPerNine + (era - talent.era) * 0.5 + hitsSwing));
    const double walksSwing = m_random.wobble(0.4);
    line.walks = whole(nines * (talent.walksPerNine + walksSwing));
    const double strikeoutsSwing = m_random.wobble(0.8);
    line.strikeouts = whole(nines * (talent.strikeoutsPerNine + strikeoutsSwing));
    const double decisionShare = work.starts > 0 ? 0.70 + m_random.wobble(0.08) : 0.12 + m_random.wobble(0.05);
    const int decisions = whole((work.starts > 0 ? work.starts : work.appearances) * decisionShare);
    const double winShare = std::clamp(0.5 + (4.5 - era) * 0.08 + m_random.wobble(0.08), 0.2, 0.8);
    line.wins = whole(decisions * winShare);
    line.losses = decisions - line.wins;
    return line;
}

int draftValue(const BattingLine &line)
{
    const double points = line.homeRuns * 0.5 + line.rbi * 0.17 + line.runs * 0.12 + line.steals * 0.4
        + (line.hits - 0.265 * line.atBats) * 0.35;
    return std::max(1, int(std::lround(points * 0.6 - 2.0)));
}

int draftValue(const PitchingLine &line)
{
    const double innings = line.outs / 3.0;
    const double points = line.wins * 1.6 + line.saves * 1.1 + line.strikeouts * 0.06
        + (4.30 - line.era()) * innings / 9.0 * 1.2 + (1.35 - line.whip()) * innings * 0.08;
    return std::max(1, int(std::lround(points * 0.4)));
}
