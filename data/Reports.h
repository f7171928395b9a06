#pragma once

#include "data/League.h"
#include "data/Random.h"

// The five lists and the offseason moves, chosen from the league's own
// players, each with its paragraph.

struct RankedPlayer {
    const Person *player = nullptr;
    QString position;
    QString comment;
};

template <typename Player>
struct Pick {
    const Player *player = nullptr;
    QString projection;
};

struct OffseasonMove {
    QString move;     // one line
    QString result;   // what it means
};

struct Reports {
    QVector<RankedPlayer> top98;
    QVector<Pick<Hitter>> hittingProspects;
    QVector<Pick<Pitcher>> pitchingProspects;
    QVector<Pick<Hitter>> breakoutBatters;
    QVector<Pick<Pitcher>> breakoutPitchers;
    QVector<OffseasonMove> moves;
};

class ReportLists {
public:
    explicit ReportLists(quint64 seed) : m_random(seed) {}

    Reports build(const QVector<Hitter> &hitters, const QVector<Pitcher> &pitchers);

private:
    QVector<RankedPlayer> top98(const QVector<Hitter> &hitters, const QVector<Pitcher> &pitchers);
    QVector<Pick<Hitter>> hittingProspects(const QVector<Hitter> &hitters);
    QVector<Pick<Pitcher>> pitchingProspects(const QVector<Pitcher> &pitchers);
    QVector<Pick<Hitter>> breakoutBatters(const QVector<Hitter> &hitters);
    QVector<Pick<Pitcher>> breakoutPitchers(const QVector<Pitcher> &pitchers);
    QVector<OffseasonMove> moves(const QVector<Hitter> &hitters, const QVector<Pitcher> &pitchers);

    Random m_random;
};
