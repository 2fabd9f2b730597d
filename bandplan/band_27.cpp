// Stations of 27000-27999 kHz, tested in order; every entry that applies is queued.

#include "bandplan/entry.h"

namespace kestrel {

void band_27() {
    band_start(27, 22);


    get_background(20, background_tab_27, prob_tab_27);

    band_end(27);
}

}  // namespace kestrel
