// Band 13, stations of the years before 1950 (HIST): the short-wave beam
// and commercial circuits of the 1930s, the press transmitters, the coast
// stations' high-frequency channels and the war years' networks.

#include "bandplan/entry.h"
#include "procedures/predicates.h"
#include "procedures/send.h"
#include "state/clock.h"
#include "state/emission.h"
#include "state/receiver.h"
#include "traffic/diplomatic.h"
#include "traffic/fleets.h"
#include "traffic/military.h"
#include "traffic/naval.h"
#include "traffic/press.h"

namespace kestrel {

void band_13_hist() {
    if (hist) {
        // The War Department's net across the Atlantic.
        if (at(13825) && ct(1100, 2100)) usarmy_fixed_net(usarmy_net_atlantic, 4);
        // Beam and commercial circuits between the capitals and the empires.
        if (at(13005) && ct(600, 1200)) { p(22, 1340, 3); qrh = 1; send_still("VVV VVV VVV DE PCV PCV PCV QSX PLV  "); }
        if (at(13005) && ct(1200, 1300)) { p(24, 1340, 3); fig_msg("PLV PLV DE PCV PCV = ", " AR"); }
        if (at(13027) && ct(600, 1300)) { p(20, 690, 2); send_cond_bug("PCV PCV DE PLV PLV QRK? K"); }
        if (at(13062) && ct(1700, 2300)) { p(25, 900, 4); send_still("VVV VVV VVV DE GCJ GCJ GCJ  "); }
        if (at(13062) && ct(2300, 30)) { p(25, 900, 4); let_msg_latin("WQP DE GCJ = ", 0x80); }
        if (at(13185) && ct(1300, 2000)) { p(28, 760, 3); send_still("VVV VVV VVV DE WQT WQT WQT  "); }
        if (at(13185) && ct(2000, 2100)) { p(28, 760, 3); fig_msg("GBU GBU DE WQT WQT = ", " AR"); }
        if (at(13194) && cond(3)) { p(19, 700, 2); send_cond("WQT WQT DE GBU GBU QRK? K"); }
        if (at(13230) && ct(800, 1500)) { p(26, 850, 3); send_still("VVV VVV VVV DE DFC DFC DFC  "); }
        if (at(13230) && ct(1500, 1530)) { p(26, 850, 3); let_msg_latin("LSN DE DFC = ", 1); }
        if (at(13247) && night()) { p(22, 1180, 2); send_cond("DFC DFC DE LSN LSN QSA? K"); }
        if (at(13268) && ct(1000, 1600)) { p(30, 980, 3); send_still("VVV VVV VVV DE FTD FTD FTD  "); }
        if (at(13268) && ct(1600, 1700)) { p(24, 980, 3); french_ptt("PSK", "FTD"); }
        if (at(13291) && cond(3)) { p(21, 640, 2); send_cond_bug("FTD FTD DE PSK PSK QRK? K"); }
        if (at(13305) && ct(400, 1000)) { p(23, 800, 3); qrh = 2; send_still("VVV VVV VVV DE JVM JVM JVM  "); }
        if (at(13305) && ct(1000, 1100)) { p(23, 800, 3); fig_msg("WKN WKN DE JVM JVM = ", " AR"); }
        if (at(13336) && ct(900, 1400)) { p(25, 1000, 3); send_still("VVV VVV VVV DE SUV SUV SUV  "); }
        if (at(13336) && ct(1400, 1500)) { p(25, 1000, 3); telecom_opchat_dx("GBB", "SUV", ""); }
        if (at(13354) && cond(3)) { p(16, 760, 3); send_cond("SUV SUV DE GBB GBB QRK? K"); }
        if (at(13415) && ct(700, 800)) { p(24, 900, 3); fig_msg("DGU DGU DE DFB DFB = ", " AR"); }
        if (at(13426) && ct(500, 1100)) { p(22, 740, 3); send_still("VVV VVV VVV DE VWY VWY VWY  "); }
        if (at(13426) && ct(1100, 1200)) { p(22, 740, 3); let_msg_latin("GBK DE VWY = ", 0x80); }
        if (at(13434) && cond(3)) { p(19, 660, 2); send_cond("VWY VWY DE GBK GBK QRK? K"); }
        if (at(13460) && ct(1200, 1800)) { p(27, 880, 3); send_still("VVV VVV VVV DE PPU PPU PPU  "); }
        if (at(13460) && ct(1800, 1900)) { p(24, 880, 3); telecom_opchat_dx("IRM", "PPU", ""); }
        if (at(13470) && ct(1700, 1730)) { p(30, 820, 4); fig_msg("GBW GBW GBW ", " AR  "); }
        if (at(13486) && ct(900, 1600)) { p(24, 1000, 3); send_still("VVV VVV VVV DE IRM IRM IRM  "); }
        if (at(13494) && cond(3)) { p(21, 700, 2); send_cond_bug("IRM IRM DE PPU PPU QSA? K"); }
        if (at(13500) && ct(1100, 1200)) { p(27, 800, 3); french_ptt("FZR", "FYL"); }
        if (at(13513) && ct(2000, 400)) { p(12, 780, 5); send_still("VVV VVV VVV DE VIZ VIZ VIZ  "); }
        if (at(13513) && ct(400, 500)) { p(12, 780, 5); fig_msg("GBP GBP DE VIZ VIZ = ", " AR"); }
        if (at(13530) && ct(100, 200)) { p(23, 900, 2); fig_msg("JUP JUP JUP ", " AR  "); }
        if (at(13549) && ct(1100, 1700)) { p(26, 950, 3); send_still("VVV VVV VVV DE CGA CGA CGA  "); }
        if (at(13549) && cond(4)) { p(22, 950, 3); send_cond("GBS GBS DE CGA CGA QRK? K"); }
        if (at(13568) && ct(1300, 1800)) { p(24, 700, 3); send_still("VVV VVV VVV DE LSL LSL LSL  "); }

        // Press transmitters: the news sent blind at fixed hours.
        if (at(13585) && ct(1800, 2000)) { p(13, 1000, 4); send_still("CQ CQ CQ DE GAA GAA GAA PX  "); }
        if (at(13585) && ct(2000, 2100)) { p(13, 1000, 4); press_px("GAA", PRESS_REUTER); }
        if (at(13620) && ct(1000, 1200)) { p(32, 840, 3); send_still("CQ CQ DE DHO DHO DHO PX  "); }
        if (at(13620) && ct(1200, 1300)) { p(28, 840, 3); press_px("DHO", PRESS_DNB); }
        if (at(13657) && ct(1500, 1700)) { p(27, 900, 5); send_still("CQ CQ CQ DE FTK FTK FTK PRESSE  "); }
        if (at(13687) && ct(2100, 2300)) { p(26, 760, 3); send_still("CQ CQ DE WCX WCX WCX PX  "); }
        if (at(13719) && ct(1300, 1500)) { p(30, 1000, 0); send_still("CQ CQ CQ DE IBN IBN IBN STAMPA  "); }
        if (at(13750) && ct(700, 900)) { p(25, 850, 5); send_still("CQ CQ DE RKI RKI RKI PX  "); }
        if (at(13750) && ct(900, 1000)) { p(25, 850, 5); let_msg_latin("CQ DE RKI = ", 1); }
        if (at(13777) && ct(500, 700)) { p(22, 700, 2); qrh = 1; send_still("CQ CQ DE JYR JYR JYR PX  "); }
        if (at(13811) && ct(1400, 1600)) { p(28, 800, 3); send_still("CQ CQ CQ DE PSF PSF PSF PX  "); }

        // Coast stations' high-frequency channels and the liners working them.
        if (at(13014) && ct(1600, 2200)) { p(16, 780, 1); send_still("CQ DE GKT GKT GKT  "); }
        if (at(13014) && cond(4)) old_vsl_qtc();
        if (at(13030) && cond(3)) { p(24, 700, 3); send_cond("GKU GKU DE GBTT GBTT QTC 4 K"); }
        if (at(13041) && ct(800, 1500)) { p(23, 740, 3); send_still("CQ DE FFL FFL FFL  "); }
        if (at(13050) && cond(4)) { p(21, 690, 3); send_cond_bug("WCC WCC DE KFCW KFCW QRU? K"); }
        if (at(13063) && ct(1300, 2000)) { p(24, 760, 3); send_still("CQ DE DAN DAN DAN  "); }
        if (at(13063) && cond(4)) { p(22, 690, 2); hand = 1; send_cond("DAN DAN DE DIDU DIDU QTC 2 K"); }
        if (at(13077) && ct(1100, 1700)) { p(22, 820, 3); send_still("CQ DE PCH PCH PCH  "); }
        if (at(13099) && ct(1500, 2300)) { p(24, 880, 3); send_still("CQ DE WSC WSC WSC  "); }
        if (at(13099) && cond(4)) old_vsl_qtc();
        if (at(13152) && ct(900, 1500)) { p(22, 760, 3); send_still("CQ DE ICB ICB ICB  "); }

        // The war years: Allied and Axis networks.
        if (at(13441) && ct(900, 1300)) { p(20, 800, 3); brusa("WAR", "GBZ"); }
        if (at(13508) && ct(1000, 1100) && ms10(20)) pol_gov_ldn_net_wrk(3);
        if (at(13576) && t.wMinute % 5 == 0) { p(21, 720, 5); nkvd_2(3); }
        if (at(13600) && night() && cond(2)) { p(19, 680, 2); uboot(); }
        if (at(13640) && ct(600, 1800)) { p(23, 900, 3); send_still("VVV VVV VVV DE NAA NAA NAA  "); }
        if (at(13640) && ct(1800, 1900)) usn_old();
        if (at(13700) && cond(3)) { p(18, 650, 2); red_army_broadcast(3, 0); }
        if (at(13740) && ct(2000, 2200)) { p(22, 860, 1); send_still("VVV VVV VVV DE NPM NPM NPM  "); }
        if (at(13820) && ct(1200, 1400)) { p(14, 700, 3); send_still("VVV VVV VVV DE WTJ WTJ WTJ  "); }
        if (at(13865) && cond(3)) { p(20, 800, 5); send_cond_bug("WTJ WTJ DE WVY WVY QTC 1 K"); }
        if (at(13950) && ct(800, 1000)) { p(26, 900, 3); send_still("VVV VVV VVV DE GBZ GBZ GBZ  "); }
        if (at(13984) && ct(1300, 1500)) { p(22, 760, 3); brusa("GBZ", "WAR"); }
    }
    stn();
}

}  // namespace kestrel
