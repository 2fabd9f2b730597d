#include "platform/audio_tap.h"

#include <atomic>

#include "platform/audio.h"
#include "platform/waterfall_feed.h"

namespace kestrel {

namespace {
std::atomic<MixTap> g_tap{nullptr};
std::atomic<int> g_rate{0};
}  // namespace

void media_tap(MixTap tap) { g_tap.store(tap); }
int media_tap_rate() { return g_rate.load(); }

namespace audio {

void tap_feed(const float *samples, int frames) {
    spectrum_feed(samples, frames);  // the waterfall, when it is open
    if (MixTap tap = g_tap.load(std::memory_order_acquire)) tap(samples, frames);
}

int tap_set_rate(int rate) { return g_rate.exchange(rate); }

}  // namespace audio
}  // namespace kestrel
