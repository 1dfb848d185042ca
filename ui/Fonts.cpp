// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QHash>
#include <QRawFont>
#include <QStringList>
#include <QtEndian>

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <thread>
#include <utility>

namespace Fonts {

namespace {

quint16 read16(const QByteArray &data, qsizetype at)
{
    return at >= 0 && at + 2 <= data.size() ? qFromBigEndian<quint16>(data.constData() + at) : 0;
}

void write16(QByteArray &data, qsizetype at, quint16 value)
{
    if (at >= 0 && at + 2 <= data.size())
        qToBigEndian<quint16>(value, data.data() + at);
}

// Wine's Tahoma Bold has the widths of a bold face but the strokes of the
// regular one. Marked as a lighter face, it gets the toolkit's synthetic
// emboldening: bold strokes, the bold face's widths and heights.
QByteArray heavierBold(QByteArray data)
{
    const int tables = read16(data, 4);
    for (int t = 0; t < tables; ++t) {
        const qsizetype record = 12 + 16 * qsizetype(t);
        if (record + 16 > data.size())
            break;
        const QByteArray tag = data.mid(record, 4);
        const qsizetype at = qFromBigEndian<quint32>(data.constData() + record + 8);
        if (tag == "OS/2") {
            write16(data, at + 4, 600);                                 // weight class: semibold
            write16(data, at + 62, read16(data, at + 62) & ~quint16(0x20));  // selection: not bold
        } else if (tag == "head") {
            write16(data, at + 44, read16(data, at + 44) & ~quint16(0x01));  // style: not bold
        }
    }
    return data;
}

// Debian's fonts-wine.
QString wineFont(const char *file)
{
    return QLatin1String("/usr/share/wine/fonts/") + QLatin1String(file);
}

QByteArray readHeavierBold()
{
    QFile bold(wineFont("tahomabd.ttf"));
    return bold.open(QIODevice::ReadOnly) ? heavierBold(bold.readAll()) : QByteArray();
}

// Loading the configuration (about fifty files of rules, then the caches of
// every installed font) is the longest single step of a start. Fontconfig
// makes its configuration once whichever thread asks first, so the toolkit
// simply finds it ready. The same thread reads and marks the bold face.
// Joined at the latest when the program ends (before the face it fills goes).
QByteArray g_preloadedBold;
std::jthread g_configLoader;

} // namespace

void preload()
{
    if (!g_configLoader.joinable())
        g_configLoader = std::jthread([] {
            FcInit();
            g_preloadedBold = readHeavierBold();
        });
}

void install()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    QByteArray bold;
    if (g_configLoader.joinable()) {
        g_configLoader.join();
        bold = std::exchange(g_preloadedBold, QByteArray());
    } else {
        bold = readHeavierBold();
    }
    QFontDatabase::addApplicationFont(wineFont("tahoma.ttf"));
    if (!bold.isEmpty())
        QFontDatabase::addApplicationFontFromData(bold);
    QFont::insertSubstitutions(QStringLiteral("Courier New"),
                               {QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")});
    QFont::insertSubstitutions(QStringLiteral("Tahoma"),
                               {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
}

static QFont make(const QString &family, double points, bool bold)
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QFont tahoma(double points, bool bold)
{
    return make(QStringLiteral("Tahoma"), points, bold);
}

int lineTopGap(const QFont &font)
{
    // Measured once per face and size: the board alone has thirty labels of one font.
    static QHash<QString, int> measured;
    const QString key = font.key();
    if (const auto known = measured.constFind(key); known != measured.cend())
        return *known;
    int gap = 0;
    const QRawFont raw = QRawFont::fromFont(font);
    const QByteArray os2 = raw.isValid() ? raw.fontTable("OS/2") : QByteArray();
    if (os2.size() >= 76 && raw.unitsPerEm() > 0) {
        const int windowsAscent = qRound(read16(os2, 74) * raw.pixelSize() / raw.unitsPerEm());
        gap = std::max(0, windowsAscent - QFontMetrics(font).ascent());
    }
    measured.insert(key, gap);
    return gap;
}

QFont courierNew(double points, bool bold)
{
    QFont font = make(QStringLiteral("Courier New"), points, bold);
    font.setStyleHint(QFont::Monospace);
    return font;
}

} // namespace Fonts
