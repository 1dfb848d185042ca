// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QDir>
#include <QStringList>

namespace TestFiles {

// Records of a word list, each free unless its word is in `drawn`.
QByteArray wordList(const QStringList &words, const QStringList &drawn = {});
QByteArray read(const QDir &dir, const QString &name);
void write(const QDir &dir, const QString &name, const QByteArray &bytes);
// Record n (from 1) of a word-list file, all eight bytes.
QByteArray record(const QByteArray &list, qint64 n);
// The marks of a word-list file, one byte per whole record.
QByteArray marks(const QByteArray &list);
// Puts something other than a regular file at path, as a crash or another
// program may leave it: "link" or "dangling" (a link to target, which must
// exist or not), "folder", "pipe", or "socket" (bound, its program gone).
bool makeNode(const QString &path, const QString &kind, const QString &target = {});

} // namespace TestFiles
