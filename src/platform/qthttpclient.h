#pragma once

#include "platform/httpclient.h"

#include <QPointer>

class QNetworkAccessManager;
class QNetworkReply;

// HttpClient over Qt Network. The GET waits in a local event loop that leaves
// user input aside, so the window still repaints but nothing can be clicked;
// no HTTP cache is used and a request gives up after `timeoutMs`.
class QtHttpClient : public HttpClient {
public:
    explicit QtHttpClient(int timeoutMs = 5000);
    ~QtHttpClient() override;

    QString get(const QString& url) override;
    QByteArray fetch(const QString& url) override;
    void cancel() override;
    int lastState() const override { return state_; }

private:
    // Sends the GET and waits for it; the finished reply, or HttpError when
    // it was cancelled meanwhile.
    QNetworkReply* send(const QString& url);

    QNetworkAccessManager* manager_;
    QPointer<QNetworkReply> reply_;
    int timeoutMs_;
    int state_ = kIdle;
};
