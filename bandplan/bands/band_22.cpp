// Stations of 22000-22999 kHz, tested in order; every entry that applies is queued.
// The 22 MHz maritime band: ships working and calling below 22300, coast
// telegraphy markers above it (each region heard while the path is in daylight),
// SITOR coast stations, naval broadcasts, and the fixed service above 22855.

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
#include "traffic/fleets.h"
#include "traffic/military.h"
#include "traffic/naval.h"
#include "traffic/netcheck.h"
#include "traffic/press.h"
#include "traffic/ship_coast.h"

namespace kestrel {

namespace {

// Ships and coast stations of the maritime band.
void ships_and_coast() {
    // Ships on their working channels.
    if (at(22163) && day() && cond(3)) { vsl_tfc("PCH"); }
    if (at(22166) && day() && cond(3)) { vsl_tfc("GKB"); }
    if (at(22171) && reg1rus_day() && cond(2)) { vsl_tfc("UAT"); }
    if (at(22174) && day() && cond(4)) { p(21, 1100, 2); send_cond("DE DGJY QRU? QSY 22168 K"); }
    if (at(22178) && reg2_day() && cond(3)) { vsl_tfc("WCC"); }
    if (at(22183) && day() && cond(3)) { qsl("SVA "); }
    if (at({22186, 22240})) { p(300, ton, 1); _f1 = 1; send_still("ZZZZZZZZZZZZZZZ"); }
    if (at(22189) && reg3m_day() && cond(3)) { vsl_tfc("9VG"); }
    if (at(22193) && day() && cond(4)) { random_vvv(); }
    if (at(22197) && reg1rus_day() && cond(3)) { p(18, 800, 2); send_cond("UFN DE UBCX QSA4 QRK5 QTC 2 RDO K"); }
    if (at(22201) && day()) { send_vvv("UZBN"); }
    if (at(22205) && day() && cond(3)) { vsl_tfc("DAN"); }
    if (at(22209) && reg3f_day() && cond(3)) { vsl_tfc("JCS"); }
    if (at(22212) && day() && cond(5)) { p(24, 900, 3); qtc_qsk("SVA DE SXDV = QTC 1 = NR 1 SXDV 14 1530 = "); send_stack(" K"); }
    if (at(22216) && reg2_day() && cond(3)) { qsl("KPH "); }
    if (at(22220) && day() && cond(3)) { vsl_tfc("FFL"); }
    if (at(22224) && reg1rus_day() && cond(4)) { qsl("UAT "); }
    if (at(22228) && day() && cond(4)) { random_vvv(); }
    if (at(22233) && reg3m_day() && cond(3)) { qsl("VWB "); }
    if (at(22236) && day() && cond(3)) { vsl_tfc("OST"); }

    // Ships calling coast stations on the calling channels.
    if (at(22241) && day() && cond(2)) { vsl_clg_coast(); }
    if (at(22242) && day() && cond(2)) { vsl_tfc("PCH"); }
    if (at(22243) && reg1rus_day() && cond(2)) { vsl_tfc("UAT"); }
    if (at(22244) && day() && cond(3)) { vsl_clg_coast(); }
    if (at(22245) && reg2_day() && cond(2)) { vsl_clg_coast(); }
    if (at(22246) && day() && cond(3)) { vsl_clg_coast(); }
    if (at(22247) && reg3m_day() && cond(2)) { vsl_tfc("9VG"); }
    if (at(22248) && day() && cond(3)) { vsl_clg_coast(); }
    if (at(22249) && reg2_day() && cond(3)) { vsl_tfc("KPH"); }
    if (at(22250) && reg1rus_day() && cond(2)) { vsl_clg_coast(); }
    if (at(22251) && day() && cond(3)) { vsl_clg_coast(); }
    if (at(22252) && reg3f_day() && cond(2)) { vsl_clg_coast(); }
    if (at(22253) && day() && cond(3)) { vsl_tfc("LGB"); }
    if (at(22255) && day() && cond(3)) { vsl_clg_coast(); }
    if (at(22256) && reg3f_day() && cond(3)) { vsl_clg_coast(); }
    if (at(22258) && reg2_day() && cond(3)) { vsl_clg_coast(); }
    if (at(22260) && day() && cond(3)) { vsl_clg_coast(); }

    // Coast stations of Europe and the Mediterranean.
    if (at(22311) && day()) { p(24, 1000, 3); coast_station_ex("CQ CQ CQ DE PCH PCH PCH QSX 4 6 8 12 16 22 MHZ K      ", "PCH", "SCHEVENINGEN"); }
    if (at(22315) && day()) { p(22, 850, 4); coast_station_ex("CQ CQ CQ DE GKB GKB GKB QSX 4 6 8 12 16 22 MHZ QRU? K      ", "GKB", "PORTISHEAD"); }
    if (at(22318) && day()) { p(25, 1100, 3); coast_station_ex("CQ CQ CQ DE DAN DAN DAN QSX 4 6 8 12 16 22 MHZ K      ", "DAN", "NORDDEICH"); }
    if (at(22321) && day()) { p(20, 900, 3); coast_station_ex("CQ DE OST OST OST QSX 4 6 8 12 16 22 MHZ K      ", "OST", "OOSTENDE"); }
    if (at(22327) && day()) { p(24, 1200, 3); coast_station_ex("CQ DE LGB LGB LGB QSX 8 12 16 22 MHZ K      ", "LGB", "ROGALAND"); }
    if (at(22330) && day()) { p(22, 760, 3); coast_station_ex("VVV VVV DE SAG SAG SAG QSX 6 8 12 16 22 MHZ K      ", "SAG", "GOTEBORG"); }
    if (at(22336) && day()) { p(24, 1000, 4); coast_station_ex("CQ CQ CQ DE FFL FFL FFL QSX 4 6 8 12 16 22 MHZ K      ", "FFL", "SAINTLYS"); }
    if (at(22343) && day()) { p(21, 1300, 3); coast_station_ex("CQ DE IAR IAR IAR QSX 4 6 8 12 16 22 MHZ K      ", "IAR", "ROMA"); }
    if (at(22346) && day()) { p(20, 950, 3); coast_station_ex("CQ DE EAD EAD EAD QSX 6 8 12 16 22 MHZ K      ", "EAD", "ARANJUEZ"); }
    if (at(22351) && day()) { p(23, 1050, 4); coast_station_ex("CQ CQ CQ DE SVA SVA SVA QSX 4 6 8 12 16 22 MHZ K      ", "SVA", "ATHINAI"); }
    if (at(22355) && day()) { p(25, 880, 3); coast_station_ex("CQ DE OXZ OXZ OXZ QSX 8 12 16 22 MHZ K      ", "OXZ", "LYNGBY"); }
    if (at(22358) && day()) { p(20, 1150, 3); coast_station_ex("CQ DE SPH SPH SPH QSX 4 8 12 16 22 MHZ K      ", "SPH", "GDYNIA"); }
    if (at(22362) && day()) { p(18, 1000, 2); coast_station_ex("CQ DE CUL CUL CUL QSX 8 12 16 22 MHZ K      ", "CUL", "LISBOA"); }
    if (at(22366) && day()) { p(22, 1250, 3); coast_station_ex("CQ CQ CQ DE Y5M Y5M Y5M QSX 4 6 8 12 16 22 MHZ K      ", "Y5M", "RUEGEN"); }
    if (at(22370) && day() && eh()) { p(24, 900, 3); send_still("CQ DE 3AC 3AC 3AC QSX 8 12 16 22 MHZ K      "); }
    if (at(22374) && day()) { p(19, 1400, 2); coast_station_ex("CQ DE 9HD 9HD 9HD QSX 8 12 16 22 MHZ K      ", "9HD", "MALTA"); }
    if (at(22378) && day()) { p(21, 800, 3); coast_station_ex("CQ DE TAH TAH TAH QSX 8 12 16 22 MHZ K      ", "TAH", "ISTANBUL"); }
    if (at(22383) && day()) { p(23, 1100, 3); coast_station_ex("CQ DE 4XO 4XO 4XO QSX 12 16 22 MHZ K      ", "4XO", "HAIFA"); }
    if (at(22386) && day()) { p(18, 700, 2); coast_station_ex("CQ CQ DE SUH SUH SUH QSX 8 12 16 22 MHZ K      ", "SUH", "ALEXANDRIA"); }
    if (at(22395) && day()) { p(20, 1000, 3); coast_station_ex("CQ DE CNP CNP CNP QSX 8 12 16 22 MHZ K      ", "CNP", "CASABLANCA"); }
    if (at(22397) && day()) { p(22, 1300, 2); coast_station_ex("CQ DE LZW LZW LZW QSX 8 12 16 22 MHZ K      ", "LZW", "VARNA"); }
    if (at(22400) && day()) { p(20, 900, 3); coast_station_ex("CQ DE YQI YQI YQI QSX 12 16 22 MHZ K      ", "YQI", "CONSTANTA"); }

    // Coast stations working ships on their channels.
    if (at(22315) && day() && ms(30)) { p(22, 850, 4); coast_qsx("GKB"); }
    if (at(22318) && day() && cond(4)) { p(25, 1100, 3); coast_qsx("DAN"); }
    if (at(22336) && day() && ms10(45)) { p(24, 1000, 4); coast_qsx("FFL"); }
    if (at(22351) && day() && cond(5)) { p(23, 1050, 4); coast_qsx("SVA"); }
    if (at(22358) && day() && cond(5)) { p(20, 1150, 3); qsl("SPH "); }

    // SITOR coast stations with their telegraphy channel markers.
    if (at(22377) && day()) sitor_marker(900, 20, "DE PCH");
    if (at(22381) && day()) sitor_marker(1000, 18, "DE SVA");
    if (at(22393) && day()) sitor_marker(850, 22, "DE LGB");
    if (at(22402) && day()) sitor_marker(1100, 20, "DE GKE");
    if (at(22410) && day()) sitor_marker(950, 17, "DE HEC");
    if (at(22418) && day()) sitor_marker(1200, 20, "DE OXZ");
    if (at(22422) && day()) sitor_marker(1000, 24, "DE IAR");
    if (at(22426) && reg3m_day()) sitor_marker(800, 20, "DE 9VG");
    if (at(22438) && reg2_day()) sitor_marker(1050, 19, "DE WLO");
}

// Naval shore stations.
void naval_shore() {
    // Naval shore stations.
    if (at(22440) && ct(500, 1500)) { p(20, 900, 3); send_still("VVV VVV VVV DE RCV RCV RCV      "); }
    if (at(22444) && ct(1000, 2200)) { p(24, 850, 4); naval_coast("VVV VVV VVV DE NAM NAM NAM      ", "NAM", us_navy, 37); }
    if (at(22449) && ct(600, 1700)) { p(26, 1100, 3); french_navy_coast("VVV  VVV  VVV  DE  FUG  FUG  FUG  3/8  3/12  3/16  3/22       ", "FUG"); }
    if (at(22455) && ct(700, 1600)) { p(22, 1250, 3); naval_coast("VVV VVV VVV DE GYA GYA GYA      ", "GYA", rn_vsl, 38); }
    if (at(22460) && ct(500, 1500) && cond(3)) { p(20, 900, 2); send_cond("RIW RIW RIW DE RJD83 RJD83 QTC K"); }
    if (at(22466)) fixed_net(NET_RU_NAVY_BALTIC, 24);
    if (at(22471) && ct(900, 1700)) { p(22, 1000, 3); italian_naval("VVV VVV DE IDQ IDQ IDQ      ", "IDQ"); }
    if (at(22477) && ct(1100, 2100) && ml(15)) { p(24, 850, 4); send("CQ CQ DE NAM "); nato_qtc(nr, 'R'); }

    stn();

    if (reg1rus_day()) {
        if (at(22446)) { p(22, 900, 3); coast_station_ex("CQ DE UAT UAT UAT QSX 8 12 16 22 MHZ K      ", "UAT", "MOSKVA"); }
        if (at(22452)) { p(20, 1000, 3); coast_station_ex("CQ CQ DE UFN UFN UFN QSX 8 12 16 22 MHZ K      ", "UFN", "NOVOROSSIYSK"); }
        if (at(22458)) { p(18, 1150, 2); send_still("CQ DE URL URL URL QSX 8 12 16 22 MHZ K      "); }
        if (at(22463)) { p(21, 800, 3); send_still("CQ DE UDK2 UDK2 UDK2 QSX 8 12 16 22 MHZ K      "); }
        if (at(22469)) { p(23, 1300, 2); send_still("CQ DE UQK UQK UQK QSX 8 12 16 22 MHZ K      "); }
        if (at(22484)) { p(20, 950, 3); send_still("CQ DE UHK UHK UHK QSX 12 16 22 MHZ K      "); }
        if (at(22446) && cond(4)) { p(22, 900, 3); coast_qsx("UAT"); }
        if (at(22452) && ms10(20)) { p(20, 1000, 3); coast_qsx("UFN"); }
    }

    if (reg3m_day()) {
        if (at(22492)) { p(22, 1000, 3); coast_station_ex("CQ DE 9KK 9KK 9KK QSX 8 12 16 22 MHZ K      ", "9KK", "KUWAIT"); }
        if (at(22497)) { p(20, 1150, 3); coast_station_ex("CQ DE A9M A9M A9M QSX 8 12 16 22 MHZ K      ", "A9M", "BAHRAIN"); }
        if (at(22503)) { p(24, 900, 3); coast_station_ex("CQ CQ DE VWB VWB VWB QSX 8 12 16 22 MHZ K      ", "VWB", "BOMBAY"); }
        if (at(22509)) { p(18, 1300, 2); coast_station_ex("CQ DE VWM VWM VWM QSX 8 12 16 22 MHZ K      ", "VWM", "MADRAS"); }
        if (at(22514)) { p(20, 800, 2); coast_station_ex("CQ DE 4PB 4PB 4PB QSX 8 12 16 22 MHZ K      ", "4PB", "COLOMBO"); }
        if (at(22519)) { p(25, 1000, 4); coast_station_ex("CQ CQ CQ DE 9VG 9VG 9VG QSX 4 6 8 12 16 22 MHZ K      ", "9VG", "SINGAPORE"); }
        if (at(22524)) { p(19, 1100, 3); coast_station_ex("CQ DE HSA HSA HSA QSX 8 12 16 22 MHZ K      ", "HSA", "BANGKOK"); }
        if (at(22531)) { p(22, 950, 2); coast_station_ex("CQ DE 9MG 9MG 9MG QSX 8 12 16 22 MHZ K      ", "9MG", "PENANG"); }
        if (at(22519) && cond(4)) { p(25, 1000, 4); coast_qsx("9VG"); }
    }

    if (reg3f_day()) {
        if (at(22474)) { p(22, 1000, 3); coast_station_ex("CQ DE UFL UFL UFL QSX 8 12 16 22 MHZ K      ", "UFL", "VLADIVOSTOK"); }
        if (at(22480)) { p(20, 880, 2); send_still("CQ DE UKX UKX UKX QSX 8 12 16 22 MHZ K      "); }
        if (at(22536)) { p(23, 1200, 3); coast_station_ex("CQ DE XSG XSG XSG QSX 8 12 16 22 MHZ K      ", "XSG", "SHANGHAI"); }
        if (at(22546)) { p(20, 1000, 3); coast_station_ex("CQ CQ DE XSQ XSQ XSQ QSX 8 12 16 22 MHZ K      ", "XSQ", "GUANGZHOU"); }
        if (at(22552)) { p(24, 900, 4); coast_station_ex("CQ CQ CQ DE JCS JCS JCS QSX 8 12 16 22 MHZ K      ", "JCS", "CHOSHI"); }
        if (at(22563)) { p(21, 1100, 3); coast_station_ex("CQ DE HLO HLO HLO QSX 8 12 16 22 MHZ K      ", "HLO", "SEOUL"); }
        if (at(22569)) { p(22, 800, 3); coast_station_ex("CQ DE VIP VIP VIP QSX 8 12 16 22 MHZ K      ", "VIP", "PERTH"); }
        if (at(22575)) { p(24, 1000, 3); coast_station_ex("CQ DE VIS VIS VIS QSX 6 8 12 16 22 MHZ K      ", "VIS", "SYDNEY"); }
        if (at(22581)) { p(18, 1250, 2); send_still("CQ DE 3DP 3DP 3DP QSX 12 16 22 MHZ K      "); }
        if (at(22552) && ms(15)) { p(24, 900, 4); coast_qsx("JCS"); }
        if (at(22585)) { p(24, 880, 4); naval_coast("VVV VVV VVV DE NPN NPN NPN      ", "NPN", us_navy, 37); }
    }

    if (reg2_day()) {
        if (at(22586)) { p(22, 1000, 4); coast_station_ex("CQ CQ CQ DE WCC WCC WCC QSX 4 6 8 12 16 22 MHZ K      ", "WCC", "CHATHAM"); }
        if (at(22592)) { p(24, 1040, 3); coast_station_ex("CQ CQ CQ DE KPH KPH QSX 4 6 12 16 22 MHZ K      ", "KPH", "SANFRANCISCO"); }
        if (at(22598)) { p(20, 900, 3); coast_station_ex("CQ DE WLO WLO WLO QSX 4 6 8 12 16 22 MHZ K      ", "WLO", "MOBILE"); }
        if (at(22604)) { p(22, 1150, 3); coast_station_ex("CQ DE KFS KFS KFS QSX 4 6 8 12 16 22 MHZ K      ", "KFS", "PALOALTO"); }
        if (at(22610)) { p(20, 1000, 3); naval_coast("CQ DE NMN NMN NMN QSX 4 6 8 12 16 22 MHZ K      ", "NMN", us_navy, 37); }
        if (at(22616)) { p(22, 850, 3); coast_station_ex("CQ DE VCS VCS VCS QSX 8 12 16 22 MHZ K      ", "VCS", "HALIFAX"); }
        if (at(22622)) { p(18, 1200, 2); coast_station_ex("CQ DE CBV CBV CBV QSX 8 12 16 22 MHZ K      ", "CBV", "VALPARAISO"); }
        if (at(22628)) { p(20, 1000, 3); coast_station_ex("CQ CQ DE LPD LPD LPD QSX 8 12 16 22 MHZ K      ", "LPD", "GENERALPACHECO"); }
        if (at(22634)) { p(21, 900, 3); coast_station_ex("CQ DE PPR PPR PPR QSX 8 12 16 22 MHZ K      ", "PPR", "RIO"); }
        if (at(22640)) { p(19, 1300, 2); send_still("CQ DE HPP HPP HPP QSX 8 12 16 22 MHZ K      "); }
        if (at(22647)) { p(20, 1100, 2); coast_station_ex("CQ DE YVG YVG YVG QSX 8 12 16 22 MHZ K      ", "YVG", "LAGUAIRA"); }
        if (at(22652)) { p(22, 950, 3); send_still("CQ DE PJC PJC PJC QSX 8 12 16 22 MHZ K      "); }
        if (at(22658)) { p(18, 1000, 2); coast_station_ex("CQ DE 8PO 8PO 8PO QSX 8 12 16 22 MHZ K      ", "8PO", "BARBADOS"); }
        if (at(22586) && ms10(30)) { p(22, 1000, 4); coast_qsx("WCC"); }
        if (at(22592) && cond(4)) { p(24, 1040, 3); coast_qsx("KPH"); }
        if (at(22610) && ct(1600, 1620)) { p(20, 1000, 3); send_times("CQ CQ CQ DE NMN NMN NMN WX AND NAV WARNINGS      ", 3); send_stack(""); }
    }
}

// Stations heard only while the path is in daylight.
void daylight_block() {
    if (day()) {
        if (at(22664)) { p(22, 1000, 3); coast_station_ex("CQ CQ DE ZSC ZSC ZSC QSX 4 6 8 12 16 22 MHZ K      ", "ZSC", "CAPETOWN"); }
        if (at(22670)) { p(18, 900, 2); send_still("CQ DE 5RS 5RS 5RS QSX 8 12 16 22 MHZ K      "); }
        if (at(22676)) { p(20, 1150, 2); send_still("CQ DE 3BA 3BA 3BA QSX 8 12 16 22 MHZ K      "); }
        if (at(22682)) { p(26, 1100, 3); french_navy_coast("VVV  VVV  VVV  DE  FUX  FUX  FUX  3/12  3/16  3/22       ", "FUX"); }
        if (at(22688)) { p(22, 1000, 3); send_still("CQ DE 6VA 6VA 6VA QSX 8 12 16 22 MHZ K      "); }
        if (at(22664) && cond(4)) send_cond_bug("ZSC ZSC DE ZSNW ZSNW QTC 1 K");
        if (at(22688) && cond(4)) { p(21, 1200, 3); send_cond("6VA DE 6WGT 6WGT QRV K"); }
        if (at(22658) && cond(3)) { p(24, 1000, 4); send_still("CQ DE 5ZF 5ZF 5ZF MOMBASA RADIO QSX 22 MHZ K  "); }
        if (at(22640) && eh()) { p(22, 900, 5); send_still("CQ CQ DE PPR PPR PPR RIO RADIO QSX 16 22 MHZ K  "); }
        if (at(22634) && cond(3)) { p(15, 1100, 3); send_cond("PPR PPR DE PPSW PPSW QTC 2 K"); }
        if (at(22628) && oh()) { p(24, 1000, 4); send_still("CQ DE A9M A9M A9M BAHRAIN RADIO QSX 22 MHZ K  "); }
        if (at(22616) && cond(3)) send_cond_bug("A9M A9M DE A9CQ A9CQ QTC 1 K");
        if (at(22604) && ct(800, 1600)) { p(21, 1000, 3); send_still("CQ DE 4XO 4XO HAIFA RADIO QSX 12 16 22 MHZ QRU? K  "); }
    }

    stn();
}

// The fixed service above the maritime band.
void fixed_above_band() {
    // The fixed service above the maritime band.
    if (at(22857) && ct(700, 1500)) { p(24, 1000, 3); send_still("VVV VVV VVV DE SUA SUA SUA      "); }
    if (at(22866) && ct(1200, 2000)) { p(22, 1150, 3); clg_cond("CLP27", "CLP1", 3); }
    if (at(22880) && ct(800, 1600)) { duplex_radiocheck(4, 2); }
    if (at(22890) && ct(600, 1400)) { p(20, 900, 2); send_cond_par("RIW RIW RIW DE UGOY UGOY QSA? K", 2); }
    if (at(22903) && ct(700, 1700)) { p(25, 1100, 3); send_still("VVV VVV VVV DE 7TA7 7TA7 7TA7      "); }
    if (at(22918) && ct(900, 1500)) { qsa_exchange("OLX22", "OLX", 3); }
    if (at(22931) && ct(800, 1600) && ms10(10)) { p(21, 1000, 3); send("OLX22 DE OLX QTC = "); qtc5f(nr, 70); send_stack(" K"); }
    if (at(22942)) fixed_net(NET_US_NAVY, 23);
    if (at(22963) && ct(1300, 2100)) { p(22, 1000, 4); send_still("VVV VVV VVV DE CLN CLN CLN      "); }
    if (at(22979) && ct(800, 1400) && cond(2)) { low_pwr_mil(); }
    if (at(22993) && ct(600, 1300)) { p(22, 1000, 3); send("XXXX DE RCV RCV = "); qtc5f(nr, 40); send_stack(" K"); }
    if (at(22881) && ct(900, 1600)) { p(20, 1300, 2); clg_cond_bug("SNN2", "SNN", 2); }
    if (at(22966) && ct(600, 1400)) { p(23, 900, 3); send("BZR62 DE BZR = "); qtc5l(nr, 50, 2, 0); send_stack(""); }
    if (at(22859) && cond(3)) send_cond_bug("SUA SUA DE SUA9 SUA9 QTC 2 K");
    if (at(22862) && eh()) { p(33, 1000, 4); send_still("VVV VVV VVV DE FUE FUE FUE QSX 12 16 22 MHZ  "); }
    if (at(22875) && ct(800, 1400)) { p(21, 1300, 3); send_still("VVV VVV DE 4XZ 4XZ 4XZ QRU  "); }
    if (at(22884) && cond(2)) send_vvv("YZO");
    if (at(22896) && od()) { p(24, 900, 5); send_still("VVV VVV VVV DE TBA TBA TBA QSX 18 22 MHZ  "); }
    if (at(22909) && ms20(0)) { p(22, 1000, 3); send("HZN4 HZN4 DE HZN = "); qtc5f(nr, 35); send_stack(" AR"); }
    if (at(22925) && cond(3)) send_cond_bug("EBA EBA DE EBA4 EBA4 QRK? K");
    if (at(22971) && ct(1000, 1800)) { p(24, 1000, 3); send_still("VVV VVV VVV DE NAU NAU NAU  "); }
    if (at(22986) && cond(3)) send_cond_bug("GYA GYA DE MTN MTN QTC K");

    stn();
}

// Stations of the years before 1950 (HIST).
void historical_block() {
    if (hist) {
        // A ship of the 1930s with a telegram for its coast station.
        if (at(22298) && cond(3)) { p(18, 700, 3); old_vsl_qtc(); }
        // Ship-shore telegraphy and press to ships of the 1930s and 1940s.
        if (at(22170) && ct(1300, 2000)) { p(26, 1000, 3); coast_station_ex("CQ CQ CQ DE WCC WCC WCC QRU?      ", "WCC", "CHATHAM"); }
        if (at(22270) && ct(900, 1500)) { p(22, 900, 3); send_still("CQ CQ CQ DE GKU GKU GKU      "); }
        if (at(22300) && ct(1000, 1600)) { p(24, 1100, 3); coast_station_ex("CQ CQ DE DAN DAN DAN      ", "DAN", "NORDDEICH"); }
        if (at(22392) && ct(800, 1400)) { p(20, 1000, 3); coast_station_ex("CQ CQ CQ DE PCH PCH PCH      ", "PCH", "SCHEVENINGEN"); }
        if (at(22520) && ct(1600, 2300)) { p(25, 850, 3); coast_station_ex("CQ CQ DE KPH KPH KPH QRU?      ", "KPH", "SANFRANCISCO"); }
        if (at(22600) && ct(1200, 1800)) { p(28, 1000, 4); send_still("CQ CQ CQ DE WSL WSL WSL PRESS      "); }
        if (at(22650) && ct(500, 1100)) { p(20, 1200, 3); coast_station_ex("CQ CQ DE JCS JCS JCS      ", "JCS", "CHOSHI"); }
        if (at(22700) && ct(1000, 1600)) { p(24, 900, 3); coast_station_ex("CQ CQ CQ DE FFL FFL FFL PRESSE      ", "FFL", "SAINTLYS"); }
        if (at(22750) && ct(700, 1300)) { p(22, 1100, 3); coast_station_ex("CQ CQ DE VIS VIS VIS      ", "VIS", "SYDNEY"); }
        if (at(22800) && ct(900, 1500)) { p(26, 800, 3); naval_coast("VVV VVV VVV DE NSS NSS NSS      ", "NSS", us_navy, 37); }
        if (at(22850) && ct(1100, 1700)) { p(30, 1000, 3); send_still("VVV VVV VVV DE GBR GBR GBR      "); }
        if (at(22270) && cond(4)) { p(18, 800, 3); send_cond("GKU GKU GKU DE GBTT GBTT QTC 3 K"); }
        if (at(22170) && cond(4)) { p(20, 1300, 2); send_cond("WCC WCC DE KFZO KFZO QRU? K"); }
        if (at(22899) && ct(800, 1500)) { p(22, 1000, 4); send("DHO DHO DHO = "); for (int i = 0; i < 35; ++i) send(group4l()); send_stack(" + "); }
        if (at(22600) && cond(4)) { p(26, 1000, 4); press_px("WSL", PRESS_UP); }
        if (at(22300) && cond(4)) { p(18, 900, 3); send_cond("DAN DAN DE DDLB DDLB QTC 1 K"); }
        if (at(22392) && cond(4)) { p(20, 1100, 3); send_cond("PCH PCH DE PDGH PDGH QRV K"); }
        if (at(22900) && ct(900, 1500)) { p(30, 1000, 4); send_still("VVV VVV VVV DE GBW GBW GBW RUGBY  "); }
        if (at(22920) && ct(1200, 1800)) { p(28, 1100, 3); send_still("VVV VVV DE WQR WQR WQR RIVERHEAD  "); }
        if (at(22950) && eh()) { p(26, 900, 2); send_still("VVV VVV DE DGF DGF DGF NAUEN  "); }
        if (at(22975) && ct(1000, 1600)) { p(14, 1000, 4); send_still("VVV VVV VVV DE FTN FTN FTN STE ASSISE  "); }
        if (at(22975) && ms(20)) { p(14, 1000, 4); send("FZE DE FTN = "); fig_msg_count("", 20); }
        if (at(22990) && oh()) { p(25, 1200, 3); send_still("VVV VVV DE LSG LSG LSG MONTE GRANDE  "); }
    }
}

// Recordings, teleprinters and carriers in the background (BGND).
void background_block() {
    if (bkgnd) {
        if (at({22380, 22389, 22398, 22413, 22429, 22436})) sitor();
        if (at(22870) && ct(900, 1800)) fax(120, 576);
        if (at(22912)) rtlx_cond_50_850("RCV", 2);
        if (at(22934)) rtlx_cond("GYA", 850, 75, 3);
        if (at(22961)) rtlx_cond_75_425("TASS", 0);
        if (at(22980) && day()) rtlx_cond_arqe_96("SUA", 4);
        if (at(22992)) rtlx_cond_50_425("KCNA", 5);
        if (at(22294) && day()) qyt4();
        if (at(22355) && cond(4)) tuning();
        if (at(22610) && cond(5)) tuning();
        if (at(22940)) radar();
        if (at(22857) && ml(30) && eh()) rtlx("SUA CAIRO", 850, 50);
        if (at(22863) && day() && oh()) rtlx("XINHUA ENGLISH", 425, 50);
        if (at(22872) && eh()) rtlx_cond("MENA CAIRO", 850, 50, 3);
        if (at(22886) && day()) rtlx("AFP PARIS", 425, 50);
        if (at(22894) && ct(1000, 1800)) rtlx_cond("ANSA ROMA", 850, 50, 2);
        if (at(22903) && mh(39)) rtlx("7TA ALGER", 850, 50);
        if (at(22915) && oh()) rtlx_cond("RFFA PARIS", 850, 50, 4);
        if (at(22928) && ct(1100, 1700)) rtlx("MFA MOSKVA", 425, 75);
        if (at(22937) && day()) rtlx_cond("REUTERS LONDON", 425, 50, 0);
        if (at(22952) && ct(600, 1400)) rtlx("IRNA TEHRAN", 425, 50);
        if (at(22963) && h(21)) rtlx("MINREX LA HABANA", 425, 50);
        if (at(22969) && ct(700, 1900)) rtlx("NATO BRUSSELS", 850, 75);
        if (at(22983) && ct(900, 1500)) rtlx("DPA HAMBURG", 425, 50);
        if (at(22996) && ed()) rtlx_cond("JANA TRIPOLI", 850, 50, 5);
        if (at(22455) && day()) { qsa = 4; sitor_marker(1000, 22, "DAN"); }
        if (at(22442) && ct(600, 2200)) { qsa = 3; sitor_marker(900, 19, "PCH"); }
        if (at({22526, 22566}) && (ct(1000, 1200) || ct(2200, 0))) fax(120, 576);
        qsa = 3;
        if (at({22860, 22893, 22926, 22958}) && oh() && mh(9)) n0n(1000);
        if (at(22857) && mh(9) && ml(20)) rtlx_cond("SUA4 CAIRO", 850, 75, 0);
        if (at(22890) && ct(1400, 1800)) rtlx("RIW MOSKVA", 850, 50);
        if (at(22903) && ml(30) && eh()) rtlx_cond("7TA7 ALGER", 425, 50, 0);
        if (at(22918) && h(16)) rtlx("OLX PRAHA", 425, 75);
        if (at(22955) && oh()) rtlx_cond("YIL BAGHDAD", 425, 50, 2);
        if (at(22993) && ct(1300, 1700)) rtlx("RCV SEVASTOPOL", 850, 50);
        if (at(22966) && ct(1500, 2000)) rtlx_cond("BZR BEIJING", 425, 50, 3);
        if (at(22862) && oh()) rtlx("FUE BREST", 850, 50);
        if (at(22896) && ed()) rtlx_cond("TBA ANKARA", 850, 75, 4);
        if (at(22946) && eh()) rtlx("CNM RABAT", 425, 50);
        if (at(22971) && ml(45)) rtlx_cond("NAU ROOSEVELT ROADS", 850, 75, 0);
        if (at({22420, 22427}) && day() && oh()) sitor();
        if (at(22434)) { qsa = 5; sitor_marker(2000, 23, "SPH"); }
        if (at(22447)) { qsa = 4; sitor_marker(1400, 20, "UAT"); }
        qsa = 1;
        if (at({22875, 22909}) && ct(1000, 1300)) n0n(2350);
        qsa = 2;
        if (at({22180, 22230, 22262, 22310, 22450, 22530, 22620, 22865, 22905, 22949}) && day()) n0n(1000);
    }

    get_background(165, background_tab_22, prob_tab_22);
}

}  // namespace

void band_22() {
    band_start(22, 22);
    weather_broadcasts();
    diplo_traffic();
    // Royal Navy ships calling their shore stations.
    if (at(22196)) rn_22mhz();
    ships_and_coast();
    ship_work(ship_work_22, ship_work_22_count);
    if (at(22091) && cond(4)) vsl2vsl_tfc();  // ship to ship
    coast_watch(coast_watch_22, coast_watch_22_count);
    maritime_lists();
    // Scheveningen's blind traffic, a Korean fleet's own net, a Japanese
    // fishery station and a Soviet ship's private telegram.
    if (at(22473) && ct(1900, 1915)) { p(24, 1000, 4); pch_px(); }
    if (at(22136) && reg3f_day() && cond(3)) { p(21, 950, 2); panocean_fleet(); }
    if (at(22516) && ct(2300, 400)) { p(20, 1250, 2); jap_fishery("JFX", 22); }
    if (at(22104) && cond(4)) { p(20, 700, 3); russian_vsl(); }
    naval_shore();
    daylight_block();
    fixed_above_band();
    historical_block();
    background_block();
    band_end(22);
}

}  // namespace kestrel
