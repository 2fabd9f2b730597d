// The random source; every draw refreshes the clock sample t.
#pragma once
#include <cstdint>

#include "state/clock.h"

namespace kestrel {

extern uint32_t rand_seed;  // random accumulator, starts at 11111

// Stirs the accumulator with rand() and a fresh clock sample (refreshing t).
uint32_t myrand();

// The draws of the traffic generators: "draw n" is a myrand() value modulo n
// (0..n-1), "draw a..b" is a plus draw (b - a + 1).
inline int draw(int n) { return static_cast<int>(myrand() % static_cast<unsigned>(n)); }
inline int draw(int a, int b) { return a + draw(b - a + 1); }

// Puts the random source back to its start (rand_seed 11111, srand(seed)).
void random_reset(unsigned seed);

}  // namespace kestrel
