// Background of 25..26 MHz: fixed service, maritime 25070-25192, broadcasters from 25670.
// Each frequency pairs with the signal code at the same index; only the first
// entry of a frequency is ever heard.
#include "bandplan/background/background.h"

namespace kestrel {

const int32_t background_tab_25[58] = {
    25274, 25955, 25055, 25820, 25041, 25790, 25089, 25690, 25955, 25690, 25765, 25362,
    25098, 25042, 25680, 25173, 25330, 25895, 25865, 25376, 25017, 25095, 25010, 25350,
    25267, 25233, 25082, 25181, 25086, 25680, 25079, 25360, 25076, 25381, 25730, 25070,
    25735, 25705, 25900, 25835, 25221, 25805, 25073, 25965, 25092, 25800, 25920, 25920,
    25760, 25890, 25175, 25810, 25670, 25830, 25189, 25538, 25860, 25945,
};

const int32_t prob_tab_25[58] = {
    475, 7, 6, 2, 6, 5, 4, 7, 6, 16, 3, 220,
    5, 2, 7, 62, 61, 5, 16, 11, 6, 9, 4, 15,
    3, 12, 4, 62, 7, 2, 5, 5, 2, 6, 7, 2,
    3, 4, 3, 13, 220, 6, 6, 3, 5, 2, 6, 7,
    5, 6, 62, 5, 8, 5, 62, 13, 5, 10,
};

}  // namespace kestrel
