#include "platform/nativefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace nativefile {

#ifdef Q_OS_WIN

namespace {

Failure lastFailure() {
    const DWORD err = GetLastError();
    Failure f;
    f.refused = err == ERROR_ACCESS_DENIED || err == ERROR_SHARING_VIOLATION ||
                err == ERROR_WRITE_PROTECT || err == ERROR_LOCK_VIOLATION;
    f.why = QStringLiteral("Windows error %1").arg(err);
    return f;
}

const wchar_t* wide(const QString& s) {
    return reinterpret_cast<const wchar_t*>(s.utf16());
}

} // namespace

bool sync(QFileDevice& file) {
    const intptr_t h = _get_osfhandle(file.handle());
    return h != -1 && FlushFileBuffers(reinterpret_cast<HANDLE>(h));
}

std::optional<Failure> renameOver(const QString& source, const QString& target) {
    const QString s = QDir::toNativeSeparators(source), t = QDir::toNativeSeparators(target);
    if (MoveFileExW(wide(s), wide(t), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return std::nullopt;
    return lastFailure();
}

bool syncFolder(const QString&) {
    return true;
}

std::optional<Failure> remove(const QString& path) {
    if (DeleteFileW(wide(QDir::toNativeSeparators(path)))) return std::nullopt;
    if (GetLastError() == ERROR_FILE_NOT_FOUND) return std::nullopt;
    return lastFailure();
}

bool accessRefused(const QString& path, QIODevice::OpenMode mode) {
    QFile probe(path);
    return !probe.open(mode) && probe.error() == QFileDevice::PermissionsError;
}

#else

namespace {

Failure failureOf(int err) {
    return {err == EACCES || err == EPERM || err == EROFS, QString::fromLocal8Bit(strerror(err))};
}

} // namespace

bool sync(QFileDevice& file) {
    return file.handle() >= 0 && ::fsync(file.handle()) == 0;
}

std::optional<Failure> renameOver(const QString& source, const QString& target) {
    if (std::rename(QFile::encodeName(source).constData(), QFile::encodeName(target).constData()) ==
        0)
        return std::nullopt;
    return failureOf(errno);
}

bool syncFolder(const QString& folder) {
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return false;
    // Some file systems cannot sync a folder at all (EINVAL): nothing to wait for there.
    const bool synced = ::fsync(fd) == 0 || errno == EINVAL;
    ::close(fd);
    return synced;
}

std::optional<Failure> remove(const QString& path) {
    if (::unlink(QFile::encodeName(path).constData()) == 0 || errno == ENOENT) return std::nullopt;
    return failureOf(errno);
}

bool accessRefused(const QString& path, QIODevice::OpenMode mode) {
    const QFileInfo info(path);
    const QByteArray native = QFile::encodeName(info.absoluteFilePath());
    int rc;
    if (::faccessat(AT_FDCWD, native.constData(), F_OK, AT_EACCESS) == 0) {
        const int wanted = (mode.testFlag(QIODevice::ReadOnly) ? R_OK : 0) |
                           (mode.testFlag(QIODevice::WriteOnly) ? W_OK : 0);
        rc = ::faccessat(AT_FDCWD, native.constData(), wanted ? wanted : F_OK, AT_EACCESS);
    } else if (mode.testFlag(QIODevice::WriteOnly)) {
        // A new file: its folder must let it be created.
        rc = ::faccessat(AT_FDCWD, QFile::encodeName(info.absolutePath()).constData(), W_OK | X_OK,
                         AT_EACCESS);
    } else {
        return false;
    }
    return rc != 0 && failureOf(errno).refused;
}

#endif

} // namespace nativefile
