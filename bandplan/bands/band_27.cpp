// Stations of 27000-27999 kHz, tested in order; every entry that applies is queued.
// The citizens' band with the industrial band around 27120 (voice, model
// control, heating carriers), then fixed and mobile services and short-range
// military nets to 28000. Daytime only, apart from local signals.

#include "bandplan/background/background.h"
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
#include "traffic/amateur.h"
#include "traffic/blocks.h"
#include "traffic/military.h"
#include "traffic/naval.h"
#include "traffic/netcheck.h"

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
    if (at(27583)) fixed_net(NET_TAC_G, 23);
    if (at(27596) && ct(800, 1500) && cond(2)) { low_pwr_mil(); }
    if (at(27628) && ct(1000, 1700)) { nato_qso(); }
    if (at(27645) && ct(800, 1500)) { duplex_radiocheck(4, 1); }
    if (at(27666) && ct(700, 1400)) { p(24, 760, 3); fig_msg_count("RAL7 DE RAL23 = ", 25); }
    if (at(27691)) fixed_net(NET_RU_NAVY_BALTIC, 24);
    if (at(27712) && ct(800, 1600)) { p(20, 1200, 2); send_still("VVV VVV DE 4XZ 4XZ 4XZ      "); }
    if (at(27738) && ct(900, 1500) && cond(3)) { p(18, 1300, 2); send_cond("H3X DE L8M QSA? K"); }
    if (at(27770) && ct(1000, 1600)) random_vvv();
    if (at(27794)) fixed_net(NET_TAC_3, 10);
    if (at(27830) && ct(900, 1600)) send_vvv("RKA");
    if (at(27861) && ct(700, 1500)) { p(22, 1040, 3); italian_naval("VVV VVV DE IDR IDR IDR      ", "IDR"); }
    if (at(27890) && ct(800, 1600)) { duplex_osn(3, 1); }
    if (at(27958) && ct(1100, 1800)) { p(24, 850, 4); naval_coast("VVV VVV VVV DE NAM NAM NAM      ", "NAM", us_navy, 37); }
    // Outstations answering their control stations, and more of the short-range nets.
    if (at(27567) && ms(15)) { p(22, 1000, 3); fig_msg_count("RJD64 DE RCV QTC = ", 20); }
    if (at(27567) && cond(4)) send_cond_bug("RCV DE RAL66 QSA 3 QRK? K");
    if (at(27666) && cond(3)) { p(21, 900, 3); send_cond("RAL23 RAL23 V RAL7 RAL7 QSL K"); }
    if (at(27712) && ms10(30)) { p(20, 1200, 3); send("4XZ DE 4XZ5 = "); qtc5f(nr, 25); send_stack(" K"); }
    if (at(27738) && cond(4)) { p(33, 1100, 3); send_cond("L8M DE H3X QSA 4 K"); }
    if (at(27861) && cond(4)) { p(23, 1000, 3); send_cond("IDR IDR DE IDR4 IDR4 QTC 1 K"); }
    if (at(27935) && ms(45)) { p(24, 1650, 3); send("SUA15 SUA15 DE SUA = "); qtc5l(nr, 30, 2, 1); send_stack(""); }
    if (at(27935) && cond(4)) send_cond_bug("SUA SUA DE SUA15 SUA15 QRV K");
    if (at(27958) && ml(15)) { p(24, 850, 4); send("NAM DE NAM ZBO 1 O  "); nato_qtc(nr, 'O'); }
    if (at(27604) && ct(800, 1500)) { p(24, 1000, 4); send_still("VVV VVV VVV DE 7TA 7TA 7TA QRU  "); }
    if (at(27604) && cond(4)) send_cond_bug("7TA 7TA DE 7TA52 7TA52 QTC K");
    if (at(27652) && ct(900, 1600)) { p(22, 1150, 3); send_still("VVV VVV DE TBA TBA TBA QSX 27652  "); }
    if (at(27678) && cond(3)) { p(21, 600, 4); send_cond("CNM CNM DE CNM9 CNM9 QRV K"); }
    if (at(27724) && ct(800, 1400)) { p(24, 1050, 4); send_still("VVV VVV VVV DE FUE FUE FUE  "); }
    if (at(27744) && day()) send_vvv("YZO");
    if (at(27802) && oh()) { p(22, 1000, 3); send_still("VVV VVV DE SXA SXA SXA QRU  "); }
    if (at(27846) && ct(900, 1500)) { p(24, 1300, 3); send("HZN6 HZN6 DE HZN = "); qtc5f(nr, 25); send_stack(" AR"); }
    if (at(27912) && cond(3)) send_cond_bug("EBA9 EBA9 DE EBA QRU? K");
    if (at(27970) && ct(1000, 1600)) { p(24, 550, 5); send_still("VVV VVV VVV DE NAU NAU NAU QSX 23 27 MHZ  "); }

    stn();

    if (day()) {
        if (at(27520) && ml(30)) { p(24, 1000, 3); naval_coast("VVV VVV VVV DE CFH CFH CFH      ", "CFH", canadian_navy, 24); }
        if (at(27750)) { p(26, 1000, 4); send_still("VVV VVV VVV DE DFH/DIS DFH/DIS DFH/DIS      "); }
        if (at(27905) && eh()) { p(24, 1000, 3); fig_msg_count("ZZZZ DE OXZ1 = ", 20); }
        if (at(27520) && mh(29)) { p(24, 1000, 1); send_still("VVV VVV DE CFH CFH CFH QSX 23 27 MHZ  "); }
        if (at(27750) && ms(30)) { p(26, 1000, 4); send("DFH DE DIS = "); fig_msg_count("", 20); }
        if (at(27905) && cond(4)) { p(20, 1000, 3); send_cond("OXZ1 OXZ1 DE OXZ3 OXZ3 QRV K"); }
        if (at(27405) && cond(5)) { p(16, 700, 3); send_cond("CQ DX DE 161RC457 161RC457 K"); }
        if (at(27335) && cond(6)) send_cond_bug("CQ DX CQ DX DE 13AT208 13AT208 K");
        if (at(27816) && eh()) { p(22, 1000, 4); send_still("VVV VVV VVV DE 5YE 5YE 5YE  "); }
        if (at(27816) && eh() && ml(30)) send_vvv("5YE");
        if (at(27874) && od()) send_vvv("ZRH");
        if (at(27652) && ml(15)) send_vvv("TBA");
        if (at(27874) && cond(3)) { p(21, 2000, 3); send_still("VVV VVV DE ZRH ZRH ZRH QRU  "); }
    }

    if (reg1rus_day()) {
        if (at(27615)) { p(24, 1000, 3); send_still("VVV VVV DE RJH74 RJH74 RJH74      "); }
    }

    stn();

    if (hist) {
        if (at(27300) && ct(1200, 1700)) { p(30, 1000, 3); send_still("VVV VVV VVV DE WQX WQX WQX      "); }
        if (at(27700) && ct(900, 1400)) { p(26, 1100, 3); send_still("VVV VVV DE DFL DFL DFL      "); }
        if (at(27300) && cond(4)) { p(24, 900, 3); send_cond("WQX WQX DE GBS GBS QRV K"); }
        if (at(27700) && ms(20)) { p(26, 1100, 3); send("PPU DE DFL = "); fig_msg_count("", 15); }
        if (at(27850) && ct(1100, 1500)) { p(28, 1000, 3); send_still("VVV VVV VVV DE GBS GBS GBS RUGBY TEST  "); }
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
        if (at({27604, 27652}) && mh(29)) rtlx_cond("7TA ALGER", 850, 50, 0);
        if (at({27724, 27744}) && ml(30)) rtlx("RFFA PARIS", 850, 50);
        if (at({27935, 27846}) && ct(1500, 1800)) rtlx_cond("MENA CAIRO", 850, 50, 3);
        if (at(27802) && eh()) rtlx("MFA ATHINAI", 850, 75);
        if (at({27631, 27668, 27781}) && day()) rtlx_cond("TASS MOSKVA", 425, 50, 2);
        if (at(27958) && mh(39)) rtlx("NAM FLEET BCST", 850, 75);
        if (at(27980) && ml(20)) { qsa = 4; data(300, 4); }
        qsa = 4;
        if (at({27065, 27155}) && day() && cond(2)) fone_cond(4);
        qsa = 1;
        if (at({27600, 27720, 27880}) && day()) n0n(1000);
    }

    get_background(20, background_tab_27, prob_tab_27);

    band_end(27);
}

}  // namespace kestrel
