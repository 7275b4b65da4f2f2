// The record decoders and the record file over arbitrary bytes: every whole
// record is read exactly as it is on disk, nothing past the end is ever read,
// and a decoded record is written back byte for byte.
#include "harness.h"

#include "store/recordfile.h"
#include "store/records.h"

namespace {

void checkRoundTrip(const QByteArray& bytes) {
    if (bytes.size() >= kPenaRecordSize) {
        const QByteArray image = bytes.left(kPenaRecordSize);
        const PenaRecord pena = PenaRecord::decode(image);
        PROMISE(pena.encode() == image);
        isSoundPena(pena);
        pena.nameText();
        pena.dayFilterText();
        pena.totalHits();
    }
    if (bytes.size() >= kDrawRecordSize) {
        const QByteArray image = bytes.left(kDrawRecordSize);
        PROMISE(DrawRecord::decode(image).encode() == image);
    }
    // A short record reads as an empty one.
    const PenaRecord shortPena = PenaRecord::decode(bytes.left(kPenaRecordSize - 1));
    PROMISE(shortPena.betMode == 0 && shortPena.createdOn == 0);
    const DrawRecord shortDraw = DrawRecord::decode(bytes.left(kDrawRecordSize - 1));
    PROMISE(shortDraw.drawDate == 0 && !shortDraw.isSound());
}

void checkFile(ScratchFolder& folder, NoSyncOps& ops, const QByteArray& bytes, int length) {
    folder.write(QStringLiteral("records.dat"), bytes);
    RecordFile file(length, ops);
    file.open(folder.path() + QStringLiteral("records.dat"));
    const int whole = int(bytes.size() / length);
    PROMISE(file.count() == whole);
    // Both ends of the file and either side of them; readAll covers the middle.
    for (int n : {-1, 0, 1, 2, whole / 2, whole - 1, whole, whole + 1, whole + 2}) {
        const std::optional<QByteArray> r = file.read(n);
        PROMISE(r.has_value() == (n >= 1 && n <= whole));
        if (r) PROMISE(*r == bytes.mid(qsizetype(n - 1) * length, length));
    }
    const QList<QByteArray> all = file.readAll();
    PROMISE(all.size() == whole);
    for (int i = 0; i < all.size(); ++i)
        PROMISE(all[i] == bytes.mid(qsizetype(i) * length, length));
    file.close();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static ScratchFolder folder;
    static NoSyncOps ops;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    checkRoundTrip(bytes);
    for (int length : {kDrawRecordSize, kPenaRecordSize, kSettingsRecordSize})
        checkFile(folder, ops, bytes, length);
    return 0;
}
