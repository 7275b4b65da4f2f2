#pragma once

#include "check/prizeblink.h"

#include <QWidget>
#include <memory>
#include <optional>

class QCheckBox;
class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;
class QScrollBar;
class QTimer;
class ResultsModel;
class ResultsView;
struct PendingLists;
struct AppState;
struct Platform;
struct StoredHits;

// The results part of the "General" tab: the simple and multiple results
// lists with their view buttons, the DrawsToShow bar, the "Histórico" and
// "Ver sólo si hay premio" boxes and the prize announcement.
class ResultsPanel : public QWidget {
    Q_OBJECT
public:
    ResultsPanel(AppState& state, Platform& platform, QWidget* parent = nullptr);
    ~ResultsPanel() override;

    // Runs buildMultipleResults(w) at its end when a multiple peña exists.
    // The totals are counted and stored at once; a lay-out that goes through
    // many bets runs on other threads while the window goes on, with its
    // progress shown, and the lists change when it ends. A new refresh
    // interrupts it.
    void buildSimpleResults(int w);
    void buildMultipleResults(int w);
    // A lay-out is running.
    bool layingOut() const { return job_ != nullptr; }
    // Waits for it and shows its lists (tests, benchmarks).
    void finishLayOut();
    // Both lists empty, as over a draw file that may not be counted.
    void clearLists();
    // ViewSwitch 0 (simple list) or 1 (multiple list).
    void showView(int i);
    int currentView() const { return view_; }
    // Run on every tab change and when a download starts.
    void stopPrizeBlink();
    // The end of RefreshStatus: enables or disables both boxes and the bar,
    // sets the bar's maximum to the number of stored draws (a value pulled
    // down by a smaller maximum refreshes the lists, as any change of the bar).
    void applyDrawCount(int storedDraws, bool hasLatestDraw);
    // Sets the bar as the user would (refreshes when the value changes).
    void setDrawsToShow(int w);
    // While a download applies its new draws: only the bar and its box change.
    void setDrawsToShowQuietly(int w);
    // After a peña is created or deleted: back to one draw.
    void bringBackToOneDraw();
    // A view entry of the "General" menu (selecting the tab is the caller's).
    void applyMenuView(int view, std::optional<bool> onlyWithPrize,
                       std::optional<bool> showHistory);
    // The "Sencillas" (0) or "Múltiples" (1) submenu; its entries emit
    // generalTabRequested and then apply their view.
    QMenu* createViewMenu(int view, QWidget* parent);
    // The 800 ms tick.
    void blinkTick();

    QPushButton* viewButton(int i) const { return buttons_[i & 1]; }
    ResultsView* listView(int i) const { return views_[i & 1]; }
    ResultsModel* model(int i) const { return models_[i & 1]; }
    QScrollBar* drawsBar() const { return bar_; }
    QLabel* drawsBox() const { return box_; }
    QCheckBox* historyBox() const { return history_; }
    QCheckBox* onlyWithPrizeBox() const { return onlyPrize_; }
    QTimer* blinkTimer() const { return timer_; }
    QProgressBar* layOutProgress() const { return progress_; }
    const PrizeBlink& prizeBlink() const { return blink_; }

signals:
    // An option or the bar changed: the main window runs RefreshResults.
    void refreshResultsRequested();
    // NewDrawsLabel was emptied.
    void newDrawsLabelChanged(const QString& text);
    // A view menu entry was chosen: select the General tab.
    void generalTabRequested();
    // A pass wrote some peña's hits: the summary and the peña detail follow.
    void storedHitsChanged();

private:
    struct Job;
    void runLists(int w, bool multipleOnly);
    void applyLists(const PendingLists& lists);
    void pollJob();
    void cancelJob();
    void barChanged(int value);
    void syncBlink();
    void applyButtonLooks();
    void keepButtonSizes();
    void reportStored(const StoredHits& stored);

    AppState& state_;
    Platform& platform_;
    PrizeBlink blink_;
    int view_ = 0;
    QString lastStoreFailure_; // told once while the same failure repeats
    bool quiet_ = false;
    QPushButton* buttons_[2] = {};
    ResultsView* views_[2] = {};
    ResultsModel* models_[2] = {};
    QScrollBar* bar_ = nullptr;
    QLabel* box_ = nullptr;
    QCheckBox* history_ = nullptr;
    QCheckBox* onlyPrize_ = nullptr;
    QTimer* timer_ = nullptr;
    std::unique_ptr<Job> job_;
    QTimer* jobTimer_ = nullptr;
    QProgressBar* progress_ = nullptr;
};
