#include "app/contactlink.h"

#include "app/artwork.h"
#include "app/clickablelabel.h"
#include "platform/shell.h"
#include "platform/sites.h"

#include <QHBoxLayout>

ContactLink::ContactLink(Shell& shell, QWidget* parent) : QWidget(parent) {
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
