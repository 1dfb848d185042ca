// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/SafeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace SafeFile {

namespace {

constexpr int OpenFlags = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
constexpr int LockWaitMs = 5000;
constexpr int StaleLockMs = 10000;

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

mode_t newFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

void syncFolderOf(const QString &path)
{
    const int dirFd = ::open(native(QFileInfo(path).absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
}

} // namespace

QString reason(Error error)
{
    switch (error) {
    case Error::None: return QString();
    case Error::Missing: return QStringLiteral("il file non c'è");
    case Error::Link: return QStringLiteral("il file è un collegamento");
    case Error::Folder: return QStringLiteral("al posto del file c'è una cartella");
    case Error::NotRegular: return QStringLiteral("non è un file normale");
    case Error::ReadOnlyFile: return QStringLiteral("il file è di sola lettura");
    case Error::ReadOnlyFolder: return QStringLiteral("cartella di sola lettura");
    case Error::DiskFull: return QStringLiteral("disco pieno");
    case Error::Busy: return QStringLiteral("il file è in uso da un'altra copia del gioco");
    case Error::Failed: return QStringLiteral("errore del disco");
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

Error replace(const QString &path, const QByteArray &data)
{
    struct stat st;
    mode_t mode;
    bool existed = false;
    if (::lstat(native(path).constData(), &st) == 0) {
        if (const Error kind = kindOf(st.st_mode); kind != Error::None)
            return kind;
        // A file marked read-only is kept, even where the folder would let
        // it be replaced (and even for the administrator).
        if ((st.st_mode & 0222) == 0 || ::access(native(path).constData(), W_OK) != 0)
            return Error::ReadOnlyFile;
        mode = st.st_mode & 07777;
        existed = true;
    } else if (errno == ENOENT) {
        mode = newFileMode();
    } else {
        return fromErrno(errno, false);
    }

    QByteArray temp = native(path) + ".tmp-XXXXXX";
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0)
        return fromErrno(errno, true);
    const auto fail = [&](int code) {
        ::close(fd);
        ::unlink(temp.constData());
        return fromErrno(code, false);
    };
    if (!writeAll(fd, data) || ::fsync(fd) != 0)
        return fail(errno);
    ::fchmod(fd, mode);
    if (existed && ::geteuid() == 0)
        (void)!::fchown(fd, st.st_uid, st.st_gid);
    if (::close(fd) != 0) {
        const int code = errno;
        ::unlink(temp.constData());
        return fromErrno(code, false);
    }
    if (::rename(temp.constData(), native(path).constData()) != 0) {
        const int code = errno;
        ::unlink(temp.constData());
        return fromErrno(code, true);
    }
    syncFolderOf(path);
    return Error::None;
}

struct Lock::Private
{
    QLockFile file;
    explicit Private(const QString &path) : file(path) {}
};

Lock::Lock(const QDir &dir, const QString &name)
    : d(new Private(dir.filePath(name + QStringLiteral(".lock"))))
{
    d->file.setStaleLockTime(StaleLockMs);
    m_held = d->file.tryLock(LockWaitMs);
    m_busy = !m_held && d->file.error() == QLockFile::LockFailedError;
}

Lock::~Lock()
{
    delete d;
}

Error Lock::replace(const QString &path, const QByteArray &data) const
{
    return m_busy ? Error::Busy : SafeFile::replace(path, data);
}

void removeLeftovers(const QDir &dir, const QStringList &names)
{
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names) {
        // The temporary names of this version, and the mixed-case ones that
        // earlier versions gave their saves.
        const QString stem = QRegularExpression::escape(name);
        const QRegularExpression ours(QStringLiteral("^%1\\.tmp-[A-Za-z0-9]{6}$").arg(stem),
                                      QRegularExpression::CaseInsensitiveOption);
        const QRegularExpression earlier(QStringLiteral("^%1\\.[A-Za-z0-9]{6}$").arg(stem),
                                         QRegularExpression::CaseInsensitiveOption);
        QStringList found;
        for (const QString &entry : entries) {
            const QString suffix = entry.mid(name.size());
            if (ours.match(entry).hasMatch()
                || (earlier.match(entry).hasMatch() && suffix != suffix.toLower() && suffix != suffix.toUpper()))
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
