// Band 13, stations heard while the path is in daylight: the 13 MHz
// channels close at dusk, so these coast, naval, government and press
// circuits are on the dial from morning to late afternoon only.

#include "bandplan/entry.h"
#include "bandplan/fixed_nets.h"
#include "procedures/predicates.h"
#include "procedures/procedures.h"
#include "procedures/send.h"
#include "state/clock.h"
#include "traffic/blocks.h"
#include "traffic/military.h"
#include "traffic/netcheck.h"
#include "traffic/ship_coast.h"

namespace kestrel {

void band_13_day() {
    if (day()) {
        // Coast stations and their ships at the top of the maritime band.
        if (at(13002) && ml(40)) { p(30, 1000, 4); coast_station_ex("CQ DE SAB SAB SAB GOTEBORG RADIO QSX 12 MHZ QRU? K   ", "SAB", "GOTEBORG"); }
        if (at(13005) && oh()) { p(22, 1500, 1); coast_station_ex("CQ DE EAD EAD EAD ARANJUEZ RADIO QSX 8 12 MHZ K   ", "EAD", "ARANJUEZ"); }
        if (at(13010)) { p(21, 960, 4); coast_station_ex("CQ CQ DE OST OST OST OOSTENDE RADIO QSX 12 16 MHZ K   ", "OST", "OOSTENDE"); }
        if (at(13022) && eh()) { p(23, 1080, 4); coast_station_ex("CQ DE TFA TFA TFA REYKJAVIK RADIO QSX 12 MHZ K   ", "TFA", "REYKJAVIK"); }
        if (at(13031) && ml(30)) { p(22, 1000, 3); coast_station_ex("CQ DE EJK EJK EJK VALENTIA RADIO QSX 8 12 MHZ K   ", "EJK", "VALENTIA"); }
        if (at(13037)) { p(25, 1280, 4); coast_station_ex("CQ DE ICB ICB ICB GENOVA RADIO QSX 8 12 16 MHZ K   ", "ICB", "GENOVA"); }
        if (at(13041) && mh(30)) { p(20, 1110, 3); coast_station_ex("CQ DE FFL FFL FFL ST LYS RADIO QSX 8 12 16 22 MHZ K   ", "FFL", "SAINTLYS"); }
        if (at(13051) && eh()) { p(22, 1000, 4); coast_station_ex("CQ DE YQI YQI YQI CONSTANTA RADIO QSX 8 12 MHZ K   ", "YQI", "CONSTANTA"); }
        if (at(13069)) { p(24, 1900, 3); coast_station_ex("CQ DE SPH SPH SPH GDYNIA RADIO QSX 8 12 MHZ QRU? K   ", "SPH", "GDYNIA"); }
        if (at(13069) && cond(4)) vsl_tfc("SPH");
        if (at(13074) && ml(20)) { p(12, 1640, 5); coast_station_ex("CQ DE HEB HEB HEB BERN RADIO QSX 8 12 16 MHZ K   ", "HEB", "BERN"); }
        if (at(13075) && oh()) { p(22, 1660, 3); coast_station_ex("CQ DE CTV CTV CTV QSX 8 12 MHZ K   ", "CTV", ""); }
        if (at(13023) && ct(900, 1500)) { p(23, 1500, 4); send_still("CQ CQ CQ DE LFN LFN LFN QSX 12 MHZ  "); }
        if (at(13032) && ml(30)) { p(16, 1180, 4); send_still("DE ZRH ZRH ZRH CAPE TOWN RADIO QRU?  "); }
        if (at(13044) && eh()) { p(24, 1660, 3); coast_station_ex("CQ DE 5YC 5YC 5YC MOMBASA RADIO QSX 8 12 MHZ K   ", "5YC", "MOMBASA"); }

        // Naval and military stations on the fixed channels.
        if (at(13409)) { p(24, 1000, 4); send_still("VVV VVV VVV DE OVG OVG OVG QSX 8 13  "); }
        if (at(13409) && mh(35) && ml(45)) { p(24, 1000, 4); nato_msg("OVG11 DE OVG = ", 'R'); }
        if (at(13415) && cond(2)) { p(36, 2020, 3); send_cond("LLK LLK DE LLK3 LLK3 QTC 1 K"); }
        if (at(13422)) { p(22, 980, 4); send_still("VVV VVV VVV DE FUG FUG FUG QSX 6 8 13  "); }
        if (at(13422) && ms10(20)) { p(22, 980, 4); let_msg_latin("CQ DE FUG = ", 0x80); }
        if (at(13432) && cond(3)) { p(20, 1000, 3); clg_cond("FUG", "FUG7", 2); }
        if (at(13442) && eh()) { p(14, 1350, 3); send_still("VVV VVV VVV DE IDQ IDQ IDQ  "); }
        if (at(13448) && cond(2)) nato_qso();
        if (at(13462) && ml(30)) { p(23, 1000, 4); send_still("VVV VVV VVV DE DHJ51 DHJ51 DHJ51  "); }
        if (at(13462) && mh(29) && cond(2)) { p(23, 1000, 4); send_cond("DHJ59 DHJ59 DE DHJ51 DHJ51 QTC 2 K"); }
        if (at(13475)) fixed_net(NET_US_ARMY, 10);
        if (at(13477) && cond(3)) { p(19, 2020, 3); send_cond_bug("OSN OSN DE OSN4 OSN4 QRV K"); }
        if (at(13484)) { p(24, 1000, 3); send_still("VVV VVV VVV DE EBC EBC EBC  "); }
        if (at(13491) && ct(800, 1400)) { p(21, 1060, 5); send_still("VVV VVV VVV DE SPW SPW SPW QSX 13 16  "); }
        if (at(13496) && cond(3)) { p(22, 1300, 3); send_cond("SXA SXA DE SXA7 SXA7 QTC K"); }
        if (at(13508) && eh() && ml(30)) { p(20, 1000, 4); fig_msg("CTP CTP DE CTV = ", " AR"); }
        if (at(13515) && cond(2)) { p(24, 1260, 3); send_cond_bug("RIW RIW DE RJD99 RJD99 QTC 1 K"); }
        if (at(13521) && ct(600, 900)) { p(21, 1000, 4); send_still("VVV VVV VVV DE TBA2 TBA2 TBA2 QSX 13  "); }
        if (at(13532) && ms10(0)) fixed_net(NET_FR_ARMY, 12);
        if (at(13538) && cond(3)) { p(23, 1180, 4); send_cond("GYA GYA DE GYU GYU QRU? K"); }
        if (at(13546)) { p(15, 1000, 3); send_still("VVV VVV VVV DE CFH CFH CFH  "); }
        if (at(13551) && mh(45)) { p(15, 1430, 1); fig_msg("CFH CFH DE CKN CKN QTC ", " K"); }
        if (at(13561) && cond(2)) { p(24, 1000, 4); send_cond("YUD YUD DE YUA YUA QSA? K"); }
        if (at(13568) && eh()) { p(21, 1250, 3); send_still("VVV VVV DE NAM NAM NAM QSX 8 13  "); }

        // Government circuits and press stations of the old fixed allocation.
        if (at(13576) && ml(30)) { p(22, 1000, 4); send_still("QRV? QRV? DE SUA2 SUA2 SUA2  "); }
        if (at(13576) && mh(29)) { p(22, 1000, 4); fig_msg_ar("SUA DE SUA2 = "); }
        if (at(13588) && cond(3)) { p(12, 1150, 5); send_cond("7TA 7TA DE 7TA33 7TA33 QTC 2 K"); }
        if (at(13618) && cond(3)) { p(21, 920, 4); send_cond("CNA CNA DE CNA9 CNA9 QRV? K"); }
        if (at(13633) && ct(900, 1200)) { p(23, 1000, 5); let_msg_latin("OLX DE OLZ2 = ", 1); }
        if (at(13649) && ml(20)) { p(24, 2050, 4); send_still("VVV VVV VVV DE HZN HZN HZN  "); }
        if (at(13663) && cond(2)) { p(19, 1000, 3); send_cond_bug("SPW SPW DE SPW41 SPW41 QTC 1 K"); }
        if (at(13693) && cond(3)) { p(21, 1000, 4); send_cond("YIH YIH DE YIH12 YIH12 QTC 3 K"); }
        if (at(13709) && ct(1000, 1300)) { p(25, 1200, 5); fig_msg("PWZ PWZ DE PWZ33 = ", " AR"); }
        if (at(13724) && eh()) { p(36, 2340, 4); send_still("VVV VVV VVV DE LOL LOL LOL  "); }
        if (at(13738) && cond(3)) { p(22, 1250, 3); send_cond("CLP1 CLP1 DE CLP7 CLP7 QTC 1 K"); }
        if (at(13755) && ml(30)) { p(24, 1260, 4); send_still("QRV? QRV? DE ST2 ST2 ST2  "); }
        if (at(13769) && cond(2)) { p(21, 1480, 3); send_cond_bug("5AL 5AL DE 5AL19 5AL19 QRV? K"); }
        if (at(13799) && cond(3)) { p(23, 1140, 4); send_cond("JYC JYC DE JYC4 JYC4 QTC 2 K"); }
        if (at(13814) && eh() && mh(30)) { p(20, 1000, 3); fig_msg_ar("9KA DE 9KA2 = "); }
        if (at(13829) && cond(3)) { p(24, 880, 3); send_cond("TAD TAD DE TAD3 TAD3 QSA? K"); }
        if (at(13857) && cond(2)) { p(22, 1600, 3); send_cond_bug("HMB HMB DE HMB31 HMB31 QTC 1 K"); }

        // The top of the band: naval broadcasts and their outstations.
        if (at(13875) && cond(3)) { p(22, 1000, 4); send_cond("FUE FUE DE FUE9 FUE9 QRV? K"); }
        if (at(13881) && ml(30)) { p(21, 1200, 3); send_still("VVV VVV VVV DE LGP LGP LGP  "); }
        if (at(13888) && cond(2)) { p(24, 1000, 3); send_cond_bug("OVG OVG DE OVG6 OVG6 QTC 2 K"); }
        if (at(13894) && eh()) { p(23, 1340, 4); send_still("VVV VVV VVV DE PBB PBB PBB  "); }
        if (at(13902) && cond(3)) { p(20, 1000, 3); send_cond("IDR IDR DE IDR5 IDR5 QSA? K"); }
        if (at(13911) && ms20(0)) { p(24, 1000, 4); nato_msg("Q8F DE GYA = ", 'P'); }
        if (at(13919) && cond(3)) { p(30, 920, 5); send_cond_bug("SXA SXA DE SXA31 SXA31 QTC K"); }
        if (at(13928)) { p(22, 1000, 4); send_still("VVV VVV VVV DE CTP CTP CTP  "); }
        if (at(13934) && cond(2)) { p(25, 1560, 3); send_cond("EBA EBA DE EBA3 EBA3 QRV? K"); }
        if (at(13941) && ml(20)) { p(24, 1000, 3); send_still("VVV VVV VVV DE TBB TBB TBB  "); }
        if (at(13949) && cond(3)) { p(20, 1420, 4); send_cond("GXH GXH DE GYU GYU QTC 1 K"); }
        if (at(13956) && mh(40)) { p(22, 1000, 3); fig_msg("NAM NAM DE NSS NSS QTC ", " K"); }
        if (at(13967) && cond(2)) { p(16, 1080, 3); send_cond_bug("NSS NSS DE NAM NAM QRU? K"); }
        if (at(13980)) { p(24, 1000, 5); send_still("VVV VVV VVV DE RCV RCV RCV QSX 13 16 18  "); }
        if (at(13980) && ml(10)) { p(24, 1000, 5); fig_msg_ar("RJD38 RJD38 DE RCV QTC "); }
        if (at(13987) && cond(3)) { p(19, 1400, 3); send_cond("RIR RIR DE RJH45 RJH45 QTC 2 K"); }
        if (at(13996) && ct(900, 1100)) { p(23, 1000, 4); send_still("VVV VVV DE 4XZ 4XZ 4XZ QSX 13996  "); }
    }
    stn();
}

}  // namespace kestrel
