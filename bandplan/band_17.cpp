// Stations of 17000-17999 kHz, tested in order; every entry that applies is queued.

#include "bandplan/entry.h"

namespace kestrel {

void band_17() {
    band_start(17, 16);


    get_background(180, background_tab_17, prob_tab_17);

    band_end(17);
}

}  // namespace kestrel
