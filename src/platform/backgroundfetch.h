#pragma once

#include "platform/httpclient.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

// One results fetch at a time beside the window: the window stays
// responsive and its input is never held back.
class BackgroundFetch {
public:
    // The body of a whole 2xx answer, or nothing on any failure: no
    // connection, an error status, a cut or short body, past the deadline
    // or the size limit, a redirect elsewhere.
    using Done = std::function<void(std::optional<QByteArray> body)>;

    virtual ~BackgroundFetch() = default;
    // Starts a fetch; `done` runs once on the caller's thread. A fetch still
    // running is dropped first (its `done` never runs).
    virtual void start(const QString& url, Done done) = 0;
    // Drops the fetch running, if any: its `done` never runs.
    virtual void cancel() = 0;
};

// BackgroundFetch over the program's HTTP client, with the results
// service's deadline and size limit.
class HttpBackgroundFetch : public BackgroundFetch {
public:
    explicit HttpBackgroundFetch(HttpClient& http) : http_(http) {}
    ~HttpBackgroundFetch() override { cancel(); }

    void start(const QString& url, Done done) override {
        cancel();
        const int serial = ++serial_;
        running_ = true;
        const int id = http_.fetchLater(
            url, FetchKind::Results, [this, serial, done = std::move(done)](const FetchResult& r) {
                if (serial != serial_ || !running_) return;
                running_ = false;
                done(r.ok ? std::optional<QByteArray>(r.body) : std::nullopt);
            });
        // The client may have answered already, inside fetchLater.
        if (running_) id_ = id;
    }
    void cancel() override {
        if (running_) http_.cancelFetch(id_);
        running_ = false;
        ++serial_;
    }

private:
    HttpClient& http_;
    int id_ = 0;
    int serial_ = 0;
    bool running_ = false;
};
