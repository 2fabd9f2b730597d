// Stations of 13000-13999 kHz, tested in order; every entry that applies is queued.

#include "bandplan/entry.h"

namespace kestrel {

void band_13() {
    band_start(13, 12);

    if (reg2_day()) {
        if (at(13194)) { p(32, 1400, 2); send_cond_par("CLP3 CLP3 CLP3 DE CLP1 CLP1 K", 3); }
    }

    get_background(271, background_tab_13, prob_tab_13);

    band_end(13);
}

}  // namespace kestrel
