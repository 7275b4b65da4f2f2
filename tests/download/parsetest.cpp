#include "download/parse.h"
#include "download/cache.h"
#include "download/drawprizes.h"
#include "store/dates.h"
#include "support/answers.h"

#include <gtest/gtest.h>

namespace {

// The draws of the 101 days ending on Wednesday 1 March 2023: 29 draws, newest 28 February.
const QDate kToday(2023, 3, 1);
const QList<AnswerDraw> kWindow = drawsBetween(kToday.addDays(-100), kToday);

struct Parsed {
    QList<double> dates;
    QList<DrawRecord> draws;
};

Parsed parse(const QString& answer, QDate newestStored) {
    CacheReader cache(cacheLine(answer));
    Parsed out;
    out.dates =
        newDrawDates(cache, answer.size(), newestStored.isValid() ? oleFromDate(newestStored) : 0);
    readCombinations(cache, out.dates, out.draws);
    return out;
}

QString answerWith(const QList<std::pair<AnswerDraw, QString>>& draws) {
    QStringList parts;
    for (const auto& [draw, combination] : draws)
        parts.append(drawJson(draw, combination));
    return QLatin1Char('[') + parts.join(QLatin1Char(',')) + QLatin1Char(']');
}

void expectDraw(const DrawRecord& got, const AnswerDraw& want) {
    EXPECT_EQ(dateFromOle(got.drawDate), want.date);
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(got.numbers[k], want.numbers[k]);
    EXPECT_EQ(got.stars[0], want.stars[0]);
    EXPECT_EQ(got.stars[1], want.stars[1]);
}

} // namespace

TEST(Parse, OnlyDrawsNewerThanTheStoredOneMatchedFromTheTop) {
    // Stored newest 2023-02-21; the answer lists 28, 24, 21 February and older.
    const Parsed p = parse(answerJson(kWindow), QDate(2023, 2, 21));
    ASSERT_EQ(p.dates.size(), 2);
    ASSERT_EQ(p.draws.size(), 2);
    expectDraw(p.draws[0], kWindow[0]);
    expectDraw(p.draws[1], kWindow[1]);
    // The same answer once they are stored: nothing new.
    EXPECT_TRUE(parse(answerJson(kWindow), QDate(2023, 2, 28)).draws.isEmpty());
}

TEST(Parse, NoDrawOfALongAnswerIsSkipped) {
    // With nothing stored, all 29 draws, the oldest ones of the last 10,000 characters too.
    ASSERT_EQ(kWindow.size(), 29);
    ASSERT_GT(drawJson(kWindow.last()).size(), 1000);
    const Parsed p = parse(answerJson(kWindow), QDate());
    ASSERT_EQ(p.draws.size(), 29);
    for (int i = 0; i < 29; ++i)
        expectDraw(p.draws[i], kWindow[i]);
    // A store older than the answer: its oldest draw is found as well.
    EXPECT_EQ(parse(answerJson(kWindow), QDate(2022, 6, 3)).draws.size(), 29);
}

TEST(Parse, ShortLongAndBrokenAnswers) {
    // 10,000 characters or fewer are not searched.
    const QString five = answerJson(kWindow.mid(0, 5));
    ASSERT_LE(five.size(), 10000);
    EXPECT_TRUE(parse(five, QDate()).dates.isEmpty());
    // A long page without any draw: the three date parts are empty, "//" is no date.
    EXPECT_THROW(parse(errorPage(12000), QDate()), ParseError);
    // A date that is not one.
    QString text = answerJson(kWindow);
    text.replace(QStringLiteral("2023-02-28 21"), QStringLiteral("2023-02-30 21"));
    EXPECT_THROW(parse(text, QDate()), ParseError);
    // A 51st new draw.
    const QList<AnswerDraw> long51 = drawsBetween(QDate(2022, 6, 1), kToday);
    ASSERT_GT(long51.size(), 50);
    EXPECT_THROW(parse(answerJson(long51), QDate()), ParseError);
    const auto newer = std::count_if(long51.begin(), long51.end(), [](const AnswerDraw& d) {
        return d.date > QDate(2022, 10, 1);
    });
    ASSERT_LE(newer, 50);
    EXPECT_EQ(parse(answerJson(long51), QDate(2022, 10, 1)).draws.size(), newer);
}

