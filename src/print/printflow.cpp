#include "print/printflow.h"

#include "check/penadetail.h"
#include "print/printwindow.h"
#include "store/appstate.h"

#include <QEvent>
#include <QTimer>

namespace {
constexpr int kHandOverMs = 1500;
}

PrintFlow::PrintFlow(AppState& state, Platform& platform, QWidget* mainWindow)
    : QObject(mainWindow), state_(state), platform_(platform), mainWindow_(mainWindow) {}

PrintFlow::~PrintFlow() {
    if (!mainWindow_) delete window_.data();
}

PrintWindow* PrintFlow::window() const {
    return window_;
}

void PrintFlow::setPrinterChooser(PrinterChooser* chooser) {
    printers_ = chooser ? chooser : &systemPrinters_;
}

void PrintFlow::open() {
    std::optional<PenaRecord> pena;
    if (state_.view.selectedPena > 0) pena = state_.files.readPena(state_.view.selectedPena);
    if (!pena) {
        platform_.prompter.message(kNoPenaSelectedText, QStringLiteral("¡Nooooo!"),
                                   MessageIcon::Information);
        return;
    }
    if (!isSoundPena(*pena)) {
        platform_.prompter.message(kCorruptPenaFileText, QStringLiteral("¡Vaya hombre!"),
                                   MessageIcon::Exclamation);
        return;
    }
    // The window works on the peña selected now.
    if (window_) {
        window_->removeEventFilter(this);
        window_->close();
    }
    window_ = new PrintWindow(state_, platform_, *printers_, *pena, mainWindow_);
    window_->setAttribute(Qt::WA_DeleteOnClose);
    window_->installEventFilter(this);
    handingOver_ = true;
    QTimer::singleShot(kHandOverMs, this, [this] { handingOver_ = false; });
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void PrintFlow::closeWindow() {
    if (handingOver_ || !window_) return;
    window_->close();
}

bool PrintFlow::eventFilter(QObject* watched, QEvent* event) {
    // The type first: the pointer is only looked at for a live window, never
    // for one being destroyed.
    if (event->type() == QEvent::WindowActivate && watched == window_) handingOver_ = false;
    return QObject::eventFilter(watched, event);
}
