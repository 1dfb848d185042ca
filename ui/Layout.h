#pragma once

#include <QColor>
#include <QFont>
#include <QGroupBox>
#include <QRect>
#include <QString>

class QIcon;
class QLabel;
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

// A label's colours and its single black border, as a style sheet.
QString labelStyle(const QColor &background, const QColor &text, bool border);

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
