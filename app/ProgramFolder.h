// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

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
};

// The folder of the shipped files: the executable's own when it holds a word
// list, otherwise the data folder relative to it where an installation puts them.
QDir installedFolder(const QString &executableDir, const QString &relativeDataDir);

// The player's own folder: $XDG_DATA_HOME/tesmo, by default ~/.local/share/tesmo.
QString userFolder();

// Whether a file can be created in dir (tried, not guessed from its mode).
bool isWritable(const QDir &dir);

// Creates userDir if needed and copies into it every word list of installedDir
// it does not hold yet in any letter case; a list already there is brought up
// to the shipped one, keeping the player's marks of the words both share.
// False when the folder cannot be created or a copy fails.
bool prepareUserFolder(const QDir &installedDir, const QDir &userDir);

// Chooses once, at start-up, where the game works.
Choice choose(const QString &executableDir, const QString &relativeDataDir, const QString &userDir);

// The folder as the game finds it at start, for good: it is opened once and
// named through that handle (/proc/self/fd/N, which the system resolves as
// openat() does), so every file the game opens later lies in that very
// folder, even if its path is swapped for a link to another folder while
// the game runs. Without /proc the folder is named by its path, as before.
QDir pin(const QDir &dir);

// The message shown when no folder can be written.
QString failureMessage(const QString &folder);

} // namespace ProgramFolder
