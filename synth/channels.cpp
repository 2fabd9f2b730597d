#include "synth/channels.h"

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <system_error>
#include <thread>

#include "platform/clock.h"
#include "platform/media.h"
#include "state/log.h"
#include "synth/wave_file.h"
#include "synth/wave_writer.h"

namespace kestrel {

const char *const fixed_recordings[FIXED_RECORDINGS] = {"fone/rtt-001.wav", "fone/rtt-001.mp3", "fone/rtt-002.wav",
                                                        "fone/ssb-002.wav", "fone/sitorb.wav",  "fone/fax-001.wav",
                                                        "fone/othr-001.wav"};

void play_fixed(FixedRecording r) {
    char cmd[64];
    std::snprintf(cmd, sizeof cmd, "play %s", fixed_recordings[r]);
    media().send_string(cmd);
}

namespace {

std::atomic<uint32_t> timer0{0}, timer1{0}, timer2{0}, timer3{0}, timer4{0}, timer5{0}, timer6{0}, timer7{0},
    timer8{0};

std::atomic<uint32_t> *const timers[9] = {&timer0, &timer1, &timer2, &timer3, &timer4,
                                          &timer5, &timer6, &timer7, &timer8};

// Mended: a thread per started channel was started and joined on every
// retune. The channel watchdogs: one thread watches the deadlines of every busy
// channel, sleeping until the earliest, and releases each channel whose
// deadline has passed. Starting, stopping and retuning only change what it
// watches under its lock and wake it; nothing on the window thread waits for
// a thread to start or to end. The thread ends after a while with nothing to
// watch, and at exit.
struct Watchdogs {
    std::mutex mu;
    std::condition_variable cv;
    bool watching[9] = {};
    bool running = false;
    bool quit = false;
    std::thread thread;

    ~Watchdogs() {
        {
            std::lock_guard<std::mutex> lk(mu);
            quit = true;
        }
        cv.notify_all();
        if (thread.joinable()) thread.join();
    }
};

Watchdogs g_dogs;
constexpr auto kIdleLinger = std::chrono::seconds(2);

// Mended: the tick count wraps after 49.7 days; comparing by the signed
// difference keeps a deadline just past the wrap from counting as long over.
bool tick_past(uint32_t now, uint32_t deadline) { return static_cast<int32_t>(now - deadline) > 0; }

void watchdog_main() {
    std::unique_lock<std::mutex> lk(g_dogs.mu);
    auto idle_since = std::chrono::steady_clock::now();
    while (!g_dogs.quit) {
        const uint32_t now = GetTickCount();
        bool any = false;
        uint32_t wait_ms = UINT32_MAX;
        for (int k = 0; k < 9; ++k) {
            if (!g_dogs.watching[k]) continue;
            const uint32_t deadline = timers[k]->load();
            if (deadline == 0) {
                g_dogs.watching[k] = false;
                continue;
            }
            if (tick_past(now, deadline)) {
                // Released under the lock: a retune that reuses the channel
                // waits for this close, so it cannot land on the new emission.
                g_dogs.watching[k] = false;
                char text[48];
                std::snprintf(text, sizeof text, "thread%d_timer%d condition STOP", k, k);
                Log_thread(text, "", deadline);
                // Closed before the deadline is cleared: once the window thread
                // sees the channel idle, its old sound is gone.
                media().channel_close(k);
                uint32_t expected = deadline;
                timers[k]->compare_exchange_strong(expected, 0);
                continue;
            }
            any = true;
            const uint32_t left = deadline - now + 1;
            if (left < wait_ms) wait_ms = left;
        }
        if (any) {
            g_dogs.cv.wait_for(lk, std::chrono::milliseconds(wait_ms));
            idle_since = std::chrono::steady_clock::now();
            continue;
        }
        if (std::chrono::steady_clock::now() - idle_since >= kIdleLinger) break;
        g_dogs.cv.wait_for(lk, kIdleLinger);
    }
    g_dogs.running = false;
}

// Channel k is no longer watched (or every channel, for k < 0). Once this
// returns, no release of the old emission is under way.
void unwatch(int k) {
    {
        std::lock_guard<std::mutex> lk(g_dogs.mu);
        for (int c = 0; c < 9; ++c)
            if (k < 0 || c == k) g_dogs.watching[c] = false;
    }
    g_dogs.cv.notify_all();
}

}  // namespace

void sound(int k) {
    if (k < 0 || k > 8) return;
    unwatch(k);  // a release of the channel's old emission must not land on the new one
    media().channel_play(k, channel_file_name(k).c_str());
}

void timer_start(int k, uint32_t ms) {
    if (k < 0 || k > 8) return;
    uint32_t deadline = GetTickCount() + ms;
    if (deadline == 0) deadline = 1;  // 0 means idle
    std::unique_lock<std::mutex> lk(g_dogs.mu);
    timers[k]->store(deadline);
    g_dogs.watching[k] = true;
    if (g_dogs.running) {
        lk.unlock();
        g_dogs.cv.notify_all();
        return;
    }
    // The thread left (or never came): it has ended or is about to.
    if (g_dogs.thread.joinable()) {
        std::thread old = std::move(g_dogs.thread);
        lk.unlock();
        old.join();
        lk.lock();
        if (g_dogs.running) return;
    }
    g_dogs.running = true;
    try {
        g_dogs.thread = std::thread(watchdog_main);
    } catch (const std::system_error &) {
        // No thread: the channel stays busy until the next stop_all_devs.
        g_dogs.running = false;
        g_dogs.watching[k] = false;
    }
}

void timer0_start(uint32_t ms) { timer_start(0, ms); }
void timer1_start(uint32_t ms) { timer_start(1, ms); }
void timer2_start(uint32_t ms) { timer_start(2, ms); }
void timer3_start(uint32_t ms) { timer_start(3, ms); }
void timer4_start(uint32_t ms) { timer_start(4, ms); }
void timer5_start(uint32_t ms) { timer_start(5, ms); }
void timer6_start(uint32_t ms) { timer_start(6, ms); }
void timer7_start(uint32_t ms) { timer_start(7, ms); }
void timer8_start(uint32_t ms) { timer_start(8, ms); }

uint32_t channel_deadline(int k) { return (k < 0 || k > 8) ? 0 : timers[k]->load(); }
bool channel_busy(int k) { return channel_deadline(k) != 0; }

int watchdogs_running() {
    std::lock_guard<std::mutex> lk(g_dogs.mu);
    int n = 0;
    for (bool w : g_dogs.watching) n += w;
    return n;
}

void stop_all_devs() {
    // An unfinished channel file is given up before anything else: its
    // players stop, and nothing more of it is written.
    wave_writes_cancel();
    // 1. the looping carrier
    media().loop_play(nullptr);
    // 2. every channel's voice
    for (int k = 0; k <= 9; ++k) media().channel_close(k);
    // 3. the finish signals: the watchdog lets go of every channel
    unwatch(-1);
    // 4. every channel idle
    for (auto *tm : timers) tm->store(0);
    // 5. the playing audio clip
    if (fbuf[0]) media().send_string(fbuf);
    // 6. the fixed recordings
    char cmd[64];
    for (const char *path : fixed_recordings) {
        std::snprintf(cmd, sizeof cmd, "close %s", path);
        media().send_string(cmd);
    }
}

void channels_reset() {
    unwatch(-1);
    for (auto *tm : timers) tm->store(0);
    fbuf[0] = 0;
}

void carrier_loop_start(const char *file) { media().loop_play(file); }

}  // namespace kestrel
