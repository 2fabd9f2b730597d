// The live band, the time machine, typed and wheel tuning and the scan that
// stops on a signal, through the window procedure with the window double.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "app/listening.h"
#include "app/recording.h"
#include "app/report.h"
#include "app/status.h"
#include "app/window.h"
#include "platform/ask.h"
#include "platform/audio.h"
#include "platform/clock.h"
#include "procedures/send.h"
#include "state/log.h"
#include "state/random.h"
#include "synth/channels.h"
#include "window_fake.h"

namespace kestrel::test {
namespace {

std::string freq_text(int f) { return "   " + std::to_string(f) + ".0 kHz"; }

int busy_channels() {
    int n = 0;
    for (int k = 0; k <= 8; ++k) n += channel_busy(k);
    return n;
}

// Ends every playing channel through its watchdog, as the end of its emission would.
bool end_channels() {
    for (int k = 0; k <= 8; ++k)
        if (channel_busy(k)) timer_start(k, 1);
    return eventually([] { return busy_channels() == 0; });
}

int64_t instant(const char *text) {
    int64_t ms = 0;
    std::string why;
    EXPECT_TRUE(read_instant(text, &ms, &why)) << text << ": " << why;
    return ms;
}

// The answer the listener types into the time machine's box.
std::string g_answer;
bool g_asked = false;
bool fake_ask(const char *, const char *, std::string *answer) {
    g_asked = true;
    if (g_answer.empty()) return false;  // cancelled
    *answer = g_answer;
    return true;
}

class Listening : public Window {
protected:
    void SetUp() override {
        Window::SetUp();
        listening_reset();
        ask_use(fake_ask);
        g_answer.clear();
        g_asked = false;
    }
    void TearDown() override {
        ask_use(nullptr);
        listening_reset();
        Window::TearDown();
    }
    // What `action` leaves in the trace, from the same random draws each time.
    std::vector<std::string> trace_of(const std::function<void()> &action) {
        random_reset(1);
        band = 0;
        w_.trace.clear();
        action();
        return w_.trace;
    }
    // The trace of a key without the default procedure's entry that every key ends with.
    std::vector<std::string> key_path(uintptr_t vk) {
        auto trace = trace_of([&] { key(vk); });
        EXPECT_FALSE(trace.empty());
        if (!trace.empty()) {
            EXPECT_EQ(trace.back(), "def 256 " + std::to_string(vk));
            trace.pop_back();
        }
        return trace;
    }
    // Tuned by hand to `f` with nothing playing, as the scan tests start.
    void from(int f) {
        stop_all_devs();
        freq = f;
    }
    int timers_of(int ms) const {
        int n = 0;
        for (auto &[period, tick] : w_.timers) n += period == ms;
        return n;
    }
};

// 10512 kHz sends its marker at every hour; 30000 kHz has nothing at all.
constexpr int kMarker = 10512;
constexpr int kSilent = 30000;

TEST_F(Listening, LiveBandReceivesTheStartFrequencyAtOnceAndOnlyWhenAsked) {
    // As described: no reception at start, no timer of its own, the plain title.
    WinMain(0, 0, "", 1);
    EXPECT_EQ(band, 0);
    EXPECT_EQ(timers_of(LISTENING_PERIOD_MS), 0);
    EXPECT_EQ(entries("title").size(), 0u);
    EXPECT_EQ(listening_title(), std::string(window_title));
    EXPECT_EQ(live_receptions(), 0);
    // L later, before any reception: the band is received at the first look past the gap.
    key(VK_LIVE);
    EXPECT_EQ(timers_of(LISTENING_PERIOD_MS), 1);
    EXPECT_FALSE(live_step_at(GetTickCount() + 10));
    EXPECT_TRUE(live_step_at(GetTickCount() + LIVE_MIN_GAP_MS));
    EXPECT_EQ(band, freq / 1000);
    listening_reset();

    // kestrel --live: the same start-up, then the start frequency is received.
    w_ = FakeWindow{};
    band = 0;
    hwnd = 0;
    char prog[] = "kestrel", opt[] = "--live";
    char *argv[] = {prog, opt};
    int i = 1;
    std::string error;
    ASSERT_EQ(listening_option(2, argv, &i, &error), 1);
    EXPECT_EQ(i, 1);
    ASSERT_TRUE(live_on());
    WinMain(0, 0, "", 1);
    EXPECT_EQ(band, freq / 1000);
    EXPECT_EQ(std::string(live_last_reason()), "start");
    EXPECT_EQ(live_receptions(), 1);
    EXPECT_EQ(timers_of(LISTENING_PERIOD_MS), 1);
    // The reception comes before the message loop, after the described steps and their timers.
    const int timer = find("timer 20");
    const int received = find("media loop_stop", find("control 158"));
    const int received_again = find("media loop_stop", received + 1);
    ASSERT_GT(received_again, timer);
    EXPECT_LT(received_again, find("run"));
    EXPECT_EQ(std::string(ui_text(ID_FREQ_FIELD)), freq_text(freq));
    EXPECT_NE(std::string(ui_title()).find("[LIVE]"), std::string::npos);
    EXPECT_NE(status_flags_text().find("LIVE"), std::string::npos) << status_flags_text();

    // L toggles it; the title and the status line say so.
    key(VK_LIVE);
    EXPECT_FALSE(live_on());
    EXPECT_EQ(status_flags_text().find("LIVE"), std::string::npos) << status_flags_text();
    EXPECT_EQ(std::string(ui_title()), std::string(window_title));
    key(VK_LIVE);
    EXPECT_TRUE(live_on());
}

TEST_F(Listening, LiveBandReceivesAfreshWhenTheChannelsEndAndGoesOnWithTheAids) {
    ASSERT_TRUE(media_offline_begin("mix.wav", 30, 22050));
    freq = kMarker - 1;
    key(VK_RIGHT);
    ASSERT_GT(busy_channels(), 0) << "the marker should be on a channel";
    key(VK_COPY_CHECK);
    key(VK_RECORD);
    ASSERT_TRUE(recording());
    const std::string rec = record_name();
    key(VK_LIVE);
    ASSERT_TRUE(live_on());
    const uint32_t on = GetTickCount();

    // While a station sends, and within the gap, nothing happens.
    EXPECT_FALSE(live_step_at(on + 100));
    EXPECT_FALSE(live_step_at(on + LIVE_MIN_GAP_MS + 10));
    EXPECT_EQ(live_receptions(), 0);

    ASSERT_TRUE(end_channels());
    EXPECT_FALSE(live_step_at(on + 100));  // still within the gap
    w_.trace.clear();
    scan = 0;
    ASSERT_TRUE(live_step_at(GetTickCount() + LIVE_MIN_GAP_MS));
    EXPECT_EQ(std::string(live_last_reason()), "channels ended");
    // Received as a retune receives it, on the same frequency, with no key.
    EXPECT_EQ(live_receptions(), 1);
    EXPECT_EQ(freq, kMarker);
    EXPECT_EQ(band, 10);
    EXPECT_GT(busy_channels(), 0);
    EXPECT_EQ(entries("text 141").size(), 1u);
    EXPECT_EQ(std::string(ui_text(ID_FREQ_FIELD)), freq_text(kMarker));
    EXPECT_GE(entries("text 142").size(), 2u);  // cleared, then the strength of each emission
    EXPECT_NE(std::string(ui_text(ID_SMETER)), "     ");
    EXPECT_EQ(entries("side_update").size(), 1u);  // the copy check follows
    EXPECT_TRUE(recording());                       // the recording goes on
    EXPECT_EQ(std::string(record_name()), rec);
    EXPECT_NE(std::string(ui_title()).find("[REC " + rec + "]"), std::string::npos);
    EXPECT_NE(std::string(ui_title()).find("[LIVE]"), std::string::npos);

    // At most one reception per gap, however the channels stand.
    ASSERT_TRUE(end_channels());
    EXPECT_FALSE(live_step_at(GetTickCount() + 10));
    // Scanning receives afresh at its own steps: the live band leaves it alone.
    scan = 1;
    EXPECT_FALSE(live_step_at(GetTickCount() + LIVE_MIN_GAP_MS));
    scan = 0;
    EXPECT_TRUE(live_step_at(GetTickCount() + LIVE_MIN_GAP_MS));
    key(VK_RECORD);
    media_offline_end();
}

TEST_F(Listening, LiveBandReadsTheBandAgainAtANewMinuteWhileOnlyTheNoisePlays) {
    test_clock_set(2026, 3, 10, 12, 0, 30, 0);
    freq = kSilent;
    dsp_freq(hwnd);
    ASSERT_EQ(busy_channels(), 0);
    live_set(true);
    const uint32_t later = GetTickCount() + LIVE_MIN_GAP_MS;
    EXPECT_FALSE(live_step_at(later));  // the same minute
    test_clock_advance(20000);          // 12:00:50
    EXPECT_FALSE(live_step_at(later));
    test_clock_advance(10000);  // 12:01:00
    // A recording of the last reception plays on: no fresh reception yet.
    live_use_probe([] { return 1; });
    EXPECT_FALSE(live_step_at(later));
    live_use_probe([] { return 0; });
    w_.trace.clear();
    ASSERT_TRUE(live_step_at(later));
    EXPECT_EQ(std::string(live_last_reason()), "new minute");
    EXPECT_TRUE(retuned());
    EXPECT_EQ(freq, kSilent);
    // The minute of that reception is the one now: nothing more until the next.
    EXPECT_FALSE(live_step_at(GetTickCount() + LIVE_MIN_GAP_MS));
    test_clock_advance(60000);
    EXPECT_TRUE(live_step_at(GetTickCount() + LIVE_MIN_GAP_MS));
    // Off, nothing moves it.
    live_set(false);
    test_clock_advance(60000);
    EXPECT_FALSE(live_step_at(GetTickCount() + LIVE_MIN_GAP_MS));
}

TEST_F(Listening, TimeMachineStartsTheClockThereAndItRunsOnForEveryReader) {
    test_clock_off();
    debug = 1;
    time_machine_start(instant("1938-06-01T06:01:00Z"));
    EXPECT_TRUE(time_machine_on());
    SYSTEMTIME st;
    GetSystemTime(&st);
    EXPECT_EQ(st.wYear, 1938);
    EXPECT_EQ(st.wMonth, 6);
    EXPECT_EQ(st.wDay, 1);
    EXPECT_EQ(st.wDayOfWeek, 3);  // a Wednesday
    EXPECT_EQ(st.wHour, 6);
    EXPECT_EQ(st.wMinute, 1);
    const int64_t first = clock_utc_ms();
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    const int64_t then = clock_utc_ms();
    EXPECT_GE(then - first, 30);  // it runs on in real time
    EXPECT_LT(then - first, 60000);

    // The government net of the war years calls on 10520 kHz in its minutes after 06:00.
    freq = 10519;
    key(VK_RIGHT);
    EXPECT_EQ(t.wYear, 1938);  // the random stir refreshed the clock sample
    ASSERT_GE(send_call, 1);
    EXPECT_NE(std::string(send_buf[0]).find("QAB"), std::string::npos) << send_buf[0];
    // The log's blocks, the window's and the channels', carry the receiver's time.
    Log_thread("probe", "", 0);
    const std::string log = read_text("TOVA_LOG.TXT");
    EXPECT_NE(log.find("Time: 06:01:"), std::string::npos);
    SYSTEMTIME real;
    clock_fields(clock_utc_ms() - clock_offset_ms(), &real);
    char real_hour[16];
    std::snprintf(real_hour, sizeof real_hour, "Time: %02d:", real.wHour);
    if (real.wHour != 6) {
        EXPECT_EQ(log.find(real_hour), std::string::npos);
    }
    // Shown and marked as simulated.
    EXPECT_NE(listening_title().find("[SIM 1938-06-01 06:01:"), std::string::npos) << listening_title();

    // At noon of that day the net is silent on the same frequency.
    time_machine_start(instant("1938-06-01T12:01:00Z"));
    freq = 10519;
    key(VK_RIGHT);
    EXPECT_EQ(busy_channels(), 0);

    // The command line takes the same instants and refuses others.
    char prog[] = "kestrel", at[] = "--at", good[] = "1938-06-01T19:59:50Z", bad[] = "1938-13-01T00:00:00Z";
    char *argv_good[] = {prog, at, good};
    char *argv_bad[] = {prog, at, bad};
    char *argv_short[] = {prog, at};
    int i = 1;
    std::string error;
    EXPECT_EQ(listening_option(3, argv_good, &i, &error), 1);
    EXPECT_EQ(i, 2);
    GetSystemTime(&st);
    EXPECT_EQ(st.wHour * 10000 + st.wMinute * 100 + st.wSecond / 10 * 10, 195950);
    i = 1;
    EXPECT_EQ(listening_option(3, argv_bad, &i, &error), -1);
    EXPECT_NE(error.find("1938-13-01"), std::string::npos);
    i = 1;
    EXPECT_EQ(listening_option(2, argv_short, &i, &error), -1);
    time_machine_off();
    EXPECT_EQ(clock_offset_ms(), 0);
    debug = 0;
}

TEST_F(Listening, TimeMachineKeyTakesAnInstantAnOffsetOrNowAndRetunes) {
    test_clock_off();
    freq = kSilent;
    // Cancelled: nothing changes.
    key(VK_TIME_MACHINE);
    EXPECT_TRUE(g_asked);
    EXPECT_FALSE(time_machine_on());
    EXPECT_FALSE(retuned());

    g_answer = "1938-06-01T20:00:00Z";
    w_.trace.clear();
    key(VK_TIME_MACHINE);
    ASSERT_TRUE(time_machine_on());
    EXPECT_TRUE(retuned());  // heard at the new time at once
    EXPECT_EQ(timers_of(LISTENING_PERIOD_MS), 1);
    EXPECT_NE(std::string(ui_title()).find("[SIM 1938-06-01 20:00:0"), std::string::npos) << ui_title();
    EXPECT_NE(status_flags_text().find("SIM"), std::string::npos) << status_flags_text();
    EXPECT_NE(status_text().find("1938"), std::string::npos) << status_text();  // the receiver's clock

    g_answer = "-1d2h30m";
    key(VK_TIME_MACHINE);
    SYSTEMTIME st;
    GetSystemTime(&st);
    EXPECT_EQ(st.wDay, 31);
    EXPECT_EQ(st.wMonth, 5);
    EXPECT_EQ(st.wHour, 17);
    EXPECT_EQ(st.wMinute, 30);

    // Not an instant nor an offset: a box says so and the clock stays.
    const int64_t before = clock_offset_ms();
    for (const char *wrong : {"yesterday", "+5", "-3x", "1938-02-30T00:00:00Z", "+99999999d"}) {
        g_answer = wrong;
        w_.trace.clear();
        key(VK_TIME_MACHINE);
        EXPECT_EQ(entries("box Time machine").size(), 1u) << wrong;
        EXPECT_FALSE(retuned()) << wrong;
        EXPECT_LT(std::llabs(clock_offset_ms() - before), 1000) << wrong;
    }

    g_answer = "now";
    key(VK_TIME_MACHINE);
    EXPECT_FALSE(time_machine_on());
    EXPECT_EQ(clock_offset_ms(), 0);
    EXPECT_EQ(std::string(ui_title()), std::string(window_title));
}

TEST_F(Listening, TypedAndWheelTuningGoThroughTheKeysPath) {
    // The right-arrow key from 14000, and what a wheel notch up over the display does.
    freq = 14000;
    scan = 1;
    const auto by_key = key_path(VK_RIGHT);
    EXPECT_EQ(scan, 0);
    ASSERT_EQ(freq, 14001);
    const ControlSpec field = {141, 0, "", 345, 30, 110, 20};
    const intptr_t over = (static_cast<intptr_t>(field.y + 5) << 16) | (field.x + 10);
    const uintptr_t up = static_cast<uintptr_t>(WHEEL_DELTA) << 16;
    const uintptr_t down = static_cast<uintptr_t>(static_cast<uint16_t>(-WHEEL_DELTA)) << 16;
    freq = 14000;
    scan = 1;
    const auto by_wheel = trace_of([&] { EXPECT_EQ(WndProc(hwnd, WM_MOUSEWHEEL, up, over), 0); });
    EXPECT_EQ(by_wheel, by_key);
    EXPECT_EQ(freq, 14001);
    EXPECT_EQ(scan, 0);

    // Typed: shown as it goes, tuned with Enter along the same path.
    freq = 14000;
    scan = 1;
    w_.trace.clear();
    for (uintptr_t vk : {'1', '4', '0', '0'}) key(vk);
    EXPECT_EQ(std::string(ui_text(ID_FREQ_FIELD)), "   1400_ kHz");
    EXPECT_EQ(freq, 14000);
    EXPECT_FALSE(retuned());
    key('1');
    key('9');  // a sixth digit is not taken
    EXPECT_EQ(std::string(ui_text(ID_FREQ_FIELD)), "   14001_ kHz");
    const auto by_enter = key_path(VK_RETURN);
    EXPECT_EQ(by_enter, by_key);
    EXPECT_EQ(freq, 14001);
    EXPECT_EQ(scan, 0);
    EXPECT_FALSE(typed_active());

    // Wheel wrap rules and steps: 1 kHz a notch, 10 kHz with Shift, several notches one retune.
    struct Turn {
        int from;
        int notches;
        bool shift;
        int to;
    } turns[] = {{30000, 1, false, 10000}, {10000, -1, false, 30000}, {29990, 1, true, 10000},
                 {10010, -1, true, 30000}, {14000, 3, false, 14003},  {14000, -2, true, 13980}};
    for (const Turn &turn : turns) {
        freq = turn.from;
        const uintptr_t wp = (static_cast<uintptr_t>(static_cast<uint16_t>(turn.notches * WHEEL_DELTA)) << 16) |
                             (turn.shift ? MK_SHIFT : 0);
        const auto trace = trace_of([&] { WndProc(hwnd, WM_MOUSEWHEEL, wp, over); });
        EXPECT_EQ(freq, turn.to) << turn.from << " " << turn.notches;
        w_.trace = trace;
        EXPECT_EQ(entries("media loop_stop").size(), 1u);
    }
    // Away from the display the wheel does nothing.
    freq = 14000;
    for (intptr_t away : {intptr_t(0), (intptr_t(field.y) << 16) | (field.x - 1),
                          (intptr_t(field.y + field.h) << 16) | (field.x + 1)}) {
        const auto trace = trace_of([&] { WndProc(hwnd, WM_MOUSEWHEEL, down, away); });
        EXPECT_TRUE(trace.empty());
    }
    EXPECT_EQ(freq, 14000);

    // Escape, a pause or an out-of-range number give it up and show the frequency again.
    key('2');
    key(VK_ESCAPE);
    EXPECT_EQ(std::string(ui_text(ID_FREQ_FIELD)), freq_text(14000));
    key('2');
    key('5');
    key(VK_BACK);
    EXPECT_EQ(std::string(ui_text(ID_FREQ_FIELD)), "   2_ kHz");
    typed_step_at(GetTickCount() + TYPED_PAUSE_MS - 500);
    EXPECT_TRUE(typed_active());
    typed_step_at(GetTickCount() + TYPED_PAUSE_MS + 10);
    EXPECT_FALSE(typed_active());
    EXPECT_EQ(std::string(ui_text(ID_FREQ_FIELD)), freq_text(14000));
    for (const char *number : {"9999", "30001", "1"}) {
        for (const char *c = number; *c; ++c) key(static_cast<uintptr_t>(*c));
        const auto trace = trace_of([&] { key(VK_RETURN); });
        w_.trace = trace;
        EXPECT_FALSE(retuned()) << number;
        EXPECT_EQ(freq, 14000);
    }
    // Another key gives it up and does its own work; a retune meanwhile keeps the digits shown.
    key('2');
    dsp_freq(hwnd);
    EXPECT_EQ(std::string(ui_text(ID_FREQ_FIELD)), "   2_ kHz");
    key(VK_LEFT);
    EXPECT_FALSE(typed_active());
    EXPECT_EQ(freq, 13999);
    EXPECT_EQ(std::string(ui_text(ID_FREQ_FIELD)), freq_text(13999));
}

TEST_F(Listening, StoppingScanHoldsWhileAStationSendsAndMovesOnWhenItEnds) {
    // As described, the scan passes the marker by.
    from(kMarker - 1);
    scan = 1;
    scan_step();
    ASSERT_EQ(freq, kMarker);
    ASSERT_GT(busy_channels(), 0);
    scan_step();
    EXPECT_EQ(freq, kMarker + 1);

    // Stopping (--scan-stop, or S): it stays on the marker while it sends.
    char prog[] = "kestrel", opt[] = "--scan-stop";
    char *argv[] = {prog, opt};
    int i = 1;
    std::string error;
    ASSERT_EQ(listening_option(2, argv, &i, &error), 1);
    ASSERT_TRUE(scan_stop_on());
    from(kMarker - 1);
    scan_step();
    ASSERT_EQ(freq, kMarker);
    w_.trace.clear();
    for (int n = 0; n < 5; ++n) scan_step();
    EXPECT_EQ(freq, kMarker);
    EXPECT_FALSE(retuned());
    EXPECT_EQ(scan, 1);
    // The station ends: the scan moves on.
    ASSERT_TRUE(end_channels());
    scan_step();
    EXPECT_EQ(freq, kMarker + 1);

    // Space sends it on from a station; without a hold Space does nothing.
    from(kMarker - 1);
    scan_step();
    ASSERT_GT(busy_channels(), 0);
    key(VK_SCAN_ON);
    scan_step();
    EXPECT_EQ(freq, kMarker + 1);
    freq = kSilent;
    dsp_freq(hwnd);
    w_.trace.clear();
    key(VK_SCAN_ON);
    EXPECT_TRUE(entries("media").empty());
    // A frequency with nothing queued is passed at once.
    scan_step();
    EXPECT_EQ(freq, FREQ_MIN);

    // A tuning key ends the scan, held or not.
    from(kMarker - 1);
    scan_step();
    key(VK_RIGHT);
    EXPECT_EQ(scan, 0);
    EXPECT_EQ(freq, kMarker + 1);

    // S switches it; the title marks it.
    key(VK_SCAN_STOP);
    EXPECT_FALSE(scan_stop_on());
    EXPECT_EQ(std::string(ui_title()).find("[SCAN STOPS]"), std::string::npos);
    EXPECT_EQ(listening_title(), std::string(window_title));
    key(VK_SCAN_STOP);
    EXPECT_TRUE(scan_stop_on());
    EXPECT_NE(std::string(ui_title()).find("[SCAN STOPS]"), std::string::npos);
    EXPECT_NE(status_flags_text().find("SCAN STOPS"), std::string::npos) << status_flags_text();
}

}  // namespace
}  // namespace kestrel::test
