#include "store/drawstore.h"

#include "platform/sites.h"
#include "store/dates.h"
#include "store/dayfilter.h"
#include "store/penastore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <filesystem>

namespace {

const QString kChooseTitle = QStringLiteral("Seleccione el archivo NUMEROS.DAT");
const QString kChooseFilter = QStringLiteral("Archivos de sorteos (numeros.dat NUMEROS.DAT)");
const QString kProgramName = QStringLiteral("Vantiko");
const QString kOopsTitle = QStringLiteral("¡Vaya hombre!");
const QString kDeleteTitle = QStringLiteral("Borrar...");
const QString kInvalidImport =
    QStringLiteral("Fichero de sorteos no válido. Compruebe que el archivo NUMEROS.DAT sea para "
                   "Vantiko.");

// File-step error numbers (the familiar ones of the old file routines).
constexpr int kErrFileNotFound = 53;
constexpr int kErrDeviceIo = 57;
constexpr int kErrBadRecordNumber = 63;
constexpr int kErrPathAccess = 75;

bool sameFile(const QString& a, const QString& b) {
    std::error_code ec;
    const bool same = std::filesystem::equivalent(QFile::encodeName(a).toStdString(),
                                                  QFile::encodeName(b).toStdString(), ec);
    return !ec && same;
}

// Record 1 of the chosen file, read on its own handle so numeros.dat stays
// open and untouched until the file is accepted.
struct FirstRecord {
    std::optional<DrawRecord> draw;
    int error = 0;
};

FirstRecord readFirstRecord(const QString& path) {
    FirstRecord out;
    QFile f(path);
    if (!QFileInfo::exists(path)) {
        out.error = kErrFileNotFound;
        return out;
    }
    if (!notAFileReason(path).isEmpty() || !f.open(QIODevice::ReadOnly)) {
        out.error = openFailureKind(f, QIODevice::ReadOnly) == StoreError::Kind::Access
                        ? kErrPathAccess
                        : kErrDeviceIo;
        return out;
    }
    const QByteArray bytes = f.read(kDrawRecordSize);
    if (bytes.size() == kDrawRecordSize) out.draw = DrawRecord::decode(bytes);
    return out;
}

} // namespace

int errorNumber(const StoreError& error) {
    switch (error.kind()) {
    case StoreError::Kind::Access:
    case StoreError::Kind::Unavailable:
        return kErrPathAccess;
    case StoreError::Kind::Io:
        return kErrDeviceIo;
    case StoreError::Kind::TooManyRecords:
        return kErrBadRecordNumber;
    }
    return kErrDeviceIo;
}

bool isImportableDrawFile(const std::optional<DrawRecord>& first) {
    if (!first || !(first->drawDate > 1.0)) return false;
    return isDrawWeekday(dateFromOle(first->drawDate));
}

int resetPenaHits(DataFiles& files, QDate today) {
    QList<PenaRecord> penas = files.readAllPenas();
    for (PenaRecord& p : penas) {
        p.hits.fill(0);
        p.lastCounted = 0;
        p.createdOn = oleFromDate(today);
    }
    files.rewritePenas(penas);
    return static_cast<int>(penas.size());
}

KeptDrawFile keepDamagedDrawFile(DataFiles& files) {
    return keepDamagedFile(files, files.draws(), kDrawFile, kDamagedDrawsFileBase,
                           [&] { files.emptyDraws(); });
}

KeptDrawFile keepDamagedFile(DataFiles& files, RecordFile& file, const QString& name,
                             const QString& base, const std::function<void()>& empty) {
    KeptDrawFile out;
    const QString data = files.pathOf(name);
    // A data file that is a link keeps it: the file it names is set aside,
    // in its own folder, and replaced by an empty one.
    const QString real = linkTarget(data);
    const QString folder = QFileInfo(real).absolutePath() + QLatin1Char('/');
    QString kept;
    for (int n = 1;; ++n) {
        kept = folder + base + (n > 1 ? QStringLiteral("-%1").arg(n) : QString()) +
               QStringLiteral(".dat");
        if (!QFileInfo::exists(kept) && !QFileInfo(kept).isSymbolicLink()) break;
    }
    // A file not opened for writing is left alone.
    if (!file.isWritable()) return out;
    file.close();
    try {
        files.ops().replace(real, kept);
        out.path = kept;
    } catch (const StoreError&) {
    }
    // A fresh empty file, or the damaged one again when it could not be moved.
    try {
        file.open(data);
    } catch (const StoreError&) {
    }
    if (!out.path.isEmpty()) {
        out.emptied = file.isOpen() && file.count() == 0;
        return out;
    }
    // Moving was refused: keep a copy, then empty through the work copy.
    try {
        files.ops().copy(data, kept);
        out.path = kept;
        empty();
        out.emptied = true;
    } catch (const StoreError&) {
    }
    return out;
}

QString damagedDrawsText(const KeptDrawFile& kept) {
    QString text = QStringLiteral(
        "Archivo de números ganadores no válido. ¡Se perderán los sorteos grabados!.");
    if (!kept.path.isEmpty())
        text += QStringLiteral("\r\nSe ha guardado una copia del archivo dañado en:\r\n%1")
                    .arg(QDir::toNativeSeparators(kept.path));
    if (!kept.emptied)
        text += QStringLiteral("\r\nNo se ha podido vaciar el archivo numeros.dat: se ha dejado "
                               "como estaba.");
    return text;
}

DrawStore::DrawStore(AppState& state, Platform& platform, DrawRefreshes refreshes)
    : state_(state), platform_(platform), refreshes_(std::move(refreshes)) {}

void DrawStore::showFailure(const StoreError& error, const QString& fileName) {
    const ChangeFailure f = changeFailure(error, fileName);
    platform_.prompter.message(f.text, f.title, MessageIcon::Exclamation);
}

