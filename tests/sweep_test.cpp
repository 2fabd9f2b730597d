// A sweep of the whole dial at many instants: no crash, no overfull stack or
// slot, and every character of every slot one that the Morse writer sounds.
// This is what catches typos in the station content.
#include <gtest/gtest.h>

#include <sstream>

#include "bandplan/bands.h"
#include "bandplan/reset.h"
#include "platform/media.h"
#include "procedures/procedures.h"
#include "procedures/send.h"
#include "state/receiver.h"
#include "support/fixture.h"
#include "support/instants.h"
#include "synth/channels.h"
#include "synth/morse.h"
#include "synth/params.h"

namespace kestrel::test {
namespace {

// The bad characters of one slot, readable, or "" when every byte is good.
std::string bad_bytes(const char *slot) {
    std::ostringstream bad;
    const unsigned char *p = reinterpret_cast<const unsigned char *>(slot);
    while (*p) {
        unsigned char c = *p;
        if (c == CODE_SPD || c == CODE_QSA) {
            if (!p[1]) { bad << "{cut code}"; break; }
            p += 2;
            continue;
        }
        if (c == CODE_TON) {
            if (!p[1] || !p[2]) { bad << "{cut code}"; break; }
            p += 3;
            continue;
        }
        if (c == ' ' || c == CODE_TUNE) { ++p; continue; }
        unsigned char folded = c;
        if (folded >= 97 && folded <= 127) folded = static_cast<unsigned char>(folded - 32);
        // Kana slots sound 97..160 with their own patterns; others fold lower case.
        bool sounds = (c < CW_TABLE_SIZE && cw_table[c] != 0) || (folded < CW_TABLE_SIZE && cw_table[folded] != 0);
        if (!sounds) bad << '[' << int(c) << ']';
        ++p;
    }
    return bad.str();
}

class Sweep : public Kestrel {};

TEST_F(Sweep, EveryFrequencyAtManyInstants) {
    media_use(&media_null);  // nothing to record: a million commands would only slow the sweep
    set_retune_hook(bands_compose);
    uint64_t dropped = 0;  // characters past a slot's end, summed over the receptions
    int receptions = 0, with_emissions = 0, multiple = 0, failures = 0;
    for (const Instant &at : sweep_instants) {
        for (int switches = 0; switches < 2; ++switches) {
            test_clock_set(at.year, at.month, at.day_, at.hour, at.minute, at.second, 0);
            test_clock_step(3);
            for (int f = 10000; f <= 30000; ++f) {
                // Each frequency heard as the first reception of a fresh run;
                // the clock runs on through the sweep.
                program_reset();
                random_reset(unsigned(f));
                hist = bkgnd = switches == 0 ? 1 : 0;
                freq = f;
                bands_compose();
                dropped += send_dropped();
                ++receptions;
                ASSERT_LE(send_call, 7) << f;
                with_emissions += send_call > 0;
                multiple += send_call > 1;
                for (int k = 0; k < send_call; ++k) {
                    std::string bad = bad_bytes(send_buf[k]);
                    if (!bad.empty() && ++failures <= 20)
                        ADD_FAILURE() << f << " kHz at " << at.hour << ":" << at.minute << " slot " << k << ": " << bad
                                      << " in \"" << std::string(send_buf[k]).substr(0, 120) << "\"";
                }
            }
        }
    }
    set_retune_hook(nullptr);
    EXPECT_EQ(dropped, 0u) << "some slot text went past 9999 characters";
    EXPECT_EQ(failures, 0);
    EXPECT_EQ(receptions, 12 * 2 * 20001);
    // The dial is not empty, and some frequencies carry several stations at once.
    EXPECT_GT(with_emissions, 100);
    EXPECT_GT(multiple, 0);
}

TEST_F(Sweep, RenderedReceptionsAcrossTheDial) {
    // Every 7th kHz with rendering and playback through the recording backend:
    // the writer sees every kind of content, and no slot plays twice.
    test_clock_set(2026, 12, 9, 14, 0, 0, 0);
    test_clock_step(5);
    int rendered = 0;
    for (int f = 10000; f <= 30000; f += 7) {
        freq = f;
        stop_all_devs();
        media_recorded_clear();
        bands();
        for (int k = 0; k < send_call && k < 7; ++k) rendered += channel_busy(k);
        int plays = 0;
        for (const std::string &c : media_recorded()) plays += c.rfind("channel_play", 0) == 0;
        ASSERT_LE(plays, 7) << f;
    }
    stop_all_devs();
    EXPECT_GT(rendered, 10);
}

}  // namespace
}  // namespace kestrel::test
