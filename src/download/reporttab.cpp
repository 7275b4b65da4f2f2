#include "download/reporttab.h"

#include "download/reporttexts.h"
#include "platform/shell.h"

#include <QBuffer>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#ifdef VANTIKO_HAS_QTPDF
#include <QtPdf/QPdfDocument>
#include <QtPdfWidgets/QPdfView>
#endif

namespace {

// The notice box acts on a click (the PDF reader's page, once offered).
class NoticeClick : public QObject {
public:
    NoticeClick(QObject* parent, std::function<void()> onClick)
        : QObject(parent), onClick_(std::move(onClick)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonRelease) onClick_();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> onClick_;
};

} // namespace

bool ReportTab::canShowPdf() {
#ifdef VANTIKO_HAS_QTPDF
    return true;
#else
    return false;
#endif
}

ReportTab::ReportTab(AppState& state, Transfer& transfer, HttpClient& http, Shell& shell,
                     QWidget* parent)
    : QWidget(parent), shell_(shell) {
    ReportHooks hooks;
    hooks.showPdf = [this](const QByteArray& pdf) { return showPdf(pdf); };
    hooks.changed = [this] { apply(); };
    report_ = std::make_unique<DrawReport>(state, transfer, http, canShowPdf(), std::move(hooks));

    title_ = new QLabel(kReportDesignTitle, this);
    title_->setObjectName(QStringLiteral("reportTitle"));
    QFont big = title_->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.3);
    title_->setFont(big);
    title_->setAutoFillBackground(true);
    title_->setMargin(4);
    setTitleBackground(224, 224, 224);

    auto* frame = new QGroupBox(kPrizesFrameTitle, this);
    auto* grid = new QGridLayout(frame);
    for (int i = 0; i < 13; ++i) {
        captions_[i] = new QLabel(prizeCaption(i), frame);
        prizes_[i] = new QLabel(kPrizeDesignCaption, frame);
        prizes_[i]->setObjectName(QStringLiteral("prize%1").arg(i));
        prizes_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        prizes_[i]->setMinimumWidth(
            prizes_[i]->fontMetrics().horizontalAdvance(QStringLiteral("000.000.000,00")) + 8);
        QFont bold = prizes_[i]->font();
        bold.setBold(true);
        prizes_[i]->setFont(bold);
        grid->addWidget(captions_[i], i, 0);
        grid->addWidget(prizes_[i], i, 1);
    }
    grid->setRowStretch(13, 1);

    notice_ = new QPlainTextEdit(this);
    notice_->setObjectName(QStringLiteral("reportNotice"));
    notice_->setReadOnly(true);
    notice_->setFocusPolicy(Qt::NoFocus);
    QFont noticeFont = notice_->font();
    noticeFont.setBold(true);
    notice_->setFont(noticeFont);
    notice_->viewport()->installEventFilter(new NoticeClick(notice_, [this] {
        const QString link = report_->noticeLink();
        if (!link.isEmpty()) shell_.openUrl(link);
    }));

#ifdef VANTIKO_HAS_QTPDF
    document_ = new QPdfDocument(this);
    auto* view = new QPdfView(this);
    view->setPageMode(QPdfView::PageMode::MultiPage);
    view->setZoomMode(QPdfView::ZoomMode::FitToWidth);
    view->setDocument(document_);
    view_ = view;
#else
    view_ = new QWidget(this);
#endif
    view_->setObjectName(QStringLiteral("reportView"));
    view_->hide();

    auto* body = new QHBoxLayout;
    body->addWidget(frame);
    body->addWidget(notice_, 1);
    body->addWidget(view_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title_);
    layout->addLayout(body, 1);
    apply();
}

ReportTab::~ReportTab() = default;

void ReportTab::build(bool skipDownload) {
    report_->build(skipDownload);
}

void ReportTab::refreshFromTab() {
    title_->setText(kUpdatingReportText);
    setTitleBackground(255, 128, 0);
    if (isVisible()) repaint();
    report_->build(true);
    setTitleBackground(224, 224, 224);
}

void ReportTab::apply() {
    const ReportScreen& s = report_->screen();
    title_->setText(s.title);
    for (int i = 0; i < 13; ++i)
        prizes_[i]->setText(s.prizes[static_cast<std::size_t>(i)]);
    QString notice = s.notice;
    notice.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (notice_->toPlainText() != notice) notice_->setPlainText(notice);
    notice_->setVisible(!s.reportShown);
    view_->setVisible(s.reportShown);
    // The fetches block the event loop: paint now so the user sees the state.
    if (isVisible()) repaint();
}

bool ReportTab::showPdf(const QByteArray& pdf) {
#ifdef VANTIKO_HAS_QTPDF
    // The document reads from the buffer while it is shown: a new one each time.
    document_->close();
    delete pdfBytes_;
    pdfBytes_ = new QBuffer(this);
    pdfBytes_->setData(pdf);
    pdfBytes_->open(QIODevice::ReadOnly);
    document_->load(pdfBytes_);
    return document_->status() == QPdfDocument::Status::Ready && document_->pageCount() > 0;
#else
    Q_UNUSED(pdf);
    return false;
#endif
}

void ReportTab::setTitleBackground(int r, int g, int b) {
    QPalette p = title_->palette();
    p.setColor(QPalette::Window, QColor(r, g, b));
    title_->setPalette(p);
}
