// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

// What the program sets up once its application object exists and before
// any window: its name, the language it speaks (the first of the desktop's
// that it has, Italian otherwise) with Qt's own strings in it (the text
// boxes' context menus), and the designed fonts. Returns the language.
namespace Startup {

QString prepareApplication(const QStringList &languages = QLocale::system().uiLanguages());

// Qt's own strings that the game shows (the text boxes' context menus) in
// Italian: from Qt's catalogue in `folder` (qt6-translations-l10n) when it is
// there, else from the game's own copy of them, so they never fall back to
// English.
void installQtStrings(const QString &folder);

} // namespace Startup
