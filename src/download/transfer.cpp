#include "download/transfer.h"

#include "download/cache.h"
#include "download/drawprizes.h"
#include "download/historyrun.h"
#include "download/parse.h"
#include "download/request.h"
#include "download/transfertexts.h"
#include "platform/clock.h"
#include "platform/httpclient.h"
#include "platform/prompter.h"
#include "platform/sites.h"
#include "store/appstate.h"
#include "store/dates.h"
#include "store/prizestore.h"
#include "store/storeerror.h"

#include <utility>

namespace {

constexpr int kShortAnswer = 100; // this long or shorter counts as no connection
constexpr int kMaxDrawsShown = 8;

// A step of the tick: a failure skips it and the tick goes on.
template <class Step> void guarded(Step&& step) {
    try {
        step();
    } catch (const std::exception&) {
    }
}

// The answer inside its cache line: quoted, each quote doubled.
QByteArray answerOfCache(const QByteArray& line) {
    if (!line.startsWith('"')) return line;
    QByteArray answer = line.mid(1);
    answer.replace("\"\"", "\"");
    return answer;
}

template <class Hook, class... Args> void call(const Hook& hook, Args&&... args) {
    if (hook) hook(std::forward<Args>(args)...);
}

} // namespace

Transfer::Transfer(AppState& state, Prompter& prompter, Clock& clock, HttpClient& http,
                   TransferHooks hooks)
    : state_(state), prompter_(prompter), clock_(clock), http_(http), hooks_(std::move(hooks)),
      site_(operatorSite()) {}

QString Transfer::trae(const QString& url) {
    http_.cancel();
    return http_.get(url);
}

void Transfer::startDownload() {
    if (hooks_.newsWindowVisible && hooks_.newsWindowVisible()) return;
    // Both write numeros.dat: one at a time.
    if (hooks_.historyRunning && hooks_.historyRunning()) return;
    offerHistory_ = false;
    // Inert while its own fetch waits.
    if (fetching_) return;
    const QDate today = clock_.today();

    reportPdfFetched_ = false;
    controls_.buttonImage = 1; // the click let the button go
    setNewDrawsLabel(QString());
    call(hooks_.stopPrizeBlink);
    state_.view.prizeBlinkTarget = 0;
    rejected_ = false;

    if (oleFromDate(today) < state_.latestDraw.drawDate) {
        prompter_.message(kDateText, kDateTitle, MessageIcon::Information);
        return;
    }

    // A tick of an earlier transfer must not run while this one waits.
    setTimer(false);
    ticks_ = 0;
    step_ = 2;
    controls_.progress = 1;
    call(hooks_.showGeneralTab);
    controls_.status = kConnectingText;
    changed();
    try {
        fetched_ = false;
        fetching_ = true;
        changed();
        struct Done {
            bool& flag;
            ~Done() { flag = false; }
        } done{fetching_};
        response_ = trae(requestAddress(site_, today));
        fetching_ = false;
        fetched_ = true;
        controls_.received = QString::number(response_.size());
        if (response_.size() > kShortAnswer) controls_.status = kSearchingText;
        ++step_;
        setTimer(true);
        changed();
    } catch (const HttpCancelled&) {
        // The window is closing: nobody to tell.
        fetching_ = false;
        toRest();
    } catch (const std::exception&) {
        fetching_ = false;
        toRest();
        prompter_.message(kNotConnectedText, kConnectionTitle, MessageIcon::Exclamation);
    }
}

void Transfer::tick() {
    // A message shown inside a tick lets the timer fire again: that tick waits.
    if (inTick_) return;
    inTick_ = true;
    struct Leave {
        bool& flag;
        ~Leave() { flag = false; }
    } leave{inTick_};

    ++ticks_;
    if (ticks_ == 5 && controls_.status == kConnectingText) {
        http_.cancel();
        toRest();
        prompter_.message(kM1Text, kConnectionTitle, MessageIcon::Exclamation);
        return;
    }
    if (ticks_ == 30 && controls_.progress == 1) {
        http_.cancel();
        toRest();
        prompter_.message(kM2Text, kConnectionTitle, MessageIcon::Exclamation);
    }
    if (takeResponse()) return;
    if (step_ == 5 && http_.lastState() != HttpClient::kError) {
        step_ = 6;
        step_ = 7;
    }
    if (step_ != 7) {
        refreshStatusOnce();
        return;
    }
    finish();
}

void Transfer::refreshStatusOnce() {
    if (!statusPending_) return;
    statusPending_ = false;
    call(hooks_.refreshStatus);
}

bool Transfer::takeResponse() {
    if (!fetched_ || http_.lastState() == HttpClient::kError || response_.size() <= kShortAnswer)
        return false;
    fetched_ = false;
    ticks_ = 0;
    controls_.progress = 2;
    step_ = 5;
    changed();
    const QByteArray line = cacheLine(response_);
    try {
        replaceCache(state_.files, line);
    } catch (const std::exception&) {
        // Nothing is parsed from an answer that could not be kept.
        toRest();
        prompter_.message(cacheWriteText(), kWriteTitle, MessageIcon::Exclamation);
        return true;
    }
    cache_ = line;
    QFile& www = state_.files.www();
    if (www.isOpen() && www.seek(0)) {
        const QByteArray onDisk = www.readAll();
        if (onDisk.size() == line.size()) cache_ = onDisk;
    }
    // The status is refreshed once, when the tick has applied the new draws.
    inTickParse_ = true;
    guarded([&] { parseResults(); });
    inTickParse_ = false;
    return false;
}

