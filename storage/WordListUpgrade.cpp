// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/WordListUpgrade.h"

#include "storage/FileNames.h"
#include "storage/WordList.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>

#include <algorithm>
#include <cstring>

namespace WordListUpgrade {

namespace {

// Copies a file in one step: the copy appears whole or not at all, and it is
// the player's to write even when the shipped one is read-only.
bool copyWhole(const QString &from, const QString &to)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    QSaveFile target(to);
    if (!target.open(QIODevice::WriteOnly))
        return false;
    while (!source.atEnd()) {
        const QByteArray chunk = source.read(64 * 1024);
        if (chunk.isEmpty() || target.write(chunk) != chunk.size()) {
            target.cancelWriting();
            return false;
        }
    }
    return target.commit();
}

// Reads the next whole record; the caller has checked that one is there.
bool nextRecord(QFile &file, QByteArray *record)
{
    *record = file.read(WordList::RecordSize);
    return record->size() == WordList::RecordSize;
}

bool isDrawn(const QByteArray &record)
{
    return record.at(WordList::WordLength) != WordList::FreeMark;
}

// Whether the first records of both lists hold the same words, in the same
// order, whatever their marks: compared block by block.
// A failed read counts as a difference.
bool sameWords(QFile &a, QFile &b, qint64 records)
{
    using WordList::BlockRecords;
    QByteArray blockA(BlockRecords * WordList::RecordSize, Qt::Uninitialized);
    QByteArray blockB(blockA.size(), Qt::Uninitialized);
    for (qint64 done = 0; done < records;) {
        const qint64 count = std::min(BlockRecords, records - done);
        const qint64 bytes = count * WordList::RecordSize;
        if (a.read(blockA.data(), bytes) != bytes || b.read(blockB.data(), bytes) != bytes)
            return false;
        for (qint64 at = 0; at < bytes; at += WordList::RecordSize) {
            if (std::memcmp(blockA.constData() + at, blockB.constData() + at, WordList::WordLength) != 0)
                return false;
        }
        done += count;
    }
    return true;
}

} // namespace

bool upgrade(const QString &shippedPath, const QString &playerPath)
{
    QFile player(playerPath);
    QFile shipped(shippedPath);
    if (!player.open(QIODevice::ReadOnly) || !shipped.open(QIODevice::ReadOnly))
        return false;
    const qint64 playerRecords = WordList::recordCount(player.size());
    const qint64 shippedRecords = WordList::recordCount(shipped.size());
    // A list without a word cannot be drawn from: never hand one to a player.
    if (shippedRecords <= 0)
        return false;
    // The usual case, at every start of an installed game: nothing to do.
    if (playerRecords == shippedRecords && sameWords(player, shipped, playerRecords))
        return true;

    // The words the player's list has drawn.
    QSet<QByteArray> drawn;
    QByteArray mine;
    QByteArray theirs;
    if (!player.seek(0))
        return false;
    for (qint64 i = 0; i < playerRecords; ++i) {
        if (!nextRecord(player, &mine))
            return false;
        if (isDrawn(mine))
            drawn.insert(mine.left(WordList::WordLength));
    }
    player.close();

    if (!shipped.seek(0))
        return false;
    QSaveFile out(playerPath);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    for (qint64 i = 0; i < shippedRecords; ++i) {
        if (!nextRecord(shipped, &theirs)) {
            out.cancelWriting();
            return false;
        }
        QByteArray record = theirs.left(WordList::WordLength);
        record.append(drawn.contains(record) ? WordList::DrawnMark : theirs.at(WordList::WordLength));
        record.append("\r\n", 2);
        if (out.write(record) != WordList::RecordSize) {
            out.cancelWriting();
            return false;
        }
    }
    if (!out.flush()) {
        out.cancelWriting();
        return false;
    }
    return out.commit();
}

Placed place(const QString &shippedPath, const QDir &folder)
{
    // The same lookup as the game's, so the list upgraded is the list played.
    const QString player = FileNames::resolve(folder, QFileInfo(shippedPath).fileName());
    if (QFileInfo::exists(player))
        return upgrade(shippedPath, player) ? Placed::Upgraded : Placed::NotUpgraded;
    return copyWhole(shippedPath, player) ? Placed::Copied : Placed::NotCopied;
}

} // namespace WordListUpgrade
