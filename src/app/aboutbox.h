#pragma once

#include <QWidget>

class ClickableLabel;
class QLabel;
class Shell;
struct OsIdentity;

// "Acerca de Vantiko": version, operating system, the maker's web site and
// mailbox (each opens on a click) and where the data files are kept.
// Non-modal; the main window closes it when it is activated again.
class AboutBox : public QWidget {
    Q_OBJECT
public:
    AboutBox(const OsIdentity& os, const QString& dataFolder, Shell& shell,
             QWidget* parent = nullptr);

    QLabel* osLabel() const { return os_; }
    ClickableLabel* webLabel() const { return web_; }
    ClickableLabel* mailLabel() const { return mail_; }
    QLabel* folderLabel() const { return folder_; }

signals:
    void activated();

protected:
    void changeEvent(QEvent* event) override;

private:
    QLabel* os_;
    ClickableLabel* web_;
    ClickableLabel* mail_;
    QLabel* folder_;
};
