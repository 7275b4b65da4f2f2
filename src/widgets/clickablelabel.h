#pragma once

#include <QLabel>

// A label or picture that acts on a click.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};
