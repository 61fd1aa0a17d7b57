#pragma once
// The home page opens at one start of the bar in fifteen: a whole number from
// 1 to 15 is drawn and only 1 opens it.

#include <functional>

namespace velmora {

// Gives numbers in [0, 1).
using RandomSource = std::function<double()>;

// A source seeded from the clock, so each start draws differently.
RandomSource ClockSeededSource();

// The whole number 1 to 15 that a draw u in [0, 1) stands for. A source that
// misbehaves (u outside [0, 1), not a number) draws 15: no home page.
int DrawOneToFifteen(double u);

// Draws once from the source; true when the home page is due.
bool HomePageDue(const RandomSource& source);

}  // namespace velmora
