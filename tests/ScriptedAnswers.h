// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/GameWindow.h"

#include <QList>

// How the tests answer the game's message boxes: an OK box is acknowledged,
// a yes-or-no question takes the next scripted answer, and Yes once the
// script has run out.
inline GameWindow::Answer scriptedAnswer(QList<GameWindow::Answer> &script, GameWindow::Buttons buttons)
{
    if (buttons == GameWindow::Buttons::Ok)
        return GameWindow::Answer::Ok;
    return script.isEmpty() ? GameWindow::Answer::Yes : script.takeFirst();
}
