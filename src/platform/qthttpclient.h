#pragma once

#include "platform/httpclient.h"

#include <QHash>
#include <QPointer>

class QEventLoop;
class QNetworkAccessManager;
class QNetworkReply;
class QObject;
class LimitedFetch;

// HttpClient over Qt Network, without any HTTP cache. Each fetch is cut at
// its deadline and its size limit and fails on a transfer error, a status
// other than 2xx or a redirect elsewhere. The blocking get waits in a local
// event loop where the window still repaints and closes, and every click or
// key meanwhile is dropped rather than kept for later.
class QtHttpClient : public HttpClient {
public:
    explicit QtHttpClient(NetworkLimits limits = {});
    ~QtHttpClient() override;

    QString get(const QString& url) override;
    int fetchLater(const QString& url, FetchKind kind, FetchDone done) override;
    void cancelFetch(int id) override;
    void cancel() override;
    int lastState() const override { return state_; }

    // A blocking get is waiting.
    bool blocking() const { return blocking_ != nullptr; }
    const NetworkLimits& limits() const { return limits_; }
    // For the fetches started from now on.
    void setLimits(const NetworkLimits& limits) { limits_ = limits; }

private:
    LimitedFetch* start(const QString& url, FetchLimit limit);

    QNetworkAccessManager* manager_;
    NetworkLimits limits_;
    // LimitedFetch objects, known only in the .cpp.
    QPointer<QObject> blocking_;
    QEventLoop* waiting_ = nullptr;
    QHash<int, QPointer<QObject>> background_;
    int nextId_ = 1;
    int state_ = kIdle;
};
