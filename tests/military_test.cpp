// Cipher broadcasts, numbers stations, kana groups, the American fixed net and
// the direction-finding net: what a listener checks against the clock, the
// alphabets of each station and the codes they use.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "procedures/send.h"
#include "state/receiver.h"
#include "support/fixture.h"
#include "support/quiet_regex.h"
#include "support/slot_text.h"
#include "synth/params.h"
#include "traffic/fleets.h"
#include "traffic/military.h"
#include "traffic/reset.h"
#include "traffic/vessels.h"

namespace kestrel::test {
namespace {

class Military : public Kestrel {
protected:
    void at(int hour, int minute, int second, int ms, unsigned seed, int day = 10) {
        reception_at(2026, 3, day, hour, minute, second, ms, seed);
        plain_params();
        traffic_reset();
    }
    static bool silent() { return send_call == 0 && send_buf[0][0] == 0; }
};

std::string blanks(int n) { return std::string(static_cast<size_t>(n), ' '); }
std::string waits(int n) { return blanks(4 * n); }
std::string codes(int speed, int tone, int strength) {
    char c[8];
    encode_params(c, speed, tone, strength);
    return c;
}
int digit(char c) { return c - '0'; }
int mod10(int v) { return ((v % 10) + 10) % 10; }

TEST_F(Military, CutNumbersSendOnlyTheirLettersAndTheUncutDigits) {
    at(10, 7, 0, 0, 3);
    const std::string cut = "TAUDN34567", cut2 = "TAUVEBDN46";
    std::set<char> seen, seen2;
    for (int i = 0; i < 40; ++i) {
        const std::string a = cut_group(50);
        ASSERT_EQ(a.size(), 51u);
        EXPECT_EQ(a.back(), ' ');
        for (char c : a.substr(0, 50)) {
            EXPECT_NE(cut.find(c), std::string::npos) << "cut_group sent " << c;
            seen.insert(c);
        }
        const std::string b = cut_group2(50);
        ASSERT_EQ(b.size(), 51u);
        for (char c : b.substr(0, 50)) {
            EXPECT_NE(cut2.find(c), std::string::npos) << "cut_group2 sent " << c;
            seen2.insert(c);
        }
    }
    // Every digit turns up in its own form, so none is lost in the cutting.
    EXPECT_EQ(seen.size(), 10u);
    EXPECT_EQ(seen2.size(), 10u);

    for (int i = 0; i < 50; ++i)
        EXPECT_TRUE(std::regex_match(std::string(cuban_figures()), std::regex("[WRIAGDMUNT]{5} ")));

    qtc4f_cut2(80);
    ASSERT_EQ(send_call, 1);
    const std::string slot = send_buf[0];
    ASSERT_GE(slot.size(), 81u);
    EXPECT_EQ(slot.substr(0, 80).find_first_not_of(cut2), std::string::npos);
    EXPECT_EQ(slot.substr(80), " " + waits(5));
}

// The groups of a kana slot from its start, each of `symbols` kana signs and
// `gap` blanks; reading stops at the first text that is neither.
std::vector<std::string> kana_groups(const std::string &text, size_t symbols, size_t gap) {
    std::vector<std::string> out;
    size_t i = 0;
    while (i + symbols + gap <= text.size() && text[i] >= 'a' && text[i] <= '~') {
        const std::string g = text.substr(i, symbols);
        for (char c : g)
            if (c < 'a' || c > '~') return out;
        if (text.compare(i + symbols, gap, blanks(static_cast<int>(gap))) != 0) return out;
        out.push_back(g);
        i += symbols + gap;
    }
    return out;
}

TEST_F(Military, KanaGroupsAndTheirWideLayouts) {
    struct Layout {
        int length;
        size_t symbols, gap;
    };
    for (const Layout &l : {Layout{4, 4, 1}, Layout{5, 5, 1}, Layout{6, 4, 3}, Layout{7, 5, 3}}) {
        at(10, 7, 0, 0, 5);
        kato_groups(l.length, 9);
        EXPECT_EQ(katokana, 1);
        EXPECT_EQ(send_call, 0) << "kato_groups only appends";
        const std::string text = send_buf[0];
        const auto groups = kana_groups(text, l.symbols, l.gap);
        EXPECT_EQ(groups.size(), 10u) << "length " << l.length << ": \"" << text << "\"";
        EXPECT_EQ(text.size(), 10 * (l.symbols + l.gap)) << l.length;
    }

    // Its own station: the operator's weighting stays, " K" closes.
    at(10, 7, 0, 0, 6);
    rto = 23;
    katokana_qtc(4, 100);
    ASSERT_EQ(send_call, 1);
    std::string slot = send_buf[0];
    EXPECT_EQ(kana_groups(slot, 4, 1).size(), 101u);
    EXPECT_EQ(slot.substr(505), " K" + waits(5) + waits(40));
    EXPECT_EQ(katokana_table[0], 1);
    EXPECT_EQ(rto_table[0], 23);
    EXPECT_TRUE(qsa_table[0] == 1 || qsa_table[0] == 2) << qsa_table[0];

    // With 128 added the groups go out on the station already set up.
    at(10, 7, 0, 0, 6);
    katokana_qtc(6 | 128, 3);
    ASSERT_EQ(send_call, 1);
    slot = send_buf[0];
    EXPECT_EQ(kana_groups(slot, 4, 3).size(), 4u);
    EXPECT_EQ(slot.substr(28), waits(5));
    EXPECT_EQ(spd_table[0], 20);
    EXPECT_EQ(ton_table[0], 800);
    EXPECT_EQ(qsa_table[0], 3);
    EXPECT_EQ(katokana_table[0], 1);
}

TEST_F(Military, NumbersStationM12WithAndWithoutAMessage) {
    const std::regex with(R"(((\d{3}) \2 \2 1 {20})\1{4} {8}(\d{4}) (\d\d) \3 \4   ((\d{5} )+) {8}000 000 {20})");
    const std::regex without(R"(((\d{3}) \2 \2 000 {20})\1{4} {20})");
    int messages = 0, empty = 0;
    for (unsigned seed = 1; seed <= 60; ++seed) {
        at(10, 7, 0, 0, seed);
        m12();
        ASSERT_EQ(send_call, 1);
        const std::string slot = send_buf[0];
        std::smatch m;
        if (std::regex_match(slot, m, with)) {
            ++messages;
            const int id = std::stoi(m[2]), key = std::stoi(m[3]), count = std::stoi(m[4]);
            EXPECT_GE(id, 101);
            EXPECT_GE(key, 1000);
            EXPECT_LE(key, 5999);
            EXPECT_GE(count, 50);
            EXPECT_EQ(m[5].length(), 6 * count) << "the key line gives the group count";
            EXPECT_EQ(sz_table[0], 1);
        } else {
            ASSERT_TRUE(std::regex_match(slot, m, without)) << seed << ": \"" << slot << "\"";
            ++empty;
            EXPECT_GE(std::stoi(m[2]), 101);
            EXPECT_EQ(slot.find("000 000"), std::string::npos);
        }
        EXPECT_EQ(spd_table[0], 30);
        EXPECT_EQ(ton_table[0], 1100);
        EXPECT_EQ(qsa_table[0], 5);
    }
    // About one tuning in three has nothing to pass.
    EXPECT_GT(empty, 5);
    EXPECT_GT(messages, 20);
}

TEST_F(Military, SpwRotatesItsAzimuthAndWorksItsSchedule) {
    int azimuth = 0;
    std::vector<int> round;
    for (int i = 0; i < 20; ++i) {
        round.push_back(azimuth);
        azimuth = spw_azimuth_step(azimuth);
    }
    for (int i = 0; i < 19; ++i) EXPECT_EQ(round[i], 2 * i);
    EXPECT_EQ(round[19], 0) << "after 36 the antenna starts again at 0";

    std::set<int> starts;
    for (unsigned seed = 1; seed <= 30; ++seed) {
        at(11, 7, 0, 0, seed);
        spw("17440");
        ASSERT_EQ(send_call, 1);
        const std::string text = plain_text(send_buf[0]);
        const std::regex one(R"(DE SPW SPW   QSX 17440 KHZ  AZIM (\d\d) e{31} {60})");
        std::vector<int> seen;
        for (std::sregex_iterator it(text.begin(), text.end(), one), end; it != end; ++it)
            seen.push_back(std::stoi((*it)[1]));
        ASSERT_EQ(seen.size(), 10u) << text;
        EXPECT_EQ(seen[0] % 2, 0);
        EXPECT_LE(seen[0], 10);
        starts.insert(seen[0]);
        for (size_t i = 1; i < seen.size(); ++i) EXPECT_EQ(seen[i], spw_azimuth_step(seen[i - 1]));
        const auto parts = turns(send_buf[0]);
        ASSERT_EQ(parts.size(), 20u);
        EXPECT_EQ(parts[0].spd, 32);
        EXPECT_EQ(parts[1].spd, 90);
    }
    EXPECT_EQ(starts.size(), 6u);

    at(10, 31, 0, 0, 2);  // even hour, half past: the traffic list
    spw("17440");
    ASSERT_EQ(send_call, 1);
    EXPECT_EQ(std::string(send_buf[0]).rfind("CQ CQ CQ DE SPW SPW SPW TFC LIST", 0), 0u);
    EXPECT_EQ(spd_table[0], 24);

    at(11, 35, 0, 0, 2);  // a contact in minutes that are multiples of five
    spw("17440");
    ASSERT_EQ(send_call, 1);
    const std::regex contact(R"(QRZ\? DE SPW K {24}3ZL301 DE SPW WITAM QRV K( {4}){40,69}3ZL301 DE SPW QSL K {24})"
                             R"(R QRU  73 GB DE SPW \]EE   {20})");
    EXPECT_TRUE(std::regex_match(std::string(send_buf[0]), contact)) << send_buf[0];
    EXPECT_EQ(spd_table[0], 27);
}

TEST_F(Military, NetBroadcastAsksForThreeToNineRepeats) {
    std::set<int> asked;
    for (unsigned seed = 1; seed <= 120; ++seed) {
        at(10, 7, 0, 0, seed);
        red_army_broadcast_qsl(seed % 2 ? 3 : 2, 1);
        ASSERT_EQ(send_call, 1);
        const std::string slot = send_buf[0];
        EXPECT_EQ(slot.rfind(std::string("VVV K  ") + char(28) + waits(3), 0), 0u);
        const std::regex head(R"((\S{4})  \1  \1  QTC Z([A-Z]{2}) AR {8}\1  \1  \1  QTC Z\2 AR {20})");
        EXPECT_TRUE(std::regex_search(slot, head));
        std::smatch m;
        ASSERT_TRUE(std::regex_search(slot, m, std::regex(R"((\S{4})  \1  \1  DE (\S{4})  \2  R(\d{3})\? K {52}$)")))
            << slot;
        const int repeats = std::stoi(m[3]);
        EXPECT_GE(repeats, 3);
        EXPECT_LE(repeats, 9);
        asked.insert(repeats);
        EXPECT_GE(spd_table[0], 17);
        EXPECT_LE(spd_table[0], 21);
    }
    EXPECT_EQ(asked.size(), 7u) << "every count from 3 to 9 is asked for";
}

TEST_F(Military, DirectionFindingCodesAddDigitsWithoutCarry) {
    EXPECT_STREQ(peleng_code("47777", "15555"), "42222");
    EXPECT_STREQ(cbuf, "42222");
    EXPECT_STREQ(peleng_code("98765", "12345"), "90000");
    EXPECT_STREQ(peleng_code("10000", "29999"), "19999");

    std::strcpy(kbuf, "47777");
    std::set<std::string> bearings;
    for (int i = 0; i < 2000; ++i) {
        const std::string p = bearing();
        ASSERT_EQ(p.size(), 5u);
        EXPECT_EQ(p[0], '3');
        EXPECT_LE(mod10(digit(p[1]) - 7), 2);
        EXPECT_LE(mod10(digit(p[2]) - 7), 4);
        EXPECT_LE(mod10(digit(p[3]) - 7), 8);
        EXPECT_EQ(p[4], '8') << "1 + 7";
        bearings.insert(p);
    }
    EXPECT_EQ(bearings.size(), 3u * 5u * 9u);

    for (int row = 0; row < 31; ++row) EXPECT_EQ(std::to_string(dkt[row]).size(), 5u) << row;
    for (int row = 0; row < PELENG_FREQS; ++row) {
        EXPECT_GE(peleng_freq_tab[row], 0) << row;
        EXPECT_LT(peleng_freq_tab[row], 20000) << row;
    }
}

TEST_F(Military, IntelligenceBroadcastsCountTheirGroupsInThePreamble) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        at(10, 7, 0, 0, seed);
        vietnam_intel();
        ASSERT_EQ(send_call, 1);
        std::smatch m;
        const std::string slot = send_buf[0];
        ASSERT_TRUE(std::regex_match(slot, m,
                                     std::regex(R"(A{29}SD (\d\d) SD \1 SD \1 TK TK TK SN (\d\d) SN \2 SN \2 )"
                                                R"(((\d{5} )+)K{29} {20})")))
            << slot;
        EXPECT_GE(std::stoi(m[1]), 20);
        EXPECT_EQ(m[3].length(), 6 * std::stoi(m[2]));
        EXPECT_EQ(spd_table[0], 21);
    }

