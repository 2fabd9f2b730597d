#include "platform/rx_chain.h"

#include <complex>
#include <liquid/liquid.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <mutex>
#include <vector>

namespace kestrel {

namespace {

std::mutex g_mu;
RxSettings g_settings;
std::atomic<uint32_t> g_version{0};

constexpr double kPi = 3.14159265358979323846;

// FLT2 is the 2 kHz filter the pitches sit in; FLT1 halves the pitches
// (a 1000 Hz tone becomes 500 Hz), so its 1 kHz lies lower.
constexpr double kFlt2Lo = 300, kFlt2Hi = 2300;
constexpr double kFlt1Lo = 200, kFlt1Hi = 1200;

// A small reproducible generator: the same seed, the same sound.
struct Rng {
    uint64_t s;
    explicit Rng(uint64_t seed = 1) : s(seed) {}
    uint64_t next() {
        uint64_t z = (s += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    double uniform() { return double(next() >> 11) * (1.0 / 9007199254740992.0); }
    double uniform(double a, double b) { return a + (b - a) * uniform(); }
    double gauss() {
        double u = uniform();
        if (u < 1e-300) u = 1e-300;
        return std::sqrt(-2.0 * std::log(u)) * std::cos(2 * kPi * uniform());
    }
    // Waiting time of a Poisson process of `rate` per unit.
    double wait(double rate) { return rate > 0 ? -std::log(1.0 - uniform()) / rate : 1e30; }
};

uint64_t mix_seed(uint64_t a, uint64_t b) {
    Rng r(a * 0x100000001B3ull ^ (b + 0x632BE59BD9B4E019ull));
    return r.next();
}

}  // namespace

void rx_set(const RxSettings &s) {
    std::lock_guard<std::mutex> lk(g_mu);
    g_settings = s;
    g_version.fetch_add(1, std::memory_order_release);
}

RxSettings rx_get() {
    std::lock_guard<std::mutex> lk(g_mu);
    return g_settings;
}

void rx_passband(int filter, double *lo, double *hi) {
    *lo = filter == 1 ? kFlt1Lo : kFlt2Lo;
    *hi = filter == 1 ? kFlt1Hi : kFlt2Hi;
}

double rx_crash_rate(int month, int hour) {
    // Thunderstorms: most in summer, fewest in winter; over the day they
    // build up in the afternoon and peak in the evening.
    double season = 0.15;
    if (month >= 6 && month <= 8) season = 1.0;
    else if (month >= 3 && month <= 5) season = 0.45;
    else if (month >= 9 && month <= 11) season = 0.55;
    double d = std::fabs(double(((hour % 24) + 24) % 24) - 19.0);
    if (d > 12) d = 24 - d;
    const double of_day = 0.15 + 0.85 * std::exp(-d * d / (2 * 3.5 * 3.5));
    return 0.35 * season * of_day;
}

namespace {
// 0 for a strength-5 station, 1 for strength 1 and below.
double weakness(float peak) {
    if (peak <= 0.0625f) return 1.0;
    if (peak >= 0.75f) return 0.0;
    return std::log(0.75 / peak) / std::log(12.0);
}
}  // namespace

double rx_fade_depth_db(float peak, bool night) {
    const double w = weakness(peak);
    return night ? 14.0 + 12.0 * w : 2.5 + 2.5 * w;
}

namespace audio {

namespace {

constexpr int kStep = 32;  // samples per update of a fading gain
constexpr int kCrashes = 6;

// Where a liquid band-pass design puts its -3 dB points.
void edges(iirfilt_rrrf q, double rate, double lo, double hi, double *e1, double *e2) {
    const double mid = std::sqrt(lo * hi);
    auto db = [&](double f) { return iirfilt_rrrf_get_psd(q, float(f / rate)); };
    double a = 1, b = mid;
    for (int i = 0; i < 40; ++i) {
        const double m = 0.5 * (a + b);
        (db(m) < -3.0 ? a : b) = m;
    }
    *e1 = 0.5 * (a + b);
    a = mid;
    b = rate * 0.499;
    for (int i = 0; i < 40; ++i) {
        const double m = 0.5 * (a + b);
        (db(m) < -3.0 ? b : a) = m;
    }
    *e2 = 0.5 * (a + b);
}

// An elliptic band-pass with its -3 dB points at lo and hi: a crystal
// filter's steep skirts (and its ringing). The prototype's band edges are
// corrected until the design lands on them.
iirfilt_rrrf bandpass(double rate, double lo, double hi) {
    double a1 = lo, a2 = hi;
    iirfilt_rrrf q = nullptr;
    for (int i = 0; i < 8; ++i) {
        if (q) iirfilt_rrrf_destroy(q);
        const double fc = (a2 - a1) / rate;
        const double c = std::cos(kPi * (a2 + a1) / rate) / std::cos(kPi * (a2 - a1) / rate);
        const double f0 = std::acos(std::clamp(c, -1.0, 1.0)) / (2 * kPi);
        q = iirfilt_rrrf_create_prototype(LIQUID_IIRDES_ELLIP, LIQUID_IIRDES_BANDPASS, LIQUID_IIRDES_SOS, 6,
                                          float(fc), float(f0), 1.0f, 60.0f);
        double e1, e2;
        edges(q, rate, lo, hi, &e1, &e2);
        if (std::fabs(e1 - lo) < 2 && std::fabs(e2 - hi) < 2) break;
        a1 *= lo / e1;
        a2 *= hi / e2;
    }
    return q;
}

// The fading of one emission: three slow swings of periods from seconds to
// tens of seconds, in dB, and now and then a few seconds of flutter.
struct Fader {
    uint64_t serial = ~0ull;
    Rng rng;
    double t = 0;  // seconds since the emission began
    double period[3], phase[3];
    float peak = 0;  // the emission's keyed level, for how deep it fades
    double flutter_at = 0, flutter_len = 0, flutter_hz = 0, flutter_depth = 0;
    float gain = 1;

