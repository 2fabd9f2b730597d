// Stations of 11000-11999 kHz, tested in order; every entry that applies is queued.

#include "bandplan/entry.h"

namespace kestrel {

void band_11() {
    band_start(11, 12);

    // The first ten seconds of a minute: the station refreshes the clock itself.
    if (at(11096)) {
        GetSystemTime(&t);
        if (t.wSecond < 10) {
            p(25, 1000, 3);
            sz = 1;
            send_stackf("=99%02d%02d??0?????", t.wHour, t.wMinute);
            sz = 0;
        }
    }
    if (at(11146)) { rto = 30; clg_cond("7RA20", "CNA", 2); }

    get_background(194, background_tab_11, prob_tab_11);
    if (bkgnd) {
        qsa = static_cast<int>(myrand() % 3 + 3);
        if (at({11710, 11720, 11730, 11750, 11820, 11860, 11865, 11895, 11925, 11940})) n0n(800);
        if (at({11745, 11785, 11835, 11875, 11905, 11955})) n0n(900);
    }

    band_end(11);
}

}  // namespace kestrel
