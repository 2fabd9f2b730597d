// Stations of 21000-21999 kHz, tested in order; every entry that applies is queued.
// Amateur 15 m band (telegraphy at its low end, the beacon chain on 21150),
// broadcasters above 21450, the fixed service and aeronautical voice at the top.

#include <cstdlib>

#include "bandplan/entry.h"

namespace kestrel {


void band_21() {
    band_start(21, 22);
    weather_broadcasts();
    diplo_traffic();
    // Amateur telegraphy by day, contests at weekends, low power on 21060.
    if (within(21000, 21070) && day() && cond(2)) amateur_tfc();
    if (within(21000, 21060) && weekend() && ct(700, 1800) && cond(2)) contest_qso();
    if (at(21060) && day() && cond(3)) qrp_qso();

    // Amateur telegraphy.
    if (at(21040) && day()) { p(18, 760, 3); send_cond_par("QRL? QRL?", 3); }
    if (at(21067) && (ct(1400, 1500) || ct(2000, 2100)) && t.wDayOfWeek >= 1 && t.wDayOfWeek <= 5) { p(20, 1000, 3); send_still("QST QST QST DE W1AW W1AW W1AW CODE PRACTICE      "); }

    // The fixed service between the broadcasters and the aeronautical band.
    if (at(21852) && ct(700, 1500)) { p(24, 1000, 3); send_still("VVV VVV VVV DE RCV RCV RCV      "); }
    if (at(21856) && ct(800, 1600) && eh()) { p(22, 1250, 3); naval_coast("VVV VVV VVV DE GYU GYU GYU      ", "GYU", rn_vsl, 38); }
    if (at(21863) && ct(1200, 1900)) { p(20, 1100, 2); clg_cond("CLP9", "CLP1", 2); }
    if (at(21868) && ct(600, 1500)) { p(21, 900, 3); send_cond_par("RIW RIW RIW DE RMDX RMDX QTC K", 3); }
    if (at(21873) && ct(800, 1600)) { p(24, 1000, 3); send_still("VVV VVV DE SUA SUA SUA QRU      "); }
    if (at(21878) && ct(900, 1500)) { qsa_exchange("YZO8", "YZO", 2); }
    if (at(21889) && ct(600, 1400)) { duplex_radiocheck(5, 1); }
    if (at(21894) && ct(700, 1700) && od()) { p(26, 1100, 3); french_navy_coast("VVV  VVV  VVV  DE  FUV  FUV  FUV  3/12  3/16  3/20       ", "FUV"); }
    if (at(21899) && ct(900, 1600)) { p(19, 820, 2); send_cond_par("OLX OLX DE OLX14 OLX14 QTC K", 2); }
    if (at(21908) && ct(1000, 1800)) { p(24, 900, 4); naval_coast("VVV VVV VVV DE NAW NAW NAW      ", "NAW", us_navy, 37); }
    if (at(21913) && ct(700, 1300)) { simplex_fix_radiocheck(net_fr_mil, 7, 41); }
    if (at(21858) && ct(900, 1500) && ms10(40)) { p(24, 1000, 3); send("SUA63 SUA63 DE SUA QTC = "); qtc5l(nr, 60, 2, 1); send_stack(""); }
    if (at(21895) && ct(700, 1500)) { p(21, 1280, 3); clg_cond("SNN4", "SNN", 3); }
    if (at(21906) && ct(900, 1700)) { simplex_fix_radiocheck(net_nato_tac, 8, 21); }
    if (at(21922) && ct(500, 1400)) { duplex_osn(3, 1); }
    if (at(21919) && ct(500, 1300)) { p(23, 1000, 3); send_still("VVV VVV VVV DE 4XZ 4XZ 4XZ      "); }

    // The flight operations telegraph of an airline.
    if (at(21993) && ct(800, 1500) && cond(3)) { p(20, 1400, 2); send_cond("RBYO RBYO DE UUF UUF QRU? K"); }

    stn();

    if (day()) {
        if (at(21150)) world_beacon_net();
        if (at(21032)) { p(25, 1000, 3); send_cond_par("TEST DE EA5GVT EA5GVT", 3); }
        if (at(21047)) { p(22, 700, 2); qtc_qsk("QST DE ZS6BRK = HR IN JOHANNESBURG WX FINE = "); send_stack(" K"); }
        if (at(21063) && cond(2)) { p(21, 1150, 2); send_cond("VVV VVV VVV DE OK1FMJ TEST"); }
        if (at(21862)) { p(22, 1000, 3); send_still("VVV VVV VVV DE 9KL 9KL 9KL      "); }
        if (at(21883) && ml(20)) { p(24, 1000, 3); send("YZO2 YZO2 DE YZO = "); qtc5f(nr, 45); send_stack(" K"); }
        if (at(21904)) { p(21, 1300, 3); send_still("VVV VVV DE 7TA7 7TA7 7TA7      "); }
    }

    if (reg2_day()) {
        if (at(21036) && cond(2)) { p(24, 600, 4); send_cond("W8JYZ DE VE3MTQ 599 599 K"); }
        if (at(21865)) { p(24, 950, 4); naval_coast("VVV VVV VVV DE NAM NAM NAM      ", "NAM", us_navy, 37); }
    }

    if (reg3f_day()) {
        if (at(21870)) { p(24, 880, 3); naval_coast("VVV VVV VVV DE NPM NPM NPM      ", "NPM", us_navy, 37); }
    }

    stn();

    if (hist) {
        // Before 1952 the band was fixed service: beam and press circuits.
        if (at(21020) && ct(900, 1500)) { p(34, 1000, 3); send_still("VVV VVV VVV DE GBP GBP GBP      "); }
        if (at(21130) && ct(1200, 1800)) { p(30, 1100, 3); send_still("VVV VVV DE WQV WQV WQV      "); }
        if (at(21260) && ct(800, 1400)) { p(26, 900, 3); send_still("CQ CQ CQ DE DFB DFB DFB PRESS      "); }
        if (at(21370) && ct(1000, 1700)) { p(36, 1200, 3); send_still("VVV VVV VVV DE FTK FTK FTK      "); }
        if (at(21420) && ct(600, 1300)) { p(30, 1000, 3); send_still("VVV VVV DE VWY VWY VWY      "); }
        if (at(21879) && ct(1100, 1700)) { p(28, 950, 3); send_still("VVV VVV DE LSL LSL LSL      "); }
    }

    if (bkgnd) {
        // Aeronautical voice.
        if (at(21947) && day()) fone_cond(3);
        if (at(21956) && reg3m_day()) fone_cond(4);
        if (at(21967) && reg2_day()) fone_cond(3);
        if (at(21978) && day()) fone_cond(5);
        // Tuning-up carriers; the frequency is then received afresh.
        if (at({21013, 21034, 21113, 21256, 21311, 21405}) && t.wSecond < 10) tuning2(1000, 1 + std::rand() % 6);
        if (within(21070, 21100) && day() && cond(4)) rtlx_cond_50_170("RTTY", 0);
        if (at({21078, 21083, 21091}) && day()) rtlx_cond_50_170("RTTY", 2);
        if (at(21096) && day()) qyt4();
        if (at(21888)) rtlx_cond_50_850("TASS", 2);
        if (at(21911) && ct(800, 1600)) rtlx_cond("RFFA", 425, 75, 0);
        if (at(21915)) rtlx_cond_arqe_96("SUA", 3);
        if (at(21867) && cond(2)) radar();
        qsa = 1;
        if (at({21855, 21876, 21898, 21921}) && oh()) n0n(1200);
    }

    get_background(77, background_tab_21, prob_tab_21);

    band_end(21);
}

}  // namespace kestrel
