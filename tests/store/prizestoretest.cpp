// premios.dat: one 112-byte record per draw in date order, kept through the
// file layer like the other data files.
#include "store/prizestore.h"
#include "store/appstate.h"
#include "store/dates.h"
#include "support/tempfolder.h"

#include <QtEndian>
#include <gtest/gtest.h>

namespace {

PrizeRecord prizes(QDate day, qint64 first, int categories = 13) {
    PrizeRecord r;
    r.drawDate = oleFromDate(day);
    for (int k = 0; k < categories; ++k)
        r.cents[std::size_t(k)] = first / (k + 1);
    return r;
}

const QDate kDay(2011, 5, 10);

struct Case {
    const char* name;
    QList<PrizeRecord> stored;
    QList<QList<PrizeRecord>> answers; // stored one after the other
    QList<PrizeRecord> expected;
    int lastChanges;
};

} // namespace

TEST(PrizeFile, EachDrawOnceInDateOrderWhateverTheAnswersBring) {
    PrizeRecord partial = prizes(kDay.addDays(7), 500);
    partial.cents[0] = PrizeRecord::kUnknown; // the jackpot not known yet
    PrizeRecord completed = partial;
    completed.cents[0] = 99'000'000'00;
    const Case cases[] = {
        {"appended to an empty file",
         {},
         {{prizes(kDay, 100), prizes(kDay.addDays(3), 200)}},
         {prizes(kDay, 100), prizes(kDay.addDays(3), 200)},
         2},
        {"the same answer twice changes nothing",
         {},
         {{prizes(kDay, 100)}, {prizes(kDay, 100)}},
         {prizes(kDay, 100)},
         0},
        {"an older draw is merged into its place",
         {prizes(kDay, 100), prizes(kDay.addDays(7), 300)},
         {{prizes(kDay.addDays(3), 200)}},
         {prizes(kDay, 100), prizes(kDay.addDays(3), 200), prizes(kDay.addDays(7), 300)},
         1},
        {"a later answer fills what was unknown and keeps what it does not know",
         {partial},
         {{completed}, {partial}},
         {completed},
         0},
        {"newest first, as the service lists them",
         {},
         {{prizes(kDay.addDays(7), 3), prizes(kDay.addDays(3), 2), prizes(kDay, 1, 12)}},
         {prizes(kDay, 1, 12), prizes(kDay.addDays(3), 2), prizes(kDay.addDays(7), 3)},
         3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder dir;
        QByteArray image;
        for (const PrizeRecord& p : c.stored)
            image.append(p.encode());
        dir.write(kPrizeFile, image);
        AppState state;
        state.files.openAll(dir.path());
        int changes = -1;
        for (const QList<PrizeRecord>& answer : c.answers)
            changes = storePrizes(state.files, answer);
        EXPECT_EQ(changes, c.lastChanges);
        EXPECT_EQ(state.files.readAllPrizes(), c.expected);
        EXPECT_TRUE(isSoundPrizeFile(state.files.readAllPrizes()));
        EXPECT_FALSE(QFile::exists(dir.file(kPrizeWorkFile)));
    }
}

// The bytes on disk: the date as an OLE double, then 13 signed 64-bit
// little-endian counts of cents, -1 where unknown.
TEST(PrizeFile, RecordLayoutByteForByte) {
    PrizeRecord r = prizes(QDate(2004, 2, 13), 0, 0);
    r.cents[0] = 1'234'567'89;
    r.cents[11] = 8'70;
    const QByteArray bytes = r.encode();
    ASSERT_EQ(bytes.size(), 112);
    EXPECT_EQ(qFromLittleEndian<double>(bytes.constData()), 38030.0);
    EXPECT_EQ(qFromLittleEndian<qint64>(bytes.constData() + 8), 123456789);
    EXPECT_EQ(qFromLittleEndian<qint64>(bytes.constData() + 8 + 11 * 8), 870);
    EXPECT_EQ(qFromLittleEndian<qint64>(bytes.constData() + 8 + 12 * 8), -1);
    EXPECT_EQ(PrizeRecord::decode(bytes), r);
}

// Out of order, a day that is none, a prize below -1: set aside whole.
TEST(PrizeFile, ADamagedFileIsSetAsideAndEmptied) {
    PrizeRecord negative = prizes(kDay, 100);
    negative.cents[4] = -5;
    PrizeRecord noDay = prizes(kDay, 1);
    noDay.drawDate = 1e12;
    for (const QList<PrizeRecord>& damaged :
         {QList<PrizeRecord>{prizes(kDay.addDays(3), 1), prizes(kDay, 1)},
          QList<PrizeRecord>{negative}, QList<PrizeRecord>{noDay}}) {
        TempFolder dir;
        QByteArray image;
        for (const PrizeRecord& p : damaged)
            image.append(p.encode());
        dir.write(kPrizeFile, image);
        AppState state;
        state.files.openAll(dir.path());
        ASSERT_FALSE(isSoundPrizeFile(state.files.readAllPrizes()));
        const KeptDrawFile kept = keepDamagedPrizeFile(state.files);
        EXPECT_TRUE(kept.emptied);
        EXPECT_EQ(dir.read(QStringLiteral("premios-corrupto.dat")), image);
        EXPECT_TRUE(state.files.readAllPrizes().isEmpty());
        EXPECT_TRUE(damagedPrizesText(kept).contains(QStringLiteral("premios-corrupto.dat")));
    }
}
