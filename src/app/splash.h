#pragma once

#include <QWidget>

class QPushButton;
class QTimer;

// "Presentación": the program's first window. Opens the main window after
// 9.5 seconds, or at once on "Entrar".
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(QWidget* parent = nullptr);

    // One tick of the 250 ms timer; tests call it directly.
    void tick();
    // What "Entrar" does: the timer stops and the main window is asked for, once.
    void enter();

    int ticks() const { return counter_; }
    QTimer* timer() const { return timer_; }
    QPushButton* enterButton() const { return enter_; }

signals:
    void entered();
    // Closed by the user before the main window was asked for.
    void dismissed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QTimer* timer_;
    QPushButton* enter_;
    int counter_ = 2;
    bool entered_ = false;
};
