#include "app/startup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

QLocale uiLocale() {
    const QLocale system = QLocale::system();
    return system.language() == QLocale::Spanish ? system
                                                 : QLocale(QLocale::Spanish, QLocale::Spain);
}

void installSpanish(QApplication& app) {
    const QLocale locale = uiLocale();
    QLocale::setDefault(locale);
    auto* translator = new QTranslator(&app);
    if (translator->load(locale, QStringLiteral("qt"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(translator);
}
