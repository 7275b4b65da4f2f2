#include "download/downloadbutton.h"

#include "platform/twips.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace {

// The button is 1840 x 1320 twips; image 1 inside 240 < x < 1600, 240 < y < 1080.
const QSize kSize(twipsToPixels(1840), twipsToPixels(1320));

bool inMiddle(QPointF p) {
    const double x = p.x() * kTwipsPerPixel;
    const double y = p.y() * kTwipsPerPixel;
    return x > 240 && x < 1600 && y > 240 && y < 1080;
}

} // namespace

QPixmap downloadImage(int image, QSize size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(1.5, 1.5, -1.5, -1.5);
    const bool lit = image == 2;

    // The panel: blue at rest, warm when pressed or finished.
    QLinearGradient face(r.topLeft(), r.bottomLeft());
    face.setColorAt(0, lit ? QColor(255, 200, 90) : QColor(90, 150, 230));
    face.setColorAt(1, lit ? QColor(220, 110, 20) : QColor(20, 60, 150));
    p.setPen(QPen(lit ? QColor(120, 50, 0) : QColor(10, 30, 90), 2));
    p.setBrush(face);
    p.drawRoundedRect(r, 10, 10);

    // A globe with a down arrow over it.
    const double d = size.height() * 0.48;
    const QRectF globe(r.center().x() - d / 2, r.top() + size.height() * 0.08, d, d);
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.5));
    p.setBrush(QColor(255, 255, 255, 60));
    p.drawEllipse(globe);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(globe.adjusted(d * 0.28, 0, -d * 0.28, 0));
    p.drawLine(QPointF(globe.left(), globe.center().y()),
               QPointF(globe.right(), globe.center().y()));

    QPainterPath arrow;
    const double cx = globe.center().x();
    const double top = globe.top() + d * 0.12;
    const double w = d * 0.18;
    arrow.moveTo(cx - w, top);
    arrow.lineTo(cx + w, top);
    arrow.lineTo(cx + w, top + d * 0.45);
    arrow.lineTo(cx + w * 2.2, top + d * 0.45);
    arrow.lineTo(cx, globe.bottom() + d * 0.06);
    arrow.lineTo(cx - w * 2.2, top + d * 0.45);
    arrow.lineTo(cx - w, top + d * 0.45);
    arrow.closeSubpath();
    p.setPen(QPen(QColor(0, 70, 0), 1.5));
    p.setBrush(lit ? QColor(255, 255, 255) : QColor(60, 210, 60));
    p.drawPath(arrow);

    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(std::max(9, size.height() / 8));
    p.setFont(font);
    p.setPen(lit ? QColor(60, 20, 0) : Qt::white);
    const QRectF caption(r.left(), globe.bottom() + d * 0.1, r.width(),
                         r.bottom() - globe.bottom());
    p.drawText(caption, Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("BAJAR SORTEOS"));
    return pixmap;
}

DownloadButton::DownloadButton(QWidget* parent) : QAbstractButton(parent) {
    setObjectName(QStringLiteral("downloadButton"));
    setFixedSize(kSize);
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
    setToolTip(QStringLiteral("Bajar Sorteos nuevos"));
    images_[0] = downloadImage(1, kSize);
    images_[1] = downloadImage(2, kSize);
}

void DownloadButton::setImage(int image) {
    const int wanted = image == 2 ? 2 : 1;
    if (wanted == image_) return;
    image_ = wanted;
    update();
}

QSize DownloadButton::sizeHint() const {
    return kSize;
}

void DownloadButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawPixmap(0, 0, images_[image_ - 1]);
    if (hasFocus()) {
        p.setPen(QPen(palette().highlight().color(), 1, Qt::DotLine));
        p.drawRoundedRect(rect().adjusted(3, 3, -4, -4), 8, 8);
    }
}

void DownloadButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) setImage(2);
    QAbstractButton::mousePressEvent(event);
}

void DownloadButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) setImage(1);
    QAbstractButton::mouseReleaseEvent(event);
}

void DownloadButton::mouseMoveEvent(QMouseEvent* event) {
    setImage(inMiddle(event->position()) ? 1 : 2);
    QAbstractButton::mouseMoveEvent(event);
}
