#include "app/statuspanel.h"

#include "app/status.h"

#include <QGridLayout>
#include <QLabel>
#include <QTimer>

StatusPanel::StatusPanel(QWidget* parent) : QWidget(parent) {
    for (auto& l : labels_)
        l = new QLabel(this);
    labels_[0]->setText(QStringLiteral("- Peñas registradas a comprobar:"));
    labels_[1]->setText(QStringLiteral("- Última actualización de números ganadores:"));
    labels_[4]->setText(QStringLiteral("- Próximo sorteo:"));
    QFont bold = font();
    bold.setBold(true);
    for (int i : {2, 3, 5})
        labels_[i]->setFont(bold);
    labels_[6]->setStyleSheet(QStringLiteral("color: rgb(255, 0, 0); font-weight: bold;"));
    auto* grid = new QGridLayout(this);
    grid->addWidget(labels_[0], 0, 0);
    grid->addWidget(labels_[2], 0, 1);
    grid->addWidget(labels_[1], 1, 0);
    grid->addWidget(labels_[3], 1, 1);
    grid->addWidget(labels_[4], 2, 0);
    grid->addWidget(labels_[5], 2, 1);
    grid->addWidget(labels_[6], 3, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    // Label 6 keeps its room while it blinks.
    QSizePolicy keep = labels_[6]->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    labels_[6]->setSizePolicy(keep);
    blink_ = new QTimer(this);
    blink_->setInterval(500);
    connect(blink_, &QTimer::timeout, this, &StatusPanel::blinkTick);
    blink_->start();
}

void StatusPanel::apply(const StatusView& status) {
    labels_[3]->setText(status.lastUpdate);
    labels_[5]->setText(status.nextDraw);
    if (status.warningBlinks) {
        labels_[6]->setText(status.warning);
        if (!blink_->isActive()) blink_->start();
    } else {
        blink_->stop();
        warningShown_ = false;
        labels_[6]->setVisible(false);
    }
}

void StatusPanel::setPenaCount(const QString& count) {
    labels_[2]->setText(count);
}

bool StatusPanel::isBlinking() const {
    return blink_->isActive();
}

void StatusPanel::blinkTick() {
    warningShown_ = !warningShown_;
    labels_[6]->setVisible(warningShown_);
}
