#include "app/program.h"

#include "app/mainwindow.h"
#include "app/splash.h"
#include "store/folderlock.h"

#include <QGuiApplication>
#include <QScreen>

Program::Program(Platform& platform, QString dataFolder)
    : platform_(platform), folder_(std::move(dataFolder)) {}

Program::~Program() {
    // The main window closes the data files it opened before the state goes.
    window_.reset();
}

bool Program::start() {
    lock_ = std::make_unique<FolderLock>(folder_);
    // A folder where no lock can be made cannot be changed either: its files
    // open for reading only and every change is refused there.
    if (lock_->take() == FolderLock::Result::HeldByAnother) {
        platform_.prompter.message(folderInUseText(folder_), kFolderInUseTitle,
                                   MessageIcon::Exclamation);
        return false;
    }
    splash_ = std::make_unique<SplashWindow>();
    connect(splash_.get(), &SplashWindow::entered, this, &Program::openMainWindow);
    connect(splash_.get(), &SplashWindow::dismissed, this, &Program::dismissed);
    splash_->adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        splash_->move(screen->availableGeometry().center() - splash_->rect().center());
    splash_->show();
    return true;
}

void Program::openMainWindow() {
    if (window_) return;
    window_ = std::make_unique<MainWindow>(state_, platform_);
    window_->setSplash(splash_.get());
    window_->startUp(folder_);
    window_->show();
    window_->activateWindow();
    emit mainWindowOpened();
}
