#pragma once

// A value axis from 0 that covers `top` in at most four equal whole steps of
// 1, 2 or 5 times a power of ten, so every tick label is a round number.
struct AxisScale {
    int maximum = 1;
    int step = 1;
    int ticks = 2; // with the 0
};

AxisScale axisScale(int top);
