#include "store/fileops.h"

#include "store/storeerror.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

StoreError::Kind kindOf(int err) {
    return (err == EACCES || err == EPERM || err == EROFS) ? StoreError::Kind::Access
                                                           : StoreError::Kind::Io;
}

} // namespace

StoreError::Kind openFailureKind(const QFile& file, QIODevice::OpenMode mode) {
    if (file.error() == QFileDevice::PermissionsError) return StoreError::Kind::Access;
    const QFileInfo info(file.fileName());
    const QByteArray path = QFile::encodeName(info.absoluteFilePath());
    int rc;
    if (::faccessat(AT_FDCWD, path.constData(), F_OK, AT_EACCESS) == 0) {
        const int wanted = (mode.testFlag(QIODevice::ReadOnly) ? R_OK : 0) |
                           (mode.testFlag(QIODevice::WriteOnly) ? W_OK : 0);
        rc = ::faccessat(AT_FDCWD, path.constData(), wanted ? wanted : F_OK, AT_EACCESS);
    } else if (mode.testFlag(QIODevice::WriteOnly)) {
        // A new file: its folder must let it be created.
        rc = ::faccessat(AT_FDCWD, QFile::encodeName(info.absolutePath()).constData(), W_OK | X_OK,
                         AT_EACCESS);
    } else {
        return StoreError::Kind::Io;
    }
    return rc != 0 ? kindOf(errno) : StoreError::Kind::Io;
}

void FileOps::replace(const QString& source, const QString& target) {
    if (std::rename(QFile::encodeName(source).constData(), QFile::encodeName(target).constData()) !=
        0) {
        const int err = errno;
        throw StoreError(kindOf(err),
                         QStringLiteral("%1 -> %2: %3").arg(source, target, strerror(err)));
    }
}

void FileOps::remove(const QString& path) {
    if (::unlink(QFile::encodeName(path).constData()) != 0 && errno != ENOENT) {
        const int err = errno;
        throw StoreError(kindOf(err), QStringLiteral("%1: %2").arg(path, strerror(err)));
    }
}

void FileOps::copy(const QString& source, const QString& target) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        throw StoreError(StoreError::Kind::Io,
                         QStringLiteral("%1: %2").arg(source, in.errorString()));
    const QString work = target + QStringLiteral(".part");
    QFile out(work);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw StoreError(openFailureKind(out, QIODevice::WriteOnly),
                         QStringLiteral("%1: %2").arg(work, out.errorString()));
    while (!in.atEnd()) {
        const QByteArray block = in.read(1 << 16);
        if (block.isEmpty() && in.error() != QFileDevice::NoError) break;
        if (out.write(block) != block.size()) {
            out.close();
            QFile::remove(work);
            throw StoreError(StoreError::Kind::Io,
                             QStringLiteral("%1: %2").arg(work, out.errorString()));
        }
    }
    out.flush();
    ::fsync(out.handle());
    out.close();
    replace(work, target);
}
