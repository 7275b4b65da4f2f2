#include "platform/qthttpclient.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

QtHttpClient::QtHttpClient(int timeoutMs)
    : manager_(new QNetworkAccessManager), timeoutMs_(timeoutMs) {
    manager_->setCache(nullptr);
}

QtHttpClient::~QtHttpClient() {
    cancel();
    delete manager_;
}

void QtHttpClient::cancel() {
    if (reply_) {
        QNetworkReply* reply = reply_;
        reply_ = nullptr;
        reply->abort();
        reply->deleteLater();
    }
    // Abandoning a transfer reports no new state.
}

QNetworkReply* QtHttpClient::send(const QString& url) {
    cancel();
    QNetworkRequest request{QUrl(url)};
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setTransferTimeout(timeoutMs_);
    QNetworkReply* reply = manager_->get(request);
    reply_ = reply;
    if (!reply->isFinished()) {
        QEventLoop loop;
        QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        QObject::connect(reply, &QObject::destroyed, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    // Cancelled while waiting: cancel() already dropped it.
    if (reply_ != reply) throw HttpError("cancelled");
    reply_ = nullptr;
    reply->deleteLater();
    return reply;
}

QString QtHttpClient::get(const QString& url) {
    state_ = kConnecting;
    QNetworkReply* reply = nullptr;
    try {
        reply = send(url);
    } catch (const HttpError&) {
        state_ = kError;
        throw;
    }
    // An answer with any HTTP status is an answer: its body is judged by the
    // caller. No status means nothing came back (refused, timed out, no host).
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!status.isValid()) {
        state_ = kError;
        throw HttpError(reply->errorString().toStdString());
    }
    const QByteArray body = reply->readAll();
    state_ = kCompleted;
    return QString::fromUtf8(body);
}

QByteArray QtHttpClient::fetch(const QString& url) {
    QNetworkReply* reply = send(url);
    // A file is only what a server sent as one: an error page is not saved.
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->error() != QNetworkReply::NoError || status < 200 || status > 299)
        throw HttpError(reply->errorString().toStdString());
    return reply->readAll();
}
