// Tuning steps: a step that would reach or pass an edge wraps to the other end.
#include "app/window.h"

namespace kestrel {

namespace {
struct TuningStep {
    int id;
    int step;       // kHz, signed
    int threshold;  // down: step while freq > threshold; up: wrap once freq > threshold
};

const TuningStep steps[] = {
    {ID_DOWN_1K, -1, 10000},     {ID_UP_1K, 1, 29999},      {ID_DOWN_10K, -10, 10010},
    {ID_UP_10K, 10, 29989},      {ID_DOWN_100K, -100, 10100}, {ID_UP_100K, 100, 29899},
    {ID_DOWN_1M, -1000, 11000}, {ID_UP_1M, 1000, 28999},
};

struct KeyButton {
    uintptr_t vk;
    int id;
};

const KeyButton keys[] = {
    {VK_LEFT, ID_DOWN_1K},   {VK_RIGHT, ID_UP_1K},   {VK_DOWN, ID_DOWN_10K},
    {VK_UP, ID_UP_10K},      {VK_NEXT, ID_DOWN_100K}, {VK_PRIOR, ID_UP_100K},
};
}  // namespace

int tuned_by_button(int id, int from) {
    for (const TuningStep &s : steps) {
        if (s.id != id) continue;
        if (s.step < 0) return from > s.threshold ? from + s.step : FREQ_MAX;
        return from > s.threshold ? FREQ_MIN : from + s.step;
    }
    return from;
}

int button_for_key(uintptr_t vk) {
    for (const KeyButton &k : keys)
        if (k.vk == vk) return k.id;
    return 0;
}

}  // namespace kestrel
