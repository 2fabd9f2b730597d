// Stations of 12000-12999 kHz, tested in order; every entry that applies is queued.

#include "bandplan/entry.h"

namespace kestrel {

void band_12() {
    band_start(12, 12);

    if (at(12700) && ml(5)) { qsa = 1; qrh = 2; send_cond_bug("CQ CQ CQ DE H4H H4H H4H QRU QRU? QSX 12 MHZ KK"); }
    if (at(12307) && (ct(200, 230) || ct(1100, 1130) || ct(1600, 1630) || ct(2100, 2130))) {
        p(19, 600, 1);
        qrh = 1;
        send_times("CQ CQ CQ DE OBC3 OBC3 OBC3 WX/NAV WRNG/NAVAREA XVI  *", 2);
    }

    get_background(175, background_tab_12, prob_tab_12);

    band_end(12);
}

}  // namespace kestrel
