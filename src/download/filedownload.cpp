#include "download/filedownload.h"

#include "platform/httpclient.h"
#include "store/fileops.h"

#include <QFile>

int fetchToFile(HttpClient& http, FileOps& ops, const QString& url, FetchKind kind,
                const QString& target, const QString& work, std::function<void(bool)> done) {
    return http.fetchLater(url, kind,
                           [&ops, target, work, done = std::move(done)](const FetchResult& r) {
                               bool replaced = false;
                               if (r.ok) {
                                   try {
                                       ops.replaceWith(work, target, {r.body});
                                       replaced = true;
                                   } catch (const std::exception&) {
                                   }
                               }
                               if (done) done(replaced);
                           });
}

QByteArray fileHead(const QString& path, qint64 count) {
    // A pipe in the file's place would never end.
    if (!notAFileReason(path).isEmpty()) return QByteArray();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QByteArray();
    return count < 0 ? file.readAll() : file.read(count);
}
