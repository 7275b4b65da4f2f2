#include "check/checking.h"

#include "store/appstate.h"
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

// Every peña and the window's draws, read once.
std::shared_ptr<ResultsList> readInputs(AppState& state, ListKind kind, int w) {
    auto list = std::make_shared<ResultsList>(kind);
    const int draws = state.nextDrawRecord - 1;
    const int window = std::clamp(w, 0, draws);
    list->draws.reserve(window);
    for (int d = state.nextDrawRecord - 1; d >= state.nextDrawRecord - window; --d) {
        const auto draw = state.files.readDraw(d);
        if (!draw) break; // the file is shorter than counted: the window ends here
        list->draws.append(*draw);
    }
    if (list->draws.isEmpty()) return list;
    list->penas = state.files.readAllPenas();
    const qsizetype penas = std::max(0, state.nextPenaRecord - 1);
    if (list->penas.size() > penas) list->penas.resize(penas);
    return list;
}

// The changed records are written together, with what the record-by-record
// pass would have left: the whole file is replaced through a work copy, so a
// failure leaves every peña as it was and the next pass counts the same draws
// again; none is ever counted twice. A folder that refuses the work copy still
// gets the records written in place, each one whole or not at all.
StoredHits writeBack(AppState& state, const ResultsList& list, const PassResult& result) {
    StoredHits stored;
    if (!list.penas.isEmpty()) state.currentPena = list.penas.back();
    QList<int> changed;
    for (qsizetype p = 0; p < list.penas.size(); ++p)
        if (result.changed[std::size_t(p)]) changed.append(int(p));
    if (changed.isEmpty()) return stored;
    DataFiles& files = state.files;
    try {
        QList<QByteArray> records = files.penas().readAll();
        if (records.size() < list.penas.size())
            throw StoreError(StoreError::Kind::Io, QStringLiteral("apuestas.dat shrank"));
        for (const int p : changed)
            records[p] = list.penas[p].encode();
        try {
            files.rewritePenaRecords(records);
            stored.changed = true;
        } catch (const StoreError& e) {
            if (e.kind() != StoreError::Kind::Access) throw;
            for (const int p : changed) {
                files.writePena(p + 1, list.penas[p]);
                stored.changed = true;
            }
        }
    } catch (const StoreError& e) {
        stored.failure = storedHitsFailureText(e);
    }
    return stored;
}

PassOptions optionsOf(const AppState& state) {
    return {state.view.showHistory, state.view.onlyWithPrize};
}

} // namespace

ResultsLists buildSimpleResults(AppState& state, PrizeBlink& blink, int w) {
    ResultsLists out;
    out.simple = readInputs(state, ListKind::Simple, w);
    const PassResult result = simplePass(*out.simple, optionsOf(state));
    out.stored = writeBack(state, *out.simple, result);
    if (result.prizeFound) blink.simplePrize();
    // Without a multiple-bet peña (or without draws) the multiple list is
    // emptied rather than left showing peñas or draws that are gone.
    out.multiple = result.multipleSeen ? buildMultipleResults(state, blink, w, &out.stored)
                                       : std::make_shared<ResultsList>(ListKind::Multiple);
    return out;
}

std::shared_ptr<ResultsList> buildMultipleResults(AppState& state, PrizeBlink& blink, int w,
                                                  StoredHits* stored) {
    auto list = readInputs(state, ListKind::Multiple, w);
    const PassResult result = multiplePass(*list, optionsOf(state));
    const StoredHits written = writeBack(state, *list, result);
    if (stored) stored->add(written);
    if (result.prizeFound) blink.multiplePrize();
    return list;
}
