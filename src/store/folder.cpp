#include "store/folder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString withTrailingSeparator(const QString& folder) {
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

QString resolveDataFolder(const QString& programFolder) {
    QString folder = qEnvironmentVariable("VANTIKO_FOLDER");
    if (folder.isEmpty()) {
        const QFileInfo info(programFolder);
        folder = info.isDir() && info.isWritable()
                     ? programFolder
                     : QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    }
    QDir().mkpath(folder);
    return withTrailingSeparator(QDir(folder).absolutePath());
}