    // The count goes out as written, a 0 in its second place as T.
    std::set<std::string> counts;
    for (unsigned seed = 1; seed <= 80; ++seed) {
        at(10, 7, 0, 0, seed);
        rus_intel_14(1, "952");
        ASSERT_EQ(send_call, 1);
        std::string slot = send_buf[0];
        std::smatch m;
        ASSERT_TRUE(std::regex_match(slot, m,
                                     std::regex(R"(952 (\d{3}) 0([1-5][1-9T]) = ((\d{5} )+) = \1 0\2 TTTTT {20})")))
            << slot;
        std::string count = m[2];
        counts.insert(count);
        if (count[1] == 'T') count[1] = '0';
        EXPECT_EQ(m[3].length(), 6 * std::stoul(count));
        EXPECT_EQ(sz_table[0], 1);

        at(10, 7, 0, 0, seed);
        rus_intel_14(2, "952");
        slot = send_buf[0];
        ASSERT_TRUE(std::regex_match(
            slot, m, std::regex(R"(952 (\d{3}) \1 ([1-5][1-9T]) \2 = =((\d{5} )+) = = \1 \1 \2 \2 TTTTT {20})")))
            << slot;
    }
    EXPECT_TRUE(counts.count("2T") || counts.count("3T") || counts.count("4T") || counts.count("5T"));
}

