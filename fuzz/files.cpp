// The news and the report's PDF over any file the maker's site or the
// operator's site sends, and any left in the folder: the news file holds the
// last whole download, the window is told of news only on a real change of
// length, its text is decoded whatever the bytes, and the report is shown
// only from a file that starts as a PDF, the one in the folder at start-up.
#include "answerchecks.h"
#include "harness.h"

#include "download/news.h"
#include "download/newspage.h"
#include "download/transfer.h"
#include "store/appstate.h"
#include "store/cp1252.h"
#include "store/dates.h"
#include "support/fakes.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static ScratchFolder folder;
    // Parts: informe.dat before, the news served, zul.pdf, www.txt, the options.
    const QList<QByteArray> parts = splitParts(data, size, 5);
    const QByteArray& options = parts[4];
    const int flags = optionByte(options, 0);
    folder.clear();
    folder.write(kPenaFile, QByteArray(kPenaRecordSize, '\0'));
    if (flags & 1) folder.write(kNewsFile, parts[0]);
    folder.write(kReportFile, parts[2]);
    folder.write(kAnswerFile, parts[3]);

    AppState state(std::make_shared<NoSyncOps>());
    state.appFolder = folder.path();
    state.files.openAll(folder.path());
    const QDate today(2026, 12, 8);
    state.latestDraw.drawDate = oleFromDate(today.addDays(-optionByte(options, 1) % 8));
    ServedHttp http;
    if (!(flags & 2)) http.body = parts[1];

    const QByteArray oldNews = folder.read(kNewsFile);
    bool open = false;
    checkNews(state, http, today, QStringLiteral("https://vantiko.example.org"),
              [&](bool shown) { open = shown; });
    const QByteArray news = folder.read(kNewsFile);
    if (newsDue(state.latestDraw.drawDate, today)) {
        PROMISE(folder.exists(kNewsFile));
        PROMISE(news == (http.body ? *http.body : oldNews));
        PROMISE(open == newsChanged(oldNews.size(), news.size()));
    } else {
        PROMISE(!open && http.fetches == 0);
        PROMISE(news == oldNews);
    }
    PROMISE(!folder.exists(kNewsWorkFile));
    // Every byte of the page shows: as UTF-8 when the whole file is UTF-8
    // (a byte order mark aside), else one character per byte.
    const QString text = newsText(news);
    const QByteArray bom = QByteArrayLiteral("\xEF\xBB\xBF");
    PROMISE(text == fromCp1252(news) || text.toUtf8() == news ||
            (news.startsWith(bom) && text.toUtf8() == news.mid(bom.size())));

    // What the window lays out: flat blocks, only <p>, <h1>..<h3> and <b>,
    // never more than two deep, bounded by the page.
    for (const QString& page : {text, QString::fromLatin1(parts[1])}) {
        const QList<NewsBlock> blocks = newsBlocks(page);
        PROMISE(blocks.size() <= kMaxNewsBlocks);
        const QString html = newsHtml(blocks);
        int depth = 0;
        for (qsizetype i = html.indexOf(QLatin1Char('<')); i >= 0;
             i = html.indexOf(QLatin1Char('<'), i + 1)) {
            const qsizetype end = html.indexOf(QLatin1Char('>'), i);
            PROMISE(end > i);
            const QString tag = html.mid(i + 1, end - i - 1);
            const bool closing = tag.startsWith(QLatin1Char('/'));
            const QString name = closing ? tag.mid(1) : tag.section(QLatin1Char(' '), 0, 0);
            PROMISE(name == QLatin1String("p") || name == QLatin1String("b") ||
                    name == QLatin1String("h1") || name == QLatin1String("h2") ||
                    name == QLatin1String("h3"));
            depth += closing ? -1 : 1;
            PROMISE(depth >= 0 && depth <= 2);
        }
        PROMISE(depth == 0);
        PROMISE(html.size() <= 40 * page.size() + 64);
    }

    // The report shown at start-up, from the cache and the PDF in the folder.
    ScriptedPrompter prompter;
    FixedClock clock(today);
    Transfer transfer(state, prompter, clock, http, {});
    transfer.setSite(kFuzzOperatorSite);
    QByteArray given;
    ReportHooks hooks{[&](const QByteArray& pdf) { return given = pdf, pdf.startsWith("%PDF"); },
                      [] {}};
    DrawReport report(state, transfer, http, (flags & 4) != 0, hooks);
    const int fetchesBefore = http.fetches;
    report.build(true);
    checkReportAddress(report, kFuzzOperatorSite);
    // At start-up the report is the PDF in the folder; nothing is fetched.
    PROMISE(http.fetches == fetchesBefore);
    if (report.screen().reportShown) {
        PROMISE(parts[2].left(4).toUpper() == "%PDF" && (flags & 4));
        PROMISE(given == parts[2]);
    }
    PROMISE(folder.read(kReportFile) == parts[2]);
    return 0;
}
