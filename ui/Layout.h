// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QRect>
#include <QString>

class QIcon;
class QToolButton;
class QWidget;

// Twips to pixels at 96 dots per inch.
constexpr int px(int twips)
{
    return (twips + 7) / 15;
}

QRect twipRect(int left, int top, int width, int height);

// A label's centred text: centred across, drawn from the top, as the classic label does.
constexpr Qt::Alignment CentredText = Qt::AlignHCenter | Qt::AlignTop;

// A label's text colour and, when given, its background and single black
// border, from the label's palette and frame (no style sheet: the labels of
// the board are repainted often).
void setLabelColours(QLabel *label, const QColor &text, const QColor &background = QColor(), bool border = false);

// The colours of the game's windows, the same in every state of a window.
QPalette designedPalette();

// Gives a window of the game the colours it was designed with, whatever the
// colours of the desktop (a dark desktop theme would otherwise darken its
// boxes and lists beside the fixed colours of its labels), and the same look
// while it is disabled as while it takes input (DesignStyle).
void pinDesignedLook(QWidget *window);

QLabel *makeLabel(QWidget *parent, const QString &text, const QRect &rect, const QFont &font,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop);

// A label that sizes itself to its text: as wide as the text, from where it
// stands; its designed height is already the text's height.
void autoSize(QLabel *label);

// A button with its picture above its caption, the way the game's buttons look.
QToolButton *makePictureButton(QWidget *parent, const QString &caption, const QIcon &picture,
                               const QSize &pictureSize, const QString &tip, const QRect &rect,
                               double fontPoints = 8.25);

// Places a window in the middle of its screen, by its outer size.
void centreOnScreen(QWidget *window);

// A frame drawn as the classic one, its caption on its top line.
class ClassicFrame : public QGroupBox
{
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent *event) override;
};

// The game's label: a QLabel whose single black border (setLabelColours)
// lies on whole device pixels, as wide on every side at any display scale.
class DesignLabel : public QLabel
{
public:
    using QLabel::QLabel;
    void setBorder(bool border);
    bool border() const { return m_border; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_border = false;
};
