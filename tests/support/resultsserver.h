#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QTcpServer>
#include <functional>
#include <utility>

class QTcpSocket;

// A results service on 127.0.0.1 for the tests: answers a GET of a served
// path with its file, every other GET with the body set, or accepts and never
// answers.
class ResultsServer : public QObject {
    Q_OBJECT
public:
    ResultsServer();
    ~ResultsServer() override;

    // "http://127.0.0.1:PORT".
    QString origin() const;
    quint16 port() const { return server_.serverPort(); }
    void answer(const QString& body, int status = 200);
    // `path` (without query) answers these bytes, as the operator's PDF or
    // the maker's news file would be.
    void serve(const QString& path, const QByteArray& bytes,
               const QByteArray& contentType = "application/octet-stream", int status = 200);
    // Every other target answered by `handler`: its status and body.
    using Handler = std::function<std::pair<int, QByteArray>(const QString& target)>;
    void answerWith(Handler handler) { handler_ = std::move(handler); }
    // Accepts the connection, reads the request and says nothing.
    void silent() { silent_ = true; }

    // Ways a server misbehaves, for `path` (without query; empty: the answer).
    enum class Misbehaviour {
        Endless,  // a body without length that never ends
        Trickle,  // the body one byte every `intervalMs`
        CutShort, // a Content-Length larger than the body, then the connection closed
        Huge,     // a body of `bytes` bytes with its length announced
        Redirect, // a 302 to `location`
        Silent,   // the request read, nothing said
    };
    void misbehave(const QString& path, Misbehaviour how, const QByteArray& body = {},
                   int intervalMs = 500, const QString& location = {});
    qint64 bytesSent() const { return sent_; }
    // The request targets (path and query) received so far.
    const QList<QString>& requests() const { return requests_; }
    void close() { server_.close(); }

private:
    void onConnection();
    void onReadable(QTcpSocket* socket);

    QTcpServer server_;
    QByteArray body_;
    int status_ = 200;
    bool silent_ = false;
    QList<QString> requests_;
    struct File {
        QByteArray bytes;
        QByteArray contentType;
        int status;
    };
    QHash<QString, File> files_;
    Handler handler_;
    struct Bad {
        Misbehaviour how;
        QByteArray body;
        int intervalMs;
        QString location;
    };
    QHash<QString, Bad> bad_;
    qint64 sent_ = 0;
    void misbehaveOn(QTcpSocket* socket, const Bad& bad);
};

// A port on 127.0.0.1 where nothing listens: connections are refused.
quint16 refusedPort();
