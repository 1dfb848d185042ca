// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

// What must hold for any content of the game's files, whatever the bytes.
// Shared by the fuzz targets and the test suite, which replays the inputs
// kept in fuzz/corpus. Each check returns what broke, or an empty text.
namespace Properties {

// The first eight bytes choose the random number, the rest is the list.
QString wordListOnBuffer(const QByteArray &input);

// The same on a real file at path, opened as the game opens a list.
QString wordListOnFile(const QByteArray &input, const QString &path);

// Settings read, written and read again give the same values; with a
// path, the writing and second reading go through a real file.
QString settingsRoundTrip(const QByteArray &input, const QString &path = QString());

// A table read, ranked, written and read again is the same table; with a
// path, through a real file.
QString highScoresRoundTrip(const QByteArray &input, const QString &path = QString());

// A player's list brought up to a shipped list, both cut from the input
// (its first byte says where), in the folder given: the player's list ends
// up as the shipped words with the marks of the words the player drew, or
// as it was when it already held the same words or the shipped list has
// none; nothing else is left in the folder.
QString wordListUpgrade(const QByteArray &input, const QString &folder);

} // namespace Properties
