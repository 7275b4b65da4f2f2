#pragma once

#include <QAbstractButton>
#include <QPixmap>

// The download picture button: image 1 at rest and over its middle, image 2
// while pressed, near its edges and after a finished transfer. Both images
// are drawn by the program.
class DownloadButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit DownloadButton(QWidget* parent = nullptr);

    int image() const { return image_; }
    void setImage(int image);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QPixmap images_[2];
    int image_ = 1;
};

// The two images, `size` in pixels.
QPixmap downloadImage(int image, QSize size);
