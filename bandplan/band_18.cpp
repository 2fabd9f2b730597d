// Stations of 18000-18999 kHz, tested in order; every entry that applies is queued.

#include "bandplan/entry.h"

namespace kestrel {

void band_18() {
    band_start(18, 16);


    get_background(216, background_tab_18, prob_tab_18);

    band_end(18);
}

}  // namespace kestrel
