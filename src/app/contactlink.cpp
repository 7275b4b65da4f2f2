#include "app/contactlink.h"

#include "platform/shell.h"
#include "platform/sites.h"
#include "widgets/artwork.h"
#include "widgets/clickablelabel.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

ContactLink::ContactLink(Shell& shell, QWidget* parent) : QWidget(parent), shell_(shell) {
    setFocusPolicy(Qt::TabFocus);
    const QString tip = QStringLiteral("Aprieta y envíame un email");
    picture_ = new ClickableLabel(this);
    picture_->setPixmap(drawPicture(Picture::Mail, 24));
    label_ = new ClickableLabel(makerMail(), this);
    QFont underlined = label_->font();
    underlined.setUnderline(true);
    label_->setFont(underlined);
    for (ClickableLabel* l : {picture_, label_}) {
        l->setToolTip(tip);
        l->setCursor(Qt::PointingHandCursor);
        connect(l, &ClickableLabel::clicked, this, [&shell] { shell.openUrl(makerMailLink()); });
    }
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(picture_);
    layout->addWidget(label_, 1);
}

void ContactLink::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
        shell_.openUrl(makerMailLink());
        return;
    }
    QWidget::keyPressEvent(event);
}

void ContactLink::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (!hasFocus()) return;
    QStylePainter painter(this);
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = label_->geometry().adjusted(-2, 0, 2, 0) & rect();
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
}
