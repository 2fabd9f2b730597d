// The census reads the band functions as written: blocks, heads, actions and
// parameters, and the tables they walk.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "bandplan/band_sources.h"
#include "bandplan/bands/coast_watch.h"
#include "bandplan/census.h"

namespace kestrel {
namespace {

const char *const sample = R"(
namespace kestrel {
namespace {
// if (at(13001)) { send_still("not an entry"); }
void evening() {
    if (at(13010) && ct(1800, 2200)) { p(24, 1000, 4); send_still("QRV? (A) if (at(13999)) K"); }
}
void background_block() {
    if (bkgnd) {
        if (at({13020, 13021, 14020})) rtlx_cond("GYA", 1000, 75, 3);
        if (day()) {
            if (within(13030, 13040)) { qrh = 2; send_cond_bug("CQ"); qrh = 0; }
        }
    }
}
void nested() { evening(); }
}  // namespace
void band_13() {
    band_start(13, 12);
    if (at(13050)) {
        if (t.wHour < 4) { p(20, 900, 3); nato_broadcast("A", "B", tab, 25); }
        else send_still("VVV");
    } else if (t.wMinute % 2) {
        sendf("%d", 1);
    }
    if (at(13050)) xxx_flash("RDL RDL", 1);
    if (hist && day()) { if (at(13060)) { spd = 30; ton = 750; send_still("DE GKA"); } }
    if (at(12999)) send_still("outside");
    if (hist) nested();
    background_block();
    coast_watch(coast_watch_13, coast_watch_13_count);
}
}  // namespace kestrel
)";

const CensusEntry *find(const std::vector<CensusEntry> &v, int freq) {
    for (const auto &e : v)
        if (std::find(e.freqs.begin(), e.freqs.end(), freq) != e.freqs.end() && e.file == "sample.cpp") return &e;
    return nullptr;
}

TEST(Census, ReadsEntriesBlocksActionsAndParameters) {
    auto v = census_of_source(13, "sample.cpp", sample);
    int own = static_cast<int>(std::count_if(v.begin(), v.end(), [](auto &e) { return e.file == "sample.cpp"; }));
    // Comments, texts and the entry outside the band do not count.
    EXPECT_EQ(own, 6);
    EXPECT_EQ(find(v, 13001), nullptr);
    EXPECT_EQ(find(v, 13999), nullptr);
    EXPECT_EQ(find(v, 12999), nullptr);

    const CensusEntry *e = find(v, 13010);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->block, "hist");  // evening() is called by nested(), called under hist
    EXPECT_EQ((std::vector<std::string>{"send_still"}), e->actions);
    EXPECT_EQ(e->spd, 24);
    EXPECT_EQ(e->ton, 1000);
    EXPECT_EQ(e->qsa, 4);

    e = find(v, 13020);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->block, "bkgnd");
    EXPECT_EQ((std::vector<int>{13020, 13021}), e->freqs);  // 14020 lies outside band 13
    EXPECT_EQ((std::vector<std::string>{"rtlx_cond"}), e->actions);
    EXPECT_EQ(e->spd, -1);

    auto range = std::find_if(v.begin(), v.end(), [](auto &x) { return !x.ranges.empty(); });
    ASSERT_NE(range, v.end());
    EXPECT_EQ(range->block, "bkgnd + day()");
    EXPECT_EQ(range->ranges[0], std::make_pair(13030, 13040));
    EXPECT_EQ(range->qrh, 2);  // set back to 0 after the action: still one setting

    // Variants chained with else belong to their entry; a second entry on the
    // same frequency is an entry of its own.
    auto on_13050 = std::count_if(v.begin(), v.end(), [](auto &x) { return x.freqs == std::vector<int>{13050}; });
    EXPECT_EQ(on_13050, 2);
    e = find(v, 13050);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ((std::vector<std::string>{"nato_broadcast", "send_still", "sendf"}), e->actions);

    e = find(v, 13060);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->block, "hist + day()");
    EXPECT_EQ(e->spd, 30);
    EXPECT_EQ(e->ton, 750);
    EXPECT_EQ(e->qsa, -1);

    // The coast stations of the table the function walks are entries of it.
    int rows = static_cast<int>(std::count_if(v.begin(), v.end(), [](auto &x) { return x.file == "coast_watch_13"; }));
    int in_band = 0;
    for (int i = 0; i < coast_watch_13_count; ++i) in_band += coast_watch_13[i].freq / 1000 == 13;
    EXPECT_EQ(rows, in_band);
    EXPECT_GT(rows, 0);
}

TEST(Census, SummaryCountsFrequenciesOnceAndMultiplicity) {
    auto v = census_of_source(13, "sample.cpp", sample);
    v.erase(std::remove_if(v.begin(), v.end(), [](auto &e) { return e.file != "sample.cpp"; }), v.end());
    CensusSummary s = summarize(v);
    EXPECT_EQ(s.entries, 6);
    EXPECT_EQ(s.bands[13].frequencies, 5);  // 13010, 13020, 13021, 13050, 13060
    EXPECT_EQ(s.multiplicity[1], 4);
    EXPECT_EQ(s.multiplicity[2], 1);
    EXPECT_EQ(s.actions["send_still"], 3);
    EXPECT_EQ(s.blocks["bkgnd"], 1);
    EXPECT_EQ(s.rare["qrh"], 1);
}

