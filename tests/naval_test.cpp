// Naval broadcasts and naval coast stations: what a listener checks against
// the clock, the call lists and the procedure of each navy.
#include <gtest/gtest.h>

#include <cstring>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "procedures/send.h"
#include "state/log.h"
#include "state/receiver.h"
#include "support/fixture.h"
#include "support/quiet_regex.h"
#include "support/slot_text.h"
#include "synth/params.h"
#include "traffic/blocks.h"
#include "traffic/naval.h"
#include "traffic/vessels.h"

namespace kestrel::test {
namespace {

class Naval : public Kestrel {
protected:
    void at(int day, int hour, int minute, int second, int ms, unsigned seed) {
        reception_at(2026, 3, day, hour, minute, second, ms, seed);
        plain_params();
    }
    static std::string slot(int k) { return send_buf[k]; }
};

template <std::size_t N, std::size_t W>
int row_in(const char (&table)[N][W], const std::string &call) {
    for (std::size_t i = 0; i < N; ++i)
        if (call == table[i]) return static_cast<int>(i);
    return -1;
}

std::string reverse(std::string s) { return std::string(s.rbegin(), s.rend()); }
std::string blanks(int waits) { return std::string(4 * waits, ' '); }
std::string params_of(int k) {
    char codes[8];
    encode_params(codes, spd_table[k], ton_table[k], qsa_table[k]);
    return codes;
}
int count_of(const std::string &text, const std::string &piece) {
    int n = 0;
    for (size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1)) ++n;
    return n;
}

TEST_F(Naval, FleetBroadcastNumbersItsMessagesAndGivesTheirPrecedence) {
    // The combined list holds every ship of the national lists, navy by navy.
    std::set<std::string> combined;
    for (const auto &c : nato_vsl) combined.insert(c);
    EXPECT_EQ(combined.size(), static_cast<size_t>(NATO_VSL_ROWS)) << "a call twice in the combined list";
    int at_row = 0;
    auto national = [&](const auto &table, const char *series) {
        const int from = at_row;
        while (at_row < NATO_VSL_ROWS && std::strchr(series, nato_vsl[at_row][0])) ++at_row;
        EXPECT_GT(at_row - from, static_cast<int>(std::size(table))) << series << ": the list adds ships of its own";
        for (const auto &c : table) {
            bool found = false;
            for (int r = from; r < at_row && !found; ++r) found = std::strcmp(nato_vsl[r], c) == 0;
            EXPECT_TRUE(found) << c << " missing from its navy's part of the combined list";
        }
    };
    national(rn_vsl_2, "GM");
    national(us_navy_2, "N");
    national(trk_navy2, "T");
    national(por_navy_2, "C");  // CR..CU
    national(danish_navy_2, "O");
    national(dutch_navy_2, "P");
    national(greek_navy_2, "S");
    national(canadian_navy_2, "C");
    EXPECT_EQ(at_row, NATO_VSL_ROWS);

    const char *marker = "NAWS NAWS NAWS DE CTV CTV CTV";
    const std::regex message(
        R"(    A NR(\d{3})  A NR\1 II (\S{4})  \2 II ([ORP])  \3 II 101305Z MAR  101305Z MAR II GR (\d{2})  GR \4 = )"
        R"((\w+) (\w+) (\w+) (\w+) (\w+) = ((?:[A-Z]{5} )*) = \+)");
    std::map<char, int> seen;
    for (int count : {0, 167, 25}) {
        for (unsigned seed = 1; seed <= 40; ++seed) {
            at(10, 13, 5, 0, 0, seed);
            nato_broadcast(marker, "P13A", count == 25 ? canadian_navy_2 : nullptr, count);
            ASSERT_EQ(send_call, 1);
            const std::string s = slot(0);
            ASSERT_EQ(s.rfind(std::string(marker) + " P13A P13A P13A          ", 0), 0u) << s.substr(0, 80);
            EXPECT_NE(s.find(std::string(marker) + " QRU +"), std::string::npos);
            EXPECT_EQ(spd_table[0], 19);
            int n = 0;
            for (std::sregex_iterator m(s.begin(), s.end(), message), end; m != end; ++m, ++n) {
                const auto &g = *m;
                EXPECT_EQ(std::stoi(g[1]), 10 * 14 + n) << "the first number is day x (hour + 1)";
                const std::string to = g[2];
                if (count == 0) {
                    EXPECT_TRUE(std::regex_match(to, std::regex("[A-Z0-9]{4}"))) << to;
                    EXPECT_EQ(row_in(nato_vsl, to), -1) << to << " is a listed ship, not a fresh call";
                } else if (count == 167) {
                    EXPECT_GE(row_in(nato_vsl, to), 0) << to;
                } else {
                    const int r = row_in(canadian_navy_2, to);
                    EXPECT_GE(r, 0) << to;
                    EXPECT_LT(r, 24) << "the last row is never drawn";
                }
                const int groups = std::stoi(g[4]);
                EXPECT_GE(groups, 10);
                EXPECT_LE(groups, 69);
                const char p = g[3].str()[0];
                const char expect = groups % 5 != 0 ? 'O' : groups % 2 == 0 ? 'R' : 'P';
                EXPECT_EQ(p, expect) << "GR " << groups;
                ++seen[p];
                for (int w = 5; w <= 8; ++w) {
                    const int word = row_in(alfabet, g[w]);
                    EXPECT_GE(word, 0) << g[w];
                    EXPECT_LT(word, 25) << "ZULU is never drawn";
                }
                const int figure = row_in(digits, g[9]);
                EXPECT_GE(figure, 0);
                EXPECT_LT(figure, 9);
                EXPECT_EQ(static_cast<int>(g[10].length()), 6 * (groups - 1));
            }
            EXPECT_EQ(n, 4) << s.substr(0, 300);
        }
    }
    EXPECT_GT(seen['O'], 0);
    EXPECT_GT(seen['R'], 0);
    EXPECT_GT(seen['P'], 0);
}

TEST_F(Naval, NavalCoastStationAnswersAmericanShipsByTacticalCalls) {
    const char *marker = "VVV VVV VVV DE NAM NAM NAM      ";
    const std::regex tactical_re(R"(([A-Z][1-9][A-Z]) \1 DE NAM RRR QSA[2-4] K {24}OK QRU \]ee {16})");
    const std::regex open_re(R"(([A-Z]{4}) \1 DE NAM QSA[2-4] K {32}QRV K {240}QSL K {16}OK \1 DE NAM \]EE)");
    debug = 1;  // the diagnostic lines of each branch
    int tactical = 0, open = 0, figures = 0, tape = 0, silent = 0;
    for (int ms = 0; ms < 600; ++ms) {
        at(10, 13, 5, 0, ms, static_cast<unsigned>(ms) + 1);
        naval_coast(marker, "NAM", us_navy_2, 25);
        if (send_call == 0) {
            ++silent;
            continue;
        }
        ASSERT_EQ(send_call, 1);
        const std::string s = slot(0);
        std::smatch m;
        if (std::regex_search(s, m, tactical_re)) {
            ++tactical;
            EXPECT_NE(ms % 4, 0) << "no tactical call in a millisecond that is a multiple of 4";
            EXPECT_EQ(s.rfind(marker, 0), 0u);
            EXPECT_GE(count_of(s, marker), 21);
            EXPECT_LE(count_of(s, marker), 25);
        } else if (std::regex_search(s, m, open_re)) {
            ++open;
            EXPECT_EQ(ms % 4, 0);
            const int r = row_in(us_navy_2, m[1]);
            EXPECT_GE(r, 0);
            EXPECT_LT(r, 24);
        } else if (s.find(" + DE NAM QRU ]") != std::string::npos) {
            ++figures;
            EXPECT_EQ(count_of(s, marker), 20);
        } else {
            ++tape;
            EXPECT_GE(count_of(s, marker), 20) << s.substr(0, 80);
        }
    }
    debug = 0;
    EXPECT_GT(open, 0);
    const double share = double(tactical) / (tactical + open);
    EXPECT_GT(share, 0.6);
    EXPECT_LT(share, 0.9);
    EXPECT_GT(figures, 0);
    EXPECT_GT(tape, 3 * figures / 2);
    EXPECT_GT(silent, 0);
    const std::string log = read_text("TOVA_LOG.TXT");
    EXPECT_EQ(count_of(log, "Function: naval_coat \n Info: rcvg QTC fm ship "), tactical + open);
    EXPECT_EQ(count_of(log, "Function: naval_coast \n Info: open call "), open);
    EXPECT_EQ(count_of(log, "Function: naval_coat \n Info: 5F QTC IN PROGRESS"), figures);
    EXPECT_EQ(count_of(log, "Function: naval_coat \n Info: send_still(tape)"), tape);

    // A station whose call does not begin with N always names the ship.
    for (int ms = 1; ms < 200; ms += 2) {
        at(10, 13, 5, 0, ms, static_cast<unsigned>(ms));
        naval_coast("VVV VVV VVV DE GYA GYA GYA      ", "GYA", rn_vsl_2, 24);
        EXPECT_EQ(slot(0).find("RRR QSA"), std::string::npos);
    }
}

TEST_F(Naval, RoyalNavyShipsCallOnlyTheStationsOpenAtTheHour) {
    const char *const open_12[24] = {
        "CKN VHK VHM VIS ZLO", "CKN VHK VHM VIS ZLO", "ARM CKN VHK VHM VIS ZLO",
        "ARL ARM CKN GXO VHK VHM VIS VTF ZLO", "ARL ARM GXO VHK VHM VIS VTF ZSJ ZLO",
        "ARL ARM GKS GXO VHK VHM VIS VTF ZSJ ZLO", "ARL ARM GKS GXO VTF ZSJ", "ARL ARM GKS GXO VTF ZSJ",
        "ARL ARM GKS GXO VTF ZSJ", "ARL ARM GKS GXO VTF ZSJ", "ARL ARM CFH GKS GXO VTF ZSJ",
        "ARL CFH GKS GXO VTF ZSJ", "ARL CFH GKS GXO VTF ZSJ", "CFH GKS GXO ZSJ", "CFH CKN GKS GXO",
        "CFH CKN GKS GXO", "CFH CKN GKS GXO", "CFH CKN GKS GXO ZLO", "CFH CKN GKS GXO ZLO",
        "CFH CKN GXO VHM ZLO", "CFH CKN GXO VHM ZLO", "CFH CKN VHM VIS ZLO", "CFH CKN VHM VIS ZLO",
        "CFH CKN VHM VIS ZLO"};
    const char *const open_22[24] = {"", "", "", "GXO", "GXO", "GXO", "GKI GXO", "GKI GXO", "GKI GXO", "GKI",
                                     "GKI", "GKI", "GKI", "GKI", "GKI", "GKI", "", "", "", "", "", "", "", ""};
    const std::regex call(R"(([A-Z]{3})  \1  \1  DE ([A-Z]{4}) \2 \2 K {20})");
    auto words = [](const char *list) {
        std::set<std::string> out;
        std::istringstream in(list);
        for (std::string w; in >> w;) out.insert(w);
        return out;
    };
    for (int band : {12, 16, 22}) {
        for (int hour = 0; hour < 24; ++hour) {
            const std::set<std::string> open = words(band == 22 ? open_22[hour] : open_12[hour]);
            std::set<std::string> called;
            for (unsigned seed = 1; seed <= 120; ++seed) {
                at(10, hour, seed % 60, 0, 0, seed);
                if (band == 12) rn_12mhz();
                else if (band == 16) rn_16mhz();
                else rn_22mhz();
                if (open.empty()) {
                    ASSERT_EQ(send_call, 0) << "22 MHz at " << hour << ":" << seed % 60;
                    continue;
                }
                ASSERT_EQ(send_call, 1);
                std::smatch m;
                const std::string s = slot(0);
                ASSERT_TRUE(std::regex_match(s, m, call)) << s;
                EXPECT_EQ(open.count(m[1]), 1u) << band << " MHz, " << hour << " h: " << m[1] << " is not open";
                called.insert(m[1]);
                const int r = row_in(rn_vsl, m[2]);
                EXPECT_GE(r, 0);
                EXPECT_LT(r, 35);
                EXPECT_GE(spd_table[0], 16);
                EXPECT_LE(spd_table[0], 22);
            }
            EXPECT_EQ(called, open) << band << " MHz, " << hour << " h: every open station is called now and then";
        }
    }
}

TEST_F(Naval, IsraeliStationNumbersItsMessagesWithDigitsReversed) {
    // Day 10: the numbers start at 420, sent as 024, 124 ...; silent one time in about 13.
    int silent = 0;
    for (unsigned seed = 1; seed <= 260; ++seed) {
        at(10, 12, 2, 0, 0, seed);
        _4xz();
        silent += send_call == 0;
    }
    EXPECT_GT(silent, 5);
    EXPECT_LT(silent, 45);
    auto heard = [&](int day, int hour, int minute, int ms) {
        for (unsigned seed = 1;; ++seed) {
            at(day, hour, minute, 0, ms, seed);
            _4xz();
            if (send_call > 0 || seed > 50) return slot(0);
        }
    };
    const std::string marker = "VVV VVV VVV DE 4XZ 4XZ 4XZ = =  ";
    const std::string tail = [&] {
        std::string s;
        for (int i = 0; i < 10; ++i) s += marker;
        return s + blanks(5);
    }();

    const std::regex entry(R"(([A-Z]{2}[0-8][A-Z]) NR (\d{3}) [A-Z]{2} GR (\d{2}) == )");
    for (int ms : {0, 1}) {
        std::string s = heard(10, 12, 2, ms);
        ASSERT_GE(s.size(), tail.size());
        EXPECT_EQ(s.substr(s.size() - tail.size()), tail);
        int serial = 420;
        if (ms == 0) {
            ASSERT_EQ(s.rfind("NR 024 TO NR 034 QQL == ", 0), 0u) << s.substr(0, 60);
            ++serial;
        }
        for (std::sregex_iterator m(s.begin(), s.end(), entry), end; m != end; ++m, ++serial) {
            EXPECT_EQ(reverse((*m)[2]), std::to_string(serial));
            const int groups = std::stoi(reverse((*m)[3]));
            EXPECT_GE(groups, 10);
            EXPECT_LE(groups, 39);
        }
        EXPECT_EQ(serial, 429) << "nine entries";
        EXPECT_EQ(ton_table[0], 1000);
        EXPECT_EQ(qsa_table[0], 4);
    }

    // The letter messages: the date-time group 10 12 10 sent as 012101.
    const std::string s = heard(10, 12, 10, 0);
    const std::regex msg(R"(  NW QTC 1 NR (\d{3}) = = NR \1 [A-Z]{2} V [A-Z]{2}[0-8][A-Z] 012101 ([A-Z]{2}[0-8][A-Z]) )"
                         R"(GR (\d{2}) = = ([A-Z]{5}) ([A-Z]{5}) ((?:[A-Z]{5} )*)\5 = = )");
    int serial = 420;
    for (std::sregex_iterator m(s.begin(), s.end(), msg), end; m != end; ++m, ++serial) {
        const auto &g = *m;
        EXPECT_EQ(reverse(g[1]), std::to_string(serial));
        const std::string b = g[2];
        const std::string alternating = {b[0], b[3], b[0], b[3], b[0]};
        EXPECT_EQ(g[4].str(), alternating);
        const int groups = std::stoi(reverse(g[3]));
        EXPECT_EQ(static_cast<int>(g[6].length()), 6 * (groups - 4));
    }
    EXPECT_EQ(serial, 431) << "eleven messages";

    // The fleet weather message: day and hour digits reversed, cut zeros.
    const std::string keyed = heard(20, 14, 50, 0);
    // The message keys at 28 and the marker after it at 24, each by a speed code.
    ASSERT_GT(keyed.size(), 7u);
    EXPECT_EQ(keyed[0], char(CODE_SPD));
    EXPECT_EQ(keyed[1], char(28));
    EXPECT_NE(keyed.find(std::string{char(CODE_SPD), char(24)}, 7), std::string::npos);
    const std::string fm = keyed.substr(7);
    std::smatch m;
    ASSERT_TRUE(std::regex_search(fm, m, std::regex(R"(^  nw qtc 1 nr 840 == nr 840 qm z ([A-Z]{2}[0-8][A-Z]) 0341 02 )"
                                                    R"(([A-Z]{2}[0-8][A-Z]) wnc == 10001 33881 02012 = )")))
        << fm.substr(0, 100);
    EXPECT_NE(fm.find("nr 840 qm z " + m[1].str() + " 0341 02 " + m[2].str() + " wnc 02012 = + "), std::string::npos);
    EXPECT_EQ(sz_table[0], 1);

    EXPECT_EQ(heard(10, 12, 42, 0), "") << "nothing from 40 to 44";
    const std::string tape = heard(10, 13, 2, 0);
    EXPECT_GE(count_of(tape, marker), 20) << "the marker tape in odd hours";
    EXPECT_LE(count_of(tape, marker), 21);
}

TEST_F(Naval, SovietShoreStationsCallTheirShipsInOddMinutes) {
    at(10, 12, 4, 0, 0, 1);
    russian_navy_coast("RIW", rus_navy_riw, 25);
    russian_navy_qsx("RIW", rus_navy_riw, 25);
    russian_navy_primary();
    EXPECT_EQ(send_call, 0);
    std::set<std::string> shores;
    for (unsigned seed = 1; seed <= 80; ++seed) {
        at(10, 12, 5, 0, 0, seed);
        russian_navy_coast("RIT", rus_navy_rit, 25);
        ASSERT_EQ(send_call, 1);
        EXPECT_EQ(ton_table[0], 1500);
        EXPECT_EQ(qsa_table[0], 3) << "RIT: third letter T";
        EXPECT_GE(spd_table[0], 18);
        EXPECT_LE(spd_table[0], 21);
        const std::string s = slot(0);
        EXPECT_GE(row_in(rus_navy_rit, s.substr(0, s.find(' '))), 0) << s;
        EXPECT_NE(s.find("DE RIT"), std::string::npos);
        EXPECT_EQ(s.find("ZZD"), std::string::npos) << "the channel's signals are not the coast station's";

        at(10, 12, 5, 0, 0, seed);
        russian_navy_primary();
        ASSERT_EQ(send_call, 1);
        const std::string p = slot(0);
        const std::string ship = p.substr(0, p.find(' '));
        std::smatch m;
        ASSERT_TRUE(std::regex_search(p, m, std::regex(R"(DE (R[A-Z]{2}) )"))) << p;
        shores.insert(m[1]);
        const std::string shore = m[1];
        const int r = shore == "RIW" ? row_in(rus_navy_riw, ship)
                      : shore == "RIT" ? row_in(rus_navy_rit, ship)
                      : shore == "RMP" ? row_in(rus_navy_rmp, ship)
                                       : row_in(rus_navy_rcv, ship);
        EXPECT_GE(r, 0) << ship << " is not one of " << shore << "'s ships";
        EXPECT_EQ(p.find("RPT"), std::string::npos) << "the primary station uses the first four forms";
    }
    EXPECT_EQ(shores, (std::set<std::string>{"RCV", "RIT", "RIW", "RMP"}));
}

TEST_F(Naval, ExchangesAsSentOnTheTestClock) {
    // The Indian naval station: one call, or the whole exchange of position.
    for (int ms : {0, 1}) {
        at(10, 9, 7, 0, ms, 3);
        ins();
        ASSERT_EQ(send_call, 1);
        const auto turn = turns(slot(0));
        const std::string x = turn[0].text.substr(ms == 0 ? 0 : 11, 3);
        ASSERT_TRUE(std::regex_match(x, std::regex("[A-Z]{2}[0-8]"))) << turn[0].text;
        EXPECT_EQ(rto_table[0], 30);
        const std::string end = "   " + blanks(45);
        if (ms == 0) {
            ASSERT_EQ(turn.size(), 1u);
            EXPECT_EQ(turn[0].text, x + " " + x + " DE INS INS K" + end);
            EXPECT_EQ(slot(0).rfind(params_of(0), 0), 0u);
            continue;
        }
        ASSERT_EQ(turn.size(), 5u);
        EXPECT_EQ(turn[0].text, "INS INS DE " + x + " " + x + " QTC K   ");
        EXPECT_EQ(turn[1].text, x + " " + x + " DE INS INS QRV K   ");
        EXPECT_EQ(turn[2].text, "INS DE " + x + " QTR 0907  QTH XBB22  QRD XFD33 RPT AL K   ");
        EXPECT_EQ(turn[3].text, x + " DE INS = QTR 0907 QTH XBB22 QRD XFD33 K   ");
        EXPECT_EQ(turn[4].text, x + " >" + end);
        for (int k : {2, 4}) EXPECT_EQ(turn[k].ton, turn[0].ton) << "the same operator";
        EXPECT_EQ(turn[3].ton, turn[1].ton);
    }

    // The coast guard calls the ship left as the one now speaking, with the greeting of the hour.
    at(10, 9, 7, 0, 0, 5);
    jap_coast_guard("JNA");
    ASSERT_EQ(send_call, 1);
    EXPECT_EQ(slot(0), "^  JNA de " + std::string(__vsl) + " " + str2 + " k" + blanks(rto_table[0] ? 45 : 5));
    EXPECT_STREQ(str2, "GM");

    // The German navy: the shore station's message and the ship's receipt.
    for (unsigned seed = 1; seed < 200; ++seed) {
        at(10, 9, 7, 0, 0, seed);
        german_navy();
        if (send_call == 1) break;
    }
    ASSERT_EQ(send_call, 1);
    const auto turn = turns(slot(0));
    ASSERT_EQ(turn.size(), 3u);
    const std::string ship = turn[0].text.substr(0, 3);
    const int r = row_in(ger_navy, ship);
    EXPECT_GE(r, 0);
    EXPECT_LT(r, 9);
    const std::string shore = turn[1].text.substr(0, 5);
    EXPECT_TRUE(shore == "DHJ58" || shore == "DHJ59") << shore;
    EXPECT_EQ(turn[0].text, ship + " " + ship + " DE " + shore + " " + shore + " P K   ");
    EXPECT_EQ(turn[1].text, shore + " DE " + ship + " * +   ");
    EXPECT_EQ(turn[2].text, "R+   " + blanks(5));

    // Two tactical calls: the second is the one left in the work string.
    at(10, 9, 7, 0, 0, 8);
    undef_naval_nato();
    const std::string u = slot(0);
    const std::string first = u.substr(11, 3);
    EXPECT_TRUE(std::regex_match(first, std::regex("[A-Z][1-9][A-Z]")));
    EXPECT_EQ(u, "vvvv    <  " + first + " " + first + " de " + str2 + " " + str2 + " k" + blanks(5));
}

TEST_F(Naval, EveryGeneratorSendsOnlySoundableText) {
    const uint32_t dropped = send_dropped();
    for (int hour : {1, 8, 14, 22}) {
        for (int minute : {0, 3, 10, 31, 47}) {
            for (int second : {0, 7, 12, 21}) {
                for (int ms : {0, 1, 2, 3, 4}) {
                    at(27, hour, minute, second, ms, static_cast<unsigned>(hour * 1000 + minute * 10 + second + ms));
                    std::vector<std::string> slots;
                    auto run = [&](auto &&generator) {
                        send_stack_reset();
                        send_buf[0][0] = 0;
                        generator();
                        ASSERT_LE(send_call, 1);
                        for (int k = 0; k < send_call; ++k) slots.push_back(send_buf[k]);
                    };
                    run([] { nato_broadcast("CGNS CGNS CGNS DE CFH CFH CFH", "C13L", canadian_navy_2, 25); });
                    run([] { naval_coast("VVV VVV VVV DE NAM NAM NAM  ", "NAM", us_navy_2, 25); });
                    run([] { italian_naval("VVV VVV VVV DE IDQ IDQ IDQ  ", "IDQ"); });
                    run([] { russian_navy_qsx("RMP", rus_navy_rmp, 24); });
                    run([] { usn(); });
                    run([] { usn_old(); });
                    run([] { rcn("CFH"); });
                    run([] { fn("FUE"); });
                    run([] { dan_navy("OVG"); });
                    run([] { _4xz(); });
                    run([] { polish_navy(0); });
                    run([] { polish_navy(1); });
                    run([] { spanish_navy(); });
                    run([] { taiwan_navy(); });
                    run([] { bangladesh_navy(); });
                    run([] { qrr3("RCV", "RJD83"); });
                    run([] { uboot(); });
                    run([] { rcn_df(); });
                    run([] { venezuelian_navy(); });
                    run([] { mkl_broadcast(); });
                    run([] { algerian_navy(); });
                    run([] { hfv_tfclist(1, 12); });
                    run([] { hfv_tape(); });
                    run([] { th_navy_ship(); });
                    run([] { th_navy_coast(); });
                    run([] { french_navy_coast("VVV VVV VVV DE FUE FUE FUE  ", "FUE"); });
                    for (const std::string &s : slots) ASSERT_EQ(bad_chars(s), "") << s.substr(0, 120);
                    for (const std::string &s : slots) EXPECT_EQ(plain_text(s).find('{'), std::string::npos) << s.substr(0, 120);
                }
            }
        }
    }
    EXPECT_EQ(send_dropped(), dropped) << "a slot ran past its end";
}

}  // namespace
}  // namespace kestrel::test