void DrawStore::importDraws() {
    DataFiles& files = state_.files;
    FileOps& ops = files.ops();
    Prompter& prompter = platform_.prompter;
    // Every step is tried; the last failure is reported at the end.
    int lastError = 0;
    const auto step = [&](auto&& action) {
        try {
            action();
            return true;
        } catch (const StoreError& e) {
            lastError = errorNumber(e);
            return false;
        }
    };

    // A draw file that could not be opened for writing is never replaced.
    if (!files.draws().isWritable()) {
        prompter.message(files.draws().refusalText(), kOopsTitle, MessageIcon::Exclamation);
        return;
    }
    const QString chosen =
        platform_.chooser.chooseOpenFile(kChooseTitle, QDir::rootPath(), kChooseFilter);
    const QString data = files.pathOf(kDrawFile);
    if (chosen.isEmpty()) {
        if (prompter.ask(QStringLiteral("No se ha seleccionado ningún archivo. Recuerde que puede "
                                        "disponer de TODOS LOS SORTEOS DESDE LA CREACIÓN DEL "
                                        "EUROMILLONES, obteniéndolo desde nuestra tienda virtual. "
                                        "¿Quiere ir?"),
                         kProgramName, MessageIcon::Question))
            platform_.shell.openUrl(shopPage());
    } else if (sameFile(chosen, data)) {
        // Copying the file over itself would only lose the backup.
        prompter.message(QStringLiteral("El archivo elegido es el propio archivo de sorteos de "
                                        "Vantiko. No se ha importado nada."),
                         kOopsTitle, MessageIcon::Exclamation);
    } else {
        const FirstRecord first = readFirstRecord(chosen);
        if (first.error) lastError = first.error;
        if (!isImportableDrawFile(first.draw)) {
            prompter.message(kInvalidImport, kOopsTitle, MessageIcon::Exclamation);
        } else {
            const QString work = files.pathOf(kDrawWorkFile);
            const QString backup = files.pathOf(kDrawBackupFile);
            files.draws().close();
            // The chosen file is staged first: it may be numeros.bak itself, and
            // numeros.dat is then replaced by a rename, never half-written. It is
            // replaced only once its backup is taken, so the draws it holds are
            // never lost.
            const bool staged = step([&] { ops.copyToWorkFile(chosen, work); });
            step([&] { ops.remove(backup); });
            const bool backedUp = step([&] { ops.copy(data, backup); });
            const bool imported = staged && backedUp && step([&] { ops.replace(work, data); });
            if (staged && !imported) {
                try {
                    ops.remove(work);
                } catch (const StoreError&) {
                }
            }
            step([&] { files.draws().open(data); });
            if (imported)
                prompter.message(QStringLiteral("Archivo de sorteos importado con éxito"),
                                 QStringLiteral("Todos los sorteos"), MessageIcon::Information);
            if (refreshes_.status) refreshes_.status();
            if (refreshes_.results) refreshes_.results();
        }
    }
    if (lastError)
        prompter.message(kInvalidImport + QStringLiteral(" Error %1").arg(lastError), kOopsTitle,
                         MessageIcon::Exclamation);
}

bool DrawStore::deleteDraw(int row) {
    if (!state_.view.drawDeleteMode) return false;
    const int draws = state_.nextDrawRecord - 1;
    if (row < 1 || row > draws) return false;
    if (!platform_.prompter.ask(QStringLiteral("¿Seguro que quieres eliminar este sorteo?"),
                                kDeleteTitle, MessageIcon::Question))
        return false;
    const int target = state_.nextDrawRecord - row;
    try {
        const QList<QByteArray> records = state_.files.draws().readAll();
        QList<DrawRecord> kept;
        kept.reserve(draws);
        for (int r = 1; r <= draws && r <= records.size(); ++r)
            if (r != target) kept.append(DrawRecord::decode(records[r - 1]));
        state_.files.rewriteDraws(kept);
    } catch (const StoreError& e) {
        showFailure(e, kDrawFile);
        return false;
    }
    state_.nextDrawRecord -= 1;
    if (refreshes_.rowRemoved) refreshes_.rowRemoved(row);
    if (refreshes_.status) refreshes_.status();
    return true;
}

void DrawStore::deleteAllDraws() {
    state_.view.drawDeleteMode = true;
    Prompter& prompter = platform_.prompter;
    // The operation ends at the first failure; the files are as they were.
    const QString* file = &kDrawFile;
    try {
        if (prompter.ask(QStringLiteral("¿Seguro que quieres borrar todos los sorteos?"),
                         kDeleteTitle, MessageIcon::Question)) {
            state_.files.emptyDraws();
            if (refreshes_.status) refreshes_.status();
            if (refreshes_.results) refreshes_.results();
        }
        if (prompter.ask(QStringLiteral("¿Quiere borrar también los aciertos de las peñas?. Si ha "
                                        "borrado los sorteos, se aconseja que se resetee también "
                                        "los resultados de las peñas y la fecha de creación pasará "
                                        "a ser la de hoy."),
                         kDeleteTitle, MessageIcon::Question)) {
            file = &kPenaFile;
            resetPenaHits(state_.files, platform_.clock.today());
            if (refreshes_.status) refreshes_.status();
        }
    } catch (const StoreError& e) {
        showFailure(e, *file);
    }
}

void DrawStore::discardDamagedDraws() {
    const KeptDrawFile kept = keepDamagedDrawFile(state_.files);
    platform_.prompter.message(damagedDrawsText(kept), QStringLiteral("Error de lectura"),
                               MessageIcon::Exclamation);
    state_.latestDraw.drawDate = 0;
    if (refreshes_.status) refreshes_.status();
    if (refreshes_.results) refreshes_.results();
}
