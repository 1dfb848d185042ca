#include "Layout.h"

#include "Fonts.h"

#include <QLabel>
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

void pinDesignedPalette(QWidget *window)
{
    window->setPalette(window->style()->standardPalette());
}

QLabel *makeLabel(QWidget *parent, const QString &text, const QRect &rect, const QFont &font,
                  Qt::Alignment alignment)
{
    auto *label = new QLabel(text, parent);
    label->setGeometry(rect);
    label->setFont(font);
    label->setAlignment(alignment);
    return label;
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

void centreOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    // move() places the outer frame of a window.
    const QSize outer = window->frameGeometry().size().expandedTo(window->size());
    window->move(area.x() + (area.width() - outer.width()) / 2, area.y() + (area.height() - outer.height()) / 2);
}
