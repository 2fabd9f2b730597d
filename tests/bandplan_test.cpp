// The band dispatch: which entries fire by frequency, block and clock, with
// what parameters, and the per-band bookkeeping.
#include <gtest/gtest.h>

#include <cstring>

#include "bandplan/bands.h"
#include "bandplan/bands/coast_watch.h"
#include "bandplan/bands/maritime_lists.h"
#include "bandplan/entry.h"
#include "platform/clock.h"
#include "platform/media.h"
#include "procedures/predicates.h"
#include "procedures/send.h"
#include "state/log.h"
#include "state/receiver.h"
#include "support/fixture.h"
#include "synth/channels.h"
#include "synth/params.h"
#include "traffic/vessel_texts.h"

namespace kestrel::test {
namespace {

class BandPlan : public Kestrel {
protected:
    void tune(int khz, int year, int month, int day_, int hour, int minute, int second = 0) {
        test_clock_set(year, month, day_, hour, minute, second, 0);
        freq = khz;
        stop_all_devs();
        media_recorded_clear();
        bands();
    }
    int slot_with(const char *what) const {
        for (int k = 0; k < send_call; ++k)
            if (std::strstr(send_buf[k], what)) return k;
        return -1;
    }
};

TEST_F(BandPlan, TopOfTheDialHasNoBandFunction) {
    tune(30000, 2026, 3, 10, 12, 0);
    EXPECT_EQ(send_call, 0);
    EXPECT_EQ(band, 30);
    EXPECT_EQ(band_function(30), nullptr);
    EXPECT_NE(band_function(29), nullptr);
    for (const std::string &c : media_recorded()) EXPECT_EQ(c.rfind("channel_play", 0), std::string::npos) << c;
}

TEST_F(BandPlan, ABeaconEntryQueuesWithItsOwnParameters) {
    tune(10512, 2026, 3, 10, 12, 0);
    int k = slot_with("VVV VVV VVV AQP2/4/5/6/7/8");
    ASSERT_GE(k, 0);
    EXPECT_EQ(spd_table[k], 23);
    EXPECT_EQ(ton_table[k], 1400);
    EXPECT_EQ(qsa_table[k], 4);
    EXPECT_TRUE(channel_busy(k));
    bool played = false;
    for (const std::string &c : media_recorded()) played |= c == "channel_play " + std::to_string(k) + " TOVA" + std::to_string(k) + ".WAV";
    EXPECT_TRUE(played);
    // A list entry fires on each of its frequencies.
    for (int f : {10272, 10446}) {
        tune(f, 2026, 3, 10, 12, 0);
        k = slot_with("DE GYU QSX 4 6");
        ASSERT_GE(k, 0) << f;
        EXPECT_EQ(spd_table[k], 12);
        EXPECT_EQ(ton_table[k], 600);
    }
}

TEST_F(BandPlan, ClockGuardsOpenAndCloseStations) {
    tune(10554, 2026, 3, 10, 8, 27);
    EXPECT_GE(slot_with("QRA DE Y7A46"), 0);
    tune(10554, 2026, 3, 10, 8, 30);
    EXPECT_LT(slot_with("QRA DE Y7A46"), 0);
    tune(10980, 2026, 3, 10, 9, 45);
    EXPECT_GE(slot_with("BOLETIM METEOROLOGICO"), 0);
    tune(10980, 2026, 3, 10, 10, 0);
    EXPECT_LT(slot_with("BOLETIM METEOROLOGICO"), 0);
    // 10164 on a Wednesday does not run the call of CMU967 (2026-12-09 is a Wednesday).
    for (int i = 0; i < 20; ++i) {
        tune(10164, 2026, 12, 9, 12, 1, i);
        EXPECT_LT(slot_with("RIW RIW RIW DE CMU967 CMU967 K"), 0);
    }
    // On a Tuesday it is heard on some of the tunings (cond(4) and send_cond's own chance).
    test_clock_step(11);
    int heard = 0;
    for (int i = 0; i < 80; ++i) {
        tune(10164, 2026, 12, 8, 12, 1, i % 60);
        heard += slot_with("RIW RIW RIW DE CMU967 CMU967 K") >= 0;
    }
    EXPECT_GT(heard, 0);
    EXPECT_LT(heard, 80);
}

TEST_F(BandPlan, HistAndBackgroundBlocksFollowTheirSwitches) {
    hist = 1;
    tune(10150, 2026, 3, 10, 1, 0);
    EXPECT_GE(slot_with("DFH/DIS"), 0);
    hist = 0;
    tune(10150, 2026, 3, 10, 1, 0);
    EXPECT_LT(slot_with("DFH/DIS"), 0);

    bkgnd = 1;
    tune(10217, 2026, 3, 10, 12, 4);
    EXPECT_NE(std::find(media_recorded().begin(), media_recorded().end(), "string play fone/rtt-001.wav"),
              media_recorded().end());
    bkgnd = 0;
    // With BGND off no teleprinter, fax, SITOR or clip recording starts anywhere
    // in the band (voice entries of the station list may still speak).
    for (int f = 10000; f < 11000; ++f) {
        tune(f, 2026, 3, 10, 12, 4);
        for (const std::string &c : media_recorded()) {
            ASSERT_EQ(c.find(".mp3"), std::string::npos) << f << ": " << c;
            for (const char *machine : {"rtt-", "fax-", "sitorb"})
                ASSERT_TRUE(c.find(machine) == std::string::npos || c.rfind("string close", 0) == 0) << f << ": " << c;
        }
    }
}

TEST_F(BandPlan, EntryWithStrengthAndCutZeroOnlyInTheFirstSeconds) {
    tune(11096, 2026, 3, 10, 14, 7, 5);
    int k = slot_with("=991407??0?????");
    ASSERT_GE(k, 0);
    EXPECT_EQ(sz_table[k], 1);
    EXPECT_EQ(spd_table[k], 25);
    tune(11096, 2026, 3, 10, 14, 7, 30);
    EXPECT_LT(slot_with("=99"), 0);
}

TEST_F(BandPlan, DataBurstsUseShiftKeyingAndTheirSpeedByte) {
    tune(22186, 2026, 3, 10, 12, 0);
    int k = slot_with("ZZZZZZZZZZZZZZZ");
    ASSERT_GE(k, 0);
    EXPECT_EQ(f1_table[k], 1);
    EXPECT_EQ(spd_table[k], 300);
    EXPECT_EQ(qsa_table[k], 1);
}

TEST_F(BandPlan, EveryBandLogsItsStartAndEndAndSetsTheMaritimeBand) {
    debug = 1;
    const int marine[20] = {8, 12, 12, 12, 12, 16, 16, 16, 16, 16, 22, 22, 22, 22, 22, 22, 22, 22, 22, 22};
    for (int b = 10; b <= 29; ++b) {
        tune(b * 1000 + 999, 2026, 3, 10, 12, 0);
        EXPECT_EQ(marine_band, marine[b - 10]) << b;
    }
    debug = 0;
    std::string log = read_text("TOVA_LOG.TXT");
    for (int b = 10; b <= 29; ++b) {
        std::string start = " Function: band start " + std::to_string(b) + " MHz \n Info:  \n";
        std::string end = " Function: band end " + std::to_string(b) + " MHz \n Info: send_call \n";
        EXPECT_NE(log.find(start), std::string::npos) << b;
        EXPECT_NE(log.find(end), std::string::npos) << b;
    }
}

}  // namespace
}  // namespace kestrel::test

