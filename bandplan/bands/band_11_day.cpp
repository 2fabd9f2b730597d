// Stations of 11 MHz heard while the path is in daylight: the Gulf and
// Arabian links, East and West Africa, the Iberian and Balkan nets, the
// embassies' morning and midday schedules and the telegraph offices on
// their day frequencies. Split from band_11.cpp along its daylight block.

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
#include "traffic/netcheck.h"

namespace kestrel {

void band_11_day_paths() {
    if (day()) {
        // The Gulf, Arabia and the Red Sea.
        if (at(11008) && ml(30)) { p(23, 1250, 4); send_still("VVV VVV VVV DE A9M A9M A9M BAHRAIN  "); }
        if (at(11008) && mh(29) && cond(3)) { p(20, 1250, 4); send_cond("A9M A9M DE A9M3 A9M3 QTC 1 K"); }
        if (at(11018) && eh()) { p(24, 980, 5); send_still("VVV VVV DE A4M A4M A4M MUSCAT  "); }
        if (at(11025) && cond(3)) send_cond_bug("A6N A6N DE A6N2 A6N2 QRK? K");
        if (at(11032) && ct(700, 1100)) { p(24, 1100, 4); send_still("CQ CQ CQ DE HZA HZA HZA JEDDAH QSX 11 13  "); }
        if (at(11040) && ms20(20)) { p(24, 1100, 4); fig_msg("HZN HZN DE HZA HZA QTC ", " + K"); }
        if (at(11048) && oh()) { p(21, 870, 3); send_still("VVV VVV DE 4WA 4WA 4WA SANAA  "); }
        if (at(11054) && cond(2)) { p(18, 1180, 4); send_cond("70A 70A DE 70A5 70A5 QSA? K"); }
        if (at(11061) && ct(800, 1400)) { p(24, 1030, 3); send_still("VVV VVV VVV DE 6OD 6OD 6OD MUQDISHO  "); }
        if (at(11067) && cond(3)) { p(20, 1000, 3); clg_cond("J2A", "J2A6", 2); }

        // East, Central and West Africa.
        if (at(11082) && cond(3)) { p(19, 2310, 3); send_cond("5XA 5XA DE 5XG 5XG GULU QTC 2 K"); }
        if (at(11094) && eh()) { p(23, 1820, 5); send_still("VVV VVV DE 9XA 9XA 9XA KIGALI  "); }
        if (at(11101) && ms(30)) { p(21, 1200, 3); french_ptt("9UA", "TTA"); }
        if (at(11121) && cond(2)) send_cond_bug("TZB TZB DE TZA TZA QTC 3 K");
        if (at(11140) && cond(3)) { p(21, 1300, 3); clg_cond("XTA", "XTK", 200); }
        if (at(11156) && ms10(40)) { p(24, 990, 4); fig_msg("TUK TUK DE TUA TUA QTC ", " AR K"); }
        if (at(11162) && cond(3)) send_cond_bug("TYA TYA DE TYA4 TYA4 QRV K");
        if (at(11173) && cond(2)) { p(20, 2010, 3); send("9LA DE 9LY QTC 1 "); qtc_qsk("NR 19 CK 12 = POLICE HQ FREETOWN = PATROL RETURNED KENEMA NO INCIDENT REPORT FOLLOWS = +"); send_stack(" K"); }

        // The Iberian, Balkan and Alpine nets.
        if (at(11416) && cond(3)) { p(21, 1180, 3); send_cond("EBA EBA DE EBA7 EBA7 QTC 2 K"); }
        if (at(11423) && ms20(0)) { p(23, 2150, 3); fig_msg("CTV CTV DE CTP CTP QTC ", " + K"); }
        if (at(11440) && cond(3)) send_cond_bug("OEK OEK DE OEF OEF QSA? K");
        if (at(11449) && eh()) { p(24, 1060, 1); send_still("VVV VVV VVV DE YZS YZS YZS SPLIT  "); }
        if (at(11457) && ms(10)) { p(21, 1160, 1); let_msg("YZA YZA DE YZS YZS = ", 2, 0); }
        if (at(11467) && cond(3)) { p(21, 840, 3); clg_cond("LZN", "LZN3", 2); }
        if (at(11476) && ml(30)) { p(23, 1520, 4); send_still("VVV VVV DE YOC YOC YOC BUCURESTI  "); }
        if (at(11484) && ms10(20)) { p(21, 1000, 3); let_msg("HGK HGK DE HGA HGA = ", 3, 0); }
        if (at(11503)) fixed_net(NET_ARMY_E, 21);
        if (at(11512)) fixed_net(NET_GOV_B, 22);
        if (at(11520) && ms(40)) fixed_net(NET_TAC_G, 23);

        // Embassy stations on their day schedules.
        if (at(11526) && ms20(20)) { p(24, 1070, 3); italian_diplo(); }
        if (at(11533) && ct(1000, 1200)) { p(21, 1220, 4); german_diplo(); }
        if (at(11541) && ct(1200, 1300)) { p(24, 990, 3); nor_diplo("LKZ"); }
        if (at(11549) && ct(800, 930)) bul_emba("LZS");
        if (at(11554) && ct(1400, 1500)) algerian_diplo("7TF5");
        if (at(11562) && ct(900, 1000)) cuban_diplo("CLP1");
        if (at(11568) && ct(1000, 1100)) red_cross("HBC88");
        if (at(11576) && ct(1300, 1430)) albanian_diplo("ZAA");
        if (at(11585) && od() && ct(700, 800)) { p(23, 1300, 3); vietnamese_diplo(); }
        if (at(11594) && ct(1500, 1600)) morrocan_diplo("CNM", "CNM25");

        // Telegraph offices on their day frequencies.
        if (at(11600) && ct(600, 1600)) { p(26, 960, 4); telecom_opchat_dx("OKP", "YTB", ""); }
        if (at(11606) && ct(700, 1500)) { p(27, 1040, 1); telecom_opchat_dx("SUV", "TAK", ""); }
        if (at(11613) && ct(800, 1700) && oh()) { p(30, 900, 4); auto_morse(45); }
        if (at(11618) && ct(900, 1400)) { p(25, 1100, 3); radiophoto_opchat("GIA", "OKP"); }
        if (at(11623) && ct(600, 1200)) { p(24, 880, 4); russian_ptt("RIP", "UPN", 2); }

        // The air forces' and airlines' ground stations and aircraft.
        if (at({11190, 11196}) && oh()) fone_cond(3);
        if (at({11238, 11262}) && ct(800, 1500)) fone_cond(4);
        if (at({11285, 11306, 11318}) && ml(30)) fone_cond(5);
        if (at(11208) && cond(3)) raf_qso("MKL");
        if (at(11219) && ms(20)) { p(24, 1000, 3); aero_wx("YIR"); }
        if (at(11240) && cond(2)) a2g_dx_gnd("GFL");
        if (at(11252) && ml(30)) aero_fixed("HZH", "OJA", 3);
        if (at(11267) && cond(3)) aeroflot("RFNA", "RKML");

        // Government and police stations answering in daylight.
        if (at(11018) && ms20(40)) { p(24, 980, 1); fig_msg("A4M A4M DE A4M2 A4M2 QTC ", " AR K"); }
        if (at(11048) && cond(3)) send_cond_bug("4WA 4WA DE 4WA3 4WA3 QRU? K");
        if (at(11094) && ms10(20)) { p(23, 1870, 4); fig_msg("9XA9 9XA9 DE 9XA 9XA QTC ", " + K"); }
        if (at(11129) && cond(3)) send_cond_bug("5UA 5UA DE 5UZ 5UZ QSA? K");
        if (at(11147) && cond(3)) send_cond_bug("TUA TUA DE TUK TUK QTC 2 K");
        if (at(11167) && ms20(0)) { p(24, 1650, 4); let_msg_latin("5VA DE 5VK = ", 0); }
        if (at(11449) && cond(3)) send_cond_bug("YZS YZS DE YZS2 YZS2 QSA 4 K");
        if (at(11476) && ms10(40)) { p(23, 1520, 4); let_msg("YOA YOA DE YOC YOC = ", 2, 0x80); }
        if (at(11525) && cond(3)) send_cond_bug("HMB22 HMB22 DE HMB HMB QRK? K");
        if (at(11612) && cond(3)) send_cond_bug("9KK 9KK DE 9KK2 9KK2 QTC 3 K");
    }
}

}  // namespace kestrel
