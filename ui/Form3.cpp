// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Form3.h"

#include "ui/Accessibility.h"
#include "ui/Artwork.h"
#include "ui/EnterKey.h"
#include "ui/Fonts.h"
#include "ui/Layout.h"
#include "ui/Palette.h"
#include "engine/Links.h"

#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QToolButton>

#include <algorithm>

const QString Form3::Credit = QStringLiteral("Tesmo Software");
const QString Form3::PostalContact =
    QStringLiteral("Tesmo Software - Via dell'Esempio 1, 00100 Roma (RM) - Tel. 06 0000000");

namespace {

bool isLink(int index)
{
    return index == 1 || index == 4 || index == 5;
}

} // namespace

Form3::Form3(QWidget *mainWindow, Start start, Pointer pointer)
    : QDialog(mainWindow)
    , m_main(mainWindow)
    , m_start(std::move(start))
    , m_pointer(std::move(pointer))
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(tr("Tesmo"));
    pinDesignedLook(this);
    setWindowIcon(Artwork::programIcon());
    setFixedSize(px(6255), px(6165));
    setModal(true);
    setMouseTracking(true);
    installEventFilter(this);

    Command3d1 = makePictureButton(this, tr("&OK"), QIcon(Artwork::exitPicture()), QSize(32, 32),
                                   tr("Torna al gioco"), twipRect(480, 4890, 5205, 1095), 9.75);
    Command3d1->setObjectName(QStringLiteral("Command3d1"));
    connect(Command3d1, &QToolButton::clicked, this, &Form3::Command3d1_Click);
    EnterKey::pressesDefault(this, Command3d1);

    Frame2 = new ClassicFrame(this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setGeometry(twipRect(480, 960, 5205, 3825));
    Frame2->setMouseTracking(true);
    Frame2->installEventFilter(this);

    Frame1 = new ClassicFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(twipRect(480, 180, 5205, 675));

    Picture1 = new QLabel(Frame1);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(twipRect(390, 150, 495, 495));
    Picture1->setAutoFillBackground(true);
    QPalette grey = Picture1->palette();
    grey.setColor(QPalette::Window, qbColor(Palette::LightGrey));
    Picture1->setPalette(grey);
    Picture1->setPixmap(Artwork::programIcon().pixmap(32, 32));
    Picture1->setAlignment(Qt::AlignCenter);

    Label2 = makeLabel(Frame1, Credit, twipRect(1050, 150, 3795, 435), Fonts::tahoma(18, true), CentredText);
    Label2->setObjectName(QStringLiteral("Label2"));
    autoSize(Label2);

    struct Line
    {
        int index, left, top, width, height;
        bool autoHeight;
        QString text;
        QColor colour;
    };
    const Line lines[] = {
        {3, 150, 390, 4860, 630, true,
         tr("Per ricevere il CD-ROM con tutto il Vosti Letter Pack (Diversi giochi con le lettere "
            "registrati, giochi con le carte, utilities ed altro) visitare questo sito:"),
         palette().color(QPalette::WindowText)},
        {5, 570, 1020, 3900, 210, true, Links::ShopPage, qbColor(Palette::LightBlue)},
        {2, 750, 1470, 3570, 555, false, PostalContact, qbColor(Palette::LightRed)},
        {4, 705, 2160, 3735, 330, true, Links::MailAddress, qbColor(Palette::LightBlue)},
        {1, 1350, 2400, 2490, 210, true, Links::HomePage, qbColor(Palette::LightBlue)},
        {0, 300, 2940, 4740, 420, true,
         tr("Per gli effetti sonori  ringrazio Tobio e Serilla le cui voci sono state campionate "
            "alla loro età di 23 mesi."),
         qbColor(Palette::Blue)},
    };
    for (const Line &line : lines) {
        QFont font = Fonts::tahoma(9);
        if (isLink(line.index)) {
            font.setBold(true);
            font.setUnderline(true);
        }
        QLabel *label = makeLabel(Frame2, line.text, twipRect(line.left, line.top, line.width, line.height), font,
                                  CentredText);
        label->setObjectName(QStringLiteral("Label1_%1").arg(line.index));
        label->setWordWrap(true);
        setLabelColours(label, line.colour);
        if (line.autoHeight)  // grows to hold its wrapped text
            label->resize(label->width(), std::max(label->height(), label->heightForWidth(label->width())));
        label->setMouseTracking(true);
        label->installEventFilter(this);
        Label1[line.index] = label;
    }

    centreOnScreen(this);
    Command3d1->setFocus();
    Accessibility::nameControls(*this);
}

void Form3::Label1_Click(int index)
{
    const QString text = Label1[index]->text();
    switch (index) {
    case 1:
        m_start(QStringLiteral("Start ") + text);
        break;
    case 4:
        m_start(QStringLiteral("start mailto:") + text);
        break;
    case 5:
        m_start(QStringLiteral("start ") + text);
        break;
    default:
        break;
    }
}

void Form3::Command3d1_Click()
{
    m_main->setEnabled(true);
    accept();
}

bool Form3::eventFilter(QObject *watched, QEvent *event)
{
    int index = -1;
    for (int i = 0; i < 6; ++i) {
        if (watched == Label1[i])
            index = i;
    }
    if (event->type() == QEvent::MouseMove) {
        if (index >= 0) {
            m_pointer(isLink(index));
            return true;  // the frame underneath must not turn it back
        }
        if (watched == this || watched == Frame2)
            m_pointer(false);
    } else if (event->type() == QEvent::MouseButtonRelease && index >= 0) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && Label1[index]->rect().contains(mouse->position().toPoint()))
            Label1_Click(index);
    }
    return QDialog::eventFilter(watched, event);
}
