#include "check/prizeblink.h"

#include "store/appstate.h"

void PrizeBlink::simplePrize() {
    if (state_.view.newDrawsLabel.isEmpty() || running_) return;
    state_.view.prizeBlinkTarget = 1;
    running_ = true;
}

void PrizeBlink::multiplePrize() {
    if (state_.view.newDrawsLabel.isEmpty()) return;
    int& target = state_.view.prizeBlinkTarget;
    if (target == 0) {
        running_ = true;
        target = 2;
    } else if (target == 1 || target == 3) {
        target = 3;
    } else {
        target = 2;
    }
}

void PrizeBlink::tick() {
    const int target = state_.view.prizeBlinkTarget;
    if (target == 3) {
        const bool red = !red_[0];
        red_[0] = red_[1] = red;
    } else if (target == 1 || target == 2) {
        red_[target - 1] = !red_[target - 1];
    }
}

bool PrizeBlink::stop() {
    if (!running_) return false;
    running_ = false;
    state_.view.newDrawsLabel.clear();
    red_[0] = red_[1] = false;
    return true;
}
