#include "platform/qtbackgroundfetch.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

QtBackgroundFetch::QtBackgroundFetch(int deadlineMs, qint64 maxBytes)
    : manager_(new QNetworkAccessManager), deadline_(new QTimer), deadlineMs_(deadlineMs),
      maxBytes_(maxBytes) {
    manager_->setCache(nullptr);
    deadline_->setSingleShot(true);
    QObject::connect(deadline_, &QTimer::timeout, manager_, [this] { end(false); });
}

QtBackgroundFetch::~QtBackgroundFetch() {
    cancel();
    delete deadline_;
    delete manager_;
}

void QtBackgroundFetch::cancel() {
    deadline_->stop();
    done_ = nullptr;
    if (QNetworkReply* reply = reply_) {
        reply_ = nullptr;
        reply->disconnect();
        reply->abort();
        reply->deleteLater();
    }
}

void QtBackgroundFetch::start(const QString& url, Done done) {
    cancel();
    done_ = std::move(done);
    QNetworkRequest request{QUrl(url)};
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    // Each redirect is judged below: only to the same host over HTTPS.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::UserVerifiedRedirectPolicy);
    QNetworkReply* reply = manager_->get(request);
    reply_ = reply;
    const QString host = QUrl(url).host();
    QObject::connect(reply, &QNetworkReply::redirected, reply, [reply, host](const QUrl& to) {
        if (to.scheme() == QLatin1String("https") && to.host() == host)
            emit reply->redirectAllowed();
        else
            reply->abort();
    });
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply, [this](qint64 received) {
        if (received > maxBytes_) end(false);
    });
    QObject::connect(reply, &QNetworkReply::finished, reply, [this] { end(true); });
    deadline_->start(deadlineMs_);
}

void QtBackgroundFetch::end(bool ok) {
    QNetworkReply* reply = reply_;
    if (!reply) return;
    Done done = std::move(done_);
    std::optional<QByteArray> body;
    if (ok && reply->isFinished() && reply->error() == QNetworkReply::NoError) {
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        const QByteArray bytes = reply->readAll();
        if (status >= 200 && status <= 299 && bytes.size() <= maxBytes_) body = bytes;
    }
    cancel();
    if (done) done(std::move(body));
}
