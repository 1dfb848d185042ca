// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/ProgramFolder.h"

#include "storage/WordList.h"
#include "storage/WordListUpgrade.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cerrno>
#include <vector>

#include <fcntl.h>
#include <pwd.h>
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

QString homeFolder()
{
    // The filesystem's root is nobody's home: nothing is made there.
    const auto usable = [](const QString &path) {
        return !path.isEmpty() && QDir::isAbsolutePath(path) && QDir::cleanPath(path) != QLatin1String("/");
    };
    const QString home = qEnvironmentVariable("HOME");
    if (usable(home))
        return QDir::cleanPath(home);
    // HOME unset or not a path from the root (a service, "env -i", a
    // session of root): the account's own home.
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd *found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found && found->pw_dir) {
        const QString account = QFile::decodeName(found->pw_dir);
        if (usable(account))
            return QDir::cleanPath(account);
    }
    return QString();
}

QString userFolder()
{
    // A relative XDG_DATA_HOME would follow wherever the game was started
    // from: the desktop's rules call it invalid, so it is ignored.
    const QString data = qEnvironmentVariable("XDG_DATA_HOME");
    if (!data.isEmpty() && QDir::isAbsolutePath(data))
        return QDir(QDir::cleanPath(data)).filePath(QStringLiteral("tesmo"));
    const QString home = homeFolder();
    return home.isEmpty() ? QString() : QDir(home).filePath(QStringLiteral(".local/share/tesmo"));
}

bool isWritable(const QDir &dir)
{
    return writeProbe(dir) == SafeFile::Error::None;
}

SafeFile::Error writeProbe(const QDir &dir)
{
    // A probe with a byte in it: on a full disk an empty file can still be made.
    SafeFile::Writer probe(dir.filePath(QStringLiteral(".tesmo-probe")));
    if (probe.write("x", 1))
        return SafeFile::Error::None;  // dropped without a commit: nothing is left
    return probe.error() == SafeFile::Error::None ? SafeFile::Error::Failed : probe.error();
}

SafeFile::Error prepareUserFolder(const QDir &installedDir, const QDir &userDir)
{
    if (!userDir.mkpath(QStringLiteral(".")))
        return errno == ENOSPC || errno == EDQUOT ? SafeFile::Error::DiskFull : SafeFile::Error::ReadOnlyFolder;
    if (const SafeFile::Error probe = writeProbe(userDir); probe != SafeFile::Error::None)
        return probe;
    const QStringList lists = wordLists(installedDir);
    for (const QString &name : lists) {
        // A newer shipped list replaces the player's, keeping the marks of
        // the words both share; if that fails the old list still plays.
        SafeFile::Error why = SafeFile::Error::None;
        if (WordListUpgrade::place(installedDir.filePath(name), userDir, &why) == WordListUpgrade::Placed::NotCopied)
            return why == SafeFile::Error::None ? SafeFile::Error::Failed : why;
    }
    return SafeFile::Error::None;
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
    if (userDir.isEmpty()) {
        choice.ok = false;  // no home to keep the player's files in
        choice.homeless = true;
        return choice;
    }
    choice.program = QDir(userDir);
    choice.error = prepareUserFolder(choice.installed, choice.program);
    choice.ok = choice.error == SafeFile::Error::None;
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

QString failureMessage(const QString &folder, SafeFile::Error error)
{
    if (folder.isEmpty())
        return QCoreApplication::translate("ProgramFolder", "Il gioco non può scrivere le sue parole, le impostazioni e i record: "
                                                            "non si trova la cartella personale dell'utente (HOME).");
    const QString shown = QDir::toNativeSeparators(folder);
    if (error == SafeFile::Error::DiskFull)
        return QCoreApplication::translate("ProgramFolder", "Il gioco non può scrivere le sue parole, le impostazioni e i record: "
                                                            "il disco della cartella \"%1\" è pieno.").arg(shown);
    return QCoreApplication::translate("ProgramFolder", "Il gioco non può scrivere le sue parole, le impostazioni e i record: "
                                                        "la cartella \"%1\" non si può creare o non si può scrivere.").arg(shown);
}

} // namespace ProgramFolder
