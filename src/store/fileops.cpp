#include "store/fileops.h"

#include "platform/nativefile.h"

#include <QFile>

namespace {

StoreError failure(const nativefile::Failure& f, const QString& what) {
    return StoreError(f.refused ? StoreError::Kind::Access : StoreError::Kind::Io,
                      QStringLiteral("%1: %2").arg(what, f.why));
}

StoreError ioError(const QString& path, const QString& why) {
    return StoreError(StoreError::Kind::Io, QStringLiteral("%1: %2").arg(path, why));
}

} // namespace

StoreError::Kind openFailureKind(const QFile& file, QIODevice::OpenMode mode) {
    if (file.error() == QFileDevice::PermissionsError) return StoreError::Kind::Access;
    return nativefile::accessRefused(file.fileName(), mode) ? StoreError::Kind::Access
                                                            : StoreError::Kind::Io;
}

qint64 FileOps::read(QFileDevice& file, char* data, qint64 size) {
    return file.read(data, size);
}

qint64 FileOps::write(QFileDevice& file, const char* data, qint64 size) {
    return file.write(data, size);
}

bool FileOps::flush(QFileDevice& file) {
    return file.flush();
}

bool FileOps::sync(QFileDevice& file) {
    return nativefile::sync(file);
}

void FileOps::replace(const QString& source, const QString& target) {
    if (auto f = nativefile::renameOver(source, target))
        throw failure(*f, QStringLiteral("%1 -> %2").arg(source, target));
}

void FileOps::remove(const QString& path) {
    if (auto f = nativefile::remove(path)) throw failure(*f, path);
}

void FileOps::discard(QFile& work) {
    work.close();
    try {
        remove(work.fileName());
    } catch (const StoreError&) {
    }
}

void FileOps::open(QFile& file, QIODevice::OpenMode mode) {
    if (!file.open(mode))
        throw StoreError(openFailureKind(file, mode),
                         QStringLiteral("%1: %2").arg(file.fileName(), file.errorString()));
}

void FileOps::append(QFile& work, const char* data, qint64 size) {
    if (write(work, data, size) == size) return;
    const QString why = work.errorString();
    discard(work);
    throw ioError(work.fileName(), why);
}

void FileOps::finish(QFile& work) {
    if (!flush(work) || !sync(work)) {
        discard(work);
        throw ioError(work.fileName(), QStringLiteral("flush failed"));
    }
    work.close();
}

void FileOps::writeWorkFile(const QString& path, const QList<QByteArray>& records) {
    QFile out(path);
    open(out, QIODevice::WriteOnly | QIODevice::Truncate);
    for (const QByteArray& r : records)
        append(out, r.constData(), r.size());
    finish(out);
}

void FileOps::replaceWith(const QString& work, const QString& target,
                          const QList<QByteArray>& records,
                          const std::function<void()>& beforeRename) {
    writeWorkFile(work, records);
    if (beforeRename) beforeRename();
    try {
        replace(work, target);
    } catch (const StoreError&) {
        try {
            remove(work);
        } catch (const StoreError&) {
        }
        throw;
    }
}

void FileOps::copy(const QString& source, const QString& target) {
    QFile in(source);
    open(in, QIODevice::ReadOnly);
    QFile work(target + QStringLiteral(".part"));
    open(work, QIODevice::WriteOnly | QIODevice::Truncate);
    QByteArray block(1 << 16, Qt::Uninitialized);
    for (;;) {
        const qint64 got = read(in, block.data(), block.size());
        if (got < 0) {
            const QString why = in.errorString();
            discard(work);
            throw ioError(source, why);
        }
        if (got == 0) break;
        append(work, block.constData(), got);
    }
    finish(work);
    try {
        replace(work.fileName(), target);
    } catch (const StoreError&) {
        discard(work);
        throw;
    }
}
