#pragma once

#include <QLockFile>
#include <QString>

// One copy of the program per data folder: a lock file in the folder, taken
// at start-up before any data file is opened and held until the program ends.
// A lock left by a copy that crashed is taken over.
class FolderLock {
public:
    enum class Result {
        Taken,         // this copy may use the folder
        HeldByAnother, // another copy has it open
        NotPossible    // no lock can be made there (a folder without rights)
    };

    explicit FolderLock(const QString& folder);
    Result take();

private:
    QLockFile lock_;
};

inline const QString kLockFile = QStringLiteral("vantiko.lock");
// What the second copy tells the user before it ends.
QString folderInUseText(const QString& folder);
inline const QString kFolderInUseTitle = QStringLiteral("Vantiko ya está abierto");
