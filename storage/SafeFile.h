// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QDir>
#include <QString>
#include <QStringList>

// The game's own files, read and written only as regular files of its
// folder: a symbolic link, a folder, a pipe or a device under one of their
// names is never followed, opened for writing or waited on.
namespace SafeFile {

enum class Error {
    None,
    Missing,        // no entry under the name
    Link,           // a symbolic link
    Folder,         // a folder
    NotRegular,     // a pipe, a socket or a device
    ReadOnlyFile,   // the file is marked read-only
    ReadOnlyFolder, // nothing can be created in the folder
    DiskFull,       // no room left (or the size allowed is exhausted)
    Busy,           // another copy of the game keeps the file locked
    Failed,         // any other failure of the system
};

// The reason, in a few Italian words a player understands.
QString reason(Error error);

// Reads at most limit bytes of a regular file.
struct ReadResult
{
    Error error = Error::Missing;
    QByteArray bytes;
};
ReadResult read(const QString &path, qint64 limit);

// Opens an existing regular file for reading and writing and returns its
// descriptor, or -1 with *error set. Nothing is ever created.
int openForUpdate(const QString &path, Error *error);

// The same for reading only.
int openForReading(const QString &path, Error *error);

// Writes a new version of a file and puts it in the file's place in one
// step: a temporary "<name>.tmp-XXXXXX" beside it is written piece by piece,
// flushed to the disk and renamed over the file, which until then stays
// byte for byte (a missing file is created). A writer that goes without
// commit() leaves nothing behind; a process killed meanwhile leaves the
// temporary, which removeLeftovers() clears.
class Writer
{
public:
    explicit Writer(const QString &path);
    ~Writer();
    Writer(const Writer &) = delete;
    Writer &operator=(const Writer &) = delete;
    // Why the file cannot be written (None while all is well).
    Error error() const { return m_error; }
    bool write(const char *data, qint64 size);
    Error commit();

private:
    void cancel(int code);
    QByteArray m_path;
    QByteArray m_temp;
    int m_fd = -1;
    Error m_error = Error::None;
};

// Replaces the file with data in one step, through a Writer.
Error replace(const QString &path, const QByteArray &data);

// Keeps other copies of the game away from the file named name in dir
// while it lives. The lock is a file beside it, named after the file and
// locked with the system's file lock, which dies with its process: a lock
// left by a copy that died is taken at once. Something else under the
// lock's name (a link, a pipe, a socket) is removed; under a folder there,
// or where the lock file cannot be made (a read-only folder, a full disk),
// the game's folder itself is locked.
class Lock
{
public:
    struct Private;
    Lock(const QDir &dir, const QString &name);
    ~Lock();
    Lock(const Lock &) = delete;
    Lock &operator=(const Lock &) = delete;
    bool held() const { return m_held; }
    // Another copy of the game kept the file locked for the whole wait. A
    // lock that cannot even be created (a full disk, a read-only folder)
    // is not "busy": the save itself then fails and tells why.
    bool busy() const { return m_busy; }
    // Replaces the locked file as replace() does; Busy, writing nothing, when
    // another copy of the game kept it locked.
    Error replace(const QString &path, const QByteArray &data) const;

private:
    Private *d;
    bool m_held = false;
    bool m_busy = false;
};

// Removes what an interrupted save of one of the named files left behind:
// the regular files "<name>.XXXXXX" (six letters or digits) of the folder.
// Each file's lock is taken first, so a save in progress keeps its file.
void removeLeftovers(const QDir &dir, const QStringList &names);

} // namespace SafeFile
