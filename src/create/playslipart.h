#pragma once

#include <QList>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>

class QPainter;

// The program's own drawing of a playslip, behind the "Menú creación" window.
namespace playslipart {

constexpr int kMenuWidth = 620;
constexpr int kMenuHeight = 400;

// The playslip card with its two bet blocks.
void paintMenuBackground(QPainter& painter);
// The cells of the pictured playslip that the fourteen "x" marks fall on.
QList<QRectF> menuMarkCells();
// A five-pointed star filling the rectangle, as printed on the star cells.
QPolygonF starShape(const QRectF& r, double innerRatio = 0.45);

} // namespace playslipart
