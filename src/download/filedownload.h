#pragma once

#include "platform/netlimits.h"

#include <QString>
#include <functional>

class FileOps;
class HttpClient;

// Fetches `url` in the background into `target` through the work file
// `work` and a rename, so a failed, cut or refused fetch never replaces what
// was there. `done(replaced)` runs once it ends (perhaps before this
// returns). Returns the fetch's id, for HttpClient::cancelFetch.
int fetchToFile(HttpClient& http, FileOps& ops, const QString& url, FetchKind kind,
                const QString& target, const QString& work, std::function<void(bool)> done);

// The first `count` bytes of a file, or all of it with count < 0; empty when
// it is missing, cannot be read or is no regular file.
QByteArray fileHead(const QString& path, qint64 count = -1);
