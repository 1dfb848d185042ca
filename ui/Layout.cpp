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
    label->setPalette(palette);
    label->setAutoFillBackground(background.isValid());
    label->setFrameStyle(QFrame::NoFrame);
    // The single black border is drawn by the label itself (DesignLabel),
    // inside the one pixel its text keeps clear of.
    if (auto *design = dynamic_cast<DesignLabel *>(label))
        design->setBorder(border);
}

namespace {

// Switches the painter to device pixels and returns where a logical
// rectangle lies there, on whole pixels, with the width in device pixels of
// a line one logical pixel wide: the same on every side at any scale.
std::pair<QRect, int> onDevicePixels(QPainter &painter, const QRectF &logical)
{
    const QTransform device = painter.deviceTransform();
    const QRectF mapped = device.mapRect(logical);
    painter.setWorldTransform(device.inverted() * painter.worldTransform());
    const QRect rect(QPoint(qRound(mapped.left()), qRound(mapped.top())),
                     QPoint(qRound(mapped.right()) - 1, qRound(mapped.bottom()) - 1));
    return {rect, std::max(1, qRound(device.m11()))};
}

// The four sides of a rectangle, `line` device pixels wide, inside it.
void outline(QPainter &painter, const QRect &rect, int line, const QColor &colour)
{
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), line), colour);
    painter.fillRect(QRect(rect.left(), rect.bottom() - line + 1, rect.width(), line), colour);
    painter.fillRect(QRect(rect.left(), rect.top(), line, rect.height()), colour);
    painter.fillRect(QRect(rect.right() - line + 1, rect.top(), line, rect.height()), colour);
}

} // namespace

void DesignLabel::setBorder(bool border)
{
    if (m_border == border)
        return;
    m_border = border;
    setContentsMargins(border ? QMargins(1, 1, 1, 1) : QMargins());
    update();
}

void DesignLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!m_border)
        return;
    QPainter painter(this);
    const auto [box, line] = onDevicePixels(painter, QRectF(rect()));
    outline(painter, box, line, Qt::black);
}

QPalette designedPalette()
{
    // The light grey of the classic desktop, with its navy selection (white
    // on it reads at 16:1), the same in every state: a disabled window of
    // the game keeps its look and only refuses input. Fixed here, since the
    // style's own palette follows the desktop's theme.
    static const std::pair<QPalette::ColorRole, QRgb> colours[] = {
        {QPalette::WindowText, 0xff000000}, {QPalette::Button, 0xffefefef},      {QPalette::Light, 0xffffffff},
        {QPalette::Midlight, 0xffcacaca},   {QPalette::Dark, 0xff9f9f9f},        {QPalette::Mid, 0xffb8b8b8},
        {QPalette::Text, 0xff000000},       {QPalette::BrightText, 0xffffffff},  {QPalette::ButtonText, 0xff000000},
        {QPalette::Base, 0xffffffff},       {QPalette::Window, 0xffefefef},      {QPalette::Shadow, 0xff767676},
        {QPalette::Highlight, 0xff000080},  {QPalette::HighlightedText, 0xffffffff}, {QPalette::Link, 0xff0000ff},
        {QPalette::LinkVisited, 0xffff00ff}, {QPalette::AlternateBase, 0xfff7f7f7}, {QPalette::ToolTipBase, 0xffffffdc},
        {QPalette::ToolTipText, 0xff000000}, {QPalette::PlaceholderText, 0x80000000},
    };
    QPalette palette;
    for (const auto &[role, rgb] : colours)
        palette.setColor(role, QColor::fromRgba(rgb));  // every group alike
    return palette;
}

void pinDesignedLook(QWidget *window)
{
    DesignStyle::install();
    window->setPalette(designedPalette());
    // What has no font of its own (the menu bar, the frames) keeps the
    // designed one, whatever font the desktop gives programs.
    window->setFont(QFont(QStringLiteral("Sans Serif"), 9));
}

QLabel *makeLabel(QWidget *parent, const QString &text, const QRect &rect, const QFont &font,
                  Qt::Alignment alignment)
{
    auto *label = new DesignLabel(text, parent);
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
    button->setIcon(picture);
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
    // A grey line with a white one a pixel to its lower right, both on whole
    // device pixels at any scale.
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int top = title().isEmpty() ? 0 : metrics.height() / 2;
    painter.save();
    const auto [box, line] = onDevicePixels(painter, QRectF(0, top, width() - 1, height() - 1 - top));
    outline(painter, box, line, qbColor(Palette::Grey));
    outline(painter, box.translated(line, line), line, Qt::white);
    painter.restore();
    if (title().isEmpty())
        return;
    const QString caption = QString(title()).remove(QLatin1Char('&'));
    const QRect text(8, 0, metrics.horizontalAdvance(caption) + 4, metrics.height());
    painter.fillRect(text, palette().color(backgroundRole()));
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(text, Qt::AlignCenter | Qt::TextSingleLine, caption);
}
