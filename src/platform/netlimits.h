#pragma once

#include <QtGlobal>

class QUrl;

// How long a fetch may take in all and how much it may bring. Past either it
// is abandoned and counts as a failed fetch. Every limit of the program's
// network is here.
struct FetchLimit {
    int deadlineMs;
    qint64 maxBytes;
};

inline constexpr FetchLimit kResultsLimit{15'000, qint64(8) << 20}; // the results service
inline constexpr FetchLimit kReportLimit{30'000, qint64(20) << 20}; // the report's PDF
inline constexpr FetchLimit kNewsLimit{15'000, qint64(512) << 10};  // the maker's news

// Which of the program's fetches a request is.
enum class FetchKind { Results, Report, News };

// The limits one client applies; tests shorten the deadlines.
struct NetworkLimits {
    FetchLimit results = kResultsLimit;
    FetchLimit report = kReportLimit;
    FetchLimit news = kNewsLimit;

    FetchLimit of(FetchKind kind) const {
        switch (kind) {
        case FetchKind::Report:
            return report;
        case FetchKind::News:
            return news;
        case FetchKind::Results:
            break;
        }
        return results;
    }
};

// A redirect is followed only to the same host, over HTTPS: anything else
// could hand the program another site's answer.
bool redirectAllowed(const QUrl& from, const QUrl& to);
