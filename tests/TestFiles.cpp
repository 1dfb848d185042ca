#include "TestFiles.h"

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

char markOf(const QByteArray &list, int record)
{
    return list.at((record - 1) * 8 + 5);
}

} // namespace TestFiles
