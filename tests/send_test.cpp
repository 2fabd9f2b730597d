// The send stack: slots, parameter records, the primitives and the overflow.
#include <gtest/gtest.h>

#include <cstring>
#include <set>

#include "platform/media.h"
#include "procedures/predicates.h"
#include "procedures/send.h"
#include "state/log.h"
#include "state/receiver.h"
#include "support/fixture.h"
#include "synth/channels.h"
#include "synth/params.h"

namespace kestrel::test {
namespace {

class SendStack : public Kestrel {
protected:
    void SetUp() override {
        Kestrel::SetUp();
        stn();
        send_stack_reset();
    }
    static int count_of(const std::string &s, const std::string &what) {
        int n = 0;
        for (size_t p = s.find(what); p != std::string::npos; p = s.find(what, p + what.size())) ++n;
        return n;
    }
};

TEST_F(SendStack, StationResetDrawsInRangeAndClearsKeying) {
    std::set<int> speeds, tones;
    for (int i = 0; i < 400; ++i) {
        rto = _f1 = qrh = sz = katokana = bw = spark = hand = 1;
        spacing = 3;
        stn_ext();
        ASSERT_TRUE(spd >= 18 && spd <= 25 && spd == spd1);
        ASSERT_TRUE(ton >= 800 && ton <= 1999 && ton == ton1);
        ASSERT_TRUE(qsa >= 1 && qsa <= 3 && qsa == qsa1);
        ASSERT_TRUE(spd2 >= 18 && spd2 <= 25 && ton2 >= 800 && ton2 <= 1990 && ton2 % 10 == 0);
        ASSERT_TRUE(nr >= 10 && nr <= 998 && gr >= 15 && gr <= 34);
        for (int tn : {ton3, ton4, ton5}) ASSERT_TRUE(tn >= 700 && tn <= 1990 && tn % 10 == 0);
        for (int q : {qsa3, qsa4, qsa5}) ASSERT_TRUE(q >= 1 && q <= 3);
        ASSERT_EQ(rto + _f1 + qrh + sz + katokana + bw + spark + hand, 0);
        ASSERT_EQ(spacing, 2);
        speeds.insert(spd);
        tones.insert(ton);
    }
    EXPECT_EQ(speeds.size(), 8u);  // all of 18..25 turn up
    EXPECT_GT(tones.size(), 200u);
}

TEST_F(SendStack, ParameterCodesAndDialogLayout) {
    spd = 20; ton = 800; qsa = 3;
    create_params();
    EXPECT_EQ(std::string(send_buf[0]), std::string("\x01\x14\x02\x20\x03\x03\x03"));

    send_stack_reset();
    spd1 = 22; ton1 = 1230; qsa1 = 2;
    spd2 = 19; ton2 = 760; qsa2 = 1;
    dialog1("QRV?");
    dialog2("QRV");
    const char want[] = "\x01\x16\x02\xce\x04\x03\x02QRV?   \x01\x13\x02\xf8\x02\x03\x01QRV   ";
    EXPECT_STREQ(send_buf[0], want);
    EXPECT_EQ(spd, 19);  // the last speaker stays current
}

TEST_F(SendStack, ZeroValuesTravelEscapedAndDecodeBack) {
    for (int tone : {0, 200, 256, 512, 1024, 1536, 2048, 3840, 999, 4000, 5000, -30}) {
        char out[8];
        encode_params(out, 20, tone, 0);
        EXPECT_EQ(std::strlen(out), 7u) << tone;
        int clamped = tone < 0 ? 0 : (tone > 4000 ? 4000 : tone);
        EXPECT_EQ(decode_tone(uint8_t(out[3]), uint8_t(out[4])), clamped) << tone;
        EXPECT_EQ(uint8_t(out[6]), 128);  // strength 0, which the writer takes as 0
    }
    char out[8];
    encode_params(out, 0, 800, 3);
    EXPECT_EQ(out[1], 1);
    encode_params(out, 256, 800, 3);
    EXPECT_EQ(uint8_t(out[1]), 255);
    encode_params(out, 300, 800, 3);
    EXPECT_EQ(out[1], 44);  // speeds above 255 keep their low byte
}

TEST_F(SendStack, RecordsAreFrozenAtCloseAndRestoredForRendering) {
    for (int i = 0; i < 3; ++i) {
        spd = 30 + i; ton = 900 + i; qsa = 4; rto = 10 + i; _f1 = 1; sz = 1; qrh = 2; katokana = 1; bw = 1;
        hand = 1; spark = 1; spacing = 3;
        send_stack("TEST");
        // Closing resets the keying for whatever comes next.
        EXPECT_EQ(spacing, 2);
        EXPECT_EQ(hand + rto + _f1 + spark + bw + sz + katokana + qrh, 0);
    }
    EXPECT_EQ(send_call, 3);
    spd = 1; ton = 1; qsa = 0; spacing = 1;
    emission_nr = 2;
    load_cw_param();
    EXPECT_EQ(spd, 32); EXPECT_EQ(ton, 902); EXPECT_EQ(qsa, 4); EXPECT_EQ(rto, 12); EXPECT_EQ(_f1, 1);
    EXPECT_EQ(sz, 1); EXPECT_EQ(qrh, 2); EXPECT_EQ(katokana, 1); EXPECT_EQ(bw, 1); EXPECT_EQ(hand, 1);
    EXPECT_EQ(spark, 1); EXPECT_EQ(spacing, 3);
}

TEST_F(SendStack, WaitAndTrailingSilence) {
    wait(0);
    EXPECT_STREQ(send_buf[0], "");
    wait(1);
    EXPECT_STREQ(send_buf[0], "    ");
    send_stack_reset();
    send_stack("AB");
    EXPECT_EQ(std::string(send_buf[0]), "AB" + std::string(20, ' '));
    hs();
    send_stack("AB");
    EXPECT_EQ(std::string(send_buf[1]), "AB" + std::string(180, ' '));
    send_times("XY ", 3);
    EXPECT_STREQ(send_buf[2], "XY XY XY ");
}

TEST_F(SendStack, EighthCloseOverflowsAndSevenSlotsPlay) {
    debug = 1;
    for (int i = 0; i < 8; ++i) send_stack("E");
    debug = 0;
    EXPECT_EQ(send_call, 7);
    std::string log = read_text("TOVA_LOG.TXT");
    EXPECT_EQ(count_of(log, "Function: Send Stack"), 7);
    EXPECT_EQ(count_of(log, "Info: ERROR#0250 Send Stack overflowed!"), 1);
    // Text sent while the stack is full goes nowhere.
    send("LOST");
    Activate_Send_Stack();
    int played = 0;
    for (const std::string &cmd : media_recorded()) played += cmd.rfind("channel_play", 0) == 0;
    EXPECT_EQ(played, 7);
    for (int k = 0; k < 7; ++k) EXPECT_TRUE(channel_busy(k)) << k;
    EXPECT_FALSE(channel_busy(7));
    EXPECT_FALSE(channel_busy(8));
    EXPECT_TRUE(file_exists("TOVA6.WAV"));
    EXPECT_FALSE(file_exists("TOVA7.WAV"));
}

TEST_F(SendStack, ActivateSkipsBusyAndSilentSlots) {
    send_stack("A");
    att = 1;
    qsa = 0;
    send_stack("B");  // rendered empty: attenuator on at strength 0
    send_stack("C");
    timer_start(2, 60000);  // channel 2 still busy from before
    media_recorded_clear();
    Activate_Send_Stack();
    // Slot 1 renders nothing, slot 2's channel is still busy: only slot 0 starts.
    EXPECT_EQ(media_recorded(), std::vector<std::string>{"channel_play 0 TOVA0.WAV"});
    EXPECT_EQ(read_file("TOVA1.WAV").size(), 0u);
    EXPECT_FALSE(file_exists("TOVA2.WAV"));
    EXPECT_FALSE(channel_busy(1));
}

TEST_F(SendStack, SlotTextIsCappedAtItsSize) {
    debug = 1;
    std::string block(4000, 'E');
    for (int i = 0; i < 4; ++i) send(block.c_str());
    debug = 0;
    EXPECT_EQ(std::strlen(send_buf[0]), size_t(SLOT_SIZE - 1));
    EXPECT_EQ(send_buf[1][0], 0);  // the next slot is untouched
    EXPECT_EQ(count_of(read_text("TOVA_LOG.TXT"), "slot full"), 1);
    send_stack("");
    EXPECT_EQ(send_call, 1);
    EXPECT_EQ(std::strlen(send_buf[0]), size_t(SLOT_SIZE - 1));
}

TEST_F(SendStack, SendStillRepeatsFromARandomPoint) {
    const std::string text = "VVV DE XYZ";  // ten characters
    std::set<size_t> tails;
    for (int i = 0; i < 60; ++i) {
        send_stack_reset();
        rto = 5;
        hand = 1;
        send_still(text.c_str());
        std::string slot = send_buf[0];
        size_t tail = slot.size() - 20 * text.size() - 20;
        ASSERT_GE(tail, 1u);
        ASSERT_LE(tail, 10u);
        EXPECT_EQ(slot.substr(0, tail), text.substr(text.size() - tail));
        std::string copies;
        for (int c = 0; c < 20; ++c) copies += text;
        EXPECT_EQ(slot.substr(tail, copies.size()), copies);
        tails.insert(tail);
    }
    EXPECT_GT(tails.size(), 5u);
    // Only a wide spacing set before adds the long trailing silence.
    send_stack_reset();
    hs();
    send_still(text.c_str());
    EXPECT_EQ(std::string(send_buf[0]).find_last_not_of(' ') + 1 + 180, std::strlen(send_buf[0]));
    // An empty text closes a silent slot instead of dividing by zero.
    send_stack_reset();
    send_still("");
    EXPECT_EQ(send_call, 1);
}

TEST_F(SendStack, SendCondIsSilentAboutHalfTheTimeButAlwaysCloses) {
    test_clock_step(13);  // the clock moves between draws, as a running receiver's does
    int heard = 0;
    const int tunings = 400;
    for (int i = 0; i < tunings; ++i) {
        stn();
        send_stack_reset();
        send_cond("CQ");
        ASSERT_EQ(send_call, 1);
        EXPECT_EQ(hand_table[0], 1);  // closed as hand keying
        heard += std::strstr(send_buf[0], "CQ") != nullptr;
    }
    EXPECT_GT(heard, tunings * 35 / 100);
    EXPECT_LT(heard, tunings * 65 / 100);
    // With the chance closed, send_cond_par closes nothing at all.
    int closed_none = 0;
    for (int i = 0; i < 200; ++i) {
        send_stack_reset();
        send_cond_par("CQ", 8);
        closed_none += send_call == 0;
    }
    EXPECT_GT(closed_none, 100);
    EXPECT_LT(closed_none, 200);
}

TEST_F(SendStack, KeyingVariantsSetTheirStyleForTheSlotTheyClose) {
    hist = 0;
    send_spark("OLD");
    EXPECT_EQ(send_call, 0);
    hist = 1;
    send_spark("OLD");
    EXPECT_EQ(spark_table[0], 1);
    EXPECT_EQ(std::string(send_buf[0]).substr(0, 120), std::string(120, ' '));
    send_stack_f1("RTTY");
    EXPECT_EQ(f1_table[1], 1);
    send_cond_bug_f1("BUG");
    EXPECT_EQ(f1_table[2], 1);
    EXPECT_TRUE(rto_table[2] >= 0 && rto_table[2] < 40);
    EXPECT_EQ(hand_table[2], 1);
    send_still_f1("MARKER");
    EXPECT_EQ(f1_table[3], 1);
    EXPECT_EQ(_f1, 0);
    ss();
    send_stack("X");
    EXPECT_EQ(spacing_table[4], 1);
    f1();
    EXPECT_EQ(ton2, ton + 500);
    bug();
    EXPECT_TRUE(rto >= 0 && rto < 40);
    bug_off();
    EXPECT_EQ(rto, 0);
}

TEST_F(SendStack, MyrandFollowsItsFormula) {
    test_clock_set(2026, 3, 10, 12, 34, 56, 789);
    std::srand(7);
    std::vector<uint32_t> want;
    uint32_t seed = 11111;
    for (int i = 0; i < 5; ++i) {
        seed = seed + uint32_t(std::rand()) + 10 + 12 + 34 + 56u * 789u + 1;
        want.push_back(seed);
    }
    random_reset(7);
    for (uint32_t w : want) EXPECT_EQ(myrand(), w);
    EXPECT_EQ(t.wMinute, 34);
    EXPECT_EQ(t.wMilliseconds, 789);
}

}  // namespace
}  // namespace kestrel::test
