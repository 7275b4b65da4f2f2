#include "download/busca.h"
#include "download/cache.h"

#include <gtest/gtest.h>

TEST(Busca, ReadsTheDateOfTheCacheLayoutAcrossLetterCase) {
    for (const char* key : {"fecha_sorteo", "FECHA_SORTEO", "FeCha_Sorteo"}) {
        CacheReader r(cacheLine(QStringLiteral("[{\"FECHA_Sorteo\":\"2023-02-28 21:00:00\"}]")));
        EXPECT_EQ(r.busca(QLatin1String(key), QStringLiteral(":\"")), QStringLiteral("\"\""));
        EXPECT_FALSE(r.keyNotFound());
        // On the colon's quote; one forward is the second quote opening the value.
        r.forward();
        EXPECT_EQ(r.busca(QStringLiteral("\""), QStringLiteral("-")), QStringLiteral("2023"));
        r.back();
        EXPECT_EQ(r.busca(QStringLiteral("-"), QStringLiteral("-")), QStringLiteral("02"));
        r.back();
        EXPECT_EQ(r.busca(QStringLiteral("-"), QStringLiteral(" ")), QStringLiteral("28"));
        // The space after the day is byte 33: the next read starts at byte 34.
        EXPECT_EQ(r.pos(), 34);
    }
    // The terminator is matched without regard to case too; the value keeps its own.
    CacheReader r(QByteArray("key=AbcXyZ"));
    EXPECT_EQ(r.busca(QStringLiteral("KEY="), QStringLiteral("xy")), QStringLiteral("Abc"));
}

TEST(Busca, AtTheEndOfTheCache) {
    // A key that ends on the last byte is never found.
    CacheReader last(QByteArray("xxKEY"));
    EXPECT_EQ(last.busca(QStringLiteral("key"), QStringLiteral("-")), QString());
    EXPECT_TRUE(last.keyNotFound());

    // No terminator: the scan stops at the byte before the last, which it does not keep.
    CacheReader open(QByteArray("KEYabc"));
    EXPECT_EQ(open.busca(QStringLiteral("KEY"), QStringLiteral("-")), QStringLiteral("a"));
    EXPECT_EQ(open.pos(), 6);

    // A value that runs past the end is an error for the caller.
    CacheReader past(QByteArray("KEYa"));
    EXPECT_THROW(past.busca(QStringLiteral("KEY"), QStringLiteral("-")), ParseError);

    // A missing key on a long cache: empty text, flag set; the next search clears it.
    CacheReader none(cacheLine(QString(12000, QLatin1Char('x'))));
    EXPECT_EQ(none.busca(QStringLiteral("fecha_sorteo"), QStringLiteral(":\"")), QString());
    EXPECT_TRUE(none.keyNotFound());
    none.seek(1);
    none.busca(QStringLiteral("xx"), QStringLiteral("x"));
    EXPECT_FALSE(none.keyNotFound());
}

TEST(Busca, NumberValues) {
    const struct {
        const char* text;
        int value;
    } cases[] = {{"08 ", 8}, {"09\"\",\"\"", 9}, {"", 0}, {"  7", 7}, {"x1", 0}, {"32767", 32767}};
    for (const auto& c : cases)
        EXPECT_EQ(numberValue(QLatin1String(c.text)), c.value) << c.text;
    EXPECT_THROW(numberValue(QStringLiteral("32768")), ParseError);
}
