// Stations of 16000-16999 kHz, tested in order; every entry that applies is queued.
// 16000-16360 fixed service; from 16360 the 16 MHz maritime band: ship
// telephony 16360-16528, ship teleprinter and data, ship calling 16683-16695,
// ship working 16695-16806, coast telegraphy 16806-16903, coast NBDP above.

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
#include "procedures/sendf.h"
#include "procedures/voice.h"
#include "state/clock.h"
#include "state/emission.h"
#include "state/random.h"
#include "state/receiver.h"
#include "synth/machine.h"
#include "synth/morse.h"
#include "traffic/aero.h"
#include "traffic/blocks.h"
#include "traffic/diplomatic.h"
#include "traffic/fleets.h"
#include "traffic/military.h"
#include "traffic/naval.h"
#include "traffic/netcheck.h"
#include "traffic/press.h"
#include "traffic/ship_coast.h"

namespace kestrel {

namespace {

// The fixed service and ship telephony.
void fixed_and_ship_telephony() {
    // Fixed service: naval headquarters, military nets, diplomatic posts.
    if (at(16013)) { p(24, 1000, 4); send_still("VVV VVV VVV DE RCV RCV RCV QSX 12 16 MHZ  "); }
    if (at(16013) && t.wMinute % 20 == 4) { p(24, 1000, 4); fig_msg_ar("RJD99 RJD99 DE RCV QTC "); }
    if (at(16018) && cond(3)) { p(20, 900, 2); send_cond_par("RIW RIW RIW DE RMGE RMGE QSA? K", 2); }
    if (at(16018) && ct(1130, 1200)) { p(20, 950, 3); clg_cond("RIW", "RMGE", 200); }
    if (at(16025) && eh()) fixed_net(NET_RU_ARMY, 24);
    if (at(16032)) { p(22, 1150, 3); send_still("VVV VVV VVV DE RMP RMP RMP  "); }
    if (at(16032) && ms(45)) { p(22, 1150, 3); fig_msg_ar("RJD38 DE RMP "); }
    if (at(16040) && oh()) fixed_net(NET_FR_ARMY, 41);
    if (at(16050)) { p(25, 1100, 3); french_navy_coast("VVV VVV VVV DE FUE FUE FUE  ", "FUE"); }
    if (at(16050) && ms10(0)) { p(25, 1100, 3); let_msg_latin("CQ CQ DE FUE = ", 0x80); }
    if (at(16055) && cond(2)) { p(21, 1000, 3); send_cond("SUA SUA SUA DE SUA9 SUA9 QTC 1 K"); }
    if (at(16055) && ms(35)) { p(21, 1000, 3); fig_msg_ar("SUA DE SUA9 = "); }
    if (at(16064)) fixed_net(NET_HU_DIPLO, 25);
    if (at(16064) && ct(1000, 1040)) { p(22, 880, 3); let_msg_latin("OLX DE OLY2 = ", 1); }
    if (at(16076)) { p(24, 960, 3); send_still("VVV VVV VVV IDR IDR IDR  "); }
    if (at(16079)) fixed_net(NET_UK_NAVY, 21);
    if (at(16085) && ct(700, 1500)) { p(24, 1000, 5); send_still("VVV VVV VVV DE HEC4 HEC4 HEC4 QSX 16085  "); }
    if (at(16085) && ct(700, 1500) && ms20(4)) { p(24, 1000, 5); send("HBD HBD DE HEC4 QTC 2 = "); qtc5l(2, 34, 2, 0x80); send_stack(" K"); }
    if (at(16103) && oh()) { p(21, 1550, 3); send_cond_bug("TBA TBA DE TBA2 TBA2 QSA? K"); }
    if (at(16124) && ct(900, 1600)) { p(23, 880, 4); send_still("CQ CQ CQ DE YZO YZO BEOGRAD QRV  "); }
    if (at(16158) && ct(800, 1500)) { p(25, 950, 3); send_still("VVV VVV DE OLX OLX OLX PRAHA  "); }
    if (at(16178) && eh()) { p(21, 1700, 3); send_cond_bug("HZN HZN DE HZN9 HZN9 QTC 2 K"); }
    if (at(16236) && ct(1300, 1500)) { p(24, 1000, 4); italian_diplo(); }
    if (at(16249) && ct(1000, 1200)) telecom_opchat_dx("OLX", "SUA", "");
    if (at(16257) && ct(800, 1000)) { p(22, 1100, 3); polish_diplo("SPW62"); }
    if (at(16279) && ct(1600, 1800)) { p(23, 900, 4); german_diplo(); }
    if (at(16305) && ed()) fixed_net(NET_ARMY_A, 21);
    if (at(16321) && ct(1100, 1300)) auto_morse(55);
    if (at(16339) && cond(2)) nato_qso();
    if (at(16352) && ct(600, 1400)) { p(24, 1300, 3); send_still("VVV VVV DE CNM CNM CNM RABAT  "); }
    if (at(16085) && ct(600, 700)) send_vvv("HBD");
    if (at(16124) && cond(3)) send_vvv("YZO2");
    if (at(16158) && ct(700, 800)) send_vvv("OLX5");
    if (at(16352) && ct(1400, 1415)) { p(24, 2000, 3); send("CNM4 DE CNM = QRU = NEXT SKED 0700Z = "); wait(3); send_stack("SK"); }
    // Ship telephony.
    if (at({16366, 16384, 16402}) && cond(2)) fone_cond(3);
    if (at({16441, 16468}) && oh()) fone_cond(5);
    if (at(16080) && cond(3)) nato_qso();
    if (at(16094) && ml(30)) { p(23, 780, 3); send("AIJ1 AIJ1 DE NWP ZBO 1 O  "); nato_qtc(nr, 'O'); }
    if (at(16101) && eh()) { p(22, 1300, 4); send_still("VVV VVV VVV 4XZ 4XZ 4XZ  "); }
    if (at(16113) && od()) { p(20, 850, 2); send_cond_par("YIH YIH DE YIH2 YIH2 QTC K", 2); }
    if (at(16119) && ms(50)) { p(20, 1150, 2); fig_msg_ar("CNA DE CNM "); }
    if (at(16122) && ed()) { p(24, 1240, 4); send_cond_par("7TA 7TA 7TA DE 7TA31 7TA31 K", 2); }
    if (at(16154)) fixed_net(NET_IT_NAVY, 23);
    if (at(16161) && cond(2)) { p(20, 800, 2); clg_cond("SPW", "SPW31", 2); }
    if (at(16167)) { p(24, 760, 3); send_still("VVV VVV VVV SXA SXA SXA  "); }
    if (at(16172) && ms20(20)) { p(22, 900, 3); fig_msg_ar("HZN DE HZN4 QTC "); }
    if (at(16199)) { p(23, 800, 3); send_still("VVV VVV VVV DE RIW RIW RIW  "); }
    if (at(16199) && t.wMinute % 30 == 17) { p(23, 800, 3); fig_msg_ar("RJD69 RJD69 DE RIW QTC "); }
    if (at(16230) && mh(39)) { p(21, 950, 3); send("CTP DE CTP4 ZBO 2 R  "); nato_qtc(nr, 'R'); }
    if (at(16252) && eh() && cond(2)) { p(20, 1000, 3); clg_cond("3VX", "3VX8", 3); }
    if (at(16271)) { p(25, 1000, 4); naval_coast("VVV VVV VVV DE GYA GYA GYA  ", "GYA", rn_vsl, 38); }
    if (at(16271) && t.wMinute % 15 == 6) { p(25, 1000, 4); let_msg_latin("CQ CQ DE GYA = ", 0x80); }
    if (at(16308) && cond(3)) nato_qso();
    if (at(16327)) { p(22, 950, 3); send_still("VVV VVV VVV DE 5AL 5AL 5AL QSX 16327  "); }
    if (at(16336) && ms(25)) { p(20, 1000, 3); fig_msg_ar("SUA DE SUA4 = "); }
    if (at(16354) && oh()) { p(24, 850, 3); send_still("VVV VVV DE RJE RJE RJE  "); }

    // Ship telephony.
    if (at({16363, 16372, 16390}) && cond(2)) fone_cond(3);
    if (at({16426, 16459, 16478}) && eh()) fone_cond(4);
}

// Ships and coast stations of the maritime band.
void ships_and_coast() {
    // Ships calling coast stations on the calling channels.
    if (at(16684) && cond(2)) vsl_clg_coast();
    if (at(16685) && cond(2)) vsl_clg_coast();
    if (at(16685) && oh()) post_call("GKA", "GBTT", "QTC K");
    if (at(16686) && cond(2)) vsl_clg_coast();
    if (at(16687) && cond(2)) vsl_clg_coast();
    if (at(16687) && eh()) post_call("SPH", "SQKE", "QRV? K");
    if (at(16688) && cond(2)) vsl_clg_coast();
    if (at(16689) && cond(2)) vsl_clg_coast();
    if (at(16689) && ed()) post_call("UAT", "UPYM", "QTC 1 K");
    if (at(16690) && cond(2)) vsl_clg_coast();
    if (at(16691) && cond(2)) vsl_clg_coast();
    if (at(16691) && od()) post_call("SVA", "SWJQ", "QSA? K");
    if (at(16692) && cond(2)) vsl_clg_coast();
    if (at(16693) && cond(2)) vsl_clg_coast();
    if (at(16694) && cond(2)) vsl_clg_coast();

    // Ship working channels: the exchange after a call.
    if (at(16698) && ml(30)) post_call("UAT", "UFLS", "QTC 2 K");
    if (at(16702) && cond(3)) { p(22, 900, 3); send_cond("DAN DE DGUS QTC 2 K"); }
    if (at(16707) && mh(29)) post_call("PCH", "PEXR", "QTC K");
    if (at(16713) && cond(3)) { p(20, 780, 2); send_cond("SVA DE SVBK QRV K"); }
    if (at(16718) && eh()) post_call("GKA", "MQXY5", "QRV? K");
    if (at(16724) && cond(3)) { p(24, 1000, 3); send_cond("UFB DE URBK QTC 1 QTC? K"); }
    if (at(16731) && oh()) post_call("LGB", "LNCK3", "QTC 1 K");
    if (at(16737) && cond(3)) { p(21, 1150, 2); send_cond("SPH DE SPKB QRU K"); }
    if (at(16744) && ed()) post_call("IAR", "IBKL", "QSA? K");
    if (at(16752) && cond(3)) { p(19, 870, 2); send_cond("OXZ DE OXKE2 QTC 3 K"); }
    if (at(16758) && od()) post_call("SAG", "SKRN", "QTC 2 K");
    if (at(16766) && cond(3)) { p(22, 700, 3); send_cond("UAT DE UWEB QTC 1 K"); }
    if (at(16773) && ml(20)) post_call("A9M", "3EHV7", "QTC K");
    if (at(16779) && cond(3)) { p(20, 1050, 2); send_cond("FFL DE FNQD QTC 2 K"); }
    if (at(16786) && eh()) post_call("YUR", "YUQS", "QRV? K");
    if (at(16793) && cond(3)) { p(23, 950, 3); send_cond("SUH DE SUBL QRV K"); }
    if (at(16800) && oh()) post_call("UFB", "UIPQ", "QTC 1 K");

    // Coast stations: call markers and general calls.
    if (at(16807)) { p(22, 1000, 4); coast_station_ex("CQ CQ CQ DE UAT UAT UAT QSX 12 16 MHZ K  ", "UAT", "MOSKVA"); }
    if (at(16810) && cond(2)) { p(24, 900, 3); send_cond("CQ CQ DE UAT QRU K"); }
    if (at(16813)) { p(25, 1150, 4); coast_station_ex("CQ DE DAN DAN DAN QSX 12 16 MHZ K  ", "DAN", "NORDDEICH"); }
    if (at(16816) && ct(600, 2200)) { p(24, 850, 4); send_still("CQ CQ CQ DE GKB6 GKB6 GKB6 QSX 16 MHZ K  "); }
    if (at(16819)) { p(22, 1300, 3); coast_station_ex("CQ DE PCH PCH PCH QSX 16 MHZ K  ", "PCH", "SCHEVENINGEN"); }
    if (at(16822) && eh()) { p(20, 780, 3); coast_station_ex("CQ CQ DE SVA SVA SVA QSX 12 16 22 MHZ K  ", "SVA", "ATHINAI"); }
    if (at(16822) && oh()) { p(20, 780, 3); send_still("CQ CQ DE SVB6 SVB6 SVB6 QRU? K  "); }
    if (at(16825)) { p(23, 1020, 3); send_still("CQ DE FFL6 FFL6 FFL6 QSX 16 MHZ K  "); }
    if (at(16828) && ml(45)) { p(21, 900, 3); coast_station_ex("CQ CQ DE IAR IAR IAR QSX 8 12 16 MHZ K  ", "IAR", "ROMA"); }
    if (at(16831)) { p(22, 1100, 4); coast_station_ex("CQ DE LGB LGB LGB QSX 16 MHZ K  ", "LGB", "ROGALAND"); }
    if (at(16834) && day()) { p(25, 950, 3); coast_station_ex("CQ DE SAG SAG SAG QSX 16 MHZ K  ", "SAG", "GOTEBORG"); }
    if (at(16837)) { p(22, 700, 3); send_still("CQ CQ CQ DE UFB UFB UFB QSX 16 MHZ K  "); }
    if (at(16840) && ct(600, 1900)) { p(24, 1200, 3); coast_station_ex("CQ DE OXZ OXZ OXZ QSX 16 MHZ K  ", "OXZ", "LYNGBY"); }
    if (at(16843)) { p(21, 880, 3); coast_station_ex("CQ CQ DE SPH SPH SPH QSX 12 16 MHZ K  ", "SPH", "GDYNIA"); }
    if (at(16846) && ct(500, 2000)) { p(20, 1000, 3); coast_station_ex("CQ DE Y5M Y5M Y5M QSX 16 MHZ K  ", "Y5M", "RUEGEN"); }
    if (at(16849) && cond(2)) { p(18, 760, 2); coast_station_ex("CQ CQ DE SUH SUH SUH QRU? K  ", "SUH", "ALEXANDRIA"); }
    if (at(16852)) { p(23, 1050, 3); coast_station_ex("CQ DE YUR YUR YUR QSX 16 MHZ K  ", "YUR", "RIJEKA"); }
    if (at(16855) && eh()) { p(22, 640, 3); coast_station_ex("CQ CQ CQ DE OST OST OST QSX 16 MHZ K  ", "OST", "OOSTENDE"); }
    if (at(16858) && oh()) { p(22, 900, 3); coast_station_ex("CQ DE OHG OHG OHG QSX 16 MHZ K  ", "OHG", "HELSINKI"); }
    if (at(16861)) { p(20, 1180, 3); coast_station_ex("CQ CQ CQ DE LZW LZW LZW QSX 16 MHZ K  ", "LZW", "VARNA"); }
    if (at(16864) && ml(50)) { p(21, 830, 3); coast_station_ex("CQ DE YQI YQI YQI QSX 16 MHZ K  ", "YQI", "CONSTANTA"); }
    if (at(16867)) { p(24, 1000, 4); naval_coast("CQ CQ CQ DE NMN NMN NMN QRU? QSX 4 6 8 12 16 MHZ K  ", "NMN", us_navy, 37); }
    if (at(16870) && ct(700, 2100)) { p(22, 950, 3); coast_station_ex("CQ DE A9M A9M A9M QSX 16 22 MHZ K  ", "A9M", "BAHRAIN"); }
    if (at(16873)) { p(24, 1300, 3); coast_station_ex("VVV VVV VVV DE 4XO 4XO 4XO K  ", "4XO", "HAIFA"); }
    if (at(16876) && cond(2)) { p(22, 1000, 3); send_cond("CQ DE UDK2 UDK2 UDK2 QSX 16 MHZ K"); }
    if (at(16879)) { p(23, 800, 3); coast_station_ex("CQ CQ DE CUL CUL CUL QSX 16 MHZ K  ", "CUL", "LISBOA"); }
    if (at(16882) && eh()) { p(21, 1100, 3); coast_station_ex("CQ DE EAD EAD EAD QSX 12 16 MHZ K  ", "EAD", "ARANJUEZ"); }
    if (at(16885)) { p(24, 920, 4); naval_coast("VVV VVV VVV DE NPM NPM NPM  ", "NPM", us_navy, 37); }
    if (at(16888) && oh()) { p(20, 960, 3); send_still("CQ CQ DE UQK UQK UQK QSX 16 MHZ K  "); }
    if (at(16891)) { p(25, 1000, 3); french_navy_coast("VVV VVV DE FUX FUX FUX QRU  ", "FUX"); }
    if (at(16894) && ct(600, 1800)) { p(22, 1250, 3); coast_station_ex("CQ DE SPE SPE SPE QSX 16 MHZ K  ", "SPE", "SZCZECIN"); }
    if (at(16897)) { p(23, 870, 3); send_still("VVV VVV VVV DE IGJ42 IGJ42 IGJ42  "); }
    if (at(16900) && cond(2)) { p(20, 1000, 3); send_still("CQ CQ DE UNM2 UNM2 UNM2 QSX 16 MHZ K  "); }

    // Coast NBDP: the teleprinter signal or the station's Morse marker.
    if (at(16904)) { qsa = 3; sitor_marker(900, 18, "DCF"); }
    if (at(16907)) { qsa = 4; sitor_marker(1000, 20, "GKE"); }
    if (at(16910)) { qsa = 3; sitor_marker(850, 17, "PCH"); }
    if (at(16914)) { qsa = 3; sitor_marker(960, 19, "SVU"); }
    if (at(16918)) { qsa = 2; sitor_marker(1100, 20, "LGX"); }
    if (at(16922)) { qsa = 3; sitor_marker(940, 17, "HEC"); }
    if (at(16926)) { qsa = 2; sitor_marker(800, 18, "OXZ"); }

    // Naval coast stations of the upper band edge.
    if (at(16934) && eh()) { p(24, 1000, 3); french_navy_coast("VVV VVV VVV DE FUM FUM FUM  ", "FUM"); }
    if (at(16946)) { p(22, 1000, 3); send_still("VVV VVV VVV DE RIW RIW RIW QSX 8 12 16 MHZ  "); }
    if (at(16946) && cond(3)) { p(20, 900, 2); send_cond_par("RIW RIW RIW DE RHFE RHFE K", 2); }
    if (at(16958) && ml(30)) { p(23, 1200, 3); send_still("VVV VVV DE CTP CTP CTP  "); }
    if (at(16983)) { p(24, 850, 4); naval_coast("VVV VVV VVV DE GYU GYU GYU  ", "GYU", rn_vsl, 38); }
    if (at(16994) && oh()) { p(21, 1050, 3); send_still("VVV VVV VVV DE PWZ33 PWZ33 PWZ33  "); }
}

// Stations heard only while the path is in daylight.
void daylight_block() {
    if (day()) {
        if (at(16686) && cond(3)) { p(21, 1000, 3); clg_cond("VWB", "VTJK", 3); }
        if (at(16695) && cond(3)) { p(20, 870, 2); clg_cond("9VG", "9VBQ", 2); }
        if (at(16805) && ml(30)) exchange("ZSC", "ZSRD", 2);
        if (at(16839)) { p(22, 1000, 3); coast_station_ex("CQ DE ZSC ZSC ZSC QSX 16 MHZ K  ", "ZSC", "CAPETOWN"); }
        if (at(16856)) { p(20, 1150, 3); coast_station_ex("CQ CQ DE VWB VWB VWB QSX 12 16 MHZ K  ", "VWB", "BOMBAY"); }
        if (at(16868) && eh()) { p(22, 950, 2); send_still("CQ DE 5YC 5YC 5YC QSX 16 MHZ K  "); }
        if (at(16887) && oh()) { p(24, 900, 3); send_still("CQ DE HZG HZG HZG QSX 16 MHZ K  "); }
        if (at(16106)) { p(23, 1000, 3); send_still("VVV VVV VVV DE VTG VTG VTG K  "); }
        if (at(16141) && oh()) { p(23, 900, 3); send_cond("9GA 9GA DE 9GA3 9GA3 QTC 4 = QRQ? K"); }
        if (at(16188) && cond(2)) { p(20, 1450, 3); send_cond_bug("ST2 ST2 DE ST24 ST24 QSA? K"); }
        if (at(16226) && eh()) { p(21, 1000, 3); send_still("VVV VVV DE D2A D2A D2A LUANDA  "); }
        if (at(16244) && cond(3)) { p(24, 1250, 3); clg_cond("9QL", "9QL2", 3); }
        if (at(16264)) { p(23, 1000, 3); send_still("VVV VVV VVV DE 5NN 5NN 5NN  "); }
        if (at(16310) && cond(2)) { p(20, 1000, 2); send_cond_bug("5HA 5HA DE 5HA3 5HA3 QTC? K"); }
        if (at(16330)) { p(24, 1100, 2); send_still("VVV VVV DE ZRH ZRH ZRH PRETORIA  "); }
        if (at(16822) && cond(3)) { p(22, 900, 4); send_cond("5YC 5YC DE 5YUK 5YUK QTC 1 K"); }
        if (at(16850) && cond(3)) { p(21, 1000, 3); send_cond_bug("VWB VWB DE VTAZ VTAZ QRV? K"); }
    }
    if (reg2_day()) {
        if (at(16684) && cond(3)) { p(22, 780, 3); clg_cond("KPH", "WSDX", 2); }
        if (at(16692) && cond(3)) { p(20, 1100, 2); clg_cond("PPR", "PPXB", 3); }
        if (at(16805) && cond(2)) { p(24, 1000, 4); coast_station_ex("CQ CQ CQ DE WCC WCC WCC QSX 4 6 8 12 16 MHZ K  ", "WCC", "CHATHAM"); }
        if (at(16833)) { p(22, 950, 3); coast_station_ex("CQ CQ DE PPR PPR PPR QSX 16 MHZ K  ", "PPR", "RIO"); }
        if (at(16863)) { p(21, 1100, 3); coast_station_ex("CQ DE LPD LPD LPD QSX 12 16 MHZ K  ", "LPD", "GENERALPACHECO"); }
        if (at(16881) && eh()) { p(22, 870, 3); coast_station_ex("CQ CQ DE CBV CBV CBV QSX 16 MHZ K  ", "CBV", "VALPARAISO"); }
        if (at(16098)) { p(24, 1000, 3); send_still("VVV VVV VVV DE LOR LOR LOR K  "); }
        if (at(16260) && cond(2)) { p(20, 900, 3); send_cond("CLP7 CLP7 CLP7 DE CLP1 CLP1 K"); }
        if (at(16260) && ms(10)) { p(20, 900, 3); fig_msg_ar("CLP7 DE CLP1 "); }
    }
    if (reg3f_day()) {
        if (at(16689) && cond(3)) { p(20, 700, 3); clg_cond("JCS", "JFHM", 3); }
        if (at(16693) && cond(3)) { p(22, 1000, 2); clg_cond("XSG", "BOAC", 2); }
        if (at(16818)) { p(23, 900, 3); coast_station_ex("CQ CQ CQ DE JCS JCS JCS QSX 16 MHZ K  ", "JCS", "CHOSHI"); }
        if (at(16836)) { p(22, 1050, 3); coast_station_ex("CQ DE XSG XSG XSG QSX 12 16 MHZ K  ", "XSG", "SHANGHAI"); }
        if (at(16848) && eh()) { p(20, 820, 2); coast_station_ex("CQ DE 9VG 9VG 9VG QSX 16 MHZ K  ", "9VG", "SINGAPORE"); }
        if (at(16872) && oh()) { p(21, 1150, 2); send_still("CQ CQ DE HLG HLG HLG QSX 16 MHZ K  "); }
        if (at(16898)) { p(24, 960, 3); coast_station_ex("CQ DE VIS VIS VIS QSX 16 MHZ K  ", "VIS", "SYDNEY"); }
        if (at(16192) && cond(2)) { p(22, 800, 3); send_cond("XVN XVN DE XVN5 XVN5 QTC K"); }
    }
    if (reg3m_day()) {
        if (at(16853)) { p(22, 900, 3); coast_station_ex("CQ DE VWC VWC VWC QSX 16 MHZ K  ", "VWC", "CALCUTTA"); }
        if (at(16282)) { p(24, 1050, 3); send_still("VTP VTP VTP  VVV VVV VVV  "); }
    }
    if (reg1rus_day()) {
        if (at(16698) && cond(3)) { p(20, 900, 3); clg_cond("UFL", "UHQS", 2); }
        if (at(16845)) { p(22, 1000, 3); coast_station_ex("CQ CQ CQ DE UFL UFL UFL QSX 16 MHZ K  ", "UFL", "VLADIVOSTOK"); }
        if (at(16877) && eh()) { p(23, 880, 3); send_still("CQ DE UKA UKA UKA QSX 12 16 MHZ K  "); }
        if (at(16228)) { p(24, 1000, 3); send_still("RJE RJE RJE  VVV VVV VVV  "); }
        if (at(16067)) { p(22, 1000, 4); send_still("VVV VVV DE RMGE RMGE RMGE QSX 12 16 MHZ  "); }
        if (at(16067) && ms10(40)) { p(22, 1000, 4); send("RJD83 DE RMGE QTC = "); qtc5l(9, 28, 3, 0); send_stack(" K"); }
        if (at(16855) && cond(2)) { p(23, 880, 3); send_cond("UFL UFL DE UZCQ UZCQ QTC 2 K"); }
    }
    stn();
}

// Stations of the years before 1950 (HIST).
void historical_block() {
    if (hist) {
        // A flying boat of the South Atlantic mail calling its base, and an
        // aircraft asking a direction-finding station for its bearing.
        if (at(16630) && cond(2)) german_fb("DFM");
        if (at(16655) && cond(3)) old_aero_qte(2, "");
        // A ship of the 1930s with a telegram for its coast station.
        if (at(16572) && cond(3)) { p(18, 700, 3); old_vsl_qtc(); }
        // Coast stations and ships of the 1930s and the war years.
        if (at(16860) && ct(1300, 2200)) { p(20, 800, 3); qrh = 1; coast_station_ex("CQ CQ CQ DE WCC WCC WCC QRU?  ", "WCC", "CHATHAM"); }
        if (at(16870) && ct(1600, 200)) { p(18, 700, 3); qrh = 1; coast_station_ex("CQ CQ DE KFS KFS KFS QSX 36 M  ", "KFS", "PALOALTO"); }
        if (at(16880) && day()) { p(19, 950, 3); qrh = 2; send_still("CQ CQ CQ DE GKU GKU GKU  "); }
        if (at(16890) && eh()) { p(21, 1000, 3); coast_station_ex("CQ DE DAN DAN DAN QSX 36 M  ", "DAN", "NORDDEICH"); }
        if (at(16900) && oh()) { p(20, 600, 2); qrh = 1; coast_station_ex("CQ DE PCH PCH PCH  ", "PCH", "SCHEVENINGEN"); }
        if (at(16920) && cond(2)) { p(18, 1100, 2); send_cond("WCC WCC DE WKDU WKDU QTC 2 K"); }
        if (at(16930) && cond(2)) { p(17, 750, 2); send_cond("GKU GKU DE GBTT GBTT QTC K"); }
        if (at(16950) && ct(800, 1600)) { p(22, 900, 3); let_msg_latin("NSS DE NAA = ", 0x80); }
        if (at(16975) && ct(1000, 1400)) { p(20, 1000, 3); fig_msg_ar("DHJ DE DKW = "); }
        if (at(16299) && ct(700, 1500)) { p(20, 1050, 3); qrh = 1; send_still("VVV VVV VVV GBC GBC GBC  "); }
        if (at(16241) && oh()) { p(21, 850, 2); qrh = 1; send_still("VVV VVV DE FYC FYC FYC  "); }
        if (at(16114) && cond(2)) { p(18, 800, 2); send_cond("CQ CQ DE IRW IRW QRU? K"); }
        // Beam and press circuits of the 1930s above the coast band.
        if (at(16030) && ct(1200, 1800)) { p(30, 1000, 4); send_still("VVV VVV VVV DE GBA GBA GBA  "); }
        if (at(16030) && ct(1200, 1800) && ms20(6)) { p(30, 1000, 4); sendf("LSL DE GBA NR %d = ", serial_of_day(2)); qtc5f(serial_of_day(2), 36); send_stack(" AR"); }
        if (at(16070) && ct(700, 1300)) { p(28, 1200, 3); send_still("VVV VVV DE DGK DGK DGK  "); }
        if (at(16110) && ct(1300, 1900)) { p(32, 900, 4); send_still("VVV VVV VVV DE WKK WKK WKK LAWRENCEVILLE  "); }
        if (at(16150) && ct(900, 1400)) { p(26, 1100, 3); send_still("CQ CQ DE FTN FTN FTN PRESSE  "); }
        if (at(16150) && ct(900, 1400) && ml(15)) { p(26, 1100, 3); press_px("FTN", PRESS_HAVAS); }
        if (at(16200) && ct(500, 1100)) { p(27, 1300, 3); send_still("VVV VVV DE JVE JVE JVE NAZAKI QRU  "); }
        if (at(16250) && ct(1000, 1600)) { p(30, 1000, 4); send_still("VVV VVV VVV DE PPQ PPQ PPQ RIO  "); }
        if (at(16270) && ct(600, 1200)) { p(25, 800, 3); send_still("VVV VVV DE VWY VWY VWY QSX 16270 19060  "); }
        if (at(16320) && ct(1100, 1700)) { p(28, 1050, 4); send_still("VVV VVV DE EHZ EHZ EHZ MADRID  "); }
        if (at(16340) && ct(1400, 2000) && cond(2)) { p(22, 950, 3); send_cond("WKK WKK DE PPQ PPQ QTC 11 K"); }
        // Ships of the 1930s calling their coast stations.
        if (at(16700) && cond(3)) { p(18, 650, 3); send_cond("DAN DAN DE DIDU DIDU QTC 1 K"); }
        if (at(16720) && cond(3)) { p(20, 780, 3); send_cond("PCH PCH DE PEBR PEBR QRV? K"); }
        if (at(16740) && cond(3)) { p(19, 900, 3); send_cond("FFL FFL DE FNRL FNRL QTC 2 K"); }
        if (at(16812) && ct(1200, 2000)) { p(22, 850, 4); send_still("CQ CQ CQ DE FFL FFL FFL QRU?  "); }
    }
    stn();
}

// Recordings, teleprinters and carriers in the background (BGND).
void background_block() {
    if (bkgnd) {
        // Fixed-service teleprinters, press and facsimile.
        if (at({16009, 16314}) && t.wHour % 3 == 2) rtlx("TASS MOSCOW", 850, 50);
        if (at(16020)) rtlx_cond_75_850("RIW", 2);
        if (at(16138) && (ct(0, 400) || ct(1800, 2200))) fax(120, 576);
        if (at(16127)) rtlx_cond("AFP", 425, 50, 3);
        if (at(16184)) rtlx_cond_50_850("DPA", 4);
        if (at(16242)) rtlx_cond_arqe_96("ARQE", 3);
        if (at(16343)) rtlx_cond_100_425("MFA", 5);
        // Ship teleprinters and coast facsimile.
        if (at({16613, 16621, 16643})) sitor();
        if (at(16971) && (ct(200, 600) || ct(800, 1000))) fax(120, 576);
        if (at(16954)) rtlx_cond_50_170("NMN", 2);
        if (at({16544, 16560})) { qsa = 2; data(300, 2); }
        if (at(16940) && cond(3)) tuning();
        // Press: Europe's agencies by day, the Arab and Asian ones after them.
        if (at(16005) && ct(700, 1700)) rtlx("REUTER LONDON EUROPE", 425, 50);
        if (at(16027) && ml(40)) rtlx_cond("ANSA ROMA", 425, 50, 3);
        if (at(16043) && ct(500, 1500)) rtlx("TANJUG YZJ", 425, 50);
        if (at(16247) && day()) rtlx("DPA HAMBURG", 850, 50);
        if (at(16284) && cond(2)) rtlx_cond("CTK OLP", 425, 50, 5);
        if (at(16062) && ct(400, 1600)) rtlx_cond("MENA CAIRO", 850, 50, 2);
        if (at(16135) && eh()) rtlx_cond("IRNA TEHRAN", 425, 50, 0);
        if (at(16156) && (h(5) || h(9) || h(13))) rtlx("KUNA KUWAIT", 425, 50);
        if (at(16174) && oh()) rtlx_cond("JANA TRIPOLI", 850, 50, 3);
        if (at(16196) && ct(500, 1600) && t.wDayOfWeek != 5) rtlx("APS ALGER", 425, 50);
        if (at(16083) && reg3f_day()) rtlx("XINHUA BZP", 425, 50);
        if (at(16120) && ct(2100, 500)) rtlx("KCNA HMF", 850, 50);
        if (at(16223) && reg3m_day()) rtlx_cond("PTI NEW DELHI", 425, 50, 2);
        if (at(16096) && reg2_day()) rtlx_cond("PRENSA LATINA", 425, 50, 4);
        // Weather and forces.
        if (at(16302) && (h(4) || h(10) || h(16) || h(22))) rtlx("DDK OFFENBACH", 425, 50);
        if (at(16317)) rtlx_cond_75_850("RFQP DJIBOUTI", 2);
        if (at(16335) && eh()) rtlx_cond("AFE US ARMY", 850, 75, 0);
        if (at(16356) && ct(800, 1800)) rtlx_cond_arqe_96("MFA ALGER", 3);
        // Ship narrow-band printing and the coast stations' own channels.
        if (at({16585, 16597})) sitor();
        if (at(16913)) { qsa = 3; sitor_marker(940, 20, "SVB"); }
        if (at(16928)) { qsa = 4; sitor_marker(880, 22, "DCL"); }
        if (at(16944)) { qsa = 3; sitor_marker(1000, 19, "9VG"); }
        if (at(16962)) { qsa = 3; sitor_marker(900, 21, "UAT"); }
        if (at(16980) && cond(2)) { qsa = 3; sitor_marker(1060, 20, "CBV"); }
        // Teleprinters beneath the Morse markers of the same offices.
        if (at(16013) && t.wMinute >= 50) rtlx("RCV", 850, 50);
        if (at(16085) && ct(1500, 1900)) rtlx_cond("HEC4", 425, 50, 0);
        if (at(16050) && eh()) rtlx_cond("FUE", 850, 75, 2);
        if (at(16076) && ct(1500, 2000)) rtlx("IDR", 850, 50);
        if (at(16158) && ct(1500, 1800)) rtlx_cond("OLX", 425, 50, 3);
        if (at(16352) && ct(1400, 1700)) rtlx("CNM", 425, 50);
        qsa = 1;
        if (at({16047, 16152, 16269, 16332}) && oh()) n0n(1500);
        qsa = 3;
        if (at({16093, 16117, 16164, 16210}) && ct(500, 700)) n0n(1000);
    }

    get_background(214, background_tab_16, prob_tab_16);
    if (bkgnd) {
        qsa = static_cast<int>(myrand() % 3 + 2);
        if (at({16809, 16824, 16842, 16866, 16889})) n0n(800);
    }
}

}  // namespace

void band_16() {
    band_start(16, 16);
    weather_broadcasts();
    diplo_traffic();
    // A direction-finding net, an unidentified fast signal, navies on the
    // ship channels.
    if (at(16128)) peleng_network();
    if (at(16233) && cond(2)) undef_qrm();
    if (at(16461)) rn_16mhz();
    if (at(16414)) dan_navy("OVG");
    if (at(16296) && cond(3)) th_navy_ship();
    if (at(16297) && cond(3)) th_navy_coast();
    if (hist && at(16292)) usn_old();
    fixed_and_ship_telephony();
    ships_and_coast();
    ship_work(ship_work_16, ship_work_16_count);
    if (at({16483, 16531}) && cond(4)) vsl2vsl_tfc();  // ship to ship
    coast_watch(coast_watch_16, coast_watch_16_count);
    maritime_lists();
    // Scheveningen's blind traffic and a Soviet blind broadcast; the Soviet
    // tracking net; ships playing chess at night; a Japanese fishery station.
    if (at(16921) && ct(1830, 1845)) { p(24, 1000, 4); pch_blind(); }
    if (at(16939) && (h(4) || h(16)) && ml(25)) { p(22, 800, 3); rus_blind_tfc(); send_stack(""); }
    if (at(16458) && night() && cond(3)) { p(23, 900, 3); rus_tracking_net(); }
    if (at({16377, 16502}) && night() && cond(5)) chess();
    if (at(16906) && ct(2200, 300)) { p(20, 1300, 2); jap_fishery("JFC", 16); }
    if (at(16905) && eh() && ml(10)) { p(22, 850, 4); gkb_tfc_list(); }
    daylight_block();
    historical_block();
    background_block();
    band_end(16);
}

}  // namespace kestrel
