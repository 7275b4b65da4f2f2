#pragma once

#include "download/report.h"
#include "harness.h"

#include <QUrl>

// What the report promises over any answer: the operator's PDF is only ever
// looked for on the operator's own site.
inline void checkReportAddress(const DrawReport& report, const QString& site) {
    const QString url = report.reportUrl();
    if (url.isEmpty()) return;
    PROMISE(url.startsWith(site + QLatin1Char('/')));
    const QUrl parsed(url);
    const QUrl origin(site);
    PROMISE(parsed.isValid() && parsed.host() == origin.host() &&
            parsed.scheme() == origin.scheme() && parsed.port() == origin.port() &&
            parsed.userInfo().isEmpty());
}

inline const QString kFuzzOperatorSite = QStringLiteral("https://www.loteriasyapuestas.es");
