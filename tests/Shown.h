// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/Rules.h"

#include <QString>

// What the game shows, worked out from its rules, for the tests to expect.
namespace Shown {

// The manche display for manche n: "1/5".
inline QString manche(int n)
{
    return QStringLiteral("%1/%2").arg(n).arg(Rules::Manches);
}

// The points of a word found with the first guess, in its first period of
// Rules::WordSeconds: five letters on row 2 and the word.
inline int pointsOfAWordFoundAtOnce()
{
    return 5 * Rules::LetterPoints[2] + int(Rules::WordPoints / 2);
}

} // namespace Shown
