// Net radio checks: members counted, one or many parameter sets as each net
// kind has them, the exact turns of the fixed-list forms and their speeds.
#include <gtest/gtest.h>

#include "support/quiet_regex.h"
#include <set>
#include <string>

#include "platform/clock.h"
#include "procedures/send.h"
#include "support/fixture.h"
#include "support/slot_text.h"
#include "synth/params.h"
#include "traffic/netcheck.h"

namespace kestrel::test {
namespace {

class NetCheck : public Kestrel {
protected:
    void at(unsigned seed, int hour = 12, int minute = 0, int second = 0) {
        test_clock_set(2026, 3, 10, hour, minute, second, static_cast<int>(seed % 1000));
        random_reset(seed);
        GetSystemTime(&t);
        send_stack_reset();
    }
    static std::string slot0() { return send_buf[0]; }
};

std::string blanks(int n) { return std::string(static_cast<size_t>(n), ' '); }

// Generated calls: four characters, the Russian-style ones never led by R or U.
const char *CALL = "[A-Z][A-Z0-9][A-Z0-9][A-Z] ";
const char *RUS = "[A-QSTV-Z0-9][A-Z0-9][A-Z0-9][A-Z] ";

TEST_F(NetCheck, DuplexControlCallsEachMemberWithOneSignal) {
    for (int form : {1, 2, 3}) {
        for (int count : {0, 1, 4, 9}) {
            at(static_cast<unsigned>(form * 100 + count));
            duplex_radiocheck(count, form);
            ASSERT_EQ(send_call, 1);
            std::string s = slot0();
            EXPECT_EQ(bad_chars(s), "");
            // One parameter set for the whole slot: no in-band change.
            EXPECT_EQ(s.find(static_cast<char>(CODE_SPD)), std::string::npos);
            EXPECT_GE(ton_table[0], 1000);
            EXPECT_LE(ton_table[0], 1599);
            EXPECT_GE(spd_table[0], 17);
            EXPECT_LE(spd_table[0], 23);
            std::string member;
            if (form == 1)
                member = std::string("(") + RUS + ")DE (" + CALL + ")QSA\\? K" + blanks(28) +
                         "\\1DE \\2QSA[234] K" + blanks(20) + "RK" + blanks(8);
            else if (form == 2)
                member = std::string("(") + RUS + ")\\1\\1DE (" + CALL + ")\\2QSA\\? QRK\\? QXS K" + blanks(28) +
                         "\\1DE \\2QSA[234] QRK[34] K" + blanks(20) + "RK" + blanks(8);
            else
                member = std::string("(") + RUS + ")DE (" + CALL + ") K" + blanks(16) + "\\1DE \\2 K" + blanks(20) +
                         "RK" + blanks(8);
            std::regex one(member);
            std::string rest = s;
            std::set<std::string> owns;
            int members = 0;
            std::smatch m;
            while (std::regex_search(rest, m, one, std::regex_constants::match_continuous)) {
                ++members;
                owns.insert(m[2]);
                rest = m.suffix();
            }
            EXPECT_EQ(members, count) << form << " " << s;
            EXPECT_EQ(rest, blanks(20)) << form;
            EXPECT_LE(owns.size(), 1u);  // one control station
        }
    }
}

TEST_F(NetCheck, DuplexMembersAnswerEachWithTheirOwnSignal) {
    std::set<std::string> sets;
    for (int form : {1, 2, 3}) {
        for (unsigned seed = 1; seed <= 20; ++seed) {
            at(seed * 7 + static_cast<unsigned>(form));
            int count = 1 + static_cast<int>(seed % 8);
            duplex_osn(count, form);
            ASSERT_EQ(send_call, 1);
            std::string s = slot0();
            EXPECT_EQ(bad_chars(s), "");
            std::vector<Turn> ts = turns(s);
            ASSERT_EQ(ts.size(), static_cast<size_t>(count)) << form << " " << count;
            std::string text;
            if (form == 1) text = std::string("(") + CALL + ")DE " + RUS + "QSA[234] K";
            else if (form == 2) text = std::string("(") + CALL + ")\\1\\1DE (" + RUS + ")\\2QSA[23] QRK[23] K";
            else text = std::string("(") + CALL + ")DE " + RUS + " K";
            std::set<std::string> owns;
            for (size_t i = 0; i < ts.size(); ++i) {
                std::string body = ts[i].text;
                if (i + 1 == ts.size()) {
                    ASSERT_GE(body.size(), 20u);
                    body.resize(body.size() - 20);  // the closing silence
                }
                std::smatch m;
                ASSERT_TRUE(std::regex_match(body, m, std::regex(text + blanks(32)))) << body;
                owns.insert(m[1]);
                EXPECT_GE(ts[i].ton, 900);
                EXPECT_LE(ts[i].ton, 1599);
                EXPECT_GE(ts[i].spd, 17);
                EXPECT_LE(ts[i].spd, 24);
                EXPECT_GE(ts[i].qsa, 2);
                EXPECT_LE(ts[i].qsa, 5);
                sets.insert(std::to_string(ts[i].spd) + "/" + std::to_string(ts[i].ton) + "/" +
                            std::to_string(ts[i].qsa));
            }
            EXPECT_LE(owns.size(), 1u);
        }
    }
    EXPECT_GT(sets.size(), 100u);  // members sound different
    at(3);
    duplex_osn(0, 1);
    EXPECT_EQ(slot0(), blanks(20));
}

// Expected turns of one member for a form, as regular expressions (m member,
// c control, g greeting); turns alternate control, member, control[, member].
std::vector<std::string> form_turns(int form, const std::string &m, const std::string &c, const std::string &g) {
    switch (form) {
        case 10: return {m + " DE " + c + " QSA\\? K", c + " DE " + m + " QSA[234] K",
                         m + " DE " + c + " OK QSA[234] ZNN \\]", "ZNN \\]"};
        case 12: return {m + " DE " + c + " GM QRK\\? K", "DE " + m + " R GM LB FR QRK4 QRU \\+ K",
                         m + " DE " + c + " R QRK4 AWDH \\+ \\]"};
        case 21: return {m + " DE " + c + " QSA\\? K", c + " DE " + m + " QSA[234] K", m + " DE " + c + " OK QSA[234] RK"};
        case 22: return {m + " " + m + " " + m + " DE " + c + " " + c + " QSA\\? K", c + " DE " + m + " QSA[234] K",
                         m + " DE " + c + " OK QSA[234] RK"};
        case 23: return {m + " " + m + " DE " + c + " " + c + " QSA\\? K", c + " DE " + m + " QSA[234] K",
                         m + " DE " + c + " OK QSA[234] R \\+"};
        case 24: return {m + " " + m + " V " + c + " " + c + " &X257 K", c + " V " + m + " X257 K",
                         m + " V " + c + " OK R \\+"};
        case 25: return {m + " DE " + c + " QRK\\? K", c + " DE " + m + " " + g + " QRK4 K",
                         m + " DE " + c + " " + g + " QRK4 \\]"};
        case 27: return {m + " DE " + c + " QSA\\? K", c + " DE " + m + " QSA[234] K", m + " DE " + c + " NIL SK"};
        case 32: return {m + " DE " + c + " ZSA\\? K", c + " DE " + m + " ZSA[234] K", m + " DE " + c + " OK ZSA[234] \\]"};
        case 41: return {m + " DE " + c + " QSA QRK\\? K", c + " DE " + m + " BJR AMI QSA QRK 4/4 VCI NIL K",
                         "R BJR RECU 4/4 MCI VS \\] EE", "EE"};
        case 80: return {m + " DE " + c + " QSA\\? K", c + " DE " + m + " QSA4 ZDD QDW K", m + " DE " + c + " QSA4 \\]"};
        default: return {};
    }
}
int form_wait(int form) {
    switch (form) {
        case 12: case 21: case 22: case 27: case 41: return 2;
        case 80: return 5;
        default: return 3;
    }
}

TEST_F(NetCheck, FixedListChecksEveryMemberInTheTurnsOfItsForm) {
    // A six-character call fills its field with no terminator.
    const char list[6][NET_CALL_WIDTH] = {"CTL", "AB1", {'A', 'B', 'C', 'D', 'E', 'F'}, "Q9", "XYZ", "M4M"};
    const std::string members[] = {"AB1", "ABCDEF", "Q9", "XYZ", "M4M"};
    for (int form : {10, 12, 21, 22, 23, 24, 25, 27, 32, 41, 80}) {
        at(static_cast<unsigned>(form), 18, 30);  // greeting GE
        simplex_fix_radiocheck(list, 6, form);
        ASSERT_EQ(send_call, 1);
        std::string s = slot0();
        EXPECT_EQ(bad_chars(s), "") << form;
        std::vector<Turn> ts = turns(s);
        size_t per = form_turns(form, "", "", "").size();
        ASSERT_EQ(ts.size(), 5 * per) << form;
        std::set<std::string> control_sets;
        for (int i = 0; i < 5; ++i) {
            std::vector<std::string> want = form_turns(form, members[i], "CTL", "GE");
            for (size_t k = 0; k < per; ++k) {
                const Turn &turn = ts[static_cast<size_t>(i) * per + k];
                std::string text = turn.text;
                if (i == 4 && k + 1 == per) text.resize(text.size() - 20);
                std::string tail = "   ";
                if (k + 1 == per) tail += blanks(4 * form_wait(form));
                EXPECT_TRUE(std::regex_match(text, std::regex(want[k] + tail))) << form << ": " << text;
                if (k % 2 == 0) {
                    control_sets.insert(std::to_string(turn.spd) + "/" + std::to_string(turn.ton));
                } else {
                    EXPECT_EQ(turn.ton % 10, 0);
                    EXPECT_GE(turn.ton, 900);
                    EXPECT_LE(turn.ton, 1490);
                    EXPECT_GE(turn.qsa, 1);
                    EXPECT_LE(turn.qsa, 3);
                }
            }
        }
        EXPECT_EQ(control_sets.size(), 1u) << form;  // the control station keeps its signal
    }
}

TEST_F(NetCheck, FormsWithoutTurnsAndEmptyNetsCloseSilence) {
    for (int form : {1, 38, 40}) {
        at(static_cast<unsigned>(form));
        simplex_fix_radiocheck(fixed_nets[NET_CZ_DIPLO].calls, 5, form);
        ASSERT_EQ(send_call, 1);
        EXPECT_EQ(slot0(), blanks(20)) << form;
    }
    for (int count : {0, 1}) {
        at(5);
        simplex_fix_radiocheck(fixed_nets[NET_TAC_1].calls, count, 21);
        ASSERT_EQ(send_call, 1);
        EXPECT_EQ(slot0(), blanks(20));
    }
}

TEST_F(NetCheck, FormTwentyFourIsThreeWordsPerMinuteSlowerOnBothSides) {
    auto ranges = [&](int form, std::set<int> &ctl, std::set<int> &mem) {
        for (unsigned seed = 1; seed <= 150; ++seed) {
            at(seed);
            simplex_fix_radiocheck(fixed_nets[NET_RU_NAVY_BLACK_SEA].calls, 6, form);
            std::vector<Turn> ts = turns(slot0());
            ASSERT_EQ(ts.size(), 15u);
            for (size_t i = 0; i < ts.size(); ++i) (i % 3 == 1 ? mem : ctl).insert(ts[i].spd);
        }
    };
    std::set<int> ctl24, mem24, ctl21, mem21;
    ranges(24, ctl24, mem24);
    ranges(21, ctl21, mem21);
    EXPECT_EQ(*ctl21.begin(), 16);
    EXPECT_EQ(*ctl21.rbegin(), 23);
    EXPECT_EQ(*mem21.begin(), 17);
    EXPECT_EQ(*mem21.rbegin(), 23);
    EXPECT_EQ(*ctl24.begin(), 15);
    EXPECT_EQ(*ctl24.rbegin(), 22);
    EXPECT_EQ(*mem24.begin(), 14);
    EXPECT_EQ(*mem24.rbegin(), 20);
}

TEST_F(NetCheck, ShippedNetsSoundClean) {
    for (const FixedNet &n : fixed_nets) {
        for (int form : {10, 12, 21, 22, 23, 24, 25, 27, 32, 41, 80}) {
            at(static_cast<unsigned>(form + n.count));
            simplex_fix_radiocheck(n.calls, n.count, form);
            EXPECT_EQ(bad_chars(slot0()), "") << n.name;
            EXPECT_LT(slot0().size(), 9999u);
        }
    }
}

}  // namespace
}  // namespace kestrel::test
