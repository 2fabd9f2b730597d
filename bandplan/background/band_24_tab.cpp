// Background of 24..25 MHz: fixed service, amateur SSB 24930-24990.
// Each frequency pairs with the signal code at the same index; only the first
// entry of a frequency is ever heard.
#include "bandplan/background/background.h"

namespace kestrel {

const int32_t background_tab_24[50] = {
    24390, 24580, 24935, 24680, 24931, 24974, 24600, 24983, 24979, 24437, 24978, 24959,
    24975, 24954, 24959, 24952, 24976, 24958, 24966, 24968, 24945, 24961, 24951, 24220,
    24144, 24144, 24633, 24325, 24879, 24956, 24947, 24981, 24816, 24953, 24966, 24113,
    24681, 24989, 24967, 24630, 24934, 24478, 24230, 24972, 24933, 24402, 24986, 24930,
    24282, 24946,
};

const int32_t prob_tab_24[50] = {
    223, 162, 8, 16, 16, 4, 61, 5, 2, 17, 18, 8,
    3, 3, 4, 3, 5, 10, 7, 6, 7, 5, 4, 12,
    61, 520, 223, 5, 5, 3, 2, 13, 3, 3, 5, 61,
    228, 5, 19, 5, 11, 408, 6, 6, 4, 401, 3, 13,
    7, 17,
};

}  // namespace kestrel
