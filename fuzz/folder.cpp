// Start-up over any program folder: the files are opened, the status and the
// peña scan read them, a damaged draw file is set aside, and the results
// passes count every peña over the draws and store the hits. Whatever the
// files hold, the passes only ever change hits and LastCounted, a counter
// never goes down or past 32 767, LastCounted never moves back, no draw is
// counted twice whatever window the next pass covers, and the draw file is
// kept byte for byte (or set aside whole).
#include "harness.h"

#include "app/drawlist.h"
#include "app/refresh.h"
#include "check/checking.h"
#include "check/penadetail.h"
#include "check/resultstext.h"
#include "stats/frequencies.h"
#include "store/appstate.h"
#include "store/drawstore.h"
#include "support/fakes.h"

namespace {

QList<QByteArray> recordsOf(const QByteArray& bytes, int length) {
    QList<QByteArray> out;
    for (qsizetype at = 0; at + length <= bytes.size(); at += length)
        out.append(bytes.mid(at, length));
    return out;
}

// A pass changed nothing of a peña but its counters, and those only upwards.
void checkPenaChange(const QByteArray& before, const QByteArray& after) {
    const PenaRecord was = PenaRecord::decode(before);
    PenaRecord now = PenaRecord::decode(after);
    for (int k = 0; k < kCategories; ++k)
        PROMISE(now.hits[k] >= was.hits[k]);
    PROMISE(!(now.lastCounted < was.lastCounted));
    now.hits = was.hits;
    now.lastCounted = was.lastCounted;
    PROMISE(now.encode() == before);
}

// Every cell of a list, as the screen paints it, for the first rows.
void paint(const std::shared_ptr<ResultsList>& list) {
    if (!list) return;
    const std::size_t rows = std::min<std::size_t>(list->rows.size(), 400);
    for (std::size_t r = 0; r < rows; ++r)
        for (int c = 0; c < columnCount(list->kind); ++c) {
            cellText(*list, r, c);
            cellColour(*list, r, c);
        }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static ScratchFolder folder;
    // Parts: apuestas.dat, numeros.dat, nums.ini, the options.
    const QList<QByteArray> parts = splitParts(data, size, 4);
    const QByteArray& options = parts[3];
    folder.clear();
    folder.write(kPenaFile, parts[0]);
    folder.write(kDrawFile, parts[1]);
    folder.write(kSettingsFile, parts[2]);

    FakePlatform fake;
    fake.clock.set(QDate(2026, 12, 8));
    AppState state(std::make_shared<NoSyncOps>());
    state.appFolder = folder.path();
    state.files.openAll(folder.path());
    state.files.openProblemsText();
    state.files.readSettings();
    refreshStatusState(state, fake.clock.today());
    refreshSummaryState(state, QLocale(QLocale::Spanish, QLocale::Spain));
    PROMISE(state.nextPenaRecord - 1 == recordsOf(parts[0], kPenaRecordSize).size());
    PROMISE(state.nextDrawRecord - 1 == recordsOf(parts[1], kDrawRecordSize).size());
    PROMISE(state.nextPenaRecord <= kMaxRecords + 1 && state.nextDrawRecord <= kMaxRecords + 1);

    DrawRefreshes refreshes{[&] { refreshStatusState(state, fake.clock.today()); }, [] {},
                            [](int) {}};
    DrawStore store(state, fake.platform, refreshes);
    DrawFileGuard guard(store);
    const DrawFileGuard::Check check = guard.check(state.files, state.nextDrawRecord);
    if (check != DrawFileGuard::Check::Sound) {
        // Set aside whole, never counted.
        PROMISE(folder.read(kDrawFile).isEmpty());
        PROMISE(folder.read(kDamagedDrawsFileBase + QStringLiteral(".dat")) == parts[1]);
        PROMISE(folder.read(kPenaFile) == parts[0]);
        return 0;
    }

    const std::optional<QList<DrawRecord>> draws = loadDrawList(state.files, state.nextDrawRecord);
    PROMISE(draws.has_value());
    FrequencyView frequencies;
    PROMISE(frequencies.countFrequencies(*draws));

    state.view.showHistory = optionByte(options, 0) & 1;
    state.view.onlyWithPrize = optionByte(options, 0) & 2;
    const int w = std::max(1, optionByte(options, 1) % 16);
    PrizeBlink blink(state);
    const ResultsLists first = buildSimpleResults(state, blink, w);
    paint(first.simple);
    paint(first.multiple);
    PROMISE(first.stored.failure.isEmpty());

    const QByteArray counted = folder.read(kPenaFile);
    const QList<QByteArray> was = recordsOf(parts[0], kPenaRecordSize);
    const QList<QByteArray> now = recordsOf(counted, kPenaRecordSize);
    PROMISE(now.size() == was.size());
    for (qsizetype i = 0; i < was.size(); ++i)
        checkPenaChange(was[i], now[i]);
    if (!first.stored.changed) PROMISE(counted == parts[0]);
    PROMISE(folder.read(kDrawFile) == parts[1]);

    // Another window counts nothing new.
    const ResultsLists second =
        buildSimpleResults(state, blink, std::max(1, optionByte(options, 2) % 16));
    PROMISE(!second.stored.changed);
    PROMISE(folder.read(kPenaFile) == counted);

    const QLocale locale(QLocale::Spanish, QLocale::Spain);
    for (const QByteArray& record : now)
        computePenaDetail(PenaRecord::decode(record), *draws, locale);
    refreshSummaryState(state, locale);
    return 0;
}
