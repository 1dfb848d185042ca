// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/ProgramFolder.h"

#include "storage/WordList.h"
#include "storage/WordListUpgrade.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <fcntl.h>
#include <unistd.h>

namespace ProgramFolder {

namespace {

QStringList wordLists(const QDir &dir)
{
    QStringList lists;
    const QStringList entries = dir.entryList(QDir::Files, QDir::Name);
    for (const QString &entry : entries) {
        if (entry.startsWith(QLatin1String(WordList::FilePrefix), Qt::CaseInsensitive))
            lists << entry;
    }
    return lists;
}

} // namespace

QDir installedFolder(const QString &executableDir, const QString &relativeDataDir)
{
    const QDir own(executableDir);
    if (!wordLists(own).isEmpty() || relativeDataDir.isEmpty())
        return own;
    const QDir data(QDir::cleanPath(own.filePath(relativeDataDir)));
    return data.exists() ? data : own;
}

QString userFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)).filePath(QStringLiteral("tesmo"));
}

bool isWritable(const QDir &dir)
{
    QTemporaryFile probe(dir.filePath(QStringLiteral(".tesmo-XXXXXX")));
    return probe.open();
}

bool prepareUserFolder(const QDir &installedDir, const QDir &userDir)
{
    if (!userDir.mkpath(QStringLiteral(".")) || !isWritable(userDir))
        return false;
    const QStringList lists = wordLists(installedDir);
    for (const QString &name : lists) {
        // A newer shipped list replaces the player's, keeping the marks of
        // the words both share; if that fails the old list still plays.
        if (WordListUpgrade::place(installedDir.filePath(name), userDir) == WordListUpgrade::Placed::NotCopied)
            return false;
    }
    return true;
}

Choice choose(const QString &executableDir, const QString &relativeDataDir, const QString &userDir)
{
    Choice choice;
    choice.installed = installedFolder(executableDir, relativeDataDir);
    const QDir own(executableDir);
    if (choice.installed == own && isWritable(own)) {
        choice.program = own;
        return choice;
    }
    choice.program = QDir(userDir);
    choice.ok = prepareUserFolder(choice.installed, choice.program);
    return choice;
}

QDir pin(const QDir &dir)
{
    // Kept open for the whole run: the handle is the folder.
    const int fd = ::open(QFile::encodeName(dir.absolutePath()).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return dir;
    const QString handle = QStringLiteral("/proc/self/fd/%1").arg(fd);
    if (!QFileInfo(handle).isDir()) {
        ::close(fd);
        return dir;
    }
    return QDir(handle);
}

QString failureMessage(const QString &folder)
{
    return QCoreApplication::translate("ProgramFolder",
                                       "Il gioco non può scrivere le sue parole, le impostazioni e i record: "
                                       "la cartella \"%1\" non si può creare o non si può scrivere.")
        .arg(QDir::toNativeSeparators(folder));
}

} // namespace ProgramFolder
