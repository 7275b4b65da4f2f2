#include "harness.h"

#include <QDir>
#include <QFile>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <string>
#include <unistd.h>
#include <vector>

void brokenPromise(const char* what, const char* file, int line) {
    std::fprintf(stderr, "Broken promise at %s:%d: %s\n", file, line, what);
    std::fflush(stderr);
    std::abort();
}

QList<QByteArray> splitParts(const uint8_t* data, size_t size, int count) {
    const QByteArray all =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QList<QByteArray> parts;
    qsizetype from = 0;
    while (parts.size() < count) {
        const qsizetype end = all.indexOf(kPartSeparator, from);
        if (end < 0) {
            parts.append(QByteArray(all.constData() + from, all.size() - from));
            break;
        }
        parts.append(QByteArray(all.constData() + from, end - from));
        from = end + kPartSeparator.size();
    }
    while (parts.size() < count)
        parts.append(QByteArray());
    return parts;
}

QByteArray joinParts(const QList<QByteArray>& parts) {
    QByteArray out;
    for (const QByteArray& p : parts)
        out += p + kPartSeparator;
    return out;
}

namespace {
QString scratchTemplate() {
    const QString shm = QStringLiteral("/dev/shm");
    const QString base = QDir(shm).exists() ? shm : QDir::tempPath();
    return base + QStringLiteral("/vantiko-fuzz-XXXXXX");
}
} // namespace

ScratchFolder::ScratchFolder() : dir_(scratchTemplate()) {
    if (!dir_.isValid()) brokenPromise("a scratch folder can be made", __FILE__, __LINE__);
}

QString ScratchFolder::path() const {
    return dir_.path() + QLatin1Char('/');
}

// Straight to the system: listing through QDir took an eighth of each input's
// time. Every file goes, whatever the program named it (work files, a draw
// file set aside under a numbered name); the names are read first, then
// removed.
void ScratchFolder::clear() {
    const QByteArray folder = QFile::encodeName(dir_.path());
    DIR* dir = ::opendir(folder.constData());
    if (!dir) brokenPromise("the scratch folder can be listed", __FILE__, __LINE__);
    std::vector<std::string> names;
    while (const dirent* entry = ::readdir(dir))
        if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
            names.emplace_back(entry->d_name);
    for (const std::string& name : names)
        ::unlinkat(::dirfd(dir), name.c_str(), 0);
    ::closedir(dir);
}

void ScratchFolder::write(const QString& name, const QByteArray& bytes) const {
    QFile f(path() + name);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        brokenPromise("the scratch folder takes the input's files", __FILE__, __LINE__);
}

QByteArray ScratchFolder::read(const QString& name) const {
    QFile f(path() + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool ScratchFolder::exists(const QString& name) const {
    return QFile::exists(path() + name);
}

QString ServedHttp::get(const QString&) {
    ++gets;
    if (!answer) {
        state_ = kError;
        throw HttpError("no answer");
    }
    state_ = kCompleted;
    return *answer;
}

int ServedHttp::fetchLater(const QString&, FetchKind, FetchDone done) {
    ++fetches;
    FetchResult result;
    result.ok = body.has_value();
    if (body) result.body = *body;
    if (done) done(result);
    return fetches;
}
