#include "store/records.h"
#include "store/cp1252.h"
#include "store/dates.h"

#include <QtEndian>
#include <gtest/gtest.h>

namespace {

qint16 int16At(const QByteArray& b, int offset) {
    return qFromLittleEndian<qint16>(b.constData() + offset);
}

} // namespace

TEST(Records, NameOfFourteenCharactersIsPaddedToTwenty) {
    PenaRecord p;
    p.setName(QStringLiteral("LOS DE LA PEÑA"));
    const QByteArray image = p.encode();
    ASSERT_EQ(image.size(), 799);
    EXPECT_EQ(image.left(20), QByteArray("LOS DE LA PE\xD1"
                                         "A      "));
    EXPECT_EQ(PenaRecord::decode(image).nameText(), QStringLiteral("LOS DE LA PEÑA"));
}

TEST(Records, SimplePenaOfThreeBetsLeavesEveryUnusedSlotZero) {
    PenaRecord p;
    p.betMode = 3;
    for (int b = 0; b < 3; ++b) {
        for (int k = 0; k < 5; ++k)
            p.numbers[b][k] = static_cast<qint16>(10 * b + k + 1);
        p.stars[b][0] = 1;
        p.stars[b][1] = 12;
    }
    const QByteArray image = p.encode();
    for (int b = 1; b <= 24; ++b) {
        for (int k = 1; k <= 10; ++k) {
            const qint16 v = int16At(image, 20 + ((b - 1) * 10 + (k - 1)) * 2);
            if (b <= 3 && k <= 5)
                EXPECT_EQ(v, 10 * (b - 1) + k);
            else
                EXPECT_EQ(v, 0) << "bet " << b << " slot " << k;
        }
        for (int k = 1; k <= 5; ++k) {
            const qint16 v = int16At(image, 500 + ((b - 1) * 5 + (k - 1)) * 2);
            if (b <= 3 && k <= 2)
                EXPECT_EQ(v, k == 1 ? 1 : 12);
            else
                EXPECT_EQ(v, 0);
        }
    }
    EXPECT_EQ(int16At(image, 781), 3);
}

TEST(Records, MultipleBetOfSevenNumbersAndFourStarsSitsInSlotOne) {
    PenaRecord p;
    p.betMode = static_cast<qint16>(multipleMode(7, 4));
    const int numbers[] = {2, 9, 14, 23, 31, 40, 50};
    for (int k = 0; k < 7; ++k)
        p.numbers[0][k] = static_cast<qint16>(numbers[k]);
    for (int k = 0; k < 4; ++k)
        p.stars[0][k] = static_cast<qint16>(k + 3);
    p.hits[9] = 258;
    p.setDayFilter(QStringLiteral("Viernes"));
    p.createdOn = oleFromDate(QDate(2020, 4, 21));

    QByteArray expected(799, '\0');
    expected.replace(0, 20, QByteArray(20, ' '));
    const char nums[] = {2, 0, 9, 0, 14, 0, 23, 0, 31, 0, 40, 0, 50, 0};
    expected.replace(20, 14, QByteArray(nums, 14));
    const char stars[] = {3, 0, 4, 0, 5, 0, 6, 0};
    expected.replace(500, 8, QByteArray(stars, 8));
    expected[740 + 9 * 2] = 2; // 258 little-endian
    expected[740 + 9 * 2 + 1] = 1;
    expected.replace(766, 15, QByteArray("Viernes        "));
    expected[781] = char(174);
    // 43942.0 as a little-endian double
    const char created[] = {0, 0, 0, 0, char(0xC0), char(0x74), char(0xE5), char(0x40)};
    expected.replace(783, 8, QByteArray(created, 8));
    EXPECT_EQ(p.encode().toHex(' '), expected.toHex(' '));
    EXPECT_EQ(p.betMode, 174);
    EXPECT_EQ(modeNumbers(174), 7);
    EXPECT_EQ(modeStars(174), 4);
}

TEST(Records, DecodeEncodeKeepsEveryByte) {
    QByteArray image(799, '\0');
    for (int i = 0; i < 799; ++i)
        image[i] = static_cast<char>((i * 37 + 11) & 0xFF);
    EXPECT_EQ(PenaRecord::decode(image).encode(), image);
    QByteArray draw(22, '\0');
    for (int i = 0; i < 22; ++i)
        draw[i] = static_cast<char>(0xF0 - i);
    EXPECT_EQ(DrawRecord::decode(draw).encode(), draw);
}

