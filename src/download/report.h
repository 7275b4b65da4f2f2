#pragma once

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <array>
#include <functional>
#include <memory>

struct AppState;
class HttpClient;
class Transfer;

inline const QString kReportFile = QStringLiteral("zul.pdf");
inline const QString kReportWorkFile = QStringLiteral("zul.tmp");

// What the "Sorteos" tab shows.
struct ReportScreen {
    QString title;                  // the report title
    std::array<QString, 13> prizes; // label i: the prize of the i-th category of the answer
    QString notice;                 // ErrorTextBox
    bool reportShown = false;       // ReportView in view instead of ErrorTextBox
};

// What the report asks of its tab.
struct ReportHooks {
    // Shows a PDF in ReportView; false when it cannot be read as one.
    std::function<bool(const QByteArray&)> showPdf;
    std::function<void()> changed; // the screen changed: show it now
};

// The newest draw's report: its date, the prize of each category and the
// operator's PDF, all read from the cached answer with busca. Every step is
// guarded: a failure skips that step and the report goes on with the next.
class DrawReport {
public:
    DrawReport(AppState& state, Transfer& transfer, HttpClient& http, bool canShowPdf,
               ReportHooks hooks, QLocale locale = QLocale());
    DrawReport(const DrawReport&) = delete;
    DrawReport& operator=(const DrawReport&) = delete;

    // BuildDrawReport: at start-up and from the tab with skipDownload, after
    // a download without it (a fresh copy of the PDF into "zul.pdf", fetched
    // in the background and shown when it is there). The report is always
    // shown from "zul.pdf"; nothing is fetched with skipDownload.
    void build(bool skipDownload);
    // Fetches `address` in the background; "zul.pdf" is replaced only by a
    // whole PDF answer, and the report is shown once the fetch ends.
    void downloadReportPdf(const QString& address);
    // The PDF of the last download is still on its way.
    bool downloading() const { return ticket_ != 0; }
    void showReportPdf();
    // The PDF could not be fetched or read.
    void navigationFailed();
    // A notice from elsewhere (a corrupt answer).
    void showNotice(const QString& text);
    // What a click on the notice opens: the PDF reader's page once N2 was
    // shown, else nothing.
    QString noticeLink() const;

    const ReportScreen& screen() const { return screen_; }
    const QString& reportUrl() const { return reportUrl_; }
    bool pdfReaderLinkArmed() const { return linkArmed_; }

private:
    // Fills the prizes when the answer has a breakdown; the PDF's path or empty.
    QString reportPath();
    QString addressOf(const QString& path) const;
    void changed();

    AppState& state_;
    Transfer& transfer_;
    HttpClient& http_;
    bool canShowPdf_;
    ReportHooks hooks_;
    QLocale locale_;
    ReportScreen screen_;
    QString reportUrl_;
    bool downloadOk_ = false; // this run's download replaced "zul.pdf"
    // A fetch that ends after the report is gone finds it expired.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    int ticket_ = 0; // the download on its way, 0 with none
    int fetchId_ = 0;
    int lastTicket_ = 0;
    bool linkArmed_ = false;
};
