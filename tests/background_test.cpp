// Background signals and clips: the action of every signal code, the search
// order of get_background, the clip choice with its media commands, and the
// sanity of the background tables, the clip names and the clip lists.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "bandplan/background/background.h"
#include "bandplan/clips/clip_table.h"
#include "platform/media.h"
#include "procedures/predicates.h"
#include "procedures/send.h"
#include "state/receiver.h"
#include "support/fixture.h"
#include "synth/channels.h"
#include "synth/params.h"

namespace kestrel::test {
namespace {

const char *const VOICE = "play fone/ssb-002.wav";
const char *const RTT1 = "play fone/rtt-001.wav";
const char *const RTT1_MP3 = "play fone/rtt-001.mp3";
const char *const RTT2 = "play fone/rtt-002.wav";
const char *const SITOR = "play fone/sitorb.wav";
const char *const FAX = "play fone/fax-001.wav";

// prefix-number-serial.mp3: lower-case letters, digits, two digits.
bool follows_clip_pattern(const std::string &name) {
    size_t i = 0;
    auto run = [&](auto pred) {
        size_t from = i;
        while (i < name.size() && pred(name[i])) ++i;
        return i - from;
    };
    auto lower = [](char c) { return c >= 'a' && c <= 'z'; };
    auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (run(lower) == 0 || i >= name.size() || name[i++] != '-') return false;
    if (run(digit) == 0 || i >= name.size() || name[i++] != '-') return false;
    if (run(digit) != 2) return false;
    return name.substr(i) == ".mp3";
}

bool is_clip_name(const std::string &name) {
    for (const auto &slot : clip_table)
        if (slot[0] && name == slot) return true;
    return false;
}

// What one tuning's background did: recorded commands (clips apart), the
// clip command if any, and the closed send slots.
struct Heard {
    std::vector<std::string> sounds;
    std::string clip;
    int slots = 0;
    bool operator==(const Heard &o) const { return sounds == o.sounds && clip == o.clip && slots == o.slots; }
};

Heard collect() {
    Heard h;
    for (const auto &line : media_recorded()) {
        const std::string play = "string play fone/";
        if (line.rfind(play, 0) == 0 && is_clip_name(line.substr(play.size()))) {
            h.clip = line.substr(7);
            continue;
        }
        h.sounds.push_back(line.rfind("string ", 0) == 0 ? line.substr(7) : line);
    }
    h.slots = send_call;
    return h;
}

class Background : public Kestrel {
protected:
    void SetUp() override {
        Kestrel::SetUp();
        bkgnd = 1;
        clip_ind = CLIP_NONE;
        clip_entry_visitor = nullptr;
    }
    void TearDown() override {
        clip_entry_visitor = nullptr;
        Kestrel::TearDown();
    }
    // 2026-03-02 is a Monday; day 1 of the month is Sunday.
    void at(int day, int hour, int minute, int second) {
        test_clock_set(2026, 3, day, hour, minute, second, 0);
        GetSystemTime(&t);
    }
    // One background search of a table at freq, from a known random state.
    Heard run(int f, int count, const int32_t *freqs, const int32_t *codes, unsigned seed = 7) {
        freq = f;
        random_reset(seed);
        media_recorded_clear();
        send_stack_reset();
        get_background(count, freqs, codes);
        return collect();
    }
    Heard run_one(int f, int32_t code, unsigned seed = 7) {
        const int32_t fs[1] = {f};
        const int32_t cs[1] = {code};
        return run(f, 1, fs, cs, seed);
    }
    Heard run_band(int f, unsigned seed = 7) {
        BackgroundTable tab = background_table(f / 1000);
        return run(f, tab.count, tab.frequencies, tab.codes, seed);
    }
};

std::vector<std::string> one(const char *s) { return {s}; }

// The recording a teleprinter code range plays, from the code layout.
const char *teleprinter_recording(int kind) {
    static const char *const by_kind[] = {RTT1, RTT1_MP3, RTT1, RTT2, RTT2, RTT2, RTT2};
    return by_kind[kind];
}

TEST_F(Background, VoiceCodesSoundWhenTheSecondIsAMultiple) {
    const int f = 10000;
    for (int code : {0, 1, 2, 3, 5, 7, 19, 59}) {
        for (int s = 0; s < 60; ++s) {
            at(2, 12, 0, s);
            Heard h = run_one(f, code);
            bool plays = code == 0 || s % code == 0;
            EXPECT_EQ(h.sounds, plays ? one(VOICE) : std::vector<std::string>{}) << code << " at " << s;
        }
    }
}

TEST_F(Background, FaxSitorCarriersAndData) {
    const int f = 10000;
    at(2, 12, 0, 1);
    EXPECT_EQ(run_one(f, 61).sounds, one(FAX));
    for (int s = 0; s < 60; ++s) {
        at(2, 12, 0, s);
        EXPECT_EQ(run_one(f, 62).sounds, s % 3 == 0 ? one(SITOR) : std::vector<std::string>{}) << s;
    }

    at(2, 12, 0, 0);
    Heard h = run_one(f, 91);
    EXPECT_EQ(h.sounds, one("loop_play TOVA9.WAV"));
    EXPECT_EQ(qsa, 5);
    EXPECT_TRUE(file_exists("TOVA9.WAV"));

    // 92 in odd hours, 93 in even hours, each with a strength 1..4.
    for (int hour = 0; hour < 24; ++hour) {
        at(2, hour, 10, 0);
        for (int code : {92, 93}) {
            qsa = 0;
            bool sounds = (code == 92) == (hour % 2 == 1);
            h = run_one(f, code);
            EXPECT_EQ(h.sounds, sounds ? one("loop_play TOVA9.WAV") : std::vector<std::string>{})
                << code << " at " << hour;
            if (sounds) {
                EXPECT_GE(qsa, 1);
                EXPECT_LE(qsa, 4);
            }
        }
    }

    at(2, 12, 0, 0);
    h = run_one(f, 520);
    EXPECT_TRUE(h.sounds.empty());
    ASSERT_EQ(h.slots, 1);
    EXPECT_EQ(spd_table[0], 200);
    EXPECT_EQ(qsa_table[0], 3);
    EXPECT_EQ(f1_table[0], 1);
    EXPECT_EQ(std::string(send_buf[0]).find_first_not_of("Z "), std::string::npos);
}

TEST_F(Background, TeleprinterCodesByRangeAndMinuteDivisor) {
    const int f = 10000;
    for (int code = 100; code <= 519; ++code) {
        int kind = (code - 100) / 60, n = (code - 100) % 60;
        for (int minute : {0, 7, 12, 30, 59}) {
            at(2, 12, minute, 0);
            bool plays = n == 0 || minute % n == 0;
            EXPECT_EQ(run_one(f, code).sounds,
                      plays ? one(teleprinter_recording(kind)) : std::vector<std::string>{})
                << code << " at minute " << minute;
        }
    }
    bkgnd = 0;
    EXPECT_TRUE(run_one(f, 220).sounds.empty());
}

TEST_F(Background, DayAndNightTeleprinterCodes) {
    const int f = 10000;
    for (int code = 2000; code <= 2719; ++code) {
        int kind = (code - 2000) / 120;
        bool night_code = (code - 2000) % 120 >= 60;
        int n = (code - 2000) % 60;
        for (int hour : {3, 6, 12, 17, 18, 23}) {
            at(2, hour, 0, 0);  // minute 0 suits every divisor
            bool plays = night_code ? night() : day();
            EXPECT_EQ(run_one(f, code).sounds,
                      plays ? one(teleprinter_recording(kind)) : std::vector<std::string>{})
                << code << " at " << hour << " h, n " << n;
        }
    }
}

TEST_F(Background, SearchSkipsCodesWithoutActionAndStopsAtTheFirstWithOne) {
    const int f = 10000;
    at(2, 12, 0, 1);  // second 1: voice with divisor 2 stays silent
    const int32_t freqs[] = {10001, f, f, f, f, f, f, f, f, f, f, f};
    const int32_t no_action[] = {61, -1, 60, 63, 90, 94, 99, 521, 1999, 2720, 100000, 61};
    EXPECT_EQ(run(f, 12, freqs, no_action).sounds, one(FAX));

    // A silent voice entry ends the search: the fax behind it is never tried.
    const int32_t silent_first[] = {61, 2, 61};
    EXPECT_TRUE(run(f, 3, freqs, silent_first).sounds.empty());
    // So does a carrier in the wrong hour and a day-only teleprinter at night.
    const int32_t carrier_first[] = {61, 93, 61};
    at(2, 13, 0, 1);
    EXPECT_TRUE(run(f, 3, freqs, carrier_first).sounds.empty());
    const int32_t day_first[] = {61, 2240, 61};
    at(2, 22, 0, 1);
    EXPECT_TRUE(run(f, 3, freqs, day_first).sounds.empty());

    // The count bounds the search: the entry past it is not read.
    const int32_t fax_last[] = {61, 94, 61};
    EXPECT_TRUE(run(f, 2, freqs, fax_last).sounds.empty());
    EXPECT_EQ(run(f, 3, freqs, fax_last).sounds, one(FAX));
}

TEST_F(Background, BandTenFrequency10580IsVoiceInEvenSecondsOnly) {
    const BackgroundTable tab = background_table(10);
    ASSERT_EQ(tab.frequencies[0], 10580);
    ASSERT_EQ(tab.codes[0], 2);
    for (int s = 0; s < 60; ++s) {
        at(2, 9, 15, s);
        Heard h = run_band(10580);
        EXPECT_EQ(h.sounds, s % 2 == 0 ? one(VOICE) : std::vector<std::string>{}) << s;
        EXPECT_EQ(h.slots, 0);
    }
}

TEST_F(Background, EveryBandTableActsOnTheFirstEntryOfAFrequencyOnly) {
    // Each listed frequency behaves exactly as its first entry alone; this
    // covers the repeated frequencies and the last entry of every table.
    int repeated = 0;
    for (int b = 10; b <= 28; ++b) {
        BackgroundTable tab = background_table(b);
        ASSERT_GT(tab.count, 0);
        std::map<int, int> first;
        for (int i = 0; i < tab.count; ++i) first.emplace(tab.frequencies[i], i);
        for (int i = 0; i < tab.count; ++i)
            if (first[tab.frequencies[i]] != i) ++repeated;
        std::set<int> probe;
        for (int i = 0; i < tab.count; ++i)
            if (first[tab.frequencies[i]] != i) probe.insert(tab.frequencies[i]);
        probe.insert(tab.frequencies[tab.count - 1]);
        for (auto [h, s] : {std::pair{4, 0}, std::pair{13, 42}}) {
            at(4, h, 30, s);
            for (int f : probe) {
                int i = first[f];
                Heard whole = run_band(f, 100 + i);
                Heard alone = run_one(f, tab.codes[i], 100 + i);
                EXPECT_EQ(whole, alone) << "band " << b << " frequency " << f;
            }
        }
    }
    EXPECT_GT(repeated, 0);
}

TEST_F(Background, SwitchOffSilencesEveryFrequency) {
    bkgnd = 0;
    for (auto [d, h, m, s] : {std::array{2, 0, 0, 0}, std::array{5, 13, 31, 30}, std::array{7, 22, 45, 9}}) {
        at(d, h, m, s);
        for (int f = 10000; f <= 30000; ++f) {
            Heard got = run_band(f);
            ASSERT_TRUE(got.sounds.empty()) << f;
            ASSERT_TRUE(got.clip.empty()) << f;
            ASSERT_EQ(got.slots, 0) << f;
        }
    }
    EXPECT_EQ(fbuf[0], 0);
}

TEST_F(Background, SweepWithTheSwitchOnGivesAtMostOneSignalPerFrequency) {
    int voiced = 0, clipped = 0;
    for (auto [d, h, m, s] : {std::array{2, 1, 0, 0}, std::array{6, 14, 20, 30}}) {
        at(d, h, m, s);
        for (int f = 10000; f <= 30000; ++f) {
            Heard got = run_band(f);
            ASSERT_LE(got.sounds.size() + static_cast<size_t>(got.slots), 1u) << f;
            if (!got.sounds.empty()) ++voiced;
            if (!got.clip.empty()) ++clipped;
            if (f / 1000 == 29 || f == 30000) {
                ASSERT_TRUE(got.sounds.empty()) << f;
                ASSERT_EQ(got.slots, 0) << f;
            }
        }
    }
    EXPECT_GT(voiced, 100);
    EXPECT_GT(clipped, 100);
}

TEST_F(Background, ClipTenExamples) {
    struct Case {
        int f, hour, want;
    };
    const Case cases[] = {
        {10801, 3, 0},  {10801, 4, 0},  {10605, 5, 1},  {10605, 6, CLIP_NONE}, {10188, 8, 3},
        {10188, 9, CLIP_NONE}, {10147, 0, 8}, {10147, 23, 8}, {10460, 11, 12}, {10970, 12, 12},
    };
    for (const Case &c : cases) {
        at(3, c.hour, 0, 0);
        freq = c.f;
        clip_ind = 1234;
        clip_10();
        // clip_10 alone leaves clip_ind as it found it when nothing matches.
        EXPECT_EQ(clip_ind, c.want == CLIP_NONE ? 1234 : c.want) << c.f << " at " << c.hour;
        clip_ind = CLIP_NONE;
        clip_10();
        EXPECT_EQ(clip_ind, c.want) << c.f << " at " << c.hour;
    }
}

TEST_F(Background, ClipPlaysAboutEveryOtherTimeAndLeavesItsCloseCommand) {
    at(3, 7, 0, 0);
    freq = 10801;
    const std::string name = clip_table[0];
    int played = 0, skipped = 0;
    for (int i = 0; i < 200; ++i) {
        media_recorded_clear();
        std::strcpy(fbuf, "close earlier");
        clip();
        EXPECT_EQ(clip_ind, 0);
        const auto &rec = media_recorded();
        if (rec.empty()) {
            ++skipped;
            EXPECT_STREQ(fbuf, "close earlier");
            continue;
        }
        ++played;
        ASSERT_EQ(rec.size(), 1u);
        EXPECT_EQ(rec[0], "string play fone/" + name);
        EXPECT_EQ(std::string(fbuf), "close fone/" + name);
    }
    EXPECT_GT(played, 50);
    EXPECT_GT(skipped, 50);

    // With the CLIP switch off the clip is left out every time.
    clips = 0;
    for (int i = 0; i < 20; ++i) {
        media_recorded_clear();
        clip();
        EXPECT_TRUE(media_recorded().empty());
        EXPECT_EQ(clip_ind, CLIP_NONE);
    }
    clips = 1;

    // The next retune's stop closes the clip first, then the fixed recordings.
    std::snprintf(fbuf, FBUF_SIZE, "close fone/%s", name.c_str());
    media_recorded_clear();
    stop_all_devs();
    const auto &rec = media_recorded();
    auto close_clip = std::find(rec.begin(), rec.end(), "string close fone/" + name);
    auto close_sitor = std::find(rec.begin(), rec.end(), std::string("string close fone/sitorb.wav"));
    ASSERT_NE(close_clip, rec.end());
    ASSERT_NE(close_sitor, rec.end());
    EXPECT_LT(close_clip, close_sitor);
}

TEST_F(Background, OddHourClipIsSilentInEvenHoursAndNoClipAbove29MHz) {
    for (int i = 0; i < 40; ++i) {
        at(3, 6 + 2 * (i % 8), i, 0);
        Heard h = run_band(10605, 200 + i);
        EXPECT_TRUE(h.clip.empty());
        EXPECT_EQ(clip_ind, CLIP_NONE);
    }
    at(3, 7, 0, 0);
    freq = 30000;
    clip();
    EXPECT_EQ(clip_ind, CLIP_NONE);
    EXPECT_EQ(background_table(29).count, 0);
    EXPECT_EQ(background_table(30).count, 0);
    EXPECT_EQ(background_table(9).frequencies, nullptr);
}

TEST_F(Background, TableCountsAndCodeMix) {
    const int counts[] = {243, 194, 175, 271, 193, 121, 214, 180, 216, 205,
                          187, 77,  165, 144, 50,  58,  34,  20,  2};
    int total = 0;
    for (int b = 10; b <= 28; ++b) {
        EXPECT_EQ(background_table(b).count, counts[b - 10]) << b;
        total += counts[b - 10];
    }
    EXPECT_EQ(background_entries(), total);
    EXPECT_EQ(sizeof background_tab_13 / sizeof background_tab_13[0], 271u);
    EXPECT_EQ(sizeof prob_tab_21 / sizeof prob_tab_21[0], 77u);

    const BackgroundTable ten = background_table(10);
    const int32_t head_f[] = {10580, 10735, 10700, 10149}, head_c[] = {2, 2, 2, 3};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(ten.frequencies[i], head_f[i]);
        EXPECT_EQ(ten.codes[i], head_c[i]);
    }

