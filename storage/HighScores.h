// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "storage/FileLimits.h"

#include <QByteArray>
#include <QLocale>
#include <QString>

#include <array>

// The fifty best results, kept in "TESMO.HIS": one line per rank in the
// game's code page, the name, a comma and the score, ended by CR LF.
namespace HighScores {

inline constexpr char FileName[] = "TESMO.HIS";
// The ranks (FileLimits::HighScoreRanks), the slot for a new result, and room for a long file.
constexpr int Slots = FileLimits::HighScoreRanks + 4;
constexpr int NewResultSlot = FileLimits::HighScoreRanks + 1;

struct Entry
{
    QString Name;
    qint16 Score = 0;
};

// Slot n of the game's table is element n - 1.
using Table = std::array<Entry, Slots>;

// One line of the file. The score follows the last comma, so a name may hold
// commas; a line without a comma is a name with no points.
Entry parseLine(const QByteArray &line);

// Puts the lines of a file into slots 1, 2, ... of the table, at most 54;
// slots after the last line keep what they held.
void load(const QByteArray &bytes, Table *table);

// Orders slots 1 to 51 by score, highest first; equal scores keep their order.
void rank(Table *table);

// The fifty ranks as the file holds them; a line break in a name is left out.
QByteArray serialize(const Table &table);

// A score as a table entry holds it: within the 16-bit range.
qint16 clamp(qint64 points);

// A row of the high-score window: rank, name and score in fixed columns.
QString formatRow(int rank, const Entry &entry, const QLocale &locale = QLocale());

} // namespace HighScores
