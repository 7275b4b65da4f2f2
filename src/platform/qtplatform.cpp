#include "platform/qtplatform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

namespace {

QMessageBox::Icon boxIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void QtPrompter::message(const QString& text, const QString& title, MessageIcon icon) {
    QMessageBox box(boxIcon(icon), title, text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

bool QtPrompter::ask(const QString& text, const QString& title, MessageIcon icon) {
    QMessageBox box(boxIcon(icon), title, text, QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    return box.exec() == QMessageBox::Yes;
}

void QtShell::openUrl(const QString& url) {
    QDesktopServices::openUrl(QUrl(url));
}

QString QtFileChooser::chooseOpenFile(const QString& title, const QString& folder,
                                      const QString& filter) {
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), title, folder, filter);
}
