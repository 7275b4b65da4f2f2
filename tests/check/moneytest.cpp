// The amounts against an independent reckoning: every multiple bet spelled
// out into its simple bets, hits counted value by value, each era's official
// order written out again here, the price by its date.

#include "check/money.h"
#include "check/betprice.h"
#include "check/moneytext.h"
#include "checkfixture.h"
#include "store/dates.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

using Bet = std::pair<std::vector<int>, std::vector<int>>; // five numbers, two stars

// Official order of each era as hit patterns (numbers * 10 + stars).
int officialPattern(QDate day, int c) {
    static const int before2011[] = {52, 51, 50, 42, 41, 40, 32, 31, 22, 30, 12, 21};
    static const int from2011[] = {52, 51, 50, 42, 41, 40, 32, 22, 31, 30, 12, 21, 20};
    static const int from2016[] = {52, 51, 50, 42, 41, 32, 40, 22, 31, 30, 12, 21, 20};
    if (day < QDate(2011, 5, 10)) return c <= 12 ? before2011[c - 1] : -1;
    return day < QDate(2016, 9, 27) ? from2011[c - 1] : from2016[c - 1];
}

void choose(const std::vector<int>& from, int k, std::size_t at, std::vector<int>& now,
            std::vector<std::vector<int>>& out) {
    if (int(now.size()) == k) {
        out.push_back(now);
        return;
    }
    for (std::size_t i = at; i < from.size(); ++i) {
        now.push_back(from[i]);
        choose(from, k, i + 1, now, out);
        now.pop_back();
    }
}

std::vector<std::vector<int>> subsets(const std::vector<int>& from, int k) {
    std::vector<std::vector<int>> out;
    std::vector<int> now;
    choose(from, k, 0, now, out);
    return out;
}

// Every simple bet the peña plays.
std::vector<Bet> simpleBets(const PenaRecord& p) {
    std::vector<Bet> out;
    if (p.betMode < 100) {
        for (int b = 0; b < p.betMode; ++b)
            out.push_back({{p.numbers[b].begin(), p.numbers[b].begin() + 5},
                           {p.stars[b].begin(), p.stars[b].begin() + 2}});
        return out;
    }
    const int n = (p.betMode - 100) / 10, s = (p.betMode - 100) % 10;
    const std::vector<int> numbers(p.numbers[0].begin(), p.numbers[0].begin() + n);
    const std::vector<int> stars(p.stars[0].begin(), p.stars[0].begin() + s);
    for (const auto& five : subsets(numbers, 5))
        for (const auto& two : subsets(stars, 2))
            out.push_back({five, two});
    return out;
}

struct Reckoning {
    qint64 won = 0, played = 0;
    int unknownDraws = 0;
    std::vector<qint64> balances; // after each counted draw, oldest first
};

Reckoning reckon(const PenaRecord& p, QList<DrawRecord> draws, const QList<PrizeRecord>& prizes) {
    std::sort(draws.begin(), draws.end(),
              [](const DrawRecord& a, const DrawRecord& b) { return a.drawDate < b.drawDate; });
    const QString days = p.dayFilterText();
    const std::vector<Bet> bets = simpleBets(p);
    Reckoning r;
    for (const DrawRecord& d : draws) {
        const QDate day = dateFromOle(d.drawDate);
        const bool onDay = days == QStringLiteral("Todos") ||
                           (days == QStringLiteral("Martes") && day.dayOfWeek() == 2) ||
                           (days == QStringLiteral("Viernes") && day.dayOfWeek() == 5);
        if (!onDay || d.drawDate < p.createdOn || d.drawDate > p.lastCounted) continue;
        const PrizeRecord* record = nullptr;
        for (const PrizeRecord& pr : prizes)
            if (pr.drawDate == d.drawDate) record = &pr;
        bool known = record != nullptr && std::any_of(record->cents.begin(), record->cents.end(),
                                                      [](qint64 c) { return c >= 0; });
        for (const Bet& bet : bets) {
            int a = 0, b = 0;
            for (int x : bet.first)
                a += int(std::count(d.numbers.begin(), d.numbers.end(), x) > 0);
            for (int x : bet.second)
                b += int(std::count(d.stars.begin(), d.stars.end(), x) > 0);
            for (int c = 1; c <= 13; ++c) {
                if (officialPattern(day, c) != a * 10 + b) continue;
                const qint64 prize = record ? record->cents[std::size_t(c - 1)] : -1;
                if (prize < 0)
                    known = false;
                else
                    r.won += prize;
            }
        }
        r.played += qint64(bets.size()) * (day < QDate(2016, 9, 27) ? 200 : 250);
        r.unknownDraws += int(!known);
        r.balances.push_back(r.won - r.played);
    }
    return r;
}

