#include "support/resultsserver.h"

#include <QHostAddress>
#include <QTcpSocket>

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
