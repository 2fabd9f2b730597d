// Stations of 10000-10999 kHz, tested in order; every entry that applies is queued.

#include "bandplan/entry.h"

namespace kestrel {

void band_10() {
    band_start(10, 8);

    // Unconditional entries.
    if (at(10512)) { p(23, 1400, 4); send_still("VVV VVV VVV AQP2/4/5/6/7/8        "); }
    if (at(10945) && !(hl(4) || (t.wHour >= 8 && t.wHour <= 11) || (t.wHour >= 16 && t.wHour <= 19))) {
        p(24, 1000, 4);
        send_still("C13L   C13L   C13L   VVV   VVV   VVV   DE   CFH   CFH   CFH      ");
    }
    if (at(10698) && ed()) { p(20, 900, 2); send_cond_par("RIW RIW RIW DE CMU967 CMU967  ZZU 10164/10164 K", 4); }
    if (at(10164) && t.wMinute % 5 != 0 && t.wDayOfWeek != 3) {
        p(20, 900, 2);
        send_cond_par("RIW RIW RIW DE CMU967 CMU967 K", 4);
    }
    if (at(10980) && ct(930, 1000)) {
        p(19, 1200, 4);
        send_still("VVV VVV VVV DE CTH/37/70 CTH/37/70 CTH/37/70 BOLETIM METEOROLOGICO      ");
    }
    if (at(10097) && cond(5)) {
        p(20, 1000, 4);
        hello();
        sendf("GYX GYX GYX DE GYU GYU GYU %s & ZPF K", str2);
        wait(12);
        send_stack("");
    }
    if (at({10272, 10446})) { p(12, 600, 4); send_still("DE GYU QSX 4 6        "); }
    if (at(10341)) { qsa = 4; sitor_marker(940, 17, "HEC"); }
    if (at(10554) && sked(825)) { p(27, 950, 3); send_still("QRA DE Y7A46  "); }

    if (hist) {
        if (at(10150) && ct(50, 200)) { p(28, 777, 4); send_still("VVV VVV VVV DE DFH/DIS DFH/DIS DFH/DIS PX     "); }
    }

    if (bkgnd) {
        if (at(10980) && (ct(1000, 1200) || ct(1700, 2000))) fax(120, 576);
        if (at({10129, 10164})) rtlx_cond("GYA", 1000, 75, 3);
        if (at(10217)) rtlx_cond_50_850("9VF59", 4);
        if (at({10240, 10258, 10290}) && t.wHour % 3 == 0) rtlx("TASS MOSCOW", 850, 50);
        if (at(10863)) radar();
        qsa = 1;
        if (at({10235, 10330, 10525, 10690, 10770, 10955}) && oh()) n0n(1500);
    }

    get_background(243, background_tab_10, prob_tab_10);

    band_end(10);
}

}  // namespace kestrel
