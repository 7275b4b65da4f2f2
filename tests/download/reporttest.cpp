#include "download/report.h"
#include "app/mainwindow.h"
#include "download/cache.h"
#include "download/reporttab.h"
#include "download/reporttexts.h"
#include "download/request.h"
#include "download/transfer.h"
#include "download/transferpanel.h"
#include "download/transfertexts.h"
#include "platform/qthttpclient.h"
#include "platform/sites.h"
#include "store/appstate.h"
#include "store/dates.h"
#include "support/answers.h"
#include "support/fakes.h"
#include "support/resultsserver.h"
#include "support/samplepdf.h"
#include "support/tempfolder.h"
#include "support/uiinput.h"

#include <QBuffer>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QtPdf/QPdfDocument>
#include <gtest/gtest.h>

namespace {

// Wednesday 1 March 2023: the newest draw of the answer is Tuesday 28 February.
const QDate kToday(2023, 3, 1);
const QList<AnswerDraw> kWindow = drawsBetween(windowStart(kToday), kToday);
const QString kAnswer = answerJson(kWindow);
const QString kNoPdf = QStringLiteral("<html><body>No encontrado</body></html>");

// The report's path as the answer gives it.
QString pdfPath(const QString& answer) {
    return QRegularExpression(QStringLiteral("\"urlContenido\":\"([^\"]+)\""))
        .match(answer)
        .captured(1);
}

// The first "premio" of the newest draw's breakdown replaced by `prize`.
QString withFirstPrize(const QString& prize) {
    QString a = kAnswer;
    const QRegularExpression first(QStringLiteral("\"categoria\":1,\"premio\":\"[^\"]*\""));
    const QRegularExpressionMatch m = first.match(a);
    a.replace(m.capturedStart(), m.capturedLength(),
              QStringLiteral("\"categoria\":1,\"premio\":\"%1\"").arg(prize));
    return a;
}

// A breakdown that is not there yet: the first "cate" 300 bytes after "escru".
QString withoutBreakdown() {
    QString a = kAnswer;
    a.insert(a.indexOf(QStringLiteral("\"escrutinio\":[")) + 14, QString(300, QLatin1Char(' ')));
    return a;
}

// The report over a program folder, its cache and the loopback service.
struct ReportFixture {
    TempFolder dir;
    FakePlatform fake;
    AppState state;
    ResultsServer server;
    QtHttpClient http;
    Transfer transfer{state, fake.prompter, fake.clock, http, {}};
    QList<QByteArray> shownPdfs;
    std::unique_ptr<DrawReport> report;

    explicit ReportFixture(bool canShowPdf = true) {
        fake.clock.set(kToday);
        dir.writeDraws({makeDraw(QDate(2023, 2, 28), {1, 2, 3, 4, 5}, {1, 2})});
        state.files.openAll(dir.path());
        state.appFolder = dir.path();
        state.latestDraw = *state.files.readDraw(1);
        transfer.setSite(server.origin());
        ReportHooks hooks;
        hooks.showPdf = [this](const QByteArray& pdf) {
            shownPdfs.append(pdf);
            QBuffer buffer;
            buffer.setData(pdf);
            buffer.open(QIODevice::ReadOnly);
            QPdfDocument doc;
            doc.load(&buffer);
            return doc.status() == QPdfDocument::Status::Ready;
        };
        report = std::make_unique<DrawReport>(state, transfer, http, canShowPdf, std::move(hooks),
                                              QLocale(QLocale::Spanish, QLocale::Spain));
    }
    void cache(const QString& answer) { replaceCache(state.files, cacheLine(answer)); }
    const ReportScreen& screen() const { return report->screen(); }
};

} // namespace

