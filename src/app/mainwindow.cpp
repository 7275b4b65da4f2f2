#include "app/mainwindow.h"

#include "app/aboutbox.h"
#include "app/contactlink.h"
#include "app/drawstab.h"
#include "app/penadeletion.h"
#include "app/penaexport.h"
#include "app/penamanagertab.h"
#include "app/refresh.h"
#include "app/statuspanel.h"
#include "app/summaryframe.h"
#include "check/money.h"
#include "check/penadetail.h"
#include "check/resultspanel.h"
#include "create/creationflow.h"
#include "download/cache.h"
#include "download/historyrun.h"
#include "download/news.h"
#include "download/newswindow.h"
#include "download/report.h"
#include "download/reporttab.h"
#include "download/transferpanel.h"
#include "platform/backgroundfetch.h"
#include "platform/qthttpclient.h"
#include "platform/sites.h"
#include "platform/twips.h"
#include "print/printflow.h"
#include "store/appstate.h"
#include "store/folder.h"
#include "store/prizestore.h"
#include "widgets/artwork.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// Start-up runs every step even when one fails.
template <class Step> void guarded(Step&& step) {
    try {
        step();
    } catch (const std::exception&) {
    }
}

// A tab page or the side column, scrolled when the window is smaller than
// what it holds: no control is ever out of reach.
QScrollArea* scrolled(QWidget* content, QWidget* parent, QList<QScrollArea*>& areas) {
    auto* area = new QScrollArea(parent);
    areas.append(area);
    area->setWidget(content);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    area->setFocusPolicy(Qt::NoFocus);
    return area;
}

} // namespace

