// A small Morse reader for tests: turns a rendered 8-bit WAV back into the
// element patterns it sounds, by measuring marks and gaps against the dot.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace kestrel::test {

enum class Keying { Tone, Shift, Inverted };

struct MorseRun {
    bool mark;
    double len;  // in samples
};

struct ReaderOptions {
    Keying keying = Keying::Tone;
    double dot_samples = 384;  // one dot of mark, in samples
    // Gaps in dots (gap unit = 8 x mark unit in inverted keying): at or above
    // letter_gap a letter ends, at or above word_gap a word ends.
    double letter_gap = 2.0;
    double word_gap = 4.0;
    // Follow speed changes by re-estimating the dot from each dot heard.
    bool adapt = true;
};

// Sample bytes after the 48-byte header.
std::vector<uint8_t> wav_samples(const std::vector<uint8_t> &file);
// Marks and gaps in order, leading and trailing silence dropped.
std::vector<MorseRun> morse_runs(const std::vector<uint8_t> &samples, Keying keying);
// Patterns such as ".- -... / ..." (letters split by blanks, words by " / ").
std::string read_morse(const std::vector<uint8_t> &samples, const ReaderOptions &o);
// The same form for a text, from the Morse table with the renderer's folding rules.
std::string expected_patterns(const std::string &text, bool kana = false, bool cut_zero = false);
// Default gap thresholds for a letter spacing (in dots).
ReaderOptions options_for(Keying k, double dot_samples, int spacing = 2);

}  // namespace kestrel::test
