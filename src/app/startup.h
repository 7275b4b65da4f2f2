#pragma once

#include <QLocale>

class QApplication;

// Spanish throughout: Qt's own translations (so standard buttons read "Sí"
// and "No"), and the user's locale when it is Spanish, else Spain's.
void installSpanish(QApplication& app);
QLocale uiLocale();
