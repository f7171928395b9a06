#pragma once

#include "data/Random.h"

#include <QSet>
#include <QString>

// Invented player names, in capitals: common first names with surnames built
// from syllables, so no line-up of them names a real person. A name is not
// handed out twice while the pool lasts.
class NameMaker {
public:
    struct Name {
        QString first;
        QString last;   // at most 13 characters, so "R. " + last fits 16
    };

    explicit NameMaker(Random &random) : m_random(random) {}
    Name next();

private:
    Name compose();

    Random &m_random;
    QSet<QString> m_used;
};
