// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Lines and numbers of the game's text files.
namespace TextFile {

// The lines of a text: CR LF is the files' own line end, and a lone CR or
// LF from a hand edit counts too. A last line without an end still counts.
QList<QByteArray> lines(const QByteArray &bytes);

// The text without the characters that would end its line in a file.
QString oneLine(const QString &text);

// The number a text begins with, read the way the game has always read its
// files: blanks and tabs anywhere are ignored, a fraction or an exponent is
// allowed, and a text without digits reads as 0.
double leadingNumber(const QString &text);

// Rounds to the nearest whole number, halves to the even neighbour, and
// keeps the result within the 16-bit range.
int roundToShort(double value);

} // namespace TextFile
