// The recordings of "fone/": what kestrel-recordings writes must be what a
// listener (and a decoder) recognises: teleprinter text that minimodem reads
// back, SITOR-B in its constant-ratio code with time diversity, a fax with
// start, phasing, chart and stop, the radar's pulse train, a seamless noise
// loop, and a clip for every name of the clip table; all at sane levels and
// the same bytes on every run.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "bandplan/clips/clip_table.h"
#include "support/fixture.h"
#include "tools/recordings/content.h"
#include "tools/recordings/dsp.h"
#include "tools/recordings/recordings.h"
#include "tools/recordings/sound_file.h"
#include "tools/recordings/speech.h"
#include "tools/recordings/teleprinter.h"

namespace kestrel::test {
namespace {

using rec::Samples;
using rec::Sound;

class Recordings : public Kestrel {
protected:
    // Runs the generator into `dir` for the comma-separated `names`
    // (everything when empty); returns its exit status.
    static int generate(const std::string &dir, const std::string &names) {
        std::string cmd = std::string(KESTREL_RECORDINGS_EXE) + " " + dir + " --quiet";
        if (!names.empty()) cmd += " --only " + names;
        int status = std::system((cmd + " 2>gen-err.txt").c_str());
        return WEXITSTATUS(status);
    }
    static Sound load(const std::string &path) {
        Sound s;
        std::string err;
        EXPECT_TRUE(rec::read_sound(path, s, err)) << err;
        return s;
    }
    static double seconds(const Sound &s) { return s.rate ? double(s.samples.size()) / s.rate : 0.0; }
    static bool have_minimodem() { return std::system("minimodem --version >/dev/null 2>&1") == 0; }
};

// Power of one frequency over a stretch (Goertzel).
double tone_power(const Samples &s, size_t from, size_t len, double f, double rate) {
    double w = 2 * rec::PI * f / rate, c = 2 * std::cos(w), s1 = 0, s2 = 0;
    for (size_t i = from; i < from + len && i < s.size(); ++i) {
        double s0 = s[i] + c * s1 - s2;
        s2 = s1;
        s1 = s0;
    }
    return s1 * s1 + s2 * s2 - c * s1 * s2;
}

// Instantaneous frequency of a narrow-band signal around `centre`.
std::vector<double> frequency_track(const Samples &s, double rate, double centre, double bw) {
    rec::Biquad i1 = rec::Biquad::lowpass(rate, bw), i2 = i1, q1 = i1, q2 = i1;
    std::vector<double> f(s.size(), centre);
    std::complex<double> prev(1, 0);
    for (size_t n = 0; n < s.size(); ++n) {
        double ph = 2 * rec::PI * centre * double(n) / rate;
        std::complex<double> z(i2.step(i1.step(s[n] * std::cos(ph))), q2.step(q1.step(-s[n] * std::sin(ph))));
        f[n] = centre + std::arg(z * std::conj(prev)) * rate / (2 * rec::PI);
        prev = z;
    }
    return f;
}

double mean(const std::vector<double> &v, size_t from, size_t to) {
    double acc = 0;
    for (size_t i = from; i < to; ++i) acc += v[i];
    return to > from ? acc / double(to - from) : 0.0;
}

// Share of the clearly tonal 50 ms stretches (nearly one pure tone: notes
// of a tune, pips; not speech or noise) whose pitch is within 4 % of their
// median pitch: near 1 for pips on one tone, well under for a tune.
double one_tone_share(const Sound &s) {
    std::vector<double> pitches;
    size_t seg = size_t(s.rate / 20);
    for (size_t i = 0; i + seg <= s.samples.size(); i += seg) {
        double energy = 0;
        for (size_t k = i; k < i + seg; ++k) energy += double(s.samples[k]) * s.samples[k];
        if (energy < 1e-6) continue;
        double best = 0, best_f = 0;
        for (double f = 250; f < 2600; f += 10) {
            double p = tone_power(s.samples, i, seg, f, s.rate);
            if (p > best) { best = p; best_f = f; }
        }
        if (2 * best / (double(seg) * energy) > 0.65) pitches.push_back(best_f);  // pure sine: 1
    }
    if (pitches.size() < 4) return 0.0;
    std::vector<double> sorted = pitches;
    std::sort(sorted.begin(), sorted.end());
    double median = sorted[sorted.size() / 2];
    size_t near = 0;
    for (double f : pitches) near += std::abs(f / median - 1.0) < 0.04;
    return double(near) / double(pitches.size());
}

// Linear predictor of order p for a loop (autocorrelation taken around the
// seam, Levinson-Durbin): x[n] ~ sum a[k] x[n-k], k = 1..p.
std::vector<double> loop_predictor(const Samples &x, size_t p) {
    size_t n = x.size();
    std::vector<double> r(p + 1, 0.0), a(p + 1, 0.0), tmp(p + 1);
    for (size_t k = 0; k <= p; ++k)
        for (size_t i = 0; i < n; ++i) r[k] += double(x[i]) * x[(i + k) % n];
    double e = r[0];
    for (size_t i = 1; i <= p; ++i) {
        double acc = r[i];
        for (size_t j = 1; j < i; ++j) acc -= a[j] * r[i - j];
        double k = acc / e;
        tmp = a;
        a[i] = k;
        for (size_t j = 1; j < i; ++j) a[j] = tmp[j] - k * tmp[i - j];
        e *= 1 - k * k;
    }
    return a;
}

// ---------------------------------------------------------------- codes

TEST(TeleprinterCode, Ita2CarriesTextWithItsShiftsAndRepeatsFiguresAfterABlank) {
    const std::string text = "CQ DE 4X4 50 MHZ/2.5 (OK)?\r\n";
    std::vector<int> codes = rec::ita2_encode(text);
    std::string back;
    bool figs = false, unshift_on_space = false;
    int figs_count = 0;
    for (int c : codes) {
        ASSERT_GE(c, 0);
        ASSERT_LT(c, 32);
        if (c == rec::ITA2_FIGS) { figs = true; ++figs_count; continue; }
        if (c == rec::ITA2_LTRS) { figs = false; continue; }
        back += rec::ita2_char(c, figs);
        if (c == rec::ITA2_SPACE && unshift_on_space) figs = false;
    }
    EXPECT_EQ(back, text);
    // "4X4", "50", "/2.5 (" and ")?" each need the figures shift once
    // after a blank or a letter: a receiver that unshifts on space still
    // prints them.
    EXPECT_EQ(figs_count, 6);
    // Read again as a receiver that unshifts on every blank: same text.
    back.clear();
    figs = false;
    for (int c : codes) {
        if (c == rec::ITA2_FIGS) { figs = true; continue; }
        if (c == rec::ITA2_LTRS) { figs = false; continue; }
        back += rec::ita2_char(c, figs);
        if (c == rec::ITA2_SPACE) figs = false;
    }
    EXPECT_EQ(back, text);
    // Start-stop frame: space start bit, five data bits least significant
    // first, 1.5 mark stop bits.
    std::vector<rec::Element> el;
    rec::ita2_frame(0x0A, 1.5, el);  // R = 01010
    ASSERT_EQ(el.size(), 7u);
    EXPECT_EQ(el[0].level, 0);
    int lv[5] = {0, 1, 0, 1, 0};
    for (int b = 0; b < 5; ++b) EXPECT_EQ(el[size_t(1 + b)].level, lv[b]);
    EXPECT_EQ(el[6].level, 1);
    EXPECT_DOUBLE_EQ(el[6].bits, 1.5);
}

TEST(TeleprinterCode, SitorAlphabetIsTheConstantRatioCodeAndRepeatsEachCharacterFourLater) {
    std::set<int> seen;
    for (int c = 0; c < 32; ++c) {
        int code = rec::ccir476_of_ita2(c);
        EXPECT_EQ(__builtin_popcount(unsigned(code)), 4) << c;
        EXPECT_LT(code, 128);
        EXPECT_EQ(rec::ita2_of_ccir476(code), c);
        seen.insert(code);
    }
    seen.insert({rec::CCIR476_ALPHA, rec::CCIR476_BETA, rec::CCIR476_RQ});
    EXPECT_EQ(seen.size(), 35u);  // every 7-unit combination with four B

    std::vector<int> s = rec::sitor_b_stream("RY", 4);
    // Phasing: phasing signal 2 in DX, phasing signal 1 in RX.
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(s[size_t(2 * i)], rec::CCIR476_RQ);
        EXPECT_EQ(s[size_t(2 * i + 1)], rec::CCIR476_ALPHA);
    }
    // LTRS R Y, three end alphas: DX at 8, 10, 12...; RX of each five later.
    std::vector<int> want = {rec::ccir476_of_ita2(rec::ITA2_LTRS), rec::ccir476_of_ita2(0x0A),
                             rec::ccir476_of_ita2(0x15)};
    for (size_t k = 0; k < want.size(); ++k) {
        EXPECT_EQ(s[8 + 2 * k], want[k]);
        EXPECT_EQ(s[8 + 2 * k + 5], want[k]);
    }
    EXPECT_EQ(s[9], rec::CCIR476_ALPHA);  // RX before its first repetition
    EXPECT_EQ(s.size() % 2, 0u);
}

TEST(SignalKit, ResamplingKeepsToneAndLevelAndShiftingMovesTheTone) {
    Samples tone(22050);
    for (size_t i = 0; i < tone.size(); ++i) tone[i] = float(0.5 * std::sin(2 * rec::PI * 440.0 * double(i) / 22050.0));
    for (double to : {8000.0, 11025.0, 16000.0}) {
        Samples r = rec::resample(tone, 22050.0, to);
        EXPECT_NEAR(double(r.size()), to, 1.0);
        Samples mid(r.begin() + long(to / 10), r.end() - long(to / 10));
        EXPECT_NEAR(rec::rms(mid), 0.5 / std::sqrt(2.0), 0.01) << to;
        EXPECT_GT(tone_power(mid, 0, mid.size(), 440.0, to), 100 * tone_power(mid, 0, mid.size(), 470.0, to));
    }
    // A receiver 230 Hz off frequency hears a 1000 Hz tone at 1230 Hz.
    Samples t8(8000);
    for (size_t i = 0; i < t8.size(); ++i) t8[i] = float(std::sin(2 * rec::PI * 1000.0 * double(i) / 8000.0));
    for (double shift : {230.0, -180.0}) {
        Samples s = rec::frequency_shift(t8, 8000.0, shift);
        double moved = tone_power(s, 400, 7200, 1000.0 + shift, 8000.0);
        EXPECT_GT(moved, 100 * tone_power(s, 400, 7200, 1000.0, 8000.0)) << shift;
        EXPECT_GT(moved, 100 * tone_power(s, 400, 7200, 1000.0 - shift, 8000.0)) << shift;
    }
    rec::Rng a(7), b(7), c(8);
    EXPECT_EQ(a.next(), b.next());
    EXPECT_NE(a.next(), c.next());
}

// ---------------------------------------------------------------- files

TEST_F(Recordings, TeleprinterRecordingsDecodeBackToTheirTextAtTheirSpeedAndShift) {
    ASSERT_EQ(generate("fone", "rtt-001.wav,rtt-001.mp3,rtt-002.wav"), 0) << read_text("gen-err.txt");
    if (!have_minimodem()) GTEST_SKIP() << "minimodem is not installed (scripts/install-deps.sh installs it)";
    for (const auto &f : rec::teleprinter_files) {
        char cmd[512];
        std::snprintf(cmd, sizeof cmd, "minimodem --rx -q -f fone/%s -M %.0f -S %.0f --baudot %.0f >dec.txt 2>/dev/null",
                      f.name, f.mark, f.space, f.baud);
        ASSERT_EQ(std::system(cmd), 0) << cmd;
        EXPECT_EQ(read_text("dec.txt"), f.text) << f.name;
        // The other shift does not read it: the shift is really this one.
        std::snprintf(cmd, sizeof cmd, "minimodem --rx -q -f fone/%s -M %.0f -S %.0f --baudot %.0f >dec2.txt 2>/dev/null",
                      f.name, f.mark, f.mark + (f.space - f.mark > 500 ? 425.0 : 850.0), f.baud);
        std::system(cmd);
        EXPECT_EQ(read_text("dec2.txt").find("RYRYRYRY"), std::string::npos) << f.name;
    }
}

TEST_F(Recordings, TeleprinterCharactersTakeSevenAndAHalfBitsWithKeyingAtTheirShift) {
    ASSERT_EQ(generate("fone", "rtt-001.wav,rtt-001.mp3,rtt-002.wav"), 0) << read_text("gen-err.txt");
    for (const auto &f : rec::teleprinter_files) {
        Sound s = load(std::string("fone/") + f.name);
        ASSERT_GT(s.rate, 0);
        double centre = (f.mark + f.space) / 2, spb = s.rate / f.baud;
        std::vector<double> fr = frequency_track(s.samples, s.rate, centre, std::abs(f.space - f.mark));
        // The keyed tones sit at mark and space.
        size_t a = size_t(2.0 * s.rate), b = a + size_t(3.5 * s.rate);
        double hi = 0, lo = 0;
        size_t nhi = 0, nlo = 0;
        for (size_t i = a; i < b; ++i) (fr[i] > centre ? (++nhi, hi) : (++nlo, lo)) += fr[i];
        EXPECT_NEAR(hi / double(nhi), std::max(f.mark, f.space), 40.0) << f.name;
        EXPECT_NEAR(lo / double(nlo), std::min(f.mark, f.space), 40.0) << f.name;
        // "RYRY...": R and Y together repeat every 2 x 7.5 bits.
        std::vector<double> key;
        for (size_t i = a; i < b; ++i) key.push_back(fr[i] > centre ? 1.0 : -1.0);
        double best = -1e18, best_lag = 0;
        for (double lag = 12 * spb; lag < 17 * spb; lag += 1) {
            double c = 0;
            for (size_t i = 0; i + size_t(lag) < key.size(); ++i) c += key[i] * key[i + size_t(lag)];
            if (c > best) { best = c; best_lag = lag; }
        }
        EXPECT_NEAR(best_lag / spb, 15.0, 0.3) << f.name;
    }
}

TEST_F(Recordings, SitorBroadcastSendsEveryCharacterTwiceInTheConstantRatioCode) {
    ASSERT_EQ(generate("fone", "sitorb.wav"), 0) << read_text("gen-err.txt");
    Sound s = load("fone/sitorb.wav");
    ASSERT_GT(s.rate, 0);
    EXPECT_GE(seconds(s), 30.0);
    const double spb = s.rate / rec::SITOR_BAUD;
    // Bit clock: the phase at which mark and space stand out most.
    auto bits_at = [&](double offset) {
        std::vector<int> bits;
        double contrast = 0;
        for (double t = offset; t + spb <= double(s.samples.size()); t += spb) {
            size_t a = size_t(t + spb * 0.2), len = size_t(spb * 0.6);
            double m = tone_power(s.samples, a, len, rec::SITOR_MARK, s.rate);
            double sp = tone_power(s.samples, a, len, rec::SITOR_SPACE, s.rate);
            bits.push_back(m > sp);
            contrast += std::abs(m - sp) / (m + sp + 1e-12);
        }
        return std::make_pair(contrast / double(std::max<size_t>(1, bits.size())), bits);
    };
    auto best = bits_at(0);
    for (double off = spb / 8; off < spb; off += spb / 8) {
        auto b = bits_at(off);
        if (b.first > best.first) best = b;
    }
    EXPECT_GT(best.first, 0.8);
    const std::vector<int> &bits = best.second;
    // Character frame: the alignment where most 7-bit words carry four B.
    std::vector<int> words;
    size_t best_valid = 0;
    for (int align = 0; align < 7; ++align) {
        std::vector<int> w;
        size_t valid = 0;
        for (size_t i = size_t(align); i + 7 <= bits.size(); i += 7) {
            int code = 0;
            for (int b = 0; b < 7; ++b) code |= bits[i + size_t(b)] << b;
            w.push_back(code);
            valid += __builtin_popcount(unsigned(code)) == 4;
        }
        if (valid > best_valid) { best_valid = valid; words = w; }
    }
    ASSERT_GT(words.size(), 100u);
    EXPECT_GE(double(best_valid), 0.98 * double(words.size()));
    // DX and RX: the slot parity where a word comes back five slots later.
    size_t match[2] = {0, 0};
    for (size_t i = 0; i + 5 < words.size(); ++i) match[i % 2] += words[i] == words[i + 5];
    size_t dx = match[1] > match[0] ? 1 : 0;
    EXPECT_GE(double(match[dx]), 0.95 * double(words.size() / 2 - 3));
    // After the idle mark, phasing: phasing signal 2 in DX, phasing
    // signal 1 in RX.
    size_t first = 0;
    while (first < words.size() && words[first] == 0x7F) ++first;
    ASSERT_LT(first + 1, words.size());
    EXPECT_EQ(first % 2, dx);
    EXPECT_EQ(words[first], rec::CCIR476_RQ);
    EXPECT_EQ(words[first + 1], rec::CCIR476_ALPHA);
    // The DX characters spell the bulletin.
    std::string text;
    bool figs = false;
    for (size_t i = dx; i < words.size(); i += 2) {
        int c = rec::ita2_of_ccir476(words[i]);
        if (c == rec::ITA2_FIGS) figs = true;
        else if (c == rec::ITA2_LTRS) figs = false;
        else if (c >= 0) {
            text += rec::ita2_char(c, figs);
            if (c == rec::ITA2_SPACE) figs = false;
        }
    }
    EXPECT_NE(text.find(rec::sitor_text), std::string::npos) << text;
}

TEST_F(Recordings, FaxHasStartTonePhasingAChartAtTwoLinesASecondAndAStopTone) {
    ASSERT_EQ(generate("fone", "fax-001.wav"), 0) << read_text("gen-err.txt");
    Sound s = load("fone/fax-001.wav");
    ASSERT_GT(s.rate, 0);
    double rate = s.rate;
    std::vector<double> f = frequency_track(s.samples, rate, 1900.0, 1000.0);
    auto at = [&](double t) { return size_t(t * rate); };
    // Picture frequencies stay between black (1500) and white (2300).
    std::vector<double> sorted(f.begin() + long(at(1)), f.end() - long(at(1)));
    std::sort(sorted.begin(), sorted.end());
    EXPECT_NEAR(sorted[sorted.size() / 20], 1500.0, 80.0);
    EXPECT_NEAR(sorted[sorted.size() * 19 / 20], 2300.0, 80.0);
    // Modulation of start and stop tones: 300 Hz for 5 s, 450 Hz at the end.
    Samples fm(f.begin(), f.end());
    for (auto &v : fm) v -= 1900.0f;
    double total = seconds(s);
    EXPECT_GT(tone_power(fm, at(0.5), at(4), 300.0, rate), 20 * tone_power(fm, at(0.5), at(4), 450.0, rate));
    double stop = total - 10.0;  // stop tone, then 5 s of black
    EXPECT_GT(tone_power(fm, at(stop + 0.5), at(4), 450.0, rate),
              20 * tone_power(fm, at(stop + 0.5), at(4), 300.0, rate));
    EXPECT_LT(mean(f, at(total - 4), at(total - 1)), 1650.0);
    // Phasing lines: black with a white pulse at the start of each line.
    for (int line = 2; line < 18; ++line) {
        double t0 = 5.0 + 0.5 * line;
        EXPECT_GT(mean(f, at(t0 + 0.004), at(t0 + 0.020)), 2100.0) << line;
        EXPECT_LT(mean(f, at(t0 + 0.05), at(t0 + 0.45)), 1700.0) << line;
    }
    // The chart: mostly white with black lines, repeating every half second.
    size_t c0 = at(15.0), c1 = at(stop);
    size_t black = 0;
    for (size_t i = c0; i < c1; ++i) black += f[i] < 1800.0;
    double share = double(black) / double(c1 - c0);
    EXPECT_GT(share, 0.02);
    EXPECT_LT(share, 0.4);
    double fmean = mean(f, c0, c1);
    auto corr = [&](size_t lag) {
        double acc = 0;
        for (size_t i = c0; i + lag < c1; i += 3) acc += (f[i] - fmean) * (f[i + lag] - fmean);
        return acc;
    };
    double line = corr(at(0.5));
    EXPECT_GT(line, 1.5 * corr(at(0.37)));
    EXPECT_GT(line, 1.5 * corr(at(0.63)));
}

TEST_F(Recordings, RadarIsATrainOfShortPulsesTenTimesASecond) {
    ASSERT_EQ(generate("fone", "othr-001.wav"), 0) << read_text("gen-err.txt");
    Sound s = load("fone/othr-001.wav");
    ASSERT_GT(s.rate, 0);
    // Envelope in 2 ms steps.
    size_t step = size_t(s.rate / 500);
    std::vector<double> env;
    for (size_t i = 0; i + step <= s.samples.size(); i += step) {
        double acc = 0;
        for (size_t k = i; k < i + step; ++k) acc += s.samples[k] * s.samples[k];
        env.push_back(std::sqrt(acc / double(step)));
    }
    double top = *std::max_element(env.begin(), env.end());
    size_t loud = 0;
    for (double e : env) loud += e > top / 3;
    double duty = double(loud) / double(env.size());
    EXPECT_GT(duty, 0.05);
    EXPECT_LT(duty, 0.4);
    // Pulse period from the envelope's autocorrelation: 100 ms = 50 steps.
    double m = mean(env, 0, env.size());
    size_t best = 0;
    double best_c = -1;
    for (size_t lag = 15; lag < 150; ++lag) {
        double c = 0;
        for (size_t i = 0; i + lag < env.size(); ++i) c += (env[i] - m) * (env[i + lag] - m);
        if (c > best_c) { best_c = c; best = lag; }
    }
    EXPECT_EQ(best, 50u);
}

TEST_F(Recordings, NoiseLoopsWithoutAClickAndSitsUnderTheMorseSignals) {
    ASSERT_EQ(generate("fone", "noise.wav"), 0) << read_text("gen-err.txt");
    Sound s = load("fone/noise.wav");
    ASSERT_GT(s.samples.size(), 1000u);
    EXPECT_NEAR(seconds(s), rec::NOISE_LOOP_S, 0.01);
    const Samples &x = s.samples;
    std::vector<double> steps;
    for (size_t i = 0; i + 1 < x.size(); ++i) steps.push_back(std::abs(double(x[i + 1]) - x[i]));
    std::sort(steps.begin(), steps.end());
    double seam = std::abs(double(x.front()) - x.back());
    EXPECT_LE(seam, steps[steps.size() * 19 / 20]) << "seam step " << seam;
    // A sharper test: band noise is predictable from its recent past. Fit a
    // linear predictor to the loop and compare its error just after the
    // seam (predicted across it, from the loop's end) with its error
    // anywhere else: an unrelated continuation cannot be predicted.
    std::vector<double> a = loop_predictor(x, 16);
    size_t n = x.size();
    auto err_block = [&](size_t from) {
        double acc = 0;
        for (size_t i = from; i < from + 16; ++i) {
            double pred = 0;
            for (size_t k = 1; k <= 16; ++k) pred += a[k] * x[(i + n - k) % n];
            acc += (x[i] - pred) * (x[i] - pred);
        }
        return acc;
    };
    std::vector<double> blocks;
    for (size_t b = 64; b + 64 < n; b += 16) blocks.push_back(err_block(b));
    std::sort(blocks.begin(), blocks.end());
    EXPECT_LE(err_block(0), blocks[blocks.size() * 19 / 20]);
    // No dip or bump around the seam: the level just before and after it
    // is that of the loop.
    size_t w = size_t(s.rate / 2);
    Samples before(x.end() - long(w), x.end()), after(x.begin(), x.begin() + long(w));
    double whole = rec::rms(x);
    EXPECT_GT(rec::rms(before), 0.5 * whole);
    EXPECT_GT(rec::rms(after), 0.5 * whole);
    EXPECT_LT(rec::rms(after), 2.0 * whole);
    // Under the Morse: strength 3 peaks at 32/128, strength 5 at 96/128.
    EXPECT_LT(whole, 0.25 / std::sqrt(2.0) / 2);
    EXPECT_LT(rec::peak(x), 0.75);
    // Slow variation and crashes: the level of one-second stretches moves,
    // and short stretches stand well above the floor.
    double lo = 1e9, hi = 0;
    for (size_t i = 0; i + size_t(s.rate) <= x.size(); i += size_t(s.rate)) {
        double r = rec::rms(Samples(x.begin() + long(i), x.begin() + long(i) + s.rate));
        lo = std::min(lo, r);
        hi = std::max(hi, r);
    }
    EXPECT_GT(hi / lo, 1.3);
    EXPECT_GT(rec::peak(x) / whole, 5.0);
}

// Expected shape of each recording.
struct Shape {
    const char *name;
    int rate;
    double min_s, max_s;
    double min_rms, max_rms;
};

constexpr Shape shapes[] = {
    {"noise.wav", 11025, 59.9, 60.1, 0.02, 0.09},
    {"ssb-002.wav", 8000, 30.0, 150.0, 0.04, 0.3},
    {"rtt-001.wav", 11025, 30.0, 120.0, 0.1, 0.4},
    {"rtt-001.mp3", 11025, 20.0, 120.0, 0.1, 0.4},
    {"rtt-002.wav", 11025, 20.0, 120.0, 0.1, 0.4},
    {"sitorb.wav", 11025, 30.0, 150.0, 0.1, 0.4},
    {"fax-001.wav", 8000, 120.0, 300.0, 0.1, 0.4},
    {"othr-001.wav", 8000, 3.0, 10.0, 0.03, 0.3},
};

void check_levels(const std::string &name, const Sound &s, double min_rms, double max_rms) {
    double r = rec::rms(s.samples), p = rec::peak(s.samples);
    size_t clipped = 0;
    for (float v : s.samples) clipped += std::abs(v) >= 0.99f;
    EXPECT_GE(r, min_rms) << name;
    EXPECT_LE(r, max_rms) << name;
    EXPECT_LE(p, 0.95) << name;
    EXPECT_EQ(clipped, 0u) << name;
}

TEST_F(Recordings, FixedRecordingsHaveTheirRateLengthAndLevel) {
    std::string names;
    for (const auto &n : rec::fixed_names()) names += (names.empty() ? "" : ",") + n;
    ASSERT_EQ(names.find(".mp3,"), names.find("rtt-001.mp3,") + 7);  // no clip among them
    ASSERT_EQ(generate("fone", names), 0) << read_text("gen-err.txt");
    for (const auto &sh : shapes) {
        Sound s = load(std::string("fone/") + sh.name);
        EXPECT_EQ(s.rate, sh.rate) << sh.name;
        EXPECT_GE(seconds(s), sh.min_s) << sh.name;
        EXPECT_LE(seconds(s), sh.max_s) << sh.name;
        check_levels(sh.name, s, sh.min_rms, sh.max_rms);
    }
    // SSB voice stays within the receiver's passband.
    Sound v = load("fone/ssb-002.wav");
    double in = 0, out = 0;
    for (double f = 100; f < 3900; f += 100) {
        double p = tone_power(v.samples, 0, v.samples.size(), f, v.rate);
        (f >= 250 && f <= 2900 ? in : out) += p;
    }
    EXPECT_LT(out, 0.05 * in);
}

TEST_F(Recordings, EveryClipOfTheTableIsWrittenAsAFiveToTwentySecondMp3) {
    ASSERT_EQ(generate("fone", ""), 0) << read_text("gen-err.txt");
    for (const auto &n : rec::fixed_names()) EXPECT_TRUE(file_exists("fone/" + n)) << n;
    std::vector<std::string> names = rec::clip_names();
    size_t filled = 0;
    for (const auto &slot : clip_table) filled += slot[0] != 0;
    ASSERT_EQ(names.size(), filled);
    std::map<size_t, int> lengths;
    for (const auto &n : names) {
        ASSERT_TRUE(file_exists("fone/" + n)) << n;
        Sound s = load("fone/" + n);
        EXPECT_EQ(s.rate, 11025) << n;
        EXPECT_GE(seconds(s), rec::CLIP_MIN_S) << n;
        EXPECT_LE(seconds(s), rec::CLIP_MAX_S) << n;
        check_levels(n, s, 0.03, 0.35);
        ++lengths[s.samples.size() / 1000];
    }
    // Varied: no handful of lengths covers the set.
    EXPECT_GT(lengths.size(), names.size() / 4);
}

TEST_F(Recordings, EveryClipPrefixHasAStationWhoseAnnouncementsCanBeSpoken) {
    std::set<std::string> missing;
    for (const auto &n : rec::clip_names())
        if (!rec::station_for_clip(n)) missing.insert(n.substr(0, n.find('-')));
    EXPECT_TRUE(missing.empty()) << "no station for prefix " << *missing.begin();
    for (int i = 0; i < rec::clip_station_count; ++i) {
        const auto &st = rec::clip_stations[i];
        EXPECT_NE(st.ident[0][0], 0) << st.prefix;
        for (const char *a : st.ident) {
            if (!a[0]) continue;
            std::string voice = st.voice, text = a;
            if (text[0] == '@') {
                voice = text.substr(1, text.find('|') - 1);
                text = text.substr(text.find('|') + 1);
            }
            std::string err;
            Samples sp = rec::speak({voice, 175, 50}, text, 8000.0, err);
            EXPECT_GT(double(sp.size()) / 8000.0, 0.5) << st.prefix << " " << voice << ": " << err;
        }
    }
    rec::speech_shutdown();
}

TEST_F(Recordings, ClipsOfOneStationDifferAndFitTheirKind) {
    // Two British clips and two weather clips: same station, other takes.
    std::vector<std::string> pick;
    for (const char *prefix : {"g-", "wx-"}) {
        int got = 0;
        for (const auto &n : rec::clip_names())
            if (n.rfind(prefix, 0) == 0 && got < 2) { pick.push_back(n); ++got; }
    }
    ASSERT_EQ(pick.size(), 4u) << "the clip table lost its British or weather clips";
    std::string list = pick[0] + "," + pick[1] + "," + pick[2] + "," + pick[3];
    ASSERT_EQ(generate("fone", list), 0) << read_text("gen-err.txt");
    for (int k = 0; k < 2; ++k) {
        Sound a = load("fone/" + pick[size_t(2 * k)]), b = load("fone/" + pick[size_t(2 * k + 1)]);
        EXPECT_NE(read_file("fone/" + pick[size_t(2 * k)]), read_file("fone/" + pick[size_t(2 * k + 1)]));
        EXPECT_NE(a.samples.size(), b.samples.size()) << pick[size_t(2 * k)];
    }
    // A broadcaster's interval signal is a tune, a service's attention
    // signal pips on one tone: the pitches of the clearly tonal stretches.
    for (int k = 0; k < 4; ++k) {
        double share = one_tone_share(load("fone/" + pick[size_t(k)]));
        EXPECT_GT(share, 0.0) << pick[size_t(k)] << ": no tonal signal";
        if (k < 2) EXPECT_LT(share, 0.75) << pick[size_t(k)];
        else EXPECT_GT(share, 0.85) << pick[size_t(k)];
    }
}

TEST_F(Recordings, GenerationIsDeterministicAndIndependentOfOrder) {
    std::vector<std::string> clips = rec::clip_names(3);
    ASSERT_EQ(clips.size(), 3u);
    std::string fwd = "rtt-001.mp3,othr-001.wav,noise.wav," + clips[0] + "," + clips[1] + "," + clips[2];
    std::string rev = clips[2] + "," + clips[1] + "," + clips[0] + ",noise.wav,othr-001.wav,rtt-001.mp3";
    ASSERT_EQ(generate("a", fwd), 0) << read_text("gen-err.txt");
    ASSERT_EQ(generate("b", rev), 0) << read_text("gen-err.txt");
    for (const char *n : {"rtt-001.mp3", "othr-001.wav", "noise.wav"}) {
        auto x = read_file(std::string("a/") + n);
        EXPECT_FALSE(x.empty()) << n;
        EXPECT_EQ(x, read_file(std::string("b/") + n)) << n;
    }
    for (const auto &c : clips) {
        auto x = read_file("a/" + c);
        EXPECT_FALSE(x.empty()) << c;
        EXPECT_EQ(x, read_file("b/" + c)) << c;
    }
}

TEST_F(Recordings, BadRequestsFailWithAMessage) {
    EXPECT_NE(generate("fone", "nonsense.txt"), 0);
    EXPECT_NE(read_text("gen-err.txt").find("nonsense.txt"), std::string::npos);
    // Names stay inside the folder.
    EXPECT_NE(generate("fone", "../escaped.mp3"), 0);
    EXPECT_FALSE(file_exists("escaped.mp3"));
    EXPECT_NE(std::system((std::string(KESTREL_RECORDINGS_EXE) + " >/dev/null 2>&1").c_str()), 0);
    // A folder that cannot be made.
    std::ofstream("plainfile") << "x";
    EXPECT_NE(generate("plainfile/fone", "noise.wav"), 0);
}

}  // namespace
}  // namespace kestrel::test
