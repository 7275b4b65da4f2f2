#include "app/aboutbox.h"

#include "app/osname.h"
#include "platform/shell.h"
#include "platform/sites.h"
#include "widgets/artwork.h"
#include "widgets/clickablelabel.h"

#include <QDir>
#include <QEvent>
#include <QGridLayout>
#include <QPushButton>

namespace {

ClickableLabel* link(const QString& text, QWidget* parent) {
    auto* label = new ClickableLabel(text, parent);
    label->setCursor(Qt::PointingHandCursor);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 192));
    label->setPalette(palette);
    QFont underlined = label->font();
    underlined.setUnderline(true);
    label->setFont(underlined);
    return label;
}

} // namespace

AboutBox::AboutBox(const OsIdentity& os, const QString& dataFolder, Shell& shell, QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setWindowTitle(QStringLiteral("Acerca de Vantiko ") + QStringLiteral(VANTIKO_VERSION));
    auto* layout = new QGridLayout(this);
    auto* picture = new QLabel(this);
    picture->setPixmap(drawPicture(Picture::Program, 64));
    layout->addWidget(picture, 0, 0, 4, 1, Qt::AlignTop);

    auto* name = new QLabel(QStringLiteral("Vantiko ") + QStringLiteral(VANTIKO_VERSION), this);
    QFont bold = name->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    name->setFont(bold);
    layout->addWidget(name, 0, 1);
    layout->addWidget(new QLabel(QStringLiteral("Comprueba tus Euromillones por internet."), this),
                      1, 1);
    os_ = new QLabel(osLabelText(os), this);
    layout->addWidget(os_, 2, 1);
    web_ = link(makerSite(), this);
    layout->addWidget(web_, 3, 1);
    mail_ = link(makerMail(), this);
    mail_->setToolTip(QStringLiteral("Aprieta y envíame un email"));
    layout->addWidget(mail_, 4, 1);
    folder_ = new QLabel(
        QStringLiteral("Carpeta de datos: ") + QDir::toNativeSeparators(dataFolder), this);
    folder_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    folder_->setWordWrap(true);
    layout->addWidget(folder_, 5, 1);
    auto* close = new QPushButton(QStringLiteral("&Aceptar"), this);
    layout->addWidget(close, 6, 1, Qt::AlignRight);

    connect(web_, &ClickableLabel::clicked, this, [&shell] { shell.openUrl(makerSite()); });
    connect(mail_, &ClickableLabel::clicked, this, [&shell] { shell.openUrl(makerMailLink()); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
}

void AboutBox::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) emit activated();
}