TEST(Parse, FirstNumberZeroTakesTheNextCombinationOnce) {
    const QString zero = QStringLiteral("0 - 0 - 0 - 0 - 0 - 00 - 00");
    QList<std::pair<AnswerDraw, QString>> draws;
    for (const AnswerDraw& d : kWindow.mid(0, 10))
        draws.append({d, QString()});
    // Once: the newest date gets the combination that follows, and so on down.
    draws[0].second = zero;
    Parsed p = parse(answerWith(draws), QDate(2023, 2, 10));
    ASSERT_EQ(p.dates.size(), 5);
    ASSERT_EQ(p.draws.size(), 5);
    AnswerDraw shifted = kWindow[1];
    shifted.date = kWindow[0].date;
    expectDraw(p.draws[0], shifted);
    // Twice in a row: nothing from this draw on.
    draws[1].second = zero;
    EXPECT_TRUE(parse(answerWith(draws), QDate(2023, 2, 10)).draws.isEmpty());
}

TEST(Parse, AZeroStopsThePassAndAValueOutOfRangeRefusesTheAnswer) {
    const struct {
        const char* combination;
        bool refused;
    } cases[] = {
        {"3 - 15 - 16 - 21 - 51 - 06 - 09", true},  {"3 - 15 - 16 - 21 - 40 - 06 - 13", true},
        {"60 - 15 - 16 - 21 - 40 - 06 - 09", true}, {"3 - 15 - 0 - 21 - 40 - 06 - 09", false},
        {"3 - 15 - 16 - 21 - 40 - 00 - 09", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.combination);
        QList<std::pair<AnswerDraw, QString>> draws;
        for (const AnswerDraw& d : kWindow.mid(0, 10))
            draws.append({d, QString()});
        draws[2].second = QLatin1String(c.combination);
        if (c.refused) {
            EXPECT_THROW(parse(answerWith(draws), QDate(2023, 2, 1)), ValueOutOfRange);
            continue;
        }
        const Parsed p = parse(answerWith(draws), QDate(2023, 2, 1));
        EXPECT_EQ(p.dates.size(), 8);
        // A value not there yet: the two newer draws are kept, the rest dropped.
        ASSERT_EQ(p.draws.size(), 2);
        expectDraw(p.draws[1], kWindow[1]);
    }
}

// A prize reads as the report writes it or as a plain number; anything else
// is unknown rather than a wrong amount.
TEST(Prizes, TextsReadAsCentsOrUnknown) {
    const struct {
        const char* text;
        std::optional<qint64> cents;
    } cases[] = {
        {"1.234.567,89 €", 123456789},
        {"1234567.89", 123456789},
        {"0.00", 0},
        {"7,5 €", 750},
        {"12", 1200},
        {"250.000,00", 25000000},
        {"1.234", std::nullopt},
        {"1.23.4,00", std::nullopt},
        {"-5.00", std::nullopt},
        {"", std::nullopt},
        {"abc", std::nullopt},
        {"1,234", std::nullopt},
        {"99999999999999.00", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(prizeCents(QString::fromUtf8(c.text)), c.cents) << c.text;
}

// Each entry's prize goes by its own category number, inside its own draw;
// a number the draw's era did not have is left out.
TEST(Prizes, ReadByCategoryNumberInsideEachDraw) {
    const AnswerDraw newer{QDate(2026, 12, 8), {1, 2, 3, 4, 5}, {1, 2}};
    const AnswerDraw older{QDate(2010, 1, 8), {6, 7, 8, 9, 10}, {3, 4}};
    QString first = drawJson(newer, QString(), {QStringLiteral("1.000,00 €")});
    // The entries listed backwards, 13 first: entry k (from 0) becomes
    // category 13 - k and its prize 13 - k euros.
    QStringList thirteen;
    for (int k = 13; k >= 1; --k)
        thirteen.append(QStringLiteral("%1.00").arg(k));
    QString second = drawJson(older, QString(), thirteen);
    for (int k = 0; k < 13; ++k)
        second.replace(
            QStringLiteral("\"categoria\":%1,\"premio\":\"%2.00\"").arg(k + 1).arg(13 - k),
            QStringLiteral("\"categoria\":%1,\"premio\":\"%1.00\"").arg(13 - k));
    const QList<PrizeRecord> read = answerPrizes(
        (QLatin1Char('[') + first + QLatin1Char(',') + second + QLatin1Char(']')).toUtf8());
    ASSERT_EQ(read.size(), 2);
    EXPECT_EQ(read[0].drawDate, oleFromDate(newer.date));
    EXPECT_EQ(read[0].cents[0], 100000);
    for (std::size_t k = 1; k < 13; ++k)
        EXPECT_EQ(read[0].cents[k], PrizeRecord::kUnknown) << k;
    // 2010 had no 13th category.
    for (std::size_t k = 0; k < 12; ++k)
        EXPECT_EQ(read[1].cents[k], qint64(k + 1) * 100) << k;
    EXPECT_EQ(read[1].cents[12], PrizeRecord::kUnknown);
}
