// Stations of 18000-18999 kHz, tested in order; every entry that applies is queued.
// 18000-18068 fixed and military aeronautical, 18068-18168 amateur (telegraphy
// to 18095, the beacon chain on 18110, telephony above), 18168-18780 fixed
// service, 18780-18900 maritime ship stations of the 18/19 MHz band,
// 18900-19000 broadcasting and fixed.

#include "bandplan/background/background.h"
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
#include "state/receiver.h"
#include "synth/machine.h"
#include "synth/morse.h"
#include "traffic/amateur.h"
#include "traffic/blocks.h"
#include "traffic/diplomatic.h"
#include "traffic/military.h"
#include "traffic/naval.h"
#include "traffic/netcheck.h"
#include "traffic/press.h"

namespace kestrel {

namespace {

// Military aeronautical stations and the amateur band.
void aero_and_amateur() {
    // Military aeronautical and fixed stations below the amateur band.
    if (at(18013) && cond(3)) { p(20, 1100, 2); send_cond("RFH RFH DE 9TN4 9TN4 QSA? K"); }
    if (at(18021)) fone_cond(4);
    if (at(18024)) fixed_net(NET_TAC_3, 10);
    if (at(18032)) { p(24, 1000, 4); send_still("VVV VVV VVV DE RCV RCV RCV  "); }
    if (at(18032) && t.wMinute % 20 == 8) { p(24, 1000, 4); fig_msg_ar("RJD99 RJD99 DE RCV QTC "); }
    if (at(18046) && oh()) { p(25, 1100, 3); french_navy_coast("VVV VVV VVV DE FUE FUE FUE  ", "FUE"); }
    if (at(18064) && eh()) fixed_net(NET_RU_NAVY_BALTIC, 24);

    // Amateur telegraphy.

    // W1AW bulletins, as on 14 MHz.
    if (at(18097) && (ct(100, 120) || ct(400, 420) || ct(2200, 2220))) {
        p(18, 750, 3);
        sendf("QST QST QST DE W1AW W1AW W1AW  ARRL DX BULLETIN NR %d = ", day_of_year() / 7 + 1);
        send_stack("STATIONS IN THE SOUTH PACIFIC ARE ACTIVE ON 17 METERS IN THE LATE EVENING = "
                   "PLEASE LISTEN FOR THE OPERATORS INSTRUCTIONS AND CALL ONLY WHEN ASKED = "
                   "QST DE W1AW  AR  SK");
    }

    // The beacon chain, one turn behind 14100; here half the paths are closed.
    if (at(18110)) world_beacon_net();
    if (within(18068, 18100) && cond(2)) amateur_tfc();
    if (at(18086) && cond(4)) qrp_qso();

    // Amateur telephony.
    if (at({18130, 18145, 18160}) && cond(2)) fone_cond(3);
}

// The fixed service and the 18/19 MHz ship stations.
void fixed_and_ships() {
    // Fixed service.
    if (at(18177)) { p(24, 1000, 3); send_still("VVV VVV DE RIW RIW RIW QRU  "); }
    if (at(18177) && t.wMinute % 15 == 4) { p(24, 1000, 3); fig_msg_ar("RJD69 RJD69 DE RIW QTC "); }
    if (at(18182) && cond(3)) { p(20, 900, 2); send_cond_par("RIW RIW RIW DE RKXX RKXX QSA? K", 2); }
    if (at(18191) && oh()) fixed_net(NET_FR_AIR_2, 41);
    if (at(18198)) { p(22, 1150, 3); send_still("VVV VVV VVV DE RMP RMP RMP K  "); }
    if (at(18198) && ms(40)) { p(22, 1150, 3); fig_msg_ar("RJD38 DE RMP "); }
    if (at(18205)) fixed_net(NET_CZ_DIPLO, 21);
    if (at(18205) && ct(1000, 1040)) { p(22, 880, 3); let_msg_latin("OLX DE OLV = ", 1); }
    if (at(18215)) { p(24, 960, 3); italian_naval("VVV VVV VVV DE IDR IDR IDR K  ", "IDR"); }
    if (at(18225) && cond(3)) nato_qso();
    if (at(18235) && ms(0)) { p(22, 1000, 3); fig_msg_ar("SUA DE SUA8 = "); }
    if (at(18248) && eh()) { p(22, 1300, 4); send_still("VVV VVV VVV DE 4XZ 4XZ 4XZ  "); }
    if (at(18253)) fixed_net(NET_TAC_4, 21);
    if (at(18271) && ml(30)) { p(23, 780, 3); send("AIJ1 AIJ1 DE NWP ZBO 1 R  "); nato_qtc(nr, 'R'); }
    if (at(18278) && od()) { p(20, 850, 2); send_cond_par("YIH YIH DE YIH3 YIH3 QTC K", 2); }
    if (at(18290) && ed()) { p(24, 1240, 4); send_cond_par("7TA 7TA 7TA DE 7TA33 7TA33 K", 2); }
    if (at(18301)) { p(21, 1150, 2); send_still("VVV VVV DE TBA3 TBA3 QSX 18301  "); }
    if (at(18311) && cond(2)) { p(20, 800, 2); clg_cond("SPW", "SPW44", 2); }
    if (at(18317)) { p(24, 760, 3); send_still("VVV VVV VVV DE SXA SXA SXA  "); }
    if (at(18332) && ms20(40)) { p(22, 900, 3); fig_msg_ar("HZN DE HZN7 QTC "); }
    if (at(18346) && oh()) { p(26, 880, 3); send_still("VVV VVV VVV DE EBA EBA EBA K  "); }
    if (at(18369) && mh(39)) { p(21, 950, 3); send("CTP DE CTP2 ZBO 1 P  "); nato_qtc(nr, 'P'); }
    if (at(18375)) { p(24, 1300, 3); send_still("VVV VVV VVV DE PBC PBC PBC  "); }
    if (at(18379)) { p(25, 1000, 4); naval_coast("VVV VVV VVV DE GYA GYA GYA  ", "GYA", rn_vsl, 38); }
    if (at(18379) && t.wMinute % 15 == 9) { p(25, 1000, 4); let_msg_latin("CQ CQ DE GYA = ", 0x80); }
    if (at(18393) && ml(40)) { p(23, 1120, 3); send_still("VVV VVV DE DHJ59 DHJ59 DHJ59  "); }
    if (at(18406) && cond(3)) nato_qso();
    if (at(18414) && eh()) fixed_net(NET_RU_NAVY_BLACK_SEA, 24);
    if (at(18428)) { p(22, 1000, 3); send_still("RJE RJE RJE  VVV VVV VVV  "); }
    if (at(18460)) { p(24, 1050, 3); send_still("VVV VVV DE 5AL 5AL 5AL QRU  "); }
    if (at(18471)) fixed_net(NET_US_NAVY, 23);
    if (at(18504)) { p(24, 850, 3); send_still("FUX FUX FUX  VVV VVV VVV  "); }
    if (at(18517) && eh() && cond(2)) { p(20, 1000, 3); clg_cond("3VX", "3VX5", 2); }
    if (at(18533) && ms(30)) { p(20, 1000, 3); fig_msg_ar("SUA DE SUA2 = "); }
    if (at(18546)) { p(24, 1000, 3); send_still("VVV VVV VVV DE RCV RCV RCV QSX 16 18 MHZ  "); }
    if (at(18560) && cond(3)) { p(20, 900, 2); send_cond_par("RCV RCV RCV DE RHFE RHFE K", 2); }
    if (at(18583) && oh()) { p(24, 1000, 3); send_still("VVV VVV VVV IGJ42 IGJ42 IGJ42  "); }
    if (at(18612)) fixed_net(NET_HU_DIPLO, 25);
    if (at(18624)) { p(24, 900, 3); send_still("VVV VVV VVV FUM FUM FUM  "); }
    if (at(18660) && mh(44)) { p(22, 920, 3); fig_msg_ar("PWZ DE PWZ33 QTC "); }
    if (at(18681)) { p(23, 800, 3); send_still("VVV VVV VVV DE RIW RIW RIW QSX 14 16 18 MHZ  "); }
    if (at(18693) && cond(3)) nato_qso();
    if (at(18730) && ml(30)) { p(22, 1100, 3); naval_coast("VVV VVV DE GYU GYU QSX 18730  ", "GYU", rn_vsl, 38); }
    if (at(18753) && oh()) fixed_net(NET_FR_NAVY_1, 41);

    // Ship stations of the 18/19 MHz band: telephony, then telegraphy calling the coast.
    if (at({18792, 18810, 18822}) && cond(2)) fone_cond(3);
    if (at(18872) && cond(2)) { p(21, 900, 3); clg_cond("UAT", "UHQS", 2); }
    if (at(18874) && cond(2)) { p(23, 1100, 2); clg_cond("DAN", "DHMP", 2); }
    if (at(18876) && cond(2)) { p(19, 760, 2); clg_cond("SVA", "SVBK", 4); }
    if (at(18878) && eh()) post_call("PCH", "PDKY", "QSA? K");
    if (at(18880) && cond(2)) { p(22, 1200, 3); clg_cond("LGB", "LAVK2", 2); }
    if (at(18882) && cond(3)) { p(20, 880, 2); clg_cond("A9M", "ELQY8", 4); }
    if (at(18884) && oh()) post_call("UFB", "UFLS", "QTC 2 K");
    if (at(18886) && cond(2)) { p(24, 1000, 3); clg_cond("GKA", "MQXY5", 2); }
    if (at(18888) && cond(3)) { p(18, 700, 2); clg_cond("SUH", "SSBE", 2); }
    if (at(18890) && cond(2)) { p(21, 1050, 3); send_cond("SPH DE SQKE QTC 1 K"); }
    if (at(18893) && cond(3)) { p(22, 930, 2); send_cond("IAR DE IBKL QRV K"); }
    if (at(18896) && cond(3)) { p(20, 800, 2); clg_cond("YUR", "YUTD", 2); }

    // Fixed stations above the maritime band.
    if (at(18908)) { p(24, 1000, 3); send_still("RCV RCV RCV  VVV VVV VVV  "); }
    if (at(18938) && cond(3)) { p(20, 900, 2); send_cond_par("RIW RIW RIW DE RMCB RMCB QSA? K", 2); }
    if (at(18954) && eh()) { p(22, 1150, 3); french_navy_coast("VVV VVV DE FUG FUG FUG  ", "FUG"); }
    if (at(18980)) fixed_net(NET_US_ARMY, 21);
}

// Stations heard only while the path is in daylight.
void daylight_block() {
    if (day()) {
        if (at(18218)) { p(26, 1150, 3); send_still("VVV VVV DE OXZ OXZ OXZ QRU  "); }
        if (at(18352) && ml(20)) { p(24, 880, 3); send_cond_par("FUG FUG DE FUG2 FUG2 QTC K", 2); }
        if (at(18622)) { p(20, 700, 2); send_still("VVV VVV VVV DE 7TA23 7TA23 7TA23  "); }
        if (at(18870) && cond(3)) { p(20, 1000, 3); clg_cond("VWB", "VTJK", 2); }
    }
    if (reg2_day()) {
        if (at(18333) && cond(2)) { p(20, 900, 3); send_cond("CLP3 CLP3 CLP3 DE CLP1 CLP1 K"); }
        if (at(18333) && ms(50)) { p(20, 900, 3); fig_msg_ar("CLP3 DE CLP1 "); }
        if (at(18567) && cond(2)) { p(24, 1000, 3); send_still("VVV VVV VVV DE LOR LOR LOR  "); }
        if (at(18878) && cond(3)) { p(22, 780, 3); clg_cond("WCC", "WSDX", 2); }
    }
    if (reg3f_day()) {
        if (at(18309) && cond(2)) { p(22, 780, 3); send_cond("XVN XVN DE XVN2 XVN2 QTC K"); }
        if (at(18443)) { p(25, 900, 2); send_still("VVV VVV DE 3BA2 3BA2 3BA2 QRU  "); }
        if (at(18874) && cond(3)) { p(20, 700, 3); clg_cond("JCS", "7JKQ", 2); }
    }
    if (reg3m_day()) {
        if (at(18519)) { p(24, 1050, 3); send_still("VVV VVV VVV DE VTP VTP VTP K  "); }
        if (at(18706) && ct(500, 700)) { p(21, 820, 3); fig_msg_ar("EPJ DE EPJ4 "); }
    }
    if (reg1rus_day()) {
        if (at(18428) && oh_sked(40)) { p(22, 1000, 3); fig_msg_ar("RJD99 DE RJE "); }
    }
    stn();
}

// Stations of the years before 1950 (HIST).
void historical_block() {
    if (hist) {
        // Short-wave circuits of the 1930s and the war years.
        if (at(18041) && ct(800, 1600)) { p(20, 900, 3); qrh = 1; send_still("VVV VVV DE GBK GBK GBK QRU  "); }
        if (at(18199) && ct(1300, 2100)) { p(22, 1100, 3); qrh = 2; send_still("VVV VVV DE WQV WQV WQV QRU  "); }
        if (at(18297) && eh()) { p(18, 750, 2); qrh = 1; send_still("VVV VVV DE DFB DFB DFB  "); }
        if (at(18396) && cond(2)) { p(21, 700, 2); send_cond("CQ CQ CQ DE FTM FTM QRU? K"); }
        if (at(18483) && ct(1000, 1400)) { p(20, 950, 3); fig_msg_ar("DGH DE DFB = "); }
        if (at(18558) && oh()) { p(18, 650, 2); qrh = 1; send_still("VVV VVV DE JYT JYT JYT  "); }
        if (at(18619) && ct(1500, 1800)) { p(22, 900, 3); let_msg_latin("GBW DE WKN = ", 0x80); }
        if (at(18682) && eh()) { p(20, 1000, 3); qrh = 1; send_still("VVV VVV VVV DE IAC IAC IAC K  "); }
        if (at(18771) && ct(600, 1000)) { p(19, 800, 2); qrh = 2; send_still("VVV VVV DE VWZ VWZ VWZ  "); }
    }
    stn();
}

// More of the fixed service: naval and military stations, embassies, press
// and the ministries' own circuits, each behind its own marker.
void fixed_more() {
    if (at(18003) && ct(600, 1800)) { p(22, 1150, 4); send_still("VVV VVV VVV DE MKD MKD MKD QSX 11 18 MHZ  "); }
    if (at(18003) && ml(15)) { p(22, 1150, 4); send("MKD DE MKD ZBO 2 O  "); nato_qtc(nr, 'O'); }
    if (at(18008) && cond(3)) { p(20, 1300, 3); send_cond_bug("MKD MKD DE MKK QSA? IMI K"); }
    if (at(18017) && eh()) { p(24, 1650, 4); send_still("FDY FDY FDY  VVV VVV VVV  BRICY  "); }
    if (at(18036) && cond(2)) send_cond_bug("RFFA RFFA DE RFQP RFQP QRK? K");
    if (at(18058) && oh()) { p(25, 1000, 3); send_still("VVV VVV VVV DE NAU NAU NAU QSX 8 12 18 MHZ  "); }
    if (at(18058) && mh(44)) { p(25, 1000, 3); send("NAU DE NAU ZBO 1 R  "); nato_qtc(nr, 'R'); }
    if (at(18174) && ct(700, 1900)) { p(24, 1000, 5); send_still("VVV VVV DE 7TA 7TA 7TA QRU QSX 14 18 MHZ  "); }
    if (at(18174) && ms10(30)) { p(24, 1000, 5); send("7TA28 DE 7TA = "); qtc5f(nr, 45); send_stack(" AR"); }
    if (at(18186) && cond(3)) send_cond_bug("OLX OLX DE OLX9 QRV? K");
    if (at(18202) && eh()) { p(23, 1700, 4); send_still("VVV VVV VVV DE YZO YZO YZO ZAN  "); }
    if (at(18202) && ms(10)) { p(23, 1700, 4); send("YZO14 YZO14 DE YZO QTC NR "); fig_msg_count("", 30); }
    if (at(18209) && cond(2)) send_vvv("SPW");
    if (at(18238) && ct(800, 1600)) { p(26, 1000, 4); send_still("CQ CQ DE CLP1 CLP1 CLP1 QTC  "); }
    if (at(18238) && ms20(20)) { p(26, 1000, 4); send("CLP33 CLP33 DE CLP1 = "); qtc5f(nr, 60); send_stack(" + K"); }
    if (at(18244) && ct(900, 1500)) { p(24, 960, 3); telecom_opchat_dx("SUA", "SUA7", ""); }
    if (at(18262) && cond(3)) send_cond_bug("TBA TBA DE TBA5 TBA5 QTC 2 K");
    if (at(18268) && ct(1300, 1900)) { p(23, 1400, 4); send_still("PWZ33 PWZ33 PWZ33  VVV VVV VVV  RIO  "); }
    if (at(18274) && oh()) { p(16, 1900, 3); send_still("XSS XSS XSS  VVV VVV VVV  "); }
    if (at(18281) && ct(600, 1400)) { p(24, 1000, 4); send_still("VVV VVV VVV DE DHJ51 DHJ51 DHJ51 QRU  "); }
    if (at(18281) && ms(35)) { p(24, 1000, 4); nato_msg("DHJ59 DE DHJ51 ZBO 1 P  ", 'P'); }
    if (at(18287) && cond(4)) send_cond_bug("HMF HMF DE HMF27 HMF27 QTC K");
    if (at(18306) && ml(20)) { p(14, 1100, 3); send("4XZ DE 4XZ2 = "); qtc5f(nr, 35); send_stack(" K"); }
    if (at(18322) && eh()) { p(24, 1000, 3); send_still("VVV VVV VVV DE 5AF 5AF 5AF TRIPOLI  "); }
    if (at(18322) && h_3(7)) { p(24, 1000, 3); fig_msg_ar("5AF7 5AF7 DE 5AF QTC "); }
    if (at(18339) && cond(3)) send_cond_bug("CNM CNM CNM DE CNM4 QSA? K");
    if (at(18343) && ct(1000, 1600)) { p(40, 820, 1); send_cond_par("EPJ EPJ DE EPJ7 EPJ7 QTC 1 K", 3); }
    if (at(18382) && ms(15)) { p(24, 900, 4); send("SUA31 SUA31 DE SUA = "); qtc5l(nr, 40, 2, 1); send_stack(""); }
    if (at(18399) && cond(3)) send_cond_bug("EBA EBA DE EBA7 EBA7 QRU? K");
    if (at(18417) && ms10(20)) { p(20, 700, 3); send("XVN4 XVN4 DE XVN = "); qtc5f(nr, 50); send_stack(" + K"); }
    if (at(18438) && cond(2)) send_cond_bug("LZW LZW DE LZA2 LZA2 QTC K");
    if (at(18491) && ct(800, 1400) && eh()) { p(23, 1000, 3); polish_diplo("SPW"); }
    if (at(18498) && cond(3)) send_cond_bug("Y7A Y7A DE Y7A36 Y7A36 QRV? K");
    if (at(18528) && cond(2)) send_vvv("TBA");
    if (at(18552) && ct(500, 1500)) { p(24, 1000, 3); send_still("VVV VVV VVV DE RMP RMP RMP  "); }
    if (at(18552) && ms(55)) { p(24, 1000, 3); fig_msg_ar("RJD87 RJD87 DE RMP QTC "); }
    if (at(18571) && cond(3)) { p(20, 1000, 3); clg_cond("JJC", "JJC5", 2); }
    if (at(18635) && cond(2)) send_cond_bug("RCV RCV DE RAL45 RAL45 QSA? K");
    if (at(18676) && cond(3)) send_cond_bug("ZLO ZLO DE ZLO3 QTC 1 K");
    if (at(18699) && ct(1000, 2000)) { p(24, 550, 4); send_still("VVV VVV VVV DE NSS NSS NSS  "); }
    if (at(18699) && ms(5)) { p(24, 550, 4); send("NSS DE NSS ZBO 2 R  "); nato_qtc(nr, 'R'); }
    if (at(18709) && cond(2)) send_vvv("4XZ");
    if (at(18759) && cond(3)) send_cond_bug("FUJ FUJ DE FUJ3 FUJ3 QRK? K");
    if (at(18917) && ct(600, 1400)) { p(24, 1000, 5); send_still("RIW RIW RIW  VVV VVV VVV  QSX 12 18 MHZ  "); }
    if (at(18926) && cond(2)) send_cond_bug("UMS UMS DE RDL RDL QTC K");
    if (at(18971) && cond(3)) send_cond_bug("NPN NPN DE NRV NRV QRK? K");
}

// More stations whose path is open by day: the far fixed stations, the
// ships calling their coast stations, amateur DX.
void daylight_more() {
    if (day()) {
        if (at(18071) && cond(2)) { p(28, 700, 4); send_cond("CQ CQ DE 5Z4DQ 5Z4DQ 5Z4DQ K"); }
        if (at(18073) && cond(3)) { p(22, 2200, 3); send_cond("VK6JQ DE G3XWT 599 599 TU K"); }
        if (at(18076) && cond(2)) { p(30, 800, 4); send_cond("CQ DX CQ DX DE 4X6GP 4X6GP K"); }
        if (at(18079) && cond(3)) send_cond_bug("CQ CQ CQ DE UA9CNK UA9CNK K");
        if (at(18081)) { p(25, 900, 4); send_cond_par("QRZ? DE ZS6BPQ UP 2", 2); }
        if (at(18083) && cond(3)) { p(18, 600, 3); send_cond("CQ DE PY2RLM PY2RLM PY2RLM K"); }
        if (at(18089) && cond(2)) { p(32, 750, 5); send_cond("TEST DE OH6MJ OH6MJ"); }
        if (at(18092) && cond(3)) { p(21, 1000, 1); send_cond("VE7NTR DE JA3KGF 579 579 BK"); }
        if (at(18179) && ct(800, 1600)) { p(24, 1000, 4); send_still("VVV VVV VVV DE 5YE 5YE 5YE NAIROBI  "); }
        if (at(18192) && ct(900, 1500)) { p(21, 850, 2); send_still("VVV VVV DE ETD ETD ETD ADDIS ABABA  "); }
        if (at(18211) && cond(3)) send_cond_bug("STK STK DE STK3 STK3 QTC K");
        if (at(18227) && oh()) { p(24, 1200, 4); send_still("VVV VVV VVV DE 5NR 5NR 5NR LAGOS  "); }
        if (at(18246) && cond(2)) { p(20, 1000, 3); send_cond("TUA TUA DE TUA4 TUA4 QRV? K"); }
        if (at(18259) && ct(700, 1500)) { p(22, 1000, 3); send_still("VVV VVV DE 6VA 6VA 6VA DAKAR  "); }
        if (at(18259) && ms(25)) { p(22, 1000, 3); send("6VA3 DE 6VA = "); qtc5l(nr, 30, 2, 0x80); send_stack(""); }
        if (at(18276) && eh()) { p(23, 1850, 4); send_still("VVV VVV VVV DE 9QL 9QL 9QL KINSHASA  "); }
        if (at(18299) && cond(3)) send_cond_bug("D3E D3E DE D3E9 D3E9 QRU? K");
        if (at(18304) && ct(1000, 1600)) { p(24, 1000, 1); send_still("VVV VVV DE ZRH ZRH ZRH PRETORIA  "); }
        if (at(18327) && od()) { p(21, 900, 4); send_still("VVV VVV VVV DE PPO PPO PPO OLINDA QSX 16 18 MHZ  "); }
        if (at(18354) && cond(2)) { p(25, 1000, 3); send_cond("CWA CWA DE CWA5 CWA5 QTC 2 K"); }
        if (at(18371) && ct(1200, 1800)) { p(24, 1100, 4); send_still("VVV VVV VVV DE CBV CBV CBV VALPARAISO  "); }
        if (at(18386) && cond(3)) send_cond_bug("OBC OBC DE OBC3 OBC3 QSA? K");
        if (at(18404) && eh()) { p(22, 1000, 3); send_still("VVV VVV DE YVG YVG YVG QRU  "); }
        if (at(18419) && ct(900, 1700)) { p(21, 800, 4); send_still("VVV VVV VVV DE XBA XBA XBA MEXICO  "); }
        if (at(18436) && cond(2)) { p(24, 2100, 3); send_cond("HKC HKC DE HKC2 HKC2 QRV K"); }
        if (at(18452) && ct(1400, 1800)) { p(26, 1000, 4); send_still("VVV VVV VVV DE NAR NAR NAR KEY WEST  "); }
        if (at(18468) && oh()) { p(40, 1650, 3); send_still("VVV VVV DE HPP HPP HPP PANAMA  "); }
        if (at(18484) && cond(3)) send_cond_bug("8PO 8PO DE J8QA J8QA QTC 1 K");
        if (at(18501) && ct(800, 1400)) { p(24, 1000, 4); send_still("VVV VVV VVV DE 4PB 4PB 4PB COLOMBO  "); }
        if (at(18522) && od()) { p(21, 1000, 3); send_still("VVV VVV DE S3D S3D S3D CHITTAGONG  "); }
        if (at(18536) && cond(2)) { p(20, 1200, 2); send_cond("HSA HSA DE HSA4 HSA4 QTC K"); }
        if (at(18549) && ct(600, 1200)) { p(24, 1000, 4); send_still("VVV VVV VVV DE PKX PKX PKX JAKARTA  "); }
        if (at(18563) && eh()) { p(22, 1300, 2); send_still("VVV VVV DE 9MG 9MG 9MG PENANG  "); }
        if (at(18586) && cond(3)) send_cond_bug("DZR DZR DE DZR6 DZR6 QRU? K");
        if (at(18607) && ct(700, 1300)) { p(24, 1000, 4); send_still("VVV VVV VVV DE XSG XSG XSG SHANGHAI  "); }
        if (at(18614) && oh()) { p(21, 600, 3); send_still("VVV VVV DE HLG HLG HLG SEOUL  "); }
        if (at(18629) && cond(2)) { p(24, 1000, 4); send_cond("JNA JNA DE JNA5 JNA5 QTC 3 K"); }
        if (at(18649) && ct(600, 1100)) { p(22, 2000, 3); send_still("VVV VVV VVV DE VIS VIS VIS SYDNEY  "); }
        if (at(18666) && ed()) { p(21, 1000, 4); send_still("VVV VVV DE ZLW ZLW ZLW WELLINGTON  "); }
        // Ships on the 18/19 MHz calling channels.
        if (at(18804) && cond(3)) { p(18, 820, 3); clg_cond("OXZ", "OXSK2", 2); }
        if (at(18816) && cond(3)) send_cond_bug("SAB SAB DE SKNM SKNM QTC 2 K");
        if (at(18828) && cond(4)) { p(22, 1000, 5); clg_cond("OST", "ORBE", 4); }
        if (at(18834) && cond(3)) { p(12, 1450, 3); send_cond("TAH TAH DE TCKL TCKL QRV K"); }
        if (at(18858) && cond(3)) send_cond_bug("CUL CUL DE CSBQ CSBQ QTC 1 K");
        if (at(18864) && cond(3)) { p(24, 950, 3); clg_cond("EAD", "EBWQ", 2); }
        if (at(18876) && cond(4)) { p(21, 1000, 4); send_cond("SVA DE SZTE QRU? K"); }
        if (at(18884) && cond(4)) send_cond_bug("UFB UFB DE UWMQ UWMQ QTC K");
        if (at(18892) && cond(3)) { p(23, 880, 3); clg_cond("9VG", "9VBL", 2); }
    }
    if (reg2_day()) {
        if (at(18066) && cond(2)) { p(24, 1850, 4); send_still("VVV VVV VVV DE NAM NAM NAM QSX 18066  "); }
        if (at(18087) && cond(3)) { p(15, 700, 4); send_cond("CQ CQ DE W3KPF W3KPF K"); }
        if (at(18291) && cond(3)) send_cond_bug("LOR LOR DE LOR5 LOR5 QTC K");
        if (at(18458) && ct(1500, 2300)) { p(22, 1000, 2); send_still("VVV VVV VVV DE CLP1 CLP1 CLP1 HABANA  "); }
        if (at(18868) && cond(3)) { p(20, 1100, 3); clg_cond("PPR", "PUJX", 2); }
    }
    if (reg3f_day()) {
        if (at(18266) && cond(2)) { p(21, 900, 4); send_cond("BZR BZR DE BZR66 BZR66 QTC K"); }
        if (at(18592) && ct(2200, 600)) { p(24, 1200, 2); send_still("VVV VVV VVV DE JCS JCS JCS CHOSHI  "); }
        if (at(18862) && cond(3)) { p(18, 700, 2); clg_cond("JOS", "JLAK", 2); }
    }
}

// More of the years before 1950: beam and press circuits, the empire and
// colonial links, coast stations of the first short-wave plans.
void historical_more() {
    if (hist) {
        if (at(18011) && ct(900, 1700)) { p(30, 1000, 4); send_still("VVV VVV VVV DE GBU GBU GBU RUGBY  "); }
        if (at(18011) && ms10(15)) { p(30, 1000, 4); send("WQA DE GBU NR "); fig_msg_count("", 25); }
        if (at(18029) && ct(1200, 2000)) { p(32, 1100, 3); send_still("VVV VVV DE WQA WQA WQA RIVERHEAD  "); }
        if (at(18052) && eh()) { p(28, 900, 4); send_still("VVV VVV VVV DE DFC DFC DFC NAUEN  "); }
        if (at(18061) && ct(600, 1400)) { p(26, 1200, 3); send_still("VVV VVV DE PCV PCV PCV KOOTWIJK  "); }
        if (at(18061) && ml(10)) { p(26, 1200, 3); send("PMC DE PCV = "); let_msg_count("", 24, 0x80); }
        if (at(18184) && cond(3)) { p(22, 850, 3); send_cond("PMC PMC DE PCV PCV QRV? K"); }
        if (at(18184) && ct(700, 1500)) { p(24, 1100, 4); send_still("VVV VVV VVV DE PMC PMC PMC BANDOENG  "); }
        if (at(18207) && oh()) { p(30, 1000, 2); send_still("CQ CQ DE FTO FTO FTO PRESS  "); }
        if (at(18207) && ms20(5)) { p(30, 1000, 2); press_px("FTO", PRESS_HAVAS); }
        if (at(18222) && ct(1000, 1800)) { p(25, 800, 4); send_still("VVV VVV DE LSN LSN LSN MONTE GRANDE  "); }
        if (at(18236) && cond(2)) { p(22, 1000, 2); send_cond("LSN LSN DE PPU PPU QRV K"); }
        if (at(18241) && eh()) { p(28, 950, 3); send_still("VVV VVV VVV DE JVH JVH JVH NAZAKI  "); }
        if (at(18251) && ct(800, 1200)) { p(25, 1000, 4); send_still("VVV VVV DE VWY VWY VWY POONA  "); }
        if (at(18251) && ms(40)) { p(25, 1000, 4); send("GBK DE VWY NR "); fig_msg_count("", 20); }
        if (at(18272) && od()) { p(30, 1100, 3); send_still("VVV VVV DE VLJ VLJ VLJ SYDNEY  "); }
        if (at(18286) && ct(1100, 1700)) { p(20, 800, 2); send_still("VVV VVV VVV DE SUV SUV SUV ABU ZABAL  "); }
        if (at(18303) && cond(3)) { p(24, 1000, 4); send_cond("SUV SUV DE GBK GBK QRU? K"); }
        if (at(18319) && ct(600, 1000)) { p(26, 1000, 3); send_still("VVV VVV DE IRW IRW IRW ROMA  "); }
        if (at(18319) && ms(5)) { p(26, 1000, 3); press_px("IRW", PRESS_STEFANI); }
        if (at(18337) && eh()) { p(32, 900, 4); send_still("VVV VVV VVV DE WKN WKN WKN QRU  "); }
        if (at(18358) && ct(1300, 1900)) { p(28, 1000, 3); send_still("VVV VVV DE WJS WJS WJS PRESS WIRELESS  "); }
        if (at(18358) && ml(10)) { p(28, 1000, 3); press_px("WJS", PRESS_AP); }
        if (at(18376) && oh()) { p(24, 1200, 3); send_still("VVV VVV DE OPL OPL OPL LEOPOLDVILLE  "); }
        if (at(18376) && cond(4)) { p(22, 900, 2); send_cond("OPL OPL DE ORK ORK QTC 4 K"); }
        if (at(18392) && ct(700, 1300)) { p(26, 1000, 4); send_still("VVV VVV VVV DE ORK ORK ORK RUYSSELEDE  "); }
        if (at(18409) && eh()) { p(25, 850, 1); send_still("VVV VVV DE CTV CTV CTV LISBOA  "); }
        if (at(18425) && ct(800, 1600)) { p(27, 1000, 4); send_still("VVV VVV DE HBF HBF HBF PRANGINS  "); }
        if (at(18425) && ms10(40)) { p(27, 1000, 4); send("HBJ DE HBF = "); fig_msg_count("", 20); }
        if (at(18447) && cond(3)) { p(20, 750, 2); send_cond("CQ CQ DE XGM XGM QRU? K"); }
        if (at(18464) && ct(2300, 700)) { p(24, 1000, 2); send_still("VVV VVV VVV DE XGM XGM XGM SHANGHAI  "); }
        if (at(18479) && od()) { p(22, 1000, 4); send_still("VVV VVV DE KAZ KAZ KAZ MANILA  "); }
        if (at(18495) && ct(1500, 2100)) { p(30, 2100, 3); send_still("VVV VVV VVV DE CGA CGA CGA DRUMMONDVILLE  "); }
        if (at(18495) && ms(20)) { p(30, 2100, 3); send("GBK DE CGA NR "); fig_msg_count("", 30); }
        if (at(18512) && eh()) { p(25, 900, 3); send_still("VVV VVV DE ZSR ZSR ZSR KLIPHEUWEL  "); }
        if (at(18531) && cond(3)) { p(20, 1000, 2); send_cond("ZSR ZSR DE GBB GBB QRV K"); }
        if (at(18555) && ct(1000, 1800)) { p(24, 1000, 4); send_still("VVV VVV VVV DE EHY EHY EHY MADRID  "); }
        if (at(18574) && oh()) { p(29, 1100, 3); send_still("VVV VVV DE OKP OKP OKP PRAHA  "); }
        if (at(18601) && ct(800, 1400)) { p(22, 800, 3); send_still("VVV VVV VVV DE TAQ TAQ TAQ ANKARA  "); }
        if (at(18627) && eh()) { p(24, 1000, 4); send_still("VVV VVV DE RKI RKI RKI MOSKVA  "); }
        if (at(18627) && ms(30)) { p(24, 1000, 4); press_px("RKI", PRESS_TASS); }
        if (at(18652) && ct(1200, 1800)) { p(25, 1000, 3); send_still("VVV VVV DE PSA PSA PSA RIO  "); }
        if (at(18674) && cond(2)) { p(20, 900, 3); send_cond("CQ DE WSC WSC WSC QSX 17 MHZ K"); }
        if (at(18702) && ct(1300, 2100)) { p(21, 1000, 5); send_still("CQ CQ CQ DE WSC WSC WSC TUCKERTON  "); }
        if (at(18724) && eh()) { p(22, 1000, 3); send_still("CQ CQ DE GKU GKU GKU PORTISHEAD  "); }
        if (at(18724) && cond(4)) { p(19, 800, 3); send_cond("GKU DE GBTT GBTT QTC 1 K"); }
        if (at(18745) && ct(900, 1500)) { p(20, 1450, 3); hand = 1; send_still("CQ CQ DE FFT FFT FFT ST LYS QSX 36 M  "); }
        if (at(18762) && cond(3)) { p(22, 950, 4); send_cond("CQ DE DAN DAN DAN QSX 16 M K"); }
        if (at(18929) && ct(1000, 1600)) { p(28, 1000, 3); send_still("VVV VVV VVV DE PPE PPE PPE RIO  "); }
        if (at(18968) && oh()) { p(26, 900, 2); send_still("VVV VVV DE VWN VWN VWN KIRKEE  "); }
    }
}

// More of the background: press, weather, military and diplomatic
// teleprinters, SITOR of the coast stations, carriers.
void background_more() {
    if (bkgnd) {
        // Teleprinters under the Morse markers of their own stations.
        if (at(18174) && ct(700, 1900)) rtlx_cond("7TA ALGER", 850, 50, 2);
        if (at(18202) && oh()) rtlx("YZO BEOGRAD", 425, 50);
        if (at(18238) && ct(1600, 2200)) rtlx("PRENSA LATINA", 425, 50);
        if (at(18382) && mh(29)) rtlx_cond("SUA CAIRO", 850, 50, 0);
        if (at(18417) && ct(1800, 2300)) rtlx("VNA HANOI", 425, 50);
        if (at(18322) && oh()) rtlx_cond("JANA TRIPOLI", 425, 50, 3);
        if (at(18699) && eh()) rtlx_cond("NSS FLEET BCST", 850, 75, 0);
        if (at(18552) && ml(30)) rtlx_cond("RMP BALTIYSK", 850, 50, 2);
        if (at(18917) && ct(1400, 2000)) rtlx("RIW FLEET BCST", 850, 50);
        // Press agencies.
        if (at(18186) && ct(600, 1800)) rtlx("XINHUA BEIJING", 425, 50);
        if (at({18233, 18245}) && t.wHour % 2 == 1) rtlx("XINHUA ENGLISH", 425, 50);
        if (at(18295) && ct(1000, 2200)) rtlx("ANSA ROMA", 850, 50);
        if (at(18311) && day()) rtlx_cond("AFP PARIS", 425, 50, 2);
        if (at(18330) && ct(500, 1300)) rtlx("REUTERS LONDON", 425, 50);
        if (at(18343) && eh()) rtlx("DPA HAMBURG", 425, 50);
        if (at(18360) && ct(1200, 2000)) rtlx_cond("MENA CAIRO", 850, 50, 3);
        if (at(18379) && oh()) rtlx("IRNA TEHRAN", 425, 50);
        if (at(18392) && day()) rtlx_cond("KCNA PYONGYANG", 425, 50, 4);
        if (at(18404) && hh(16)) rtlx("TANJUG BEOGRAD", 425, 50);
        if (at(18422) && ct(800, 1600)) rtlx("PAP WARSZAWA", 425, 50);
        if (at(18438) && ct(1300, 1900)) rtlx("CTK PRAHA", 425, 50);
        if (at(18455) && ct(600, 1400)) rtlx_cond("MTI BUDAPEST", 425, 50, 2);
        if (at(18471) && ct(900, 1700)) rtlx("BTA SOFIA", 425, 50);
        if (at(18486) && ct(1000, 1800)) rtlx("ADN BERLIN", 425, 50);
        if (at(18501) && eh()) rtlx_cond("AGERPRES BUCURESTI", 425, 50, 0);
        if (at(18517) && ct(400, 1200)) rtlx("ANTARA JAKARTA", 425, 50);
        if (at(18533) && oh()) rtlx_cond("APS ALGER", 425, 50, 2);
        if (at(18549) && oh()) rtlx_cond("MAP RABAT", 425, 50, 2);
        if (at(18567) && ct(1200, 2000)) rtlx("TAP TUNIS", 425, 50);
        if (at(18583) && ct(700, 1500)) rtlx("SPA RIYADH", 850, 50);
        if (at(18592) && ct(1300, 2100)) rtlx_cond("KUNA KUWAIT", 425, 50, 3);
        if (at(18607) && eh()) rtlx("INA BAGHDAD", 425, 50);
        if (at(18627) && ct(1500, 2300)) rtlx("SANA DAMASCUS", 425, 50);
        if (at(18641) && ct(900, 1500)) rtlx_cond("PTI NEW DELHI", 425, 50, 4);
        if (at(18654) && ct(300, 1100)) rtlx("KYODO TOKYO", 425, 50);
        if (at(18672) && day()) rtlx_cond("TELAM BUENOS AIRES", 850, 50, 2);
        if (at(18682) && ct(1400, 2200)) rtlx("AGENCIA EFE MADRID", 425, 50);
        if (at(18697) && ct(1000, 1800)) rtlx("ANATOLIA ANKARA", 425, 50);
        if (at(18709) && oh()) rtlx_cond("PANA DAKAR", 425, 50, 0);
        if (at(18737) && ct(600, 1400)) rtlx("APP KARACHI", 425, 50);
        // Weather services.
        if (at(18196) && t.wHour % 3 == 0) rtlx("GIDROMET MOSKVA", 850, 50);
        if (at(18221) && (ct(0, 300) || ct(1200, 1500))) rtlx_cond("METEO ROMA", 850, 50, 0);
        if (at(18256) && eh()) rtlx_cond("METEO PARIS", 425, 50, 2);
        if (at(18289) && ct(900, 1300)) rtlx("DWD OFFENBACH", 425, 50);
        if (at(18318) && ct(1800, 0)) rtlx_cond("BRACKNELL", 425, 50, 3);
        if (at(18367) && ct(600, 1000) && t.wDayOfWeek != 0) fax(120, 576);
        if (at(18411) && (h(11) || h(12) || h(23))) fax(120, 576);
        if (at(18446) && ct(0, 600)) rtlx("TOKYO METEO", 170, 50);
        if (at(18506) && ct(500, 900)) fax(120, 576);
        if (at(18539) && oh()) rtlx_cond("METEO NAIROBI", 425, 50, 4);
        if (at(18587) && ct(1500, 1900)) rtlx("METEO CAIRO", 850, 50);
        // Military and diplomatic teleprinters.
        if (at(18189) && t.wHour % 4 == 1) rtlx_cond("RFFA PARIS", 850, 50, 0);
        if (at(18216) && ct(700, 1900)) rtlx_cond("RFQP DJIBOUTI", 850, 50, 3);
        if (at(18227) && oh() && ml(40)) rtlx("MKK LONDON", 850, 75);
        if (at(18249) && eh()) rtlx("GYA WHITEHALL", 850, 75);
        if (at(18263) && ct(800, 2000)) rtlx_cond("NAU ROOSEVELT ROADS", 850, 75, 2);
        if (at(18283) && t.wHour % 3 == 2) rtlx("DHJ59 BREMEN", 850, 75);
        if (at(18307) && ed()) rtlx_cond("IDR ROMA", 850, 75, 4);
        if (at(18326) && od()) rtlx_cond("EBA MADRID", 850, 75, 3);
        if (at(18347) && ct(1000, 2200)) rtlx("TBA ANKARA", 850, 75);
        if (at(18366) && eh()) rtlx_cond("SXA ATHINAI", 850, 50, 0);
        if (at(18389) && ml(40)) rtlx("RCV SEVASTOPOL", 850, 50);
        if (at(18401) && ct(1100, 1700)) rtlx_cond("MFA MOSKVA", 425, 75, 0);
        if (at(18431) && ct(900, 1500)) rtlx("MFA WARSZAWA", 425, 75);
        if (at(18461) && ed()) rtlx("MFA PRAHA", 425, 75);
        if (at(18482) && ct(1300, 1500)) rtlx("MFA BEOGRAD", 850, 75);
        if (at(18509) && ct(800, 1600)) rtlx_cond("MFA KAIRO", 850, 50, 2);
        if (at(18526) && oh()) rtlx("MFA BAGHDAD", 425, 50);
        if (at(18561) && ct(1000, 1400)) rtlx_cond("MFA ALGER", 850, 75, 3);
        if (at(18576) && ct(900, 1700)) rtlx("HBC88 GENEVE", 425, 50);
        if (at(18606) && ct(1000, 1400)) rtlx("MFA TRIPOLI", 850, 50);
        if (at(18633) && ct(600, 1800)) rtlx("INTERPOL PARIS", 425, 50);
        if (at(18661) && ed()) rtlx_cond("MFA LA HABANA", 425, 50, 4);
        if (at(18692) && eh() && mh(14)) rtlx("MFA ROMA", 850, 75);
        if (at(18716) && oh()) rtlx_cond("MFA BONN", 425, 75, 2);
        if (at(18736) && ct(700, 1300)) rtlx("MFA PARIS", 850, 75);
        if (at(18757) && t.wHour % 2 == 0) rtlx_cond("MFA ANKARA", 425, 50, 3);
        if (at(18768) && ct(1000, 1600)) rtlx_cond_arqe_96("MFA BRUXELLES", 4);
        if (at(18936) && ct(1300, 2100)) rtlx("UN NEW YORK", 850, 75);
        if (at(18958) && eh()) rtlx_cond("NATO BRUSSELS", 850, 75, 0);
        if (at(18985) && oh()) rtlx_cond("RDL MOSKVA", 850, 50, 2);
        // Ship NBDP of the coast stations and the ships answering them.
        if (at(18856)) { qsa = 4; sitor_marker(1000, 21, "SAB"); }
        if (at(18866) && ct(700, 1900)) { qsa = 3; sitor_marker(850, 24, "OXZ"); }
        if (at(18898) && ct(600, 2000)) { qsa = 4; sitor_marker(1250, 19, "LGB"); }
        // Teleprinters of the stations whose Morse markers stand above, on
        // the same frequencies when the marker is off.
        if (at(18177) && ms10(20)) rtlx("RIW MOSKVA", 850, 50);
        if (at(18198) && t.wHour % 3 == 0) rtlx_cond("RMP KALININGRAD", 850, 50, 0);
        if (at(18235) && eh()) rtlx_cond("SUA8 CAIRO", 850, 50, 4);
        if (at(18248) && oh()) rtlx("4XZ HAIFA", 850, 75);
        if (at(18284) && ct(1400, 1800)) rtlx_cond("CNM RABAT", 425, 50, 2);
        if (at(18301) && mh(44)) rtlx("TBA3 ANKARA", 850, 75);
        if (at(18317) && t.wHour % 4 == 2) rtlx_cond("SXA ATHINAI", 850, 75, 0);
        if (at(18346) && eh()) rtlx("EBA MADRID", 850, 75);
        if (at(18375) && ml(15)) rtlx_cond("PBC GOEREE", 850, 75, 0);
        if (at(18379) && ct(2000, 2300)) rtlx("GYA FLEET BCST", 850, 75);
        if (at(18393) && mh(39)) rtlx_cond("DHJ59 WILHELMSHAVEN", 850, 75, 2);
        if (at(18428) && h_4(10)) rtlx("RJE MOSKVA", 850, 50);
        if (at(18460) && ct(1600, 2000)) rtlx_cond("5AL TRIPOLI", 425, 50, 3);
        if (at(18504) && oh()) rtlx("FUX LE PORT", 850, 50);
        if (at(18546) && t.wHour % 3 == 1) rtlx_cond("RCV SEVASTOPOL", 850, 50, 0);
        if (at(18583) && ct(1300, 1700)) rtlx("IGJ42 AUGUSTA", 850, 75);
        if (at(18624) && eh()) rtlx_cond("FUM PAPEETE", 850, 50, 4);
        if (at(18681) && eh() && ml(30)) rtlx_cond("RIW FLEET BCST", 850, 50, 0);
        if (at(18730) && mh(29)) rtlx_cond("GYU GIBRALTAR", 850, 75, 0);
        if (at(18908) && ml(20)) rtlx("RCV FLEET BCST", 850, 50);
        // Ship telephony and NBDP answering the coast stations.
        if (at({18795, 18798, 18801}) && ct(600, 2000)) fone_cond(3);
        if (at({18843, 18849}) && ct(700, 1900)) sitor();
        if (at(18831)) { qsa = 5; sitor_marker(1900, 24, "ZSC"); }
        qsa = 2;
        if (at({18175, 18339, 18569}) && ct(800, 1200)) n0n(2200);
        // Data and tuning carriers.
        if (at({18027, 18416, 18679}) && cond(3)) { qsa = 3; data(300, 3); }
        qsa = 4;
        if (at({18217, 18318, 18475, 18593, 18713}) && eh() && ml(40)) n0n(1000);
        qsa = 3;
        if (at({18241, 18434, 18622, 18744, 18952}) && day() && oh()) n0n(1400);
    }
}

// Recordings, teleprinters and carriers in the background (BGND).
void background_block() {
    if (bkgnd) {
        // Amateur teleprinter and packet.
        if (at({18100, 18102, 18104})) rtlx_cond_50_170("RTTY", 2);
        if (at({18106, 18108})) qyt4();
        // Fixed-service teleprinters and facsimile.
        if (at(18223) && (ct(0, 300) || ct(600, 900))) fax(120, 576);
        if (at(18265) && (ct(800, 1100) || ct(1500, 1800))) fax(120, 576);
        if (at({18181, 18410}) && t.wHour % 3 == 0) rtlx("TASS MOSCOW", 850, 50);
        if (at(18183)) rtlx_cond_75_850("RIW", 2);
        if (at(18231)) rtlx_cond("AFP", 425, 50, 2);
        if (at(18330)) rtlx_cond_50_850("DPA", 4);
        if (at(18455)) rtlx_cond_arqe_96("ARQE", 3);
        if (at(18590)) rtlx_cond_100_850("MFA", 5);
        if (at({18252, 18688})) { qsa = 2; data(300, 2); }
        // Ship NBDP.
        if (at({18840, 18846, 18852})) sitor();
        if (at(18544) && cond(3)) tuning();
        qsa = 1;
        if (at({18213, 18360, 18493, 18654, 18743}) && oh()) n0n(1200);
    }

    background_more();
    get_background(216, background_tab_18, prob_tab_18);
}

}  // namespace

void band_18() {
    band_start(18, 16);
    weather_broadcasts();
    diplo_traffic();
    // Cut numbers.
    if (at(18206) && ms10(0)) { p(20, 1000, 3); qtc4f_cut(100); }
    if (at(18317) && ms(25)) { p(18, 900, 3); qtc4f_cut2(80); }
    aero_and_amateur();
    fixed_and_ships();
    fixed_more();
    ship_work(ship_work_18, ship_work_18_count);
    maritime_lists();
    daylight_block();
    daylight_more();
    historical_block();
    historical_more();
    background_block();
    band_end(18);
}

}  // namespace kestrel
