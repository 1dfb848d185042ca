// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Form2.h"

#include "ui/Accessibility.h"
#include "ui/Artwork.h"
#include "ui/EnterKey.h"
#include "ui/Fonts.h"
#include "ui/Layout.h"
#include "ui/Palette.h"
#include "engine/Rules.h"

#include <QGroupBox>
#include <QLabel>
#include <QTimer>
#include <QToolButton>

Form2::Form2(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(tr("Tesmo - Complimenti!"));
    pinDesignedLook(this);
    setWindowIcon(Artwork::congratsIcon());
    setFixedSize(px(6075), px(3510));
    setModal(true);

    Frame1 = new ClassicFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(twipRect(750, 390, 4665, 1455));
    Frame1->setFocusPolicy(Qt::NoFocus);

    static const char *const letters[5] = {"T", "E", "S", "M", "O"};
    for (int k = 0; k < 5; ++k) {
        Label1[k] = makeLabel(Frame1, QString::fromLatin1(letters[k]), twipRect(360 + 810 * k, 270, 765, 915),
                              Fonts::tahoma(36, true), CentredText);
        Label1[k]->setObjectName(QStringLiteral("Label1_%1").arg(k));
    }

    Command3d1 = makePictureButton(this, tr("&OK"), Artwork::congratsIcon(), QSize(32, 32),
                                   tr("Torna al gioco"), twipRect(750, 2070, 4665, 1035));
    Command3d1->setObjectName(QStringLiteral("Command3d1"));
    connect(Command3d1, &QToolButton::clicked, this, &Form2::Command3d1_Click);
    EnterKey::pressesDefault(this, Command3d1);

    Timer1 = new QTimer(this);
    Timer1->setInterval(Rules::CongratulationsStepMilliseconds);
    connect(Timer1, &QTimer::timeout, this, &Form2::Timer1_Timer);
    prepare();
    Accessibility::nameControls(*this);
}

void Form2::paintLetter(int index, int text, int background)
{
    setLabelColours(Label1[index], qbColor(text), qbColor(background), true);
}

void Form2::prepare()
{
    for (int k = 0; k < 5; ++k)
        paintLetter(k, Palette::White, Palette::Black);
    centreOnScreen(this);
}

void Form2::showModal()
{
    prepare();
    Timer1->start();
    Command3d1->setFocus();
    exec();
}

void Form2::Timer1_Timer()
{
    if (++m_i > 5)
        m_i = 1;
    if (++m_j > Palette::White)
        m_j = 1;
    paintLetter(m_i - 1, m_j, Palette::White - m_j);
}

void Form2::Command3d1_Click()
{
    accept();
}

void Form2::hideEvent(QHideEvent *event)
{
    Timer1->stop();
    QDialog::hideEvent(event);
}
