// A tuning key on a silent frequency: from WM_KEYDOWN to dsp_freq's return
// (display, meter, stop of every channel, band dispatch), without a display.
#include <benchmark/benchmark.h>

#include "app/window.h"
#include "platform/media.h"
#include "platform/ui.h"
#include "platform/window.h"
#include "state/receiver.h"

namespace {
using namespace kestrel;

void key_to_retune_silent(benchmark::State &state) {
    media_use(&media_null);
    ui_use(nullptr);
    window_use(nullptr);
    hwnd = 1;
    for (auto _ : state) {
        freq = 29999;  // Right arrow: 30000, where no station is
        WndProc(hwnd, WM_KEYDOWN, VK_RIGHT, 0);
    }
    if (freq != 30000) state.SkipWithError("the key did not tune");
}
BENCHMARK(key_to_retune_silent);

}  // namespace
