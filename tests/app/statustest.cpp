#include "app/status.h"
#include "store/dates.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

namespace {

const QDate kWednesday(2023, 3, 8);

QList<DrawRecord> drawOn(QDate day) {
    return {makeDraw(day, {1, 2, 3, 4, 5}, {1, 2})};
}

} // namespace

TEST(Status, NeverUpdated) {
    const StatusView v = computeStatus({}, {}, kWednesday);
    EXPECT_EQ(v.nextDrawRecord, 1);
    EXPECT_EQ(v.latestDraw.drawDate, 0.0);
    EXPECT_EQ(v.lastUpdate, QStringLiteral("Fichero de datos vacío."));
    EXPECT_FALSE(v.optionBoxesEnabled);
    EXPECT_FALSE(v.drawsToShowEnabled);
    EXPECT_TRUE(v.warningBlinks);
    EXPECT_EQ(v.warning, QStringLiteral("No se ha actualizado nunca"));
    EXPECT_EQ(v.nextDraw, QStringLiteral("Viernes, 10 de marzo del 2023"));
}

TEST(Status, WeeksMissingByAgeOfTheLastDraw) {
    const QDate today(2023, 3, 28);
    const StatusView fresh = computeStatus(drawOn(today.addDays(-5)), {}, today);
    EXPECT_FALSE(fresh.warningBlinks);
    EXPECT_TRUE(fresh.warning.isEmpty());
    EXPECT_TRUE(fresh.optionBoxesEnabled);
    EXPECT_EQ(fresh.lastUpdate, QStringLiteral("Jueves, 23 de marzo del 2023"));

    EXPECT_TRUE(computeStatus(drawOn(today.addDays(-7)), {}, today).warning.isEmpty());
    const StatusView ten = computeStatus(drawOn(today.addDays(-10)), {}, today);
    EXPECT_TRUE(ten.warningBlinks);
    EXPECT_EQ(ten.warning, QStringLiteral("Falta 1 semana por actualizar"));
    EXPECT_EQ(computeStatus(drawOn(today.addDays(-15)), {}, today).warning,
              QStringLiteral("Falta 1 semana por actualizar"));
    EXPECT_EQ(computeStatus(drawOn(today.addDays(-16)), {}, today).warning,
              QStringLiteral("Faltan 2 semanas por actualizar"));
    EXPECT_EQ(computeStatus(drawOn(today.addDays(-23)), {}, today).warning,
              QStringLiteral("Faltan 3 semanas por actualizar"));
    // A draw dated after today (clock set back) is not "missing".
    EXPECT_TRUE(computeStatus(drawOn(today.addDays(3)), {}, today).warning.isEmpty());
}

TEST(Status, NextDrawOnFridayWithAndWithoutTodaysDraw) {
    const QDate friday(2023, 3, 10);
    const QDate tuesdayBefore(2023, 3, 7);
    EXPECT_EQ(computeStatus(drawOn(friday), {}, friday).nextDraw,
              QStringLiteral("Martes, 14 de marzo del 2023"));
    EXPECT_EQ(computeStatus(drawOn(tuesdayBefore), {}, friday).nextDraw,
              QStringLiteral("Viernes, 10 de marzo del 2023"));
    // Saturday: the coming Tuesday.
    EXPECT_EQ(computeStatus(drawOn(friday), {}, friday.addDays(1)).nextDraw,
              QStringLiteral("Martes, 14 de marzo del 2023"));
}

TEST(Status, DrawsToShowFollowsTheDrawCount) {
    QList<DrawRecord> draws;
    for (int i = 0; i < 4; ++i)
        draws.append(makeDraw(QDate(2023, 1, 3).addDays(7 * i), {1, 2, 3, 4, 5}, {1, 2}));
    const StatusView v = computeStatus(draws, {}, QDate(2023, 1, 30));
    EXPECT_EQ(v.nextDrawRecord, 5);
    EXPECT_TRUE(v.drawsToShowEnabled);
    EXPECT_EQ(v.drawsToShowMaximum, 4);
    EXPECT_EQ(v.latestDraw.drawDate, draws.last().drawDate);
}

TEST(PlayedDraws, CountsDrawsThatSomePeñaPlaysFromPeñaOnesCreation) {
    // Ten draws alternating Tuesday / Friday from 2023-01-03 on: five Tuesdays.
    QList<DrawRecord> draws;
    QDate day(2023, 1, 3);
    for (int i = 0; i < 10; ++i) {
        draws.append(makeDraw(day, {1, 2, 3, 4, 5}, {1, 2}));
        day = day.addDays(day.dayOfWeek() == Qt::Tuesday ? 3 : 4);
    }
    PenaRecord tuesdays = makeSimplePena(QStringLiteral("A"), QStringLiteral("Martes"),
                                         QDate(2022, 12, 1), {{{1, 2, 3, 4, 5}, {1, 2}}});
    EXPECT_EQ(countPlayedDraws(draws, {tuesdays}), 5);
    PenaRecord all = tuesdays;
    all.setDayFilter(QStringLiteral("Todos"));
    EXPECT_EQ(countPlayedDraws(draws, {all}), 10);
    EXPECT_EQ(countPlayedDraws(draws, {}), 0);

    // Only peña 1's creation date matters; the others only add their days.
    PenaRecord lateFridays = makeSimplePena(QStringLiteral("B"), QStringLiteral("Viernes"),
                                            QDate(2030, 1, 1), {{{1, 2, 3, 4, 5}, {1, 2}}});
    EXPECT_EQ(countPlayedDraws(draws, {tuesdays, lateFridays}), 10);
    PenaRecord createdMidway = tuesdays;
    createdMidway.createdOn = draws[4].drawDate; // the third Tuesday
    EXPECT_EQ(countPlayedDraws(draws, {createdMidway}), 3);
}
