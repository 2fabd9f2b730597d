// Stations of 24000-24999 kHz, tested in order; every entry that applies is queued.

#include "bandplan/entry.h"

namespace kestrel {

void band_24() {
    band_start(24, 22);


    get_background(50, background_tab_24, prob_tab_24);

    band_end(24);
}

}  // namespace kestrel
