#include "check/resultspanel.h"

#include "check/checking.h"
#include "check/resultsmodel.h"
#include "check/resultstext.h"
#include "check/resultsview.h"
#include "check/viewmenu.h"
#include "check/viewoptions.h"
#include "platform/platform.h"
#include "platform/twips.h"
#include "store/appstate.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <thread>

namespace {

const QString kPrizeCaption = QStringLiteral("P R E M I O");
// Alt+S and Alt+M, kept while the caption reads "P R E M I O".
const QString kCaptions[2] = {QStringLiteral("&S E N C I L L A"),
                              QStringLiteral("&M Ú L T I P L E")};
// A plain red face: with only a background colour some styles draw a pale gradient.
const QString kRedLook = QStringLiteral("QPushButton { background-color: rgb(255, 0, 0); "
                                        "border: 1px solid rgb(128, 0, 0); padding: 3px 6px; }");

constexpr int kListWidthTwips[2] = {7601, 8801};

// Past this many bet checks a lay-out runs beside the window.
constexpr qint64 kBackgroundCost = 30'000'000;

ResultsView* makeList(ResultsModel* model, QWidget* parent) {
    auto* list = new ResultsView(model, parent);
    QTableView* view = list->table();
    view->setShowGrid(false);
    view->setWordWrap(false);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setCornerButtonEnabled(false);
    // Tab leaves the list for the controls below it instead of walking its cells.
    view->setTabKeyNavigation(false);
    // Every row the same height, never measured.
    QHeaderView* rows = view->verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(view->fontMetrics().height() + 4);
    QHeaderView* columns = view->horizontalHeader();
    columns->setHighlightSections(false);
    columns->setSectionsClickable(false);
    columns->setStretchLastSection(true);
    QList<int> widths;
    for (int c = 0; c < model->columnCount(); ++c)
        widths.append(twipsToPixels(columnWidthTwips(model->kind(), c)));
    list->setColumnWidths(widths);
    const int index = model->kind() == ListKind::Simple ? 0 : 1;
    list->setMinimumWidth(twipsToPixels(kListWidthTwips[index]));
    return list;
}

} // namespace

// A lay-out running beside the window; it owns the lists it lays out.
struct ResultsPanel::Job {
    PendingLists lists;
    std::atomic<int> drawsDone{0};
    std::atomic<bool> finished{false};
    std::jthread thread; // stopped and joined first when the job goes
};

ResultsPanel::~ResultsPanel() {
    cancelJob();
}

