#include "state/random.h"

#include <cstdlib>

namespace kestrel {

uint32_t rand_seed = 11111;

uint32_t myrand() {
    GetSystemTime(&t);
    rand_seed = rand_seed + static_cast<uint32_t>(std::rand()) + t.wDay + t.wHour + t.wMinute +
                static_cast<uint32_t>(t.wSecond) * t.wMilliseconds;
    rand_seed = rand_seed + 1;
    return rand_seed;
}

void random_reset(unsigned seed) {
    rand_seed = 11111;
    std::srand(seed);
}

}  // namespace kestrel
