// Grabs every tab and window of the program over a data folder to PNG files,
// for the user guide: vantiko-screenshots DATAFOLDER OUTFOLDER [WIDTHxHEIGHT]
// (the main window's size, 1240x760 unless given). The newest draw's report
// is laid down in the folder first, as a download leaves it (the answer in
// www.txt, the PDF in zul.pdf), and a stand-in for the operator's site on
// 127.0.0.1 serves the PDF, so the "Sorteos" tab shows a report.
#include "app/aboutbox.h"
#include "app/mainwindow.h"
#include "app/penapdf.h"
#include "app/program.h"
#include "app/splash.h"
#include "app/startup.h"
#include "check/penareport.h"
#include "create/betmodemenu.h"
#include "create/creationflow.h"
#include "create/creationform.h"
#include "create/namebox.h"
#include "download/cache.h"
#include "download/news.h"
#include "download/newswindow.h"
#include "download/report.h"
#include "download/reporttab.h"
#include "print/printflow.h"
#include "print/printwindow.h"
#include "store/appstate.h"
#include "store/dates.h"
#include "store/folder.h"
#include "support/answers.h"

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHostAddress>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QTabWidget>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#ifdef VANTIKO_HAS_QTPDF
#include <QtPdf/QPdfDocument>
#endif

namespace {

// Nobody is there to answer: messages go to the terminal, questions get "No".
class QuietPrompter : public Prompter {
public:
    void message(const QString& text, const QString& title, MessageIcon) override {
        std::fprintf(stderr, "[%s] %s\n", qPrintable(title), qPrintable(text));
    }
    bool ask(const QString& text, const QString& title, MessageIcon) override {
        std::fprintf(stderr, "[%s] %s (No)\n", qPrintable(title), qPrintable(text));
        return false;
    }
};
class NoShell : public Shell {
public:
    void openUrl(const QString&) override {}
};
class NoFile : public FileChooser {
public:
    QString chooseOpenFile(const QString&, const QString&, const QString&) override { return {}; }
    QString chooseSaveFile(const QString&, const QString&, const QString&) override { return {}; }
};

void settle(int ms = 0) {
    QElapsedTimer clock;
    clock.start();
    do {
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents();
        if (ms > 0) QThread::msleep(20);
    } while (clock.elapsed() < ms);
}

// The prizes of the 13 categories in the order the results service lists
// them, and how many won each, as a draw of the season might have them.
const QStringList kPrizes = {
    QStringLiteral("54395121.40"), QStringLiteral("316488.09"), QStringLiteral("45212.58"),
    QStringLiteral("1766.31"),     QStringLiteral("156.26"),    QStringLiteral("61.78"),
    QStringLiteral("71.64"),       QStringLiteral("16.64"),     QStringLiteral("14.01"),
    QStringLiteral("12.52"),       QStringLiteral("8.86"),      QStringLiteral("6.78"),
    QStringLiteral("4.20")};
const int kWinners[13] = {1,    6,     9,     44,     1020,   1898,   2855,
                          6940, 45632, 95301, 186560, 694018, 1372456};
const char* const kHits[13] = {"5 + 2", "5 + 1", "5 + 0", "4 + 2", "4 + 1", "3 + 2", "4 + 0",
                               "2 + 2", "3 + 1", "3 + 0", "1 + 2", "2 + 1", "2 + 0"};

// A one-page report in the operator's manner, marked as a sample.
QByteArray reportPdf(const AnswerDraw& draw) {
    const QLocale spanish(QLocale::Spanish, QLocale::Spain);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(72); // points
    QPainter p(&writer);
    const auto font = [&](int points, bool bold) {
        QFont f(QStringLiteral("Liberation Sans"), points);
        f.setBold(bold);
        p.setFont(f);
    };
    p.fillRect(QRectF(40, 40, 515, 56), QColor(0, 70, 140));
    p.setPen(Qt::white);
    font(24, true);
    p.drawText(QRectF(56, 40, 500, 56), Qt::AlignVCenter, QStringLiteral("EUROMILLONES"));
    p.setPen(Qt::black);
    font(15, true);
    p.drawText(QPointF(56, 130), QStringLiteral("Acta del escrutinio"));
    font(11, false);
    p.drawText(QPointF(56, 152),
               QStringLiteral("Sorteo del ") +
                   spanish.toString(draw.date, QStringLiteral("dddd, d 'de' MMMM 'de' yyyy")));
    QStringList numbers, stars;
    for (int n : draw.numbers)
        numbers.append(QString::number(n));
    for (int s : draw.stars)
        stars.append(QString::number(s));
    font(12, true);
    p.drawText(QPointF(56, 184),
               QStringLiteral("Combinación ganadora:  ") + numbers.join(QStringLiteral("  ")) +
                   QStringLiteral("     Estrellas:  ") + stars.join(QStringLiteral("  ")));
    const double columns[4] = {56, 150, 270, 420};
    double y = 226;
    font(10, true);
    p.fillRect(QRectF(48, y - 14, 500, 20), QColor(220, 230, 240));
    const char* const heads[4] = {"Categoría", "Aciertos", "Acertantes", "Premio (euros)"};
    for (int c = 0; c < 4; ++c)
        p.drawText(QPointF(columns[c], y), QString::fromUtf8(heads[c]));
    font(10, false);
    for (int k = 0; k < 13; ++k) {
        y += 22;
        if (k % 2) p.fillRect(QRectF(48, y - 15, 500, 22), QColor(245, 245, 245));
        p.drawText(QPointF(columns[0], y), QStringLiteral("%1ª").arg(k + 1));
        p.drawText(QPointF(columns[1], y), QString::fromLatin1(kHits[k]));
        p.drawText(QPointF(columns[2], y), spanish.toString(kWinners[k]));
        p.drawText(QPointF(columns[3], y), spanish.toString(kPrizes[k].toDouble(), 'f', 2));
    }
    font(8, false);
    p.setPen(QColor(110, 110, 110));
    p.drawText(QPointF(56, y + 48),
               QStringLiteral("Muestra para la guía de Vantiko: no es un acta del operador."));
    p.end();
    return buffer.data();
}

// The operator's site, as far as the report goes: every request is answered
// with the report's PDF.
class ReportSite : public QObject {
public:
    explicit ReportSite(QByteArray pdf) : pdf_(std::move(pdf)) {
        server_.listen(QHostAddress::LocalHost, 0);
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection()) {
                socket->setParent(this);
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { answer(socket); });
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }
    QString origin() const {
        return QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort());
    }

