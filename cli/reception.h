// One reception of a frequency, as the receiver would hear it, reported for
// the command line: the emissions of the send stack and the media commands.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace kestrel::cli {

struct Emission {
    int channel;
    int spd, ton, qsa, rto, f1, sz, kana, qrh, bw, hand, spark, spacing;
    uint32_t ms;       // playing time, 0 when not rendered
    std::string text;  // the slot text, control codes shown readably
    bool audible;      // the text holds something that sounds
};

struct Reception {
    int freq;
    std::vector<Emission> emissions;
    std::vector<std::string> commands;  // media commands sent during the reception
};

struct ReceptionSetup {
    int freq = 10000;
    std::string at;  // "" = now
    int hist = 1, bkgnd = 1, att = 0, filter = 0, sampling = 4;
    unsigned seed = 1;
    bool render = true;  // false: compose texts only, no audio files
};

// Control codes shown readably: {spd 24}{ton 1000}{qsa 3}, {tune} for the tuning mark.
std::string readable(const char *text);
// True when the slot holds a character that the Morse writer sounds.
bool audible(const char *text);

// Sets the clock and the receiver switches; false if `at` is malformed.
bool prepare(const ReceptionSetup &s);
// Runs the reception of s.freq in the working directory (prepare() first).
// With render false, nothing is synthesised or played.
Reception receive(const ReceptionSetup &s);

}  // namespace kestrel::cli
