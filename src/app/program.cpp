#include "app/program.h"

#include "app/mainwindow.h"
#include "app/splash.h"

#include <QGuiApplication>
#include <QScreen>

Program::Program(Platform& platform, QString dataFolder)
    : platform_(platform), folder_(std::move(dataFolder)) {}

Program::~Program() {
    // The main window closes the data files it opened before the state goes.
    window_.reset();
}

void Program::start() {
    splash_ = std::make_unique<SplashWindow>();
    connect(splash_.get(), &SplashWindow::entered, this, &Program::openMainWindow);
    connect(splash_.get(), &SplashWindow::dismissed, this, &Program::dismissed);
    splash_->adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        splash_->move(screen->availableGeometry().center() - splash_->rect().center());
    splash_->show();
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
