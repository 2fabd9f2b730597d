// Helpers that keep a station entry to one line: a call and its answer, a
// call of one station by another. Each queues with the speed, tone and
// strength set before it, like the send primitives it is made of.
#pragma once

namespace kestrel {

// A call and signal-report exchange; in the seconds when the called station
// does not answer, the call alone is heard rather than left in the open slot.
void exchange(const char *called, const char *caller, int form);
// "called called called DE caller caller tail", hand keyed.
void post_call(const char *called, const char *caller, const char *tail);

}  // namespace kestrel
