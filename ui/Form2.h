// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QTimer;
class QToolButton;

// "Tesmo - Complimenti!": the letters T, E, S, M, O cycling through the
// sixteen colours until "&OK". One window object serves every showing, so the
// cycle goes on where the last showing left it.
class Form2 : public QDialog
{
    Q_OBJECT

public:
    explicit Form2(QWidget *parent = nullptr);

    // Centres the window and sets the letters white on black, as every
    // showing starts.
    void prepare();
    // Shows the window modally and returns when it has been closed.
    void showModal();

    void Timer1_Timer();
    void Command3d1_Click();

    QGroupBox *Frame1 = nullptr;
    QLabel *Label1[5] = {};
    QToolButton *Command3d1 = nullptr;
    QTimer *Timer1 = nullptr;

    int letterCounter() const { return m_i; }
    int colourCounter() const { return m_j; }

protected:
    void hideEvent(QHideEvent *event) override;

private:
    void paintLetter(int index, int text, int background);

    qint16 m_i = 0;
    qint16 m_j = 0;
};
