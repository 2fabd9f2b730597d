// Stations of 20000-20999 kHz, tested in order; every entry that applies is queued.
// Fixed service: naval and military broadcasts, government and embassy nets,
// channel markers of telegraph offices; almost all of it a daytime band.

#include "bandplan/background/background.h"
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
#include "traffic/blocks.h"
#include "traffic/diplomatic.h"
#include "traffic/military.h"
#include "traffic/naval.h"
#include "traffic/netcheck.h"
#include "traffic/press.h"

namespace kestrel {

namespace {


// "RIW RIW RIW DE unit unit" with the unit's request.
void riw(const char *request) { post_call("RIW", pick(rus_units, rus_units_20_rows), request); }


}  // namespace

namespace {

// Naval, military, government and embassy stations of the fixed service.
void fixed_service() {
    // Naval broadcast markers and channel markers of the fixed service.
    if (at(20004) && ct(600, 1800)) { p(26, 1100, 3); french_navy_coast("VVV  VVV  VVV  DE  FUE  FUE  FUE  3/8  3/12  3/16  3/20       ", "FUE"); }
    if (at(20034) && ct(800, 2000)) { p(24, 850, 4); naval_coast("VVV VVV VVV DE NSS NSS NSS      ", "NSS", us_navy, 37); }
    if (at(20101) && ct(700, 1700)) { p(22, 1250, 3); naval_coast("VVV VVV VVV DE GYA GYA GYA      ", "GYA", rn_vsl, 38); }
    if (at(20162) && ct(600, 1700) && ed()) { p(22, 1040, 3); italian_naval("VVV VVV VVV DE IDR IDR IDR      ", "IDR"); }
    if (at(20183) && ct(1100, 2000)) { p(24, 880, 4); naval_coast("VVV VVV VVV DE NAM NAM NAM      ", "NAM", us_navy, 37); }
    if (at(20270) && ct(600, 1400)) { p(28, 920, 3); send_still("CQ CQ CQ DE RIW RIW RIW QSX 13 16 20 K      "); }
    if (at(20412) && ct(1300, 2200)) { p(24, 960, 3); naval_coast("VVV VVV VVV DE NAU NAU NAU      ", "NAU", us_navy, 37); }
    if (at(20548) && ct(700, 1800)) { p(24, 1000, 4); send_still("VVV VVV VVV DE HEC HEC HEC      "); }

    // Russian naval units calling Moscow, and the answer.
    if (at(20270) && ct(600, 1400)) { p(20, 900, 2); send_cond_par("RIW RIW RIW DE RJD83 RJD83 QSA? K", 3); }
    if (at({20076, 20095}) && ct(500, 1500) && t.wMinute % 5 != 0) { p(20, 900, 2); riw("QTC K"); }
    if (at(20095) && ct(500, 1500) && t.wMinute % 5 == 0) { p(22, 1000, 3); fig_msg_count("RMX72 RMX72 DE RIW RIW QTC 1 = ", 20 + static_cast<int>(myrand() % 30)); }
    if (at(20152) && ct(400, 1300)) { p(19, 820, 1); riw("ZZU K"); }
    if (at(20206) && ct(700, 1500) && ml(30)) { p(23, 880, 3); fig_msg_count("XXX XXX DE RCV RCV RCV QTC = ", 30 + static_cast<int>(myrand() % 40)); }

    // US and NATO fleet traffic.
    if (at(20034) && ct(800, 2000) && mh(44)) { p(24, 850, 4); nato_msg("CQ CQ DE NSS NSS ", 'R'); }
    if (at(20183) && ct(1100, 2000) && ml(10)) { p(24, 880, 4); nato_msg("CQ CQ CQ DE NAM ", 'P'); }
    if (at(20214) && ct(900, 1800)) { nato_qso(); }
    if (at(20286) && ct(1000, 1800) && cond(2)) { nato_qso(); }
    if (at(20308) && ct(800, 1600) && oh()) { p(22, 1100, 3); nato_msg("VVV VVV DE MKL MKL ", 'O'); }

    // Government, army and embassy nets.
    if (at(20044) && reg2_day()) { p(22, 1150, 3); post_call(pick(cuba_posts), "CLP1", "QRU? K"); }
    if (at(20044) && reg2_day() && ms10(20)) { p(22, 1150, 3); let_msg_count("CLP8 DE CLP1 QTC 1 = ", 40 + static_cast<int>(myrand() % 40), 0x80); }
    if (at(20127) && ct(900, 1500)) { p(21, 1000, 3); post_call(pick(egypt_posts), "SUA", "QRV? K"); }
    if (at(20127) && ct(900, 1500) && min_sked_20(30)) { p(21, 1000, 3); let_msg_count("SUA56 DE SUA = ", 60, 1); }
    if (at(20168) && ct(800, 1400)) { p(24, 1000, 3); qsa_exchange("SUA38", "SUA", 2); }
    if (at(20247) && ct(600, 1700)) { p(20, 1200, 2); clg_cond("CNA2", "CNA", 2); }
    if (at(20247) && ct(600, 1700) && ms(40)) { p(20, 1200, 2); let_msg_count("CNA2 DE CNA QTC = ", 45, 0x80 | 2); }
    if (at(20301)) fixed_net(NET_GOV_B, 22);
    if (at(20367) && t.wDayOfWeek >= 1 && t.wDayOfWeek <= 5) fixed_net(NET_FR_ARMY, 41);
    if (at(20394)) fixed_net(NET_RU_AIR, 24);
    if (at(20462) && oh()) fixed_net(NET_ARMY_A, 21);
    if (at(20462) && ct(800, 1700) && eh()) { duplex_radiocheck(4, 1); }
    if (at(20508) && ct(500, 1400)) { duplex_radiocheck(6, 2); }
    if (at(20509) && ct(500, 1400)) { duplex_osn(4, 2); }
    if (at(20536)) fixed_net(NET_TAC_2, 23);
    if (at(20572) && ed()) fixed_net(NET_TAC_3, 10);
    if (at(20621) && ct(600, 1700)) { p(24, 1300, 3); clg_cond("YZO5", "YZO", 3); }
    if (at(20680) && ct(700, 1500)) { p(20, 900, 2); clg_cond_bug("OLX27", "OLX", 1); }
    if (at(20684) && ct(700, 1500) && ms10(0)) { p(20, 900, 2); fig_msg_count("OLX27 DE OLX NR 4 = ", 80); }
    if (at(20737) && ct(1200, 2000)) { p(18, 1600, 2); clg_cond("CLP12", "CLP1", 4); }
    if (at(20756) && ct(400, 1200)) { p(25, 1020, 3); send_cond_par("BZR62 BZR62 DE BZR BZR QRU? K", 2); }
    if (at(20757) && ct(400, 1200) && ms20(10)) { p(25, 1020, 3); indicator_qtc(2, 50, "BZR62 "); }
    if (at(20803) && ct(700, 1600)) { p(22, 1050, 3); send_cond_par("YIL YIL DE YIL4 YIL4 QTC 2 K", 2); }
    if (at(20855) && ct(600, 1400)) { p(21, 980, 3); qsa_exchange("SNN7", "SNN", 3); }
    if (at(20857) && ct(600, 1400) && ms(15)) { p(21, 980, 3); let_msg_count("SNN7 DE SNN QTC NR 23 = ", 70, 3); }
    if (at(20912) && ct(600, 1200)) { p(16, 1550, 2); qtc_qsk("5AF DE 5AF3 = NR 11 = REF UR NR 7 = ALL 12 GRS RECEIVED OK = QRU "); send_stack(" K"); }
    if (at(20940) && ct(800, 1400)) { p(24, 1000, 3); clg_cond("RAL23", "RAL", 102); }
    if (at(20978) && ct(700, 1500) && cond(2)) { low_pwr_mil(); }

    // Calls and signal reports on working channels.
    if (at(20059) && ct(700, 1500)) send_vvv("4XZ");
    if (at(20091) && ct(800, 1600)) random_vvv();
    if (at(20241) && ct(900, 1700)) send_vvv("9KL");
    if (at(20342) && ct(1000, 1900)) { p(20, 1060, 2); clg_cond("EBA5", "EBA", 2); }
    if (at(20452) && ct(600, 1500)) send_vvv("TBA3");
    if (at(20602) && ct(900, 1700)) { p(18, 1420, 2); clg_cond_par("OLX11", "OLX", 3, 3); }
    if (at(20697) && ct(1000, 1800)) random_vvv();
    if (at(20918) && ct(500, 1300)) { qsa_exchange("RAL5", "RAL23", 200); }

    // Foreign ministries, telegraph offices and forces: markers, calls and
    // their traffic, the outstation answering on the same channel.
    if (at(20009) && ct(700, 1600)) { p(24, 1000, 5); send_still("VVV VVV VVV DE HBD HBD HBD QSX 13 16 20 MHZ  "); }
    if (at(20009) && ct(700, 1600) && ms20(8)) { p(24, 1000, 5); send("HBD22 HBD22 DE HBD = "); qtc5l(3, 36, 2, 0x80); send_stack(" K"); }
    if (at(20016) && eh()) { p(21, 1450, 3); send_cond_bug("TAH TAH DE TAH9 TAH9 QTC 2 K"); }
    if (at(20029) && ct(900, 1500)) { p(22, 860, 4); send_still("CQ CQ DE OLZ OLZ OLZ PRAHA  "); }
    if (at(20047) && ct(1000, 1700)) { p(23, 1000, 3); send_still("VVV VVV DE 3VX 3VX 3VX TUNIS  "); }
    if (at(20047) && ct(1000, 1700) && cond(3)) { p(23, 1000, 3); clg_cond_bug("3VX", "3VX9", 2); }
    if (at(20069) && od()) { p(20, 1250, 3); send_cond_bug("IRM IRM DE IRM8 IRM8 QSA? K"); }
    if (at(20073) && ct(800, 1500)) { p(26, 930, 4); send_still("VVV VVV VVV DE 7RA 7RA 7RA ALGER  "); }
    if (at(20109) && cond(2)) { p(22, 800, 3); send_cond_bug("SUA SUA DE SUA41 SUA41 QRV? K"); }
    if (at(20120) && ct(900, 1600)) { p(24, 1050, 4); send_still("CQ CQ CQ DE 9KL 9KL 9KL KUWAIT QRU?  "); }
    if (at(20158) && ct(1100, 1800) && ml(10)) { p(20, 1000, 3); send("ODR5 DE ODR = "); qtc5f(2, 26); send_stack(" AR"); }
    if (at(20179) && cond(3)) { p(21, 1300, 4); send_cond_bug("YKA YKA DE YKA5 YKA5 QTC 3 K"); }
    if (at(20244) && cond(2)) { p(20, 760, 3); send_cond_bug("S2B S2B DE S2B3 S2B3 QTC K"); }
    if (at(20318) && cond(3)) { p(22, 900, 3); send_cond_bug("OXZ OXZ DE OXZ9 OXZ9 QTC? K"); }
    if (at(20372) && oh()) { p(24, 1000, 3); send_cond_bug("EBA EBA DE EBA9 EBA9 QSA? K"); }
    if (at(20383) && ct(700, 1300)) { p(22, 1350, 5); send_still("VVV VVV DE CTV CTV CTV LISBOA  "); }
    if (at(20399) && cond(2)) { p(20, 1000, 4); qsa_exchange("ZAA5", "ZAA", 2); }
    if (at(20424) && ct(1000, 1600)) { p(25, 880, 3); send_still("VVV VVV VVV DE HAT HAT HAT BUDAPEST  "); }
    if (at(20424) && ct(1000, 1600) && ms(20)) { p(25, 880, 3); send("HAT3 HAT3 DE HAT = "); qtc5f(7, 40); send_stack(" AR K"); }
    if (at(20448) && ct(800, 1800)) { p(24, 1000, 4); italian_diplo(); }
    if (at(20477) && ct(1100, 1300)) { p(22, 1100, 4); polish_diplo("SPW58"); }
    if (at(20487) && ct(900, 1200)) telecom_opchat_dx("YIL", "SUA", "");
    if (at(20497) && ct(1400, 1600)) { p(23, 1000, 3); german_diplo(); }
    if (at(20531) && ct(600, 900)) { p(24, 950, 4); cuban_diplo("CLP1"); }
    if (at(20566) && oh() && ct(800, 1400)) { p(21, 1000, 3); iranian_diplo(); }
    if (at(20605) && ct(1200, 1400)) auto_morse(40);
    if (at(20634)) fixed_net(NET_ARMY_E, 21);
    if (at(20650) && cond(2)) nato_qso();
    // Outstations tuning up on their net controls' channels.
    if (at(20009) && ct(600, 700)) send_vvv("HBD22");
    if (at(20029) && cond(3)) send_vvv("OLZ3");
    if (at(20120) && ct(800, 900)) send_vvv("9KL8");
    if (at(20158) && ct(1000, 1100)) send_vvv("ODR5");
    if (at(20424) && cond(2)) send_vvv("HAT3");
    if (at(20548) && mh(45)) send_vvv("HBD4");
    // Schedules arranged before the channel closes.
    if (at(20073) && ct(1500, 1515)) { p(26, 930, 4); send("7RA3 DE 7RA = QRU = NEXT SKED 0800Z = "); wait(3); send_stack("SK"); }
    if (at(20253) && ct(1145, 1200)) { p(23, 2150, 3); send("4SB2 DE 4SB = QSY 16 MHZ = "); wait(2); send_stack("AR"); }
    if (at(20383) && ct(1245, 1300)) { p(22, 1350, 5); send("CTV8 DE CTV = QRX 15 = "); wait(3); send_stack("K"); }

    stn();
}

// Stations heard only while the path is in daylight.
void daylight_block() {
    if (day()) {
        if (at(20000)) { qsa = 3; ts2("WWV"); }
        if (at(20019) && ml(30)) { p(24, 1000, 3); naval_coast("VVV VVV VVV DE CFH CFH CFH      ", "CFH", canadian_navy, 24); }
        if (at(20019) && mh(29)) { p(24, 1000, 3); naval_coast("C13L   C13L   VVV   VVV   DE   CFH   CFH      ", "CFH", canadian_navy, 24); }
        if (at(20027)) { p(21, 1000, 3); clg_cond("CKN", "CFH", 2); }
        if (at(20102) && ml(20)) { p(22, 1250, 3); let_msg_count("CQ CQ CQ DE GYA = ", 50, 0); }
        if (at(20175) && ct(900, 1700)) { p(21, 650, 2); send_still("VVV VVV VVV DE GXQ GXQ GXQ      "); }
        if (at(20256) && eh()) { p(20, 1000, 3); fig_msg_count("ZZZZ DE OXZ1 = ", 25); }
        if (at(20333) && cond(4)) { p(23, 1280, 3); send_cond("QRA? QRA? DE SPW SPW K"); }
        if (at(20408)) { p(26, 1000, 4); send_still("VVV VVV VVV DE DFH/DIS DFH/DIS DFH/DIS      "); }
        if (at(20481) && hl(12)) { p(22, 870, 3); send_still("VVV VVV VVV DE YOX YOX YOX      "); }
        if (at(20523)) { p(19, 1150, 2); send_still("VVV DE LZC LZC LZC      "); }
        if (at(20545) && oh()) { p(24, 1000, 3); fig_msg_count("HEC HEC DE HBD HBD QTC 2 = ", 35); }
        if (at(20585) && t.wDayOfWeek >= 1 && t.wDayOfWeek <= 4) { fav22(); }
        if (at(20641)) { p(21, 1000, 3); send_cond_par("VVV VVV DE 6VU 6VU QRU K", 2); }
        if (at(20663) && eh()) { p(25, 1000, 3); let_msg_count("YIL2 YIL2 DE YIL QTC = ", 55, 0x80); }
        if (at(20716) && ml(40)) { p(22, 1000, 4); send_still("VVV VVV VVV DE HZN HZN HZN      "); }
        if (at(20790) && cond(3)) { p(20, 1200, 3); send_cond("QRT QRT DE 7RA20 7RA20 ]"); }
        if (at(20822)) { p(24, 1400, 3); send_still("VVV VVV DE OLX9 OLX9 OLX9 QRV      "); }
        if (at(20878)) { p(23, 900, 3); send_still("CQ CQ CQ DE UAT2 UAT2 UAT2 QRU      "); }
        if (at(20948) && hh(11)) { p(28, 1000, 3); send_still("VVV VVV VVV DE KRH50 KRH50 KRH50      "); }
        if (at(20996) && ml(15)) { p(24, 1100, 3); send_still("VVV VVV DE 6YI 6YI QRU      "); }
        if (at(20011) && ml(30)) { p(23, 1000, 4); send_still("VVV VVV VVV DE 5YE 5YE 5YE NAIROBI      "); }
        if (at(20052)) { p(21, 1200, 3); send_still("QRA QRA DE 5NG 5NG 5NG LAGOS      "); }
        if (at(20079) && oh()) { p(24, 900, 3); send_cond("9GA 9GA DE 9GA5 9GA5 QRV? QSA? K"); }
        if (at(20093)) { p(22, 1000, 4); send_still("VVV VVV DE ETD ETD ETD ADDIS ABABA      "); }
        if (at(20116) && cond(2)) { p(20, 1500, 3); send_cond_bug("ST2 ST2 DE ST27 ST27 QRV? K"); }
        if (at(20143) && eh()) { p(25, 1000, 4); send_still("VVV VVV VVV DE 6VY 6VY 6VY DAKAR      "); }
        if (at(20164)) { p(23, 1100, 3); send_still("VVV VVV DE TUA TUA TUA ABIDJAN      "); }
        if (at(20186) && ml(40)) { p(21, 900, 3); send_still("CQ CQ DE TJM TJM TJM YAOUNDE      "); }
        if (at(20203) && cond(3)) { p(24, 1000, 3); qsa_exchange("9QL3", "9QL", 3); }
        if (at(20228)) { p(22, 1300, 4); send_still("VVV VVV VVV DE D2L D2L D2L LUANDA      "); }
        if (at(20258) && oh()) { p(20, 1000, 2); send_still("VVV VVV DE C9L C9L C9L MAPUTO      "); }
        if (at(20283) && cond(2)) { p(23, 800, 3); send_cond_bug("5RT 5RT DE 5RT2 5RT2 QTC K"); }
        if (at(20303)) { p(24, 1000, 2); send_still("VVV VVV VVV DE 9JB 9JB 9JB LUSAKA      "); }
        if (at(20327) && eh()) { p(21, 1150, 1); send_still("QRA QRA DE 5HA 5HA 5HA DAR ES SALAAM      "); }
        if (at(20354) && ml(20)) { p(22, 1000, 3); send_still("VVV VVV DE 5XA 5XA 5XA KAMPALA      "); }
        if (at(20376) && cond(3)) { p(20, 1250, 2); clg_cond("7QA", "7QA4", 2); }
        if (at(20392)) { p(25, 950, 4); send_still("VVV VVV VVV DE TZH TZH TZH BAMAKO      "); }
        if (at(20420) && oh()) { p(23, 1000, 3); send_still("VVV VVV DE 5UB 5UB 5UB NIAMEY      "); }
        if (at(20443) && cond(2)) { p(24, 1400, 3); send_cond("TTH TTH DE TTH6 TTH6 QSA? K"); }
        if (at(20468)) { p(21, 1000, 4); send_still("VVV VVV VVV DE XTU XTU XTU OUAGADOUGOU      "); }
        if (at(20494) && ml(30)) { p(22, 860, 3); send_still("VVV VVV DE TNA TNA TNA BRAZZAVILLE      "); }
        if (at(20520) && cond(3)) { p(20, 1000, 3); send_cond_bug("TRA TRA DE TRA2 TRA2 QRU? K"); }
        if (at(20541)) { p(23, 1200, 2); send_still("VVV VVV VVV DE A2D A2D A2D GABORONE      "); }
        if (at(20559) && eh()) { p(24, 1000, 1); send_still("VVV VVV DE 3DA 3DA 3DA MBABANE      "); }
    }

    if (reg2_day()) {
        if (at(20054) && ct(1300, 2200)) { p(24, 920, 4); naval_coast("VVV VVV VVV DE NPG NPG NPG      ", "NPG", us_navy, 37); }
        if (at(20118) && ml(30)) { p(22, 1150, 3); send_still("VVV VVV VVV DE CLP1 CLP1 CLP1      "); }
        if (at(20196) && oh()) { p(20, 1000, 3); send_still("VVV VVV VVV DE LOR LOR LOR      "); }
        if (at(20338)) { p(24, 1000, 3); clg_cond("YVG", "YVG2", 2); }
        if (at(20439)) { p(22, 1300, 2); send_still("VVV VVV DE CBV CBV CBV      "); }
        if (at(20552)) { p(23, 1000, 3); post_call(pick(cuba_posts), "CLP1", "QTC? K"); }
        if (at(20614) && ms10(0)) { p(23, 1000, 3); fig_msg_count("CLP5 DE CLP1 = ", 50); }
        if (at(20773)) { p(20, 950, 3); send_still("VVV VVV VVV DE HKC HKC HKC      "); }
        if (at(20886) && eh()) { p(24, 1000, 4); naval_coast("VVV VVV VVV DE NAW NAW NAW      ", "NAW", us_navy, 37); }
        if (at(20064)) { p(23, 1000, 2); send_still("VVV VVV VVV DE XBA XBA XBA MEXICO      "); }
        if (at(20214) && ct(1300, 1800)) { p(21, 880, 2); send_cond("HKC HKC DE HKC5 HKC5 QTC K"); }
        if (at(20364)) { p(24, 1100, 1); send_still("VVV VVV DE OAX OAX OAX LIMA      "); }
        if (at(20474) && oh()) { p(22, 1000, 2); send_still("CQ CQ DE CXR CXR CXR MONTEVIDEO      "); }
        if (at(20688) && cond(2)) { p(20, 950, 3); send_cond_bug("PWZ PWZ DE PWZ33 PWZ33 QSA? K"); }
    }

    if (reg1rus_day()) {
        if (at(20081) && ml(45)) { p(24, 1000, 3); send_still("VVV VVV VVV DE RIW RIW RIW      "); }
        if (at(20124) && t.wMinute % 10 < 5) { p(20, 880, 3); riw("QSA? K"); }
        if (at(20266)) { p(22, 1100, 3); send_still("VVV VVV DE RJH74 RJH74 RJH74      "); }
        if (at(20266) && ms(30)) { p(22, 1100, 3); fig_msg_count("CQ CQ DE RJH74 QTC = ", 40); }
        if (at(20471)) { p(18, 1500, 2); riw("QSB K"); }
        if (at(20611)) { p(25, 900, 4); send_still("VVV VVV VVV DE RKA RKA RKA      "); }
        if (at(20701)) { qsa_exchange("RCF43", "RCV", 3); }
        if (at(20864)) { duplex_osn(5, 1); }
    }

    if (reg3m_day()) {
        if (at(20146) && ml(50)) { p(23, 1000, 3); send_still("VVV VVV VVV DE AQP2/4/5/6/7/8      "); }
        if (at(20351) && hl(10)) { p(20, 880, 3); send_still("VVV VVV VVV DE 4SA 4SA 4SA      "); }
        if (at(20417)) { p(26, 1000, 4); send_still("VVV VVV VVV DE VTP VTP VTP      "); }
        if (at(20504) && oh()) { p(24, 1000, 3); send_still("VVV VVV DE XSV XSV XSV      "); }
        if (at(20653)) { p(22, 1200, 3); send_still("VVV VVV VVV DE 9MR 9MR 9MR      "); }
        if (at(20779) && ms20(0)) { p(22, 950, 3); fig_msg_count("XSV XSV DE XSV2 QTC = ", 45); }
    }

    if (reg3f_day()) {
        if (at(20106)) { p(24, 900, 3); naval_coast("VVV VVV VVV DE NPN NPN NPN      ", "NPN", us_navy, 37); }
        if (at(20233) && ml(30)) { p(24, 880, 4); naval_coast("VVV VVV VVV DE NPM NPM NPM      ", "NPM", us_navy, 37); }
        if (at(20430)) { p(20, 1000, 3); send_still("VVV VVV DE VHP VHP VHP      "); }
        if (at(20593)) { p(21, 1100, 2); french_navy_coast("VVV VVV DE FUJ FUJ FUJ      ", "FUJ"); }
        if (at(20744)) { p(25, 1000, 3); send_still("VVV VVV VVV DE JMC5 JMC5 JMC5      "); }
        if (at(20943)) { p(22, 960, 3); send_still("VVV VVV VVV DE ZLO ZLO ZLO      "); }
        if (at(20043)) { p(24, 1000, 2); send_still("VVV VVV VVV DE BAF BAF BAF      "); }
        if (at(20274) && cond(2)) { p(21, 900, 1); send_cond("XVN XVN DE XVN6 XVN6 QTC 3 = HANOI K"); }
        if (at(20534)) { p(23, 1100, 2); send_still("VVV VVV DE HSW HSW HSW BANGKOK      "); }
        if (at(20722) && oh()) { p(22, 1000, 2); send_still("VVV VVV VVV DE DZR DZR DZR MANILA      "); }
    }

    stn();
}

// Stations of the years before 1950 (HIST).
void historical_block() {
    if (hist) {
        // Transoceanic beam and press circuits of the 1930s and the war years.
        if (at(20636) && ct(1800, 300)) usarmy_fixed_net(usarmy_net_pacific, 5);
        if (at(20020) && ct(1200, 1800)) { p(35, 1100, 4); send_still("VVV VVV VVV DE WQA WQA WQA      "); }
        if (at(20060) && ct(900, 1600)) { p(40, 900, 3); send_still("VVV VVV VVV DE GBB GBB GBB      "); }
        if (at(20105) && ct(700, 1500)) { p(38, 1300, 3); send_still("VVV VVV DE DFA DFA DFA      "); }
        if (at(20150) && ct(1000, 1600)) { p(30, 1000, 4); send_still("VVV VVV VVV DE FTM FTM FTM      "); }
        if (at(20230) && ct(1300, 2000)) { p(34, 850, 3); send_still("VVV VVV DE LSN LSN LSN      "); }
        if (at(20310) && ct(800, 1400)) { p(30, 1200, 3); send_still("VVV VVV VVV DE PCK PCK PCK      "); }
        if (at(20380) && ct(400, 1000)) { p(32, 1050, 2); send_still("VVV VVV VVV DE JUM JUM JUM      "); }
        if (at(20460) && ct(1100, 1800)) { p(36, 950, 3); send_still("VVV VVV VVV DE PPU PPU PPU      "); }
        if (at(20500) && ct(1200, 1500)) { p(28, 1000, 4); send_still("CQ CQ CQ DE FYL FYL FYL PRESSE      "); }
        if (at(20562) && ct(1400, 1900) && t.wMonth >= 4 && t.wMonth <= 9) { p(30, 800, 3); send_still("VVV VVV VVV DE PWX PWX PWX      "); }
        if (at(20620) && ct(600, 1300)) { p(25, 1100, 3); send_still("VVV VVV DE VIZ3 VIZ3 VIZ3      "); }
        if (at(20698) && ct(800, 1400)) { p(33, 1000, 3); send_still("VVV VVV DE SUV SUV SUV      "); }
        if (at(20740) && ct(1000, 1700)) { p(45, 1200, 4); send_still("VVV VVV VVV DE WKN WKN WKN      "); }
        if (at(20800) && ct(700, 1600)) { p(26, 900, 3); send_still("VVV VVV DE RKI RKI RKI      "); }
        if (at(20870) && ct(800, 1500)) { p(36, 1150, 3); send_still("VVV VVV VVV DE IAC IAC IAC      "); }
        if (at(20920) && ct(900, 1800)) { p(30, 1000, 3); send_still("VVV VVV DE GBJ GBJ GBJ      "); }
        // Wartime fleet broadcasts, four-letter and five-letter groups.
        if (at(20126) && ct(600, 1800) && ml(30)) { p(22, 1000, 4); let_msg_count("CQ CQ CQ DE NSS = ", 60, 0); }
        if (at(20670) && ct(800, 1600)) {
            p(24, 800, 3);
            send("DHO DHO DHO = ");
            for (int i = 0; i < 40; ++i) send(group4l());
            send_stack(" + ");
        }
        if (at(20850) && ct(500, 1300) && eh()) { p(20, 1100, 2); let_msg_count("CQ CQ DE GBR = ", 45, 0x80); }
        if (at(20988) && cond(3)) { p(18, 1200, 3); send_cond("WCC WCC DE KFZO KFZO QRU? K"); }
        // More of the long-haul circuits: day paths across the Atlantic,
        // to South America, Africa and the Far East.
        if (at(20015) && ct(1300, 1900)) { p(32, 1000, 4); send_still("VVV VVV VVV DE WEL WEL WEL  "); }
        if (at(20015) && ct(1300, 1900) && ms20(3)) { p(32, 1000, 4); sendf("GBB DE WEL NR %d = ", serial_of_day(3)); qtc5f(serial_of_day(3), 40); send_stack(" AR"); }
        if (at(20040) && ct(1000, 1500)) { p(28, 1200, 5); send_still("VVV VVV DE GBC GBC GBC RUGBY  "); }
        if (at(20080) && ct(700, 1300)) { p(30, 900, 5); send_still("VVV VVV VVV DE DGU DGU DGU NAUEN  "); }
        if (at(20080) && ct(700, 1300) && cond(3)) { p(30, 900, 4); send_cond("LSN LSN DE DGU DGU QRV K"); }
        if (at(20130) && ct(1100, 1700)) { p(25, 1050, 3); send_still("CQ CQ CQ DE PPW PPW PPW PRESS  "); }
        if (at(20130) && ct(1100, 1700) && ml(20)) { p(25, 1050, 3); press_px("PPW", PRESS_AGENCIA_NACIONAL); }
        if (at(20170) && ct(800, 1400)) { p(34, 1100, 5); send_still("VVV VVV DE FTA FTA FTA SAINTE ASSISE  "); }
        if (at(20200) && ct(500, 1000)) { p(27, 1300, 1); send_still("VVV VVV VVV DE JYR JYR JYR TOKIO  "); }
        if (at(20200) && ct(500, 1000) && ms10(40)) { p(27, 1300, 2); fig4_msg("CQ DE JYR = ", 36); }
        if (at(20250) && ct(900, 1500)) { p(30, 1000, 4); send_still("VVV VVV DE ZSR ZSR ZSR KLIPHEUVEL  "); }
        if (at(20290) && ct(1200, 1800)) { p(26, 800, 3); send_still("VVV VVV VVV DE LSL LSL LSL  "); }
        if (at(20335) && ct(700, 1200)) { p(28, 1150, 2); send_still("VVV VVV DE VLK VLK VLK SYDNEY  "); }
        if (at(20335) && ct(700, 1200) && cond(3)) { p(28, 1150, 1); send_cond("GBP GBP DE VLK VLK QTC 12 K"); }
        if (at(20360) && ct(1000, 1600)) { p(30, 950, 3); send_still("VVV VVV DE CEC CEC CEC SANTIAGO  "); }
        if (at(20420) && ct(1300, 1800)) { p(33, 1000, 2); send_still("VVV VVV VVV DE KKQ KKQ KKQ  "); }
        if (at(20475) && ct(800, 1300)) { p(25, 1400, 2); send_still("VVV VVV DE PMN PMN PMN BANDOENG  "); }
        if (at(20530) && eh()) { p(28, 1000, 4); send_still("VVV VVV DE IBC IBC IBC ROMA  "); }
        if (at(20530) && eh() && ml(15)) { p(28, 1000, 4); let_msg_latin("CQ DE IBC ITALCABLE = ", 0); }
        if (at(20580) && ct(1100, 1500)) { p(29, 900, 1); send_still("VVV VVV DE XGOY XGOY XGOY  "); }
        if (at(20640) && ct(600, 1100)) { p(31, 1100, 4); send_still("VVV VVV VVV DE OPM OPM OPM LEOPOLDVILLE  "); }
        if (at(20710) && ct(1200, 1700)) { p(24, 1000, 3); send_still("VVV VVV DE CTA CTA CTA  "); }
        if (at(20760) && ct(900, 1500) && cond(2)) { p(22, 750, 5); send_cond("FTA FTA DE FZS FZS QTC 4 K"); }
        if (at(20780) && ct(1000, 1600)) { p(35, 1000, 4); send_still("VVV VVV VVV DE WQV WQV WQV RCA  "); }
        if (at(20830) && ct(700, 1300)) { p(27, 1200, 2); send_still("VVV VVV DE ZBW ZBW ZBW HONG KONG  "); }
        if (at(20890) && ct(1300, 1900)) { p(30, 850, 4); send_still("CQ CQ CQ DE GIC GIC GIC PRESS  "); }
        if (at(20950) && ct(800, 1400)) { p(26, 1000, 3); send_still("VVV VVV DE SUZ SUZ SUZ  "); }
        if (at(20975) && ct(1100, 1600)) { p(25, 1050, 4); send_still("VVV VVV VVV DE EAJ EAJ EAJ MADRID  "); }
    }
}

// Recordings, teleprinters and carriers in the background (BGND).
void background_block() {
    if (bkgnd) {
        if (at({20219, 20587}) && oh()) rtlx("TASS MOSCOW", 850, 50);
        if (at(20171)) rtlx_cond("XINHUA", 425, 50, 2);
        if (at(20339)) rtlx_cond_50_850("MENA", 3);
        if (at(20416)) rtlx_cond_75_850("RFW", 0);
        if (at(20515) && day()) rtlx_cond_50_425("KCNA", 0);
        if (at(20640)) rtlx_cond_arqe_96("YZO", 2);
        if (at(20766) && ct(900, 1500)) rtlx_cond("ANSA", 425, 50, 0);
        if (at(20815)) rtlx_cond_100_425("RFQP", 3);
        if (at(20914)) rtlx_cond_75_425("SUA", 4);
        if (at(20058) && day()) fax(120, 576);
        if (at(20431) && ct(1000, 1600)) fax(120, 576);
        if (at(20024)) radar();
        if (at(20706) && cond(3)) radar();
        if (at(20313)) { p(300, 1000, 2); _f1 = 1; send_still("ZZZZZZZZZZZZZZZ"); }
        if (at(20591)) qyt4();
        if (at(20141) && cond(4)) tuning();
        if (at(20679) && cond(5)) tuning();
        // Western agencies' overseas services, strongest while the path to
        // their readers is in daylight.
        if (at(20007) && reg2_day()) rtlx("REUTER LONDON LATIN AMERICA", 425, 50);
        if (at(20022) && ct(800, 1600)) rtlx_cond("AFP PARIS AFRICA", 425, 50, 3);
        if (at(20031) && ct(600, 1800) && t.wDayOfWeek != 0) rtlx("DPA HAMBURG ASIA", 425, 50);
        if (at(20046) && oh()) rtlx_cond("ANSA ROMA", 425, 50, 2);
        if (at(20512) && ct(1300, 2000)) rtlx("EFE MADRID", 850, 50);
        if (at(20554) && ml(40)) rtlx_cond("ANOP LISBOA", 425, 50, 4);
        if (at(20539) && ct(1100, 2100)) rtlx("TELAM BUENOS AIRES", 425, 50);
        if (at(20569) && ct(700, 1300)) rtlx_cond("ANA ATHINAI", 850, 50, 0);
        // The Eastern agencies.
        if (at(20056) && ct(500, 1500)) rtlx("TANJUG YZJ", 850, 50);
        if (at(20071) && cond(2)) rtlx_cond("CTK OLP", 425, 50, 4);
        if (at(20088) && ct(500, 1700)) rtlx("PAP SOH", 425, 50);
        if (at(20111) && eh()) rtlx_cond("ADN Y2L", 425, 50, 0);
        if (at(20129) && t.wMinute < 45) rtlx("MTI HGS", 425, 50);
        if (at(20148) && ct(900, 1500)) rtlx_cond("AGERPRES YOP", 850, 50, 3);
        if (at(20582) && day()) rtlx_cond("BTA LZB", 425, 50, 0);
        if (at(20599) && ct(600, 1400)) rtlx("ATA ZAT", 425, 50);
        if (at(20484) && reg2_day()) rtlx("PRENSA LATINA", 425, 50);
        // Asia: the Far Eastern agencies' services to Europe and Africa.
        if (at(20160) && ct(600, 1400)) rtlx("XINHUA BZR", 425, 50);
        if (at(20181) && reg3f_day()) rtlx_cond("KYODO JJC", 425, 50, 2);
        if (at(20193) && ct(300, 1300)) rtlx("ANTARA JAKARTA", 850, 50);
        if (at(20211) && reg3m_day()) rtlx_cond("PTI NEW DELHI", 425, 50, 5);
        if (at(20223) && ct(400, 1200)) rtlx("APP KARACHI", 425, 50);
        if (at(20617) && ct(500, 1100)) rtlx_cond("VNA HANOI", 850, 50, 2);
        if (at(20631) && ct(0, 1100)) rtlx("KCNA HMF", 425, 50);
        // The Arab and Iranian agencies.
        if (at(20237) && ct(500, 1300)) rtlx_cond("IRNA TEHRAN", 850, 50, 0);
        if (at(20249) && ct(600, 1600) && t.wDayOfWeek != 5) rtlx("INA BAGHDAD", 425, 50);
        if (at(20264) && ml(30)) rtlx_cond("KUNA KUWAIT", 425, 50, 3);
        if (at(20281) && ct(600, 1400)) rtlx("WAM ABU DHABI", 425, 50);
        if (at(20295) && eh()) rtlx_cond("SPA RIYADH", 850, 50, 0);
        if (at(20311) && ct(800, 1700)) rtlx("JANA TRIPOLI", 425, 50);
        if (at(20336) && cond(2)) rtlx_cond("APS ALGER", 425, 50, 4);
        if (at(20347) && ct(700, 1900)) rtlx("MAP RABAT", 850, 50);
        if (at(20362) && oh()) rtlx_cond("TAP TUNIS", 425, 50, 2);
        if (at(20379) && ct(600, 1500)) rtlx("SUNA KHARTOUM", 425, 50);
        // African agencies.
        if (at(20389) && ct(800, 1800)) rtlx_cond("PANA DAKAR", 850, 50, 3);
        if (at(20404) && day()) rtlx("KNA NAIROBI", 425, 50);
        if (at(20427) && ct(900, 1600)) rtlx_cond("GNA ACCRA", 425, 50, 5);
        if (at(20441) && ct(800, 1800)) rtlx("AIM MAPUTO", 850, 50);
        if (at(20458) && eh()) rtlx_cond("ZIANA HARARE", 425, 50, 2);
        // Weather services.
        if (at(20659) && (h(6) || h(12) || h(18))) rtlx("DDH OFFENBACH", 425, 50);
        if (at(20675) && ct(900, 1500)) rtlx_cond("GFL BRACKNELL", 425, 50, 0);
        if (at(20693) && reg1rus_day()) rtlx_cond("RBI TASHKENT", 850, 50, 4);
        if (at(20713) && reg3f_day()) rtlx("AXM MELBOURNE", 850, 50);
        if (at(20733) && ct(0, 800)) rtlx_cond("JMG TOKYO", 425, 50, 2);
        // Forces and ministries.
        if (at(20749) && oh()) rtlx_cond_75_850("RFFA PARIS", 0);
        if (at(20763) && reg2_day()) rtlx_cond("RFLI FORT DE FRANCE", 850, 75, 3);
        if (at(20785) && ct(600, 1600)) rtlx("AFE US ARMY", 850, 75);
        if (at(20808)) rtlx_cond_arqe_96("MFA ROMA", 2);
        if (at(20826) && ct(700, 1500)) rtlx_cond("DFZG BONN", 425, 75, 4);
        // Teleprinters under the markers of their offices.
        if (at(20548) && t.wMinute >= 45) rtlx_cond("HEC", 425, 50, 0);
        if (at(20009) && ct(1600, 2000)) rtlx("HBD", 425, 50);
        if (at(20424) && ct(1600, 1800)) rtlx_cond("HAT", 850, 50, 2);
        if (at(20158) && ct(1800, 2000)) rtlx("ODR", 425, 50);
        // Weather charts and press photographs.
        if (at(20849) && ct(1000, 1600)) fax(120, 576);
        if (at(20876) && reg3f_day()) fax(120, 576);
        if (at({20527, 20543}) && cond(2)) { qsa = 3; data(200, 3); }
        qsa = 4;
        if (at({20093, 20164, 20228, 20303}) && ct(600, 800)) n0n(1000);
        qsa = 3;
        if (at(20810) && day()) n0n(2300);
        if (at({20046, 20512}) && cond(3)) fone_cond(5);
        qsa = 2;
        if (at({20013, 20136, 20268, 20333, 20455, 20577, 20721, 20860, 20981}) && day()) n0n(1000);
    }

    get_background(187, background_tab_20, prob_tab_20);
}

}  // namespace

void band_20() {
    band_start(20, 22);
    weather_broadcasts();
    diplo_traffic();
    // A Soviet ship's operator testing his keying with the headquarters.
    if (at(20411)) qrr3("RIW", "RJD83");
    fixed_service();
    daylight_block();
    historical_block();
    background_block();
    band_end(20);
}

}  // namespace kestrel
