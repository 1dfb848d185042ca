// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the program sets up once its application object exists and before
// any window: its name, Qt's own strings in Italian (the text boxes' context
// menus) whatever the desktop's language, and the designed fonts.
namespace Startup {

void prepareApplication();

} // namespace Startup
