#pragma once

#include "platform/platform.h"
#include "platform/systeminfo.h"

#include <QLocale>
#include <QMainWindow>
#include <QPointer>
#include <memory>

struct AppState;
class AboutBox;
class QAction;
class ContactLink;
class QMenu;
class QScrollArea;
class QTabWidget;
class QtHttpClient;
class HttpBackgroundFetch;
class HistoryRun;
class TransferPanel;
class DrawsTab;
class CreationFlow;
class NewsWindow;
class PenaManagerTab;
class PrintFlow;
class ReportTab;
class ResultsPanel;
class StatusPanel;
class SummaryFrame;

// The program: opens the data files, keeps the shared state in view and
// wires the tabs to the core.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(AppState& state, Platform& platform, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Runs once, over the data folder (with or without its trailing separator).
    void startUp(const QString& folder);
    void refreshStatus();
    void refreshSummary();
    void refreshResults();
    void showPenaDetail(int record);
    void deletePena();
    // What becoming the active window does; also called by tests.
    void activated();
    // After a peña is created or deleted the lists cover one draw again.
    void bringResultsBackToOne();
    void selectTab(int index);
    // "Bajar todos los sorteos": starts the run, or cancels the one running.
    void toggleHistory();
    HistoryRun& historyRun() { return *history_; }
    // "Acerca de...": the about box, raised when already open.
    void showAbout();
    // The splash window, closed by start-up once the main window is placed.
    void setSplash(QWidget* splash) { splash_ = splash; }
    // Tests name the operating system; the running one by default.
    void setSystemInfo(SystemInfo* info) { system_ = info ? info : &systemInfo_; }

    QTabWidget* tabs() const { return tabs_; }
    StatusPanel* statusPanel() const { return status_; }
    SummaryFrame* summaryFrame() const { return summary_; }
    PenaManagerTab* penaManager() const { return penas_; }
    CreationFlow* creationFlow() const { return creation_; }
    PrintFlow* printFlow() const { return print_; }
    DrawsTab* drawsTab() const { return draws_; }
    ResultsPanel* resultsPanel() const { return results_; }
    QMenu* generalMenu() const { return generalMenu_; }
    // The client of every fetch; tests shorten its deadlines before startUp.
    QtHttpClient& httpClient() { return *http_; }
    // The start-up's news step has not ended yet.
    bool newsFetching() const { return newsFetching_; }
    TransferPanel* transferPanel() const { return transfer_; }
    ReportTab* reportTab() const { return report_; }
    // Null until the news window was first opened.
    NewsWindow* newsWindow() const { return news_; }
    int activationCount() const { return activations_; }
    AboutBox* aboutBox() const; // nullptr when closed
    ContactLink* contactLink() const { return contact_; }

public slots:
    // The news window ("Ver mensaje", "Leer mensaje del Jefe").
    void showNews();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void onTabChanged(int index);
    void onPenaRowClicked(int row);
    void closeSecondaryWindows();
    void storedHitsChanged();
    void historyChanged();

    AppState& state_;
    Platform& platform_;
    QLocale locale_;
    QTabWidget* tabs_;
    StatusPanel* status_;
    SummaryFrame* summary_;
    PenaManagerTab* penas_;
    CreationFlow* creation_ = nullptr;
    PrintFlow* print_ = nullptr;
    DrawsTab* draws_ = nullptr;
    ResultsPanel* results_ = nullptr;
    QMenu* generalMenu_ = nullptr;
    std::unique_ptr<QtHttpClient> http_;
    std::unique_ptr<HttpBackgroundFetch> fetch_;
    std::unique_ptr<HistoryRun> history_;
    QAction* historyAction_ = nullptr;
    bool newsFetching_ = false;
    TransferPanel* transfer_ = nullptr;
    ContactLink* contact_ = nullptr;
    QPointer<AboutBox> about_;
    // Until the about box is active, an activation of the main window is the
    // menu closing, not the user coming back.
    bool aboutHandingOver_ = false;
    QtSystemInfo systemInfo_;
    SystemInfo* system_ = &systemInfo_;
    QPointer<QWidget> splash_;
    ReportTab* report_ = nullptr;
    NewsWindow* news_ = nullptr;
    int activations_ = 0;
    int currentTab_ = 0;
    QList<QScrollArea*> scrollAreas_; // the tab pages' and the side column's
};
