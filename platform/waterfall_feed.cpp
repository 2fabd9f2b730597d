#include "platform/waterfall_feed.h"

#include <complex>
#include <liquid/liquid.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <vector>

#include "platform/audio.h"

namespace kestrel {

namespace {

// The mixing thread writes, the drawing thread reads: one second at 48 kHz.
constexpr uint32_t kRing = 1u << 16;
constexpr uint32_t kMask = kRing - 1;
float g_ring[kRing];
std::atomic<uint32_t> g_wr{0}, g_rd{0};
std::atomic<bool> g_armed{false};

// Drawing thread only.
spgramf g_gram = nullptr;
int g_gram_rate = 0;
std::vector<float> g_psd;
std::vector<float> g_chunk;

int nfft_for(int rate) { return rate >= 32000 ? 4096 : 2048; }

}  // namespace

void spectrum_arm(bool on) {
    if (on && !g_armed.load()) g_rd.store(g_wr.load(std::memory_order_acquire), std::memory_order_release);
    g_armed.store(on, std::memory_order_release);
}

bool spectrum_armed() { return g_armed.load(std::memory_order_acquire); }

namespace audio {
void spectrum_feed(const float *samples, int frames) {
    if (!g_armed.load(std::memory_order_acquire)) return;
    uint32_t w = g_wr.load(std::memory_order_relaxed);
    const uint32_t r = g_rd.load(std::memory_order_acquire);
    for (int i = 0; i < frames && w - r < kRing; ++i) g_ring[w++ & kMask] = samples[i];
    g_wr.store(w, std::memory_order_release);
}
}  // namespace audio

bool spectrum_line(float *db, int columns, double max_hz) {
    const int rate = media_tap_rate();
    if (rate <= 0 || columns <= 0) return false;
    if (!g_gram || g_gram_rate != rate) {
        if (g_gram) spgramf_destroy(g_gram);
        const int nfft = nfft_for(rate);
        // Overlapping Hann windows, a transform every quarter of one.
        g_gram = spgramf_create(unsigned(nfft), LIQUID_WINDOW_HANN, unsigned(nfft), unsigned(nfft / 4));
        g_gram_rate = rate;
        g_psd.assign(size_t(nfft), 0.0f);
    }
    uint32_t r = g_rd.load(std::memory_order_relaxed);
    const uint32_t w = g_wr.load(std::memory_order_acquire);
    if (w == r) return false;
    g_chunk.resize(w - r);
    for (size_t i = 0; r != w; ++i) g_chunk[i] = g_ring[r++ & kMask];
    g_rd.store(r, std::memory_order_release);
    spgramf_write(g_gram, g_chunk.data(), unsigned(g_chunk.size()));
    if (spgramf_get_num_transforms(g_gram) == 0) return false;  // not a whole window yet
    spgramf_get_psd(g_gram, g_psd.data());
    spgramf_clear(g_gram);
    // The estimate is centred on 0 Hz; a real signal's upper half is read.
    const int nfft = int(g_psd.size());
    const double bin_hz = double(rate) / nfft;
    for (int c = 0; c < columns; ++c) {
        const double f0 = c * max_hz / columns, f1 = (c + 1) * max_hz / columns;
        int b0 = int(std::floor(f0 / bin_hz + 0.5)), b1 = int(std::floor(f1 / bin_hz + 0.5));
        b0 = std::clamp(b0, 0, nfft / 2 - 1);
        b1 = std::clamp(std::max(b1, b0 + 1), 1, nfft / 2);
        float top = -200.0f;
        for (int b = b0; b < b1; ++b) top = std::max(top, g_psd[size_t(nfft / 2 + b)]);
        db[c] = top;
    }
    return true;
}

}  // namespace kestrel
