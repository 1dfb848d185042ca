// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fuzz/Properties.h"

#include "storage/FileLimits.h"
#include "storage/HighScores.h"
#include "storage/SafeFile.h"
#include "storage/CodePage.h"
#include "storage/Settings.h"
#include "storage/WordList.h"
#include "storage/WordListUpgrade.h"

#include <QBuffer>
#include <QDir>
#include <QSet>
#include <QStringDecoder>
#include <QFile>

#include <algorithm>
#include <cstring>

namespace Properties {

namespace {

double randomOf(const QByteArray &input)
{
    quint64 bits = 0;
    std::memcpy(&bits, input.constData(), std::min<size_t>(sizeof bits, size_t(input.size())));
    return double(bits >> 11) / double(quint64(1) << 53);
}

// The list after a draw differs from the list before only in the marks and
// line ends of the records the draw may touch.
QString checkDraw(const QByteArray &before, const QByteArray &after, const WordList::DrawResult &result, bool exhausted)
{
    if (after.size() != before.size())
        return QStringLiteral("the list changed size");
    const qint64 n = WordList::recordCount(before.size());
    if (n == 0)
        return result.status == WordList::DrawStatus::NoRecords ? QString() : QStringLiteral("drew from no record");
    if (result.status != WordList::DrawStatus::Ok)
        return QStringLiteral("a draw from a sound list failed");
    if (result.record < 1 || result.record > n)
        return QStringLiteral("record out of range");
    if (result.exhausted != exhausted || (exhausted && result.record != 1))
        return QStringLiteral("exhaustion not as the marks say");
    for (qint64 k = 1; k <= n; ++k) {
        const qint64 at = (k - 1) * WordList::RecordSize;
        if (after.mid(at, 5) != before.mid(at, 5))
            return QStringLiteral("a word changed");
        const QByteArray tail = after.mid(at + 5, 3);
        if (k == result.record) {
            if (tail != "*\r\n")
                return QStringLiteral("the drawn record is not marked");
        } else if (exhausted) {
            if (tail != ".\r\n")
                return QStringLiteral("a record was not released");
        } else if (tail != before.mid(at + 5, 3)) {
            return QStringLiteral("a record not drawn changed");
        }
    }
    if (after.mid(n * WordList::RecordSize) != before.mid(n * WordList::RecordSize))
        return QStringLiteral("bytes after the last record changed");
    if (result.word != before.mid((result.record - 1) * WordList::RecordSize, 5))
        return QStringLiteral("the word drawn is not the record's");
    return QString();
}

bool allDrawn(const QByteArray &list)
{
    for (qint64 k = 0; k < WordList::recordCount(list.size()); ++k) {
        if (list.at(k * WordList::RecordSize + 5) == '.')
            return false;
    }
    return true;
}

// Writes bytes at path plainly, as a test prepares a file.
bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// Saves bytes at path as the game saves and reads them back as it reads;
// without a path, or beyond what the game reads, the bytes stay as they are.
QString throughFile(const QString &path, qint64 limit, QByteArray *bytes)
{
    if (path.isEmpty() || bytes->size() > limit)
        return QString();
    const SafeFile::Error error = SafeFile::replace(path, *bytes);
    if (error != SafeFile::Error::None)
        return QStringLiteral("save failed: ") + SafeFile::reason(error);
    const SafeFile::ReadResult file = SafeFile::read(path, limit);
    if (file.error != SafeFile::Error::None)
        return QStringLiteral("written file unreadable: ") + SafeFile::reason(file.error);
    *bytes = file.bytes;
    return QString();
}

} // namespace

QString wordListOnBuffer(const QByteArray &input)
{
    const QByteArray before = input.mid(8);
    QByteArray list = before;
    QBuffer buffer(&list);
    buffer.open(QIODevice::ReadWrite);
    int told = 0;
    const WordList::DrawResult result = WordList::draw(buffer, randomOf(input), [&] { ++told; });
    if (told != (result.exhausted ? 1 : 0))
        return QStringLiteral("the exhaustion message was not shown once");
    return checkDraw(before, list, result, allDrawn(before) && WordList::recordCount(before.size()) > 0);
}

QString wordListOnFile(const QByteArray &input, const QString &path)
{
    const QByteArray before = input.mid(8);
    if (!writeFile(path, before))
        return QStringLiteral("cannot prepare the list file");
    // Opened as the game opens a list.
    const WordList::DrawResult result = WordList::drawFromFile(path, randomOf(input), {});
    if (result.status == WordList::DrawStatus::Missing || result.status == WordList::DrawStatus::CannotOpen)
        return QStringLiteral("a regular list file did not open");
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return checkDraw(before, file.readAll(), result, allDrawn(before) && WordList::recordCount(before.size()) > 0);
}

QString settingsRoundTrip(const QByteArray &input, const QString &path)
{
    const Settings::Values first = Settings::parse(input.left(FileLimits::SettingsReadLimit));
    if (first.voice && (*first.voice < 0 || *first.voice > 2))
        return QStringLiteral("voice out of range");
    if (first.name && (first.name->contains(u'\r') || first.name->contains(u'\n')))
        return QStringLiteral("a name with a line break");
    const QString name = first.name.value_or(QString());
    const int voice = first.voice.value_or(0);
    const int attempts = first.attempts.value_or(5);
    QByteArray bytes = Settings::serialize(name, voice, attempts);
    if (bytes.count("\r\n") != 3 || bytes.count('\n') != 3 || bytes.count('\r') != 3)
        return QStringLiteral("the file is not three lines");
    if (const QString failure = throughFile(path, FileLimits::SettingsReadLimit, &bytes); !failure.isEmpty())
        return failure;
    // A name whose bytes in the code page are also valid UTF-8 beyond ASCII
    // ("Ã€" is the UTF-8 of "À") reads back as UTF-8, as a hand-edited file
    // would: the bytes are the same, and the UTF-8 reading is taken.
    QString expected = name;
    const QByteArray stored = CodePage::encode(name);
    if (std::any_of(stored.cbegin(), stored.cend(), [](char c) { return uchar(c) >= 0x80; })) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString asUtf8 = utf8(stored);
        if (!utf8.hasError()) {
            asUtf8.removeIf([](QChar c) { return !CodePage::canHold(c); });
            expected = Settings::storedName(asUtf8);
        }
    }
    const Settings::Values second = Settings::parse(bytes);
    if (second.name != expected || second.voice != voice || second.attempts != attempts)
        return QStringLiteral("values changed on the way through the file");
    return QString();
}

