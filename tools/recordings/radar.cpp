// Over-the-horizon radar as a receiver hears it: a train of short frequency
// sweeps ten times a second, each smeared by a few ionospheric echoes, the
// hard rhythmic tapping that wipes out a whole stretch of the band.
#include <cmath>

#include "tools/recordings/recordings.h"

namespace kestrel::rec {

namespace {
constexpr double RADAR_RATE = 8000.0;
constexpr double PULSE_HZ = 10.0;     // pulses per second
constexpr double SWEEP_S = 0.012;     // length of one sweep
constexpr double RADAR_S = 6.0;
}  // namespace

bool make_radar(Output &out, std::string &) {
    Rng rng(seed_of("othr-001.wav"));
    long n = long(RADAR_S * RADAR_RATE);
    Samples s(size_t(n), 0.0f);
    // One sweep, downward across the receiver's passband, Hann-shaped.
    long m = long(SWEEP_S * RADAR_RATE);
    Samples sweep(static_cast<size_t>(m));
    double f0 = 3000.0, f1 = 250.0, ph = 0;
    for (long i = 0; i < m; ++i) {
        double u = double(i) / double(m);
        ph += 2 * PI * (f0 + (f1 - f0) * u) / RADAR_RATE;
        sweep[size_t(i)] = float(std::sin(ph) * (0.5 - 0.5 * std::cos(2 * PI * u)));
    }
    // Echo paths: delays in ms and gains.
    const double delay_ms[] = {0.0, 1.7, 3.1, 5.6};
    const double gain[] = {1.0, 0.55, 0.35, 0.2};
    Fader fade(rng, RADAR_RATE, 0.5, 1.0, 2.5, 0.8);
    long period = long(RADAR_RATE / PULSE_HZ);
    for (long start = long(0.05 * RADAR_RATE); start + m < n; start += period) {
        double g = fade.at(start);
        for (int e = 0; e < 4; ++e) {
            double eg = g * gain[e] * rng.uniform(0.7, 1.0);
            mix_into(s, sweep, start + long(delay_ms[e] * RADAR_RATE / 1000.0), eg);
        }
    }
    s.resize(size_t(n));
    Passband rx(RADAR_RATE, 250.0, 2900.0, 2);
    rx.run(s);
    scale_to_peak(s, 0.7);
    Samples noise = band_noise(rng, RADAR_RATE, n, 250.0, 2900.0, 0.03);
    for (long i = 0; i < n; ++i) s[size_t(i)] += noise[size_t(i)];
    fade_edges(s, RADAR_RATE, 0.02);
    out.sound = {int(RADAR_RATE), std::move(s)};
    out.encoding = Encoding::pcm16;
    return true;
}

}  // namespace kestrel::rec
