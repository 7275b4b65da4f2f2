#include "print/printpena.h"
#include "support/fakes.h"
#include "support/recordingsurface.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

namespace {

using Kind = PrintOp::Kind;
using Bet = std::pair<std::array<int, 5>, std::array<int, 2>>;

// Bet b (from 1) of a test peña: five numbers and two stars that tell the
// bets apart.
Bet betNumber(int b) {
    return {{b, b + 10, b + 20, b + 25, 50}, {1 + (b % 12), 12 - ((b - 1) % 6)}};
}

PenaRecord simplePena(const QString& name, const QString& days, int bets) {
    QList<Bet> list;
    for (int b = 1; b <= bets; ++b)
        list.append(betNumber(b));
    return makeSimplePena(name, days, QDate(2023, 3, 1), list);
}

struct Job {
    ScriptedPrinterChooser printers;
    ScriptedPrompter prompter;
    PrintResult result = PrintResult::Cancelled;

    void run(const PenaRecord& pena, PrintMode mode, float x = 10, float y = 20) {
        PrintJob job;
        job.pena = pena;
        job.mode = mode;
        job.correctionX = x;
        job.correctionY = y;
        job.makerSite = QStringLiteral("https://maker.test");
        result = printPena(job, printers, prompter);
    }
    const PrintLog& log() const { return *printers.log; }
    // The ops of each sheet, split at the page breaks.
    QList<PrintLog> pages() const {
        QList<PrintLog> out{{}};
        for (const PrintOp& op : log()) {
            if (op.kind == Kind::NewPage)
                out.append(PrintLog());
            else if (op.kind != Kind::Begin && op.kind != Kind::End)
                out.last().append(op);
        }
        return out;
    }
};

QList<MmPoint> marksOn(const PrintLog& page) {
    QList<MmPoint> out;
    for (const PrintOp& op : page)
        if (op.kind == Kind::Text && op.text == QStringLiteral("X")) out.append(op.at);
    return out;
}

QStringList textsOn(const PrintLog& page) {
    QStringList out;
    for (const PrintOp& op : page)
        if (op.kind == Kind::Text && op.text != QStringLiteral("X")) out.append(op.text);
    return out;
}

const PrintOp* findText(const PrintLog& page, const QString& text) {
    for (const PrintOp& op : page)
        if (op.kind == Kind::Text && op.text == text) return &op;
    return nullptr;
}

bool contains(const QList<MmPoint>& points, MmPoint p) {
    for (const MmPoint& q : points)
        if (std::abs(q.x - p.x) < 1e-9 && std::abs(q.y - p.y) < 1e-9) return true;
    return false;
}

// The marks bet b gets in a block of a playslip.
QList<MmPoint> betMarks(const CellTable& cells, int block, int b) {
    const Bet bet = betNumber(b);
    QList<MmPoint> out;
    for (int n : bet.first)
        out.append(cells.number(block, n));
    for (int s : bet.second)
        out.append(cells.star(block, s));
    return out;
}

} // namespace

TEST(PrintPena, SevenBetsOnOfficialPaperTakeTwoSheetsWithTheirHeaders) {
    Job j;
    j.run(simplePena(QStringLiteral("AMIGOS"), QStringLiteral("Martes"), 7), PrintMode::Official);
    EXPECT_EQ(j.result, PrintResult::Printed);
    EXPECT_EQ(j.printers.shown, 1);
    EXPECT_TRUE(j.prompter.shown.isEmpty()); // no question for a Martes peña
    ASSERT_EQ(j.log().first().kind, Kind::Begin);
    ASSERT_EQ(j.log().last().kind, Kind::End);
    EXPECT_NE(j.log()[j.log().size() - 2].kind, Kind::NewPage); // no blank sheet at the end

    const QList<PrintLog> pages = j.pages();
    ASSERT_EQ(pages.size(), 2);
    const CellTable cells(10, 20);
    const QList<MmPoint> first = marksOn(pages[0]);
    const QList<MmPoint> second = marksOn(pages[1]);
    EXPECT_EQ(first.size(), 5 * 7 + 1);
    EXPECT_EQ(second.size(), 2 * 7 + 1);
    for (int block = 1; block <= 5; ++block)
        for (MmPoint p : betMarks(cells, block, block))
            EXPECT_TRUE(contains(first, p)) << "bet " << block;
    for (int block = 1; block <= 2; ++block)
        for (MmPoint p : betMarks(cells, block, 5 + block))
            EXPECT_TRUE(contains(second, p)) << "bet " << 5 + block;
    EXPECT_TRUE(contains(first, {70, 90}));
    EXPECT_TRUE(contains(second, {70, 90}));

    EXPECT_EQ(textsOn(pages[0]), QStringList({QStringLiteral("https://maker.test"),
                                              QStringLiteral("PEÑA AMIGOS (1/2)")}));
    EXPECT_EQ(textsOn(pages[1]), QStringList({QStringLiteral("https://maker.test"),
                                              QStringLiteral("PEÑA AMIGOS (2/2)")}));
    const PrintOp* header = findText(pages[1], QStringLiteral("PEÑA AMIGOS (2/2)"));
    ASSERT_NE(header, nullptr);
    EXPECT_DOUBLE_EQ(header->at.x, 112);
    EXPECT_DOUBLE_EQ(header->at.y, 4);
    EXPECT_DOUBLE_EQ(header->points, 8);
    EXPECT_DOUBLE_EQ(findText(pages[0], QStringLiteral("https://maker.test"))->at.x, 42);
    // Every mark in Arial bold 11.5, the day box included (after the header).
    for (const PrintOp& op : j.log())
        if (op.kind == Kind::Text && op.text == QStringLiteral("X")) {
            EXPECT_EQ(op.family, QStringLiteral("Arial"));
            EXPECT_DOUBLE_EQ(op.points, 11.5);
            EXPECT_TRUE(op.bold);
        }
}

