// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "storage/FileLimits.h"

#include <QtGlobal>

// Every number the game is tuned by, named once with the reason for its
// value: the points, the pauses and timers, the limits of names and files,
// the rows of each attempt mode. Code and tests use these names; to change
// a rule, change it here. (The word lists are listed in
// tools/wordlists/lists.tsv.)
namespace Rules {

// ---------------------------------------------------------------- a game

// The manche counter counts the manches lost; the game ends when a manche
// start takes it past this, that is when the fifth manche is lost ("5/5").
constexpr int Manches = 5;

// Board rows of a manche in each attempt mode, the opening row with the
// revealed letter included: "5 tentativi" gives four guesses, "6 tentativi" five.
constexpr int FewRows = 5;
constexpr int ManyRows = 6;

// ---------------------------------------------------------------- points

// Points for each letter in its right place, by board row: 60 / row, so the
// earlier the letter is found the more it is worth (30, 20, 15, 12). The
// opening row and the last row of a manche (the found word or the solution
// shown) score none; row 5 scores only in the six-row mode.
constexpr int LetterPoints[ManyRows + 1] = {0, 0, 60 / 2, 60 / 3, 60 / 4, 60 / 5, 0};

// "Si" announces a letter in its place on the rows before this one; from it
// on (row 5, an ordinary row only in the six-row mode) the letter still
// scores but is not announced.
constexpr int FirstRowWithoutSi = 5;

// The found word earns WordPoints / row / T, where T counts the started
// periods of WordSeconds spent on the winning guess (0 to 9 s: T = 1): an
// earlier row and a quicker answer are worth more.
constexpr double WordPoints = 1200.0;
constexpr int WordSeconds = 10;

// ---------------------------------------------------------------- time

// Timer1: the seconds of the attempt and the points are refreshed twice a
// second, so the display lags the clock by half a second at most.
constexpr int TickMilliseconds = 500;

// The congratulations window recolours one letter of "TESMO" per step; the
// fifteen colour pairs of a cycle take 1.2 s.
constexpr int CongratulationsStepMilliseconds = 80;

// After each voice clip the game pauses for the clip's file name, in
// characters, divided by this many a second ("Si.wav" 0.5 s, "TESMO-1.wav"
// 0.917 s). The game has always been timed by its file names: the
// recordings were cut to fit them, each clip shorter than its pause, so
// every announcement is heard whole before the next (a test checks every
// clip against its pause). The pause is taken with no voice too.
constexpr float PauseCharactersPerSecond = 12.0f;

// ---------------------------------------------------------------- names and files

// The longest name, the table's ranks and how much of a file is read are
// the files' own limits (storage/FileLimits.h); the game knows them by these names.
constexpr int NameLength = FileLimits::NameLength;
constexpr int HighScoreRanks = FileLimits::HighScoreRanks;
constexpr qint64 SettingsReadLimit = FileLimits::SettingsReadLimit;
constexpr qint64 HighScoresReadLimit = FileLimits::HighScoresReadLimit;

} // namespace Rules