namespace kestrel::test {
namespace {

// A coast station that sends its traffic list on a channel it watches is not
// heard behind its marker there at the same time; outside the list it is.
TEST_F(BandPlan, ACoastStationsListTakesTheChannelFromItsWatch) {
    const CoastWatch *tables[] = {coast_watch_12, coast_watch_13, coast_watch_16, coast_watch_17,
                                  coast_watch_19, coast_watch_22, coast_watch_25, coast_watch_26};
    const int counts[] = {coast_watch_12_count, coast_watch_13_count, coast_watch_16_count, coast_watch_17_count,
                          coast_watch_19_count, coast_watch_22_count, coast_watch_25_count, coast_watch_26_count};
    int checked = 0;
    for (int i = 0; i < tfc_list_entry_count && checked < 5; ++i) {
        const TfcListEntry &l = tfc_list_entries[i];
        for (int tb = 0; tb < 8; ++tb) {
            for (int r = 0; r < counts[tb]; ++r) {
                const CoastWatch &w = tables[tb][r];
                if (w.freq != l.freq || std::strcmp(w.call, l.coast) != 0 || w.from || w.to) continue;
                int hour = 0;
                while (!(l.hours >> hour & 1u)) ++hour;
                // A marker without its trailing blanks identifies the watch.
                std::string marker = w.marker;
                marker.erase(marker.find_last_not_of(' ') + 1);
                tune(l.freq, 2026, 3, 10, hour, l.from_min);
                EXPECT_GE(slot_with("TFC LIST"), 0) << l.freq << " " << l.coast;
                EXPECT_LT(slot_with(marker.c_str()), 0) << l.freq << " " << l.coast;
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 0);
}

}  // namespace
}  // namespace kestrel::test
