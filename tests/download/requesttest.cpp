#include "download/request.h"
#include "download/cache.h"
#include "store/appstate.h"
#include "support/tempfolder.h"

#include <QDir>
#include <gtest/gtest.h>

TEST(Request, AsksForTheLast100DaysWithEightDigitDates) {
    const struct {
        QDate today;
        const char* first;
        const char* last;
    } cases[] = {
        {QDate(2023, 2, 24), "20221116", "20230224"},
        {QDate(2023, 3, 5), "20221125", "20230305"}, // month 11, day 25
        {QDate(2023, 1, 9), "20221001", "20230109"}, // month 01, day 09
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.today.toString(Qt::ISODate).toStdString());
        EXPECT_EQ(eightDigits(windowStart(c.today)), QLatin1String(c.first));
        EXPECT_EQ(requestAddress(QStringLiteral("https://www.loteriasyapuestas.es"), c.today),
                  QStringLiteral("https://www.loteriasyapuestas.es/servicios/buscadorSorteos?"
                                 "game_id=EMIL&celebrados=true&fechaInicioInclusiva=%1&"
                                 "fechaFinInclusiva=%2")
                      .arg(QLatin1String(c.first), QLatin1String(c.last)));
    }
    // A test origin with a port, written with a trailing slash.
    EXPECT_TRUE(
        requestAddress(QStringLiteral("http://127.0.0.1:8080/"), QDate(2023, 1, 9))
            .startsWith(QStringLiteral("http://127.0.0.1:8080/servicios/buscadorSorteos?")));
}

TEST(Cache, OneLineQuotesDoubledOneBytePerCharacter) {
    const struct {
        QString answer;
        QByteArray line;
    } cases[] = {
        // Nine characters holding four quotes: 1 + 13 + 1 + CR LF = 17 bytes.
        {QStringLiteral("a\"b\"c\"d\"e"), QByteArray("\"a\"\"b\"\"c\"\"d\"\"e\"\r\n")},
        {QStringLiteral("[]"), QByteArray("\"[]\"\r\n")},
        // Windows-1252 where it can, "?" where it cannot: still one byte per character.
        {QStringLiteral("1\u00aa Categor\u00eda \u20ac \u0416"), QByteArray("\"1\xaa Categor\xed"
                                                                            "a \x80 ?\"\r\n")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(cacheLine(c.answer), c.line);
    EXPECT_EQ(cacheLine(cases[0].answer).size(), 17);
    EXPECT_EQ(cacheLine(cases[2].answer).size(), cases[2].answer.size() + 4);
}

TEST(Cache, ReplacedWholeOrNotAtAll) {
    TempFolder dir;
    dir.write(QStringLiteral("www.txt"), "\"old\"\r\n");
    AppState state;
    state.files.openAll(dir.path());

    replaceCache(state.files, "\"new\"\r\n");
    EXPECT_EQ(dir.read(QStringLiteral("www.txt")), QByteArray("\"new\"\r\n"));
    EXPECT_FALSE(QFile::exists(dir.file(QStringLiteral("www.tmp"))));
    ASSERT_TRUE(state.files.www().isOpen());
    state.files.www().seek(0);
    EXPECT_EQ(state.files.www().readAll(), QByteArray("\"new\"\r\n"));

    // The work file cannot be created: the cache keeps the previous answer, open.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("www.tmp")));
    EXPECT_THROW(replaceCache(state.files, "\"newer\"\r\n"), StoreError);
    EXPECT_EQ(dir.read(QStringLiteral("www.txt")), QByteArray("\"new\"\r\n"));
    EXPECT_TRUE(state.files.www().isOpen());
}
