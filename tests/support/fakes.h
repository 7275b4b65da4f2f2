#pragma once

#include "platform/platform.h"
#include "support/printers.h"

#include <QList>
#include <QStringList>

// Records every message and question and answers from a script.
class ScriptedPrompter : public Prompter {
public:
    struct Shown {
        QString text;
        QString title;
        MessageIcon icon;
        bool question;
    };
    void message(const QString& text, const QString& title, MessageIcon icon) override;
    bool ask(const QString& text, const QString& title, MessageIcon icon) override;

    QList<bool> answers; // taken from the front; "No" when empty
    QList<Shown> shown;
    QStringList texts() const;
    void clear() { shown.clear(); }
};

class FixedClock : public Clock {
public:
    explicit FixedClock(QDate day = QDate(2023, 3, 7), QTime time = QTime(12, 0))
        : day_(day), time_(time) {}
    QDate today() const override { return day_; }
    QTime timeOfDay() const override { return time_; }
    void set(QDate day) { day_ = day; }
    void setTime(QTime t) { time_ = t; }

private:
    QDate day_;
    QTime time_;
};

class RecordingShell : public Shell {
public:
    void openUrl(const QString& url) override { opened.append(url); }
    QStringList opened;
};

class ScriptedChooser : public FileChooser {
public:
    QString chooseOpenFile(const QString& title, const QString& folder,
                           const QString& filter) override;
    QString chooseSaveFile(const QString& title, const QString& suggested,
                           const QString& filter) override;
    QStringList answers; // taken from the front; "" when empty
    QStringList titles;
    QStringList suggested; // the paths offered by save dialogs
};

// All fakes together, with the Platform view the windows take.
struct FakePlatform {
    ScriptedPrompter prompter;
    FixedClock clock;
    RecordingShell shell;
    ScriptedChooser chooser;
    RandomSource random;
    Platform platform{prompter, clock, shell, chooser, random};
};
