#pragma once

#include <QByteArray>
#include <QDir>
#include <QStringList>

namespace TestFiles {

// Records of a word list, each free unless its word is in `drawn`.
QByteArray wordList(const QStringList &words, const QStringList &drawn = {});
QByteArray read(const QDir &dir, const QString &name);
void write(const QDir &dir, const QString &name, const QByteArray &bytes);
// The mark of record n (from 1) of a word-list file.
char markOf(const QByteArray &list, int record);

} // namespace TestFiles