MainWindow::MainWindow(AppState& state, Platform& platform, QWidget* parent)
    : QMainWindow(parent), state_(state), platform_(platform), locale_(QLocale()) {
    setWindowTitle(QStringLiteral("Vantiko - Comprueba tus Euromillones por internet. ") +
                   QStringLiteral(VANTIKO_VERSION));

    tabs_ = new QTabWidget(this);
    auto* general = new QWidget;
    status_ = new StatusPanel(general);
    auto* generalLayout = new QVBoxLayout(general);
    generalLayout->addWidget(status_);
    // The results lists of the checking engine take the rest of the tab.
    results_ = new ResultsPanel(state_, platform_, general);
    generalLayout->addWidget(results_, 1);
    connect(results_, &ResultsPanel::refreshResultsRequested, this, &MainWindow::refreshResults);
    connect(results_, &ResultsPanel::generalTabRequested, this, [this] { selectTab(0); });
    connect(results_, &ResultsPanel::storedHitsChanged, this, &MainWindow::storedHitsChanged);
    tabs_->addTab(scrolled(general, tabs_, scrollAreas_), QStringLiteral("General"));
    // "Sorteos" (the last draw's report) is inserted once the transfer exists.
    penas_ = new PenaManagerTab;
    tabs_->addTab(scrolled(penas_, tabs_, scrollAreas_), QStringLiteral("Gestor de peñas"));
    draws_ = new DrawsTab(state_, platform_);
    tabs_->addTab(scrolled(draws_, tabs_, scrollAreas_), QStringLiteral("Estadísticas"));
    connect(draws_, &DrawsTab::statusRefreshNeeded, this, &MainWindow::refreshStatus);
    connect(draws_, &DrawsTab::resultsRefreshNeeded, this, &MainWindow::refreshResults);
    connect(tabs_, &QTabWidget::currentChanged, this, &MainWindow::onTabChanged);

    auto* sideColumn = new QWidget;
    summary_ = new SummaryFrame(sideColumn);
    auto* side = new QVBoxLayout(sideColumn);
    side->setContentsMargins(0, 0, 0, 0);
    // The transfer controls stand outside the tabs, always in view.
    http_ = std::make_unique<QtHttpClient>();
    TransferHooks hooks;
    hooks.refreshStatus = [this] { refreshStatus(); };
    hooks.buildSimpleResults = [this](int w) { results_->buildSimpleResults(w); };
    hooks.setDrawsToShow = [this](int w) { results_->setDrawsToShowQuietly(w); };
    hooks.refreshDrawList = [this] { draws_->refreshDrawList(); };
    hooks.showGeneralTab = [this] { selectTab(0); };
    hooks.stopPrizeBlink = [this] { results_->stopPrizeBlink(); };
    hooks.newsWindowVisible = [this] { return news_ && news_->isVisible(); };
    hooks.buildDrawReport = [this](bool skipDownload) { report_->build(skipDownload); };
    hooks.showReportNotice = [this](const QString& text) { report_->showNotice(text); };
    hooks.historyRunning = [this] { return history_ && history_->running(); };
    hooks.startHistory = [this] { toggleHistory(); };
    transfer_ = new TransferPanel(state_, platform_, *http_, std::move(hooks), sideColumn);
    connect(transfer_, &TransferPanel::newsRequested, this, &MainWindow::showNews);
    fetch_ = std::make_unique<HttpBackgroundFetch>(*http_);
    HistoryHooks historyHooks;
    historyHooks.changed = [this] { historyChanged(); };
    historyHooks.finished = [this](int) {
        refreshStatus();
        refreshResults();
    };
    history_ = std::make_unique<HistoryRun>(state_, platform_.prompter, platform_.clock, *fetch_,
                                            std::move(historyHooks));
    connect(transfer_, &TransferPanel::historyCancelRequested, this,
            [this] { history_->cancel(); });
    report_ = new ReportTab(state_, transfer_->transfer(), *http_, platform_.shell);
    tabs_->insertTab(1, scrolled(report_, tabs_, scrollAreas_), QStringLiteral("Sorteos"));
    connect(results_, &ResultsPanel::newDrawsLabelChanged, transfer_, &TransferPanel::showNewDraws);
    side->addWidget(transfer_);
    side->addWidget(summary_);
    side->addStretch(1);
    contact_ = new ContactLink(platform_.shell, sideColumn);
    side->addWidget(contact_);

    // The side column scrolls only upwards and downwards: it is as wide as
    // what it holds, and the splitter gives the tabs the rest.
    QScrollArea* sideArea = scrolled(sideColumn, this, scrollAreas_);
    sideArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sideArea->setMinimumWidth(sideColumn->minimumSizeHint().width() +
                              sideArea->verticalScrollBar()->sizeHint().width());
    auto* split = new QSplitter(Qt::Horizontal, this);
    split->addWidget(tabs_);
    split->addWidget(sideArea);
    split->setStretchFactor(0, 1);
    split->setChildrenCollapsible(false);
    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    layout->addWidget(split);
    setCentralWidget(central);

    connect(penas_, &PenaManagerTab::rowClicked, this, &MainWindow::onPenaRowClicked);
    connect(penas_, &PenaManagerTab::deleteRequested, this, &MainWindow::deletePena);
    creation_ = new CreationFlow(state_, platform_, this);
    connect(penas_, &PenaManagerTab::createRequested, creation_, &CreationFlow::openMenu);
    print_ = new PrintFlow(state_, platform_, this);
    connect(penas_, &PenaManagerTab::printRequested, print_, &PrintFlow::open);
    connect(penas_, &PenaManagerTab::exportRequested, this,
            [this] { exportPena(state_, platform_, std::max(1, state_.view.selectedPena)); });
    buildMenus();
    // However the focus gets to a control (Tab from outside its scroll area,
    // an Alt letter, a click), the control scrolls into view.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        for (QScrollArea* area : scrollAreas_)
            if (now && area->widget()->isAncestorOf(now)) area->ensureWidgetVisible(now);
    });
    setWindowIcon(drawPicture(Picture::Program, 64));
    // On a small screen the window opens no larger than the room below and
    // right of where start-up places it, less its frame.
    QSize size(1180, 720);
    if (const QScreen* screen = QApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() -
                              QSize(twipsToPixels(25) + 16, twipsToPixels(50) + 40));
    resize(size);
}

MainWindow::~MainWindow() {
    // The tabs are taken down after this: their focus changes are no longer ours.
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
    state_.files.closeAll();
}

