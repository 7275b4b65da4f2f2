#pragma once

#include "download/news.h"

#include <QWidget>

class ClickableLabel;
class QTextBrowser;
class QTimer;
class Shell;

// "Noticias del jefe...": the maker's news page above every other window,
// with the contact address bouncing sideways; a click on it starts a mail
// to the maker and closes the window. The page is shown as its safe subset
// (newspage.h): no scripts, nothing loaded, links as plain text.
class NewsWindow : public QWidget {
    Q_OBJECT
public:
    NewsWindow(Shell& shell, const QString& mail, QWidget* parent = nullptr);

    // Shows `newsFile` (not modal) at the top-left corner of the screen.
    void open(const QString& newsFile);
    // What the 100 ms timer runs; tests call it directly.
    void tick();

    QTextBrowser* browser() const { return browser_; }
    ClickableLabel* contactLabel() const { return contact_; }
    QTimer* timer() const { return timer_; }
    const NewsBounce& bounce() const { return bounce_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void placeContact();

    Shell& shell_;
    QString mail_;
    QTextBrowser* browser_;
    ClickableLabel* contact_;
    QTimer* timer_;
    NewsBounce bounce_;
};
