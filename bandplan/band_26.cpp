// Stations of 26000-26999 kHz, tested in order; every entry that applies is queued.

#include "bandplan/entry.h"

namespace kestrel {

void band_26() {
    band_start(26, 22);


    get_background(34, background_tab_26, prob_tab_26);

    band_end(26);
}

}  // namespace kestrel