QString highScoresRoundTrip(const QByteArray &input, const QString &path)
{
    HighScores::Table table;
    HighScores::load(input.left(FileLimits::HighScoresReadLimit), &table);
    HighScores::rank(&table);
    for (int i = 1; i < HighScores::NewResultSlot; ++i) {
        if (table[i - 1].Score < table[i].Score)
            return QStringLiteral("not ranked");
    }
    QByteArray bytes = HighScores::serialize(table);
    if (bytes.count("\r\n") != FileLimits::HighScoreRanks || bytes.count('\n') != FileLimits::HighScoreRanks
        || bytes.count('\r') != FileLimits::HighScoreRanks)
        return QStringLiteral("the file is not fifty lines");
    if (const QString failure = throughFile(path, FileLimits::HighScoresReadLimit, &bytes); !failure.isEmpty())
        return failure;
    HighScores::Table again;
    HighScores::load(bytes, &again);
    for (int i = 0; i < FileLimits::HighScoreRanks; ++i) {
        if (again[i].Name != table[i].Name || again[i].Score != table[i].Score)
            return QStringLiteral("rank %1 changed on the way through the file").arg(i + 1);
    }
    return QString();
}

QString wordListUpgrade(const QByteArray &input, const QString &folder)
{
    const qsizetype cut = input.isEmpty() ? 0 : 1 + qsizetype(quint8(input[0])) * (input.size() - 1) / 255;
    const QByteArray player = input.mid(1, cut - 1);
    const QByteArray shipped = input.mid(cut);
    QDir dir(folder);
    dir.removeRecursively();
    if (!QDir().mkpath(dir.filePath(QStringLiteral("shipped"))))
        return QStringLiteral("no folder");
    const QString playerPath = dir.filePath(QStringLiteral("tesmodat.1"));
    const QString shippedPath = dir.filePath(QStringLiteral("shipped/tesmodat.1"));
    if (!writeFile(playerPath, player) || !writeFile(shippedPath, shipped))
        return QStringLiteral("cannot write the lists");

    const WordListUpgrade::Placed placed = WordListUpgrade::place(shippedPath, dir);
    QFile file(playerPath);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("the player's list is gone");
    const QByteArray after = file.readAll();
    const QStringList left = dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    if (left != QStringList{QStringLiteral("shipped"), QStringLiteral("tesmodat.1")})
        return QStringLiteral("something was left in the folder");

    const qint64 n = WordList::recordCount(shipped.size());
    const qint64 m = WordList::recordCount(player.size());
    const auto words = [](const QByteArray &list, qint64 records) {
        QByteArray out;
        for (qint64 k = 0; k < records; ++k)
            out += list.mid(k * WordList::RecordSize, WordList::WordLength);
        return out;
    };
    if (n == 0 || (n == m && words(player, m) == words(shipped, n))) {
        if (after != player)
            return QStringLiteral("a list that needed no upgrade changed");
        return placed == WordListUpgrade::Placed::Upgraded || n == 0 ? QString() : QStringLiteral("wrong outcome");
    }
    if (placed != WordListUpgrade::Placed::Upgraded)
        return QStringLiteral("the upgrade failed");
    QSet<QByteArray> drawn;
    for (qint64 k = 0; k < m; ++k) {
        if (player.at(k * WordList::RecordSize + WordList::WordLength) != WordList::FreeMark)
            drawn.insert(player.mid(k * WordList::RecordSize, WordList::WordLength));
    }
    QByteArray expected;
    for (qint64 k = 0; k < n; ++k) {
        const QByteArray word = shipped.mid(k * WordList::RecordSize, WordList::WordLength);
        const char mark = drawn.contains(word) ? WordList::DrawnMark : shipped.at(k * WordList::RecordSize + WordList::WordLength);
        expected += word + mark + "\r\n";
    }
    return after == expected ? QString() : QStringLiteral("the upgraded list is not the shipped one with the player's marks");
}

} // namespace Properties
