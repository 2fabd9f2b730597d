// Playback channels 0..9: channel k plays "TOVA<k>.WAV"; 9 is the looping carrier.
#pragma once
#include <atomic>
#include <cstdint>

#include "state/receiver.h"

namespace kestrel {

// Each channel's deadline (GetTickCount() milliseconds, 0 = idle) is kept
// here, read through channel_deadline().


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

// The recordings played whole by a command of their own (the machine modes,
// the voice, the radar); stop_all_devs closes each of them, in this order.
enum FixedRecording { RTT_001_WAV, RTT_001_MP3, RTT_002_WAV, SSB_002_WAV, SITORB_WAV, FAX_001_WAV, OTHR_001_WAV,
                      FIXED_RECORDINGS };
extern const char *const fixed_recordings[FIXED_RECORDINGS];  // "fone/rtt-001.wav", ...
// Sends "play <path>" for the recording.
void play_fixed(FixedRecording r);

void stop_all_devs();
// Every deadline 0, nothing watched, no clip to close: the channels as at
// start-up. Sends nothing to the media (stop_all_devs does that).
void channels_reset();

// Starts the carrier file looping on the system sound player.
void carrier_loop_start(const char *file);

}  // namespace kestrel
