#include "storage/WordListUpgrade.h"

#include "storage/WordList.h"

#include <QByteArray>
#include <QFile>
#include <QSaveFile>
#include <QSet>

namespace WordListUpgrade {

namespace {

constexpr int WordSize = 5;
constexpr int MarkAt = 5;

// Reads the next whole record; the caller has checked that one is there.
bool nextRecord(QFile &file, QByteArray *record)
{
    *record = file.read(WordList::RecordSize);
    return record->size() == WordList::RecordSize;
}

bool isDrawn(const QByteArray &record)
{
    return record.at(MarkAt) != '.';
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
            drawn.insert(mine.left(WordSize));
        if (sameWords) {
            if (!nextRecord(shipped, &theirs))
                return false;
            sameWords = mine.left(WordSize) == theirs.left(WordSize);
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
        QByteArray record = theirs.left(WordSize);
        record.append(drawn.contains(record) ? '*' : theirs.at(MarkAt));
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

} // namespace WordListUpgrade
