// Band noise loop: receiver-filtered noise whose level drifts slowly, a
// constant light crackle and now and then a static crash. The loop is made a
// little longer than its length and its overhang cross-faded into the start,
// so the last sample leads into the first as any two neighbours do.
#include <algorithm>
#include <cmath>

#include "tools/recordings/recordings.h"

namespace kestrel::rec {

namespace {

constexpr double NOISE_RATE = 11025.0;
constexpr double FLOOR_RMS = 0.045;   // well under a strength-3 Morse signal
constexpr double PEAK_LIMIT = 0.42;   // crashes stay under strength 5

// One crash: a burst of impulses under a fast-attack, slow-decay envelope.
void add_crash(Samples &e, Rng &rng, long at, double strength) {
    double decay_s = rng.uniform(0.08, 0.45);
    long len = long(decay_s * 4 * NOISE_RATE);
    double density = rng.uniform(0.05, 0.25);  // share of samples with an impulse
    for (long i = 0; i < len && at + i < long(e.size()); ++i) {
        double t = double(i) / NOISE_RATE;
        double env = std::min(1.0, t / 0.004) * std::exp(-t / decay_s);
        if (rng.uniform() < density) e[size_t(at + i)] += float(strength * env * rng.gauss());
    }
}

}  // namespace

bool make_noise(Output &out, std::string &) {
    Rng rng(seed_of("noise.wav"));
    const long n = long(NOISE_LOOP_S * NOISE_RATE);
    const long fade = long(0.5 * NOISE_RATE);
    const long total = n + fade;

    // Slow level drift, periodic over the loop so the seam has none to hide.
    int k1 = 2 + rng.below(3), k2 = 5 + rng.below(5), k3 = 11 + rng.below(7);
    double p1 = rng.uniform(0, 2 * PI), p2 = rng.uniform(0, 2 * PI), p3 = rng.uniform(0, 2 * PI);
    auto drift = [&](long i) {
        double x = 2 * PI * double(i % n) / double(n);
        return 1.0 + 0.22 * std::sin(k1 * x + p1) + 0.12 * std::sin(k2 * x + p2) +
               0.06 * std::sin(k3 * x + p3);
    };

    // Excitation: white noise with a reddish part (the band's low rumble).
    Samples e(static_cast<size_t>(total));
    double red = 0;
    for (long i = 0; i < total; ++i) {
        red = 0.97 * red + 0.03 * rng.gauss() * 6.0;
        e[size_t(i)] = float(drift(i) * (rng.gauss() + 0.5 * red));
    }
    // Crackle: sparse single impulses, a few per second.
    for (long i = 0; i < total; ++i)
        if (rng.uniform() < 3.5 / NOISE_RATE) e[size_t(i)] += float(rng.uniform(2.0, 7.0) * rng.gauss());
    // Crashes, kept clear of the cross-faded stretches at both ends.
    int crashes = 5 + rng.below(4);
    for (int c = 0; c < crashes; ++c) {
        long at = fade + long(rng.uniform(0.02, 0.94) * double(n - 3 * fade));
        add_crash(e, rng, at, rng.uniform(3.0, 9.0));
    }

    Passband pb(NOISE_RATE, 220.0, 2900.0, 2);
    Samples x(static_cast<size_t>(total));
    for (int i = 0; i < 512; ++i) pb.step(rng.gauss());
    for (long i = 0; i < total; ++i) x[size_t(i)] = float(pb.step(e[size_t(i)]));

    // Close the loop: the overhang continues sample n-1, so it is faded into
    // the start (equal power, the two stretches are unrelated noise).
    Samples y(x.begin(), x.begin() + n);
    for (long i = 0; i < fade; ++i) {
        double a = std::sin(0.5 * PI * double(i) / double(fade));
        double b = std::cos(0.5 * PI * double(i) / double(fade));
        y[size_t(i)] = float(a * x[size_t(i)] + b * x[size_t(n + i)]);
    }

    // Level: the floor's RMS (measured without the crashes' share) set, the
    // crashes then held under the limit.
    std::vector<float> mags(y.size());
    for (size_t i = 0; i < y.size(); ++i) mags[i] = std::abs(y[i]);
    std::nth_element(mags.begin(), mags.begin() + long(mags.size() / 2), mags.end());
    double median = mags[mags.size() / 2];  // 0.674 sigma for Gaussian noise
    double g = FLOOR_RMS / (median / 0.674);
    for (auto &v : y) v = float(v * g);
    double p = peak(y);
    if (p > PEAK_LIMIT)
        for (auto &v : y) {
            // Soft knee above 70 % of the limit: crashes flatten, the floor stays.
            double a = std::abs(v), knee = 0.7 * PEAK_LIMIT;
            if (a > knee) {
                double over = (a - knee) / (p - knee);
                a = knee + (PEAK_LIMIT - knee) * std::sin(0.5 * PI * over);
                v = float(v < 0 ? -a : a);
            }
        }
    out.sound = {int(NOISE_RATE), std::move(y)};
    out.encoding = Encoding::pcm16;
    return true;
}

}  // namespace kestrel::rec
