// Stations of 10 MHz heard while the path is in daylight: the Mediterranean,
// African and Middle Eastern fixed links, the European military and police
// nets, embassy stations and the telegraph offices on their day circuits.
// Split from band_10.cpp along its daylight block.

#include "bandplan/entry.h"
#include "bandplan/fixed_nets.h"
#include "procedures/predicates.h"
#include "procedures/procedures.h"
#include "procedures/send.h"
#include "procedures/voice.h"
#include "state/clock.h"
#include "traffic/aero.h"
#include "traffic/diplomatic.h"
#include "traffic/military.h"
#include "traffic/naval.h"
#include "traffic/netcheck.h"
#include "traffic/press.h"

namespace kestrel {

void band_10_day_paths() {
    if (day()) {
        // North Africa and the Levant: the French-speaking offices and their
        // service exchanges.
        if (at(10104) && ml(40)) { p(21, 1000, 4); send_still("VVV VVV VVV DE 3VX 3VX 3VX TUNIS  "); }
        if (at(10104) && cond(3)) { p(18, 1870, 3); send_cond("3VX 3VX DE 3VX22 3VX22 QSA? K"); }
        if (at(10123) && eh()) { p(24, 1000, 4); send_still("CQ CQ CQ DE 7TF 7TF 7TF QSX 10 13 16  "); }
        if (at(10139) && ct(800, 1200)) { p(40, 1380, 4); send_still("VVV VVV DE CNP CNP CNP RABAT QRU?  "); }
        if (at(10139) && ct(800, 1200) && cond(2)) { p(21, 1820, 3); french_ptt("CNP", "CNB"); }
        if (at(10157)) { p(14, 900, 4); send_still("VVV VVV VVV DE 5AT 5AT 5AT TRIPOLI  "); }
        if (at(10166) && cond(3)) { p(24, 1220, 4); clg_cond("5AT", "5AB", 2); }
        if (at(10179) && ms20(20)) { p(26, 1000, 4); fig_msg("SUH SUH DE SUA SUA QTC ", " + K"); }
        if (at(10205) && cond(2)) send_cond_bug("ODR ODR DE ODR5 ODR5 QTC 2 K");
        if (at(10221) && eh() && ms10(30)) { p(24, 860, 4); let_msg_latin("JYO DE JYO5 = ", 0); }
        if (at(10241)) send_vvv("HZN");
        if (at(10254) && cond(3)) { p(21, 1740, 3); send_cond("HZN HZN DE HZN51 HZN51 QRK? K"); }
        if (at(10261) && ms(10)) { p(25, 1000, 4); nato_msg("TBA2 DE TBB = ", 'R'); }
        if (at(10271) && ct(600, 1000)) { p(24, 930, 4); send_still("VVV VVV DE 9KK 9KK 9KK KUWAIT  "); }

        // Africa south of the Sahara: the government and police networks of
        // the former French and British territories.
        if (at(10282) && mh(19) && cond(3)) { p(21, 1300, 4); french_ptt("TUA", "6VA"); }
        if (at(10304) && eh()) { p(24, 1100, 4); send_still("CQ CQ DE TNA TNA TNA BRAZZAVILLE QSX 10 MHZ  "); }
        if (at(10319) && cond(3)) { p(17, 1000, 4); send_cond("9QA 9QA DE 9QM 9QM QTC 4 K"); }
        if (at(10338) && ms20(0)) { p(24, 1640, 4); fig_msg("5NK 5NK DE 5NG 5NG QTC ", " + K"); }
        if (at(10359) && cond(2)) send_cond_bug("ST2 ST2 DE STK STK QSA? K");
        if (at(10374) && cond(3)) { p(20, 820, 1); clg_cond("5YK", "5YN", 1); }
        if (at(10386) && ct(900, 1500)) { p(24, 1940, 3); send_still("CQ CQ CQ DE 5HA 5HA 5HA DAR ES SALAAM  "); }
        if (at(10393) && cond(2)) { p(21, 1040, 3); send("5HD DE 5HK QTC 2 "); qtc_qsk("NR 41 GR 14 = POLICE DODOMA = ARRIVED TODAY TWO LANDROVERS ONE DEFECTIVE SPARES REQUIRED = +"); send_stack(" K"); }

        // The European armies and police: fixed-net markers and calls.
        if (at(10416) && cond(3)) { p(19, 920, 4); clg_cond("OEF", "OEK", 2); }
        if (at(10424) && ms10(20)) fixed_net(NET_ARMY_A, 21);
        if (at(10432) && eh()) { p(24, 1340, 4); send_still("CQ CQ CQ DE SAM SAM SAM QSX 10 13  "); }
        if (at(10440) && cond(2)) { p(20, 760, 3); send_cond("LGB LGB DE LGB2 LGB2 QRK? K"); }
        if (at(10447) && ms20(40)) { p(23, 870, 3); fig_msg("OVG OVG DE OVG3 OVG3 QTC ", " AR K"); }
        if (at(10455) && oh()) { p(24, 1100, 4); send_still("VVV VVV VVV DE OHM OHM OHM  "); }
        if (at(10462) && cond(3)) send_cond_bug("EIB EIB DE EIB7 EIB7 QTC K");
        if (at(10473)) fixed_net(NET_TAC_F, 23);
        if (at(10481) && ml(30)) { p(21, 940, 4); send_still("VVV VVV DE CTP CTP CTP QSX 10 12 14  "); }
        if (at(10490) && cond(2)) { p(17, 1000, 3); send_cond("CTP CTP DE CTP4 CTP4 QRV K"); }
        if (at(10498) && eh() && mh(30)) { p(24, 1450, 4); nato_msg("CTP DE CTV = ", 'O'); }
        if (at(10506) && ms10(0)) fixed_net(NET_ARMY_D, 10);
        if (at(10517)) { p(26, 1180, 4); send_still("VVV VVV VVV DE YZA YZA YZA BEOGRAD  "); }
        if (at(10535) && ms(30)) { p(22, 2310, 3); let_msg("ZAD ZAD DE ZAT ZAT = ", 2, 0); }
        if (at(10542) && oh()) { p(24, 1020, 3); send_still("VVV VVV DE LZN LZN LZN SOFIA  "); }
        if (at(10550) && cond(2)) { p(22, 1940, 4); clg_cond("YOA", "YOC", 200); }
        if (at(10557) && ms20(20)) { p(20, 1000, 3); let_msg("HGA HGA DE HGK HGK = ", 3, 0x80); }
        if (at(10565)) { p(24, 860, 4); send_still("VVV VVV VVV DE OLK OLK OLK PRAHA  "); }
        if (at(10574) && cond(3)) send_cond_bug("SPX SPX DE SPX7 SPX7 QRU? K");
        if (at(10582) && mh(20)) { p(21, 1010, 3); send_still("VVV VVV DE Y2V Y2V Y2V QSX 7 10  "); }

        // Rome, Madrid and Athens on their day links; embassy stations keep
        // their morning schedules.
        if (at(10595) && ms20(0)) { p(24, 1090, 3); italian_diplo(); }
        if (at(10608) && ct(800, 1100)) { p(23, 1270, 3); german_diplo(); }
        if (at(10618) && ct(900, 1000)) { p(21, 980, 4); nor_diplo("LKY"); }
        if (at(10626) && ct(1000, 1130)) bul_emba("LZB");
        if (at(10635) && ct(700, 800)) algerian_diplo("7TF2");
        if (at(10643) && ct(1100, 1200)) cuban_diplo("CLN");
        if (at(10651) && ct(1300, 1400)) red_cross("HBC");
        if (at(10658) && ms20(40)) { p(23, 900, 3); portuguese_diplo(); }
        if (at(10666) && ct(600, 700)) { p(21, 1150, 4); iranian_diplo(); }
        if (at(10673) && ct(1400, 1500)) { p(21, 1340, 1); thai_mfa(); }
        if (at(10682) && ct(800, 900) && od()) { p(24, 1000, 3); brussels_mfa(); }

        // Telegraph offices on their day frequencies.
        if (at(10691) && ct(700, 1600)) { p(26, 1000, 4); telecom_opchat_dx("TAK", "FTK", ""); }
        if (at(10699) && ct(800, 1500)) { p(27, 1100, 1); telecom_opchat_dx("YIB", "GIA", ""); }
        if (at(10714) && ct(600, 1400)) { p(25, 860, 4); russian_ptt("UPN", "RIO", 1); }
        if (at(10725) && ct(900, 1700)) { p(30, 940, 4); auto_morse(50); }
        if (at(10737) && ct(1000, 1300)) { p(24, 1080, 3); radiophoto_opchat("SUV", "IRM"); }
        if (at(10746) && ct(700, 1200)) { p(25, 1200, 4); ufc("HGA", "OKP"); }

        // Aircraft, the air forces' ground stations and the aeronautical
        // fixed network.
        if (at({10007, 10024, 10036}) && oh() && mh(9)) fone_cond(3);
        if (at(10755) && cond(3)) raf_qso("MKK");
        if (at(10766) && ms(40)) { p(24, 1000, 3); aero_wx("OAX"); }
        if (at(10774) && cond(2)) a2g_dx_gnd("FDC");
        if (at(10785) && ml(30)) aero_fixed("YIB", "OJA", 2);

        // Navies in daylight: the Mediterranean and Atlantic coast stations.
        if (at(10793) && ml(50)) { p(23, 1320, 3); naval_coast("VVV VVV VVV DE GYU GYU GYU  ", "GYU", rn_vsl, 38); }
        if (at(10804) && mh(10)) { p(24, 1010, 4); italian_naval("VVV VVV VVV DE IDQ IDQ IDQ QSX 6 10  ", "IDQ"); }
        if (at(10812) && ct(800, 1400)) { p(21, 960, 3); nato_broadcast("VVV VVV VVV DE CTV CTV CTV", "CTV2", por_navy_2, 10); }
        if (at(10823) && cond(3)) { p(20, 1400, 3); clg_cond("SXA", "SXA3", 2); }
        if (at(10831) && oh()) { p(23, 1180, 5); naval_coast("VVV VVV DE TBA2 TBA2 TBA2  ", "TBA2", trk_navy2, 12); }
        if (at(10845)) { p(21, 1050, 4); send_still("VVV VVV VVV DE EBC EBC EBC QSX 10 12 16  "); }
        if (at(10845) && cond(3)) { p(21, 890, 4); clg_cond_bug("EBC", "EBA3", 2); }
        if (at(10853) && ms10(40)) { p(25, 1870, 1); fig4_msg("NAU NAU DE NAW NAW = 2214 = ", 22); }
        if (at(10869) && ct(1200, 1700)) { p(24, 880, 3); send_still("VVV VVV VVV DE NBA NBA NBA  "); }
        if (at(10876) && ct(1200, 1700) && cond(2)) { p(24, 1270, 3); send_cond("NBA NBA DE NAW NAW QSA? K"); }

        // Government and police stations answering in daylight.
        if (at(10262) && cond(3)) { p(19, 1270, 3); send_cond("SUH SUH DE SUH4 SUH4 QRU? K"); }
        if (at(10301) && ms20(40)) { p(23, 930, 4); fig_msg("EQN EQN DE EPA EPA QTC ", " + K"); }
        if (at(10461) && ms10(40)) { p(24, 880, 4); fig_msg("HZN HZN DE HZN51 HZN51 QTC ", " + K"); }
        if (at(10547) && ms(20)) { p(21, 1000, 4); fig_msg("EQP EQP DE EPA EPA QTC ", " AR K"); }
        if (at(10656) && ms20(0)) { p(23, 1050, 3); let_msg("SOK SOK DE SOM SOM = ", 2, 0); }
        if (at(10934) && ms20(20)) { p(23, 1230, 3); fig_msg("VTP VTP DE VTG VTG QTC ", " + K"); }
        if (at(10970) && ms10(50)) { p(24, 1130, 3); fig_msg("ZRQ ZRQ DE ZSJ ZSJ QTC ", " AR K"); }
    }
}

}  // namespace kestrel
