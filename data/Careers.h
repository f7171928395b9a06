#pragma once

#include "data/League.h"
#include "data/Random.h"

// What a player can do, and the seasons that follow from it at a given age
// and workload. Every line comes out whole: hits within at-bats, extra-base
// hits within hits, earned runs within runs.

struct BattingTalent {
    double contact = 0;   // his true batting average at his peak
    double power = 0;     // home runs per at-bat
    double eye = 0;       // walks per at-bat
    double speed = 0;     // 0 (station-to-station) to 1 (burner)
};

struct PitchingTalent {
    double era = 0;
    double hitsPerNine = 0;
    double walksPerNine = 0;
    double strikeoutsPerNine = 0;
};

// How much of a full schedule a season had: the strike cut 1994 and 1995 short.
double scheduleShare(int year);

class BattingSeasons {
public:
    explicit BattingSeasons(Random &random) : m_random(random) {}

    BattingTalent talent(const QString &position, HitterRole role);
    BattingLine season(const BattingTalent &talent, int age, int atBats);
    // A line against minor-league pitching: more contact, more power.
    BattingLine minorLeagueSeason(const BattingTalent &talent, int age, int atBats);
    // Games at each spot in 1997 for a player of that position.
    std::array<int, FieldSpotCount> gamesByPosition(const QString &position, int atBats);

private:
    Random &m_random;
};

struct PitchingWorkload {
    int outs = 0;
    int starts = 0;        // 0 for a reliever
    int appearances = 0;
    int saves = 0;
};

// The kinds of seasons a pitcher has.
enum class Workload {
    Rotation,         // a full turn in a big-league rotation
    RookieRotation,   // part of a season as a starter
    CallUp,           // a few weeks in the majors
    Closing,          // the closer's job
    Relief,           // middle relief and set-up work
};

class PitchingSeasons {
public:
    explicit PitchingSeasons(Random &random) : m_random(random) {}

    PitchingTalent talent(PitcherRole role);
    // A season's work of that kind, cut to the year's schedule.
    PitchingWorkload workload(Workload kind, int year, bool projected);
    PitchingLine season(const PitchingTalent &talent, int age, const PitchingWorkload &work);

private:
    Random &m_random;
};

// Draft dollars in a standard league, at least $1.
int draftValue(const BattingLine &line);
int draftValue(const PitchingLine &line);
