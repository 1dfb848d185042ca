#include "WordList.h"

#include <algorithm>

namespace WordList {

namespace {

bool readRecord(QIODevice &file, qint64 record, QByteArray *out)
{
    if (!file.seek((record - 1) * RecordSize))
        return false;
    *out = file.read(RecordSize);
    return out->size() == RecordSize;
}

bool writeRecord(QIODevice &file, qint64 record, const QByteArray &data, char mark)
{
    QByteArray bytes = data.left(5);
    bytes.append(mark);
    bytes.append("\r\n", 2);
    return file.seek((record - 1) * RecordSize) && file.write(bytes) == RecordSize;
}

bool isFree(const QByteArray &record)
{
    return record.at(5) == '.';
}

} // namespace

qint64 recordCount(qint64 fileSize)
{
    return fileSize / RecordSize;
}

DrawResult draw(QIODevice &file, double r, const std::function<void()> &onExhausted)
{
    DrawResult result;
    const qint64 n = recordCount(file.size());
    if (n <= 0) {
        result.status = DrawStatus::NoRecords;
        return result;
    }
    qint64 i = std::clamp<qint64>(static_cast<qint64>(n * r) + 1, 1, n);
    QByteArray record;
    if (!readRecord(file, i, &record))
        return result;
    qint64 read = 1;
    while (!isFree(record) && read < n) {
        if (++i > n)
            i = 1;
        if (!readRecord(file, i, &record))
            return result;
        ++read;
    }
    if (!isFree(record)) {
        result.exhausted = true;
        if (onExhausted)
            onExhausted();
        QByteArray other;
        for (qint64 k = 1; k <= n; ++k) {
            if (!readRecord(file, k, &other))
                return result;
            if (!writeRecord(file, k, other, '.')) {
                result.status = DrawStatus::WriteError;
                return result;
            }
        }
        i = 1;
        if (!readRecord(file, i, &record))
            return result;
    }
    if (!writeRecord(file, i, record, '*')) {
        result.status = DrawStatus::WriteError;
        return result;
    }
    result.status = DrawStatus::Ok;
    result.word = record.left(5);
    result.record = i;
    return result;
}

} // namespace WordList
