#include "store/fileops.h"

#include "platform/nativefile.h"

#include <QFile>
#include <QFileInfo>

namespace {

StoreError failure(const nativefile::Failure& f, const QString& what) {
    return StoreError(f.refused ? StoreError::Kind::Access : StoreError::Kind::Io,
                      QStringLiteral("%1: %2").arg(what, f.why));
}

StoreError ioError(const QString& path, const QString& why) {
    return StoreError(StoreError::Kind::Io, QStringLiteral("%1: %2").arg(path, why));
}

} // namespace

QString linkTarget(const QString& path) {
    QString at = QFileInfo(path).absoluteFilePath();
    // A loop of links ends somewhere; the system refuses it when opened.
    for (int hops = 0; hops < 40; ++hops) {
        const QFileInfo info(at);
        if (!info.isSymbolicLink()) break;
        at = info.symLinkTarget();
    }
    return at;
}

QString notAFileReason(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() || info.isFile()) return {};
    if (info.isDir()) return QStringLiteral("es una carpeta, no un archivo");
    return QStringLiteral("no es un archivo normal (puede ser una tubería o un dispositivo)");
}

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
    const QString real = linkTarget(target);
    const QString why = notAFileReason(real);
    if (!why.isEmpty()) throw ioError(target, why);
    if (auto f = nativefile::renameOver(source, real))
        throw failure(*f, QStringLiteral("%1 -> %2").arg(source, real));
    syncFolder(QFileInfo(real).absolutePath());
}

void FileOps::syncFolder(const QString& folder) {
    nativefile::syncFolder(folder);
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

void FileOps::createWorkFile(QFile& work) {
    remove(work.fileName());
    open(work, QIODevice::WriteOnly | QIODevice::NewOnly);
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
    createWorkFile(out);
    for (const QByteArray& r : records)
        append(out, r.constData(), r.size());
    finish(out);
}

void FileOps::replaceWith(const QString& work, const QString& target,
                          const QList<QByteArray>& records,
                          const std::function<void()>& beforeRename) {
    const QString at = QFileInfo(linkTarget(target)).absolutePath() + QLatin1Char('/') +
                       QFileInfo(work).fileName();
    writeWorkFile(at, records);
    if (beforeRename) beforeRename();
    try {
        replace(at, target);
    } catch (const StoreError&) {
        try {
            remove(at);
        } catch (const StoreError&) {
        }
        throw;
    }
}

void FileOps::copyToWorkFile(const QString& source, const QString& work) {
    const QString why = notAFileReason(source);
    if (!why.isEmpty()) throw ioError(source, why);
    QFile in(source);
    open(in, QIODevice::ReadOnly);
    QFile out(work);
    createWorkFile(out);
    QByteArray block(1 << 16, Qt::Uninitialized);
    for (;;) {
        const qint64 got = read(in, block.data(), block.size());
        if (got < 0) {
            const QString readWhy = in.errorString();
            discard(out);
            throw ioError(source, readWhy);
        }
        if (got == 0) break;
        append(out, block.constData(), got);
    }
    finish(out);
}

void FileOps::copy(const QString& source, const QString& target) {
    const QString work = linkTarget(target) + QStringLiteral(".part");
    copyToWorkFile(source, work);
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
