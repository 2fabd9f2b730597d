// Stations of 18000-18999 kHz, tested in order; every entry that applies is queued.
// 18000-18068 fixed and military aeronautical, 18068-18168 amateur (telegraphy
// to 18095, the beacon chain on 18110, telephony above), 18168-18780 fixed
// service, 18780-18900 maritime ship stations of the 18/19 MHz band,
// 18900-19000 broadcasting and fixed.

#include "bandplan/entry.h"

namespace kestrel {

namespace {

// Military aeronautical stations and the amateur band.
void aero_and_amateur() {
    // Military aeronautical and fixed stations below the amateur band.
    if (at(18013) && cond(3)) { p(20, 1100, 2); send_cond("RFH RFH DE 9TN4 9TN4 QSA? K"); }
    if (at(18021)) fone_cond(4);
    if (at(18024) && ct(700, 1700)) simplex_fix_radiocheck(net_nato_tac, 8, 10);
    if (at(18032)) { p(24, 1000, 4); send_still("VVV VVV VVV DE RCV RCV RCV  "); }
    if (at(18032) && t.wMinute % 20 == 8) { p(24, 1000, 4); fig_msg_ar("RJD99 RJD99 DE RCV QTC "); }
    if (at(18046) && oh()) { p(25, 1100, 3); french_navy_coast("VVV VVV VVV DE FUE FUE FUE  ", "FUE"); }
    if (at(18054) && cond(2)) { p(21, 1000, 3); send_cond("SUA SUA DE SUA6 SUA6 QTC 1 K"); }
    if (at(18064) && eh()) simplex_fix_radiocheck(net_rus_mil, 6, 24);

    // Amateur telegraphy.

    // W1AW bulletins, as on 14 MHz.
    if (at(18097) && (ct(100, 120) || ct(400, 420) || ct(2200, 2220))) {
        p(18, 750, 3);
        send_stack("QST QST QST DE W1AW W1AW W1AW  ARRL DX BULLETIN NR 31 = "
                   "STATIONS IN THE SOUTH PACIFIC ARE ACTIVE ON 17 METERS IN THE LATE EVENING = "
                   "PLEASE LISTEN FOR THE OPERATORS INSTRUCTIONS AND CALL ONLY WHEN ASKED = "
                   "QST DE W1AW  AR  SK");
    }

    // The beacon chain, one turn behind 14100; here half the paths are closed.
    if (at(18110)) world_beacon_net();
    if (within(18068, 18100) && cond(2)) amateur_tfc();
    if (at(18086) && cond(4)) qrp_qso();

    // Amateur telephony.
    if (at({18130, 18145, 18160}) && cond(2)) fone_cond(3);
}

// The fixed service and the 18/19 MHz ship stations.
void fixed_and_ships() {
    // Fixed service.
    if (at(18177)) { p(24, 1000, 3); send_still("VVV VVV DE RIW RIW RIW QRU  "); }
    if (at(18177) && t.wMinute % 15 == 4) { p(24, 1000, 3); fig_msg_ar("RJD69 RJD69 DE RIW QTC "); }
    if (at(18182) && cond(3)) { p(20, 900, 2); send_cond_par("RIW RIW RIW DE RKXX RKXX QSA? K", 2); }
    if (at(18191) && oh()) simplex_fix_radiocheck(net_fr_mil, 7, 41);
    if (at(18198)) { p(22, 1150, 3); send_still("VVV VVV VVV DE RMP RMP RMP K  "); }
    if (at(18198) && ms(40)) { p(22, 1150, 3); fig_msg_ar("RJD38 DE RMP "); }
    if (at(18205) && ct(900, 1000)) simplex_fix_radiocheck(net_diplo, 5, 21);
    if (at(18205) && ct(1000, 1040)) { p(22, 880, 3); let_msg_latin("OLX DE OLV = ", 1); }
    if (at(18215)) { p(24, 960, 3); italian_naval("VVV VVV VVV DE IDR IDR IDR K  ", "IDR"); }
    if (at(18225) && cond(3)) nato_qso();
    if (at(18235) && oh()) { p(22, 1000, 3); send_still("VVV VVV DE SUA8 SUA8 QSX 14703 18235  "); }
    if (at(18235) && ms(0)) { p(22, 1000, 3); fig_msg_ar("SUA DE SUA8 = "); }
    if (at(18248) && eh()) { p(22, 1300, 4); send_still("VVV VVV VVV DE 4XZ 4XZ 4XZ  "); }
    if (at(18253) && ct(600, 1800)) simplex_fix_radiocheck(net_nato_tac, 8, 21);
    if (at(18271) && ml(30)) { p(23, 780, 3); send("AIJ1 AIJ1 DE NWP ZBO 1 R  "); nato_qtc(nr, 'R'); }
    if (at(18278) && od()) { p(20, 850, 2); send_cond_par("YIH YIH DE YIH3 YIH3 QTC K", 2); }
    if (at(18284)) { p(20, 1150, 2); send_still("VVV VVV DE CNM CNM QSX 18284  "); }
    if (at(18290) && ed()) { p(24, 1240, 4); send_cond_par("7TA 7TA 7TA DE 7TA33 7TA33 K", 2); }
    if (at(18301)) { p(21, 1150, 2); send_still("VVV VVV DE TBA3 TBA3 QSX 18301  "); }
    if (at(18311) && cond(2)) { p(20, 800, 2); clg_cond("SPW", "SPW44", 2); }
    if (at(18317)) { p(24, 760, 3); send_still("VVV VVV VVV DE SXA SXA SXA  "); }
    if (at(18332) && ms20(40)) { p(22, 900, 3); fig_msg_ar("HZN DE HZN7 QTC "); }
    if (at(18335) && cond(3)) { p(20, 1000, 2); send_cond("5AL 5AL DE 5AL18 5AL18 QRU? K"); }
    if (at(18346) && oh()) { p(26, 880, 3); send_still("VVV VVV VVV DE EBA EBA EBA K  "); }
    if (at(18357) && cond(3)) { p(20, 840, 2); send_cond("EPJ EPJ EPJ DE EPJ5 EPJ5 K"); }
    if (at(18369) && mh(39)) { p(21, 950, 3); send("CTP DE CTP2 ZBO 1 P  "); nato_qtc(nr, 'P'); }
    if (at(18375)) { p(24, 1300, 3); send_still("VVV VVV VVV DE PBC PBC PBC  "); }
    if (at(18379)) { p(25, 1000, 4); naval_coast("VVV VVV VVV DE GYA GYA GYA  ", "GYA", rn_vsl, 38); }
    if (at(18379) && t.wMinute % 15 == 9) { p(25, 1000, 4); let_msg_latin("GYA GYA DE GYA = ", 0x80); }
    if (at(18393) && ml(40)) { p(23, 1120, 3); send_still("VVV VVV DE DHJ59 DHJ59 DHJ59  "); }
    if (at(18406) && cond(3)) nato_qso();
    if (at(18414) && eh()) simplex_fix_radiocheck(net_rus_mil, 6, 24);
    if (at(18428)) { p(22, 1000, 3); send_still("RJE RJE RJE  VVV VVV VVV  "); }
    if (at(18444) && od()) { p(19, 700, 2); send_still("VVV VVV DE YKA YKA QRV?  "); }
    if (at(18460)) { p(24, 1050, 3); send_still("VVV VVV DE 5AL 5AL 5AL QRU  "); }
    if (at(18471) && ct(1200, 1600)) simplex_fix_radiocheck(net_nato_tac, 8, 23);
    if (at(18488) && cond(2)) { p(22, 900, 2); send_cond("GYU GYU GYU DE GYA GYA QSA? K"); }
    if (at(18504)) { p(24, 850, 3); send_still("FUX FUX FUX  VVV VVV VVV  "); }
    if (at(18517) && eh() && cond(2)) { p(20, 1000, 3); clg_cond("3VX", "3VX5", 2); }
    if (at(18533) && ms(30)) { p(20, 1000, 3); fig_msg_ar("SUA DE SUA2 = "); }
    if (at(18546)) { p(24, 1000, 3); send_still("VVV VVV VVV DE RCV RCV RCV QSX 16 18 MHZ  "); }
    if (at(18560) && cond(3)) { p(20, 900, 2); send_cond_par("RCV RCV RCV DE RHFE RHFE K", 2); }
    if (at(18583) && oh()) { p(24, 1000, 3); send_still("VVV VVV VVV IGJ42 IGJ42 IGJ42  "); }
    if (at(18596) && ed()) { p(21, 1050, 3); send_still("VVV VVV DE 7TA21 7TA21 7TA21  "); }
    if (at(18612) && ct(800, 1000)) simplex_fix_radiocheck(net_diplo, 5, 25);
    if (at(18624)) { p(24, 900, 3); send_still("VVV VVV VVV FUM FUM FUM  "); }
    if (at(18645) && cond(2)) { p(21, 1000, 3); send_cond("SUA SUA DE SUA2 SUA2 QTC 2 K"); }
    if (at(18660) && mh(44)) { p(22, 920, 3); fig_msg_ar("PWZ DE PWZ33 QTC "); }
    if (at(18681)) { p(23, 800, 3); send_still("VVV VVV VVV DE RIW RIW RIW QSX 14 16 18 MHZ  "); }
    if (at(18693) && cond(3)) nato_qso();
    if (at(18718) && eh()) { p(24, 1050, 4); send_still("VVV VVV VVV DE 4XZ 4XZ 4XZ  "); }
    if (at(18730) && ml(30)) { p(22, 1100, 3); naval_coast("VVV VVV DE GYU GYU QSX 18730  ", "GYU", rn_vsl, 38); }
    if (at(18753) && oh()) simplex_fix_radiocheck(net_fr_mil, 7, 41);
    if (at(18766) && cond(2)) { p(20, 1150, 2); send_cond("CNA CNA DE CNA7 CNA7 QSA? K"); }

    // Ship stations of the 18/19 MHz band: telephony, then telegraphy calling the coast.
    if (at({18792, 18810, 18822}) && cond(2)) fone_cond(3);
    if (at(18872) && cond(2)) { p(21, 900, 3); clg_cond("UAT", "UHQS", 2); }
    if (at(18874) && cond(2)) { p(23, 1100, 2); clg_cond("DAN", "DHMP", 2); }
    if (at(18876) && cond(2)) { p(19, 760, 2); clg_cond("SVA", "SVBK", 4); }
    if (at(18878) && eh()) exchange("PCH", "PDKY", 2);
    if (at(18880) && cond(2)) { p(22, 1200, 3); clg_cond("LGB", "LAVK2", 2); }
    if (at(18882) && cond(3)) { p(20, 880, 2); clg_cond("A9M", "ELQY8", 4); }
    if (at(18884) && oh()) exchange("UFB", "UFLS", 4);
    if (at(18886) && cond(2)) { p(24, 1000, 3); clg_cond("GKA", "MQXY5", 2); }
    if (at(18888) && cond(3)) { p(18, 700, 2); clg_cond("SUH", "SSBE", 2); }
    if (at(18890) && cond(2)) { p(21, 1050, 3); send_cond("SPH DE SQKE QTC 1 K"); }
    if (at(18893) && cond(3)) { p(22, 930, 2); send_cond("IAR DE IBKL QRV K"); }
    if (at(18896) && cond(3)) { p(20, 800, 2); clg_cond("YUR", "YUTD", 2); }

    // Fixed stations above the maritime band.
    if (at(18908)) { p(24, 1000, 3); send_still("RCV RCV RCV  VVV VVV VVV  "); }
    if (at(18938) && cond(3)) { p(20, 900, 2); send_cond_par("RIW RIW RIW DE RMCB RMCB QSA? K", 2); }
    if (at(18954) && eh()) { p(22, 1150, 3); french_navy_coast("VVV VVV DE FUG FUG FUG  ", "FUG"); }
    if (at(18980) && ct(900, 1500)) simplex_fix_radiocheck(net_nato_tac, 8, 21);
}

// Stations heard only while the path is in daylight.
void daylight_block() {
    if (day()) {
        if (at(18218)) { p(26, 1150, 3); send_still("VVV VVV DE OXZ OXZ OXZ QRU  "); }
        if (at(18352) && ml(20)) { p(24, 880, 3); send_cond_par("FUG FUG DE FUG2 FUG2 QTC K", 2); }
        if (at(18622)) { p(20, 700, 2); send_still("VVV VVV VVV DE 7TA23 7TA23 7TA23  "); }
        if (at(18870) && cond(3)) { p(20, 1000, 3); clg_cond("VWB", "VTJK", 2); }
    }
    if (reg2_day()) {
        if (at(18333) && cond(2)) { p(20, 900, 3); send_cond("CLP3 CLP3 CLP3 DE CLP1 CLP1 K"); }
        if (at(18333) && ms(50)) { p(20, 900, 3); fig_msg_ar("CLP3 DE CLP1 "); }
        if (at(18567) && cond(2)) { p(24, 1000, 3); send_still("VVV VVV VVV DE LOR LOR LOR  "); }
        if (at(18878) && cond(3)) { p(22, 780, 3); clg_cond("WCC", "WSDX", 2); }
    }
    if (reg3f_day()) {
        if (at(18309) && cond(2)) { p(22, 780, 3); send_cond("XVN XVN DE XVN2 XVN2 QTC K"); }
        if (at(18443)) { p(25, 900, 2); send_still("VVV VVV DE 3BA2 3BA2 3BA2 QRU  "); }
        if (at(18874) && cond(3)) { p(20, 700, 3); clg_cond("JCS", "7JKQ", 2); }
    }
    if (reg3m_day()) {
        if (at(18519)) { p(24, 1050, 3); send_still("VVV VVV VVV DE VTP VTP VTP K  "); }
        if (at(18706) && ct(500, 700)) { p(21, 820, 3); fig_msg_ar("EPJ DE EPJ4 "); }
    }
    if (reg1rus_day()) {
        if (at(18428) && oh_sked(40)) { p(22, 1000, 3); fig_msg_ar("RJD99 DE RJE "); }
    }
    stn();
}

// Stations of the years before 1950 (HIST).
void historical_block() {
    if (hist) {
        // Short-wave circuits of the 1930s and the war years.
        if (at(18041) && ct(800, 1600)) { p(20, 900, 3); qrh = 1; send_still("VVV VVV DE GBK GBK GBK QRU  "); }
        if (at(18199) && ct(1300, 2100)) { p(22, 1100, 3); qrh = 2; send_still("VVV VVV DE WQV WQV WQV QRU  "); }
        if (at(18297) && eh()) { p(18, 750, 2); qrh = 1; send_still("VVV VVV DE DFB DFB DFB  "); }
        if (at(18396) && cond(2)) { p(21, 700, 2); send_cond("CQ CQ CQ DE FTM FTM QRU? K"); }
        if (at(18483) && ct(1000, 1400)) { p(20, 950, 3); fig_msg_ar("DGH DE DFB = "); }
        if (at(18558) && oh()) { p(18, 650, 2); qrh = 1; send_still("VVV VVV DE JYT JYT JYT  "); }
        if (at(18619) && ct(1500, 1800)) { p(22, 900, 3); let_msg_latin("GBW DE WKN = ", 0x80); }
        if (at(18682) && eh()) { p(20, 1000, 3); qrh = 1; send_still("VVV VVV VVV DE IAC IAC IAC K  "); }
        if (at(18771) && ct(600, 1000)) { p(19, 800, 2); qrh = 2; send_still("VVV VVV DE VWZ VWZ VWZ  "); }
    }
    stn();
}

// Recordings, teleprinters and carriers in the background (BGND).
void background_block() {
    if (bkgnd) {
        // Amateur teleprinter and packet.
        if (at({18100, 18102, 18104})) rtlx_cond_50_170("RTTY", 2);
        if (at({18106, 18108})) qyt4();
        // Fixed-service teleprinters and facsimile.
        if (at(18223) && (ct(0, 300) || ct(600, 900))) fax(120, 576);
        if (at(18265) && (ct(800, 1100) || ct(1500, 1800))) fax(120, 576);
        if (at({18181, 18410}) && t.wHour % 3 == 0) rtlx("TASS MOSCOW", 850, 50);
        if (at(18183)) rtlx_cond_75_850("RIW", 2);
        if (at(18231)) rtlx_cond("AFP", 425, 50, 2);
        if (at(18330)) rtlx_cond_50_850("DPA", 4);
        if (at(18455)) rtlx_cond_arqe_96("ARQE", 3);
        if (at(18590)) rtlx_cond_100_850("MFA", 5);
        if (at({18252, 18688})) { qsa = 2; data(300, 2); }
        // Ship NBDP.
        if (at({18840, 18846, 18852})) sitor();
        if (at(18544) && cond(3)) tuning();
        qsa = 1;
        if (at({18213, 18360, 18493, 18654, 18743}) && oh()) n0n(1200);
    }

    get_background(216, background_tab_18, prob_tab_18);
}

}  // namespace

void band_18() {
    band_start(18, 16);
    weather_broadcasts();
    diplo_traffic();
    // Cut numbers.
    if (at(18206) && ms10(0)) { p(20, 1000, 3); qtc4f_cut(100); }
    if (at(18317) && ms(25)) { p(18, 900, 3); qtc4f_cut2(80); }
    aero_and_amateur();
    fixed_and_ships();
    ship_work(ship_work_18, ship_work_18_count);
    maritime_lists();
    daylight_block();
    historical_block();
    background_block();
    band_end(18);
}

}  // namespace kestrel
