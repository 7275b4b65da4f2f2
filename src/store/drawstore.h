#pragma once

#include "platform/platform.h"
#include "store/appstate.h"
#include "store/storeerror.h"

#include <QString>
#include <functional>

// What a draw operation asks its window to do as it goes; each runs
// synchronously, at the point the operation reaches it.
struct DrawRefreshes {
    std::function<void()> status;            // RefreshStatus
    std::function<void()> results;           // RefreshResults
    std::function<void(int row)> rowRemoved; // row (from 1) left the draw list
};

// The operations that change numeros.dat as a whole, plus the reset of the
// peñas' hits. Rewrites go through a work copy and a rename; failures are
// thrown inside as StoreError and mapped to the user's message at the edge.
class DrawStore {
public:
    DrawStore(AppState& state, Platform& platform, DrawRefreshes refreshes);

    // "Añadir todos los sorteos": replaces numeros.dat by a draw file chosen
    // on disk, keeping the previous one as numeros.bak.
    void importDraws();
    // A click on row `row` (from 1, newest first) of the draw list. Only while
    // the delete mode is on; true when the draw was deleted.
    bool deleteDraw(int row);
    // "Borrar todos los sorteos": turns the delete mode on, offers to empty
    // numeros.dat and then to reset every peña's hits.
    void deleteAllDraws();
    // numeros.dat holds a record that cannot be a draw: it is set aside under
    // another name, replaced by an empty file, and every view is refreshed.
    void discardDamagedDraws();

private:
    void showFailure(const StoreError& error, const QString& fileName);

    AppState& state_;
    Platform& platform_;
    DrawRefreshes refreshes_;
};

// Core steps, usable without a window.

// Whether a draw file whose first record is `first` may be imported: a real
// date (after 1899-12-31) that falls on a Tuesday or a Friday.
bool isImportableDrawFile(const std::optional<DrawRecord>& first);
// Every peña with its hits, LastCounted cleared and CreatedOn set to `today`.
// Returns how many peñas were reset.
int resetPenaHits(DataFiles& files, QDate today);
// Moves numeros.dat aside as numeros-corrupto.dat (-2, -3 ... when taken) and
// reopens an empty numeros.dat. When the damaged file cannot be kept it is not
// emptied either.
struct KeptDrawFile {
    QString path;         // where the damaged file now is; empty when not kept
    bool emptied = false; // numeros.dat is now an empty file
};
KeptDrawFile keepDamagedDrawFile(DataFiles& files);
// The same for any data file `name` on `file`, kept as base.dat, base-2.dat
// ...; `empty` empties it through its work copy when it could not be moved.
KeptDrawFile keepDamagedFile(DataFiles& files, RecordFile& file, const QString& name,
                             const QString& base, const std::function<void()>& empty);
// The message shown for a damaged numeros.dat, telling where it was kept.
QString damagedDrawsText(const KeptDrawFile& kept);
// The error number shown after "Error " for a failed file step.
int errorNumber(const StoreError& error);

inline const QString kDamagedDrawsFileBase = QStringLiteral("numeros-corrupto");
