#pragma once

#include "data/Careers.h"
#include "data/League.h"
#include "data/Names.h"
#include "data/Random.h"

// Makes the players of the demo season: rosters for every club, careers from
// 1994 to 1997, a 1998 projection and a draft value. Clubs are filled first
// with a starting nine (eight in the National League) and a staff of five
// starters and a closer; further players spread over the clubs in turn.
class LeagueBuilder {
public:
    explicit LeagueBuilder(quint64 seed);

    QVector<Hitter> hitters(int count);
    QVector<Pitcher> pitchers(int count);

private:
    Hitter makeHitter(const Team &team, const QString &position, HitterRole role);
    Pitcher makePitcher(const Team &team, const QString &position, PitcherRole role);
    void placeWithClub(Person &person, const Team &team, bool bigLeaguer);
    // The club of each season played, 1997 first, back to the oldest.
    QVector<const Team *> clubHistory(const Person &person, int seasonsPlayed);
    const Team *otherClub(const Team *besides);
    int seasonsPlayed(int age, int youngestVeteranAge);

    Random m_random;
    NameMaker m_names;
    BattingSeasons m_batting;
    PitchingSeasons m_pitching;
};
