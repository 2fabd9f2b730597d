// Schedule predicates on the settable clock, the propagation rule and next_day.
#include <gtest/gtest.h>

#include "procedures/predicates.h"
#include "procedures/send.h"
#include "state/log.h"
#include "state/receiver.h"
#include "support/fixture.h"
#include "synth/params.h"

namespace kestrel::test {
namespace {

class Predicates : public Kestrel {
protected:
    // Sets the clock sample the predicates read (they never refresh it themselves).
    void at(int hour, int minute, int day_of_month = 10, int month = 3) {
        test_clock_set(2026, month, day_of_month, hour, minute, 0, 0);
        GetSystemTime(&t);
    }
};

TEST_F(Predicates, TimeWindowsIncludingMidnightAndEqualEnds) {
    at(23, 10); EXPECT_EQ(ct(2200, 200), 1);
    at(1, 59);  EXPECT_EQ(ct(2200, 200), 1);
    at(2, 0);   EXPECT_EQ(ct(2200, 200), 0);
    at(21, 59); EXPECT_EQ(ct(2200, 200), 0);
    at(7, 30);  EXPECT_EQ(ct(730, 1600), 1);
    at(15, 59); EXPECT_EQ(ct(730, 1600), 1);
    at(16, 0);  EXPECT_EQ(ct(730, 1600), 0);
    at(7, 29);  EXPECT_EQ(ct(730, 1600), 0);
    for (int hour = 0; hour < 24; hour += 5) {
        at(hour, 17);
        EXPECT_EQ(ct(1000, 1000), 1) << hour;
    }
}

TEST_F(Predicates, BadTimeIsLoggedAsError110AndFalse) {
    debug = 1;
    at(12, 0);
    EXPECT_EQ(ct(2460, 100), 0);
    EXPECT_EQ(ct(100, 2400), 0);
    std::string log = read_text("TOVA_LOG.TXT");
    EXPECT_NE(log.find("\n Function: ERROR \n Info: Error code: 110 \n"), std::string::npos);
    EXPECT_NE(log.find(" additional param: 110\n"), std::string::npos);
    debug = 0;
}

TEST_F(Predicates, MinuteWindowsWrapAndStopAtTheHour) {
    auto minutes_true = [&](auto pred) {
        std::string s;
        for (int mm = 0; mm < 60; ++mm) {
            at(12, mm);
            s += pred() ? '1' : '0';
        }
        return s;
    };
    auto window = [](int from, int to) {  // '1' for from <= m < to, wrapping
        std::string s;
        for (int mm = 0; mm < 60; ++mm) s += (from < to ? (mm >= from && mm < to) : (mm >= from || mm < to)) ? '1' : '0';
        return s;
    };
    EXPECT_EQ(minutes_true([] { return min_period(30, 0); }), window(30, 60));
    EXPECT_EQ(minutes_true([] { return min_period(55, 5); }), window(55, 5));
    EXPECT_EQ(minutes_true([] { return min_period(0, 15); }), window(0, 15));
    EXPECT_EQ(minutes_true([] { return min_sked(55); }), window(55, 60));
    EXPECT_EQ(minutes_true([] { return ms10(50); }), window(50, 60));
    EXPECT_EQ(minutes_true([] { return min_sked_30(40); }), window(40, 60));
    EXPECT_EQ(minutes_true([] { return ms20(10); }), window(10, 30));
    EXPECT_EQ(minutes_true([] { return h_4(5); }),
              std::string(60, '0').replace(5, 1, "1").replace(20, 1, "1").replace(35, 1, "1").replace(50, 1, "1"));
    EXPECT_EQ(minutes_true([] { return h_6(0); }).find('1', 1), 10u);
    EXPECT_EQ(minutes_true([] { return h_5(3); }), [] {
        std::string s(60, '0');
        for (int mm : {3, 15, 27, 39, 51}) s[size_t(mm)] = '1';
        return s;
    }());
}

TEST_F(Predicates, SkedIsFiveMinutesAndSmallArgumentsMeanAfterMidnight) {
    auto hits = [&](int n) {
        std::vector<int> v;
        for (int hh = 0; hh < 24; ++hh)
            for (int mm = 0; mm < 60; ++mm) {
                at(hh, mm);
                if (sked(n)) v.push_back(hh * 100 + mm);
            }
        return v;
    };
    EXPECT_EQ(hits(1655), (std::vector<int>{1655, 1656, 1657, 1658, 1659}));
    EXPECT_EQ(hits(30), (std::vector<int>{30, 31, 32, 33, 34}));
    EXPECT_TRUE(hits(75).empty());
    at(6, 10); EXPECT_EQ(sked(610), 1);
}

TEST_F(Predicates, HourWindowsAreComplementaryPairs) {
    for (int hour = 0; hour < 24; ++hour) {
        at(hour, 0);
        EXPECT_EQ(day() + night(), 1) << hour;
        EXPECT_EQ(reg1rus_day() + reg1rus_night(), 1) << hour;
        EXPECT_EQ(reg2_day() + reg2_night(), 1) << hour;
        EXPECT_EQ(reg3m_day() + reg3m_night(), 1) << hour;
        EXPECT_EQ(reg3f_day() + reg3f_night(), 1) << hour;
        EXPECT_EQ(eh() + oh(), 1);
        EXPECT_EQ(eh(), hour % 2 == 0 ? 1 : 0);
        EXPECT_EQ(h(hour), 1);
        EXPECT_EQ(hh(hour), 0);
        EXPECT_EQ(hl(hour), 0);
        EXPECT_EQ(hh(hour - 1) + hl(hour + 1), 2);
    }
    at(17, 59); EXPECT_EQ(day(), 1);
    at(18, 0);  EXPECT_EQ(night(), 1);
    at(5, 59);  EXPECT_EQ(night(), 1);
    at(6, 0);   EXPECT_EQ(day(), 1);
    at(3, 0);   EXPECT_EQ(reg1rus_night(), 1);
    at(4, 0);   EXPECT_EQ(reg1rus_day(), 1);
    at(22, 0);  EXPECT_EQ(reg3f_day(), 1);
    at(9, 59);  EXPECT_EQ(reg3f_day(), 1);
    at(10, 0);  EXPECT_EQ(reg3f_night(), 1);
}

TEST_F(Predicates, CalendarAndNextDay) {
    at(12, 0, 30, 6);
    EXPECT_EQ(next_day(), 1);
    at(12, 0, 31, 7);
    EXPECT_EQ(next_day(), 1);
    at(12, 0, 29, 4);
    EXPECT_EQ(next_day(), 30);
    at(12, 0, 14, 12);
    EXPECT_EQ(ed() + od(), 1);
    EXPECT_EQ(ed(), 1);
    EXPECT_EQ(em(), 1);
    EXPECT_EQ(winter(), 1);
    for (int month = 1; month <= 12; ++month) {
        at(12, 0, 1, month);
        EXPECT_EQ(spring() + summer() + autum() + winter(), 1) << month;
        EXPECT_EQ(em() + om(), 1);
    }
    at(12, 0, 1, 3); EXPECT_EQ(spring(), 1);
    at(12, 0, 1, 9); EXPECT_EQ(autum(), 1);
}

TEST_F(Predicates, CondMatchesItsOddsAndAdvancesTheClock) {
    test_clock_set(2026, 3, 10, 12, 0, 0, 0);
    test_clock_step(37);
    const int n_draws = 32000;
    for (int n : {1, 2, 3, 4, 5, 7, 8}) {
        int hits = 0;
        for (int i = 0; i < n_draws; ++i) hits += cond(n);
        double want = double((32 + n - 1) / n) / 32.0;
        EXPECT_NEAR(double(hits) / n_draws, want, 0.02) << "cond(" << n << ")";
    }
    SYSTEMTIME before = t;
    cond(2);
    EXPECT_NE(before.wMilliseconds + 1000 * before.wSecond, t.wMilliseconds + 1000 * t.wSecond);
}

TEST_F(Predicates, PropagationWeakensAboveTenMegahertzAtNightOnly) {
    struct Case { int freq_, hour, qsa_in, qsa_out; };
    const Case cases[] = {{10000, 22, 3, 3}, {10001, 22, 3, 2}, {10001, 12, 3, 3},
                          {25000, 3, 0, 0},  {25000, 5, 1, 0},  {25000, 6, 1, 1}};
    for (const Case &c : cases) {
        freq = c.freq_;
        at(c.hour, 0);
        qsa = c.qsa_in;
        prop();
        EXPECT_EQ(qsa, c.qsa_out) << c.freq_ << " at " << c.hour;
    }
}

}  // namespace
}  // namespace kestrel::test
