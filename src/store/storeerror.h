#pragma once

#include <QString>
#include <stdexcept>

// A failure of the data files, thrown inside an operation and mapped to the
// operation's message once, at its edge.
class StoreError : public std::runtime_error {
public:
    enum class Kind {
        Access,         // the platform refused to replace, delete or create a file
        Io,             // any other read or write failure
        TooManyRecords, // the file would grow past 32 766 records
        Unavailable     // the file was not opened, or only for reading: nothing is changed
    };
    StoreError(Kind kind, const QString& what)
        : std::runtime_error(what.toStdString()), kind_(kind) {}
    Kind kind() const { return kind_; }
    // The message for the user, for the kinds that carry one (Unavailable).
    QString text() const { return QString::fromUtf8(what()); }

private:
    Kind kind_;
};
