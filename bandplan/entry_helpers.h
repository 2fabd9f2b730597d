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
// One row of those tables, on the tuned frequency: sent when its hours or
// its chance hold.
void maritime_row(const TfcListEntry &r);
void maritime_row(const AssignedEntry &r);
void maritime_row(const NationalFleetEntry &r);
void maritime_row(const RussianFleetEntry &r);
void maritime_row(const PortRadioEntry &r);
void maritime_row(const SmallCoastEntry &r);
void maritime_row(const DfEntry &r);

// The weather and navigational-warning broadcasts of the tuned frequency.
void weather_broadcasts();
// One row of the weather table, on the tuned frequency, in its hours and minutes.
void weather_row(const WxEntry &r);

// The telecom circuits, embassies, government network and press of the
// tuned frequency.
void diplo_traffic();
// One row of that table, on the tuned frequency, in its hours, minutes and chance.
void diplo_row(const DiploEntry &r);

}  // namespace kestrel
