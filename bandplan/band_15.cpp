// Stations of 15000-15999 kHz, tested in order; every entry that applies is queued.

#include "bandplan/entry.h"

namespace kestrel {

void band_15() {
    band_start(15, 16);


    get_background(121, background_tab_15, prob_tab_15);

    band_end(15);
}

}  // namespace kestrel
