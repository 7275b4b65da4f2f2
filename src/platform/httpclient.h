#pragma once

#include "platform/netlimits.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <stdexcept>

// A failed HTTP request: no connection, refused, an error status, a body cut
// short, past its deadline or its size limit, a redirect elsewhere.
class HttpError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The fetch was abandoned by cancel() while it waited (the window closing):
// nobody is left to be told.
class HttpCancelled : public HttpError {
public:
    using HttpError::HttpError;
};

// How a background fetch ended: the whole body of a 2xx answer, or not.
struct FetchResult {
    bool ok = false;
    QByteArray body;
    QString error;
};

// The program's HTTP client: the results fetch blocks, the report's PDF and
// the news come in the background. Every fetch has its deadline and size
// limit (netlimits.h).
class HttpClient {
public:
    // State codes as the client reports them; only kError is ever tested.
    enum State { kIdle = 0, kConnecting = 4, kError = 11, kCompleted = 12 };
    using FetchDone = std::function<void(const FetchResult&)>;

    virtual ~HttpClient() = default;
    // The results service: the whole body of a 2xx answer as text (UTF-8).
    // Throws HttpError when the fetch failed, HttpCancelled when cancel() ended it.
    virtual QString get(const QString& url) = 0;
    // Starts a background fetch of `url` with the limits of `kind`; `done`
    // runs once on this thread when it ends, unless cancelFetch() comes
    // first. It may run before fetchLater returns. Reports no state:
    // lastState() stays that of the last get(). Returns the fetch's id.
    virtual int fetchLater(const QString& url, FetchKind kind, FetchDone done) = 0;
    // Abandons a background fetch; its `done` never runs.
    virtual void cancelFetch(int id) = 0;
    // Abandons the blocking fetch still running, if any.
    virtual void cancel() = 0;
    // The last state the client reported.
    virtual int lastState() const = 0;
};
