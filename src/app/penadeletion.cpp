#include "app/penadeletion.h"

#include "platform/prompter.h"
#include "store/appstate.h"
#include "store/penastore.h"
#include "store/storeerror.h"

bool runDeletePena(AppState& state, Prompter& prompter) {
    // No row clicked, or the click was on "VACÍO" or on a peña no longer there.
    const auto pena =
        state.view.selectedPena > 0 ? state.files.readPena(state.view.selectedPena) : std::nullopt;
    if (!pena) {
        prompter.message(QStringLiteral("Seleccione una peña primero..."),
                         QStringLiteral("¡Nooooo!"), MessageIcon::Information);
        return false;
    }
    state.currentPena = *pena;
    const QString question =
        QStringLiteral("¿Seguro que quieres eliminar la Peña %1?").arg(pena->nameText());
    if (!prompter.ask(question, QStringLiteral("Borrar..."), MessageIcon::Question)) return false;
    try {
        deletePenaRecord(state.files, state.view.selectedPena);
    } catch (const StoreError& e) {
        if (e.kind() == StoreError::Kind::Io) {
            prompter.message(QStringLiteral("No se ha podido eliminar la peña: el archivo "
                                            "apuestas.dat se ha dejado como estaba."),
                             QStringLiteral("¡Vaya hombre!"), MessageIcon::Exclamation);
        } else {
            const ChangeFailure f = changeFailure(e, kPenaFile);
            prompter.message(f.text, f.title, MessageIcon::Exclamation);
        }
        return false;
    }
    // The peña is gone: nothing is selected until the user picks one.
    state.view.selectedPena = 0;
    return true;
}
