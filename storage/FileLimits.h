// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

// The limits of the game's files: the longest name a line holds, the ranks
// of the table, and how much of a file is read. They belong to the files,
// so storage depends on nothing above it; the game's rules (engine/Rules.h)
// name them for the name box and the windows.
namespace FileLimits {

// The longest player name: it fills the table's row (13 characters shown)
// with room to spare, and keeps the settings and high-score lines short.
constexpr int NameLength = 40;

// The ranks of the high-score table.
constexpr int HighScoreRanks = 50;

// What is read of the settings and high-score files: far more than their
// lines hold at the longest name; a larger file is read only this far.
constexpr qint64 SettingsReadLimit = 64 * 1024;
constexpr qint64 HighScoresReadLimit = 64 * 1024;

} // namespace FileLimits
