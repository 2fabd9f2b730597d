// Stations of 10000-10999 kHz, tested in order; every entry that applies is queued.
// 10000 standard frequency, 10005-10100 aeronautical, 10100-10150 amateur
// (telegraphy only), the rest fixed service: navies, armies, government nets.

#include "bandplan/background/background.h"
#include "bandplan/entry.h"
#include "bandplan/entry_helpers.h"
#include "bandplan/fixed_nets.h"
#include "procedures/markers.h"
#include "procedures/predicates.h"
#include "procedures/procedures.h"
#include "procedures/send.h"
#include "procedures/sendf.h"
#include "procedures/voice.h"
#include "state/clock.h"
#include "state/emission.h"
#include "state/receiver.h"
#include "synth/machine.h"
#include "synth/morse.h"
#include "traffic/aero.h"
#include "traffic/amateur.h"
#include "traffic/blocks.h"
#include "traffic/diplomatic.h"
#include "traffic/fleets.h"
#include "traffic/military.h"
#include "traffic/naval.h"
#include "traffic/netcheck.h"
#include "traffic/press.h"
#include "traffic/ship_coast.h"
#include "traffic/weather.h"

namespace kestrel {

// The larger blocks, in files of their own beside this one.
void band_10_outstations();
void band_10_day_paths();
void band_10_prewar();
void band_10_teleprinters();

namespace {

// Standard frequency, aeronautical voice and amateur telegraphy.
void utility_and_amateur() {
    // Amateur telegraphy of the 30 m band, low power on 10106 and the
    // propagation beacon on 10144.
    if (within(10100, 10115) && cond(2)) amateur_tfc();
    if (within(10115, 10116) || within(10118, 10130)) amateur_tfc();
    if (at(10106) && cond(4)) qrp_qso();
    if (at(10144)) { p(22, 1500, 3); propagation_info(); }
    // Unconditional entries.
    if (at(10512)) { p(23, 1400, 4); send_still("VVV VVV VVV AQP2/4/5/6/7/8        "); }
    // The Canadian fleet broadcast: its messages before 04, 08-11 and 16-19 h,
    // the marker otherwise.
    if (at(10945)) {
        p(24, 1000, 4);
        if (hl(4) || (t.wHour >= 8 && t.wHour <= 11) || (t.wHour >= 16 && t.wHour <= 19))
            nato_broadcast("CGNS CGNS CGNS DE CFH CFH CFH", "C13L", canadian_navy_2, 25);
        else naval_coast("C13L   C13L   C13L   VVV   VVV   VVV   DE   CFH   CFH   CFH      ", "CFH", canadian_navy, 24);
    }
    if (at(10698) && ed()) { p(20, 900, 2); send_cond_par("RIW RIW RIW DE CMU967 CMU967  ZZU 10164/10164 K", 4); }
    if (at(10164) && t.wMinute % 5 != 0 && t.wDayOfWeek != 3) {
        p(20, 900, 2);
        send_cond_par("RIW RIW RIW DE CMU967 CMU967 K", 4);
    }
    // Moscow naval headquarters calls its ships on Wednesdays; its flash
    // messages go out in every fifth minute.
    if (at(10164) && t.wMinute % 5 != 0 && t.wDayOfWeek == 3) russian_navy_coast("RIW", rus_navy_riw, 25);
    if (at(10164)) xxx_flash("RDL RDL", 1);
    // The French navy at Paris, and the US Navy at Norfolk.
    if (at(10186)) {
        p(26, 1100, 3);
        french_navy_coast("VVV  VVV  VVV  DE  FUG  FUG  FUG  3/4  3/6  3/8  3/12  3/16    ", "FUG");
    }
    if (at(10258)) {
        p(23, 850, 4);
        naval_coast("VVV VVV VVV DE NAM NAM NAM  ", "NAM", us_navy, 37);
    }
    if (at(10980) && ct(930, 1000)) {
        p(19, 1200, 4);
        send_still("VVV VVV VVV DE CTH/37/70 CTH/37/70 CTH/37/70 BOLETIM METEOROLOGICO      ");
    }
    if (at(10097) && cond(5)) {
        p(20, 1000, 4);
        hello();
        sendf("GYX GYX GYX DE GYU GYU GYU %s & ZPF K", str2);
        wait(12);
        send_stack("");
    }
    if (at({10272, 10446})) { p(12, 600, 4); send_still("DE GYU QSX 4 6        "); }
    if (at(10341)) { qsa = 4; sitor_marker(940, 17, "HEC"); }
    if (at(10554) && sked(825)) { p(27, 950, 3); send_still("QRA DE Y7A46  "); }

    // Standard frequency: seconds ticks, the Chinese and Argentine identifications.
    if (at(10000)) { qsa = 3; ts(); }
    if (at(10000) && ml(10) && reg3f_night()) { qsa = 1; ts3("BPM"); }
    if (at(10000) && mh(54) && eh()) { qsa = 2; ts2("LOL"); }

    // Aeronautical voice: VOLMET and the oceanic families.
    if (at(10051)) fone_cond(2);
    if (at({10048, 10066, 10084}) && night()) fone_cond(4);
    if (at({10057, 10075, 10093}) && oh()) fone_cond(5);

    // Amateur telegraphy; 10115-10130 is the amateur traffic of its own entry.
    if (at(10144)) { p(24, 800, 3); send_still("VVV VVV DE DK0WCY DK0WCY = SOLAR FLUX 072 = A INDEX 05 = QUIET +  "); }
}

// The fixed service.
void fixed_service() {
    // KPH on its 8 MHz harmonic: the traffic list in the first minutes of odd
    // hours, on watch otherwise.
    if (at(10349)) {
        p(24, 1040, 3);
        if (oh() && ml(5)) tfc_list(1, 5, "KPH");
        else coast_station_ex("CQ CQ CQ DE KPH KPH QSX 4 6 12 16 MHZ K   ", "KPH", "SANFRANCISCO");
    }
    // The Italian naval weather bulletin of the Cyrenaican stations, in summer
    // at 06:10 and 12:15, in winter at 08:30 and 12:30.
    if (at(10235)) {
        const bool summer_months = t.wMonth >= 4 && t.wMonth <= 9;
        if ((summer_months && (sked(610) || sked(1215))) || (!summer_months && (sked(830) || sked(1230)))) {
            p(16, 1777, 3);
            italian_naval_code("ICJ", derna_obs_stn, 7);
        }
    }
    // Fixed service.
    if (at(10155) && t.wMinute % 3 == 0) { p(18, 900, 3); clg_cond("RJE54", "RIT", 200); }
    if (at(10158) && ms10(10)) duplex_radiocheck(6, 1);
    if (at(10167) && oh() && mh(30)) { p(18, 1100, 3); fig_msg("RJD99 RJD99 RJD99 DE RMP RMP QTC ", " + K"); }
    if (at(10181)) { p(22, 1250, 3); french_navy_coast("VVV VVV VVV DE FUE FUE FUE BREST  ", "FUE"); }
    if (at(10193) && cond(3)) { p(20, 1000, 3); clg_cond("FDI2", "FDC", 2); }
    if (at(10206) && cond(3)) nato_qso();
    if (at(10211) && eh()) { p(24, 900, 3); naval_coast("VVV VVV VVV DE NSS NSS NSS  ", "NSS", us_navy, 37); }
    if (at(10222) && mh(44)) duplex_osn(5, 2);
    if (at(10229) && ms10(0) && od()) { p(22, 880, 3); m12(); }
    if (at(10244) && cond(2)) { p(17, 1300, 2); send_cond("RKS RKS DE RJE54 RJE54 QTC K"); }
    if (at(10253)) low_pwr_mil();
    if (at(10264)) { p(25, 1100, 3); send_still("DE 4XZ 4XZ 4XZ QRU? QSX 6 8 K   "); }
    if (at(10268) && hh(5)) qsl("RIT ");
    if (at(10283) && !ms10(20)) { p(21, 1000, 4); send_still("CQ CQ CQ DE EBA EBA EBA QSX 8 10 12  "); }
    if (at(10283) && ms10(20)) { p(21, 1000, 4); fig_msg("CQ CQ CQ DE EBA EBA EBA ", " AR QRU  "); }
    if (at(10297)) { p(19, 1350, 3); send_still("VVV VVV VVV DE TBA2 TBA2 ANKARA  "); }
    if (at(10318) && ms20(0)) { p(20, 950, 3); let_msg("RJH77 RJH77 DE RIT RIT QTC = ", 3, 0x80); }
    if (at(10324) && !oh_sked(0)) { p(20, 800, 3); naval_coast("VVV VVV VVV DE GYA GYA GYA QSX 12  ", "GYA", rn_vsl, 38); }
    if (at(10324) && oh_sked(0)) { p(20, 800, 3); fig_msg("ZKN ZKN DE GYA GYA QTC ", " + K"); }
    if (at(10335) && ms(15)) { p(22, 1200, 3); nato_msg("A7K DE H4T = ", 'P'); }
    if (at(10362) && cond(2)) { p(21, 1150, 2); send_cond("RIW RIW DE RJD99 RJD99 K"); }
    if (at(10370) && eh()) duplex_radiocheck(4, 2);
    if (at(10378) && ms10(40)) fixed_net(NET_RU_NAVY_BLACK_SEA, 24);
    if (at(10389)) { p(24, 1000, 4); italian_naval("VVV VVV VVV DE IDR IDR IDR QSX 4 8 12  ", "IDR"); }
    if (at(10395) && cond(3)) { p(22, 1050, 3); clg_cond("IGJ", "IDR", 2); }
    if (at(10407) && ms10(30)) { p(19, 1040, 3); m12(); }
    if (at(10414) && oh()) duplex_osn(6, 1);
    if (at(10430)) { p(23, 1250, 3); send_still("VVV VVV VVV DE SXA SXA SXA  "); }
    if (at(10451)) low_pwr_mil();
    if (at(10463) && ms(20)) { p(20, 980, 3); let_msg("JW8 JW8 DE K2L K2L QTC = ", 2, 0); }
    if (at(10476) && !od()) { p(24, 900, 3); send_still("VVV VVV VVV DE CKN CKN CKN  "); }
    if (at(10488) && cond(2)) { p(19, 1150, 2); send_cond("RKS RKS RKS DE RJE54 RJE54 QTC K"); }
    if (at(10503) && t.wMinute % 4 == 0) { p(25, 1100, 3); send_vvv("RCV"); }
    if (at(10531)) random_vvv();
    if (at(10549) && ml(15)) duplex_osn(6, 1);
    if (at(10562) && eh() && mh(20)) { p(26, 1050, 3); fig4_msg("BZR62 BZR62 DE BZP57 BZP57 = 0521 = ", 30); }
    if (at(10571) && ms10(50) && ed()) { p(19, 850, 3); m12(); }
    if (at(10588) && cond(2)) nato_qso();
    if (at(10625)) send_vvv("RJE54");
    if (at(10650) && ms10(0)) fixed_net(NET_TAC_2, 21);
    if (at(10671)) { p(24, 1000, 4); send_still("CQ CQ CQ DE PBC PBC PBC QSX 4 6 8 10  "); }
    if (at(10684) && ms10(10) && oh()) { p(20, 1000, 3); m12(); }
    if (at(10705) && t.wMinute % 3 == 1) duplex_radiocheck(5, 3);
    if (at(10726) && cond(3)) { p(21, 900, 3); clg_cond("RCV", "RJD99", 200); }
    if (at(10738)) low_pwr_mil();
    if (at(10792) && !ml(10)) { p(22, 1100, 3); send_still("VVV VVV VVV DE RJS RJS RJS  "); }
    if (at(10792) && ml(10)) { p(22, 1100, 3); let_msg("RJS RJS RJS = ", 3, 0x80); }
    if (at(10805) && mh(40)) duplex_osn(4, 3);
    if (at(10818)) qsl("RIT ");
    if (at(10826) && cond(3)) { p(23, 1300, 3); clg_cond("TBB", "TBA2", 2); }
    if (at(10849)) { p(25, 1200, 3); send_still("VVV VVV VVV DE 4XZ 4XZ 4XZ QSX 6 8 12  "); }
    if (at(10857)) random_vvv();
    if (at(10872) && ms20(20)) { p(18, 1000, 3); fig_msg("RIT RIT DE RCV RCV QTC 12 ", " + K"); }
    if (at(10884) && ms10(20) && ed()) fixed_net(NET_HU_DIPLO, 25);
    if (at(10891) && ms(45)) { p(23, 1450, 3); nato_msg("P4L DE QKD = ", 'R'); }
    if (at(10918) && t.wDayOfWeek >= 1 && t.wDayOfWeek <= 5 && ms10(40)) { p(21, 930, 4); m12(); }
    if (at(10927) && eh() && mh(20)) duplex_radiocheck(7, 1);
    if (at(10936) && cond(2)) { p(22, 1000, 3); send_cond_f1("RJD99 RJD99 DE RMP RMP QTC K"); }
    if (at(10951) && cond(3)) { p(20, 1250, 2); clg_cond("FDY4", "FDC", 3); }
    if (at(10966) && oh() && ml(25)) { p(25, 900, 3); fig4_msg("BZG41 DE BZR62 = 0734 = ", 24); }
    if (at(10972)) low_pwr_mil();
    if (at(10988)) { p(23, 1000, 3); send_still("VVV VVV VVV DE RIT RIT RIT  "); }
    if (at(10995) && cond(2)) { p(20, 1120, 3); send_cond("RIT RIT DE RJH77 RJH77 QSA? K"); }

    // A mid-band default for the few entries that set nothing of their own.
    p(21, 1800, 2);
    if (at({10603, 10612}) && cond(3)) qsa_exchange("RCV", "RJE54", 200);
    if (at(10639) && t.wSecond % 4 == 0) tuning();
    if (at(10660) && cond(3)) clg_cond_bug("FDG", "FDC", 2);
    if (at(10717) && cond(4)) { hand = 1; clg_cond("SXA", "SXA24", 2); }
    if (at(10759) && ms10(50)) fixed_net(NET_FR_NAVY_1, 41);
    if (at(10767) && cond(3)) qsa_exchange("QKD", "X2R", 3);
    if (at(10836) && cond(2)) { send("TBB DE TBA2 QTC 1 "); qtc_qsk("NR 32 GR 6 = 48213 90217 33581 62044 15790 87326 = +"); send_stack(" K"); }
}

// Evening and night nets over the long paths.
void evening_and_night() {
    // Evening and night: the band is open over long paths and the nets are busy.
    if (at(10159) && night() && cond(3)) pass_msg("RJE54", "RCV", "V");
    if (at(10197) && night() && ms10(20)) { p(21, 1020, 3); indicator_bcst("KKKKK KKKKK KKKKK = ", "QKNRT "); }
    if (at(10203) && ct(1800, 0) && cond(2)) pass_msg("FDY4", "FDC", "DE");
    if (at(10276) && ct(2000, 300) && ms20(0)) { p(24, 980, 3); fig_msg("CQ CQ CQ DE RIW RIW RIW QTC ", " + K"); }
    if (at(10311) && night() && cond(3)) { stn(); bug(); clg_cond("FDX3", "FDC", 102); }
    if (at(10343) && ct(1900, 100)) { p(22, 1100, 3); french_navy_coast("VVV VVV VVV DE FUX FUX FUX  ", "FUX"); }
    if (at(10358) && night() && cond(2)) pass_msg("SXA24", "SXA", "DE");
    if (at(10384) && night() && ms10(40) && t.wDayOfWeek % 2 == 1) { p(20, 880, 3); indicator_bcst("VVV VVV VVV ", ""); }
    if (at(10402) && night()) low_pwr_mil();
    if (at(10419) && ct(2100, 400) && eh()) { p(26, 1000, 3); fig4_msg("BZG41 BZG41 DE BZR62 = 0318 = ", 36); }
    if (at(10438) && night() && cond(3)) { p(18, 800, 2); hand = 1; send_times("RKS RKS DE RJH77 ", 3); send_stack("QSA? K"); }
    if (at(10459) && night() && t.wMinute % 5 == 2) duplex_radiocheck(8, 1);
    if (at(10507) && night() && cond(3)) pass_msg("IGJ", "IDR", "DE");
    if (at(10523) && night() && ms10(0)) { p(22, 950, 3); m12(); }
    if (at(10544) && night() && cond(2)) nato_qso();
    if (at(10566) && ct(1800, 2300) && cond(3)) { p(20, 1300, 3); clg_cond_par("TBB", "TBA2", 2, 2); }
    if (at(10583) && night() && mh(35)) duplex_osn(7, 2);
    if (at(10597) && ct(2300, 500)) { p(21, 920, 2); send_still_f1("VVV VVV DE RCV RCV RCV QSX 10 13  "); }
    if (at(10616) && night() && cond(3)) pass_msg("RIT", "RBX2", "V");
    if (at(10646) && night() && ms(30)) { p(24, 1250, 3); nato_msg("X2R DE QKD = ", 'I'); }
    if (at(10663) && ms10(10)) fixed_net(NET_FR_AIR_2, 12);
    if (at(10702) && night() && cond(3)) { ss(); p(19, 880, 3); send_cond("RJD99 RJD99 DE RIW RIW QTC K"); }
    if (at(10722) && ct(2000, 200) && mh(40)) { p(18, 1000, 3); let_msg("RJH77 RJH77 DE RJS RJS = ", 3, 0x80); }
    if (at(10751) && night() && cond(3)) pass_msg("TBB", "TBA2", "DE");
    if (at(10796) && night() && ms10(50)) { p(21, 880, 3); indicator_bcst("ZZZZZ ZZZZZ = ", "UYGLX "); }
    if (at(10822) && ct(2200, 300) && cond(2)) { p(20, 950, 3); send_cond_par("RMP RMP RMP DE RJE54 RJE54 K", 2); }
    if (at(10844) && night() && cond(3)) pass_msg("EBC", "EBA", "DE");
    if (at(10866) && night()) low_pwr_mil();
    if (at(10897) && t.wDayOfWeek == 1) fixed_net(NET_RO_DIPLO, 27);
    if (at(10924) && night() && ms20(40)) { p(23, 1000, 3); fig_msg("NSS NSS DE NAM NAM QTC ", " AR K"); }
    if (at(10949) && night() && cond(3)) { p(21, 1100, 3); hs(); send_cond("RCV RCV DE RMP RMP QTC 2 K"); }
    if (at(10969) && ct(2300, 400)) { p(24, 1000, 2); naval_coast("VVV VVV VVV DE NPM NPM NPM  ", "NPM", us_navy, 37); }
    if (at(10990) && night() && cond(2)) pass_msg("RIT", "RJH77", "V");

    stn();
}

// Stations heard only while the path is in daylight.
void daylight_block() {
    if (day()) {
        // The aeronautical fixed network: Havana and New York, then the
        // circuit to Lima every ten seconds.
        if (at(10132) && ml(30)) aero_fixed("CMH", "WSY", 1);
        if (at(10132) && mh(29)) aero_fixed("OAL", "WSY", 10);
        if (at(10189) && cond(2)) nato_qso();
        if (at(10200)) fixed_net(NET_FR_AIR_1, 41);
        if (at(10238) && hl(12)) { p(22, 1100, 4); french_navy_coast("VVV VVV VVV DE FUE FUE FUE QSX 6 8 10 12  ", "FUE"); }
        if (at(10309) && ms(50)) { p(24, 1300, 3); nato_msg("M7T DE QKD = ", 'O'); }
        if (at(10355) && cond(3)) { p(24, 1100, 3); clg_cond("IDR", "IGJ", 2); }
        if (at(10423) && ms10(10)) fixed_net(NET_TAC_1, 23);
        if (at(10469)) { p(23, 1000, 4); send_still("VVV VVV VVV DE DHJ59 DHJ59 DHJ59  "); }
        if (at(10516) && cond(2)) { p(22, 900, 3); send_cond("DHJ59 DHJ59 DE DHM91 DHM91 QSA? K"); }
        if (at(10594) && eh() && ms20(0)) { p(23, 1000, 3); fig_msg("EBC EBC DE EBA EBA QTC ", " K"); }
        if (at(10733)) low_pwr_mil();
        if (at(10811) && cond(3)) { p(19, 750, 2); clg_cond("OSN", "ORK", 3); }
        if (at(10862) && t.wDayOfWeek == 2) fixed_net(NET_CZ_DIPLO, 25);
        if (at(10912) && ms(5)) { p(20, 1050, 3); m12(); }
        if (at(10959) && mh(30) && oh()) { p(21, 1000, 3); fig_msg("SXA24 SXA24 DE SXA SXA QTC ", " + K"); }
    }
    // The rest of the daylight paths, in band_10_day.cpp.
    band_10_day_paths();
    if (reg2_day()) {
        if (at(10214) && cond(2)) { p(20, 900, 2); send_cond("CLP3 CLP3 DE CLP1 CLP1 K"); }
        if (at(10434)) { p(24, 1000, 2); naval_coast("VVV VVV VVV DE NAU NAU NAU  ", "NAU", us_navy, 37); }
        if (at(10621)) { p(22, 1100, 2); send_still("VVV VVV VVV DE PWZ33 PWZ33 PWZ33 QSX 6 10 13  "); }
        if (at(10745) && cond(3)) { p(18, 800, 1); send_cond("LOR LOR DE LPD LPD QRK? QSA? K"); }
    }
    if (reg3m_day()) {
        if (at(10299)) { p(22, 950, 2); french_navy_coast("VVV VVV VVV DE FUV FUV FUV  ", "FUV"); }
        if (at(10537) && ml(30)) { p(20, 1050, 2); send_still("VVV VVV VVV DE VTP VTP VTP VISAKHAPATNAM  "); }
        if (at(10713) && cond(3)) { p(25, 1000, 2); send_cond("VTG VTG DE VTP VTP QTC K"); }
    }
    if (reg3f_day()) {
        if (at(10495)) { p(24, 1000, 2); send_still("VVV VVV VVV DE VHP VHP VHP  "); }
        if (at(10578) && eh()) { p(25, 1100, 2); fig4_msg("BZG41 BZG41 DE BZP57 = 0092 = ", 28); }
        if (at(10914) && ms10(30)) { p(22, 1200, 2); fig_msg("HMB HMB DE HMB22 HMB22 QTC ", " + K"); }
    }
    if (reg1rus_day()) {
        if (at(10176) && ms10(20)) fixed_net(NET_RU_NAVY_BALTIC, 24);
        if (at(10457) && cond(2)) { p(17, 1000, 3); send_cond("RKS RKS V RBX2 RBX2 QSA? K"); }
        if (at(10696) && ml(30)) { p(19, 1050, 3); let_msg("RIT RIT DE RBX2 = ", 3, 0x80); }
    }

    stn();
}

// Stations of the years before 1950 (HIST).
void historical_block() {
    if (hist) {
        // The government network of the war years calling its stations, each
        // call in its own minutes; the generator keeps to its ten minutes.
        if (at(10520)) {
            if (min_period(0, 2)) pol_gov_ldn_net_clg(600, 31);
            if (min_period(3, 5)) pol_gov_ldn_net_clg(600, 32);
            if (min_period(6, 8)) pol_gov_ldn_net_clg(600, 33);
            if (m(8)) pol_gov_ldn_net_clg(600, 34);
            if (m(9)) pol_gov_ldn_net_clg(600, 35);
            if (min_period(15, 17)) pol_gov_ldn_net_clg(715, 31);
            if (min_period(18, 20)) pol_gov_ldn_net_clg(715, 36);
            if (min_period(21, 23)) pol_gov_ldn_net_clg(715, 37);
            if (min_period(30, 32)) pol_gov_ldn_net_clg(930, 31);
            if (min_period(33, 35)) pol_gov_ldn_net_clg(930, 33);
            if (min_period(36, 38)) pol_gov_ldn_net_clg(930, 35);
            if (m(38)) pol_gov_ldn_net_clg(930, 36);
            if (m(39)) pol_gov_ldn_net_clg(930, 37);
        }
        // The Paris telegraph office's circuits by the time of day.
        if (at(10580)) {
            ton = 1500;
            qsa = 5;
            if (ct(600, 730)) french_ptt("FZO2", "FYB");
            if (ct(800, 950)) french_ptt("FZG3", "FYB");
            if (ct(1300, 1450)) telecom_opchat_dx("SUV", "FYB", "");
            if (ct(1500, 1650)) telecom_opchat_dx("EPA", "FYB", "");
            if (ct(1700, 1950)) french_ptt("", "FYB");
        }
        if (at(10150) && ct(50, 200)) { p(28, 777, 4); send_still("VVV VVV VVV DE DFH/DIS DFH/DIS DFH/DIS PX     "); }
        if (at(10188) && night()) { p(30, 820, 3); send_still("VVV VVV VVV DE DGH DGH DGH PX  "); }
        if (at(10225) && ct(1800, 2200)) { p(35, 900, 3); send_still("VVV VVV VVV DE WQN WQN WQN  "); }
        if (at(10260) && ct(1900, 2300)) { p(32, 1000, 3); send_still("VVV VVV VVV DE LSX LSX LSX  "); }
        if (at(10330) && day()) { p(30, 850, 4); send_still("VVV VVV VVV DE GBK GBK GBK  "); }
        if (at(10352) && ct(700, 1100)) { p(27, 780, 3); send_still("VVV VVV VVV DE FTK FTK FTK  "); }
        if (at(10410) && ct(2200, 200)) { p(22, 900, 2); send_still("VVV VVV VVV DE JYK JYK JYK  "); }
        if (at(10445) && night()) { p(25, 850, 3); send_still("VVV VVV DE VIZ3 VIZ3 VIZ3  "); }
        if (at(10527) && ml(10) && night()) { p(24, 700, 3); fig_msg("GBXZ GBXZ GBXZ ", " AR  "); }
        if (at(10540) && cond(3)) { p(18, 680, 3); hand = 1; send_cond("DKF DKF DE DHJ DHJ QTC K"); }
        if (at(10610) && ms20(20)) { p(20, 700, 3); let_msg("DHJ DHJ DHJ = ", 2, 0x80); }
        if (at(10680) && ct(600, 900)) { p(28, 830, 4); send_still("VVV VVV VVV DE IRS IRS IRS  "); }
        if (at(10740) && ct(1400, 1800)) { p(26, 1000, 3); send_still("VVV VVV VVV DE RAN RAN RAN  "); }
        if (at(10830) && eh()) { p(21, 760, 3); fig_msg("NSS NSS NSS ", " AR  "); }
        if (at(10920) && ct(2300, 300)) { p(30, 900, 3); send_still("VVV VVV VVV DE PPX PPX PPX  "); }
        if (at(10975) && oh()) { p(20, 730, 2); send_still("VVV VVV VVV DE JNA JNA JNA  "); }
    }

    stn();
}

// Recordings, teleprinters and carriers in the background (BGND).
void background_block() {
    if (bkgnd) {
        // A circuit's automatic Morse test tape in odd hours.
        if (at(10545) && oh()) {
            qsa = 1;
            auto_morse(60);
        }
        if (at(10980) && (ct(1000, 1200) || ct(1700, 2000))) fax(120, 576);
        if (at({10129, 10164})) rtlx_cond("GYA", 1000, 75, 3);
        if (at(10217)) rtlx_cond_50_850("9VF59", 4);
        if (at({10240, 10258, 10290}) && t.wHour % 3 == 0) rtlx("TASS MOSCOW", 850, 50);
        if (at(10863)) radar();
        if (at(10101)) rtlx_cond_50_425("DDK9", 0);
        if (at(10536) && (ct(0, 200) || ct(1400, 1600))) fax(120, 576);
        if (at({10368, 10573})) rtlx_cond_50_425("RBZ", 2);
        if (at({10418, 10727})) rtlx_cond_75_850("ZKN", 0);
        if (at({10620, 10815, 10930}) && day()) rtlx_cond_50_170("BZP57", 0);
        if (at(10688)) rtlx_cond_arqe_96("FDY4", 0);
        if (at(10783)) rtlx_cond_100_850("GYA", 2);
        if (at(10559)) sitor();
        if (at({10305, 10382, 10609})) { qsa = 2; data(200, 2); }
        if (at(10777) && cond(2)) qyt4();
        if (at({10474, 10851}) && t.wSecond % 5 == 0) tuning();
        qsa = 1;
        if (at({10235, 10330, 10525, 10690, 10770, 10955}) && oh()) n0n(1500);
        qsa = 2;
        if (at({10306, 10394, 10485, 10712, 10806}) && eh()) n0n(1100);
    }

    band_10_teleprinters();

    get_background(243, background_tab_10, prob_tab_10);
}

}  // namespace

void band_10() {
    band_start(10, 8);
    weather_broadcasts();
    diplo_traffic();
    // Military nets, numbers stations and navies of the fixed service.
    if (at(10243) && ms10(20)) { p(18, 900, 3); red_army_broadcast(3, 0); }
    if (at(10311) && cond(3)) red_army_broadcast_qsl(1, 0);
    if (at(10426)) simplex_qtc(2, 0);
    if (at(10617) && night()) cuban_cut_numbers();
    if (at(10724) && ms(15)) p7x(1);
    if (at(10437) && ms(0)) { p(22, 1000, 3); russian_navy_primary(); }
    if (at(10576)) { p(20, 800, 3); polish_navy(0); }
    if (at(10577)) { p(20, 850, 3); polish_navy(1); }
    if (at(10736)) { p(21, 950, 3); spanish_navy(); }
    utility_and_amateur();
    fixed_service();
    evening_and_night();
    band_10_outstations();
    stn();
    daylight_block();
    historical_block();
    band_10_prewar();
    stn();
    background_block();
    band_end(10);
}

}  // namespace kestrel
