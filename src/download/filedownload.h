#pragma once

#include <QString>

class FileOps;
class HttpClient;

// Downloads `url` into `target` through the work file `work` and a rename, so
// a failed or partial download never replaces what was there. Throws
// HttpError (nothing came, or an error page) or StoreError (not written).
void downloadToFile(HttpClient& http, FileOps& ops, const QString& url, const QString& target,
                    const QString& work);

// The first `count` bytes of a file, or all of it with count < 0; empty when
// it is missing, cannot be read or is no regular file.
QByteArray fileHead(const QString& path, qint64 count = -1);
