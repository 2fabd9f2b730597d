// Broadcast clips: an interval signal played on a synthesised instrument and
// the station's spoken identification, passed through an AM transmitter's
// audio band and a fading short-wave path. Everything varies with the clip's
// name: tune, key, tempo, instrument, voice, pitch, speed and order.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "tools/recordings/content.h"
#include "tools/recordings/recordings.h"
#include "tools/recordings/speech.h"

namespace kestrel::rec {

namespace {

constexpr double CLIP_RATE = 11025.0;

enum Instrument { bells, organ, celesta, plucked, flute, instrument_count };

// One note of the instrument at frequency f for `len` seconds (plus ring).
Samples note(Instrument ins, double f, double len) {
    struct Partial { double ratio, gain, decay; };  // decay: seconds to 1/e, 0 = held
    static const Partial parts[instrument_count][4] = {
        {{1.0, 1.0, 0.9}, {2.76, 0.45, 0.35}, {5.40, 0.25, 0.15}, {8.93, 0.1, 0.08}},
        {{1.0, 1.0, 0}, {2.0, 0.5, 0}, {3.0, 0.3, 0}, {4.0, 0.15, 0}},
        {{1.0, 1.0, 0.6}, {4.0, 0.3, 0.2}, {3.0, 0.08, 0.3}, {6.0, 0.05, 0.1}},
        {{1.0, 1.0, 0.5}, {2.0, 0.6, 0.3}, {3.0, 0.35, 0.2}, {5.0, 0.15, 0.1}},
        {{1.0, 1.0, 0}, {2.0, 0.12, 0}, {3.0, 0.05, 0}, {1.0, 0.0, 0}},
    };
    bool held = ins == organ || ins == flute;
    double total = held ? len + 0.06 : len + 1.2;
    long n = long(total * CLIP_RATE);
    Samples s(static_cast<size_t>(n));
    for (long i = 0; i < n; ++i) {
        double t = double(i) / CLIP_RATE, v = 0;
        for (const auto &p : parts[ins]) {
            double fp = f * p.ratio;
            if (fp > 0.45 * CLIP_RATE || p.gain == 0) continue;
            double env = p.decay > 0 ? std::exp(-t / p.decay) : 1.0;
            double vib = ins == flute ? 0.004 * std::sin(2 * PI * 5.5 * t) : 0.0;
            v += p.gain * env * std::sin(2 * PI * fp * t * (1 + vib));
        }
        double attack = std::min(1.0, t / (held ? 0.03 : 0.003));
        double release = held ? std::clamp((total - t) / 0.06, 0.0, 1.0) : 1.0;
        s[size_t(i)] = float(v * attack * release);
    }
    return s;
}

Samples play_tune(const Note *tune, Instrument ins, int key_midi, double beat_s) {
    Samples out;
    long at = 0;
    for (int i = 0; i < TUNE_NOTES && tune[i].beats > 0; ++i) {
        double len = tune[i].beats * beat_s;
        if (tune[i].semitone != -99) {
            double f = 440.0 * std::pow(2.0, (key_midi + tune[i].semitone - 69) / 12.0);
            mix_into(out, note(ins, f, len * 0.92), at, 0.3);
        }
        at += long(len * CLIP_RATE);
    }
    out.resize(std::max(out.size(), size_t(at)));
    return out;
}

// Attention signal of a utility station: a few short pips on one tone.
Samples pips(Rng &rng) {
    static const double tones[] = {800.0, 1000.0, 1200.0, 1500.0};
    double f = tones[rng.below(4)], on = rng.uniform(0.1, 0.25), off = rng.uniform(0.1, 0.3);
    int count = 3 + rng.below(4);
    Samples out;
    for (int i = 0; i < count; ++i) {
        mix_into(out, note(flute, f, on), long(double(i) * (on + off) * CLIP_RATE), 0.3);
    }
    append_silence(out, CLIP_RATE, off);
    return out;
}

// The announcement to speak and the voice it is spoken in.
void pick_ident(const ClipStation *st, Rng &rng, std::string &voice, std::string &text) {
    if (!st) {
        voice = "en";
        text = "This is an international broadcasting station on short wave.";
        return;
    }
    int count = 0;
    while (count < 3 && st->ident[count][0]) ++count;
    std::string a = st->ident[rng.below(count)];
    voice = st->voice;
    if (a.size() > 1 && a[0] == '@') {
        size_t bar = a.find('|');
        voice = a.substr(1, bar - 1);
        a = a.substr(bar + 1);
    }
    text = a;
}

}  // namespace

bool make_clip(const std::string &name, Output &out, std::string &err) {
    if (name.size() < 5 || name.compare(name.size() - 4, 4, ".mp3") != 0) {
        err = name + ": not a clip name";
        return false;
    }
    Rng rng(seed_of(name, 0xC11F));
    const ClipStation *st = station_for_clip(name);
    // A "82" serial is an old recording: narrower and noisier.
    bool old = name.size() > 7 && name.compare(name.size() - 7, 3, "-82") == 0;

    // Interval signal: a tune for a broadcaster, attention pips for a
    // utility service.
    const Note *tune = interval_tunes[rng.below(interval_tune_count)];
    auto ins = Instrument(rng.below(instrument_count));
    int key = 62 + rng.below(14);
    double beat = rng.uniform(0.2, 0.38);
    Samples interval = st && st->service ? pips(rng) : play_tune(tune, ins, key, beat);
    scale_to_peak(interval, 0.55);

    // Identification.
    static const char *const variants[] = {"", "+m1", "+m2", "+m3", "+m4", "+m5", "+m6",
                                           "+m7", "+f1", "+f2", "+f3", "+f4"};
    std::string voice, text;
    pick_ident(st, rng, voice, text);
    if (voice.find('+') == std::string::npos) voice += variants[rng.below(12)];
    Voice v{voice, 125 + rng.below(45), 30 + rng.below(40)};
    Samples speech = speak(v, text, CLIP_RATE, err);
    if (speech.empty()) {
        if (err.empty()) err = name + ": no speech";
        return false;
    }
    scale_to_peak(speech, 0.85);

    // Programme: the interval signal two or three times with the
    // announcement before, between or after, within 5 to 20 seconds.
    double budget = rng.uniform(8.0, 17.0);
    double tune_s = double(interval.size()) / CLIP_RATE, speech_s = double(speech.size()) / CLIP_RATE;
    int plays = std::clamp(int((budget - speech_s) / (tune_s + 0.4)), 1, 4);
    int ident_at = rng.below(plays + 1);  // ident before play number ident_at
    Samples prog;
    append_silence(prog, CLIP_RATE, rng.uniform(0.2, 0.6));
    for (int p = 0; p <= plays; ++p) {
        if (p == ident_at) {
            append(prog, speech);
            append_silence(prog, CLIP_RATE, rng.uniform(0.4, 0.9));
        }
        if (p < plays) {
            append(prog, interval);
            append_silence(prog, CLIP_RATE, rng.uniform(0.2, 0.6));
        }
    }
    double max_len = CLIP_MAX_S - 0.5, min_len = CLIP_MIN_S + 0.5;
    if (double(prog.size()) / CLIP_RATE > max_len) prog.resize(size_t(max_len * CLIP_RATE));
    if (double(prog.size()) / CLIP_RATE < min_len) prog.resize(size_t(min_len * CLIP_RATE), 0.0f);
    fade_edges(prog, CLIP_RATE, 0.08);

    // Transmitter audio band, then the path: two fading bands, noise, and
    // sometimes a neighbour's heterodyne.
    Passband tx(CLIP_RATE, old ? 220.0 : 110.0, old ? 3200.0 : 4500.0, 2);
    tx.run(prog);
    Biquad split = Biquad::lowpass(CLIP_RATE, 1100.0);
    Fader f_low(rng, CLIP_RATE, 0.35, 1.0, 7.0, 2.0), f_high(rng, CLIP_RATE, 0.25, 1.0, 5.0, 1.2);
    double noise_level = old ? rng.uniform(0.04, 0.07) : rng.uniform(0.008, 0.035);
    Samples noise = band_noise(rng, CLIP_RATE, long(prog.size()), 150.0, 4600.0, noise_level);
    double het_f = rng.uniform(800.0, 3500.0), het_a = rng.uniform() < 0.3 ? rng.uniform(0.005, 0.02) : 0.0;
    for (size_t i = 0; i < prog.size(); ++i) {
        double lo = split.step(prog[i]), hi = prog[i] - lo;
        double sig = lo * f_low.at(long(i)) + hi * f_high.at(long(i));
        prog[i] = float(sig + noise[i] + het_a * std::sin(2 * PI * het_f * double(i) / CLIP_RATE));
    }
    // Leave headroom for the encoder's overshoot.
    scale_to_peak(prog, 0.7);
    fade_edges(prog, CLIP_RATE, 0.02);
    out.sound = {int(CLIP_RATE), std::move(prog)};
    out.encoding = Encoding::mp3;
    return true;
}

}  // namespace kestrel::rec
