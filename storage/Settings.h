// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once


#include <QByteArray>
#include <QString>

#include <optional>

// The three-line settings file "Tesmo.ini": Nome=, Suono= and Tentativi=,
// written in the game's code page with CR LF line ends. A file as the game
// writes it is read by position, the keys skipped unseen; a hand-edited one
// (a key out of its place, blanks around "=") by key. A byte-order mark is
// skipped, and a file of valid UTF-8 beyond ASCII is read as UTF-8.
namespace Settings {

inline constexpr char FileName[] = "Tesmo.ini";

struct Values
{
    std::optional<QString> name;      // trimmed of spaces, upper case
    std::optional<int> voice;         // 0..2 (an out-of-range number becomes 1)
    std::optional<int> attempts;      // the stored count, rounded
};

Values parse(const QByteArray &bytes);

// A name as the file keeps it and reads it back: in capitals, without the
// spaces around it (other blanks belong to the name).
QString storedName(const QString &name);
// A line break in the name is left out, so the file keeps its three lines.
QByteArray serialize(const QString &name, int voiceIndex, int attempts);

} // namespace Settings
