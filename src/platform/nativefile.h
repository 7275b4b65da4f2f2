#pragma once

#include <QIODevice>
#include <QString>
#include <optional>

class QFileDevice;

// The few file calls Qt does not offer portably: forcing written bytes to the
// disk, renaming over an existing file in one step (and making the rename
// itself last), and asking whether the system refuses access. Everything else
// goes through QFile.
namespace nativefile {

struct Failure {
    bool refused = false; // the system denied access (rights, read-only medium)
    QString why;
};

// Forces the bytes written to `file` out to the disk.
bool sync(QFileDevice& file);
// Renames source over target, replacing it in one step. On Windows the move
// is written through to the disk before it returns.
std::optional<Failure> renameOver(const QString& source, const QString& target);
// Forces a folder's entries (a rename into it) out to the disk. Nothing to do
// on Windows, where a rename is written through; false when it failed.
bool syncFolder(const QString& folder);
// Deletes a file; a missing file is not a failure.
std::optional<Failure> remove(const QString& path);
// Whether the system refuses `mode` on path (or, for a new file, creating it
// in its folder).
bool accessRefused(const QString& path, QIODevice::OpenMode mode);

} // namespace nativefile
