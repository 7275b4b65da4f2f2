#include "create/numbergridwidget.h"

#include "create/playslipart.h"

#include "create/penaform.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace {

constexpr int kMargin = 10;
constexpr int kHeader = 22;
constexpr int kCellW = 40;
constexpr int kCellH = 27;
constexpr int kBarH = 26;
constexpr int kStarW = 52;
constexpr int kStarH = 34;

const QColor kPaper(255, 251, 242);
const QColor kInk(206, 52, 40);
const QColor kStarInk(30, 80, 170);

} // namespace

NumberGridWidget::NumberGridWidget(const PenaForm& form, QWidget* parent)
    : QWidget(parent), form_(form) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setCursor(Qt::PointingHandCursor);
}

QSize NumberGridWidget::sizeHint() const {
    return {2 * kMargin + 6 * kCellW,
            kMargin + kHeader + 9 * kCellH + kBarH + kHeader + 4 * kStarH + kMargin};
}

QRect NumberGridWidget::numbersArea() const {
    return {kMargin, kMargin + kHeader, 6 * kCellW, 9 * kCellH};
}

QRect NumberGridWidget::barArea() const {
    const QRect n = numbersArea();
    return {n.left(), n.bottom() + 1, n.width(), kBarH};
}

QRect NumberGridWidget::starsArea() const {
    const QRect bar = barArea();
    const int width = 3 * kStarW;
    return {bar.left() + (bar.width() - width) / 2, bar.bottom() + 1 + kHeader, width, 4 * kStarH};
}

QRect NumberGridWidget::cellRect(int cell) const {
    if (NumberGrid::isNumberCell(cell)) {
        const auto slot = NumberGrid::slotOf(cell);
        const QRect a = numbersArea();
        return {a.left() + slot.column * kCellW, a.top() + slot.row * kCellH, kCellW, kCellH};
    }
    if (NumberGrid::isStarCell(cell)) {
        const auto slot = NumberGrid::slotOf(cell);
        const QRect a = starsArea();
        return {a.left() + slot.column * kStarW, a.top() + slot.row * kStarH, kStarW, kStarH};
    }
    return {};
}

int NumberGridWidget::cellAt(const QPoint& pos) const {
    for (int cell = 1; cell <= NumberGrid::kCells; ++cell)
        if (cellRect(cell).contains(pos)) return cell;
    return 0;
}

void NumberGridWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    if (const int cell = cellAt(event->position().toPoint())) emit cellClicked(cell);
}

void NumberGridWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), kPaper);
    p.setPen(QPen(kInk, 1.5));
    p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 6, 6);

    QFont header(QStringLiteral("Arial"), 8, QFont::Bold);
    QFont number(QStringLiteral("Arial"), 8);
    p.setFont(header);
    p.setPen(kInk);
    p.drawText(QRect(kMargin, kMargin, numbersArea().width(), kHeader), Qt::AlignCenter,
               QStringLiteral("NÚMEROS"));
    p.setPen(kStarInk);
    p.drawText(QRect(kMargin, barArea().bottom() + 1, barArea().width(), kHeader), Qt::AlignCenter,
               QStringLiteral("ESTRELLAS"));

    const NumberGrid& grid = form_.grid();
    p.setFont(number);
    for (int cell = 1; cell <= NumberGrid::kNumbers; ++cell) {
        const QRectF r = QRectF(cellRect(cell)).adjusted(4, 3, -4, -3);
        p.setPen(QPen(kInk, 1));
        p.setBrush(Qt::white);
        p.drawRect(r);
        p.drawText(r, Qt::AlignCenter, QString::number(cell));
    }
    for (int star = 1; star <= NumberGrid::kStars; ++star) {
        const QRectF r = QRectF(cellRect(NumberGrid::starCell(star))).adjusted(4, 2, -4, -2);
        p.setPen(QPen(kStarInk, 1));
        p.setBrush(QColor(236, 242, 255));
        p.drawPolygon(playslipart::starShape(r, 0.48));
        p.drawText(r.adjusted(0, 3, 0, 0), Qt::AlignCenter, QString::number(star));
    }

    // The mark: a black X across the cell.
    p.setPen(QPen(Qt::black, 3, Qt::SolidLine, Qt::RoundCap));
    for (int cell = 1; cell <= NumberGrid::kCells; ++cell) {
        if (!grid.isMarked(cell)) continue;
        const QRectF r = QRectF(cellRect(cell)).adjusted(9, 5, -9, -5);
        p.drawLine(r.topLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomLeft());
    }

    if (grid.phase() != NumberGrid::Phase::Stars) {
        // The stars are not available yet.
        const QRect cover = starsArea().adjusted(-6, -kHeader, 6, 4);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(150, 150, 150, 190));
        p.drawRoundedRect(cover, 4, 4);
    }
    switch (grid.phase()) {
    case NumberGrid::Phase::Numbers:
        break;
    case NumberGrid::Phase::Transition: {
        const QRectF bar = QRectF(barArea()).adjusted(0, 8, 0, -8);
        p.setPen(QPen(QColor(0, 120, 0), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(bar);
        QRectF done = bar;
        done.setWidth(bar.width() * grid.transitionStep() / NumberGrid::kTransitionSteps);
        p.fillRect(done, QColor(0, 192, 0));
        break;
    }
    case NumberGrid::Phase::Stars: {
        const QRect a = numbersArea();
        const QRect band(a.left() + 10, a.center().y() - 22, a.width() - 20, 44);
        p.setPen(QPen(kStarInk, 2));
        p.setBrush(QColor(255, 255, 210, 235));
        p.drawRoundedRect(band, 6, 6);
        QFont prompt(QStringLiteral("Arial"), 13, QFont::Bold);
        p.setFont(prompt);
        p.setPen(kStarInk);
        p.drawText(band, Qt::AlignCenter, form_.starPrompt());
        break;
    }
    }
}
