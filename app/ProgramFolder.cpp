#include "app/ProgramFolder.h"

#include "storage/FileNames.h"
#include "storage/WordListUpgrade.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace ProgramFolder {

namespace {

const QString ListPrefix = QStringLiteral("tesmodat.");

QStringList wordLists(const QDir &dir)
{
    QStringList lists;
    const QStringList entries = dir.entryList(QDir::Files, QDir::Name);
    for (const QString &entry : entries) {
        if (entry.startsWith(ListPrefix, Qt::CaseInsensitive))
            lists << entry;
    }
    return lists;
}

// Copies a file in one step: the copy appears whole or not at all, and it is
// the player's to write even when the shipped one is read-only.
bool copyWhole(const QString &from, const QString &to)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    QSaveFile target(to);
    if (!target.open(QIODevice::WriteOnly))
        return false;
    while (!source.atEnd()) {
        const QByteArray chunk = source.read(64 * 1024);
        if (chunk.isEmpty() || target.write(chunk) != chunk.size()) {
            target.cancelWriting();
            return false;
        }
    }
    return target.commit();
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
        const QString shipped = installedDir.filePath(name);
        const QString own = FileNames::resolve(userDir, name);
        if (QFileInfo::exists(own)) {
            // A newer shipped list replaces the player's, keeping the marks
            // of the words both share; if that fails the old list still plays.
            WordListUpgrade::upgrade(shipped, own);
            continue;
        }
        if (!copyWhole(shipped, own))
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

QString failureMessage(const QString &folder)
{
    return QStringLiteral("Il gioco non può scrivere le sue parole, le impostazioni e i record: "
                          "la cartella \"%1\" non si può creare o non si può scrivere.")
        .arg(QDir::toNativeSeparators(folder));
}

} // namespace ProgramFolder
