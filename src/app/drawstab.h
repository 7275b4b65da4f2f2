#pragma once

#include "app/drawlist.h"
#include "platform/platform.h"
#include "store/drawstore.h"
#include "store/records.h"

#include <QAbstractTableModel>
#include <QFont>
#include <QList>
#include <QWidget>

struct AppState;
class ClickableLabel;
class FrequencyChart;
class QLabel;
class QPushButton;
class QSplitter;
class QTreeView;

// The draw list over the stored records, newest first: one DrawRecord per row
// and the texts made in data(), so no per-row items exist.
class DrawListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit DrawListModel(QObject* parent = nullptr);

    void setDraws(QList<DrawRecord> newestFirst);
    void removeDraw(int row); // from 1
    const DrawRecord& draw(int row) const { return draws_[row - 1]; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    const QFont& font() const { return plain_; }

private:
    QList<DrawRecord> draws_;
    QFont plain_;
    QFont bold_;
};

// The "Estadísticas" tab: every stored draw with its total, the buttons that
// import or delete draws with their pictures, and the frequency chart.
class DrawsTab : public QWidget {
    Q_OBJECT
public:
    DrawsTab(AppState& state, Platform& platform, QWidget* parent = nullptr);

    // RefreshDrawList: rebuilds the list and the counts; a damaged numeros.dat
    // is set aside and emptied here.
    void refreshDrawList();
    // Run before any pass counts the draws: a damaged file is set aside first
    // (its discarding refreshes every view itself).
    DrawFileGuard::Check checkDrawFile();
    void importDraws();                 // "Añadir todos los sorteos" and its picture
    void deleteAllDraws();              // "Borrar todos los sorteos", its picture, the menu entry
    void deleteDraw(int row);           // a click on row `row` (from 1) of the list
    void setHalfSelector(int position); // as the user would move it

    QTreeView* drawList() const { return list_; }
    DrawListModel* model() const { return model_; }
    QLabel* totalLabel() const { return total_; }
    QPushButton* importButton() const { return import_; }
    QPushButton* deleteAllButton() const { return deleteAll_; }
    ClickableLabel* importPicture() const { return importPicture_; }
    ClickableLabel* deleteAllPicture() const { return deleteAllPicture_; }
    FrequencyChart* chart() const { return chart_; }

protected:
    void showEvent(QShowEvent* event) override;

signals:
    void statusRefreshNeeded();  // RefreshStatus
    void resultsRefreshNeeded(); // RefreshResults (which runs refreshDrawList again)

private:
    AppState& state_;
    DrawStore store_;
    DrawFileGuard guard_{store_};
    DrawListModel* model_;
    QTreeView* list_;
    QLabel* total_;
    QPushButton* import_;
    QPushButton* deleteAll_;
    ClickableLabel* importPicture_;
    ClickableLabel* deleteAllPicture_;
    FrequencyChart* chart_;
    QSplitter* split_;
    int listWidth_ = 0; // the list's width with every column in view
    bool placed_ = false;
};
