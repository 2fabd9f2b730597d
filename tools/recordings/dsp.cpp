#include "tools/recordings/dsp.h"

#include <algorithm>
#include <cmath>

namespace kestrel::rec {

uint64_t Rng::next() {
    uint64_t z = (s_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

double Rng::uniform() { return double(next() >> 11) * (1.0 / 9007199254740992.0); }

double Rng::uniform(double a, double b) { return a + (b - a) * uniform(); }

int Rng::below(int n) { return n <= 0 ? 0 : int(next() % uint64_t(n)); }

double Rng::gauss() {
    if (have_spare_) {
        have_spare_ = false;
        return spare_;
    }
    double u = 0.0;
    while (u <= 1e-300) u = uniform();
    double v = uniform();
    double r = std::sqrt(-2.0 * std::log(u));
    spare_ = r * std::sin(2.0 * PI * v);
    have_spare_ = true;
    return r * std::cos(2.0 * PI * v);
}

uint64_t seed_of(std::string_view name, uint64_t salt) {
    uint64_t h = 0xCBF29CE484222325ull ^ salt;
    for (unsigned char c : name) {
        h ^= c;
        h *= 0x100000001B3ull;
    }
    return h;
}

namespace {
Biquad design(double b0, double b1, double b2, double a0, double a1, double a2) {
    Biquad q;
    q.b0 = b0 / a0; q.b1 = b1 / a0; q.b2 = b2 / a0;
    q.a1 = a1 / a0; q.a2 = a2 / a0;
    return q;
}
}  // namespace

Biquad Biquad::lowpass(double rate, double f, double q) {
    double w = 2 * PI * f / rate, c = std::cos(w), al = std::sin(w) / (2 * q);
    return design((1 - c) / 2, 1 - c, (1 - c) / 2, 1 + al, -2 * c, 1 - al);
}

Biquad Biquad::highpass(double rate, double f, double q) {
    double w = 2 * PI * f / rate, c = std::cos(w), al = std::sin(w) / (2 * q);
    return design((1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + al, -2 * c, 1 - al);
}

Passband::Passband(double rate, double low, double high, int order) {
    // Butterworth Q values for a cascade of `order` second-order sections.
    for (int k = 0; k < order; ++k) {
        double q = 1.0 / (2.0 * std::sin(PI * (2 * k + 1) / (4.0 * order)));
        if (low > 0) st_.push_back(Biquad::highpass(rate, low, q));
        if (high > 0 && high < rate / 2) st_.push_back(Biquad::lowpass(rate, high, q));
    }
}

double Passband::step(double x) {
    for (auto &b : st_) x = b.step(x);
    return x;
}

void Passband::run(Samples &s) {
    for (auto &v : s) v = float(step(v));
}

namespace {

// Windowed-sinc kernel value at distance d (input samples) from the centre.
double kernel(double d, double cutoff, double half) {
    if (std::abs(d) >= half) return 0.0;
    double x = 2 * cutoff * d;
    double sinc = std::abs(x) < 1e-12 ? 1.0 : std::sin(PI * x) / (PI * x);
    return 2 * cutoff * sinc * (0.5 + 0.5 * std::cos(PI * d / half));
}

long gcd(long a, long b) { return b == 0 ? a : gcd(b, a % b); }

}  // namespace

Samples resample(const Samples &in, double from, double to) {
    if (from == to || in.empty()) return in;
    double ratio = to / from;
    double cutoff = 0.45 * std::min(1.0, ratio);  // of the input rate
    const int zeros = 12;
    double half = zeros / (2 * cutoff);  // kernel half-width in input samples
    long nout = long(std::floor(double(in.size()) * ratio));
    Samples out(static_cast<size_t>(std::max(0L, nout)));
    long ni = long(in.size());
    // Whole-number rates repeat their phases: output n sits at input position
    // (n * M) / L, so L precomputed kernels serve every output sample.
    long lf = long(from), lt = long(to);
    if (double(lf) == from && double(lt) == to && lf > 0 && lt > 0 && lt / gcd(lf, lt) <= 4096) {
        long g = gcd(lf, lt), L = lt / g, M = lf / g;
        int J = int(std::ceil(half)) + 1, taps = 2 * J + 1;
        std::vector<double> w(size_t(L) * size_t(taps));
        for (long p = 0; p < L; ++p)
            for (int j = -J; j <= J; ++j)
                w[size_t(p) * size_t(taps) + size_t(j + J)] = kernel(double(j) - double(p) / double(L), cutoff, half);
        for (long n = 0; n < nout; ++n) {
            long ip = (n * M) / L, p = (n * M) % L;
            const double *k = &w[size_t(p) * size_t(taps)];
            double acc = 0;
            long a = std::max(-long(J), -ip), b = std::min(long(J), ni - 1 - ip);
            for (long j = a; j <= b; ++j) acc += k[j + J] * in[size_t(ip + j)];
            out[size_t(n)] = float(acc);
        }
        return out;
    }
    for (long n = 0; n < nout; ++n) {
        double centre = double(n) / ratio;
        long first = long(std::ceil(centre - half)), last = long(std::floor(centre + half));
        double acc = 0;
        for (long k = std::max(0L, first); k <= std::min(last, ni - 1); ++k)
            acc += in[size_t(k)] * kernel(double(k) - centre, cutoff, half);
        out[size_t(n)] = float(acc);
    }
    return out;
}

Samples frequency_shift(const Samples &in, double rate, double hz) {
    const int taps = 201, mid = taps / 2;
    std::vector<double> h(taps, 0.0);
    for (int k = 1; k <= mid; k += 2) {  // odd taps only
        double w = 0.54 + 0.46 * std::cos(PI * k / (mid + 1));
        h[size_t(mid + k)] = 2.0 / (PI * k) * w;
        h[size_t(mid - k)] = -h[size_t(mid + k)];
    }
    Samples out(in.size());
    long n = long(in.size());
    double step = 2 * PI * hz / rate;
    for (long i = 0; i < n; ++i) {
        double q = 0;
        for (int k = 1 - mid % 2; k < taps; k += 2) {
            long j = i + mid - k;
            if (j >= 0 && j < n) q += h[size_t(k)] * in[size_t(j)];
        }
        double ph = step * double(i);
        out[size_t(i)] = float(in[size_t(i)] * std::cos(ph) - q * std::sin(ph));
    }
    return out;
}

Fader::Fader(Rng &rng, double rate, double lo, double hi, double slowest_s, double fastest_s)
    : lo_(lo), hi_(hi) {
    double sum = 0;
    for (int k = 0; k < 4; ++k) {
        double period = rng.uniform(fastest_s, slowest_s);
        w_[k] = 2 * PI / (period * rate);
        p_[k] = rng.uniform(0, 2 * PI);
        a_[k] = rng.uniform(0.5, 1.0);
        sum += a_[k];
    }
    for (double &a : a_) a /= sum;
}

double Fader::exact(long n) const {
    double v = 0;
    for (int k = 0; k < 4; ++k) v += a_[k] * std::sin(w_[k] * double(n) + p_[k]);
    return lo_ + (hi_ - lo_) * (0.5 + 0.5 * v);
}

double Fader::at(long n) const {
    // The gain moves over seconds: exact values every STEP samples, straight
    // lines between them.
    long g = n >= 0 ? n / STEP : (n - STEP + 1) / STEP;
    if (g != grid_) {
        grid_ = g;
        g0_ = exact(g * STEP);
        g1_ = exact((g + 1) * STEP);
    }
    return g0_ + (g1_ - g0_) * double(n - g * STEP) / double(STEP);
}

double rms(const Samples &s) {
    if (s.empty()) return 0;
    double acc = 0;
    for (float v : s) acc += double(v) * v;
    return std::sqrt(acc / double(s.size()));
}

double peak(const Samples &s) {
    double p = 0;
    for (float v : s) p = std::max(p, double(std::abs(v)));
    return p;
}

void scale_to_peak(Samples &s, double target) {
    double p = peak(s);
    if (p <= 0) return;
    for (auto &v : s) v = float(v * target / p);
}

void scale_to_rms(Samples &s, double target) {
    double r = rms(s);
    if (r <= 0) return;
    for (auto &v : s) v = float(v * target / r);
}

void fade_edges(Samples &s, double rate, double seconds) {
    size_t n = std::min(s.size() / 2, size_t(rate * seconds));
    for (size_t i = 0; i < n; ++i) {
        float g = float(0.5 - 0.5 * std::cos(PI * double(i) / double(n)));
        s[i] *= g;
        s[s.size() - 1 - i] *= g;
    }
}

void append(Samples &dst, const Samples &src) { dst.insert(dst.end(), src.begin(), src.end()); }

void append_silence(Samples &dst, double rate, double seconds) {
    dst.resize(dst.size() + size_t(std::max(0.0, rate * seconds)), 0.0f);
}

void mix_into(Samples &dst, const Samples &src, long at, double gain) {
    if (at < 0) at = 0;
    if (dst.size() < size_t(at) + src.size()) dst.resize(size_t(at) + src.size(), 0.0f);
    for (size_t i = 0; i < src.size(); ++i) dst[size_t(at) + i] += float(src[i] * gain);
}

Samples band_noise(Rng &rng, double rate, long n, double low, double high, double level) {
    Passband pb(rate, low, high, 2);
    Samples s(size_t(std::max(0L, n)));
    for (long i = 0; i < 256; ++i) pb.step(rng.gauss());  // settle the filter
    for (auto &v : s) v = float(pb.step(rng.gauss()));
    scale_to_rms(s, level);
    return s;
}

}  // namespace kestrel::rec