std::vector<int> distinct(std::mt19937& rng, int count, int highest) {
    std::vector<int> all(static_cast<std::size_t>(highest));
    for (int i = 0; i < highest; ++i)
        all[std::size_t(i)] = i + 1;
    std::shuffle(all.begin(), all.end(), rng);
    all.resize(std::size_t(count));
    std::sort(all.begin(), all.end());
    return all;
}

const char* const kDays[] = {"Martes", "Viernes", "Todos"};
const int kModes[] = {153, 154, 155, 162, 163, 164, 165, 172, 173, 174, 175, 182,
                      183, 184, 185, 192, 193, 194, 195, 202, 203, 204, 205};

struct RandomFolder {
    QList<PenaRecord> penas;
    QList<DrawRecord> draws, later;
    QList<PrizeRecord> prizes;
};

// Numbers from a narrow range so that prizes are frequent; draws across the
// two changes of the rules and of the price.
RandomFolder randomFolder(unsigned seed) {
    std::mt19937 rng(seed);
    const auto pick = [&](int lo, int hi) { return std::uniform_int_distribution(lo, hi)(rng); };
    RandomFolder f;
    const QDate starts[] = {QDate(2010, 12, 3), QDate(2011, 4, 1), QDate(2016, 7, 1),
                            QDate(2016, 9, 2), QDate(2020, 1, 3)};
    QDate day = starts[pick(0, 4)];
    const int count = pick(10, 60);
    for (int i = 0; i < count + 6; ++i) {
        const auto n = distinct(rng, 5, 14), s = distinct(rng, 2, 6);
        const DrawRecord d = makeDraw(day, {n[0], n[1], n[2], n[3], n[4]}, {s[0], s[1]});
        (i < count ? f.draws : f.later).append(d);
        if (pick(0, 5) > 0) {
            PrizeRecord pr;
            pr.drawDate = d.drawDate;
            for (qint64& c : pr.cents)
                c = pick(0, 9) == 0 ? -1 : pick(0, 9) == 0 ? 0 : pick(1, 5'000'000'00);
            if (pick(0, 7) == 0) pr.cents.fill(-1);
            f.prizes.append(pr);
        }
        day = day.addDays(day.dayOfWeek() == 2 ? 3 : 4);
    }
    const double first = f.draws.first().drawDate, last = f.draws.last().drawDate;
    for (int p = pick(1, 6); p > 0; --p) {
        const QDate created = dateFromOle(first + pick(-10, int(last - first) + 3));
        const QString days = QString::fromLatin1(kDays[pick(0, 2)]);
        if (pick(0, 1)) {
            const int mode = kModes[pick(0, 22)];
            const auto n = distinct(rng, (mode - 100) / 10, 14);
            const auto s = distinct(rng, (mode - 100) % 10, 6);
            f.penas.append(makeMultiplePena(QStringLiteral("M%1").arg(p), days, created,
                                            QList<int>(n.begin(), n.end()),
                                            QList<int>(s.begin(), s.end())));
        } else {
            QList<std::pair<std::array<int, 5>, std::array<int, 2>>> bets;
            for (int b = pick(1, 24); b > 0; --b) {
                const auto n = distinct(rng, 5, 14), s = distinct(rng, 2, 6);
                bets.append({{n[0], n[1], n[2], n[3], n[4]}, {s[0], s[1]}});
            }
            f.penas.append(makeSimplePena(QStringLiteral("S%1").arg(p), days, created, bets));
        }
    }
    return f;
}

QByteArray prizeFile(const QList<PrizeRecord>& prizes) {
    QByteArray out;
    for (const PrizeRecord& p : prizes)
        out += p.encode();
    return out;
}

// The folder as the program leaves it after a pass, with draws added later
// that no pass has counted yet.
void openCounted(CheckFolder& f, const RandomFolder& r) {
    f.dir.write(QStringLiteral("premios.dat"), prizeFile(r.prizes));
    f.open(r.penas, r.draws);
    buildSimpleResults(f.state, f.blink, 1);
    f.state.files.appendDraws(int(r.draws.size()) + 1, r.later);
    f.recount();
}

TEST(Money, AgreesWithAnIndependentReckoningOverRandomFolders) {
    int prizedDraws = 0, unknown = 0;
    for (unsigned seed = 1; seed <= 60; ++seed) {
        SCOPED_TRACE(seed);
        const RandomFolder r = randomFolder(seed);
        CheckFolder f;
        openCounted(f, r);
        const QList<DrawRecord> draws = f.state.files.readAllDraws();
        const QList<PrizeRecord> prizes = f.state.files.readAllPrizes();
        const QList<PenaRecord> penas = f.state.files.readAllPenas();
        Reckoning all;
        for (const PenaRecord& p : penas) {
            SCOPED_TRACE(p.nameText().toStdString());
            const Reckoning want = reckon(p, draws, prizes);
            const PenaMoney got = penaMoney(p, draws, prizes);
            EXPECT_EQ(got.won, want.won);
            EXPECT_EQ(got.played, want.played);
            EXPECT_EQ(got.unknownDraws, want.unknownDraws);
            ASSERT_EQ(std::size_t(got.draws.size()), want.balances.size());
            for (qsizetype i = 0; i < got.draws.size(); ++i)
                EXPECT_EQ(got.draws[i].balance, want.balances[std::size_t(i)]);
            all.won += want.won;
            all.played += want.played;
            for (const DrawMoney& m : got.draws)
                prizedDraws += int(m.won > 0);
            unknown += want.unknownDraws;
        }
        const PenaMoney together = allPenasMoney(penas, draws, prizes);
        EXPECT_EQ(together.won, all.won);
        EXPECT_EQ(together.played, all.played);
    }
    // The folders did hold prizes, known and not known.
    EXPECT_GT(prizedDraws, 100);
    EXPECT_GT(unknown, 20);
}

// A multiple bet small enough to be written out as simple bets wins and
// plays, draw by draw, what those simple bets do.
TEST(Money, MultipleBetIsTheSumOfItsSimpleBets) {
    int compared = 0;
    for (unsigned seed = 100; seed < 160; ++seed) {
        SCOPED_TRACE(seed);
        RandomFolder r = randomFolder(seed);
        QList<PenaRecord> spelled;
        for (const PenaRecord& p : r.penas) {
            if (p.betMode < 100 || cuantos(p.betMode) > kMaxBets) continue;
            QList<std::pair<std::array<int, 5>, std::array<int, 2>>> bets;
            for (const Bet& b : simpleBets(p))
                bets.append({{b.first[0], b.first[1], b.first[2], b.first[3], b.first[4]},
                             {b.second[0], b.second[1]}});
            spelled.append(p);
            spelled.append(makeSimplePena(QStringLiteral("x"), p.dayFilterText(), QDate(), bets));
            spelled.last().createdOn = p.createdOn;
        }
        if (spelled.isEmpty()) continue;
        r.penas = spelled;
        CheckFolder f;
        openCounted(f, r);
        const QList<PenaRecord> penas = f.state.files.readAllPenas();
        for (qsizetype i = 0; i < penas.size(); i += 2) {
            const PenaMoney multiple =
                penaMoney(penas[i], f.state.files.readAllDraws(), f.state.files.readAllPrizes());
            const PenaMoney simple = penaMoney(penas[i + 1], f.state.files.readAllDraws(),
                                               f.state.files.readAllPrizes());
            ASSERT_EQ(multiple.draws.size(), simple.draws.size());
            for (qsizetype d = 0; d < multiple.draws.size(); ++d) {
                EXPECT_EQ(multiple.draws[d].won, simple.draws[d].won);
                EXPECT_EQ(multiple.draws[d].played, simple.draws[d].played);
                EXPECT_EQ(multiple.draws[d].bets, simple.draws[d].bets);
            }
            EXPECT_EQ(multiple.unknownDraws, simple.unknownDraws);
            ++compared;
        }
    }
    EXPECT_GT(compared, 10);
}

TEST(Money, PriceChangesWithTheFirstDrawOfTwelveStars) {
    EXPECT_EQ(betPriceCents(oleFromDate(QDate(2004, 2, 13))), 200);
    EXPECT_EQ(betPriceCents(oleFromDate(QDate(2016, 9, 23))), 200);
    EXPECT_EQ(betPriceCents(oleFromDate(QDate(2016, 9, 27))), 250);
    EXPECT_EQ(betPriceCents(oleFromDate(QDate(2026, 12, 8))), 250);
}

TEST(Money, AmountsAreWrittenTheSpanishWay) {
    const struct {
        qint64 cents;
        const char* text;
        const char* plain;
    } cases[] = {
        {0, "0,00 €", "0,00"},
        {5, "0,05 €", "0,05"},
        {-250, "-2,50 €", "-2,50"},
        {123456, "1.234,56 €", "1234,56"},
        {-100000000, "-1.000.000,00 €", "-1000000,00"},
        {99999, "999,99 €", "999,99"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(eurosText(c.cents), QString::fromUtf8(c.text));
        EXPECT_EQ(plainEurosText(c.cents), QString::fromUtf8(c.plain));
    }
    EXPECT_EQ(unknownDrawsText(0), QString());
    EXPECT_EQ(unknownDrawsText(1), QStringLiteral("(1 sorteo sin premios conocidos)"));
    EXPECT_EQ(unknownDrawsText(7), QStringLiteral("(7 sorteos sin premios conocidos)"));
}

// Played and balance follow the counted draws only; the balance goes red
// below zero.
TEST(Money, LinesOfAPenaThatPlayedWithoutPrizes) {
    CheckFolder f;
    const QList<DrawRecord> draws = drawSeries(QDate(2016, 9, 20), 4); // 20, 23, 27, 30 Sep
    PrizeRecord known;
    known.drawDate = draws[2].drawDate;
    known.cents.fill(1000);
    f.dir.write(QStringLiteral("premios.dat"), known.encode());
    f.open({makeSimplePena(QStringLiteral("A"), QStringLiteral("Todos"), QDate(2016, 9, 21),
                           {{{1, 2, 3, 4, 5}, {1, 2}}, {{6, 7, 8, 9, 10}, {3, 4}}})},
           draws);
    buildSimpleResults(f.state, f.blink, 1);
    const PenaMoney m =
        penaMoney(f.pena(1), f.state.files.readAllDraws(), f.state.files.readAllPrizes());
    EXPECT_EQ(m.played, 2 * 200 + 2 * 250 + 2 * 250);
    EXPECT_EQ(m.won, 0);
    EXPECT_EQ(m.unknownDraws, 2);
    const MoneyLines l = moneyLines(m);
    EXPECT_EQ(l.played, QStringLiteral("14,00 €"));
    EXPECT_EQ(l.balance, QStringLiteral("-14,00 €"));
    EXPECT_TRUE(l.balanceNegative);
    EXPECT_EQ(l.unknownNote, QStringLiteral("(2 sorteos sin premios conocidos)"));
}

// The prize rows of both lists tell what the bet won when the draw's
// prizes are known, and only then.
TEST(Money, ResultsListsShowTheAmountWon) {
    CheckFolder f;
    PrizeRecord p;
    p.drawDate = oleFromDate(QDate(2023, 3, 7));
    p.cents.fill(PrizeRecord::kUnknown);
    p.cents[9] = 1252; // official 10th: 3+0
    p.cents[12] = 420; // official 13th: 2+0
    f.dir.write(QStringLiteral("premios.dat"), p.encode());
    f.open({makeSimplePena(QStringLiteral("S"), QStringLiteral("Todos"), QDate(2023, 1, 1),
                           {{{1, 2, 3, 4, 5}, {1, 2}},
                            {{1, 2, 13, 14, 15}, {1, 2}},
                            {{1, 12, 13, 14, 15}, {3, 4}}}),
            makeMultiplePena(QStringLiteral("M"), QStringLiteral("Todos"), QDate(2023, 1, 1),
                             {1, 2, 3, 4, 5, 6}, {1, 2})},
           {makeDraw(QDate(2023, 3, 3), {1, 2, 40, 41, 42}, {11, 12}),
            makeDraw(QDate(2023, 3, 7), {1, 2, 3, 40, 41}, {11, 12})});
    f.state.view.onlyWithPrize = true;
    const ResultsLists lists = buildSimpleResults(f.state, f.blink, 2);
    const QStringList simple = rowComments(*lists.simple);
    const QStringList multiple = rowComments(*lists.multiple);
    EXPECT_TRUE(
        simple.contains(QStringLiteral("B ¡¡ Premio !! Hay 3 + 0 estrellas. Ganado: 12,52 €")));
    EXPECT_TRUE(
        simple.contains(QStringLiteral("B ¡¡ Premio !! Hay 2 + 0 estrella. Ganado: 4,20 €")));
    // 03/03 has no prizes kept.
    EXPECT_TRUE(simple.contains(QStringLiteral("B ¡¡ Premio !! Hay 2 + 0 estrella.")));
    EXPECT_TRUE(multiple.contains(QStringLiteral("B ¡¡ Premio !! Hay 3 apuestas de 3+0: 37,56 €")));
    EXPECT_TRUE(multiple.contains(QStringLiteral("L ¡¡ Premio !! Hay 3 apuestas de 2+0: 12,60 €")));
    EXPECT_TRUE(multiple.contains(QStringLiteral("B ¡¡ Premio !! Hay 4 apuestas de 2+0")));
}

} // namespace
