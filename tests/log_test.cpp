// The developer's log: off by default, exact block format when on, harmless when unwritable.
#include <gtest/gtest.h>

#include <filesystem>

#include "procedures/predicates.h"
#include "procedures/send.h"
#include "state/log.h"
#include "state/receiver.h"
#include "support/fixture.h"
#include "synth/morse.h"
#include "synth/params.h"

namespace kestrel::test {
namespace {

class DiagnosticLog : public Kestrel {};

TEST_F(DiagnosticLog, NothingIsWrittenWhileDebugIsOff) {
    Log("band start 10 MHz", "", 0);
    Error_Code(110);
    ct(2460, 100);
    stn();
    send_stack_reset();
    for (int i = 0; i < 8; ++i) send_stack("E");
    n0n(1000);
    EXPECT_FALSE(file_exists("TOVA_LOG.TXT"));
}

TEST_F(DiagnosticLog, BlockFormatWithTheCurrentParameters) {
    debug = 1;
    test_clock_set(2026, 3, 10, 7, 8, 9, 45);
    freq = 14070; spd = 24; ton = 1000; qsa = 4; qrh = 1; rto = 12; _f1 = 1; sz = 0; hand = 1; spacing = 3;
    Log("band end 14 MHz", "send_call", 4000000000ul);
    std::string log = read_text("TOVA_LOG.TXT");
    const std::string head = "\n Function: band end 14 MHz \n Info: send_call \n Time: 07:08:09:45  Ticks:";
    ASSERT_EQ(log.compare(0, head.size(), head), 0) << log;
    const std::string tail =
        " \n freq: 14070  \n spd: 24  \n ton: 1000 \n qsa: 4 \n qrh: 1 \n rto: 12 \n f1: 1 \n sz: 0 \n hand: 1 \n"
        "  spacing: 3 \n additional param: 4000000000\n";
    ASSERT_GT(log.size(), head.size() + tail.size());
    EXPECT_EQ(log.substr(log.size() - tail.size()), tail);
    // The log refreshes the shared clock sample as it writes.
    EXPECT_EQ(t.wHour, 7);
    // Blocks are appended, never truncated.
    Log("SOUND", "ton", 800);
    std::string twice = read_text("TOVA_LOG.TXT");
    EXPECT_EQ(twice.compare(0, log.size(), log), 0);
    EXPECT_NE(twice.find("Function: SOUND \n Info: ton"), std::string::npos);
    debug = 0;
}

TEST_F(DiagnosticLog, UnopenableLogIsSkipped) {
    std::filesystem::create_directory("TOVA_LOG.TXT");
    debug = 1;
    Log("ERROR", "nowhere to go", 1);
    Error_Code(110);
    debug = 0;
    EXPECT_TRUE(std::filesystem::is_directory("TOVA_LOG.TXT"));
}

TEST_F(DiagnosticLog, RecordingFileNameFollowsFrequencyAndMinute) {
    freq = 9999 + 1;
    test_clock_set(2026, 12, 8, 9, 5, 0, 0);
    save_file();
    EXPECT_TRUE(file_exists("10000kHz_202612080905.wav"));
    EXPECT_EQ(read_file("10000kHz_202612080905.wav").size(), 0u);
}

}  // namespace
}  // namespace kestrel::test
