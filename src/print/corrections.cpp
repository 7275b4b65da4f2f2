#include "print/corrections.h"

#include <cmath>

namespace {

constexpr float kLargestCorrection = 1000; // mm

bool sane(float mm) {
    return std::isfinite(mm) && std::fabs(mm) <= kLargestCorrection;
}

QLocale plainNumbers(QLocale locale) {
    locale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return locale;
}

} // namespace

std::optional<float> parseCorrection(const QString& text, const QLocale& locale) {
    bool ok = false;
    const float v = plainNumbers(locale).toFloat(text.trimmed(), &ok);
    if (!ok || !sane(v)) return std::nullopt;
    return v;
}

QString formatCorrection(float mm, const QLocale& locale) {
    // Seven significant digits are what a float holds; no trailing zeros.
    return plainNumbers(locale).toString(double(mm), 'g', 7);
}

Corrections::Corrections(const SettingsRecord& record) : record_(record) {
    if (record_.raw.size() != kSettingsRecordSize) record_ = SettingsRecord();
    x_ = sane(record_.correctionX()) ? record_.correctionX() : 0.0f;
    y_ = sane(record_.correctionY()) ? record_.correctionY() : 0.0f;
}

bool Corrections::textChanged(Axis axis, const QString& text, const QLocale& locale) {
    // Empty, or a sign still waiting for its digits: nothing to take yet.
    if (text.isEmpty() || text == locale.negativeSign()) return false;
    const std::optional<float> v = parseCorrection(text, locale);
    if (!v) return true;
    (axis == Axis::X ? x_ : y_) = *v;
    return false;
}

SettingsRecord Corrections::record() const {
    SettingsRecord out = record_;
    out.setCorrectionX(x_);
    out.setCorrectionY(y_);
    return out;
}
