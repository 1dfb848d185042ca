// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Artwork.h"

#include <QBitmap>
#include <QImage>
#include <QLinearGradient>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <functional>

namespace {

// The classic 16-colour palette entries used by the crisp pictures.
const QColor Black(0, 0, 0);
const QColor Navy(0, 0, 128);
const QColor Green(0, 128, 0);
const QColor Maroon(128, 0, 0);
const QColor Grey(128, 128, 128);
const QColor Silver(192, 192, 192);
const QColor White(255, 255, 255);

// Makes a transparent picture of the given size and lets `draw` paint on it,
// at the display's scale: on a scaled desktop the picture stays sharp.
QPixmap paint(int w, int h, bool smooth, const std::function<void(QPainter &)> &draw)
{
    const qreal scale = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    QPixmap pix(qCeil(w * scale), qCeil(h * scale));
    pix.setDevicePixelRatio(scale);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing, smooth);
    draw(p);
    return pix;
}

// Fills a shape and outlines it in one go.
void fillOutlined(QPainter &p, const QPainterPath &path, const QBrush &fill,
                  const QColor &outline, qreal width = 1.0)
{
    p.setPen(QPen(outline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(path);
}

// Strokes a path twice, a wide dark pass under a narrower light one, which
// gives thick lines (tick, question mark) a clean outline.
void strokeTwice(QPainter &p, const QPainterPath &path, const QColor &dark,
                 const QColor &light, qreal width, qreal border)
{
    p.setBrush(Qt::NoBrush);
    for (const auto &[colour, w] : {std::pair{dark, width + 2 * border}, std::pair{light, width}}) {
        p.setPen(QPen(colour, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(path);
    }
}

QLinearGradient gold(qreal x1, qreal x2)
{
    QLinearGradient g(x1, 0, x2, 0);
    g.setColorAt(0.0, QColor(176, 120, 0));
    g.setColorAt(0.4, QColor(255, 236, 96));
    g.setColorAt(1.0, QColor(160, 104, 0));
    return g;
}

// A check mark filling the rectangle `r`, drawn with a little drop shadow.
void drawTick(QPainter &p, const QRectF &r)
{
    const auto at = [&](qreal x, qreal y) { return QPointF(r.left() + x * r.width(), r.top() + y * r.height()); };
    QPainterPath tick(at(0.12, 0.55));
    tick.lineTo(at(0.40, 0.82));
    tick.lineTo(at(0.88, 0.18));
    const qreal w = r.width() * 0.16, border = r.width() / 32.0;
    p.save();
    p.translate(r.width() / 32.0 * 1.5, r.width() / 32.0 * 1.5);
    p.setPen(QPen(QColor(0, 0, 0, 80), w + 2 * border, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
    p.restore();
    strokeTwice(p, tick, QColor(0, 80, 0), QColor(40, 190, 40), w, border);
    p.setPen(QPen(QColor(160, 255, 160), w * 0.25, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(at(0.15, 0.55), at(0.38, 0.78));
}

// A five-pointed gold star centred on `c` with outer radius `r`.
void drawStar(QPainter &p, QPointF c, qreal r, qreal outline)
{
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const qreal a = qDegreesToRadians(-90.0 + 36.0 * i);
        const qreal d = (i % 2) ? r * 0.42 : r;
        const QPointF pt(c.x() + d * qCos(a), c.y() + d * qSin(a));
        i ? star.lineTo(pt) : star.moveTo(pt);
    }
    star.closeSubpath();
    fillOutlined(p, star, gold(c.x() - r, c.x() + r), QColor(110, 64, 0), outline);
}

// One square board cell in the 16-colour style, black frame around `fill`.
void drawCell(QPainter &p, const QRect &r, const QColor &fill)
{
    p.fillRect(r, Black);
    p.fillRect(r.adjusted(1, 1, -1, -1), fill);
}

// The program icon: a white letter tile carrying a navy "T" above a row of
// three board cells in the game's colours, as rectangles on a 16x16 grid, so
// that every size stays pixel-aligned. A framed one has a black border one
// pixel wide, as a board cell.
struct IconPart
{
    QRect grid;
    QColor fill;
    bool framed;
};
const IconPart IconParts[] = {
    {QRect(3, 2, 11, 10), Grey, false},                                          // shadow
    {QRect(2, 1, 11, 10), White, true},                                          // tile
    {QRect(4, 3, 7, 2), Navy, false},                                            // "T" bar
    {QRect(6, 5, 3, 5), Navy, false},                                            // "T" stem
    {QRect(1, 12, 4, 4), White, true}, {QRect(6, 12, 4, 4), Green, true}, {QRect(11, 12, 4, 4), Maroon, true}, // cells
};

// Where a part of the icon lies at `size` pixels.
QRect iconPartAt(const IconPart &part, int size)
{
    const int u = size / 16;
    return QRect(part.grid.topLeft() * u, part.grid.size() * u);
}

// The program icon at `size` pixels.
QPixmap programIconAt(int size)
{
    return paint(size, size, false, [&](QPainter &p) {
        for (const IconPart &part : IconParts) {
            if (part.framed)
                drawCell(p, iconPartAt(part, size), part.fill);
            else
                p.fillRect(iconPartAt(part, size), part.fill);
        }
    });
}

// The hand pointer: '#' black outline, '.' white fill, ' ' transparent.
const char *const HandRows[32] = {
    "", "", "", "", "", "", "",
    "             ###",
    "            #...#",
    "            #...#",
    "            #...#",
    "            #...#",
    "            #...####",
    "            #...#...####",
    "            #...#...#...###",
    "            #...#...#...#..#",
    "        ### #...#...#...#..#",
    "       #...##...#...#...#..#",
    "       #....#...............#",
    "        #...#...............#",
    "        #...................#",
    "         #..................#",
    "         #.................#",
    "          #................#",
    "          #................#",
    "           #..............#",
    "           #..............#",
    "           ################",
    "           #..............#",
    "           ################",
    "", "",
};

char handPixel(int x, int y)
{
    const char *row = HandRows[y];
    for (int i = 0; row[i]; ++i)
        if (i == x)
            return row[i];
    return ' ';
}

// Builds a 1-bit picture of the hand where `on` decides which pixels are set.
QBitmap handBitmap(const std::function<bool(char)> &on)
{
    QBitmap bits(32, 32);
    bits.fill(Qt::color0);
    QPainter p(&bits);
    p.setPen(Qt::color1);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            if (on(handPixel(x, y)))
                p.drawPoint(x, y);
    return bits;
}

} // namespace

namespace Artwork {

QIcon programIcon()
{
    static const QIcon icon = [] {
        QIcon i;
        for (int size : {16, 32, 48})
            i.addPixmap(programIconAt(size));
        return i;
    }();
    return icon;
}

QPixmap programIconPicture(int size)
{
    return programIconAt(size);
}

QByteArray programIconSvg()
{
    constexpr int Size = 256;
    QByteArray svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                     "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 256 256\">\n"
                     "  <title>Tesmo</title>\n";
    const auto rect = [&svg](const QRect &r, const QColor &fill) {
        svg += QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" fill=\"%5\"/>\n")
                   .arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()).arg(fill.name())
                   .toUtf8();
    };
    for (const IconPart &part : IconParts) {
        const QRect r = iconPartAt(part, Size);
        if (part.framed) {
            // As drawCell: the black square, the colour one pixel inside it.
            rect(r, Black);
            rect(r.adjusted(1, 1, -1, -1), part.fill);
        } else {
            rect(r, part.fill);
        }
    }
    return svg + "</svg>\n";
}

QPixmap acceptPicture()
{
    static const QPixmap pix = paint(32, 32, true, [](QPainter &p) { drawTick(p, QRectF(1, 1, 29, 29)); });
    return pix;
}

QPixmap hiscoresPicture()
{
    static const QPixmap pix = paint(32, 32, true, [](QPainter &p) {
        const QColor brown(110, 64, 0);
        QPainterPath handles;                                 // two ear handles
        handles.moveTo(8.5, 7);
        handles.cubicTo(1.5, 6, 2.5, 15, 10.5, 15.5);
        handles.moveTo(23.5, 7);
        handles.cubicTo(30.5, 6, 29.5, 15, 21.5, 15.5);
        strokeTwice(p, handles, brown, QColor(230, 180, 30), 2.0, 1.0);

        QPainterPath cup(QPointF(6.5, 3.5));
        cup.lineTo(25.5, 3.5);
        cup.cubicTo(25.5, 14, 21.5, 19.5, 16, 19.5);
        cup.cubicTo(10.5, 19.5, 6.5, 14, 6.5, 3.5);
        cup.addRect(14.5, 19.5, 3, 4);                        // stem
        cup.addRoundedRect(QRectF(10.5, 23.5, 11, 3), 1, 1);  // base
        cup.addRect(8.5, 26.5, 15, 3.5);
        fillOutlined(p, cup.simplified(), gold(6, 26), brown);
        p.setPen(QPen(QColor(255, 255, 210), 1.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(9.5, 6), QPointF(10.5, 12));     // shine
        drawStar(p, QPointF(16, 10.5), 5, 0.8);
    });
    return pix;
}

QPixmap exitPicture()
{
    static const QPixmap pix = paint(32, 32, true, [](QPainter &p) {
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(150, 96, 40));
        p.drawRect(QRectF(3.5, 2.5, 17, 27));                 // frame
        p.setBrush(QColor(24, 24, 48));
        p.drawRect(QRectF(5.5, 4.5, 13, 25));                 // dark doorway
        QPainterPath leaf(QPointF(5.5, 4.5));                 // door swung open
        leaf.lineTo(11.5, 1.5);
        leaf.lineTo(11.5, 31);
        leaf.lineTo(5.5, 29.5);
        leaf.closeSubpath();
        QLinearGradient wood(5, 0, 12, 0);
        wood.setColorAt(0, QColor(120, 70, 20));
        wood.setColorAt(1, QColor(200, 140, 70));
        fillOutlined(p, leaf, wood, Qt::black);
        p.setBrush(QColor(255, 220, 0));
        p.drawEllipse(QPointF(10, 17), 1.2, 1.2);           // knob

        QPainterPath arrow(QPointF(13.5, 13));
        arrow.lineTo(22.5, 13);
        arrow.lineTo(22.5, 8);
        arrow.lineTo(30.5, 16);
        arrow.lineTo(22.5, 24);
        arrow.lineTo(22.5, 19);
        arrow.lineTo(13.5, 19);
        arrow.closeSubpath();
        QLinearGradient red(0, 8, 0, 24);
        red.setColorAt(0, QColor(255, 90, 70));
        red.setColorAt(1, QColor(170, 0, 0));
        fillOutlined(p, arrow, red, QColor(80, 0, 0));
    });
    return pix;
}

QPixmap decorationPicture()
{
    static const QPixmap pix = paint(32, 32, true, [](QPainter &p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 90));
        p.drawRoundedRect(QRectF(4, 4, 27, 27), 4, 4);       // shadow
        QLinearGradient face(0, 1, 0, 28);
        face.setColorAt(0, QColor(255, 250, 225));
        face.setColorAt(1, QColor(225, 205, 150));
        QPainterPath tile;
        tile.addRoundedRect(QRectF(1.5, 1.5, 26, 26), 4, 4);
        fillOutlined(p, tile, face, QColor(120, 90, 40));

        QPainterPath mark(QPointF(10, 10.5));                 // the "?"
        mark.cubicTo(10, 4.5, 19, 4.5, 19, 10);
        mark.cubicTo(19, 14, 14.5, 14, 14.5, 18.5);
        strokeTwice(p, mark, Navy, QColor(40, 60, 200), 3.2, 0.7);
        p.setPen(QPen(Navy, 0.7));
        p.setBrush(QColor(40, 60, 200));
        p.drawEllipse(QPointF(14.5, 23), 2.1, 2.1);
    });
    return pix;
}

QPixmap handPointerImage()
{
    static const QPixmap pix = [] {
        QImage img(32, 32, QImage::Format_ARGB32);
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                const char c = handPixel(x, y);
                img.setPixel(x, y, c == '#' ? qRgba(0, 0, 0, 255) : c == '.' ? qRgba(255, 255, 255, 255) : 0);
            }
        return QPixmap::fromImage(img);
    }();
    return pix;
}

QCursor handCursor()
{
    // Bitmap bit set = black, mask bit set = opaque (white where the bitmap is clear).
    static const QCursor cursor(handBitmap([](char c) { return c == '#'; }),
                                handBitmap([](char c) { return c != ' '; }), 14, 7);
    return cursor;
}

QPixmap okPicture64()
{
    static const QPixmap pix = paint(64, 63, true, [](QPainter &p) { drawTick(p, QRectF(2, 2, 58, 58)); });
    return pix;
}

QIcon congratsIcon()
{
    static const QIcon icon = [] {
        QIcon i;
        for (int size : {16, 32, 48})
            i.addPixmap(paint(size, size, true, [size](QPainter &p) {
                const qreal s = size / 32.0;
                drawStar(p, QPointF(16 * s, 17 * s), 15 * s, qMax(0.8, s));
            }));
        return i;
    }();
    return icon;
}

} // namespace Artwork