TEST_F(Military, TimedStationsKeepSilentOutsideTheirSlot) {
    struct Gate {
        const char *name;
        void (*run)();
        int quiet[4], on_air[4];  // hour, minute, second, millisecond
    };
    static const char net[3][5] = {"WAR", "WVT", "WVY"};
    const Gate gates[] = {
        {"nkvd_2", [] { nkvd_2(3); }, {10, 7, 0, 0}, {10, 10, 0, 0}},
        {"xxx_flash", [] { xxx_flash("RDL RDL", 1); }, {10, 12, 0, 0}, {10, 15, 0, 0}},
        {"m3 before 07", m3, {6, 40, 0, 0}, {7, 40, 0, 0}},
        {"m3 after 12", m3, {13, 31, 0, 0}, {12, 31, 0, 0}},
        {"m3 before half past", m3, {9, 29, 0, 0}, {9, 30, 0, 0}},
        {"cuban_cut_numbers", cuban_cut_numbers, {10, 7, 5, 0}, {10, 7, 8, 0}},
        {"wpc", wpc, {10, 7, 4, 0}, {10, 7, 6, 0}},
        {"qtc_5f_undef", qtc_5f_undef, {10, 7, 0, 0}, {10, 9, 0, 0}},
        {"peleng_network", peleng_network, {10, 8, 0, 0}, {10, 9, 0, 0}},
        {"simplex_qtc", [] { simplex_qtc(2, 0); }, {10, 7, 0, 3}, {10, 7, 0, 4}},
        {"rus_intel_14", [] { rus_intel_14(2, "952"); }, {10, 7, 0, 5}, {10, 7, 0, 6}},
        {"usarmy_fixed_net", [] { usarmy_fixed_net(net, 3); }, {10, 7, 4, 0}, {10, 7, 6, 0}},
    };
    for (const Gate &g : gates) {
        int heard = 0;
        for (unsigned seed = 1; seed <= 12; ++seed) {
            at(g.quiet[0], g.quiet[1], g.quiet[2], g.quiet[3], seed);
            g.run();
            EXPECT_TRUE(silent()) << g.name << " seed " << seed;
            at(g.on_air[0], g.on_air[1], g.on_air[2], g.on_air[3], seed);
            g.run();
            heard += send_call > 0;
        }
        // In its slot each one is on the air.
        EXPECT_GT(heard, 6) << g.name;
    }
}

