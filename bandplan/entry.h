// Helpers that keep a station entry to a line or two: a frequency test and
// the parameters. Each band file includes the actions it calls itself.
#pragma once
#include <initializer_list>

#include "state/emission.h"
#include "state/receiver.h"

namespace kestrel {

// The tuned frequency is f.
inline bool at(int f) { return freq == f; }
// The tuned frequency is one of fs.
inline bool at(std::initializer_list<int> fs) {
    for (int f : fs)
        if (freq == f) return true;
    return false;
}
// lo < freq <= hi.
inline bool within(int lo, int hi) { return freq > lo && freq <= hi; }

// Speed, tone and strength of the next emission.
inline void p(int speed, int tone, int strength) {
    spd = speed;
    ton = tone;
    qsa = strength;
}
inline void p(int speed, int tone) {
    spd = speed;
    ton = tone;
}

// Entry and exit of a band function: the log lines and the maritime band label.
void band_start(int band_nr, int marine);
void band_end(int band_nr);

void band_10();
void band_11();
void band_12();
void band_13();
void band_14();
void band_15();
void band_16();
void band_17();
void band_18();
void band_19();
void band_20();
void band_21();
void band_22();
void band_23();
void band_24();
void band_25();
void band_26();
void band_27();
void band_28();
void band_29();

}  // namespace kestrel
