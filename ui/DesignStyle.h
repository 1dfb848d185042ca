// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProxyStyle>

// The game's look, the same on every desktop: Qt's Fusion style whatever
// style the desktop chose (Adwaita, Breeze, a qt6ct or GTK theme), with one
// change: a window of the game that refuses input while another of its
// windows is open (the main window behind the high-score table) is drawn
// exactly as when it takes input. Its disabled colours are its active ones
// (pinDesignedLook); here the controls are drawn in their enabled state.
// The desktop's colours and fonts still reach what is not the game's own
// window: message boxes, menus and tooltips.
class DesignStyle : public QProxyStyle
{
    Q_OBJECT

public:
    using QProxyStyle::QProxyStyle;

    // Makes this the application's style, once.
    static void install();

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget = nullptr) const override;
    // Pictures keep their colours when their control is disabled.
    QPixmap generatedIconPixmap(QIcon::Mode mode, const QPixmap &pixmap, const QStyleOption *option) const override;
    // The menu bar's overflow arrows are read from their picture files only
    // if they are ever drawn: reading the first picture of a start loads
    // every picture-format plugin.
    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};
