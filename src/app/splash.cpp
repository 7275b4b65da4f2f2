#include "app/splash.h"

#include "widgets/artwork.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr int kTickMs = 250;
constexpr int kLastTick = 40; // 38 ticks after the start at 2: 9.5 seconds
} // namespace

SplashWindow::SplashWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(QStringLiteral("Presentación"));
    setWindowIcon(drawPicture(Picture::Program, 64));
    auto* layout = new QVBoxLayout(this);
    auto* picture = new QLabel(this);
    picture->setPixmap(drawPicture(Picture::Program, 128));
    picture->setAlignment(Qt::AlignCenter);
    layout->addWidget(picture);
    auto* name = new QLabel(QStringLiteral("Vantiko ") + QStringLiteral(VANTIKO_VERSION), this);
    QFont big = name->font();
    big.setPointSize(big.pointSize() * 2);
    big.setBold(true);
    name->setFont(big);
    name->setAlignment(Qt::AlignCenter);
    layout->addWidget(name);
    auto* line = new QLabel(QStringLiteral("Comprueba tus Euromillones por internet."), this);
    line->setAlignment(Qt::AlignCenter);
    layout->addWidget(line);
    enter_ = new QPushButton(QStringLiteral("&Entrar"), this);
    enter_->setDefault(true);
    layout->addWidget(enter_, 0, Qt::AlignCenter);
    connect(enter_, &QPushButton::clicked, this, &SplashWindow::enter);

    timer_ = new QTimer(this);
    timer_->setInterval(kTickMs);
    connect(timer_, &QTimer::timeout, this, &SplashWindow::tick);
    counter_ = 2;
    timer_->start();
}

void SplashWindow::tick() {
    ++counter_;
    if (counter_ >= kLastTick) enter();
}

void SplashWindow::enter() {
    timer_->stop();
    if (entered_) return;
    entered_ = true;
    emit entered();
}

void SplashWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (entered_) return;
    timer_->stop();
    emit dismissed();
}
