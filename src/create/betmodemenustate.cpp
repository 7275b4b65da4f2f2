#include "create/betmodemenustate.h"

#include "check/breakdown.h"
#include "store/records.h"

void BetModeMenuState::open() {
    stage_ = Stage::Waiting;
    numbers_ = 0;
    counter_ = 0;
    animating_ = true;
}

void BetModeMenuState::animationTick() {
    if (!animating_) return;
    if (counter_ < kMarks) ++counter_;
    if (counter_ >= kMarks) animating_ = false;
}

int BetModeMenuState::chooseSencilla() {
    stage_ = Stage::Closed;
    animating_ = false;
    return 0;
}

void BetModeMenuState::toggleMultiple() {
    switch (stage_) {
    case Stage::Waiting:
        stage_ = Stage::ChoosingNumbers;
        animating_ = false;
        break;
    case Stage::ChoosingNumbers:
    case Stage::ChoosingStars:
        stage_ = Stage::Waiting;
        animating_ = counter_ < kMarks;
        break;
    case Stage::Closed:
        break;
    }
}

void BetModeMenuState::chooseNumbers(int n) {
    if (stage_ != Stage::ChoosingNumbers || n < 5 || n > 10) return;
    numbers_ = n;
    stage_ = Stage::ChoosingStars;
}

bool BetModeMenuState::starOptionEnabled(int s) const {
    if (s < 2 || s > 5) return false;
    // Five numbers and two stars is a simple bet, not a multiple one.
    return !(numbers_ == 5 && s == 2);
}

std::optional<int> BetModeMenuState::chooseStars(int s) {
    if (stage_ != Stage::ChoosingStars || !starOptionEnabled(s)) return std::nullopt;
    stage_ = Stage::Closed;
    animating_ = false;
    return multipleMode(numbers_, s);
}

void BetModeMenuState::close() {
    stage_ = Stage::Closed;
    animating_ = false;
}

int BetModeMenuState::betsFor(int n, int s) {
    if (n == 5 && s == 2) return 1;
    return binomial(n, 5) * binomial(s, 2);
}

QString BetModeMenuState::tableCell(int n, int s) {
    if (n == 5 && s == 2) return QStringLiteral("---");
    return QString::number(betsFor(n, s));
}
