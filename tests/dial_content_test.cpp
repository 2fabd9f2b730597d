// The dial read as a utility listener reads it: amateur contacts that name
// their stations, texts that do not run into each other, places and bands
// where the stations really were.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <set>
#include <string>
#include <vector>

#include "bandplan/bands.h"
#include "bandplan/reset.h"
#include "platform/clock.h"
#include "platform/media.h"
#include "procedures/procedures.h"
#include "procedures/send.h"
#include "state/receiver.h"
#include "support/fixture.h"
#include "support/instants.h"
#include "synth/channels.h"
#include "synth/morse.h"
#include "synth/params.h"
#include "bandplan/bands/coast_watch.h"
#include "traffic/aero.h"
#include "traffic/amateur.h"
#include "traffic/military.h"
#include "traffic/weather.h"

#ifndef KESTREL_SOURCE_DIR
#error "KESTREL_SOURCE_DIR names the source tree whose station texts are read"
#endif

namespace kestrel::test {
namespace {

class DialContent : public Kestrel {};

// The band function of the tuned frequency alone, without the give-way of
// one station's slots that the reception adds, so that the generators are
// seen as they compose.
void compose_band(const Instant &at, int f, unsigned seed) {
    program_reset();
    hist = bkgnd = 1;
    freq = f;
    test_clock_set(at.year, at.month, at.day_, at.hour, at.minute, at.second, 0);
    test_clock_step(7);
    random_reset(seed);
    stn();
    band = f / 1000;
    if (BandFunction fn = band_function(band)) fn();
}

// The two calls of a QSO slot: station 1's first over after the answer is
// "<2> DE <1> <greeting> UR RST ...".
std::pair<std::string, std::string> qso_calls(const std::string &text) {
    const size_t rst = text.find(" UR RST ");
    if (rst == std::string::npos) return {};
    std::vector<std::string> words;
    std::string w;
    for (size_t i = 0; i < rst; ++i) {
        if (text[i] == ' ') {
            if (!w.empty()) words.push_back(w);
            w.clear();
        } else {
            w += text[i];
        }
    }
    if (!w.empty()) words.push_back(w);
    if (words.size() < 4 || words[words.size() - 3] != "DE") return {};
    return {words[words.size() - 4], words[words.size() - 2]};
}

TEST_F(DialContent, AmateurContactsNameTheirStationsAndNoOneWorksTwoAtOnce) {
    media_use(&media_null);
    set_retune_hook(bands_compose);
    int qsos = 0, old_style = 0;
    for (int i = 0; i < int(std::size(sweep_instants)); ++i) {
        for (int f = 14000; f <= 14099; ++f) {
            for (unsigned seed = 1; seed <= 12; ++seed) {
                compose_band(sweep_instants[i], f, seed * 7919u + unsigned(f) * 31u + unsigned(i));
                std::set<std::string> working;
                for (int k = 0; k < send_call; ++k) {
                    std::string text;
                    for (const char *p = send_buf[k]; *p; ++p)
                        if (static_cast<unsigned char>(*p) >= ' ') text += *p;
                        else if (*p == CODE_TON) p += 2;
                        else ++p;
                    old_style += text.find("PSE QRA? QTH? HW K") != std::string::npos;
                    if (text.find(" UR RST ") == std::string::npos) continue;
                    ++qsos;
                    for (const char *gap : {"DE  ", "NAME  ", "QTH  ", " DE K "})
                        EXPECT_EQ(text.find(gap), std::string::npos) << f << ": \"" << gap << "\" in " << text.substr(0, 200);
                    auto [a, b] = qso_calls(text);
                    EXPECT_FALSE(a.empty() || b.empty()) << f << ": " << text.substr(0, 120);
                    EXPECT_NE(a, b) << f;
                    EXPECT_TRUE(working.insert(a).second) << f << ": " << a << " in two QSOs";
                    EXPECT_TRUE(working.insert(b).second) << f << ": " << b << " in two QSOs";
                }
            }
        }
    }
    set_retune_hook(nullptr);
    EXPECT_GT(qsos, 100);
    EXPECT_GT(old_style, 0) << "the contacts that ask QRA? QTH? are never heard";
}

TEST_F(DialContent, TheSecondStationDrawnIsNeverOneAlreadyOnTheAir) {
    reception_at(2026, 3, 10, 12, 10, 7, 0, 5);
    // Six closed slots naming stations of the database, and a seventh being filled.
    std::set<std::string> heard;
    for (int k = 0; k < 7; ++k) {
        const std::string a = amateur[k * 3], b = amateur[k * 3 + 1], c = amateur[k * 3 + 2];
        std::strcpy(send_buf[k], ("CQ CQ CQ DE " + a + " " + a + " K  " + b + " DE " + c + " K").c_str());
        for (int r = 0; r < 3; ++r) heard.insert(amateur[k * 3 + r]);
        if (k < 6) send_call = k + 1;
    }
    for (int n = 0; n < 3000; ++n) {
        find_2stns();
        ASSERT_FALSE(heard.count(am_1)) << am_1;
        ASSERT_FALSE(heard.count(am_2)) << am_2;
        ASSERT_STRNE(am_1, am_2);
        ASSERT_TRUE(name_1[0] && name_2[0] && qth_1[0] && qth_2[0]);
    }
    // The same call as part of a longer one does not count as heard.
    const int row = 1;
    ASSERT_TRUE(amateur_op[row][0] && amateur_qth[row][0]);
    std::strcpy(send_buf[0], ("CQ DE " + std::string(amateur[row]) + "X K").c_str());
    bool drawn = false;
    for (int n = 0; n < 20000 && !drawn; ++n) {
        find_2stns();
        drawn = std::strcmp(am_1, amateur[row]) == 0 || std::strcmp(am_2, amateur[row]) == 0;
    }
    EXPECT_TRUE(drawn);
}

// A text that a primitive keys over and over, or that other text follows, must
// end in a blank, or its last word runs into the next: "NAM NAM NAMVVV VVV".
bool ends_apart(const std::string &text) {
    if (text.empty() || text.back() == ' ') return true;
    // A data burst (a run of one letter) is meant to run on.
    return text.find_first_not_of(text[0]) == std::string::npos;
}

TEST_F(DialContent, EveryRepeatedTextEndsApartFromTheNext) {
    // Every literal handed to a primitive or generator that repeats it.
    const std::regex call(
        R"re(\b(send_still|send_still_f1|send_times|coast_station_ex|naval_coast|usn_pg|italian_naval|french_navy_coast|gkb_opchat|tfc_anmt)\(\s*((?:"(?:[^"\\]|\\.)*"\s*)+))re");
    const std::regex piece(R"re("((?:[^"\\]|\\.)*)")re");
    int literals = 0;
    for (const char *folder : {"bandplan/bands", "traffic", "procedures"}) {
        for (const auto &file : std::filesystem::directory_iterator(std::string(KESTREL_SOURCE_DIR) + "/" + folder)) {
            if (file.path().extension() != ".cpp") continue;
            std::ifstream in(file.path());
            std::string line;
            for (int nr = 1; std::getline(in, line); ++nr) {
                for (std::sregex_iterator m(line.begin(), line.end(), call), end; m != end; ++m) {
                    std::string text;
                    const std::string args = (*m)[2];
                    for (std::sregex_iterator q(args.begin(), args.end(), piece); q != end; ++q) text += (*q)[1];
                    ++literals;
                    EXPECT_TRUE(ends_apart(text)) << file.path().filename().string() << ":" << nr << " " << (*m)[1]
                                                  << "(\"" << text << "\")";
                }
            }
        }
    }
    EXPECT_GT(literals, 1300);

    // The coast stations' watch markers, repeated behind every watch.
    const std::pair<const CoastWatch *, int> watches[] = {
        {coast_watch_12, coast_watch_12_count}, {coast_watch_13, coast_watch_13_count},
        {coast_watch_16, coast_watch_16_count}, {coast_watch_17, coast_watch_17_count},
        {coast_watch_19, coast_watch_19_count}, {coast_watch_22, coast_watch_22_count},
        {coast_watch_25, coast_watch_25_count}, {coast_watch_26, coast_watch_26_count}};
    for (auto [rows, count] : watches)
        for (int i = 0; i < count; ++i) EXPECT_TRUE(ends_apart(rows[i].marker)) << rows[i].freq << " " << rows[i].marker;

    // The fixed bulletins, each followed by a closing or by the station's next text.
    const char *const bulletins[] = {propagation_odd_day, propagation_even_day, aero_wx_report, _navarea_i,
                                     _navarea_ii, _navarea_iii, _navarea_iv, _navarea_v, _navarea_vii_even,
                                     _navarea_vii_odd, _navarea_viii, _navarea_ix, _navarea_xi, _navarea_xiii,
                                     _metarea_xx, _xsg_nw, nss_part_one, nss_1, nss_2, gfa_wx, uswb_txt,
                                     brasil_wx_4, brasil_wx_5, bmb_wx_txt, japan_wx_tokyo, japan_wx_kobe,
                                     japan_wx_nagoya, japan_wx_sendai, gka_wx_txt, qtc_891, qtc_898, qtc_899};
    for (const char *b : bulletins) EXPECT_TRUE(ends_apart(b)) << "a bulletin ends \"" << std::string(b).substr(std::strlen(b) - 30) << "\"";
}

TEST_F(DialContent, ThePropagationBulletinAndTheBeaconAreSeparateWords) {
    reception_at(2026, 3, 11, 15, 2, 27, 0, 3);
    propagation_info();
    ASSERT_EQ(send_call, 1);
    const std::string text = send_buf[0];
    const size_t beacon = text.find("DK0PRB BEACON");
    ASSERT_NE(beacon, std::string::npos);
    ASSERT_GT(beacon, 2u);
    EXPECT_EQ(text.substr(beacon - 1, 1), " ") << text.substr(beacon - 20, 40);
    EXPECT_NE(text.find("2400 UT +"), std::string::npos);
}

// The warning numbers "NNN/YY" of a reception's slot, in order.
std::vector<std::pair<int, int>> warnings_heard() {
    std::vector<std::pair<int, int>> w;
    const std::regex number(R"((?:^|[^0-9])([0-9]{3,4})/([0-9]{2})(?![0-9]))");
    const std::string text = send_buf[0];
    for (std::sregex_iterator m(text.begin(), text.end(), number), end; m != end; ++m)
        w.push_back({std::stoi((*m)[1]), std::stoi((*m)[2])});
    return w;
}

TEST_F(DialContent, NavigationalWarningsAreNumberedThroughTheYear) {
    auto heard_on = [](int month, int day) {
        reception_at(2026, month, day, 10, 0, 0, 0, 1);
        navarea_iv("NMN");
        return warnings_heard();
    };
    const auto january = heard_on(1, 2), july = heard_on(7, 1), december = heard_on(12, 20);
    ASSERT_EQ(january.size(), 6u);  // four warnings and the two cancelled
    ASSERT_EQ(july.size(), january.size());
    // About the first of July the series stands where the bulletin was written.
    EXPECT_EQ(july[0], std::make_pair(612, 26));
    EXPECT_EQ(july[4], std::make_pair(598, 26));
    for (size_t k = 0; k < 4; ++k) {
        EXPECT_LT(january[k].first, 60) << k;
        EXPECT_EQ(january[k].second, 26);
        EXPECT_GT(december[k].first, july[k].first) << k;
        EXPECT_EQ(december[k].first - december[0].first, july[k].first - july[0].first) << "one warning after the other";
    }
    // In January the warnings being cancelled are last year's.
    EXPECT_EQ(january[4].second, 25);
    EXPECT_GT(january[4].first, 1000);
    EXPECT_GT(december[0].first, 1000) << "a busy area passes a thousand warnings a year";
    // Each day of the year a little further on.
    reception_at(2026, 3, 1, 10, 0, 0, 0, 1);
    navarea_i();
    const int first_of_march = warnings_heard()[0].first;
    reception_at(2026, 3, 2, 10, 0, 0, 0, 1);
    navarea_i();
    EXPECT_GE(warnings_heard()[0].first, first_of_march);
    EXPECT_LE(warnings_heard()[0].first, first_of_march + 2);
}

TEST_F(DialContent, CoastTelegraphyKeepsOutOfTheCoastTelephonyBand) {
    // 13077-13200 kHz is the coast stations' radiotelephone band: their
    // telegraphy watches and the ships calling them are elsewhere.
    media_use(&media_null);
    set_retune_hook(bands_compose);
    for (const Instant &at : sweep_instants) {
        for (int f = 13077; f <= 13200; ++f) {
            compose_band(at, f, unsigned(f));
            for (int k = 0; k < send_call; ++k) {
                const std::string text = send_buf[k];
                EXPECT_EQ(text.find("RADIO"), std::string::npos) << f << ": " << text.substr(0, 80);
                EXPECT_EQ(text.find("QSX"), std::string::npos) << f << ": " << text.substr(0, 80);
            }
        }
    }
    set_retune_hook(nullptr);
    for (int i = 0; i < coast_watch_13_count; ++i)
        EXPECT_TRUE(coast_watch_13[i].freq < 13077) << coast_watch_13[i].call << " " << coast_watch_13[i].freq;
}

// Whether a reception at the instant, with any of the first seeds, has a
// slot holding `text`.
bool heard(int f, const Instant &at, const char *text, unsigned seeds = 40) {
    for (unsigned seed = 1; seed <= seeds; ++seed) {
        compose_band(at, f, seed);
        for (int k = 0; k < send_call; ++k)
            if (std::strstr(send_buf[k], text)) return true;
    }
    return false;
}

TEST_F(DialContent, TheCommonChannelHoldsSanJuanAndSuvaAtTheirHours) {
    media_use(&media_null);
    set_retune_hook(bands_compose);
    EXPECT_TRUE(heard(12700, {2026, 6, 16, 16, 30, 20}, "DE NMR NMR NMR"));
    EXPECT_FALSE(heard(12700, {2026, 6, 16, 14, 30, 20}, "DE NMR NMR NMR"));
    EXPECT_TRUE(heard(12700, {2026, 6, 16, 22, 30, 20}, "DE 3DP4 3DP4 3DP4 SUVA"));
    EXPECT_TRUE(heard(12700, {2026, 6, 17, 3, 30, 20}, "DE 3DP4"));
    EXPECT_FALSE(heard(12700, {2026, 6, 17, 10, 30, 20}, "DE 3DP4"));
    set_retune_hook(nullptr);
}

TEST_F(DialContent, TheArmyFixedNetsWorkTheirOwnCalls) {
    // Net control and the stations it calls, from the net's own table.
    reception_at(2026, 6, 16, 16, 30, 21, 0, 1);
    std::set<std::string> seen;
    for (unsigned seed = 1; seed <= 300; ++seed) {
        reception_at(2026, 6, 16, 16, 30, 21, 0, seed);
        usarmy_fixed_net(usarmy_net_atlantic, 4);
        for (int k = 0; k < send_call; ++k) {
            const std::string text = send_buf[k];
            for (const char *c : {"WAR", "WVNF", "WVQA", "WXRK"})
                if (text.find(c) != std::string::npos) seen.insert(c);
            EXPECT_EQ(text.find(" DE "), std::string::npos) << "the Army's procedure signs with V: " << text;
        }
    }
    EXPECT_TRUE(seen.count("WAR") && seen.count("WVNF") && seen.count("WVQA")) << seen.size();
    // The historical message of the Pacific net goes to WVT.
    bool wvt = false;
    for (unsigned seed = 1; seed <= 300 && !wvt; ++seed) {
        reception_at(2026, 6, 16, 16, 30, 21, 0, seed);
        usarmy_fixed_net(usarmy_net_pacific, 5);
        wvt = send_call > 0 && std::strstr(send_buf[0], "PORT OF EMBARKATION") != nullptr;
    }
    EXPECT_TRUE(wvt);
    // Heard on its frequencies with HIST on.
    media_use(&media_null);
    set_retune_hook(bands_compose);
    EXPECT_TRUE(heard(13825, {1944, 6, 16, 16, 30, 21}, "WAR"));
    EXPECT_TRUE(heard(10915, {1944, 6, 16, 5, 30, 21}, "WVY"));
    set_retune_hook(nullptr);
}

TEST_F(DialContent, NetMessagesRepeatTheirOwnClosingAndIndicator) {
    // A net message with a check group repeats the check group, apart.
    int checked = 0;
    for (unsigned seed = 1; seed <= 20; ++seed) {
        reception_at(2026, 6, 16, 16, 30, 21, 0, seed);
        simplex_qtc(2, 1);
        if (send_call == 0) continue;
        const std::string text = send_buf[0];
        std::smatch m;
        ASSERT_TRUE(std::regex_search(text, m, std::regex(R"(([A-Z]{5}) K ([A-Z]{5}) )"))) << text.substr(0, 300);
        EXPECT_EQ(m[1], m[2]) << "the closing group once more";
        ++checked;
    }
    EXPECT_GT(checked, 5);
    // The receipt broadcast's indicator is its own, not what a work string held.
    for (unsigned seed = 1; seed <= 20; ++seed) {
        reception_at(2026, 6, 16, 16, 30, 21, 0, seed);
        std::strcpy(str2, "GA");
        red_army_broadcast_qsl(3, 1);
        ASSERT_EQ(send_call, 1);
        const std::string text = send_buf[0];
        EXPECT_EQ(text.find("ZGA "), std::string::npos) << text.substr(0, 200);
        EXPECT_TRUE(std::regex_search(text, std::regex(R"( = Z[A-Z]{2} [0-9]{3} = )"))) << text.substr(0, 200);
    }
}

}  // namespace
}  // namespace kestrel::test
