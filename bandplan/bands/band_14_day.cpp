// Band 14, stations heard while the path is in daylight: the far amateur
// stations of the day openings, and the naval, military and government
// circuits whose 14 MHz channels close at dusk.

#include "bandplan/entry.h"
#include "bandplan/fixed_nets.h"
#include "procedures/predicates.h"
#include "procedures/procedures.h"
#include "procedures/send.h"
#include "procedures/voice.h"
#include "state/clock.h"
#include "traffic/amateur.h"
#include "traffic/blocks.h"
#include "traffic/military.h"
#include "traffic/naval.h"
#include "traffic/netcheck.h"

namespace kestrel {

void band_14_day() {
    if (day()) {
        // The amateur band open to the far east and the south by day.
        if (at(14004) && cond(2)) amateur_dx();
        if (at(14007) && ml(30)) dx_pileup();
        if (at(14011) && cond(3)) { find_2stns(); amateur_qso(); }
        if (at(14015) && eh()) amateur_tfc();
        if (at(14027) && cond(2)) qsa_qra_qso("LA3HK", "OZ7GU", "KNUT", "POUL");
        if (at(14039) && ct(700, 1100)) amateur_dx();
        if (at(14046) && cond(3)) qrp_qso();
        if (at(14050) && weekend()) contest_qso();
        if (at(14059) && cond(2)) { find_2stns(); amateur_qso(); }
        if (at(14063) && ct(1200, 1600)) spe_event();
        if (at(14066) && cond(3)) amateur_tfc();
        if (at({14140, 14185, 14230, 14260, 14295}) && cond(2)) fone_cond(2);
        if (at({14160, 14212, 14318, 14342})) fone_cond(5);

        // Naval stations and their outstations.
        if (at(14357) && ml(30)) { p(24, 1000, 4); send_still("VVV VVV VVV DE FUE FUE FUE QSX 6 8 14  "); }
        if (at(14357) && mh(29) && cond(2)) { p(24, 1000, 4); send_cond("FUE2 FUE2 DE FUE FUE QTC 1 K"); }
        if (at(14366) && cond(3)) { p(21, 1180, 5); send_cond_bug("FUE FUE DE FUE2 FUE2 QSA? K"); }
        if (at(14375)) { p(23, 1000, 4); send_still("VVV VVV VVV DE IGJ IGJ IGJ QSX 8 14  "); }
        if (at(14375) && ms10(10)) { p(23, 1000, 4); italian_naval("VVV VVV VVV DE IGJ IGJ IGJ  ", "IGJ"); }
        if (at(14403) && cond(2)) nato_qso();
        if (at(14412) && ms10(20)) { p(24, 2340, 3); nato_msg("Y2K DE GYA = ", 'R'); }
        if (at(14421) && cond(3)) { p(30, 1100, 4); send_cond_bug("GYA GYA DE GXH GXH QRV? K"); }
        if (at(14434) && ct(800, 1400)) { p(21, 1000, 4); send_still("VVV VVV VVV DE DHJ59 DHJ59 DHJ59 QSX 14  "); }
        if (at(14457) && oh()) { p(30, 1100, 5); send_still("VVV VVV VVV DE SPW SPW SPW  "); }
        if (at(14466) && cond(2)) { p(20, 1000, 4); send_cond_bug("OVG OVG DE OVG2 OVG2 QTC 3 K"); }
        if (at(14472) && ml(20)) { p(35, 1200, 1); send_still("VVV VVV VVV DE PBB PBB PBB  "); }
        if (at(14481) && ms10(0)) fixed_net(NET_TAC_2, 21);
        if (at(14489) && cond(3)) { p(16, 1000, 3); send_cond("TBA TBA DE TBA5 TBA5 QSA? K"); }
        if (at(14506) && cond(3)) { p(32, 1340, 3); send_cond("CTV CTV DE CTP CTP QTC 1 K"); }
        if (at(14514) && ct(900, 1500)) { p(21, 1000, 4); send_still("VVV VVV VVV DE FUG FUG FUG  "); }
        if (at(14514) && ct(1500, 1600) && ms(0)) { p(21, 1000, 4); french_navy_coast("VVV VVV VVV DE FUG FUG FUG  ", "FUG"); }
        if (at(14529) && cond(2)) { p(20, 2050, 3); send_cond_bug("FUG FUG DE FUG6 FUG6 QRV? K"); }
        if (at(14538) && ml(30)) { p(24, 1000, 4); send_still("VVV VVV VVV DE NAM NAM NAM QSX 8 12 14  "); }
        if (at(14538) && mh(29) && ms10(40)) { p(24, 1000, 4); naval_coast("VVV VVV VVV DE NAM NAM NAM  ", "NAM", us_navy, 37); }
        if (at(14547) && cond(3)) { p(21, 1160, 5); send_cond("NAM NAM DE NMN NMN QTC 1 K"); }
        if (at(14557) && ms20(40)) { p(22, 1000, 3); nato_msg("P6R DE NSS = ", 'P'); }
        if (at(14566) && cond(3)) { p(13, 1500, 4); send_cond_bug("SXA SXA DE SXA9 SXA9 QSA? K"); }

        // Government circuits of the day.
        if (at(14573) && eh()) { p(21, 1000, 4); send_still("QRV? QRV? DE SUA5 SUA5 SUA5  "); }
        if (at(14573) && eh() && mh(20) && ml(30)) { p(21, 1000, 4); fig_msg_ar("SUA DE SUA5 = "); }
        if (at(14588) && cond(3)) { p(24, 1200, 5); send_cond("7TA 7TA DE 7TA40 7TA40 QTC 1 K"); }
        if (at(14603) && cond(2)) { p(20, 1580, 4); send_cond_bug("CNA CNA DE CNA11 CNA11 QRV? K"); }
        if (at(14611) && oh()) { p(16, 1000, 3); send_still("VVV VVV VVV DE HZN HZN HZN QSX 14611  "); }
        if (at(14619) && cond(3)) { p(14, 1400, 4); send_cond("HZN HZN DE HZN2 HZN2 QTC 2 K"); }
        if (at(14636) && ct(1000, 1400)) { p(23, 1000, 3); let_msg_latin("OLX DE OLZ9 = ", 1); }
        if (at(14669) && cond(2)) { p(20, 1000, 3); send_cond_bug("HMB HMB DE HMB8 HMB8 QTC 1 K"); }
        if (at(14681) && ct(900, 1200)) { p(24, 1280, 4); fig_msg("PWZ PWZ DE PWZ21 = ", " AR"); }
        if (at(14716) && cond(3)) { p(24, 1000, 3); send_cond_bug("EPD EPD DE EPD4 EPD4 QRV? K"); }
        if (at(14733) && eh()) { p(16, 1000, 4); send_still("VVV VVV DE 5AL 5AL 5AL QSX 14733  "); }
        if (at(14751) && cond(2)) { p(20, 1230, 3); send_cond("ST2 ST2 DE ST2C ST2C QTC 1 K"); }
        if (at(14763) && ml(20)) { p(24, 1000, 4); send_still("VVV VVV VVV DE 3VX 3VX 3VX  "); }
        if (at(14776) && cond(3)) { p(22, 1000, 3); send_cond_bug("JYC JYC DE JYC8 JYC8 QTC 2 K"); }
        if (at(14789) && ct(1200, 1600)) { p(21, 1900, 4); fig_msg("9KA 9KA DE 9KA5 = ", " AR"); }
        if (at(14804) && cond(3)) { p(24, 1000, 1); send_cond("YKA YKA DE YKA31 YKA31 QRV? K"); }
        if (at(14832) && cond(2)) { p(20, 1100, 3); send_cond_bug("C9A C9A DE C9A8 C9A8 QTC 1 K"); }
        if (at(14845) && ms10(30)) { p(24, 1000, 3); fig_msg("5YA 5YA DE 5YA4 = ", " AR"); }
        if (at(14861) && eh()) { p(21, 1000, 5); send_still("VVV VVV VVV DE 9QA 9QA 9QA QSX 14861  "); }
        if (at(14877) && cond(3)) { p(22, 1420, 5); send_cond("6WW 6WW DE 6WW3 6WW3 QTC 2 K"); }
        if (at(14891) && ct(900, 1300)) { p(16, 1000, 4); send_still("QRV? QRV? DE TZA TZA TZA  "); }
        if (at(14903) && cond(3)) { p(20, 1000, 3); send_cond_bug("ETA ETA DE ETA6 ETA6 QRV? K"); }
        if (at(14916) && oh() && ml(30)) { p(23, 1210, 4); send_still("VVV VVV VVV DE A4O A4O A4O  "); }
        if (at(14947) && eh()) { p(12, 1000, 5); send_still("VVV VVV DE 4WA 4WA 4WA QSX 14947  "); }
        if (at(14961) && cond(3)) { p(22, 1080, 5); send_cond_bug("JTA JTA DE JTA3 JTA3 QTC 1 K"); }
        if (at(14978) && ct(1000, 1300)) { p(16, 1000, 4); send_still("VVV VVV VVV DE XW8 XW8 XW8  "); }
        if (at(14989) && cond(3)) { p(21, 1000, 3); send_cond("XU1 XU1 DE XU1A XU1A QRV? K"); }
    }
    stn();
}

}  // namespace kestrel
