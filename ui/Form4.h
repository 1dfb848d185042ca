// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/TesmoGame.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class QListWidget;
class QToolButton;

// "TESMO - Hiscores Table": the fifty best results, shown without blocking
// the program. While it is open the main window is disabled; "&OK" leads back.
class Form4 : public QDialog
{
    Q_OBJECT

public:
    // Loading the window centres it, disables the main window and runs the
    // table routine of the game, which may enter and store a finished game.
    Form4(TesmoGame &game, QWidget *mainWindow);

    QLabel *Picture1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QToolButton *Command3d1 = nullptr;
    QGroupBox *Frame1 = nullptr;
    QListWidget *List1 = nullptr;

    void Command3d1_Click();

    // Every way out (the button, Escape, the frame's close box, the window
    // manager) ends here and leads back to the game as the button does.
    void done(int result) override;

private:
    QWidget *m_main;
};
