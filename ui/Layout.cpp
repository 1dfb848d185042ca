#include "Layout.h"

#include <QLabel>
#include <QScreen>
#include <QWidget>

QRect twipRect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

QString labelStyle(const QColor &background, const QColor &text, bool border)
{
    return QStringLiteral("QLabel { background-color: %1; color: %2; border: %3; }")
        .arg(background.name(), text.name(),
             border ? QStringLiteral("1px solid #000000") : QStringLiteral("none"));
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
