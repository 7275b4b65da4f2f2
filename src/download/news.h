#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <functional>

struct AppState;
class HttpClient;

inline const QString kNewsFile = QStringLiteral("informe.dat");
inline const QString kNewsWorkFile = QStringLiteral("informe.tmp");
inline const QString kNewsTitle = QStringLiteral("Noticias del jefe...");
inline const QString kNewsButtonText = QStringLiteral("Ver mensaje");

// "einforme.dat" on the maker's site, with the site's own scheme.
QString newsAddress(const QString& makerSite);

// News is looked for only when the newest stored draw is at least three days old.
bool newsDue(double latestDrawDate, QDate today);
// ShowNewsIfChanged: a new length of at least 301 characters. A change that
// keeps the length is not noticed.
bool newsChanged(qsizetype oldLength, qsizetype newLength);
// The window shows the page only when the file is longer than 10 bytes.
bool newsHasPage(qsizetype fileSize);
// The page's text: UTF-8 when it is valid UTF-8, else Windows-1252.
QString newsText(const QByteArray& bytes);

// CheckNews, the last step of start-up, run once the window is shown:
// starts the news fetch when it is due and says whether it did. Creates an
// empty "informe.dat" when there is none; any failure ends it quietly.
// `ended(open)` runs once the fetch has ended, with whether the news window
// is to open.
bool checkNews(AppState& state, HttpClient& http, QDate today, const QString& makerSite,
               std::function<void(bool)> ended);
// FetchNews: with at least one peña, fetches the news file in the
// background over "informe.dat"; `ended(open)` as above. Returns the
// fetch's id, 0 when none started.
int fetchNews(AppState& state, HttpClient& http, const QString& makerSite,
              std::function<void(bool)> ended);

// The contact label's sideways bounce, in twips, every 100 ms.
struct NewsBounce {
    static constexpr int kLeftmost = 360;
    static constexpr int kRightmost = 3700;
    int left = kLeftmost;
    int step = 100;
    void tick();
};
