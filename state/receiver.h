// Receiver state shared by the panel, the band plan and the synthesis: the
// tuned frequency, the switches, the memories and the scratch text buffers.
#pragma once
#include <cstdio>

namespace kestrel {

extern int freq;      // tuned frequency, kHz
extern int band;      // freq / 1000, set by bands()
extern int scan;
extern int att;       // attenuator
extern int filter;    // 0 = 2 kHz ("FLT2"), 1 = 1 kHz ("FLT1")
extern int hist;      // historical stations
extern int clips;     // audio clips
extern int bkgnd;     // background stations
extern int qrn;       // noise loop
extern int sampling;  // 3 or 4
extern int mem[12];   // memories M1..M12, 0 = empty
extern int hwnd;      // the main window (nonzero once created)
extern int marine_band;  // the maritime band label the band function in progress set

// The command that closes the playing audio clip: left by the clip choice
// (bandplan/), sent by stop_all_devs (synth/).
constexpr int FBUF_SIZE = 256;
extern char fbuf[FBUF_SIZE];

// Scratch text buffers shared by procedures and building blocks.
constexpr int STR_SIZE = 4096;
extern char str[STR_SIZE];
extern char str2[STR_SIZE];
extern char str3[STR_SIZE];

// Control IDs of the fields the logic writes.
constexpr int ID_FREQ_FIELD = 141;
constexpr int ID_SMETER = 142;

// S-meter: the first qsa of five characters are '>'.
void smetr(int window);
void clr_smetr(int window);

// Puts every receiver switch back to its start-up value (tests, tools).
void receiver_reset();

}  // namespace kestrel
