// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/HighScores.h"

#include "storage/CodePage.h"
#include "storage/TextFile.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace HighScores {

Entry parseLine(const QByteArray &line)
{
    const QString text = CodePage::decode(line);
    const qsizetype comma = text.lastIndexOf(u',');
    Entry entry;
    QString name = comma < 0 ? text : text.left(comma);
    while (name.startsWith(u' ') || name.startsWith(u'\t'))
        name.remove(0, 1);
    entry.Name = name.left(FileLimits::NameLength);
    if (comma >= 0)
        entry.Score = static_cast<qint16>(TextFile::roundToShort(TextFile::leadingNumber(text.mid(comma + 1))));
    return entry;
}

void load(const QByteArray &bytes, Table *table)
{
    const QList<QByteArray> lines = TextFile::lines(bytes);
    const qsizetype count = std::min<qsizetype>(lines.size(), Slots);
    for (qsizetype i = 0; i < count; ++i)
        (*table)[i] = parseLine(lines[i]);
}

void rank(Table *table)
{
    // A bubble sort whose bound shrinks to the last exchange: stable, so a new
    // result goes below every score equal to its own.
    int n = NewResultSlot;
    while (n != 0) {
        int last = 0;
        for (int i = 1; i <= n - 1; ++i) {
            if ((*table)[i - 1].Score < (*table)[i].Score) {
                std::swap((*table)[i - 1], (*table)[i]);
                last = i;
            }
        }
        n = last;
    }
}

QByteArray serialize(const Table &table)
{
    QByteArray bytes;
    for (int i = 0; i < FileLimits::HighScoreRanks; ++i) {
        const Entry &entry = table[i];
        // No longer than a name the game takes: the file is always read whole.
        bytes += CodePage::encode(TextFile::oneLine(entry.Name).left(FileLimits::NameLength)) + ',';
        bytes += entry.Score < 0 ? '-' : ' ';
        bytes += QByteArray::number(std::abs(int(entry.Score))) + " \r\n";
    }
    return bytes;
}

qint16 clamp(qint64 points)
{
    return static_cast<qint16>(std::clamp<qint64>(points, std::numeric_limits<qint16>::min(),
                                                  std::numeric_limits<qint16>::max()));
}

QString formatRow(int rank, const Entry &entry, const QLocale &locale)
{
    const int score = entry.Score;
    const QString digits = QStringLiteral("%1").arg(std::abs(score), 5, 10, QChar(u'0'));
    const QString grouped = digits.left(digits.size() - 3) + locale.groupSeparator() + digits.right(3);
    // One multi-argument call, so that a "%" in a name is never taken for a marker.
    return QCoreApplication::translate("HighScores", "  %1 - %2 %3%4 - Italiano",
                                       "a row of the table: rank, name, sign, points")
        .arg(QStringLiteral("%1").arg(rank, 2, 10, QChar(u'0')), entry.Name.left(13).leftJustified(13, u' '),
             score < 0 ? QStringLiteral("-") : QString(), grouped);
}

} // namespace HighScores
