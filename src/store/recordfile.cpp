#include "store/recordfile.h"

#include "store/fileops.h"
#include "store/records.h"
#include "store/storeerror.h"

#include <QFileInfo>
#include <algorithm>

namespace {

constexpr QIODevice::OpenMode kUnbuffered = QIODevice::Unbuffered;

} // namespace

FileOps& defaultFileOps() {
    static FileOps ops;
    return ops;
}

RecordFile::RecordFile(int recordLength) : length_(recordLength), ops_(&defaultFileOps()) {}

QString RecordFile::fileName() const {
    return QFileInfo(path_).fileName();
}

void RecordFile::open(const QString& path) {
    close();
    ++generation_;
    path_ = path;
    problem_.clear();
    writable_ = false;
    file_.setFileName(path);
    // A folder, a pipe or a device in the file's place is never opened: a
    // pipe would keep the program waiting for ever.
    if (const QString why = notAFileReason(path); !why.isEmpty()) {
        problem_ = why;
        throw StoreError(StoreError::Kind::Io, QStringLiteral("%1: %2").arg(path, why));
    }
    if (file_.open(QIODevice::ReadWrite | kUnbuffered)) {
        writable_ = true;
        return;
    }
    const StoreError::Kind kind = openFailureKind(file_, QIODevice::ReadWrite);
    const QString why = file_.errorString();
    // Read-only use is fine: shown, but every change is refused.
    if (QFileInfo::exists(path) && file_.open(QIODevice::ReadOnly | kUnbuffered)) {
        problem_ = QStringLiteral("sólo se puede leer, no tiene permiso para modificarlo");
        return;
    }
    if (kind == StoreError::Kind::Access)
        problem_ = QFileInfo::exists(path) ? QStringLiteral("no tiene permiso para abrirlo")
                                           : QStringLiteral("no tiene permiso para crearlo");
    else
        problem_ = QStringLiteral("no se ha podido abrir (puede que otro programa lo esté usando)");
    throw StoreError(kind, QStringLiteral("%1: %2").arg(path, why));
}

RecordFile::Stamp RecordFile::stamp() const {
    if (!file_.isOpen()) return {generation_, -1, -1};
    return {generation_, file_.size(),
            file_.fileTime(QFileDevice::FileModificationTime).toMSecsSinceEpoch()};
}

void RecordFile::close() {
    if (file_.isOpen()) file_.close();
    ++generation_;
}

QString RecordFile::refusalText() const {
    const QString why = !problem_.isEmpty() ? problem_ : QStringLiteral("no está abierto");
    return QStringLiteral("No se puede modificar el archivo %1: %2. No se ha cambiado nada.")
        .arg(fileName(), why);
}

void RecordFile::requireWritable() const {
    if (!isWritable()) throw StoreError(StoreError::Kind::Unavailable, refusalText());
}

std::optional<QByteArray> RecordFile::read(int n) {
    if (n < 1 || !file_.isOpen()) return std::nullopt;
    if (!file_.seek(qint64(n - 1) * length_)) return std::nullopt;
    QByteArray bytes = file_.read(length_);
    if (bytes.size() != length_) return std::nullopt;
    return bytes;
}

void RecordFile::write(int n, const QByteArray& record) {
    write(n, QList<QByteArray>{record});
}

void RecordFile::write(int n, const QList<QByteArray>& records) {
    const qsizetype last = n + records.size() - 1;
    if (n < 1 || last > kMaxRecords)
        throw StoreError(StoreError::Kind::TooManyRecords,
                         QStringLiteral("%1: record %2").arg(path_).arg(last));
    requireWritable();
    if (records.isEmpty()) return;
    QByteArray image;
    image.reserve(records.size() * length_);
    for (const QByteArray& r : records) {
        image.append(r.left(length_));
        image.append(QByteArray(length_ - std::min<qsizetype>(r.size(), length_), '\0'));
    }
    ++generation_;
    const qint64 at = qint64(n - 1) * length_;
    const qint64 size = file_.size();
    // What the write covers now, to put back if it fails half way.
    QByteArray old;
    if (at < size && file_.seek(at)) old = file_.read(image.size());
    if (!file_.seek(at))
        throw StoreError(StoreError::Kind::Io,
                         QStringLiteral("%1: %2").arg(path_, file_.errorString()));
    if (ops_->write(file_, image.constData(), image.size()) == image.size()) return;
    const QString why = file_.errorString();
    // Rewriting bytes already on disk needs no new space, so this undo holds
    // even on a full disk; what grew the file is cut off again.
    if (!old.isEmpty() && file_.seek(at)) file_.write(old);
    if (file_.size() > size) file_.resize(size);
    throw StoreError(StoreError::Kind::Io, QStringLiteral("%1: %2").arg(path_, why));
}

int RecordFile::count() {
    if (!file_.isOpen() || !file_.seek(0)) return 0;
    // Counted by reading, but never past the most records a file may hold:
    // the rest of a huge file is not read at all.
    const qint64 most = qint64(kMaxRecords) * length_;
    char block[1 << 14];
    qint64 bytes = 0;
    while (bytes < most) {
        const qint64 got = file_.read(block, std::min<qint64>(sizeof block, most - bytes));
        if (got <= 0) break;
        bytes += got;
    }
    return static_cast<int>(bytes / length_);
}

QList<QByteArray> RecordFile::readAll() {
    QList<QByteArray> records;
    if (!file_.isOpen() || !file_.seek(0)) return records;
    QByteArray pending;
    while (records.size() < kMaxRecords) {
        // A block of at most 2 048 records, no larger than what is left: a
        // short file is not read through a buffer sized for a long one, and
        // nothing past the most records a file may hold is read.
        const qint64 left =
            std::min(file_.size() - file_.pos(),
                     qint64(kMaxRecords - records.size()) * length_ - qint64(pending.size()));
        const QByteArray block =
            file_.read(std::clamp<qint64>(left, length_, qint64(length_) * 2048));
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
