// Stations of 24000-24999 kHz, tested in order; every entry that applies is queued.
// Fixed service up to 24890, then the amateur 12 m band: telegraphy at its
// low end and the beacon chain on 24930. A daytime band.

#include "bandplan/entry.h"

namespace kestrel {


void band_24() {
    band_start(24, 22);
    weather_broadcasts();
    diplo_traffic();
    // Amateur telegraphy by day.
    if (within(24890, 24920) && day() && cond(2)) amateur_tfc();

    // Fixed service.
    if (at(24016) && ct(700, 1600)) { p(24, 1000, 3); send_still("VVV VVV VVV DE RCV RCV RCV      "); }
    if (at(24018) && ct(700, 1600) && cond(3)) { p(20, 900, 2); send_cond("RCV RCV RCV DE RKLM RKLM QTC K"); }
    if (at(24052) && ct(1000, 2000)) { p(24, 850, 4); naval_coast("VVV VVV VVV DE NAM NAM NAM      ", "NAM", us_navy, 37); }
    if (at(24087) && ct(800, 1500)) { p(26, 1100, 3); french_navy_coast("VVV  VVV  VVV  DE  FUG  FUG  FUG  3/16  3/20  3/24       ", "FUG"); }
    if (at(24128) && ct(700, 1500)) { simplex_fix_radiocheck(net_rus_mil, 6, 24); }
    if (at(24165) && ct(900, 1600)) { p(24, 1000, 3); send_still("VVV VVV DE SUA SUA SUA QRU      "); }
    if (at(24169) && ct(900, 1600) && ms10(30)) { p(24, 1000, 3); send("SUA22 DE SUA = "); qtc5l(nr, 50, 2, 1); send_stack(""); }
    if (at(24196) && ct(1200, 2000)) { p(22, 1150, 3); clg_cond("CLP9", "CLP1", 2); }
    if (at(24249) && ct(800, 1500)) { duplex_radiocheck(3, 1); }
    if (at(24266) && ct(700, 1400)) { p(22, 1250, 3); naval_coast("VVV VVV VVV DE GYU GYU GYU      ", "GYU", rn_vsl, 38); }
    if (at(24308) && ct(900, 1500)) { qsa_exchange("YZO11", "YZO", 2); }
    if (at(24351) && ct(600, 1300)) { p(25, 1020, 3); send_cond_par("BZR62 BZR62 DE BZR BZR QTC? K", 2); }
    if (at(24373) && ct(800, 1600)) { simplex_fix_radiocheck(net_nato_tac, 8, 23); }
    if (at(24418) && ct(700, 1500)) { p(20, 1200, 2); send_still("VVV VVV DE 5AF 5AF 5AF QRU      "); }
    if (at(24455) && ct(800, 1400) && cond(2)) { low_pwr_mil(); }
    if (at(24503) && ct(600, 1400)) { p(24, 760, 3); send("RAL5 RAL5 DE RAL23 = "); qtc5f(nr, 40); send_stack(" K"); }
    if (at(24542) && ct(900, 1700)) { p(18, 1420, 2); clg_cond("OLX14", "OLX", 3); }
    if (at(24617) && ct(800, 1600)) { p(24, 1000, 4); send_still("VVV VVV VVV DE HEC HEC HEC      "); }
    if (at(24662) && ct(1100, 1900)) { nato_qso(); }
    if (at(24715) && ct(700, 1500)) { p(23, 1400, 3); send_still("VVV VVV VVV DE AQP2/4/5/6/7/8      "); }
    if (at(24772) && ct(800, 1600)) random_vvv();
    if (at(24838) && ct(900, 1600)) { simplex_fix_radiocheck(net_fr_mil, 7, 41); }

    // Amateur telegraphy.

    stn();

    if (day()) {
        if (at(24930)) world_beacon_net();
        if (at(24114) && ml(30)) { p(24, 1000, 3); naval_coast("VVV VVV VVV DE CFH CFH CFH      ", "CFH", canadian_navy, 24); }
        if (at(24582)) { p(26, 1000, 4); send_still("VVV VVV VVV DE DFH/DIS DFH/DIS DFH/DIS      "); }
    }

    if (reg2_day()) {
        if (at(24234)) { p(24, 920, 4); naval_coast("VVV VVV VVV DE NPG NPG NPG      ", "NPG", us_navy, 37); }
    }

    if (reg1rus_day()) {
        if (at(24444)) { p(22, 900, 3); send_still("VVV VVV VVV DE RIW RIW RIW      "); }
    }

    if (reg3f_day()) {
        if (at(24702)) { p(24, 880, 4); naval_coast("VVV VVV VVV DE NPM NPM NPM      ", "NPM", us_navy, 37); }
    }

    stn();

    if (hist) {
        if (at(24100) && ct(1000, 1600)) { p(36, 1000, 3); send_still("VVV VVV VVV DE WQP WQP WQP      "); }
        if (at(24400) && ct(800, 1400)) { p(32, 1100, 3); send_still("VVV VVV DE GBK GBK GBK      "); }
        if (at(24750) && ct(900, 1500)) { p(30, 900, 3); send_still("VVV VVV VVV DE DFE DFE DFE      "); }
    }

    if (bkgnd) {
        if (at(24183)) rtlx_cond_50_850("RCV", 3);
        if (at(24330) && day()) rtlx_cond("TASS", 425, 50, 0);
        if (at(24526)) rtlx_cond_arqe_96("SUA", 2);
        if (at(24690) && ct(900, 1500)) fax(120, 576);
        if (at(24800) && cond(2)) radar();
        if (within(24915, 24929) && day() && cond(5)) rtlx_cond_50_170("RTTY", 0);
        qsa = 2;
        if (at({24060, 24290, 24560, 24740}) && day()) n0n(1000);
    }

    get_background(50, background_tab_24, prob_tab_24);

    band_end(24);
}

}  // namespace kestrel
