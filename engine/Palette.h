// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The sixteen colours the game paints with, by the numbers the board, the
// labels and the windows use. ui/Palette.h turns a number into its RGB value.
namespace Palette {

enum Number {
    Black = 0,        // RGB(0,0,0): a board row not yet used
    Blue = 1,
    Green = 2,        // RGB(0,128,0): the letter of this position is elsewhere in the guess
    Cyan = 3,
    DarkRed = 4,      // RGB(128,0,0): the letter of this position is not in the guess
    Magenta = 5,
    Brown = 6,
    LightGrey = 7,
    Grey = 8,
    LightBlue = 9,    // the about window's links
    LightGreen = 10,
    LightCyan = 11,   // caption labels of the panel
    LightRed = 12,
    LightMagenta = 13,
    Yellow = 14,      // value labels of the panel
    White = 15,       // RGB(255,255,255): the right letter in its place
};

} // namespace Palette