void MainWindow::buildMenus() {
    // Every entry runs what its button runs. The Alt letters of the menus
    // (G, V, U) are used by no control of the window.
    generalMenu_ = menuBar()->addMenu(QStringLiteral("&General"));
    QAction* download = generalMenu_->addAction(QStringLiteral("&Bajar Sorteos nuevos"), transfer_,
                                                &TransferPanel::startDownload);
    download->setShortcut(QKeySequence(Qt::Key_F5));
    historyAction_ = generalMenu_->addAction(QString(kHistoryMenuText).insert(6, QLatin1Char('&')),
                                             this, &MainWindow::toggleHistory);
    // Inert, as the button, while the results fetch waits.
    connect(transfer_, &TransferPanel::fetchingChanged, download,
            [download](bool fetching) { download->setEnabled(!fetching); });
    QAction* create = generalMenu_->addAction(QStringLiteral("&Crear peña nueva"), creation_,
                                              &CreationFlow::openMenu);
    create->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    generalMenu_->addAction(QStringLiteral("Bo&rrar sorteos almacenados/Reset aciertos peñas"),
                            this, [this] { draws_->deleteAllDraws(); });
    generalMenu_->addMenu(results_->createViewMenu(0, generalMenu_));
    generalMenu_->addMenu(results_->createViewMenu(1, generalMenu_));
    QAction* quit = generalMenu_->addAction(QStringLiteral("Sa&lir"), this, &QWidget::close);
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    // Through the tab control, so the tab-change handling runs as on a click.
    QMenu* view = menuBar()->addMenu(QStringLiteral("&Ver"));
    const char* const tabEntries[] = {"Pestaña &General", "Pestaña Último &sorteo",
                                      "Pestaña Gestor de &peñas", "Pestaña &Estadísticas"};
    for (int i = 0; i < 4; ++i) {
        QAction* tab =
            view->addAction(QString::fromUtf8(tabEntries[i]), this, [this, i] { selectTab(i); });
        tab->setShortcut(QKeySequence(Qt::CTRL | (Qt::Key_1 + i)));
    }

    QMenu* help = menuBar()->addMenu(QStringLiteral("Ay&uda"));
    help->addAction(QStringLiteral("&Leer mensaje del Jefe"), this, &MainWindow::showNews);
    help->addAction(QStringLiteral("&Web del programa"), this,
                    [this] { platform_.shell.openUrl(makerSite()); });
    help->addAction(QStringLiteral("&Acerca de..."), this, &MainWindow::showAbout);
}

AboutBox* MainWindow::aboutBox() const {
    return about_;
}

void MainWindow::showAbout() {
    if (!about_) {
        about_ = new AboutBox(system_->identity(), state_.appFolder, platform_.shell, this);
        about_->setAttribute(Qt::WA_DeleteOnClose);
        connect(about_, &AboutBox::activated, this, [this] { aboutHandingOver_ = false; });
    }
    aboutHandingOver_ = true;
    QTimer::singleShot(1500, this, [this] { aboutHandingOver_ = false; });
    about_->show();
    about_->raise();
    about_->activateWindow();
}

void MainWindow::startUp(const QString& folder) {
    state_.penaLimit = 999;
    guarded([&] {
        const QRect screen = QApplication::primaryScreen()
                                 ? QApplication::primaryScreen()->availableGeometry()
                                 : QRect();
        move(screen.left() + twipsToPixels(25), screen.top() + twipsToPixels(50));
        if (splash_) splash_->close();
    });
    state_.appFolder = withTrailingSeparator(folder);
    QDir::setCurrent(state_.appFolder);
    guarded([&] {
        removeLeftoverWorkFiles(state_.files.ops(), state_.appFolder,
                                {kPenaWorkFile, kDrawWorkFile, kPrizeWorkFile, kAnswerWorkFile,
                                 kNewsWorkFile, kReportWorkFile});
    });
    guarded([&] { state_.files.openAll(state_.appFolder); });
    guarded([&] {
        const QString problems = state_.files.openProblemsText();
        if (!problems.isEmpty())
            platform_.prompter.message(problems, QStringLiteral("Error de lectura"),
                                       MessageIcon::Exclamation);
    });
    guarded([&] {
        // A damaged prize file is set aside whole; the draws' prizes come again.
        if (isSoundPrizeFile(state_.files.readAllPrizes())) return;
        platform_.prompter.message(damagedPrizesText(keepDamagedPrizeFile(state_.files)),
                                   QStringLiteral("Error de lectura"), MessageIcon::Exclamation);
    });
    guarded([&] { refreshStatus(); });
    guarded([&] { refreshResults(); });
    // From the answer and "zul.pdf" of an earlier run: nothing is fetched.
    guarded([&] { report_->build(true); });
    guarded([&] { results_->showView(0); });
    // The news comes last and in the background, once the window is shown.
    newsFetching_ = true;
    QTimer::singleShot(0, this, [this] {
        bool started = false;
        guarded([&] {
            started =
                checkNews(state_, *http_, platform_.clock.today(), makerSite(), [this](bool open) {
                    newsFetching_ = false;
                    if (open) showNews();
                });
        });
        if (!started) newsFetching_ = false;
    });
}

void MainWindow::showNews() {
    if (!news_) news_ = new NewsWindow(platform_.shell, makerMail(), this);
    news_->open(state_.appFolder + kNewsFile);
}

void MainWindow::refreshStatus() {
    const StatusView v = refreshStatusState(state_, platform_.clock.today());
    status_->apply(v);
    results_->applyDrawCount(v.nextDrawRecord - 1, v.optionBoxesEnabled);
    refreshSummary();
}

