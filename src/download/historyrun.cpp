#include "download/historyrun.h"

#include "download/busca.h"
#include "download/request.h"
#include "download/transfertexts.h"
#include "platform/backgroundfetch.h"
#include "platform/clock.h"
#include "platform/prompter.h"
#include "platform/sites.h"
#include "store/appstate.h"
#include "store/drawmerge.h"
#include "store/prizestore.h"
#include "store/storeerror.h"

namespace {

constexpr int kPauseMs = 500; // the service is asked gently: one request at a time

QString day(QDate d) {
    return d.toString(QStringLiteral("dd/MM/yyyy"));
}

QString between(const HistoryWindow& w) {
    return QStringLiteral("del %1 al %2").arg(day(w.first), day(w.last));
}

} // namespace

QString historyAskingText(const HistoryWindow& window) {
    // As wide as the transfer's own states; the bar tells how far the run is.
    return QStringLiteral("%1 AL %2").arg(day(window.first), day(window.last));
}

QString historyFailedText(const HistoryWindow& window) {
    return QStringLiteral("No se pudieron bajar los sorteos %1. Compruebe la conexión a "
                          "internet; la próxima vez se seguirá desde ahí.")
        .arg(between(window));
}

QString historyRefusedText(const HistoryWindow& window) {
    return QStringLiteral("¡¡Datos corruptos o inválidos!! La respuesta de ONLAE para los "
                          "sorteos %1 no es correcta: la bajada se ha detenido ahí. Los "
                          "sorteos ya guardados se conservan.")
        .arg(between(window));
}

QString historyDoneText(int added) {
    if (added == 0) return QStringLiteral("No había sorteos anteriores que añadir.");
    return added == 1 ? QStringLiteral("Se ha añadido 1 sorteo anterior.")
                      : QStringLiteral("Se han añadido %1 sorteos anteriores.").arg(added);
}

HistoryRun::HistoryRun(AppState& state, Prompter& prompter, Clock& clock, BackgroundFetch& fetch,
                       HistoryHooks hooks)
    : state_(state), prompter_(prompter), clock_(clock), fetch_(fetch), hooks_(std::move(hooks)),
      site_(operatorSite()) {
    pause_.setSingleShot(true);
    pause_.setInterval(kPauseMs);
    QObject::connect(&pause_, &QTimer::timeout, [this] { askNext(); });
}

void HistoryRun::start() {
    if (running_) return;
    const QDate today = clock_.today();
    windows_ = missingWindows(today, state_.files.readAllDraws(), state_.files.readAllPrizes());
    if (windows_.isEmpty()) {
        prompter_.message(kHistoryUpToDateText, kHistoryTitle, MessageIcon::Information);
        return;
    }
    running_ = true;
    added_ = 0;
    progress_ = {QString(), kReceivedAtRest, 0, int(windows_.size())};
    askNext();
}

void HistoryRun::cancel() {
    if (!running_) return;
    end(QStringLiteral("BAJADA CANCELADA"), QString(), QString(), MessageIcon::Information);
}

void HistoryRun::askNext() {
    if (!running_) return;
    const HistoryWindow& w = windows_[progress_.done];
    progress_.status = historyAskingText(w);
    changed();
    fetch_.start(windowAddress(site_, w.first, w.last),
                 [this](const std::optional<QByteArray>& body) { answered(body); });
}

void HistoryRun::answered(const std::optional<QByteArray>& body) {
    if (!running_) return;
    const HistoryWindow w = windows_[progress_.done];
    if (!body) {
        end(kFinishedText, historyFailedText(w), kConnectionTitle, MessageIcon::Exclamation);
        return;
    }
    progress_.received = QString::number(body->size());
    WindowAnswer answer;
    try {
        answer = readWindowAnswer(*body, w);
    } catch (const ParseError&) {
        end(kFinishedText, historyRefusedText(w), kCorruptTitle, MessageIcon::Critical);
        return;
    }
    try {
        added_ += storeDraws(state_.files, answer.draws);
        storePrizes(state_.files, answer.prizes);
    } catch (const StoreError& e) {
        end(kFinishedText, drawWriteText(e), kWriteTitle, MessageIcon::Exclamation);
        return;
    }
    state_.nextDrawRecord = state_.files.draws().count() + 1;
    if (auto newest = state_.files.readDraw(state_.nextDrawRecord - 1)) state_.latestDraw = *newest;
    ++progress_.done;
    if (progress_.done == progress_.total) {
        end(kFinishedText, historyDoneText(added_), kHistoryTitle, MessageIcon::Information);
        return;
    }
    changed();
    pause_.start();
}

void HistoryRun::end(const QString& status, const QString& message, const QString& title,
                     MessageIcon icon) {
    pause_.stop();
    fetch_.cancel();
    running_ = false;
    progress_.status = status;
    changed();
    if (hooks_.finished) hooks_.finished(added_);
    if (!message.isEmpty()) prompter_.message(message, title, icon);
}

void HistoryRun::changed() {
    if (hooks_.changed) hooks_.changed();
}
