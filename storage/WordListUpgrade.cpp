#include "storage/WordListUpgrade.h"

#include "storage/FileNames.h"
#include "storage/WordList.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>

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
    return record.at(WordList::WordLength) != '.';
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

    // One pass over the player's list: the words it has drawn, and whether
    // its words are those of the shipped list, record for record.
    QSet<QByteArray> drawn;
    bool sameWords = playerRecords == shippedRecords;
    QByteArray mine;
    QByteArray theirs;
    for (qint64 i = 0; i < playerRecords; ++i) {
        if (!nextRecord(player, &mine))
            return false;
        if (isDrawn(mine))
            drawn.insert(mine.left(WordList::WordLength));
        if (sameWords) {
            if (!nextRecord(shipped, &theirs))
                return false;
            sameWords = mine.left(WordList::WordLength) == theirs.left(WordList::WordLength);
        }
    }
    player.close();
    if (sameWords)
        return true;

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
        record.append(drawn.contains(record) ? '*' : theirs.at(WordList::WordLength));
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
