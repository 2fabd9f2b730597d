// Background of 26..27 MHz: broadcasters to 26100, maritime NBDP and coast SSB, fixed service, citizens' band.
// Each frequency pairs with the signal code at the same index; only the first
// entry of a frequency is ever heard.
#include "bandplan/background/background.h"

namespace kestrel {

const int32_t background_tab_26[34] = {
    26151, 26145, 26148, 26115, 26210, 26070, 26247, 26095, 26903, 26109, 26005, 26157,
    26020, 26200, 26507, 26025, 26170, 26100, 26167, 26173, 26095, 26160, 26256, 26210,
    26463, 26101, 26075, 26965, 26831, 26050, 26975, 26060, 26429, 26154,
};

const int32_t prob_tab_26[34] = {
    3, 5, 4, 62, 7, 8, 7, 2, 7, 62, 6, 3,
    5, 3, 220, 7, 2, 6, 19, 3, 3, 8, 2, 3,
    10, 62, 2, 8, 61, 2, 5, 4, 220, 3,
};

}  // namespace kestrel
