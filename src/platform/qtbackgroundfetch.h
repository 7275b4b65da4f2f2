#pragma once

#include "platform/backgroundfetch.h"

#include <QPointer>

class QNetworkAccessManager;
class QNetworkReply;
class QTimer;

// BackgroundFetch over Qt's network access, with a deadline for the whole
// fetch and a limit on the body's size.
class QtBackgroundFetch : public BackgroundFetch {
public:
    static constexpr int kDeadlineMs = 15000;
    static constexpr qint64 kMaxBytes = 8 * 1024 * 1024;

    explicit QtBackgroundFetch(int deadlineMs = kDeadlineMs, qint64 maxBytes = kMaxBytes);
    ~QtBackgroundFetch() override;

    void start(const QString& url, Done done) override;
    void cancel() override;

private:
    void end(bool ok);

    QNetworkAccessManager* manager_;
    QTimer* deadline_;
    QPointer<QNetworkReply> reply_;
    Done done_;
    int deadlineMs_;
    qint64 maxBytes_;
};
