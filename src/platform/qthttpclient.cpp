#include "platform/qthttpclient.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

// One request under its limits: reads the body as it comes, so no more than
// the limit (and one read buffer) is ever held, and ends it at the deadline,
// past the size limit or on a redirect elsewhere.
class LimitedFetch : public QObject {
public:
    LimitedFetch(QNetworkAccessManager& manager, const QString& url, FetchLimit limit)
        : QObject(&manager), limit_(limit) {
        QNetworkRequest request{QUrl(url)};
        request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                             QNetworkRequest::AlwaysNetwork);
        request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                             QNetworkRequest::UserVerifiedRedirectPolicy);
        request.setTransferTimeout(limit.deadlineMs);
        reply_ = manager.get(request);
        reply_->setParent(this);
        // The socket is read no further ahead than this.
        reply_->setReadBufferSize(kReadAhead);
        connect(reply_, &QNetworkReply::metaDataChanged, this, [this] {
            bool ok = false;
            const qint64 declared =
                reply_->header(QNetworkRequest::ContentLengthHeader).toLongLong(&ok);
            if (ok && declared > limit_.maxBytes) fail(QStringLiteral("answer too large"));
        });
        connect(reply_, &QNetworkReply::readyRead, this, &LimitedFetch::take);
        connect(reply_, &QNetworkReply::redirected, this, [this](const QUrl& to) {
            if (redirectAllowed(reply_->url(), to))
                emit reply_->redirectAllowed();
            else
                fail(QStringLiteral("redirected elsewhere"));
        });
        connect(reply_, &QNetworkReply::finished, this, &LimitedFetch::end);
        deadline_.setSingleShot(true);
        connect(&deadline_, &QTimer::timeout, this, [this] { fail(QStringLiteral("deadline")); });
        deadline_.start(limit.deadlineMs);
    }

    // Runs once when the fetch ends, however it ends.
    std::function<void(const FetchResult&)> done;

    // Abandoned: nothing more is told.
    void drop() {
        done = nullptr;
        fail(QStringLiteral("cancelled"));
    }

private:
    static constexpr qint64 kReadAhead = 256 * 1024;

    void take() {
        if (ended_ || !reply_->isOpen()) return;
        const qint64 room = limit_.maxBytes - body_.size();
        if (reply_->bytesAvailable() > room) {
            fail(QStringLiteral("answer too large"));
            return;
        }
        body_.append(reply_->readAll());
    }

    void fail(const QString& why) {
        if (ended_) return;
        failure_ = why;
        reply_->abort(); // finished() comes at once, and end() with it
        end();
    }

    void end() {
        if (ended_) return;
        take();
        if (ended_) return; // the last bytes were too many: fail() ended it
        ended_ = true;
        deadline_.stop();
        FetchResult result;
        const int status = reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        bool lengthOk = false;
        const qint64 declared =
            reply_->header(QNetworkRequest::ContentLengthHeader).toLongLong(&lengthOk);
        // A body shorter than announced is a cut connection, whatever the
        // transfer said; a decoded body has another length than the one sent.
        const bool shortBody =
            lengthOk && !reply_->hasRawHeader("Content-Encoding") && body_.size() != declared;
        if (!failure_.isEmpty())
            result.error = failure_;
        else if (reply_->error() != QNetworkReply::NoError)
            result.error = reply_->errorString();
        else if (status < 200 || status > 299)
            result.error = QStringLiteral("status %1").arg(status);
        else if (shortBody)
            result.error = QStringLiteral("body cut short");
        else
            result.ok = true;
        if (result.ok) result.body = std::move(body_);
        body_.clear();
        if (auto told = std::move(done)) {
            done = nullptr;
            told(result);
        }
        deleteLater();
    }

    FetchLimit limit_;
    QNetworkReply* reply_;
    QTimer deadline_;
    QByteArray body_;
    QString failure_;
    bool ended_ = false;
};

namespace {

// Drops what the user does while the blocking fetch waits: a click there
// must do nothing, not run once the fetch is over. Closing the window is no
// input and still comes through.
class InputDropper : public QObject {
public:
    InputDropper() { QCoreApplication::instance()->installEventFilter(this); }
    ~InputDropper() override {
        if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TabletPress:
        case QEvent::TabletRelease:
        case QEvent::NonClientAreaMouseButtonPress:
        case QEvent::NonClientAreaMouseButtonRelease:
        case QEvent::NonClientAreaMouseButtonDblClick:
            return true;
        default:
            return false;
        }
    }
};

} // namespace

QtHttpClient::QtHttpClient(NetworkLimits limits)
    : manager_(new QNetworkAccessManager), limits_(limits) {
    manager_->setCache(nullptr);
}

QtHttpClient::~QtHttpClient() {
    // Nobody is told of fetches abandoned on the way out.
    cancel();
    for (const QPointer<QObject>& f : std::as_const(background_))
        if (f) static_cast<LimitedFetch*>(f.data())->drop();
    background_.clear();
    delete manager_;
}

LimitedFetch* QtHttpClient::start(const QString& url, FetchLimit limit) {
    return new LimitedFetch(*manager_, url, limit);
}

void QtHttpClient::cancel() {
    if (auto* f = static_cast<LimitedFetch*>(blocking_.data())) {
        blocking_ = nullptr;
        f->drop();
    }
    if (waiting_) waiting_->quit();
    // Abandoning a transfer reports no new state.
}

QString QtHttpClient::get(const QString& url) {
    cancel();
    state_ = kConnecting;
    LimitedFetch* fetch = start(url, limits_.results);
    blocking_ = fetch;
    FetchResult result;
    bool ended = false;
    QEventLoop loop;
    fetch->done = [&](const FetchResult& r) {
        result = r;
        ended = true;
        loop.quit();
    };
    if (!ended) {
        InputDropper dropper;
        waiting_ = &loop;
        loop.exec(); // quitting the program ends the wait too
        waiting_ = nullptr;
    }
    if (!ended) {
        // cancel() dropped it, or the program is quitting.
        if (blocking_ == fetch) cancel();
        state_ = kError;
        throw HttpCancelled("cancelled");
    }
    blocking_ = nullptr;
    if (!result.ok) {
        state_ = kError;
        throw HttpError(result.error.toStdString());
    }
    state_ = kCompleted;
    return QString::fromUtf8(result.body);
}

int QtHttpClient::fetchLater(const QString& url, FetchKind kind, FetchDone done) {
    const int id = nextId_++;
    LimitedFetch* fetch = start(url, limits_.of(kind));
    background_.insert(id, fetch);
    fetch->done = [this, id, done = std::move(done)](const FetchResult& r) {
        background_.remove(id);
        if (done) done(r);
    };
    return id;
}

void QtHttpClient::cancelFetch(int id) {
    const QPointer<QObject> f = background_.take(id);
    if (f) static_cast<LimitedFetch*>(f.data())->drop();
}
