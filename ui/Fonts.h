// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>

namespace Fonts {

// Starts reading the system's font configuration on a second thread, while
// the main one connects to the display: the first thing main() does, before
// the application object exists; the same thread reads the bold face.
// install() waits for it to end.
void preload();

// Makes the Tahoma and Courier New faces available: Tahoma from Debian's
// fonts-wine, Courier New through its metric twin Liberation Mono.
void install();

QFont tahoma(double points, bool bold = false);

// How much lower than the toolkit's own line top the classic look puts text
// drawn from the top of a label: its lines begin at the font's Windows ascent
// (usWinAscent), which for Tahoma holds an internal leading that FreeType's
// ascent leaves out. 0 for fonts whose two ascents agree.
int lineTopGap(const QFont &font);
QFont courierNew(double points, bool bold = false);

} // namespace Fonts
