#include "create/numbergrid.h"

NumberGrid::Slot NumberGrid::slotOf(int cell) {
    if (isNumberCell(cell)) return {(cell - 1) / 9, (cell - 1) % 9};
    const int star = cell - kNumbers;
    return {(star - 1) / 4, (star - 1) % 4};
}

bool NumberGrid::toggle(int cell) {
    if (cell < 1 || cell > kCells) return false;
    int& count = isNumberCell(cell) ? numberMarks_ : starMarks_;
    marks_[cell] = !marks_[cell];
    count += marks_[cell] ? 1 : -1;
    return marks_[cell];
}

void NumberGrid::clearNumbers() {
    for (int c = 1; c <= kNumbers; ++c)
        marks_[c] = false;
    numberMarks_ = 0;
}

void NumberGrid::clearStars() {
    for (int c = kNumbers + 1; c <= kCells; ++c)
        marks_[c] = false;
    starMarks_ = 0;
}

void NumberGrid::startTransition() {
    phase_ = Phase::Transition;
    transitionStep_ = 0;
}

bool NumberGrid::stepTransition() {
    if (phase_ != Phase::Transition) return phase_ == Phase::Stars;
    if (++transitionStep_ >= kTransitionSteps) phase_ = Phase::Stars;
    return phase_ == Phase::Stars;
}

void NumberGrid::backToNumbers() {
    phase_ = Phase::Numbers;
    transitionStep_ = 0;
}

void NumberGrid::reset() {
    clearNumbers();
    clearStars();
    backToNumbers();
}
