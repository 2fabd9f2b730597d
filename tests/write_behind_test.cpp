// Channel files written behind the sound: a player reads no further than what
// is on disk and stops where the writing was given up; and the receiver
// retuned hundreds of times while its channels play, its writer writes and its
// feeder decodes (the test the ThreadSanitizer build runs: cmake
// -DKESTREL_TSAN=ON, then build/tests/write_behind_test).
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "app/window.h"
#include "platform/audio.h"
#include "platform/audio_decoder.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/media.h"
#include "platform/ui.h"
#include "platform/window.h"
#include "procedures/send.h"
#include "state/random.h"
#include "state/receiver.h"
#include "support/fixture.h"
#include "support/wav_file.h"
#include "synth/channels.h"
#include "synth/morse.h"

namespace kestrel::test {
namespace {

namespace fs = std::filesystem;

// An 8-bit file of `frames` frames at 8000 Hz: silence (128) for the first
// 4000 frames, a soft tone for the next 4000, the loudest values after them,
// as the unwritten part of a file whose space was claimed ahead would be read
// if a player ran past what is written.
void staged(const char *path, uint32_t frames) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    auto h = wav_header(8000, 8, 1, frames);
    out.write(reinterpret_cast<const char *>(h.data()), static_cast<std::streamsize>(h.size()));
    std::vector<char> body(frames, static_cast<char>(255));
    for (uint32_t i = 0; i < 8000 && i < frames; ++i)
        body[i] = static_cast<char>(i < 4000 ? 128 : (i % 2 ? 148 : 108));
    out.write(body.data(), static_cast<std::streamsize>(body.size()));
}

float loudest(const std::vector<float> &v, int n) {
    float m = 0;
    for (int i = 0; i < n; ++i) m = std::fmax(m, std::fabs(v[static_cast<size_t>(i)]));
    return m;
}

class WriteBehindPlayer : public Kestrel {};

TEST_F(WriteBehindPlayer, ReadsOnlyWhatIsWrittenThenTheRestOnceWhole) {
    staged("TOVA0.WAV", 16000);
    auto progress = write_progress_begin(working_folder() + "/TOVA0.WAV");
    progress->frames.store(4000);
    const char *why = "";
    audio::Decoder *d = audio::decoder_open("TOVA0.WAV", 8000, &why);
    ASSERT_NE(d, nullptr) << why;
    std::vector<float> out(40000);
    int got = audio::decoder_pull(d, out.data(), 40000);
    EXPECT_TRUE(audio::decoder_waiting(d));
    EXPECT_LE(got, 4000);
    EXPECT_GT(got, 3000);  // the converter holds back a few samples at most
    EXPECT_LT(loudest(out, got), 0.01f) << "read past the written part";
    EXPECT_EQ(audio::decoder_pull(d, out.data(), 100), 0);  // nothing more yet, and not the end
    EXPECT_TRUE(audio::decoder_waiting(d));

    progress->frames.store(8000);
    int more = audio::decoder_pull(d, out.data(), 40000);
    EXPECT_GT(more, 3000);
    EXPECT_GT(loudest(out, more), 0.1f);  // the soft tone, and nothing louder
    EXPECT_LT(loudest(out, more), 0.3f);
    got += more;

    write_progress_end(progress, working_folder() + "/TOVA0.WAV", WriteProgress::whole);
    more = audio::decoder_pull(d, out.data(), 40000);
    EXPECT_FALSE(audio::decoder_waiting(d));
    EXPECT_GT(loudest(out, more), 0.5f);  // the rest of the file, to its end
    EXPECT_EQ(got + more, 16000);
    EXPECT_EQ(audio::decoder_pull(d, out.data(), 100), 0);
    audio::decoder_close(d);
}

TEST_F(WriteBehindPlayer, StopsWhereTheWritingWasGivenUp) {
    staged("TOVA1.WAV", 16000);
    auto progress = write_progress_begin(working_folder() + "/TOVA1.WAV");
    progress->frames.store(4000);
    audio::Decoder *d = audio::decoder_open("TOVA1.WAV", 8000, nullptr);
    ASSERT_NE(d, nullptr);
    std::vector<float> out(40000);
    const int got = audio::decoder_pull(d, out.data(), 40000);
    EXPECT_GT(got, 3000);
    write_progress_end(progress, working_folder() + "/TOVA1.WAV", WriteProgress::failed);
    const int more = audio::decoder_pull(d, out.data(), 40000);
    EXPECT_FALSE(audio::decoder_waiting(d));
    EXPECT_LT(loudest(out, more), 0.01f);  // at most the converter's last few samples of silence
    EXPECT_EQ(audio::decoder_pull(d, out.data(), 100), 0);  // ended
    audio::decoder_close(d);
    // A file given up is not opened at all.
    staged("TOVA2.WAV", 16000);
    auto gone = write_progress_begin(working_folder() + "/TOVA2.WAV");
    gone->state.store(WriteProgress::failed);
    EXPECT_EQ(audio::decoder_open("TOVA2.WAV", 8000, nullptr), nullptr);
    write_progress_end(gone, working_folder() + "/TOVA2.WAV", WriteProgress::failed);
}

// The receiver on the sound-card backend ("dummy" driver), writing behind.
class RetuneWhilePlaying : public Kestrel {
protected:
    void SetUp() override {
        Kestrel::SetUp();
        media_sdl_driver("dummy");
        media_use(media_sdl_open());
        ui_use(nullptr);
        window_use(nullptr);
        wave_write_behind(true);
        hwnd = 1;
    }
    void TearDown() override {
        stop_all_devs();
        wave_writes_wait();
        media_use(&media_null);
        media_sdl_close();
        media_sdl_driver(nullptr);
        Kestrel::TearDown();
    }
};

uint32_t le32(const std::vector<uint8_t> &b, size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (uint32_t(b[at + 3]) << 24);
}

TEST_F(RetuneWhilePlaying, HundredsOfRetunesLeaveWholeFilesAndNoThreads) {
    // The busiest frequencies on a Wednesday at 12:05 and their neighbours:
    // long files, most of them still being written when the next key comes.
    const int dial[] = {20585, 12635, 19767, 20584, 12636};
    const int presses = 301;  // the last onto 20585
    for (int i = 0; i < presses; ++i) {
        test_clock_set(2026, 12, 9, 12, 5, 0, 0);
        test_clock_step(3);
        freq = dial[i % 5] - 1;
        WndProc(hwnd, WM_KEYDOWN, VK_RIGHT, 0);
        // Now and then a pause long enough for the writer to finish and the
        // feeder to decode; mostly the next key at once.
        if (i % 10 == 9) std::this_thread::sleep_for(std::chrono::milliseconds(30));
        else if (i % 3 == 0) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        // Every channel that plays was given its exact playing time.
        for (int k = 0; k < 7; ++k) {
            if (!channel_busy(k)) continue;
            char name[16];
            std::snprintf(name, sizeof name, "TOVA%d.WAV", k);
            std::ifstream in(name, std::ios::binary);
            std::vector<uint8_t> h(48);
            in.read(reinterpret_cast<char *>(h.data()), 48);
            ASSERT_EQ(in.gcount(), 48) << name << " at press " << i;
            ASSERT_EQ(fs::file_size(name), 8u + le32(h, 4)) << name << " at press " << i;
        }
    }
    EXPECT_EQ(freq, dial[(presses - 1) % 5]);
    int playing = 0;
    for (int k = 0; k < 7; ++k) {
        if (!channel_busy(k)) continue;
        ++playing;
        EXPECT_EQ(wave_write_error(k), "") << k;
    }
    EXPECT_GT(playing, 0);
    // The last reception's files are whole; what the writer replaced is gone.
    wave_writes_wait();
    EXPECT_FALSE(wave_writer_running());
    for (const auto &e : fs::directory_iterator(".")) {
        const std::string name = e.path().filename().string();
        EXPECT_EQ(name.find(".old"), std::string::npos) << name;
    }
    EXPECT_GE(media_files_open(), playing);  // and the carrier, if one was keyed
    stop_all_devs();
    EXPECT_EQ(watchdogs_running(), 0);
    EXPECT_TRUE(eventually([] { return media_files_open() == 0; }));
}

}  // namespace
}  // namespace kestrel::test
