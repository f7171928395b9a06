#pragma once

#include <QtGlobal>
#include <QVector>

#include <cstdint>

// The demo data's own random numbers: a fixed algorithm (SplitMix64) and only
// integer arithmetic, so one seed gives the same league on every platform and
// library, which the standard distributions do not promise.
class Random {
public:
    explicit Random(quint64 seed) : m_state(seed) {}

    quint64 next();
    // A whole number in [low, high], both ends included.
    int between(int low, int high);
    // True in `percent` of the calls.
    bool chance(int percent) { return between(1, 100) <= percent; }
    // A value in [0, 1) with 53 random bits.
    double unit();
    // A bell-shaped value around 0, within [-spread, spread].
    double wobble(double spread);

    template <typename T>
    const T &pick(const QVector<T> &items) { return items[between(0, int(items.size()) - 1)]; }

private:
    quint64 m_state;
};
