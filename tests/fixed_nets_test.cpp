// The fixed nets: each a net of its own, with members of its service and
// country, on at most three frequencies at any hour, moving between its night
// and day frequencies.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>

#include "bandplan/bands.h"
#include "bandplan/census.h"
#include "bandplan/fixed_nets.h"
#include "platform/clock.h"
#include "platform/media.h"
#include "procedures/procedures.h"
#include "procedures/send.h"
#include "state/receiver.h"
#include "support/fixture.h"
#include "synth/channels.h"
#include "traffic/netcheck.h"

namespace kestrel::test {
namespace {

bool on_at(const NetSked &r, int h) {
    return r.from_h < r.to_h ? (h >= r.from_h && h < r.to_h) : (h >= r.from_h || h < r.to_h);
}

bool word_in(const std::string &s, const std::string &w) {
    for (size_t at = s.find(w); at != std::string::npos; at = s.find(w, at + 1)) {
        const bool before = at == 0 || s[at - 1] == ' ';
        const size_t end = at + w.size();
        const bool after = end == s.size() || s[end] == ' ';
        if (before && after) return true;
    }
    return false;
}

class Nets : public Kestrel {};

TEST_F(Nets, EachNetHasItsOwnMembersAndAtMostThreeFrequenciesAnHour) {
    std::set<std::string> all_calls;
    for (int n = 0; n < FIXED_NETS; ++n) {
        const FixedNet &net = fixed_nets[n];
        ASSERT_GE(net.count, 4) << net.name;
        ASSERT_LE(net.count, NET_MAX_MEMBERS) << net.name;
        for (int k = 0; k < net.count; ++k)
            EXPECT_TRUE(all_calls.insert(net.calls[k]).second) << net.calls[k] << " in two nets or twice in " << net.name;
        std::set<int> freqs, day, night;
        for (int h = 0; h < 24; ++h) {
            std::set<int> on;
            for (int i = 0; i < net_sked_count; ++i)
                if (net_skeds[i].net == n && on_at(net_skeds[i], h)) on.insert(net_skeds[i].freq);
            EXPECT_LE(on.size(), 3u) << net.name << " at " << h << " h";
            EXPECT_FALSE(on.empty()) << net.name << " is off at " << h << " h";
            if (h == 12) day = on;
            if (h == 0) night = on;
        }
        for (int i = 0; i < net_sked_count; ++i)
            if (net_skeds[i].net == n) freqs.insert(net_skeds[i].freq);
        // A net on several frequencies moves between them with the hour.
        if (freqs.size() > 1) {
            EXPECT_NE(day, night) << net.name;
            EXPECT_GT(*day.rbegin(), *night.begin()) << net.name << ": the day frequencies are the higher ones";
        }
    }
    // The tactical nets aside, a net's calls share their country's prefix.
    for (int n : {NET_RU_NAVY_BALTIC, NET_FR_AIR_1, NET_FR_NAVY_2, NET_US_NAVY, NET_UK_NAVY, NET_IT_NAVY, NET_CZ_DIPLO}) {
        const FixedNet &net = fixed_nets[n];
        for (int k = 1; k < net.count; ++k) EXPECT_EQ(net.calls[k][0], net.calls[0][0]) << net.name << " " << net.calls[k];
    }
}

TEST_F(Nets, EveryScheduledFrequencyHasItsEntryAndEveryEntryItsSchedule) {
    std::set<int> entries;
    for (const CensusEntry &e : dial_census())
        if (std::find(e.actions.begin(), e.actions.end(), "fixed_net") != e.actions.end())
            entries.insert(e.freqs.begin(), e.freqs.end());
    std::set<int> skeds;
    for (int i = 0; i < net_sked_count; ++i) skeds.insert(net_skeds[i].freq);
    EXPECT_EQ(entries, skeds);
    EXPECT_GE(skeds.size(), 90u);
}

// Heard on the dial: over a day, no net's control and members are heard on
// more than three frequencies at one instant.
TEST_F(Nets, NoNetIsHeardOnMoreThanThreeFrequenciesAtOnce) {
    media_use(&media_null);
    set_retune_hook(bands_compose);
    std::set<int> freqs;
    for (int i = 0; i < net_sked_count; ++i) freqs.insert(net_skeds[i].freq);
    int heard_total = 0;
    for (int hour = 0; hour < 24; hour += 2)
        for (int minute : {3, 14, 25, 36, 47, 58}) {
            std::map<int, std::set<int>> heard;  // net -> frequencies
            for (int f : freqs) {
                test_clock_set(2025, 7, 9, hour, minute, 0, 0);  // a Wednesday
                test_clock_step(3);
                hist = bkgnd = 1;
                freq = f;
                stop_all_devs();
                bands_compose();
                for (int k = 0; k < send_call && k < 7; ++k) {
                    const std::string s = send_buf[k];
                    for (int n = 0; n < FIXED_NETS; ++n) {
                        const FixedNet &net = fixed_nets[n];
                        // A net check: the control station and at least two of its members.
                        if (!word_in(s, net.calls[0])) continue;
                        int members = 0;
                        for (int m = 1; m < net.count; ++m) members += word_in(s, net.calls[m]);
                        if (members >= 2) heard[n].insert(f);
                    }
                }
            }
            for (const auto &[n, fs] : heard) {
                EXPECT_LE(fs.size(), 3u) << fixed_nets[n].name << " at " << hour << ":" << minute;
                heard_total += static_cast<int>(fs.size());
            }
        }
    set_retune_hook(nullptr);
    EXPECT_GT(heard_total, 100);  // the nets are on the air, not silenced
}

}  // namespace
}  // namespace kestrel::test
