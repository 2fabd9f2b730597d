// Traffic lists, national fleets and the other maritime stations: what a
// listener checks against the register and the clock.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "procedures/send.h"
#include "state/receiver.h"
#include "support/fixture.h"
#include "bandplan/bands/maritime_lists.h"
#include "traffic/fleets.h"
#include "traffic/reset.h"
#include "traffic/vessels.h"

namespace kestrel::test {
namespace {

class Fleets : public Kestrel {
protected:
    void at(int hour, int minute, int second, int ms, unsigned seed) {
        reception_at(2026, 3, 10, hour, minute, second, ms, seed);
        traffic_reset();
    }
};

int row_of(const std::string &call) {
    for (int i = 0; i < VSL_ROWS; ++i)
        if (call == vsl[i]) return i;
    return -1;
}

// The calls of a list between "QTC FOR " and " = + DE".
std::vector<std::string> listed(const std::string &slot, const char *start, const char *end) {
    const size_t a = slot.rfind(start), b = slot.find(end);
    std::vector<std::string> out;
    if (a == std::string::npos || b == std::string::npos) return out;
    std::istringstream words(slot.substr(a + std::strlen(start), b - a - std::strlen(start)));
    for (std::string w; words >> w;) out.push_back(w);
    return out;
}

TEST_F(Fleets, TrafficListsWalkTheRegisterOnceAndSkipTheirCqAfterAnAnnouncement) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        at(10, 5, 0, 0, seed);
        tfc_list(3, 2, "DAN");
        ASSERT_EQ(send_call, 1);
        const std::string s = send_buf[0];
        EXPECT_EQ(s.rfind("CQ CQ CQ DE DAN DAN DAN TFC LIST *", 0), 0u);
        const auto calls = listed(s, "QTC FOR ", " = + DE DAN PSE K");
        int last = -1;
        for (const std::string &c : calls) {
            const int row = row_of(c);
            ASSERT_GE(row, 0) << c;
            ASSERT_GT(row, last) << "a row listed twice or out of order: " << c;
            last = row;
        }
        // About one row in eight, less the ones skipped after a listed row.
        EXPECT_GT(calls.size(), 120u);
        EXPECT_LT(calls.size(), 300u);
    }
    at(10, 5, 0, 0, 3);
    tfc_anmt("QTC FOR DGJY PSE QRV  ");
    tfc_list(1, 4, "DAN");
    const std::string s = send_buf[0];
    EXPECT_EQ(s.rfind("QTC FOR DGJY PSE QRV  QTC FOR DGJY PSE QRV  HR TFC LIST = QTC FOR ", 0), 0u) << s.substr(0, 100);
    EXPECT_EQ(s.find("TFC LIST *"), std::string::npos);
    EXPECT_EQ(anm_sent, 0);

    for (int hour : {10, 11}) {
        at(hour, 5, 0, 0, 5);
        gkb_tfc_list();
        const std::string g = send_buf[0];
        const auto calls = listed(g, "= TFC LIST =  ", " + DE GKA +");
        ASSERT_FALSE(calls.empty());
        for (const std::string &c : calls) {
            const std::string call = c.substr(0, c.find('/'));
            const bool british = call[0] == 'G' || call[0] == 'M';
            EXPECT_EQ(british, hour == 10) << hour << " h: " << c;
        }
    }
}

// The lists of the band plan hold a few dozen ships, more at the big
// stations than at the small ones; a list announced for one flag lists only
// ships of that flag.
TEST_F(Fleets, ListsOfTheBandPlanHoldAFewDozenShipsAndNationalListsTheirFlag) {
    int longest = 0, shortest = 1 << 30;
    for (int i = 0; i < tfc_list_entry_count; ++i) {
        const TfcListEntry &r = tfc_list_entries[i];
        at(10, r.from_min, 0, 0, static_cast<unsigned>(i + 1));
        tfc_list(r.style, r.density, r.coast);
        ASSERT_EQ(send_call, 1);
        char end[40];
        std::snprintf(end, sizeof end, " = + DE %s PSE K", r.coast);
        const auto words = listed(send_buf[0], "QTC FOR ", end);
        const int ships = static_cast<int>(words.size()) / (r.style == 1 ? 2 : 1);
        EXPECT_GE(ships, 5) << r.coast << " on " << r.freq;
        EXPECT_LE(ships, 100) << r.coast << " on " << r.freq;
        longest = std::max(longest, ships);
        shortest = std::min(shortest, ships);
    }
    // Spread, not one size for every station.
    EXPECT_GT(longest, 2 * shortest);

    for (unsigned seed = 1; seed <= 12; ++seed) {
        at(10, 10, 0, 0, seed);
        tfc_anmt("CQ DE HEB HEB = SWISS SHIPS QTC = ");
        national_tfc_list(2, "HEB", "HB");
        ASSERT_EQ(send_call, 1);
        const auto items = listed(send_buf[0], "QTC FOR ", " = + DE HEB PSE K");
        ASSERT_FALSE(items.empty()) << send_buf[0];
        for (const std::string &item : items) {
            const std::string call = item.substr(item.rfind('/') + 1);
            EXPECT_EQ(call.rfind("HB", 0), 0u) << item;
            EXPECT_GE(row_of(call), 0) << item;
        }
    }
    at(10, 10, 0, 0, 1);
    national_tfc_list(2, "HEB", "Q9");  // no ship of that flag: nothing at all
    EXPECT_EQ(send_call, 0);
    EXPECT_EQ(send_buf[0][0], 0);
}

