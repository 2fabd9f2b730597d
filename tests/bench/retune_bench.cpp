// A tuning key onto the busiest frequencies of the dial, on the sound-card
// backend ("dummy" driver) with the receiver writing its channel files behind
// the sound: from WM_KEYDOWN to the key handler's return (display, stop of
// every channel, band plan, rendering, start of playback). Each case retunes
// 200 times, a key press every 40 ms, and reports the median, the 99th
// percentile and the worst press; the second argument 1 runs the receiver
// sound's chain in the mixer meanwhile (underruns must stay 0). Also
// stop_all_devs while ten voices play, over 300 calls. And the live band's
// fresh reception of the same frequencies once their channels have ended,
// with the band noise looping through it: the underruns say whether the sound
// stuttered.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "app/listening.h"
#include "app/window.h"
#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/media.h"
#include "platform/rx_chain.h"
#include "platform/temp_files.h"
#include "platform/ui.h"
#include "platform/window.h"
#include "state/random.h"
#include "state/receiver.h"
#include "synth/channels.h"
#include "synth/morse.h"
#include "tests/support/scratch.h"
#include "tests/support/wav_file.h"

namespace {

namespace fs = std::filesystem;
using namespace kestrel;
using Clock = std::chrono::steady_clock;

// The channel files' folder; the writer thread ends before it goes.
struct Scratch : kestrel::test::ScratchFolder {
    ~Scratch() { wave_writes_wait(); }
};

void report(benchmark::State &state, std::vector<double> us) {
    if (us.empty()) return;
    std::sort(us.begin(), us.end());
    const auto at = [&](double q) { return us[static_cast<size_t>(q * static_cast<double>(us.size() - 1) + 0.5)]; };
    state.counters["median_us"] = at(0.5);
    state.counters["p99_us"] = at(0.99);
    state.counters["worst_us"] = us.back();
}

struct Case {
    int khz;
    int year, month, day, hour, minute, second;
};

// 20585 kHz on a Wednesday at 12:05, and the five receptions with the most
// bytes of channel files (22 to 26 MB) found in a sweep of the whole dial at
// six instants.
const Case cases[] = {
    {20585, 2026, 12, 9, 12, 5, 0}, {12860, 2026, 6, 17, 20, 12, 36}, {10617, 2026, 12, 7, 0, 0, 0},
    {12635, 2026, 12, 9, 12, 5, 0}, {19767, 2026, 12, 9, 12, 5, 0},   {12605, 2026, 12, 11, 11, 5, 30},
};

void BM_RetuneKey(benchmark::State &state) {
    const Case &c = cases[state.range(0)];
    Scratch scratch;
    kestrel::RxSettings sound;
    if (state.range(1) == 1) {
        sound.mode = kestrel::SoundMode::receiver;
        sound.night = c.hour >= 18 || c.hour <= 5;
        sound.month = c.month;
        sound.hour = c.hour;
        sound.seed = 3;
    }
    rx_set(sound);
    media_sdl_driver("dummy");
    media_use(media_sdl_open());
    ui_use(nullptr);
    window_use(nullptr);
    wave_write_behind(true);
    hwnd = 1;
    test_clock_set(c.year, c.month, c.day, c.hour, c.minute, c.second, 0);
    test_clock_step(3);
    random_reset(static_cast<unsigned>(c.khz));
    std::vector<double> us;
    for (auto _ : state) {
        freq = c.khz - 1;
        const auto t0 = Clock::now();
        WndProc(hwnd, WM_KEYDOWN, VK_RIGHT, 0);
        const double took = std::chrono::duration<double, std::micro>(Clock::now() - t0).count();
        state.SetIterationTime(took / 1e6);
        us.push_back(took);
        std::this_thread::sleep_for(std::chrono::milliseconds(40));
        // The same minute on every press: the schedule stays open.
        test_clock_set(c.year, c.month, c.day, c.hour, c.minute, c.second, 0);
    }
    if (freq != c.khz) state.SkipWithError("the key did not tune");
    report(state, us);
    std::error_code ec;
    uint64_t bytes = 0;
    for (int k = 0; k < 7; ++k) bytes += fs::file_size("TOVA" + std::to_string(k) + ".WAV", ec) * !ec;
    state.counters["last_bytes"] = static_cast<double>(bytes);
    state.counters["underruns"] = static_cast<double>(media_sdl_underruns());
    stop_all_devs();
    wave_writes_wait();
    wave_write_behind(false);
    media_use(&media_null);
    media_sdl_close();
    test_clock_off();
    rx_set(kestrel::RxSettings{});
}
BENCHMARK(BM_RetuneKey)
    ->ArgsProduct({{0, 1, 2, 3, 4, 5}, {0, 1}})
    ->Iterations(200)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// The live band receiving the tuned frequency afresh, 100 times: each time the
// channels of the last reception end first (through their watchdog, as at the
// end of their emissions), or, when it put nothing on a channel, the clock
// moves to the next minute; the noise loop plays on throughout (the second
// argument 1: through the receiver sound's chain).
void BM_LiveFreshReception(benchmark::State &state) {
    const Case &c = cases[state.range(0)];
    Scratch scratch;
    kestrel::RxSettings sound;
    if (state.range(1) == 1) {
        sound.mode = kestrel::SoundMode::receiver;
        sound.night = c.hour >= 18 || c.hour <= 5;
        sound.month = c.month;
        sound.hour = c.hour;
        sound.seed = 3;
    }
    rx_set(sound);
    fs::create_directories("fone");
    test::write_tone_u8("fone/noise.wav", 11025, 60, 20);
    media_sdl_driver("dummy");
    media_use(media_sdl_open());
    ui_use(nullptr);
    window_use(nullptr);
    wave_write_behind(true);
    hwnd = 1;
    qrn = 1;
    noise_start();
    test_clock_set(c.year, c.month, c.day, c.hour, c.minute, c.second, 0);
    test_clock_step(3);
    random_reset(static_cast<unsigned>(c.khz));
    freq = c.khz;
    dsp_freq(hwnd);
    live_set(true);
    const uint64_t underruns_before = media_sdl_underruns();
    const int fresh_before = live_receptions();
    std::vector<double> us;
    for (auto _ : state) {
        bool any = false;
        for (int k = 0; k <= 8; ++k)
            if (channel_busy(k)) {
                timer_start(k, 1);
                any = true;
            }
        // A reception that put nothing on a channel (the numbers station keys
        // only in every fourth second) is received again at the next minute.
        if (!any) test_clock_set(c.year, c.month, c.day, c.hour, c.minute + 1, c.second, 0);
        const auto until = Clock::now() + std::chrono::seconds(2);
        bool idle = false;
        while (!idle && Clock::now() < until) {
            idle = true;
            for (int k = 0; k <= 8; ++k) idle = idle && !channel_busy(k);
            if (!idle) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        const auto t0 = Clock::now();
        const bool fresh = live_step_at(GetTickCount() + LIVE_MIN_GAP_MS);
        const double took = std::chrono::duration<double, std::micro>(Clock::now() - t0).count();
        if (!idle || !fresh) {
            state.SkipWithError(idle ? "no fresh reception came" : "the channels did not end");
            break;
        }
        state.SetIterationTime(took / 1e6);
        us.push_back(took);
        std::this_thread::sleep_for(std::chrono::milliseconds(40));
        test_clock_set(c.year, c.month, c.day, c.hour, c.minute, c.second, 0);
    }
    report(state, us);
    state.counters["underruns"] = static_cast<double>(media_sdl_underruns() - underruns_before);
    state.counters["fresh"] = static_cast<double>(live_receptions() - fresh_before);
    live_set(false);
    stop_all_devs();
    media().send_string("close fone/noise.wav");
    wave_writes_wait();
    wave_write_behind(false);
    media_use(&media_null);
    media_sdl_close();
    test_clock_off();
    rx_set(kestrel::RxSettings{});
}
BENCHMARK(BM_LiveFreshReception)
    ->ArgsProduct({{0, 1, 2, 3, 4, 5}, {0, 1}})
    ->Iterations(100)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// Ten sources as the receiver has them: seven channel files at channel rates,
// a carrier and two recordings.
void write_ten(double seconds) {
    for (int k = 0; k < 7; ++k)
        test::write_tone_u8("TOVA" + std::to_string(k) + ".WAV", static_cast<uint32_t>(4800 + 800 * k), seconds, 20, 2);
    test::write_tone_u8("TOVA9.WAV", 3200, 10, 20);
    fs::create_directories("fone");
    test::write_tone_u8("fone/ssb-002.wav", 8000, seconds, 20, 3);
    test::write_tone_u8("fone/rtt-001.wav", 11025, seconds, 20, 4);
}

// stop_all_devs with ten voices playing and the feeder decoding them.
void BM_StopAllDevsTenVoicesWorst(benchmark::State &state) {
    Scratch scratch;
    write_ten(60);
    media_sdl_driver("dummy");
    media_use(media_sdl_open());
    std::vector<double> us;
    for (auto _ : state) {
        for (int k = 0; k < 7; ++k) {
            sound(k);
            timer_start(k, 60000);
        }
        carrier_loop_start("TOVA9.WAV");
        media().send_string("play fone/ssb-002.wav");
        media().send_string("play fone/rtt-001.wav");
        std::this_thread::sleep_for(std::chrono::milliseconds(20));  // let them sound
        if (media_files_open() != 10) state.SkipWithError("ten voices did not start");
        const auto t0 = Clock::now();
        stop_all_devs();
        const double took = std::chrono::duration<double, std::micro>(Clock::now() - t0).count();
        state.SetIterationTime(took / 1e6);
        us.push_back(took);
    }
    report(state, us);
    media_use(&media_null);
    media_sdl_close();
}
BENCHMARK(BM_StopAllDevsTenVoicesWorst)->Iterations(300)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace
