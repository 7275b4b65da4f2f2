#include "create/creationflow.h"

#include "create/betmodemenu.h"
#include "create/creationform.h"
#include "store/appstate.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

constexpr int kHandOverMs = 1500;

void closeNow(QWidget* window) {
    if (!window) return;
    window->close();
}

} // namespace

CreationFlow::CreationFlow(AppState& state, Platform& platform, QWidget* mainWindow)
    : QObject(mainWindow), state_(state), platform_(platform), mainWindow_(mainWindow) {}

CreationFlow::~CreationFlow() {
    // Without a main window to own them the windows go with the flow.
    if (!mainWindow_) {
        delete menu_.data();
        delete form_.data();
    }
}

BetModeMenu* CreationFlow::menu() const {
    return menu_;
}
CreationForm* CreationFlow::form() const {
    return form_;
}

void CreationFlow::openMenu() {
    if (menu_) {
        menu_->raise();
        menu_->activateWindow();
        return;
    }
    menu_ = new BetModeMenu(mainWindow_);
    menu_->setAttribute(Qt::WA_DeleteOnClose);
    connect(menu_, &BetModeMenu::chosen, this, &CreationFlow::onChosen);
    menu_->show();
    menu_->raise();
    menu_->activateWindow();
}

void CreationFlow::onChosen(int mode) {
    state_.newPenaMode = mode;
    // A form still open from an earlier choice gives way to the new one.
    if (form_) {
        form_->disconnect(this);
        form_->removeEventFilter(this);
        closeNow(form_);
    }
    form_ = new CreationForm(state_, platform_, mode, mainWindow_);
    form_->setAttribute(Qt::WA_DeleteOnClose);
    form_->installEventFilter(this);
    connect(form_, &CreationForm::penaSaved, this, &CreationFlow::penaSaved);
    handingOver_ = true;
    QTimer::singleShot(kHandOverMs, this, [this] { handingOver_ = false; });
    form_->show();
    form_->raise();
    form_->activateWindow();
    // Closed from within its own signal: let the click finish first.
    if (menu_) {
        BetModeMenu* menu = menu_;
        menu_ = nullptr;
        menu->hide();
        menu->deleteLater();
    }
}

bool CreationFlow::eventFilter(QObject* watched, QEvent* event) {
    // The event type first: a window being destroyed is no longer a CreationForm.
    if (event->type() == QEvent::WindowActivate && watched == form_) handingOver_ = false;
    return QObject::eventFilter(watched, event);
}

void CreationFlow::closeWindows() {
    if (handingOver_) return;
    closeNow(menu_);
    closeNow(form_);
}
