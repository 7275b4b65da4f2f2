#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <optional>

// A fixed-record random-access file, records numbered from 1. One open handle
// for the life of the program; closed and reopened around rewrites.
class RecordFile {
public:
    explicit RecordFile(int recordLength) : length_(recordLength) {}
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;

    // Opens for reading and writing, creating the file when it is missing.
    void open(const QString& path);
    void close();
    bool isOpen() const { return file_.isOpen(); }
    const QString& path() const { return path_; }
    int recordLength() const { return length_; }

    // Record n, or nothing when no whole record is there (end of file).
    std::optional<QByteArray> read(int n);
    // Writes record n, extending the file; past 32 766 records nothing is
    // written and StoreError (TooManyRecords) is thrown.
    void write(int n, const QByteArray& record);
    // Whole records in the file, counted by reading; a trailing fragment
    // does not count.
    int count();
    // Every whole record from 1 on, read in large blocks.
    QList<QByteArray> readAll();
    void flush();

private:
    int length_;
    QString path_;
    QFile file_;
};

// Writes records 1, 2, 3 ... to a new work file, flushed to disk.
void writeWorkFile(const QString& path, const QList<QByteArray>& records);
