// What the peñas won and played as the "Gestor de peñas" tab and the
// all-peñas summary show it, and the peña's report exported to a file.

#include "app/balancechart.h"
#include "app/mainwindow.h"
#include "app/moneybox.h"
#include "app/penamanagertab.h"
#include "app/summaryframe.h"
#include "store/appstate.h"
#include "store/dates.h"
#include "support/fakes.h"
#include "support/tempfolder.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QTreeWidget>
#include <QtPdf/QPdfDocument>
#include <gtest/gtest.h>

namespace {

PrizeRecord prizes(QDate day, std::initializer_list<std::pair<int, qint64>> byOfficial) {
    PrizeRecord p;
    p.drawDate = oleFromDate(day);
    p.cents.fill(100);
    for (const auto& [c, cents] : byOfficial)
        p.cents[std::size_t(c - 1)] = cents;
    return p;
}

// Peña A, one simple bet on every draw; peña B, six numbers and two stars
// on Tuesdays. On 03/03 A hits 3+1 (official 9th, 14,01 €); on 07/03 A
// hits 2+0 and B holds four bets of 2+0 (official 13th, 3,00 €); the prizes
// of 10/03 are not known.
struct MoneyFolder {
    TempFolder dir;
    FakePlatform fake;
    AppState state;
    std::unique_ptr<MainWindow> window;

    MoneyFolder() {
        dir.writePenas({makeSimplePena(QStringLiteral("A"), QStringLiteral("Todos"),
                                       QDate(2023, 1, 1), {{{1, 2, 3, 4, 5}, {1, 2}}}),
                        makeMultiplePena(QStringLiteral("B;\"dos\""), QStringLiteral("Martes"),
                                         QDate(2023, 1, 1), {1, 2, 3, 4, 5, 6}, {1, 2})});
        dir.writeDraws({makeDraw(QDate(2023, 3, 3), {1, 2, 3, 40, 41}, {1, 9}),
                        makeDraw(QDate(2023, 3, 7), {1, 2, 40, 41, 42}, {11, 12}),
                        makeDraw(QDate(2023, 3, 10), {30, 31, 32, 33, 34}, {5, 6})});
        dir.write(QStringLiteral("premios.dat"),
                  prizes(QDate(2023, 3, 3), {{9, 1401}}).encode() +
                      prizes(QDate(2023, 3, 7), {{13, 300}}).encode());
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
        fake.clock.set(QDate(2023, 3, 11));
        window = std::make_unique<MainWindow>(state, fake.platform);
        window->startUp(dir.path());
    }
    PenaManagerTab* tab() const { return window->penaManager(); }
    void select(int row) {
        tab()->penaList()->setCurrentItem(tab()->penaList()->topLevelItem(row - 1));
    }
};

QStringList lines(const MoneyBox* box) {
    return {box->wonValue()->text(), box->playedValue()->text(), box->balanceValue()->text(),
            box->note()->isHidden() ? QString() : box->note()->text()};
}

QColor balanceColour(const MoneyBox* box) {
    return box->balanceValue()->palette().color(QPalette::WindowText);
}

} // namespace

TEST(MoneyWindow, PenaManagerAndSummaryShowWonPlayedAndBalance) {
    MoneyFolder f;
    const struct {
        int row;
        QStringList lines;
        bool negative;
        int points;
    } penas[] = {
        {1, {"17,01 €", "7,50 €", "9,51 €", "(1 sorteo sin premios conocidos)"}, false, 3},
        {2, {"12,00 €", "15,00 €", "-3,00 €", ""}, true, 1},
    };
    for (const auto& p : penas) {
        SCOPED_TRACE(p.row);
        f.select(p.row);
        EXPECT_EQ(lines(f.tab()->money()), p.lines);
        EXPECT_EQ(balanceColour(f.tab()->money()),
                  p.negative ? QColor(255, 0, 0) : QColor(0, 160, 0));
        EXPECT_EQ(f.tab()->balanceChart()->series()->count(), p.points);
    }
    // The chart's last point is the balance shown.
    f.select(1);
    EXPECT_DOUBLE_EQ(f.tab()->balanceChart()->series()->points().last().y(), 9.51);
    // All peñas together; 10/03 was counted by A only.
    EXPECT_EQ(lines(f.window->summaryFrame()->money()),
              QStringList({"29,01 €", "22,50 €", "6,51 €", "(1 sorteo sin premios conocidos)"}));
}

TEST(MoneyWindow, ExportWritesTheReportThroughTheSaveDialog) {
    MoneyFolder f;
    f.select(2);
    const QString csv = f.dir.file(QStringLiteral("b.csv"));
    const QString pdf = f.dir.file(QStringLiteral("b.pdf"));
    const QString nowhere = f.dir.file(QStringLiteral("no-such-folder/b.csv"));
    f.fake.chooser.answers = {csv, pdf, nowhere, QString()};
    for (int i = 0; i < 4; ++i)
        f.tab()->exportButton()->click();
    EXPECT_TRUE(f.fake.chooser.suggested.first().endsWith(QStringLiteral("B;_dos_.pdf")));

    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    const QStringList rows = QString::fromUtf8(bytes.mid(3)).split(QStringLiteral("\r\n"));
    EXPECT_EQ(rows[0], QStringLiteral("Informe de la peña;\"B;\"\"dos\"\"\""));
    EXPECT_EQ(rows[1], QStringLiteral("Apuestas;6"));
    EXPECT_EQ(rows[2], QStringLiteral("Apuesta 1;1-2-3-4-5-6 + 1-2"));
    EXPECT_EQ(rows[3], QStringLiteral("Días;Martes"));
    EXPECT_EQ(rows[4], QStringLiteral("Fecha de creación;01/01/2023"));
    EXPECT_EQ(rows[6], QStringLiteral("Fecha;Combinación;5+2;5+1;5+0;4+2;4+1;4+0;3+2;2+2;3+1;"
                                      "3+0;1+2;2+1;2+0;Jugado;Ganado;Balance;Premios conocidos"));
    EXPECT_EQ(rows[7], QStringLiteral("07/03/2023;1-2-40-41-42 + 11-12;0;0;0;0;0;0;0;0;0;0;0;0;4;"
                                      "15,00;12,00;-3,00;Sí"));
    EXPECT_EQ(rows.mid(9, 4), QStringList({"Ganado:;12,00", "Jugado:;15,00", "Balance:;-3,00",
                                           "Sorteos sin premios conocidos:;0"}));

    QPdfDocument doc;
    ASSERT_EQ(doc.load(pdf), QPdfDocument::Error::None);
    const QString text = doc.getAllText(0).text();
    for (const char* want :
         {"Informe de la peña B;\"dos\"", "07/03/2023", "2+0: 4", "Ganado: 12,00 €", "-3,00 €"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(want))) << want;

    // Nothing half written anywhere; the folder that is not there is told.
    EXPECT_EQ(QDir(f.dir.path()).entryList({QStringLiteral("*.part")}, QDir::Files).size(), 0);
    ASSERT_EQ(f.fake.prompter.shown.size(), 1);
    EXPECT_EQ(f.fake.prompter.shown[0].title, QStringLiteral("Exportar peña"));
    EXPECT_TRUE(f.fake.prompter.shown[0].text.startsWith(
        QStringLiteral("No se ha podido guardar el archivo ") + QDir::toNativeSeparators(nowhere)));
    EXPECT_FALSE(QFile::exists(nowhere));
}
