#pragma once

#include <QString>

// Season lines as the player tables store them. Ratios are worked out from
// whole numbers with integer rounding (half up), so a stored average is
// exactly hits / at-bats to three places and reads back as it prints.
struct BattingLine {
    QString team;   // club nickname; empty for a minor-league line
    int atBats = 0;
    int runs = 0;
    int hits = 0;
    int doubles = 0;
    int triples = 0;
    int homeRuns = 0;
    int rbi = 0;
    int walks = 0;
    int steals = 0;
    int caught = 0;

    int averageThousandths() const;
    double average() const { return averageThousandths() / 1000.0; }
};

struct PitchingLine {
    QString team;
    int wins = 0;
    int losses = 0;
    int saves = 0;
    int outs = 0;   // innings pitched times three
    int hits = 0;
    int runs = 0;
    int earnedRuns = 0;
    int walks = 0;
    int strikeouts = 0;

    int eraHundredths() const;
    int whipHundredths() const;
    double era() const { return eraHundredths() / 100.0; }
    double whip() const { return whipHundredths() / 100.0; }
    // Innings in the box-score notation: 183 2/3 innings read 183.2.
    double innings() const { return inningsTenths(outs) / 10.0; }
    int wholeInnings() const { return outs / 3; }

    static int inningsTenths(int outs) { return outs / 3 * 10 + outs % 3; }
};

// Whole-number division rounded half up (both operands not negative).
int roundedRatio(qint64 numerator, qint64 denominator);

// How the write-ups print figures: ".287", "1.000", "3.45", "1.18", "183.2".
QString averageText(int thousandths);
QString hundredthsText(int hundredths);
QString inningsText(int outs);
