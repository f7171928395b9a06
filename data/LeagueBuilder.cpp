#include "data/LeagueBuilder.h"

#include <algorithm>

namespace {

const QStringList startingStaff = {"SP", "SP", "SP", "SP", "SP", "RP"};

// Further hitters by position in a repeating pattern: outfielders and
// catchers most, designated hitters least; every ninth is a prospect.
const QStringList benchPattern = {"C", "OF", "1B", "SS", "OF", "2B", "C", "3B", "OF", "DH",
                                  "OF", "SS", "1B", "2B", "3B", "OF", "C", "OF"};
constexpr int prospectEvery = 9;
const QStringList bullpenPattern = {"RP", "SP", "RP", "RP", "SP", "RP", "SP", "RP"};
constexpr int pitchingProspectEvery = 8;

}

LeagueBuilder::LeagueBuilder(quint64 seed)
    : m_random(seed), m_names(m_random), m_batting(m_random), m_pitching(m_random)
{
}

QVector<Hitter> LeagueBuilder::hitters(int count)
{
    QVector<Hitter> players;
    players.reserve(count);
    for (const Team &team : allTeams())
        for (const QString &position : startingPositions(team))
            if (players.size() < count)
                players << makeHitter(team, position, HitterRole::Regular);
    for (int extra = 0; players.size() < count; ++extra) {
        const Team &team = allTeams().at(extra % allTeams().size());
        const HitterRole role = extra % prospectEvery == prospectEvery / 2 ? HitterRole::Prospect : HitterRole::Reserve;
        players << makeHitter(team, benchPattern.at(extra % benchPattern.size()), role);
    }
    return players;
}

QVector<Pitcher> LeagueBuilder::pitchers(int count)
{
    QVector<Pitcher> players;
    players.reserve(count);
    for (const Team &team : allTeams())
        for (const QString &position : startingStaff)
            if (players.size() < count)
                players << makePitcher(team, position, position == "SP" ? PitcherRole::Starter : PitcherRole::Closer);
    for (int extra = 0; players.size() < count; ++extra) {
        const Team &team = allTeams().at(extra % allTeams().size());
        const QString position = bullpenPattern.at(extra % bullpenPattern.size());
        PitcherRole role = position == "SP" ? PitcherRole::Starter : PitcherRole::Setup;
        if (extra % pitchingProspectEvery == pitchingProspectEvery / 2)
            role = PitcherRole::Prospect;
        players << makePitcher(team, position, role);
    }
    return players;
}

Hitter LeagueBuilder::makeHitter(const Team &team, const QString &position, HitterRole role)
{
    Hitter hitter;
    const NameMaker::Name name = m_names.next();
    hitter.first = name.first;
    hitter.last = name.last;
    hitter.position = position;
    hitter.role = role;
    const int handedness = m_random.between(1, 100);
    hitter.bats = handedness <= 58 ? 'R' : handedness <= 88 ? 'L' : 'S';

    int played = 0;
    switch (role) {
    case HitterRole::Regular:
        hitter.age = m_random.between(23, 36);
        played = seasonsPlayed(hitter.age, 23);
        break;
    case HitterRole::Reserve:
        hitter.age = m_random.between(24, 37);
        played = seasonsPlayed(hitter.age, 25);
        break;
    case HitterRole::Prospect:
        hitter.age = m_random.between(20, 24);
        played = hitter.age >= 21 && m_random.chance(40) ? 1 : 0;
        break;
    }
    placeWithClub(hitter, team, played > 0);
    const QVector<const Team *> clubs = clubHistory(hitter, played);
    BattingTalent talent = m_batting.talent(position, role);
    if (joinedIn1998(team)) {
        // A first-year club is built from what the others could spare.
        talent.contact -= 0.010;
        talent.power *= 0.85;
    }

    for (int index = 0; index < played; ++index) {
        const int year = seasonYear(index);
        const bool firstYear = index == played - 1 && played < SeasonCount;
        int atBats = 0;
        if (role == HitterRole::Prospect)
            atBats = m_random.between(25, 110);
        else if (role == HitterRole::Reserve)
            atBats = m_random.between(110, 340);
        else if (firstYear)
            atBats = m_random.between(150, 420);
        else
            atBats = m_random.between(500, 620);
        if (role != HitterRole::Prospect && m_random.chance(10))
            atBats = atBats * m_random.between(45, 80) / 100;
        atBats = std::max(1, int(atBats * scheduleShare(year)));
        BattingLine line = m_batting.season(talent, hitter.age - 1 - index, atBats);
        line.team = clubs.at(index)->nickname;
        hitter.seasons[index] = line;
    }
    if (hitter.seasons[0])
        hitter.games97 = m_batting.gamesByPosition(position, hitter.seasons[0]->atBats);

    if (role == HitterRole::Prospect) {
        const int levelRoll = hitter.age + m_random.between(0, 2);
        hitter.level = levelRoll <= 21 ? "A" : levelRoll <= 23 ? "AA" : "AAA";
        hitter.minors = m_batting.minorLeagueSeason(talent, hitter.age - 1, m_random.between(330, 540));
    }

    int projectedAtBats = 0;
    switch (role) {
    case HitterRole::Regular: projectedAtBats = hitter.age >= 34 ? m_random.between(440, 560) : m_random.between(530, 620); break;
    case HitterRole::Reserve: projectedAtBats = m_random.between(170, 340); break;
    case HitterRole::Prospect: projectedAtBats = m_random.between(180, 480); break;
    }
    hitter.outlook = m_batting.season(talent, hitter.age, projectedAtBats);
    hitter.outlook.team = team.nickname;
    hitter.value = draftValue(hitter.outlook);
    return hitter;
}

