#include "app/mainwindow.h"
#include "app/startup.h"
#include "platform/qtplatform.h"
#include "store/appstate.h"
#include "store/folder.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantiko"));
    QApplication::setOrganizationName(QStringLiteral("Vantiko"));
    installSpanish(app);

    QtPlatform platform;
    AppState state;
    MainWindow window(state, platform.platform);
    window.startUp(resolveDataFolder(QApplication::applicationDirPath()));
    window.show();
    window.activateWindow();
    return app.exec();
}
