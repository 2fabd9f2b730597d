// Band 14, stations of the years before 1950 (HIST): the beam and
// commercial circuits of the 1930s between the capitals and their far
// partners, the press transmitters, and the war years' networks.

#include "bandplan/entry.h"
#include "procedures/predicates.h"
#include "procedures/send.h"
#include "state/clock.h"
#include "state/emission.h"
#include "state/receiver.h"
#include "traffic/aero.h"
#include "traffic/diplomatic.h"
#include "traffic/military.h"
#include "traffic/naval.h"
#include "traffic/press.h"

namespace kestrel {

void band_14_hist() {
    if (hist) {
        // Transatlantic and South American circuits.
        if (at(14355) && ct(1200, 1900)) { p(13, 820, 3); send_still("VVV VVV VVV DE WQP WQP WQP  "); }
        if (at(14355) && ct(1900, 2000)) { p(13, 820, 3); fig_msg("DGU DGU DE WQP WQP = ", " AR"); }
        if (at(14372) && ct(1000, 1700)) { p(26, 760, 0); send_still("VVV VVV VVV DE LSN LSN LSN  "); }
        if (at(14372) && ct(1700, 1800)) { p(24, 760, 0); telecom_opchat_dx("DFB", "LSN", ""); }
        if (at(14391) && cond(3)) { p(21, 700, 2); send_cond_bug("LSN LSN DE DFB DFB QRK? K"); }
        if (at(14409) && ct(1300, 2000)) { p(15, 900, 3); send_still("VVV VVV VVV DE PPU PPU PPU QSX IRM  "); }
        if (at(14409) && ct(2000, 2100)) { p(15, 900, 3); let_msg_latin("IRM DE PPU = ", 1); }
        if (at(14427) && ct(1100, 1600)) { p(30, 1000, 4); send_still("VVV VVV VVV DE FTM FTM FTM  "); }
        if (at(14427) && ct(1600, 1630)) { p(27, 1000, 4); french_ptt("LSX", "FTM"); }
        if (at(14444) && cond(3)) { p(19, 680, 2); send_cond("FTM FTM DE LSX LSX QRK? K"); }
        if (at(14463) && ct(1400, 2100)) { p(24, 800, 3); qrh = 1; send_still("VVV VVV VVV DE CEC CEC CEC  "); }
        if (at(14463) && cond(4)) { p(22, 800, 3); send_cond_bug("CEC CEC DE WKK WKK QRK? K"); }
        if (at(14470) && ct(2100, 2200)) { p(22, 2340, 5); fig_msg("GBW GBW DE WKN WKN = ", " AR"); }
        if (at(14482) && ct(1500, 2000)) { p(23, 1660, 3); send_still("VVV VVV VVV DE OAX OAX OAX  "); }
        if (at(14498) && ct(1300, 1800)) { p(26, 900, 1); send_still("VVV VVV VVV DE XDA XDA XDA  "); }

        // The circuits to Asia, Africa and Australia.
        if (at(14518) && ct(300, 900)) { p(24, 1660, 3); qrh = 2; send_still("VVV VVV VVV DE JVF JVF JVF  "); }
        if (at(14518) && ct(900, 1000)) { p(24, 1660, 3); fig_msg("WKN WKN DE JVF JVF = ", " AR"); }
        if (at(14533) && cond(3)) { p(20, 720, 2); send_cond("JVF JVF DE KKP KKP QRK? K"); }
        if (at(14540) && ct(1200, 1300)) { p(20, 750, 2); let_msg_latin("DFA DE DGU = ", 0x80); }
        if (at(14553) && ct(500, 1200)) { p(16, 820, 3); send_still("VVV VVV VVV DE PLE PLE PLE QSX PCK  "); }
        if (at(14553) && ct(1200, 1300)) { p(16, 820, 3); fig_msg("PCK PCK DE PLE PLE = ", " AR"); }
        if (at(14569) && cond(3)) { p(22, 700, 5); send_cond_bug("PLE PLE DE PCK PCK QSA? K"); }
        if (at(14586) && ct(800, 1500)) { p(24, 1000, 3); send_still("VVV VVV VVV DE SUZ SUZ SUZ  "); }
        if (at(14586) && ct(1500, 1600)) { p(24, 1000, 3); telecom_opchat_dx("GBA", "SUZ", ""); }
        if (at(14600) && ct(400, 1000)) { p(26, 1420, 3); send_still("VVV VVV VVV DE VWZ VWZ VWZ  "); }
        if (at(14620) && ct(1400, 1500)) { p(21, 1420, 2); send_still("VVV VVV VVV DE FTK FTK FTK  "); }
        if (at(14638) && ct(2000, 600)) { p(25, 860, 3); send_still("VVV VVV VVV DE VLK VLK VLK  "); }
        if (at(14638) && ct(600, 700)) { p(25, 860, 3); let_msg_latin("GBC DE VLK = ", 0x80); }
        if (at(14656) && ct(900, 1600)) { p(23, 1340, 5); send_still("VVV VVV VVV DE ZSR ZSR ZSR  "); }
        if (at(14656) && cond(4)) { p(21, 1340, 5); send_cond("GBK GBK DE ZSR ZSR QTC 5 K"); }
        if (at(14672) && ct(700, 1300)) { p(22, 900, 3); send_still("VVV VVV VVV DE OPM OPM OPM  "); }
        if (at(14672) && ct(1300, 1400)) { p(22, 900, 3); french_ptt("ORG", "OPM"); }
        if (at(14689) && ct(300, 1000)) { p(24, 700, 3); qrh = 1; send_still("VVV VVV VVV DE XGR XGR XGR  "); }
        if (at(14700) && ct(1400, 1500)) { p(20, 950, 3); send_still("VVV VVV VVV DE DFA DFA DFA  "); }
        if (at(14718) && ct(1500, 2100)) { p(26, 1180, 3); send_still("VVV VVV VVV DE CGA CGA CGA  "); }
        if (at(14718) && ct(2100, 2200)) { p(26, 1180, 3); fig_msg("GBT GBT DE CGA CGA = ", " AR"); }
        if (at(14736) && ct(900, 1500)) { p(24, 900, 3); send_still("VVV VVV VVV DE HBJ HBJ HBJ RADIO NATIONS  "); }
        if (at(14736) && ct(1500, 1600)) { p(24, 900, 3); let_msg_latin("CQ CQ DE HBJ HBJ = ", 1); }
        if (at(14755) && ct(1000, 1400)) { p(22, 780, 3); send_still("VVV VVV VVV DE HVJ HVJ HVJ  "); }
        if (at(14771) && ct(600, 1400)) { p(12, 800, 5); send_still("VVV VVV VVV DE EHY EHY EHY  "); }
        if (at(14771) && cond(4)) { p(12, 800, 5); send_cond("EHY EHY DE LSL LSL QRK? K"); }

        // Press transmitters of the decades before the war.
        if (at(14783) && ct(1600, 1800)) { p(32, 2100, 4); send_still("CQ CQ CQ DE GBL GBL GBL PX  "); }
        if (at(14783) && ct(1800, 1900)) { p(30, 2100, 4); press_px("GBL", PRESS_REUTER); }
        if (at(14805) && ct(1400, 1500)) { p(18, 650, 2); send_still("CQ CQ DE JYK JYK PX  "); }
        if (at(14827) && ct(900, 1100)) { p(15, 900, 3); send_still("CQ CQ CQ DE DGK DGK DGK PX  "); }
        if (at(14827) && ct(1100, 1200)) { p(15, 900, 3); press_px("DGK", PRESS_TRANSOCEAN); }
        if (at(14849) && ct(1300, 1500)) { p(29, 820, 3); send_still("CQ CQ DE FYA FYA FYA PRESSE  "); }
        if (at(14868) && ct(2200, 100)) { p(27, 760, 3); send_still("CQ CQ CQ DE WJS WJS WJS PX  "); }
        if (at(14884) && ct(800, 1000)) { p(26, 1000, 3); send_still("CQ CQ DE IRJ IRJ IRJ STAMPA  "); }
        if (at(14905) && ct(1800, 1900)) { p(22, 900, 3); send_still("VVV VVV VVV DE DKW DKW DKW  "); }

        // The war years.
        if (at(14376) && ct(1000, 1400)) { p(21, 760, 3); brusa("WAR", "GBR"); }
        if (at(14398) && ct(1300, 1400) && ms10(30)) pol_gov_ldn_net_wrk(4);
        if (at(14417) && ct(1800, 1900) && ms10(10)) pol_gov_ldn_net_wrk(81);
        if (at(14446) && t.wMinute % 5 == 0) { p(20, 700, 5); nkvd_2(1); }
        if (at(14475) && night() && cond(2)) { p(18, 640, 2); uboot(); }
        if (at(14509) && ct(800, 1600)) { p(24, 880, 3); send_still("VVV VVV VVV DE NBA NBA NBA  "); }
        if (at(14509) && ct(1600, 1700)) usn_old();
        if (at(14525) && cond(3)) { p(19, 700, 2); red_army_broadcast(1, 0); }
        if (at(14560) && ct(1200, 1800)) { p(23, 800, 3); send_still("VVV VVV VVV DE WVR WVR WVR  "); }
        if (at(14560) && cond(4)) { p(21, 800, 3); send_cond_bug("WVR WVR DE WVL WVL QTC 2 K"); }
        if (at(14614) && ct(1900, 2100)) { p(22, 760, 3); send_still("VVV VVV VVV DE NPG NPG NPG  "); }
        if (at(14664) && ct(900, 1100)) { p(20, 820, 1); brusa("GBR", "WAR"); }
        if (at(14694) && ct(1200, 1800) && cond(3)) { p(20, 1340, 3); simplex_qtc(2, 0); }
        if (at(14744) && ct(700, 1000)) { p(24, 720, 3); send_still("VVV VVV VVV DE GYL GYL GYL  "); }
        if (at(14813) && cond(3)) { p(18, 680, 2); hand = 1; send_cond("DKF DKF DE DHJ DHJ QTC 1 K"); }
        if (at(14858) && ct(400, 800)) { p(21, 700, 3); katokana_qtc(5, 60); }
        if (at(14858) && ct(300, 400)) { p(21, 700, 3); send_still("VVV VVV VVV DE JJC JJC JJC  "); }
        if (at(14938) && ct(1100, 1700)) { p(23, 900, 5); send_still("VVV VVV VVV DE NSS NSS NSS  "); }
        if (at(14963) && cond(3)) old_aero_qte(2, "");
        if (at(14981) && ct(1500, 2100)) { p(25, 850, 3); send_still("VVV VVV VVV DE KKH KKH KKH  "); }
        if (at(14981) && cond(4)) { p(22, 850, 3); send_cond("KKH KKH DE KIO KIO QRK? K"); }
    }
    stn();
}

}  // namespace kestrel
