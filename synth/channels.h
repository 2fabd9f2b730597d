// Playback channels 0..9: channel k plays "TOVA<k>.WAV"; 9 is the looping carrier.
#pragma once
#include <atomic>
#include <cstdint>

namespace kestrel {

// Deadlines in GetTickCount() milliseconds; 0 = channel idle.
extern std::atomic<uint32_t> timer0, timer1, timer2, timer3, timer4, timer5, timer6, timer7, timer8;

// The command that closes the playing audio clip, sent by stop_all_devs.
constexpr int FBUF_SIZE = 256;
extern char fbuf[FBUF_SIZE];

void sound(int k);
void timer0_start(uint32_t ms);
void timer1_start(uint32_t ms);
void timer2_start(uint32_t ms);
void timer3_start(uint32_t ms);
void timer4_start(uint32_t ms);
void timer5_start(uint32_t ms);
void timer6_start(uint32_t ms);
void timer7_start(uint32_t ms);
void timer8_start(uint32_t ms);
// timerN_start for channel k (0..8).
void timer_start(int k, uint32_t ms);
// Deadline of channel k (0 for channels outside 0..8).
uint32_t channel_deadline(int k);
bool channel_busy(int k);
// Channels whose deadline the watchdog is watching.
int watchdogs_running();

void stop_all_devs();

// Starts the carrier file looping on the system sound player.
void carrier_loop_start(const char *file);

}  // namespace kestrel
