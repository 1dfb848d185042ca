// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/Rating.h"

#include "engine/Rules.h"
#include "engine/Scoring.h"

namespace Rating {

using namespace Palette;

Row rate(const QString &solution, const QString &revealed, const QString &guess, int row, int maxAttempts)
{
    Row result;
    result.revealed = revealed;
    QString &known = result.revealed;
    for (int p = 0; p < 5; ++p) {
        if (guess[p] == solution[p])
            known[p] = guess[p];
        else if (row > 1)
            known[p] = u' ';
    }

    // What is left of the guess once its correctly placed letters are blanked.
    QString remainder = guess;
    if (row > 1) {
        for (int q = 0; q < 5; ++q) {
            if (known[q] == guess[q])
                remainder[q] = u' ';
        }
    }

    for (int p = 0; p < 5; ++p) {
        Cell &cell = result.cells[p];
        const QChar letter = known[p];
        if (letter != u' ') {
            cell.caption = letter;
            cell.colour = White;
            if (row > 1 && row < maxAttempts) {
                if (row < Rules::FirstRowWithoutSi)
                    cell.sound = Sound::Si;
                cell.points = Scoring::letterAward(row);
            }
        } else if (row == 1) {
            cell.caption = u' ';
            cell.colour = DarkRed;
        } else if (remainder.contains(solution[p])) {
            cell.colour = Green;
            cell.sound = Sound::CE;
        } else {
            cell.caption = u' ';
            cell.colour = DarkRed;
            cell.sound = Sound::No;
        }
    }
    return result;
}

QString soundName(Sound sound)
{
    switch (sound) {
    case Sound::Si:
        return QStringLiteral("Si");
    case Sound::CE:
        return QStringLiteral("c'e");
    case Sound::No:
        return QStringLiteral("No");
    case Sound::None:
        break;
    }
    return QString();
}

} // namespace Rating
