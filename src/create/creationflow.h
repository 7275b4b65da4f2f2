#pragma once

#include "platform/platform.h"

#include <QObject>
#include <QPointer>

struct AppState;
class BetModeMenu;
class CreationForm;
class QWidget;

// Creating peñas: "Crear peña nueva" opens the bet-mode menu, whose choice
// sets NewPenaMode and opens the creation form. Both are non-modal windows
// that the main window closes whenever it is activated again.
class CreationFlow : public QObject {
    Q_OBJECT
public:
    CreationFlow(AppState& state, Platform& platform, QWidget* mainWindow);
    ~CreationFlow() override;

    // What "Crear peña nueva" (button, picture and menu entry) runs.
    void openMenu();
    // The main window calls it on activation: closes menu and form if open.
    void closeWindows();

    // The open windows, if any.
    BetModeMenu* menu() const;
    CreationForm* form() const;

signals:
    // A peña was written to "apuestas.dat".
    void penaSaved();

private:
    void onChosen(int mode);
    bool eventFilter(QObject* watched, QEvent* event) override;

    AppState& state_;
    Platform& platform_;
    QWidget* mainWindow_;
    QPointer<BetModeMenu> menu_;
    QPointer<CreationForm> form_;
    // Between the menu's choice and the form becoming active, an activation
    // of the main window is the window manager passing focus on, not the user.
    bool handingOver_ = false;
};
