// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/GameWindow.h"

class QWidget;

// The game's own message boxes: modal, no icon, Italian buttons.
GameWindow::Answer showMessageBox(QWidget *parent, const QString &text, const QString &title,
                                  GameWindow::Buttons buttons);
