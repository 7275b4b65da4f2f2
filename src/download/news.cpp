#include "download/news.h"

#include "download/filedownload.h"
#include "store/appstate.h"
#include "store/cp1252.h"
#include "store/dates.h"
#include "store/fileops.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

QString newsAddress(const QString& makerSite) {
    QString site = makerSite;
    while (site.endsWith(QLatin1Char('/')))
        site.chop(1);
    return site + QStringLiteral("/einforme.dat");
}

bool newsDue(double latestDrawDate, QDate today) {
    return latestDrawDate != 0 && latestDrawDate + 3 <= oleFromDate(today);
}

bool newsChanged(qsizetype oldLength, qsizetype newLength) {
    return newLength != oldLength && newLength >= 301;
}

bool newsHasPage(qsizetype fileSize) {
    return fileSize > 10;
}

bool checkNews(AppState& state, HttpClient& http, QDate today, const QString& makerSite,
               std::function<void(bool)> ended) {
    try {
        if (!newsDue(state.latestDraw.drawDate, today)) return false;
        const QString path = state.appFolder + kNewsFile;
        // Anything but a regular file there (a pipe, a folder) is left alone;
        // a missing one is created empty, never through a link left in its place.
        if (!notAFileReason(path).isEmpty()) return false;
        if (!QFileInfo(path).isSymbolicLink() && !QFileInfo::exists(path)) {
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) return false;
        }
        return fetchNews(state, http, makerSite, std::move(ended)) != 0;
    } catch (const std::exception&) {
        return false;
    }
}

int fetchNews(AppState& state, HttpClient& http, const QString& makerSite,
              std::function<void(bool)> ended) {
    // No peñas, no news.
    if (!state.files.penas().isOpen() || !state.files.penas().read(1)) return 0;
    const QString path = state.appFolder + kNewsFile;
    const qsizetype oldLength = fileHead(path).size();
    // A failed fetch leaves the file with the last news: its length does not change.
    return fetchToFile(http, state.files.ops(), newsAddress(makerSite), FetchKind::News, path,
                       state.appFolder + kNewsWorkFile,
                       [path, oldLength, ended = std::move(ended)](bool) {
                           const bool open = newsChanged(oldLength, fileHead(path).size());
                           if (ended) ended(open);
                       });
}

QString newsText(const QByteArray& bytes) {
    // Stateless: a file that ends inside a character is not UTF-8, rather
    // than a character still to come.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);
    return utf8.hasError() ? fromCp1252(bytes) : text;
}

void NewsBounce::tick() {
    left += step;
    if (left > kRightmost) step = -100;
    if (left < kLeftmost) step = 100;
}