TEST(Census, BuiltInSourcesAreTheBandFilesAsTheyStand) {
    ASSERT_GE(band_source_count, 20);
    for (int i = 0; i < band_source_count; ++i) {
        std::ifstream in(std::string(KESTREL_SOURCE_DIR) + "/bandplan/bands/" + band_sources[i].file, std::ios::binary);
        ASSERT_TRUE(in) << band_sources[i].file;
        std::stringstream text;
        text << in.rdbuf();
        EXPECT_EQ(text.str(), band_sources[i].text) << band_sources[i].file << " is stale in the build";
    }
}

TEST(Census, TheDialHoldsItsTellingRows) {
    auto all = dial_census();
    auto on = [&](int f) {
        std::vector<const CensusEntry *> r;
        for (const auto &e : all)
            if (std::find(e.freqs.begin(), e.freqs.end(), f) != e.freqs.end()) r.push_back(&e);
        return r;
    };
    auto has = [](const std::vector<const CensusEntry *> &r, const char *action, const char *block) {
        return std::any_of(r.begin(), r.end(), [&](auto *e) {
            return e->block == block && std::find(e->actions.begin(), e->actions.end(), action) != e->actions.end();
        });
    };
    auto f10164 = on(10164);
    EXPECT_TRUE(has(f10164, "send_cond_par", ""));
    EXPECT_TRUE(has(f10164, "russian_navy_coast", ""));
    EXPECT_TRUE(has(f10164, "xxx_flash", ""));
    EXPECT_TRUE(has(f10164, "rtlx_cond", "bkgnd"));
    EXPECT_TRUE(has(on(10150), "send_still", "hist"));
    EXPECT_TRUE(has(on(10980), "fax", "bkgnd"));
    EXPECT_TRUE(has(on(13194), "send_cond_par", "reg2_day()"));
    EXPECT_TRUE(has(on(12700), "tfc_list", ""));
    EXPECT_TRUE(has(on(12700), "coast_station_ex", ""));  // NMR after 15 h
    EXPECT_TRUE(has(on(12700), "send_still", ""));        // 3DP4 through the night
    for (int f : {10915, 13825, 15765, 20636}) EXPECT_TRUE(has(on(f), "usarmy_fixed_net", "hist")) << f;
    for (const auto &e : all) EXPECT_TRUE(e.band >= 10 && e.band <= 29) << e.file << ":" << e.line;
}

}  // namespace
}  // namespace kestrel

namespace kestrel {
namespace {

// The dial keeps the size and shape it is built to: every band within a tenth
// of its planned entries and frequencies, and the blocks, the sharing of
// frequencies and the main kinds of station near the plan's figures.
TEST(Census, TheDialKeepsItsPlannedSizeAndShape) {
    CensusSummary s = summarize(dial_census());
    for (const BandShape &b : band_shape) {
        const auto &got = s.bands[b.band];
        EXPECT_GE(got.entries * 10, b.entries * 9) << "band " << b.band;
        EXPECT_LE(got.entries * 10, b.entries * 11) << "band " << b.band;
        EXPECT_GE(got.frequencies * 10, b.frequencies * 9) << "band " << b.band;
        EXPECT_LE(got.frequencies * 10, b.frequencies * 11) << "band " << b.band;
    }
    auto at_least = [](int got, int plan, const std::string &what) {
        EXPECT_GE(got * 10, plan * 9) << what << ": " << got << " against " << plan;
    };
    at_least(s.blocks[""], 3500, "entries in no block");
    at_least(s.blocks["bkgnd"], 1350, "bkgnd");
    at_least(s.blocks["day()"], 700, "day()");
    at_least(s.blocks["hist"], 720, "hist");
    at_least(s.blocks["reg2_day()"] + s.blocks["reg3f_day()"] + s.blocks["reg3m_day()"] + s.blocks["reg1rus_day()"], 220,
             "regional daylight");
    at_least(s.multiplicity[1], 3900, "frequencies with one entry");
    at_least(s.multiplicity[2], 970, "frequencies with two");
    at_least(s.multiplicity[3], 310, "frequencies with three");
    int teleprinters = 0;
    for (const auto &[action, n] : s.actions)
        if (action.rfind("rtlx", 0) == 0 && action != "rtlx_opchat") teleprinters += n;
    at_least(teleprinters, 550 + 510, "teleprinters");
    at_least(s.actions["send_still"], 1000, "send_still");
    at_least(s.actions["send_cond"], 430, "send_cond");
    at_least(s.actions["sitor_marker"], 95, "sitor_marker");
    at_least(s.actions["coast_station_ex"], 540, "coast_station_ex");
    // Strength 4 and 3 the most common, tones up to the top of the range.
    for (const auto &[q, n] : s.qsa) {
        if (q != 3 && q != 4) {
            EXPECT_LT(n, s.qsa[4]) << "strength " << q;
        }
    }
    EXPECT_GE(s.ton.rbegin()->first, 2300);
}

}  // namespace
}  // namespace kestrel
