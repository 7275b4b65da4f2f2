#include "support/faultyops.h"

#include <QFileDevice>
#include <QFileInfo>

bool endsWith(const QString& path, const char* name) {
    return QFileInfo(path).fileName() == QLatin1String(name);
}

bool FaultyOps::fails(const char* step, const QString& path) {
    ++steps;
    const bool fail = failAt > 0 && (steps == failAt || (failAfter && steps > failAt));
    if (fail)
        failed.append(QStringLiteral("%1 %2").arg(QLatin1String(step), QFileInfo(path).fileName()));
    return fail;
}

qint64 FaultyOps::read(QFileDevice& file, char* data, qint64 size) {
    if (readFailAt > 0 && ++reads_ == readFailAt) return -1;
    return FileOps::read(file, data, size);
}

qint64 FaultyOps::write(QFileDevice& file, const char* data, qint64 size) {
    if (!fails("write", file.fileName())) return FileOps::write(file, data, size);
    // The disk takes part of the bytes, then is full.
    const qint64 part = size / 2;
    const qint64 written = part > 0 ? FileOps::write(file, data, part) : 0;
    return written < 0 ? -1 : written;
}

bool FaultyOps::flush(QFileDevice& file) {
    return !fails("flush", file.fileName()) && FileOps::flush(file);
}

bool FaultyOps::sync(QFileDevice& file) {
    return !fails("sync", file.fileName()) && FileOps::sync(file);
}

void FaultyOps::replace(const QString& source, const QString& target) {
    if (refuseReplace && refuseReplace(source, target)) throw StoreError(kind, target);
    if (fails("rename", target)) throw StoreError(StoreError::Kind::Io, target);
    FileOps::replace(source, target);
    ++renames;
}

void FaultyOps::syncFolder(const QString& folder) {
    FileOps::syncFolder(folder);
    ++folderSyncs;
}

void FaultyOps::remove(const QString& path) {
    if (refuseRemove && refuseRemove(path)) throw StoreError(kind, path);
    FileOps::remove(path);
}

std::shared_ptr<FaultyOps> refusingOps(StoreError::Kind kind) {
    auto ops = std::make_shared<FaultyOps>();
    ops->kind = kind;
    ops->refuseReplace = [](const QString&, const QString&) { return true; };
    return ops;
}
