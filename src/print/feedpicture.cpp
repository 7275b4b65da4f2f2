#include "print/feedpicture.h"

#include <QPainter>
#include <QPainterPath>

namespace {

void arrow(QPainter& p, QPointF from, QPointF to) {
    p.drawLine(from, to);
    const QPointF d = to - from;
    const double length = std::hypot(d.x(), d.y());
    if (length <= 0) return;
    const QPointF u = d / length;
    const QPointF n(-u.y(), u.x());
    QPainterPath head;
    head.moveTo(to);
    head.lineTo(to - u * 8 + n * 4);
    head.lineTo(to - u * 8 - n * 4);
    head.closeSubpath();
    p.fillPath(head, p.pen().color());
}

} // namespace

QPixmap drawFeedPicture() {
    QPixmap pixmap(220, 170);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    // The printer, seen from above, with its paper slot at the top.
    p.setPen(QPen(QColor(70, 70, 70), 2));
    p.setBrush(QColor(210, 210, 215));
    p.drawRoundedRect(QRectF(20, 95, 180, 60), 8, 8);
    p.setBrush(QColor(60, 60, 60));
    p.drawRect(QRectF(45, 95, 130, 6));

    // The playslip going in with its short side first, the grid to the left.
    p.setPen(QPen(QColor(200, 40, 40), 1.5));
    p.setBrush(QColor(255, 245, 200));
    const QRectF slip(60, 10, 100, 88);
    p.drawRect(slip);
    p.setPen(QPen(QColor(200, 40, 40), 1));
    for (int b = 0; b < 6; ++b)
        for (int r = 0; r < 5; ++r)
            p.drawRect(QRectF(slip.left() + 8 + b * 15, slip.top() + 26 + r * 9, 9, 6));
    p.setBrush(QColor(200, 40, 40));
    p.drawEllipse(QPointF(slip.left() + 12.5, slip.top() + 29), 2.5, 2.5);

    // X across from the printable edge, Y down from it, to box number 1.
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(13);
    p.setFont(font);
    p.setPen(QPen(QColor(20, 60, 160), 1.5));
    arrow(p, QPointF(slip.left(), slip.top() + 16), QPointF(slip.left() + 12, slip.top() + 16));
    p.drawText(QPointF(slip.left() - 16, slip.top() + 20), QStringLiteral("X"));
    arrow(p, QPointF(slip.left() + 26, slip.top()), QPointF(slip.left() + 26, slip.top() + 26));
    p.drawText(QPointF(slip.left() + 30, slip.top() + 16), QStringLiteral("Y"));

    // Which way the sheet travels.
    p.setPen(QPen(QColor(70, 70, 70), 2));
    arrow(p, QPointF(185, 20), QPointF(185, 80));
    return pixmap;
}
