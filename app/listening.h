// Listening over time and tuning as radio users expect, each an option the
// listener turns on (a key and a command-line option) or a key of its own:
//
// - the live band (L, --live): the start frequency is received at once, and
//   the tuned frequency is received afresh, as a retune receives it, when
//   every channel has ended or when a new minute begins while nothing but the
//   band noise plays; at most once per LIVE_MIN_GAP_MS;
// - the time machine (T, --at INSTANT): the receiver's clock starts at another
//   instant and runs on in real time from there;
// - typed frequencies (digits, then Enter; Escape, a pause or another key
//   cancels) and the mouse wheel over the frequency display (1 kHz a notch,
//   10 kHz with Shift), both through the tuning path of the keys;
// - the scan that stops on a signal (S, --scan-stop): it moves on while
//   nothing is queued and stays while a station sends, until the station ends,
//   a tuning key ends the scan, or Space sends it on.
//
// With none of them in use nothing here reads the clock, starts a timer or
// retunes: the receiver behaves as it always did.
#pragma once
#include <cstdint>
#include <string>

namespace kestrel {

constexpr uintptr_t VK_LIVE = 'L';
constexpr uintptr_t VK_TIME_MACHINE = 'T';
constexpr uintptr_t VK_SCAN_STOP = 'S';
constexpr uintptr_t VK_SCAN_ON = ' ';  // while the stopping scan holds: move on

// Period of the timer that serves all of them (started at their first use).
constexpr int LISTENING_PERIOD_MS = 100;
// The live band's shortest gap between two receptions of the tuned frequency.
constexpr uint32_t LIVE_MIN_GAP_MS = 4000;
// A typed frequency left this long without a key is given up.
constexpr uint32_t TYPED_PAUSE_MS = 4000;
constexpr int TYPED_DIGITS = 5;

// ---- the command line ----
// Takes the option at argv[*i] (and its value) if it is one of these, moving
// *i past what it used: 1 taken, 0 not one of these, -1 taken but wrong (the
// reason in *error).
int listening_option(int argc, char **argv, int *i, std::string *error);
// The usage lines of these options.
extern const char *const listening_usage;

// ---- hooks of the window ----
// WinMain, after the timers: the live band receives the start frequency.
void listening_start();
// WM_KEYDOWN, before the tuning keys: true when the key was taken here.
bool listening_key(uintptr_t vk, int window);
// WM_MOUSEWHEEL.
void listening_wheel(uintptr_t wparam, intptr_t lparam, int window);
// dsp_freq, after the band plan: what the reception started.
void listening_received();
// scan_step: true while the stopping scan holds on a signal.
bool scan_holds();
// The timer: the live band's step, the typed frequency's pause, the title.
void listening_tick();
// Starts that timer unless it runs.
void listening_timer_needed();

// ---- the live band ----
void live_set(bool on);
bool live_on();
// One look at the tuned frequency at tick count `now`; true when it was
// received afresh.
bool live_step_at(uint32_t now);
// Why the last fresh reception came: "start", "channels ended", "new minute".
const char *live_last_reason();
int live_receptions();  // fresh receptions since the start
// Sounds besides the band noise and the channels (carrier, recordings,
// clips) that play now, as the sound card counts them; without this probe
// only the channels count.
void live_use_probe(int (*others_sounding)());

// ---- the time machine ----
// The receiver's clock from `utc_ms` on, running in real time; marked as simulated.
void time_machine_start(int64_t utc_ms);
// "now": back to the system clock.
void time_machine_off();
bool time_machine_on();
// An instant ("YYYY-MM-DDTHH:MM:SSZ"), an offset from the receiver's present
// time ("-2h", "+1d12h", "-30m", "+90s") or "now". False (and the reason)
// when it is none of them; nothing changes then.
bool time_machine_set(const std::string &text, std::string *error);
// The one reading of an instant's text into milliseconds since 1970 UTC.
bool read_instant(const std::string &text, int64_t *utc_ms, std::string *error);
// T: asks for an instant or an offset, then retunes at the new time.
void time_machine_ask(int window);

// ---- typed frequency and wheel ----
// A key while typing, or a digit: true when taken (digits, Backspace, Enter,
// Escape); any other key ends the typing and is not taken.
bool typed_key(uintptr_t vk, int window);
bool typed_active();
void typed_cancel();
// The digits typed so far in the frequency display: "   1400_ kHz".
void typed_show();
// The pause check at tick count `now`.
void typed_step_at(uint32_t now);

// ---- the stopping scan ----
void scan_stop_set(bool on);
bool scan_stop_on();
// Space: true when the stopping scan was holding and now moves on.
bool scan_skip();

// ---- what the window title shows while any of them is on ----
// The title: the window's name, then [LIVE], [SIM date time UTC], [SCAN STOPS],
// [SOUND mode] and [REC file] as they apply; exactly the window's name when
// none does.
std::string listening_title();
// Sets the title when it changed.
void title_refresh();

// Back to the start: all off, the system clock (tests).
void listening_reset();

}  // namespace kestrel
