#pragma once

#include <QWidget>

class QAbstractItemModel;
class QScrollBar;
class QTableView;
class PageModel;

// A table over a model of any length, up to hundreds of millions of rows:
// it shows one page of rows at a time and its scroll bar counts rows, not
// pixels, so its length never overflows and it keeps nothing per row.
class ResultsView : public QWidget {
    Q_OBJECT
public:
    explicit ResultsView(QAbstractItemModel* model, QWidget* parent = nullptr);

    QTableView* table() const { return table_; }
    QScrollBar* scrollBar() const { return bar_; }
    QAbstractItemModel* model() const { return model_; }
    // The model row shown at the top, and the page shown from it.
    int firstRow() const;
    QAbstractItemModel* page() const;
    // Rows that fit whole in the table.
    int rowsInView() const;
    void scrollToRow(int row);
    void scrollToBottom();
    // Column widths in pixels, kept across every change of the model.
    void setColumnWidths(const QList<int>& widths);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void relayout();
    void applyWidths();

    QAbstractItemModel* model_;
    PageModel* page_;
    QTableView* table_;
    QScrollBar* bar_;
    QList<int> widths_;
};