TEST_F(Military, FixedTextsOnTheTestClock) {
    // The radiogram to WVT: the net's fixed message, a pause, the end of work.
    at(10, 7, 6, 0, 4);
    usarmy_fixed_spec_msg("WAR");
    EXPECT_TRUE(silent());
    usarmy_fixed_spec_msg("WVT");
    ASSERT_EQ(send_call, 1);
    {
        const std::string c = codes(spd_table[0], ton_table[0], qsa_table[0]);
        const std::string start = c + "< " + usarmy_wvt_001 + " + WVT K   ", end = c + "] WVT   " + waits(5);
        const std::string slot = send_buf[0];
        EXPECT_TRUE(slot == start + waits(4) + end || slot == start + waits(5) + end || slot == start + waits(6) + end)
            << slot;
    }

    // A flash text passed whole, twice; 128 added closes with " K".
    for (int kind : {2, 130}) {
        at(10, 20, 0, 0, 7);
        const char *flash = "XXX XXX RDL RDL 48522 52951 SLUVAKA 7184 8585 k";
        xxx_flash(flash, kind);
        ASSERT_EQ(send_call, 1);
        EXPECT_EQ(std::string(send_buf[0]),
                  std::string(flash) + waits(10) + flash + (kind > 128 ? " K" : "") + waits(10) + waits(5));
        EXPECT_EQ(spd_table[0], 17);
        EXPECT_EQ(ton_table[0], 1200);
        EXPECT_EQ(qsa_table[0], 4);
        EXPECT_EQ(f1_table[0], 1);
    }

    // The direction-finding net on the 10th: the day's key, the frequency
    // code confirmed by each station, the bearings a minute on.
    at(14, 9, 0, 0, 11);
    peleng_network();
    ASSERT_EQ(send_call, 1);
    const std::string key = kbuf, code = cbuf, last = pbuf;
    EXPECT_EQ(key, std::to_string(dkt[9]));
    bool some_row = false;
    for (int row = 0; row < PELENG_FREQS && !some_row; ++row)
        some_row = code == peleng_code(key.c_str(), std::to_string(peleng_freq_tab[row] + 10000).c_str());
    EXPECT_TRUE(some_row) << code << " is no frequency of the table under key " << key;

    const std::string text = plain_text(send_buf[0]);
    std::smatch m;
    ASSERT_TRUE(std::regex_search(text, m, std::regex("AWC " + code + " (3\\d{4}) 41409 K   KCL " + code +
                                                      " (3\\d{4}) 41409 K   ")))
        << text;
    const std::string p1 = m[1], p2 = m[2];
    for (const std::string &p : {p1, p2, last}) {
        EXPECT_LE(mod10(digit(p[1]) - digit(key[1])), 2) << p;
        EXPECT_LE(mod10(digit(p[2]) - digit(key[2])), 4) << p;
        EXPECT_EQ(mod10(digit(p[4]) - digit(key[4])), 1) << p;
    }
    const std::string expected = "VVV    HCA HCA DE XFN XFN " + code + " CFM K   " + "AWC CFM " + code + " K   " +
                                 "KCL CFM " + code + " K   " + "FGD CFM " + code + " K   " + "XFN OK +   " +
                                 waits(50) + "AWC " + code + " " + p1 + " 41409 K   " + "KCL " + code + " " + p2 +
                                 " 41409 K   " + "FGD " + code + " " + last + " 41409 K   " + "XFN OK QAP +   " +
                                 waits(5);
    EXPECT_EQ(text, expected);
    EXPECT_EQ(turns(send_buf[0]).size(), 9u) << "one turn for each transmission";
}

