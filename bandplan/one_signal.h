// One transmitter, one signal: on one frequency a station keys at most one
// emission at a time, however many of its entries hold at the moment.
#pragma once

namespace kestrel {

// The number of times slot text signs with "DE <call>" (folded to upper case,
// parameter codes skipped; a stroke ends the call: "DE FUG/3" signs FUG). A
// slot that is one call repeated and nothing else signs at every repeat.
int signs_with(const char *slot, const char *call);

// Takes out the closed slots from `first` on whose station is already keyed in
// another slot: of two slots signed by one call the one that repeats its
// signature more often (a marker or a watch) gives way to the message, list or
// exchange; equal ones keep the earlier. Slots before `first` (already playing)
// stay. Returns the number of slots taken out.
int one_signal_per_station(int first);

}  // namespace kestrel
