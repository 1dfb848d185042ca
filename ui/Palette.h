// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/Palette.h"

#include <QColor>
#include <QCoreApplication>
#include <QString>

// The RGB value of each palette number (engine/Palette.h names them).
inline QColor qbColor(int index)
{
    static const QColor colours[16] = {
        QColor(0, 0, 0),       QColor(0, 0, 128),     QColor(0, 128, 0),     QColor(0, 128, 128),
        QColor(128, 0, 0),     QColor(128, 0, 128),   QColor(128, 128, 0),   QColor(192, 192, 192),
        QColor(128, 128, 128), QColor(0, 0, 255),     QColor(0, 255, 0),     QColor(0, 255, 255),
        QColor(255, 0, 0),     QColor(255, 0, 255),   QColor(255, 255, 0),   QColor(255, 255, 255),
    };
    return colours[index & 15];
}

// How the board's cells are painted. The designed colours tell the letter
// elsewhere (green) from the absent letter (dark red) poorly for players who
// see red and green alike; the colour-blind palette paints those two with
// Okabe and Ito's orange and blue, which all three kinds of colour blindness
// keep apart. The right letter stays white and the unused cell black.
enum class BoardColours { Designed, ColourBlind };

// The colour a cell of palette number `number` is painted in.
inline QColor cellColour(int number, BoardColours colours)
{
    if (colours == BoardColours::ColourBlind) {
        if (number == Palette::Green)
            return QColor(230, 159, 0);  // orange
        if (number == Palette::DarkRed)
            return QColor(0, 114, 178);  // blue
    }
    return qbColor(number);
}

// Its name, as a screen reader says it of a cell ("la casella è ...").
inline QString cellColourName(int number, BoardColours colours)
{
    const bool colourBlind = colours == BoardColours::ColourBlind;
    switch (number) {
    case Palette::White:
        return QCoreApplication::translate("Accessibility", "bianca");
    case Palette::Green:
        return colourBlind ? QCoreApplication::translate("Accessibility", "arancione") : QCoreApplication::translate("Accessibility", "verde");
    case Palette::DarkRed:
        return colourBlind ? QCoreApplication::translate("Accessibility", "blu") : QCoreApplication::translate("Accessibility", "rossa");
    default:
        return QCoreApplication::translate("Accessibility", "nera");
    }
}
