// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/SafeFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QElapsedTimer>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <utility>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace SafeFile {

namespace {

constexpr int OpenFlags = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
constexpr int LockWaitMs = 5000;  // how long a live copy of the game may keep a file

QByteArray native(const QString &path)
{
    return QFile::encodeName(path);
}

Error fromErrno(int code, bool creating)
{
    switch (code) {
    case ENOENT: return Error::Missing;
    case ELOOP: return Error::Link;
    case EISDIR: return Error::Folder;
    case ENXIO:
    case ENODEV:
    case ETXTBSY: return Error::NotRegular;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return Error::DiskFull;
    case EROFS: return Error::ReadOnlyFolder;
    case EACCES:
    case EPERM: return creating ? Error::ReadOnlyFolder : Error::ReadOnlyFile;
    default: return Error::Failed;
    }
}

Error kindOf(mode_t mode)
{
    if (S_ISREG(mode))
        return Error::None;
    if (S_ISLNK(mode))
        return Error::Link;
    if (S_ISDIR(mode))
        return Error::Folder;
    return Error::NotRegular;
}

// Opens with the given access and makes sure the descriptor is a regular
// file; the check is made on the opened file, so a swap of the name in
// between changes nothing.
int openRegular(const QString &path, int access, Error *error)
{
    int fd;
    do
        fd = ::open(native(path).constData(), access | OpenFlags);
    while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        *error = fromErrno(errno, false);
        return -1;
    }
    struct stat st;
    Error kind = ::fstat(fd, &st) != 0 ? Error::Failed : kindOf(st.st_mode);
    // A file marked read-only is not written, even by the administrator.
    if (kind == Error::None && (access & O_ACCMODE) != O_RDONLY && (st.st_mode & 0222) == 0)
        kind = Error::ReadOnlyFile;
    if (kind != Error::None) {
        *error = kind;
        ::close(fd);
        return -1;
    }
    // Only pipes and devices could block; a regular file reads as usual.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    *error = Error::None;
    return fd;
}

bool writeAll(int fd, const QByteArray &data)
{
    const char *p = data.constData();
    qint64 left = data.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, size_t(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        p += n;
        left -= n;
    }
    return true;
}

