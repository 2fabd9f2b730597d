// What the command line relies on to hand out whole files: a rendering's
// length measured before it is written, a finished file checked against its
// header, the offline mix reporting and closing on failure, and temporary
// names that are cleaned up.
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/media.h"
#include "platform/temp_files.h"
#include "state/random.h"
#include "state/receiver.h"
#include "support/fixture.h"
#include "synth/morse.h"
#include "synth/params.h"
#include "synth/wave_check.h"

namespace kestrel::test {
namespace {

class Outputs : public Kestrel {
protected:
    // The same emission set up afresh, as a new run of the tool has it.
    void fresh(unsigned seed) {
        test_clock_set(2026, 1, 1, 12, 0, 0, 0);
        test_clock_step(7);
        random_reset(seed);
        keying_reset();
        plain_params();
    }
};

TEST_F(Outputs, TheMeasuredLengthIsTheWrittenLength) {
    struct Case {
        const char *text;
        void (*set)();
    } cases[] = {
        {"PARIS PARIS", [] {}},
        {"CQ CQ DE K", [] { hand = 1; }},
        {"VVV VVV 0123", [] { rto = 30; sz = 1; }},
        {"RYRYRY", [] { _f1 = 1; }},
        {"TEST  TEST", [] { bw = 1; }},
        {"SOS SOS", [] { spark = 1; }},
        {"\x01\x0c" "ABC \x02\x20\x03" "DEF \x03\x80" "GHI \x04", [] { hand = 1; }},
        {"", [] {}},
    };
    for (const Case &c : cases) {
        fresh(9);
        c.set();
        const WaveMeasure m = wave_measure(c.text);
        fresh(9);
        c.set();
        ASSERT_GT(CreateWave(0, c.text), 0u) << c.text;
        EXPECT_EQ(m.data_length, wavehdr.data_length) << c.text;
        EXPECT_EQ(m.fit, std::strlen(c.text)) << c.text;
        EXPECT_EQ(m.fit_length, m.data_length) << c.text;
        EXPECT_EQ(read_file("TOVA0.WAV").size(), m.data_length + 44) << c.text;
    }
}

TEST_F(Outputs, ALengthPastTheLimitStopsAtTheLastCharacterThatFits) {
    const char *text = "PARIS PARIS PARIS";
    fresh(2);
    const WaveMeasure whole = wave_measure(text);
    // A limit between the end of the sixth and the seventh character's rendering.
    fresh(2);
    const WaveMeasure six = wave_measure("PARIS ");
    fresh(2);
    const WaveMeasure seven = wave_measure("PARIS P");
    ASSERT_LT(six.data_length, seven.data_length);
    fresh(2);
    const WaveMeasure cut = wave_measure(text, seven.data_length - 1);
    EXPECT_EQ(cut.fit, 6u);
    EXPECT_EQ(cut.fit_length, six.data_length);
    EXPECT_EQ(cut.data_length, whole.data_length);  // the whole length is still told
    fresh(2);
    EXPECT_EQ(wave_measure(text, seven.data_length).fit, 7u);
    // The attenuator silencing strength 0 writes nothing at all.
    fresh(2);
    att = 1;
    qsa = 0;
    EXPECT_TRUE(wave_measure(text).silent);
}

TEST_F(Outputs, TheLargestStatedLengthFitsTheHeaderExactly) {
    // The RIFF length (data + 36) is the larger of the two 32-bit fields.
    EXPECT_LE(WAVE_MAX_DATA + 36, 0xFFFFFFFFull);
    EXPECT_GT(WAVE_MAX_DATA + 36 + 2, 0xFFFFFFFFull);
    EXPECT_EQ(WAVE_MAX_DATA % 2, 0u);  // an even chunk needs no pad byte
    // At the slowest speed and highest tone a slot passes it: the count does not wrap.
    fresh(1);
    spd = 1;
    ton = 4000;
    hand = 1;
    const std::string zeros(9999, '0');
    const WaveMeasure m = wave_measure(zeros.c_str());
    EXPECT_GT(m.data_length, 0xFFFFFFFFull);
    EXPECT_LT(m.fit, zeros.size());
    EXPECT_LE(m.fit_length, WAVE_MAX_DATA);
}

TEST_F(Outputs, AFileIsCheckedAgainstItsHeader) {
    ASSERT_EQ(CreateWave(0, "E"), 360u);
    WaveCheck c = wave_check("TOVA0.WAV");
    EXPECT_EQ(c.error, "");
    EXPECT_EQ(c.data_length, 2308u);
    EXPECT_EQ(c.ms, 360u);
    // Cut short, as a full disk leaves a file: no longer sound.
    std::filesystem::resize_file("TOVA0.WAV", 1000);
    EXPECT_NE(wave_check("TOVA0.WAV").error, "");
    std::filesystem::resize_file("TOVA0.WAV", 20);
    EXPECT_NE(wave_check("TOVA0.WAV").error, "");
    std::filesystem::resize_file("TOVA0.WAV", 0);
    c = wave_check("TOVA0.WAV");
    EXPECT_EQ(c.error, "");
    EXPECT_TRUE(c.empty);
    EXPECT_NE(wave_check("no-such.wav").error, "");
    // The empty render a user asked for: the header alone, four silent samples.
    ASSERT_EQ(wave_write_empty("empty.wav", 6400), "");
    c = wave_check("empty.wav");
    EXPECT_EQ(c.error, "");
    EXPECT_EQ(c.data_length, 4u);
    EXPECT_EQ(c.ms, 0u);
    EXPECT_NE(wave_write_empty("no-such-dir/empty.wav", 6400), "");
}

int open_descriptors() {
    int n = 0;
    for ([[maybe_unused]] const auto &e : std::filesystem::directory_iterator("/proc/self/fd")) ++n;
    return n;
}

TEST_F(Outputs, AMixThatCannotBeWrittenSaysWhyAndLeavesNothingOpen) {
    const int before = open_descriptors();
    // The disk fills in the middle of the mix (two seconds take 88 244 bytes).
    std::ofstream("mix.wav") << "the mix before";
    ASSERT_TRUE(files_limit_size(30000));
    const bool begun = media_offline_begin("mix.wav", 2);
    const bool ended = begun && media_offline_end();
    files_limit_size(-1);
    ASSERT_TRUE(begun) << media_offline_error();
    EXPECT_FALSE(ended);
    EXPECT_NE(media_offline_error().find("File too large"), std::string::npos) << media_offline_error();
    EXPECT_EQ(open_descriptors(), before);  // the file is closed all the same
    EXPECT_EQ(&media(), &media_recording);  // the previous backend is back
    // A device on which every write fails as on a full disk.
    EXPECT_FALSE(media_offline_begin("/dev/full", 2));
    EXPECT_NE(media_offline_error().find("No space left on device"), std::string::npos) << media_offline_error();
    EXPECT_EQ(open_descriptors(), before);
    EXPECT_FALSE(media_offline_begin("no-such-dir/mix.wav", 2));
    EXPECT_NE(media_offline_error().find("No such file or directory"), std::string::npos) << media_offline_error();
    ASSERT_TRUE(media_offline_begin("mix.wav", 1));
    EXPECT_TRUE(media_offline_end());
    EXPECT_EQ(media_offline_error(), "");
    EXPECT_EQ(open_descriptors(), before);
}

TEST_F(Outputs, TemporaryNamesLieBesideTheirPlaceAndKeepTheExtension) {
    std::string why;
    const std::string f = make_temp_file_in(".", ".mix.part-", ".mp3", &why);
    ASSERT_NE(f, "") << why;
    EXPECT_EQ(f.rfind("./.mix.part-", 0), 0u);
    EXPECT_EQ(f.substr(f.size() - 4), ".mp3");
    EXPECT_TRUE(file_exists(f));
    EXPECT_EQ(make_temp_file_in(f + "/x", "a", ".wav", &why), "");  // inside a file: no
    EXPECT_EQ(make_temp_file_in("no-such-dir", "a", ".wav", &why), "");
    EXPECT_EQ(why, "No such file or directory");
    const std::string d = make_temp_dir_in(".", "work", &why);
    ASSERT_NE(d, "");
    EXPECT_TRUE(std::filesystem::is_directory(d));
    EXPECT_EQ(make_temp_dir_in("/proc/self", "work", &why), "");
    EXPECT_NE(why, "");
}

}  // namespace
}  // namespace kestrel::test
