// Playback channels over the recording backend: what is sent, in which order,
// and the watchdogs that release a channel at its deadline.
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "platform/clock.h"
#include "platform/media.h"
#include "state/log.h"
#include "support/fixture.h"
#include "synth/channels.h"
#include "synth/morse.h"

namespace kestrel::test {
namespace {

bool recorded(const std::string &line) {
    for (const auto &l : media_recorded())
        if (l == line) return true;
    return false;
}

class Channels : public Kestrel {};

TEST_F(Channels, SoundOpensTheChannelFileAndIgnoresChannelsOutsideZeroToEight) {
    sound(3);
    sound(0);
    sound(8);
    sound(9);
    sound(12);
    sound(-1);
    const std::vector<std::string> want = {"channel_play 3 TOVA3.WAV", "channel_play 0 TOVA0.WAV",
                                           "channel_play 8 TOVA8.WAV"};
    EXPECT_EQ(media_recorded(), want);
    timer_start(12, 1000);
    timer_start(-3, 1000);
    for (int k = 0; k < 9; ++k) EXPECT_FALSE(channel_busy(k)) << k;
    EXPECT_EQ(channel_deadline(12), 0u);
    EXPECT_EQ(watchdogs_running(), 0);
}

TEST_F(Channels, TimerStartMakesTheChannelBusyUntilItsDeadline) {
    const uint32_t before = GetTickCount();
    timer3_start(60000);
    const uint32_t after = GetTickCount();
    EXPECT_TRUE(channel_busy(3));
    EXPECT_GE(channel_deadline(3), before + 60000);
    EXPECT_LE(channel_deadline(3), after + 60000);
    for (int k : {0, 1, 2, 4, 5, 6, 7, 8}) EXPECT_FALSE(channel_busy(k)) << k;
    EXPECT_EQ(watchdogs_running(), 1);
    // Each numbered start addresses its own channel.
    void (*starts[9])(uint32_t) = {timer0_start, timer1_start, timer2_start, timer3_start, timer4_start,
                                   timer5_start, timer6_start, timer7_start, timer8_start};
    for (int k = 0; k < 9; ++k) {
        stop_all_devs();
        starts[k](60000);
        for (int c = 0; c < 9; ++c) EXPECT_EQ(channel_busy(c), c == k) << "start " << k << " channel " << c;
    }
}

TEST_F(Channels, WatchdogReleasesTheChannelAtItsDeadlineAndLogsIt) {
    debug = 1;
    sound(4);
    timer4_start(30);
    const uint32_t deadline = channel_deadline(4);
    ASSERT_NE(deadline, 0u);
    ASSERT_TRUE(eventually([] { return !channel_busy(4); }));
    stop_all_devs();
    const auto &rec = media_recorded();
    ASSERT_GE(rec.size(), 2u);
    EXPECT_EQ(rec[0], "channel_play 4 TOVA4.WAV");
    EXPECT_EQ(rec[1], "channel_close 4");  // from the watchdog, before stop_all_devs' own closes
    const std::string log = read_text("TOVA_LOG.TXT");
    EXPECT_NE(log.find("Function: thread4_timer4 condition STOP"), std::string::npos) << log;
    EXPECT_NE(log.find("additional param: " + std::to_string(deadline)), std::string::npos) << log;
    EXPECT_EQ(log.find("thread3_timer3"), std::string::npos);
    debug = 0;
}

TEST_F(Channels, StopAllDevsSendsItsSixStepsInOrderAndLeavesEveryChannelIdle) {
    std::snprintf(fbuf, FBUF_SIZE, "close fone/tgo-43-01.mp3");
    for (int k = 0; k < 9; ++k) {
        sound(k);
        timer_start(k, 600000);  // ten minutes: only stop_all_devs can end these watchdogs
    }
    n0n(1500);
    EXPECT_EQ(watchdogs_running(), 9);
    media_recorded_clear();
    stop_all_devs();  // would hang for ten minutes if a watchdog were not woken
    EXPECT_EQ(watchdogs_running(), 0);
    for (int k = 0; k < 9; ++k) EXPECT_EQ(channel_deadline(k), 0u) << k;
    std::vector<std::string> want = {"loop_stop"};
    for (int k = 0; k <= 9; ++k) want.push_back("channel_close " + std::to_string(k));
    want.push_back("string close fone/tgo-43-01.mp3");
    for (const char *p : {"fone/rtt-001.wav", "fone/rtt-001.mp3", "fone/rtt-002.wav", "fone/ssb-002.wav",
                          "fone/sitorb.wav", "fone/fax-001.wav", "fone/othr-001.wav"})
        want.push_back(std::string("string close ") + p);
    EXPECT_EQ(media_recorded(), want);
}

TEST_F(Channels, RestartingAChannelRetiresItsWaitingWatchdogWithoutClosingTheNewSound) {
    sound(2);
    timer2_start(600000);
    sound(2);  // a new emission on a channel still waiting for its deadline
    timer2_start(50);
    EXPECT_TRUE(channel_busy(2));
    ASSERT_TRUE(eventually([] { return !channel_busy(2); }));
    stop_all_devs();
    const auto &rec = media_recorded();
    // The first watchdog gave up silently; only the second one closed the channel.
    int watchdog_closes = 0;
    for (size_t i = 0; i < rec.size() && rec[i] != "loop_stop"; ++i)
        if (rec[i] == "channel_close 2") ++watchdog_closes;
    EXPECT_EQ(watchdog_closes, 1);
    EXPECT_EQ(rec[0], "channel_play 2 TOVA2.WAV");
    EXPECT_EQ(rec[1], "channel_play 2 TOVA2.WAV");
    EXPECT_EQ(rec[2], "channel_close 2");
}

TEST_F(Channels, CarrierLoopsOnTheSoundPlayerUntilTheNextStop) {
    n0n(1500);
    EXPECT_TRUE(recorded("loop_play TOVA9.WAV"));
    EXPECT_TRUE(file_exists("TOVA9.WAV"));
    stop_all_devs();
    EXPECT_EQ(media_recorded().back(), "string close fone/othr-001.wav");
    EXPECT_TRUE(recorded("loop_stop"));
}

}  // namespace
}  // namespace kestrel::test
