// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/TestFiles.h"

#include "storage/WordList.h"

#include <QFile>

namespace TestFiles {

QByteArray wordList(const QStringList &words, const QStringList &drawn)
{
    QByteArray bytes;
    for (const QString &word : words)
        bytes += word.toLatin1() + (drawn.contains(word) ? "*" : ".") + "\r\n";
    return bytes;
}

QByteArray read(const QDir &dir, const QString &name)
{
    QFile file(dir.filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void write(const QDir &dir, const QString &name, const QByteArray &bytes)
{
    QFile file(dir.filePath(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QByteArray record(const QByteArray &list, qint64 n)
{
    return list.mid((n - 1) * WordList::RecordSize, WordList::RecordSize);
}

QByteArray marks(const QByteArray &list)
{
    QByteArray out;
    for (qint64 n = 1; n <= WordList::recordCount(list.size()); ++n)
        out += record(list, n).at(WordList::WordLength);
    return out;
}

} // namespace TestFiles
