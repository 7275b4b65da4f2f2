#pragma once

#include <array>

// The 62 cells of the playslip grid: cells 1..50 are the numbers, cell 50 + k
// is star k. Holds which cells carry the mark and the entry phase of the bet
// being entered.
class NumberGrid {
public:
    static constexpr int kNumbers = 50;
    static constexpr int kStars = 12;
    static constexpr int kCells = kNumbers + kStars;
    // The transition between numbers and stars: a bar growing in 100 ms steps.
    static constexpr int kTransitionSteps = 6;

    enum class Phase { Numbers, Transition, Stars };

    static bool isNumberCell(int cell) { return cell >= 1 && cell <= kNumbers; }
    static bool isStarCell(int cell) { return cell > kNumbers && cell <= kCells; }
    static int starCell(int star) { return kNumbers + star; }

    // Where a cell sits: numbers in six columns of nine read top to bottom
    // (1-9, 10-18, ... 46-50), stars below in three columns of four.
    struct Slot {
        int column;
        int row;
    };
    static Slot slotOf(int cell);

    Phase phase() const { return phase_; }
    bool isMarked(int cell) const { return cell >= 1 && cell <= kCells && marks_[cell]; }
    int numberMarks() const { return numberMarks_; }
    int starMarks() const { return starMarks_; }
    int transitionStep() const { return transitionStep_; }

    // Toggles a cell; returns the new mark.
    bool toggle(int cell);
    void clearNumbers();
    void clearStars();
    void startTransition();
    // One step of the bar; true when the star phase has begun.
    bool stepTransition();
    void backToNumbers();
    void reset();

private:
    std::array<bool, kCells + 1> marks_{};
    int numberMarks_ = 0;
    int starMarks_ = 0;
    int transitionStep_ = 0;
    Phase phase_ = Phase::Numbers;
};
