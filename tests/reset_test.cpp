// The resets: every layer's goes back to where the process starts, the whole
// program's makes a reception hear nothing of the one before, and the
// receiver's own retunes still carry their state from one to the next.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "bandplan/background/background.h"
#include "bandplan/bands.h"
#include "bandplan/reset.h"
#include "platform/clock.h"
#include "platform/media.h"
#include "procedures/procedures.h"
#include "procedures/send.h"
#include "state/clock.h"
#include "state/emission.h"
#include "state/random.h"
#include "state/receiver.h"
#include "support/fixture.h"
#include "support/instants.h"
#include "synth/channels.h"
#include "synth/morse.h"
#include "synth/params.h"
#include "traffic/amateur.h"
#include "traffic/military.h"
#include "traffic/vessels.h"

namespace kestrel::test {
namespace {

class Reset : public Kestrel {};

void dirty_everything() {
    freq = 23456;
    band = 23;
    att = filter = 1;
    hist = bkgnd = clips = qrn = 0;
    sampling = 3;
    mem[4] = 14000;
    marine_band = 22;
    std::strcpy(str, "A");
    std::strcpy(str2, "GM");
    std::strcpy(str3, "C");
    spd = 40, ton = 1500, qsa = 5, rto = 9, _f1 = sz = katokana = qrh = bw = hand = spark = 1, spacing = 3;
    spd3 = ton4 = qsa5 = 7;
    t.wHour = 13;
    myrand();
    emission_nr = 3;
    spd_table[2] = ton_table[6] = spacing_table[0] = 9;
    std::strcpy(fbuf, "close fone/clip.wav");
    timer_start(4, 60000);
    std::strcpy(send_buf[0], "OPEN");
    std::strcpy(send_buf[5], "CLOSED");
    send_call = 6;
    nr = 123;
    gr = 20;
    coast_opchat = 1;
    std::strcpy(__vsl, "DABC");
    std::strcpy(__qra, "HANSA");
    vsl_nr = coast_nr = vsl_nr1 = vsl_nr2 = qrc_nr = opchat_nr = 5;
    national_fleet_flag = 2;
    anm_sent = 1;
    std::strcpy(am_1, "DL1AA");
    std::strcpy(name_2, "KARL");
    am1_nr = am2_nr = am_nr = 8;
    std::strcpy(pbuf, "31");
    clip_ind = 3;
    clip_entry_visitor = [](int, int) {};
}

TEST_F(Reset, EveryLayerGoesBackToWhereTheProcessStartsIt) {
    dirty_everything();
    program_reset();
    // state/
    EXPECT_EQ(freq, 10000);
    EXPECT_EQ(band, 0);
    EXPECT_EQ(att + filter, 0);
    EXPECT_EQ(hist + bkgnd + clips + qrn, 4);
    EXPECT_EQ(sampling, 4);
    EXPECT_EQ(mem[4], 0);
    EXPECT_EQ(marine_band, 0);
    EXPECT_EQ(str[0] + str2[0] + str3[0], 0);
    EXPECT_EQ(spd, 20);
    EXPECT_EQ(ton, 800);
    EXPECT_EQ(qsa, 3);
    EXPECT_EQ(rto + _f1 + sz + katokana + qrh + bw + hand + spark, 0);
    EXPECT_EQ(spacing, 2);
    EXPECT_EQ(spd3 + ton4 + qsa5, 0);
    EXPECT_EQ(t.wHour, 0);
    EXPECT_EQ(rand_seed, 11111u);
    // synth/
    EXPECT_EQ(emission_nr, 0);
    EXPECT_EQ(spd_table[2] + ton_table[6] + spacing_table[0], 0);
    EXPECT_EQ(fbuf[0], 0);
    EXPECT_FALSE(channel_busy(4));
    EXPECT_EQ(watchdogs_running(), 0);
    // procedures/
    EXPECT_EQ(send_call, 0);
    EXPECT_EQ(send_buf[0][0] + send_buf[5][0], 0);
    EXPECT_EQ(nr + gr + coast_opchat, 0);
    EXPECT_EQ(send_dropped(), 0u);
    // traffic/
    EXPECT_EQ(__vsl[0] + __qra[0], 0);
    EXPECT_EQ(vsl_nr + coast_nr + vsl_nr1 + vsl_nr2 + qrc_nr + opchat_nr, 0);
    EXPECT_EQ(national_fleet_flag + anm_sent, 0);
    EXPECT_EQ(am_1[0] + name_2[0], 0);
    EXPECT_EQ(am1_nr + am2_nr + am_nr, 0);
    EXPECT_EQ(pbuf[0], 0);
    // bandplan/
    EXPECT_EQ(clip_ind, CLIP_NONE);
    EXPECT_EQ(clip_entry_visitor, nullptr);
}

// The slot texts and their speed-spread (rto) of one composed reception of f
// at sweep instant i, HIST and BGND on (as the receiver starts), from the seed
// of f and i.
std::string heard(int f, int i) {
    const Instant &at = sweep_instants[i];
    hist = bkgnd = 1;
    freq = f;
    test_clock_set(at.year, at.month, at.day_, at.hour, at.minute, at.second, 0);
    test_clock_step(3);
    random_reset(unsigned(f * 31 + i * 2));
    bands_compose();
    std::string text;
    for (int k = 0; k < send_call; ++k)
        text += "rto " + std::to_string(rto_table[k]) + " " + std::string(send_buf[k]) + "|";
    return text;
}

TEST_F(Reset, AFreshReceptionHearsNothingOfTheOneBeforeButARetuneDoes) {
    // On 16402 kHz at 20:12:36 of 2026-06-17 a ship reports to the coast
    // station last worked, and on 12342 at 03:17:13 of 2026-12-08 two ships
    // chat at the speed spread the last emission left: what earlier receptions
    // of the sweep left shows in both.
    struct Case {
        int f, i;
        const char *fresh_has;
    };
    for (const Case c : {Case{16402, 9, "4PB DE JCBL TR K"}, Case{12342, 1, "rto 0 "}}) {
        program_reset();
        const std::string fresh = heard(c.f, c.i);
        ASSERT_NE(fresh.find(c.fresh_has), std::string::npos) << c.f << ": " << fresh;
        // The receiver's way: retune after retune up the band, the state carried along.
        for (int g = c.f - 400; g < c.f; ++g) heard(g, c.i);
        const std::string carried = heard(c.f, c.i);
        EXPECT_NE(carried, fresh) << c.f << ": nothing carried from one retune to the next";
        // A reception after the whole reset is the fresh one again, byte for byte.
        program_reset();
        EXPECT_EQ(heard(c.f, c.i), fresh) << c.f;
    }
}

}  // namespace
}  // namespace kestrel::test
