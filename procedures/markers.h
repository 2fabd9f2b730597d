// Machine-mode stations keyed on the send stack: SITOR channel markers, data
// bursts keyed as frequency-shift Morse, and the Morse around a teleprinter
// transmission. The station names are the caller's bookkeeping; they are not heard.
#pragma once

namespace kestrel {

// SITOR recording or the station's Morse channel marker, by the second.
void sitor_marker(int tone, int speed, const char *name);
// A burst of Z keyed with frequency shift at the given speed and strength.
void data(int speed, int strength);
// A data burst about every other time.
void qyt4();
// A pause, then the open slot closed.
void rtlx_stack(const char *name, int baud);
// A short Morse operator message ahead of a teleprinter transmission.
void rtlx_opchat(const char *name);

}  // namespace kestrel
