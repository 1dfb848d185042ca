// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QCursor>
#include <QIcon>
#include <QPixmap>

// The program's own pictures, all drawn in code the first time they are
// needed and kept for the rest of the run.
namespace Artwork {

QIcon programIcon();          // window / task bar icon (16, 32 and 48 px)
QPixmap programIconPicture(int size);  // the same icon at any multiple of 16 px
QByteArray programIconSvg();  // the same icon as a scalable picture: the 256 px one, in SVG
QPixmap acceptPicture();      // "Accetta" button: a green tick
QPixmap hiscoresPicture();    // "Hiscores" button: a gold cup
QPixmap exitPicture();        // "Fine" button: an open door with an arrow
QPixmap decorationPicture();  // main window ornament: a letter tile with "?"
QPixmap handPointerImage();   // the hand pointer as a plain picture
QCursor handCursor();         // the hand pointer as a cursor, hot spot (14, 7)
QPixmap okPicture64();        // big "OK" button of the high-score window
QIcon congratsIcon();         // congratulations window: a gold star

}
