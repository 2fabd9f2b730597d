// Stations of 17000-17999 kHz, tested in order; every entry that applies is queued.
// 17000-17242 coast telegraphy of the older plan, coast NBDP and facsimile,
// 17242-17410 coast telephony, 17410-17480 fixed service, 17480-17900
// broadcasting, 17900-17970 aeronautical route service, 17970-18000 military
// aeronautical. Before the 1950s fixed circuits held most of 17400-17750.

#include "bandplan/entry.h"

namespace kestrel {

void band_17() {
    band_start(17, 16);
    weather_broadcasts();
    diplo_traffic();
    // An Allied exchange of the war years.
    if (hist && at(17402)) brusa("ACL", "BRH");
    coast_watch(coast_watch_17, coast_watch_17_count);
    maritime_lists();

    // Coast telegraphy: call markers and general calls.
    if (at(17005) && oh()) { p(22, 900, 3); coast_station_ex("CQ DE UAT UAT UAT QSX 16 17 MHZ K  ", "UAT", "MOSKVA"); }
    if (at(17009)) { p(24, 1100, 3); send_still("CQ CQ CQ DE DAF DAF DAF QSX 16 MHZ K  "); }
    if (at(17012) && eh()) { p(23, 800, 3); send_still("CQ DE GKC6 GKC6 GKC6 QSX 16 MHZ K  "); }
    if (at(17016) && ct(1200, 400)) { p(24, 1040, 3); coast_station_ex("CQ CQ CQ DE KPH KPH KPH QSX 4 6 8 12 16 22 MHZ K  ", "KPH", "SANFRANCISCO"); }
    if (at(17020)) { p(22, 1250, 3); coast_station_ex("CQ DE PCH PCH PCH QSX 16 MHZ K  ", "PCH", "SCHEVENINGEN"); }
    if (at(17024) && ml(40)) { p(20, 760, 3); send_still("CQ CQ DE SVD6 SVD6 SVD6 QSX 16 MHZ K  "); }
    if (at(17028)) { p(24, 950, 4); naval_coast("VVV VVV VVV DE NMC NMC NMC K  ", "NMC", us_navy, 37); }
    if (at(17032) && day()) { p(23, 1000, 3); send_still("CQ DE FFT6 FFT6 FFT6 QSX 16 MHZ K  "); }
    if (at(17036)) { p(21, 880, 3); send_still("CQ CQ DE IAR36 IAR36 IAR36 QSX 16 MHZ K  "); }
    if (at(17040) && cond(2)) { p(22, 1150, 3); send_cond("LGB LGB DE LGB QRU K"); }
    if (at(17044)) { p(22, 700, 3); coast_station_ex("CQ CQ CQ DE UFN UFN UFN QSX 16 MHZ K  ", "UFN", "NOVOROSSIYSK"); }
    if (at(17048) && ct(600, 2000)) { p(21, 1200, 3); send_still("CQ DE SPA SPA SPA QSX 16 MHZ K  "); }
    if (at(17052) && eh()) { p(25, 900, 3); send_still("CQ DE OXZ6 OXZ6 OXZ6 QSX 16 MHZ K  "); }
    if (at(17056)) { p(20, 1000, 3); coast_station_ex("CQ CQ DE SVA SVA SVA QRU? QSX 16 MHZ K  ", "SVA", "ATHINAI"); }
    if (at(17060) && cond(2)) { p(22, 960, 3); send_cond("CQ DE UDH UDH UDH QSX 16 MHZ K"); }
    if (at(17064)) { p(24, 1020, 4); send_still("NMN NMN NMN  VVV VVV VVV  "); }
    if (at(17068) && oh()) { p(23, 830, 3); send_still("CQ DE 9AR 9AR 9AR QSX 16 MHZ K  "); }
    if (at(17072)) { p(22, 1300, 3); send_still("VVV VVV DE 4XZ 4XZ 4XZ QRU  "); }
    if (at(17076) && ct(500, 1900)) { p(21, 900, 3); send_still("CQ DE SAB SAB SAB QSX 16 MHZ K  "); }
    if (at(17080) && cond(2)) { p(20, 760, 2); coast_station_ex("CQ CQ DE SUH SUH SUH QSX 16 MHZ K  ", "SUH", "ALEXANDRIA"); }
    if (at(17084)) { p(25, 1000, 3); french_navy_coast("VVV VVV VVV DE FUF FUF FUF K  ", "FUF"); }
    if (at(17088) && eh()) { p(22, 1100, 3); send_still("CQ DE OHG2 OHG2 OHG2 QSX 16 MHZ K  "); }
    if (at(17092)) { p(22, 880, 3); send_still("CQ CQ CQ DE UJQ UJQ UJQ QSX 16 MHZ K  "); }
    if (at(17096) && ml(30)) { p(21, 1000, 3); coast_station_ex("CQ DE CUL CUL CUL QSX 16 MHZ K  ", "CUL", "LISBOA"); }
    if (at(17100) && od()) { p(23, 920, 3); coast_station_ex("CQ DE WLO WLO WLO QSX 4 8 12 16 22 MHZ K  ", "WLO", "MOBILE"); }
    if (at(17104)) { p(24, 1050, 4); send_still("VVV VVV VVV GYA GYA GYA  "); }
    if (at(17104) && t.wMinute % 20 == 13) { p(24, 1050, 4); let_msg_latin("GYA GYA DE GYA = ", 0x80); }
    if (at(17108) && cond(2)) { p(20, 900, 2); send_cond_par("RIW RIW RIW DE RMKE RMKE QSA? K", 2); }
    if (at(17112)) { p(22, 1000, 3); send_still("VVV VVV VVV RIW RIW RIW  "); }
    if (at(17112) && t.wMinute % 15 == 11) { p(22, 1000, 3); fig_msg_ar("RJD99 RJD99 DE RIW QTC "); }
    if (at(17116) && eh()) { p(23, 1200, 3); coast_station_ex("CQ DE YUR YUR YUR QSX 16 MHZ K  ", "YUR", "RIJEKA"); }
    if (at(17120)) { p(24, 960, 3); send_still("IGJ42 IGJ42 IGJ42  VVV VVV VVV  "); }
    if (at(17124) && cond(2)) { p(22, 850, 3); send_still("CQ CQ DE Y5P Y5P Y5P QSX 16 MHZ K  "); }
    if (at(17128)) { p(21, 780, 3); send_still("CQ DE LZL LZL LZL QSX 16 MHZ K  "); }
    if (at(17132) && oh()) { p(24, 1100, 3); coast_station_ex("CQ CQ DE EAD EAD EAD QSX 16 MHZ K  ", "EAD", "ARANJUEZ"); }
    if (at(17136)) { p(23, 950, 3); send_still("VVV VVV VVV CFH CFH CFH  "); }
    if (at(17140) && cond(3)) { p(20, 1000, 3); send_cond("UAT DE UZJM QTC 1 K"); }
    if (at(17156) && ml(45)) { p(22, 870, 3); send_still("CQ DE WNU WNU WNU QSX 8 12 16 MHZ K  "); }
    if (at(17162)) { p(25, 1000, 3); french_navy_coast("VVV VVV DE FUG FUG FUG QRU  ", "FUG"); }
    if (at(17168) && cond(2)) { p(22, 1050, 2); send_cond("CQ DE UBN UBN UBN QSX 16 MHZ K"); }
    if (at(17175)) { p(24, 880, 3); coast_station_ex("CQ DE 4XO 4XO 4XO QSX 16 MHZ K  ", "4XO", "HAIFA"); }
    if (at(17182) && eh()) { p(21, 1150, 3); coast_station_ex("CQ CQ DE YQI YQI YQI QSX 16 MHZ K  ", "YQI", "CONSTANTA"); }
    if (at(17190)) { p(24, 1000, 3); naval_coast("VVV VVV VVV DE NPG NPG NPG K  ", "NPG", us_navy, 37); }

    // Ships answering their coast station on its own frequency.
    if (at(17009) && cond(4)) { p(20, 780, 2); send_cond("DAF DE DGXR QRV K"); }
    if (at(17020) && cond(4)) { p(23, 1000, 2); send_cond("PCH DE PEXR QTC 2 K"); }
    if (at(17056) && cond(4)) { p(19, 1200, 2); send_cond("SVA DE SXPG QRV K"); }
    if (at(17044) && ml(20)) exchange("UFN", "UPYM", 2);
    if (at(17092) && mh(39)) exchange("UJQ", "UWEB", 4);

    // Coast NBDP.
    if (at(17198)) { qsa = 3; sitor_marker(900, 18, "DCF"); }
    if (at(17204)) { qsa = 3; sitor_marker(1000, 20, "GKP"); }
    if (at(17211)) { qsa = 2; sitor_marker(880, 17, "UAT"); }
    if (at(17218)) { qsa = 3; sitor_marker(960, 19, "SVU"); }
    if (at(17226)) { qsa = 2; sitor_marker(940, 17, "HEC"); }
    if (at(17235)) { qsa = 3; sitor_marker(1050, 20, "PCH"); }

    // Coast telephony.
    if (at({17245, 17257, 17263}) && cond(2)) fone_cond(3);
    if (at({17302, 17332, 17362}) && eh()) fone_cond(4);
    if (at(17389) && oh()) fone_cond(2);

    // Fixed service below the broadcast band.
    if (at(17413)) { p(24, 1000, 4); send_still("RCV RCV RCV  VVV VVV VVV  "); }
    if (at(17413) && ms(25)) { p(24, 1000, 4); fig_msg_ar("RJD99 RJD99 DE RCV QTC "); }
    if (at(17422) && eh()) simplex_fix_radiocheck(net_rus_mil, 6, 24);
    if (at(17426) && oh()) simplex_fix_radiocheck(net_fr_mil, 7, 41);
    if (at(17439)) { p(25, 1100, 3); french_navy_coast("VVV VVV VVV DE FUE FUE FUE  ", "FUE"); }
    if (at(17442) && cond(2)) { p(21, 1000, 3); send_cond("SUA SUA DE SUA5 SUA5 QTC 3 K"); }
    if (at(17442) && ms(5)) { p(21, 1000, 3); fig_msg_ar("SUA DE SUA5 = "); }
    if (at(17449) && ct(700, 1700)) simplex_fix_radiocheck(net_nato_tac, 8, 21);
    if (at(17458) && cond(3)) nato_qso();
    if (at(17465) && ct(1000, 1100)) simplex_fix_radiocheck(net_diplo, 5, 25);
    if (at(17468) && ml(30)) { p(20, 1150, 2); send_still("VVV VVV DE CNM CNM QSX 17468  "); }
    if (at(17479) && ed()) { p(22, 880, 3); send_cond_par("YIH YIH DE YIH9 YIH9 QTC K", 2); }

    // Broadcast transmitters keying their call on test.
    if (at(17560) && ct(755, 800)) { p(20, 1000, 5); send_still("VVV VVV VVV DE RSB RSB RSB TEST  "); }
    if (at(17715) && ct(1355, 1400)) { p(18, 900, 4); send_still("VVV VVV DE CSC CSC TEST TEST  "); }

    // Aeronautical telephony and military aeronautical ground stations.
    if (at({17904, 17946, 17961}) && cond(2)) fone_cond(4);
    if (at(17925) && day()) fone_cond(3);
    if (at(17975) && cond(3)) { p(20, 1100, 2); send_cond("RFH RFH DE 9TN7 9TN7 QSA? K"); }
    if (at(17982) && eh()) { p(24, 1000, 3); send_still("VVV VVV VVV DE MKL MKL MKL K  "); }
    if (at(17994) && ct(800, 1600)) simplex_fix_radiocheck(net_nato_tac, 8, 23);

    if (day()) {
        if (at(17138)) { p(22, 1000, 3); coast_station_ex("CQ DE ZSC ZSC ZSC QSX 16 MHZ K  ", "ZSC", "CAPETOWN"); }
        if (at(17149) && eh()) { p(21, 900, 2); coast_station_ex("CQ CQ DE VWB VWB VWB QSX 16 MHZ K  ", "VWB", "BOMBAY"); }
        if (at(17179) && oh()) { p(22, 1100, 3); coast_station_ex("CQ DE A9M A9M A9M QSX 16 MHZ K  ", "A9M", "BAHRAIN"); }
        if (at(17441)) { p(23, 1000, 3); send_still("EBA EBA EBA  VVV VVV VVV  "); }
        if (at(17467) && cond(2)) { p(21, 760, 2); clg_cond("FUG", "FUG4", 2); }
    }
    if (reg2_day()) {
        if (at(17016) && cond(3)) { p(20, 830, 2); send_cond("KPH DE WSDX QTC 1 K"); }
        if (at(17172)) { p(22, 1000, 3); send_still("CQ CQ DE PPL PPL PPL QSX 16 MHZ K  "); }
        if (at(17186) && eh()) { p(21, 880, 3); coast_station_ex("CQ DE LPD LPD LPD QSX 16 MHZ K  ", "LPD", "GENERALPACHECO"); }
        if (at(17194)) { p(24, 1000, 4); coast_station_ex("CQ CQ CQ DE WCC WCC WCC QSX 4 6 8 12 16 22 MHZ K  ", "WCC", "CHATHAM"); }
        if (at(17455) && cond(2)) { p(20, 900, 3); send_cond("CLP9 CLP9 CLP9 DE CLP1 CLP1 K"); }
        if (at(17455) && ms(20)) { p(20, 900, 3); fig_msg_ar("CLP9 DE CLP1 "); }
    }
    if (reg3f_day()) {
        if (at(17026)) { p(23, 900, 3); coast_station_ex("CQ CQ CQ DE JOS JOS JOS QSX 16 MHZ K  ", "JOS", "NAGASAKI"); }
        if (at(17058) && eh()) { p(22, 1050, 3); coast_station_ex("CQ DE XSQ XSQ XSQ QSX 12 16 MHZ K  ", "XSQ", "GUANGZHOU"); }
        if (at(17090) && oh()) { p(21, 820, 2); coast_station_ex("CQ DE VIP VIP VIP QSX 16 MHZ K  ", "VIP", "PERTH"); }
        if (at(17144)) { p(24, 960, 3); coast_station_ex("CQ CQ DE 9VG 9VG 9VG QSX 16 MHZ K  ", "9VG", "SINGAPORE"); }
    }
    if (reg3m_day()) {
        if (at(17118)) { p(22, 900, 3); coast_station_ex("CQ DE VWM VWM VWM QSX 16 MHZ K  ", "VWM", "MADRAS"); }
        if (at(17428) && ms10(40)) { p(21, 820, 3); fig_msg_ar("EPJ DE EPJ9 "); }
    }
    if (reg1rus_day()) {
        if (at(17046)) { p(22, 1000, 3); send_still("CQ CQ CQ DE UKA UKA UKA QSX 16 MHZ K  "); }
        if (at(17166) && eh()) { p(23, 880, 3); send_still("CQ DE UQB UQB UQB QSX 16 MHZ K  "); }
    }
    stn();

    if (hist) {
        // Coast stations and short-wave circuits of the 1930s and the war years.
        if (at(17010) && ct(1300, 2200)) { p(20, 900, 3); qrh = 1; send_still("CQ CQ CQ DE WSL WSL WSL QRU?  "); }
        if (at(17050) && day()) { p(19, 800, 3); qrh = 2; coast_station_ex("CQ CQ DE GKT GKT GKT  ", "GKT", "PORTISHEAD"); }
        if (at(17070) && eh()) { p(21, 1000, 3); coast_station_ex("CQ DE DAN DAN DAN QSX 36 M  ", "DAN", "NORDDEICH"); }
        if (at(17110) && cond(2)) { p(18, 1100, 2); send_cond("WSL WSL DE WMBQ WMBQ QTC K"); }
        if (at(17411) && ct(800, 1600)) { p(20, 1000, 3); qrh = 1; send_still("VVV VVV VVV DE GBS GBS GBS  "); }
        if (at(17464) && oh()) { p(21, 900, 2); qrh = 1; send_still("VVV VVV DE FZR FZR FZR QRU  "); }
        if (at(17520) && ct(1200, 2000)) { p(22, 1100, 3); qrh = 2; send_still("VVV VVV VVV DE WKK WKK WKK  "); }
        if (at(17580) && ct(1000, 1400)) { p(20, 950, 3); fig_msg_ar("DGA DE DFB = "); }
        if (at(17640) && eh()) { p(18, 700, 2); qrh = 1; send_still("VVV VVV DE JZL JZL JZL  "); }
        if (at(17700) && ct(1400, 1800)) { p(22, 900, 3); let_msg_latin("GBA DE WQT = ", 0x80); }
        if (at(17740) && cond(2)) { p(20, 1000, 2); send_cond("CQ CQ DE LSN LSN QRU? K"); }
    }
    stn();

    if (bkgnd) {
        // Coast facsimile and teleprinters, ship NBDP.
        if (at(17146) && (ct(0, 300) || ct(1700, 2000))) fax(120, 576);
        if (at(17151) && (ct(1800, 2400) || ct(200, 400))) fax(120, 576);
        if (at(17070)) rtlx_cond_50_170("NMN", 3);
        if (at({17240, 17236})) sitor();
        if (at({17402, 17478}) && t.wHour % 3 == 0) rtlx("TASS MOSCOW", 850, 50);
        if (at(17417)) rtlx_cond_75_850("RIW", 2);
        if (at(17436)) rtlx_cond("AFP", 425, 50, 4);
        // Broadcasters tune up before the hour.
        if (at({17505, 17605, 17690, 17810, 17870}) && mh(55)) tuning();
        if (at(17985)) { qsa = 2; data(300, 2); }
        qsa = 1;
        if (at({17424, 17456, 17475}) && eh()) n0n(1000);
    }

    get_background(180, background_tab_17, prob_tab_17);

    band_end(17);
}

}  // namespace kestrel
