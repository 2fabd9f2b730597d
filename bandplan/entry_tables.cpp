// Call lists that several band files share.
#include "bandplan/entry_helpers.h"

namespace kestrel {

// The international beacon chain in the order of its turns.
const char beacon_calls[18][8] = {"4U1UN", "VE8AT", "W6WX", "KH6RS", "ZL6B",  "VK6RBP", "JA2IGY", "RR9O", "VR2B",
                                  "4S7B",  "ZS6DN", "5Z4B", "4X6TU", "OH2B",  "CS3B",   "LU4AA",  "OA4B", "YV5B"};

}  // namespace kestrel
