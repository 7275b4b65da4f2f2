#include "store/fileops.h"

#include "store/storeerror.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

StoreError::Kind kindOf(int err) {
    return (err == EACCES || err == EPERM || err == EROFS) ? StoreError::Kind::Access
                                                           : StoreError::Kind::Io;
}

} // namespace

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
        throw StoreError(out.error() == QFileDevice::PermissionsError ? StoreError::Kind::Access
                                                                      : StoreError::Kind::Io,
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
