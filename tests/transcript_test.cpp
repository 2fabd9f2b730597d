// The transcript in step with the sound: the one walk over slot text, the
// keyed record checked against the mark edges found in the rendered WAV
// (and through the command line's WebVTT subtitles, parsed back), the
// scoring of copy practice, and the copy check's modes, keys and lines.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "app/copy_desk.h"
#include "app/on_air.h"
#include "app/practice.h"
#include "app/report.h"
#include "app/transcript.h"
#include "app/window.h"
#include "platform/copy_window.h"
#include "platform/media.h"
#include "platform/ui.h"
#include "procedures/send.h"
#include "state/receiver.h"
#include "support/fixture.h"
#include "synth/channels.h"
#include "synth/key_walk.h"
#include "synth/morse.h"
#include "synth/params.h"

namespace kestrel::test {
namespace {

// --- Finding the keyed elements in a channel file ---------------------------

// Maximal runs of keyed elements, in samples of the data chunk (offset 44 of
// the file is sample 0): mark tone, spark bursts, or in inverted keying the
// silent gaps. Every run of the writer starts at the start of its pattern.
struct ElementRun {
    uint64_t begin, end;
};
enum class Keyed { tone, spark, inverted };
constexpr int kHalf[6] = {1, 4, 8, 16, 32, 48};  // half the mark amplitude by strength

std::vector<ElementRun> element_runs(const std::vector<uint8_t> &file, int level, Keyed keyed) {
    const int h = kHalf[level];
    const int mark[8] = {0, h, 2 * h, h, 0, -h, -2 * h, -h};
    const int f1h[6][12] = {{0, 0, 1, 2, 1, 0, 0, 0, -1, -2, -1, -1},           {0, 4, 6, 8, 6, 4, 0, -4, -6, -8, -6, -4},
                            {0, 8, 12, 16, 12, 8, 0, -8, -12, -16, -12, -8},     {0, 16, 24, 32, 24, 16, 0, -16, -24, -32, -24, -16},
                            {0, 32, 48, 64, 48, 32, 0, -32, -48, -64, -48, -32}, {0, 48, 72, 96, 72, 48, 0, -48, -72, -96, -72, -48}};
    const int spark3[6] = {64, -64, 43, -43, 22, -22};
    std::vector<uint8_t> d(file.begin() + 44, file.end());
    auto matches = [&](size_t i, const int *pat, size_t n) {
        if (i + n > d.size()) return false;
        for (size_t j = 0; j < n; ++j)
            if (d[i + j] != 128 + pat[j]) return false;
        return true;
    };
    std::vector<ElementRun> runs;
    auto element = [&](uint64_t b, uint64_t e) {
        if (!runs.empty() && runs.back().end == b) runs.back().end = e;
        else runs.push_back({b, e});
    };
    size_t i = 0;
    while (i < d.size()) {
        if (keyed == Keyed::spark && level == 3 && matches(i, spark3, 6)) {
            bool rest = i + 20 <= d.size();
            for (size_t j = 6; rest && j < 20; ++j) rest = d[i + j] == 128;
            EXPECT_TRUE(rest) << "spark period cut at " << i;
            element(i, i + 20);
            i += 20;
        } else if (matches(i, mark, 8)) {
            if (keyed != Keyed::inverted) element(i, i + 8);
            i += 8;
        } else if (matches(i, f1h[level], 12)) {
            i += 12;
        } else if (d[i] == 128) {
            if (keyed == Keyed::inverted) element(i, i + 1);
            ++i;
        } else {
            ADD_FAILURE() << "byte " << int(d[i]) << " at sample " << i << " belongs to no pattern";
            return runs;
        }
    }
    // The four silent samples inside the header are no element.
    if (!runs.empty() && runs.front().begin == 0) runs.front().begin = 4;
    if (!runs.empty() && runs.front().end == 4) runs.erase(runs.begin());
    return runs;
}

int elements_of(int c) {
    if (c >= 97 && c <= 127) c -= 32;
    uint32_t code = c < CW_TABLE_SIZE ? cw_table[static_cast<size_t>(c)] : 0;
    int n = 0;
    for (; code > 1; code >>= 1) ++n;
    return n;
}

struct KeyingCase {
    const char *name;
    int spd, rto;
    bool hand, f1, bw, spark;
};

class Transcript : public Kestrel {
protected:
    void SetUp() override {
        Kestrel::SetUp();
        freq = 10000;  // no night-time weakening: the strength stays as set
    }
    // Renders `text` on channel 0 with the case's keying at strength 3.
    std::vector<uint8_t> render(const KeyingCase &c, const std::string &text) {
        plain_params();
        spd = c.spd;
        rto = c.rto;
        hand = c.hand;
        _f1 = c.f1;
        bw = c.bw;
        spark = c.spark;
        EXPECT_GT(CreateWave(0, text.c_str()), 0u) << c.name;
        return read_file("TOVA0.WAV");
    }
};

// Every character that sounds starts where an element run starts and ends
// where one ends, to the sample, and nothing else sounds: so the times that
// the copy check, the practice and the subtitles show are the sound's.
TEST_F(Transcript, KeyedRecordMeetsTheMarkEdgesOfTheRenderedFile) {
    const KeyingCase cases[] = {
        {"12 wpm", 12, 0, false, false, false, false},  {"25 wpm", 25, 0, false, false, false, false},
        {"40 wpm", 40, 0, false, false, false, false},  {"hand 18 wpm", 18, 0, true, false, false, false},
        {"bug rto 12", 22, 12, false, false, false, false}, {"bug rto 33 hand", 30, 33, true, false, false, false},
        {"shift 20 wpm", 20, 0, false, true, false, false}, {"shift hand 35", 35, 0, true, true, false, false},
        {"inverted 16", 16, 0, false, false, true, false},  {"inverted hand 28", 28, 0, true, false, true, false},
        {"spark 14", 14, 0, false, false, false, true},
    };
    char codes[8];
    encode_params(codes, 24, 900, 3);
    for (const KeyingCase &c : cases) {
        std::string text = "CQ CQ DE 3VX5  QTC 12 = 0/1+";
        if (!c.bw) text += std::string("  ") + char(CODE_TUNE) + " VVV";  // keyed as a dash even here
        if (!c.spark) text += std::string(" ") + codes + "R TU";  // a turn at another speed and tone
        const std::vector<uint8_t> file = render(c, text);
        const KeyedText &k = keyed_text(0);
        ASSERT_GT(k.rate, 0u) << c.name;
        EXPECT_EQ(k.total, file.size() - 44) << c.name;
        const std::vector<ElementRun> runs = element_runs(file, 3, c.spark ? Keyed::spark : c.bw ? Keyed::inverted : Keyed::tone);
        size_t expected_runs = 0, r = 0;
        for (const KeyedStep &s : k.steps) {
            if (s.step.kind != StepKind::character) continue;
            const int n = s.step.value == CODE_TUNE ? 1 : elements_of(s.step.value);
            if (n == 0) {
                EXPECT_EQ(s.mark_end, s.begin) << c.name;
                continue;
            }
            expected_runs += static_cast<size_t>(n);
            while (r < runs.size() && runs[r].begin < s.begin) ++r;
            ASSERT_LT(r, runs.size()) << c.name << ": no element at the character's start";
            EXPECT_EQ(runs[r].begin, s.begin) << c.name << " '" << char(s.step.value) << "'";
            r += static_cast<size_t>(n) - 1;
            ASSERT_LT(r, runs.size()) << c.name;
            EXPECT_EQ(runs[r].end, s.mark_end) << c.name << " '" << char(s.step.value) << "'";
            const double ms_apart = std::abs(double(keyed_ms(k, s.mark_end)) - runs[r].end * 1000.0 / k.rate);
            EXPECT_LE(ms_apart, 20.0) << c.name;
            ++r;
        }
        EXPECT_EQ(runs.size(), expected_runs) << c.name;
        EXPECT_EQ(copy_by(k, UINT32_MAX).substr(0, 26), "CQ CQ DE 3VX5 QTC 12 = 0/1") << c.name;
    }
}

// The walk is the writer's: the codes with their values, a code cut short by
// the end ends the walk, and the report form of each step.
TEST_F(Transcript, OneWalkOverSlotTextForWriterReportsAndTranscript) {
    char codes[8];
    encode_params(codes, 22, 1300, 0);
    const std::string text = std::string("A") + codes + "B" + char(CODE_TUNE) + char(200) + "\x01";
    std::vector<KeyStep> steps;
    for (KeyStep s = key_step(text.c_str(), 0); s.kind != StepKind::end; s = key_step(text.c_str(), s.next))
        steps.push_back(s);
    ASSERT_EQ(steps.size(), 7u);  // A, three codes, B, the tuning mark, 200; the cut speed code is dropped
    EXPECT_EQ(steps[1].kind, StepKind::speed);
    EXPECT_EQ(steps[1].value, 22);
    EXPECT_EQ(steps[2].kind, StepKind::tone);
    EXPECT_EQ(steps[2].value, 1300);
    EXPECT_EQ(steps[3].kind, StepKind::strength);
    EXPECT_EQ(steps[6].next, text.size() - 1);
    EXPECT_EQ(readable(text.c_str()), "A{spd 22}{ton 1300}{qsa 0}B{tune}{200}");
    EXPECT_FALSE(audible("\x01\x10 "));  // the speed byte is no character,
    EXPECT_TRUE(audible("\x10 "));       // though code 16 sounds
    EXPECT_FALSE(audible(("\x01\x45" + std::string("  ")).c_str()));
    // The writer reads as far as the walk: the cut code is never keyed.
    plain_params();
    EXPECT_EQ(key_text(text.c_str(), nullptr, nullptr), text.size() - 1);
}

// A dialog slot: each turn on a line of its own, marked with its station;
// as keyed, a character shows once its last element has sounded.
TEST_F(Transcript, AsKeyedTextGrowsWithTheSoundAndMarksTheTurns) {
    char a[8], b[8];
    encode_params(a, 20, 800, 3);
    encode_params(b, 26, 1200, 2);
    const std::string text = std::string(a) + "CQ DE SVA " + b + "SVA DE 9HA " + a + "R";
    plain_params();
    ASSERT_GT(CreateWave(0, text.c_str()), 0u);
    const KeyedText &k = keyed_text(0);
    EXPECT_EQ(stations_of(k).count, 2);
    EXPECT_EQ(keyed_all(k), "A: {spd 20}{ton 800}{qsa 3}CQ DE SVA\nB: {spd 26}{ton 1200}{qsa 2}SVA DE 9HA\n"
                            "A: {spd 20}{ton 800}{qsa 3}R");
    uint32_t c_end = 0, q_end = 0;
    for (const KeyedStep &s : k.steps)
        if (s.step.kind == StepKind::character && s.step.value == 'C' && !c_end) c_end = keyed_ms(k, s.mark_end);
        else if (s.step.kind == StepKind::character && s.step.value == 'Q' && !q_end) q_end = keyed_ms(k, s.mark_end);
    EXPECT_EQ(keyed_by(k, c_end - 1), "A: {spd 20}{ton 800}{qsa 3}");
    EXPECT_EQ(keyed_by(k, c_end), "A: {spd 20}{ton 800}{qsa 3}C");
    EXPECT_EQ(keyed_by(k, q_end), "A: {spd 20}{ton 800}{qsa 3}CQ");
    EXPECT_EQ(copy_by(k, q_end), "CQ");
    const std::vector<KeyedWord> words = keyed_words(k);
    ASSERT_EQ(words.size(), 7u);
    EXPECT_EQ(words[3].text, "SVA");
    EXPECT_EQ(words[3].station, 1);
    EXPECT_EQ(words[6].station, 0);
    EXPECT_EQ(first_call(copy_by(k, UINT32_MAX)), "SVA");
    EXPECT_EQ(first_call("VVV VVV DE 3VX QRU"), "3VX");
    EXPECT_EQ(first_call("12345 67890 QRT"), "");
}

// --- Copy practice ------------------------------------------------------------

TEST(CopyScoring, EditDistanceCountsMissedExtraAndConfusedLetters) {
    CopyScore s = score_copy("CQ CQ DE DAN", "CQ CQ DE DAN", false);
    EXPECT_EQ(s.letters, 9u);
    EXPECT_EQ(s.errors(), 0u);
    EXPECT_DOUBLE_EQ(s.accuracy(), 100.0);

    s = score_copy("CQ CQ DE DAN", "cq c de dn", false);  // Q and A missed; case and blanks do not matter
    EXPECT_EQ(s.missed, 2u);
    EXPECT_EQ(s.missed_letters, "Q A");
    EXPECT_EQ(s.extra + s.confused, 0u);
    EXPECT_DOUBLE_EQ(s.cer(), 2.0 / 9);

    s = score_copy("VVV DE SVA", "VVV DE SHA", false);  // V heard as H
    EXPECT_EQ(s.confused, 1u);
    EXPECT_EQ(s.confusions, "V>H");
    EXPECT_EQ(s.missed + s.extra, 0u);

    s = score_copy("QTC 5", "QTEC 5 K", false);  // two letters that were never sent
    EXPECT_EQ(s.extra, 2u);
    EXPECT_EQ(s.errors(), 2u);
    EXPECT_DOUBLE_EQ(s.accuracy(), 50.0);

    // While the station sends on, what is not yet copied is not yet missed; once it is over, it is.
    EXPECT_EQ(score_copy("CQ CQ DE DAN", "CQ CQ", true).errors(), 0u);
    EXPECT_EQ(score_copy("CQ CQ DE DAN", "CQ CQ", true).letters, 4u);
    EXPECT_EQ(score_copy("CQ CQ DE DAN", "CQ CQ", false).missed, 5u);
    // Cut numbers: a T copied for a 0 sent as T is right.
    EXPECT_EQ(score_copy("QTC 10", "QTC 1T", false, true).errors(), 0u);
    EXPECT_EQ(score_copy("QTC 10", "QTC 1T", false, false).confused, 1u);
    EXPECT_EQ(score_copy("", "ABC", false).cer(), 0.0);

    PracticeEntry e{"2026-12-09T08:15:45Z", 10129, "FSB", 21.04, score_copy("VVV DE FSB", "VVV DE FSV", false)};
    EXPECT_EQ(practice_csv(e), "2026-12-09T08:15:45Z,10129,FSB,21.0,8,1,87.5");
    e.call.clear();
    EXPECT_EQ(practice_csv(e), "2026-12-09T08:15:45Z,10129,-,21.0,8,1,87.5");
}

// --- The copy check window --------------------------------------------------------

class CopyCheck : public Transcript {
protected:
    void SetUp() override {
        Transcript::SetUp();
        hwnd = 1;
        on_air_watch();
        on_air_clear();
    }
    void TearDown() override {
        if (copy_check_open()) copy_check_toggle();
        copy_check_set_mode(CopyMode::as_keyed);
        hwnd = 0;
        Transcript::TearDown();
    }
    bool key(uintptr_t vk, int ch = 0, int mods = 0) {
        const CopyWindowEvents *ev = copy_window_events();
        return ev && ev->key(vk, ch, mods);
    }
    void type(const std::string &s) {
        for (char c : s) EXPECT_TRUE(key(0, c));
    }
};

// The copy check lists everything the reception started, as the command line
// prints it: here a recording with no Morse at all.
TEST_F(CopyCheck, ListsTheRecordingsClipsAndCarrierOfTheReception) {
    reception_at(2026, 12, 9, 8, 15, 45, 0, 1);
    freq = 10101;
    dsp_freq(hwnd);
    const std::string text = copy_check_text();
    EXPECT_EQ(text.find("nothing on the air"), std::string::npos) << text;
    EXPECT_NE(text.find("\nmedia: play fone/rtt-001.mp3"), std::string::npos) << text;
    // Not found where this test runs: said so, as the command line does.
    EXPECT_NE(text.find("media: play fone/rtt-001.mp3  (not played: "), std::string::npos) << text;

    // A carrier and a channel are listed too; the band noise and the closes of a retune are not.
    on_air_clear();
    media().loop_play("TOVA9.WAV");
    media().channel_play(0, "TOVA0.WAV");
    media().send_string("play noise notify");
    media().send_string("close fone/sitorb.wav");
    EXPECT_EQ(on_air_commands(), (std::vector<std::string>{"loop TOVA9.WAV", "play channel 0 TOVA0.WAV"}));
    freq = 30000;
    dsp_freq(hwnd);
    EXPECT_NE(copy_check_text().find("nothing on the air"), std::string::npos);
}

// The three modes, the keys the window takes (and that Ctrl and Alt never
// reach the receiver as R or C), practice and its log line.
TEST_F(CopyCheck, ModesKeysAndPracticeWithItsLogLine) {
    char codes[8];
    encode_params(codes, 25, 800, 3);
    send_stack_reset();
    plain_params();
    std::snprintf(send_buf[0], SLOT_SIZE, "%sVVV DE FSB FSB K", codes);
    save_cw_param(0);
    send_call = 1;
    Activate_Send_Stack();
    const KeyedText &k = keyed_text(0);
    ASSERT_GT(k.rate, 0u);
    const uint32_t end = keyed_end_ms(k);

    WndProc(hwnd, WM_KEYDOWN, VK_COPY_CHECK, 0);
    ASSERT_TRUE(copy_check_open());
    EXPECT_EQ(copy_check_mode(), CopyMode::as_keyed);
    EXPECT_EQ(copy_window_lit(), 0);
    const uint32_t at_start[9] = {0};
    const uint32_t over[9] = {UINT32_MAX, UINT32_MAX, UINT32_MAX, UINT32_MAX, UINT32_MAX,
                              UINT32_MAX, UINT32_MAX, UINT32_MAX, UINT32_MAX};
    uint32_t halfway[9] = {0};
    halfway[0] = end / 2;
    const std::string heading = slot_heading(slot_reports(true)[0]);
    EXPECT_NE(copy_check_view(CopyMode::as_keyed, at_start).find(heading + "\n_\n"),
              std::string::npos);
    const std::string mid = copy_check_view(CopyMode::as_keyed, halfway);
    EXPECT_NE(mid.find("{qsa 3}VVV DE"), std::string::npos) << mid;
    EXPECT_EQ(mid.find("FSB K"), std::string::npos) << mid;
    EXPECT_NE(copy_check_view(CopyMode::as_keyed, over).find("FSB FSB K\n"), std::string::npos);
    EXPECT_NE(copy_check_view(CopyMode::hidden, halfway).find("(hidden until the station has finished: "),
              std::string::npos);
    EXPECT_EQ(copy_check_view(CopyMode::hidden, halfway).find("VVV"), std::string::npos);
    EXPECT_NE(copy_check_view(CopyMode::hidden, over).find("VVV DE FSB FSB K"), std::string::npos);
    EXPECT_EQ(copy_check_view(CopyMode::all_at_once, at_start), copy_check_text());
    EXPECT_NE(copy_check_text().find("{qsa 3}VVV DE FSB FSB K"), std::string::npos);

    // Tab steps through the modes; the row's buttons choose one.
    EXPECT_TRUE(key(VK_TAB));
    EXPECT_EQ(copy_check_mode(), CopyMode::all_at_once);
    EXPECT_TRUE(key(VK_TAB, 0, COPY_MOD_SHIFT));
    EXPECT_EQ(copy_check_mode(), CopyMode::as_keyed);
    copy_window_events()->button(2);
    EXPECT_EQ(copy_check_mode(), CopyMode::hidden);
    EXPECT_EQ(copy_window_lit(), 2);
    EXPECT_NE(std::string(ui_side_text()).find("(hidden until"), std::string::npos) << ui_side_text();

    // Ctrl or Alt with R or C: taken by the window, never the receiver's keys.
    EXPECT_TRUE(key('C', 'c', COPY_MOD_CTRL));
    EXPECT_TRUE(key('R', 'r', COPY_MOD_ALT));
    EXPECT_TRUE(copy_check_open());
    // Without practice a letter is the receiver's; the arrows always are.
    EXPECT_FALSE(key('R', 'r'));
    EXPECT_FALSE(key(VK_RIGHT));

    // Practice on channel 0: letters type the copy, Backspace takes one back, the arrows still tune.
    EXPECT_TRUE(key('0', '0', COPY_MOD_CTRL));
    ASSERT_EQ(copy_check_practice_channel(), 0);
    type("vvv de fsx");
    EXPECT_TRUE(key(VK_BACK));
    type("b fsb k");
    EXPECT_FALSE(key(VK_UP));
    EXPECT_EQ(copy_check_typed(), "VVV DE FSB FSB K");
    EXPECT_NE(copy_window_foot().find("Practice ch 0: VVV DE FSB FSB K_"), std::string::npos) << copy_window_foot();
    // The station ends (here at once, by stopping it): the copy is scored against all it
    // sent, and the station's first call, its speed and the score go to the log.
    stop_all_devs();
    copy_check_tick();
    EXPECT_NE(copy_window_foot().find("logged to kestrel_practice.csv"), std::string::npos) << copy_window_foot();
    EXPECT_TRUE(key(VK_ESCAPE));  // ends the practice; nothing is logged twice
    EXPECT_EQ(copy_check_practice_channel(), -1);
    const std::string log = read_text(PRACTICE_LOG);
    EXPECT_EQ(log.rfind("date,frequency_khz,call,wpm,characters,errors,accuracy\n2026-03-10T12:00:00Z,10000,FSB,", 0),
              0u)
        << log;
    std::istringstream csv(log.substr(log.find('\n') + 1));
    std::string field;
    std::vector<std::string> fields;
    while (std::getline(csv, field, ',')) fields.push_back(field);
    ASSERT_EQ(fields.size(), 7u) << log;
    // Copied from the start of the sending, nothing was missed.
    EXPECT_EQ(fields[5], "0");
    EXPECT_EQ(fields[6], "100.0\n");
    const double wpm = std::atof(fields[3].c_str());
    // Measured from the keyed time: near the speed of its dots (the first V is 9 dots long),
    // which the codes' recomputation makes slower than the 25 they set.
    const KeyedStep &v = k.steps[3];
    ASSERT_EQ(v.step.value, 'V');
    const double dot_wpm = 1200.0 / ((keyed_ms(k, v.mark_end) - keyed_ms(k, v.begin)) / 9.0);
    EXPECT_NEAR(wpm, dot_wpm, 0.2 * dot_wpm);
}

// Command-line runs for the subtitles.
std::string cli(const std::string &args) {
    const std::string cmd = std::string(KESTREL_CLI_PATH) + " " + args + " >cli_out.txt 2>cli_err.txt";
    const int rc = std::system(cmd.c_str());
    EXPECT_EQ(rc, 0) << args << "\n" << read_text("cli_err.txt");
    return read_text("cli_out.txt");
}

struct ParsedCue {
    std::string id, voice, text;
    double begin, end;  // ms
};

// A strict enough WebVTT reader: the signature, blocks split by blank lines,
// NOTE blocks skipped, "HH:MM:SS.mmm --> HH:MM:SS.mmm", voice spans, entities.
std::vector<ParsedCue> parse_vtt(const std::string &vtt) {
    std::vector<ParsedCue> cues;
    EXPECT_EQ(vtt.rfind("WEBVTT\n", 0), 0u);
    std::vector<std::string> blocks;
    size_t at = 0;
    while (at < vtt.size()) {
        size_t end = vtt.find("\n\n", at);
        if (end == std::string::npos) end = vtt.size();
        blocks.push_back(vtt.substr(at, end - at));
        at = end + 2;
    }
    auto stamp = [](const std::string &s) {
        unsigned h, m, sec, ms;
        EXPECT_EQ(std::sscanf(s.c_str(), "%2u:%2u:%2u.%3u", &h, &m, &sec, &ms), 4) << s;
        return ((h * 60.0 + m) * 60.0 + sec) * 1000.0 + ms;
    };
    for (size_t b = 1; b < blocks.size(); ++b) {
        std::istringstream in(blocks[b]);
        std::string id, times, payload;
        std::getline(in, id);
        if (id.rfind("NOTE", 0) == 0) continue;
        std::getline(in, times);
        std::getline(in, payload);
        ParsedCue c;
        c.id = id;
        const size_t arrow = times.find(" --> ");
        EXPECT_NE(arrow, std::string::npos) << blocks[b];
        c.begin = stamp(times.substr(0, arrow));
        c.end = stamp(times.substr(arrow + 5));
        EXPECT_EQ(payload.rfind("<v ", 0), 0u) << payload;
        const size_t close = payload.find('>');
        c.voice = payload.substr(3, close - 3);
        std::string t = payload.substr(close + 1);
        for (const auto &[ent, ch] : {std::pair<std::string, char>{"&lt;", '<'}, {"&gt;", '>'}, {"&amp;", '&'}})
            for (size_t p = t.find(ent); p != std::string::npos; p = t.find(ent, p + 1)) t.replace(p, ent.size(), 1, ch);
        EXPECT_EQ(t.find('<'), t.find("<")) << t;
        c.text = t;
        cues.push_back(c);
    }
    return cues;
}

// Each cue starts within 20 ms of an element's start and ends within 20 ms of
// an element's end in the channel file it goes with.
void cues_meet_the_edges(const std::vector<ParsedCue> &cues, const std::string &wav, int level, Keyed keyed,
                         const std::string &what) {
    const std::vector<uint8_t> file = read_file(wav);
    ASSERT_GT(file.size(), 48u) << wav;
    const uint32_t rate = file[24] | file[25] << 8 | file[26] << 16;
    const std::vector<ElementRun> runs = element_runs(file, level, keyed);
    ASSERT_FALSE(runs.empty()) << what;
    for (const ParsedCue &c : cues) {
        double to_begin = 1e9, to_end = 1e9;
        for (const ElementRun &r : runs) {
            to_begin = std::min(to_begin, std::abs(r.begin * 1000.0 / rate - c.begin));
            to_end = std::min(to_end, std::abs(r.end * 1000.0 / rate - c.end));
        }
        EXPECT_LE(to_begin, 20.0) << what << " cue " << c.id << " " << c.text;
        EXPECT_LE(to_end, 20.0) << what << " cue " << c.id << " " << c.text;
    }
}

TEST_F(Transcript, SubtitlesOfRenderAndTuneParseBackAndMeetTheMarkEdges) {
    struct {
        const char *options;
        Keyed keyed;
    } const renders[] = {{"--spd 12", Keyed::tone},          {"--spd 40 --hand", Keyed::tone},
                         {"--spd 24 --rto 30", Keyed::tone}, {"--spd 30 --f1 --hand", Keyed::tone},
                         {"--spd 18 --bw", Keyed::inverted}};
    for (const auto &r : renders) {
        cli(std::string("render --text 'CQ CQ DE 9HA <K 73' --qsa 3 ") + r.options + " --out r.wav --subtitles r.vtt");
        const std::vector<ParsedCue> cues = parse_vtt(read_text("r.vtt"));
        std::string words;
        for (const ParsedCue &c : cues) {
            words += (words.empty() ? "" : " ") + c.text;
            EXPECT_EQ(c.voice, "Channel 0");
            EXPECT_LT(c.begin, c.end);
        }
        EXPECT_EQ(words, "CQ CQ DE 9HA <K 73") << r.options;
        cues_meet_the_edges(cues, "r.wav", 3, r.keyed, r.options);
    }

    // A reception: the first frequency with Morse in the guide, its channel files kept.
    const std::string guide = cli("guide --at 2026-12-09T06:30:45Z --from 10100 --to 10200 --bkgnd off");
    const size_t morse = guide.find("Morse");
    ASSERT_NE(morse, std::string::npos) << guide;
    const std::string khz = guide.substr(guide.rfind('\n', morse) + 1, 5);
    const std::string printed =
        cli("tune " + khz + " --at 2026-12-09T06:30:45Z --bkgnd off --out chans --mix m.wav --seconds 40 --qrn off"
            " --subtitles t.vtt");
    const std::string vtt = read_text("t.vtt");
    EXPECT_NE(vtt.find("NOTE\n" + printed.substr(0, printed.find('\n'))), std::string::npos) << vtt;
    const std::vector<ParsedCue> cues = parse_vtt(vtt);
    ASSERT_FALSE(cues.empty()) << vtt;
    for (int ch = 0; ch < 7; ++ch) {
        std::vector<ParsedCue> mine;
        for (const ParsedCue &c : cues)
            if (c.voice.rfind("Channel " + std::to_string(ch), 0) == 0) mine.push_back(c);
        if (mine.empty()) continue;
        // Cut at the end of the mix: the last cue ends there, not at an edge.
        for (const ParsedCue &c : mine) EXPECT_LE(c.end, 40000.0);
        if (mine.back().end == 40000.0) mine.pop_back();
        const std::string wav = "chans/TOVA" + std::to_string(ch) + ".WAV";
        const std::vector<uint8_t> file = read_file(wav);
        // The strength after the receiver's rules, read from the file's first mark.
        int level = -1;
        for (size_t i = 44; i + 2 < file.size() && level < 0; ++i)
            for (int l = 0; l < 6 && file[i] == 128; ++l)
                if (file[i + 1] == 128 + kHalf[l] && file[i + 2] == 128 + 2 * kHalf[l]) level = l;
        ASSERT_GE(level, 0) << wav;
        const bool inverted = printed.find("channel " + std::to_string(ch) + " ") != std::string::npos &&
                              printed.find(" bw ") != std::string::npos;
        if (inverted || printed.find("spark") != std::string::npos) continue;  // the guide's plain keying only
        cues_meet_the_edges(mine, wav, level, Keyed::tone, khz + " channel " + std::to_string(ch));
    }
}

}  // namespace
}  // namespace kestrel::test
