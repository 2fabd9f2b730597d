// Small signal-processing kit for the recording generators: a seeded random
// source, filters, resampling, frequency shifting and level helpers. Every
// routine is deterministic so that two runs write the same bytes.
#pragma once
#include <cstdint>
#include <limits>
#include <string_view>
#include <vector>

namespace kestrel::rec {

using Samples = std::vector<float>;

constexpr double PI = 3.14159265358979323846;

// splitmix64: tiny, fast, and identical on every platform.
class Rng {
public:
    explicit Rng(uint64_t seed) : s_(seed) {}
    uint64_t next();
    double uniform();                     // [0, 1)
    double uniform(double a, double b);   // [a, b)
    int below(int n);                     // 0 .. n-1
    double gauss();                       // mean 0, deviation 1
private:
    uint64_t s_;
    bool have_spare_ = false;
    double spare_ = 0.0;
};

// Seed derived from a name, so that each file's content depends only on its
// own name and not on which other files are generated in the same run.
uint64_t seed_of(std::string_view name, uint64_t salt = 0);

// Direct-form-I biquad (RBJ cookbook designs).
struct Biquad {
    double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    static Biquad lowpass(double rate, double f, double q = 0.7071);
    static Biquad highpass(double rate, double f, double q = 0.7071);
    double step(double x) {
        double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1; x1 = x; y2 = y1; y1 = y;
        return y;
    }
};

// Cascade of high-pass and low-pass sections: a receiver's audio passband.
class Passband {
public:
    Passband(double rate, double low, double high, int order = 2);
    double step(double x);
    void run(Samples &s);
private:
    std::vector<Biquad> st_;
};

// Windowed-sinc resampling from one rate to another.
Samples resample(const Samples &in, double from, double to);

// Shifts every frequency of a real signal by `hz` (single-sideband shift via a
// Hilbert transformer), as a receiver tuned slightly off an SSB signal does.
Samples frequency_shift(const Samples &in, double rate, double hz);

// Slowly varying gain between lo and hi: sum of a few random sinusoids.
class Fader {
public:
    Fader(Rng &rng, double rate, double lo, double hi, double slowest_s, double fastest_s);
    double at(long n) const;
private:
    static constexpr long STEP = 64;
    double exact(long n) const;
    double lo_, hi_;
    double w_[4], p_[4], a_[4];
    mutable long grid_ = std::numeric_limits<long>::min();
    mutable double g0_ = 0, g1_ = 0;
};

double rms(const Samples &s);
double peak(const Samples &s);
void scale_to_peak(Samples &s, double target);
void scale_to_rms(Samples &s, double target);
void fade_edges(Samples &s, double rate, double seconds);
void append(Samples &dst, const Samples &src);
void append_silence(Samples &dst, double rate, double seconds);
// Adds `src` into `dst` from sample `at`, growing dst if needed.
void mix_into(Samples &dst, const Samples &src, long at, double gain = 1.0);

// Gaussian noise through the passband, scaled to an RMS level.
Samples band_noise(Rng &rng, double rate, long n, double low, double high, double level);

}  // namespace kestrel::rec
