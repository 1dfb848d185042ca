// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

class QTranslator;

// The language the game speaks. Italian is its own: its texts are written in
// the code and need no catalogue. Any other language has a catalogue,
// i18n/tesmo_<language>.ts, built into the program.
namespace Language {

constexpr char Own[] = "it";

// The first of the desktop's languages, in the order given (LANGUAGE, then
// LC_ALL, LC_MESSAGES, LANG, as QLocale::uiLanguages() lists them), that the
// game speaks: its own, or one it has a catalogue for. None of them (the C
// locale, or only languages without a catalogue): its own.
QString choose(const QStringList &desktop = QLocale::system().uiLanguages());

// The built-in catalogue of a language ("" for the game's own, or for a
// language without one).
QString catalogue(const QString &language);

// Loads the game's catalogue of a language; false for its own language.
bool load(QTranslator *translator, const QString &language);

} // namespace Language
