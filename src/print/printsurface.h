#pragma once

#include "print/playslip.h"

#include <QString>
#include <stdexcept>

// A page of the chosen printer, addressed in millimetres from the top-left
// corner of its printable area. Texts are placed by the top-left corner of
// their first character cell.
class PrintSurface {
public:
    virtual ~PrintSurface() = default;
    // Opens the job; false when the printer cannot take it.
    virtual bool begin() = 0;
    virtual void setFont(const QString& family, double points, bool bold) = 0;
    virtual void text(MmPoint at, const QString& text) = 0;
    virtual void outline(const MmRect& rect) = 0;
    virtual void fill(const MmRect& rect) = 0;
    virtual bool newPage() = 0;
    // Ends the document and sends it; false when the printer refused it.
    virtual bool end() = 0;
};

// No printer can be used at all; the text is the message for the user.
class PrintError : public std::runtime_error {
public:
    explicit PrintError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};
