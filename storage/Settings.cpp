// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/Settings.h"

#include "storage/CodePage.h"
#include "storage/TextFile.h"

#include <QList>
#include <QRegularExpression>
#include <QStringDecoder>

#include <algorithm>

namespace Settings {

namespace {

constexpr const char *Keys[] = {"Nome", "Suono", "Tentativi"};  // lines 1, 2 and 3
constexpr int KeyCount = 3;

// The text of the file. A file that is valid UTF-8 and holds more than ASCII
// was written by an editor of today and is read as UTF-8; anything else is
// the game's own code page, where every byte is a character. A name read as
// UTF-8 keeps only what the code page can store, as the name box does. The
// two cannot always be told apart: a name the game wrote with a capital
// from "Â" to "ß" right before a sign of bytes 0x80 to 0xBF ("Ã€") is, byte
// for byte, what an editor writes in UTF-8 for another name ("À"), and is
// read as that; no other name the game writes is valid UTF-8.
struct Text
{
    QList<QString> lines;
    bool utf8 = false;
};

Text decodeLines(QByteArray bytes)
{
    Text text;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    const bool ascii = std::all_of(bytes.cbegin(), bytes.cend(), [](char c) { return uchar(c) < 0x80; });
    if (!ascii) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString decoded = utf8(bytes);
        text.utf8 = !utf8.hasError();
    }
    for (const QByteArray &line : TextFile::lines(bytes))
        text.lines.append(text.utf8 ? QString::fromUtf8(line) : CodePage::decode(line));
    return text;
}

// The key of a line "key=value", whatever its letter case and the blanks
// around it, with the value after the "=" and its blanks; -1 for none.
// `asWritten` tells the game's own form: the key at the line's start, then "=".
int keyOf(const QString &line, QString *value, bool *asWritten)
{
    static const QRegularExpression keyed(QStringLiteral("^[ \\t]*(nome|suono|tentativi)[ \\t]*=[ \\t]*(.*)$"),
                                          QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = keyed.match(line);
    if (!match.hasMatch())
        return -1;
    for (int k = 0; k < KeyCount; ++k) {
        if (match.captured(1).compare(QLatin1String(Keys[k]), Qt::CaseInsensitive) == 0) {
            *value = match.captured(2);
            *asWritten = line.startsWith(QLatin1String(Keys[k]) + u'=', Qt::CaseInsensitive);
            return k;
        }
    }
    return -1;
}

std::optional<QString> nameOf(const QString &text, bool utf8)
{
    QString name = text;
    if (utf8)
        name.removeIf([](QChar c) { return !CodePage::canHold(c); });
    return storedName(name);
}

std::optional<int> voiceOf(const QString &text)
{
    double voice = TextFile::leadingNumber(text);
    if (voice < 0 || voice > 2)
        voice = 1;
    return TextFile::roundToShort(voice);
}

std::optional<int> attemptsOf(const QString &text)
{
    return TextFile::roundToShort(TextFile::leadingNumber(text));
}

} // namespace

Values parse(const QByteArray &bytes)
{
    const Text text = decodeLines(bytes);

    // A file as the game writes it, and any file whose keys all stand as the
    // game writes them (the key at the start of its own line, "=" right
    // after it), is read by position: the first 5, 6 and 10 characters of
    // lines 1 to 3 are dropped unseen, so "ABCDEFGHI" still names FGHI.
    // Only a hand-edited file, with a key on another line than its own or
    // with blanks around its "=", is read by key, whatever the letter case:
    // each value is that of the first line with its key, and a key not
    // there leaves its setting as it is.
    QString found[KeyCount];
    bool has[KeyCount] = {};
    bool byKey = false;
    for (qsizetype i = 0; i < text.lines.size(); ++i) {
        QString value;
        bool asWritten = false;
        const int k = keyOf(text.lines[i], &value, &asWritten);
        if (k < 0)
            continue;
        if (k != i || !asWritten)
            byKey = true;
        if (!has[k]) {
            has[k] = true;
            found[k] = value;
        }
    }

    Values values;
    if (byKey) {
        if (has[0])
            values.name = nameOf(found[0], text.utf8);
        if (has[1])
            values.voice = voiceOf(found[1]);
        if (has[2])
            values.attempts = attemptsOf(found[2]);
        return values;
    }
    const QList<QString> &lines = text.lines;
    if (lines.size() >= 1)
        values.name = nameOf(lines[0].mid(5), text.utf8);
    if (lines.size() >= 2)
        values.voice = voiceOf(lines[1].mid(6));
    if (lines.size() >= 3)
        values.attempts = attemptsOf(lines[2].mid(10));
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
