#include "synth/channels.h"

#include <cstdio>

#include "platform/clock.h"
#include "platform/media.h"

namespace kestrel {

std::atomic<uint32_t> timer0{0}, timer1{0}, timer2{0}, timer3{0}, timer4{0}, timer5{0}, timer6{0}, timer7{0},
    timer8{0};
char fbuf[FBUF_SIZE];

namespace {
std::atomic<uint32_t> *const timers[9] = {&timer0, &timer1, &timer2, &timer3, &timer4,
                                          &timer5, &timer6, &timer7, &timer8};
}

void sound(int k) {
    if (k < 0 || k > 8) return;
    char name[16];
    std::snprintf(name, sizeof name, "TOVA%d.WAV", k);
    media().channel_play(k, name);
}

void timer_start(int k, uint32_t ms) {
    if (k < 0 || k > 8) return;
    uint32_t deadline = GetTickCount() + ms;
    if (deadline == 0) deadline = 1;  // 0 means idle
    timers[k]->store(deadline);
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

void stop_all_devs() {
    media().loop_play(nullptr);
    for (int k = 0; k <= 9; ++k) media().channel_close(k);
    for (auto *tm : timers) tm->store(0);
    if (fbuf[0]) media().send_string(fbuf);
    static const char *const fixed[] = {"fone/rtt-001.wav", "fone/rtt-001.mp3", "fone/rtt-002.wav",
                                        "fone/ssb-002.wav", "fone/sitorb.wav",  "fone/fax-001.wav",
                                        "fone/othr-001.wav"};
    char cmd[64];
    for (const char *path : fixed) {
        std::snprintf(cmd, sizeof cmd, "close %s", path);
        media().send_string(cmd);
    }
}

void carrier_loop_start(const char *file) { media().loop_play(file); }

}  // namespace kestrel
