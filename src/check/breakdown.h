#pragma once

// The simple bets a multiple bet stands for.

// C(x, y); 0 when y < 0 or y > x.
int binomial(int x, int y);
// Simple bets inside a multiple bet; 0 for any code that is not one of the
// 23 multiple modes (in particular for every simple peña).
int cuantos(int betMode);
