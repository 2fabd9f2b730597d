// Stations of 27000-27999 kHz, tested in order; every entry that applies is queued.
// The citizens' band with the industrial band around 27120 (voice, model
// control, heating carriers), then fixed and mobile services and short-range
// military nets to 28000. Daytime only, apart from local signals.

#include "bandplan/entry.h"

namespace kestrel {


void band_27() {
    band_start(27, 22);
    weather_broadcasts();
    diplo_traffic();
    // The Pacific expedition on the 11 m band.
    if (at(27555) && day()) li2b(27);

    // A citizens' band operator calling for distant stations.
    if (at(27385) && day() && cond(6)) { p(18, 800, 2); send_cond("CQ DX CQ DX DE 26AT143 26AT143 K"); }

    // Fixed and mobile services above the citizens' band.
    if (at(27567) && ct(800, 1500)) { p(22, 1000, 3); send_still("VVV VVV VVV DE RCV RCV RCV      "); }
    if (at(27583) && ct(900, 1600)) { simplex_fix_radiocheck(net_tac_g, 5, 23); }
    if (at(27596) && ct(800, 1500) && cond(2)) { low_pwr_mil(); }
    if (at(27628) && ct(1000, 1700)) { nato_qso(); }
    if (at(27645) && ct(800, 1500)) { duplex_radiocheck(4, 1); }
    if (at(27666) && ct(700, 1400)) { p(24, 760, 3); fig_msg_count("RAL7 DE RAL23 = ", 25); }
    if (at(27691) && ct(900, 1500)) { simplex_fix_radiocheck(net_rus_mil, 6, 24); }
    if (at(27712) && ct(800, 1600)) { p(20, 1200, 2); send_still("VVV VVV DE 4XZ 4XZ 4XZ      "); }
    if (at(27738) && ct(900, 1500) && cond(3)) { p(18, 1300, 2); send_cond("H3X DE L8M QSA? K"); }
    if (at(27770) && ct(1000, 1600)) random_vvv();
    if (at(27794) && ct(800, 1500)) { simplex_fix_radiocheck(net_nato_tac, 8, 10); }
    if (at(27830) && ct(900, 1600)) send_vvv("RKA");
    if (at(27861) && ct(700, 1500)) { p(22, 1040, 3); italian_naval("VVV VVV DE IDR IDR IDR      ", "IDR"); }
    if (at(27890) && ct(800, 1600)) { duplex_osn(3, 1); }
    if (at(27935) && ct(900, 1500)) { p(24, 1000, 3); send_still("VVV VVV DE SUA SUA SUA QRU      "); }
    if (at(27958) && ct(1100, 1800)) { p(24, 850, 4); naval_coast("VVV VVV VVV DE NAM NAM NAM      ", "NAM", us_navy, 37); }

    stn();

    if (day()) {
        if (at(27520) && ml(30)) { p(24, 1000, 3); naval_coast("VVV VVV VVV DE CFH CFH CFH      ", "CFH", canadian_navy, 24); }
        if (at(27750)) { p(26, 1000, 4); send_still("VVV VVV VVV DE DFH/DIS DFH/DIS DFH/DIS      "); }
        if (at(27905) && eh()) { p(24, 1000, 3); fig_msg_count("ZZZZ DE OXZ1 = ", 20); }
    }

    if (reg1rus_day()) {
        if (at(27615)) { p(24, 1000, 3); send_still("VVV VVV DE RJH74 RJH74 RJH74      "); }
    }

    stn();

    if (hist) {
        if (at(27300) && ct(1200, 1700)) { p(30, 1000, 3); send_still("VVV VVV VVV DE WQX WQX WQX      "); }
        if (at(27700) && ct(900, 1400)) { p(26, 1100, 3); send_still("VVV VVV DE DFL DFL DFL      "); }
    }

    if (bkgnd) {
        // Citizens' band voice: local by night, skip by day.
        if (at({27005, 27015, 27025, 27035, 27105, 27115, 27125, 27135})) fone_cond(4);
        if (at({27165, 27175, 27185, 27215, 27225, 27235, 27245, 27255}) && day()) fone_cond(5);
        if (at({27275, 27285, 27295, 27305, 27315, 27325, 27335, 27345}) && ct(900, 2200)) fone_cond(6);
        if (at({27355, 27365, 27385, 27395, 27405}) && day()) fone_cond(3);
        if (at({27455, 27505, 27555}) && day()) fone_cond(7);
        // Heating and diathermy carriers of the industrial band; model control.
        qsa = 2;
        if (at({27118, 27120, 27122})) n0n(700);
        if (at({27045, 27095, 27145, 27195}) && cond(2)) qyt4();
        if (at(27540) && day()) rtlx_cond_50_850("RCV", 3);
        if (at(27684) && day()) radar();
        if (at(27820) && cond(4)) tuning();
        if (at(27980) && day()) rtlx_cond_75_425("RFFA", 2);
        qsa = 1;
        if (at({27600, 27720, 27880}) && day()) n0n(1000);
    }

    get_background(20, background_tab_27, prob_tab_27);

    band_end(27);
}

}  // namespace kestrel
