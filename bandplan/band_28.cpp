// Stations of 28000-28999 kHz, tested in order; every entry that applies is queued.

#include "bandplan/entry.h"

namespace kestrel {

void band_28() {
    band_start(28, 22);


    get_background(2, background_tab_28, prob_tab_28);

    band_end(28);
}

}  // namespace kestrel