TEST(PrintPena, TwentyFourBetsOnPlainPaperFillFivePlayslipsOnThreePages) {
    Job j;
    j.prompter.answers = {false};
    j.run(simplePena(QStringLiteral("LOS AMIGOS"), QStringLiteral("Todos"), 24), PrintMode::Plain);
    EXPECT_EQ(j.result, PrintResult::Printed);
    ASSERT_EQ(j.prompter.shown.size(), 1);
    EXPECT_EQ(j.prompter.shown[0].text, kTwoWeeksQuestion);
    EXPECT_EQ(j.prompter.shown[0].title, QStringLiteral("Opción Dos semanas"));
    EXPECT_TRUE(j.prompter.shown[0].question);

    const QList<PrintLog> pages = j.pages();
    ASSERT_EQ(pages.size(), 3);
    const int framesPerPage[] = {2, 2, 1};
    for (int p = 0; p < 3; ++p) {
        QList<double> frameTops;
        int filled = 0;
        for (const PrintOp& op : pages[p]) {
            if (op.kind == Kind::Outline) frameTops.append(op.rect.y);
            if (op.kind == Kind::Fill) ++filled;
        }
        EXPECT_EQ(frameTops.size(), framesPerPage[p]) << p;
        EXPECT_EQ(filled, 7 * framesPerPage[p]) << p;
        EXPECT_DOUBLE_EQ(frameTops[0], 20);
        if (frameTops.size() > 1) {
            EXPECT_DOUBLE_EQ(frameTops[1], 124);
        }
    }
    EXPECT_EQ(textsOn(pages[2]), QStringList({QStringLiteral("PEÑA LOS AMIGOS (5/5)"),
                                              QStringLiteral("Participación para:"),
                                              QStringLiteral("MARTES Y VIERNES")}));
    const PrintOp* second = findText(pages[0], QStringLiteral("PEÑA LOS AMIGOS (2/5)"));
    ASSERT_NE(second, nullptr);
    EXPECT_DOUBLE_EQ(second->at.x, 28);
    EXPECT_DOUBLE_EQ(second->at.y, 136);
    EXPECT_DOUBLE_EQ(second->points, 11.5);
    EXPECT_DOUBLE_EQ(findText(pages[0], QStringLiteral("MARTES Y VIERNES"))->at.x, 133);
    // Playslip 5 holds bets 21 to 24, in the upper half; "No": current week.
    const QList<MmPoint> last = marksOn(pages[2]);
    EXPECT_EQ(last.size(), 4 * 7 + 1);
    for (int block = 1; block <= 4; ++block)
        for (MmPoint p : betMarks(CellTable(33, 45), block, 20 + block))
            EXPECT_TRUE(contains(last, p)) << block;
    EXPECT_TRUE(contains(last, {130, 115}));
    EXPECT_TRUE(contains(marksOn(pages[1]), {130, 219}));
}

TEST(PrintPena, TheTwoWeeksQuestionIsAskedOncePerJob) {
    const struct {
        PrintMode mode;
        bool twoWeeks;
        MmPoint box; // on the first playslip
    } cases[] = {{PrintMode::Official, true, {140.5, 90}},
                 {PrintMode::Official, false, {107.5, 90}},
                 {PrintMode::Plain, true, {164, 115}}};
    for (const auto& c : cases) {
        Job j;
        j.prompter.answers = {c.twoWeeks, !c.twoWeeks};
        const PenaRecord pena = simplePena(QStringLiteral("T"), QStringLiteral("Todos"), 20);
        j.run(pena, c.mode);
        EXPECT_EQ(j.prompter.shown.size(), 1);
        const QList<PrintLog> pages = j.pages();
        for (int i = 0; i < 4; ++i) {
            const PrintLog& page = pages[c.mode == PrintMode::Official ? i : i / 2];
            const double t = c.mode == PrintMode::Plain && i % 2 == 1 ? 104 : 0;
            EXPECT_TRUE(contains(marksOn(page), {c.box.x, c.box.y + t})) << i;
        }
        // The next click asks again.
        j.run(pena, c.mode);
        EXPECT_EQ(j.prompter.shown.size(), 2);
    }
}