TEST(ReportTexts, CaptionsTitleAndRaros) {
    const QStringList captions = {"- 1ª Categoría (5 aciertos + 2 estrellas): ",
                                  "- 2ª Categoría (5 aciertos + 1 estrella): ",
                                  "- 3ª Categoría (5 aciertos + 0 estrella): ",
                                  "- 4ª Categoría (4 aciertos + 2 estrellas): ",
                                  "- 5ª Categoría (4 aciertos + 1 estrella): ",
                                  "- 6ª Categoría (3 aciertos + 2 estrellas): ",
                                  "- 7ª Categoría (4 aciertos + 0 estrella): ",
                                  "- 8ª Categoría (2 aciertos + 2 estrellas): ",
                                  "- 9ª Categoría (3 aciertos + 1 estrella): ",
                                  "- 10ª Categoría (3 aciertos + 0 estrella): ",
                                  "- 11ª Categoría (1 acierto + 2 estrellas): ",
                                  "- 12ª Categoría (2 aciertos + 1 estrella): ",
                                  "- 13ª Categoría (2 aciertos + 0 estrella): "};
    for (int i = 0; i < 13; ++i)
        EXPECT_EQ(prizeCaption(i), captions[i]) << i;

    const QLocale spanish(QLocale::Spanish, QLocale::Spain);
    EXPECT_EQ(reportTitle(oleFromDate(QDate(2023, 2, 28)), spanish),
              QStringLiteral("-Informe del Martes, 28 de febrero del 2023"));
    EXPECT_EQ(reportTitle(0, spanish), QStringLiteral("Informe"));

    const struct {
        QString in, out;
    } raro[] = {
        {QStringLiteral("1.234.567,89 €"), QStringLiteral("1.234.567,89")},
        {QStringLiteral(" 12 345 , 6 "), QStringLiteral("12345,6")},
        {QStringLiteral("{á}|é~\tñ\r\nZz!"), QStringLiteral("Zz!")},
        {QStringLiteral("Año: 5"), QStringLiteral("Ao:5")},
    };
    for (const auto& r : raro)
        EXPECT_EQ(raros(r.in), r.out) << r.in.toStdString();
}

