// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/DesignStyle.h"

#include <QApplication>
#include <QIconEngine>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>

#include <functional>
#include <optional>

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

// An icon made when it is first drawn or measured.
class DeferredIcon : public QIconEngine
{
public:
    explicit DeferredIcon(std::function<QIcon()> make) : m_make(std::move(make)) {}
    QIconEngine *clone() const override { return new DeferredIcon(*this); }
    bool isNull() override { return false; }
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        made().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return made().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return made().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return made().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return made().availableSizes(mode, state);
    }

private:
    const QIcon &made()
    {
        if (!m_icon)
            m_icon = m_make();
        return *m_icon;
    }
    std::function<QIcon()> m_make;
    std::optional<QIcon> m_icon;
};

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

QIcon DesignStyle::standardIcon(StandardPixmap icon, const QStyleOption *option, const QWidget *widget) const
{
    if (icon != SP_ToolBarHorizontalExtensionButton && icon != SP_ToolBarVerticalExtensionButton)
        return QProxyStyle::standardIcon(icon, option, widget);
    const QStyle *base = baseStyle();
    return QIcon(new DeferredIcon([base, icon] { return base->standardIcon(icon); }));
}
