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

FeedPictureLayout feedPictureLayout() {
    FeedPictureLayout l;
    l.slip = QRectF(60, 10, 100, 88);
    l.firstBox = QRectF(l.slip.left() + 16, l.slip.top() + 30, 9, 6);
    const QPointF centre = l.firstBox.center();
    l.xArrow = QLineF(QPointF(l.slip.left(), centre.y()), centre);
    l.yArrow = QLineF(QPointF(centre.x(), l.slip.top()), centre);
    return l;
}

QPixmap drawFeedPicture() {
    const FeedPictureLayout l = feedPictureLayout();
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
    p.drawRect(l.slip);
    p.setPen(QPen(QColor(200, 40, 40), 1));
    for (int b = 0; b < 5; ++b)
        for (int r = 0; r < 5; ++r)
            p.drawRect(l.firstBox.translated(b * 15, r * 10));
    p.setBrush(QColor(200, 40, 40));
    p.drawEllipse(l.firstBox.center(), 2, 2);

    // X across from the printable edge, Y down from it, to the centre of box Nº 1.
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(13);
    p.setFont(font);
    p.setPen(QPen(QColor(20, 60, 160), 1.5));
    arrow(p, l.xArrow.p1(), l.xArrow.p2());
    p.drawText(QPointF(l.slip.left() - 16, l.xArrow.y1() + 5), QStringLiteral("X"));
    arrow(p, l.yArrow.p1(), l.yArrow.p2());
    p.drawText(QPointF(l.yArrow.x1() + 4, l.slip.top() + 14), QStringLiteral("Y"));

    // Which way the sheet travels.
    p.setPen(QPen(QColor(70, 70, 70), 2));
    arrow(p, QPointF(185, 20), QPointF(185, 80));
    return pixmap;
}
