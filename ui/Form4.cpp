// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Form4.h"

#include "ui/Accessibility.h"
#include "ui/Artwork.h"
#include "ui/EnterKey.h"
#include "ui/Fonts.h"
#include "ui/Layout.h"
#include "ui/Palette.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QToolButton>
#include <QWindow>

Form4::Form4(TesmoGame &game, QWidget *mainWindow)
    : QDialog(nullptr)  // not a child: a disabled main window must not disable it
    , m_main(mainWindow)
{
    setObjectName(QStringLiteral("Form4"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("TESMO - Hiscores Table"));
    pinDesignedLook(this);
    QPixmap none(16, 16);
    none.fill(Qt::transparent);
    setWindowIcon(QIcon(none));
    setFont(Fonts::tahoma(8.25, true));
    setFixedSize(px(6810), px(5280));

    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(twipRect(360, 240, 510, 510));
    Picture1->setPixmap(Artwork::hiscoresPicture());
    Picture1->setAlignment(Qt::AlignCenter);

    Label1 = makeLabel(this, tr("Vosti The Best"), twipRect(1110, 195, 3075, 375), Fonts::tahoma(14.25),
                       CentredText);
    Label1->setObjectName(QStringLiteral("Label1"));
    setLabelColours(Label1, Qt::black, qbColor(Palette::LightCyan), true);
    Label1->setToolTip(tr("Er mejo (per adesso)"));

    Label2 = makeLabel(this, tr("(The Best)"), twipRect(1965, 600, 1185, 240), Fonts::tahoma(9.75),
                       CentredText);
    Label2->setObjectName(QStringLiteral("Label2"));
    setLabelColours(Label2, Qt::black);

    Command3d1 = makePictureButton(this, tr("&OK"), QIcon(Artwork::okPicture64()), QSize(64, 63),
                                   tr("Torna al gioco"), twipRect(4320, 120, 1875, 1275));
    Command3d1->setObjectName(QStringLiteral("Command3d1"));
    connect(Command3d1, &QToolButton::clicked, this, &Form4::Command3d1_Click);
    EnterKey::pressesDefault(this, Command3d1);

    Frame1 = new ClassicFrame(tr("Migliori punteggi"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(twipRect(600, 1470, 5625, 3315));
    Frame1->setFont(Fonts::tahoma(8.25));

    List1 = new QListWidget(Frame1);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setGeometry(twipRect(270, 420, 5145, 2700));
    List1->setFont(Fonts::courierNew(9.75, true));

    QWidget::setTabOrder(Command3d1, List1);

    // The load: centre, disable the main window, then read (and maybe store) the table.
    // Centred before the native window exists, so that the position is taken
    // as the outer frame's, as for the other small windows; once the window
    // exists a move places its client area, the title bar above the centre.
    centreOnScreen(this);

    // Not a child of the main window, but its transient: window managers and
    // compositors keep it above the main window, and centre it there where
    // they place windows themselves.
    winId();
    windowHandle()->setTransientParent(m_main->window()->windowHandle());

    m_main->setEnabled(false);
    const TesmoGame::HighScoreListing listing = game.AGGIORNARECORD();
    Label1->setText(listing.best);
    List1->addItems(listing.rows);
    List1->setCurrentRow(listing.matchPosition > 0 ? listing.matchPosition - 1 : 0);
    Accessibility::nameControls(*this);
}

void Form4::Command3d1_Click()
{
    close();
}

void Form4::done(int result)
{
    m_main->show();
    m_main->setEnabled(true);
    QDialog::done(result);
}
