// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/WordListUpgrade.h"

#include "storage/FileNames.h"
#include "storage/SafeFile.h"
#include "storage/WordList.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace WordListUpgrade {

namespace {

// Opens a list as the game does: only a regular file, never waiting on a pipe.
bool openList(const QString &path, QFile *file)
{
    SafeFile::Error error;
    const int fd = SafeFile::openForReading(path, &error);
    if (fd < 0)
        return false;
    if (!file->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
}

// Copies a file in one step, block by block: the copy appears whole or not
// at all, and it is the player's to write even when the shipped one is read-only.
bool copyWhole(const QString &from, const QString &to, SafeFile::Error *why)
{
    QFile source;
    if (!openList(from, &source))
        return false;
    SafeFile::Writer target(to);
    while (target.error() == SafeFile::Error::None && !source.atEnd()) {
        const QByteArray chunk = source.read(WordList::BlockRecords * WordList::RecordSize);
        if (chunk.isEmpty() || !target.write(chunk.constData(), chunk.size())) {
            *why = target.error();
            return false;
        }
    }
    *why = target.error() == SafeFile::Error::None ? target.commit() : target.error();
    return *why == SafeFile::Error::None;
}

bool isDrawn(const char *record)
{
    return record[WordList::WordLength] != WordList::FreeMark;
}

// Whether the first records of both lists hold the same words, in the same
// order, whatever their marks: compared block by block.
// A failed read counts as a difference.
bool sameWords(QFile &a, QFile &b, qint64 records)
{
    using WordList::BlockRecords;
    QByteArray blockA;
    QByteArray blockB;
    for (qint64 first = 1; first <= records; first += BlockRecords) {
        const qint64 count = std::min(BlockRecords, records - first + 1);
        if (!WordList::readRecords(a, first, count, &blockA) || !WordList::readRecords(b, first, count, &blockB))
            return false;
        for (qint64 at = 0; at < blockA.size(); at += WordList::RecordSize) {
            if (std::memcmp(blockA.constData() + at, blockB.constData() + at, WordList::WordLength) != 0)
                return false;
        }
    }
    return true;
}

} // namespace

bool upgrade(const QString &shippedPath, const QString &playerPath, SafeFile::Error *why)
{
    SafeFile::Error ignored = SafeFile::Error::None;
    if (!why)
        why = &ignored;
    QFile player;
    QFile shipped;
    if (!openList(playerPath, &player) || !openList(shippedPath, &shipped))
        return false;
    const qint64 playerRecords = WordList::recordCount(player.size());
    const qint64 shippedRecords = WordList::recordCount(shipped.size());
    // A list without a word cannot be drawn from: never hand one to a player.
    if (shippedRecords <= 0)
        return false;
    // The usual case, at every start of an installed game: nothing to do.
    if (playerRecords == shippedRecords && sameWords(player, shipped, playerRecords))
        return true;

    // The words the player's list has drawn: all that is kept in memory.
    using WordList::BlockRecords;
    QSet<QByteArray> drawn;
    QByteArray block;
    for (qint64 first = 1; first <= playerRecords; first += BlockRecords) {
        if (!WordList::readRecords(player, first, std::min(BlockRecords, playerRecords - first + 1), &block))
            return false;
        for (qint64 at = 0; at < block.size(); at += WordList::RecordSize) {
            if (isDrawn(block.constData() + at))
                drawn.insert(block.mid(at, WordList::WordLength));
        }
    }
    player.close();

    // The shipped list with those marks, written block by block beside the
    // player's and put in its place in one step.
    SafeFile::Writer out(playerPath);
    if (out.error() != SafeFile::Error::None) {
        *why = out.error();
        return false;
    }
    for (qint64 first = 1; first <= shippedRecords; first += BlockRecords) {
        if (!WordList::readRecords(shipped, first, std::min(BlockRecords, shippedRecords - first + 1), &block))
            return false;
        for (qint64 at = 0; at < block.size(); at += WordList::RecordSize) {
            char *record = block.data() + at;
            if (drawn.contains(QByteArray::fromRawData(record, WordList::WordLength)))
                record[WordList::WordLength] = WordList::DrawnMark;
            record[WordList::WordLength + 1] = '\r';
            record[WordList::WordLength + 2] = '\n';
        }
        if (!out.write(block.constData(), block.size())) {
            *why = out.error();
            return false;
        }
    }
    *why = out.commit();
    return *why == SafeFile::Error::None;
}

Placed place(const QString &shippedPath, const QDir &folder, SafeFile::Error *why)
{
    SafeFile::Error ignored = SafeFile::Error::None;
    if (!why)
        why = &ignored;
    *why = SafeFile::Error::None;
    const QString name = QFileInfo(shippedPath).fileName();
    // A copy or an upgrade killed half-way left its temporary beside the
    // list; it goes before anything is written (under the list's own lock,
    // so an upgrade running in another process keeps its own).
    SafeFile::removeLeftovers(folder, {name});
    // A game drawing from the list meanwhile waits for the upgrade, and the
    // other way round.
    const SafeFile::Lock lock(folder, name);
    // The same lookup as the game's, so the list upgraded is the list played.
    const QString player = FileNames::resolve(folder, name);
    struct stat st;
    if (::lstat(QFile::encodeName(player).constData(), &st) == 0)  // a link, folder or pipe is left alone
        return S_ISREG(st.st_mode) && upgrade(shippedPath, player, why) ? Placed::Upgraded : Placed::NotUpgraded;
    return copyWhole(shippedPath, player, why) ? Placed::Copied : Placed::NotCopied;
}

} // namespace WordListUpgrade
