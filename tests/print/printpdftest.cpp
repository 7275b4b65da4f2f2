#include "print/printpena.h"
#include "print/qtprinterchooser.h"
#include "print/qtprintsurface.h"
#include "support/fakes.h"
#include "support/recordingsurface.h"
#include "support/tempfolder.h"

#include <QFile>
#include <QFontInfo>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QtPdf/QPdfDocument>
#include <QtPdf/QPdfSelection>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

std::unique_ptr<PrintSurface> pdfPage(const QString& path) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    printer->setPageSize(QPageSize(QPageSize::A4));
    return std::make_unique<QtPrintSurface>(std::move(printer));
}

PenaRecord pena(int bets, const QString& days) {
    QList<std::pair<std::array<int, 5>, std::array<int, 2>>> list;
    for (int b = 1; b <= bets; ++b)
        list.append({{b, b + 10, b + 20, 45, 50}, {1 + b % 11, 12}});
    return makeSimplePena(QStringLiteral("LOS AMIGOS"), days, QDate(2023, 3, 1), list);
}

PrintResult printTo(const QString& path, const PenaRecord& p, PrintMode mode,
                    ScriptedPrompter& prompter) {
    ScriptedPrinterChooser printers;
    printers.make = [path] { return pdfPage(path); };
    PrintJob job;
    job.pena = p;
    job.mode = mode;
    job.correctionX = 10;
    job.correctionY = 20;
    job.makerSite = QStringLiteral("https://maker.test");
    return printPena(job, printers, prompter);
}

} // namespace

TEST(PrintPdf, PlainPaperPagesCarryThePenaLines) {
    TempFolder dir;
    ScriptedPrompter prompter;
    prompter.answers = {true};
    const QString path = dir.file(QStringLiteral("plain.pdf"));
    ASSERT_EQ(printTo(path, pena(24, QStringLiteral("Todos")), PrintMode::Plain, prompter),
              PrintResult::Printed);
    EXPECT_TRUE(prompter.texts().contains(kTwoWeeksQuestion));

    QPdfDocument doc;
    ASSERT_EQ(doc.load(path), QPdfDocument::Error::None);
    ASSERT_EQ(doc.pageCount(), 3); // five playslips, two a page, no blank sheet
    const QString first = doc.getAllText(0).text();
    EXPECT_TRUE(first.contains(QStringLiteral("PEÑA LOS AMIGOS (1/5)"))) << first.toStdString();
    EXPECT_TRUE(first.contains(QStringLiteral("PEÑA LOS AMIGOS (2/5)")));
    EXPECT_TRUE(first.contains(QStringLiteral("Participación para:")));
    EXPECT_TRUE(first.contains(QStringLiteral("MARTES Y VIERNES")));
    const QString last = doc.getAllText(2).text();
    EXPECT_TRUE(last.contains(QStringLiteral("PEÑA LOS AMIGOS (5/5)")));
    EXPECT_FALSE(last.contains(QStringLiteral("(4/5)")));
    // 4 bets of 7 marks and the day box.
    EXPECT_EQ(last.count(QLatin1Char('X')), 4 * 7 + 1);
}

TEST(PrintPdf, APrinterThatCannotBeOpenedPrintsNothingAndSaysSo) {
    TempFolder dir;
    ScriptedPrompter prompter;
    prompter.answers = {true};
    const QString path = dir.file(QStringLiteral("no-such-folder/plain.pdf"));
    EXPECT_EQ(printTo(path, pena(3, QStringLiteral("Todos")), PrintMode::Plain, prompter),
              PrintResult::Failed);
    EXPECT_EQ(prompter.texts(), QStringList({kPrinterNotReadyText}));
    EXPECT_FALSE(QFile::exists(path));
}

TEST(PrintPdf, ArialResolvesToAnInstalledFace) {
    const QFont font = QtPrintSurface::resolveFont(QStringLiteral("Arial"), 11.5, true);
    const QFontInfo info(font);
    EXPECT_TRUE(info.family() == QStringLiteral("Arial") ||
                info.family() == QStringLiteral("Liberation Sans"))
        << info.family().toStdString();
    EXPECT_TRUE(info.bold());
    EXPECT_DOUBLE_EQ(font.pointSizeF(), 11.5);
}

TEST(PrintPdf, WithoutAnyPrinterTheSystemDialogSaysSo) {
    if (!QPrinterInfo::availablePrinterNames().isEmpty()) GTEST_SKIP() << "a printer is installed";
    QtPrinterChooser printers;
    ScriptedPrompter prompter;
    PrintJob job;
    job.pena = pena(3, QStringLiteral("Todos"));
    EXPECT_EQ(printPena(job, printers, prompter), PrintResult::Failed);
    EXPECT_EQ(prompter.texts(), QStringList({kNoPrinterText}));
}

// On an official playslip every mark lands on its millimetres from the
// printable area's corner: no page margin of Qt's own shifts them.
TEST(PrintPdf, OfficialMarksLandOnTheirMillimetres) {
    TempFolder dir;
    ScriptedPrompter prompter;
    const QString path = dir.file(QStringLiteral("official.pdf"));
    // Bet 1 is 1, 11, 21, 45, 50 with the stars 2 and 12, at X 10 and Y 20.
    ASSERT_EQ(printTo(path, pena(1, QStringLiteral("Martes")), PrintMode::Official, prompter),
              PrintResult::Printed);
    QPdfDocument doc;
    ASSERT_EQ(doc.load(path), QPdfDocument::Error::None);
    const QString text = doc.getAllText(0).text();
    QList<QPointF> marks; // top-left corners of the X glyphs, in millimetres
    for (int i = 0; i < text.size(); ++i)
        if (text[i] == QLatin1Char('X'))
            marks.append(doc.getSelectionAtIndex(0, i, 1).boundingRectangle().topLeft() * 25.4 /
                         72.0);
    const QList<QPointF> cells = {{10, 20},    {13.75, 25}, {17.5, 30}, {25, 60},
                                  {28.75, 40}, {10, 75},    {25, 85},   {70, 90}};
    ASSERT_EQ(marks.size(), cells.size()) << text.toStdString();
    for (const QPointF& cell : cells) {
        // The glyph sits a little right of and below its cell's corner (its
        // side bearing and the room above a capital), never millimetres off.
        const bool landed = std::any_of(marks.begin(), marks.end(), [&](QPointF m) {
            return m.x() >= cell.x() && m.x() < cell.x() + 0.3 && m.y() >= cell.y() &&
                   m.y() < cell.y() + 1.2;
        });
        EXPECT_TRUE(landed) << cell.x() << ", " << cell.y();
    }
}
