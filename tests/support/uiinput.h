#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTest>
#include <QWidget>
#include <algorithm>

// Near the left edge: check boxes and options answer on their box and text only.
inline void click(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(std::min(10, w->width() / 2), w->height() / 2));
}

// Key presses carrying any character, as a keyboard layout would deliver them.
inline void typeText(QWidget* w, const QString& text) {
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &release);
    }
}

// A caption as the user reads it, without the "&" before its Alt letter.
inline QString shownText(const QString& caption) {
    return QString(caption).remove(QLatin1Char('&'));
}

// Runs the event loop until `done()` holds or `ms` milliseconds pass; says
// whether it held. For what comes in the background (the report, the news).
template <class Done> bool waitFor(Done done, int ms = 10000) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > ms) return false;
        QTest::qWait(5);
    }
    return true;
}
