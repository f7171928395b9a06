#pragma once

#include "data/League.h"
#include "data/Random.h"

#include <QSet>

// The 1998 outlook paragraph of every player, composed from sentence patterns
// chosen by his situation (role, trend, strengths, age, how he changed clubs)
// and filled with his own figures. No two paragraphs come out the same.
class PlayerWriteUps {
public:
    explicit PlayerWriteUps(quint64 seed) : m_random(seed) {}

    QString hitter(const Hitter &hitter);
    QString pitcher(const Pitcher &pitcher);

private:
    QString composeHitter(const Hitter &hitter);
    QString composePitcher(const Pitcher &pitcher);
    template <typename Player, typename Compose>
    QString unique(const Player &player, Compose compose);

    Random m_random;
    QSet<QString> m_written;
};
