#pragma once

#include "download/historyrun.h"
#include "download/transfer.h"

#include <QFrame>
#include <memory>

class DownloadButton;
class HttpClient;
class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;
struct Platform;

// The transfer controls outside the tabs: DownloadButton, the transfer state,
// the size received, the 0..5 progress bar and NewDrawsLabel. Owns the
// transfer and its one-second TransferTimer.
class TransferPanel : public QFrame {
    Q_OBJECT
public:
    TransferPanel(AppState& state, Platform& platform, HttpClient& http, TransferHooks hooks,
                  QWidget* parent = nullptr);
    ~TransferPanel() override;

    // StartDownload: the button and "Bajar Sorteos nuevos".
    void startDownload();
    // What the timer's time-out runs; tests call it directly.
    void tick();
    // Shows the controls as the transfer has them now, painted at once.
    void apply();
    // While every earlier draw is asked for, the controls show that run
    // (the bar over its windows) and "Cancelar"; nullptr gives them back.
    void showHistory(const HistoryProgress* progress);

    Transfer& transfer() { return *transfer_; }
    QTimer* timer() const { return timer_; }
    DownloadButton* button() const { return button_; }
    QLabel* statusLabel() const { return status_; }
    QLabel* receivedLabel() const { return received_; }
    QProgressBar* progressBar() const { return progress_; }
    QLabel* newDrawsLabel() const { return newDraws_; }
    QPushButton* newsButton() const { return newsButton_; }
    QPushButton* cancelButton() const { return cancel_; }

signals:
    // "Ver mensaje": the news window.
    void newsRequested();
    // "Cancelar" while every earlier draw is asked for.
    void historyCancelRequested();
    // The results fetch started or ended waiting.
    void fetchingChanged(bool fetching);

public slots:
    // NewDrawsLabel emptied elsewhere (the prize blink stopped).
    void showNewDraws(const QString& text);

private:
    AppState& state_;
    std::unique_ptr<Transfer> transfer_;
    QTimer* timer_;
    DownloadButton* button_;
    QLabel* status_;
    QLabel* received_;
    QProgressBar* progress_;
    QLabel* newDraws_;
    QPushButton* newsButton_;
    QPushButton* cancel_;
    bool showingHistory_ = false;
    int appliedImage_ = 1;
    bool appliedFetching_ = false;
};
