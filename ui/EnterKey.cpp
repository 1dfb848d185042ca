// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/EnterKey.h"

#include <QAbstractButton>
#include <QKeyEvent>

namespace {

// Clicks its button on Enter (keypad or main keyboard, no other modifier)
// reaching the object it watches; a key held down clicks once.
class EnterClicks : public QObject
{
public:
    EnterClicks(QAbstractButton *button, QObject *watched)
        : QObject(watched)
        , m_button(button)
    {
        watched->installEventFilter(this);
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            || (key->modifiers() & ~Qt::KeypadModifier))
            return false;
        if (!key->isAutoRepeat() && m_button->isEnabled() && m_button->isVisible())
            m_button->click();
        return true;
    }

private:
    QAbstractButton *m_button;
};

} // namespace

namespace EnterKey {

void pressesFocused(QAbstractButton *button)
{
    new EnterClicks(button, button);
}

void pressesDefault(QWidget *window, QAbstractButton *button)
{
    new EnterClicks(button, window);
}

} // namespace EnterKey