void syncFolderOf(const QByteArray &path)
{
    const int dirFd = ::open(native(QFileInfo(QFile::decodeName(path)).absolutePath()).constData(),
                             O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
}

mode_t newFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

QString reason(Error error)
{
    switch (error) {
    case Error::None: return QString();
    case Error::Missing: return QCoreApplication::translate("SafeFile", "il file non c'è");
    case Error::Link: return QCoreApplication::translate("SafeFile", "il file è un collegamento");
    case Error::Folder: return QCoreApplication::translate("SafeFile", "al posto del file c'è una cartella");
    case Error::NotRegular: return QCoreApplication::translate("SafeFile", "non è un file normale");
    case Error::ReadOnlyFile: return QCoreApplication::translate("SafeFile", "il file è di sola lettura");
    case Error::ReadOnlyFolder: return QCoreApplication::translate("SafeFile", "cartella di sola lettura");
    case Error::DiskFull: return QCoreApplication::translate("SafeFile", "disco pieno");
    case Error::Busy: return QCoreApplication::translate("SafeFile", "il file è in uso da un'altra copia del gioco");
    case Error::Failed: return QCoreApplication::translate("SafeFile", "errore del disco");
    }
    return QString();
}

ReadResult read(const QString &path, qint64 limit)
{
    ReadResult result;
    const int fd = openRegular(path, O_RDONLY, &result.error);
    if (fd < 0)
        return result;
    QByteArray bytes(limit, Qt::Uninitialized);
    qint64 got = 0;
    while (got < limit) {
        const ssize_t n = ::read(fd, bytes.data() + got, size_t(limit - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            result.error = Error::Failed;
            ::close(fd);
            return result;
        }
        if (n == 0)
            break;
        got += n;
    }
    ::close(fd);
    bytes.truncate(got);
    result.bytes = bytes;
    return result;
}

int openForUpdate(const QString &path, Error *error)
{
    return openRegular(path, O_RDWR, error);
}

int openForReading(const QString &path, Error *error)
{
    return openRegular(path, O_RDONLY, error);
}

Writer::Writer(const QString &path)
    : m_path(native(path))
{
    struct stat st;
    mode_t mode;
    bool existed = false;
    if (::lstat(m_path.constData(), &st) == 0) {
        if (const Error kind = kindOf(st.st_mode); kind != Error::None) {
            m_error = kind;
            return;
        }
        // A file marked read-only is kept, even where the folder would let
        // it be replaced (and even for the administrator).
        if ((st.st_mode & 0222) == 0 || ::access(m_path.constData(), W_OK) != 0) {
            m_error = Error::ReadOnlyFile;
            return;
        }
        mode = st.st_mode & 07777;
        existed = true;
    } else if (errno == ENOENT) {
        mode = newFileMode();
    } else {
        m_error = fromErrno(errno, false);
        return;
    }
    m_temp = m_path + ".tmp-XXXXXX";
    m_fd = ::mkostemp(m_temp.data(), O_CLOEXEC);
    if (m_fd < 0) {
        m_error = fromErrno(errno, true);
        return;
    }
    ::fchmod(m_fd, mode);
    if (existed && ::geteuid() == 0)
        (void)!::fchown(m_fd, st.st_uid, st.st_gid);
}

Writer::~Writer()
{
    if (m_fd >= 0)
        cancel(0);
}

void Writer::cancel(int code)
{
    ::close(m_fd);
    m_fd = -1;
    ::unlink(m_temp.constData());
    if (code != 0 && m_error == Error::None)
        m_error = fromErrno(code, false);
}

bool Writer::write(const char *data, qint64 size)
{
    if (m_fd < 0)
        return false;
    if (!writeAll(m_fd, QByteArray::fromRawData(data, size))) {
        cancel(errno);
        return false;
    }
    return true;
}

Error Writer::commit()
{
    if (m_fd < 0)
        return m_error == Error::None ? Error::Failed : m_error;
    if (::fsync(m_fd) != 0) {
        cancel(errno);
        return m_error;
    }
    const int fd = std::exchange(m_fd, -1);
    if (::close(fd) != 0 || ::rename(m_temp.constData(), m_path.constData()) != 0) {
        const int code = errno;
        ::unlink(m_temp.constData());
        m_error = fromErrno(code, true);
        return m_error;
    }
    syncFolderOf(m_path);
    return Error::None;
}

Error replace(const QString &path, const QByteArray &data)
{
    Writer writer(path);
    if (writer.error() != Error::None)
        return writer.error();
    if (!writer.write(data.constData(), data.size()))
        return writer.error();
    return writer.commit();
}

struct Lock::Private
{
    int fd = -1;
    QByteArray path;       // the lock file, removed when the lock is let go
    bool ownFile = false;  // false: the folder itself is locked instead
};

namespace {

enum class Attempt { Held, Taken, Retry, Unavailable };

// One try at the lock file: creates it if need be, and locks it if no other
// copy of the game holds it. The system lets go of a lock whose process has
// died, so a lock file left by a crash (empty, or naming a process long
// gone) is taken at once. Anything else under the lock's name (a link, a
// pipe, a socket) is removed; a folder there makes the folder of the game
// itself the lock.
Attempt tryLock(Lock::Private *d, const QByteArray &folder)
{
    int fd;
    do
        fd = ::open(d->path.constData(), O_RDWR | O_CREAT | OpenFlags, newFileMode());
    while (fd < 0 && errno == EINTR);
    const int openError = fd < 0 ? errno : 0;
    struct stat st;
    if (fd < 0 || ::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const bool opened = fd >= 0;
        if (opened)
            ::close(fd);
        struct stat entry;
        // Never there and it cannot be made (a folder turned read-only, a
        // full disk): the folder itself is the lock, so that a list is still
        // read and marked by one copy at a time.
        const bool cannotCreate = openError == EACCES || openError == EPERM || openError == EROFS
                                  || openError == ENOSPC || openError == EDQUOT;
        // Gone since it was opened: tried again. Never there, so it could not
        // be created (the folder itself is missing): the save will say why.
        const bool there = ::lstat(d->path.constData(), &entry) == 0;
        if (!there && !(cannotCreate && errno == ENOENT))
            return opened && errno == ENOENT ? Attempt::Retry : Attempt::Unavailable;
        if (there && S_ISREG(entry.st_mode)) {
            // A lock file that cannot be opened: the save will say why.
            if (!cannotCreate)
                return Attempt::Unavailable;
        } else if (there && !S_ISDIR(entry.st_mode)) {
            // A link or pipe is removed and the lock tried again.
            return ::unlink(d->path.constData()) != 0 ? Attempt::Unavailable : Attempt::Retry;
        }
        fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0)
            return Attempt::Unavailable;
        d->ownFile = false;
    } else {
        d->ownFile = true;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool taken = errno == EWOULDBLOCK;
        ::close(fd);
        return taken ? Attempt::Taken : Attempt::Unavailable;
    }
    // The copy that held it before may have removed the file as it let go:
    // the name must still be this file.
    struct stat now;
    if (d->ownFile && (::stat(d->path.constData(), &now) != 0 || now.st_ino != st.st_ino || now.st_dev != st.st_dev)) {
        ::close(fd);
        return Attempt::Retry;
    }
    d->fd = fd;
    return Attempt::Held;
}

} // namespace

Lock::Lock(const QDir &dir, const QString &name)
    : d(new Private)
{
    d->path = native(dir.filePath(name + QStringLiteral(".lock")));
    const QByteArray folder = native(dir.absolutePath());
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        const Attempt attempt = tryLock(d, folder);
        if (attempt == Attempt::Held) {
            m_held = true;
            return;
        }
        if (attempt == Attempt::Unavailable)
            return;  // not busy: the save itself fails and says why
        if (waited.elapsed() >= LockWaitMs) {
            m_busy = attempt == Attempt::Taken;
            return;
        }
        if (attempt == Attempt::Taken)
            ::usleep(10000);
    }
}

