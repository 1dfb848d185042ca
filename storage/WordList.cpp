// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/WordList.h"

#include "storage/SafeFile.h"

#include <QFile>
#include <QFileDevice>

#include <algorithm>

#include <unistd.h>

namespace WordList {

namespace {

bool writeRecords(QIODevice &file, qint64 first, const QByteArray &block)
{
    return file.seek((first - 1) * RecordSize) && file.write(block) == block.size();
}

// Sets the mark and the line end of every record of the block, keeping the words.
void stamp(QByteArray *block, char mark)
{
    char *data = block->data();
    for (qsizetype at = 0; at < block->size(); at += RecordSize) {
        data[at + WordLength] = mark;
        data[at + 6] = '\r';
        data[at + 7] = '\n';
    }
}

// Buffered bytes reach the file only here: a full disk shows now, not when
// the file is closed.
bool flushed(QIODevice &file)
{
    auto *device = qobject_cast<QFileDevice *>(&file);
    return !device || device->flush();
}

// Every record back to free, block by block from the first.
bool release(QIODevice &file, qint64 n, DrawStatus *status)
{
    QByteArray block;
    for (qint64 first = 1; first <= n; first += BlockRecords) {
        if (!readRecords(file, first, std::min(BlockRecords, n - first + 1), &block)) {
            *status = DrawStatus::ReadError;
            return false;
        }
        stamp(&block, FreeMark);
        if (!writeRecords(file, first, block) || !flushed(file)) {
            *status = DrawStatus::WriteError;
            return false;
        }
    }
    return true;
}

} // namespace

bool readRecords(QIODevice &file, qint64 first, qint64 count, QByteArray *block)
{
    block->resize(count * RecordSize);
    return file.seek((first - 1) * RecordSize) && file.read(block->data(), block->size()) == block->size();
}

QString fileName(int number)
{
    return QLatin1String(FilePrefix) + QString::number(number);
}

qint64 recordCount(qint64 fileSize)
{
    return fileSize / RecordSize;
}

namespace {

// The draw; with `stop`, a list without a free record is left as it is.
// A device open for reading only is drawn from without a mark.
DrawResult drawFrom(QIODevice &file, double r, const std::function<void()> &onExhausted, bool stop)
{
    DrawResult result;
    const qint64 n = recordCount(file.size());
    if (n <= 0) {
        result.status = DrawStatus::NoRecords;
        return result;
    }
    const qint64 start = std::clamp<qint64>(static_cast<qint64>(n * r) + 1, 1, n);

    // Scan from the start record round to the one before it, a block at a
    // time; a block never runs past record N.
    QByteArray block;
    QByteArray record;
    qint64 found = 0;
    for (qint64 first = start, scanned = 0; scanned < n && found == 0;) {
        const qint64 count = std::min({BlockRecords, n - first + 1, n - scanned});
        if (!readRecords(file, first, count, &block))
            return result;
        const char *data = block.constData();
        for (qint64 k = 0; k < count; ++k) {
            if (data[k * RecordSize + WordLength] == FreeMark) {
                found = first + k;
                record = block.mid(k * RecordSize, RecordSize);
                break;
            }
        }
        scanned += count;
        first = first + count > n ? 1 : first + count;
    }

    const bool readOnly = !file.isWritable();
    if (found == 0) {
        result.exhausted = true;
        if (stop) {
            result.status = DrawStatus::Exhausted;
            return result;
        }
        if (onExhausted)
            onExhausted();
        if (!readOnly && !release(file, n, &result.status))
            return result;
        found = 1;
        if (!readRecords(file, 1, 1, &record)) {
            result.status = DrawStatus::ReadError;
            return result;
        }
    }

    if (readOnly) {
        result.unmarked = true;
    } else {
        stamp(&record, DrawnMark);
        if (!writeRecords(file, found, record) || !flushed(file)) {
            result.status = DrawStatus::WriteError;
            return result;
        }
    }
    result.status = DrawStatus::Ok;
    result.word = record.left(WordLength);
    result.record = found;
    return result;
}

DrawResult openAndDraw(const QString &path, double r, const std::function<void()> &onExhausted, bool stop)
{
    DrawResult result;
    SafeFile::Error error = SafeFile::Error::None;
    int fd = SafeFile::openForUpdate(path, &error);
    if (error == SafeFile::Error::Missing) {
        result.status = DrawStatus::Missing;
        return result;
    }
    // A list that can no longer be written still gives its words.
    QIODevice::OpenMode mode = QIODevice::ReadWrite;
    if (error == SafeFile::Error::ReadOnlyFile || error == SafeFile::Error::ReadOnlyFolder) {
        fd = SafeFile::openForReading(path, &error);
        mode = QIODevice::ReadOnly;
    }
    QFile file;
    if (fd < 0 || !file.open(fd, mode, QFileDevice::AutoCloseHandle)) {
        if (fd >= 0)
            ::close(fd);
        result.status = DrawStatus::CannotOpen;
        return result;
    }
    result = drawFrom(file, r, onExhausted, stop);
    file.close();
    return result;
}

} // namespace

DrawResult draw(QIODevice &file, double r, const std::function<void()> &onExhausted)
{
    return drawFrom(file, r, onExhausted, false);
}

DrawResult drawFromFile(const QString &path, double r, const std::function<void()> &onExhausted)
{
    return openAndDraw(path, r, onExhausted, false);
}

DrawResult drawFromFileAsking(const QString &path, double r, WhenExhausted when)
{
    return openAndDraw(path, r, {}, when == WhenExhausted::Stop);
}

} // namespace WordList
