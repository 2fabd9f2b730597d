// The shared clock sample and the daylight test of the path, which both the
// synthesis (night fading) and the schedules read.
#pragma once

#include "platform/clock.h"

namespace kestrel {

extern SYSTEMTIME t;  // the shared clock sample; myrand and the log refresh it

// 1 from 06 to 17 UTC of the clock sample, else 0.
int day();
// 1 from 18 to 05 UTC of the clock sample, else 0.
int night();

}  // namespace kestrel
