// Stations of 19000-19999 kHz, tested in order; every entry that applies is queued.
// 19000-19680 fixed service, 19680-19800 coast stations of the 18/19 MHz
// maritime band (telegraphy, NBDP, telephony), 19800-19990 fixed service.

#include "bandplan/background/background.h"
#include "bandplan/bands/coast_watch.h"
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
#include "state/receiver.h"
#include "synth/machine.h"
#include "synth/morse.h"
#include "traffic/blocks.h"
#include "traffic/diplomatic.h"
#include "traffic/military.h"
#include "traffic/naval.h"
#include "traffic/netcheck.h"
#include "traffic/press.h"
#include "traffic/ship_coast.h"

namespace kestrel {

void band_19() {
    band_start(19, 16);
    weather_broadcasts();
    diplo_traffic();
    // Figure streams.
    if (at(19512)) qtc_4f();
    if (at(19633) && cond(5)) qtc_5f();
    coast_watch(coast_watch_19, coast_watch_19_count);
    maritime_lists();

    // Fixed service: naval headquarters, military nets, diplomatic posts.
    if (at(19008)) { p(24, 1000, 4); send_still("VVV VVV VVV DE RCV RCV RCV QSX 14 19 MHZ  "); }
    if (at(19008) && t.wMinute % 20 == 12) { p(24, 1000, 4); fig_msg_ar("RJD99 RJD99 DE RCV QTC "); }
    if (at(19024) && cond(3)) { p(20, 900, 2); send_cond_par("RIW RIW RIW DE RMGE RMGE QSA? K", 2); }
    if (at(19038) && eh()) fixed_net(NET_RU_NAVY_NORTH, 24);
    if (at(19054)) { p(25, 1100, 3); send_still("FUE FUE FUE  VVV VVV VVV  "); }
    if (at(19054) && ms10(20)) { p(25, 1100, 3); let_msg_latin("CQ CQ DE FUE = ", 0x80); }
    if (at(19067) && oh()) fixed_net(NET_FR_NAVY_2, 41);
    if (at(19081) && cond(2)) { p(21, 1000, 3); send_cond("SUA SUA SUA DE SUA4 SUA4 QTC 2 K"); }
    if (at(19081) && ms(45)) { p(21, 1000, 3); fig_msg_ar("SUA DE SUA4 = "); }
    if (at(19087)) { p(24, 960, 3); send_still("IDR IDR IDR  VVV VVV VVV  "); }
    if (at(19104)) fixed_net(NET_UK_NAVY, 23);
    if (at(19120) && cond(3)) nato_qso();
    if (at(19129) && eh()) { p(22, 1300, 4); send_still("4XZ 4XZ 4XZ  VVV VVV VVV  "); }
    if (at(19143)) fixed_net(NET_RO_DIPLO, 25);
    if (at(19143) && ct(1000, 1030)) { p(22, 880, 3); let_msg_latin("OLX DE OLZ7 = ", 1); }
    if (at(19166) && od()) { p(20, 850, 2); send_cond_par("YIH YIH DE YIH7 YIH7 QTC K", 2); }
    if (at(19185)) { p(22, 800, 3); send_still("VVV VVV VVV DE RIW RIW RIW  "); }
    if (at(19185) && t.wMinute % 15 == 7) { p(22, 800, 3); fig_msg_ar("RJD69 RJD69 DE RIW QTC "); }
    if (at(19194) && ed()) { p(24, 1240, 4); send_cond_par("7TA 7TA 7TA DE 7TA35 7TA35 K", 2); }
    if (at(19226) && ml(30)) { p(23, 780, 3); send("AIJ1 AIJ1 DE NWP ZBO 1 O  "); nato_qtc(nr, 'O'); }
    if (at(19245) && cond(2)) { p(20, 800, 2); clg_cond("SPW", "SPW52", 2); }
    if (at(19261)) { p(24, 760, 3); send_still("SXA SXA SXA  VVV VVV VVV  "); }
    if (at(19282) && ms20(0)) { p(22, 900, 3); fig_msg_ar("HZN DE HZN3 QTC "); }
    if (at(19330)) { p(24, 1300, 3); send_still("PBC PBC PBC  VVV VVV VVV  "); }
    if (at(19347) && mh(39)) { p(21, 950, 3); send("CTP DE CTP3 ZBO 1 R  "); nato_qtc(nr, 'R'); }
    if (at(19363)) { p(25, 1000, 4); naval_coast("VVV VVV VVV DE GYA GYA GYA K  ", "GYA", rn_vsl, 38); }
    if (at(19363) && t.wMinute % 20 == 15) { p(25, 1000, 4); let_msg_latin("CQ CQ DE GYA = ", 0x80); }
    if (at(19376) && cond(3)) nato_qso();
    if (at(19411)) { p(22, 1150, 3); send_still("RMP RMP RMP  VVV VVV VVV  "); }
    if (at(19411) && ms(55)) { p(22, 1150, 3); fig_msg_ar("RJD38 DE RMP "); }
    if (at(19450)) fixed_net(NET_IT_NAVY, 10);
    if (at(19483)) { p(24, 850, 3); french_navy_coast("VVV VVV VVV DE FUM FUM FUM  ", "FUM"); }
    if (at(19509) && eh() && cond(2)) { p(20, 1000, 3); clg_cond("3VX", "3VX2", 2); }
    if (at(19560) && ms(35)) { p(20, 1000, 3); fig_msg_ar("SUA DE SUA6 = "); }
    if (at(19594) && cond(3)) { p(20, 900, 2); send_cond_par("RCV RCV RCV DE RKXX RKXX K", 2); }
    if (at(19618) && eh()) fixed_net(NET_RU_ARMY, 24);
    if (at(19656)) fixed_net(NET_CZ_DIPLO, 21);

    // Coast telegraphy: call markers and general calls.
    if (at(19681)) { p(22, 1000, 4); coast_station_ex("CQ CQ CQ DE UAT UAT UAT QSX 16 19 22 MHZ K  ", "UAT", "MOSKVA"); }
    if (at(19683) && cond(3)) { p(23, 900, 3); send_cond("UAT DE UZJM QTC 1 K"); }
    if (at(19685)) { p(25, 1150, 3); coast_station_ex("CQ DE DAN DAN DAN QSX 12 16 19 MHZ K  ", "DAN", "NORDDEICH"); }
    if (at(19687) && ct(600, 2000)) { p(24, 850, 3); send_still("CQ CQ CQ DE GKD9 GKD9 GKD9 QSX 18 MHZ K  "); }
    if (at(19689)) { p(22, 1300, 3); coast_station_ex("CQ DE PCH PCH PCH QSX 18 MHZ K  ", "PCH", "SCHEVENINGEN"); }
    if (at(19691) && eh()) { p(20, 780, 3); coast_station_ex("CQ CQ DE SVA SVA SVA QSX 18 22 MHZ K  ", "SVA", "ATHINAI"); }
    if (at(19693)) { p(24, 1020, 4); naval_coast("VVV VVV DE NMN NMN NMN QRU  ", "NMN", us_navy, 37); }
    if (at(19695) && ml(45)) { p(21, 900, 3); coast_station_ex("CQ CQ DE IAR IAR IAR QSX 18 MHZ K  ", "IAR", "ROMA"); }
    if (at(19697)) { p(22, 1100, 3); coast_station_ex("CQ DE LGB LGB LGB QSX 18 MHZ K  ", "LGB", "ROGALAND"); }
    if (at(19699) && oh()) { p(22, 700, 3); send_still("CQ CQ CQ DE UFB UFB UFB QSX 18 MHZ K  "); }
    if (at(19701) && cond(2)) { p(21, 880, 3); coast_station_ex("CQ CQ DE SPH SPH SPH QSX 18 MHZ K  ", "SPH", "GDYNIA"); }

    // Coast NBDP.
    if (at(19705)) { qsa = 3; sitor_marker(900, 18, "DCF"); }
    if (at(19710)) { qsa = 3; sitor_marker(1000, 20, "GKQ"); }
    if (at(19716)) { qsa = 2; sitor_marker(850, 17, "PCH"); }
    if (at(19722)) { qsa = 3; sitor_marker(960, 19, "SVU"); }
    if (at(19731)) { qsa = 2; sitor_marker(940, 17, "HEC"); }
    if (at(19740)) { qsa = 2; sitor_marker(1100, 20, "LGX"); }

    // Coast telephony.
    if (at({19758, 19770, 19785}) && cond(2)) fone_cond(3);

    // Fixed service above the maritime band.
    if (at(19808)) { p(24, 1000, 3); send_still("VVV VVV VVV DE RIW RIW RIW QSX 16 19 MHZ  "); }
    if (at(19808) && t.wMinute % 30 == 21) { p(24, 1000, 3); fig_msg_ar("RJD99 RJD99 DE RIW QTC "); }
    if (at(19826) && cond(3)) nato_qso();
    if (at(19844) && oh()) { p(25, 1100, 3); send_still("FUF FUF FUF  VVV VVV VVV  "); }
    if (at(19876)) fixed_net(NET_TAC_1, 21);
    if (at(19894)) { p(24, 1000, 3); send_still("VVV VVV VVV DE RJE RJE RJE K  "); }
    if (at(19917) && ed()) { p(22, 880, 3); send_cond_par("YIH YIH DE YIH4 YIH4 QTC K", 2); }
    if (at(19933) && eh()) { p(24, 760, 3); send_still("VVV VVV VVV SXA SXA SXA  "); }
    if (at(19951) && cond(2)) { p(20, 800, 2); clg_cond("SPW", "SPW61", 2); }
    if (at(19968)) { p(23, 1120, 3); naval_coast("VVV VVV VVV DE GYU GYU GYU  ", "GYU", rn_vsl, 38); }
    if (at(19979) && ms(10)) { p(20, 1000, 3); fig_msg_ar("SUA DE SUA1 = "); }

    // More of the fixed service: ministries and forces of the Middle East,
    // Europe and Africa, with the traffic of their outstations.
    if (at(19012) && ct(700, 1500)) { p(24, 1000, 5); send_still("VVV VVV VVV DE HEC2 HEC2 HEC2 BERN  "); }
    if (at(19012) && ct(700, 1500) && ms20(12)) { p(24, 1000, 5); sendf("HEC HEC HEC DE HEC2 NR %d = ", serial_of_day(1)); qtc5l(serial_of_day(1), 30, 2, 0); send_stack(" AR K"); }
    if (at(19029) && oh()) { p(21, 1300, 3); send_cond_bug("TBA TBA DE TBA8 TBA8 QTC 1 K"); }
    if (at(19095) && ct(800, 1400)) { p(25, 1000, 3); send_still("VVV VVV DE OLX OLX OLX QSX 19095  "); }
    if (at(19095) && ct(800, 1400) && cond(3)) { p(25, 1000, 3); clg_cond_bug("OLX", "OLX33", 2); }
    if (at(19137) && eh()) { p(22, 1600, 3); send_cond_bug("9KL 9KL DE 9KL6 9KL6 QRV? K"); }
    if (at(19151) && ct(1000, 1700)) { p(24, 1050, 5); send_still("VVV VVV VVV DE CTV CTV CTV QRU?  "); }
    if (at(19238) && cond(2)) { p(24, 1200, 4); send_cond_bug("SUA SUA DE SUA27 SUA27 QTC K"); }
    if (at(19268) && ct(800, 1500)) { p(22, 800, 3); send_still("VVV VVV VVV DE HZN HZN HZN JEDDAH  "); }
    if (at(19289) && ct(1200, 1400)) { p(24, 1000, 4); italian_diplo(); }
    if (at(19322) && ct(900, 1100)) { p(22, 1100, 3); polish_diplo("SPW35"); }
    if (at(19341) && ct(1300, 1600)) telecom_opchat_dx("SUA", "YKA", "");
    if (at(19369) && ct(700, 900) && ed()) { p(25, 900, 4); german_diplo(); }
    if (at(19384) && oh()) fixed_net(NET_TAC_F, 21);
    if (at(19403) && ct(1500, 1700)) { p(23, 1000, 3); cuban_diplo("CLP1"); }
    if (at(19436) && ct(1000, 1200)) auto_morse(50);
    if (at(19457) && cond(2)) nato_qso();
    if (at(19489) && ct(800, 1000)) { p(24, 950, 4); algerian_diplo("7RA"); }
    if (at(19012) && ct(600, 700)) send_vvv("HEC8");
    if (at(19049) && cond(3)) send_vvv("YZD");
    if (at(19095) && ct(700, 800)) send_vvv("OLX33");
    if (at(19151) && mh(50)) send_vvv("CTV5");
    if (at(19268) && cond(2)) send_vvv("HZN6");
    if (at(19207) && ct(1300, 1315)) { p(23, 2250, 3); send("ODR3 DE ODR = QRU = QRT = "); wait(3); send_stack("SK"); }
    if (at({19763, 19773, 19793}) && cond(3)) fone_cond(4);

    if (day()) {
        if (at(19686)) { p(22, 1000, 3); coast_station_ex("CQ DE ZSC ZSC ZSC QSX 18 MHZ K  ", "ZSC", "CAPETOWN"); }
        if (at(19694) && eh()) { p(21, 900, 2); coast_station_ex("CQ CQ DE VWB VWB VWB QSX 18 MHZ K  ", "VWB", "BOMBAY"); }
        if (at(19698) && oh()) { p(22, 1100, 3); coast_station_ex("CQ DE A9M A9M A9M QSX 18 MHZ K  ", "A9M", "BAHRAIN"); }
        if (at(19474) && cond(2)) { p(21, 760, 2); clg_cond("FUG", "FUG5", 2); }
        if (at(19043)) { p(21, 1150, 3); send_still("QRA QRA DE TUM TUM TUM ABIDJAN  "); }
        if (at(19063) && oh()) { p(23, 900, 3); send_cond("QRA QRA DE 9GA7 9GA7 ACCRA K"); }
        if (at(19117) && cond(2)) { p(20, 1400, 3); send_cond_bug("ETD ETD DE ETD4 ETD4 QSA? K"); }
        if (at(19197) && cond(3)) { p(24, 1250, 3); send_cond("9QL 9QL DE 9QL7 9QL7 QRK? QRV KINSHASA K"); }
        if (at(19252) && ml(20)) { p(22, 850, 1); send_still("CQ CQ DE C9M C9M C9M MAPUTO  "); }
        if (at(19276) && cond(2)) { p(20, 1000, 2); send_cond_bug("ZRH ZRH DE ZRH3 ZRH3 QTC? K"); }
        if (at(19359)) { p(23, 1300, 3); send_still("VVV VVV VVV DE 5XA 5XA 5XA  "); }
        if (at(19388) && cond(3)) { p(22, 900, 2); send_cond("5RS 5RS DE 5RS8 5RS8 QRV K"); }
        if (at(19418)) { p(24, 1000, 4); send_still("VVV VVV DE ST2 ST2 ST2 QSX 19418  "); }
    }
    if (reg2_day()) {
        if (at(19684)) { p(24, 1000, 4); coast_station_ex("CQ CQ CQ DE WCC WCC WCC QSX 4 6 8 12 16 22 MHZ K  ", "WCC", "CHATHAM"); }
        if (at(19692) && eh()) { p(22, 950, 3); coast_station_ex("CQ CQ DE PPR PPR PPR QSX 18 MHZ K  ", "PPR", "RIO"); }
        if (at(19702)) { p(24, 1040, 3); coast_station_ex("CQ CQ CQ DE KPH KPH KPH QSX 18 MHZ K  ", "KPH", "SANFRANCISCO"); }
        if (at(19284) && cond(2)) { p(20, 900, 3); send_cond("CLP4 CLP4 CLP4 DE CLP1 CLP1 K"); }
        if (at(19284) && ms(25)) { p(20, 900, 3); fig_msg_ar("CLP4 DE CLP1 "); }
        if (at(19522)) { p(24, 1000, 3); send_still("PWZ33 PWZ33 PWZ33  VVV VVV VVV  "); }
        if (at(19243)) { p(23, 1000, 2); send_still("VVV VVV VVV DE LOR LOR LOR QSX 16 19 MHZ  "); }
        if (at(19316) && cond(2)) { p(21, 900, 1); send_cond_bug("CCS CCS DE CCS4 CCS4 QTC K"); }
        if (at(19497)) { p(22, 1150, 2); send_still("VVV VVV DE YVG2 YVG2 YVG2 CARACAS  "); }
    }
    if (reg3f_day()) {
        if (at(19688)) { p(23, 900, 3); coast_station_ex("CQ CQ CQ DE JCS JCS JCS QSX 18 MHZ K  ", "JCS", "CHOSHI"); }
        if (at(19696) && eh()) { p(22, 1050, 3); coast_station_ex("CQ DE XSG XSG XSG QSX 18 MHZ K  ", "XSG", "SHANGHAI"); }
        if (at(19319) && cond(2)) { p(22, 820, 3); send_cond("XVN XVN DE XVN4 XVN4 QTC K"); }
        if (at(19855)) { p(25, 880, 2); send_still("VVV VVV VVV DE 3BA4 3BA4 3BA4  "); }
        if (at(19176)) { p(24, 1000, 2); send_still("VVV VVV VVV DE XSV XSV XSV  "); }
        if (at(19395) && oh()) { p(22, 1000, 1); send_still("VVV VVV DE JMC JMC JMC TOKYO  "); }
        if (at(19505)) { p(23, 800, 2); send_still("VVV VVV DE VHP VHP VHP CANBERRA  "); }
    }
    if (reg3m_day()) {
        if (at(19355)) { p(24, 1050, 3); send_still("VVV VVV VVV VTP VTP VTP  "); }
        if (at(19575) && ct(500, 700)) { p(21, 820, 3); fig_msg_ar("EPJ DE EPJ6 "); }
    }
    if (reg1rus_day()) {
        if (at(19700)) { p(22, 1000, 3); coast_station_ex("CQ CQ CQ DE UFL UFL UFL QSX 18 MHZ K  ", "UFL", "VLADIVOSTOK"); }
        if (at(19894) && eh_sked(10)) { p(24, 1000, 3); fig_msg_ar("RJD99 DE RJE "); }
    }
    stn();

    if (hist) {
        // Short-wave circuits of the 1930s and the war years.
        if (at(19016) && ct(800, 1600)) { p(20, 900, 3); qrh = 1; send_still("VVV VVV VVV DE GBJ GBJ GBJ K  "); }
        if (at(19161) && ct(1300, 2100)) { p(22, 1100, 3); qrh = 2; send_still("VVV VVV VVV DE WKF WKF WKF K  "); }
        if (at(19299) && eh()) { p(18, 750, 2); qrh = 1; send_still("VVV VVV DE DFD DFD DFD  "); }
        if (at(19422) && cond(2)) { p(21, 700, 2); send_cond("CQ CQ CQ DE FTD FTD QRU? K"); }
        if (at(19538) && ct(1000, 1400)) { p(20, 950, 3); fig_msg_ar("DGU DE DFD = "); }
        if (at(19660) && oh()) { p(18, 650, 2); qrh = 1; send_still("VVV VVV DE JVE JVE JVE  "); }
        if (at(19819) && ct(1500, 1800)) { p(22, 900, 3); let_msg_latin("GBJ DE WKF = ", 0x80); }
        if (at(19950) && ct(600, 1000)) { p(19, 800, 2); qrh = 2; send_still("VVV VVV DE VIZ VIZ VIZ  "); }
        // Beam stations of the Empire and the long-haul offices of the 1930s.
        if (at(19020) && ct(1200, 1800)) { p(30, 1000, 4); send_still("VVV VVV VVV DE GBK GBK GBK RUGBY  "); }
        if (at(19020) && ct(1200, 1800) && ms20(2)) { p(30, 1000, 4); sendf("WKF DE GBK NR %d = ", serial_of_day(2)); qtc5f(serial_of_day(2), 38); send_stack(" AR"); }
        if (at(19060) && ct(600, 1100)) { p(28, 1100, 3); send_still("VVV VVV DE VWY VWY VWY KIRKEE  "); }
        if (at(19100) && ct(1300, 1900)) { p(32, 900, 4); send_still("VVV VVV VVV DE WQA WQA WQA  "); }
        if (at(19100) && ct(1300, 1900) && cond(3)) { p(32, 900, 4); send_cond("PPU PPU DE WQA WQA QTC 9 K"); }
        if (at(19180) && ct(1000, 1600)) { p(27, 1250, 3); send_still("VVV VVV DE PPU PPU PPU  "); }
        if (at(19260) && ct(700, 1300)) { p(30, 1000, 5); send_still("VVV VVV VVV DE DFE DFE DFE NAUEN  "); }
        if (at(19260) && ct(700, 1300) && ml(15)) { p(30, 1000, 4); let_msg_latin("CQ DE DFE TRANSRADIO = ", 0x80); }
        if (at(19310) && ct(500, 1000)) { p(26, 900, 2); send_still("VVV VVV DE JVF JVF JVF  "); }
        if (at(19350) && ct(1100, 1700)) { p(28, 1050, 4); send_still("CQ CQ CQ DE FTM FTM FTM PRESSE  "); }
        if (at(19350) && ct(1100, 1700) && mh(39)) { p(28, 1050, 4); press_px("FTM", PRESS_HAVAS); }
        if (at(19400) && ct(900, 1500)) { p(25, 1300, 3); send_still("VVV VVV DE PCJ PCJ PCJ  "); }
        if (at(19480) && ct(1400, 2000)) { p(30, 1000, 4); send_still("VVV VVV VVV DE LSY LSY LSY  "); }
        if (at(19550) && ct(800, 1400)) { p(24, 800, 3); send_still("VVV VVV DE CTA CTA CTA LISBOA  "); }
        if (at(19600) && ct(1000, 1500) && cond(2)) { p(22, 950, 3); send_cond("GBK GBK DE ZSR ZSR QTC 6 K"); }
        if (at(19820) && ct(1300, 1900)) { p(32, 1150, 5); send_still("VVV VVV VVV DE GAU GAU GAU QRU  "); }
        if (at(19900) && ct(700, 1200)) { p(26, 1000, 1); send_still("VVV VVV DE XGM XGM XGM  "); }
        if (at(19920) && ct(1200, 1700)) { p(29, 900, 4); send_still("VVV VVV VVV DE RKI RKI RKI MOSKVA  "); }
        if (at(19960) && ct(1500, 2100)) { p(24, 1000, 3); send_still("CQ CQ DE WAR WAR WAR  "); }
        if (at(19985) && ct(800, 1300)) { p(27, 1100, 4); send_still("VVV VVV VVV DE EHY EHY EHY  "); }
    }
    stn();

    if (bkgnd) {
        // Fixed-service teleprinters and facsimile.
        if (at({19007, 19538}) && t.wHour % 3 == 1) rtlx("TASS MOSCOW", 850, 50);
        if (at(19034)) rtlx_cond_75_850("RIW", 3);
        if (at(19122)) rtlx_cond("AFP", 425, 50, 2);
        if (at(19225)) rtlx_cond_50_850("DPA", 5);
        if (at(19453)) rtlx_cond_arqe_96("ARQE", 2);
        if (at(19618)) rtlx_cond_100_425("MFA", 4);
        if (at({19391, 19902})) { qsa = 2; data(300, 2); }
        if (at({19748, 19752})) sitor();
        if (at(19760) && cond(3)) tuning();
        // Press: the agencies' long-haul services, mostly by day.
        if (at(19005) && ct(700, 1500)) rtlx("REUTER LONDON MIDDLE EAST", 425, 50);
        if (at(19027) && cond(2)) rtlx_cond("AFP PARIS ASIA", 425, 50, 4);
        if (at(19041) && ct(600, 1800) && t.wDayOfWeek != 0) rtlx("ANSA ROMA", 425, 50);
        if (at(19058) && ml(45)) rtlx_cond("TANJUG YZD", 425, 50, 2);
        if (at(19076) && ct(800, 1400)) rtlx("CTK OLD", 850, 50);
        if (at(19098) && eh()) rtlx_cond("MENA CAIRO", 425, 50, 3);
        if (at(19132) && reg3f_day()) rtlx("XINHUA BZG", 425, 50);
        if (at(19154) && ct(100, 900)) rtlx_cond("KCNA HMF", 850, 50, 0);
        if (at(19170) && reg2_day()) rtlx("PRENSA LATINA", 425, 50);
        if (at(19587) && ct(900, 1600)) rtlx("DPA HAMBURG", 425, 50);
        if (at(19610) && oh()) rtlx_cond("PAP SOK", 850, 50, 5);
        if (at(19640) && ct(700, 1900)) rtlx("MTI HGR", 425, 50);
        if (at(19664) && cond(3)) rtlx_cond("ADN Y2V", 425, 50, 2);
        // The Gulf, North Africa and Asia.
        if (at(19203) && ct(400, 1200)) rtlx_cond("IRNA TEHRAN", 425, 50, 5);
        if (at(19233) && day() && t.wDayOfWeek != 5) rtlx("INA BAGHDAD", 850, 50);
        if (at(19264) && ml(30)) rtlx_cond("SANA DAMASCUS", 425, 50, 2);
        if (at(19295) && ct(400, 1400)) rtlx("KUNA KUWAIT", 425, 50);
        if (at(19325) && oh()) rtlx_cond("QNA DOHA", 850, 50, 3);
        if (at(19352) && ct(800, 1700)) rtlx("APS ALGER", 425, 50);
        if (at(19380) && cond(2)) rtlx_cond("MAP RABAT", 425, 50, 4);
        if (at(19407) && eh()) rtlx("TAP TUNIS", 850, 50);
        if (at(19440) && ct(700, 1500)) rtlx_cond("JANA TRIPOLI", 425, 50, 0);
        if (at(19470) && reg3m_day()) rtlx("PTI NEW DELHI", 425, 50);
        if (at(19500) && ct(300, 1000)) rtlx_cond("APP KARACHI", 425, 50, 2);
        if (at(19530) && ct(100, 900)) rtlx("ANTARA JAKARTA", 850, 50);
        if (at(19557) && reg3f_day()) rtlx_cond("KYODO JJC", 425, 50, 3);
        // Weather services.
        if (at(19815) && (h(0) || h(6) || h(12) || h(18))) rtlx("DDK OFFENBACH", 425, 50);
        if (at(19833) && reg1rus_day()) rtlx_cond("RBV MOSKVA", 850, 50, 4);
        if (at(19850) && ct(600, 1800)) rtlx("IMB ROMA", 425, 50);
        // Forces and ministries.
        if (at(19868)) rtlx_cond_75_850("RFVI REUNION", 3);
        if (at(19885) && ct(600, 1600)) rtlx_cond("RFTJ DAKAR", 850, 75, 0);
        if (at(19908) && t.wDayOfWeek >= 1 && t.wDayOfWeek <= 5) rtlx_cond("AFE US ARMY", 850, 75, 2);
        if (at(19925) && oh()) rtlx("4XZ HAIFA", 850, 75);
        if (at(19945)) rtlx_cond_arqe_96("MFA PARIS", 4);
        // Coast printing in the maritime band.
        if (at(19707)) { qsa = 3; sitor_marker(980, 20, "SVO"); }
        if (at(19713)) { qsa = 4; sitor_marker(900, 22, "DAM"); }
        if (at(19725)) { qsa = 3; sitor_marker(1050, 18, "XSG"); }
        if (at(19733)) { qsa = 3; sitor_marker(920, 21, "LPD"); }
        // Teleprinter beneath the Morse marker of Rome.
        if (at(19087) && ct(1500, 1900)) rtlx_cond("IDR", 850, 50, 0);
        if (at(19008) && t.wMinute < 10) rtlx("RCV", 850, 50);
        qsa = 1;
        if (at({19110, 19258, 19444, 19591, 19877}) && eh()) n0n(1000);
        qsa = 3;
        if (at({19019, 19091, 19148, 19303}) && ct(600, 800)) n0n(900);
        qsa = 4;
        if (at(19990) && oh()) n0n(2100);
    }

    get_background(205, background_tab_19, prob_tab_19);

    band_end(19);
}

}  // namespace kestrel
