#pragma once

#include <QWidget>

class PenaForm;

// The playslip grid of the creation form: 50 numbers over 12 stars, a black X
// on every marked cell, the star cover in the number phase, the growing bar
// of the transition and the star prompt in the star phase. Drawn from the
// form's state; clicks are handed back as cell numbers.
class NumberGridWidget : public QWidget {
    Q_OBJECT
public:
    explicit NumberGridWidget(const PenaForm& form, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }
    // Cell 1..62 on the widget; 0 where no cell is.
    QRect cellRect(int cell) const;
    int cellAt(const QPoint& pos) const;

signals:
    void cellClicked(int cell);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QRect numbersArea() const;
    QRect barArea() const;
    QRect starsArea() const;

    const PenaForm& form_;
};