Pitcher LeagueBuilder::makePitcher(const Team &team, const QString &position, PitcherRole role)
{
    Pitcher pitcher;
    const NameMaker::Name name = m_names.next();
    pitcher.first = name.first;
    pitcher.last = name.last;
    pitcher.position = position;
    pitcher.role = role;
    pitcher.throws = m_random.chance(28) ? 'L' : 'R';

    int played = 0;
    int yearsClosing = 0;
    switch (role) {
    case PitcherRole::Starter:
        pitcher.age = m_random.between(23, 37);
        played = seasonsPlayed(pitcher.age, 23);
        break;
    case PitcherRole::Closer:
        pitcher.age = m_random.between(25, 37);
        played = seasonsPlayed(pitcher.age, 24);
        yearsClosing = m_random.between(1, played);
        break;
    case PitcherRole::Setup:
        pitcher.age = m_random.between(24, 37);
        played = seasonsPlayed(pitcher.age, 25);
        break;
    case PitcherRole::Prospect:
        pitcher.age = m_random.between(20, 24);
        played = pitcher.age >= 21 && m_random.chance(35) ? 1 : 0;
        break;
    }
    placeWithClub(pitcher, team, played > 0);
    const QVector<const Team *> clubs = clubHistory(pitcher, played);
    PitchingTalent talent = m_pitching.talent(role);
    if (joinedIn1998(team))
        talent.era += 0.45;

    for (int index = 0; index < played; ++index) {
        const bool firstYear = index == played - 1 && played < SeasonCount;
        Workload kind = Workload::Relief;
        if (role == PitcherRole::Prospect)
            kind = Workload::CallUp;
        else if (role == PitcherRole::Starter)
            kind = firstYear ? Workload::RookieRotation : Workload::Rotation;
        else if (role == PitcherRole::Closer && index < yearsClosing)
            kind = Workload::Closing;
        const PitchingWorkload work = m_pitching.workload(kind, seasonYear(index), false);
        PitchingLine line = m_pitching.season(talent, pitcher.age - 1 - index, work);
        line.team = clubs.at(index)->nickname;
        pitcher.seasons[index] = line;
    }

    if (role == PitcherRole::Prospect) {
        const int levelRoll = pitcher.age + m_random.between(0, 2);
        pitcher.level = levelRoll <= 21 ? "A" : levelRoll <= 23 ? "AA" : "AAA";
        PitchingTalent overmatched = talent;
        overmatched.era -= 1.0;
        overmatched.strikeoutsPerNine += 1.0;
        const Workload kind = position == "SP" ? Workload::Rotation : Workload::Closing;
        pitcher.minors = m_pitching.season(overmatched, pitcher.age - 1, m_pitching.workload(kind, 1997, true));
    }

    Workload projected = Workload::Relief;
    switch (role) {
    case PitcherRole::Starter: projected = Workload::Rotation; break;
    case PitcherRole::Closer: projected = Workload::Closing; break;
    case PitcherRole::Setup: projected = Workload::Relief; break;
    case PitcherRole::Prospect: projected = position == "SP" ? Workload::RookieRotation : Workload::Relief; break;
    }
    pitcher.outlook = m_pitching.season(talent, pitcher.age, m_pitching.workload(projected, 1998, true));
    pitcher.outlook.team = team.nickname;
    pitcher.value = draftValue(pitcher.outlook);
    return pitcher;
}

int LeagueBuilder::seasonsPlayed(int age, int youngestVeteranAge)
{
    // A player reached the majors at about his club's usual age for the role.
    const int years = age - youngestVeteranAge + 1 - m_random.between(0, 1);
    return std::clamp(years, 1, SeasonCount);
}

void LeagueBuilder::placeWithClub(Person &person, const Team &team, bool bigLeaguer)
{
    person.team98 = &team;
    const int roll = m_random.between(1, 100);
    if (joinedIn1998(team))
        person.arrival = roll <= 70 ? Arrival::ExpansionDraft : roll <= 88 ? Arrival::FreeAgent : Arrival::Trade;
    else if (bigLeaguer)
        person.arrival = roll <= 7 ? Arrival::FreeAgent : roll <= 13 ? Arrival::Trade : Arrival::Stayed;
    else
        person.arrival = roll <= 5 ? Arrival::Trade : Arrival::Stayed;
    if (person.arrival != Arrival::Stayed)
        person.formerTeam = otherClub(&team);
}

QVector<const Team *> LeagueBuilder::clubHistory(const Person &person, int seasonsPlayed)
{
    QVector<const Team *> clubs;
    const Team *club = person.formerTeam ? person.formerTeam : person.team98;
    for (int index = 0; index < seasonsPlayed; ++index) {
        if (index > 0 && m_random.chance(15))
            club = otherClub(club);
        clubs << club;
    }
    return clubs;
}

const Team *LeagueBuilder::otherClub(const Team *besides)
{
    for (;;) {
        const Team &team = allTeams().at(m_random.between(0, int(allTeams().size()) - 1));
        if (&team != besides && !joinedIn1998(team))
            return &team;
    }
}
