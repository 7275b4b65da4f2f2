#pragma once

#include "download/report.h"

#include <QWidget>
#include <memory>

class QBuffer;
class QLabel;
class QPdfDocument;
class QPlainTextEdit;
class Shell;

// The "Sorteos" tab: the title, the 13 prizes in "Premios en Euros ", and
// either the notice box (ErrorTextBox) or the PDF view (ReportView).
class ReportTab : public QWidget {
    Q_OBJECT
public:
    ReportTab(AppState& state, Transfer& transfer, HttpClient& http, Shell& shell,
              QWidget* parent = nullptr);
    ~ReportTab() override;

    // Whether this build can show PDF files (built with Qt Pdf).
    static bool canShowPdf();

    // BuildDrawReport.
    void build(bool skipDownload);
    // The tab brought to the front while it shows a notice: rebuilt, saying so.
    void refreshFromTab();
    bool noticeShown() const { return !report_->screen().reportShown; }
    void showNotice(const QString& text) { report_->showNotice(text); }

    DrawReport& report() { return *report_; }
    QLabel* titleLabel() const { return title_; }
    QLabel* prizeLabel(int i) const { return prizes_[i]; }
    QLabel* captionLabel(int i) const { return captions_[i]; }
    QPlainTextEdit* noticeBox() const { return notice_; }
    QWidget* reportView() const { return view_; }
    // The report shown, or null in a build without Qt Pdf.
    QPdfDocument* document() const { return document_; }

private:
    void apply();
    bool showPdf(const QByteArray& pdf);
    void setTitleBackground(int r, int g, int b);

    Shell& shell_;
    std::unique_ptr<DrawReport> report_;
    QLabel* title_;
    QLabel* captions_[13];
    QLabel* prizes_[13];
    QPlainTextEdit* notice_;
    QWidget* view_;
    QPdfDocument* document_ = nullptr;
    QBuffer* pdfBytes_ = nullptr;
};
