// The random source; every draw refreshes the clock sample t.
#pragma once
#include <cstdint>

#include "state/clock.h"

namespace kestrel {

extern uint32_t rand_seed;  // random accumulator, starts at 11111

// Stirs the accumulator with rand() and a fresh clock sample (refreshing t).
uint32_t myrand();

// Puts the random source back to its start (rand_seed 11111, srand(seed)).
void random_reset(unsigned seed);

}  // namespace kestrel
