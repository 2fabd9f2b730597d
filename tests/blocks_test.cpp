// Message building blocks: call signs and groups with their alphabets, the
// message headers and check groups, receipts, and the small complete
// procedures built from them.
#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <map>
#include "support/quiet_regex.h"
#include <set>
#include <string>

#include "platform/clock.h"
#include "procedures/procedures.h"
#include "procedures/send.h"
#include "state/receiver.h"
#include "support/fixture.h"
#include "support/slot_text.h"
#include "synth/params.h"
#include "traffic/blocks.h"

namespace kestrel::test {
namespace {

class Blocks : public Kestrel {
protected:
    void TearDown() override {
        set_retune_hook(nullptr);
        Kestrel::TearDown();
    }
    void at(int day, int hour, int minute, int second = 0, int ms = 0, unsigned seed = 1, int month = 3,
            int year = 2026) {
        test_clock_set(year, month, day, hour, minute, second, ms);
        random_reset(seed);
        GetSystemTime(&t);
        send_stack_reset();
        for (auto &s : send_buf) s[0] = 0;
    }
    static std::string slot(int k) { return send_buf[k]; }
};

bool full(const std::string &s, const std::string &re) { return std::regex_match(s, std::regex(re)); }
bool full(const std::string &s, const std::regex &re) { return std::regex_match(s, re); }
std::string blanks(int n) { return std::string(static_cast<size_t>(n), ' '); }
TEST_F(Blocks, VocabularyTables) {
    EXPECT_STREQ(months[0], "JAN");
    EXPECT_STREQ(months[11], "DEC");
    EXPECT_STREQ(alfabet[5], "FOXTROTT");
    EXPECT_STREQ(alfabet[9], "JULIETT");
    for (int i = 0; i < 26; ++i) EXPECT_EQ(alfabet[i][0], 'A' + i) << i;
    EXPECT_STREQ(digits[0], "ZERO");
    EXPECT_STREQ(digits[9], "NINE");
    EXPECT_STREQ(dayname[0], "monday");
    EXPECT_STREQ(dayname[2], "wednsday");
    EXPECT_STREQ(dayname[6], "sunday");
}

TEST_F(Blocks, CallSignsHaveNoRepeatedAdjacentLetters) {
    at(1, 12, 0);
    std::set<char> firsts_rus;
    int digits_seen = 0;
    for (int i = 0; i < 3000; ++i) {
        for (bool rus : {false, true}) {
            std::string c = rus ? call4l_rus() : call4l();
            static const std::regex shape("[A-Z0-9]{4} ");
            ASSERT_TRUE(full(c, shape)) << c;
            for (int k = 0; k < 3; ++k) {
                bool letters = std::isalpha(static_cast<unsigned char>(c[k])) &&
                               std::isalpha(static_cast<unsigned char>(c[k + 1]));
                EXPECT_FALSE(letters && c[k] == c[k + 1]) << c;
            }
            if (rus) {
                EXPECT_NE(c[0], 'R');
                EXPECT_NE(c[0], 'U');
                firsts_rus.insert(c[0]);
            } else {
                EXPECT_TRUE(c[0] >= 'A' && c[0] <= 'Z');
                EXPECT_TRUE(c[3] >= 'A' && c[3] <= 'Z');
            }
            digits_seen += std::isdigit(static_cast<unsigned char>(c[1])) || std::isdigit(static_cast<unsigned char>(c[2]));
        }
    }
    int digit_firsts = 0;
    for (char c : firsts_rus) digit_firsts += std::isdigit(static_cast<unsigned char>(c)) ? 1 : 0;
    EXPECT_GT(digit_firsts, 5);  // R and U become digits
    EXPECT_GT(digits_seen, 100);  // about 3 in 26 calls get a digit
}

TEST_F(Blocks, LetterGroupsAndTheirAlphabets) {
    at(1, 12, 0);
    std::map<char, int> russian, latin, mixed;
    for (int i = 0; i < 6000; ++i) {
        std::string g = group5l(3);
        ASSERT_EQ(g.size(), 6u);
        ASSERT_EQ(g[5], ' ');
        for (int k = 0; k < 5; ++k) ++russian[g[k]];
        g = group5l(2);
        static const std::regex latin_group("[A-Z]{5} ");
        ASSERT_TRUE(full(g, latin_group)) << g;
        for (int k = 0; k < 5; ++k) ++latin[g[k]];
        g = group_mix_mw();
        ASSERT_EQ(g.size(), 6u);
        for (int k = 0; k < 5; ++k) ++mixed[g[k]];
    }
    EXPECT_EQ(russian.size(), 30u);
    EXPECT_EQ(latin.size(), 26u);
    // 30000 characters, each of the four extra letters about 1000 times.
    for (char c : {'!', '@', '#', '$'}) {
        EXPECT_GT(russian[c], 800) << c;
        EXPECT_LT(russian[c], 1200) << c;
    }
    EXPECT_EQ(mixed.size(), 37u);
    EXPECT_GT(mixed[20], 500);
    for (const auto &[c, n] : mixed)
        EXPECT_TRUE((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == 20) << int(c);

    std::string four = group4l(), three = group3l();
    EXPECT_TRUE(full(str2, "[A-Z]{3} "));
    EXPECT_TRUE(full(four, "[A-Z]{4} "));
    EXPECT_TRUE(full(three, "[A-Z]{3} "));
    EXPECT_TRUE(full(group6f(), "[0-9]{6} "));
    EXPECT_TRUE(full(group5f(), "[0-9]{5} "));
    EXPECT_TRUE(full(group4f(), "[0-9]{4} "));
    EXPECT_TRUE(full(group3f(), "[0-9]{3} "));
    EXPECT_TRUE(full(group2f(), "[0-9]{2} "));
    EXPECT_TRUE(full(nato_call3(), "[A-Z][1-9][A-Z]"));
}

TEST_F(Blocks, LetterMessageHeaderGroupsAndCheckInLetters) {
    at(7, 14, 5);
    qtc5l(24, 20, 2, 1);
    EXPECT_EQ(send_call, 0);
    EXPECT_TRUE(full(slot(0), " 024 20 7 1405 024 = ([A-Z]{5} ){19}PUPQO K")) << slot(0);

    // 07019 through the tables "PQWERTYUIO", "KABWGDEVZI", "P!WERTYUIO".
    struct Case {
        int flags;
        const char *end;
    } cases[] = {
        {2, "KVKAI K"}, {3, "PUP!O K"}, {129, "PUPQO \\+"}, {130, "KVKAI \\+"}, {131, "PUP!O \\+"},
        {0x80, "07019 \\+"}, {4, "07019 K"},
    };
    for (const Case &c : cases) {
        at(7, 14, 5);
        qtc5l(24, 20, 2, c.flags);
        EXPECT_TRUE(full(slot(0), std::string(" 024 20 7 1405 024 = ([A-Z]{5} ){19}") + c.end)) << c.flags << ": " << slot(0);
    }
    // Flag 3 writes the digit 1 as the extra letter '!'.
    at(21, 9, 30);
    qtc5l(1, 12, 3, 3);
    EXPECT_TRUE(full(slot(0), " 001 12 21 0930 001 = ([A-Z!@#$]{5} ){11}W!P!! K")) << slot(0);

    // Without flags: one more letter group and "K ".
    at(7, 14, 5);
    qtc5l(24, 20, 2, 0);
    EXPECT_TRUE(full(slot(0), " 024 20 7 1405 024 = ([A-Z]{5} ){20}K ")) << slot(0);
}

TEST_F(Blocks, LetterMessageIndicatorGroups) {
    at(7, 14, 5);
    qtc5l(5, 3, 2, 0x100);
    EXPECT_TRUE(full(slot(0), " 005 3 7 1405 005 = Z[A-Z]{2} [0-9]{3} = ([A-Z]{5} ){2}07002 K")) << slot(0);
    at(7, 14, 5);
    std::strcpy(str2, "QX");
    qtc5l(5, 3, 2, 0x200);
    EXPECT_TRUE(full(slot(0), " 005 3 7 1405 005 = ZQX [0-9]{3} = ([A-Z]{5} ){2}07002 K")) << slot(0);
    at(7, 14, 5);
    std::strcpy(str2, "QX");
    qtc5l(5, 3, 2, 0x380);
    EXPECT_TRUE(full(slot(0), " 005 3 7 1405 005 = Z[A-Z]{2} [0-9]{3} = ZQX [0-9]{3} = ([A-Z]{5} ){2}07002 \\+"))
        << slot(0);
    // An indicator flag keeps the check group in digits.
    at(7, 14, 5);
    qtc5l(5, 3, 2, 0x101);
    EXPECT_TRUE(full(slot(0), " 005 3 7 1405 005 = Z[A-Z]{2} [0-9]{3} = ([A-Z]{5} ){2}07002 K")) << slot(0);
}

TEST_F(Blocks, FigureMessage) {
    at(7, 14, 5);
    qtc5f(5, 1);
    EXPECT_EQ(slot(0), " 005 1 7 1405 005 = 07000 ");
    at(17, 3, 9);
    qtc5f(123, 8);
    EXPECT_TRUE(full(slot(0), " 123 8 17 0309 123 = ([0-9]{5} ){7}17007 ")) << slot(0);
    EXPECT_EQ(send_call, 0);
}

TEST_F(Blocks, IndicatorPairBracketsTheMessage) {
    at(7, 14, 5);
    indicator_qtc_nosend(2, 4, "");
    std::smatch m;
    std::string s = slot(0);
    ASSERT_TRUE(std::regex_match(s, m, std::regex("([A-Z]{5} [A-Z]{5} )\\1"))) << s;
    EXPECT_EQ(send_call, 0);

    at(7, 14, 5);
    indicator_qtc(3, 10, "VZCZC");
    s = slot(0);
    ASSERT_TRUE(std::regex_match(s, m, std::regex("(VZCZC[A-Z]{5} )([A-Z!@#$]{5} ){6}\\1 K {20}"))) << s;
    EXPECT_EQ(send_call, 1);

    // The indicator may come in a work string the block itself writes.
    at(7, 14, 5);
    std::strcpy(str3, "ZCZC");
    indicator_qtc_nosend(2, 5, str3);
    s = slot(0);
    EXPECT_TRUE(std::regex_match(s, m, std::regex("(ZCZC[A-Z]{5} )[A-Z]{5} \\1"))) << s;
}

TEST_F(Blocks, ReceiptsAtTheirSecondsAndMilliseconds) {
    for (int second = 0; second < 60; ++second) {
        at(7, 14, 5, second);
        qsl("KPH ");
        if (second % 5) {
            EXPECT_EQ(send_call, 0);
            continue;
        }
        ASSERT_EQ(send_call, 1);
        EXPECT_TRUE(full(slot(0), "( {4})?KPH R [0-9]{3} K {8}RK {20}")) << slot(0);
    }
    for (int ms : {0, 1, 2, 3}) {
        for (int minute : {4, 5}) {
            at(7, 14, minute, 0, ms);
            qsl(0, 0, 0);
            if (ms & 1) {
                EXPECT_EQ(send_call, 0);
                continue;
            }
            ASSERT_EQ(send_call, 1);
            std::string want = minute & 1 ? "([A-Z0-9]{4} )\\1R [0-9]{3} K {17}RK {20}"
                                          : "[A-Z0-9]{4} R [0-9]{3} K {15}RK {20}";
            EXPECT_TRUE(full(slot(0), want)) << slot(0);
            EXPECT_LE(ton_table[0], 1700);
        }
    }
}

TEST_F(Blocks, NatoMessageDateAndGroups) {
    struct Case {
        int month, year;
        const char *mon, *yy;
    } cases[] = {{1, 2026, "JAN", "26"}, {12, 2026, "DEC", "26"}, {6, 2031, "JUN", "31"}, {3, 2000, "MAR", "00"}};
    for (const Case &c : cases) {
        at(4, 9, 7, 0, 0, 3, c.month, c.year);
        nato_qtc(12, 'P');
        ASSERT_EQ(send_call, 1);
        std::smatch m;
        std::string s = slot(0);
        ASSERT_TRUE(std::regex_match(
            s, m, std::regex(std::string("NR 12 II P II 040907Z ") + c.mon + " " + c.yy + " GR ([0-9]+) = ((?:[A-Z]{5} )+) = K" + blanks(22))))
            << s;
        int groups = std::stoi(m[1]);
        EXPECT_GE(groups, 10);
        EXPECT_LE(groups, 39);
        EXPECT_EQ(m[2].length(), static_cast<size_t>(6 * groups));
    }
}

TEST_F(Blocks, NatoExchangePassesOneMessage) {
    at(4, 9, 7, 0, 0, 11);
    nato_qso();
    ASSERT_EQ(send_call, 1);
    std::vector<Turn> ts = turns(slot(0));
    ASSERT_EQ(ts.size(), 8u);
    std::smatch m;
    ASSERT_TRUE(std::regex_match(ts[0].text, m, std::regex("([A-Z][1-9][A-Z]) DE ([A-Z][1-9][A-Z]) &QSA K   ")));
    std::string b = m[1], a = m[2];
    EXPECT_TRUE(full(ts[1].text, a + " DE " + b + " QSA[234] K   "));
    EXPECT_TRUE(full(ts[2].text, b + " DE " + a + " QSA[234] ZUJ K   "));
    EXPECT_EQ(ts[3].text, b + " R +   " + blanks(120));
    EXPECT_EQ(ts[4].text, b + " DE " + a + " ZBO 1 O K    ");
    EXPECT_EQ(ts[5].text, a + " DE " + b + " QRV K     ");
    EXPECT_TRUE(full(ts[6].text, b + " DE " + a + "   NR [1-8] II O II 040907Z MAR 26 GR [0-9]+ = ([A-Z]{5} )+ = K  " +
                                     blanks(8)))
        << ts[6].text;
    EXPECT_EQ(ts[7].text, a + " DE " + b + " R +    " + blanks(20));
    // Station A speaks as set 1 at 16..22 words per minute, B as set 2.
    for (size_t i = 0; i < 8; ++i) {
        EXPECT_GE(ts[i].spd, 16);
        EXPECT_LE(ts[i].spd, 22);
        EXPECT_EQ(ts[i].spd, ts[i % 2].spd);
    }
    EXPECT_EQ(bad_chars(slot(0)), "");
}

int g_retunes = 0;
void count_retune() { ++g_retunes; }

TEST_F(Blocks, LowPowerExchangeByMillisecondMinuteAndSecond) {
    set_retune_hook(count_retune);
    g_retunes = 0;
    // Not a multiple of 8 milliseconds: nothing.
    at(7, 14, 4, 1, 5);
    low_pwr_mil();
    EXPECT_EQ(slot(0), "");
    EXPECT_EQ(g_retunes, 0);
    // Odd minute: a tuning carrier and a retune.
    at(7, 14, 5, 1, 8);
    low_pwr_mil();
    EXPECT_EQ(g_retunes, 1);
    EXPECT_EQ(send_call, 0);
    EXPECT_TRUE(full(slot(0), "( {4}){2,11}"));
    // Even second: the calls and "OK RK", left open.
    at(7, 14, 4, 2, 16);
    low_pwr_mil();
    EXPECT_EQ(send_call, 0);
    std::vector<Turn> ts = turns(slot(0));
    ASSERT_EQ(ts.size(), 3u);
    std::smatch m;
    ASSERT_TRUE(std::regex_match(ts[0].text, m, std::regex("([A-Z0-9]{4} ) DE ([A-Z0-9]{4} ) K   "))) << ts[0].text;
    EXPECT_EQ(ts[1].text, std::string(m[2]) + " DE " + std::string(m[1]) + " K   ");
    EXPECT_EQ(ts[2].text, "OK RK   ");
    EXPECT_EQ(ts[0].qsa, 1);
    EXPECT_EQ(ts[1].qsa, 1);
    // Odd multiple of 3: the change of frequency, left open.
    at(7, 14, 4, 9, 24);
    low_pwr_mil();
    EXPECT_EQ(send_call, 0);
    ts = turns(slot(0));
    ASSERT_EQ(ts.size(), 4u);
    EXPECT_EQ(ts[2].text, "QSW2 K   ");
    EXPECT_EQ(ts[3].text, "OK QSW2 RK   ");
    // Otherwise the whole message, closed and hand-keyed.
    std::set<int> counts;
    for (unsigned seed = 1; seed <= 200; ++seed) {
        at(7, 14, 4, 7, 0, seed);
        low_pwr_mil();
        ASSERT_EQ(send_call, 1);
        EXPECT_EQ(hand_table[0], 1);
        ts = turns(slot(0));
        ASSERT_EQ(ts.size(), 8u);
        ASSERT_TRUE(std::regex_match(ts[0].text, m, std::regex("([A-Z0-9]{4} ) DE ([A-Z0-9]{4} ) K   ")));
        std::string a = m[1], b = m[2];
        EXPECT_EQ(ts[1].text, b + " DE " + a + " K   ");
        EXPECT_EQ(ts[2].text, b + " QTC K   ");
        EXPECT_EQ(ts[3].text, a + " QRV K       ");
        EXPECT_EQ(ts[4].text, b + "   ");
        std::smatch g;
        ASSERT_TRUE(std::regex_match(ts[5].text, g, std::regex(" =    ((?:[0-9]{3} )+) K    ")));
        counts.insert(static_cast<int>(g[1].length() / 4));
        EXPECT_EQ(ts[6].text, a + " R K   ");
        EXPECT_EQ(ts[7].text, "RK   " + blanks(20 + 160));
        // Set 1 and set 2: slow and weak.
        for (size_t i = 0; i < 8; ++i) {
            EXPECT_EQ(ts[i].qsa, 1);
            EXPECT_GE(ts[i].spd, 12);
            EXPECT_LE(ts[i].spd, 19);
        }
        EXPECT_GE(ts[0].ton, 1300);
        EXPECT_GE(ts[1].ton, 1300);
    }
    EXPECT_EQ(*counts.begin(), 4);
    EXPECT_GE(*counts.rbegin(), 10);
    EXPECT_LE(*counts.rbegin(), 19);
}

TEST_F(Blocks, DailyTestBroadcastSundayToThursday) {
    // 2026-03-13 is a Friday, 03-14 a Saturday, 03-15 a Sunday.
    for (int day = 9; day <= 15; ++day) {
        at(day, 6, 59, 58);
        fav22();
        if (t.wDayOfWeek == 5 || t.wDayOfWeek == 6) {
            EXPECT_EQ(send_call, 0) << day;
            EXPECT_EQ(slot(0), "") << day;
            continue;
        }
        ASSERT_EQ(send_call, 1) << day;
        char head[64];
        std::string want;
        for (int i = 1; i <= 4; ++i) {
            std::snprintf(head, sizeof head, "  BT NR %02d J %02d 06:59:58 1983 BT ", i, day);
            want += head;
            want += "([A-Z]{5} ){100}";
        }
        EXPECT_TRUE(full(slot(0), want + blanks(20))) << day;
        EXPECT_EQ(spd_table[0], 24);
        EXPECT_EQ(ton_table[0], 900);
        EXPECT_EQ(qsa_table[0], 4);
    }
}

TEST_F(Blocks, EverySlotSoundsOnlyMorseCharactersBlanksAndCodes) {
    set_retune_hook(count_retune);  // low_pwr_mil retunes in odd minutes
    for (unsigned seed = 1; seed <= 30; ++seed) {
        at(static_cast<int>(1 + seed % 28), static_cast<int>(seed % 24), static_cast<int>(seed * 7 % 60),
           static_cast<int>(seed * 11 % 60), static_cast<int>(seed * 8 % 1000), seed);
        qtc5l(static_cast<int>(seed), 30, seed % 2 ? 3 : 2, static_cast<int>(seed % 4) | 0x80);
        for (int i = 0; i < 5; ++i) send(group_mix_mw());
        indicator_qtc(3, 12, "");
        qsl("DHJ59 ");
        qsl(1, 2, 3);
        nato_qso();
        low_pwr_mil();
        fav22();
        for (int k = 0; k < 7; ++k) EXPECT_EQ(bad_chars(slot(k)), "") << seed << " slot " << k;
        // Counts below what the generators use stay harmless.
        send_stack_reset();
        qtc5l(1, 0, 2, 1);
        qtc5f(1, 0);
        indicator_qtc_nosend(2, 2, "");
        EXPECT_EQ(bad_chars(slot(0)), "");
    }
}

}  // namespace
}  // namespace kestrel::test
