// Background of 28..29 MHz: amateur SSB.
// Each frequency pairs with the signal code at the same index; only the first
// entry of a frequency is ever heard.
#include "bandplan/background/background.h"

namespace kestrel {

const int32_t background_tab_28[2] = {
    28608, 28975,
};

const int32_t prob_tab_28[2] = {
    2, 5,
};

}  // namespace kestrel
