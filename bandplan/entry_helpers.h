// Helpers that keep a station entry to one line: a call and its answer, a
// call of one station by another. Each queues with the speed, tone and
// strength set before it, like the send primitives it is made of.
#pragma once

#include "bandplan/bands/coast_watch.h"
#include "bandplan/bands/diplo_sched.h"
#include "bandplan/bands/maritime_lists.h"
#include "bandplan/bands/weather_sched.h"
#include "bandplan/bands/ship_work.h"

namespace kestrel {

// A call and signal-report exchange; in the seconds when the called station
// does not answer, the call alone is heard rather than left in the open slot.
void exchange(const char *called, const char *caller, int form);
// "called called called DE caller caller tail", hand keyed.
void post_call(const char *called, const char *caller, const char *tail);

// The coast stations of a table on watch on the tuned frequency, each with
// its keying, in the table's order.
void coast_watch(const CoastWatch *rows, int count);
// The ships of a table working coast stations on the tuned frequency.
void ship_work(const ShipWork *rows, int count);

// The traffic lists, fleets, port radios, small coast stations and
// direction-finding exchanges of the tuned frequency, table by table.
void maritime_lists();

// The weather and navigational-warning broadcasts of the tuned frequency.
void weather_broadcasts();

// The telecom circuits, embassies, government network and press of the
// tuned frequency.
void diplo_traffic();

}  // namespace kestrel
