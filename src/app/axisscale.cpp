#include "app/axisscale.h"

#include <initializer_list>

AxisScale axisScale(int top) {
    AxisScale s;
    if (top <= 1) return s;
    for (long long power = 1;; power *= 10) {
        for (const int factor : {1, 2, 5}) {
            const long long step = factor * power;
            if (step * 4 < top) continue;
            const long long steps = (top + step - 1) / step;
            s.step = static_cast<int>(step);
            s.maximum = static_cast<int>(steps * step);
            s.ticks = static_cast<int>(steps) + 1;
            return s;
        }
    }
}
