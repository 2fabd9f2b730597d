// The receiver's front panel: start-up, the window procedure, retuning,
// memories, scanning, the noise loop, the info box and the exit clean-up.
#pragma once
#include <cstdint>

#include "platform/window.h"

namespace kestrel {

// Control IDs.
constexpr int ID_OFF = 101;
constexpr int ID_M1 = 102;  // .. 113 = M12
constexpr int ID_SCAN = 121;
constexpr int ID_ATT = 122;
constexpr int ID_FLT = 123;
constexpr int ID_LOW = 124;
constexpr int ID_MID = 125;
constexpr int ID_HIGH = 126;
constexpr int ID_HIST = 127;
constexpr int ID_CLIP = 128;
constexpr int ID_BGND = 129;
constexpr int ID_QRN = 130;
constexpr int ID_INFO = 131;
constexpr int ID_SMPL = 132;
constexpr int ID_DOWN_1K = 151;
constexpr int ID_UP_1K = 152;
constexpr int ID_DOWN_10K = 153;
constexpr int ID_UP_10K = 154;
constexpr int ID_DOWN_100K = 155;
constexpr int ID_UP_100K = 156;
constexpr int ID_DOWN_1M = 157;
constexpr int ID_UP_1M = 158;

constexpr int FREQ_MIN = 10000;
constexpr int FREQ_MAX = 30000;
constexpr int WINDOW_WIDTH = 810;
constexpr int WINDOW_HEIGHT = 295;
constexpr int SCAN_PERIOD_MS = 200;
// How often the window thread collects the noise loop's completion notices
// and moves the recorded sound into its file.
constexpr int NOTIFY_PERIOD_MS = 20;
// How often the status line looks at the clock (it shows whole seconds).
constexpr int STATUS_PERIOD_MS = 250;
// Keys of the listening aids: R records what is heard, C opens the copy check.
constexpr uintptr_t VK_RECORD = 'R';
constexpr uintptr_t VK_COPY_CHECK = 'C';
constexpr int VERSION_MAJOR = 4;
constexpr int VERSION_MINOR = 29;

extern const char *const window_class;  // "TOVA"
extern const char *const window_title;
extern const char *const info_caption;
constexpr int CONTROL_COUNT = 35;  // 33 buttons and 2 text fields
extern const ControlSpec controls[CONTROL_COUNT];  // in creation order
extern const char *const _info;

// Start-up and message loop; the quit code, or 0 on an early exit.
int WinMain(int instance, int previous, const char *command_line, int show);
intptr_t WndProc(int window, uint32_t message, uintptr_t wparam, intptr_t lparam);
intptr_t DefWindowProcA(int window, uint32_t message, uintptr_t wparam, intptr_t lparam);
void PostQuitMessage(int code);

void dsp_freq(int window);
// The tuning path of the buttons and keys: `scan` = 0, the new `freq`, dsp_freq.
// tune_step takes a tuning button's step (151..158) with its wrap rule,
// tune_to a frequency of the range.
void tune_step(int id, int window);
void tune_to(int khz, int window);
// The tuned frequency in the display, "   %s.0 kHz".
void show_frequency();
// The band noise loop: its start ("open fone/noise.wav alias noise", "play
// noise notify"), and what a completion notice does while `qrn` is 1 (seek to
// the start, play again). The command-line mix loops it the same way.
void noise_start();
void noise_notified();
// dsp_freq on the main window: the retune a station asks for (tuning2).
void retune_tuned();
void add_memory(int index, int window);
void info(int window);
void close_files();

// The frequency that the tuning button `id` (151..158) gives from `from`;
// `from` itself for any other id.
int tuned_by_button(int id, int from);
// The tuning button that key `vk` stands for, or 0 for keys that do nothing.
int button_for_key(uintptr_t vk);
// The first frequency: 15000..24999 by day, 10000..14999 by night.
int first_frequency();

// True when the key came with Ctrl, Alt or the logo key held (lParam of
// WM_KEYDOWN): such a key is never taken as one of the receiver's letter or
// digit keys. Every plain key the receiver adds goes after this test.
bool command_key(intptr_t lparam);
// Shows each switch lit while it is on: SCAN, ATT, FLT (lit for FLT1), HIST,
// CLIP, BGND, QRN and SMPL (lit at 4). Run after every change of a switch.
void show_switches();
// Start-up: says once (stderr and status line) which recordings folder is
// used, or that there is none; and why there is no sound and what to try.
void announce_recordings();
void announce_no_sound();

// One scan step (the 200 ms timer): while scanning, 1 kHz up, past 30000 back to 10000, retune.
void scan_step();
// Hands each collected "play ... notify" completion to the window procedure;
// also empties the recording's buffer into its file.
void notify_step();

}  // namespace kestrel
