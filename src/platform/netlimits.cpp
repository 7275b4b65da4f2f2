#include "platform/netlimits.h"

#include <QUrl>

bool redirectAllowed(const QUrl& from, const QUrl& to) {
    const QUrl target = from.resolved(to);
    return target.isValid() &&
           target.scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) == 0 &&
           target.userInfo().isEmpty() && !target.host().isEmpty() &&
           target.host().compare(from.host(), Qt::CaseInsensitive) == 0;
}
