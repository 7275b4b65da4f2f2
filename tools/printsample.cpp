// Prints a sample peña of ten bets onto plain paper, as a PDF file: the
// picture of a printed page in the README is made from it.
#include "platform/sites.h"
#include "print/printpena.h"
#include "print/qtprintsurface.h"

#include <QApplication>
#include <QPageSize>
#include <QPrinter>
#include <cstdio>

namespace {

// A PDF file in place of the printer dialog.
class PdfPrinter : public PrinterChooser {
public:
    explicit PdfPrinter(QString path) : path_(std::move(path)) {}
    std::unique_ptr<PrintSurface> choosePrinter() override {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(path_);
        printer->setPageSize(QPageSize(QPageSize::A4));
        return std::make_unique<QtPrintSurface>(std::move(printer));
    }

private:
    QString path_;
};

// Answers "No" to the two-weeks question and prints any message.
class ConsolePrompter : public Prompter {
public:
    void message(const QString& text, const QString&, MessageIcon) override {
        std::fprintf(stderr, "%s\n", qPrintable(text));
    }
    bool ask(const QString&, const QString&, MessageIcon) override { return false; }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: vantiko-print-sample OUTPUT.pdf\n");
        return 2;
    }
    const int bets[10][7] = {
        {3, 17, 22, 40, 45, 2, 11},  {1, 2, 10, 11, 50, 4, 9},  {7, 14, 21, 28, 35, 1, 12},
        {5, 16, 27, 38, 49, 3, 6},   {9, 18, 24, 33, 47, 5, 8}, {2, 13, 26, 31, 44, 7, 10},
        {4, 19, 23, 36, 42, 2, 5},   {6, 12, 29, 37, 48, 1, 3}, {8, 15, 20, 34, 46, 9, 11},
        {11, 25, 30, 39, 43, 4, 12},
    };
    PrintJob job;
    job.pena.setName(QStringLiteral("LOS DEL BAR"));
    job.pena.setDayFilter(QStringLiteral("Todos"));
    job.pena.betMode = 10;
    for (int b = 0; b < 10; ++b) {
        for (int k = 0; k < 5; ++k)
            job.pena.numbers[b][k] = static_cast<qint16>(bets[b][k]);
        for (int k = 0; k < 2; ++k)
            job.pena.stars[b][k] = static_cast<qint16>(bets[b][5 + k]);
    }
    job.mode = PrintMode::Plain;
    job.makerSite = makerSite();
    PdfPrinter printer(QString::fromLocal8Bit(argv[1]));
    ConsolePrompter prompter;
    return printPena(job, printer, prompter) == PrintResult::Printed ? 0 : 1;
}
