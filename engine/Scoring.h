// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/Rules.h"

#include <QtGlobal>

#include <cmath>
#include <limits>

// Point rules and the arithmetic of the game clock.
namespace Scoring {

// Nearest whole number, halves to the even neighbour.
inline double roundHalfEven(double value)
{
    return std::nearbyint(value);
}

// Points for one correctly placed letter on row r (rows 2 up to the one
// before the last).
inline int letterAward(int row)
{
    return row >= 0 && row <= Rules::ManyRows ? Rules::LetterPoints[row] : 0;
}

// The running score after an award, held at the 32-bit limits.
inline qint32 addPoints(qint32 points, qint64 award)
{
    const qint64 total = points + award;
    if (total > std::numeric_limits<qint32>::max())
        return std::numeric_limits<qint32>::max();
    if (total < std::numeric_limits<qint32>::min())
        return std::numeric_limits<qint32>::min();
    return static_cast<qint32>(total);
}

// The running score after the award for a word found on row r, with
// `elapsed` whole seconds spent on the winning guess.
inline qint32 addWordAward(qint32 points, int row, qint32 elapsed)
{
    const int t = (elapsed < 0 ? 0 : elapsed) / Rules::WordSeconds + 1;
    const double total = roundHalfEven(points + Rules::WordPoints / row / t);
    if (total > std::numeric_limits<qint32>::max())
        return std::numeric_limits<qint32>::max();
    return static_cast<qint32>(total);
}

} // namespace Scoring
