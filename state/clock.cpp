#include "state/clock.h"

namespace kestrel {

SYSTEMTIME t;

int day() { return t.wHour >= 6 && t.wHour <= 17 ? 1 : 0; }
int night() { return t.wHour <= 5 || t.wHour >= 18 ? 1 : 0; }

}  // namespace kestrel
