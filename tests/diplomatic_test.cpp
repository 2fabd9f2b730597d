// Diplomatic, press and telecom traffic: the circuit operators' markers and
// speed tests, the Soviet circuit, the wartime network's schedule, the
// embassy texts, and the fixed telegrams and call lists they draw on.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <initializer_list>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "procedures/send.h"
#include "procedures/sendf.h"
#include "state/receiver.h"
#include "support/fixture.h"
#include "support/quiet_regex.h"
#include "support/slot_text.h"
#include "synth/params.h"
#include "traffic/diplomatic.h"

namespace kestrel::test {
namespace {

class Diplomatic : public Kestrel {
protected:
    void at(int hour, int minute, int second, int ms, unsigned seed, int day = 23) {
        reception_at(2026, 3, day, hour, minute, second, ms, seed);
        plain_params();
    }
    static bool silent() { return send_call == 0 && send_buf[0][0] == 0; }
};

std::string waits(int n) { return std::string(static_cast<size_t>(4 * n), ' '); }
std::string codes(int speed, int tone, int strength) {
    char c[8];
    encode_params(c, speed, tone, strength);
    return c;
}
int count_of(const std::string &text, const std::string &piece) {
    int n = 0;
    for (size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1)) ++n;
    return n;
}
std::vector<std::string> words_of(const std::string &text) {
    std::istringstream in(text);
    std::vector<std::string> out;
    for (std::string w; in >> w;) out.push_back(w);
    return out;
}
// Chargeable words: every word but the separators.
int chargeable(const std::string &text) {
    int n = 0;
    for (const std::string &w : words_of(text)) n += w != "=" && w != "+";
    return n;
}

TEST_F(Diplomatic, CircuitIdleMarkerFollowsTheLetterOfTheOwnCall) {
    for (int kind = 24; kind <= 29; ++kind) {
        // A French office switches the machine to 80 words a minute inside its marker.
        at(10, 0, 0, 0, static_cast<unsigned>(kind));
        ton = 1234;
        qsa = 2;
        telecom_opchat_case(kind, "HBW", "FTK");
        ASSERT_EQ(send_call, 1) << kind;
        const std::string piece =
            codes(30, 1234, 2) + "  FTK  " + codes(80, 1234, 2) + std::string(31, 'e');
        std::string twenty;
        for (int i = 0; i < 20; ++i) twenty += piece;
        EXPECT_EQ(std::string(send_buf[0]), twenty + waits(5)) << kind;
        EXPECT_EQ(spd_table[0], 27);
        EXPECT_EQ(rto_table[0], 0) << "the machine sends the marker";
        EXPECT_EQ(hand_table[0], 0);

        for (const char *own : {"KPF", "WCC"}) {
            at(10, 0, 0, 0, static_cast<unsigned>(kind));
            telecom_opchat_case(kind, "FTA", own);
            ASSERT_EQ(send_call, 1);
            const std::string s = send_buf[0];
            const std::string own3 = std::string(own) + " " + own + " " + own;
            EXPECT_NE(s.find("QRA QRA QRA DE " + own3 + " zhc?            QRA"), std::string::npos) << s;
            EXPECT_EQ(s.find("VVV"), std::string::npos);
            EXPECT_EQ(spd_table[0], 27);
            EXPECT_EQ(rto_table[0], 0);
        }
        // The called office's letter does not count: an F there is no French marker.
        for (const char *own : {"LGB", "HBW"}) {
            at(10, 0, 0, 0, static_cast<unsigned>(kind));
            telecom_opchat_case(kind, "FTA", own);
            ASSERT_EQ(send_call, 1);
            const std::string s = send_buf[0];
            const std::string own3 = std::string(own) + " " + own + " " + own;
            EXPECT_NE(s.find("VVV VVV VVV DE " + own3 + "            VVV"), std::string::npos) << s;
            EXPECT_EQ(s.find("QRA"), std::string::npos);
            EXPECT_EQ(s.find('\x01'), std::string::npos) << "no speed change outside the French marker";
            EXPECT_EQ(spd_table[0], 27);
        }
    }
}

TEST_F(Diplomatic, AutomaticMorseTestsRunUnweightedAtTheirSpeed) {
    const std::string tape80 = "= THIS IS HIGH SPEED AUTOMATIC MORSE TRANSMISSION AT 80 WPM FOR TESTING PURPOSES = ";
    at(10, 0, 0, 0, 3);
    rto = 25;  // a semi-automatic key left from before
    hand = 1;
    auto_morse(80);
    ASSERT_EQ(send_call, 1);
    std::string s = send_buf[0];
    EXPECT_GE(count_of(s, tape80), 20);
    EXPECT_EQ(spd_table[0], 80);
    EXPECT_EQ(rto_table[0], 0);
    EXPECT_EQ(hand_table[0], 0);

    // The circuit operator's cases 30..35 are the tapes at 40, 60 and 80.
    const int speeds[6] = {40, 40, 60, 60, 80, 80};
    for (int kind = 30; kind <= 35; ++kind) {
        at(10, 0, 0, 0, 4);
        telecom_opchat_case(kind, "FTA", "HBW");
        ASSERT_EQ(send_call, 1);
        const int wpm = speeds[kind - 30];
        s = send_buf[0];
        EXPECT_NE(s.find("AT " + std::to_string(wpm) + " WPM FOR TESTING PURPOSES = "), std::string::npos) << kind;
        EXPECT_EQ(spd_table[0], wpm) << kind;
        EXPECT_EQ(rto_table[0], 0) << kind << ": the operator's bug is not the tape machine";
    }
}

// The last two words of telegram k of a Soviet circuit, filled at `hour`.
std::string closing_words(const char *format, int hour) {
    char text[1024];
    textf(text, sizeof text, format, 23, hour, 0);
    const auto w = words_of(text);
    return w[w.size() - 2] + " " + w.back();
}

TEST_F(Diplomatic, SovietCircuitPassesItsTelegramsFiledEarlierInTheHour) {
    struct Circuit {
        int number, count;
        const char *const *table;
    };
    const std::regex filed(" 17(\\d\\d) = ");
    for (const Circuit &c : {Circuit{1, RUS_RKV_QTCS, qtc_rus_rkv_table}, Circuit{2, RUS_RIP_QTCS, qtc_rus_rip_table}}) {
        ASSERT_EQ(c.count, c.number == 1 ? 4 : 3);
        std::set<int> minutes_seen;
        for (int minute : {0, 2, 40}) {
            for (unsigned seed = 1; seed <= 8; ++seed) {
                at(17, minute, 0, 0, seed);
                russian_ptt("RCV", "RKV", c.number);
                ASSERT_EQ(send_call, 1);
                const std::string s = send_buf[0];
                EXPECT_NE(s.find("^ ^ RCV RCV RCV DE RKV RKV ZDR ZHC? ZOH" + std::to_string(c.count) + " ZOH?K"),
                          std::string::npos);
                EXPECT_EQ(count_of(s, " = +"), c.count) << s;
                // Each telegram whole at its end, in the order of the table.
                size_t from = 0;
                for (int k = 0; k < c.count; ++k) {
                    const size_t found = s.find(closing_words(c.table[k], 17), from);
                    ASSERT_NE(found, std::string::npos) << "circuit " << c.number << " telegram " << k;
                    from = found;
                }
                // Every telegram's filing time, whole at least once, before the present minute
                // (or at minute 0 in the hour's first minute).
                int times = 0;
                for (std::sregex_iterator m(s.begin(), s.end(), filed), end; m != end; ++m, ++times) {
                    const int filed_minute = std::stoi((*m)[1]);
                    if (minute == 0) EXPECT_EQ(filed_minute, 0);
                    else EXPECT_LT(filed_minute, minute);
                    if (minute != 0) minutes_seen.insert(filed_minute);
                }
                EXPECT_GE(times, c.count);
                EXPECT_LE(times, 2 * c.count);
                EXPECT_NE(s.find("^ NW NIL PSE ? K"), std::string::npos);
                EXPECT_GE(spd_table[0], 24) << "six words a minute above the station's own";
                EXPECT_LE(spd_table[0], 31);
            }
        }
        EXPECT_GT(minutes_seen.size(), 3u) << "the filing minutes are drawn";
    }
    // In odd minutes the circuit runs its speed test.
    at(17, 41, 0, 0, 2);
    russian_ptt("RCV", "RKV", 1);
    ASSERT_EQ(send_call, 1);
    EXPECT_NE(std::string(send_buf[0]).find("AT 80 WPM"), std::string::npos);
    EXPECT_EQ(spd_table[0], 80);
}

TEST_F(Diplomatic, GovernmentNetCallsOnlyInItsTenMinutes) {
    struct Window {
        int start;
        int before[2], inside[2], after[2];  // hour, minute
        const char *greeting;
    };
    const Window windows[] = {{1430, {14, 29}, {14, 30}, {14, 40}, "GA"},
                              {1430, {14, 29}, {14, 39}, {14, 40}, "GA"},
                              {1455, {14, 54}, {15, 4}, {15, 5}, "GA"},
                              {2355, {23, 54}, {0, 4}, {0, 5}, "GN"}};
    for (const Window &w : windows) {
        at(w.before[0], w.before[1], 10, 0, 1);
        pol_gov_ldn_net_clg(w.start, 23);
        EXPECT_TRUE(silent()) << w.start << " at " << w.before[0] << ":" << w.before[1];
        at(w.after[0], w.after[1], 10, 0, 1);
        pol_gov_ldn_net_clg(w.start, 23);
        EXPECT_TRUE(silent()) << w.start << " at " << w.after[0] << ":" << w.after[1];

        // Net 2 (the third list), its fourth station; even and odd seconds.
        for (int second : {10, 11}) {
            at(w.inside[0], w.inside[1], second, 0, 1);
            pol_gov_ldn_net_clg(w.start, 23);
            ASSERT_EQ(send_call, 1) << w.start << " at " << w.inside[0] << ":" << w.inside[1];
            const std::string s = send_buf[0];
            const std::string q = plg_qgg_net[3];
            const std::string head = "^ VVVVVVVVVV " + q + " " + q + " " + q + " " + q + " " + q + " " +
                                     w.greeting + (second % 2 == 0 ? " QAB QBV QBG " : " QAB QBW QBG ");
            const std::regex form(std::regex_replace(head, std::regex("[\\^?]"), "\\$&") +
                                  (second % 2 == 0 ? "\\d\\d VVVVV K {16}\\^" : "\\d\\d VVVVVVV K {16}\\^"));
            EXPECT_TRUE(std::regex_search(s, form)) << s;
            EXPECT_EQ(hand_table[0], 1);
        }
    }
    // The tens pick the net, the units its station: 105 is the sixth call of the eleventh net.
    at(14, 35, 10, 0, 1);
    pol_gov_ldn_net_clg(1430, 105);
    ASSERT_EQ(send_call, 1);
    EXPECT_NE(std::string(send_buf[0]).find(std::string(" ") + plg_qg321_net[5] + " " + plg_qg321_net[5]),
              std::string::npos);
}

TEST_F(Diplomatic, ExactTextsOnTheTestClock) {
    // A short telegram is passed without a break-in, then filing number, time and receipt.
    at(9, 5, 0, 0, 1);
    qtc_qsk_ptt("OK", "FTA", 417);
    ASSERT_EQ(send_call, 1);
    EXPECT_EQ(std::string(send_buf[0]), "OK + 417 0905 + DE FTA ?K" + waits(4) + "R NW NIL K" + waits(5));

    // Case 3 of the circuit operator: the French greeting for a French called office.
    struct Greeting {
        int hour;
        const char *called, *own, *text;
    };
    for (const Greeting &g : {Greeting{10, "FTK", "HBW", "BJR"}, Greeting{20, "FTK", "HBW", "BSR"},
                              Greeting{20, "HBW", "FTK", "GE"}, Greeting{9, "LGB", "FTK", "GM"}}) {
        for (unsigned seed = 1; seed <= 4; ++seed) {
            at(g.hour, 0, 0, 0, seed);
            nr = 417;
            telecom_opchat_case(3, g.called, g.own);
            ASSERT_EQ(send_call, 1);
            const std::string call = std::string(g.called) + " DE " + g.own + " " + g.text + " HR ZOH 417 K";
            // The keyer's weighting, left in the record, decides the long close.
            const std::string close = "R *" + waits(5) + (rto_table[0] != 0 ? waits(40) : "");
            std::set<std::string> expected;
            for (int lead : {0, 1})
                for (int turn : {4, 5}) expected.insert(waits(lead) + call + waits(turn) + close);
            EXPECT_TRUE(expected.count(send_buf[0])) << "\"" << send_buf[0] << "\"";
        }
    }

    // The Polish embassies: silent outside minutes multiple of three; else the
    // call twice, its form by the millisecond, or the receipt in odd seconds.
    at(10, 4, 4, 2, 1);
    polish_diplo2("SPW", "SQA");
    EXPECT_TRUE(silent());
    for (int ms : {2, 3}) {
        at(10, 3, 4, ms, 1);
        polish_diplo2("SPW", "SQA");
        ASSERT_EQ(send_call, 1);
        const std::string call = ms % 2 == 0 ? "SPW  de  SQA  QTC K" : "SPW  SPW  SPW  de  SQA  SQA  k";
        EXPECT_EQ(std::string(send_buf[0]), call + waits(8) + call + waits(5));
        EXPECT_GE(spd_table[0], 21);
        EXPECT_LE(spd_table[0], 26);
        EXPECT_GE(qsa_table[0], 1);
        EXPECT_LE(qsa_table[0], 2);
    }
    at(10, 3, 9, 0, 1);
    nr = 417;
    polish_diplo("SPW");
    ASSERT_EQ(send_call, 1);
    EXPECT_EQ(std::string(send_buf[0]), "SPW WITAM QSL NR 417  HR NIL K" + waits(8) + "r tks do milego ]ee" + waits(5));

    // The embassy telegrams: two words a minute slower, hand-keyed, one of the six.
    const std::set<std::string> telegrams = {us_diplo_qtc001, us_diplo_qtc002, us_diplo_qtc003,
                                             us_diplo_qtc004, us_diplo_qtc005, us_diplo_qtc006};
    for (unsigned seed = 1; seed <= 6; ++seed) {
        at(10, 0, 0, 1, seed);
        us_diplo_qtc();
        ASSERT_EQ(send_call, 1);
        std::string s = send_buf[0];
        if (s.rfind(waits(1), 0) == 0) s = s.substr(4);
        const std::string tail = waits(5) + waits(40);
        ASSERT_GT(s.size(), tail.size());
        EXPECT_EQ(s.substr(s.size() - tail.size()), tail);
        EXPECT_TRUE(telegrams.count(s.substr(0, s.size() - tail.size()))) << s;
        EXPECT_EQ(spd_table[0], 18);
        EXPECT_EQ(hand_table[0], 1);
    }
}

TEST_F(Diplomatic, FixedTextsKeepTheirFormsAndSound) {
    // Embassy telegrams: number, precedence, date-time group, group count
    // matching the text, origin and addressee with serial, handling line.
    const std::regex us("(\\d{6}) II [RPO] II \\d{6}Z [A-Z]{3} \\d\\d GR (\\d+) AMEMBASSY [A-Z ]+ TO SECSTATE WASHDC "
                        "\\d+( INFO [A-Z ]+ \\d+)? ZNR UUUUU = (.+) = \\+K");
    std::set<std::string> numbers;
    for (const char *text : {us_diplo_qtc001, us_diplo_qtc002, us_diplo_qtc003, us_diplo_qtc004, us_diplo_qtc005,
                             us_diplo_qtc006}) {
        std::smatch m;
        const std::string s = text;
        ASSERT_TRUE(std::regex_match(s, m, us)) << s;
        EXPECT_EQ(std::stoi(m[2]), chargeable(m[4])) << s;
        numbers.insert(m[1]);
        EXPECT_EQ(bad_chars(s), "");
    }
    EXPECT_EQ(numbers.size(), 6u);

    // Public telegrams: office, number, word count, day, time, then the
    // counted words of address, text and signature.
    const std::regex preamble("([A-Z]+) (\\d+) (\\d+) (\\d{1,2}) (\\d{4}) = (.+ = .+ = .+)");
    std::set<std::string> offices;
    for (int k = 0; k < PTT_QTCS; ++k) {
        const std::string s = qtc_ptt_table[k];
        std::smatch m;
        ASSERT_TRUE(std::regex_match(s, m, preamble)) << k << ": " << s;
        EXPECT_EQ(std::stoi(m[3]), chargeable(m[6])) << s;
        const int hh = std::stoi(std::string(m[5]).substr(0, 2)), mm = std::stoi(std::string(m[5]).substr(2));
        EXPECT_TRUE(hh < 24 && mm < 60) << s;
        offices.insert(m[1]);
        EXPECT_EQ(bad_chars(s), "") << s;
    }
    EXPECT_EQ(offices.size(), static_cast<size_t>(PTT_QTCS)) << "each telegram from its own office";

    // Soviet formats take exactly day, hour and minute as ints.
    std::vector<const char *> soviet(qtc_rus_rkv_table, qtc_rus_rkv_table + RUS_RKV_QTCS);
    soviet.insert(soviet.end(), qtc_rus_rip_table, qtc_rus_rip_table + RUS_RIP_QTCS);
    for (const char *f : soviet) {
        int conversions = 0;
        for (const char *p = f; *p; ++p) {
            if (*p != '%') continue;
            if (p[1] == '%') {
                ++p;
                continue;
            }
            const std::string conversion(p, p + (p[1] == 'd' ? 2 : 4));
            EXPECT_TRUE(conversion == "%d" || conversion == "%02d") << f;
            ++conversions;
        }
        EXPECT_EQ(conversions, 3) << f;
        char filled[1024];
        textf(filled, sizeof filled, f, 23, 17, 5);
        EXPECT_NE(std::string(filled).find("23 1705 = "), std::string::npos) << filled;
        EXPECT_EQ(bad_chars(filled), "") << filled;
    }

    for (const char *text : {morrocan_diplo_001, qtc_managua_001}) EXPECT_EQ(bad_chars(text), "") << text;

    // The government nets: 6 to 10 calls each, no call in two nets.
    const char(*nets[PLG_NETS])[6] = {plg_qga_net, plg_qgf_net, plg_qgg_net, plg_qgh_net,
                                      plg_qgl_net, plg_qgn_net, plg_qgr_net, plg_qgz_net,
                                      plg_qja_net, plg_qkx_net, plg_qg321_net};
    std::set<std::string> calls;
    size_t total = 0;
    for (const auto *net : nets) {
        int n = 0;
        while (n < PLG_NET_ROWS && net[n][0]) {
            EXPECT_EQ(bad_chars(net[n]), "");
            calls.insert(net[n]);
            ++n;
        }
        for (int k = n; k < PLG_NET_ROWS; ++k) EXPECT_EQ(net[k][0], 0) << "a gap in a net";
        EXPECT_GE(n, 6);
        EXPECT_LE(n, 10);
        total += static_cast<size_t>(n);
    }
    EXPECT_EQ(calls.size(), total);
}

TEST_F(Diplomatic, EveryGeneratorKeepsToTheStackAndTheMorseTable) {
    const std::vector<std::pair<const char *, std::function<void()>>> generators = {
        {"telecom_opchat_dx", [] { telecom_opchat_dx("FTA", "HBW", "LGB"); }},
        {"french_ptt", [] { french_ptt("HBW", "FTK"); }},
        {"russian_ptt 1", [] { russian_ptt("RCV", "RKV", 1); }},
        {"russian_ptt 2", [] { russian_ptt("RIP", "RCV", 2); }},
        {"radiophoto_opchat", [] { radiophoto_opchat("FTA", "HBW"); }},
        {"ufc", [] { ufc("FTA", "HBW"); }},
        {"kcna", kcna},
        {"us_diplo_qtc", us_diplo_qtc},
        {"pol_gov_ldn_net_clg", [] { pol_gov_ldn_net_clg(1000, 47); }},
        {"pol_gov_ldn_net_wrk", [] {
             for (int net : {1, 3, 4, 5, 6, 80, 81, 82, 83, 84}) pol_gov_ldn_net_wrk(net);
         }},
        {"italian_diplo", italian_diplo},
        {"german_diplo", german_diplo},
        {"diplo_simplex", [] { diplo_simplex("OLX OLX DE OLM", "OLM", "OLX"); }},
        {"polish_diplo", [] { polish_diplo("SPW"); }},
        {"polish_diplo2", [] { polish_diplo2("SPW", "SQA"); }},
        {"morrocan_diplo", [] { morrocan_diplo("CNM", "CNA"); }},
        {"iranian_diplo", iranian_diplo},
        {"portuguese_diplo", portuguese_diplo},
        {"british_diplo_old", british_diplo_old},
        {"vietnamese_diplo", vietnamese_diplo},
        {"albanian_diplo", [] { albanian_diplo("ZAT"); }},
        {"snn299", snn299},
        {"cuban_diplo", [] { cuban_diplo("CLP27"); }},
        {"nor_diplo", [] { nor_diplo("LJA24"); }},
        {"bul_emba", [] { bul_emba("LZW"); }},
        {"managua_msg", managua_msg},
        {"algerian_diplo", [] { algerian_diplo("7RQ31"); }},
        {"brussels_mfa", brussels_mfa},
        {"thai_mfa", thai_mfa},
        {"red_cross", [] { red_cross("HBD41"); }},
    };
    const uint32_t dropped = send_dropped();
    std::set<std::string> heard;
    for (const auto &[name, run] : generators) {
        for (int hour : {0, 10, 20}) {
            for (int minute : {0, 3, 12, 25, 41, 57}) {
                for (int second : {0, 5, 6, 9, 11}) {
                    at(hour, minute, second, second + minute, static_cast<unsigned>(hour * 100 + minute + second));
                    run();
                    ASSERT_LE(send_call, 7) << name;
                    if (send_call > 0) heard.insert(name);
                    for (int k = 0; k < send_call; ++k)
                        EXPECT_EQ(bad_chars(send_buf[k]), "") << name << " at " << hour << ":" << minute << ":" << second;
                }
            }
        }
    }
    EXPECT_EQ(send_dropped(), dropped) << "a slot went past its size";
    EXPECT_EQ(heard.size(), generators.size()) << "some generator was never heard";

    // The circuit's marker is the called office's V-call, in seconds multiple of three.
    at(10, 0, 3, 1, 1);
    ufc("FTA", "HBW");
    ASSERT_EQ(send_call, 1);
    EXPECT_NE(std::string(send_buf[0]).find("FTA FTA QSA? "), std::string::npos);
    EXPECT_EQ(std::string(send_buf[0]).find("HBW"), std::string::npos);
    at(10, 0, 4, 1, 1);
    ufc("FTA", "HBW");
    EXPECT_TRUE(silent());
}

}  // namespace
}  // namespace kestrel::test
