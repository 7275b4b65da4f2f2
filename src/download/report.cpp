#include "download/report.h"

#include "download/busca.h"
#include "download/filedownload.h"
#include "download/reporttexts.h"
#include "download/transfer.h"
#include "platform/httpclient.h"
#include "platform/sites.h"
#include "store/appstate.h"

#include <QUrl>

namespace {

constexpr qsizetype kNear = 300; // the breakdown and the path follow their keys this closely

template <class Step> void guarded(Step&& step) {
    try {
        step();
    } catch (const std::exception&) {
    }
}

const QString kQuote = QStringLiteral("\"");
const QString kTwoQuotes = QStringLiteral("\"\"");

} // namespace

DrawReport::DrawReport(AppState& state, Transfer& transfer, HttpClient& http, bool canShowPdf,
                       ReportHooks hooks, QLocale locale)
    : state_(state), transfer_(transfer), http_(http), canShowPdf_(canShowPdf),
      hooks_(std::move(hooks)), locale_(std::move(locale)) {
    screen_.title = kReportDesignTitle;
    screen_.prizes.fill(kPrizeDesignCaption);
}

void DrawReport::build(bool skipDownload) {
    screen_.reportShown = false;
    reportUrl_.clear();
    guarded([&] { screen_.title = reportTitle(state_.latestDraw.drawDate, locale_); });
    QString path;
    guarded([&] { path = reportPath(); });
    const QString address = addressOf(path);
    if (!address.isEmpty()) {
        reportUrl_ = address;
        if (!skipDownload)
            guarded([&] { downloadReportPdf(reportUrl_); });
        else if (downloading())
            screen_.notice = kReportComingNotice;
        else
            guarded([&] { showReportPdf(); });
    } else {
        screen_.notice = kReportNotReadyNotice;
    }
    changed();
}

QString DrawReport::reportPath() {
    CacheReader cache = transfer_.cacheReader();
    cache.seek(1);
    cache.busca(QStringLiteral("escru"), kQuote);
    const bool haveScrutiny = !cache.keyNotFound();
    const qsizetype p = cache.pos();
    cache.busca(QStringLiteral("cate"), kQuote);
    const qsizetype d = cache.pos() - p;
    // Keys that are not there are no breakdown, however near the searches end.
    if (!haveScrutiny || cache.keyNotFound() || d <= 0 || d >= kNear) return QString();

    cache.seek(1);
    for (int i = 0; i < 13; ++i) {
        guarded([&] {
            cache.busca(QStringLiteral("categoria"), QStringLiteral(":\""));
            if (cache.keyNotFound()) return;
            const QString v = cache.busca(kTwoQuotes, kQuote);
            if (!cache.keyNotFound()) screen_.prizes[static_cast<std::size_t>(i)] = raros(v);
        });
    }

    QString path;
    guarded([&] {
        cache.seek(1);
        cache.busca(QStringLiteral("documentos"), QStringLiteral(":"));
        if (cache.keyNotFound()) return;
        const qsizetype at = cache.pos();
        cache.busca(QStringLiteral("urlContenido"), QStringLiteral(":"));
        if (cache.keyNotFound() || cache.pos() - at >= kNear) return;
        const QString value = cache.busca(kTwoQuotes, kQuote);
        if (!cache.keyNotFound()) path = value;
    });
    return path;
}

QString DrawReport::addressOf(const QString& path) const {
    if (path.isEmpty()) return QString();
    // The path stays on the operator's site, with the site's own scheme: an
    // answer cannot send the report elsewhere ("//host", "@host").
    const QString site = transfer_.site();
    const QUrl origin(site);
    const QUrl url(site + path);
    if (!path.startsWith(QLatin1Char('/')) || path.startsWith(QStringLiteral("//")) ||
        !url.isValid() || url.scheme() != origin.scheme() || url.host() != origin.host() ||
        url.port() != origin.port() || !url.userInfo().isEmpty())
        return QString();
    return site + path;
}

void DrawReport::downloadReportPdf(const QString& address) {
    transfer_.setReportPdfFetched(true);
    downloadOk_ = false;
    if (ticket_ != 0) http_.cancelFetch(fetchId_);
    const int ticket = ++lastTicket_;
    ticket_ = ticket;
    screen_.reportShown = false;
    screen_.notice = kReportComingNotice;
    changed();
    const QString folder = state_.appFolder;
    const int id = fetchToFile(http_, state_.files.ops(), address, FetchKind::Report,
                               folder + kReportFile, folder + kReportWorkFile,
                               [this, alive = std::weak_ptr<bool>(alive_), ticket](bool replaced) {
                                   if (alive.expired() || ticket != ticket_) return;
                                   ticket_ = 0;
                                   downloadOk_ = replaced;
                                   // A later build may have found no report meanwhile.
                                   if (!reportUrl_.isEmpty()) guarded([&] { showReportPdf(); });
                               });
    // Still on its way (a fetch may end before fetchLater returns).
    if (ticket_ == ticket) fetchId_ = id;
}

void DrawReport::showReportPdf() {
    QByteArray head;
    guarded([&] { head = fileHead(state_.appFolder + kReportFile, 4); });
    if ((head.toUpper() != "%PDF" || reportUrl_.isEmpty()) && !transfer_.reportPdfFetched()) {
        screen_.notice = kReportNotReadyNotice;
        changed();
        return;
    }
    if (!canShowPdf_) {
        screen_.notice = noPdfViewerNotice(pdfReaderPage());
        linkArmed_ = true;
        changed();
        return;
    }
    // This run's download did not come: the old file is not this report.
    if (transfer_.reportPdfFetched() && !downloadOk_) {
        navigationFailed();
        return;
    }
    screen_.reportShown = true;
    changed();
    QByteArray pdf;
    guarded([&] { pdf = fileHead(state_.appFolder + kReportFile); });
    if (!hooks_.showPdf || !hooks_.showPdf(pdf)) navigationFailed();
}

void DrawReport::navigationFailed() {
    screen_.reportShown = false;
    screen_.notice = kNoConnectionNotice;
    changed();
}

void DrawReport::showNotice(const QString& text) {
    screen_.notice = text;
    changed();
}

QString DrawReport::noticeLink() const {
    return linkArmed_ ? pdfReaderPage() : QString();
}

void DrawReport::changed() {
    if (hooks_.changed) hooks_.changed();
}
