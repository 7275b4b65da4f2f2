#include "app/program.h"
#include "app/startup.h"
#include "platform/qtplatform.h"
#include "store/folder.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantiko"));
    QApplication::setOrganizationName(QStringLiteral("Vantiko"));
    installSpanish(app);

    QtPlatform platform;
    Program program(platform.platform, resolveDataFolder(QApplication::applicationDirPath()));
    // The program ends when the main window closes (or the splash is closed
    // unanswered), not when the splash makes way for it.
    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(&program, &Program::dismissed, &app, &QApplication::quit);
    if (!program.start()) return 1;
    return app.exec();
}