ResultsPanel::ResultsPanel(AppState& state, Platform& platform, QWidget* parent)
    : QWidget(parent), state_(state), platform_(platform), blink_(state) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* switches = new QHBoxLayout;
    for (int i = 0; i < 2; ++i) {
        buttons_[i] = new QPushButton(kCaptions[i], this);
        buttons_[i]->setObjectName(i == 0 ? QStringLiteral("viewSimple")
                                          : QStringLiteral("viewMultiple"));
        connect(buttons_[i], &QPushButton::clicked, this, [this, i] { showView(i); });
        switches->addWidget(buttons_[i]);
    }
    switches->addStretch();
    layout->addLayout(switches);
    keepButtonSizes();

    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::Box);
    auto* lists = new QVBoxLayout(frame);
    lists->setContentsMargins(2, 2, 2, 2);
    models_[0] = new ResultsModel(ListKind::Simple, this);
    models_[1] = new ResultsModel(ListKind::Multiple, this);
    for (int i = 0; i < 2; ++i) {
        views_[i] = makeList(models_[i], frame);
        views_[i]->setObjectName(i == 0 ? QStringLiteral("simpleResultsList")
                                        : QStringLiteral("multipleResultsList"));
        lists->addWidget(views_[i]);
    }
    views_[1]->hide();
    layout->addWidget(frame, 1);

    auto* controls = new QHBoxLayout;
    auto* barCaption = new QLabel(QStringLiteral("-Seleccione el &número de sorteos a ver:"), this);
    controls->addWidget(barCaption);
    bar_ = new QScrollBar(Qt::Horizontal, this);
    barCaption->setBuddy(bar_);
    bar_->setObjectName(QStringLiteral("drawsToShow"));
    bar_->setRange(1, 1);
    bar_->setValue(1);
    bar_->setSingleStep(1);
    bar_->setPageStep(1);
    bar_->setTracking(false); // one refresh when the handle is let go, not one per pixel
    bar_->setFocusPolicy(Qt::StrongFocus);
    bar_->setMinimumWidth(80);
    bar_->setEnabled(false);
    controls->addWidget(bar_, 1);
    box_ = new QLabel(QStringLiteral("1"), this);
    box_->setObjectName(QStringLiteral("drawsToShowBox"));
    box_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    box_->setMinimumWidth(box_->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 8);
    box_->setAlignment(Qt::AlignCenter);
    controls->addWidget(box_);
    history_ = new QCheckBox(QStringLiteral("&Histórico"), this);
    history_->setToolTip(
        QStringLiteral("Resultados de una peña con sorteos anteriores a su creación"));
    history_->setEnabled(false);
    controls->addWidget(history_);
    onlyPrize_ = new QCheckBox(QStringLiteral("Ver sólo si hay &premio"), this);
    onlyPrize_->setToolTip(QStringLiteral("Pues eso..."));
    onlyPrize_->setEnabled(false);
    controls->addWidget(onlyPrize_);
    layout->addLayout(controls);

    // The progress of a long lay-out, in place of nothing.
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("layOutProgress"));
    progress_->setFormat(QStringLiteral("Buscando premios... %p%"));
    progress_->hide();
    layout->addWidget(progress_);
    jobTimer_ = new QTimer(this);
    jobTimer_->setInterval(50);
    connect(jobTimer_, &QTimer::timeout, this, &ResultsPanel::pollJob);

    ::setDrawsToShow(state_, 1);
    connect(bar_, &QScrollBar::valueChanged, this, &ResultsPanel::barChanged);
    // While the handle is dragged the box follows it; the lists wait for the release.
    connect(bar_, &QScrollBar::sliderMoved, this,
            [this](int position) { box_->setText(QString::number(position)); });
    connect(history_, &QCheckBox::toggled, this, [this](bool on) {
        emit newDrawsLabelChanged(setShowHistory(state_, on));
        emit refreshResultsRequested();
    });
    connect(onlyPrize_, &QCheckBox::toggled, this, [this](bool on) {
        setOnlyWithPrize(state_, on);
        emit refreshResultsRequested();
    });

    timer_ = new QTimer(this);
    timer_->setInterval(800);
    connect(timer_, &QTimer::timeout, this, &ResultsPanel::blinkTick);
}

void ResultsPanel::buildSimpleResults(int w) {
    runLists(w, false);
}

void ResultsPanel::buildMultipleResults(int w) {
    runLists(w, true);
}

void ResultsPanel::runLists(int w, bool multipleOnly) {
    cancelJob();
    auto job = std::make_unique<Job>();
    job->lists = prepareLists(state_, w, multipleOnly);
    reportStored(job->lists.stored);
    if (job->lists.cost() < kBackgroundCost) {
        layOutLists(job->lists);
        applyLists(job->lists);
        return;
    }
    Job* running = job.get();
    job_ = std::move(job);
    running->thread = std::jthread([running](std::stop_token stop) {
        layOutLists(running->lists, stop, &running->drawsDone);
        running->finished = true;
    });
    progress_->setRange(0, std::max(1, running->lists.draws()));
    progress_->setValue(0);
    progress_->show();
    jobTimer_->start();
}

void ResultsPanel::pollJob() {
    if (!job_) return;
    progress_->setValue(job_->drawsDone.load());
    if (job_->finished) finishLayOut();
}

void ResultsPanel::finishLayOut() {
    if (!job_) return;
    job_->thread.join();
    const std::unique_ptr<Job> done = std::move(job_);
    jobTimer_->stop();
    progress_->hide();
    applyLists(done->lists);
}

void ResultsPanel::cancelJob() {
    if (!job_) return;
    job_->thread.request_stop();
    job_->thread.join();
    job_.reset();
    jobTimer_->stop();
    progress_->hide();
}

void ResultsPanel::applyLists(const PendingLists& lists) {
    if (!lists.multipleOnly) models_[0]->setList(lists.simple);
    models_[1]->setList(lists.multiple);
    startPrizeBlink(lists, blink_);
    syncBlink();
}

void ResultsPanel::clearLists() {
    cancelJob();
    models_[0]->clear();
    models_[1]->clear();
}

void ResultsPanel::reportStored(const StoredHits& stored) {
    if (!stored.failure.isEmpty() && stored.failure != lastStoreFailure_)
        platform_.prompter.message(stored.failure, QStringLiteral("¡Vaya hombre!"),
                                   MessageIcon::Exclamation);
    lastStoreFailure_ = stored.failure;
    if (stored.changed) emit storedHitsChanged();
}

