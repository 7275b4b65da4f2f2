#pragma once

#include <QString>
#include <optional>

// What the "Menú creación" window shows and which bet-mode code it hands to
// the creation form: 0 for simple bets, 100 + 10 n + s for one multiple bet.
class BetModeMenuState {
public:
    static constexpr int kMarks = 14;

    enum class Stage { Waiting, ChoosingNumbers, ChoosingStars, Closed };

    // The window opens: nothing ticked, options and table hidden, the marks
    // start appearing one by one.
    void open();
    // One step of the 500 ms animation: the next mark appears.
    void animationTick();

    // "Sencilla": always 0, and the menu is done.
    int chooseSencilla();
    // "Múltiple" clicked: toggles its tick.
    void toggleMultiple();
    // A number option (5..10); ignored unless the number options are shown.
    void chooseNumbers(int n);
    // A star option (2..5): the bet-mode code, or nothing when that option
    // cannot be chosen now.
    std::optional<int> chooseStars(int s);
    // Closed by its close box or by the main window: no code is produced.
    void close();

    Stage stage() const { return stage_; }
    bool multipleTicked() const {
        return stage_ == Stage::ChoosingNumbers || stage_ == Stage::ChoosingStars;
    }
    bool tableVisible() const { return multipleTicked(); }
    bool numberOptionsVisible() const { return stage_ == Stage::ChoosingNumbers; }
    bool starOptionsVisible() const { return stage_ == Stage::ChoosingStars; }
    bool starOptionEnabled(int s) const;
    int chosenNumbers() const { return numbers_; }

    bool animationRunning() const { return animating_; }
    int visibleMarks() const { return counter_; }
    bool isMarkVisible(int index) const { return index >= 0 && index < counter_; }

    // The table of multiple bets: how many simple bets n numbers and s stars
    // stand for, and the text of its cell ("---" for 5 numbers and 2 stars).
    static int betsFor(int n, int s);
    static QString tableCell(int n, int s);

private:
    Stage stage_ = Stage::Waiting;
    int numbers_ = 0;
    int counter_ = 0;
    bool animating_ = false;
};