TEST(DrawReport, WhatTheTabShowsForEachCacheAndReportFile) {
    const QByteArray pdf = samplePdf(2);
    const QString lowerPdf = QStringLiteral("%pdf") + QString::fromLatin1(pdf.mid(4));
    enum Run { StartUp, AfterDownload };
    const struct Case {
        const char* name;
        QString answer;
        Run run;
        QByteArray zulBefore; // empty: no "zul.pdf"
        bool serveReport;     // the service has the PDF (else a 404 page)
        bool canShowPdf;
        bool reportShown;
        QString notice;
        QString firstPrize;
        QByteArray zulAfter;
    } cases[] = {
        {"no breakdown yet", withoutBreakdown(), StartUp, pdf, true, true, false,
         kReportNotReadyNotice, QStringLiteral("kept"), pdf},
        {"prize with euro sign", withFirstPrize(QStringLiteral("1.234.567,89 €")), StartUp, pdf,
         true, true, true, QString(), QStringLiteral("1.234.567,89"), pdf},
        // It counts as a PDF, so it goes to the view, which cannot read it.
        {"%pdf in lower case", kAnswer, StartUp, lowerPdf.toLatin1(), true, true, false,
         kNoConnectionNotice, QStringLiteral("130000000.00"), lowerPdf.toLatin1()},
        {"HTML page as zul.pdf at start-up", kAnswer, StartUp, kNoPdf.toLatin1(), true, true, false,
         kReportNotReadyNotice, QStringLiteral("130000000.00"), kNoPdf.toLatin1()},
        {"no zul.pdf at start-up", kAnswer, StartUp, QByteArray(), true, true, false,
         kReportNotReadyNotice, QStringLiteral("130000000.00"), QByteArray()},
        {"report fetched after a download", kAnswer, AfterDownload, kNoPdf.toLatin1(), true, true,
         true, QString(), QStringLiteral("130000000.00"), pdf},
        {"report missing on the site", kAnswer, AfterDownload, pdf, false, true, false,
         kNoConnectionNotice, QStringLiteral("130000000.00"), pdf},
        {"report not on the operator's site",
         QString(kAnswer).replace(pdfPath(kAnswer), QStringLiteral("//evil.example/a.pdf")),
         AfterDownload, QByteArray(), true, true, false, kReportNotReadyNotice,
         QStringLiteral("130000000.00"), QByteArray()},
        {"no PDF view in this build", kAnswer, StartUp, pdf, true, false, false,
         noPdfViewerNotice(pdfReaderPage()), QStringLiteral("130000000.00"), pdf},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ReportFixture f(c.canShowPdf);
        // Labels from an earlier report, which a cache without breakdown keeps.
        f.cache(withFirstPrize(QStringLiteral("kept")));
        f.report->build(true);
        ASSERT_EQ(f.screen().prizes[0], QStringLiteral("kept"));

        if (!c.zulBefore.isEmpty()) f.dir.write(kReportFile, c.zulBefore);
        if (c.serveReport)
            f.server.serve(pdfPath(kAnswer), pdf, "application/pdf");
        else
            f.server.serve(pdfPath(kAnswer), kNoPdf.toUtf8(), "text/html", 404);
        f.cache(c.answer);
        f.shownPdfs.clear();
        const qsizetype asked = f.server.requests().size();
        if (c.run == AfterDownload) f.transfer.setReportPdfFetched(false);
        f.report->build(c.run == StartUp);
        // The PDF of a download comes in the background.
        ASSERT_TRUE(waitFor([&] { return !f.report->downloading(); }));

        EXPECT_EQ(f.screen().title, QStringLiteral("-Informe del Martes, 28 de febrero del 2023"));
        EXPECT_EQ(f.screen().reportShown, c.reportShown);
        if (!c.reportShown) {
            EXPECT_EQ(f.screen().notice, c.notice);
        }
        EXPECT_EQ(f.screen().prizes[0], c.firstPrize);
        EXPECT_EQ(f.screen().prizes[12], QString::number(130000000.0 / (13 * 13 * 13), 'f', 2));
        EXPECT_EQ(f.dir.read(kReportFile), c.zulAfter);
        if (c.reportShown) {
            ASSERT_EQ(f.shownPdfs.size(), 1);
            EXPECT_EQ(f.shownPdfs[0], pdf);
            EXPECT_EQ(f.report->reportUrl(), f.server.origin() + pdfPath(c.answer));
        }
        // Nothing is fetched at start-up: the report is the one in "zul.pdf".
        if (c.run == StartUp) {
            EXPECT_EQ(f.server.requests().size(), asked);
        }
        EXPECT_EQ(f.report->pdfReaderLinkArmed(), !c.canShowPdf);
        EXPECT_EQ(f.report->noticeLink().isEmpty(), c.canShowPdf);
    }
}

namespace {

struct Window {
    TempFolder dir;
    FakePlatform fake;
    AppState state;
    ResultsServer server;
    std::unique_ptr<MainWindow> window;

    void start() {
        const QList<DrawRecord> stored = {makeDraw(QDate(2023, 2, 21), {1, 2, 3, 4, 5}, {1, 2})};
        dir.writeDraws(stored);
        qputenv("VANTIKO_OPERATOR_SITE", server.origin().toUtf8());
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
        fake.clock.set(kToday);
        window = std::make_unique<MainWindow>(state, fake.platform);
        window->startUp(dir.path());
        fake.prompter.clear();
    }
    ReportTab& tab() { return *window->reportTab(); }
    void download() {
        TransferPanel& panel = *window->transferPanel();
        panel.startDownload();
        for (int i = 0; i < 40 && panel.timer()->isActive(); ++i)
            panel.tick();
        EXPECT_TRUE(waitFor([this] { return !tab().report().downloading(); }));
    }
};

} // namespace

