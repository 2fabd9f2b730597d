// Round trip: render texts, read the Morse back from the samples, and compare
// with what the table says each character sounds like.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "procedures/send.h"
#include "state/receiver.h"
#include "support/fixture.h"
#include "support/morse_reader.h"
#include "synth/morse.h"
#include "synth/params.h"

namespace kestrel::test {
namespace {

class RoundTrip : public Kestrel {
protected:
    std::vector<uint8_t> render(const std::string &text) {
        keying_reset();
        CreateWave(0, text.c_str());
        return wav_samples(read_file("TOVA0.WAV"));
    }
    // Every code from `from` to `to` with a pattern, as one text of words of five.
    static std::string table_text(int from, int to) {
        std::string s;
        int n = 0;
        for (int c = from; c <= to; ++c) {
            if (c == ' ' || !cw_table[size_t(c)]) continue;
            s += char(c);
            if (++n % 5 == 0) s += ' ';
        }
        return s;
    }
};

// International Morse written out independently of the renderer's table.
const std::map<char, std::string> itu = {
    {'A', ".-"},    {'B', "-..."},  {'C', "-.-."},  {'D', "-.."},   {'E', "."},     {'F', "..-."},
    {'G', "--."},   {'H', "...."},  {'I', ".."},    {'J', ".---"},  {'K', "-.-"},   {'L', ".-.."},
    {'M', "--"},    {'N', "-."},    {'O', "---"},   {'P', ".--."},  {'Q', "--.-"},  {'R', ".-."},
    {'S', "..."},   {'T', "-"},     {'U', "..-"},   {'V', "...-"},  {'W', ".--"},   {'X', "-..-"},
    {'Y', "-.--"},  {'Z', "--.."},  {'0', "-----"}, {'1', ".----"}, {'2', "..---"}, {'3', "...--"},
    {'4', "....-"}, {'5', "....."}, {'6', "-...."}, {'7', "--..."}, {'8', "---.."}, {'9', "----."},
    {'/', "-..-."}, {'?', "..--.."}, {'=', "-...-"}, {'.', ".-.-.-"}, {',', "--..--"}, {'+', ".-.-."},
};

TEST_F(RoundTrip, LettersAndFiguresAreInternationalMorseAtSeveralSpeedsAndTones) {
    const std::string text = "THE QUICK BROWN FOX JUMPS OVER THE LAZY DOG 0123456789 /?=.,+";
    std::string want;
    for (char c : text) {
        if (c == ' ') { want += " /"; continue; }
        if (!want.empty()) want += ' ';
        want += itu.at(c);
    }
    struct Case { int spd, ton, level, filter; };
    for (const Case c : {Case{12, 600, 3, 0}, Case{20, 800, 1, 0}, Case{28, 1200, 5, 1}, Case{40, 1900, 0, 0}}) {
        plain_params();
        spd = c.spd;
        ton = c.ton;
        qsa = c.level;
        filter = c.filter;
        auto s = render(text);
        EXPECT_EQ(read_morse(s, options_for(Keying::Tone, dot_size * 8.0)), want) << c.spd << " wpm " << c.ton << " Hz";
    }
}

TEST_F(RoundTrip, EveryCharacterOfTheTableInEachKeying) {
    const std::string latin = table_text(5, 96);
    const std::string want = expected_patterns(latin);
    struct Case { const char *name; int f1, bw, spark; Keying k; };
    for (const Case c : {Case{"plain", 0, 0, 0, Keying::Tone}, Case{"shift", 1, 0, 0, Keying::Shift},
                         Case{"inverted", 0, 1, 0, Keying::Inverted}, Case{"spark", 0, 0, 1, Keying::Tone}}) {
        plain_params();
        _f1 = c.f1;
        bw = c.bw;
        spark = c.spark;
        auto s = render(latin);
        double dot = c.bw ? dot_size : dot_size * 8.0;
        if (c.spark) dot = (dot_size / 2) * 20.0;  // spark dots are counted in 20-sample periods
        ReaderOptions o = options_for(c.k, dot);
        if (c.spark) {
            // Spark marks are shorter than a dot of time; its spaces are silence of the usual length.
            o.adapt = false;
            o.letter_gap = 2.0 * (dot_size * 8.0) / dot;
            o.word_gap = 4.0 * (dot_size * 8.0) / dot;
        }
        std::string got = read_morse(s, o);
        EXPECT_EQ(got, want) << c.name << ": " << got.substr(0, 300);
    }
}

TEST_F(RoundTrip, KanaAndCutZero) {
    plain_params();
    katokana = 1;
    const std::string kana = table_text(97, 160);
    auto s = render(kana);
    EXPECT_EQ(read_morse(s, options_for(Keying::Tone, dot_size * 8.0)), expected_patterns(kana, true));

    plain_params();
    sz = 1;
    s = render("QSL 1000 100");
    EXPECT_EQ(read_morse(s, options_for(Keying::Tone, dot_size * 8.0)), expected_patterns("QSL 1TTT 1TT"));
}

TEST_F(RoundTrip, ParameterCodesSwitchSpeedToneAndStrengthMidText) {
    // Two stations take turns in one slot, as a dialog does.
    stn_ext();
    send_stack_reset();
    spd1 = 20; ton1 = 800; qsa1 = 3;
    spd2 = 24; ton2 = 1024; qsa2 = 0;   // a tone whose low byte is 0, and strength 0
    spd3 = 18; ton3 = 768; qsa3 = 5;
    dialog1("CQ DE DL1ABC");
    dialog2("DL1ABC DE K7XYZ");
    dialog3("QRZ?");
    const std::string slot = send_buf[0];
    plain_params();
    spd = spd1; ton = ton1; qsa = qsa1;
    auto s = render(slot);
    // Every code recomputes the timing and, with the wide filter, doubles the
    // tone again: after a turn's three codes its dots last twice as long.
    EXPECT_EQ(read_morse(s, options_for(Keying::Tone, 768)),
              expected_patterns("CQ DE DL1ABC DL1ABC DE K7XYZ QRZ?"));
    // The strength codes took effect: each turn's marks peak at its own level.
    auto marks_in = [](const std::string &t) {
        std::string p = expected_patterns(t);
        return size_t(std::count(p.begin(), p.end(), '.') + std::count(p.begin(), p.end(), '-'));
    };
    const size_t end1 = marks_in("CQ DE DL1ABC"), end2 = end1 + marks_in("DL1ABC DE K7XYZ");
    std::vector<int> peaks;
    // Runs start at the first mark: the leading silence is not among them.
    size_t pos = size_t(std::find_if(s.begin(), s.end(), [](uint8_t v) { return v != 128; }) - s.begin());
    for (const MorseRun &r : morse_runs(s, Keying::Tone)) {
        if (r.mark) {
            int peak = 0;
            for (size_t i = pos; i < pos + size_t(r.len); ++i) peak = std::max(peak, std::abs(int(s[i]) - 128));
            peaks.push_back(peak);
        }
        pos += size_t(r.len);
    }
    ASSERT_EQ(peaks.size(), end2 + marks_in("QRZ?"));
    for (size_t i = 0; i < peaks.size(); ++i) {
        int want = i < end1 ? 32 : (i < end2 ? 2 : 96);
        EXPECT_EQ(peaks[i], want) << "mark " << i;
    }
}

TEST_F(RoundTrip, HandAndWeightingKeepElementsInRange) {
    const std::string text = "PARIS PARIS TEST 73 VVV CQ";
    struct Case { int hand, rto; double dash_lo, dash_hi; };
    for (const Case c : {Case{1, 0, 3.0, 3.5}, Case{0, 10, 4.0, 4.5}, Case{0, 30, 4.0, 5.0}, Case{1, 15, 4.0, 4.5}}) {
        plain_params();
        hand = c.hand;
        rto = c.rto;
        auto s = render(text);
        const double dot = dot_size * 8.0;  // after rto raised the speed by one
        ReaderOptions o = options_for(Keying::Tone, dot);
        o.adapt = false;
        o.letter_gap = 2.25;
        o.word_gap = 4.75;
        const double slack = 2.0 / dot;  // the reader places an edge within a sample or two
        EXPECT_EQ(read_morse(s, o), expected_patterns(text)) << "hand " << c.hand << " rto " << c.rto;
        for (const MorseRun &r : morse_runs(s, Keying::Tone)) {
            double d = r.len / dot;
            if (r.mark) {
                bool is_dot = d < 2;
                if (is_dot) {
                    EXPECT_GE(d, 1.0 - slack);
                    EXPECT_LT(d, (c.hand ? 1.5 : 1.0) + slack);
                } else {
                    EXPECT_GE(d, c.dash_lo - slack);
                    EXPECT_LT(d, c.dash_hi + slack);
                }
            } else {
                // Element spaces 1..1.5 dots; letter and word spaces longer, never shorter than a dot.
                EXPECT_GE(d, 1.0 - slack);
                EXPECT_LT(d, 7.5 + slack);
            }
        }
    }
}

}  // namespace
}  // namespace kestrel::test
