// Stations of 23000-23999 kHz, tested in order; every entry that applies is queued.

#include "bandplan/entry.h"

namespace kestrel {

void band_23() {
    band_start(23, 22);


    get_background(144, background_tab_23, prob_tab_23);

    band_end(23);
}

}  // namespace kestrel
