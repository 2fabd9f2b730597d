// Stations of 21000-21999 kHz, tested in order; every entry that applies is queued.
// Amateur 15 m band (telegraphy at its low end, the beacon chain on 21150),
// broadcasters above 21450, the fixed service and aeronautical voice at the top.

#include <cstdlib>

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
#include "traffic/aero.h"
#include "traffic/amateur.h"
#include "traffic/blocks.h"
#include "traffic/military.h"
#include "traffic/naval.h"
#include "traffic/netcheck.h"
#include "traffic/press.h"

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
    if (at(21878) && ct(900, 1500)) { qsa_exchange("YZO8", "YZO", 2); }
    if (at(21889) && ct(600, 1400)) { duplex_radiocheck(5, 1); }
    if (at(21894) && ct(700, 1700) && od()) { p(26, 1100, 3); french_navy_coast("VVV  VVV  VVV  DE  FUV  FUV  FUV  3/12  3/16  3/20       ", "FUV"); }
    if (at(21899) && ct(900, 1600)) { p(19, 820, 2); send_cond_par("OLX OLX DE OLX14 OLX14 QTC K", 2); }
    if (at(21908) && ct(1000, 1800)) { p(24, 900, 4); naval_coast("VVV VVV VVV DE NAW NAW NAW      ", "NAW", us_navy, 37); }
    if (at(21913)) fixed_net(NET_FR_AIR_1, 41);
    if (at(21858) && ct(900, 1500) && ms10(40)) { p(24, 1000, 3); send("SUA63 SUA63 DE SUA QTC = "); qtc5l(nr, 60, 2, 1); send_stack(""); }
    if (at(21895) && ct(700, 1500)) { p(21, 1280, 3); clg_cond("SNN4", "SNN", 3); }
    if (at(21906)) fixed_net(NET_TAC_4, 21);
    if (at(21922) && ct(500, 1400)) { duplex_osn(3, 1); }
    if (at(21919) && ct(500, 1300)) { p(23, 1000, 3); send_still("VVV VVV VVV DE 4XZ 4XZ 4XZ      "); }

    // More of the fixed service and the aeronautical stations at the top.
    if (at(21851) && ct(800, 1600)) { p(24, 1000, 4); send_still("VVV VVV VVV DE 7TA 7TA 7TA QSX 14 18 21 MHZ  "); }
    if (at(21851) && ms10(40)) { p(24, 1000, 4); send("7TA31 7TA31 DE 7TA QTC NR "); fig_msg_count("", 40); }
    if (at(21854) && cond(3)) send_cond_bug("OLX OLX DE OLX22 OLX22 QTC 1 K");
    if (at(21857) && oh()) { p(21, 1200, 3); send_still("VVV VVV DE HZN HZN HZN QSX 21857  "); }
    if (at(21861) && ct(900, 1500)) { p(23, 1000, 4); send_still("VVV VVV VVV DE CLP1 CLP1 CLP1 QTC  "); }
    if (at(21861) && ms(20)) { p(23, 1000, 4); send("CLP26 DE CLP1 QTC NR "); fig_msg_count("", 45); }
    if (at(21866) && cond(2)) send_vvv("SUA");
    if (at(21872) && ct(700, 1300)) { p(24, 1300, 5); send_still("VVV VVV DE 4XZ 4XZ 4XZ QSX 16 21 MHZ  "); }
    if (at(21875) && cond(3)) send_cond_bug("RCV RCV RCV V RAL37 QTC K");
    if (at(21881) && eh()) { p(22, 900, 3); send_still("VVV VVV VVV DE RMP RMP RMP QRU  "); }
    if (at(21886) && ct(1000, 1600)) { p(24, 1000, 4); send("XVN7 XVN7 DE XVN = "); qtc5f(nr, 30); send_stack(" + K"); }
    if (at(21892) && cond(3)) { p(20, 1000, 3); send_cond("YIH YIH DE YIH12 YIH12 QRV? K"); }
    if (at(21902) && ct(800, 1400)) { p(25, 1000, 4); send_still("VVV VVV DE IDR IDR IDR QSX 12 18 21 MHZ  "); }
    if (at(21910) && cond(3)) send_cond_bug("TBA TBA DE TBA9 TBA9 QTC K");
    if (at(21917) && oh()) { p(29, 1150, 3); send_still("VVV VVV VVV DE CTP CTP CTP  "); }
    if (at({21926, 21935, 21941}) && day() && cond(2)) fone_cond(4);
    if (at(21962) && ct(900, 1700)) { p(22, 1000, 3); aero_fixed("OEL", "HBD", 5); }
    if (at(21986) && cond(3)) { p(20, 1100, 3); send_cond("RFN RFN DE RFH RFH QSA? K"); }

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

    if (day()) {
        if (at(21005) && cond(3)) { p(30, 750, 4); send_cond("CQ CQ DE 9K2MQ 9K2MQ K"); }
        if (at(21009) && cond(2)) { p(26, 650, 4); send_cond_par("QRZ? DE A45WT UP 1", 2); }
        if (at(21016) && cond(3)) send_cond_bug("CQ DX DE LU8EQR LU8EQR K");
        if (at(21021) && cond(3)) { p(22, 900, 3); send_cond("ZL2BKW DE F6EXQ 579 579 TU K"); }
        if (at(21024) && cond(2)) { p(28, 700, 4); send_cond("CQ TEST DE S57DRN S57DRN"); }
        if (at(21028) && cond(3)) { p(20, 600, 1); send_cond("CQ CQ CQ DE 5H3TK 5H3TK 5H3TK K"); }
        if (at(21038) && cond(3)) { p(24, 800, 4); send_cond("VU2MPL DE DL6QAW 599 BK"); }
        if (at(21043) && cond(2)) send_cond_bug("CQ DE YB0RWS YB0RWS K");
        if (at(21051) && cond(3)) { p(18, 700, 3); send_cond("CQ DE UN7PGB UN7PGB UN7PGB K"); }
        if (at(21055) && cond(3)) { p(25, 1000, 4); send_cond("EA8BZK DE W4DGF 5NN TU"); }
        if (at(21058) && cond(4)) { p(16, 1750, 3); send_cond("CQ DE CT1FMX CT1FMX PSE K"); }
        if (at(21064) && cond(3)) { p(28, 720, 5); send_cond("CQ DE TR8CJ TR8CJ TR8CJ K"); }
        if (at(21868) && ml(20)) { p(21, 900, 4); send("RIW DE RMDX = "); fig_msg_count("", 20); }
        if (at(21871) && eh()) { p(17, 1000, 3); send_still("VVV VVV DE 5YE 5YE 5YE QRU  "); }
        if (at(21884) && cond(3)) { p(22, 1200, 4); send_cond("ZRH7 ZRH7 DE ZRH QRU? K"); }
        if (at(21896) && oh()) { p(23, 1000, 2); send_still("VVV VVV VVV DE PWZ PWZ PWZ QSX 21896  "); }
    }
    if (reg2_day()) {
        if (at(21018) && cond(3)) { p(28, 700, 5); send_cond("CQ DX DE K4VQB K4VQB K"); }
        if (at(21048) && cond(3)) send_cond_bug("CQ DE PY5NQD PY5NQD K");
        if (at(21877) && cond(2)) { p(24, 1000, 4); send_still("VVV VVV VVV DE LOR LOR LOR QRU  "); }
    }
    if (reg3f_day()) {
        if (at(21012) && cond(3)) { p(24, 800, 3); send_cond("CQ CQ DE JA7FQT JA7FQT K"); }
        if (at(21029) && cond(3)) { p(26, 700, 4); send_cond("CQ DE VK3DPQ VK3DPQ K"); }
        if (at(21891) && eh()) { p(22, 1000, 3); send_still("VVV VVV DE BZR BZR BZR QRU  "); }
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
        if (at(21060) && ct(1000, 1600)) { p(28, 1000, 4); send_still("VVV VVV VVV DE GBC GBC GBC RUGBY  "); }
        if (at(21090) && ct(1300, 1900)) { p(26, 1800, 3); send_still("VVV VVV DE WKP WKP WKP ROCKY POINT  "); }
        if (at(21140) && ct(900, 1500)) { p(30, 900, 4); send_still("VVV VVV VVV DE DFA DFA DFA NAUEN  "); }
        if (at(21140) && ms(30)) { p(30, 900, 4); send("LSL DE DFA = "); fig_msg_count("", 20); }
        if (at(21180) && eh()) { p(24, 1000, 3); send_still("VVV VVV DE FTL FTL FTL STE ASSISE  "); }
        if (at(21210) && ct(700, 1300)) { p(26, 1200, 3); send_still("VVV VVV DE PCM PCM PCM KOOTWIJK  "); }
        if (at(21240) && cond(3)) { p(22, 900, 3); send_cond("PCM PCM DE PMB PMB QRV K"); }
        if (at(21300) && ct(1100, 1700)) { p(28, 1000, 4); send_still("CQ CQ DE IRX IRX PRESS  "); }
        if (at(21300) && ml(15)) { p(28, 1000, 4); press_px("IRX", PRESS_STEFANI); }
        if (at(21340) && oh()) { p(24, 1000, 3); send_still("VVV VVV DE LSM LSM LSM BUENOS AIRES  "); }
        if (at(21390) && ct(800, 1400)) { p(25, 900, 3); send_still("VVV VVV VVV DE JVE JVE JVE NAZAKI  "); }
        if (at(21440) && ct(1200, 1800)) { p(28, 1600, 4); send_still("VVV VVV DE WQN WQN WQN  "); }
        if (at(21470) && ct(1300, 1700)) { p(20, 1000, 2); send_still("VVV VVV DE GSH GSH GSH DAVENTRY TEST  "); }
        if (at(21520) && ct(1500, 1900)) { p(20, 1000, 3); send_still("VVV VVV DE W2XAD W2XAD TEST  "); }
        if (at(21540) && ct(1100, 1400)) { p(22, 900, 2); send_still("VVV VVV DE DJS DJS DJS ZEESEN TEST  "); }
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
        // Amateur teleprinter at the top of the telegraphy segment.
        if (at({21080, 21085, 21087}) && day()) rtlx_cond("RTTY", 170, 50, 0);
        if (at({21082, 21089, 21094}) && day() && cond(3)) rtlx_cond("RTTY", 170, 50, 0);
        if (at({21099, 21101}) && day()) qyt4();
        // Fixed-service teleprinters.
        if (at(21851) && oh()) rtlx_cond("7TA ALGER", 850, 50, 3);
        if (at(21859) && ml(40)) rtlx_cond("XINHUA BEIJING", 425, 75, 0);
        if (at(21864) && day()) rtlx("TASS MOSKVA", 425, 50);
        if (at(21869) && eh()) rtlx("MENA CAIRO", 850, 50);
        if (at(21874) && eh()) rtlx("AFP PARIS", 425, 50);
        if (at(21880) && day()) rtlx("RFFA PARIS", 850, 50);
        if (at(21885) && day()) rtlx("REUTERS LONDON", 425, 50);
        if (at(21890) && ct(1100, 1700)) rtlx_cond("MFA WARSZAWA", 425, 75, 3);
        if (at(21897) && oh()) rtlx("KCNA PYONGYANG", 425, 50);
        if (at(21903) && ct(700, 1500)) rtlx_cond("IRNA TEHRAN", 425, 50, 4);
        if (at(21909) && eh()) rtlx("MKK LONDON", 850, 75);
        if (at(21914) && od()) rtlx("MFA KAIRO", 850, 50);
        if (at(21918) && day()) rtlx("ANSA ROMA", 850, 50);
        if (at(21861) && mh(29) && hh(14)) rtlx_cond("PRENSA LATINA", 425, 50, 0);
        if (at(21868) && mh(29)) rtlx_cond("RIW MOSKVA", 850, 50, 0);
        if (at({21853, 21887}) && ct(900, 1300)) fax(120, 576);
        if (at(21923)) { qsa = 3; sitor_marker(1000, 20, "SVA"); }
        if (at({21933, 21972}) && day() && cond(4)) { qsa = 4; data(300, 4); }
        if (at(21852) && h(15)) rtlx("RCV SEVASTOPOL", 850, 75);
        if (at(21856) && oh()) rtlx_cond("GYU GIBRALTAR", 850, 75, 0);
        if (at(21873) && ct(900, 1300)) rtlx("SUA CAIRO", 850, 50);
        if (at(21894) && eh()) rtlx_cond("FUV DJIBOUTI", 850, 50, 3);
        if (at(21908) && mh(44)) rtlx("NAW GUANTANAMO", 850, 75);
        if (at(21919) && ct(1300, 1600) && ed()) rtlx_cond("4XZ HAIFA", 850, 75, 2);
        if (at(21899) && ct(1100, 1500)) rtlx("OLX PRAHA", 425, 75);
        qsa = 5;
        if (at(21925)) sitor_marker(1700, 22, "GKE");
        // Broadcast transmitters on the air with their carriers before the programme.
        qsa = 4;
        if (at({21460, 21470, 21485, 21500, 21515, 21530, 21545, 21560, 21575, 21590, 21605, 21620, 21640, 21655, 21680, 21695, 21710, 21725, 21745}) && mh(56)) n0n(1000);
        qsa = 3;
        if (at({21765, 21780, 21800, 21815, 21830, 21845}) && mh(56) && eh()) n0n(1000);
        qsa = 1;
        if (at({21855, 21876, 21898, 21921}) && oh()) n0n(1200);
    }

    get_background(77, background_tab_21, prob_tab_21);

    band_end(21);
}

}  // namespace kestrel
