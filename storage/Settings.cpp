// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/Settings.h"

#include "storage/CodePage.h"
#include "storage/TextFile.h"

#include <QList>

namespace Settings {

namespace {

QString afterKey(const QByteArray &line, int keyLength)
{
    return CodePage::decode(line.mid(keyLength));
}

} // namespace

Values parse(const QByteArray &bytes)
{
    Values values;
    const QList<QByteArray> lines = TextFile::lines(bytes);
    if (lines.size() >= 1)
        values.name = storedName(afterKey(lines[0], 5));
    if (lines.size() >= 2) {
        double voice = TextFile::leadingNumber(afterKey(lines[1], 6));
        if (voice < 0 || voice > 2)
            voice = 1;
        values.voice = TextFile::roundToShort(voice);
    }
    if (lines.size() >= 3)
        values.attempts = TextFile::roundToShort(TextFile::leadingNumber(afterKey(lines[2], 10)));
    return values;
}

QString storedName(const QString &name)
{
    QString stored = name;
    while (stored.startsWith(u' '))
        stored.remove(0, 1);
    while (stored.endsWith(u' '))
        stored.chop(1);
    return CodePage::toUpper(stored);
}

QByteArray serialize(const QString &name, int voiceIndex, int attempts)
{
    QByteArray bytes;
    bytes += "Nome=" + CodePage::encode(TextFile::oneLine(name)) + "\r\n";
    bytes += "Suono=" + QByteArray::number(voiceIndex) + "\r\n";
    bytes += "Tentativi=" + QByteArray::number(attempts) + "\r\n";
    return bytes;
}

} // namespace Settings
