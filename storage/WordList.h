// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <functional>

// A word list is a file of 8-byte records: five bytes of word, a mark ("." free,
// anything else drawn) and CR LF. Records are read and rewritten in place, in
// blocks of 64 KiB at most, never the whole file at once; bytes after the last
// whole record are never touched.
namespace WordList {

// List N is the file tesmodat.N; tools/wordlists/lists.tsv lists them (WordLists.h).
constexpr char FilePrefix[] = "tesmodat.";

// The file of list `number`: "tesmodat.<number>".
QString fileName(int number);

constexpr int RecordSize = 8;
constexpr int WordLength = 5;   // the word's bytes; the mark follows them
constexpr char FreeMark = '.';
constexpr char DrawnMark = '*';  // the mark a draw sets
// Files are read and rewritten a block of records at a time: a few system
// calls for the whole list, and never more than one block in memory.
constexpr qint64 BlockRecords = 65536 / RecordSize;

// Missing, CannotOpen and Exhausted come only from drawFromFile.
enum class DrawStatus { Ok, NoRecords, ReadError, WriteError, Missing, CannotOpen, Exhausted };

struct DrawResult
{
    DrawStatus status = DrawStatus::ReadError;
    QByteArray word;       // the five bytes of the record drawn
    qint64 record = 0;     // its number, from 1
    bool exhausted = false;
    // The list could only be read (the file or its folder is read-only): the
    // word was drawn but not marked.
    bool unmarked = false;
};

qint64 recordCount(qint64 fileSize);

// Reads `count` whole records from record `first` (numbered from 1) into block.
bool readRecords(QIODevice &file, qint64 first, qint64 count, QByteArray *block);

// Draws from an open read-write device: the first free record at or after
// record floor(N * r) + 1, going round from the last record to the first, and
// marks it "*". When no record is free, onExhausted runs, the whole list is
// released and record 1 is drawn. A write that fails, also one that fails only
// when the device's buffer goes to the file, is a WriteError.
DrawResult draw(QIODevice &file, double r, const std::function<void()> &onExhausted);

// Draws from the list file at path the same way. Only a regular file that
// exists is used: nothing is created, and a link, a folder or a pipe under
// the list's name is refused (CannotOpen), as is a file that cannot be
// opened even for reading. A list that can only be read (the file or its
// folder turned read-only) is drawn from without a mark: `unmarked`.
DrawResult drawFromFile(const QString &path, double r, const std::function<void()> &onExhausted);

// The same, where the caller asks the player before a used-up list is
// released: Stop leaves a list without a free record as it is and returns
// Exhausted, so that the list need not stay locked while the player reads
// the box; Release then releases it (unless another copy of the game has
// meanwhile) and draws.
enum class WhenExhausted { Stop, Release };
DrawResult drawFromFileAsking(const QString &path, double r, WhenExhausted when);

} // namespace WordList
