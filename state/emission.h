// The current emission parameters and the dialog stations' sets: read by the
// synthesis, the log and the S-meter, set by every station entry.
#pragma once

namespace kestrel {

extern int spd;       // words per minute
extern int ton;       // tone, Hz
extern int qsa;       // strength 0..5
extern int rto;       // dash weighting
extern int _f1;       // frequency-shift keying
extern int sz;        // cut zero
extern int katokana;  // kana alphabet
extern int qrh;       // drift (logged only)
extern int bw;        // inverted keying
extern int hand;      // hand-keying irregularity
extern int spark;     // spark transmitter
extern int spacing;   // letter space in dots

extern int spd1, spd2, spd3, spd4, spd5;
extern int ton1, ton2, ton3, ton4, ton5;
extern int qsa1, qsa2, qsa3, qsa4, qsa5;

// Each closed slot's parameter record, frozen by send_stack (save_cw_param)
// and restored for its rendering (load_cw_param); read by the copy check.
extern int emission_nr;  // slot whose record load_cw_param restores
constexpr int SLOTS = 7;
extern int spd_table[SLOTS], qsa_table[SLOTS], ton_table[SLOTS], rto_table[SLOTS], f1_table[SLOTS],
    sz_table[SLOTS], qrh_table[SLOTS], katokana_table[SLOTS], bw_table[SLOTS], hand_table[SLOTS],
    spark_table[SLOTS], spacing_table[SLOTS];

// The current parameters back to spd 20, ton 800, qsa 3, spacing 2 and every
// keying flag off, as the process starts them.
void emission_plain();
// The same, and the dialog sets back to 0.
void emission_reset();

}  // namespace kestrel
