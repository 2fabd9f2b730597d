// Band 13, unconditional entries beyond the first run: ships answering the
// coast stations of the top of the maritime band, the route voice channels
// of the aeronautical band and the military, naval and government stations
// of the fixed service.

#include "bandplan/entry.h"
#include "procedures/predicates.h"
#include "procedures/procedures.h"
#include "procedures/send.h"
#include "procedures/voice.h"
#include "state/clock.h"
#include "state/emission.h"
#include "traffic/aero.h"
#include "traffic/blocks.h"
#include "traffic/military.h"
#include "traffic/naval.h"
#include "traffic/ship_coast.h"

namespace kestrel {

namespace {

// Ships working the coast stations whose watch channels are in band_13.
void ships_answering() {
    if (at(13004) && ml(30) && cond(2)) vsl_tfc("DAN");
    if (at(13055) && ct(1030, 200) && cond(3)) vsl_tfc("VCS");
}

// The aeronautical band: route and VOLMET voice, military families in
// telegraphy.
void aero_band() {
    if (at({13261, 13273, 13285, 13294}) && ct(600, 2200)) fone_cond(3);
    if (at({13300, 13309, 13327, 13351}) && eh()) fone_cond(5);
    if (at({13321, 13333, 13345}) && night()) fone_cond(4);
    if (at(13211) && cond(2)) { p(16, 1800, 4); send_cond("VVV DE RFNA RFNA QRV? K"); }
    if (at(13219) && ms10(20)) { p(12, 900, 5); send_still("QRA? QRA? DE MKL MKL MKL  "); }
    if (at(13236)) { p(24, 1000, 4); send_still("VVV VVV VVV DE RCKN/RFNA RCKN/RFNA  "); }
    if (at(13236) && ml(15)) aero_fixed("RFNA", "RCKN", 3);
    if (at(13247) && ms20(40)) { p(19, 1150, 3); raf_qso("MKL"); }
    if (at(13256) && cond(3)) a2g_dx_gnd("RFGW");
}

// Naval, military and government stations of 13410-13570.
void fixed_low() {
    if (at(13413)) { p(22, 1740, 4); send_still("VVV VVV VVV DE RIT RIT RIT QSX 8 11 13  "); }
    if (at(13413) && ms10(40)) { p(22, 1740, 4); fig_msg("RJD38 RJD38 DE RIT RIT QTC ", " + K"); }
    if (at(13420) && eh()) { p(21, 1340, 3); send_still("VVV VVV VVV DE FUM FUM FUM  "); }
    if (at(13420) && eh() && mh(44)) { p(21, 1340, 3); let_msg_latin("CQ DE FUM = ", 0x80); }
    if (at(13423)) send_vvv("RIW");
    if (at(13432) && cond(3)) qsa_exchange("OVG", "OVG4", 3);
    if (at(13441) && cond(2)) { p(23, 940, 3); send_cond_bug("PBC PBC DE PBC3 PBC3 QRV? K"); }
    if (at(13445) && mh(30) && ml(40)) { p(21, 1000, 4); nato_msg("F3N DE PBC = ", 'R'); }
    if (at(13451) && oh() && ml(20)) { p(20, 1120, 4); let_msg("VKT VKT DE VHP VHP = ", 3, 0x80); }
    if (at(13455)) send_vvv("RJE54");
    if (at(13468) && ms10(10)) { p(26, 2180, 4); indicator_bcst("VVV VVV VVV DE FUE = ", "ZBO 1 "); }
    if (at(13471) && cond(2)) { p(33, 1660, 3); hand = 1; send_cond("EBC EBC DE EBA EBA QTC 2 K"); }
    if (at(13474) && ct(2000, 400)) { p(24, 1000, 4); send_still("VVV VVV VVV DE CUB CUB CUB  "); }
    if (at(13477) && t.wMinute % 6 == 2) { p(23, 1180, 4); clg_cond("DHJ51", "DHJ59", 3); }
    if (at(13486) && cond(3)) { p(36, 760, 3); pass_msg("RKA78", "RCV", "V"); }
    if (at(13491) && ms20(20) && ed()) { p(24, 1180, 5); fig_msg_count("RKA78 RKA78 DE RCV = ", 25); }
    if (at(13498) && cond(3)) { p(40, 1000, 3); send_cond_bug("YUA YUA DE YUD7 YUD7 QTC 3 K"); }
    if (at(13503)) { p(21, 1000, 4); send_still("VVV VVV VVV DE SVA SVA SVA  "); }
    if (at(13508) && ct(700, 1500)) { p(22, 950, 3); send_still("OSN OSN OSN  VVV VVV VVV  "); }
    if (at(13515) && ml(20)) { p(20, 1200, 3); fig_msg_ar("RJH45 RJH45 DE RMP RMP QTC "); }
    if (at(13526) && cond(2)) nato_qso();
    if (at(13531)) { p(22, 1050, 4); send_still("CQ CQ CQ DE NRV NRV NRV QSX 8 12 13 16  "); }
    if (at(13535) && ms(50)) { p(14, 1000, 3); qtc5f(nr, 25); }
    if (at(13543) && od() && ml(30)) { p(19, 1060, 3); let_msg_count("OLX OLX DE OLZ5 = ", 40, 1); }
    if (at(13547) && cond(2)) { p(24, 940, 4); send_cond_bug("SUA SUA DE SUA3 SUA3 QTC 1 K"); }
    if (at(13554)) { p(20, 1000, 4); send_still("VVV VVV VVV DE 7TA 7TA 7TA QSX 9 13  "); }
    if (at(13554) && ms10(30)) { p(20, 1000, 4); fig_msg("7TA18 7TA18 DE 7TA = ", " AR"); }
}

// Government, press and naval stations of the old fixed allocation
// 13570-13870 and of 13870-14000.
void fixed_high() {
    if (at(13583) && ct(900, 1500)) { p(24, 1000, 4); send_still("VVV VVV VVV DE CLP1 CLP1 CLP1  "); }
    if (at(13583) && ct(1500, 1600)) { p(24, 1000, 4); fig_msg("CLP9 CLP9 DE CLP1 = ", " AR"); }
    if (at(13611) && mh(40)) { p(21, 1160, 4); let_msg_latin("LZO LZO DE LZO55 = ", 1); }
    if (at(13628) && eh()) { p(25, 1000, 3); send_still("VVV VVV VVV DE 5AL 5AL 5AL  "); }
    if (at(13644) && cond(2)) { p(20, 1260, 5); send_cond_bug("YKA YKA DE YKA22 YKA22 QRV? K"); }
    if (at(13733) && t.wMinute % 10 == 3) { p(30, 1040, 5); fig_msg("XVN XVN DE XVN4 XVN4 = ", " AR"); }
    if (at(13748)) { p(20, 1000, 3); send_still("VVV VVV VVV DE JTA JTA JTA  "); }
    if (at(13762) && cond(3)) { p(23, 1700, 4); send_cond_bug("YZJ YZJ DE YZJ9 YZJ9 QTC K"); }
    if (at(13777) && eh() && ml(30)) { p(21, 1000, 4); let_msg_latin("TAD TAD DE TAD7 = ", 0x81); }
    if (at(13839) && mh(50)) { p(21, 1000, 3); fig_msg("9GA 9GA DE 9GA3 = ", " +"); }
    if (at(13853)) { p(24, 1180, 4); send_still("VVV VVV VVV DE FUX FUX FUX  "); }
    if (at(13871) && cond(2)) { p(21, 1080, 3); send_cond_bug("RMP RMP DE RJH45 RJH45 QTC 5 K"); }
    if (at(13886)) send_vvv("RCV");
    if (at(13892) && ct(400, 1600)) { p(23, 1000, 4); send_still("VVV VVV VVV DE GXH GXH GXH  "); }
    if (at(13901) && t.wMinute % 4 == 0) { p(15, 960, 4); clg_cond("RIW", "RKA78", 200); }
    if (at(13907) && cond(3)) nato_qso();
    if (at(13914) && ms20(10)) { p(22, 1240, 1); nato_msg("VVV DE NAM = ", 'O'); }
    if (at(13924)) { p(21, 1000, 4); send_still("VVV VVV VVV DE IGJ IGJ IGJ QSX 8 13  "); }
    if (at(13944) && cond(3)) { p(19, 1000, 3); send_cond_bug("SXA SXA DE SXA24 SXA24 QRU? K"); }
    if (at(13957) && ct(1300, 1700)) { p(21, 1210, 4); french_navy_coast("VVV VVV VVV DE FUO FUO FUO  ", "FUO"); }
    if (at(13970) && mh(20) && ml(30)) { p(23, 940, 4); fig_msg("RCV RCV DE RIR RIR QTC ", " + K"); }
    if (at(13990) && eh()) { p(21, 2180, 5); send_still("VVV VVV VVV DE NPN NPN NPN  "); }
    if (at(13993) && cond(3)) { p(16, 1090, 3); send_cond_bug("NPN NPN DE NRV NRV QTC K"); }
}


// Outstations asking the net stations for a report, and short exchanges
// between them.
void reports_and_exchanges() {
    if (at(13417) && ml(30)) send_vvv("RIW");
    if (at(13878) && cond(2)) send_vvv("RMP");
    if (at(13909) && eh()) send_vvv("4XZ");
    if (at(13935)) send_vvv("SXA");
    if (at(13488) && ct(600, 1800)) send_vvv("TBA2");
    if (at(13968) && mh(30)) send_vvv("NSS");
    if (at(13517) && cond(3)) send_vvv("EBA");
    if (at(13536) && oh()) send_vvv("IDR");
    if (at(13442) && eh()) send_vvv("FUG");
    if (at(13531) && cond(2)) send_vvv("NRV");
    if (at(13554) && ml(40)) send_vvv("7TA");
    if (at(13503) && cond(3)) { p(22, 1940, 4); send("SVA SVA DE SVA7 SVA7 "); wait(6); send_stack("QSA? QRK? K"); }
    if (at(13438) && ct(1800, 1900)) { p(24, 1000, 4); send("PBC3 PBC3 DE PBC PBC ZBO 2 "); wait(4); send_stack("QSL? K"); }
    if (at(13924) && cond(3)) { p(20, 2150, 3); send("IGJ IGJ DE IDR IDR "); wait(8); send_stack("QTC 1 PRIORITA QRV? K"); }
    if (at(13892) && ms(20)) { p(23, 1000, 5); send("GXH GXH DE GYA GYA "); wait(5); send_stack("QSX 13892 QRK? K"); }
    if (at(13628) && cond(4)) { p(21, 1980, 3); send("5AL 5AL DE 5AL30 5AL30 "); wait(10); send_stack("QRV? QTC 2 K"); }
    if (at(13748) && ct(1000, 1200)) { p(19, 1000, 1); send("JTA JTA DE JTA7 JTA7 "); wait(7); send_stack("QSA? K"); }
    if (at(13853) && cond(3)) { p(24, 1180, 4); send("FUX FUX DE FUX2 FUX2 "); wait(6); send_stack("QTC 3 QRV? K"); }
    if (at(13990) && eh() && mh(45)) { p(22, 2180, 5); send("CQ CQ DE NPN NPN "); wait(3); send_stack("QRT QRT SK"); }
    if (at(13474) && ct(2000, 2100)) { p(25, 2080, 4); send("CTV CTV DE CUB CUB "); wait(6); send_stack("QSL QTC 1 K"); }
    if (at(13565) && ct(1300, 1400)) { p(13, 1000, 1); send("YIH YIH DE YIH3 YIH3 "); wait(9); send_stack("QTC 1 QRV? K"); }
}

}  // namespace

void band_13_fixed() {
    ships_answering();
    aero_band();
    fixed_low();
    fixed_high();
    reports_and_exchanges();
    stn();
}

}  // namespace kestrel
