#include "store/folder.h"
#include "support/printers.h"
#include "support/tempfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(Folder, TheSeparatorIsAppendedOnce) {
    EXPECT_EQ(withTrailingSeparator(QStringLiteral("/")), QStringLiteral("/"));
    EXPECT_EQ(withTrailingSeparator(QStringLiteral("/opt/vantiko")),
              QStringLiteral("/opt/vantiko/"));
    EXPECT_EQ(withTrailingSeparator(QStringLiteral("/opt/vantiko/")),
              QStringLiteral("/opt/vantiko/"));
}

TEST(Folder, EnvironmentVariableChoosesTheDataFolder) {
    TempFolder dir;
    const QString wanted = dir.path() + QStringLiteral("datos");
    qputenv("VANTIKO_FOLDER", wanted.toLocal8Bit());
    EXPECT_EQ(resolveDataFolder(QStringLiteral("/nonexistent")), wanted + QLatin1Char('/'));
    EXPECT_TRUE(QFileInfo(wanted).isDir());
    qunsetenv("VANTIKO_FOLDER");
    EXPECT_EQ(resolveDataFolder(dir.path()), dir.path());
}

// Where the data files go: beside a program run from its build or a copied
// folder, in the per-user folder once installed, wherever VANTIKO_FOLDER says.
TEST(DataFolder, ProgramFolderUnlessInstalledOrOverridden) {
    QStandardPaths::setTestModeEnabled(true);
    const QByteArray saved = qgetenv("VANTIKO_FOLDER");
    qunsetenv("VANTIKO_FOLDER");
    QTemporaryDir prefix;
    ASSERT_TRUE(prefix.isValid());
    const QString bin = prefix.filePath(QStringLiteral("bin"));
    ASSERT_TRUE(QDir().mkpath(bin));
    const QString perUser =
        QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).absolutePath() +
        QLatin1Char('/');

    EXPECT_FALSE(isInstalledProgram(bin));
    EXPECT_EQ(resolveDataFolder(bin), bin + QLatin1Char('/'));

    ASSERT_TRUE(QDir().mkpath(prefix.filePath(QStringLiteral("share/applications"))));
    QFile entry(prefix.filePath(QStringLiteral("share/applications/vantiko.desktop")));
    ASSERT_TRUE(entry.open(QIODevice::WriteOnly));
    entry.close();
    EXPECT_TRUE(isInstalledProgram(bin));
    EXPECT_EQ(resolveDataFolder(bin), perUser);
    EXPECT_TRUE(QDir(perUser).exists());
    // A folder that is not a bin folder is not an installation.
    EXPECT_FALSE(isInstalledProgram(prefix.path()));

    const QString chosen = prefix.filePath(QStringLiteral("mis datos"));
    qputenv("VANTIKO_FOLDER", chosen.toUtf8());
    EXPECT_EQ(resolveDataFolder(bin), chosen + QLatin1Char('/'));
    EXPECT_TRUE(QDir(chosen).exists());

    if (saved.isNull())
        qunsetenv("VANTIKO_FOLDER");
    else
        qputenv("VANTIKO_FOLDER", saved);
    QStandardPaths::setTestModeEnabled(false);
}
