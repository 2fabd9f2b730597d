// Stations of 20000-20999 kHz, tested in order; every entry that applies is queued.

#include "bandplan/entry.h"

namespace kestrel {

void band_20() {
    band_start(20, 22);


    get_background(187, background_tab_20, prob_tab_20);

    band_end(20);
}

}  // namespace kestrel
