// Stations of 11 MHz heard at any hour: the out-stations answering the net
// controls and markers of band_11.cpp on their frequencies, Morse
// identifications over the teleprinter links, and the government, police
// and service stations of the fixed service. Split from band_11.cpp along
// its unconditional run.

#include "bandplan/entry.h"
#include "procedures/predicates.h"
#include "procedures/procedures.h"
#include "procedures/send.h"
#include "state/clock.h"
#include "traffic/military.h"

namespace kestrel {

void band_11_outstations() {
    // Soviet military nets: out-stations and the controls' traffic.
    if (at(11019) && cond(3)) { p(19, 1050, 3); send_cond("RCV RCV V RJE54 RJE54 QSA 3 K"); }
    if (at(11057) && cond(4)) send_cond_bug("RJH77 RJH77 DE RIW RIW QRV K");
    if (at(11077) && ms10(10)) { p(20, 940, 3); let_msg("RJD99 RJD99 DE RMP RMP = ", 3, 0x80); }
    if (at(11418) && cond(4)) send_cond_bug("RIT RIT V RBX2 RBX2 QSA 4 K");
    if (at(11444) && ms20(40)) { p(17, 1000, 4); fig_msg("RBX2 RBX2 DE RKS RKS QTC ", " +  "); }
    if (at(11551) && cond(4)) { p(21, 1470, 4); send_cond("RJH77 RJH77 DE RIW RIW QSA 5 K"); }
    if (at(11589) && ms10(50)) { p(21, 1100, 5); fig_msg("RIW RIW DE RMP RMP QTC ", " + K"); }
    if (at(11617) && cond(4)) send_cond_bug("RIT RIT DE RJD99 RJD99 QRU? K");
    if (at(11631) && cond(3)) { p(18, 900, 4); send_cond("RKS RKS DE RJH77 RJH77 QRV K"); }
    if (at(11498) && ms(25)) { p(23, 1060, 3); let_msg("RJE54 RJE54 DE RJD99 RJD99 = ", 3, 0); }
    // French forces, NATO and the Mediterranean navies answering.
    if (at(11041) && cond(3)) { p(20, 1380, 3); send_cond("FDC FDC DE FDI2 FDI2 QRV K"); }
    if (at(11157) && cond(3)) send_cond_bug("FDC FDC DE FDX3 FDX3 QSA 4 K");
    if (at(11491) && ms(5)) { p(24, 1290, 3); fig_msg("FDG FDG DE FDC FDC QTC ", " AR K"); }
    if (at(11026) && cond(4)) { p(14, 1500, 3); clg_cond("FUE", "FUO", 2); }
    if (at(11022) && cond(4)) send_cond_bug("FUV FUV DE FUJ FUJ QTC 1 K");
    if (at(11109) && ms20(20)) { p(21, 990, 3); fig_msg("SXA24 SXA24 DE SXA SXA QTC ", " + K"); }
    if (at(11455) && ms10(0)) { p(24, 1080, 4); fig_msg("TBA2 TBA2 DE TBB TBB QTC ", " + K"); }
    if (at(11517) && ms20(40)) { p(21, 1010, 3); fig_msg("ORK ORK DE OSN OSN QTC ", " AR K"); }
    if (at(11563) && ms10(10)) { p(25, 1000, 3); fig_msg("VTG VTG DE VTP VTP QTC ", " + K"); }
    if (at(11614) && cond(3)) send_cond_bug("NPN NPN DE NRTF NRTF QTC K");
    if (at(11532) && ms(50)) { p(19, 1110, 2); send_still("VVV VVV DE LPD LPD LPD  "); }
    if (at(11437) && cond(3)) send_cond_bug("9HD 9HD DE 9HD2 9HD2 QTC 1 K");
    if (at(11143) && ms10(30)) { p(21, 950, 3); fig_msg("DHM91 DHM91 DE DHJ59 DHJ59 QTC ", " + K"); }

    // Morse identifications of the teleprinter stations, keyed once between
    // their transmissions.
    if (at(11001) && ml(3)) { p(28, 1180, 4); send("DE GPH GPH GPH REUTER LONDON "); wait(2); send_stack("GPH"); }
    if (at(11024) && mh(56)) { p(27, 1000, 3); send("DE DEB DEB DEB DPA HAMBURG "); wait(2); send_stack("DEB"); }
    if (at(11044) && ms(30)) { p(25, 1000, 4); send("DE CMU CMU CMU PRENSA LATINA "); wait(2); send_stack("CMU"); }
    if (at(11066) && ml(2)) { p(26, 1440, 4); send("DE YZJ YZJ YZJ TANJUG "); wait(2); send_stack("YZJ"); }
    if (at(11084) && mh(57)) { p(24, 1090, 3); send("DE SOH SOH SOH PAP WARSZAWA "); wait(2); send_stack("SOH"); }
    if (at(11104) && ms(0)) { p(25, 1250, 3); send("QRA DE YKR YKR SANA DAMASCUS "); wait(2); send_stack("YKR"); }
    if (at(11125) && ml(2)) { p(28, 2080, 3); send("DE 7TF 7TF 7TF APS ALGER "); wait(2); send_stack("7TF"); }
    if (at(11145) && ms(45)) { p(23, 1370, 3); send("DE ATO ATO ATO PTI "); wait(2); send_stack("ATO"); }
    if (at(11166) && mh(55)) { p(25, 1510, 3); send("DE YOZ YOZ YOZ AGERPRES "); wait(2); send_stack("YOZ"); }
    if (at(11402) && ml(3)) { p(30, 1000, 4); send("DE FTN FTN FTN METEO PARIS "); wait(2); send_stack("FTN"); }
    if (at(11419) && ms(55)) { p(26, 860, 3); send("DE SUU SUU SUU CAIRO METEO "); wait(2); send_stack("SUU"); }
    if (at(11438) && ml(4)) { p(24, 1870, 3); send("DE JMG JMG JMG TOKYO "); wait(2); send_stack("JMG"); }
    if (at(11459) && mh(56)) { p(25, 1190, 4); send("DE SOK SOK SOK PIHM "); wait(2); send_stack("SOK"); }
    if (at(11479) && ms(30)) { p(26, 1100, 3); send("DE ZRO ZRO ZRO PRETORIA METEO "); wait(2); send_stack("ZRO"); }
    if (at(11483) && ml(2)) { p(30, 1000, 4); send("VVV VVV DE NAM NAM NAM "); wait(2); send_stack("NAM"); }
    if (at(11500) && mh(57)) { p(28, 880, 4); send("VVV DE NPG NPG NPG "); wait(2); send_stack("NPG"); }
    if (at(11516) && ms(15)) { p(24, 1330, 3); send("DE MKD MKD MKD AKROTIRI "); wait(2); send_stack("MKD"); }
    if (at(11531) && ml(3)) { p(25, 1130, 4); send("VVV VVV DE FUF FUF FUF "); wait(2); send_stack("FUF"); }
    if (at(11567) && mh(56)) { p(21, 980, 3); send("DE RCV RCV RCV QSX 11 13 "); wait(2); send_stack("RCV"); }
    if (at(11583) && ms(45)) { p(21, 1200, 4); send("DE SPO SPO SPO MW "); wait(2); send_stack("SPO"); }
    if (at(11599) && ml(2)) { p(27, 1000, 3); send("VVV VVV DE CKN CKN CKN "); wait(2); send_stack("CKN"); }
    if (at(11624) && ms(30)) { p(24, 1600, 4); send("DE HBC88 HBC88 HBC88 GENEVE "); wait(2); send_stack("HBC88"); }

    // Teleprinter stations arranging their circuits in Morse.
    if (at(11599) && cond(4)) send_cond_bug("CKN CKN DE CFH CFH QSA RTTY 5 K");
    if (at(11438) && cond(4)) send_cond_bug("JMG JMG DE JMJ JMJ QRV RTTY K");

    // Markers ahead of traffic, and calls with their traffic.
    if (at(11016) && mh(50)) send_vvv("RAL");
    if (at(11037) && ml(10)) send_vvv("IRJ");
    if (at(11135) && ms(40)) send_vvv("RBX");
    if (at(11489) && t.wMinute % 6 == 3) send_vvv("NSS");
    if (at(11509) && ms(20)) send_vvv("GXQ");
    if (at(11546) && mh(45)) send_vvv("DHN66");
    if (at(11588) && t.wMinute % 5 == 4) send_vvv("YZJ");
    if (at(11621) && ml(15)) send_vvv("4XZ");
    if (at(11075) && cond(3)) { p(20, 1320, 3); send("5XA DE 5XE QTC 1 "); qtc_qsk("NR 33 CK 11 = POLICE KAMPALA = ROAD TORORO CLOSED BY FLOODS TRAFFIC DIVERTED = +"); send_stack(" K"); }
    if (at(11032) && cond(3)) { p(21, 1100, 4); send("HZA DE HZN QTC 1 "); qtc_qsk("NR 64 GR 7 = 31094 77812 40563 28847 90136 52270 16693 = +"); send_stack(" K"); }
    if (at(11423) && cond(3)) { p(21, 1290, 1); send("CTP DE CTV QTC 2 "); qtc_qsk("NR 118 = 1240Z = 60327 48815 17042 93366 25109 = +"); send_stack(" AR"); }
    if (at(11612) && ms(55)) { p(19, 1000, 3); send("9KK DE 9KK4 QTC 1 "); qtc_qsk("NR 5 GR 5 = 88410 27736 54092 13385 70661 = +"); send_stack(" K"); }
}

}  // namespace kestrel