TEST_F(Fleets, NationalFleetsAndSeriesTakeTheirOwnShipsOrStaySilent) {
    at(10, 5, 0, 0, 1);
    national_fleet("DAN", "Q9", 5);  // no register call has the prefix
    EXPECT_EQ(send_call, 0);
    EXPECT_STREQ(send_buf[0], "");

    // Polish ships work Szczecin. Some exchanges name no ship and a telegram
    // receipt draws one of its own, so about two in five name a Polish ship;
    // ships drawn at random would be Polish about one time in twenty-five.
    int polish = 0;
    for (unsigned seed = 1; seed <= 50; ++seed) {
        at(10, 5, 0, static_cast<int>(seed), seed);
        national_fleet("SPE", "SP", 69);
        EXPECT_EQ(national_fleet_flag, 0) << "vsl_tfc clears the flag";
        std::string all;
        for (int k = 0; k < send_call; ++k) all += send_buf[k];
        for (const char *px : {"DE SP", "DE SQ", "DE SR", " SP", " SQ", " SR"})
            if (all.find(px) != std::string::npos) {
                ++polish;
                break;
            }
    }
    EXPECT_GT(polish, 10);

    for (int slot = 2; slot <= 60; ++slot) {
        ASSERT_TRUE(assigned_calls[slot][0][0]) << "slot " << slot << " has no call";
        for (const auto &c : assigned_calls[slot]) {
            if (!c[0]) continue;
            EXPECT_GE(row_of(c), 0) << "slot " << slot << " call " << c << " is not in the register";
        }
    }
    for (int slot : {0, 1, 61}) {
        at(10, 5, 0, 0, 1);
        assigned_series(slot);
        EXPECT_EQ(send_call, 0) << slot;
    }
    at(10, 5, 0, 0, 9);
    assigned_series(17);
    bool one_of_slot = false;
    for (const auto &c : assigned_calls[17]) one_of_slot = one_of_slot || std::strcmp(c, __vsl) == 0;
    EXPECT_TRUE(one_of_slot) << __vsl;
}

TEST_F(Fleets, DirectionFindingAndTheSmallerStations) {
    // With HIST off no bearing is given in the seconds that are multiples of three.
    hist = 0;
    at(10, 5, 3, 0, 1);
    marine_qte(4, "");
    EXPECT_EQ(send_call, 0);
    hist = 1;
    at(10, 5, 3, 0, 1);
    marine_qte(2, "");
    ASSERT_EQ(send_call, 1);
    EXPECT_NE(std::string(send_buf[0]).find("= QTE? +"), std::string::npos);
    at(10, 5, 4, 0, 1);
    marine_qte(4, "");
    ASSERT_EQ(send_call, 1);
    const std::string q = send_buf[0];
    EXPECT_NE(q.find(std::string(__vsl) + " DE "), std::string::npos);
    EXPECT_NE(q.find("QTE? K"), std::string::npos);
    EXPECT_TRUE(q.find("MOMOMOMO") != std::string::npos || q.find("AAAAAAAAAA") != std::string::npos);

    at(10, 5, 4, 0, 2);
    port_radio("OST4");
    ASSERT_EQ(send_call, 1);
    EXPECT_EQ(std::string(send_buf[0]).rfind(std::string(__vsl) + " DE OST4 K", 0), 0u) << send_buf[0];
    EXPECT_EQ(qsa_table[0], 1);

    at(10, 5, 4, 0, 2);  // a small coast station keeps silent unless the second is a multiple of three
    small_coast_station("SPH", 0);
    EXPECT_EQ(send_call, 0);
    at(10, 5, 6, 0, 2);
    small_coast_station("SPH", 0);
    ASSERT_EQ(send_call, 1);
    EXPECT_EQ(std::string(send_buf[0]).rfind(std::string(__vsl) + " DE SPH QRJ OK QSS? K", 0), 0u);
    at(10, 5, 3, 0, 2);
    small_coast_station("SPH", 0);
    EXPECT_EQ(std::string(send_buf[0]).rfind("?? DE SPH K", 0), 0u);

    at(10, 5, 3, 0, 4);  // the OBS receipt only in hours that are multiples of three
    rcvg_obs_msg("DAN");
    EXPECT_EQ(send_call, 0);
    at(9, 5, 3, 0, 4);
    rcvg_obs_msg("DAN");
    EXPECT_EQ(std::string(send_buf[0]).rfind("CFM HR QSP OBS K", 0), 0u);
}

}  // namespace
}  // namespace kestrel::test
