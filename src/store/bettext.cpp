#include "store/bettext.h"

QString betValuesText(const qint16* values, int count, Padding padding) {
    QString text;
    text.reserve(count * 3);
    for (int k = 0; k < count; ++k) {
        if (k > 0) text += QLatin1Char('-');
        const QString value = QString::number(values[k]);
        const bool pad =
            padding == Padding::All || (padding == Padding::AllButLast && k + 1 < count);
        text += pad ? value.rightJustified(2, QLatin1Char(' ')) : value;
    }
    return text;
}