TEST(Records, DrawRecordLayout) {
    DrawRecord d;
    d.numbers = {3, 17, 22, 40, 45};
    d.stars = {2, 11};
    d.drawDate = oleFromDate(QDate(2020, 4, 21));
    const QByteArray image = d.encode();
    ASSERT_EQ(image.size(), 22);
    EXPECT_EQ(int16At(image, 0), 3);
    EXPECT_EQ(int16At(image, 8), 45);
    EXPECT_EQ(int16At(image, 10), 2);
    EXPECT_EQ(int16At(image, 12), 11);
    double date;
    const quint64 bits = qFromLittleEndian<quint64>(image.constData() + 14);
    std::memcpy(&date, &bits, 8);
    EXPECT_EQ(date, 43942.0);
    EXPECT_TRUE(d.isSound());
    d.stars[1] = 13;
    EXPECT_FALSE(d.isSound());
}

TEST(Records, BetModesAndDamagedPenas) {
    EXPECT_TRUE(isValidBetMode(1));
    EXPECT_TRUE(isValidBetMode(24));
    EXPECT_FALSE(isValidBetMode(25));
    EXPECT_FALSE(isValidBetMode(0));
    EXPECT_FALSE(isValidBetMode(100));
    EXPECT_FALSE(isValidBetMode(152));
    EXPECT_TRUE(isValidBetMode(153));
    EXPECT_TRUE(isValidBetMode(205));
    EXPECT_FALSE(isValidBetMode(206));
    EXPECT_FALSE(isValidBetMode(211));
    EXPECT_FALSE(isValidBetMode(-3));

    PenaRecord p;
    p.betMode = 1;
    p.numbers[0] = {1, 2, 3, 4, 5};
    p.stars[0] = {1, 2};
    EXPECT_TRUE(isSoundPena(p));
    p.numbers[0][4] = 51;
    EXPECT_FALSE(isSoundPena(p));
    p.numbers[0][4] = 5;
    p.stars[0][1] = 0;
    EXPECT_FALSE(isSoundPena(p));
    p.stars[0][1] = 2;
    p.betMode = 30;
    EXPECT_FALSE(isSoundPena(p));
}

TEST(Dates, OleDatesAndSpanishWeekdays) {
    EXPECT_EQ(oleFromDate(QDate(1899, 12, 30)), 0.0);
    EXPECT_EQ(oleFromDate(QDate(2020, 4, 21)), 43942.0);
    EXPECT_EQ(dateFromOle(43942.0), QDate(2020, 4, 21));
    EXPECT_EQ(dateFromOle(43942.75), QDate(2020, 4, 21));
    EXPECT_FALSE(dateFromOle(1e300).isValid());
    EXPECT_EQ(diasemana(QDate(2020, 4, 21)), QStringLiteral("Martes"));
    EXPECT_EQ(diasemana(QDate(2023, 2, 24)), QStringLiteral("Viernes"));
    EXPECT_EQ(diasemana(QDate(2023, 2, 22)), QStringLiteral("Miércoles"));
    EXPECT_EQ(diasemana(QDate(2023, 2, 25)), QStringLiteral("Sábado"));
    EXPECT_EQ(longDate(QDate(2020, 4, 21)), QStringLiteral("Martes, 21 de abril del 2020"));
    EXPECT_EQ(longDate(QDate(2026, 12, 4)), QStringLiteral("Viernes, 4 de diciembre del 2026"));
    EXPECT_EQ(shortDate(QDate(2023, 3, 7)), QStringLiteral("07/03/2023"));
}

TEST(Cp1252, EveryByteRoundTripsAndForeignCharactersAreRefused) {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    EXPECT_EQ(toCp1252(fromCp1252(all)), all);
    EXPECT_EQ(fromCp1252(QByteArray("\x80\xD1\xF1")), QStringLiteral("€Ññ"));
    EXPECT_TRUE(isCp1252(QStringLiteral("ÁÉÍÓÚÜÑ€")));
    EXPECT_FALSE(isCp1252(QStringLiteral("Ω")));
    EXPECT_FALSE(isCp1252(QChar(0x4E2D)));
}
