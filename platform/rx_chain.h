// The receiver chain: what happens to the mixed sound between the antenna and
// the loudspeaker when the listener asks for a receiver's sound instead of the
// plain channel files. Each emission fades on its own; the band noise, the
// receiver's own hiss and static crashes join it; the attenuator, the filter
// (FLT as an audio band-pass) and the AGC follow, in that order.
//
// The settings are process-wide: any thread may set them, and every mixer
// takes them up at its next block. In the described mode (the default) the
// chain is not engaged and the mixer's output is the plain sum.
#pragma once
#include <cstdint>

namespace kestrel {

enum class SoundMode : int { described = 0, receiver = 1, receiver_steady = 2 };

// The parts of the chain, each of which the listener can leave out.
struct RxEffects {
    bool filter = true;   // FLT as a band-pass
    bool agc = true;      // attack, hang and release
    bool fading = true;   // slow fading of each emission
    bool flutter = true;  // now and then a fast flutter
    bool crashes = true;  // static crashes, by season and hour
};

struct RxSettings {
    SoundMode mode = SoundMode::described;
    RxEffects fx;
    int filter = 0;  // the receiver's filter switch: 0 = FLT2, 1 = FLT1
    int att = 0;     // 20 dB before the AGC
    bool night = false;
    int month = 1;   // 1..12, UTC
    int hour = 12;   // 0..23, UTC
    uint64_t seed = 0;  // 0: drawn from the clock
};

void rx_set(const RxSettings &s);
RxSettings rx_get();
// The -3 dB edges of a filter setting, in Hz.
void rx_passband(int filter, double *lo_hz, double *hi_hz);
// Static crashes per second at a month and UTC hour.
double rx_crash_rate(int month, int hour);
// Depth of the slow fading from peak to trough, in dB, for a station whose
// keyed peak is `peak` (full scale 1) by night or by day.
double rx_fade_depth_db(float peak, bool night);

namespace audio {

constexpr int kRxVoices = 24;

// One chain per mixer. The mixer's consumer thread alone calls it.
class RxChain {
public:
    explicit RxChain(int rate);
    ~RxChain();
    RxChain(const RxChain &) = delete;
    RxChain &operator=(const RxChain &) = delete;

    // Takes up new settings; true when the chain shapes the sound.
    bool engaged();
    // Scratch buffers of at least n samples: 0 signals, 1 band noise, 2 one voice.
    float *bus(int which, int n);
    // Fading of voice `slot` in place; `serial` tells a new emission from the last.
    void fade(int slot, uint64_t serial, float *x, int n);
    // signals and noise (noise_on: the band noise is open) to the loudspeaker.
    void process(const float *signals, const float *noise, bool noise_on, float *out, int n);
    // The AGC's gain now (1 when it is left out), for tests and the meter.
    float agc_gain() const;

private:
    struct Impl;
    Impl *p_;
};

}  // namespace audio
}  // namespace kestrel
