#pragma once

#include "platform/platform.h"
#include "store/appstate.h"

#include <QObject>
#include <QString>
#include <memory>

class FolderLock;
class MainWindow;
class SplashWindow;

// The program from its first window on: the splash, then the main window
// over the data folder, which stays until exit.
class Program : public QObject {
    Q_OBJECT
public:
    Program(Platform& platform, QString dataFolder);
    ~Program() override;

    // Takes the data folder's lock and shows the splash window. When another
    // copy has the folder open it says so and returns false without opening,
    // creating or changing any file: the program then ends.
    bool start();

    SplashWindow* splash() const { return splash_.get(); }
    // nullptr until the splash ends.
    MainWindow* mainWindow() const { return window_.get(); }
    AppState& state() { return state_; }

signals:
    // The main window has started up and is shown.
    void mainWindowOpened();
    // The splash was closed without entering: the program ends.
    void dismissed();

private:
    void openMainWindow();

    Platform& platform_;
    QString folder_;
    std::unique_ptr<FolderLock> lock_; // released after the main window has closed its files
    AppState state_;
    std::unique_ptr<SplashWindow> splash_;
    std::unique_ptr<MainWindow> window_;
};
