#pragma once

#include "engine/GameWindow.h"

class QWidget;

// The game's own message boxes: modal, no icon, Italian buttons.
GameWindow::Answer showMessageBox(QWidget *parent, const QString &text, const QString &title,
                                  GameWindow::Buttons buttons);
