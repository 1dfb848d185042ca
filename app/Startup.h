// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// What the program sets up once its application object exists and before
// any window: its name, Qt's own strings in Italian whatever the desktop's
// language, and the designed fonts.
namespace Startup {

// Qt's own strings that the game shows (the text boxes' context menus) in
// Italian: from Qt's catalogue in `folder` (qt6-translations-l10n) when it is
// there, else from the game's own copy of them, so they never fall back to
// English.
void installQtStrings(const QString &folder);

void prepareApplication();

} // namespace Startup
