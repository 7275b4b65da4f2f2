#pragma once

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <array>
#include <functional>

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

    // BuildDrawReport: at start-up and from the tab with skipDownload, after
    // a download without it (a fresh copy of the PDF into "zul.pdf").
    void build(bool skipDownload);
    void downloadReportPdf(const QString& address);
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
    QString downloadedUrl_; // the address "zul.pdf" holds in this run
    bool linkArmed_ = false;
};
