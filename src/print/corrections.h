#pragma once

#include "store/records.h"

#include <QLocale>
#include <QString>
#include <optional>

// The printer margin corrections X and Y, as kept in record 1 of "nums.ini"
// and typed in the print window's boxes.

enum class Axis { X, Y };

// A correction typed the way the locale writes decimals ("3,5" in Spanish).
// Group separators, infinities and values past a metre are refused: they
// could only put the marks off the sheet.
std::optional<float> parseCorrection(const QString& text, const QLocale& locale);
QString formatCorrection(float mm, const QLocale& locale);

class Corrections {
public:
    // A damaged record (not a number, absurd values) reads as 0.
    explicit Corrections(const SettingsRecord& record);

    float x() const { return x_; }
    float y() const { return y_; }
    float value(Axis axis) const { return axis == Axis::X ? x_ : y_; }

    // A change of the text of one box. Returns true when the text was not a
    // number, so both boxes must show the stored corrections again; an empty
    // box, or one holding only the minus sign being typed, keeps the value.
    bool textChanged(Axis axis, const QString& text, const QLocale& locale);

    // The record to write back: the reserved bytes exactly as read.
    SettingsRecord record() const;

private:
    SettingsRecord record_;
    float x_ = 0;
    float y_ = 0;
};

inline const QString kEmptyCorrectionText =
    QStringLiteral("Te has dejado una coordenada en blanco. Introduce un número válido.");
inline const QString kEmptyCorrectionTitle = QStringLiteral("EHEHEHH");