TEST(ReportTab, AfterADownloadFromTheService) {
    Window w;
    w.start();
    // Start-up without a report file: N1 under the design labels.
    EXPECT_TRUE(w.tab().noticeShown());
    EXPECT_EQ(w.tab().noticeBox()->toPlainText(),
              QString(kReportNotReadyNotice).replace("\r\n", "\n"));
    EXPECT_EQ(w.tab().prizeLabel(0)->text(), QStringLiteral("0"));
    EXPECT_EQ(w.tab().titleLabel()->text(),
              QStringLiteral("-Informe del Martes, 21 de febrero del 2023"));

    w.server.answer(kAnswer);
    w.server.serve(pdfPath(kAnswer), samplePdf(3), "application/pdf");
    w.window->resize(1180, 720);
    w.window->show();
    if (!qEnvironmentVariableIsEmpty("VANTIKO_GRAB")) {
        w.window->selectTab(1);
        w.window->grab().save(qEnvironmentVariable("VANTIKO_GRAB") + QStringLiteral("/n1.png"));
    }
    w.download();
    // Only the welcome of an empty peña file.
    const QStringList texts = w.fake.prompter.texts();
    ASSERT_EQ(texts.filter(QStringLiteral("Bienvenido")).size(), texts.size())
        << texts.join('\n').toStdString();
    EXPECT_TRUE(w.server.requests().contains(pdfPath(kAnswer)));
    EXPECT_TRUE(w.dir.read(kReportFile).startsWith("%PDF"));

    w.window->selectTab(1);
    EXPECT_EQ(w.window->tabs()->currentIndex(), 1);
    EXPECT_EQ(w.tab().titleLabel()->text(),
              QStringLiteral("-Informe del Martes, 28 de febrero del 2023"));
    for (int i = 0; i < 13; ++i)
        EXPECT_EQ(w.tab().prizeLabel(i)->text(),
                  QString::number(130000000.0 / ((i + 1) * (i + 1) * (i + 1)), 'f', 2))
            << i;
    EXPECT_TRUE(w.tab().reportView()->isVisible());
    EXPECT_FALSE(w.tab().noticeBox()->isVisible());
    ASSERT_NE(w.tab().document(), nullptr);
    EXPECT_EQ(w.tab().document()->pageCount(), 3);
    if (!qEnvironmentVariableIsEmpty("VANTIKO_GRAB")) {
        w.window->grab().save(qEnvironmentVariable("VANTIKO_GRAB") +
                              QStringLiteral("/sorteos.png"));
        w.tab()
            .document()
            ->render(0, QSize(420, 594))
            .save(qEnvironmentVariable("VANTIKO_GRAB") + QStringLiteral("/page.png"));
    }
}

TEST(ReportTab, AReportQtPdfCannotReadIsTheConnectionNotice) {
    Window w;
    w.start();
    w.server.answer(kAnswer);
    // The site answers with a page instead of the PDF.
    w.server.serve(pdfPath(kAnswer), kNoPdf.toUtf8(), "application/pdf");
    w.download();
    EXPECT_TRUE(w.tab().noticeShown());
    EXPECT_EQ(w.tab().noticeBox()->toPlainText(), kNoConnectionNotice);

    // Opening the tab while a notice shows rebuilds the report: the file from
    // this run's download is tried again and still cannot be read.
    const qsizetype asked = w.server.requests().size();
    w.window->selectTab(1);
    EXPECT_EQ(w.window->tabs()->currentIndex(), 1);
    EXPECT_EQ(w.tab().titleLabel()->text(),
              QStringLiteral("-Informe del Martes, 28 de febrero del 2023"));
    EXPECT_EQ(w.tab().titleLabel()->palette().color(QPalette::Window), QColor(224, 224, 224));
    EXPECT_EQ(w.tab().noticeBox()->toPlainText(), kNoConnectionNotice);
    EXPECT_EQ(w.server.requests().size(), asked);
    w.window->selectTab(0);

    // Now the site has it: the next visit to the tab shows it.
    w.server.serve(pdfPath(kAnswer), samplePdf(1), "application/pdf");
    w.download();
    w.window->selectTab(1);
    EXPECT_FALSE(w.tab().noticeShown());
    EXPECT_EQ(w.tab().document()->pageCount(), 1);
}

TEST(ReportTab, ACorruptAnswerIsExplainedInTheNoticeBox) {
    Window w;
    w.start();
    w.server.answer(errorPage(12000));
    w.download();
    EXPECT_EQ(w.tab().noticeBox()->toPlainText(),
              corruptReportText(makerMail()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    EXPECT_TRUE(w.tab().noticeShown());
}
