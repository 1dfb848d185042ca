// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/GameWindow.h"

class QWidget;

// The game's own message boxes: modal, no icon, Italian buttons.
GameWindow::Answer showMessageBox(QWidget *parent, const QString &text, const QString &title,
                                  GameWindow::Buttons buttons);

// The program is ending (its windows closed, its event loops told to end):
// a box open now gives up waiting and later ones are not shown; a question
// then reads as "No".
void endMessageBoxes();
