#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <optional>

class FileOps;

// A fixed-record random-access file, records numbered from 1. One open handle
// for the life of the program; closed and reopened around rewrites. Writes go
// straight to the system (no buffer), so a failed write leaves nothing behind
// to be written later.
class RecordFile {
public:
    explicit RecordFile(int recordLength);
    RecordFile(int recordLength, FileOps& ops) : length_(recordLength), ops_(&ops) {}
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;

    // Opens for reading and writing, creating the file when it is missing;
    // when writing is refused, for reading only. Throws StoreError when it
    // cannot be opened at all; problem() then says why.
    void open(const QString& path);
    void close();
    bool isOpen() const { return file_.isOpen(); }
    bool isWritable() const { return isOpen() && writable_; }
    const QString& path() const { return path_; }
    QString fileName() const;
    int recordLength() const { return length_; }
    FileOps& ops() const { return *ops_; }

    // Why the file could not be opened, or only for reading; empty when it is
    // open for reading and writing (or was never opened).
    const QString& problem() const { return problem_; }
    // What the user is told when a change to it is refused.
    QString refusalText() const;
    // Throws StoreError (Unavailable) unless the file may be changed.
    void requireWritable() const;

    // Record n, or nothing when no whole record is there (end of file).
    std::optional<QByteArray> read(int n);
    // Writes record n, extending the file. A failed write leaves the file as
    // it was and throws StoreError; past 32 766 records nothing is written.
    void write(int n, const QByteArray& record);
    // Writes records n, n + 1 ... in one step: all of them, or none.
    void write(int n, const QList<QByteArray>& records);
    // Whole records in the file, counted by reading; a trailing fragment
    // does not count.
    int count();
    // Every whole record from 1 on, read in large blocks.
    QList<QByteArray> readAll();
    // Changes whenever the file may hold other records: it was opened,
    // closed or written through this handle, or changed size or time on disk.
    struct Stamp {
        quint64 generation = ~quint64(0);
        qint64 size = -1;
        qint64 modified = -1;
        bool operator==(const Stamp&) const = default;
    };
    Stamp stamp() const;

private:
    int length_;
    FileOps* ops_;
    QString path_;
    QFile file_;
    bool writable_ = false;
    QString problem_;
    quint64 generation_ = 0;
};

// The FileOps used where none is given.
FileOps& defaultFileOps();