void ResultsPanel::showView(int i) {
    stopPrizeBlink();
    if (i != 0 && i != 1) return;
    if (views_[i]->isHidden()) {
        views_[i]->show();
        views_[1 - i]->hide();
    }
    view_ = i;
}

void ResultsPanel::stopPrizeBlink() {
    if (!blink_.stop()) return;
    timer_->stop();
    applyButtonLooks();
    emit newDrawsLabelChanged(state_.view.newDrawsLabel);
}

void ResultsPanel::applyDrawCount(int storedDraws, bool hasLatestDraw) {
    history_->setEnabled(hasLatestDraw);
    onlyPrize_->setEnabled(hasLatestDraw);
    bar_->setEnabled(storedDraws > 0);
    if (storedDraws > 0) {
        // A smaller file pulls the value down with it, and that is a change of
        // the bar like any other: the lists are rebuilt (a single deleted draw
        // has no other refresh to rely on).
        bar_->setMaximum(storedDraws);
        box_->setText(::setDrawsToShow(state_, bar_->value()));
    }
}

void ResultsPanel::setDrawsToShow(int w) {
    bar_->setValue(w);
}

void ResultsPanel::setDrawsToShowQuietly(int w) {
    quiet_ = true;
    // The draws just appended count before the status has followed them.
    bar_->setMaximum(std::max(bar_->maximum(), state_.nextDrawRecord - 1));
    bar_->setValue(w);
    quiet_ = false;
}

void ResultsPanel::bringBackToOneDraw() {
    if (bar_->value() == 1) {
        buildSimpleResults(1);
        buildMultipleResults(1);
    } else {
        setDrawsToShow(1);
    }
}

void ResultsPanel::applyMenuView(int view, std::optional<bool> onlyWithPrize,
                                 std::optional<bool> showHistory) {
    showView(view);
    if (onlyWithPrize) onlyPrize_->setChecked(*onlyWithPrize);
    if (showHistory) history_->setChecked(*showHistory);
}

QMenu* ResultsPanel::createViewMenu(int view, QWidget* parent) {
    auto* menu = new QMenu(QLatin1Char('&') + viewMenuTitle(view), parent);
    const QList<ViewMenuEntry> entries = viewMenuEntries(view);
    for (qsizetype k = 0; k < entries.size(); ++k) {
        const ViewMenuEntry& entry = entries[k];
        // Alt letters T, S, H and, for "premios + histórico", P.
        const qsizetype key = k == 3 ? entry.text.indexOf(QStringLiteral("premios")) : 0;
        QAction* action = menu->addAction(QString(entry.text).insert(key, QLatin1Char('&')));
        connect(action, &QAction::triggered, this, [this, entry] {
            emit generalTabRequested();
            applyMenuView(entry.view, entry.onlyWithPrize, entry.showHistory);
        });
    }
    return menu;
}

void ResultsPanel::blinkTick() {
    blink_.tick();
    applyButtonLooks();
}

void ResultsPanel::barChanged(int value) {
    box_->setText(::setDrawsToShow(state_, value));
    if (!quiet_) emit refreshResultsRequested();
}

void ResultsPanel::syncBlink() {
    if (blink_.running() && !timer_->isActive()) timer_->start();
    if (!blink_.running() && timer_->isActive()) timer_->stop();
}

void ResultsPanel::applyButtonLooks() {
    for (int i = 0; i < 2; ++i) {
        const bool red = blink_.isRed(i);
        buttons_[i]->setText(red ? kPrizeCaption : kCaptions[i]);
        buttons_[i]->setShortcut(QKeySequence::mnemonic(kCaptions[i]));
        buttons_[i]->setStyleSheet(red ? kRedLook : QString());
    }
}

void ResultsPanel::keepButtonSizes() {
    // Both buttons take the room of the widest caption in either look, so
    // nothing beside them moves while the prize blinks.
    QSize room;
    for (int i = 0; i < 2; ++i)
        for (const bool red : {true, false}) {
            buttons_[i]->setText(red ? kPrizeCaption : kCaptions[i]);
            buttons_[i]->setStyleSheet(red ? kRedLook : QString());
            room = room.expandedTo(buttons_[i]->sizeHint());
        }
    for (QPushButton* b : buttons_)
        b->setFixedSize(room);
}
