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
#include "synth/morse.h"

namespace kestrel {

std::atomic<uint32_t> timer0{0}, timer1{0}, timer2{0}, timer3{0}, timer4{0}, timer5{0}, timer6{0}, timer7{0},
    timer8{0};
char fbuf[FBUF_SIZE];

namespace {

std::atomic<uint32_t> *const timers[9] = {&timer0, &timer1, &timer2, &timer3, &timer4,
                                          &timer5, &timer6, &timer7, &timer8};

// The channel watchdogs. A watchdog sleeps until its channel's deadline, then
// releases the channel. Raising the channel's generation (the finish signal)
// makes a sleeping watchdog give up at once; whoever raises it then joins the
// thread, so no watchdog outlives the call that retired it, nor the program.
struct Watchdogs {
    std::mutex mu;
    std::condition_variable cv;
    uint64_t generation[9] = {};
    std::thread thread[9];

    // Finish signal for channel k (or for every channel with k < 0).
    void signal(int k) {
        {
            std::lock_guard<std::mutex> lk(mu);
            for (int c = 0; c < 9; ++c)
                if (k < 0 || c == k) ++generation[c];
        }
        cv.notify_all();
    }
    void join(int k) {
        if (thread[k].joinable()) thread[k].join();
    }
    ~Watchdogs() {
        signal(-1);
        for (int k = 0; k < 9; ++k) join(k);
    }
};

Watchdogs g_dogs;

// Mended: the tick count wraps after 49.7 days; comparing by the signed
// difference keeps a deadline just past the wrap from counting as long over.
bool tick_past(uint32_t now, uint32_t deadline) { return static_cast<int32_t>(now - deadline) > 0; }

void watchdog(int k, uint64_t generation) {
    uint32_t deadline = 0;
    {
        std::unique_lock<std::mutex> lk(g_dogs.mu);
        for (;;) {
            if (g_dogs.generation[k] != generation) return;
            deadline = timers[k]->load();
            if (deadline == 0) return;
            const uint32_t now = GetTickCount();
            if (tick_past(now, deadline)) break;
            g_dogs.cv.wait_for(lk, std::chrono::milliseconds(deadline - now + 1));
        }
    }
    char text[48];
    std::snprintf(text, sizeof text, "thread%d_timer%d condition STOP", k, k);
    Log_thread(text, "", deadline);
    // Closed before the deadline is cleared: once the window thread sees the
    // channel idle, its old sound is gone.
    media().channel_close(k);
    uint32_t expected = deadline;
    timers[k]->compare_exchange_strong(expected, 0);
}

// Ends channel k's watchdog, if any, before the channel is used again.
void retire_watchdog(int k) {
    g_dogs.signal(k);
    g_dogs.join(k);
}

}  // namespace

void sound(int k) {
    if (k < 0 || k > 8) return;
    retire_watchdog(k);  // its close must not land on the new emission
    char name[16];
    std::snprintf(name, sizeof name, "TOVA%d.WAV", k);
    media().channel_play(k, name);
}

void timer_start(int k, uint32_t ms) {
    if (k < 0 || k > 8) return;
    retire_watchdog(k);
    uint32_t deadline = GetTickCount() + ms;
    if (deadline == 0) deadline = 1;  // 0 means idle
    timers[k]->store(deadline);
    uint64_t generation;
    {
        std::lock_guard<std::mutex> lk(g_dogs.mu);
        generation = g_dogs.generation[k];
    }
    try {
        g_dogs.thread[k] = std::thread(watchdog, k, generation);
    } catch (const std::system_error &) {
        // No thread: the channel stays busy until the next stop_all_devs.
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
    int n = 0;
    for (const auto &th : g_dogs.thread)
        if (th.joinable()) ++n;
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
    // 3. the finish signals: sleeping watchdogs give up
    g_dogs.signal(-1);
    // 4. every channel idle
    for (auto *tm : timers) tm->store(0);
    // 5. the playing audio clip
    if (fbuf[0]) media().send_string(fbuf);
    // 6. the fixed recordings
    static const char *const fixed[] = {"fone/rtt-001.wav", "fone/rtt-001.mp3", "fone/rtt-002.wav",
                                        "fone/ssb-002.wav", "fone/sitorb.wav",  "fone/fax-001.wav",
                                        "fone/othr-001.wav"};
    char cmd[64];
    for (const char *path : fixed) {
        std::snprintf(cmd, sizeof cmd, "close %s", path);
        media().send_string(cmd);
    }
    // The watchdogs woke at step 3; none is left running after this call.
    for (int k = 0; k < 9; ++k) g_dogs.join(k);
}

void carrier_loop_start(const char *file) { media().loop_play(file); }

}  // namespace kestrel