Lock::~Lock()
{
    if (d->fd >= 0) {
        if (d->ownFile)
            ::unlink(d->path.constData());
        ::close(d->fd);  // lets go of the lock
    }
    delete d;
}

Error Lock::replace(const QString &path, const QByteArray &data) const
{
    return m_busy ? Error::Busy : SafeFile::replace(path, data);
}

namespace {

// Whether `entry` is `name`, then `tail`, then six letters or digits, in any case.
bool isNameTailAndSix(QStringView entry, QStringView name, QLatin1String tail)
{
    if (entry.size() != name.size() + tail.size() + 6 || !entry.startsWith(name, Qt::CaseInsensitive)
        || entry.sliced(name.size(), tail.size()).compare(tail, Qt::CaseInsensitive) != 0)
        return false;
    return std::all_of(entry.end() - 6, entry.end(), [](QChar c) {
        return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
    });
}

} // namespace

void removeLeftovers(const QDir &dir, const QStringList &names)
{
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names) {
        // The temporary names of this version, and the mixed-case ones that
        // earlier versions gave their saves.
        QStringList found;
        for (const QString &entry : entries) {
            const QString suffix = entry.mid(name.size());
            if (isNameTailAndSix(entry, name, QLatin1String(".tmp-"))
                || (isNameTailAndSix(entry, name, QLatin1String(".")) && suffix != suffix.toLower()
                    && suffix != suffix.toUpper()))
                found << entry;
        }
        if (found.isEmpty())
            continue;
        const Lock lock(dir, name);
        if (!lock.held())
            continue;
        for (const QString &entry : found) {
            struct stat st;
            const QByteArray path = native(dir.filePath(entry));
            if (::lstat(path.constData(), &st) == 0 && S_ISREG(st.st_mode))
                ::unlink(path.constData());
        }
    }
}

} // namespace SafeFile
