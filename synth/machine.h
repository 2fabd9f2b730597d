// Machine-sent signals played from fixed recordings in "fone/": teleprinter,
// ARQ-E, SITOR and facsimile. Those keyed as Morse on the send stack (markers,
// data bursts) are in procedures/markers.h. The station names are the
// caller's bookkeeping; they are not heard.
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
// Facsimile recording (BGND on); both numbers are not used.
void fax(int a, int b);
}  // namespace kestrel