    void start(uint64_t seed, uint64_t s) {
        serial = s;
        rng = Rng(mix_seed(seed, s));
        t = 0;
        peak = 0;
        const double lo[3] = {15, 6, 2}, hi[3] = {45, 15, 5};
        for (int k = 0; k < 3; ++k) {
            period[k] = rng.uniform(lo[k], hi[k]);
            phase[k] = rng.uniform(0, 2 * kPi);
        }
        flutter_at = -1;  // drawn at the first step, when the level is known
        gain = -1;
    }

    double flutter_wait(bool night) {
        // Weak stations flutter more often, and everyone more by night.
        const double mean = (night ? 60.0 : 180.0) * (0.5 + weakness(peak));
        return rng.wait(1.0 / mean);
    }

    float at(double time, const RxSettings &s, bool fading, bool flutter) {
        double g = 1;
        if (fading) {
            const double x = 0.55 * std::sin(2 * kPi * time / period[0] + phase[0]) +
                             0.30 * std::sin(2 * kPi * time / period[1] + phase[1]) +
                             0.15 * std::sin(2 * kPi * time / period[2] + phase[2]);
            const double depth = rx_fade_depth_db(peak, s.night);
            g = std::pow(10.0, (depth / 2 * x - depth / 4) / 20.0);
        }
        if (flutter) {
            if (flutter_at < 0) flutter_at = time + flutter_wait(s.night);
            if (time >= flutter_at + flutter_len && flutter_len > 0) {
                flutter_at = time + flutter_wait(s.night);
                flutter_len = 0;
            }
            if (flutter_len == 0 && time >= flutter_at) {
                flutter_len = rng.uniform(2, 6);
                flutter_hz = rng.uniform(10, 25);
                flutter_depth = rng.uniform(0.4, 0.8);
            }
            if (flutter_len > 0 && time >= flutter_at) {
                const double u = (time - flutter_at) / flutter_len;
                const double swell = 0.5 - 0.5 * std::cos(2 * kPi * std::min(u, 1.0));
                g *= 1 - flutter_depth * swell * (0.5 + 0.5 * std::sin(2 * kPi * flutter_hz * time));
            }
        }
        return float(g);
    }
};

struct Crash {
    double amp = 0, left = 0, decay = 0, attack = 0, age = 0;
};

}  // namespace

struct RxChain::Impl {
    const int rate;
    uint32_t version = ~0u;
    RxSettings s;
    bool engaged = false;
    iirfilt_rrrf flt[2];
    int flt_in_use = -1;
    Fader fader[kRxVoices];
    std::vector<float> buses[3];
    // Static crashes and the receiver's own hiss.
    Rng noise_rng{1};
    double next_crash = 0;  // seconds until the next crash
    Crash crash[kCrashes];
    float hiss_rms;
    // AGC: the signal goes through a short delay, so the gain is down before
    // a mark arrives and nothing overshoots.
    std::vector<float> ahead;
    int ahead_pos = 0;
    float env = 0;
    int hang_left = 0;
    float gain = 1;
    float attack_k, release_k;
    int hang_len;

