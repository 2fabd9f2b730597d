// Stations of 13000-13999 kHz, tested in order; every entry that applies is queued.
// The top of the 12 MHz maritime band (coast telegraphy, then coast voice
// from 13077), 13200-13360 aeronautical, 13410-13570 fixed, the broadcasters
// of 13570-13870 and fixed service to 14000.

#include "bandplan/background/background.h"
#include "bandplan/bands/coast_watch.h"
#include "bandplan/entry.h"
#include "bandplan/entry_helpers.h"
#include "bandplan/fixed_nets.h"
#include "procedures/markers.h"
#include "procedures/predicates.h"
#include "procedures/procedures.h"
#include "procedures/send.h"
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
#include "traffic/ship_coast.h"

namespace kestrel {

// The blocks kept in their own files (band_13_*.cpp).
void band_13_fixed();
void band_13_day();
void band_13_hist();
void band_13_bkgnd();

namespace {

// Coast telegraphy and voice, aeronautical stations.
void coast_and_aero() {
    // Coast telegraphy at the top of the maritime band.
    if (at(13004)) { p(24, 1000, 3); coast_station_ex("CQ DE DAN DAN DAN = QSX 8 12 16 MHZ = QRU? + K   ", "DAN", "NORDDEICH"); }
    if (at(13009) && cond(2)) { p(24, 1000, 3); coast_qsx("DAN"); }
    if (at(13013) && eh()) { p(22, 900, 3); coast_station_ex("VVV VVV VVV DE GKB GKB GKB  ", "GKB", "PORTISHEAD"); }
    if (at(13018)) { p(23, 1100, 3); coast_station_ex("CQ DE LGB LGB LGB ROGALAND RADIO QSX 12 MHZ K   ", "LGB", "ROGALAND"); }
    if (at(13022) && ml(40)) { p(21, 950, 3); coast_station_ex("CQ CQ DE UFN UFN UFN QSX 8 12 MHZ K   ", "UFN", "NOVOROSSIYSK"); }
    if (at(13027) && cond(2)) { p(21, 950, 3); coast_qsx("UFN"); }
    if (at(13031)) { p(25, 1000, 3); send_still("DE SVD SVD SVD QRU? QSX 12 MHZ K   "); }
    if (at(13036) && oh()) { p(22, 1050, 3); coast_station_ex("CQ DE IAR IAR IAR QSX 12 MHZ = QTC LIST ON THE HOUR + K   ", "IAR", "ROMA"); }
    if (at(13040)) { p(20, 900, 3); coast_station_ex("CQ DE SPE SPE SPE SZCZECIN RADIO QSX 12 MHZ K   ", "SPE", "SZCZECIN"); }
    if (at(13045) && cond(2)) { p(23, 1000, 3); send_cond("SPKW SPKW DE SPE QSA4 QRV K"); }
    if (at(13049) && !ms(30)) { p(24, 950, 3); naval_coast("CQ DE NMC NMC NMC QSX 8 12 16 MHZ K   ", "NMC", us_navy, 37); }
    if (at(13053)) { p(22, 1000, 3); send_still("CQ DE UQK UQK UQK QSX 12 MHZ K   "); }
    if (at(13058) && cond(3)) { p(21, 900, 2); send_cond("UUBN DE UQK QRX 10 K"); }
    if (at(13062) && ml(50)) { p(25, 1100, 3); send_still("CQ DE WNU WNU WNU SLIDELL RADIO QSX 8 12 16 MHZ K   "); }
    if (at(13067)) { p(22, 880, 3); coast_station_ex("CQ DE OXZ OXZ OXZ LYNGBY RADIO QSX 12 16 MHZ K   ", "OXZ", "LYNGBY"); }
    if (at(13072) && eh()) { p(21, 1000, 3); send_still("CQ DE FFT FFT FFT QSX 12 MHZ K   "); }

    // Coast voice channels; the working voice of the stations above.
    if (at({13077, 13080, 13083, 13086}) && oh()) fone_cond(4);
    if (at({13089, 13113, 13146}) && eh()) fone_cond(3);
    if (at({13101, 13107, 13119, 13125, 13137, 13152, 13164, 13176, 13188})) fone_cond(6);

    // Aeronautical: military families, VOLMET, the route voice channels.
    // An aircraft's test call heard from its side, and an aeronautical
    // weather broadcast at the half hours.
    if (at(13279)) a2g_dx_acft("", "SVA");
    if (at(13290) && (ms(0) || ms(30))) { p(20, 1100, 3); aero_wx("LOV"); }
    if (at(13200)) fone_cond(2);
    if (at({13211, 13215, 13232, 13247}) && night()) fone_cond(4);
    if (at({13264, 13270})) fone_cond(2);
    if (at({13282, 13288, 13291, 13297, 13306}) && eh()) fone_cond(4);
    if (at({13312, 13318, 13330, 13339, 13342, 13348, 13354})) fone_cond(5);
    if (at(13225) && cond(3)) { p(22, 1000, 2); send_cond("RFFX RFFX DE RCKN RCKN QTC K"); }
    if (at(13240) && ms(30)) { p(20, 1100, 3); send_still("VVV VVV VVV DE RCKN RCKN RCKN  "); }
    if (at(13256) && cond(2)) { p(24, 950, 3); send_cond("RFNA DE RFFX QSA? K"); }
}

// The fixed service and its nets.
void fixed_service_and_nets() {
    // Fixed service, 13410-13570.
    if (at(13412) && ms10(0)) duplex_radiocheck(6, 2);
    if (at(13417)) { p(22, 1000, 3); send_still("VVV VVV VVV DE RIW RIW RIW QSX 10 13  "); }
    if (at(13423) && cond(3)) { p(20, 880, 3); clg_cond("RIW", "RJE54", 200); }
    if (at(13429) && ms20(20)) { p(18, 1000, 3); let_msg("RJE54 RJE54 DE RIW RIW = ", 3, 0x80); }
    if (at(13436)) low_pwr_mil();
    if (at(13442) && eh()) { p(24, 1250, 3); french_navy_coast("VVV VVV VVV DE FUG FUG FUG  ", "FUG"); }
    if (at(13448) && cond(3)) { p(21, 1000, 3); clg_cond("FDW25", "FDC", 2); }
    if (at(13455) && ms10(30) && od()) { p(21, 880, 3); m12(); }
    if (at(13463) && ct(1300, 1400)) fav22();
    if (at(13469) && cond(2)) nato_qso();
    if (at(13476) && ms(15)) { p(22, 1300, 3); nato_msg("K9W DE QKD = ", 'P'); }
    if (at(13482) && oh()) duplex_osn(5, 2);
    if (at(13488)) { p(23, 1200, 3); send_still("VVV VVV VVV DE TBA2 TBA2 TBA2  "); }
    if (at(13494) && ms10(40)) fixed_net(NET_RU_NAVY_BALTIC, 24);
    if (at(13517) && ml(30)) { p(21, 1000, 4); send_still("VVV VVV VVV DE EBA EBA EBA QSX 11 13  "); }
    if (at(13523)) qsl("RIW ");
    if (at(13529) && t.wMinute % 3 == 1) duplex_radiocheck(4, 3);
    if (at(13536)) { p(24, 1000, 3); italian_naval("VVV VVV VVV DE IDR IDR IDR  ", "IDR"); }
    if (at(13542) && eh() && mh(30)) { p(23, 1000, 3); fig_msg("ZKN ZKN DE GYA GYA QTC ", " + K"); }
    if (at(13548)) random_vvv();
    if (at(13572) && cond(3)) { p(22, 1150, 2); send_cond_f1("RMP RMP DE RIT RIT QTC K"); }

    // Fixed service, 13870-14000.
    if (at(13873) && ms10(20)) fixed_net(NET_UK_NAVY, 21);
    if (at(13878)) { p(22, 1100, 3); send_still("VVV VVV VVV DE RMP RMP RMP  "); }
    if (at(13884) && t.wMinute % 3 == 0) { p(19, 900, 3); clg_cond("RMP", "RJH77", 200); }
    if (at(13890) && ms20(40)) { p(18, 1050, 3); fig_msg("RJH77 RJH77 DE RMP RMP QTC ", " + K"); }
    if (at(13897)) low_pwr_mil();
    if (at(13903) && eh()) duplex_radiocheck(5, 1);
    if (at(13909)) { p(25, 1000, 4); send_still("VVV VVV VVV DE 4XZ 4XZ 4XZ QSX 8 13  "); }
    if (at(13916) && ms10(50) && t.wDayOfWeek != 0) { p(20, 1000, 3); m12(); }
    if (at(13922) && cond(3)) qsa_exchange("X2R", "QKD", 2);
    if (at(13929) && ms10(10)) fixed_net(NET_FR_AIR_1, 41);
    if (at(13935)) { p(21, 950, 3); send_still("VVV VVV VVV DE SXA SXA SXA  "); }
    if (at(13942) && cond(2)) { p(20, 1000, 3); hand = 1; send_cond("RCV RCV DE RBX2 RBX2 QTC K"); }
    if (at(13948)) send_vvv("RKS");
    if (at(13955) && mh(40)) duplex_osn(6, 1);
    if (at(13961) && ms10(20) && ed()) fixed_net(NET_HU_DIPLO, 25);
    if (at(13968)) { p(24, 1000, 3); naval_coast("VVV VVV VVV DE NSS NSS NSS  ", "NSS", us_navy, 37); }
    if (at(13974) && od() && ms(45)) { p(22, 1200, 3); nato_msg("H5F DE QKD = ", 'R'); }
    if (at(13995)) qsl("RMP ");

    // Nets through the day and evening on the 13 MHz fixed channels.
    if (at(13414) && hh(7) && hl(22) && cond(3)) pass_msg("RJE54", "RIW", "V");
    if (at(13425) && ct(1600, 2200) && ms10(30)) { p(21, 1020, 3); indicator_bcst("KKKKK KKKKK KKKKK = ", "PTLVD "); }
    if (at(13446) && hh(8) && hl(20) && cond(2)) pass_msg("FDG", "FDC", "DE");
    if (at(13479) && ct(1500, 2100) && ms20(0)) { p(24, 980, 3); fig_msg("CQ CQ CQ DE RIW RIW RIW QTC ", " + K"); }
    if (at(13491) && cond(3)) { stn(); bug(); clg_cond("FDE7", "FDC", 102); }
    if (at(13505) && ct(1200, 1800)) { p(22, 1100, 3); french_navy_coast("VVV VVV VVV DE FUF FUF FUF  ", "FUF"); }
    if (at(13514) && hh(9) && cond(2)) pass_msg("SXA24", "SXA", "DE");
    if (at(13532) && ms10(0) && t.wDayOfWeek % 2 == 1) { p(20, 880, 3); indicator_bcst("VVV VVV VVV ", ""); }
    if (at(13545) && ct(700, 1900)) low_pwr_mil();
    if (at(13876) && ct(300, 1000) && eh()) { p(24, 1000, 3); fig_msg("BZG41 BZG41 DE BZR62 QTC ", " + "); }
    if (at(13882) && cond(3)) { p(18, 800, 2); hand = 1; send_times("RMP RMP DE RJH77 ", 3); send_stack("QSA? K"); }
    if (at(13895) && t.wMinute % 5 == 4) duplex_radiocheck(8, 1);
    if (at(13926) && hl(18) && cond(3)) pass_msg("IGJ", "IDR", "DE");
    if (at(13933) && ms10(40) && od()) { p(22, 950, 3); m12(); }
    if (at(13946) && cond(2)) nato_qso();
    if (at(13953) && ct(1400, 1900) && cond(3)) { p(20, 1300, 3); clg_cond_par("TBB", "TBA2", 2, 2); }
    if (at(13966) && mh(35) && eh()) duplex_osn(7, 2);
    if (at(13977) && ct(1000, 1600)) { p(21, 920, 2); send_still_f1("VVV VVV DE RIT RIT RIT QSX 13 16  "); }
    if (at(13984) && cond(3)) pass_msg("RCV", "RBX2", "V");
    if (at(13992) && ms(30)) { p(24, 1250, 3); nato_msg("B3N DE QKD = ", 'I'); }
    if (at(13421) && ms10(10)) fixed_net(NET_FR_NAVY_2, 12);
    if (at(13437) && cond(3)) { ss(); p(19, 880, 3); send_cond("RJD99 RJD99 DE RMP RMP QTC K"); }
    if (at(13553) && ct(1200, 1600) && mh(40)) { p(18, 1000, 3); let_msg("RJH77 RJH77 DE RIT RIT = ", 3, 0x80); }
    if (at(13899) && ms10(50)) { p(21, 880, 3); indicator_bcst("ZZZZZ ZZZZZ = ", "RBKQE "); }
    if (at(13003) && cond(3)) { p(22, 900, 3); send_cond("DCJK DE DAN QSA5 QRV QTC 1 K"); }
    if (at(13038) && ct(1800, 0)) { p(23, 1000, 3); coast_station_ex("CQ DE WCC WCC WCC QSX 8 12 16 22 MHZ = TFC LIST ODD HRS + K   ", "WCC", "CHATHAM"); }
    if (at(13065) && ct(0, 600) && cond(2)) { p(21, 950, 3); send_cond("WMLH DE WCC QSA4 QRV TR? K"); }
    if (at(13074) && ml(30)) { p(22, 880, 3); coast_station_ex("CQ DE 4XO 4XO 4XO QSX 12 MHZ K   ", "4XO", "HAIFA"); }

    stn();
}

// Stations heard only while the path is in daylight.
void daylight_block() {
    if (day()) {
        if (at(13011) && ml(30)) { p(24, 950, 4); coast_station_ex("CQ DE PCH PCH PCH QSX 12 16 MHZ K   ", "PCH", "SCHEVENINGEN"); }
        if (at(13033) && cond(2)) { p(22, 900, 3); coast_qsx("PCH"); }
        if (at(13056)) { p(22, 1000, 3); coast_station_ex("CQ DE SAG SAG SAG GOTEBORG RADIO QSX 12 MHZ K   ", "SAG", "GOTEBORG"); }
        if (at(13418)) fixed_net(NET_FR_NAVY_1, 41);
        if (at(13445) && cond(2)) nato_qso();
        if (at(13467) && ml(30)) { p(22, 1100, 3); send_still("VVV VVV VVV DE DHJ59 DHJ59 DHJ59  "); }
        if (at(13493) && cond(3)) { p(21, 950, 3); send_cond("DHM91 DHM91 DE DHJ59 DHJ59 QSA? K"); }
        if (at(13521)) low_pwr_mil();
        if (at(13534) && mh(20)) { p(23, 1000, 3); coast_station_ex("VVV VVV VVV DE 9HD 9HD 9HD  ", "9HD", "MALTA"); }
        if (at(13887) && ms10(0)) fixed_net(NET_IT_NAVY, 23);
        if (at(13920) && eh()) { p(24, 1000, 3); send_still("VVV VVV VVV DE CTV CTV CTV  "); }
        if (at(13958) && cond(3)) { p(22, 1050, 3); clg_cond("IGJ", "IDR", 2); }
        if (at(13986) && ms20(20)) { p(21, 1000, 3); fig_msg("EBC EBC DE EBA EBA QTC ", " K"); }
    }
    if (reg2_day()) {
        if (at(13194)) { p(32, 1400, 2); send_cond_par("CLP3 CLP3 CLP3 DE CLP1 CLP1 K", 3); }
        if (at(13059) && cond(2)) { p(22, 1000, 2); send_cond("KGXJ DE NMC QSA3 QRV K"); }
        if (at(13427)) { p(24, 1000, 2); naval_coast("VVV VVV VVV DE NAU NAU NAU  ", "NAU", us_navy, 37); }
        if (at(13459) && ml(40)) { p(22, 1100, 2); send_still("VVV VVV VVV DE PWZ33 PWZ33 PWZ33  "); }
        if (at(13527) && cond(3)) { p(18, 800, 1); send_cond("LOR LOR DE LPD LPD QRK? K"); }
        if (at(13937) && cond(2)) { p(20, 900, 2); send_cond("CLP1 CLP1 DE CLP3 CLP3 QTC K"); }
    }
    if (reg3m_day()) {
        if (at(13042)) { p(22, 1000, 2); coast_station_ex("CQ DE A9M A9M A9M QSX 12 MHZ K   ", "A9M", "BAHRAIN"); }
        if (at(13473)) { p(22, 950, 2); french_navy_coast("VVV VVV VVV DE FUV FUV FUV  ", "FUV"); }
        if (at(13905) && ml(30)) { p(20, 1050, 2); send_still("VVV VVV VVV DE VTP VTP VTP  "); }
    }
    if (reg3f_day()) {
        if (at(13025)) { p(23, 1000, 2); coast_station_ex("CQ DE JOS JOS JOS NAGASAKI RADIO QSX 8 12 16 MHZ K   ", "JOS", "NAGASAKI"); }
        if (at(13064) && oh()) { p(22, 950, 2); send_still("CQ DE XSV XSV XSV QSX 12 MHZ K   "); }
        if (at(13439)) { p(24, 1000, 2); send_still("VVV VVV VVV DE VHP VHP VHP  "); }
        if (at(13511) && eh()) { p(25, 1100, 2); fig_msg("BZG41 BZG41 DE BZP57 QTC ", " +  "); }
        if (at(13951) && ms10(30)) { p(22, 1200, 2); fig_msg("HMB HMB DE HMB22 HMB22 QTC ", " + K"); }
    }
    if (reg1rus_day()) {
        if (at(13016) && ml(30)) { p(22, 900, 3); send_still("CQ DE UDK2 UDK2 UDK2 MURMANSK RADIO QSX 12 MHZ K   "); }
        if (at(13451) && ms10(20)) fixed_net(NET_RU_AIR, 24);
        if (at(13893) && cond(2)) { p(17, 1000, 3); send_cond("RKS RKS V RBX2 RBX2 QSA? K"); }
        if (at(13964) && ml(30)) { p(19, 1050, 3); let_msg("RIT RIT DE RBX2 = ", 3, 0x80); }
    }

    stn();
}

// Stations of the years before 1950 (HIST).
void historical_block() {
    if (hist) {
        if (at(13030) && night()) { p(24, 760, 3); send_still("CQ DE GKU GKU GKU  "); }
        if (at(13050) && ct(1400, 2200)) { p(25, 850, 3); coast_station_ex("CQ DE WCC WCC WCC  ", "WCC", "CHATHAM"); }
        if (at(13415) && night()) { p(32, 900, 3); send_still("VVV VVV VVV DE DFB DFB DFB PX  "); }
        if (at(13440) && ct(1100, 1700)) { p(34, 1000, 3); send_still("VVV VVV VVV DE WQP WQP WQP  "); }
        if (at(13470) && day()) { p(30, 820, 4); send_still("VVV VVV VVV DE GBW GBW GBW  "); }
        if (at(13500) && ct(700, 1100)) { p(27, 800, 3); send_still("VVV VVV VVV DE FYL FYL FYL  "); }
        if (at(13530) && ct(2100, 100)) { p(23, 900, 2); send_still("VVV VVV VVV DE JUP JUP JUP  "); }
        if (at(13900) && ml(20) && night()) { p(22, 700, 3); fig_msg("GBXZ GBXZ GBXZ ", " AR  "); }
        if (at(13940) && cond(3)) { p(18, 680, 3); hand = 1; send_cond("DKF DKF DE DHJ DHJ QRV K"); }
        if (at(13975) && eh()) { p(21, 760, 3); fig_msg("NPM NPM NPM ", " AR  "); }
    }

    stn();
}

// Recordings, teleprinters and carriers in the background (BGND).
void background_block() {
    if (bkgnd) {
        if (at(13510) && (ct(1100, 1300) || ct(2300, 100))) fax(120, 576);
        if (at(13988) && reg3f_day()) fax(120, 576);
        if (at({13434, 13560})) rtlx_cond_50_425("RIW", 0);
        if (at({13480, 13915})) rtlx_cond_75_850("ZKN", 2);
        if (at(13525)) rtlx_cond_arqe_96("FDW25", 0);
        if (at({13458, 13927}) && day()) rtlx_cond_50_170("BZP57", 0);
        if (at(13880)) rtlx_cond_100_425("SXA", 3);
        if (at({13020, 13035, 13047, 13060})) sitor();
        if (at({13496, 13945})) { qsa = 2; data(200, 2); }
        if (at(13540) && cond(2)) qyt4();
        if (at({13451, 13972}) && t.wSecond % 5 == 0) tuning();
        if (at(13405)) radar();
    }
    band_13_bkgnd();

    get_background(271, background_tab_13, prob_tab_13);
    if (bkgnd) {
        qsa = static_cast<int>(myrand() % 3 + 3);
        if (at({13590, 13600, 13620, 13640, 13660, 13680, 13710, 13740, 13765, 13790, 13820, 13845})) n0n(800);
    }
}

}  // namespace

void band_13() {
    band_start(13, 12);
    weather_broadcasts();
    diplo_traffic();
    // Military nets, numbers stations and navies of the fixed service.
    if (at(13407)) m3();
    if (at(13524)) wpc();
    if (at(13563) && night() && ms10(10)) vietnam_intel();
    if (at(13528)) _4xz();
    if (at(13498)) { p(22, 1000, 3); taiwan_navy(); }
    if (at(13052) && cond(3)) { p(20, 900, 3); jap_coast_guard("JNL"); }
    if (at(13614) && cond(4)) { p(18, 800, 3); bangladesh_navy(); }
    if (at(13377)) german_navy();
    if (at(13618) && ms(10)) venezuelian_navy();
    if (at(13572)) {
        if (ml(10)) hfv_tfclist(101, 6);
        else hfv_tape();
    }
    if (at(13510) && (h(6) || h(18))) { p(19, 900, 4); nato_broadcast("NAWS NAWS NAWS DE CTV CTV CTV", "P13A", nato_vsl, 167); }
    coast_and_aero();
    coast_watch(coast_watch_13, coast_watch_13_count);
    maritime_lists();
    fixed_service_and_nets();
    band_13_fixed();
    daylight_block();
    band_13_day();
    historical_block();
    band_13_hist();
    background_block();
    band_end(13);
}

}  // namespace kestrel
