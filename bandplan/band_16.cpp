// Stations of 16000-16999 kHz, tested in order; every entry that applies is queued.

#include "bandplan/entry.h"

namespace kestrel {

void band_16() {
    band_start(16, 16);


    get_background(214, background_tab_16, prob_tab_16);

    band_end(16);
}

}  // namespace kestrel
