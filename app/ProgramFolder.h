// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "storage/SafeFile.h"

#include <QDir>
#include <QString>

// Where the game keeps its files. Every file is looked up in the program's
// folder. A copy that can write beside its executable (the build folder, a
// portable copy) works there, as always. An installed copy cannot: it reads
// its voices and pages from the installed data folder and works in a folder
// of the player's own, $XDG_DATA_HOME/tesmo, where its word lists are copied
// on first use and its settings and high scores are written.
namespace ProgramFolder {

struct Choice
{
    QDir program;    // word lists, Tesmo.ini, TESMO.HIS; the folder the game works in
    QDir installed;  // the shipped files: voices, pages and the shipped word lists
    bool ok = true;  // false: the program folder could not be created or written
    SafeFile::Error error = SafeFile::Error::None;  // why not
    bool homeless = false;  // there is no home folder to keep them in
};

// The folder of the shipped files: the executable's own when it holds a word
// list, otherwise the data folder relative to it where an installation puts them.
QDir installedFolder(const QString &executableDir, const QString &relativeDataDir);

// The player's home: $HOME when it is a path from the root, otherwise the
// account's home in the password database; never the filesystem's root
// (empty when there is no other).
QString homeFolder();

// The player's own folder: $XDG_DATA_HOME/tesmo when that is a path from the
// root (a relative one is ignored, as freedesktop.org's base-directory rules
// say), otherwise <home>/.local/share/tesmo; empty without a home.
QString userFolder();

// Whether a file can be written in dir (tried, not guessed from its mode),
// and why not.
bool isWritable(const QDir &dir);
SafeFile::Error writeProbe(const QDir &dir);

// Creates userDir if needed and copies into it every word list of installedDir
// it does not hold yet in any letter case; a list already there is brought up
// to the shipped one, keeping the player's marks of the words both share.
// Why the folder cannot be created or a copy fails (None when all is well).
SafeFile::Error prepareUserFolder(const QDir &installedDir, const QDir &userDir);

// Chooses once, at start-up, where the game works.
Choice choose(const QString &executableDir, const QString &relativeDataDir, const QString &userDir);

// The folder as the game finds it at start, for good: it is opened once and
// named through that handle (/proc/self/fd/N, which the system resolves as
// openat() does), so every file the game opens later lies in that very
// folder, even if its path is swapped for a link to another folder while
// the game runs. Without /proc the folder is named by its path, as before.
QDir pin(const QDir &dir);

// The message shown when no folder can be written: a full disk is named as
// such; an empty folder is a missing home.
QString failureMessage(const QString &folder, SafeFile::Error error = SafeFile::Error::Failed);

} // namespace ProgramFolder