private:
    void answer(QTcpSocket* socket) {
        const QByteArray request = socket->property("request").toByteArray() + socket->readAll();
        socket->setProperty("request", request);
        if (!request.contains("\r\n\r\n")) return;
        socket->write("HTTP/1.1 200 OK\r\nContent-Type: application/pdf\r\nContent-Length: " +
                      QByteArray::number(pdf_.size()) + "\r\nConnection: close\r\n\r\n" + pdf_);
        socket->disconnectFromHost();
    }

    QTcpServer server_;
    QByteArray pdf_;
};

// The newest stored draw's answer in www.txt and its report in zul.pdf, as
// a download leaves them; the PDF for the site to serve.
QByteArray layDownReport(const QString& folder) {
    DataFiles files;
    files.openAll(withTrailingSeparator(folder));
    const QList<DrawRecord> draws = files.readAllDraws();
    files.closeAll();
    if (draws.isEmpty()) return {};
    const DrawRecord& newest = draws.last();
    AnswerDraw draw{dateFromOle(newest.drawDate), {}, {}};
    for (int k = 0; k < 5; ++k)
        draw.numbers[static_cast<std::size_t>(k)] = newest.numbers[k];
    for (int k = 0; k < 2; ++k)
        draw.stars[static_cast<std::size_t>(k)] = newest.stars[k];
    // The operator lists them in ascending order.
    std::sort(draw.numbers.begin(), draw.numbers.end());
    std::sort(draw.stars.begin(), draw.stars.end());
    const QByteArray pdf = reportPdf(draw);
    const QDir dir(folder);
    QFile cache(dir.filePath(QStringLiteral("www.txt")));
    QFile report(dir.filePath(kReportFile));
    if (!cache.open(QIODevice::WriteOnly) || !report.open(QIODevice::WriteOnly)) return {};
    cache.write(
        cacheLine(QLatin1Char('[') + drawJson(draw, QString(), kPrizes) + QLatin1Char(']')));
    report.write(pdf);
    return pdf;
}

