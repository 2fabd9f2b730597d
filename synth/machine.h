// Machine-sent signals: teleprinter, ARQ-E, SITOR and facsimile played from
// fixed recordings in "fone/", and data bursts keyed as frequency-shift Morse.
// The station names are the caller's bookkeeping; they are not heard.
#pragma once

namespace kestrel {

// S-meter update, then the teleprinter recording for this shift and speed.
void rtlx(const char *name, int shift, int baud);
// Teleprinter by speed (50 or 75 Bd) and shift class (125/170, 425/500,
// 850/1000 Hz); m is a minute divisor (0: always). Other speeds play nothing.
void rtlx_cond(const char *name, int shift, int baud, int m);

// One recording each; silent with BGND off or when m != 0 and the minute is
// not a multiple of m.
void rtlx_cond_50_170(const char *name, int m);
void rtlx_cond_50_425(const char *name, int m);
void rtlx_cond_50_850(const char *name, int m);
void rtlx_cond_75_170(const char *name, int m);
void rtlx_cond_75_425(const char *name, int m);
void rtlx_cond_75_850(const char *name, int m);
void rtlx_cond_100_425(const char *name, int m);
void rtlx_cond_100_850(const char *name, int m);
void rtlx_cond_arqe_96(const char *name, int m);

// SITOR recording when the second is a multiple of 3 (BGND on).
void sitor();
// SITOR recording or the station's Morse channel marker, by the second.
void sitor_marker(int tone, int speed, const char *name);
// Facsimile recording (BGND on); both numbers are not used.
void fax(int a, int b);
// A burst of Z keyed with frequency shift at the given speed and strength.
void data(int speed, int strength);
// A data burst about every other time.
void qyt4();
// A pause, then the open slot closed.
void rtlx_stack(const char *name, int baud);
// A short Morse operator message ahead of a teleprinter transmission.
void rtlx_opchat(const char *name);

}  // namespace kestrel
