#include "check/breakdown.h"

#include "store/records.h"

int binomial(int x, int y) {
    if (y < 0 || x < 0 || y > x) return 0;
    long long r = 1;
    for (int i = 1; i <= y; ++i) r = r * (x - y + i) / i;
    return static_cast<int>(r);
}

int cuantos(int betMode) {
    if (!isMultipleMode(betMode) || !isValidBetMode(betMode)) return 0;
    return binomial(modeNumbers(betMode), 5) * binomial(modeStars(betMode), 2);
}