TEST_F(Military, FixedNetCallsAStationOfItsList) {
    static const char net[4][5] = {"WAR", "WVT", "WVY", "WVL"};
    std::set<std::string> called;
    int messages = 0;
    for (unsigned seed = 1; seed <= 80; ++seed) {
        at(10, 7, 3, 0, seed);
        usarmy_fixed_net(net, 4);
        if (send_call == 0) continue;
        const std::string text = plain_text(send_buf[0]);
        const auto worked = [&text](const char *call) {
            return std::regex_search(text, std::regex(std::string("(^| )") + call + "( |$)"));
        };
        EXPECT_FALSE(worked("WVL")) << "the list's last call is not worked: " << text;
        std::smatch m;
        if (std::regex_search(text, m, std::regex(R"(^(WV[TY]) \1 V WAR WAR QMM K   WAR V \1 K   \1 V WAR NR(\d+) )"
                                                   R"(II P II A II WAR 101007E \1 GR(\d+) = )"))) {
            ++messages;
            const std::string nr = m[2];
            EXPECT_NE(text.find(" = 101007E K   WAR V " + std::string(m[1]) + " R NR" + nr + " +   "),
                      std::string::npos)
                << text;
        }
        for (const char *c : {"WVT", "WVY"})
            if (worked(c)) called.insert(c);
        EXPECT_LE(spd_table[0], 26);
    }
    EXPECT_EQ(called.size(), 2u);
    EXPECT_GT(messages, 3);
}

