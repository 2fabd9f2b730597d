// The dial read as a utility listener reads it: amateur contacts that name
// their stations, texts that do not run into each other, places and bands
// where the stations really were.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "bandplan/bands.h"
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
#include "traffic/amateur.h"

namespace kestrel::test {
namespace {

class DialContent : public Kestrel {};

// The band function of the tuned frequency alone, without the give-way of
// one station's slots that the reception adds, so that the generators are
// seen as they compose.
void compose_band(const Instant &at, int f, unsigned seed) {
    receiver_reset();
    hist = bkgnd = 1;
    freq = f;
    test_clock_set(at.year, at.month, at.day_, at.hour, at.minute, at.second, 0);
    test_clock_step(7);
    random_reset(seed);
    synth_reset();
    stop_all_devs();
    stn();
    send_stack_reset();
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

}  // namespace
}  // namespace kestrel::test
