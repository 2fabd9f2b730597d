// Stations of 10 MHz in the years before 1950 (HIST): the beam and press
// circuits of the telegraph administrations, naval and colonial stations,
// the air routes and the government stations of the war years. Split from
// band_10.cpp along its historical block.

#include "bandplan/entry.h"
#include "procedures/predicates.h"
#include "procedures/send.h"
#include "state/clock.h"
#include "state/emission.h"
#include "state/receiver.h"
#include "traffic/aero.h"
#include "traffic/diplomatic.h"
#include "traffic/fleets.h"
#include "traffic/military.h"
#include "traffic/naval.h"
#include "traffic/ship_coast.h"

namespace kestrel {

void band_10_prewar() {
    if (hist) {
        // The Army's fixed nets of the war years: San Francisco and the Pacific.
        if (at(10915) && ct(300, 1100)) usarmy_fixed_net(usarmy_net_pacific, 5);
        // The Post Office beam stations and their far ends.
        if (at(10103) && ct(1900, 2300)) { p(30, 820, 3); send_still("VVV VVV VVV DE GBU GBU GBU  "); }
        if (at(10103) && ct(1900, 2300) && cond(3)) send_cond_bug("GBU GBU DE WQO WQO QRV? K");
        if (at(10121) && day()) { p(28, 760, 4); send_still("VVV VVV VVV DE GBK GBK GBK QRX 5  "); }
        if (at(10147) && ct(1600, 2000)) { p(26, 900, 4); send_still("VVV VVV DE GBJ GBJ GBJ CAPE TOWN  "); }
        if (at(10147) && ct(1600, 2000) && cond(2)) { p(18, 640, 3); send_cond("GBJ GBJ DE ZSV ZSV QRK? K"); }
        if (at(10162) && ct(2300, 500)) { p(32, 1820, 5); send_still("VVV VVV VVV DE GBX GBX GBX  "); }
        if (at(10175) && ct(500, 900)) { p(24, 880, 3); send_still("QST DE GBS GBS GBS RUGBY  "); }
        if (at(10199) && ct(1000, 1500)) { p(35, 960, 4); send_still("VVV VVV VVV DE GBW GBW GBW  "); }

        // Nauen and Transradio: press in German and English, the South
        // American and East Asian circuits.
        if (at(10150) && ct(50, 200) && cond(3)) { p(17, 680, 1); send_cond("DFH DFH DE LSX LSX QSA? K"); }
        if (at(10215) && ct(1800, 2200)) { p(40, 740, 4); send_still("CQ CQ CQ DE DGU DGU DGU PX  "); }
        if (at(10215) && ct(1800, 2200) && ms10(20)) { p(30, 2150, 4); auto_morse(48); }
        if (at(10232) && night()) { p(27, 820, 3); send_still("VVV VVV VVV DE DFB DFB DFB NAUEN  "); }
        if (at(10265) && ct(2200, 400)) { p(25, 910, 3); send_still("VVV VVV DE DGK DGK DGK QRX BANDOENG  "); }
        if (at(10265) && ct(2200, 400) && cond(2)) { p(20, 700, 2); qrh = 1; send_cond("DGK DGK DE PLE PLE QRV K"); }
        if (at(10287) && ct(1300, 1700)) { p(26, 800, 4); fig_msg_ar("DFC DE DGW = "); }

        // Kootwijk and Bandoeng on the Netherlands Indies circuit.
        if (at(10315) && ct(500, 1100)) { p(29, 860, 4); send_still("VVV VVV VVV DE PCK PCK PCK  "); }
        if (at(10333) && ct(500, 1100)) { p(28, 1000, 3); send_still("VVV VVV VVV DE PLP PLP PLP  "); }
        if (at(10333) && ct(600, 1000) && cond(3)) { p(18, 720, 3); send_cond("PLP PLP DE PDK PDK QTC 14 K"); }
        if (at(10364) && night()) { p(25, 1000, 3); send_still("CQ CQ DE PMN PMN PMN BANDOENG PX  "); }

        // Sainte-Assise, Pontoise and the French empire.
        if (at(10380) && ct(600, 1200)) { p(31, 2230, 4); send_still("VVV VVV VVV DE FTM FTM FTM  "); }
        if (at(10380) && ct(600, 1200) && cond(3)) { p(21, 760, 4); french_ptt("FTM", "FZR"); }
        if (at(10396) && ct(1700, 2200)) { p(27, 870, 3); send_still("VVV VVV DE FZS FZS FZS SAIGON  "); }
        if (at(10411) && day()) { p(40, 1000, 3); send_still("VVV VVV VVV DE CNR CNR CNR RABAT  "); }
        if (at(10411) && day() && cond(2)) { p(24, 1000, 4); french_ptt("CNR", "FYB"); }
        if (at(10428) && ct(1200, 1600)) { p(33, 1000, 4); send_still("QST QST DE FTA FTA FTA PX  "); }

        // Rome, Coltano and the Italian colonies.
        if (at(10448) && ct(700, 1300)) { p(26, 830, 3); send_still("VVV VVV VVV DE IAC IAC IAC  "); }
        if (at(10448) && ct(700, 1300) && cond(3)) { p(19, 1940, 2); send_cond("IAC IAC DE IUB IUB ASMARA QTC K"); }
        if (at(10466) && ct(1800, 2200)) { p(28, 780, 3); send_still("CQ CQ DE IRM IRM IRM ITALO RADIO  "); }
        if (at(10493) && ct(2100, 100)) { p(25, 950, 4); telecom_opchat_dx("LSL", "IRM", ""); }

        // The American companies: RCA, Mackay, Press Wireless and Tropical.
        if (at(10509) && ct(1300, 2100)) { p(34, 880, 4); send_still("VVV VVV VVV DE WQP WQP WQP  "); }
        if (at(10509) && ct(1300, 2100) && cond(3)) { p(30, 880, 4); auto_morse(55); }
        if (at(10532) && night()) { p(29, 1020, 3); send_still("VVV VVV DE KKH KKH KKH KAHUKU  "); }
        if (at(10552) && ct(1500, 2300)) { p(27, 790, 3); send_still("QST QST DE WJS WJS WJS PRESS  "); }
        if (at(10568) && ct(1200, 1800)) { p(24, 1000, 3); send_still("CQ DE WNU WNU WNU NEW ORLEANS  "); }
        if (at(10568) && ct(1200, 1800) && cond(3)) send_cond_bug("WNU WNU DE HRP HRP TELA QTC 3 K");
        if (at(10589) && ct(2300, 700)) { p(26, 930, 3); send_still("VVV VVV VVV DE KES KES KES BOLINAS  "); }

        // South America, the Far East and the Empire routes.
        if (at(10604) && ct(2000, 300)) { p(28, 1870, 3); send_still("VVV VVV VVV DE LSL LSL LSL MONTE GRANDE  "); }
        if (at(10628) && night()) { p(24, 880, 1); send_still("VVV VVV DE PSH PSH PSH RIO  "); }
        if (at(10628) && night() && cond(3)) send_cond_bug("PSH PSH DE LSY LSY QRX? K");
        if (at(10652) && ct(1100, 1500)) { p(25, 900, 3); send_still("VVV VVV VVV DE JYR JYR JYR  "); }
        if (at(10669) && ct(1000, 1400)) { p(23, 760, 2); send_still("VVV VVV DE XGR XGR XGR SHANGHAI  "); }
        if (at(10669) && ct(1000, 1400) && cond(3)) { p(17, 680, 2); send_cond("XGR XGR DE ZBW ZBW HONGKONG QTC K"); }
        if (at(10686) && ct(1400, 1800)) { p(24, 830, 3); send_still("VVV VVV VVV DE VWY VWY VWY KIRKEE  "); }
        if (at(10708) && ct(1900, 2300)) { p(26, 860, 1); send_still("VVV VVV VVV DE VLK VLK VLK SYDNEY  "); }
        if (at(10708) && ct(1900, 2300) && ms20(40)) { p(21, 860, 5); fig_msg("GBX GBX DE VLK ", " AR  "); }
        if (at(10723) && day()) { p(24, 940, 3); send_still("VVV VVV VVV DE SUZ SUZ SUZ ABUZAABAL  "); }
        if (at(10744) && ct(1000, 1500)) { p(24, 820, 3); telecom_opchat_dx("SUV", "EPA", ""); }

        // Geneva, Warsaw, Moscow and the Atlantic islands.
        if (at(10761) && ct(800, 1400)) { p(27, 880, 4); send_still("VVV VVV VVV DE HBP HBP HBP RADIONATIONS  "); }
        if (at(10779) && ct(700, 1100)) { p(23, 800, 4); send_still("VVV VVV DE SPW SPW SPW WARSZAWA  "); }
        if (at(10798) && ct(1500, 2000)) { p(25, 1000, 3); send_still("VVV VVV VVV DE RIM RIM RIM TASHKENT  "); }
        if (at(10798) && ct(1500, 2000) && cond(3)) { p(21, 760, 4); russian_ptt("RKI", "RIM", 2); }
        if (at(10819) && ct(900, 1300)) { p(20, 1000, 2); send_still("VVV VVV DE TFJ TFJ TFJ REYKJAVIK  "); }
        if (at(10840) && ct(1600, 2000)) { p(24, 2150, 1); send_still("VVV VVV VVV DE OPL OPL OPL LEOPOLDVILLE  "); }
        if (at(10840) && ct(1600, 2000) && cond(3)) send_cond_bug("OPL OPL DE ORG ORG QTC 6 K");

        // Navies of the thirties and the war: the American fleet broadcast of
        // the older procedure and Allied traffic.
        if (at(10859) && ct(1200, 2000)) { p(21, 760, 3); usn_old(); }
        if (at(10881) && eh()) { p(22, 820, 3); let_msg_latin("NPG DE NPM = ", 0x80); }
        if (at(10896) && ct(1300, 1900)) { p(21, 790, 4); brusa("GBXZ", "NSS"); }
        if (at(10913) && ct(0, 400)) { p(40, 850, 2); send_still("VVV VVV VVV DE NPO NPO NPO CAVITE  "); }
        if (at(10929) && day()) { p(23, 740, 3); send_still("VVV VVV DE NBA NBA NBA BALBOA  "); }

        // The government network of the war years and the embassies.
        if (at(10943) && ct(600, 1000) && ms10(20)) pol_gov_ldn_net_wrk(3);
        if (at(10943) && ct(1200, 1600) && ms10(30)) pol_gov_ldn_net_wrk(4);
        if (at(10962) && ct(800, 1800)) { p(19, 1000, 4); british_diplo_old(); }

        // Flying boats of the ocean routes and their ground stations.
        if (at(10974) && ct(1000, 1800) && cond(2)) german_fb("DFM");
        if (at(10984) && ct(900, 1900) && cond(3)) old_aero_qte(1, "");
        if (at(10992) && ct(1500, 2200)) { p(20, 700, 4); send_still("CQ CQ DE KNBH KNBH KNBH PAA  "); }
        if (at(10997) && ct(1500, 2200) && cond(3)) { p(16, 1870, 2); send_cond("KNBH KNBH DE NC18603 NC18603 QTE? K"); }

        // Ships of the thirties on the 8 MHz harmonic channels, and the coast
        // stations that worked them.
        if (at(10117) && ct(1800, 600) && cond(2)) { p(18, 700, 3); old_vsl_qtc(); }
        if (at(10142) && ct(1400, 2300)) { p(20, 800, 3); qrh = 1; coast_station_ex("CQ CQ DE WSL WSL WSL QSX 36 M  ", "WSL", "SAYVILLE"); }
        if (at(10171) && ct(800, 1800)) { p(21, 860, 4); coast_station_ex("CQ DE GKT GKT GKT PORTISHEAD  ", "GKT", "PORTISHEAD"); }
        if (at(10207) && night()) { p(19, 900, 2); coast_station_ex("CQ DE FFL FFL FFL QSX 36 M  ", "FFL", "SAINTLYS"); }
    }
}

}  // namespace kestrel
