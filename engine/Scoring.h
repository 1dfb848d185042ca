#pragma once

#include <QtGlobal>

#include <cmath>
#include <limits>

// Point rules and the arithmetic of the game clock.
namespace Scoring {

constexpr double SecondsPerDay = 86400.0;

// Nearest whole number, halves to the even neighbour.
inline double roundHalfEven(double value)
{
    return std::nearbyint(value);
}

// Points for one correctly placed letter on row r (rows 2 up to the one
// before the last).
inline int letterAward(int row)
{
    return 60 / row;
}

// The running score after the award for a word found on row r, with
// `elapsed` whole seconds spent on the winning guess.
inline qint32 addWordAward(qint32 points, int row, qint32 elapsed)
{
    const int t = (elapsed < 0 ? 0 : elapsed) / 10 + 1;
    const double total = roundHalfEven(points + 1200.0 / row / t);
    if (total > std::numeric_limits<qint32>::max())
        return std::numeric_limits<qint32>::max();
    return static_cast<qint32>(total);
}

// Seconds from `start` to `now`, both seconds since midnight; a span that
// crosses midnight is counted across it, so the result is never negative.
inline float secondsBetween(float start, float now)
{
    float span = now - start;
    if (span < 0)
        span += static_cast<float>(SecondsPerDay);
    return span < 0 ? 0.0f : span;
}

} // namespace Scoring
