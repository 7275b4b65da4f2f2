#pragma once

#include "download/history.h"
#include "platform/prompter.h"

#include <QString>
#include <QTimer>
#include <functional>

struct AppState;
class BackgroundFetch;
class Clock;

// What the transfer controls show while every draw since the first is asked for.
struct HistoryProgress {
    QString status;   // the window being asked for
    QString received; // "Datos:": the bytes of the last answer
    int done = 0;     // windows asked so far
    int total = 0;    // windows to ask
};

struct HistoryHooks {
    std::function<void()> changed; // the progress or the running state changed
    // The run ended, whatever the way: `added` draws went into numeros.dat.
    std::function<void(int added)> finished;
};

inline const QString kHistoryMenuText = QStringLiteral("Bajar todos los sorteos");
inline const QString kHistoryTitle = QStringLiteral("Bajar todos los sorteos");
inline const QString kHistoryQuestion = QStringLiteral(
    "¿Quiere bajar también todos los sorteos anteriores, desde el primero (13/02/2004)?");
inline const QString kHistoryCancelText = QStringLiteral("Cancelar");

// "Bajar todos los sorteos": the windows that still lack draws or prizes,
// oldest first, one request at a time and a pause between two, beside the
// window. Each answer goes into numeros.dat and premios.dat before the next
// is asked, so a cancel, a failure or a crash loses nothing and the next run
// asks only for what is still missing.
class HistoryRun {
public:
    HistoryRun(AppState& state, Prompter& prompter, Clock& clock, BackgroundFetch& fetch,
               HistoryHooks hooks);

    void start();
    void cancel();
    bool running() const { return running_; }
    const HistoryProgress& progress() const { return progress_; }
    void setSite(const QString& site) { site_ = site; }
    // Between two requests; tests shorten it.
    void setPause(int ms) { pause_.setInterval(ms); }

private:
    void askNext();
    void answered(const std::optional<QByteArray>& body);
    void end(const QString& status, const QString& message, const QString& title, MessageIcon icon);
    void changed();

    AppState& state_;
    Prompter& prompter_;
    Clock& clock_;
    BackgroundFetch& fetch_;
    HistoryHooks hooks_;
    QString site_;
    QTimer pause_;
    QList<HistoryWindow> windows_;
    HistoryProgress progress_;
    bool running_ = false;
    int added_ = 0;
};

// The texts of a run.
QString historyAskingText(const HistoryWindow& window);
QString historyFailedText(const HistoryWindow& window);
QString historyRefusedText(const HistoryWindow& window);
QString historyDoneText(int added);
inline const QString kHistoryUpToDateText =
    QStringLiteral("El fichero ya tiene todos los sorteos desde el primero (13/02/2004).");
