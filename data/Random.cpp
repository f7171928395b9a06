#include "data/Random.h"

quint64 Random::next()
{
    m_state += 0x9e3779b97f4a7c15ULL;
    quint64 z = m_state;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

int Random::between(int low, int high)
{
    const quint64 span = quint64(qint64(high) - qint64(low) + 1);
    return int(qint64(low) + qint64(next() % span));
}

double Random::unit()
{
    return double(next() >> 11) * (1.0 / 9007199254740992.0);
}

double Random::wobble(double spread)
{
    // The mean of three uniform values is already close to a bell curve.
    // Drawn one at a time: the order of calls within one expression is not fixed.
    double sum = unit();
    sum += unit();
    sum += unit();
    return (sum / 1.5 - 1.0) * spread;
}
