// Stations of 25000-25999 kHz, tested in order; every entry that applies is queued.

#include "bandplan/entry.h"

namespace kestrel {

void band_25() {
    band_start(25, 22);


    get_background(58, background_tab_25, prob_tab_25);

    band_end(25);
}

}  // namespace kestrel
