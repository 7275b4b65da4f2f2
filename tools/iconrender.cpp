// Renders the program's emblem to the PNG icons a desktop installation needs:
// FOLDER/hicolor/NxN/apps/vantiko.png for each size.
#include "widgets/artwork.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: vantiko-icons FOLDER\n");
        return 2;
    }
    const QString top = QString::fromLocal8Bit(argv[1]);
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("%1/hicolor/%2x%2/apps").arg(top).arg(size);
        if (!QDir().mkpath(folder) ||
            !drawPicture(Picture::Program, size).save(folder + QStringLiteral("/vantiko.png"))) {
            std::fprintf(stderr, "vantiko-icons: cannot write %s\n", qPrintable(folder));
            return 1;
        }
    }
    return 0;
}
