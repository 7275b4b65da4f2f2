#include "store/folder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString withTrailingSeparator(const QString& folder) {
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

bool isInstalledProgram(const QString& programFolder) {
    const QDir bin(programFolder);
    return bin.dirName() == QLatin1String("bin") &&
           QFileInfo::exists(bin.filePath(QStringLiteral("../share/applications/vantiko.desktop")));
}

QString resolveDataFolder(const QString& programFolder) {
    QString folder = qEnvironmentVariable("VANTIKO_FOLDER");
    if (folder.isEmpty()) {
        const QFileInfo info(programFolder);
        // An installed program shares its folder with others: never write there.
        folder = info.isDir() && info.isWritable() && !isInstalledProgram(programFolder)
                     ? programFolder
                     : QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    }
    QDir().mkpath(folder);
    return withTrailingSeparator(QDir(folder).absolutePath());
}
