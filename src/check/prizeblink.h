#pragma once

struct AppState;

// The prize announcement: after a download, a prize found by a results pass
// makes the view button of its list blink "P R E M I O". The target lives in
// AppState (prizeBlinkTarget: 0 none, 1 simple button, 2 multiple, 3 both);
// `running` stands for the 800 ms timer.
class PrizeBlink {
public:
    explicit PrizeBlink(AppState& state) : state_(state) {}

    bool running() const { return running_; }
    // Whether view button 0 or 1 shows the red "P R E M I O" look.
    bool isRed(int button) const { return red_[button & 1]; }

    // The simple pass found a prize.
    void simplePrize();
    // The multiple pass found a prize.
    void multiplePrize();
    // One 800 ms step.
    void tick();
    // StopPrizeBlink: only while running: stops, empties NewDrawsLabel and
    // restores both buttons. True when it was running.
    bool stop();

private:
    AppState& state_;
    bool running_ = false;
    bool red_[2] = {false, false};
};
