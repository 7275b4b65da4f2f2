#pragma once

#include <QString>

// Where every mark and text goes on a playslip, in millimetres from the
// top-left corner of the printer's printable area (X to the right, Y down).
// Both papers are drawn from these figures: official playslips shifted by the
// user's margin corrections, plain paper by a fixed origin per half page.

struct MmPoint {
    double x = 0;
    double y = 0;
};

struct MmRect {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
};

enum class PrintMode { Official, Plain };

// The draw-day box that gets the X.
enum class DayBox { SingleDay, CurrentWeek, TwoWeeks };

constexpr int kBetBlocks = 5;     // blocks 1..5 take one bet each
constexpr int kSizeMarkBlock = 6; // block 6 takes the size of a multiple bet
constexpr int kPlayslipBets = 5;

// The cells of the six bet blocks of one playslip, from the grid origin.
class CellTable {
public:
    CellTable(double ox, double oy) : ox_(ox), oy_(oy) {}
    MmPoint number(int block, int number) const; // number 1..50
    MmPoint star(int block, int star) const;     // star 1..12

private:
    double ox_;
    double oy_;
};

// Playslip i (from 1) on one paper.
class PlayslipLayout {
public:
    PlayslipLayout(PrintMode mode, int index, float correctionX, float correctionY);

    MmPoint origin() const;
    CellTable cells() const { return {origin().x, origin().y}; }
    MmPoint dayBox(DayBox box) const;

    // Official paper: the header's two lines.
    MmPoint headerSite() const;
    MmPoint headerPena(const QString& trimmedName) const;

    // Plain paper: the frame, the printer's reference marks and the texts.
    double shift() const; // T: 0 in the upper half, 104 in the lower
    MmRect frame() const;
    static constexpr int kFilledMarks = 7;
    MmRect filledMark(int k) const; // k = 0..6
    MmPoint penaLine() const;
    MmPoint participationLine() const;
    MmPoint daysLine(bool bothDays) const;

private:
    PrintMode mode_;
    int index_;
    double correctionX_;
    double correctionY_;
};

// The official header only fits when the corrections leave room above the grid.
bool officialHeaderShown(float correctionX, float correctionY);

// Size marks of a multiple bet of n numbers and s stars in block 6: the
// number cell and star cell to mark, 0 for none.
struct SizeMarks {
    int numberCell = 0;
    int starCell = 0;
};
SizeMarks sizeMarks(int numbers, int stars);

// Playslips for a BetMode: five simple bets per playslip, one for a multiple bet.
int playslipsNeeded(int betMode);

// "PEÑA LOS AMIGOS (1/3)".
QString penaLineText(const QString& trimmedName, int index, int playslips);
