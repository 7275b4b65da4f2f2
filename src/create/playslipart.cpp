#include "create/playslipart.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

namespace playslipart {
namespace {

const QColor kPaper(252, 248, 238);
const QColor kCard(255, 253, 248);
const QColor kInk(206, 52, 40);
const QColor kStarInk(30, 80, 170);

constexpr double kCardLeft = 292;
constexpr double kCardTop = 14;
constexpr double kBlockTop = 50;
constexpr double kBlockWidth = 140;
constexpr double kBlockGap = 8;
constexpr double kCellW = 26;
constexpr double kCellH = 20;
constexpr double kStarTop = 282;
constexpr double kStarW = 34;
constexpr double kStarH = 24;

double blockLeft(int block) {
    return kCardLeft + 14 + block * (kBlockWidth + kBlockGap);
}

// Number v (1..50) of a block: five columns of ten.
QRectF numberCell(int block, int v) {
    const int col = (v - 1) / 10;
    const int row = (v - 1) % 10;
    return {blockLeft(block) + 8 + col * kCellW, kBlockTop + 22 + row * kCellH, kCellW - 4,
            kCellH - 4};
}

// Star k (1..12) of a block: three rows of four.
QRectF starCell(int block, int k) {
    const int col = (k - 1) % 4;
    const int row = (k - 1) / 4;
    return {blockLeft(block) + 2 + col * kStarW, kStarTop + 20 + row * kStarH, kStarW - 4,
            kStarH - 2};
}

} // namespace

void paintMenuBackground(QPainter& p) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRectF(0, 0, kMenuWidth, kMenuHeight), kPaper);

    // Faint diagonal guilloche over the whole paper.
    p.setPen(QPen(QColor(240, 226, 206), 1));
    for (int x = -kMenuHeight; x < kMenuWidth; x += 18)
        p.drawLine(QPointF(x, kMenuHeight), QPointF(x + kMenuHeight, 0));

    const QRectF card(kCardLeft, kCardTop, kMenuWidth - kCardLeft - 12, kMenuHeight - 28);
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(kCard);
    p.drawRoundedRect(card, 8, 8);

    QRectF band(card.left(), card.top(), card.width(), 30);
    QPainterPath bandPath;
    bandPath.setFillRule(Qt::WindingFill);
    bandPath.addRoundedRect(band, 8, 8);
    bandPath.addRect(band.adjusted(0, 15, 0, 0));
    p.fillPath(bandPath.simplified(), kInk);
    QFont title(QStringLiteral("Arial"), 11, QFont::Bold);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(band, Qt::AlignCenter, QStringLiteral("BOLETO  DE  APUESTAS"));

    QFont small(QStringLiteral("Arial"), 6);
    QFont label(QStringLiteral("Arial"), 7, QFont::Bold);
    for (int block = 0; block < 2; ++block) {
        const double left = blockLeft(block);
        p.setFont(label);
        p.setPen(kInk);
        p.drawText(QRectF(left, kBlockTop, kBlockWidth, 18), Qt::AlignCenter,
                   QStringLiteral("APUESTA %1").arg(block + 1));
        p.setPen(QPen(kInk, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(left, kBlockTop + 18, kBlockWidth, 10 * kCellH + 8));
        p.setFont(small);
        for (int v = 1; v <= 50; ++v) {
            const QRectF r = numberCell(block, v);
            p.setPen(QPen(kInk, 0.8));
            p.drawRect(r);
            p.drawText(r, Qt::AlignCenter, QString::number(v));
        }
        p.setFont(label);
        p.setPen(kStarInk);
        p.drawText(QRectF(left, kStarTop, kBlockWidth, 18), Qt::AlignCenter,
                   QStringLiteral("ESTRELLAS"));
        p.setFont(small);
        for (int k = 1; k <= 12; ++k) {
            const QRectF r = starCell(block, k);
            p.setPen(QPen(kStarInk, 0.8));
            p.setBrush(QColor(236, 242, 255));
            p.drawPolygon(starShape(r));
            p.drawText(r.adjusted(0, 2, 0, 0), Qt::AlignCenter, QString::number(k));
        }
    }
    p.restore();
}

QList<QRectF> menuMarkCells() {
    // A simple bet on each block, marked in the order a hand would mark it.
    static const int kFirst[] = {4, 17, 23, 38, 46};
    static const int kSecond[] = {9, 12, 30, 31, 42};
    QList<QRectF> cells;
    for (int v : kFirst)
        cells.append(numberCell(0, v));
    cells.append(starCell(0, 3));
    cells.append(starCell(0, 10));
    for (int v : kSecond)
        cells.append(numberCell(1, v));
    cells.append(starCell(1, 5));
    cells.append(starCell(1, 8));
    return cells;
}

} // namespace playslipart

QPolygonF playslipart::starShape(const QRectF& r, double innerRatio) {
    QPolygonF poly;
    const QPointF c = r.center();
    const double outer = std::min(r.width(), r.height()) / 2.0;
    const double inner = outer * innerRatio;
    for (int i = 0; i < 10; ++i) {
        const double a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const double rad = i % 2 == 0 ? outer : inner;
        poly << QPointF(c.x() + rad * std::cos(a), c.y() + rad * std::sin(a));
    }
    return poly;
}
