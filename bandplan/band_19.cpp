// Stations of 19000-19999 kHz, tested in order; every entry that applies is queued.

#include "bandplan/entry.h"

namespace kestrel {

void band_19() {
    band_start(19, 16);


    get_background(205, background_tab_19, prob_tab_19);

    band_end(19);
}

}  // namespace kestrel
