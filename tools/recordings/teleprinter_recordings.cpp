// Radioteletype and SITOR-B recordings: keyed text with a little band noise
// and slow fading, as heard on a receiver set for the signal.
#include <cmath>
#include <cstring>

#include "tools/recordings/content.h"
#include "tools/recordings/recordings.h"
#include "tools/recordings/teleprinter.h"

namespace kestrel::rec {

namespace {

constexpr double TTY_RATE = 11025.0;

// Puts the keyed tones on the air: fading, receiver passband and noise.
void on_air(Samples &s, Rng &rng, double low, double high, double noise_rms) {
    Fader fade(rng, TTY_RATE, 0.55, 1.0, 9.0, 3.0);
    for (size_t i = 0; i < s.size(); ++i) s[i] = float(s[i] * fade.at(long(i)));
    Samples noise = band_noise(rng, TTY_RATE, long(s.size()), low, high, noise_rms);
    for (size_t i = 0; i < s.size(); ++i) s[i] = float(0.42 * s[i] + noise[i]);
    fade_edges(s, TTY_RATE, 0.02);
}

}  // namespace

bool make_teleprinter(const std::string &name, Output &out, std::string &err) {
    const TeleprinterFile *file = nullptr;
    for (const auto &f : teleprinter_files)
        if (name == f.name) file = &f;
    if (!file) {
        err = name + ": no such teleprinter recording";
        return false;
    }
    std::vector<Element> el;
    el.push_back({1, file->baud * 1.5});  // idle mark before the text
    std::vector<int> codes = ita2_encode(file->text);
    codes.insert(codes.begin(), {ITA2_LTRS, ITA2_LTRS});
    codes.insert(codes.end(), {ITA2_LTRS, ITA2_LTRS});
    for (int c : codes) ita2_frame(c, 1.5, el);
    el.push_back({1, file->baud * 0.8});
    Samples s = fsk(el, file->baud, file->mark, file->space, TTY_RATE);
    Rng rng(seed_of(name));
    double lo = std::min(file->mark, file->space), hi = std::max(file->mark, file->space);
    on_air(s, rng, lo - 400, hi + 400, 0.02);
    out.sound = {int(TTY_RATE), std::move(s)};
    out.encoding = name.size() > 4 && name.compare(name.size() - 4, 4, ".mp3") == 0
                       ? Encoding::mp3 : Encoding::pcm16;
    return true;
}

bool make_sitor(Output &out, std::string &) {
    std::vector<Element> el;
    el.push_back({1, SITOR_BAUD * 0.6});
    // The broadcast repeats its bulletins; two rounds give over half a minute.
    std::string text = std::string(sitor_text) + sitor_text;
    for (int code : sitor_b_stream(text, 24))
        for (int b = 0; b < 7; ++b) el.push_back({(code >> b) & 1, 1.0});
    el.push_back({1, SITOR_BAUD * 0.4});
    Samples s = fsk(el, SITOR_BAUD, SITOR_MARK, SITOR_SPACE, TTY_RATE);
    Rng rng(seed_of("sitorb.wav"));
    on_air(s, rng, SITOR_MARK - 350, SITOR_SPACE + 350, 0.03);
    out.sound = {int(TTY_RATE), std::move(s)};
    out.encoding = Encoding::pcm16;
    return true;
}

}  // namespace kestrel::rec
