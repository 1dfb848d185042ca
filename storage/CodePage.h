// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>

// The 8-bit code page of the game's text files: Windows-1252, the ANSI code
// page of Western European systems. Bytes 0x80 to 0x9F hold the euro sign,
// typographic quotes, dashes and a few letters; the five bytes it leaves
// undefined map to the control characters of the same number, as Windows
// maps them, so every byte reads as one character and writes back unchanged.
namespace CodePage {

QString decode(const QByteArray &bytes);

// A character the code page cannot hold is written as "?".
QByteArray encode(const QString &text);

bool canHold(QChar c);

// Upper case, character by character: the length never changes, and a
// letter whose capital the code page cannot hold stays as it is ("ß", "µ").
QString toUpper(const QString &text);

} // namespace CodePage
