// Stations of 21000-21999 kHz, tested in order; every entry that applies is queued.

#include "bandplan/entry.h"

namespace kestrel {

void band_21() {
    band_start(21, 22);


    get_background(77, background_tab_21, prob_tab_21);

    band_end(21);
}

}  // namespace kestrel
