#include "check/checking.h"

#include "check/counting.h"
#include "store/appstate.h"
#include "store/prizestore.h"
#include "store/storeerror.h"

#include <algorithm>

void StoredHits::add(const StoredHits& other) {
    changed = changed || other.changed;
    if (failure.isEmpty()) failure = other.failure;
}

QString storedHitsFailureText(const StoreError& error) {
    const QString why = error.kind() == StoreError::Kind::Unavailable
                            ? error.text()
                            : QStringLiteral("No se ha podido escribir en el archivo apuestas.dat "
                                             "(puede que el disco esté lleno).");
    return why + QStringLiteral("\r\nLos aciertos de los sorteos nuevos no se han guardado en "
                                "alguna peña; se volverán a contar en la próxima comprobación.");
}

namespace {

// Every peña and every stored draw, read once.
struct Inputs {
    QList<PenaRecord> penas;
    QList<DrawRecord> draws; // oldest first
    QList<PrizeRecord> prizes;
};

Inputs readInputs(AppState& state) {
    Inputs in;
    in.draws = state.files.readAllDraws();
    const qsizetype draws = std::max(0, state.nextDrawRecord - 1);
    if (in.draws.size() > draws) in.draws.resize(draws);
    in.penas = state.files.readAllPenas();
    in.prizes = state.files.readAllPrizes();
    const qsizetype penas = std::max(0, state.nextPenaRecord - 1);
    if (in.penas.size() > penas) in.penas.resize(penas);
    return in;
}

// The newest w draws, newest first, and the peñas as counted.
std::shared_ptr<ResultsList> listOf(ListKind kind, const Inputs& in, int w) {
    auto list = std::make_shared<ResultsList>(kind);
    const qsizetype window = std::clamp<qsizetype>(w, 0, in.draws.size());
    if (window == 0) return list;
    list->draws.reserve(window);
    list->prizes.reserve(std::size_t(window));
    for (qsizetype d = in.draws.size() - 1; d >= in.draws.size() - window; --d) {
        list->draws.append(in.draws[d]);
        list->prizes.push_back(
            prizeTable(prizesOf(in.prizes, in.draws[d].drawDate), in.draws[d].drawDate));
    }
    list->penas = in.penas;
    return list;
}

// The changed records are written together: the whole file is replaced
// through a work copy, so a failure leaves every peña as it was and the next
// pass counts the same draws again; none is ever counted twice. A folder that
// refuses the work copy still gets the records written in place, each one
// whole or not at all.
StoredHits writeBack(AppState& state, const QList<PenaRecord>& penas,
                     const std::vector<bool>& changed) {
    StoredHits stored;
    QList<int> which;
    for (qsizetype p = 0; p < penas.size(); ++p)
        if (changed[std::size_t(p)]) which.append(int(p));
    if (which.isEmpty()) return stored;
    DataFiles& files = state.files;
    try {
        QList<QByteArray> records = files.penas().readAll();
        if (records.size() < penas.size())
            throw StoreError(StoreError::Kind::Io, QStringLiteral("apuestas.dat shrank"));
        for (const int p : which)
            records[p] = penas[p].encode();
        try {
            files.rewritePenaRecords(records);
            stored.changed = true;
        } catch (const StoreError& e) {
            if (e.kind() != StoreError::Kind::Access) throw;
            for (const int p : which) {
                files.writePena(p + 1, penas[p]);
                stored.changed = true;
            }
        }
    } catch (const StoreError& e) {
        stored.failure = storedHitsFailureText(e);
    }
    return stored;
}

// Counts what no pass has counted yet and stores it.
StoredHits countAndStore(AppState& state, Inputs& in) {
    std::vector<bool> changed;
    countNewDraws(in.penas, in.draws, changed);
    const StoredHits stored = writeBack(state, in.penas, changed);
    if (!in.penas.isEmpty()) state.currentPena = in.penas.back();
    return stored;
}

PassOptions optionsOf(const AppState& state) {
    return {state.view.showHistory, state.view.onlyWithPrize};
}

} // namespace

PendingLists prepareLists(AppState& state, int w, bool multipleOnly) {
    PendingLists out;
    Inputs in = readInputs(state);
    out.stored = countAndStore(state, in);
    out.options = optionsOf(state);
    // The blink follows only the prizes of a download's draws.
    out.wantPrize = !state.view.newDrawsLabel.isEmpty();
    out.multipleOnly = multipleOnly;
    if (!multipleOnly) out.simple = listOf(ListKind::Simple, in, w);
    const bool anyMultiple = std::any_of(in.penas.begin(), in.penas.end(), [](const PenaRecord& p) {
        return isMultipleMode(p.betMode);
    });
    // Without a multiple-bet peña (or without draws) the multiple list is
    // emptied rather than left showing peñas or draws that are gone.
    out.multiple = anyMultiple || multipleOnly ? listOf(ListKind::Multiple, in, w)
                                               : std::make_shared<ResultsList>(ListKind::Multiple);
    return out;
}

qint64 PendingLists::cost() const {
    qint64 c = multiple->layOutCost(options, wantPrize);
    if (simple) c += simple->layOutCost(options, wantPrize);
    return c;
}

int PendingLists::draws() const {
    return int((simple ? simple->draws.size() : 0) + multiple->draws.size());
}

bool layOutLists(PendingLists& lists, std::stop_token stop, std::atomic<int>* drawsDone) {
    if (lists.simple) {
        lists.simpleResult = lists.simple->layOut(lists.options, lists.wantPrize, stop, drawsDone);
        if (!lists.simpleResult.complete) return false;
    }
    lists.multipleResult = lists.multiple->layOut(lists.options, lists.wantPrize, stop, drawsDone);
    return lists.multipleResult.complete;
}

void startPrizeBlink(const PendingLists& lists, PrizeBlink& blink) {
    if (lists.simple && lists.simpleResult.prizeFound) blink.simplePrize();
    if (lists.multipleResult.prizeFound) blink.multiplePrize();
}

ResultsLists buildSimpleResults(AppState& state, PrizeBlink& blink, int w) {
    PendingLists lists = prepareLists(state, w, false);
    layOutLists(lists);
    startPrizeBlink(lists, blink);
    return {lists.simple, lists.multiple, lists.stored};
}

std::shared_ptr<ResultsList> buildMultipleResults(AppState& state, PrizeBlink& blink, int w,
                                                  StoredHits* stored) {
    PendingLists lists = prepareLists(state, w, true);
    if (stored) stored->add(lists.stored);
    layOutLists(lists);
    startPrizeBlink(lists, blink);
    return lists.multiple;
}
