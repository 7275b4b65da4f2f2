#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

// A GET that runs beside the window: the window stays responsive and its
// input is never held back.
class BackgroundFetch {
public:
    // The body of a whole 2xx answer, or nothing on any failure: no
    // connection, an error status, a cut or short body, past the deadline
    // or the size limit, a redirect elsewhere.
    using Done = std::function<void(std::optional<QByteArray> body)>;

    virtual ~BackgroundFetch() = default;
    // Starts a fetch; `done` runs once, later, on the caller's thread. A
    // fetch still running is dropped first (its `done` never runs).
    virtual void start(const QString& url, Done done) = 0;
    // Drops the fetch running, if any: its `done` never runs.
    virtual void cancel() = 0;
};
