#include "check/breakdown.h"

#include "check/categories.h"
#include "store/records.h"

int binomial(int x, int y) {
    if (y < 0 || x < 0 || y > x) return 0;
    long long r = 1;
    for (int i = 1; i <= y; ++i)
        r = r * (x - y + i) / i;
    return static_cast<int>(r);
}

int cuantos(int betMode) {
    if (!isMultipleMode(betMode) || !isValidBetMode(betMode)) return 0;
    return binomial(modeNumbers(betMode), 5) * binomial(modeStars(betMode), 2);
}

CategoryCounts breakDownMultiple(int betMode, int numbersHit, int starsHit) {
    CategoryCounts counts{};
    if (!isMultipleMode(betMode) || !isValidBetMode(betMode)) return counts;
    const int n = modeNumbers(betMode);
    const int s = modeStars(betMode);
    const int a = numbersHit;
    const int b = starsHit;
    if (a < 0 || a > 5 || a > n || b < 0 || b > 2 || b > s) return counts;
    for (int k = 1; k <= 13; ++k) {
        const int i = category(k).numbers;
        const int j = category(k).stars;
        // i of the hit numbers and 5 - i of the others; j of the hit stars
        // and 2 - j of the others.
        counts[k - 1] =
            binomial(a, i) * binomial(n - a, 5 - i) * binomial(b, j) * binomial(s - b, 2 - j);
    }
    return counts;
}
