// The status line: the receiver's clock, what a retune started, the one-line
// messages and the option flags, through the window procedure and the fakes.
#include <string>
#include <vector>

#include "app/heard.h"
#include "app/on_air.h"
#include "app/sound_mode.h"
#include "app/status.h"
#include "app/window.h"
#include "platform/clock.h"
#include "platform/ui.h"
#include "state/receiver.h"
#include "support/fixture.h"
#include "window_fake.h"

namespace kestrel::test {
namespace {

using StatusLine = Window;

std::string line_one() {
    const std::string all = ui_text(ID_STATUS);
    return all.substr(0, all.find('\n'));
}
std::string line_two() {
    const std::string all = ui_text(ID_STATUS);
    const size_t nl = all.find('\n');
    return nl == std::string::npos ? "" : all.substr(nl + 1);
}

TEST(HeardSummary, NamesEverySoundARetuneCanStart) {
    struct Case {
        std::vector<std::string> commands;
        const char *words;
    } cases[] = {
        {{}, "nothing on the air"},
        {{"play channel 0 TOVA0.WAV", "play channel 1 TOVA1.WAV", "play fone/rtt-001.mp3", "play fone/kor-8519-01.mp3"},
         "2 Morse, teleprinter 50 Bd, clip"},
        {{"play fone/rtt-001.wav"}, "teleprinter 50 Bd"},
        {{"play fone/rtt-002.wav", "loop TOVA9.WAV"}, "teleprinter 75 Bd, carrier"},
        {{"play fone/sitorb.wav", "play fone/fax-001.wav", "play fone/ssb-002.wav", "play fone/othr-001.wav"},
         "SITOR, fax, voice, radar"},
        {{"play fone/uae-992-03.mp3", "play fone/ssb-002.wav", "play fone/pak-92-01.mp3"}, "2 x clip, voice"},
        {{"loop TOVA9.WAV", "play channel 3 TOVA3.WAV"}, "1 Morse, carrier"},
        {{"open fone/x.wav alias x", "seek x to start", "stop x"}, "nothing on the air"},  // start nothing
    };
    for (const Case &c : cases) EXPECT_EQ(heard_summary(c.commands), c.words);
}

TEST_F(StatusLine, ShowsTheReceiversClockAndFollowsItEverySecond) {
    status_create(hwnd);
    status_heard("");
    // A clock that is not the machine's, as a simulated one would be.
    test_clock_set(1987, 6, 21, 23, 59, 58);
    status_tick();
    EXPECT_EQ(line_one(), "1987-06-21 23:59:58 UTC");
    test_clock_advance(1000);
    status_tick();
    EXPECT_EQ(line_one(), "1987-06-21 23:59:59 UTC");
    test_clock_advance(1500);
    status_tick();
    EXPECT_EQ(line_one(), "1987-06-22 00:00:00 UTC");
    // A tick within the same second writes nothing to the window.
    w_.trace.clear();
    status_tick();
    EXPECT_TRUE(entries("text 160").empty());
}

TEST_F(StatusLine, EveryRetuneSaysWhatItStarted) {
    status_create(hwnd);
    on_air_watch();  // the journal the receiver keeps from its start
    struct Case {
        int khz;
        const char *expect;  // in the line after tuning there
    } cases[] = {
        {10101, "teleprinter 50 Bd"},  // a teleprinter on the air at this minute, nothing else
        {12038, " Morse"},             // a press station
        {30000, "nothing on the air"}, // no band function up there
    };
    for (const Case &c : cases) {
        reception_at(2026, 12, 9, 8, 15, 45, 0, 1);
        freq = c.khz - 1;
        w_.trace.clear();
        key(VK_RIGHT);
        ASSERT_EQ(freq, c.khz);
        EXPECT_NE(line_one().find(c.expect), std::string::npos) << c.khz << ": " << line_one();
        // What was noted is what reached the sound card, play for play.
        std::vector<std::string> played;
        for (const std::string &e : entries("media ")) {
            const std::string what = e.substr(6, e.rfind(" @") - 6);
            if (what.rfind("play ", 0) == 0 && what.find(" TOVA") != std::string::npos)
                played.push_back("play channel " + what.substr(5));
            else if (what.rfind("string play ", 0) == 0)
                played.push_back(what.substr(7));
            else if (what.rfind("loop ", 0) == 0 && what != "loop_stop")
                played.push_back(what);
        }
        std::vector<std::string> noted;
        for (const std::string &n : on_air_commands())
            if (n.rfind("play ", 0) == 0 || n.rfind("loop ", 0) == 0) noted.push_back(n);
        EXPECT_EQ(noted, played) << c.khz;
        EXPECT_NE(line_one().find(heard_summary(played)), std::string::npos) << c.khz;
    }
}

TEST_F(StatusLine, MessagesStayOnOneLineAndFlagsStandApart) {
    status_create(hwnd);
    status_message("Saved 14000kHz_202612090630.wav in /home/listener\n(0:12)");
    EXPECT_EQ(line_two(), "Saved 14000kHz_202612090630.wav in /home/listener (0:12)");
    status_message("No sound output");
    EXPECT_EQ(line_two(), "No sound output");

    EXPECT_EQ(std::string(ui_text(ID_STATUS_FLAGS)), "");
    status_flag_set("live", "LIVE");
    status_flag_set("sim", "SIM 1987-06-21");
    status_flag_set("rx", "RX");
    EXPECT_EQ(std::string(ui_text(ID_STATUS_FLAGS)), "LIVE  SIM 1987-06-21  RX");
    status_flag_set("sim", "SIM 1990-01-01");  // changed in its place
    status_flag_set("live", "");                // gone
    EXPECT_EQ(std::string(ui_text(ID_STATUS_FLAGS)), "SIM 1990-01-01  RX");
    status_flag_set("rx", nullptr);
    EXPECT_EQ(std::string(ui_text(ID_STATUS_FLAGS)), "SIM 1990-01-01");
    // The flags never crowd the line itself, nor the message.
    EXPECT_EQ(std::string(ui_text(ID_STATUS)).find("SIM"), std::string::npos);
    EXPECT_EQ(line_two(), "No sound output");
}

TEST_F(StatusLine, TheSoundInForceIsAFlag) {
    status_create(hwnd);
    ASSERT_EQ(sound_mode(), SoundMode::described);
    const char *shown[] = {"RX", "RX steady", ""};  // F: receiver, without fading, described again
    for (const char *flag : shown) {
        key(VK_SOUND_MODE);
        EXPECT_EQ(std::string(ui_text(ID_STATUS_FLAGS)), flag);
    }
    EXPECT_EQ(sound_mode(), SoundMode::described);
}

TEST_F(StatusLine, KeptBeforeTheWindowHasItAndShownOnceItDoes) {
    status_message("Recordings from /usr/share/kestrel/fone");
    status_flag_set("live", "LIVE");
    EXPECT_EQ(std::string(ui_text(ID_STATUS)), "");  // no field yet: nothing drawn, no clock read
    status_create(hwnd);
    EXPECT_EQ(line_two(), "Recordings from /usr/share/kestrel/fone");
    // Nothing is on the air before the first retune: the line says how to get there.
    EXPECT_NE(line_one().find("|   tune to listen"), std::string::npos) << line_one();
    EXPECT_EQ(std::string(ui_text(ID_STATUS_FLAGS)), "LIVE");
}

}  // namespace
}  // namespace kestrel::test
