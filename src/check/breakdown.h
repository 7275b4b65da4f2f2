#pragma once

#include <array>

// The simple bets a multiple bet stands for.

// C(x, y); 0 when y < 0 or y > x.
int binomial(int x, int y);
// Simple bets inside a multiple bet; 0 for any code that is not one of the
// 23 multiple modes (in particular for every simple peña).
int cuantos(int betMode);

// How many simple bets inside one multiple bet win in each prize category,
// indexed k - 1 for k = 1..13. At most 1200 in one category.
using CategoryCounts = std::array<int, 13>;

// The breakdown of a multiple bet with numbersHit of its numbers and
// starsHit of its stars among the draw's. All zero for a code outside the 23
// multiple modes or hits the bet cannot hold.
CategoryCounts breakDownMultiple(int betMode, int numbersHit, int starsHit);
