#pragma once

#include "store/storeerror.h"

#include <QByteArray>
#include <QIODevice>
#include <QList>
#include <QString>
#include <functional>

class QFile;
class QFileDevice;

// Every step that reads for a copy, writes, flushes, syncs, renames or deletes
// a file of the program folder goes through here, so a test can make any one
// of them fail as a full disk or a folder without rights would.
class FileOps {
public:
    virtual ~FileOps() = default;

    // The single steps. write returns the bytes written (fewer on a failure).
    virtual qint64 read(QFileDevice& file, char* data, qint64 size);
    virtual qint64 write(QFileDevice& file, const char* data, qint64 size);
    virtual bool flush(QFileDevice& file);
    virtual bool sync(QFileDevice& file);
    // Renames source over target in one step, then makes the rename last
    // (syncFolder). A target that is a symbolic link keeps the link: the file
    // it names is replaced. Anything but a regular file in the target's place
    // is refused. Throws StoreError (Access or Io).
    virtual void replace(const QString& source, const QString& target);
    // Forces a folder's entries out to the disk, so that a power cut cannot
    // undo a rename reported done. A failure cannot be undone any more and is
    // not reported.
    virtual void syncFolder(const QString& folder);
    // Deletes a file; a missing file is not an error. Throws StoreError.
    virtual void remove(const QString& path);

    // Built on the steps above. Each leaves the target as it was when any step
    // fails: the work copy is removed and StoreError is thrown.
    //
    // A work file is always removed and created anew, exclusively: whatever
    // was left in its place (a file, a link to one elsewhere) is never
    // written through.
    //
    // Writes records 1, 2, 3 ... to a new work file, flushed and synced.
    void writeWorkFile(const QString& path, const QList<QByteArray>& records);
    // Copies source into a new work file, flushed and synced; stops at the
    // first read or write error.
    void copyToWorkFile(const QString& source, const QString& work);
    // Replaces target by records written to a work file named as `work`,
    // synced, then renamed over it; `beforeRename` runs in between (to close a
    // handle on target). The work file lies beside the file target names
    // (through its links), so the rename is one step. On a failure target is
    // as it was and the work file is gone.
    void replaceWith(const QString& work, const QString& target, const QList<QByteArray>& records,
                     const std::function<void()>& beforeRename = {});
    // Copies source over target through a synced work copy and a rename.
    void copy(const QString& source, const QString& target);

private:
    // Opens `file`, or throws StoreError (Access or Io) naming it.
    static void open(QFile& file, QIODevice::OpenMode mode);
    // Removes whatever is at path and creates an empty file there, exclusively.
    void createWorkFile(QFile& work);
    // A write to a work file; on a failure the work file is removed.
    void append(QFile& work, const char* data, qint64 size);
    // Flushed, synced and closed; on a failure removed.
    void finish(QFile& work);
    void discard(QFile& work);
};

// The file a path finally names: the path itself, or the end of its chain of
// symbolic links.
QString linkTarget(const QString& path);
// Why a path cannot be read or written as one of the program's files, or
// empty when it is a regular file or nothing is there. A folder, a pipe or a
// device is turned down before it is opened, so nothing ever waits on one.
QString notAFileReason(const QString& path);

// Why `file` could not be opened in `mode`: Access when the system refused it
// (QFile reports a refused open as a plain open error), else Io.
StoreError::Kind openFailureKind(const QFile& file, QIODevice::OpenMode mode);