    std::map<std::string, int> mix;
    std::map<int, int> divisors;
    int repeated = 0, outside = 0;
    for (int b = 10; b <= 28; ++b) {
        BackgroundTable tab = background_table(b);
        std::set<int> seen;
        for (int i = 0; i < tab.count; ++i) {
            int f = tab.frequencies[i], c = tab.codes[i];
            if (!seen.insert(f).second) ++repeated;
            if (f / 1000 != b) ++outside;
            EXPECT_GE(f, 9000);
            EXPECT_LE(f, 30000);
            if (c >= 0 && c <= 59) {
                ++mix["voice"];
                ++divisors[c];
            } else if (c == 61) ++mix["fax"];
            else if (c == 62) ++mix["sitor"];
            else if (c >= 91 && c <= 93) ++mix["carrier"];
            else if (c == 520) ++mix["data"];
            else if (c >= 100 && c <= 159) ++mix["50/170"];
            else if (c >= 160 && c <= 219) ++mix["50/425"];
            else if (c >= 220 && c <= 279) ++mix["50/850"];
            else if (c >= 280 && c <= 339) ++mix["75/170"];
            else if (c >= 340 && c <= 399) ++mix["75/425"];
            else if (c >= 400 && c <= 459) ++mix["75/850"];
            else if (c >= 460 && c <= 519) ++mix["arq-e"];
            else if (c >= 2000 && c <= 2719 && (c - 2000) % 120 < 60) ++mix["day"];
            else if (c >= 2000 && c <= 2719) ++mix["night"];
            else ADD_FAILURE() << "band " << b << " entry " << i << " has no action: " << c;
        }
    }
    EXPECT_EQ(mix["50/850"], 216);
    EXPECT_EQ(mix["50/425"], 120);
    EXPECT_EQ(mix["75/850"], 87);
    EXPECT_EQ(mix["arq-e"], 29);
    EXPECT_EQ(mix["fax"], 123);
    EXPECT_EQ(mix["sitor"], 116);
    EXPECT_EQ(mix["data"], 19);
    EXPECT_EQ(mix["carrier"], 20);
    EXPECT_EQ(mix["75/425"], 8);
    EXPECT_EQ(mix["50/170"], 1);
    EXPECT_EQ(mix["75/170"], 0);
    EXPECT_EQ(mix["day"], 9);
    EXPECT_EQ(mix["night"], 0);
    EXPECT_EQ(mix["voice"], total - 748);
    int common = 0;
    for (auto [d, n] : divisors) {
        EXPECT_GE(d, 2);
        EXPECT_LE(d, 19);
        if (d >= 3 && d <= 7) common += n;
    }
    EXPECT_GT(common * 2, mix["voice"]);
    EXPECT_GE(repeated, 170);
    EXPECT_LE(repeated, 210);
    EXPECT_GE(outside, 1);
    EXPECT_LE(outside, 10);
}

TEST_F(Background, ClipNames) {
    for (const char *bad : {"x-1-001.mp3", "X-1-01.mp3", "-1-01.mp3", "x-1-01.wav", "x--01.mp3", "x-1-01.mp3 "})
        EXPECT_FALSE(follows_clip_pattern(bad)) << bad;
    std::set<std::string> names;
    int filled = 0, serial82 = 0;
    for (int i = 0; i < CLIP_SLOTS; ++i) {
        const char *slot = clip_table[i];
        size_t len = strnlen(slot, CLIP_NAME_SIZE);
        ASSERT_LT(len, static_cast<size_t>(CLIP_NAME_SIZE)) << i;
        if (i >= 326) {
            EXPECT_EQ(len, 0u) << i;
            continue;
        }
        ASSERT_GT(len, 0u) << i;
        ++filled;
        std::string name(slot, len);
        EXPECT_TRUE(follows_clip_pattern(name)) << name;
        EXPECT_TRUE(names.insert(name).second) << name << " twice";
        if (name.find("-82.mp3") != std::string::npos) ++serial82;
    }
    EXPECT_EQ(filled, 326);
    EXPECT_GE(serial82, 2);
    EXPECT_LE(serial82, 12);
    for (const char *example : {"tgo-43-01.mp3", "g-586-01.mp3", "ddr-640-01.mp3", "usa-4396-01.mp3"})
        EXPECT_TRUE(names.count(example)) << example;
}

// The clip lists are code; the visitor reports every entry whose guard holds.
using Entry = std::pair<int, int>;  // frequency, clip index
std::vector<Entry> *g_sink = nullptr;
void remember(int f, int index) { g_sink->push_back({f, index}); }

using ClipList = void (*)();
const ClipList clip_lists[] = {clip_10, clip_11, clip_12, clip_13, clip_14, clip_15, clip_16,
                               clip_17, clip_18, clip_19, clip_20, clip_21, clip_22, clip_23,
                               clip_24, clip_25, clip_26, clip_27, clip_28, clip_29};

class ClipLists : public Background {
protected:
    // Walks a week in five-minute steps (every guard of the lists holds at
    // some of these instants) and calls back with each band's entries.
    template <class F>
    int walk_week(F &&each) {
        std::vector<Entry> entries;
        g_sink = &entries;
        clip_entry_visitor = remember;
        freq = 1;  // matches no entry, so clip_ind stays untouched
        int instants = 0;
        for (int d = 1; d <= 7; ++d)
            for (int h = 0; h < 24; ++h)
                for (int m = 0; m < 60; m += 5) {
                    at(d, h, m, 0);
                    ++instants;
                    for (int b = 10; b <= 29; ++b) {
                        entries.clear();
                        clip_lists[b - 10]();
                        each(b, h, entries);
                    }
                }
        clip_entry_visitor = nullptr;
        g_sink = nullptr;
        return instants;
    }
};

TEST_F(ClipLists, StayInTheirBandAndPointAtNamedClips) {
    std::map<int, std::set<Entry>> seen;
    walk_week([&](int b, int, const std::vector<Entry> &entries) { seen[b].insert(entries.begin(), entries.end()); });
    EXPECT_EQ(clip_ind, CLIP_NONE);
    std::set<int> used;
    size_t total = 0;
    for (auto &[b, pairs] : seen) {
        total += pairs.size();
        for (auto [f, index] : pairs) {
            EXPECT_EQ(f / 1000, b) << "clip entry " << f << " in clip_" << b;
            EXPECT_GE(index, 0);
            ASSERT_LT(index, CLIP_SLOTS);
            EXPECT_NE(clip_table[index][0], 0) << "clip entry " << f << " points at empty slot " << index;
            used.insert(index);
        }
    }
    EXPECT_TRUE(seen[28].empty());
    // About 1,880 entries; a list of frequencies counts once per frequency here.
    EXPECT_GT(total, 1700u);
    EXPECT_LT(total, 2100u);
    // Every named clip is heard somewhere.
    EXPECT_EQ(used.size(), 326u);
}

TEST_F(ClipLists, GuardMix) {
    // An unguarded entry is seen at every instant; an oh() entry in every
    // odd hour and no even one, and the other way round for eh().
    std::map<std::pair<int, Entry>, int> instants_seen;
    std::map<std::pair<int, Entry>, std::set<int>> hours_seen;
    int instants = walk_week([&](int b, int h, const std::vector<Entry> &entries) {
        std::set<Entry> once(entries.begin(), entries.end());
        for (const Entry &e : once) {
            ++instants_seen[{b, e}];
            hours_seen[{b, e}].insert(h);
        }
    });
    int always = 0, odd_only = 0, even_only = 0;
    for (auto &[key, n] : instants_seen) {
        if (n == instants) ++always;
        const std::set<int> &hs = hours_seen[key];
        int odd = 0;
        for (int h : hs) odd += h % 2;
        if (hs.size() == 12 && odd == 12) ++odd_only;
        if (hs.size() == 12 && odd == 0) ++even_only;
    }
    EXPECT_GT(always, 450);
    EXPECT_LT(always, 600);
    EXPECT_GT(odd_only, 380);
    EXPECT_GT(even_only, 350);
}

}  // namespace
}  // namespace kestrel::test
