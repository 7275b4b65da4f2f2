// busca, the results parse and the last-draw report over arbitrary cache
// contents, as a damaged answer or a foreign "www.txt" would give them. The
// parse appends the new draws to "numeros.dat": the file only ever grows by
// sound draws, in ascending date order, all of them or none, and success is
// only reported when they are there. The prizes it keeps make a sound
// premios.dat, and read as a window of every earlier draw the same bytes are
// refused or give only sound draws of that window.
#include "answerchecks.h"
#include "harness.h"

#include "app/refresh.h"
#include "download/history.h"
#include "download/parse.h"
#include "download/transfer.h"
#include "store/appstate.h"
#include "store/cp1252.h"
#include "store/dates.h"
#include "store/prizestore.h"
#include "support/fakes.h"

namespace {

QList<DrawRecord> drawsOf(const QByteArray& bytes) {
    QList<DrawRecord> out;
    for (qsizetype at = 0; at + kDrawRecordSize <= bytes.size(); at += kDrawRecordSize)
        out.append(DrawRecord::decode(bytes.mid(at, kDrawRecordSize)));
    return out;
}

// What ParseResults did to numeros.dat, which held `before` with `stored`
// whole records.
void checkAppended(const QByteArray& before, const QByteArray& after, int stored,
                   const Transfer& transfer, const AppState& state) {
    const qsizetype kept = qsizetype(stored) * kDrawRecordSize;
    PROMISE(after.size() >= kept);
    PROMISE(after.left(kept) == before.left(kept));
    const QList<DrawRecord> added = drawsOf(after.mid(kept));
    if (added.isEmpty()) PROMISE(after == before);
    PROMISE(added.size() <= kMaxNewDraws);
    PROMISE(stored + added.size() <= kMaxRecords);
    const double newest =
        stored > 0
            ? DrawRecord::decode(before.mid(kept - kDrawRecordSize, kDrawRecordSize)).drawDate
            : 0;
    double previous = newest;
    for (const DrawRecord& draw : added) {
        PROMISE(draw.isSound());
        PROMISE(draw.drawDate > previous);
        previous = draw.drawDate;
    }
    // The label tells of new draws only when they were stored.
    if (!state.view.newDrawsLabel.isEmpty()) PROMISE(!added.isEmpty());
    if (!added.isEmpty()) PROMISE(transfer.newDrawCount() == added.size());
}

// busca as the file would be read, one byte at a time: what the one-step
// searches must agree with.
struct ByteReader {
    const QByteArray& bytes;
    qsizetype pos = 1;
    bool keyNotFound = false;

