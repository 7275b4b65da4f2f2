#include "download/transferpanel.h"

#include "download/downloadbutton.h"
#include "download/news.h"
#include "download/transfertexts.h"
#include "platform/platform.h"
#include "store/appstate.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

TransferPanel::TransferPanel(AppState& state, Platform& platform, HttpClient& http,
                             TransferHooks hooks, QWidget* parent)
    : QFrame(parent), state_(state) {
    setFrameShape(QFrame::StyledPanel);
    timer_ = new QTimer(this);
    timer_->setInterval(1000);
    connect(timer_, &QTimer::timeout, this, &TransferPanel::tick);

    hooks.controlsChanged = [this] { apply(); };
    hooks.setTimerEnabled = [this](bool on) {
        if (on)
            timer_->start();
        else
            timer_->stop();
    };
    transfer_ = std::make_unique<Transfer>(state, platform.prompter, platform.clock, http,
                                           std::move(hooks));

    button_ = new DownloadButton(this);
    connect(button_, &DownloadButton::clicked, this, &TransferPanel::startDownload);

    const auto caption = [this](const QString& text) {
        auto* label = new QLabel(text, this);
        QFont f = label->font();
        f.setBold(true);
        label->setFont(f);
        return label;
    };
    const auto value = [this](const QString& name, const QString& text) {
        auto* label = new QLabel(text, this);
        label->setObjectName(name);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setMinimumWidth(
            label->fontMetrics().horizontalAdvance(QStringLiteral("TRANSFERENCIA FINALIZADA")) +
            12);
        return label;
    };
    status_ = value(QStringLiteral("transferStatus"), QString());
    received_ = value(QStringLiteral("receivedSize"), kReceivedAtRest);
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("transferProgress"));
    progress_->setRange(0, 5);
    progress_->setValue(0);
    progress_->setTextVisible(false);
    newDraws_ = new QLabel(this);
    newDraws_->setObjectName(QStringLiteral("newDraws"));
    QFont big = newDraws_->font();
    big.setBold(true);
    newDraws_->setFont(big);
    newDraws_->setStyleSheet(QStringLiteral("color: rgb(0, 0, 160);"));

    newsButton_ =
        new QPushButton(QString(kNewsButtonText).insert(2, QLatin1Char('&')), this); // Alt+R
    newsButton_->setObjectName(QStringLiteral("newsButton"));
    connect(newsButton_, &QPushButton::clicked, this, &TransferPanel::newsRequested);

    // Narrow, to sit above the summary: the button, the news of the last
    // download and "Ver mensaje" side by side, the state below.
    auto* top = new QHBoxLayout;
    top->addWidget(button_);
    auto* beside = new QVBoxLayout;
    beside->addWidget(newDraws_, 1, Qt::AlignCenter);
    beside->addWidget(newsButton_, 0, Qt::AlignCenter);
    top->addLayout(beside, 1);
    auto* data = new QHBoxLayout;
    data->addWidget(caption(QStringLiteral("Datos:")));
    data->addWidget(received_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(caption(QStringLiteral("Estado de la transferencia:")));
    layout->addWidget(status_);
    layout->addLayout(data);
    layout->addWidget(progress_);
    cancel_ = new QPushButton(kHistoryCancelText, this);
    cancel_->setObjectName(QStringLiteral("historyCancel"));
    cancel_->hide();
    connect(cancel_, &QPushButton::clicked, this, &TransferPanel::historyCancelRequested);
    layout->addWidget(cancel_);
    apply();
}

TransferPanel::~TransferPanel() = default;

void TransferPanel::startDownload() {
    transfer_->startDownload();
}

void TransferPanel::tick() {
    transfer_->tick();
}

void TransferPanel::showHistory(const HistoryProgress* progress) {
    showingHistory_ = progress != nullptr;
    cancel_->setVisible(showingHistory_);
    button_->setEnabled(!showingHistory_);
    progress_->setTextVisible(showingHistory_);
    if (!progress) {
        progress_->setRange(0, 5);
        apply();
        return;
    }
    progress_->setFormat(QStringLiteral("%v de %m tramos"));
    status_->setText(progress->status);
    received_->setText(progress->received);
    progress_->setRange(0, std::max(1, progress->total));
    progress_->setValue(progress->done);
}

void TransferPanel::apply() {
    if (showingHistory_) return;
    const TransferControls& c = transfer_->controls();
    status_->setText(c.status);
    received_->setText(c.received);
    progress_->setValue(c.progress);
    newDraws_->setText(state_.view.newDrawsLabel);
    // The mouse moves the button's image too: only a change of the transfer's counts.
    if (c.buttonImage != appliedImage_) {
        appliedImage_ = c.buttonImage;
        button_->setImage(c.buttonImage);
    }
    if (transfer_->fetching() != appliedFetching_) {
        appliedFetching_ = transfer_->fetching();
        button_->setEnabled(!appliedFetching_);
        emit fetchingChanged(appliedFetching_);
    }
    // The fetch blocks the event loop: paint now so the user sees the state.
    if (isVisible()) repaint();
}

void TransferPanel::showNewDraws(const QString& text) {
    newDraws_->setText(text);
}
