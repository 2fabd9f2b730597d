// Amateur and aeronautical traffic: the database draws, the shape of a QSO,
// DX expeditions and contests, and the gates of the aeronautical stations.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <regex>
#include <set>
#include <string>

#include "platform/clock.h"
#include "procedures/send.h"
#include "state/receiver.h"
#include "support/fixture.h"
#include "synth/params.h"
#include "traffic/aero.h"
#include "traffic/amateur.h"

namespace kestrel::test {
namespace {

class AmateurAero : public Kestrel {
protected:
    void at(int minute, int second, int ms, unsigned seed, int hour = 12) {
        reception_at(2026, 3, 10, hour, minute, second, ms, seed);
    }
    static std::string slot(int k) { return send_buf[k]; }
};

// Each turn of a dialog begins with its station's parameter codes: speed
// (code 1 and its value), then tone (code 2).
int turns(const std::string &s) {
    int n = 0;
    for (size_t i = 0; i + 2 < s.size(); ++i)
        if (s[i] == char(CODE_SPD) && s[i + 2] == char(CODE_TON)) ++n, i += 2;
    return n;
}

TEST_F(AmateurAero, TwoStationsAreDifferentAndComplete) {
    at(0, 0, 0, 1);
    for (int i = 0; i < 3000; ++i) {
        find_2stns();
        ASSERT_NE(am1_nr, am2_nr);
        ASSERT_LT(am1_nr, 591);
        ASSERT_LT(am2_nr, 591);
        ASSERT_TRUE(name_1[0] && name_2[0] && qth_1[0] && qth_2[0]) << am1_nr << " " << am2_nr;
        ASSERT_STREQ(am_1, amateur[am1_nr]);
        ASSERT_STREQ(qth_2, amateur_qth[am2_nr]);
    }
    std::set<std::string> calls(std::begin(amateur), std::end(amateur));
    EXPECT_EQ(calls.size(), size_t(AMATEUR_ROWS)) << "two database rows share a call";
    EXPECT_STREQ(amateur_ant[0], "DIPOLE");
    EXPECT_STREQ(amateur_wx[0], "SUNNY");
}

TEST_F(AmateurAero, AQsoHasEightOversInEvenMinutesAndSixInOdd) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        for (int minute : {10, 11}) {
            at(minute, 1, 1, seed);
            find_2stns();
            const std::string a1 = am_1, a2 = am_2, n1 = name_1, n2 = name_2, q1 = qth_1;
            const int kept = am1_nr;
            amateur_qso();
            ASSERT_EQ(send_call, 1);
            const std::string s = slot(0);
            // The closing "TU e e" is station 1's last turn, not an over.
            EXPECT_EQ(turns(s) - 1, minute % 2 == 0 ? 8 : 6) << s.substr(0, 200);
            EXPECT_NE(s.find(a1 + " DE " + a2 + " " + a2 + " K"), std::string::npos);
            EXPECT_NE(s.find(" MY NAME " + n1 + " " + n1 + " QTH " + q1 + " " + q1 + " HW? " + a2 + " DE " + a1 + " K"),
                      std::string::npos)
                << s.substr(0, 300);
            EXPECT_NE(s.find("CFM " + n1 + " UR RST 5"), std::string::npos);
            // Station 1 stays for the next partner.
            EXPECT_EQ(am1_nr, kept);
            EXPECT_EQ(std::string(am_1), a1);
            EXPECT_NE(am2_nr, kept);
        }
    }
}

TEST_F(AmateurAero, ExpeditionsAndContests) {
    for (unsigned seed = 1; seed <= 10; ++seed) {
        at(10, 0, 0, seed);
        amateur_dx();
        const std::string s = slot(0);
        // Split the slot into the 25 contacts at each report.
        std::vector<std::string> parts;
        size_t from = 0;
        for (size_t at_ = s.find(" 5NN"); at_ != std::string::npos; at_ = s.find(" 5NN", at_ + 4)) {
            parts.push_back(s.substr(from, at_ - from));
            from = at_ + 4;
        }
        ASSERT_EQ(parts.size(), 25u);
        for (int i = 0; i < 25; ++i) {
            const bool partial = parts[i].find('?') != std::string::npos;
            EXPECT_EQ(partial, i == 6 || i == 13 || i == 20) << "caller " << i + 1 << ": " << parts[i];
            const bool cq = parts[i].find("CQ CQ CQ DE") != std::string::npos;
            EXPECT_EQ(cq, i == 0 || i == 14) << "caller " << i + 1;
        }
    }
    at(10, 0, 0, 3);
    contest_qso();
    const std::string c = slot(0);
    std::regex serial(" 5NN([0-9]{3}) K   ");
    std::vector<int> serials;
    for (auto it = std::sregex_iterator(c.begin(), c.end(), serial); it != std::sregex_iterator(); ++it) {
        const size_t pos = static_cast<size_t>(it->position());
        if (pos >= 2 && c.compare(pos - 2, 2, "TU") == 0) continue;  // the caller's own report
        serials.push_back(std::stoi((*it)[1]));
    }
    ASSERT_EQ(serials.size(), 20u);
    for (size_t i = 1; i < serials.size(); ++i) EXPECT_EQ(serials[i], serials[i - 1] + 1);
    EXPECT_NE(c.find("CQ TEST "), std::string::npos);
}

TEST_F(AmateurAero, AeronauticalGates) {
    at(10, 7, 0, 1);
    aero_fixed("CMH", "WSY", 10);
    EXPECT_EQ(send_call, 0) << "every tenth second only";
    at(10, 7, 0, 1);
    aero_fixed("CMH", "WSY", 1);
    EXPECT_EQ(send_call, 1);
    std::set<int> flights;
    for (unsigned seed = 1; seed <= 200; ++seed) {
        at(10, 20, 0, seed);
        aero_fixed("CMH", "WSY", 10);
        ASSERT_EQ(send_call, 1);
        int flight = 0;
        const size_t f = slot(0).find(" FLIGHT ");
        if (f == std::string::npos) continue;  // the test call
        std::sscanf(slot(0).c_str() + f, " FLIGHT %d", &flight);
        flights.insert(flight);
    }
    ASSERT_FALSE(flights.empty());
    EXPECT_GE(*flights.begin(), 2);
    EXPECT_LE(*flights.rbegin(), 21);

    // A given aircraft call leads to the first row that shares its first or
    // second letter; a call that matches none gives a random aircraft.
    at(10, 5, 0, 1);
    a2g_dx_acft("DXXXX", "SVA");
    EXPECT_NE(slot(0).find("TEST DE DAGAR DAGAR DAGAR"), std::string::npos) << slot(0);
    at(10, 5, 0, 1);
    a2g_dx_acft("99999", "SVA");
    const std::string s = slot(0);
    const size_t de = s.find("TEST DE ");
    ASSERT_NE(de, std::string::npos);
    const std::string call = s.substr(de + 8, 5);
    EXPECT_TRUE(std::any_of(std::begin(acft), std::end(acft), [&](const char *r) { return call == r; })) << call;
    at(11, 5, 0, 1);  // odd minute: the aircraft is not heard
    a2g_dx_acft("", "SVA");
    EXPECT_STREQ(send_buf[0], "");
}

}  // namespace
}  // namespace kestrel::test
