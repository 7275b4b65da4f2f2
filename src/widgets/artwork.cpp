#include "widgets/artwork.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

void ticket(QPainter& p, int s, QColor colour) {
    p.setPen(QPen(QColor(60, 60, 60), 1.5));
    p.setBrush(colour);
    p.drawRoundedRect(QRectF(s * 0.12, s * 0.08, s * 0.62, s * 0.8), 3, 3);
    p.setPen(QPen(QColor(60, 60, 60), 1));
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            p.drawRect(QRectF(s * (0.2 + c * 0.16), s * (0.2 + r * 0.18), s * 0.1, s * 0.1));
}

void badge(QPainter& p, int s, QColor colour, bool plus) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QRectF(s * 0.5, s * 0.5, s * 0.46, s * 0.46));
    p.setPen(QPen(Qt::white, s * 0.08, Qt::SolidLine, Qt::RoundCap));
    const QPointF c(s * 0.73, s * 0.73);
    p.drawLine(c - QPointF(s * 0.13, 0), c + QPointF(s * 0.13, 0));
    if (plus) p.drawLine(c - QPointF(0, s * 0.13), c + QPointF(0, s * 0.13));
}

// A blue ball with a gold star: the draw's stars on the program's colours.
void emblem(QPainter& p, int s) {
    QRadialGradient ball(QPointF(s * 0.38, s * 0.34), s * 0.62);
    ball.setColorAt(0, QColor(90, 150, 255));
    ball.setColorAt(1, QColor(10, 40, 130));
    p.setPen(QPen(QColor(5, 25, 80), std::max(1.0, s / 40.0)));
    p.setBrush(ball);
    p.drawEllipse(QRectF(s * 0.04, s * 0.04, s * 0.92, s * 0.92));
    QPainterPath star;
    const QPointF c(s * 0.5, s * 0.53);
    for (int i = 0; i < 10; ++i) {
        const double r = (i % 2 == 0 ? 0.34 : 0.14) * s;
        const double a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const QPointF pt = c + QPointF(r * std::cos(a), r * std::sin(a));
        if (i == 0)
            star.moveTo(pt);
        else
            star.lineTo(pt);
    }
    star.closeSubpath();
    p.setPen(QPen(QColor(150, 100, 0), std::max(1.0, s / 64.0)));
    p.setBrush(QColor(255, 200, 40));
    p.drawPath(star);
}

} // namespace

QPixmap drawPicture(Picture picture, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const int s = size;
    switch (picture) {
    case Picture::NewPena:
        ticket(p, s, QColor(255, 250, 205));
        badge(p, s, QColor(0, 160, 0), true);
        break;
    case Picture::DeletePena:
        ticket(p, s, QColor(255, 250, 205));
        badge(p, s, QColor(200, 0, 0), false);
        break;
    case Picture::AddDraws:
        ticket(p, s, QColor(220, 235, 255));
        badge(p, s, QColor(0, 160, 0), true);
        break;
    case Picture::DeleteDraws:
        ticket(p, s, QColor(220, 235, 255));
        badge(p, s, QColor(200, 0, 0), false);
        break;
    case Picture::Print: {
        p.setPen(QPen(QColor(50, 50, 50), 1.5));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(s * 0.28, s * 0.08, s * 0.44, s * 0.36));
        p.setBrush(QColor(150, 150, 160));
        p.drawRoundedRect(QRectF(s * 0.1, s * 0.38, s * 0.8, s * 0.34), 3, 3);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(s * 0.28, s * 0.62, s * 0.44, s * 0.3));
        break;
    }
    case Picture::Mail: {
        p.setPen(QPen(QColor(50, 50, 50), 1.5));
        p.setBrush(QColor(255, 255, 240));
        const QRectF r(s * 0.08, s * 0.22, s * 0.84, s * 0.56);
        p.drawRect(r);
        QPainterPath flap;
        flap.moveTo(r.topLeft());
        flap.lineTo(r.center());
        flap.lineTo(r.topRight());
        p.setBrush(Qt::NoBrush);
        p.drawPath(flap);
        break;
    }
    case Picture::Program:
        emblem(p, s);
        break;
    }
    return pixmap;
}
