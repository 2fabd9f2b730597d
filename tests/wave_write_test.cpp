// Channel files on a disk that fails: written whole or left empty, never a
// header that states a length that is not there; the reason told through
// wave_write_error and the diagnostic log; and the same files when the rest
// of a long file is written behind the sound.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/files.h"
#include "platform/media.h"
#include "procedures/send.h"
#include "state/log.h"
#include "state/random.h"
#include "state/receiver.h"
#include "support/fixture.h"
#include "synth/channels.h"
#include "synth/morse.h"
#include "synth/params.h"

namespace kestrel::test {
namespace {

namespace fs = std::filesystem;

// About 40 seconds of Morse at 20 wpm: some 600 KB, far more than the head
// that a retune writes itself.
std::string long_text() {
    std::string s;
    const char *words[] = {"CQ DE ", "QSL ", "QTH HAMBURG ", "WX FINE ", "73 ES GB ", "QRU? ", "PSE K "};
    for (int i = 0; s.size() < 600; ++i) s += words[i % 7];
    return s;
}

uintmax_t size_of(const char *path) {
    std::error_code ec;
    const uintmax_t n = fs::file_size(path, ec);
    return ec ? uintmax_t(-1) : n;
}

class WaveWrite : public Kestrel {};

TEST_F(WaveWrite, AWholeFileReportsNoError) {
    const uint32_t ms = CreateWave(0, "E");
    EXPECT_EQ(ms, 360u);
    EXPECT_EQ(wave_write_error(0), "");
    EXPECT_EQ(size_of("TOVA0.WAV"), 2352u);
    EXPECT_EQ(wave_write_error(-1), "");
    EXPECT_EQ(wave_write_error(10), "");
}

TEST_F(WaveWrite, TheChannelFilesGoIntoTheFolderTheWriterIsGiven) {
    const std::string elsewhere = dir_ + "/elsewhere";
    ASSERT_TRUE(fs::create_directory(elsewhere));
    wave_folder_set(elsewhere);
    EXPECT_EQ(CreateWave(0, "E"), 360u);
    EXPECT_GT(emit_sound(1000, 10), 0u);
    const std::string why = wave_write_error(0);
    wave_folder_set("");
    EXPECT_EQ(why, "");
    EXPECT_EQ(size_of((elsewhere + "/TOVA0.WAV").c_str()), 2352u);
    EXPECT_EQ(size_of((elsewhere + "/TOVA9.WAV").c_str()), 48u + 20u);
    EXPECT_FALSE(fs::exists("TOVA0.WAV"));
    EXPECT_FALSE(fs::exists("TOVA9.WAV"));
    // Given back, the working folder is the channel files' folder again.
    plain_params();  // the rendering above doubled the tone in place
    keying_reset();
    EXPECT_EQ(CreateWave(1, "E"), 360u);
    EXPECT_EQ(size_of("TOVA1.WAV"), 2352u);
    EXPECT_FALSE(fs::exists(elsewhere + "/TOVA1.WAV"));
}

TEST_F(WaveWrite, AFullDiskLeavesAnEmptyFileThatIsNotPlayedAndSaysWhy) {
    debug = 1;
    files_fake_free_space(1000);  // less than the 2352 bytes of "E"
    EXPECT_EQ(CreateWave(3, "E"), 0u);
    EXPECT_EQ(size_of("TOVA3.WAV"), 0u);
    const std::string why = wave_write_error(3);
    EXPECT_NE(why.find(dir_ + "/TOVA3.WAV"), std::string::npos) << why;
    EXPECT_NE(why.find("No space left on device"), std::string::npos) << why;
    EXPECT_EQ(why.find('\n'), std::string::npos);
    EXPECT_NE(read_text("TOVA_LOG.TXT").find(why), std::string::npos);
    // The other channels are not touched by the failure.
    EXPECT_EQ(wave_write_error(2), "");
    // Room again: the next file is whole and the error is gone.
    files_fake_free_space(-1);
    keying_reset();   // the failed rendering's word space carries over otherwise
    plain_params();  // and so does its doubled tone
    EXPECT_EQ(CreateWave(3, "E"), 360u);
    EXPECT_EQ(wave_write_error(3), "");
    EXPECT_EQ(size_of("TOVA3.WAV"), 2352u);
}

TEST_F(WaveWrite, ADiskThatFillsWhileWritingLeavesAnEmptyFile) {
    // Space cannot be claimed ahead here, so the disk runs full halfway.
    files_fake_no_reserve(true);
    files_fake_free_space(100000);
    EXPECT_EQ(CreateWave(1, long_text().c_str()), 0u);
    EXPECT_EQ(size_of("TOVA1.WAV"), 0u);
    EXPECT_NE(wave_write_error(1).find("No space left on device"), std::string::npos);
}

TEST_F(WaveWrite, TheCarrierOnAFullDiskIsNotLooped) {
    files_fake_free_space(10);
    n0n(1500);
    EXPECT_EQ(size_of("TOVA9.WAV"), 0u);
    EXPECT_NE(wave_write_error(9).find("TOVA9.WAV"), std::string::npos);
    for (const std::string &c : media_recorded()) EXPECT_EQ(c.find("loop_play"), std::string::npos) << c;
}

TEST_F(WaveWrite, AnUnwritableFolderRendersNothingAndNamesTheFile) {
    fs::create_directory("TOVA4.WAV");  // a folder where the file should go
    EXPECT_EQ(CreateWave(4, "E"), 0u);
    const std::string why = wave_write_error(4);
    EXPECT_NE(why.find("TOVA4.WAV"), std::string::npos) << why;
    EXPECT_NE(why.find(": "), std::string::npos) << why;

    // A folder nobody may create files in, not even root.
    fs::current_path("/proc/self");
    EXPECT_EQ(CreateWave(5, "E"), 0u);
    EXPECT_NE(wave_write_error(5).find("/proc/"), std::string::npos) << wave_write_error(5);
    fs::current_path(dir_);
}

TEST_F(WaveWrite, AFullDiskThroughTheSendStackStartsNoChannelAndNoThread) {
    files_fake_free_space(0);
    send_stack("CQ CQ DE DAN");
    Activate_Send_Stack();
    EXPECT_EQ(emission_time, 0u);
    EXPECT_FALSE(channel_busy(0));
    EXPECT_EQ(watchdogs_running(), 0);
    EXPECT_FALSE(wave_writer_running());
    for (const std::string &c : media_recorded()) EXPECT_EQ(c.find("channel_play"), std::string::npos) << c;
}

// Writing behind: the same bytes and playing time, the head on disk at once.
class WriteBehind : public Kestrel {
protected:
    void SetUp() override {
        Kestrel::SetUp();
        wave_write_behind(true);
    }
};

TEST_F(WriteBehind, FilesAreByteIdenticalToTheOnesWrittenAtOnce) {
    const std::string text = long_text();
    for (int variant = 0; variant < 3; ++variant) {
        random_reset(11 + variant);
        keying_reset();
        plain_params();
        hand = variant == 1;
        _f1 = variant == 2;
        wave_write_behind(false);
        const uint32_t ms_whole = CreateWave(0, text.c_str());
        const auto whole = read_file("TOVA0.WAV");

        random_reset(11 + variant);
        keying_reset();
        plain_params();
        hand = variant == 1;
        _f1 = variant == 2;
        wave_write_behind(true);
        const uint32_t ms_behind = CreateWave(1, text.c_str());
        EXPECT_EQ(wave_write_error(1), "");
        EXPECT_EQ(ms_behind, ms_whole) << "variant " << variant;
        const auto behind = read_file("TOVA1.WAV");
        ASSERT_GT(whole.size(), 200000u);
        EXPECT_TRUE(behind == whole) << "variant " << variant << ": " << behind.size() << " vs " << whole.size();
    }
}

TEST_F(WriteBehind, ARenderingOfTheChannelGivesUpTheUnfinishedWriteFirst) {
    const std::string text = long_text();
    for (int i = 0; i < 20; ++i) CreateWave(2, text.c_str());
    keying_reset();
    plain_params();
    wave_write_behind(false);
    const uint32_t ms = CreateWave(3, "E");
    wave_write_behind(true);
    keying_reset();
    plain_params();
    EXPECT_EQ(CreateWave(2, "E"), ms);
    EXPECT_EQ(wave_write_error(2), "");
    EXPECT_EQ(read_file("TOVA2.WAV"), read_file("TOVA3.WAV"));
    wave_writes_wait();
    EXPECT_FALSE(wave_writer_running());
    // The replaced files are gone once the writer is done.
    int left = 0;
    for (const auto &e : fs::directory_iterator(".")) left += e.path().filename().string().find(".old") != std::string::npos;
    EXPECT_EQ(left, 0);
}

TEST_F(WriteBehind, StopAllDevsGivesUpEveryUnfinishedWriteAndEmptiesItsFile) {
    files_fake_no_reserve(false);
    const std::string text = long_text() + long_text() + long_text() + long_text();
    ASSERT_GT(CreateWave(0, text.c_str()), 0u);
    stop_all_devs();
    wave_writes_wait();
    const std::string why = wave_write_error(0);
    // Either the writer was done before the stop, or the file was given up and emptied.
    if (why.empty()) {
        EXPECT_GT(size_of("TOVA0.WAV"), 1000000u);
    } else {
        EXPECT_NE(why.find("Operation canceled"), std::string::npos) << why;
        EXPECT_EQ(size_of("TOVA0.WAV"), 0u);
    }
}

TEST_F(WriteBehind, ADiskThatFillsBehindTheSoundEmptiesTheFileAndSaysWhy) {
    debug = 1;
    files_fake_no_reserve(true);
    files_fake_free_space(150000);  // room for the head, not for the whole
    const uint32_t ms = CreateWave(6, long_text().c_str());
    EXPECT_GT(ms, 0u);  // the head went out before the disk was full
    const std::string why = wave_write_error(6);
    EXPECT_NE(why.find("TOVA6.WAV: No space left on device"), std::string::npos) << why;
    EXPECT_EQ(size_of("TOVA6.WAV"), 0u);
    wave_writes_wait();
    EXPECT_FALSE(wave_writer_running());
    EXPECT_NE(read_text("TOVA_LOG.TXT").find(why), std::string::npos);
}

TEST_F(WriteBehind, AFullDiskAtTheStartRendersNothingAndStartsNoThread) {
    files_fake_free_space(30000);
    EXPECT_EQ(CreateWave(0, long_text().c_str()), 0u);
    EXPECT_FALSE(wave_writer_running());
    EXPECT_EQ(size_of("TOVA0.WAV"), 0u);
    EXPECT_NE(wave_write_error(0).find("No space left on device"), std::string::npos);
}

}  // namespace
}  // namespace kestrel::test