TEST(PrintPena, TenBetsTakeTwoOfficialSheetsWithTheHeaderOnlyWhenItFits) {
    const struct {
        float x, y;
        bool header;
    } cases[] = {{5, 20, false}, {5.5f, 11, false}, {5.5f, 11.5f, true}, {0, 0, false}};
    for (const auto& c : cases) {
        Job j;
        j.run(simplePena(QStringLiteral("LOLA"), QStringLiteral("Viernes"), 10),
              PrintMode::Official, c.x, c.y);
        ASSERT_EQ(j.pages().size(), 2);
        EXPECT_EQ(j.log()[j.log().size() - 2].kind, Kind::Text); // no blank sheet at the end
        EXPECT_EQ(textsOn(j.pages()[1]).size(), c.header ? 2 : 0) << c.x << "," << c.y;
        bool small = false;
        for (const PrintOp& op : j.log())
            small = small || (op.kind == Kind::Font && op.points == 8);
        EXPECT_EQ(small, c.header);
        // Number 1 of bet 1 sits at the corrections themselves.
        EXPECT_TRUE(contains(marksOn(j.pages()[0]), {c.x + 0.0, c.y + 0.0}));
    }
}

TEST(PrintPena, MultipleBetGetsItsSizeMarksInBlockSix) {
    Job j;
    const PenaRecord big =
        makeMultiplePena(QStringLiteral("GORDA"), QStringLiteral("Martes"), QDate(2023, 1, 3),
                         {1, 7, 12, 19, 28, 33, 41, 50}, {2, 5, 9, 12});
    j.run(big, PrintMode::Official);
    ASSERT_EQ(j.pages().size(), 1);
    const QList<MmPoint> marks = marksOn(j.pages()[0]);
    EXPECT_EQ(marks.size(), 12 + 1 + 2);
    const CellTable cells(10, 20);
    for (int n : {1, 7, 12, 19, 28, 33, 41, 50})
        EXPECT_TRUE(contains(marks, cells.number(1, n))) << n;
    EXPECT_TRUE(contains(marks, {141, 40}));
    EXPECT_TRUE(contains(marks, {141, 75}));
    EXPECT_EQ(textsOn(j.pages()[0])[1], QStringLiteral("PEÑA GORDA (1/1)"));

    Job small;
    small.run(makeMultiplePena(QStringLiteral("M"), QStringLiteral("Viernes"), QDate(2023, 1, 3),
                               {3, 13, 23, 33, 43}, {1, 6, 11}),
              PrintMode::Plain);
    const QList<MmPoint> plain = marksOn(small.pages()[0]);
    EXPECT_EQ(plain.size(), 8 + 1 + 1);
    EXPECT_TRUE(contains(plain, {33 + 131, 45 + 50}));
    EXPECT_EQ(textsOn(small.pages()[0])[2], QStringLiteral("VIERNES"));
    EXPECT_DOUBLE_EQ(findText(small.pages()[0], QStringLiteral("VIERNES"))->at.x, 142);
}

TEST(PrintPena, CancelAndPrinterFailures) {
    const PenaRecord pena = simplePena(QStringLiteral("T"), QStringLiteral("Todos"), 6);
    {
        Job j; // cancelled: nothing printed, nothing asked
        j.printers.cancel = true;
        j.run(pena, PrintMode::Plain);
        EXPECT_EQ(j.result, PrintResult::Cancelled);
        EXPECT_TRUE(j.log().isEmpty());
        EXPECT_TRUE(j.prompter.shown.isEmpty());
    }
    const struct {
        const char* what;
        QString noPrinter;
        bool beginOk, endOk;
        QString message;
        bool asked;
    } failures[] = {
        {"no printer", QStringLiteral("No hay impresora."), true, true,
         QStringLiteral("No hay impresora."), false},
        {"printer not ready", {}, false, true, kPrinterNotReadyText, false},
        {"job refused", {}, true, false, kPrintRefusedText, true},
    };
    for (const auto& f : failures) {
        Job j;
        j.printers.noPrinter = f.noPrinter;
        j.printers.beginOk = f.beginOk;
        j.printers.endOk = f.endOk;
        j.prompter.answers = {true};
        j.run(pena, PrintMode::Official);
        EXPECT_EQ(j.result, PrintResult::Failed) << f.what;
        const QStringList texts = j.prompter.texts();
        ASSERT_FALSE(texts.isEmpty()) << f.what;
        EXPECT_EQ(texts.last(), f.message) << f.what;
        EXPECT_EQ(j.prompter.shown.last().title, QStringLiteral("Imprimir Boletos"));
        EXPECT_EQ(texts.contains(kTwoWeeksQuestion), f.asked) << f.what;
    }
    {
        Job j; // a damaged record never reaches the printer
        PenaRecord bad = pena;
        bad.numbers[2][1] = 77;
        j.run(bad, PrintMode::Plain);
        EXPECT_EQ(j.result, PrintResult::Failed);
        EXPECT_EQ(j.printers.shown, 0);
        EXPECT_EQ(j.prompter.texts(),
                  QStringList({QStringLiteral("Error crítico: fichero apuestas.dat corrupto.")}));
    }
}
