#include "print/printpena.h"

#include "check/penadetail.h"
#include "store/dayfilter.h"

#include <algorithm>

namespace {

enum class TwoWeeks { NotAsked, Yes, No };

const QString kMark = QStringLiteral("X");

class JobPrinter {
public:
    JobPrinter(const PrintJob& job, PrintSurface& surface, Prompter& prompter)
        : job_(job), surface_(surface), prompter_(prompter) {
        const int mode = job.pena.betMode;
        bets_ = isMultipleMode(mode) ? 1 : std::clamp(mode, 0, kMaxBets);
        numbers_ = std::min(modeNumbers(mode), kBetNumberSlots);
        stars_ = std::min(modeStars(mode), kBetStarSlots);
        playslips_ = playslipsNeeded(mode);
        name_ = job.pena.nameText();
        days_ = job.pena.dayFilterText();
    }

    bool run() {
        bool sent = true;
        markFont();
        int bet = 0;
        for (int i = 1; i <= playslips_; ++i) {
            const PlayslipLayout slip(job_.mode, i, job_.correctionX, job_.correctionY);
            if (job_.mode == PrintMode::Plain) drawFrame(slip);
            const CellTable cells = slip.cells();
            for (int block = 1; block <= kBetBlocks; ++block) {
                ++bet;
                if (bet <= bets_) markBet(cells, block, bet - 1);
            }
            if (job_.mode == PrintMode::Official)
                officialHeader(slip, i);
            else
                plainTexts(slip, i);
            markFont();
            surface_.text(slip.dayBox(dayBox()), kMark);
            if (isMultipleMode(job_.pena.betMode)) markSize(cells);
            const bool lastSlip = i == playslips_;
            const bool pageFull = job_.mode == PrintMode::Official || i % 2 == 0;
            if (pageFull && !lastSlip) sent = surface_.newPage() && sent;
        }
        return surface_.end() && sent;
    }

private:
    void markFont() { surface_.setFont(kMarkFont, kMarkPoints, true); }

    void markBet(const CellTable& cells, int block, int slot) {
        // Unused or damaged slots get no mark.
        for (int p = 0; p < numbers_; ++p) {
            const int n = job_.pena.numbers[slot][p];
            if (n >= 1 && n <= 50) surface_.text(cells.number(block, n), kMark);
        }
        for (int p = 0; p < stars_; ++p) {
            const int s = job_.pena.stars[slot][p];
            if (s >= 1 && s <= 12) surface_.text(cells.star(block, s), kMark);
        }
    }

    void markSize(const CellTable& cells) {
        const SizeMarks m = sizeMarks(numbers_, stars_);
        if (m.numberCell) surface_.text(cells.number(kSizeMarkBlock, m.numberCell), kMark);
        if (m.starCell) surface_.text(cells.star(kSizeMarkBlock, m.starCell), kMark);
    }

    void drawFrame(const PlayslipLayout& slip) {
        surface_.outline(slip.frame());
        for (int k = 0; k < PlayslipLayout::kFilledMarks; ++k)
            surface_.fill(slip.filledMark(k));
    }

    void officialHeader(const PlayslipLayout& slip, int i) {
        if (!officialHeaderShown(job_.correctionX, job_.correctionY)) return;
        surface_.setFont(kMarkFont, kHeaderPoints, true);
        surface_.text(slip.headerSite(), job_.makerSite);
        surface_.text(slip.headerPena(name_), penaLineText(name_, i, playslips_));
    }

    void plainTexts(const PlayslipLayout& slip, int i) {
        const bool both = days_ == dayFilterText(DayFilter::Both);
        surface_.text(slip.penaLine(), penaLineText(name_, i, playslips_));
        surface_.text(slip.participationLine(), QStringLiteral("Participación para:"));
        surface_.text(slip.daysLine(both),
                      both ? QStringLiteral("MARTES Y VIERNES") : days_.toUpper());
    }

    DayBox dayBox() {
        if (days_ != dayFilterText(DayFilter::Both)) return DayBox::SingleDay;
        if (twoWeeks_ == TwoWeeks::NotAsked)
            twoWeeks_ = prompter_.ask(kTwoWeeksQuestion, kTwoWeeksTitle, MessageIcon::Question)
                            ? TwoWeeks::Yes
                            : TwoWeeks::No;
        return twoWeeks_ == TwoWeeks::Yes ? DayBox::TwoWeeks : DayBox::CurrentWeek;
    }

    const PrintJob& job_;
    PrintSurface& surface_;
    Prompter& prompter_;
    int bets_ = 0;
    int numbers_ = 0;
    int stars_ = 0;
    int playslips_ = 0;
    QString name_;
    QString days_;
    TwoWeeks twoWeeks_ = TwoWeeks::NotAsked;
};

} // namespace

PrintResult printPena(const PrintJob& job, PrinterChooser& printers, Prompter& prompter) {
    // A damaged record would print nothing sensible, or an empty sheet.
    if (!isSoundPena(job.pena)) {
        prompter.message(kCorruptPenaFileText, QStringLiteral("¡Vaya hombre!"),
                         MessageIcon::Exclamation);
        return PrintResult::Failed;
    }
    std::unique_ptr<PrintSurface> surface;
    try {
        surface = printers.choosePrinter();
    } catch (const PrintError& e) {
        prompter.message(e.message(), kPrintTitle, MessageIcon::Exclamation);
        return PrintResult::Failed;
    }
    if (!surface) return PrintResult::Cancelled;
    if (!surface->begin()) {
        prompter.message(kPrinterNotReadyText, kPrintTitle, MessageIcon::Exclamation);
        return PrintResult::Failed;
    }
    if (!JobPrinter(job, *surface, prompter).run()) {
        prompter.message(kPrintRefusedText, kPrintTitle, MessageIcon::Exclamation);
        return PrintResult::Failed;
    }
    return PrintResult::Printed;
}
