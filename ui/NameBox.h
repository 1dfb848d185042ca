// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QValidator>

class QLineEdit;

// The player-name box takes a name that fits a line of the game's files: at
// most Rules::NameLength characters, each one the files can store
// (Windows-1252), and no control or invisible formatting character. A line
// break, typed or pasted, ends the name there: what came after it with the
// same paste is dropped.
class NameValidator : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &pos) const override;

    // Gives the box its length limit and this validator.
    static void install(QLineEdit *box);
};
