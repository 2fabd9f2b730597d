// Stations of 25000-25999 kHz, tested in order; every entry that applies is queued.
// Standard frequency on 25000, the fixed service, the 25 MHz maritime band
// (25070-25210), and broadcasters from 25670. Heard by day, on a good day.

#include "bandplan/background/background.h"
#include "bandplan/bands/coast_watch.h"
#include "bandplan/bands/ship_work.h"
#include "bandplan/entry.h"
#include "bandplan/entry_helpers.h"
#include "bandplan/fixed_nets.h"
#include "procedures/markers.h"
#include "procedures/predicates.h"
#include "procedures/procedures.h"
#include "procedures/send.h"
#include "procedures/voice.h"
#include "state/clock.h"
#include "state/emission.h"
#include "state/receiver.h"
#include "synth/machine.h"
#include "synth/morse.h"
#include "traffic/blocks.h"
#include "traffic/military.h"
#include "traffic/naval.h"
#include "traffic/netcheck.h"
#include "traffic/ship_coast.h"

namespace kestrel {

void band_25() {
    band_start(25, 22);
    weather_broadcasts();
    diplo_traffic();
    ship_work(ship_work_25, ship_work_25_count);
    coast_watch(coast_watch_25, coast_watch_25_count);
    maritime_lists();

    // Fixed service below the maritime band.
    if (at(25022) && ct(800, 1500)) { p(24, 1000, 3); send_still("VVV VVV VVV DE RCV RCV RCV      "); }
    if (at(25033) && ct(1100, 1900)) { p(24, 850, 4); naval_coast("VVV VVV VVV DE NSS NSS NSS      ", "NSS", us_navy, 37); }
    if (at(25047)) fixed_net(NET_ARMY_E, 22);
    if (at(25061) && ct(900, 1500) && cond(3)) { p(20, 900, 2); send_cond("RIW RIW RIW DE RMGB RMGB QSA? K"); }

    // The maritime band: ships calling and working, coast markers, SITOR.
    if (at(25101) && day() && cond(3)) { vsl_clg_coast(); }
    if (at(25103) && reg1rus_day() && cond(3)) { vsl_clg_coast(); }
    if (at(25105) && day() && cond(3)) { vsl_clg_coast(); }
    if (at(25107) && reg2_day() && cond(3)) { vsl_clg_coast(); }
    if (at(25109) && reg3m_day() && cond(3)) { vsl_clg_coast(); }
    if (at(25113) && day() && cond(4)) { vsl_tfc("SVA"); }
    if (at(25117) && day() && cond(4)) { random_vvv(); }
    if (at(25124) && day()) { p(24, 1000, 3); coast_station_ex("CQ CQ CQ DE PCH PCH PCH QSX 8 12 16 22 25 MHZ K      ", "PCH", "SCHEVENINGEN"); }
    if (at(25131) && day()) { p(22, 850, 4); coast_station_ex("CQ CQ CQ DE GKB GKB GKB QSX 12 16 22 25 MHZ K      ", "GKB", "PORTISHEAD"); }
    if (at(25138) && reg1rus_day()) { p(22, 900, 3); coast_station_ex("CQ DE UAT UAT UAT QSX 12 16 22 25 MHZ K      ", "UAT", "MOSKVA"); }
    if (at(25144) && day()) { p(23, 1050, 3); coast_station_ex("CQ DE SVA SVA SVA QSX 16 22 25 MHZ K      ", "SVA", "ATHINAI"); }
    if (at(25151) && reg2_day()) { p(22, 1000, 3); coast_station_ex("CQ DE WCC WCC WCC QSX 16 22 25 MHZ K      ", "WCC", "CHATHAM"); }
    if (at(25157) && reg3m_day()) { p(25, 1000, 3); coast_station_ex("CQ DE 9VG 9VG 9VG QSX 16 22 25 MHZ K      ", "9VG", "SINGAPORE"); }
    if (at(25163) && day()) sitor_marker(900, 20, "DE PCH");
    if (at(25166) && day()) sitor_marker(1000, 18, "DE SVA");
    if (at(25169) && day()) sitor_marker(850, 22, "DE LGB");
    if (at(25197) && day() && cond(3)) { p(18, 1100, 2); send_cond("DE UUAF QRU? QSY 25113 K"); }

    // Fixed service above the maritime band.
    if (at(25213) && ct(700, 1500)) { p(26, 1100, 3); french_navy_coast("VVV  VVV  VVV  DE  FUE  FUE  FUE  3/16  3/22  3/25       ", "FUE"); }
    if (at(25228) && ct(1200, 2000)) { p(22, 1150, 3); clg_cond("CLP3", "CLP1", 3); }
    if (at(25240) && ct(800, 1500)) { p(24, 1000, 3); send_still("VVV VVV DE SUA SUA SUA QRU      "); }
    if (at(25242) && ct(800, 1500) && ms20(0)) { p(24, 1000, 3); let_msg_count("SUA79 DE SUA QTC = ", 55, 1); }
    if (at(25256) && ct(900, 1600)) { duplex_radiocheck(4, 1); }
    if (at(25288) && ct(700, 1400)) { p(22, 1250, 3); naval_coast("VVV VVV VVV DE GYA GYA GYA      ", "GYA", rn_vsl, 38); }
    if (at(25305) && ct(800, 1500)) { qsa_exchange("YZO5", "YZO", 3); }
    if (at(25341)) fixed_net(NET_RU_ARMY, 24);
    if (at(25368) && ct(900, 1600)) { nato_qso(); }
    if (at(25393) && ct(700, 1500)) { p(20, 1200, 2); send_still("VVV VVV DE 5AF 5AF 5AF QRU      "); }
    if (at(25417) && ct(800, 1400) && cond(2)) { low_pwr_mil(); }
    if (at(25446) && ct(600, 1400)) { p(24, 760, 3); send_still("VVV VVV VVV DE RAL23 RAL23 RAL23      "); }
    if (at(25448) && ct(600, 1400) && ms10(10)) { p(24, 760, 3); send("RAL5 DE RAL23 = "); qtc5f(nr, 45); send_stack(" K"); }
    if (at(25472)) fixed_net(NET_TAC_1, 21);
    if (at(25497) && ct(1000, 1700)) random_vvv();
    if (at(25515) && ct(700, 1500)) { p(18, 1420, 2); clg_cond("OLX22", "OLX", 2); }
    if (at(25534) && ct(800, 1500)) { p(24, 1000, 4); send_still("VVV VVV VVV DE HEC HEC HEC      "); }

    stn();

    if (day()) {
        if (at(25000)) { qsa = 3; ts2("WWV"); }
        if (at(25051) && ml(30)) { p(24, 1000, 3); naval_coast("VVV VVV VVV DE CFH CFH CFH      ", "CFH", canadian_navy, 24); }
        if (at(25318)) { p(26, 1000, 4); send_still("VVV VVV VVV DE DFH/DIS DFH/DIS DFH/DIS      "); }
        if (at(25426) && eh()) { p(23, 1400, 3); send_still("VVV VVV VVV DE AQP2/4/5/6/7/8      "); }
    }

    if (reg2_day()) {
        if (at(25038)) { p(24, 920, 4); naval_coast("VVV VVV VVV DE NPG NPG NPG      ", "NPG", us_navy, 37); }
        if (at(25270)) { p(22, 1150, 3); send_still("VVV VVV VVV DE CLP1 CLP1 CLP1      "); }
    }

    if (reg1rus_day()) {
        if (at(25296)) { p(24, 1000, 3); send_still("VVV VVV DE RJH74 RJH74 RJH74      "); }
    }

    if (reg3f_day()) {
        if (at(25405)) { p(24, 880, 4); naval_coast("VVV VVV VVV DE NPM NPM NPM      ", "NPM", us_navy, 37); }
    }

    stn();

    if (hist) {
        if (at(25020) && ct(1200, 1800)) { p(34, 1000, 3); send_still("VVV VVV VVV DE WQZ WQZ WQZ      "); }
        if (at(25250) && ct(900, 1500)) { p(30, 1100, 3); send_still("VVV VVV DE GBS GBS GBS      "); }
        if (at(25450) && ct(800, 1400)) { p(28, 950, 3); send_still("VVV VVV VVV DE DFR DFR DFR      "); }
        if (at(25650) && ct(1100, 1500)) { p(24, 1000, 3); send_still("VVV VVV DE FTD FTD FTD STE ASSISE  "); }
        if (at(25350) && ct(1300, 1900)) { p(30, 900, 4); send_still("VVV VVV VVV DE WKQ WKQ WKQ ROCKY POINT  "); }
    }

    if (bkgnd) {
        if (at(25026)) rtlx_cond_50_850("RCV", 2);
        if (at(25200) && day()) rtlx("TASS MOSCOW", 850, 50);
        if (at(25327) && ct(900, 1500)) fax(120, 576);
        if (at(25387)) rtlx_cond_arqe_96("SUA", 3);
        if (at(25455) && day()) radar();
        if (at(25490) && cond(2)) qyt4();
        if (at(25523) && cond(4)) tuning();
        if (at({25036, 25058}) && day()) rtlx_cond("7TA ALGER", 850, 50, 2);
        if (at({25262, 25281}) && ct(900, 1500)) rtlx("AFP PARIS", 425, 50);
        if (at({25305, 25342}) && ct(900, 1500)) rtlx("RFFA PARIS", 850, 75);
        if (at(25427) && day()) rtlx_cond("MENA CAIRO", 850, 50, 4);
        if (at(25512) && day()) rtlx_cond("MFA MOSKVA", 425, 75, 0);
        if (at(25200) && mh(49)) rtlx("TASS MOSKVA", 425, 50);
        qsa = 2;
        if (at({25015, 25230, 25410, 25545}) && day()) n0n(1000);
    }

    get_background(58, background_tab_25, prob_tab_25);

    band_end(25);
}

}  // namespace kestrel
