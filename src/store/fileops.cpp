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

void FileOps::writeWorkFile(const QString& path, const QList<QByteArray>& records) {
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw StoreError(openFailureKind(out, QIODevice::WriteOnly),
                         QStringLiteral("%1: %2").arg(path, out.errorString()));
    for (const QByteArray& r : records) {
        if (write(out, r.constData(), r.size()) != r.size()) {
            const QString why = out.errorString();
            discard(out);
            throw ioError(path, why);
        }
    }
    if (!flush(out) || !sync(out)) {
        discard(out);
        throw ioError(path, QStringLiteral("flush failed"));
    }
    out.close();
}

void FileOps::copy(const QString& source, const QString& target) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        throw StoreError(openFailureKind(in, QIODevice::ReadOnly),
                         QStringLiteral("%1: %2").arg(source, in.errorString()));
    const QString workPath = target + QStringLiteral(".part");
    QFile work(workPath);
    if (!work.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw StoreError(openFailureKind(work, QIODevice::WriteOnly),
                         QStringLiteral("%1: %2").arg(workPath, work.errorString()));
    QByteArray block(1 << 16, Qt::Uninitialized);
    for (;;) {
        const qint64 got = read(in, block.data(), block.size());
        if (got < 0) {
            const QString why = in.errorString();
            discard(work);
            throw ioError(source, why);
        }
        if (got == 0) break;
        if (write(work, block.constData(), got) != got) {
            const QString why = work.errorString();
            discard(work);
            throw ioError(workPath, why);
        }
    }
    if (!flush(work) || !sync(work)) {
        discard(work);
        throw ioError(workPath, QStringLiteral("flush failed"));
    }
    work.close();
    try {
        replace(workPath, target);
    } catch (const StoreError&) {
        discard(work);
        throw;
    }
}
