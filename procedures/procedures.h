// Operating procedures shared by many stations: greetings, V-calls, calls,
// signal-report exchanges, a complete amateur contact, a message with a
// corrected keying error, tuning signals and time ticks.
#pragma once

namespace kestrel {

// Time-of-day greeting into str2: "GN", "GM", "GA", "GE" by the UTC hour.
void hello();
// "BJR" by day, "BSR" by night, into str2.
void french_hello();
// 3 to 12 "V" and a blank into str (drawn with the C library rand()).
void vvv();
// stn(), a V-string, then send_cond.
void random_vvv();
// A V-call asking for a signal report, in seconds that are multiples of 3.
void send_vvv(const char *call);

// A call of `called` by `caller` in form 0..4, 102..104 or 200, through send_cond.
void clg_cond(const char *called, const char *caller, int form);
void clg_cond_par(const char *called, const char *caller, int form, int n);
void clg_cond_bug(const char *called, const char *caller, int form);
void clg_cond_f1(const char *called, const char *caller, int form);

// A call and signal-report exchange in one slot, in even seconds; form 0, 2,
// 3, 4 or 200 (the "V" procedure).
void qsa_exchange(const char *called, const char *caller, int form);
// A complete amateur-style contact in one slot.
void qsa_qra_qso(const char *first, const char *second, const char *name1, const char *name2);
// The message with one wrong letter, the error sign and the repeat from the
// word before; appends to the open slot without closing it.
void qtc_qsk(const char *message);

// Tuning marks in one slot.
void tuning();
// A steady carrier of `tone`, n wait units on the open slot, then a complete
// new reception of the same frequency through the retune hook.
void tuning2(int tone, int n);
// Time ticks.
void ts();
void ts2(const char *name);
void ts3(const char *name);

// The retune tuning2 asks for: the band plan lies above this layer, so the
// program installs it. The receiver window installs its dsp_freq (display,
// S-meter, stop of every channel, band plan); kestrel-cli its own equivalent.
// With none installed (nullptr) tuning2 does not retune.
using RetuneHook = void (*)();
void set_retune_hook(RetuneHook hook);
// True while a retune requested by tuning2 is running.
bool retune_nested();
// No retune under way. The hook, which the program chose, stays.
void retune_reset();

}  // namespace kestrel
