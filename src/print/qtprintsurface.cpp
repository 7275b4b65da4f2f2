#include "print/qtprintsurface.h"

#include <QFontMetricsF>
#include <QPrinter>

namespace {

constexpr double kMmPerInch = 25.4;
constexpr double kLineMm = 0.25;

QStringList familiesFor(const QString& family) {
    if (family.compare(QStringLiteral("Arial"), Qt::CaseInsensitive) == 0)
        return {family, QStringLiteral("Liberation Sans")};
    if (family.compare(QStringLiteral("Courier New"), Qt::CaseInsensitive) == 0)
        return {family, QStringLiteral("Liberation Mono")};
    return {family};
}

} // namespace

QtPrintSurface::QtPrintSurface(std::unique_ptr<QPrinter> printer) : printer_(std::move(printer)) {
    // Marks are measured from the printable area's corner, so no margin of
    // Qt's own may sit inside it (its default is 10 points); a real printer
    // keeps the borders it cannot print on, which Qt takes as the minimum.
    printer_->setFullPage(false);
    printer_->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

QtPrintSurface::~QtPrintSurface() {
    // A job left unfinished is thrown away, not half printed.
    if (painter_.isActive()) {
        printer_->abort();
        painter_.end();
    }
}

QFont QtPrintSurface::resolveFont(const QString& family, double points, bool bold) {
    QFont font;
    font.setFamilies(familiesFor(family));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

bool QtPrintSurface::begin() {
    if (!painter_.begin(printer_.get())) return false;
    dotsPerMm_ = printer_->resolution() / kMmPerInch;
    painter_.setRenderHint(QPainter::Antialiasing, false);
    return true;
}

void QtPrintSurface::setFont(const QString& family, double points, bool bold) {
    if (!painter_.isActive()) return;
    painter_.setFont(resolveFont(family, points, bold));
}

void QtPrintSurface::text(MmPoint at, const QString& text) {
    if (!painter_.isActive()) return;
    // The point is the top-left corner of the character cell, Qt draws from
    // the baseline.
    const QFontMetricsF metrics(painter_.font(), painter_.device());
    painter_.setPen(Qt::black);
    painter_.drawText(QPointF(device(at.x), device(at.y) + metrics.ascent()), text);
}

QRectF QtPrintSurface::deviceRect(const MmRect& r) const {
    return {device(r.x), device(r.y), device(r.width), device(r.height)};
}

void QtPrintSurface::outline(const MmRect& rect) {
    if (!painter_.isActive()) return;
    QPen pen(Qt::black);
    pen.setWidthF(device(kLineMm));
    pen.setJoinStyle(Qt::MiterJoin);
    painter_.setPen(pen);
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(deviceRect(rect));
}

void QtPrintSurface::fill(const MmRect& rect) {
    if (!painter_.isActive()) return;
    painter_.fillRect(deviceRect(rect), Qt::black);
}

bool QtPrintSurface::newPage() {
    return painter_.isActive() && printer_->newPage();
}

bool QtPrintSurface::end() {
    if (!painter_.isActive()) return false;
    const bool ended = painter_.end();
    return ended && printer_->printerState() != QPrinter::Error &&
           printer_->printerState() != QPrinter::Aborted;
}
