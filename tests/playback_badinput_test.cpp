// Bad input to the audio layer, on both backends: nothing crashes, no file
// handle is left open, nothing waits.
#include <chrono>
#include <filesystem>
#include <random>
#include <string>
#include <thread>

#include "platform/audio.h"
#include "platform/media.h"
#include "state/log.h"
#include "support/fixture.h"
#include "support/wav_file.h"
#include "synth/channels.h"
#include "synth/morse.h"

namespace kestrel::test {
namespace {

namespace fs = std::filesystem;

enum class Backend { offline, sdl };

std::vector<uint8_t> random_bytes(size_t n, unsigned seed) {
    std::mt19937 g(seed);
    std::vector<uint8_t> b(n);
    for (auto &c : b) c = static_cast<uint8_t>(g());
    return b;
}

std::vector<uint8_t> wav_claiming(uint32_t rate) {
    auto b = wav_header(rate, 8, 1, 4000);
    for (int i = 0; i < 4000; ++i) b.push_back(static_cast<uint8_t>(i % 2 ? 100 : 156));
    return b;
}

// The bad files, by name; each also serves as a channel file and as the carrier.
const char *const kBad[] = {"fone/missing.wav", "fone/empty.wav",   "fone/truncated.wav", "fone/random.wav",
                            "fone/random.mp3",  "fone/one-hz.wav", "fone/ten-mhz.wav"};

class BadInput : public Kestrel, public ::testing::WithParamInterface<Backend> {
protected:
    void SetUp() override {
        Kestrel::SetUp();
        ASSERT_TRUE(fs::create_directory("fone"));
        ASSERT_TRUE(write_bytes("fone/empty.wav", {}));
        auto header = wav_header(8000, 8, 1, 1000);
        ASSERT_TRUE(write_bytes("fone/truncated.wav", std::vector<uint8_t>(header.begin(), header.begin() + 22)));
        ASSERT_TRUE(write_bytes("fone/random.wav", random_bytes(65536, 1)));
        ASSERT_TRUE(write_bytes("fone/random.mp3", random_bytes(65536, 2)));
        ASSERT_TRUE(write_bytes("fone/one-hz.wav", wav_claiming(1)));
        ASSERT_TRUE(write_bytes("fone/ten-mhz.wav", wav_claiming(10000000)));
        for (const char *clip : {"fone/ssb-002.wav", "fone/rtt-001.wav"}) ASSERT_TRUE(write_tone_u8(clip, 8000, 30));
        if (GetParam() == Backend::offline) {
            ASSERT_TRUE(media_offline_begin("mix.wav", 3));
        } else {
            media_sdl_driver("dummy");
            media_use(media_sdl_open());
            ASSERT_GE(media().num_devs(), 1);
        }
        fds_ = open_fds();
    }
    void TearDown() override {
        stop_all_devs();
        if (GetParam() == Backend::offline) {
            media_offline_end();
        } else {
            media_use(&media_null);
            media_sdl_close();
            media_sdl_driver(nullptr);
        }
        debug = 0;
        Kestrel::TearDown();
    }
    // Lets the backend get on with playing for a while.
    void play_for(uint32_t ms) {
        if (GetParam() == Backend::offline) ASSERT_TRUE(media_offline_advance(ms));
        else std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    }
    // After a retune: no file open, no descriptor more than before, no channel busy.
    void expect_all_released() {
        stop_all_devs();
        EXPECT_EQ(media_files_open(), 0);
        EXPECT_EQ(open_fds(), fds_);
        EXPECT_EQ(watchdogs_running(), 0);
        for (int k = 0; k < 9; ++k) EXPECT_FALSE(channel_busy(k)) << k;
    }
    int fds_ = 0;
};

TEST_P(BadInput, UnplayableFilesAreRefusedQuietlyWhereverTheyAreNamed) {
    debug = 1;
    for (const char *bad : kBad) {
        if (std::string(bad) == "fone/random.mp3") continue;  // the decoder may read noise from it: below
        SCOPED_TRACE(bad);
        media().send_string((std::string("play ") + bad).c_str());
        media().send_string((std::string("open ") + bad + " alias x").c_str());
        media().send_string("play x notify");
        if (fs::exists(bad)) fs::copy_file(bad, "TOVA5.WAV", fs::copy_options::overwrite_existing);
        else fs::remove("TOVA5.WAV");
        sound(5);
        timer5_start(100);
        carrier_loop_start(fs::exists(bad) ? bad : "TOVA5.WAV");
        EXPECT_EQ(media_files_open(), 0);
        EXPECT_EQ(open_fds(), fds_);
    }
    // Names of things that are not plain files.
    ASSERT_TRUE(fs::create_directory("fone/dir.wav"));
    media().send_string("play fone/dir.wav");
    media().send_string("play /dev/zero");
    carrier_loop_start("fone");
    EXPECT_EQ(media_files_open(), 0);
    play_for(300);
    EXPECT_EQ(media_take_notify(), 0);
    const std::string log = read_text("TOVA_LOG.TXT");
    EXPECT_NE(log.find("missing \n Info: play fone/missing.wav"), std::string::npos) << log;
    EXPECT_NE(log.find("not a plain file \n Info: play fone/dir.wav"), std::string::npos) << log;
    EXPECT_NE(log.find("sample rate out of range \n Info: play fone/one-hz.wav"), std::string::npos);
    EXPECT_NE(log.find("sample rate out of range \n Info: fone/ten-mhz.wav"), std::string::npos);
    EXPECT_NE(log.find("Info: play fone/truncated.wav"), std::string::npos);
    EXPECT_NE(log.find("Info: open fone/empty.wav alias x"), std::string::npos);

    // Random bytes named .mp3: refused, or decoded as whatever they sound like.
    media().send_string("play fone/random.mp3");
    sound(6);
    play_for(200);
    expect_all_released();
}

TEST_P(BadInput, ClosingWhatWasNeverOpenedIsHarmless) {
    for (const char *cmd : {"close fone/never.wav", "stop fone/never.wav", "seek never to start", "close all",
                            "close noise", "stop noise"})
        media().send_string(cmd);
    media().channel_close(7);
    media().channel_close(9);
    media().channel_close(-4);
    media().channel_close(1000);
    carrier_loop_start(nullptr);
    stop_all_devs();
    stop_all_devs();
    sound(12);
    sound(-1);
    media().channel_play(12, "fone/ssb-002.wav");
    media().channel_play(-2, "fone/ssb-002.wav");
    EXPECT_EQ(media_files_open(), 0);
    expect_all_released();
}

TEST_P(BadInput, RetuneWhileTenVoicesPlayReleasesEverything) {
    for (int k = 0; k < 7; ++k) {
        ASSERT_TRUE(write_tone_u8("TOVA" + std::to_string(k) + ".WAV", 4800 + 800 * k, 20, 12));
        sound(k);
        timer_start(k, 20000);
    }
    n0n(800);
    media().send_string("play fone/ssb-002.wav");
    media().send_string("play fone/rtt-001.wav");
    play_for(200);
    EXPECT_EQ(media_files_open(), 10);
    expect_all_released();
}

TEST_P(BadInput, FilesReplacedOrRemovedWhilePlayingEndCleanly) {
    ASSERT_TRUE(write_tone_u8("TOVA0.WAV", 6400, 5));
    ASSERT_TRUE(write_tone_u8("fone/sitorb.wav", 8000, 5));
    ASSERT_TRUE(write_tone_u8("fone/fax-001.wav", 8000, 5));
    ASSERT_TRUE(write_tone_u8("other.wav", 11025, 1));
    sound(0);
    timer0_start(5000);
    media().send_string("play fone/sitorb.wav");
    media().send_string("open fone/fax-001.wav alias fax");
    media().send_string("play fax notify");
    play_for(300);
    // Rewritten in place and shorter, as the next rendering of a channel does it.
    CreateWave(0, "E");
    // Replaced by another file under the same name, and removed.
    fs::rename("other.wav", "fone/sitorb.wav");
    fs::remove("fone/fax-001.wav");
    play_for(400);
    media().send_string("seek fax to start");  // the old file is still ours to read
    media().send_string("play fax");
    play_for(200);
    EXPECT_EQ(media_files_open(), 3);
    expect_all_released();
}

TEST_P(BadInput, MoreSoundsThanTheMixerHoldsAreRefused) {
    debug = 1;
    for (int i = 0; i < 30; ++i) {
        const std::string name = "fone/c" + std::to_string(i) + ".wav";
        ASSERT_TRUE(write_tone_u8(name, 8000, 2, 3));
        media().send_string(("play " + name).c_str());
    }
    const int held = media_files_open();
    EXPECT_GE(held, 20);
    EXPECT_LT(held, 30);
    EXPECT_NE(read_text("TOVA_LOG.TXT").find("too many sounds at once"), std::string::npos);
    media().send_string("close all");
    EXPECT_EQ(media_files_open(), 0);
    expect_all_released();
}

TEST_P(BadInput, OverlongAndOddCommandStringsAreIgnored) {
    std::string longest(5000, 'x');
    media().send_string(("play fone/" + longest).c_str());
    media().send_string("PLAY FONE/SSB-002.WAV");  // names are matched without regard to case, files are not
    media().send_string("play fone/ssb-002.wav wait");
    media().send_string("close FONE/SSB-002.WAV");
    EXPECT_EQ(media_files_open(), 0);
    std::string bytes;
    for (int c = 1; c < 256; ++c) bytes += static_cast<char>(c);
    media().send_string(bytes.c_str());
    expect_all_released();
}

INSTANTIATE_TEST_SUITE_P(Backends, BadInput, ::testing::Values(Backend::offline, Backend::sdl),
                         [](const auto &info) { return info.param == Backend::offline ? "offline" : "sdl"; });

}  // namespace
}  // namespace kestrel::test
