#include "download/filedownload.h"

#include "platform/httpclient.h"
#include "store/fileops.h"

#include <QFile>

void downloadToFile(HttpClient& http, FileOps& ops, const QString& url, const QString& target,
                    const QString& work) {
    const QByteArray body = http.fetch(url);
    ops.replaceWith(work, target, {body});
}

QByteArray fileHead(const QString& path, qint64 count) {
    // A pipe in the file's place would never end.
    if (!notAFileReason(path).isEmpty()) return QByteArray();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QByteArray();
    return count < 0 ? file.readAll() : file.read(count);
}
