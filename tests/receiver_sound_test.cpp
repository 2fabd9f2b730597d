// The receiver sound: offline mixes of rendered stations through the chain
// (filter, attenuator, AGC, fading, band noise, crashes) measured as a
// listener's ear or a spectrum analyser would, the keys that choose it and
// the spectrum the waterfall draws.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>
#include <thread>
#include <chrono>
#include <vector>

#include "app/sound_mode.h"
#include "app/window.h"
#include "platform/audio.h"
#include "platform/audio_tap.h"
#include "platform/clock.h"
#include "platform/media.h"
#include "platform/rx_chain.h"
#include "platform/waterfall_feed.h"
#include "platform/ui.h"
#include "platform/waterfall.h"
#include "state/clock.h"
#include "state/receiver.h"
#include "support/fixture.h"
#include "support/morse_reader.h"
#include "support/wav_file.h"
#include "synth/morse.h"
#include "synth/params.h"

namespace kestrel::test {
namespace {

constexpr int kRate = 22050;  // the command-line mix's rate
constexpr double kPi = 3.14159265358979323846;

// Power of one frequency over [from, from + n), per sample.
double tone_power(const std::vector<float> &x, size_t from, size_t n, double hz) {
    const double k = 2 * std::cos(2 * kPi * hz / kRate);
    double s1 = 0, s2 = 0;
    for (size_t i = from; i < from + n && i < x.size(); ++i) {
        const double s = x[i] + k * s1 - s2;
        s2 = s1;
        s1 = s;
    }
    return (s1 * s1 + s2 * s2 - k * s1 * s2) / (double(n) * double(n));
}

// Share of a window's energy above `hz` (a plain DFT of the window).
double share_above(const std::vector<float> &x, size_t from, size_t n, double hz) {
    double above = 0, all = 0;
    for (size_t b = 1; b < n / 2; ++b) {
        double re = 0, im = 0;
        for (size_t i = 0; i < n; ++i) {
            const double w = 0.5 - 0.5 * std::cos(2 * kPi * double(i) / double(n));
            re += w * x[from + i] * std::cos(2 * kPi * double(b * i) / double(n));
            im += w * x[from + i] * std::sin(2 * kPi * double(b * i) / double(n));
        }
        const double p = re * re + im * im;
        all += p;
        if (double(b) * kRate / double(n) >= hz) above += p;
    }
    return all > 0 ? above / all : 0;
}

double db(double ratio) { return 10 * std::log10(std::max(ratio, 1e-30)); }

// The magnitude of what lies within about 100 Hz of `hz` (5 ms average).
std::vector<double> envelope(const std::vector<float> &x, double hz) {
    const size_t avg = kRate / 200;
    std::vector<double> env(x.size(), 0.0), cre(x.size()), cim(x.size());
    double re = 0, im = 0;
    for (size_t i = 0; i < x.size(); ++i) {
        cre[i] = x[i] * std::cos(2 * kPi * hz * double(i) / kRate);
        cim[i] = x[i] * std::sin(2 * kPi * hz * double(i) / kRate);
        re += cre[i];
        im += cim[i];
        if (i >= avg) {
            re -= cre[i - avg];
            im -= cim[i - avg];
        }
        env[i] = std::hypot(re, im) / double(avg);
    }
    return env;
}

void renotify() {
    media().send_string("seek noise to start");
    media().send_string("play noise notify");
}

class RxSound : public Kestrel {
protected:
    void TearDown() override {
        rx_set(RxSettings{});
        sound_select("described", "all", 0, nullptr);
        waterfall().close();
        Kestrel::TearDown();
    }

    // One emission into TOVA0.WAV; freq 10000 keeps the night rule out of its level.
    void station(const std::string &text, int tone, int level, int flt, int speed = 20) {
        freq = 10000;
        plain_params();
        spd = speed;
        ton = tone;
        qsa = level;
        filter = flt;
        keying_reset();
        ASSERT_GT(CreateWave(0, text.c_str()), 0u);
    }

    // Band noise for the loop: white, under a strength-3 signal.
    static void band_noise(double rms) {
        std::filesystem::create_directories("fone");
        std::mt19937 gen(7);
        std::normal_distribution<double> g(0, rms);
        const uint32_t n = 3 * 11025;
        auto b = wav_header(11025, 16, 1, n * 2);
        for (uint32_t i = 0; i < n; ++i) put_le(b, static_cast<uint16_t>(int16_t(std::clamp(g(gen), -1.0, 1.0) * 32767)), 2);
        write_bytes("fone/noise.wav", b);
    }

