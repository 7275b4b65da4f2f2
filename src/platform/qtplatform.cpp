#include "platform/qtplatform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>
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

QString QtFileChooser::chooseSaveFile(const QString& title, const QString& suggested,
                                      const QString& filter) {
    QString chosenFilter;
    QString path = QFileDialog::getSaveFileName(QApplication::activeWindow(), title, suggested,
                                                filter, &chosenFilter);
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty()) return path;
    // "Informe PDF (*.pdf)": the ending of the chosen kind.
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("\\*(\\.[A-Za-z0-9]+)")).match(chosenFilter);
    return m.hasMatch() ? path + m.captured(1) : path;
}
