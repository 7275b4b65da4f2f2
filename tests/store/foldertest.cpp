#include "store/folder.h"
#include "support/tempfolder.h"

#include <QFileInfo>
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
