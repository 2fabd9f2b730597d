// The sound-card backend on the "dummy" output driver: real device callbacks
// at the sound card's pace, no sound card needed.
#include <chrono>
#include <thread>

#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/media.h"
#include "support/fixture.h"
#include "support/wav_file.h"
#include "synth/channels.h"

namespace kestrel::test {
namespace {

// Polls `done` for up to `limit_ms`; true as soon as it holds.
template <class F>
bool eventually(F done, int limit_ms = 5000) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(limit_ms);
    while (std::chrono::steady_clock::now() < until) {
        if (done()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return done();
}

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

}  // namespace
}  // namespace kestrel::test
