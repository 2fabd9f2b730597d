// Stations of 11 MHz in the years before 1950 (HIST): the beam and press
// circuits of the telegraph companies and administrations, the imperial and
// colonial links, the navies and the government stations of the war years.
// Split from band_11.cpp along its historical block.

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
#include "traffic/press.h"
#include "traffic/ship_coast.h"

namespace kestrel {

void band_11_prewar() {
    if (hist) {
        // Leafield, Rugby and Portishead on the Empire routes.
        if (at(11002) && ct(600, 1000)) { p(28, 780, 4); send_still("VVV VVV VVV DE GBL GBL GBL LEAFIELD  "); }
        if (at(11002) && ct(600, 1000) && cond(3)) send_cond_bug("GBL GBL DE SUX SUX QTC 8 K");
        if (at(11012) && ct(1700, 2100)) { p(32, 860, 4); send_still("VVV VVV VVV DE GBY GBY GBY  "); }
        if (at(11028) && ct(2200, 300)) { p(26, 900, 3); send_still("QST QST DE GCJ GCJ GCJ PX  "); }
        if (at(11028) && ct(2200, 300) && ms20(0)) { p(30, 1870, 4); auto_morse(45); }
        if (at(11036) && night()) { p(23, 800, 3); qrh = 1; send_still("VVV VVV DE GKU GKU GKU PORTISHEAD  "); }

        // Nauen and Transradio on the overseas press and traffic circuits.
        if (at(11050) && ct(1500, 1900)) { p(31, 820, 4); send_still("CQ CQ CQ DE DFE DFE DFE PRESS  "); }
        if (at(11050) && ct(1500, 1900) && ms10(30)) { p(31, 1870, 4); press_px("DFE", PRESS_TRANSOCEAN); }
        if (at(11063) && ct(1000, 1400)) { p(27, 900, 3); send_still("VVV VVV VVV DE DGT DGT DGT  "); }
        if (at(11063) && ct(1000, 1400) && cond(3)) send_cond_bug("DGT DGT DE JUP JUP QRV K");
        if (at(11078) && night()) { p(25, 960, 3); send_still("VVV VVV DE DHE DHE DHE NAUEN  "); }

        // Kootwijk and the Netherlands Indies.
        if (at(11092) && ct(400, 900)) { p(29, 2080, 4); send_still("VVV VVV VVV DE PCV PCV PCV KOOTWIJK  "); }
        if (at(11092) && ct(400, 900) && cond(3)) { p(19, 760, 3); send_cond("PCV PCV DE PLW PLW QTC 22 K"); }
        if (at(11107) && ct(1200, 1500)) { p(24, 1010, 3); send_still("VVV VVV DE PMA PMA PMA BANDOENG  "); }

        // The French administration and the empire.
        if (at(11122) && ct(700, 1300)) { p(30, 840, 4); send_still("VVV VVV VVV DE FTE FTE FTE  "); }
        if (at(11122) && ct(700, 1300) && cond(2)) { p(23, 840, 4); french_ptt("FTE", "FZE"); }
        if (at(11136) && ct(1600, 2000)) { p(24, 880, 1); send_still("VVV VVV DE FXE FXE FXE BEYROUTH  "); }
        if (at(11144) && ct(800, 1200)) { p(21, 780, 4); send_still("VVV VVV VVV DE FZE FZE FZE DJIBOUTI  "); }
        if (at(11159) && ct(1900, 2300)) { p(25, 930, 4); telecom_opchat_dx("FYA", "FTF", ""); }

        // Rome and the Italian overseas circuits.
        if (at(11171) && ct(1800, 2200)) { p(27, 850, 4); send_still("VVV VVV VVV DE IQA IQA IQA  "); }
        if (at(11171) && ct(1800, 2200) && cond(3)) { p(18, 1000, 2); send_cond("IQA IQA DE LSN LSN QRK? K"); }
        if (at(11401) && ct(900, 1300)) { p(26, 910, 3); send_still("CQ CQ DE IRY IRY IRY ROMA PX  "); }

        // The American companies on the transatlantic and Pacific circuits.
        if (at(11412) && ct(1200, 2000)) { p(35, 870, 4); send_still("VVV VVV VVV DE WQV WQV WQV  "); }
        if (at(11412) && ct(1400, 1900) && mh(39)) { p(35, 2010, 4); auto_morse(60); }
        if (at(11427) && ct(2200, 600)) { p(28, 1000, 4); send_still("VVV VVV DE KWE KWE KWE BOLINAS  "); }
        if (at(11427) && ct(2200, 600) && cond(3)) { p(21, 2150, 3); send_cond("KWE KWE DE KTO KTO QTC 11 K"); }
        if (at(11442) && ct(1300, 1800)) { p(26, 830, 4); send_still("QST QST QST DE WJN WJN WJN PRESS  "); }
        if (at(11454) && ct(1100, 1700)) { p(25, 890, 3); telecom_opchat_dx("GBC", "WKN", ""); }

        // South America, the Near and the Far East.
        if (at(11464) && ct(2100, 200)) { p(27, 1000, 3); send_still("VVV VVV VVV DE LQB LQB LQB BUENOS AIRES  "); }
        if (at(11474) && night()) { p(23, 900, 3); send_still("VVV VVV DE PPQ PPQ PPQ RIO  "); }
        if (at(11474) && night() && cond(3)) { p(17, 680, 2); qrh = 2; send_cond("PPQ PPQ DE CEF CEF SANTIAGO QTC K"); }
        if (at(11486) && ct(1000, 1300)) { p(24, 900, 3); send_still("VVV VVV DE JVM JVM JVM NAZAKI  "); }
        if (at(11497) && ct(1100, 1500)) { p(24, 1820, 2); send_still("VVV VVV VVV DE XGM XGM XGM NANKING  "); }
        if (at(11508) && ct(1300, 1700)) { p(23, 860, 3); send_still("VVV VVV DE VWZ VWZ VWZ POONA  "); }
        if (at(11508) && ct(1300, 1700) && cond(3)) send_cond_bug("VWZ VWZ DE VPS VPS HONGKONG QTC 3 K");
        if (at(11518) && day()) { p(25, 2010, 4); send_still("VVV VVV VVV DE SUS SUS SUS CAIRO  "); }
        if (at(11529) && ct(900, 1300)) { p(21, 820, 3); send_still("VVV VVV DE EPB EPB EPB TEHRAN  "); }
        if (at(11544) && ct(1000, 1400)) { p(21, 790, 4); send_still("VVV VVV DE YIA YIA YIA BAGHDAD  "); }
        if (at(11557) && ct(800, 1200)) { p(24, 880, 4); telecom_opchat_dx("TAQ", "SUS", ""); }

        // Europe: Geneva, Moscow, Stockholm, Prague, the Vatican.
        if (at(11570) && ct(700, 1300)) { p(26, 900, 4); send_still("VVV VVV VVV DE HBF HBF HBF RADIONATIONS  "); }
        if (at(11581) && ct(1400, 2000)) { p(25, 850, 3); send_still("VVV VVV VVV DE RKR RKR RKR MOSKVA  "); }
        if (at(11581) && ct(1400, 2000) && cond(3)) { p(21, 760, 3); russian_ptt("RIR", "RKR", 1); }
        if (at(11593) && ct(600, 1000)) { p(24, 2080, 3); send_still("VVV VVV DE SDJ SDJ SDJ STOCKHOLM  "); }
        if (at(11607) && ct(800, 1100)) { p(21, 860, 4); send_still("VVV VVV DE OKP OKP OKP PODEBRADY  "); }
        if (at(11616) && ct(1100, 1300)) { p(20, 740, 3); send_still("CQ CQ CQ DE HVJ HVJ HVJ CITTA DEL VATICANO  "); }

        // The navies: the American fleet of the older procedure, Allied
        // circuits of the war.
        if (at(11626) && ct(1400, 2200) && cond(2)) { p(23, 770, 4); usn_old(); }
        if (at(11635) && eh()) { p(24, 800, 3); let_msg_latin("NAA DE NSS = ", 0); }
        if (at(11640) && ct(1000, 1600)) { p(21, 1870, 4); brusa("GBXZ", "NAA"); }
        if (at(11647) && night()) { p(24, 900, 3); send_still("VVV VVV DE NPM NPM NPM HONOLULU  "); }

        // The government network of the war years and the embassy circuits.
        if (at(11652) && ct(800, 1100) && eh() && ms10(40)) pol_gov_ldn_net_wrk(5);
        if (at(11652) && ct(1700, 2000) && oh() && ms10(50)) pol_gov_ldn_net_wrk(6);
        if (at(11658) && ct(1200, 1800)) { p(18, 760, 3); british_diplo_old(); }
        if (at(11664) && ct(1300, 1500)) { p(20, 880, 3); fig_msg_ar("GBXZ DE VPW = "); }

        // Flying boats and the air routes.
        if (at(11671) && ct(900, 1700) && cond(2)) german_fb("DFN");
        if (at(11677) && day() && cond(3)) old_aero_qte(2, "");
        if (at(11683) && ct(1200, 2000)) { p(19, 1870, 3); send_still("CQ CQ DE GEK GEK GEK CROYDON  "); }
        if (at(11683) && ct(1200, 2000) && cond(3)) { p(16, 800, 2); send_cond("GEK GEK DE GADUT GADUT QTE? K"); }

        // Ships of the thirties with their telegrams.
        if (at(11689) && night() && cond(3)) { p(18, 740, 3); old_vsl_qtc(); }
        if (at(11694) && ct(1400, 2200)) { p(20, 760, 3); coast_station_ex("CQ DE WCC WCC WCC QSX 25 M  ", "WCC", "CHATHAM"); }
        if (at(11978) && night()) { p(21, 900, 4); coast_station_ex("CQ CQ DE DAN DAN DAN QSX 25 M  ", "DAN", "NORDDEICH"); }
        if (at(11986) && day()) { p(19, 850, 2); coast_station_ex("CQ DE PCH PCH PCH QSX 25 M  ", "PCH", "SCHEVENINGEN"); }
    }
}

}  // namespace kestrel
