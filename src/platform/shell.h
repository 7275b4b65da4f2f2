#pragma once

#include <QString>

// Web addresses and mail links, opened with the desktop's default program.
class Shell {
public:
    virtual ~Shell() = default;
    virtual void openUrl(const QString& url) = 0;
};

// Choosing a file to open or to save to; an empty result means the user
// chose nothing.
class FileChooser {
public:
    virtual ~FileChooser() = default;
    virtual QString chooseOpenFile(const QString& title, const QString& folder,
                                   const QString& filter) = 0;
    // `suggested` is the path offered; a name typed without an ending gets
    // the one of the filter chosen.
    virtual QString chooseSaveFile(const QString& title, const QString& suggested,
                                   const QString& filter) = 0;
};
