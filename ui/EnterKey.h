// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QAbstractButton;
class QWidget;

// Enter and keypad Enter press buttons as on the desktop the game was
// designed for. Space keeps pressing a focused button as Qt does.
namespace EnterKey {

// Enter on the button while it has the keyboard clicks it.
void pressesFocused(QAbstractButton *button);

// Enter anywhere in the window that no control takes for itself clicks the
// button: the window's OK is its default button.
void pressesDefault(QWidget *window, QAbstractButton *button);

} // namespace EnterKey
