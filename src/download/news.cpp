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

bool checkNews(AppState& state, HttpClient& http, QDate today, const QString& makerSite) {
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
        return fetchNews(state, http, makerSite);
    } catch (const std::exception&) {
        return false;
    }
}

bool fetchNews(AppState& state, HttpClient& http, const QString& makerSite) {
    // No peñas, no news.
    if (!state.files.penas().isOpen() || !state.files.penas().read(1)) return false;
    const QString path = state.appFolder + kNewsFile;
    const QByteArray oldText = fileHead(path);
    try {
        downloadToFile(http, state.files.ops(), newsAddress(makerSite), path,
                       state.appFolder + kNewsWorkFile);
    } catch (const std::exception&) {
        // The file keeps the last news: its length does not change.
    }
    const QByteArray newText = fileHead(path);
    return newsChanged(oldText.size(), newText.size());
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