    explicit Impl(int r) : rate(r > 0 ? r : 44100) {
        double lo, hi;
        for (int f = 0; f < 2; ++f) {
            rx_passband(f, &lo, &hi);
            flt[f] = bandpass(rate, lo, hi);
        }
        // The hiss fills FLT2 at 14 dB under the band noise: with the
        // attenuator in, it is what weak stations drown in.
        hiss_rms = float(0.008 * std::sqrt(rate / 2.0 / (kFlt2Hi - kFlt2Lo)));
        ahead.assign(size_t(rate * 3 / 1000), 0.0f);
        attack_k = float(1.0 - std::exp(-1.0 / (0.001 * rate)));
        release_k = float(std::exp(-1.0 / (0.25 * rate)));
        hang_len = int(0.35 * rate);
    }
    ~Impl() {
        for (auto &q : flt) iirfilt_rrrf_destroy(q);
    }

    void take_up() {
        const uint32_t v = g_version.load(std::memory_order_acquire);
        if (v == version) return;
        std::unique_lock<std::mutex> lk(g_mu, std::try_to_lock);
        if (!lk.owns_lock()) return;  // never wait on the sound card's thread: next block
        const bool was = engaged;
        s = g_settings;
        version = v;
        lk.unlock();
        engaged = s.mode != SoundMode::described;
        if (engaged && !was) {
            if (s.seed == 0)
                s.seed = uint64_t(std::chrono::steady_clock::now().time_since_epoch().count()) | 1;
            noise_rng = Rng(mix_seed(s.seed, 0xC0FFEEull));
            next_crash = noise_rng.wait(rx_crash_rate(s.month, s.hour));
            for (auto &c : crash) c = Crash{};
            for (auto &f : fader) f.serial = ~0ull;
            std::fill(ahead.begin(), ahead.end(), 0.0f);
            env = 0.35f;  // at rest: gain 1 until the first hang runs out
            hang_left = 0;
            flt_in_use = -1;
        }
        if (!engaged) return;
        const int want = s.filter == 1 ? 1 : 0;
        if (want != flt_in_use) {
            iirfilt_rrrf_reset(flt[want]);
            flt_in_use = want;
        }
        if (s.seed == 0) s.seed = 1;
    }

