#include "check/effectiveness.h"

#include <cmath>

QString roundedPercent(float value, const QLocale& locale) {
    // nearbyint rounds halves to even in the default rounding mode.
    const double tenths = std::nearbyint(static_cast<double>(value) * 10.0);
    QLocale l = locale;
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    if (std::fmod(tenths, 10.0) == 0.0) return l.toString(static_cast<qint64>(tenths / 10.0));
    return l.toString(tenths / 10.0, 'f', 1);
}
