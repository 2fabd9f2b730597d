// Stations of 26000-26999 kHz, tested in order; every entry that applies is queued.
// Broadcasters to 26100, the 26 MHz maritime band, then the fixed and mobile
// services: short-range military nets, remote links, voice below the
// citizens' band. Sparse, and open only by day.

#include "bandplan/background/background.h"
#include "bandplan/bands/coast_watch.h"
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
#include "traffic/fleets.h"
#include "traffic/military.h"
#include "traffic/naval.h"
#include "traffic/netcheck.h"
#include "traffic/ship_coast.h"

namespace kestrel {


void band_26() {
    band_start(26, 22);
    weather_broadcasts();
    diplo_traffic();
    coast_watch(coast_watch_26, coast_watch_26_count);
    maritime_lists();
    // Drift-net buoys of the Far Eastern fisheries, keyed by their own beacons.
    if (at(26118) && reg3f_day()) { p(16, 1400, 1); drift_net_buoys("JB27 JB27 JB27 V"); }
    if (at(26121) && reg3f_day()) { p(14, 1250, 1); drift_net_buoys("DN44 DN44 DN44"); }

    // The maritime band.
    if (at(26102) && day() && cond(3)) { p(20, 1100, 2); send_cond("PCH PCH DE PFBX PFBX QRU? K"); }
    if (at(26118) && day()) { p(24, 1000, 3); coast_station_ex("CQ DE PCH PCH PCH QSX 16 22 25 26 MHZ K      ", "PCH", "SCHEVENINGEN"); }
    if (at(26131) && day()) { p(23, 1050, 3); coast_station_ex("CQ DE SVA SVA SVA QSX 22 25 26 MHZ K      ", "SVA", "ATHINAI"); }
    if (at(26137) && reg1rus_day()) { p(22, 900, 2); coast_station_ex("CQ DE UAT UAT UAT QSX 16 22 26 MHZ K      ", "UAT", "MOSKVA"); }
    if (at(26162) && day()) sitor_marker(900, 20, "DE PCH");
    if (at(26165) && day()) sitor_marker(1000, 18, "DE SVA");

    // Fixed and mobile services.
    if (at(26184) && ct(800, 1500)) { p(22, 1000, 3); send_still("VVV VVV VVV DE RCV RCV RCV      "); }
    if (at(26222)) fixed_net(NET_TAC_F, 10);
    if (at(26268) && ct(800, 1500) && cond(2)) { low_pwr_mil(); }
    if (at(26305) && ct(1000, 1700)) { nato_qso(); }
    if (at(26342) && ct(800, 1500)) { duplex_radiocheck(3, 3); }
    if (at(26386) && ct(700, 1400)) { p(24, 760, 3); fig_msg_count("RAL5 DE RAL23 = ", 30); }
    if (at(26412)) fixed_net(NET_RU_AIR, 24);
    if (at(26478) && ct(800, 1600)) { p(20, 1200, 2); send_still("VVV VVV DE 4XZ 4XZ 4XZ      "); }
    if (at(26531) && ct(900, 1500) && cond(3)) { p(18, 1300, 2); send_cond("A7K DE F2Q QSA? K"); }
    if (at(26593) && ct(1000, 1600)) random_vvv();
    if (at(26644)) fixed_net(NET_TAC_2, 21);
    if (at(26715) && ct(900, 1600)) send_vvv("RKA");

    stn();

    if (day()) {
        if (at(26250) && ml(30)) { p(24, 1000, 3); naval_coast("VVV VVV VVV DE CFH CFH CFH      ", "CFH", canadian_navy, 24); }
        if (at(26442)) { p(26, 1000, 4); send_still("VVV VVV VVV DE DFH/DIS DFH/DIS DFH/DIS      "); }
        if (at(26690) && eh()) { p(24, 1000, 3); fig_msg_count("ZZZZ DE OXZ1 = ", 20); }
    }

    if (reg2_day()) {
        if (at(26287)) { p(24, 920, 4); naval_coast("VVV VVV VVV DE NPG NPG NPG      ", "NPG", us_navy, 37); }
    }

    stn();

    if (hist) {
        if (at(26104) && ct(1300, 1900)) { p(32, 1000, 3); send_still("VVV VVV VVV DE WQY WQY WQY      "); }
        if (at(26400) && ct(900, 1400)) { p(28, 1100, 3); send_still("VVV VVV DE GBW GBW GBW      "); }
        if (at(26100) && ct(1000, 1600)) { p(30, 950, 2); send_still("VVV VVV DE GSK GSK GSK DAVENTRY TEST  "); }
    }

    if (bkgnd) {
        // Voice of the freeband below the citizens' band, and mobile telephony.
        if (at({26555, 26565, 26605, 26625}) && day()) fone_cond(4);
        if (at({26785, 26805, 26855}) && ct(1000, 1800)) fone_cond(5);
        if (at(26985) && day()) fone_cond(3);
        if (at(26360) && day()) rtlx_cond_50_850("RCV", 3);
        if (at(26455) && day()) radar();
        if (at(26522) && cond(2)) qyt4();
        if (at(26740) && cond(4)) tuning();
        if (at(26890) && day()) rtlx_cond_75_425("RFFA", 2);
        if (at({26272, 26298}) && day()) rtlx_cond("MFA KAIRO", 850, 50, 2);
        qsa = 1;
        if (at({26330, 26580, 26760}) && day()) n0n(1000);
    }

    get_background(34, background_tab_26, prob_tab_26);

    band_end(26);
}

}  // namespace kestrel
