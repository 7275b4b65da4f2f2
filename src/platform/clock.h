#pragma once

#include <QDate>
#include <QTime>

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
    virtual QTime timeOfDay() const = 0;
};

class SystemClock : public Clock {
public:
    QDate today() const override { return QDate::currentDate(); }
    QTime timeOfDay() const override { return QTime::currentTime(); }
};
