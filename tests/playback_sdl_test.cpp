// The sound-card backend on the "dummy" output driver: real device callbacks
// at the sound card's pace, no sound card needed.
#include <chrono>
#include <filesystem>
#include <thread>

#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/media.h"
#include "support/fixture.h"
#include "support/wav_file.h"
#include "synth/channels.h"
#include "synth/morse.h"

namespace kestrel::test {
namespace {

class PlaybackSdl : public Kestrel {
protected:
    void SetUp() override {
        Kestrel::SetUp();
        media_sdl_driver("dummy");
        backend_ = media_sdl_open();
        media_use(backend_);
        media_take_notify();
    }
    void TearDown() override {
        stop_all_devs();
        media_use(&media_null);
        media_sdl_close();
        media_sdl_driver(nullptr);
        Kestrel::TearDown();
    }
    const MediaBackend *backend_ = nullptr;
};

TEST_F(PlaybackSdl, DummyDeviceIsCountedAndRuns) {
    ASSERT_NE(backend_, nullptr);
    EXPECT_GE(backend_->num_devs(), 1);
    EXPECT_GT(media_sdl_rate(), 0);
}

TEST_F(PlaybackSdl, PlayedFileEndsWithNoticeAndIsReleased) {
    ASSERT_TRUE(write_tone_u8("short.wav", 6400, 0.3));
    media().send_string("play short.wav notify");
    EXPECT_EQ(media_sdl_sources(), 1);
    EXPECT_TRUE(eventually([] { return media_take_notify() == 1; }));
    EXPECT_TRUE(eventually([] { return media_sdl_sources() == 0; }));
}

TEST_F(PlaybackSdl, OpeningAgainKeepsTheSameDevice) {
    EXPECT_EQ(media_sdl_open(), backend_);
    const int rate = media_sdl_rate();
    EXPECT_EQ(media_sdl_open(), backend_);
    EXPECT_EQ(media_sdl_rate(), rate);
}

TEST_F(PlaybackSdl, NoiseLoopRestartsFromTheNoticeTheWindowThreadTakes) {
    ASSERT_TRUE(std::filesystem::create_directory("fone"));
    ASSERT_TRUE(write_tone_u8("fone/noise.wav", 8000, 0.2));
    media().send_string("open fone/noise.wav alias noise");
    media().send_string("play noise notify");
    for (int round = 0; round < 3; ++round) {
        ASSERT_TRUE(eventually([] { return media_take_notify() == 1; })) << round;
        media().send_string("seek noise to start");
        media().send_string("play noise notify");
    }
    EXPECT_EQ(media_sdl_sources(), 1);  // opened once, kept open across rounds
    media().send_string("stop fone/noise.wav");
    media().send_string("close fone/noise.wav");
    EXPECT_EQ(media_sdl_sources(), 0);
    EXPECT_EQ(media_files_open(), 0);
}

TEST_F(PlaybackSdl, WatchdogClosesAChannelWhenItsEmissionIsOver) {
    ASSERT_TRUE(write_tone_u8("TOVA2.WAV", 6400, 0.1));
    sound(2);
    timer2_start(100);
    EXPECT_EQ(media_files_open(), 1);
    ASSERT_TRUE(eventually([] { return !channel_busy(2); }));
    EXPECT_EQ(media_files_open(), 0);
    EXPECT_EQ(media_take_notify(), 0);  // channels never post notices
}

TEST_F(PlaybackSdl, WithoutAUsableDeviceEverythingRunsOnSilently) {
    media_use(&media_null);
    media_sdl_close();
    media_sdl_driver("no-such-driver");
    const MediaBackend *silent = media_sdl_open();
    ASSERT_NE(silent, nullptr);
    media_use(silent);
    EXPECT_EQ(media().num_devs(), 0);
    EXPECT_EQ(media_sdl_rate(), 0);
    ASSERT_TRUE(write_tone_u8("TOVA0.WAV", 6400, 0.1));
    sound(0);
    timer0_start(50);
    n0n(1000);
    media().send_string("open TOVA0.WAV alias noise");
    media().send_string("play noise notify");
    media().send_string("bogus");
    EXPECT_EQ(media_files_open(), 0);
    stop_all_devs();
    EXPECT_EQ(media_take_notify(), 0);
    // A later open with a working driver gets a device again.
    media_use(&media_null);
    media_sdl_close();
    media_sdl_driver("dummy");
    backend_ = media_sdl_open();
    media_use(backend_);
    EXPECT_GE(media().num_devs(), 1);
}

}  // namespace
}  // namespace kestrel::test