// The first page of peña 1's exported report, as the PDF reader shows it.
bool saveReport(AppState& state, const QString& folder, const char* name) {
#ifdef VANTIKO_HAS_QTPDF
    const auto pena = state.files.readPena(1);
    if (!pena) return false;
    const QByteArray pdf = penaPdf(penaReport(
        *pena, penaMoney(*pena, state.files.readAllDraws(), state.files.readAllPrizes())));
    QBuffer buffer;
    buffer.setData(pdf);
    buffer.open(QIODevice::ReadOnly);
    QPdfDocument doc;
    doc.load(&buffer);
    for (int i = 0; i < 100 && doc.status() == QPdfDocument::Status::Loading; ++i)
        settle(20);
    const QString path = folder + QLatin1Char('/') + QString::fromLatin1(name);
    if (doc.pageCount() < 1 || !doc.render(0, QSize(744, 1052)).save(path)) {
        std::fprintf(stderr, "vantiko-screenshots: no %s\n", name);
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
#else
    (void)state, (void)folder, (void)name;
    std::fprintf(stderr, "vantiko-screenshots: built without Qt Pdf, no %s\n", name);
    return true;
#endif
}

bool save(QWidget* w, const QString& folder, const char* name) {
    settle();
    const QString path = folder + QLatin1Char('/') + QString::fromLatin1(name);
    if (!w || !w->grab().save(path)) {
        std::fprintf(stderr, "vantiko-screenshots: no %s\n", name);
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantiko"));
    QApplication::setOrganizationName(QStringLiteral("Vantiko"));
    const QStringList size =
        argc > 3 ? QString::fromLocal8Bit(argv[3]).split(QLatin1Char('x')) : QStringList();
    if (argc < 3 || argc > 4 || (argc == 4 && size.size() != 2)) {
        std::fprintf(stderr, "usage: vantiko-screenshots DATAFOLDER OUTFOLDER [WIDTHxHEIGHT]\n");
        return 2;
    }
    installSpanish(app);
    const QString out = QString::fromLocal8Bit(argv[2]);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QByteArray pdf = layDownReport(folder);
    if (pdf.isEmpty()) std::fprintf(stderr, "vantiko-screenshots: no draw for the report\n");
    ReportSite site(pdf);
    qputenv("VANTIKO_OPERATOR_SITE", site.origin().toUtf8());

    QuietPrompter prompter;
    SystemClock clock;
    NoShell shell;
    NoFile chooser;
    RandomSource random;
    random.seedFromTime(clock);
    Platform platform{prompter, clock, shell, chooser, random};
    Program program(platform, folder);
    program.start();
    bool ok = save(program.splash(), out, "splash.png");
    program.splash()->enter();
    MainWindow* w = program.mainWindow();
    w->resize(size.isEmpty() ? QSize(1240, 760) : QSize(size[0].toInt(), size[1].toInt()));
    const char* const tabs[] = {"tab-general.png", "tab-sorteos.png", "tab-penas.png",
                                "tab-estadisticas.png"};
    for (int i = 0; i < 4; ++i) {
        w->selectTab(i);
        settle(i == 1 ? 1500 : 0); // the report's page is drawn in the background
        ok = save(w, out, tabs[i]) && ok;
        if (i == 1 && w->reportTab()->noticeShown()) {
            std::fprintf(stderr, "vantiko-screenshots: the report is not shown\n");
            ok = false;
        }
    }
    w->selectTab(0);
    ok = save(w, out, "mainwindow.png") && ok;
    ok = saveReport(program.state(), out, "informe.png") && ok;

    w->creationFlow()->openMenu();
    ok = save(w->creationFlow()->menu(), out, "betmode.png") && ok;
    if (BetModeMenu* menu = w->creationFlow()->menu()) menu->sencillaBox()->click();
    settle();
    if (CreationForm* form = w->creationFlow()->form()) {
        form->nameBox()->setText(QStringLiteral("LOS DEL BAR"));
        // One bet drawn at random, as "Aleatorio" twice does.
        form->aleatorioButton()->click();
        for (int i = 0; i < 10 && form->transitionTimer()->isActive(); ++i)
            form->transitionTick();
        form->aleatorioButton()->click();
    }
    ok = save(w->creationFlow()->form(), out, "creationform.png") && ok;
    if (CreationForm* form = w->creationFlow()->form()) form->close();

    program.state().view.selectedPena = 1;
    w->printFlow()->open();
    ok = save(w->printFlow()->window(), out, "printwindow.png") && ok;
    if (PrintWindow* print = w->printFlow()->window()) print->close();

    w->showAbout();
    ok = save(w->aboutBox(), out, "about.png") && ok;
    if (AboutBox* about = w->aboutBox()) about->close();

    // The maker's news, as "Ver mensaje" shows a page fetched before.
    QFile news(QDir(folder).filePath(kNewsFile));
    if (news.open(QIODevice::WriteOnly)) {
        news.write(
            "<h2>Noticias de Vantiko</h2><p>Ya puede bajar los sorteos nuevos y ver el "
            "informe de premios del &uacute;ltimo sorteo en la pesta&ntilde;a "
            "<b>Sorteos</b>.</p><p>Si encuentra un fallo, escr&iacute;bame: le responder&eacute; "
            "en cuanto pueda.</p>");
        news.close();
    }
    w->showNews();
    ok = save(w->newsWindow(), out, "news.png") && ok;
    w->close();
    return ok ? 0 : 1;
}
