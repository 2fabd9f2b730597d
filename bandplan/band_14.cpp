// Stations of 14000-14999 kHz, tested in order; every entry that applies is queued.

#include "bandplan/entry.h"

namespace kestrel {

void band_14() {
    band_start(14, 12);


    get_background(193, background_tab_14, prob_tab_14);

    band_end(14);
}

}  // namespace kestrel
