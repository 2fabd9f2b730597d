// The offline backend: what would sound, mixed in simulated time into a file.
// Exercises the command interpreter, the channels, the looping player and
// the completion notices end to end.
#include <cmath>
#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

#include "platform/audio.h"
#include "platform/media.h"
#include "state/log.h"
#include "support/fixture.h"
#include "support/wav_file.h"
#include "synth/channels.h"
#include "synth/morse.h"
#include "synth/params.h"

namespace kestrel::test {
namespace {

constexpr int kRate = 22050;
constexpr int kLoud = 1000;  // 16-bit level above which a sample counts as sound

struct Mix {
    std::vector<int16_t> s;
    size_t at(double ms) const { return static_cast<size_t>(ms * kRate / 1000.0); }
    // Fraction of 10 ms windows in [from, to) ms holding sound.
    double sounding(double from_ms, double to_ms) const {
        int windows = 0, loud = 0;
        for (double t = from_ms; t + 10 <= to_ms; t += 10) {
            ++windows;
            for (size_t i = at(t); i < at(t + 10) && i < s.size(); ++i)
                if (std::abs(s[i]) > kLoud) { ++loud; break; }
        }
        return windows ? static_cast<double>(loud) / windows : 0.0;
    }
    double first_ms() const {
        for (size_t i = 0; i < s.size(); ++i)
            if (std::abs(s[i]) > kLoud) return i * 1000.0 / kRate;
        return -1;
    }
    double last_ms() const {
        for (size_t i = s.size(); i-- > 0;)
            if (std::abs(s[i]) > kLoud) return i * 1000.0 / kRate;
        return -1;
    }
};

Mix load(const std::string &path) {
    WavData w = read_wav16(path);
    EXPECT_TRUE(w.ok) << path;
    EXPECT_EQ(w.rate, static_cast<uint32_t>(kRate));
    EXPECT_EQ(w.channels, 1);
    return Mix{w.samples};
}

int g_notices_seen = 0;
void restart_noise() {
    // What the receiver window does with a notice while the noise switch is on.
    ++g_notices_seen;
    media().send_string("seek noise to start");
    media().send_string("play noise notify");
}

class Offline : public Kestrel {
protected:
    void SetUp() override {
        Kestrel::SetUp();
        g_notices_seen = 0;
        media_take_notify();
        ASSERT_TRUE(std::filesystem::create_directory("fone"));
    }
    void TearDown() override {
        media_offline_on_notify(nullptr);
        media_offline_end();  // harmless when already ended
        Kestrel::TearDown();
    }
};

TEST_F(Offline, RenderedLetterEIsHeardWhereItsDotLies) {
    ASSERT_EQ(CreateWave(0, "E"), 360u);
    ASSERT_TRUE(media_offline_begin("mix.wav", 2));
    EXPECT_EQ(&media(), &media_offline);
    sound(0);
    timer0_start(360);
    ASSERT_TRUE(media_offline_end());
    EXPECT_EQ(&media(), &media_recording);  // the previous backend is back
    Mix m = load("mix.wav");
    EXPECT_EQ(m.s.size(), static_cast<size_t>(2 * kRate));
    // Header padding (4 samples) and the leading word space (768 samples) at
    // 6400 Hz come first, then the 60 ms dot; the rest is silence.
    EXPECT_NEAR(m.first_ms(), (4 + 768) * 1000.0 / 6400, 3.0);
    EXPECT_NEAR(m.last_ms(), (4 + 768 + 384) * 1000.0 / 6400, 3.0);
}

TEST_F(Offline, ChannelsStartInOrderAtTheirSimulatedTimeAndPlayOnce) {
    ASSERT_TRUE(write_tone_u8("TOVA0.WAV", 4800, 0.5));
    ASSERT_TRUE(write_tone_u8("TOVA1.WAV", 6400, 0.5, 40, 2));
    ASSERT_TRUE(media_offline_begin("mix.wav", 3));
    sound(0);
    ASSERT_TRUE(media_offline_advance(1000));
    sound(1);
    ASSERT_TRUE(media_offline_end());
    Mix m = load("mix.wav");
    EXPECT_GT(m.sounding(0, 500), 0.95);
    EXPECT_EQ(m.sounding(520, 1000), 0.0);
    EXPECT_GT(m.sounding(1000, 1500), 0.95);
    EXPECT_EQ(m.sounding(1520, 3000), 0.0);
    EXPECT_NEAR(m.first_ms(), 0.0, 1.0);
    EXPECT_NEAR(m.last_ms(), 1500.0, 5.0);
}

TEST_F(Offline, StopAllDevsSilencesChannelsCarrierAndClipsAtOnce) {
    for (int k = 0; k < 7; ++k) ASSERT_TRUE(write_tone_u8("TOVA" + std::to_string(k) + ".WAV", 4800 + 400 * k, 5, 10));
    ASSERT_TRUE(write_tone_u8("fone/sitorb.wav", 8000, 5, 30));
    ASSERT_TRUE(media_offline_begin("mix.wav", 3));
    for (int k = 0; k < 7; ++k) {
        sound(k);
        timer_start(k, 5000);
    }
    n0n(900);
    media().send_string("play fone/sitorb.wav");
    ASSERT_TRUE(media_offline_advance(1000));
    stop_all_devs();
    for (int k = 0; k < 9; ++k) EXPECT_FALSE(channel_busy(k));
    ASSERT_TRUE(media_offline_end());
    Mix m = load("mix.wav");
    EXPECT_GT(m.sounding(0, 1000), 0.95);
    EXPECT_EQ(m.sounding(1010, 3000), 0.0);
}

TEST_F(Offline, CarrierLoopsWithoutGapsUntilStopped) {
    qsa = 2;
    n0n(800);  // a 10 s file; start it directly on a short file too
    ASSERT_TRUE(write_tone_u8("short.wav", 3200, 0.25));
    ASSERT_TRUE(media_offline_begin("mix.wav", 4));
    carrier_loop_start("short.wav");
    ASSERT_TRUE(media_offline_advance(2000));
    carrier_loop_start(nullptr);
    ASSERT_TRUE(media_offline_advance(1000));
    carrier_loop_start("TOVA9.WAV");
    ASSERT_TRUE(media_offline_end());
    Mix m = load("mix.wav");
    EXPECT_EQ(m.sounding(0, 2000), 1.0);  // eight rounds of the short file, no gap
    EXPECT_EQ(m.sounding(2010, 3000), 0.0);
    EXPECT_EQ(m.sounding(3000, 4000), 1.0);
}

TEST_F(Offline, NoiseLoopRestartsFromItsNoticeInSimulatedTime) {
    ASSERT_TRUE(write_tone_u8("fone/noise.wav", 8000, 0.4));
    media_offline_on_notify(restart_noise);
    ASSERT_TRUE(media_offline_begin("mix.wav", 3));
    media().send_string("open fone/noise.wav alias noise");
    media().send_string("play noise notify");
    ASSERT_TRUE(media_offline_advance(2000));
    // Switching the noise off uses the file name, not the alias.
    media().send_string("stop fone/noise.wav");
    media().send_string("close fone/noise.wav");
    const int notices_when_off = g_notices_seen;
    ASSERT_TRUE(media_offline_end());
    Mix m = load("mix.wav");
    EXPECT_GT(m.sounding(0, 2000), 0.95);
    EXPECT_EQ(m.sounding(2010, 3000), 0.0);
    // 0.4 s rounds in 2 s: four ends noticed, each restarting the next round.
    EXPECT_EQ(notices_when_off, 4);
    EXPECT_EQ(g_notices_seen, 4);
    EXPECT_EQ(media_take_notify(), 4);  // the window thread's mailbox saw them too
}

TEST_F(Offline, PlayWithoutNotifyPostsNothingAndAnEmptyNoiseFileCannotSpin) {
    ASSERT_TRUE(write_tone_u8("fone/once.wav", 8000, 0.2));
    ASSERT_TRUE(write_bytes("fone/noise.wav", wav_header(8000, 8, 1, 0)));
    media_offline_on_notify(restart_noise);
    ASSERT_TRUE(media_offline_begin("mix.wav", 1));
    media().send_string("play fone/once.wav");
    media().send_string("open fone/noise.wav alias noise");
    media().send_string("play noise notify");
    ASSERT_TRUE(media_offline_end());
    EXPECT_EQ(g_notices_seen, 0);
    EXPECT_EQ(media_take_notify(), 0);
    Mix m = load("mix.wav");
    EXPECT_GT(m.sounding(0, 200), 0.95);
    EXPECT_EQ(m.sounding(210, 1000), 0.0);
}

TEST_F(Offline, StopPausesPlayResumesSeekRestartsCloseEnds) {
    ASSERT_TRUE(write_tone_u8("fone/rtt-001.wav", 8000, 1.0));
    ASSERT_TRUE(media_offline_begin("mix.wav", 4));
    media().send_string("open fone/rtt-001.wav alias rtty");
    media().send_string("play rtty");
    ASSERT_TRUE(media_offline_advance(500));
    media().send_string("stop rtty");
    ASSERT_TRUE(media_offline_advance(500));
    media().send_string("play rtty");  // the remaining half second
    ASSERT_TRUE(media_offline_advance(1000));
    media().send_string("seek rtty to start");
    media().send_string("play rtty");
    ASSERT_TRUE(media_offline_advance(300));
    media().send_string("close rtty");
    ASSERT_TRUE(media_offline_end());
    Mix m = load("mix.wav");
    EXPECT_GT(m.sounding(0, 500), 0.95);
    EXPECT_EQ(m.sounding(510, 1000), 0.0);
    EXPECT_GT(m.sounding(1000, 1500), 0.95);
    EXPECT_EQ(m.sounding(1510, 2000), 0.0);
    EXPECT_GT(m.sounding(2000, 2300), 0.95);
    EXPECT_EQ(m.sounding(2310, 4000), 0.0);
}

TEST_F(Offline, ClipPlayedByNameIsClosedByTheCommandLeftInFbuf) {
    ASSERT_TRUE(write_tone_u8("fone/tgo-43-01.wav", 11025, 5.0));
    ASSERT_TRUE(media_offline_begin("mix.wav", 2));
    media().send_string("play fone/tgo-43-01.wav");
    std::snprintf(fbuf, FBUF_SIZE, "close fone/%s", "tgo-43-01.wav");
    ASSERT_TRUE(media_offline_advance(700));
    stop_all_devs();
    ASSERT_TRUE(media_offline_end());
    Mix m = load("mix.wav");
    EXPECT_GT(m.sounding(0, 700), 0.95);
    EXPECT_EQ(m.sounding(710, 2000), 0.0);
}

TEST_F(Offline, UnknownAndMalformedCommandsAreIgnoredAndLogged) {
    debug = 1;
    ASSERT_TRUE(write_tone_u8("fone/fax-001.wav", 8000, 0.5));
    ASSERT_TRUE(media_offline_begin("mix.wav", 1));
    for (const char *bad : {"", "   ", "pause fone/fax-001.wav", "play", "seek fone/fax-001.wav",
                            "seek fone/fax-001.wav to 1000", "play \"fone/fax-001.wav", "play fone/fax-001.wav loudly",
                            "open fone/fax-001.wav alias", "play all"})
        media().send_string(bad);
    media().send_string(nullptr);
    ASSERT_TRUE(media_offline_end());
    debug = 0;
    EXPECT_EQ(load("mix.wav").sounding(0, 1000), 0.0);
    const std::string log = read_text("TOVA_LOG.TXT");
    EXPECT_NE(log.find("unknown verb"), std::string::npos);
    EXPECT_NE(log.find("Info: pause fone/fax-001.wav"), std::string::npos);
    EXPECT_NE(log.find("unexpected word 'loudly'"), std::string::npos);
    EXPECT_NE(log.find("unclosed quote"), std::string::npos);
    size_t blocks = 0;
    for (size_t p = log.find("Function: media"); p != std::string::npos; p = log.find("Function: media", p + 1))
        ++blocks;
    EXPECT_EQ(blocks, 11u);
}

TEST_F(Offline, Mp3MixesAreWrittenAndPlayedBack) {
    ASSERT_TRUE(write_sine_s16("tone.wav", 22050, 1.0, 700, 0.5, 2));  // 16-bit stereo source
    ASSERT_TRUE(media_offline_begin("fone/rtt-001.mp3", 2));
    media().send_string("play tone.wav");
    ASSERT_TRUE(media_offline_end());
    ASSERT_TRUE(media_offline_begin("mix.wav", 3));
    media().send_string("play fone/rtt-001.mp3");
    ASSERT_TRUE(media_offline_end());
    Mix m = load("mix.wav");
    EXPECT_GT(m.sounding(100, 950), 0.95);
    EXPECT_EQ(m.sounding(1200, 3000), 0.0);
}

void retune_from_notice() {
    ++g_notices_seen;
    stop_all_devs();  // joins the channel watchdogs from inside the rendering
}

TEST_F(Offline, WallClockWatchdogsDoNotCutChannelsShortAndAHandlerMayRetune) {
    ASSERT_TRUE(write_tone_u8("TOVA0.WAV", 6400, 1.0));
    ASSERT_TRUE(write_tone_u8("short.wav", 3200, 0.25));
    ASSERT_TRUE(write_tone_u8("fone/noise.wav", 8000, 0.5));
    media_offline_on_notify(retune_from_notice);
    ASSERT_TRUE(media_offline_begin("mix.wav", 3));
    sound(0);
    timer0_start(1);  // its wall-clock deadline passes long before the mix is rendered
    while (channel_busy(0)) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    ASSERT_TRUE(media_offline_advance(1200));
    carrier_loop_start("short.wav");
    media().send_string("open fone/noise.wav alias noise");
    media().send_string("play noise notify");
    ASSERT_TRUE(media_offline_end());
    EXPECT_EQ(g_notices_seen, 1);
    Mix m = load("mix.wav");
    EXPECT_GT(m.sounding(0, 1000), 0.95);  // the whole channel file
    EXPECT_EQ(m.sounding(1010, 1200), 0.0);
    EXPECT_GT(m.sounding(1200, 1700), 0.95);
    EXPECT_EQ(m.sounding(1720, 3000), 0.0);  // the retune in the handler silenced the carrier too
}

TEST_F(Offline, BeginRefusesSecondMixAndUnwritableOutput) {
    EXPECT_FALSE(media_offline_begin("no/such/dir/mix.wav", 1));
    EXPECT_FALSE(media_offline_advance(10));
    EXPECT_FALSE(media_offline_end());
    ASSERT_TRUE(media_offline_begin("a.wav", 1));
    EXPECT_FALSE(media_offline_begin("b.wav", 1));
    EXPECT_TRUE(media_offline_end());
    EXPECT_FALSE(file_exists("b.wav"));
    EXPECT_EQ(load("a.wav").s.size(), static_cast<size_t>(kRate));
}

}  // namespace
}  // namespace kestrel::test
