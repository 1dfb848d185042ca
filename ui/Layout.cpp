// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Layout.h"

#include "ui/DesignStyle.h"
#include "ui/Fonts.h"
#include "ui/Palette.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QWindow>
#include <QScreen>
#include <QStyle>
#include <QToolButton>
#include <QWidget>

QRect twipRect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

void setLabelColours(QLabel *label, const QColor &text, const QColor &background, bool border)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, text);
    if (background.isValid())
        palette.setColor(QPalette::Window, background);
    // A one-pixel sunken panel is drawn in the dark and light colours: both
    // black give the plain black border.
    palette.setColor(QPalette::Dark, Qt::black);
    palette.setColor(QPalette::Light, Qt::black);
    label->setPalette(palette);
    label->setAutoFillBackground(background.isValid());
    label->setFrameStyle(border ? QFrame::Panel | QFrame::Sunken : QFrame::NoFrame);
    label->setLineWidth(1);
}

void pinDesignedLook(QWidget *window)
{
    DesignStyle::install();
    // A disabled window of the game keeps its look and only refuses input:
    // its disabled colours are its active ones.
    QPalette palette = window->style()->standardPalette();
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto colourRole = static_cast<QPalette::ColorRole>(role);
        palette.setBrush(QPalette::Disabled, colourRole, palette.brush(QPalette::Active, colourRole));
    }
    window->setPalette(palette);
}

QLabel *makeLabel(QWidget *parent, const QString &text, const QRect &rect, const QFont &font,
                  Qt::Alignment alignment)
{
    auto *label = new QLabel(text, parent);
    label->setGeometry(rect);
    label->setFont(font);
    label->setAlignment(alignment);
    label->setIndent(0);  // the text starts at the border, even with a frame
    // Centred text drawn from the top starts where the classic look starts
    // its lines (with a centred label, the indent applies to the top only).
    if ((alignment & Qt::AlignTop) && (alignment & Qt::AlignHCenter))
        label->setIndent(Fonts::lineTopGap(font));
    return label;
}

void autoSize(QLabel *label)
{
    label->resize(label->sizeHint().width(), label->height());
}

QToolButton *makePictureButton(QWidget *parent, const QString &caption, const QIcon &picture,
                               const QSize &pictureSize, const QString &tip, const QRect &rect, double fontPoints)
{
    auto *button = new QToolButton(parent);
    button->setText(caption);
    // The picture stays in colour while its window is disabled.
    QIcon icon = picture;
    for (const QSize &size : picture.availableSizes())
        icon.addPixmap(picture.pixmap(size), QIcon::Disabled);
    button->setIcon(icon);
    button->setIconSize(pictureSize);
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setFont(Fonts::tahoma(fontPoints));
    button->setToolTip(tip);
    button->setFocusPolicy(Qt::StrongFocus);
    button->setGeometry(rect);
    return button;
}

namespace {

// The frame and title bar the window manager puts round a window: a window
// that has been on screen knows its own; one about to be shown is given what
// the program's other windows got.
QMargins decorations(const QWidget *window)
{
    if (window->windowHandle() && !window->windowHandle()->frameMargins().isNull())
        return window->windowHandle()->frameMargins();
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (const QWidget *other : windows) {
        if (other != window && other->isVisible() && other->windowHandle()
            && !other->windowHandle()->frameMargins().isNull())
            return other->windowHandle()->frameMargins();
    }
    return {};
}

} // namespace

void centreOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const QMargins frame = decorations(window);
    const QSize outer = window->size().grownBy(frame);
    // move() places the outer frame of a window.
    window->move(area.x() + (area.width() - outer.width()) / 2, area.y() + (area.height() - outer.height()) / 2);
}

void ClassicFrame::paintEvent(QPaintEvent *)
{
    // The classic etched frame: its line runs through the middle of the
    // caption, which sits on it a little in from the left.
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int top = title().isEmpty() ? 0 : metrics.height() / 2;
    const QRect box(0, top, width() - 1, height() - 1 - top);
    painter.setPen(qbColor(Palette::Grey));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.setPen(Qt::white);
    painter.drawRect(box.adjusted(1, 1, 0, 0));
    if (title().isEmpty())
        return;
    const QString caption = QString(title()).remove(QLatin1Char('&'));
    const QRect text(8, 0, metrics.horizontalAdvance(caption) + 4, metrics.height());
    painter.fillRect(text, palette().color(backgroundRole()));
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(text, Qt::AlignCenter | Qt::TextSingleLine, caption);
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    style()->drawItemPixmap(&painter, contentsRect(), int(alignment()), pixmap());
}
