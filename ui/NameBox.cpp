// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/NameBox.h"
#include "engine/Rules.h"

#include "storage/CodePage.h"
#include "storage/Settings.h"

#include <QLineEdit>

#include <algorithm>

namespace {

bool isLineBreak(QChar c)
{
    return c == u'\r' || c == u'\n' || c == QChar(0x85) || c.category() == QChar::Separator_Line
           || c.category() == QChar::Separator_Paragraph;
}

// What the name box refuses: control characters, invisible formatting
// (bidirectional marks and overrides among them), and every character the
// game's files cannot store, so that what the player sees is what is kept.
bool isControl(QChar c)
{
    return c.category() == QChar::Other_Control || c.category() == QChar::Other_Format || isLineBreak(c)
           || !CodePage::canHold(c);
}

} // namespace

QValidator::State NameValidator::validate(QString &input, int &pos) const
{
    const qsizetype lineBreak = std::find_if(input.cbegin(), input.cend(), isLineBreak) - input.cbegin();
    if (lineBreak < input.size()) {
        // The cursor stands at the end of what was just put in.
        const qsizetype end = pos > lineBreak ? std::min<qsizetype>(pos, input.size()) : input.size();
        input.remove(lineBreak, end - lineBreak);
        pos = int(lineBreak);
    }
    for (qsizetype i = input.size() - 1; i >= 0; --i) {
        if (isControl(input[i])) {
            input.remove(i, 1);
            if (pos > i)
                --pos;
        }
    }
    return Acceptable;
}

void NameValidator::install(QLineEdit *box)
{
    box->setMaxLength(Rules::NameLength);
    box->setValidator(new NameValidator(box));
}
