#pragma once

#include <QString>
#include <stdexcept>

// A failed HTTP request: no connection, refused, timed out, cancelled.
class HttpError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The HTTP client of the results download: one blocking GET at a time.
class HttpClient {
public:
    // State codes as the client reports them; only kError is ever tested.
    enum State { kIdle = 0, kConnecting = 4, kError = 11, kCompleted = 12 };

    virtual ~HttpClient() = default;
    // The whole body as text (UTF-8), whatever the HTTP status; throws
    // HttpError when no answer came.
    virtual QString get(const QString& url) = 0;
    // The body of a successful (2xx) answer as bytes, for downloads to file;
    // throws HttpError when no answer came or the server refused. Reports
    // no state: lastState() stays that of the last get().
    virtual QByteArray fetch(const QString& url) = 0;
    // Abandons the transfer still running, if any.
    virtual void cancel() = 0;
    // The last state the client reported.
    virtual int lastState() const = 0;
};
