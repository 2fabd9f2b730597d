// Weather and navigational warnings: the synoptic hour, the code groups, the
// clock in the bulletins and the schedules a listener would notice.
#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "procedures/send.h"
#include "state/receiver.h"
#include "support/fixture.h"
#include "synth/params.h"
#include "traffic/vessels.h"
#include "traffic/weather.h"

namespace kestrel::test {
namespace {

class Weather : public Kestrel {
protected:
    void at(int year, int month, int day, int hour, int minute, unsigned seed = 1) {
        reception_at(year, month, day, hour, minute, 7, 0, seed);
        plain_params();
    }
    static std::string slot(int k) { return send_buf[k]; }
};

std::vector<std::string> words(const std::string &s) {
    std::istringstream in(s);
    std::vector<std::string> out;
    for (std::string w; in >> w;) out.push_back(w);
    return out;
}

TEST_F(Weather, SynopticHourAndCodeGroups) {
    const struct {
        int hour, minute, expect;
    } cases[] = {{0, 0, 0}, {5, 59, 0}, {6, 0, 6}, {11, 59, 6}, {12, 0, 12}, {17, 59, 12}, {18, 0, 18}, {23, 0, 18}};
    for (const auto &c : cases) {
        at(2026, 3, 10, c.hour, c.minute);
        EXPECT_EQ(meteo_hour(), c.expect) << c.hour << ":" << c.minute;
    }
    // The fourth field pair of the Ukrainian code is twice the tens of the
    // difference of the two pressure-like values: an even number 0..8.
    for (unsigned seed = 1; seed <= 300; ++seed) {
        at(2026, 3, 10, 12, 0, seed);
        ukr_code("339");
        const auto w = words(send_buf[0]);
        ASSERT_EQ(w.size(), 7u) << send_buf[0];
        EXPECT_EQ(w[0], "339");
        const int a = std::stoi(w[1].substr(0, 3)), b = std::stoi(w[3].substr(0, 3)), fourth = std::stoi(w[5].substr(0, 3));
        EXPECT_EQ(fourth % 2, 0);
        EXPECT_LE(fourth, 8);
        EXPECT_EQ(fourth, 2 * ((b - a) / 10)) << send_buf[0];
        EXPECT_EQ(w[6], "=");
        send_buf[0][0] = 0;
    }
    // f13: the station number, then two groups whose last figure is the same draw.
    for (unsigned seed = 1; seed <= 100; ++seed) {
        at(2026, 3, 10, 12, 0, seed);
        f13_code("276");
        const auto w = words(send_buf[0]);
        ASSERT_EQ(w.size(), 3u);
        EXPECT_EQ(w[0].substr(0, 3), "276");
        EXPECT_EQ(w[1].back(), w[2].back());
        send_buf[0][0] = 0;
    }
}

TEST_F(Weather, CollectivesOpenAndCloseAsTheirKindSays) {
    at(2026, 3, 10, 12, 5);
    wx_code("RAZ", "SMRA01 UUMS", 11, wx_lists[WX_LIST_EUROPEAN_RUSSIA].rows, 3);
    ASSERT_EQ(send_call, 1);
    const std::string head = "CQ CQ CQ DE RAZ RAZ RAZ METEO *            ";
    EXPECT_EQ(slot(0).rfind(head + head, 0), 0u) << slot(0).substr(0, 100);
    EXPECT_NE(slot(0).find("SMRA01 UUMS 101200 = "), std::string::npos);
    EXPECT_NE(slot(0).find(" + de RAZ ]"), std::string::npos);
    EXPECT_EQ(spark_table[0], 0);

    // Kind 253 closes on the spark transmitter, which only the historical
    // stations have: with HIST off the bulletin is never closed and not heard.
    hist = 1;
    at(2026, 3, 10, 12, 5);
    wx_code("RDN", "SMUR01 UKKK", 253, wx_lists[WX_LIST_UKRAINE].rows, wx_lists[WX_LIST_UKRAINE].count);
    ASSERT_EQ(send_call, 1);
    EXPECT_EQ(spark_table[0], 1);
    EXPECT_EQ(ton_table[0], 900);
    EXPECT_NE(slot(0).find(" PART I =  "), std::string::npos);
    hist = 0;
    at(2026, 3, 10, 12, 5);
    wx_code("RDN", "SMUR01 UKKK", 253, wx_lists[WX_LIST_UKRAINE].rows, wx_lists[WX_LIST_UKRAINE].count);
    EXPECT_EQ(send_call, 0);
}

TEST_F(Weather, BulletinsCarryTheClockAndKeepTheirHours) {
    // Every bulletin has all of its date fields filled.
    at(2026, 12, 13, 14, 20);  // a Sunday
    nss_wx();
    gka_wx();
    japan_wx();
    bmb_wx();
    brasil_wx();
    for (int k = 0; k < send_call; ++k) EXPECT_EQ(slot(k).find('{'), std::string::npos) << slot(k).substr(0, 200);
    EXPECT_EQ(slot(0).rfind("CQ CQ CQ DE NSS NSS NSS  WX *", 0), 0u);
    EXPECT_NE(slot(0).find("wwnt nss 131400z zpv/131200z uswb 1400z DEC 13 "), std::string::npos);

    at(2026, 12, 13, 14, 20);
    uswb(1);
    EXPECT_NE(slot(0).find("sunday"), std::string::npos) << "uswb names the weekday";
    EXPECT_EQ(slot(0).rfind("qst qst qst de naa naa naa       uswb DEC 13 = part i = ", 0), 0u);

    at(2026, 3, 10, 5, 0);
    gfa();
    EXPECT_EQ(send_call, 0) << "GFA only in hours that are multiples of 4";
    at(2026, 3, 10, 8, 0);
    gfa();
    ASSERT_EQ(send_call, 1);
    EXPECT_NE(slot(0).find("NR 368 SMEU01 EGRR 0806"), std::string::npos) << slot(0).substr(0, 120);

    // Warning numbers carry the year's last two digits.
    for (int year : {2026, 1987}) {
        at(year, 5, 2, 9, 30);
        navarea_i();
        const std::string yy = "/" + std::to_string(year % 100);
        EXPECT_NE(slot(0).find(yy), std::string::npos) << slot(0).substr(0, 200);
        EXPECT_EQ(slot(0).find('{'), std::string::npos);
        EXPECT_EQ(anm_sent, 0) << "no list follows the NAVAREA announcement";
    }
    at(2026, 5, 2, 9, 30);
    navarea_iv("NMN");
    EXPECT_EQ(slot(0).rfind("CQ CQ CQ DE NMN NMN NMN NAVAREA iv =", 0), 0u);
    EXPECT_NE(slot(0).find(" DE NMN QRU ]"), std::string::npos);
}

TEST_F(Weather, SovietBroadcastByTheMinute) {
    const struct {
        int hour, minute;
        const char *text;  // nullptr: the call-up
    } cases[] = {{12, 20, nullptr}, {9, 5, nullptr}, {14, 20, nullptr}, {13, 20, nullptr}, {9, 40, nullptr}};
    const char *expect[] = {qtc_891, qtc_898, qtc_899, nullptr, nullptr};
    for (int i = 0; i < 5; ++i) {
        at(2026, 3, 10, cases[i].hour, cases[i].minute);
        rcv_bcst();
        ASSERT_EQ(send_call, 1);
        if (expect[i]) {
            const std::string head = std::string(expect[i]).substr(0, 10);
            EXPECT_NE(slot(0).find(head), std::string::npos) << cases[i].hour << ":" << cases[i].minute;
            EXPECT_EQ(slot(0).find("RFH70"), std::string::npos);
        } else {
            EXPECT_EQ(slot(0).find(std::string(qtc_891).substr(0, 10)), std::string::npos);
            const bool called = slot(0).find("RFH70 RFH70 RFH70 DE RCV RCV K") != std::string::npos;
            const bool silent = slot(0).find_first_not_of(' ') == std::string::npos;
            EXPECT_TRUE(called || silent) << slot(0);
        }
    }
}

}  // namespace
}  // namespace kestrel::test
