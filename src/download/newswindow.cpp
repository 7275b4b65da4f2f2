#include "download/newswindow.h"

#include "download/filedownload.h"
#include "download/news.h"
#include "download/newspage.h"
#include "platform/shell.h"
#include "widgets/artwork.h"
#include "widgets/clickablelabel.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QScreen>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>

namespace {

constexpr int kTwipsPerPixel = 15;
constexpr QSize kWindowSize(520, 470);
constexpr int kContactTop = 410;

// Shows the page's safe subset and nothing it would load.
class NewsBrowser : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;
    QVariant loadResource(int, const QUrl&) override { return QVariant(); }
};

} // namespace

NewsWindow::NewsWindow(Shell& shell, const QString& mail, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), shell_(shell), mail_(mail) {
    setWindowTitle(kNewsTitle);
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFixedSize(kWindowSize);

    auto* picture = new QLabel(this);
    picture->setPixmap(drawPicture(Picture::Mail, 40));
    // Right of the contact label's path, which it never crosses.
    picture->setGeometry(kWindowSize.width() - 48, kContactTop - 6, 40, 40);

    browser_ = new NewsBrowser(this);
    browser_->setObjectName(QStringLiteral("newsPage"));
    browser_->setOpenLinks(false);
    browser_->setOpenExternalLinks(false);
    browser_->setGeometry(8, 8, kWindowSize.width() - 16, kContactTop - 24);

    contact_ = new ClickableLabel(mail_, this);
    contact_->setObjectName(QStringLiteral("newsContact"));
    QFont f = contact_->font();
    f.setBold(true);
    f.setUnderline(true);
    contact_->setFont(f);
    contact_->setStyleSheet(QStringLiteral("color: rgb(0, 0, 192);"));
    contact_->setCursor(Qt::PointingHandCursor);
    contact_->adjustSize();
    connect(contact_, &ClickableLabel::clicked, this, [this] {
        shell_.openUrl(QStringLiteral("mailto:") + mail_);
        close();
    });

    timer_ = new QTimer(this);
    timer_->setInterval(100);
    connect(timer_, &QTimer::timeout, this, &NewsWindow::tick);
    placeContact();
}

void NewsWindow::open(const QString& newsFile) {
    if (QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().topLeft());
    bounce_.step = 100;
    const QByteArray page = fileHead(newsFile);
    const bool hasPage = newsHasPage(page.size());
    browser_->setVisible(hasPage);
    if (hasPage)
        browser_->setHtml(newsHtml(newsBlocks(newsText(page))));
    else
        browser_->clear();
    show();
    raise();
    timer_->start();
}

void NewsWindow::tick() {
    bounce_.tick();
    placeContact();
}

void NewsWindow::placeContact() {
    contact_->move(bounce_.left / kTwipsPerPixel, kContactTop);
}

void NewsWindow::closeEvent(QCloseEvent* event) {
    timer_->stop();
    QWidget::closeEvent(event);
}