    // One sample of static crashes.
    float next_crash_sample() {
        float x = 0;
        const double dt = 1.0 / rate;
        next_crash -= dt;
        if (next_crash <= 0) {
            next_crash = noise_rng.wait(rx_crash_rate(s.month, s.hour));
            for (auto &c : crash) {
                if (c.left > 0) continue;
                // Mostly small ones, now and then one that fills the passband.
                const double u = noise_rng.uniform();
                c.amp = 0.03 * std::pow(20.0, u * u);
                c.decay = noise_rng.uniform(0.03, 0.35);
                c.attack = noise_rng.uniform(0.001, 0.004);
                c.left = 5 * c.decay;
                c.age = 0;
                break;
            }
        }
        for (auto &c : crash) {
            if (c.left <= 0) continue;
            const double e = std::min(1.0, c.age / c.attack) * std::exp(-c.age / c.decay);
            // A crash is a rattle of impulses, not a smooth hiss.
            if (noise_rng.uniform() < 0.35) x += float(c.amp * e * noise_rng.gauss() * 1.69);
            c.age += dt;
            c.left -= dt;
        }
        return x;
    }
};

RxChain::RxChain(int rate) : p_(new Impl(rate)) {}
RxChain::~RxChain() { delete p_; }

bool RxChain::engaged() {
    p_->take_up();
    return p_->engaged;
}

float *RxChain::bus(int which, int n) {
    std::vector<float> &b = p_->buses[which];
    if (int(b.size()) < n) b.resize(size_t(n));
    return b.data();
}

void RxChain::fade(int slot, uint64_t serial, float *x, int n) {
    if (slot < 0 || slot >= kRxVoices || n <= 0) return;
    Impl &p = *p_;
    Fader &f = p.fader[slot];
    if (f.serial != serial) f.start(p.s.seed, serial);
    const bool steady = p.s.mode == SoundMode::receiver_steady;
    const bool fading = p.s.fx.fading && !steady, flutter = p.s.fx.flutter && !steady;
    // The level it is keyed at tells a strong station from a weak one; it
    // forgets slowly, so a change of strength inside the emission counts.
    float top = 0;
    for (int i = 0; i < n; ++i) top = std::max(top, std::fabs(x[i]));
    f.peak = std::max(top, f.peak * std::pow(0.5f, float(n) / float(5 * p.rate)));
    if (!fading && !flutter) {
        f.t += double(n) / p.rate;
        return;
    }
    for (int i = 0; i < n; i += kStep) {
        const int m = std::min(kStep, n - i);
        const float g = f.at(f.t + double(m) / p.rate, p.s, fading, flutter);
        const float g0 = f.gain < 0 ? g : f.gain;
        for (int j = 0; j < m; ++j) x[i + j] *= g0 + (g - g0) * float(j + 1) / float(m);
        f.gain = g;
        f.t += double(m) / p.rate;
    }
}

void RxChain::process(const float *signals, const float *noise, bool noise_on, float *out, int n) {
    Impl &p = *p_;
    const RxEffects &fx = p.s.fx;
    const float att = p.s.att ? 0.1f : 1.0f;
    constexpr float kTarget = 0.35f, kMaxGain = 60.0f;
    iirfilt_rrrf q = p.flt[p.flt_in_use < 0 ? 0 : p.flt_in_use];
    const int delay = int(p.ahead.size());
    for (int i = 0; i < n; ++i) {
        // Antenna: signals, the band noise and the crashes; the attenuator;
        // then the receiver's own hiss, which the attenuator does not touch.
        float x = signals[i] + noise[i];
        float own = 0;
        if (noise_on) {
            if (fx.crashes) x += p.next_crash_sample();
            own = float(p.noise_rng.gauss()) * p.hiss_rms;
        }
        x = x * att + own;
        float y = x;
        if (fx.filter) iirfilt_rrrf_execute(q, x, &y);
        if (!fx.agc) {
            out[i] = std::clamp(y, -1.0f, 1.0f);
            continue;
        }
        // The envelope sees the sample now; the sample is heard `delay` later.
        const float a = std::fabs(y);
        if (a > p.env) {
            p.env += (a - p.env) * p.attack_k;
            p.hang_left = p.hang_len;
        } else if (p.hang_left > 0) {
            --p.hang_left;
        } else {
            p.env *= p.release_k;
        }
        float heard = y;
        if (delay > 0) {
            heard = p.ahead[size_t(p.ahead_pos)];
            p.ahead[size_t(p.ahead_pos)] = y;
            if (++p.ahead_pos == delay) p.ahead_pos = 0;
        }
        p.gain = kTarget / std::max(p.env, kTarget / kMaxGain);
        out[i] = std::clamp(heard * p.gain, -1.0f, 1.0f);
    }
}

float RxChain::agc_gain() const { return p_->s.fx.agc ? p_->gain : 1.0f; }

}  // namespace audio
}  // namespace kestrel