    // The offline mix of channel 0 (and the noise loop) through `s`.
    std::vector<float> mix(const RxSettings &s, int seconds, bool noise) {
        rx_set(s);
        EXPECT_TRUE(media_offline_begin("mix.wav", seconds, kRate));
        media_offline_on_notify(renotify);
        if (noise) {
            media().send_string("open fone/noise.wav alias noise");
            media().send_string("play noise notify");
        }
        media().channel_play(0, "TOVA0.WAV");
        EXPECT_TRUE(media_offline_end());
        media_offline_on_notify(nullptr);
        WavData w = read_wav16("mix.wav");
        EXPECT_TRUE(w.ok);
        std::vector<float> x(w.samples.size());
        for (size_t i = 0; i < x.size(); ++i) x[i] = float(w.samples[i]) / 32767.0f;
        return x;
    }

    static RxSettings receiver(const char *effects, bool night = false, int month = 3, int hour = 12) {
        RxSettings s;
        s.mode = SoundMode::receiver;
        sound_effects_parse(effects, &s.fx, nullptr);
        s.night = night;
        s.month = month;
        s.hour = hour;
        s.seed = 42;
        return s;
    }

    // Station level against the noise beside it, in dB, per `win`-second
    // window: the keyed level (the loud tenth of the tone's envelope)
    // against the noise's mean in a band of the same width at 1900 Hz.
    static std::vector<double> snr_track(const std::vector<float> &x, double pitch, double win) {
        const std::vector<double> tone = envelope(x, pitch), noise = envelope(x, 1900);
        std::vector<double> out;
        const size_t n = size_t(win * kRate);
        for (size_t at = 0; at + n <= x.size(); at += n) {
            std::vector<double> t(tone.begin() + long(at), tone.begin() + long(at + n));
            std::nth_element(t.begin(), t.begin() + long(n * 9 / 10), t.end());
            double p = 0;
            for (size_t i = at; i < at + n; ++i) p += noise[i] * noise[i];
            out.push_back(db(t[n * 9 / 10] * t[n * 9 / 10] / (p / double(n))));
        }
        return out;
    }
    static double spread(const std::vector<double> &v) {
        return *std::max_element(v.begin(), v.end()) - *std::min_element(v.begin(), v.end());
    }
};

// FLT1 with a 1000 Hz pitch: the triangle's third harmonic, about 19 dB under
// the fundamental in the channel file, goes under 25 dB; FLT2 cuts what lies
// above 3 kHz around every mark's edges (the harmonics and the key clicks).
TEST_F(RxSound, FilterTakesTheHarmonicsAndKeyClicksAway) {
    station("TEST DE KESTREL TEST DE KESTREL", 2000, 3, 1);
    filter = 1;
    RxSettings plain;
    plain.filter = 1;
    const std::vector<float> before = mix(plain, 8, false);
    RxSettings rx = receiver("filter,agc");
    rx.filter = 1;
    const std::vector<float> after = mix(rx, 8, false);
    ASSERT_EQ(before.size(), after.size());
    const double h_before = db(tone_power(before, 0, before.size(), 1000) / tone_power(before, 0, before.size(), 3000));
    const double h_after = db(tone_power(after, 0, after.size(), 1000) / tone_power(after, 0, after.size(), 3000));
    EXPECT_GT(h_before, 10.0);
    EXPECT_LT(h_before, 25.0);  // the channel file is unchanged under the chain
    EXPECT_GE(h_after, 25.0);
    std::printf("third harmonic under the fundamental: %.1f dB plain, %.1f dB through FLT1\n", h_before, h_after);

    // FLT2: ton 1000 doubles to a 1000 Hz pitch; the edges of the marks are
    // found in the plain mix, where silence is exactly zero.
    station("PARIS PARIS PARIS PARIS", 1000, 3, 0);
    const std::vector<float> plain2 = mix(RxSettings{}, 8, false);
    const std::vector<float> rx2 = mix(receiver("filter,agc"), 8, false);
    const size_t win = 220;  // 10 ms
    double sum_plain = 0, sum_rx = 0;
    int edges = 0;
    for (size_t i = win; i + win < plain2.size() && edges < 40; ++i) {
        const bool on = plain2[i] != 0.0f, was = plain2[i - 1] != 0.0f;
        bool silent_before = true;
        for (size_t j = i - 8; j < i && silent_before; ++j) silent_before = plain2[j] == 0.0f;
        if (!(on && !was && silent_before)) continue;
        sum_plain += share_above(plain2, i - win / 2, win, 3000);
        sum_rx += share_above(rx2, i - win / 2, win, 3000);
        ++edges;
        i += 400;
    }
    ASSERT_GE(edges, 20);
    std::printf("energy above 3 kHz at %d mark edges: %.1f dB against the plain mix\n", edges, db(sum_rx / sum_plain));
    EXPECT_LE(db(sum_rx / sum_plain), -20.0) << db(sum_plain / edges) << " dB before";
}

// The passbands of the two filters, measured through the chain with a steady
// sine, and the attenuator before the AGC: 20 dB down without the AGC, held
// by the AGC, which also brings the noise up around a weaker signal.
TEST_F(RxSound, PassbandsAttenuatorAndAgc) {
    auto through = [](int flt, double hz, bool agc, int att) {
        RxSettings s = receiver(agc ? "filter,agc" : "filter");
        s.filter = flt;
        s.att = att;
        rx_set(s);
        audio::RxChain chain(48000);
        EXPECT_TRUE(chain.engaged());
        // Two seconds: the AGC has settled in the second.
        std::vector<float> in(96000), none(96000, 0.0f), out(96000);
        for (size_t i = 0; i < in.size(); ++i) in[i] = float(0.2 * std::sin(2 * kPi * hz * double(i) / 48000));
        chain.process(in.data(), none.data(), false, out.data(), 96000);
        double p = 0;
        for (size_t i = 48000; i < out.size(); ++i) p += double(out[i]) * out[i];
        return db(p / 48000 / (0.02));  // against the input's power
    };
    EXPECT_GT(through(0, 1000, false, 0), -1.5);
    EXPECT_GT(through(0, 2000, false, 0), -1.5);
    EXPECT_LT(through(0, 150, false, 0), -30.0);
    EXPECT_LT(through(0, 3000, false, 0), -40.0);
    EXPECT_GT(through(1, 500, false, 0), -1.5);
    EXPECT_LT(through(1, 1800, false, 0), -40.0);
    double lo, hi;
    rx_passband(1, &lo, &hi);
    EXPECT_NEAR(hi - lo, 1000, 1);
    EXPECT_NEAR(through(0, 1000, false, 1) - through(0, 1000, false, 0), -20.0, 0.5);
    EXPECT_NEAR(through(0, 1000, true, 1) - through(0, 1000, true, 0), 0.0, 1.0);

    // Band noise and the receiver's hiss: with the attenuator in, the hiss
    // (after it) counts more, so the station stands less far out.
    station(std::string(40, 'T'), 1000, 3, 0);
    band_noise(0.045);
    const double out = snr_track(mix(receiver("filter,agc"), 6, true), 1000, 5)[0];
    const double in = snr_track(mix([&] { RxSettings s = receiver("filter,agc"); s.att = 1; return s; }(), 6, true), 1000, 5)[0];
    EXPECT_GT(out - in, 4.0) << out << " " << in;
}

// Over a minute a station's level against the noise swings by 6 dB and more
// at night and less by day; the receiver without fading holds it.
TEST_F(RxSound, FadingIsDeepAtNightShallowByDayAndOffWithoutFading) {
    std::string vvv;
    for (int i = 0; i < 80; ++i) vvv += "VVV ";
    station(vvv, 1000, 3, 0);
    band_noise(0.045);
    const RxEffects fx{true, true, true, true, false};
    RxSettings night = receiver("filter,agc,fading,flutter", true, 1, 2);
    RxSettings day = receiver("filter,agc,fading,flutter", false, 1, 12);
    ASSERT_EQ(night.fx.fading, fx.fading);
    RxSettings steady = night;
    steady.mode = SoundMode::receiver_steady;
    const double at_night = spread(snr_track(mix(night, 60, true), 1000, 2));
    const double by_day = spread(snr_track(mix(day, 60, true), 1000, 2));
    const double held = spread(snr_track(mix(steady, 60, true), 1000, 2));
    std::printf("level against the noise over 60 s: night %.1f dB, day %.1f dB, without fading %.1f dB\n",
                at_night, by_day, held);
    EXPECT_GE(at_night, 6.0);
    EXPECT_LT(by_day, 6.0);
    EXPECT_LT(by_day, at_night);
    EXPECT_LT(held, 3.0);
    // Weak stations fade deeper.
    EXPECT_GT(rx_fade_depth_db(0.06f, true), rx_fade_depth_db(0.75f, true));
    EXPECT_GT(rx_fade_depth_db(0.06f, false), rx_fade_depth_db(0.75f, false));
    // Each emission has its own fading: another seed, another course.
    night.seed = 43;
    EXPECT_NE(mix(night, 5, true), mix(receiver("filter,agc,fading,flutter", true, 1, 2), 5, true));
}

// Static crashes: most on summer evenings, fewest on winter mornings, heard
// as bursts far over the hiss.
TEST_F(RxSound, CrashesFollowSeasonAndHour) {
    EXPECT_GT(rx_crash_rate(7, 19), rx_crash_rate(7, 8));
    EXPECT_GT(rx_crash_rate(7, 19), rx_crash_rate(1, 19));
    EXPECT_GT(rx_crash_rate(4, 19), rx_crash_rate(1, 19));
    EXPECT_LT(rx_crash_rate(1, 8), 0.05);
    station(" ", 1000, 0, 0);  // a channel of silence
    band_noise(0.0);
    auto bursts = [&](int month, int hour) {
        RxSettings s = receiver("crashes", false, month, hour);
        const std::vector<float> x = mix(s, 60, true);
        int n = 0;
        for (size_t i = 0; i < x.size(); ++i) {
            if (std::fabs(x[i]) < 0.1f) continue;
            ++n;
            i += kRate / 10;  // one burst, however it rattles
        }
        return n;
    };
    const int summer_evening = bursts(7, 19), winter_morning = bursts(1, 8);
    std::printf("crash bursts in 60 s: summer evening %d, winter morning %d\n", summer_evening, winter_morning);
    EXPECT_GE(summer_evening, 10);
    EXPECT_GT(summer_evening, 3 * winter_morning) << summer_evening << " " << winter_morning;
}

// The Morse of a receiver mix, with every effect and the band noise, read
// back by the reader of the round-trip tests from the tone's envelope.
TEST_F(RxSound, MorseStillReadsThroughTheWholeChain) {
    const std::string text = "CQ CQ DE DHJ58 QRU K 73";
    station(text, 1000, 3, 0);
    band_noise(0.045);
    const double dot = 1.2 / 20 * kRate;
    const std::vector<float> x = mix(receiver("all", false, 3, 12), 16, true);
    // Down to the tone's envelope, then keyed above half its peaks.
    const std::vector<double> env = envelope(x, 1000);
    std::vector<double> sorted(env);
    std::sort(sorted.begin(), sorted.end());
    const double threshold = 0.5 * sorted[sorted.size() * 97 / 100];
    std::vector<uint8_t> keyed(env.size());
    for (size_t i = 0; i < env.size(); ++i) keyed[i] = env[i] > threshold ? 129 : 128;
    EXPECT_EQ(read_morse(keyed, options_for(Keying::Tone, dot)), expected_patterns(text));
}

// F cycles the sound and the title says which is in force; W opens the
// waterfall, which collects the mixed output only while it is open.
TEST_F(RxSound, KeysCycleTheSoundAndOpenTheWaterfall) {
    hwnd = 1;
    ASSERT_EQ(sound_mode(), SoundMode::described);
    WndProc(hwnd, WM_KEYDOWN, VK_SOUND_MODE, 0);
    EXPECT_EQ(sound_mode(), SoundMode::receiver);
    EXPECT_EQ(rx_get().mode, SoundMode::receiver);
    EXPECT_NE(std::strstr(ui_title(), "[SOUND receiver]"), nullptr) << ui_title();
    WndProc(hwnd, WM_KEYDOWN, VK_SOUND_MODE, 0);
    EXPECT_NE(std::strstr(ui_title(), "[SOUND receiver without fading]"), nullptr) << ui_title();
    WndProc(hwnd, WM_KEYDOWN, VK_SOUND_MODE, 0);
    EXPECT_EQ(rx_get().mode, SoundMode::described);
    EXPECT_STREQ(ui_title(), window_title);
    // A retune hands the chain the switches and the hour.
    filter = 1;
    att = 1;
    test_clock_set(2026, 7, 1, 21, 0, 0, 0);
    GetSystemTime(&t);
    dsp_freq(hwnd);
    EXPECT_EQ(rx_get().filter, 1);
    EXPECT_EQ(rx_get().att, 1);
    EXPECT_TRUE(rx_get().night);
    EXPECT_EQ(rx_get().month, 7);

    EXPECT_FALSE(spectrum_armed());
    WndProc(hwnd, WM_KEYDOWN, VK_WATERFALL, 0);
    EXPECT_TRUE(waterfall().shown());
    EXPECT_TRUE(spectrum_armed());
    WndProc(hwnd, WM_KEYDOWN, VK_WATERFALL, 0);
    EXPECT_FALSE(waterfall().shown());
    EXPECT_FALSE(spectrum_armed());

    std::string why;
    EXPECT_FALSE(sound_select("radio", "all", 0, &why));
    EXPECT_NE(why.find("receiver-nofading"), std::string::npos);
    EXPECT_FALSE(sound_select("receiver", "filter,qsb", 0, &why));
    EXPECT_NE(why.find("'qsb'"), std::string::npos);
    RxEffects fx;
    ASSERT_TRUE(sound_effects_parse("agc,crashes", &fx, nullptr));
    EXPECT_TRUE(fx.agc && fx.crashes && !fx.filter && !fx.fading && !fx.flutter);
}

// The sound card's thread mixes through the chain while the window thread
// changes the sound, the filter and the attenuator and draws waterfall lines.
TEST_F(RxSound, TheSoundCardMixesThroughTheChainWhileTheSoundChanges) {
    station("VVV VVV VVV VVV VVV", 1000, 3, 0);
    band_noise(0.045);
    media_sdl_driver("dummy");
    media_use(media_sdl_open());
    ASSERT_GT(media_sdl_rate(), 0);
    media().send_string("open fone/noise.wav alias noise");
    media().send_string("play noise notify");
    media().channel_play(0, "TOVA0.WAV");
    spectrum_arm(true);
    std::vector<float> line(800);
    int lines = 0;
    for (int i = 0; i < 60; ++i) {
        RxSettings s = receiver("all", i % 2 == 0, 7, 19);
        s.mode = static_cast<SoundMode>(i % 3);
        s.filter = (i / 3) % 2;
        s.att = (i / 5) % 2;
        rx_set(s);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        lines += spectrum_line(line.data(), 800, 6000) ? 1 : 0;
        if (i == 30) media().channel_play(0, "TOVA0.WAV");  // a retune's new emission
    }
    spectrum_arm(false);
    EXPECT_GT(lines, 0);  // the mixed sound reached the tap
    media_use(&media_null);
    media_sdl_close();
    media_sdl_driver(nullptr);
}

// The waterfall's line: a tone shows in its column, far over the rest.
TEST_F(RxSound, SpectrumLineShowsATone) {
    const int old = audio::tap_set_rate(48000);
    spectrum_arm(true);
    std::vector<float> line(800, 0.0f);
    EXPECT_FALSE(spectrum_line(line.data(), 800, 6000));  // nothing heard yet
    std::vector<float> block(1920);
    for (size_t i = 0; i < block.size(); ++i) block[i] = float(0.3 * std::sin(2 * kPi * 1000 * double(i) / 48000));
    for (int k = 0; k < 3; ++k) audio::spectrum_feed(block.data(), int(block.size()));
    ASSERT_TRUE(spectrum_line(line.data(), 800, 6000));
    const int top = int(std::max_element(line.begin(), line.end()) - line.begin());
    EXPECT_NEAR(top, 1000.0 / 7.5, 1.5);
    EXPECT_GT(line[size_t(top)] - line[400], 40.0f);
    spectrum_arm(false);
    audio::spectrum_feed(block.data(), int(block.size()));
    EXPECT_FALSE(spectrum_line(line.data(), 800, 6000));  // disarmed: nothing collected
    audio::tap_set_rate(old);
}

}  // namespace
}  // namespace kestrel::test
