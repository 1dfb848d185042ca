// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

// The program's options, read before anything else: no window is opened, no
// word drawn and no file written for --help, --version or a wrong option.
namespace CommandLine {

// What the player chose for this game.
struct Options
{
    bool colourBlind = false;  // --daltonici: the board in colours that colour-blind players tell apart
};

// Answers --help and --version on standard output and a wrong option on
// standard error; returns the exit status when the program must end there,
// nothing when the game is to start with `options`. Qt's own options
// (-platform, -style, -display...) are left to Qt.
std::optional<int> answer(int argc, char **argv, Options *options);

} // namespace CommandLine
