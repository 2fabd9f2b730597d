// The Morse writer: exact bytes for the reference cases, the attenuator and
// folding rules, and the inputs that must neither crash nor run away.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "platform/media.h"
#include "platform/ui.h"
#include "procedures/send.h"
#include "state/receiver.h"
#include "support/fixture.h"
#include "support/morse_reader.h"
#include "synth/morse.h"
#include "synth/params.h"

namespace kestrel::test {
namespace {

using Bytes = std::vector<uint8_t>;

uint32_t le32(const Bytes &b, size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (uint32_t(b[at + 3]) << 24);
}

// Level-3 patterns written out by hand, independent of the writer's tables.
const int mark3[8] = {0, 16, 32, 16, 0, -16, -32, -16};
const int shift3[12] = {0, 16, 24, 32, 24, 16, 0, -16, -24, -32, -24, -16};

void tone(Bytes &b, const int *pat, int len, int cycles) {
    for (int c = 0; c < cycles; ++c)
        for (int i = 0; i < len; ++i) b.push_back(uint8_t(128 + pat[i]));
}
void silence(Bytes &b, int n) { b.insert(b.end(), size_t(n), 128); }

Bytes header(uint32_t rate, uint32_t sample_bytes) {
    Bytes h;
    auto s = [&](const char *t) { h.insert(h.end(), t, t + 4); };
    auto u32 = [&](uint32_t v) { for (int i = 0; i < 4; ++i) h.push_back(uint8_t(v >> (8 * i))); };
    auto u16 = [&](uint16_t v) { h.push_back(uint8_t(v)); h.push_back(uint8_t(v >> 8)); };
    s("RIFF"); u32(sample_bytes + 4 + 36); s("WAVE"); s("fmt "); u32(16); u16(1); u16(1);
    u32(rate); u32(rate); u16(1); u16(8); s("data"); u32(sample_bytes + 4);
    for (int i = 0; i < 4; ++i) h.push_back(0x80);
    return h;
}

class Synth : public Kestrel {};

TEST_F(Synth, LetterEIsByteExactInPlainShiftAndInvertedKeying) {
    // Plain: word space (768 silent), dot (384 tone), element space (384), letter space (768).
    uint32_t ms = CreateWave(0, "E");
    Bytes plain;
    silence(plain, 768);
    tone(plain, mark3, 8, 48);
    silence(plain, 384 + 768);
    Bytes want = header(6400, 2304);
    want.insert(want.end(), plain.begin(), plain.end());
    Bytes got = read_file("TOVA0.WAV");
    ASSERT_EQ(got.size(), 2352u);
    EXPECT_EQ(got, want);
    EXPECT_EQ(ms, 360u);
    EXPECT_EQ(le32(got, 4), 2344u);
    EXPECT_EQ(le32(got, 40), 2308u);

    // Frequency shift: every space is one dot of the 12-sample tone.
    plain_params();
    _f1 = 1;
    CreateWave(1, "E");
    Bytes f1;
    tone(f1, shift3, 12, 48);
    tone(f1, mark3, 8, 48);
    tone(f1, shift3, 12, 48);
    tone(f1, shift3, 12, 48);
    got = read_file("TOVA1.WAV");
    ASSERT_EQ(got.size(), 48u + 2112u);
    EXPECT_TRUE(std::equal(f1.begin(), f1.end(), got.begin() + 48));

    // Inverted: the mark is 48 silent samples between dots of tone.
    plain_params();
    bw = 1;
    CreateWave(2, "E");
    Bytes inv;
    tone(inv, mark3, 8, 48);
    silence(inv, 48);
    tone(inv, mark3, 8, 48);
    tone(inv, mark3, 8, 48);
    got = read_file("TOVA2.WAV");
    ASSERT_EQ(got.size(), 48u + 1200u);
    EXPECT_TRUE(std::equal(inv.begin(), inv.end(), got.begin() + 48));
    EXPECT_EQ(le32(got, 40), 1204u);
}

TEST_F(Synth, TimingFollowsSpeedToneFilterAndSampling) {
    struct Case { int spd, ton, filter, sampling; uint32_t rate; int32_t dot; };
    const Case cases[] = {
        {20, 800, 0, 4, 6400, 48},   // filter off doubles the tone
        {20, 800, 1, 4, 3200, 24},   // narrow filter: no doubling
        {20, 800, 0, 3, 4800, 35},   // sampling 3: 450 / 20 = 22, x 200 / 125
        {25, 1500, 0, 4, 12000, 72}, // doubled past 1999: dot x ton / 1000
        {20, 3000, 1, 4, 8000, 60},  // narrow filter clamps to 2000
        {20, 100, 0, 4, 2000, 15},   // doubled 200 lifts to 500
    };
    for (const Case &c : cases) {
        plain_params();
        spd = c.spd;
        ton = c.ton;
        filter = c.filter;
        sampling = c.sampling;
        keying_reset();  // a file ending in a space makes the next one start with a long space
        CreateWave(0, "");
        Bytes got = read_file("TOVA0.WAV");
        ASSERT_GE(got.size(), 48u);
        EXPECT_EQ(le32(got, 24), c.rate) << c.spd << "/" << c.ton;
        EXPECT_EQ(le32(got, 28), c.rate);
        EXPECT_EQ(dot_size, c.dot) << c.spd << "/" << c.ton;
        // An empty text still holds the leading word space.
        EXPECT_EQ(got.size() - 48, size_t(2 * c.dot * 8));
        // A dot lasts 1.2 / spd seconds, whatever the path.
        EXPECT_NEAR(dot_size * 8.0 / c.rate, 1.2 / c.spd, 0.05 * 1.2 / c.spd);
    }
}

TEST_F(Synth, SpacesFoldingCutZeroAndKana) {
    auto body = [](const char *text) {
        plain_params();
        keying_reset();
        CreateWave(0, text);
        return wav_samples(read_file("TOVA0.WAV"));
    };
    // Two spaces in a row: the second lasts spacing + 3 dots.
    size_t one = body("E E").size(), two = body("E  E").size();
    EXPECT_EQ(two - one, size_t(5 * 48 * 8));

    // Lower case folds to upper case unless kana is on.
    EXPECT_EQ(body("a"), body("A"));
    plain_params();
    katokana = 1;
    CreateWave(0, "a");
    Bytes kana_a = wav_samples(read_file("TOVA0.WAV"));
    EXPECT_NE(kana_a, body("A"));
    EXPECT_EQ(read_morse(kana_a, options_for(Keying::Tone, 384)), "--.--");

    // Cut zero: "10" sounds as "1T".
    plain_params();
    sz = 1;
    CreateWave(0, "10");
    EXPECT_EQ(wav_samples(read_file("TOVA0.WAV")), body("1T"));
}

TEST_F(Synth, AttenuatorAndStrengthRules) {
    auto peak = [](int level, int attenuator) {
        plain_params();
        qsa = level;
        att = attenuator;
        uint32_t ms = CreateWave(0, "T");
        Bytes s = wav_samples(read_file("TOVA0.WAV"));
        int p = 0;
        for (uint8_t v : s) p = std::max(p, std::abs(int(v) - 128));
        return std::make_pair(ms, p);
    };
    EXPECT_EQ(peak(6, 0).second, 2);   // above 5 becomes 0 at the first character
    EXPECT_EQ(peak(6, 1).second, 96);  // attenuator first lowers 6 to 5
    EXPECT_EQ(peak(1, 1).second, 2);   // 1 renders at 0
    EXPECT_EQ(peak(5, 0).second, 96);
    auto silent = peak(0, 1);          // 0 with the attenuator renders nothing
    EXPECT_EQ(silent.first, 0u);
    EXPECT_EQ(read_file("TOVA0.WAV").size(), 0u);
    // The S-meter shows the strength after the attenuator.
    peak(4, 1);
    EXPECT_STREQ(ui_text(ID_SMETER), ">>>  ");
}

TEST_F(Synth, ParameterCodesChangeToneAndStrengthMidText) {
    // Code 2 with 0x20 0x03 sets 800 Hz before the timing is recomputed.
    spd = 20;
    ton = 1600;
    const char text[] = {'E', 2, 0x20, 0x03, 'E', 0};
    CreateWave(0, text);
    EXPECT_EQ(ton, 1600);  // 800 doubled by the filter-off path
    EXPECT_EQ(dot_size, 48);
    // The file keeps the rate of its first tone (1600 doubled to 3200, x 4).
    Bytes got = read_file("TOVA0.WAV");
    EXPECT_EQ(le32(got, 24), 12800u);

    // A strength code of 0 (sent escaped) makes the marks that follow weakest.
    plain_params();
    stn();
    send_stack_reset();
    spd = 20; ton = 800; qsa = 0;
    create_params();
    send("T");
    const char *slot = send_buf[0];
    EXPECT_EQ(std::strlen(slot), 8u);  // nothing of the codes cut the slot short
    plain_params();
    qsa = 5;
    CreateWave(0, slot);
    int p = 0;
    for (uint8_t v : wav_samples(read_file("TOVA0.WAV"))) p = std::max(p, std::abs(int(v) - 128));
    EXPECT_EQ(p, 2);
}

TEST_F(Synth, MalformedTextsNeitherOverrunNorLoop) {
    // Texts ending inside a code: the code is dropped, nothing past the end is read.
    const char *cut[] = {"E\x01", "E\x03", "E\x02", "E\x02\x20"};
    for (const char *text : cut) {
        plain_params();
        char buf[8] = {};
        std::strcpy(buf, text);
        uint32_t ms = CreateWave(0, buf);
        EXPECT_GT(ms, 0u);
        EXPECT_EQ(read_file("TOVA0.WAV").size(), 2352u) << int(text[1]);
    }
    // A speed below 1 and tones of 0 or out of range: still a finite file.
    const char zero_tone[] = {2, 1, 0x60, 'E', 0};   // escaped tone 0
    const char huge_tone[] = {2, char(0xff), 0x1f, 'E', 0};
    for (const char *text : {zero_tone, huge_tone}) {
        plain_params();
        EXPECT_GT(CreateWave(0, text), 0u);
    }
    plain_params();
    spd = 0;
    EXPECT_GT(CreateWave(0, "E"), 0u);
    EXPECT_GE(spd, 1);
    plain_params();
    spd = -5;
    ton = 0;
    EXPECT_GT(CreateWave(0, "ETE"), 0u);
    // A byte past the table's end sounds as a letter space only.
    plain_params();
    const char high[] = {char(0xff), 0};
    CreateWave(0, high);
    EXPECT_EQ(read_file("TOVA0.WAV").size(), 48u + 768u + 768u);
}

TEST_F(Synth, UnwritableChannelFileRendersNothing) {
    std::filesystem::create_directory("TOVA3.WAV");
    EXPECT_EQ(CreateWave(3, "TEST"), 0u);
    EXPECT_TRUE(std::filesystem::is_directory("TOVA3.WAV"));
    // Spark forces the narrow filter during rendering; the receiver's own setting comes back.
    plain_params();
    spark = 1;
    filter = 0;
    EXPECT_EQ(CreateWave(3, "TEST"), 0u);
    EXPECT_EQ(filter, 0);
}

TEST_F(Synth, SparkRestoresFilterAfterCodesAndUsesDampedBursts) {
    spark = 1;
    filter = 0;
    const char text[] = {'E', 1, 20, 'E', 0};  // a code recomputes the timing mid-file
    CreateWave(0, text);
    EXPECT_EQ(filter, 0);
    Bytes s = wav_samples(read_file("TOVA0.WAV"));
    // A level-3 burst: 64 -64 43 -43 22 -22 then 14 silent samples.
    auto it = std::find_if(s.begin(), s.end(), [](uint8_t v) { return v != 128; });
    ASSERT_NE(it, s.end());
    const int burst[20] = {64, -64, 43, -43, 22, -22};
    for (int i = 0; i < 20; ++i) EXPECT_EQ(int(it[i]) - 128, burst[i]);
}

TEST_F(Synth, CarrierFileAndLoop) {
    qsa = 2;
    n0n(1500);
    Bytes got = read_file("TOVA9.WAV");
    ASSERT_EQ(got.size(), 48u + 60000u);
    EXPECT_EQ(le32(got, 24), 6000u);
    EXPECT_EQ(le32(got, 40), 60004u);
    EXPECT_EQ(le32(got, 4), 60040u);
    for (size_t i = 48; i < got.size(); i += 2) {
        ASSERT_EQ(got[i], 144);
        ASSERT_EQ(got[i + 1], 112);
    }
    ASSERT_FALSE(media_recorded().empty());
    EXPECT_EQ(media_recorded().back(), "loop_play TOVA9.WAV");
    // The attenuator lowers the carrier one level.
    att = 1;
    qsa = 2;
    emit_sound(1000, 10);
    got = read_file("TOVA9.WAV");
    EXPECT_EQ(got[48], 128 + 8);
}

TEST(SynthTime, PlayingTimeOfLongFilesDoesNotOverflow) {
    EXPECT_EQ(play_time_ms(2308, 6400), 360u);
    // 32 MB at 6400 bytes a second: 5242 s; 32-bit arithmetic would wrap.
    EXPECT_EQ(play_time_ms(33554432u + 4, 6400), 5242880u);
    EXPECT_EQ(play_time_ms(0xFFFFFFFFu, 1500), 2863311530u);
    EXPECT_EQ(play_time_ms(100, 0), 0u);
}

TEST(SynthHeader, FieldsAreLittleEndianAtTheirOffsets) {
    WaveHeader h = wavehdr;
    h.riff_length = 0x01020304;
    h.sample_rate = 0x0A0B0C0D;
    h.data_length = 0x11223344;
    uint8_t out[WAVE_HEADER_SIZE];
    wavehdr_bytes(h, out);
    EXPECT_EQ(std::memcmp(out, "RIFF", 4), 0);
    EXPECT_EQ(out[4], 0x04);
    EXPECT_EQ(out[7], 0x01);
    EXPECT_EQ(out[24], 0x0D);
    EXPECT_EQ(out[27], 0x0A);
    EXPECT_EQ(std::memcmp(out + 36, "data", 4), 0);
    EXPECT_EQ(out[40], 0x44);
    EXPECT_EQ(out[44], 0x80);
    EXPECT_EQ(out[47], 0x80);
}

}  // namespace
}  // namespace kestrel::test