    static unsigned char upper(unsigned char b) {
        return (b >= 'a' && b <= 'z') || (b >= 0xE0 && b <= 0xFE && b != 0xF7) ? b - 0x20 : b;
    }
    bool matchesAt(qsizetype p, const QByteArray& text) const {
        for (qsizetype i = 0; i < text.size(); ++i)
            if (upper(uchar(bytes[p - 1 + i])) != upper(uchar(text[i]))) return false;
        return true;
    }
    // The value's bytes, or nothing on a read past the end.
    std::optional<QByteArray> busca(const QByteArray& key, const QByteArray& terminator) {
        keyNotFound = false;
        const qsizetype n = key.size(), m = terminator.size(), lof = bytes.size();
        for (;;) {
            const qsizetype p = pos;
            pos = p + 1;
            if (p + n > lof || p < 1) {
                keyNotFound = true;
                return QByteArray();
            }
            if (matchesAt(p, key)) {
                pos = p + n;
                break;
            }
        }
        QByteArray value;
        for (;;) {
            const qsizetype x = pos;
            if (x < 1 || x + m - 1 > lof) return std::nullopt;
            pos = x + 1;
            if (matchesAt(x, terminator) || x + 1 == lof) break;
            value.append(bytes[x - 1]);
        }
        return value;
    }
};

// Key searches from any position, with keys and terminators taken from the
// input (ASCII, so both readings upper-case them alike): value, read position
// and keyNotFound agree with the byte-by-byte reading.
void checkBusca(const QByteArray& cacheBytes, const QByteArray& keys) {
    CacheReader cache(cacheBytes);
    ByteReader reference{cacheBytes};
    const QList<QByteArray> pairs = keys.split('\n');
    for (qsizetype i = 0; i + 1 < pairs.size() && i < 32; i += 2) {
        const QByteArray key = pairs[i].left(16);
        const QByteArray terminator = pairs[i + 1].left(4);
        bool ascii = true;
        for (char c : key + terminator)
            ascii = ascii && uchar(c) < 0x80;
        if (!ascii) continue;
        const std::optional<QByteArray> expected = reference.busca(key, terminator);
        try {
            const QString value =
                cache.busca(QString::fromLatin1(key), QString::fromLatin1(terminator));
            PROMISE(expected.has_value() && value == fromCp1252(*expected));
            PROMISE(cache.keyNotFound() == reference.keyNotFound);
        } catch (const ParseError&) {
            PROMISE(!expected.has_value());
        }
        PROMISE(cache.pos() == reference.pos);
        // The callers' one-byte steps, anywhere, even before the start.
        const int step = i % 3 == 0 ? -2 : 1;
        cache.forward(step);
        reference.pos += step;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static ScratchFolder folder;
    static AppState state(std::make_shared<NoSyncOps>());
    // Parts: numeros.dat, the cache, the options, busca's keys and terminators.
    const QList<QByteArray> parts = splitParts(data, size, 4);
    const QByteArray& before = parts[0];
    const QByteArray& cacheBytes = parts[1];
    const QByteArray& options = parts[2];
    checkBusca(cacheBytes, parts[3]);

    state.files.closeAll();
    folder.clear();
    folder.write(kDrawFile, before);
    folder.write(kAnswerFile, cacheBytes);
    state.appFolder = folder.path();
    state.view = {};
    state.files.openAll(folder.path());
    const QDate today = QDate(2026, 12, 8).addDays(-optionByte(options, 1) * 16);
    refreshStatusState(state, today);
    const int stored = state.nextDrawRecord - 1;

    ScriptedPrompter prompter;
    FixedClock clock(today);
    ServedHttp http;
    Transfer transfer(state, prompter, clock, http, {});
    transfer.setSite(kFuzzOperatorSite);
    // Whether a draw is looked for at all depends on the answer's length:
    // small inputs are searched as a long answer would be.
    const qsizetype length = (optionByte(options, 0) & 1)
                                 ? std::max<qsizetype>(cacheBytes.size(), kSearchedLength + 1)
                                 : cacheBytes.size();
    transfer.parseCache(cacheBytes, length);
    checkAppended(before, folder.read(kDrawFile), stored, transfer, state);
    PROMISE(!folder.exists(kDrawWorkFile));
    // The prizes kept from any answer are a sound premios.dat.
    PROMISE(isSoundPrizeFile(state.files.readAllPrizes()));

    // The same bytes as one window of "Bajar todos los sorteos": refused, or
    // only sound draws of that window, oldest first.
    const HistoryWindow window{today.addDays(-99), today};
    try {
        const WindowAnswer answer = readWindowAnswer(cacheBytes, window);
        for (qsizetype i = 0; i < answer.draws.size(); ++i) {
            const DrawRecord& d = answer.draws[i];
            PROMISE(d.isSound());
            PROMISE(dateFromOle(d.drawDate) >= window.first &&
                    dateFromOle(d.drawDate) <= window.last);
            if (i > 0) PROMISE(answer.draws[i - 1].drawDate < d.drawDate);
        }
        for (const PrizeRecord& p : answer.prizes)
            PROMISE(p.isSound());
    } catch (const ParseError&) {
    }

    // The report of the newest draw, from the same cache.
    refreshStatusState(state, today);
    int shown = 0;
    ReportHooks hooks{[&](const QByteArray&) { return ++shown, true; }, [] {}};
    DrawReport report(state, transfer, http, (optionByte(options, 0) & 2) != 0, hooks);
    report.build(true);
    checkReportAddress(report, kFuzzOperatorSite);
    if (report.screen().reportShown) PROMISE(!report.reportUrl().isEmpty());
    // Nothing is downloaded while only showing the report.
    PROMISE(!folder.exists(kReportWorkFile));
    return 0;
}
