#include "support/resultsserver.h"

#include <QHostAddress>
#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

ResultsServer::ResultsServer() {
    connect(&server_, &QTcpServer::newConnection, this, &ResultsServer::onConnection);
    server_.listen(QHostAddress::LocalHost, 0);
}

ResultsServer::~ResultsServer() {
    server_.close();
}

QString ResultsServer::origin() const {
    return QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort());
}

void ResultsServer::answer(const QString& body, int status) {
    body_ = body.toUtf8();
    status_ = status;
    silent_ = false;
}

void ResultsServer::serve(const QString& path, const QByteArray& bytes,
                          const QByteArray& contentType, int status) {
    files_.insert(path, File{bytes, contentType, status});
}

void ResultsServer::onConnection() {
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        socket->setParent(this);
        socket->setProperty("request", QByteArray());
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadable(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}

void ResultsServer::onReadable(QTcpSocket* socket) {
    QByteArray request = socket->property("request").toByteArray() + socket->readAll();
    socket->setProperty("request", request);
    if (!request.contains("\r\n\r\n")) return;
    const QList<QByteArray> line = request.left(request.indexOf("\r\n")).split(' ');
    const QString target = line.size() > 1 ? QString::fromLatin1(line[1]) : QString();
    requests_.append(target);
    if (silent_) return;
    const auto bad = bad_.constFind(target.section(QLatin1Char('?'), 0, 0));
    if (bad != bad_.constEnd()) {
        misbehaveOn(socket, *bad);
        return;
    }
    const auto file = files_.constFind(target.section(QLatin1Char('?'), 0, 0));
    const bool served = file != files_.constEnd();
    std::pair<int, QByteArray> handled;
    if (!served && handler_) handled = handler_(target);
    const int status = served ? file->status : handler_ ? handled.first : status_;
    const QByteArray& body = served ? file->bytes : handler_ ? handled.second : body_;
    const QByteArray type = served ? file->contentType : "application/json;charset=UTF-8";
    QByteArray reply = "HTTP/1.1 " + QByteArray::number(status) +
                       (status == 200   ? " OK"
                        : status == 404 ? " Not Found"
                                        : " Service Unavailable") +
                       "\r\nContent-Type: " + type +
                       "\r\nContent-Length: " + QByteArray::number(body.size()) +
                       "\r\nConnection: close\r\n\r\n" + body;
    socket->write(reply);
    socket->disconnectFromHost();
}

quint16 refusedPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}

void ResultsServer::misbehave(const QString& path, Misbehaviour how, const QByteArray& body,
                              int intervalMs, const QString& location) {
    bad_.insert(path, Bad{how, body, intervalMs, location});
}

void ResultsServer::misbehaveOn(QTcpSocket* socket, const Bad& bad) {
    const QByteArray ok = "HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\n";
    switch (bad.how) {
    case Misbehaviour::Silent:
        return;
    case Misbehaviour::Redirect:
        socket->write("HTTP/1.1 302 Found\r\nLocation: " + bad.location.toUtf8() +
                      "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
        socket->disconnectFromHost();
        return;
    case Misbehaviour::CutShort:
        socket->write(ok + "Content-Length: " + QByteArray::number(bad.body.size() + 1000) +
                      "\r\nConnection: close\r\n\r\n" + bad.body);
        sent_ += bad.body.size();
        socket->disconnectFromHost();
        return;
    case Misbehaviour::Trickle: {
        socket->write(ok + "Content-Length: " + QByteArray::number(bad.body.size()) + "\r\n\r\n");
        auto* timer = new QTimer(socket);
        auto at = std::make_shared<qsizetype>(0);
        const QByteArray body = bad.body;
        connect(timer, &QTimer::timeout, socket, [this, socket, body, at] {
            if (*at >= body.size()) return;
            socket->write(body.mid((*at)++, 1));
            ++sent_;
        });
        timer->start(bad.intervalMs);
        return;
    }
    case Misbehaviour::Endless:
    case Misbehaviour::Huge: {
        const bool endless = bad.how == Misbehaviour::Endless;
        const qint64 total = endless ? -1 : bad.body.toLongLong();
        socket->write(ok + (endless ? QByteArray("Connection: close\r\n\r\n")
                                    : "Content-Length: " + QByteArray::number(total) + "\r\n\r\n"));
        // Written as fast as the client reads: a little more whenever the last went out.
        auto left = std::make_shared<qint64>(total);
        const QByteArray chunk(64 * 1024, 'x');
        auto more = [this, socket, left, chunk] {
            if (socket->bytesToWrite() > 4 * chunk.size() || *left == 0) return;
            const qint64 n = *left < 0 ? chunk.size() : std::min<qint64>(*left, chunk.size());
            socket->write(chunk.left(n));
            sent_ += n;
            if (*left > 0) *left -= n;
        };
        connect(socket, &QTcpSocket::bytesWritten, socket, more);
        more();
        return;
    }
    }
}
