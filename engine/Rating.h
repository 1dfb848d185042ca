// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/Palette.h"

#include <QChar>
#include <QString>

#include <array>
#include <optional>

// The rule that rates one board row, as a pure function: the window, the
// voice and the points are left to the caller (`VALUTARIGA`), which applies
// the result position by position: paint, announce, score.
namespace Rating {

// What one position announces; None on row 1 and on the last row.
enum class Sound { None, Si, CE, No };

struct Cell
{
    std::optional<QChar> caption;  // the cell's new caption; a green cell keeps its own
    int colour = Palette::Black;
    Sound sound = Sound::None;
    int points = 0;
};

struct Row
{
    QString revealed;           // the known-letter pattern after this row
    std::array<Cell, 5> cells;
};

// Rates `guess` against `solution` on board row `row` (from 1) of a manche
// with `maxAttempts` rows, `revealed` being the pattern before the row.
// A position whose letter is right shows it on white. Otherwise the cell is
// about the solution's letter there: green when that letter occurs among the
// guess's letters that are not right, dark red when it does not. Row 1 only
// shows the revealed letter; the last row neither announces nor scores.
Row rate(const QString &solution, const QString &revealed, const QString &guess, int row, int maxAttempts);

// The file name of a sound, before the voice's suffix.
QString soundName(Sound sound);

} // namespace Rating
