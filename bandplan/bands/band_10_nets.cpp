// Stations of 10 MHz heard at any hour: the out-stations answering the net
// controls and coast stations of band_10.cpp on their frequencies, Morse
// identifications over the teleprinter links, and the government, police
// and service nets of the fixed service. Split from band_10.cpp along its
// unconditional run.

#include "bandplan/entry.h"
#include "procedures/predicates.h"
#include "procedures/procedures.h"
#include "procedures/send.h"
#include "procedures/voice.h"
#include "state/clock.h"
#include "traffic/military.h"
#include "traffic/naval.h"
#include "traffic/press.h"

namespace kestrel {

void band_10_outstations() {
    // Pakistan navy: the out-stations answer the Karachi marker.
    if (at(10512) && cond(3)) send_cond_bug("AQP AQP DE AQP6 AQP6 QSA? K");
    if (at(10512) && oh() && ms10(30)) { p(23, 1400, 4); fig_msg("AQP4 AQP4 DE AQP AQP QTC ", " + K"); }
    // The East German coast guard answers its headquarters at its schedule.
    if (at(10554) && sked(830)) send_cond_bug("Y7A46 Y7A46 DE Y7A Y7A QRV K");
    // Soviet military nets: the out-stations of the controls above.
    if (at(10155) && cond(3)) send_cond_bug("RJE54 RJE54 DE RIT RIT QSA 3 K");
    if (at(10244) && cond(4)) { p(17, 1230, 4); send_cond("RJE54 RJE54 V RKS RKS QSA 4 K"); }
    if (at(10362) && ms10(40)) { p(21, 1000, 4); let_msg("RJD99 RJD99 DE RIW RIW = ", 3, 0x80); }
    if (at(10488) && cond(3)) { p(18, 1020, 2); send_cond("RJE54 RJE54 V RKS RKS QRV K"); }
    if (at(10625) && ms10(20)) { p(24, 1100, 4); fig_msg("RJE54 DE RAL5 QTC ", " +  "); }
    if (at(10726) && cond(3)) send_cond_bug("RJD99 RJD99 DE RCV RCV QSA 5 K");
    if (at(10936) && ms20(20)) { p(24, 1000, 3); let_msg("RMP RMP DE RJD99 RJD99 = ", 3, 0); }
    if (at(10995) && cond(4)) { p(23, 1660, 3); send_cond("RJH77 RJH77 DE RIT RIT QSA 3 QRK 4 K"); }
    // French forces: the out-stations of Paris.
    if (at(10193) && cond(3)) { p(19, 1300, 5); send_cond("FDC FDC DE FDI2 FDI2 QSA 4 K"); }
    if (at(10951) && cond(3)) send_cond_bug("FDC FDC DE FDY4 FDY4 QRV K");
    if (at(10660) && ms(25)) { p(24, 1290, 4); fig_msg("FDG FDG DE FDC FDC QTC ", " AR K"); }
    if (at(10181) && cond(4)) { p(20, 1560, 4); clg_cond("FUE", "FUM", 2); }
    // NATO and the Mediterranean navies: ships and shore stations answering.
    if (at(10395) && cond(3)) send_cond_bug("IDR IDR DE IGJ IGJ QSA 5 K");
    if (at(10389) && ms20(0)) { p(24, 1000, 4); fig_msg("IDR IDR DE IGJ42 IGJ42 QTC ", " + K"); }
    if (at(10826) && cond(3)) { p(24, 1500, 3); send_cond("TBA2 TBA2 DE TBB TBB QRV K"); }
    if (at(10297) && ms10(20)) { p(19, 1350, 3); fig_msg("TBB TBB DE TBA2 TBA2 QTC ", " + K"); }
    if (at(10264) && ms10(30)) { p(25, 2230, 3); fig_msg("4XZ DE 4XZ9 QTC ", " + K"); }
    if (at(10849) && cond(3)) send_cond_bug("4XZ 4XZ DE 4XZ4 4XZ4 QRK? K");
    if (at(10211) && cond(4)) send_cond_bug("NSS NSS DE NWPE NWPE QSA? K");
    if (at(10671) && cond(3)) send_cond_bug("PBC PBC DE PAEO PAEO QTC 2 K");
    if (at(10736) && ms10(50)) { p(24, 1180, 3); fig_msg("EBA EBA DE EBC EBC QTC ", " + K"); }
    if (at(10988) && cond(3)) send_cond_bug("RIT RIT DE UKUK UKUK QSA? K");

    // Morse identifications of the teleprinter stations, keyed once between
    // their transmissions.
    if (at(10101) && mh(55)) { p(30, 2310, 4); send("DE DDK9 DDK9 DDK9 PINNEBERG METEO "); wait(2); send_stack("DDK9"); }
    if (at(10153) && ml(2)) { p(28, 1250, 4); send("QRA DE FTN FTN FTN AFP PARIS "); wait(2); send_stack("FTN"); }
    if (at(10153) && ms20(5)) { p(28, 1250, 4); press_px("FTN", PRESS_AFP); }
    if (at(10178) && ms(0)) { p(26, 820, 4); send("DE RAL RAL RAL TASS MOSKVA "); wait(2); send_stack("RAL"); }
    if (at(10178) && ms20(5)) { p(26, 820, 4); press_px("RAL", PRESS_TASS); }
    if (at(10202) && ml(3)) { p(25, 1560, 4); send("DE HGP HGP HGP MTI BUDAPEST "); wait(2); send_stack("HGP"); }
    if (at(10233) && ms(30)) { p(24, 1450, 3); send("DE BZR6 BZR6 BZR6 XINHUA "); wait(2); send_stack("BZR6"); }
    if (at(10247) && mh(56)) { p(25, 950, 3); send("DE HMF36 HMF36 HMF36 KCNA "); wait(2); send_stack("HMF36"); }
    if (at(10293) && ml(2)) { p(27, 1180, 4); send("DE YKR YKR YKR SANA "); wait(2); send_stack("YKR"); }
    if (at(10366) && ms(45)) { p(23, 1020, 1); send("DE YDL YDL YDL ANTARA "); wait(2); send_stack("YDL"); }
    if (at(10391) && mh(57)) { p(29, 880, 4); send("QRA DE RGN RGN RGN TASS "); wait(2); send_stack("RGN"); }
    if (at(10427) && ml(3)) { p(24, 1700, 3); send("DE BZP5 BZP5 BZP5 XINHUA "); wait(2); send_stack("BZP5"); }
    if (at(10529) && ms(55)) { p(24, 1070, 3); send("DE RBV72 RBV72 RBV72 MOSKVA METEO "); wait(2); send_stack("RBV72"); }
    if (at(10551) && mh(56)) { p(26, 1310, 4); send("DE 7TA 7TA 7TA ALGER METEO "); wait(2); send_stack("7TA"); }
    if (at(10564) && ml(2)) { p(24, 1500, 3); send("DE ATP ATP ATP NEW DELHI "); wait(2); send_stack("ATP"); }
    if (at(10585) && ms(30)) { p(24, 990, 3); send("DE LOL LOL LOL SERVICIO METEOROLOGICO "); wait(2); send_stack("LOL"); }
    if (at(10667) && ml(4)) { p(25, 1210, 4); send("DE BAF4 BAF4 BAF4 BEIJING METEO "); wait(2); send_stack("BAF4"); }
    if (at(10706) && mh(58)) { p(30, 1000, 4); send("VVV VVV DE NAM NAM NAM "); wait(2); send_stack("NAM"); }
    if (at(10719) && ml(2)) { p(28, 900, 4); send("VVV DE NPM NPM NPM "); wait(2); send_stack("NPM"); }
    if (at(10787) && ms(0)) { p(26, 1400, 4); send("VVV VVV DE IDR IDR IDR "); wait(2); send_stack("IDR"); }
    if (at(10821) && mh(57)) { p(24, 1290, 4); send("DE SXA SXA SXA RYRYRY "); wait(2); send_stack("SXA"); }
    if (at(10894) && ml(3)) { p(21, 940, 3); send("DE RIW RIW RIW QSX 10 13 "); wait(2); send_stack("RIW"); }
    if (at(10911) && ms(15)) { p(21, 1170, 4); send("DE SPO SPO SPO GDYNIA "); wait(2); send_stack("SPO"); }
    if (at(10957) && mh(56)) { p(27, 1000, 3); send("VVV VVV DE PWZ33 PWZ33 PWZ33 "); wait(2); send_stack("PWZ33"); }
    if (at(10223) && ml(2)) { p(24, 1600, 4); send("DE HBC88 HBC88 HBC88 CICR GENEVE "); wait(2); send_stack("HBC88"); }
    if (at(10409) && ms(30)) { p(25, 1080, 3); send("DE 4UB 4UB 4UB UNITED NATIONS "); wait(2); send_stack("4UB"); }

    // Teleprinter stations asking for their correspondents in Morse.
    if (at(10742) && cond(3)) send_cond_bug("GYA GYA DE GXQ GXQ QRV RTTY K");

    // Police and government nets of the fixed service.
    if (at(10129) && ms20(20)) { p(21, 1330, 3); send_still("VVV VVV VVV DE FSB FSB FSB  "); }
    if (at(10219) && cond(3)) send_cond_bug("LZP LZP DE LZP7 LZP7 QSA? K");
    if (at(10240) && ms10(10)) { p(21, 1040, 4); let_msg("UMS UMS DE RWX RWX = ", 3, 0x80); }
    if (at(10497) && cond(4)) send_cond_bug("LOL LOL DE LOL2 LOL2 QSA 4 K");
    if (at(10728) && mh(50)) { p(26, 2080, 4); send_still("VVV VVV VVV DE NRV NRV NRV  "); }
    if (at(10769) && ms10(30)) { p(24, 1160, 4); french_navy_coast("VVV VVV VVV DE FUG FUG FUG QSX 8 10  ", "FUG"); }
    if (at(10801) && ms10(10)) { p(21, 1090, 3); fig_msg("PBC PBC DE PBB PBB QTC ", " + K"); }
    if (at(10834) && cond(3)) send_cond_bug("CTP CTP DE CTH CTH QSA 5 K");
    if (at(10868) && ms(10)) { p(14, 1820, 3); nato_msg("AFH DE AFE = ", 'P'); }
    if (at(10978) && cond(3)) send_cond_bug("OVG OVG DE OVG2 OVG2 QRU? K");

    // The oceanic and regional air route families on their other channels.
    if (at({10042, 10069, 10081}) && ct(600, 2000)) fone_cond(4);
    if (at({10087, 10096}) && night()) fone_cond(5);

    // Markers with VVV ahead of traffic, and calls with traffic.
    if (at(10110) && mh(50)) send_vvv("DDN");
    if (at(10184) && ms(0)) send_vvv("SPW");
    if (at(10250) && t.wMinute % 6 == 0) send_vvv("FSB");
    if (at(10313) && ms(30)) send_vvv("7TA");
    if (at(10405) && t.wMinute % 4 == 2) send_vvv("FTN");
    if (at(10471) && ml(10)) send_vvv("RBZ");
    if (at(10599) && mh(45)) send_vvv("EBA");
    if (at(10623) && ms(15)) send_vvv("TAH");
    if (at(10711) && ms(40)) send_vvv("NSS");
    if (at(10809) && t.wMinute % 5 == 1) send_vvv("CFH");
    if (at(10877) && ml(5)) send_vvv("4XZ");
    if (at(10947) && mh(40)) send_vvv("ZLO");
    if (at(10184) && cond(3)) { p(18, 1240, 3); send("SPW SPW DE SPW52 QTC 1 "); qtc_qsk("NR 12 GR 8 = 41872 30915 66203 18847 52290 73014 90438 21577 = +"); send_stack(" K"); }
    if (at(10339) && cond(3)) { p(21, 1940, 4); send("9KK DE 9KK4 QTC 1 "); qtc_qsk("NR 86 CK 9 = MFA KUWAIT = DELEGATION ARRIVING FRIDAY FLIGHT KU 103 = +"); send_stack(" K"); }
    if (at(10534) && cond(3)) { p(14, 1020, 3); send("5YE DE 5YK QTC 1 "); qtc_qsk("NR 7 GR 6 = 63741 11090 47552 33018 90421 20177 = +"); send_stack(" AR"); }
    if (at(10762) && cond(3)) { p(24, 1310, 4); send("FUE DE FUV QTC 2 "); qtc_qsk("NR 208 = 0914Z = 85312 40177 29063 71540 66802 13399 = +"); send_stack(" K"); }
    if (at(10886) && cond(3)) { p(24, 1000, 3); send("RCV DE RJS QTC 1 "); qtc_qsk("NR 77 GR 10 = 3140 = 29831 40712 66109 58372 10495 27738 93016 44851 70263 15589 = +"); send_stack(" K"); }
}

}  // namespace kestrel
