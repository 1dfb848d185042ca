// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/DesignStyle.h"

#include <QApplication>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>

namespace {

// Draws with the option marked enabled when the control's window is
// disabled as a whole; a control disabled on its own keeps its look.
template <class Option, class Draw>
void drawAsEnabled(const Option *option, const QWidget *widget, Draw draw)
{
    if (!option || (option->state & QStyle::State_Enabled) || !widget || widget->window()->isEnabled()) {
        draw(option);
        return;
    }
    // The option is the caller's own, made for this one drawing.
    auto *enabled = const_cast<Option *>(option);
    enabled->state |= QStyle::State_Enabled;
    draw(enabled);
    enabled->state &= ~QStyle::State_Enabled;
}

} // namespace

void DesignStyle::install()
{
    if (qobject_cast<DesignStyle *>(QApplication::style()))
        return;
    QApplication::setStyle(new DesignStyle(QStyleFactory::create(QStringLiteral("Fusion"))));
}

void DesignStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                const QWidget *widget) const
{
    drawAsEnabled(option, widget, [&](const QStyleOption *o) { QProxyStyle::drawPrimitive(element, o, painter, widget); });
}

void DesignStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                              const QWidget *widget) const
{
    drawAsEnabled(option, widget, [&](const QStyleOption *o) { QProxyStyle::drawControl(element, o, painter, widget); });
}

void DesignStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                                     const QWidget *widget) const
{
    drawAsEnabled(option, widget,
                  [&](const QStyleOptionComplex *o) { QProxyStyle::drawComplexControl(control, o, painter, widget); });
}

QPixmap DesignStyle::generatedIconPixmap(QIcon::Mode mode, const QPixmap &pixmap, const QStyleOption *option) const
{
    return mode == QIcon::Disabled ? pixmap : QProxyStyle::generatedIconPixmap(mode, pixmap, option);
}
