#pragma once

#include "data/League.h"
#include "data/Random.h"

// The team table's records: each club's lineup card made of its own players,
// its projected finish within its division, and the outlooks for its offense
// and its pitching staff.
class TeamSheets {
public:
    explicit TeamSheets(quint64 seed) : m_random(seed) {}

    // One sheet per club, in team-key order.
    QVector<TeamSheet> build(const QVector<Hitter> &hitters, const QVector<Pitcher> &pitchers);

private:
    struct Staff;
    Staff staffOf(const Team &team, const QVector<const Hitter *> &hitters, const QVector<const Pitcher *> &pitchers) const;
    TeamSheet sheetOf(const Staff &staff, int divisionRank);
    QString hittingOutlook(const Staff &staff, int divisionRank);
    QString pitchingOutlook(const Staff &staff, int divisionRank);

    Random m_random;
};
