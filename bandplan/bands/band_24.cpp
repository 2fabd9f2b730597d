// Stations of 24000-24999 kHz, tested in order; every entry that applies is queued.
// Fixed service up to 24890, then the amateur 12 m band: telegraphy at its
// low end and the beacon chain on 24930. A daytime band.

#include "bandplan/background/background.h"
#include "bandplan/entry.h"
#include "bandplan/entry_helpers.h"
#include "bandplan/fixed_nets.h"
#include "procedures/predicates.h"
#include "procedures/procedures.h"
#include "procedures/send.h"
#include "procedures/voice.h"
#include "state/clock.h"
#include "state/emission.h"
#include "state/receiver.h"
#include "synth/machine.h"
#include "synth/morse.h"
#include "traffic/amateur.h"
#include "traffic/blocks.h"
#include "traffic/military.h"
#include "traffic/naval.h"
#include "traffic/netcheck.h"

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
    if (at(24128)) fixed_net(NET_RU_NAVY_NORTH, 24);
    if (at(24169) && ct(900, 1600) && ms10(30)) { p(24, 1000, 3); send("SUA22 DE SUA = "); qtc5l(nr, 50, 2, 1); send_stack(""); }
    if (at(24196) && ct(1200, 2000)) { p(22, 1150, 3); clg_cond("CLP9", "CLP1", 2); }
    if (at(24249) && ct(800, 1500)) { duplex_radiocheck(3, 1); }
    if (at(24266) && ct(700, 1400)) { p(22, 1250, 3); naval_coast("VVV VVV VVV DE GYU GYU GYU      ", "GYU", rn_vsl, 38); }
    if (at(24308) && ct(900, 1500)) { qsa_exchange("YZO11", "YZO", 2); }
    if (at(24351) && ct(600, 1300)) { p(25, 1020, 3); send_cond_par("BZR62 BZR62 DE BZR BZR QTC? K", 2); }
    if (at(24373)) fixed_net(NET_IT_NAVY, 23);
    if (at(24418) && ct(700, 1500)) { p(20, 1200, 2); send_still("VVV VVV DE 5AF 5AF 5AF QRU      "); }
    if (at(24455) && ct(800, 1400) && cond(2)) { low_pwr_mil(); }
    if (at(24503) && ct(600, 1400)) { p(24, 760, 3); send("RAL5 RAL5 DE RAL23 = "); qtc5f(nr, 40); send_stack(" K"); }
    if (at(24542) && ct(900, 1700)) { p(18, 1420, 2); clg_cond("OLX14", "OLX", 3); }
    if (at(24662) && ct(1100, 1900)) { nato_qso(); }
    if (at(24715) && ct(700, 1500)) { p(23, 1400, 3); send_still("VVV VVV VVV DE AQP2/4/5/6/7/8      "); }
    if (at(24772) && ct(800, 1600)) random_vvv();
    if (at(24838)) fixed_net(NET_FR_NAVY_1, 41);
    if (at(24023) && ct(800, 1600)) { p(24, 1000, 5); send_still("7TA 7TA 7TA  VVV VVV VVV  QSX 24023  "); }
    if (at(24023) && ms(50)) { p(24, 1000, 5); send("7TA17 DE 7TA = "); qtc5f(nr, 30); send_stack(" AR"); }
    if (at(24074) && cond(3)) send_cond_bug("SUA14 DE SUA QTC 2 K");
    if (at(24139) && oh()) { p(22, 1300, 3); send_still("VVV VVV DE 4XZ 4XZ 4XZ QSX 24139  "); }
    if (at(24211) && ct(900, 1500)) { p(21, 1000, 4); send_still("CLP1 CLP1 CLP1  VVV VVV VVV  QTC?  "); }
    if (at(24211) && ms10(20)) { p(21, 1000, 4); send("CLP41 CLP41 CLP41 DE CLP1 CLP1 QTC = "); qtc5f(nr, 35); send_stack(" AR K"); }
    if (at(24277) && oh() && cond(2)) send_vvv("OLX");
    if (at(24341) && eh()) { p(24, 900, 3); send_still("VVV VVV DE TBA TBA TBA QRU  "); }
    if (at(24397) && cond(3)) send_cond_bug("RAL59 RAL59 DE RCV QRV? K");
    if (at(24478) && ct(700, 1500)) { p(23, 1100, 5); send_still("VVV VVV VVV DE SXA SXA SXA  "); }
    if (at(24597) && cond(3)) send_cond_bug("YZO YZO DE YZO17 YZO17 QRV K");
    if (at(24726) && cond(3)) { p(20, 900, 4); send_cond("EPJ EPJ DE EPJ12 EPJ12 QTC 1 K"); }
    if (at(24866) && ct(800, 1400)) { p(24, 1000, 3); send_still("VVV VVV VVV DE IDR IDR IDR  "); }

    // Amateur telegraphy.

    stn();

    if (day()) {
        if (at(24930)) world_beacon_net();
        if (at(24114) && ml(30)) { p(24, 1000, 3); naval_coast("VVV VVV VVV DE CFH CFH CFH      ", "CFH", canadian_navy, 24); }
        if (at(24582)) { p(26, 1000, 4); send_still("VVV VVV VVV DE DFH/DIS DFH/DIS DFH/DIS      "); }
        if (at(24147) && cond(3)) { p(24, 1000, 4); send_still("VVV VVV VVV DE 5YE 5YE 5YE QRU  "); }
        if (at(24319) && ct(900, 1500)) { p(22, 1200, 3); send_still("VVV VVV DE ZRH ZRH ZRH  "); }
        if (at(24893) && cond(3)) { p(28, 700, 4); send_cond("CQ CQ DE ZS6TNX ZS6TNX K"); }
        if (at(24897) && cond(3)) send_cond_bug("CQ DX DE 9J2KW 9J2KW K");
        if (at(24904) && cond(3)) { p(22, 800, 3); send_cond("OE6QXK DE VP8NFD 599 TU K"); }
        if (at(24911) && cond(4)) { p(18, 650, 2); send_cond("CQ DE EA3FHQ EA3FHQ K"); }
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
        if (at(24200) && ct(1200, 1800)) { p(30, 1100, 4); send_still("VVV VVV VVV DE WKM WKM WKM ROCKY POINT  "); }
        if (at(24600) && eh()) { p(26, 900, 3); send_still("VVV VVV DE DGD DGD DGD NAUEN  "); }
        if (at(24400) && ms10(10)) { p(32, 1100, 2); send("VWY DE GBK NR "); fig_msg_count("", 20); }
    }

    if (bkgnd) {
        if (at(24183)) rtlx_cond_50_850("RCV", 3);
        if (at(24330) && day()) rtlx_cond("TASS", 425, 50, 0);
        if (at(24526)) rtlx_cond_arqe_96("SUA", 2);
        if (at(24690) && ct(900, 1500)) fax(120, 576);
        if (at(24800) && cond(2)) radar();
        if (within(24915, 24929) && day() && cond(5)) rtlx_cond_50_170("RTTY", 0);
        if (at({24023, 24071}) && mh(29)) rtlx("7TA ALGER", 850, 50);
        if (at({24153, 24188}) && day()) rtlx_cond("AFP PARIS", 425, 50, 2);
        if (at({24225, 24262}) && ct(1000, 1600)) rtlx("XINHUA BEIJING", 425, 50);
        if (at({24426, 24468, 24491}) && day()) rtlx_cond("RFFA PARIS", 850, 50, 3);
        if (at({24630, 24668}) && ct(900, 1500)) rtlx("MENA CAIRO", 850, 50);
        if (at(24211) && reg2_day() && oh()) rtlx("PRENSA LATINA", 425, 50);
        if (at({24783, 24821}) && oh()) rtlx_cond("MFA MOSKVA", 425, 75, 0);
        qsa = 2;
        if (at({24060, 24290, 24560, 24740}) && day()) n0n(1000);
    }

    get_background(50, background_tab_24, prob_tab_24);

    band_end(24);
}

}  // namespace kestrel
