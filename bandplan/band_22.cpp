// Stations of 22000-22999 kHz, tested in order; every entry that applies is queued.

#include "bandplan/entry.h"

namespace kestrel {

void band_22() {
    band_start(22, 22);

    if (at({22186, 22240})) { p(300, ton, 1); _f1 = 1; send_still("ZZZZZZZZZZZZZZZ"); }

    get_background(165, background_tab_22, prob_tab_22);

    band_end(22);
}

}  // namespace kestrel
