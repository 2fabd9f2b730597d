#include "support/morse_reader.h"

#include <cmath>

#include "synth/morse.h"

namespace kestrel::test {

std::vector<uint8_t> wav_samples(const std::vector<uint8_t> &file) {
    if (file.size() <= 48) return {};
    return std::vector<uint8_t>(file.begin() + 48, file.end());
}

namespace {
int off(const std::vector<uint8_t> &s, size_t i) { return i < s.size() ? int(s[i]) - 128 : 0; }

// Per-sample class: true for mark.
std::vector<bool> classify(const std::vector<uint8_t> &s, Keying k) {
    std::vector<bool> mark(s.size(), false);
    for (size_t i = 0; i < s.size(); ++i) {
        int o = off(s, i);
        switch (k) {
        case Keying::Tone:
            mark[i] = o != 0;
            break;
        case Keying::Inverted:
            mark[i] = o == 0;
            break;
        case Keying::Shift:
            // The mark tone has an 8-sample period with an inverted half period;
            // the shifted space tone (12 samples) never shows both.
            mark[i] = o != 0 && off(s, i + 4) == -o && off(s, i + 8) == o;
            break;
        }
    }
    return mark;
}
}  // namespace

std::vector<MorseRun> morse_runs(const std::vector<uint8_t> &s, Keying k) {
    std::vector<bool> mark = classify(s, k);
    // Raw runs.
    std::vector<MorseRun> raw;
    for (size_t i = 0; i < mark.size();) {
        size_t j = i;
        while (j < mark.size() && mark[j] == mark[i]) ++j;
        raw.push_back({mark[i], double(j - i)});
        i = j;
    }
    // Short runs are the inside of a waveform (zero crossings, spark decay,
    // the tone's own zero samples in inverted keying), not keying.
    const double bridge = k == Keying::Inverted ? 4 : 16;
    // Pass 1 closes short gaps inside a tone (its zero samples, spark decay);
    // pass 2 drops short marks (stray zero samples of the tone in inverted
    // keying, chance matches where the shifted tone begins).
    auto pass = [&](const std::vector<MorseRun> &in, bool close_gaps) {
        std::vector<MorseRun> out;
        for (const MorseRun &r : in) {
            MorseRun x = r;
            bool gap_side = close_gaps ? !r.mark : r.mark;
            if (gap_side && r.len <= bridge) x.mark = !r.mark;
            if (!out.empty() && out.back().mark == x.mark) out.back().len += x.len;
            else out.push_back(x);
        }
        return out;
    };
    std::vector<MorseRun> merged = k == Keying::Inverted ? pass(raw, false) : pass(pass(raw, true), false);
    while (!merged.empty() && !merged.front().mark) merged.erase(merged.begin());
    while (!merged.empty() && !merged.back().mark) merged.pop_back();
    return merged;
}

ReaderOptions options_for(Keying k, double dot_samples, int spacing) {
    ReaderOptions o;
    o.keying = k;
    o.dot_samples = dot_samples;
    switch (k) {
    case Keying::Tone:  // element 1, letter 1 + spacing, word 1 + 2 x spacing
        o.letter_gap = 1 + spacing / 2.0;
        o.word_gap = 1 + spacing + spacing / 2.0;
        break;
    case Keying::Shift:  // each space is 1.5 dots of shifted tone (a dash adds a silent dot)
        o.letter_gap = 2.25;
        o.word_gap = 3.75;
        break;
    case Keying::Inverted:  // each space is one dot of tone
        o.letter_gap = 1.5;
        o.word_gap = 2.5;
        break;
    }
    return o;
}

std::string read_morse(const std::vector<uint8_t> &samples, const ReaderOptions &o) {
    std::vector<MorseRun> runs = morse_runs(samples, o.keying);
    const double gap_unit = o.keying == Keying::Inverted ? 8.0 : 1.0;
    double dot = o.dot_samples;
    std::string out, letter;
    bool last_dash = false;
    for (const MorseRun &r : runs) {
        if (r.mark) {
            bool is_dash = r.len >= 2 * dot;
            letter += is_dash ? '-' : '.';
            last_dash = is_dash;
            if (o.adapt && !is_dash) dot = 0.5 * dot + 0.5 * r.len;
            continue;
        }
        double g = r.len / (dot * gap_unit);
        if (o.keying == Keying::Shift && last_dash) g -= 1.0;  // the silent dot after a shifted dash
        if (g >= o.letter_gap) {
            if (!out.empty()) out += ' ';
            out += letter;
            letter.clear();
            if (g >= o.word_gap) out += " /";
        }
    }
    if (!letter.empty()) {
        if (!out.empty()) out += ' ';
        out += letter;
    }
    return out;
}

std::string expected_patterns(const std::string &text, bool kana, bool cut_zero) {
    std::string out;
    bool pending_word = false;
    for (unsigned char c : text) {
        if (c == ' ') {
            pending_word = !out.empty();
            continue;
        }
        if (!kana && c >= 97 && c <= 127) c = static_cast<unsigned char>(c - 32);
        if (cut_zero && c == '0') c = 'T';
        uint32_t code = c < CW_TABLE_SIZE ? cw_table[c] : 0;
        if (!code) continue;
        std::string p;
        int top = 31;
        while (!(code & (1u << top))) --top;
        for (int b = top - 1; b >= 0; --b) p += ((code >> b) & 1u) ? '-' : '.';
        if (!out.empty()) out += pending_word ? " / " : " ";
        pending_word = false;
        out += p;
    }
    return out;
}

}  // namespace kestrel::test
