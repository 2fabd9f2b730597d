// SSB voice: each station's speech cut to a transmitter's 300-2700 Hz, given
// the few hundred hertz of mistuning that makes SSB voices sound high or low,
// faded by the path and set in the receiver's noise.
#include <algorithm>
#include <cmath>

#include "tools/recordings/content.h"
#include "tools/recordings/recordings.h"
#include "tools/recordings/speech.h"

namespace kestrel::rec {

namespace {

constexpr double SSB_RATE = 8000.0;

// A transmitter's speech processor: fast attack, slow release gain riding.
void compress(Samples &s, double target) {
    double env = 0;
    for (auto &v : s) {
        double a = std::abs(v);
        env = a > env ? 0.6 * env + 0.4 * a : 0.9995 * env + 0.0005 * a;
        double g = target / std::max(env, target * 0.25);
        v = float(std::tanh(v * g * 1.2) / 1.2);
    }
}

}  // namespace

bool make_ssb_voice(Output &out, std::string &err) {
    Rng rng(seed_of("ssb-002.wav"));
    Samples mix;
    append_silence(mix, SSB_RATE, 0.8);
    for (int i = 0; i < ssb_script_lines; ++i) {
        const SsbSpeaker &sp = ssb_speakers[ssb_script[i].speaker];
        Samples s = speak({sp.voice, sp.rate, sp.pitch}, ssb_script[i].text, SSB_RATE, err);
        if (s.empty()) return false;
        Passband tx(SSB_RATE, 300.0, 2700.0, 3);
        tx.run(s);
        scale_to_peak(s, 1.0);
        compress(s, 0.5);
        s = frequency_shift(s, SSB_RATE, sp.shift_hz + rng.uniform(-15.0, 15.0));
        // Path fading: each over has its own depth and rhythm.
        Fader fade(rng, SSB_RATE, rng.uniform(0.3, 0.6), 1.0, 4.0, 0.9);
        for (size_t k = 0; k < s.size(); ++k) s[k] = float(s[k] * fade.at(long(k)));
        double level = rng.uniform(0.55, 0.9);
        fade_edges(s, SSB_RATE, 0.01);
        mix_into(mix, s, long(mix.size()), level);
        append_silence(mix, SSB_RATE, rng.uniform(0.6, 1.6));
    }
    // Receiver: the passband of a 2.4 kHz filter and the band's hiss.
    Samples noise = band_noise(rng, SSB_RATE, long(mix.size()), 250.0, 2850.0, 0.022);
    Passband rx(SSB_RATE, 250.0, 2850.0, 2);
    for (size_t k = 0; k < mix.size(); ++k) mix[k] = float(rx.step(mix[k]) + noise[k]);
    scale_to_peak(mix, 0.8);
    fade_edges(mix, SSB_RATE, 0.05);
    out.sound = {int(SSB_RATE), std::move(mix)};
    out.encoding = Encoding::pcm16;
    return true;
}

}  // namespace kestrel::rec
