// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/Palette.h"

#include <QString>

class Form1;
class Form2;
class Form3;
class Form4;
class QLabel;

// What a screen reader says about the game's windows: the names of their
// controls, the state of every board cell and one sentence for a rated row.
// Nothing here changes what is drawn.
namespace Accessibility {

// Name every control of a window, once it is built.
void nameControls(Form1 &form);
void nameControls(Form2 &form);
void nameControls(Form3 &form);
void nameControls(Form4 &form);

// The spoken state of one board cell: row 1..6 from the top, position 1..5
// from the left, its palette colour and its caption, as in
// "Riga 2, posizione 3: verde, la lettera è altrove" (or "arancione" in the
// colour-blind palette).
QString cellName(int row, int position, int colour, const QString &text,
                 BoardColours colours = BoardColours::Designed);

// The board's cells are painted in these colours: their names say so.
void setBoardColours(Form1 &form, BoardColours colours);

// One sentence for a row as it is painted now. word is the tried word listed
// beside the board for that row ("" for the opening row).
QString rowSummary(int row, const int colours[5], const QString texts[5], const QString &word);

// Keeps a board cell's name in step with its colour; its caption is followed
// without help.
void nameCell(QLabel *cell, int colour);

// Tells the player how a row came out: a notification with the sentence
// appears, read at once, and the sentence becomes the description of the
// guess box, read again whenever the player comes back to it.
void announceRow(Form1 &form, int row, const int colours[5]);

} // namespace Accessibility