void MainWindow::refreshSummary() {
    const SummaryView s = refreshSummaryState(state_, locale_);
    // The highlight and the selected peña agree, or nothing is selected.
    int& selected = state_.view.selectedPena;
    if (selected > s.rows.size()) selected = 0;
    status_->setPenaCount(s.penaCount);
    penas_->applyScan(s, selected);
    summary_->apply(s);
    if (s.rows.isEmpty()) penas_->clearCounters();
    showPenaDetail(selected > 0 ? selected : 1);
}

void MainWindow::toggleHistory() {
    if (history_->running()) {
        history_->cancel();
        return;
    }
    // Both write numeros.dat: not while a download runs.
    if (transfer_->transfer().timerEnabled()) return;
    history_->setSite(transfer_->transfer().site());
    history_->start();
}

void MainWindow::historyChanged() {
    const bool running = history_->running();
    transfer_->showHistory(running ? &history_->progress() : nullptr);
    historyAction_->setText(running ? QStringLiteral("Cancelar bajada de &todos los sorteos")
                                    : QString(kHistoryMenuText).insert(6, QLatin1Char('&')));
}

void MainWindow::refreshResults() {
    // No pass counts a draw of a damaged file.
    switch (draws_->checkDrawFile()) {
    case DrawFileGuard::Check::Discarded:
        return;
    case DrawFileGuard::Check::Damaged:
        results_->clearLists();
        draws_->refreshDrawList();
        return;
    case DrawFileGuard::Check::Sound:
        break;
    }
    results_->buildSimpleResults(state_.view.drawsToShow);
    draws_->refreshDrawList();
}

void MainWindow::storedHitsChanged() {
    // The totals beside the lists and the peña shown follow what was stored;
    // a download applying its draws refreshes them itself right after.
    if (transfer_->transfer().controls().progress == 3) return;
    refreshSummary();
}

void MainWindow::showPenaDetail(int record) {
    if (state_.nextPenaRecord <= 1) {
        penas_->applyDetail(emptyPenaDetail());
        penas_->applyMoney(nullptr);
        return;
    }
    const auto pena = state_.files.readPena(record);
    if (!pena) return;
    state_.currentPena = *pena;
    const PenaDetailView detail = computePenaDetail(*pena, state_.files.readAllDraws(), locale_);
    penas_->applyDetail(detail);
    const PenaMoney money =
        penaMoney(*pena, state_.files.readAllDraws(), state_.files.readAllPrizes());
    penas_->applyMoney(detail.corrupt ? nullptr : &money);
    if (detail.corrupt)
        platform_.prompter.message(kCorruptPenaFileText, QStringLiteral("¡Vaya hombre!"),
                                   MessageIcon::Exclamation);
}

void MainWindow::onPenaRowClicked(int row) {
    showPenaDetail(row);
    state_.view.selectedPena = row;
}

void MainWindow::deletePena() {
    if (!runDeletePena(state_, platform_.prompter)) return;
    refreshStatus();
    bringResultsBackToOne();
}

void MainWindow::bringResultsBackToOne() {
    // Back to the newest draw; the frequency chart back to its first half.
    const bool atOne = state_.view.drawsToShow == 1;
    results_->bringBackToOneDraw();
    if (!atOne) draws_->setHalfSelector(1);
}

void MainWindow::selectTab(int index) {
    tabs_->setCurrentIndex(index);
}

void MainWindow::onTabChanged(int index) {
    results_->stopPrizeBlink();
    // The last-draw report is not shown while a download runs.
    if (index == 1 && transfer_->timer()->isActive()) {
        tabs_->setCurrentIndex(currentTab_);
        return;
    }
    currentTab_ = index;
    if (index == 1 && report_->noticeShown()) report_->refreshFromTab();
}

void MainWindow::activated() {
    const Activation a = activate(state_, ++activations_);
    if (a.welcome)
        platform_.prompter.message(kWelcomeText, kWelcomeTitle, MessageIcon::Information);
    if (a.resultsBackToOne) {
        bringResultsBackToOne();
        refreshStatus();
    }
    closeSecondaryWindows();
}

void MainWindow::closeSecondaryWindows() {
    // The bet-mode menu, the creation form, the print window and the about box.
    creation_->closeWindows();
    print_->closeWindow();
    if (about_ && !aboutHandingOver_) about_->close();
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    // Deferred, so a message shown on activation does not run inside the event.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        QTimer::singleShot(0, this, [this] {
            if (isActiveWindow()) activated();
        });
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // A results fetch still waiting ends here, without a word.
    http_->cancel();
    closeSecondaryWindows();
    state_.files.closeAll();
    event->accept();
    QApplication::quit();
}
