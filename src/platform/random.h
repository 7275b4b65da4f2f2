#pragma once

#include "platform/clock.h"

#include <random>

// Uniform numbers in [0, 1), reseeded from the clock's time of day.
class RandomSource {
public:
    void seedFromTime(const Clock& clock) {
        const QTime t = clock.timeOfDay();
        engine_.seed(static_cast<unsigned>(t.msecsSinceStartOfDay()));
    }
    double next() { return std::uniform_real_distribution<double>(0.0, 1.0)(engine_); }

private:
    std::mt19937 engine_{0};
};
