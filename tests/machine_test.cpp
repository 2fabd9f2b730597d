// Machine modes: which recording each teleprinter, SITOR and fax sender
// starts under the background switch and the clock, the SITOR marker, data
// bursts and the operator's chat before a teleprinter transmission.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/media.h"
#include "platform/ui.h"
#include "procedures/markers.h"
#include "procedures/send.h"
#include "procedures/voice.h"
#include "state/receiver.h"
#include "support/fixture.h"
#include "synth/machine.h"
#include "synth/params.h"

namespace kestrel::test {
namespace {

class Machine : public Kestrel {
protected:
    // Sets the test clock and the shared clock sample to one instant.
    void at(int hour, int minute, int second) {
        test_clock_set(2026, 3, 10, hour, minute, second, 0);
        GetSystemTime(&t);
    }
    // The media commands sent since the last clear, without the "string " tag.
    static std::vector<std::string> strings() {
        std::vector<std::string> out;
        for (const auto &line : media_recorded())
            if (line.rfind("string ", 0) == 0) out.push_back(line.substr(7));
        return out;
    }
    static std::vector<std::string> one(const char *command) { return {command}; }
    static std::vector<std::string> none() { return {}; }
};

const char *const RTT1 = "play fone/rtt-001.wav";
const char *const RTT1_MP3 = "play fone/rtt-001.mp3";
const char *const RTT2 = "play fone/rtt-002.wav";
const char *const SITOR = "play fone/sitorb.wav";
const char *const FAX = "play fone/fax-001.wav";

TEST_F(Machine, RtlxFollowsTheBackgroundSwitchAndShowsTheMeter) {
    at(12, 0, 0);
    qsa = 4;
    bkgnd = 1;
    rtlx("X", 850, 50);
    EXPECT_EQ(strings(), one(RTT1));
    EXPECT_STREQ(ui_text(ID_SMETER), ">>>> ");

    media_recorded_clear();
    bkgnd = 0;
    rtlx("X", 850, 50);
    EXPECT_EQ(strings(), none());

    media_recorded_clear();
    bkgnd = 1;
    rtlx("X", 170, 45);
    EXPECT_EQ(strings(), none());
}

TEST_F(Machine, RtlxCondPicksTheRecordingBySpeedAndShiftClass) {
    at(12, 0, 0);
    bkgnd = 1;
    struct Case {
        int shift, baud;
        const char *want;  // nullptr: nothing plays
    };
    const Case cases[] = {
        {125, 50, RTT1},      {170, 50, RTT1},      {425, 50, RTT1_MP3}, {500, 50, RTT1_MP3},
        {850, 50, RTT1},      {1000, 50, RTT1},     {125, 75, RTT2},     {170, 75, RTT2},
        {425, 75, RTT2},      {500, 75, RTT2},      {850, 75, RTT2},     {1000, 75, RTT2},
        {170, 45, nullptr},   {850, 45, nullptr},   {425, 100, nullptr}, {850, 100, nullptr},
        {850, 96, nullptr},   {400, 50, nullptr},   {0, 75, nullptr},    {-850, 50, nullptr},
        {850, 0, nullptr},    {240, 75, nullptr},
    };
    for (const Case &c : cases) {
        media_recorded_clear();
        rtlx_cond("X", c.shift, c.baud, 0);
        EXPECT_EQ(strings(), c.want ? one(c.want) : none()) << c.shift << " Hz " << c.baud << " Bd";
    }
}

TEST_F(Machine, EverySenderHasItsRecordingAndMinuteDivisor) {
    using Sender = void (*)(const char *, int);
    struct Row {
        Sender fn;
        const char *want;
    };
    const Row rows[] = {
        {rtlx_cond_50_170, RTT1},  {rtlx_cond_50_425, RTT1_MP3}, {rtlx_cond_50_850, RTT1},
        {rtlx_cond_75_170, RTT2},  {rtlx_cond_75_425, RTT2},     {rtlx_cond_75_850, RTT2},
        {rtlx_cond_100_425, RTT2}, {rtlx_cond_100_850, RTT2},    {rtlx_cond_arqe_96, RTT2},
    };
    bkgnd = 1;
    for (const Row &r : rows) {
        // m = 8: minutes 0, 8, .. 56 only; m = 0: every minute.
        for (int minute = 0; minute < 60; ++minute) {
            at(9, minute, 30);
            media_recorded_clear();
            r.fn("X", 8);
            EXPECT_EQ(strings(), minute % 8 == 0 ? one(r.want) : none()) << r.want << " minute " << minute;
            media_recorded_clear();
            r.fn("X", 0);
            EXPECT_EQ(strings(), one(r.want));
        }
        bkgnd = 0;
        media_recorded_clear();
        r.fn("X", 0);
        EXPECT_EQ(strings(), none());
        bkgnd = 1;
    }
}

TEST_F(Machine, HundredBaudAtMinuteSixteenButNotSeventeen) {
    bkgnd = 1;
    at(3, 16, 0);
    rtlx_cond_100_425("X", 8);
    EXPECT_EQ(strings(), one(RTT2));
    media_recorded_clear();
    at(3, 17, 0);
    rtlx_cond_100_425("X", 8);
    EXPECT_EQ(strings(), none());
    rtlx_cond_100_425("X", 0);
    EXPECT_EQ(strings(), one(RTT2));
}

TEST_F(Machine, SitorPlaysInEveryThirdSecondWithTheSwitchOn) {
    for (int sw = 0; sw <= 1; ++sw) {
        bkgnd = sw;
        for (int s = 0; s < 60; ++s) {
            at(7, 30, s);
            media_recorded_clear();
            sitor();
            EXPECT_EQ(strings(), (sw && s % 3 == 0) ? one(SITOR) : none()) << "second " << s;
        }
    }
}

TEST_F(Machine, SitorMarkerBySecond) {
    bkgnd = 1;
    for (int s = 0; s < 60; ++s) {
        at(7, 30, s);
        media_recorded_clear();
        send_stack_reset();
        qsa = 2;
        sitor_marker(940, 17, "HEC");
        if (s % 9 == 0) {
            EXPECT_EQ(strings(), none()) << s;
            EXPECT_EQ(send_call, 0) << s;
        } else if (s % 5 == 0) {
            EXPECT_EQ(strings(), s % 3 == 0 ? one(SITOR) : none()) << s;
            EXPECT_EQ(send_call, 0) << s;
        } else {
            EXPECT_EQ(strings(), none()) << s;
            ASSERT_EQ(send_call, 1) << s;
            EXPECT_EQ(ton_table[0], 940);
            EXPECT_EQ(spd_table[0], 17);
            EXPECT_EQ(qsa_table[0], 2);
        }
    }
}

TEST_F(Machine, SitorMarkerTextIsTheNameFiftyTimesAfterAShortPause) {
    const std::string unit = std::string("HEC") + std::string(37, ' ');
    // Second 7 sends the marker; second 45 (multiple of 9) and 10 (multiple of
    // 5 but not of 3) send nothing at all.
    at(7, 30, 45);
    sitor_marker(940, 17, "HEC");
    at(7, 30, 10);
    sitor_marker(940, 17, "HEC");
    EXPECT_EQ(send_call, 0);
    EXPECT_EQ(strings(), none());

    at(7, 30, 7);
    sitor_marker(940, 17, "HEC");
    ASSERT_EQ(send_call, 1);
    std::string slot = send_buf[0];
    size_t first = slot.find('H');
    ASSERT_NE(first, std::string::npos);
    // Leading pause: 0, 4 or 8 blanks.
    EXPECT_TRUE(first == 0 || first == 4 || first == 8) << first;
    EXPECT_EQ(slot.find_first_not_of(' '), first);
    std::string body = slot.substr(first, unit.size() * 50);
    std::string want;
    for (int i = 0; i < 50; ++i) want += unit;
    EXPECT_EQ(body, want);
    // Only the closing blanks follow.
    EXPECT_EQ(slot.find_first_not_of(' ', first + want.size()), std::string::npos);

    // The name may come from the shared work string itself.
    send_stack_reset();
    std::snprintf(str, STR_SIZE, "4XZ");
    sitor_marker(800, 20, str);
    ASSERT_EQ(send_call, 1);
    EXPECT_NE(std::string(send_buf[0]).find("4XZ" + std::string(37, ' ') + "4XZ"), std::string::npos);
}

TEST_F(Machine, FaxFollowsTheSwitch) {
    bkgnd = 1;
    fax(120, 576);
    EXPECT_EQ(strings(), one(FAX));
    media_recorded_clear();
    bkgnd = 0;
    fax(120, 576);
    EXPECT_EQ(strings(), none());
}

TEST_F(Machine, DataIsAShiftKeyedRunOfZ) {
    at(10, 0, 0);
    data(200, 3);
    ASSERT_EQ(send_call, 1);
    EXPECT_EQ(f1_table[0], 1);
    EXPECT_EQ(spd_table[0], 200);
    EXPECT_EQ(qsa_table[0], 3);
    std::string slot = send_buf[0];
    const std::string run(42, 'Z');
    // A partial run first, then twenty whole ones, then blanks.
    size_t blanks = slot.find(' ');
    ASSERT_NE(blanks, std::string::npos);
    EXPECT_EQ(slot.find_first_not_of('Z'), blanks);
    EXPECT_GE(blanks, 20 * run.size() + 1);
    EXPECT_LE(blanks, 21 * run.size());
    EXPECT_EQ(slot.find_first_not_of(' ', blanks), std::string::npos);
    // The burst leaves no keying flag behind for the next station.
    EXPECT_EQ(_f1, 0);
}

TEST_F(Machine, Qyt4SendsABurstAboutEveryOtherTime) {
    int bursts = 0;
    for (int i = 0; i < 200; ++i) {
        at(10, i % 60, (i * 7) % 60);
        send_stack_reset();
        qyt4();
        if (send_call == 0) continue;
        ASSERT_EQ(send_call, 1);
        ++bursts;
        EXPECT_EQ(spd_table[0], 200);
        EXPECT_EQ(f1_table[0], 1);
        EXPECT_GE(qsa_table[0], 0);
        EXPECT_LE(qsa_table[0], 3);
    }
    EXPECT_GT(bursts, 50);
    EXPECT_LT(bursts, 150);
}

TEST_F(Machine, RtlxStackIsAPauseThatClosesTheSlot) {
    for (int i = 0; i < 30; ++i) {
        at(10, i, i);
        send_stack_reset();
        rtlx_stack("X", 50);
        ASSERT_EQ(send_call, 1);
        std::string slot = send_buf[0];
        EXPECT_EQ(slot.find_first_not_of(' '), std::string::npos);
        // 4..8 wait units, then the five units every closed slot ends with.
        EXPECT_EQ(slot.size() % 4, 0u);
        EXPECT_GE(slot.size(), (4u + 5u) * 4u);
        EXPECT_LE(slot.size(), (8u + 5u) * 4u);
    }
}

TEST_F(Machine, RtlxOpchatAnnouncesTheTransmissionAt27Wpm) {
    at(10, 0, 0);
    rtlx_opchat("DDK9");
    ASSERT_EQ(send_call, 1);
    EXPECT_EQ(spd_table[0], 27);
    std::string slot = send_buf[0];
    ASSERT_GE(slot.size(), 8u);
    EXPECT_EQ(static_cast<unsigned char>(slot[0]), CODE_SPD);
    EXPECT_EQ(static_cast<unsigned char>(slot[1]), 27);
    EXPECT_EQ(static_cast<unsigned char>(slot[2]), CODE_TON);
    EXPECT_EQ(static_cast<unsigned char>(slot[5]), CODE_QSA);
    const std::string msg = "^ de DDK9 nw  hr QOG2 QJH";
    EXPECT_EQ(slot.substr(7, msg.size()), msg);
    std::string tail = slot.substr(7 + msg.size());
    EXPECT_EQ(tail.find_first_not_of(' '), std::string::npos);
    // Two wait units, 4..8 more, and the closing five.
    EXPECT_GE(tail.size(), (2u + 4u + 5u) * 4u);
    EXPECT_LE(tail.size(), (2u + 8u + 5u) * 4u);
    EXPECT_EQ(strings(), none());
}

TEST_F(Machine, VoiceByDivisorOfTheSecondAndRadar) {
    for (int n : {0, 1, 2, 3, 7, 19, 59}) {
        for (int s = 0; s < 60; ++s) {
            at(5, 5, s);
            media_recorded_clear();
            fone_cond(n);
            bool plays = n == 0 || s % n == 0;
            EXPECT_EQ(strings(), plays ? one("play fone/ssb-002.wav") : none()) << n << " " << s;
        }
    }
    media_recorded_clear();
    radar();
    EXPECT_EQ(strings(), one("play fone/othr-001.wav"));
    EXPECT_EQ(send_call, 0);
}

}  // namespace
}  // namespace kestrel::test
