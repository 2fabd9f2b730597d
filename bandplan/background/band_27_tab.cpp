// Background of 27..28 MHz: citizens' band voice, fixed service.
// Each frequency pairs with the signal code at the same index; only the first
// entry of a frequency is ever heard.
#include "bandplan/background/background.h"

namespace kestrel {

const int32_t background_tab_27[20] = {
    27680, 27607, 27085, 27205, 27971, 27762, 27265, 27155, 27650, 27523, 27725, 27611,
    27611, 27542, 27065, 27055, 27636, 27914, 27815, 27075,
};

const int32_t prob_tab_27[20] = {
    9, 3, 12, 16, 4, 2240, 2, 6, 11, 520, 8, 3,
    7, 10, 5, 10, 3, 3, 4, 3,
};

}  // namespace kestrel
