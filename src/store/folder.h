#pragma once

#include <QString>

// The data folder: $VANTIKO_FOLDER when set, else the program's folder when
// it is writable and not an installed one, else the per-user data folder. Created when missing;
// ends with a separator, like every file name appended to it.
QString resolveDataFolder(const QString& programFolder);
// Appends the separator unless the folder already ends in one (a root).
QString withTrailingSeparator(const QString& folder);
// Whether the program runs from an installation (`cmake --install`): a bin
// folder beside share/applications/vantiko.desktop.
bool isInstalledProgram(const QString& programFolder);
