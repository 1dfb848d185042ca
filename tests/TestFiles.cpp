// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/TestFiles.h"

#include "storage/WordList.h"

#include <QFile>
#include <QFileInfo>

#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

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

bool makeNode(const QString &path, const QString &kind, const QString &target)
{
    const QByteArray name = QFile::encodeName(path);
    if (kind == "link" || kind == "dangling")
        return QFileInfo::exists(target) == (kind == "link") && QFile::link(target, path);
    if (kind == "folder")
        return QDir().mkdir(path);
    if (kind == "pipe")
        return ::mkfifo(name.constData(), 0644) == 0;
    if (kind != "socket")
        return false;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, name.constData(), sizeof address.sun_path - 1);
    const bool bound = ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
    ::close(fd);
    return bound;
}

} // namespace TestFiles
