// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/MessageBox.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>

namespace {

bool ending = false;

// Swallows Escape, so a question can only be answered with its buttons.
class NoEscape : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject *, QEvent *event) override
    {
        return event->type() == QEvent::KeyPress
            && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape;
    }
};

} // namespace

GameWindow::Answer showMessageBox(QWidget *parent, const QString &text, const QString &title,
                                  GameWindow::Buttons buttons)
{
    if (ending)
        return buttons == GameWindow::Buttons::Ok ? GameWindow::Answer::Ok : GameWindow::Answer::No;
    QMessageBox box(parent);
    box.setWindowTitle(title);
    box.setText(text);
    box.setIcon(QMessageBox::NoIcon);
    box.setTextFormat(Qt::PlainText);
    if (buttons == GameWindow::Buttons::Ok) {
        QPushButton *ok = box.addButton(QCoreApplication::translate("MessageBox", "OK"), QMessageBox::AcceptRole);
        box.setDefaultButton(ok);
        box.setEscapeButton(ok);
        box.exec();
        return GameWindow::Answer::Ok;
    }
    // A yes-or-no question has no other way out: no escape, no close box.
    // S and N answer it, with or without Alt, as the underlined letters say.
    QPushButton *yes = box.addButton(QCoreApplication::translate("MessageBox", "&Sì"), QMessageBox::YesRole);
    QPushButton *no = box.addButton(QCoreApplication::translate("MessageBox", "&No"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setWindowFlag(Qt::WindowCloseButtonHint, false);
    NoEscape noEscape;
    box.installEventFilter(&noEscape);
    do {
        box.exec();
    } while (box.clickedButton() != yes && box.clickedButton() != no && !ending);
    return box.clickedButton() == yes ? GameWindow::Answer::Yes : GameWindow::Answer::No;
}

void endMessageBoxes()
{
    ending = true;
}
