#pragma once

#include "download/busca.h"

#include <QString>
#include <functional>

struct AppState;
class Clock;
class HttpClient;
class Prompter;

// What the transfer controls outside the tabs show.
struct TransferControls {
    QString status;                               // TransferStatusLabel
    QString received = QStringLiteral("0 Bytes"); // ReceivedSizeLabel
    int progress = 0;                             // TransferProgress, 0..5
    int buttonImage = 1;                          // DownloadButton: image 1 or 2
};

// What the transfer asks of the main window.
struct TransferHooks {
    std::function<void()> refreshStatus;
    std::function<void(int)> buildSimpleResults; // over the newest w draws
    std::function<void(int)> setDrawsToShow;     // without rebuilding the lists
    std::function<void()> refreshDrawList;
    std::function<void()> showGeneralTab;
    std::function<void()> stopPrizeBlink;
    std::function<bool()> newsWindowVisible;
    std::function<void()> controlsChanged;     // repaint the controls now
    std::function<void(bool)> setTimerEnabled; // TransferTimer, 1000 ms
    std::function<void(bool)> buildDrawReport; // its skip-download argument
    std::function<void(const QString&)> showReportNotice;
    std::function<bool()> historyRunning; // "Bajar todos los sorteos" is running
    std::function<void()> startHistory;   // the user asked for every earlier draw
};

// The results download: StartDownload fetches the answer, then each
// one-second TransferTick checks the time-outs, caches and parses the answer
// and refreshes the views. Runs on the user-interface thread; the timer is the
// caller's, `tick` is what its time-out runs.
class Transfer {
public:
    Transfer(AppState& state, Prompter& prompter, Clock& clock, HttpClient& http,
             TransferHooks hooks);

    void startDownload();
    void tick();
    // Run by a tick once the answer is cached: its new draws into "numeros.dat".
    void parseResults() { parseCache(cache_, response_.size()); }
    // The same over any cache contents, for an answer `answerLength` long.
    void parseCache(const QByteArray& cacheBytes, qsizetype answerLength);

    // The operator's site, a full origin; operatorSite() unless told otherwise.
    void setSite(const QString& site) { site_ = site; }
    const QString& site() const { return site_; }
    // For the report of the last draw: the cached answer, searched with busca.
    CacheReader cacheReader() const;

    const TransferControls& controls() const { return controls_; }
    bool timerEnabled() const { return timerEnabled_; }
    // The blocking fetch is waiting: the button and the menu entry are inert.
    bool fetching() const { return fetching_; }
    int ticks() const { return ticks_; }
    int step() const { return step_; }
    int newDrawCount() const { return newDrawCount_; }
    bool responseRejected() const { return rejected_; }
    bool keyNotFound() const { return keyNotFound_; }
    bool reportPdfFetched() const { return reportPdfFetched_; }
    // Set by the report's PDF download; cleared by the next download.
    void setReportPdfFetched(bool fetched) { reportPdfFetched_ = fetched; }
    const QString& response() const { return response_; }
    // What the report box shows after a corrupt answer.
    const QString& errorText() const { return errorText_; }

private:
    QString trae(const QString& url);
    bool takeResponse();
    void finish();
    void toRest();
    void setTimer(bool on);
    void changed();
    void setNewDrawsLabel(const QString& text);
    // RefreshStatus, unless the tick refreshes every view once it ends.
    void refreshStatusOnce();

    AppState& state_;
    Prompter& prompter_;
    Clock& clock_;
    HttpClient& http_;
    TransferHooks hooks_;
    QString site_;
    TransferControls controls_;
    bool timerEnabled_ = false;
    bool inTick_ = false;
    bool fetched_ = false;
    bool fetching_ = false;
    int ticks_ = 0;
    int step_ = 0;
    int newDrawCount_ = 0;
    bool rejected_ = false;
    bool keyNotFound_ = false;
    bool reportPdfFetched_ = false;
    bool inTickParse_ = false;   // the tick refreshes the status when it ends
    bool statusPending_ = false; // the draw file changed since the last RefreshStatus
    bool offerHistory_ = false;  // the answer went into an empty draw file
    QString response_;
    QByteArray cache_;
    QString errorText_;
};