TEST_F(Military, EveryStationSendsOnlyCharactersTheMorseWriterSounds) {
    static const char net[3][5] = {"WAR", "WVT", "WVY"};
    void (*const stations[])() = {
        [] { red_army_broadcast(3, 0x81); }, [] { red_army_broadcast(2, 0); }, [] { red_army_broadcast_qsl(3, 2); },
        [] { red_army_broadcast_qsl(1, 0); }, [] { simplex_qtc(3, 0x80); }, [] { nkvd_2(11); },
        [] { brusa("AKU", "MKW"); }, [] { xxx_flash("RDL RDL", 1); }, [] { xxx_flash("RDL RDL", 131); },
        [] { xxx_flash("WRZ WRZ", 132); }, [] { qtc4f_cut(100); }, [] { qtc4f_cut2(80); }, qtc_4f, qtc_5f,
        qtc_5f_undef, cuban_cut_numbers, m3, m12, mxx, [] { p7x(1); }, [] { p7x(2); },
        [] { katokana_qtc(4, 100); }, [] { katokana_qtc(7, 100); }, vietnam_intel, [] { rus_intel_14(1, "952"); },
        [] { rus_intel_14(2, "952"); }, [] { spw("17440"); }, olx, wpc, undef_qrm,
        [] { usarmy_fixed_net(net, 1); }, [] { usarmy_fixed_net(net, 3); }, peleng_network};
    const uint32_t dropped = send_dropped();
    const int instants[][3] = {{8, 30, 0}, {10, 45, 0}, {10, 10, 12}, {11, 3, 0}, {12, 36, 24}};
    for (const auto &i : instants)
        for (unsigned seed = 1; seed <= 6; ++seed)
            for (size_t k = 0; k < std::size(stations); ++k) {
                at(i[0], i[1], i[2], 0, seed);
                stations[k]();
                ASSERT_LE(send_call, 1) << "station " << k;
                for (int slot = 0; slot < send_call; ++slot)
                    EXPECT_EQ(bad_chars(send_buf[slot]), "") << "station " << k << " at " << i[0] << ":" << i[1];
            }
    EXPECT_EQ(send_dropped(), dropped) << "a slot went past its size";
}

}  // namespace
}  // namespace kestrel::test
