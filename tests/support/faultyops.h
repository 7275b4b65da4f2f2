#pragma once

#include "store/fileops.h"

#include <QStringList>
#include <functional>
#include <memory>

// The file layer with chosen steps failing as a full disk, a bad medium or a
// folder without rights would. Every write, flush, sync and rename is counted
// as one step; `failAt` makes that step (from 1) fail. A failing write really
// writes part of its bytes first (a short write).
class FaultyOps : public FileOps {
public:
    int steps = 0;          // write, flush, sync and rename steps taken
    int failAt = 0;         // 0: none fails
    bool failAfter = false; // every step from failAt on fails (a disk that stays full)
    int readFailAt = 0;     // the n-th read of a copy fails (0: none)
    StoreError::Kind kind = StoreError::Kind::Access; // of refused renames and removals
    std::function<bool(const QString& source, const QString& target)> refuseReplace;
    std::function<bool(const QString& path)> refuseRemove;
    QStringList failed;  // "write apuestas.tmp", ... one line per failed step
    int renames = 0;     // renames done
    int folderSyncs = 0; // folder syncs after them

    qint64 read(QFileDevice& file, char* data, qint64 size) override;
    qint64 write(QFileDevice& file, const char* data, qint64 size) override;
    bool flush(QFileDevice& file) override;
    bool sync(QFileDevice& file) override;
    void replace(const QString& source, const QString& target) override;
    void remove(const QString& path) override;
    void syncFolder(const QString& folder) override;

private:
    bool fails(const char* step, const QString& path);
    int reads_ = 0;
};

// True when path names `name` in its folder.
bool endsWith(const QString& path, const char* name);

// A folder whose renames are all refused (Access) or fail (Io).
std::shared_ptr<FaultyOps> refusingOps(StoreError::Kind kind = StoreError::Kind::Access);
