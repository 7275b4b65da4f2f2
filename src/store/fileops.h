#pragma once

#include "store/storeerror.h"

#include <QIODevice>
#include <QString>

class QFile;

// Whole-file operations of the program folder. Tests derive from it to make
// a step fail as a read-only folder would (root ignores permission bits).
class FileOps {
public:
    virtual ~FileOps() = default;
    // Renames source over target in one step; throws StoreError (Access).
    virtual void replace(const QString& source, const QString& target);
    // Deletes a file; a missing file is not an error. Throws StoreError (Access).
    virtual void remove(const QString& path);
    // Copies a file, replacing target through a work copy and a rename.
    virtual void copy(const QString& source, const QString& target);
};

// Why `file` could not be opened in `mode`. QFile reports a refused open as a
// plain open error, so the platform is asked whether access was denied
// (Access: the file or its folder may not be written or read) or not (Io).
StoreError::Kind openFailureKind(const QFile& file, QIODevice::OpenMode mode);
