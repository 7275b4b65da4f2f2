#pragma once

#include "platform/httpclient.h"
#include "store/fileops.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <optional>

// What the fuzz targets share: the input split into parts, a scratch program
// folder, a file layer without syncs, a served HTTP answer, and the check of
// a promise the program makes.

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

// A broken promise: says which, then aborts, so libFuzzer keeps the input and
// the replay in the test suite fails.
[[noreturn]] void brokenPromise(const char* what, const char* file, int line);
#define PROMISE(cond)                                                                              \
    do {                                                                                           \
        if (!(cond)) brokenPromise(#cond, __FILE__, __LINE__);                                     \
    } while (0)

// An input holds several parts (files, an answer, options) one after the
// other, each ended by this separator; parts past the end are empty.
inline const QByteArray kPartSeparator = QByteArrayLiteral("\xffVK\xff");
QList<QByteArray> splitParts(const uint8_t* data, size_t size, int count);
QByteArray joinParts(const QList<QByteArray>& parts);

// The i-th byte of an option part, 0 past its end.
inline int optionByte(const QByteArray& part, int i) {
    return i < part.size() ? static_cast<unsigned char>(part[i]) : 0;
}

// Durability is not what is fuzzed: without syncs a run takes microseconds.
class NoSyncOps : public FileOps {
public:
    bool sync(QFileDevice&) override { return true; }
};

// One program folder for the whole run (in memory when /dev/shm is there),
// emptied before each input.
class ScratchFolder {
public:
    ScratchFolder();
    QString path() const; // with its trailing separator
    void clear();
    void write(const QString& name, const QByteArray& bytes) const;
    QByteArray read(const QString& name) const;
    bool exists(const QString& name) const;

private:
    QTemporaryDir dir_;
};

// Serves fixed bodies: get() the answer, a background fetch the body (at
// once); either fails when it has none, as a server that never answers would.
class ServedHttp : public HttpClient {
public:
    std::optional<QString> answer;
    std::optional<QByteArray> body;
    int gets = 0;
    int fetches = 0;

    QString get(const QString&) override;
    int fetchLater(const QString&, FetchKind, FetchDone done) override;
    void cancelFetch(int) override {}
    void cancel() override {}
    int lastState() const override { return state_; }

private:
    int state_ = kIdle;
};
