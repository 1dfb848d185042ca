// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

#include <functional>

class QGroupBox;
class QLabel;
class QToolButton;

// The about window "Tesmo": credits, the maker's links and the thanks for
// the voices. Shown modally, centred every time.
class Form3 : public QDialog
{
    Q_OBJECT

public:
    using Start = std::function<void(const QString &commandLine)>;
    using Pointer = std::function<void(bool hand)>;

    // start runs a start command line; pointer sets the program's pointer to
    // the hand (true) or the arrow.
    Form3(QWidget *mainWindow, Start start, Pointer pointer);

    QGroupBox *Frame1 = nullptr, *Frame2 = nullptr;
    QLabel *Picture1 = nullptr, *Label2 = nullptr;
    QLabel *Label1[6] = {};
    QToolButton *Command3d1 = nullptr;

    static const QString Credit;
    static const QString PostalContact;

    void Label1_Click(int index);
    void Command3d1_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_main;
    Start m_start;
    Pointer m_pointer;
};
