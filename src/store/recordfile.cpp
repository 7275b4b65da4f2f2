#include "store/recordfile.h"

#include "store/fileops.h"
#include "store/records.h"
#include "store/storeerror.h"

#include <unistd.h>

namespace {

StoreError openError(const QFile& f, QIODevice::OpenMode mode, const QString& path) {
    return StoreError(openFailureKind(f, mode),
                      QStringLiteral("%1: %2").arg(path, f.errorString()));
}

} // namespace

void RecordFile::open(const QString& path) {
    close();
    path_ = path;
    file_.setFileName(path);
    if (!file_.open(QIODevice::ReadWrite)) throw openError(file_, QIODevice::ReadWrite, path);
}

void RecordFile::close() {
    if (file_.isOpen()) {
        file_.flush();
        file_.close();
    }
}

std::optional<QByteArray> RecordFile::read(int n) {
    if (n < 1 || !file_.isOpen()) return std::nullopt;
    if (!file_.seek(qint64(n - 1) * length_)) return std::nullopt;
    QByteArray bytes = file_.read(length_);
    if (bytes.size() != length_) return std::nullopt;
    return bytes;
}

void RecordFile::write(int n, const QByteArray& record) {
    if (n < 1 || n > kMaxRecords)
        throw StoreError(StoreError::Kind::TooManyRecords,
                         QStringLiteral("%1: record %2").arg(path_).arg(n));
    if (!file_.isOpen())
        throw StoreError(StoreError::Kind::Io, QStringLiteral("%1: not open").arg(path_));
    QByteArray image = record.left(length_);
    image.append(QByteArray(length_ - image.size(), '\0'));
    if (!file_.seek(qint64(n - 1) * length_) || file_.write(image) != length_ || !file_.flush())
        throw StoreError(StoreError::Kind::Io,
                         QStringLiteral("%1: %2").arg(path_, file_.errorString()));
}

int RecordFile::count() {
    if (!file_.isOpen() || !file_.seek(0)) return 0;
    constexpr qint64 kBlock = 1 << 16;
    qint64 bytes = 0;
    for (;;) {
        const QByteArray block = file_.read(kBlock);
        if (block.isEmpty()) break;
        bytes += block.size();
    }
    return static_cast<int>(std::min<qint64>(bytes / length_, kMaxRecords));
}

QList<QByteArray> RecordFile::readAll() {
    QList<QByteArray> records;
    if (!file_.isOpen() || !file_.seek(0)) return records;
    QByteArray pending;
    for (;;) {
        const QByteArray block = file_.read(qint64(length_) * 2048);
        if (block.isEmpty()) break;
        pending.append(block);
        qsizetype at = 0;
        while (pending.size() - at >= length_ && records.size() < kMaxRecords) {
            records.append(pending.mid(at, length_));
            at += length_;
        }
        pending.remove(0, at);
    }
    return records;
}

void RecordFile::flush() {
    if (file_.isOpen()) file_.flush();
}

void writeWorkFile(const QString& path, const QList<QByteArray>& records) {
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw openError(out, QIODevice::WriteOnly, path);
    for (const QByteArray& r : records) {
        if (out.write(r) != r.size()) {
            const QString why = out.errorString();
            out.close();
            QFile::remove(path);
            throw StoreError(StoreError::Kind::Io, QStringLiteral("%1: %2").arg(path, why));
        }
    }
    if (!out.flush() || ::fsync(out.handle()) != 0) {
        out.close();
        QFile::remove(path);
        throw StoreError(StoreError::Kind::Io, QStringLiteral("%1: flush failed").arg(path));
    }
    out.close();
}