void Transfer::parseCache(const QByteArray& cacheBytes, qsizetype answerLength) {
    controls_.status = kAnalysingText;
    changed();
    newDrawCount_ = 0;
    keyNotFound_ = false;
    const qsizetype length = answerLength;
    CacheReader cache(cacheBytes);
    QList<DrawRecord> found;
    try {
        double newest = 0;
        if (state_.nextDrawRecord > 1)
            if (auto last = state_.files.readDraw(state_.nextDrawRecord - 1))
                newest = last->drawDate;
        const QList<double> dates = newDrawDates(cache, length, newest);
        readCombinations(cache, dates, found, [this](int i, const DrawRecord&) {
            setNewDrawsLabel(newDrawsText(i));
            ++newDrawCount_;
        });
        keyNotFound_ = cache.keyNotFound();

        // Oldest first, so the file stays in ascending date order; all of them
        // or none, so a failure leaves numeros.dat as it was.
        int written = 0;
        bool writeFailed = false;
        try {
            const QList<DrawRecord> oldestFirst(found.rbegin(), found.rend());
            state_.files.appendDraws(state_.nextDrawRecord, oldestFirst);
            written = int(oldestFirst.size());
            offerHistory_ = newest == 0 && written > 0;
        } catch (const StoreError& e) {
            writeFailed = true;
            newDrawCount_ = 0;
            setNewDrawsLabel(QString());
            prompter_.message(drawWriteText(e), kWriteTitle, MessageIcon::Exclamation);
        }
        // Every draw's prizes the answer gives; premios.dat failing costs no
        // draw: the prizes come again with the next answer or "Bajar todos
        // los sorteos".
        if (!writeFailed)
            guarded([&] { storePrizes(state_.files, answerPrizes(answerOfCache(cacheBytes))); });
        // Draws in the file are shown even when the last search ran off the end.
        if (written > 0) keyNotFound_ = false;
        if (newDrawCount_ == 0) {
            if (!writeFailed)
                prompter_.message(kNothingNewText, kNothingNewTitle, MessageIcon::Information);
            newDrawCount_ = 1;
        }
        // Named from what is stored now: the gap the answer could not fill.
        const QString missing = missingDrawsText(
            newest, written > 0 ? dateFromOle(found.last().drawDate) : windowStart(clock_.today()));
        if (!missing.isEmpty() && !writeFailed)
            prompter_.message(missing, kMissingTitle, MessageIcon::Information);
        statusPending_ = true;
        if (inTickParse_) {
            // The lists the tick builds next need the counters at once.
            state_.nextDrawRecord = state_.files.draws().count() + 1;
            if (auto newest = state_.files.readDraw(state_.nextDrawRecord - 1))
                state_.latestDraw = *newest;
        } else {
            refreshStatusOnce();
        }
    } catch (const std::exception& e) {
        keyNotFound_ = cache.keyNotFound();
        // A value out of range refuses the whole answer, whatever was read before it.
        if (dynamic_cast<const ValueOutOfRange*>(&e)) {
            newDrawCount_ = 0;
            setNewDrawsLabel(QString());
        }
        if (newDrawCount_ == 0 && http_.lastState() != HttpClient::kError) {
            rejected_ = true;
            errorText_ = corruptReportText(makerMail());
            call(hooks_.showReportNotice, errorText_);
            setTimer(false);
            prompter_.message(kCorruptText, kCorruptTitle, MessageIcon::Critical);
        } else if (http_.lastState() == HttpClient::kError) {
            http_.cancel();
            toRest();
            prompter_.message(kM1Text, kConnectionTitle, MessageIcon::Exclamation);
        } else {
            // Nothing was appended: the label must not say otherwise.
            setNewDrawsLabel(QString());
            prompter_.message(kNoDataYetText + QString::number(clock_.today().year()) +
                                  QStringLiteral("."),
                              kNoDataYetTitle, MessageIcon::Information);
        }
    }
}

void Transfer::finish() {
    controls_.progress = 2;
    setTimer(false);
    if (!rejected_ && !keyNotFound_) {
        controls_.progress = 3;
        changed();
        guarded([&] { call(hooks_.buildSimpleResults, newDrawCount_); });
        if (newDrawCount_ != 0)
            guarded([&] { call(hooks_.setDrawsToShow, std::min(newDrawCount_, kMaxDrawsShown)); });
        controls_.progress = 4;
        changed();
        statusPending_ = false;
        guarded([&] { call(hooks_.refreshStatus); });
        guarded([&] { call(hooks_.refreshDrawList); });
        guarded([&] { call(hooks_.buildDrawReport, false); });
        controls_.buttonImage = 2;
    }
    guarded([&] { refreshStatusOnce(); });
    controls_.status = kFinishedText;
    controls_.progress = 5;
    call(hooks_.showGeneralTab);
    changed();
    // A first download brought only the last days: the rest can follow.
    if (std::exchange(offerHistory_, false) && hooks_.startHistory &&
        prompter_.ask(kHistoryQuestion, kHistoryTitle, MessageIcon::Question))
        hooks_.startHistory();
}

CacheReader Transfer::cacheReader() const {
    QFile& www = state_.files.www();
    if (www.isOpen() && www.seek(0)) return CacheReader(www.readAll());
    return CacheReader(cache_);
}

void Transfer::toRest() {
    setTimer(false);
    controls_.progress = 0;
    controls_.status.clear();
    changed();
}

void Transfer::setTimer(bool on) {
    timerEnabled_ = on;
    call(hooks_.setTimerEnabled, on);
}

void Transfer::changed() {
    call(hooks_.controlsChanged);
}

void Transfer::setNewDrawsLabel(const QString& text) {
    state_.view.newDrawsLabel = text;
    changed();
}
