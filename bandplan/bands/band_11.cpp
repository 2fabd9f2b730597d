// Stations of 11000-11999 kHz, tested in order; every entry that applies is queued.
// 11000-11175 fixed, 11175-11400 aeronautical (military, then the route
// families), 11400-11650 fixed, then the broadcasters whose carriers end the list.

#include "bandplan/background/background.h"
#include "bandplan/entry.h"
#include "bandplan/entry_helpers.h"
#include "bandplan/fixed_nets.h"
#include "platform/clock.h"
#include "procedures/markers.h"
#include "procedures/predicates.h"
#include "procedures/procedures.h"
#include "procedures/send.h"
#include "procedures/sendf.h"
#include "procedures/voice.h"
#include "state/clock.h"
#include "state/emission.h"
#include "state/random.h"
#include "state/receiver.h"
#include "synth/machine.h"
#include "synth/morse.h"
#include "traffic/aero.h"
#include "traffic/blocks.h"
#include "traffic/military.h"
#include "traffic/naval.h"
#include "traffic/netcheck.h"

namespace kestrel {

// The larger blocks, in files of their own beside this one.
void band_11_outstations();
void band_11_day_paths();
void band_11_prewar();
void band_11_teleprinters();
void band_11_broadcast_carriers();

namespace {

// The clock station, the lower fixed service and aeronautical stations.
void clock_fixed_and_aero() {
    // The first ten seconds of a minute: the station refreshes the clock itself.
    if (at(11096)) {
        GetSystemTime(&t);
        if (t.wSecond < 10) {
            p(25, 1000, 3);
            sz = 1;
            send_stackf("=99%02d%02d??0?????", t.wHour, t.wMinute);
            sz = 0;
        }
    }
    if (at(11146)) { rto = 30; clg_cond("7RA20", "CNA", 2); }

    // Fixed service, 11000-11175.
    if (at(11003) && ms10(0)) duplex_radiocheck(6, 1);
    if (at(11007)) { p(22, 1000, 3); send_still("VVV VVV RCV RCV RCV V RCV QSX 11 MHZ  "); }
    if (at(11014) && cond(3)) { p(20, 880, 3); clg_cond("RCV", "RJE54", 200); }
    if (at(11019) && ms20(20)) { p(18, 1050, 3); fig_msg("RJE54 RJE54 DE RCV RCV QTC ", " + K"); }
    if (at(11026) && eh()) { p(24, 1250, 3); french_navy_coast("VVV VVV VVV DE FUE FUE FUE QSX 8 11 13  ", "FUE"); }
    if (at(11033) && cond(3)) nato_qso();
    if (at(11038)) low_pwr_mil();
    if (at(11045) && ms10(40) && od()) { p(21, 900, 3); m12(); }
    if (at(11052) && oh()) duplex_osn(5, 1);
    if (at(11058) && cond(3)) { p(22, 1000, 3); clg_cond("SUA", "SUA20", 2); }
    if (at(11064)) { p(23, 1150, 3); send_still("4XZ 4XZ 4XZ VVV VVV VVV HAIFA  "); }
    if (at(11071) && ms10(30)) fixed_net(NET_RU_ARMY, 24);
    if (at(11077) && cond(2)) { p(20, 940, 2); send_cond("RMP RMP DE RJD99 RJD99 QTC K"); }
    if (at(11083) && ms(45)) { p(22, 1300, 3); nato_msg("B3N DE QKD = ", 'R'); }
    if (at(11102) && !ms10(0)) { p(21, 1000, 3); italian_naval("VVV VVV VVV DE IDR IDR IDR  ", "IDR"); }
    if (at(11102) && ms10(0)) { p(21, 1000, 3); fig_msg("IGJ IGJ DE IDR IDR QTC ", " AR K"); }
    if (at(11109) && cond(3)) { p(19, 820, 2); hand = 1; send_cond("SXA SXA DE SXA24 SXA24 QRK? K"); }
    if (at(11116) && t.wMinute % 3 == 2) duplex_radiocheck(4, 3);
    if (at(11123)) { p(24, 1000, 4); send_still("VVV VVV VVV DE EBA EBA EBA  "); }
    if (at(11130)) qsl("RCV ");
    if (at(11137) && ml(20)) { p(20, 900, 3); let_msg("RJH77 RJH77 DE RMP RMP = ", 3, 0x80); }
    if (at(11151) && eh() && mh(30)) { p(23, 1000, 3); fig_msg("ZKN ZKN ZKN DE GYA GYA NR ", " AR K"); }
    if (at(11157) && cond(3)) { p(18, 760, 2); send_cond("FDX3 FDX3 DE FDC FDC QSA QRK? K"); }
    if (at(11163)) random_vvv();
    if (at(11170) && cond(2)) { p(24, 1100, 3); send_cond_f1("RIT RIT DE RKS RKS QTC K"); }

    // Aeronautical: military families and the route voice channels.
    // Air force ground stations working aircraft, a coded air weather report,
    // an air-to-ground test and an aircraft's distress call on the route channels.
    if (at(11179) && cond(3)) raf_qso("MKD");
    if (at(11205)) { p(21, 1000, 4); rea4(); }
    if (at(11282)) a2g_sx("OEV");
    if (at(11297)) a2g_dx_gnd("LFO");
    if (at(11315) && reg1rus_night() && cond(4)) rus_acft_sos();
    if (at(11175)) fone_cond(2);
    if (at({11226, 11232})) fone_cond(3);
    if (at({11214, 11246, 11271}) && night()) fone_cond(5);
    if (at({11279, 11282, 11291, 11300, 11309}) && eh()) fone_cond(4);
    if (at({11330, 11336, 11342, 11348}) && oh()) fone_cond(4);
    if (at({11360, 11384, 11387, 11396})) fone_cond(6);
    if (at(11180) && cond(3)) { p(22, 900, 2); send_cond("RFFX RFFX DE RFNA RFNA QTC K"); }
    if (at(11205) && cond(3)) { p(24, 1000, 2); send_cond("RCKN DE RFFX QRK? K"); }
    if (at(11253) && ms(20)) { p(20, 1100, 3); send_still("VVV VVV VVV DE RFNA RFNA RFNA  "); }
}

// The upper fixed service and the evening and night nets.
void fixed_and_night_nets() {
    // Fixed service, 11400-11650.
    if (at(11403) && ms10(20)) fixed_net(NET_TAC_3, 23);
    if (at(11411)) { p(22, 1100, 3); send_still("RIT RIT RIT V RIT RIT QRU? QSX 11  "); }
    if (at(11418) && t.wMinute % 3 == 0) { p(19, 920, 3); clg_cond("RIT", "RBX2", 200); }
    if (at(11426) && ms20(40)) { p(18, 1020, 3); let_msg("RBX2 RBX2 DE RIT RIT = ", 3, 0x80); }
    if (at(11433)) low_pwr_mil();
    if (at(11441) && eh()) duplex_radiocheck(7, 2);
    if (at(11448) && ml(40)) { p(25, 1000, 4); send_still("VVV VVV VVV DE TBB TBB TBB  "); }
    if (at(11455) && cond(3)) { p(23, 1000, 3); clg_cond("TBA2", "TBB", 3); }
    if (at(11462) && ms10(50) && t.wDayOfWeek != 6) { p(20, 1000, 3); m12(); }
    if (at(11470) && cond(2)) nato_qso();
    if (at(11477)) { p(21, 950, 3); send_still("VVV VVV VVV DE SXA SXA SXA QSX 8 11 13  "); }
    if (at(11485) && oh() && ms20(0)) { p(21, 950, 3); fig_msg("SXA24 DE SXA QTC ", " + K"); }
    if (at(11491) && cond(3)) qsa_exchange("FDG", "FDC", 2);
    if (at(11498)) send_vvv("RJD99");
    if (at(11506) && ms10(10)) fixed_net(NET_FR_ARMY, 41);
    if (at(11513) && mh(45)) duplex_osn(6, 2);
    if (at(11521)) { p(24, 1000, 4); send_still("VVV VVV DE PBC PBC PBC GOEREE QRU?  "); }
    if (at(11528) && cond(3)) { p(20, 880, 3); hand = 1; clg_cond("RKS", "RJE54", 200); }
    if (at(11536) && od() && ms(5)) { p(22, 1200, 3); nato_msg("Z8C DE QKD = ", 'O'); }
    if (at(11543)) low_pwr_mil();
    if (at(11551) && cond(2)) { p(19, 1000, 2); send_cond("RIW RIW DE RJH77 RJH77 QSA? K"); }
    if (at(11558) && t.wDayOfWeek >= 1 && t.wDayOfWeek <= 5 && ms10(20)) { p(22, 930, 3); m12(); }
    if (at(11566)) { p(22, 800, 3); naval_coast("VVV VVV VVV DE GYA GYA GYA  ", "GYA", rn_vsl, 38); }
    if (at(11574) && cond(3)) random_vvv();
    if (at(11582) && ms10(40) && ed()) fixed_net(NET_RO_DIPLO, 25);
    if (at(11589) && cond(2)) { p(21, 1100, 3); send_cond("RMP RMP RMP DE RIW RIW QTC 3 K"); }
    if (at(11597) && eh() && ml(30)) { p(20, 1000, 3); fig_msg("RJD99 RJD99 DE RMP RMP QTC ", " + K"); }
    if (at(11604) && night()) qsl("RMP ");
    if (at(11612) && t.wMinute % 4 == 0) duplex_radiocheck(5, 1);
    if (at(11619)) { p(23, 1000, 3); naval_coast("VVV VVV VVV DE NAM NAM NAM  ", "NAM", us_navy, 37); }
    if (at(11634) && cond(3)) { send("RJE54 DE RKS QTC 1 "); qtc_qsk("NR 214 = 1630 = 27431 58806 11493 70215 38342 = +"); send_stack(" K"); }
    if (at(11643) && ms(40)) { p(24, 900, 3); send_still("VVV VVV VVV DE RCV RCV RCV QSX 11 13  "); }

    // Evening and night: long paths open, the nets are busy.
    if (at(11005) && night() && cond(3)) pass_msg("RJD99", "RCV", "V");
    if (at(11017) && ct(1900, 100) && ms10(30)) { p(21, 1020, 3); indicator_bcst("KKKKK KKKKK KKKKK = ", "MWZAC "); }
    if (at(11041) && night() && cond(2)) pass_msg("FDI2", "FDC", "DE");
    if (at(11057) && night()) { p(19, 930, 3); send_still("DE RJH77 RJH77 RJH77 QRU? K   "); }
    if (at(11074) && ct(2000, 200) && ms20(20)) { p(24, 980, 3); fig_msg("CQ CQ CQ DE RMP RMP RMP QTC ", " + K"); }
    if (at(11093) && night() && cond(3)) { stn(); bug(); clg_cond("FDW25", "FDC", 103); }
    if (at(11113) && ct(1900, 300)) { p(22, 1100, 3); french_navy_coast("VVV VVV VVV DE FUX FUX FUX QSX 8 11 13  ", "FUX"); }
    if (at(11134) && night() && cond(2)) pass_msg("SXG", "SXA", "DE");
    if (at(11154) && night() && ms10(0) && t.wDayOfWeek % 2 == 0) { p(20, 880, 3); indicator_bcst("VVV VVV VVV ", ""); }
    if (at(11168) && night()) low_pwr_mil();
    if (at(11404) && ct(2100, 400) && oh()) { p(24, 1000, 3); fig_msg("BZG41 BZG41 DE BZR62 QTC ", " + "); }
    if (at(11422) && night() && cond(3)) { p(18, 800, 2); hand = 1; send_times("RIW RIW DE RBX2 ", 3); send_stack("QSA? K"); }
    if (at(11439) && night() && t.wMinute % 5 == 3) duplex_radiocheck(8, 2);
    if (at(11466) && night() && cond(3)) pass_msg("IDQ", "IDR", "DE");
    if (at(11487) && night() && ms10(20)) { p(22, 950, 3); m12(); }
    if (at(11502) && night() && cond(2)) nato_qso();
    if (at(11519) && ct(1800, 2300) && cond(3)) { p(20, 1300, 3); clg_cond_par("TBA2", "TBB", 2, 2); }
    if (at(11534) && night() && mh(35)) duplex_osn(7, 1);
    if (at(11553) && ct(2300, 500)) { p(21, 920, 2); send_still_f1("VVV VVV DE RMP RMP RMP QSX 11 13  "); }
    if (at(11569) && night() && cond(3)) pass_msg("RKS", "RBX2", "V");
    if (at(11584) && night() && ms(30)) { p(24, 1250, 3); nato_msg("M7T DE QKD = ", 'I'); }
    if (at(11601) && ms10(20)) fixed_net(NET_FR_AIR_1, 12);
    if (at(11617) && night() && cond(3)) { ss(); p(19, 880, 3); send_cond("RJD99 RJD99 DE RIT RIT QTC K"); }
    if (at(11631) && ct(2000, 200) && mh(40)) { p(18, 1000, 3); let_msg("RJH77 RJH77 DE RKS RKS = ", 3, 0x80); }
    if (at(11646) && night() && ms10(50)) { p(21, 880, 3); indicator_bcst("ZZZZZ ZZZZZ = ", "HXMOP "); }

    stn();
}

// Stations heard only while the path is in daylight.
void daylight_block() {
    if (day()) {
        if (at(11011) && cond(2)) { p(22, 1000, 3); clg_cond("FDC", "FDY4", 1); }
        if (at(11042)) fixed_net(NET_FR_NAVY_2, 41);
        if (at(11089) && cond(2)) nato_qso();
        if (at(11143) && cond(3)) { p(21, 950, 3); send_cond("DHM91 DHM91 DE DHJ59 DHJ59 QTC K"); }
        if (at(11415) && ms10(0)) fixed_net(NET_TAC_4, 10);
        if (at(11437) && mh(20)) { p(23, 1000, 3); send_still("VVV VVV VVV DE 9HD 9HD 9HD  "); }
        if (at(11493)) low_pwr_mil();
        if (at(11517) && cond(3)) { p(20, 900, 3); clg_cond("ORK", "OSN", 3); }
        if (at(11548) && eh()) { p(24, 1000, 3); send_still("CQ CQ CQ DE CTV QSX 11 MHZ QRV  "); }
        if (at(11572) && cond(3)) { p(22, 1050, 3); clg_cond("IDR", "IGJ42", 2); }
        if (at(11608) && ms20(20)) { p(21, 1000, 3); fig_msg("EBA EBA DE EBC EBC NR ", " AR K"); }
    }
    // The rest of the daylight paths, in band_11_day.cpp.
    band_11_day_paths();
    if (reg2_day()) {
        if (at(11031) && cond(2)) { p(20, 900, 2); send_cond("CLP1 CLP1 DE CLP3 CLP3 QRV K"); }
        if (at(11118)) { p(24, 1000, 2); naval_coast("VVV VVV VVV NAU NAU NAU QSX 11 MHZ  ", "NAU", us_navy, 37); }
        if (at(11458) && ml(40)) { p(22, 1100, 2); send_still("PWZ33 PWZ33 PWZ33 VVV VVV RIO  "); }
        if (at(11532) && cond(3)) { p(18, 800, 1); send_cond("LPD LPD DE LOR LOR QRK? K"); }
        if (at(11591)) { p(23, 1000, 2); send_still("VVV VVV VVV DE CBV CBV CBV  "); }
    }
    if (reg3m_day()) {
        if (at(11022)) { p(22, 950, 2); french_navy_coast("VVV VVV DE FUV FUV FUV QSX 8 11 16  ", "FUV"); }
        if (at(11473) && ml(30)) { p(20, 1050, 2); send_still("VVV VVV VVV DE VTG VTG VTG  "); }
        if (at(11563) && cond(3)) { p(25, 1000, 2); send_cond("VTP VTP DE VTG VTG QTC K"); }
    }
    if (reg3f_day()) {
        if (at(11062)) { p(24, 1000, 2); send_still("VVV VVV DE VHP VHP VHP CANBERRA  "); }
        if (at(11408) && eh()) { p(25, 1100, 2); fig_msg("BZP57 BZP57 DE BZG41 BZG41 QTC ", " + K"); }
        if (at(11525) && ms10(30)) { p(22, 1200, 2); fig_msg("HMB22 HMB22 DE HMB HMB NR ", " AR  "); }
        if (at(11614)) { p(22, 1000, 2); naval_coast("VVV VVV VVV DE NPN NPN NPN  ", "NPN", us_navy, 37); }
    }
    if (reg1rus_day()) {
        if (at(11049) && ms10(20)) fixed_net(NET_RU_NAVY_NORTH, 24);
        if (at(11444) && cond(2)) { p(17, 1000, 3); send_cond("RBX2 RBX2 V RKS RKS QRV K"); }
        if (at(11587) && ml(30)) { p(19, 1050, 3); let_msg("RBX2 RBX2 V RIT = ", 3, 0); }
    }

    stn();
}

// Stations of the years before 1950 (HIST).
void historical_block() {
    if (hist) {
        if (at(11020) && night()) { p(30, 850, 3); send_still("VVV VVV VVV DE DGW DGW DGW PX  "); }
        if (at(11080) && ct(1600, 2200)) { p(33, 900, 3); send_still("VVV VVV VVV DE WKK WKK WKK  "); }
        if (at(11120) && day()) { p(30, 800, 4); send_still("VVV VVV VVV DE GBC GBC GBC  "); }
        if (at(11160) && ct(600, 1000)) { p(27, 780, 3); send_still("VVV VVV VVV DE FTD FTD FTD  "); }
        if (at(11410) && ct(2200, 300)) { p(24, 900, 2); send_still("VVV VVV VVV DE JZH JZH JZH  "); }
        if (at(11450) && night()) { p(25, 850, 3); send_still("VVV VVV DE VIX3 VIX3 VIX3  "); }
        if (at(11490) && ml(15) && night()) { p(22, 700, 3); fig_msg("GBXZ GBXZ DE GBC ", " AR  "); }
        if (at(11540) && cond(3)) { p(18, 680, 3); hand = 1; send_cond("DHJ DHJ DE DKF DKF QSA? K"); }
        if (at(11580) && ct(1300, 1700)) { p(26, 1000, 3); send_still("VVV VVV VVV DE RKI RKI RKI  "); }
        if (at(11630) && eh()) { p(21, 760, 3); fig_msg("NAA NAA NAA DE NSS ", " AR  "); }
    }

    stn();
}

// Recordings, teleprinters and carriers in the background (BGND).
void background_block() {
    if (bkgnd) {
        if (at(11090) && (ct(0, 300) || ct(1700, 2000))) fax(120, 576);
        if (at({11035, 11421}) && ct(300, 2100)) rtlx_cond_50_425("RIW MOSKVA", 0);
        if (at({11068, 11468}) && eh()) rtlx_cond_75_850("ZKN FLEET", 2);
        if (at(11110) && night()) rtlx_cond_arqe_96("FDY4 PARIS", 0);
        if (at({11430, 11555}) && ct(700, 1500)) rtlx_cond_50_170("BZP57 XINHUA", 0);
        if (at(11475) && oh()) rtlx_cond_100_850("GYA NORTHWOOD MARITIME HQ", 3);
        if (at({11086, 11436, 11620})) { qsa = 2; data(200, 2); }
        if (at(11515) && cond(2)) qyt4();
        if (at({11055, 11545}) && t.wSecond % 5 == 0) tuning();
        if (at(11199)) radar();
    }

    band_11_teleprinters();

    get_background(194, background_tab_11, prob_tab_11);
    if (bkgnd) {
        qsa = static_cast<int>(myrand() % 3 + 3);
        if (at({11710, 11720, 11730, 11750, 11820, 11860, 11865, 11895, 11925, 11940})) n0n(800);
        if (at({11745, 11785, 11835, 11875, 11905, 11955})) n0n(900);
    }
    band_11_broadcast_carriers();
}

}  // namespace

void band_11() {
    band_start(11, 12);
    weather_broadcasts();
    diplo_traffic();
    // Military nets, numbers stations and navies of the fixed service.
    if (at(11108)) nkvd_2(3);
    if (at(11176) && ms10(0)) mxx();
    if (at(11225) && ms(20)) { p(22, 1000, 4); mkl_broadcast(); }
    if (at(11231) && cond(4)) { p(24, 1100, 3); undef_naval_nato(); }
    if (at(11519) && night()) rcn_df();
    clock_fixed_and_aero();
    fixed_and_night_nets();
    band_11_outstations();
    stn();
    daylight_block();
    historical_block();
    band_11_prewar();
    stn();
    background_block();
    band_end(11);
}

}  // namespace kestrel
