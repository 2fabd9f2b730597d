// Stations of 15000-15999 kHz, tested in order; every entry that applies is queued.
// 15000 standard frequency and time signals, 15010-15100 off-route aeronautical
// (military), 15100-15800 broadcasting, 15800-16000 fixed service. Before the
// 1950s the fixed service also held most of 15350-15800.

#include "bandplan/entry.h"

namespace kestrel {

void band_15() {
    band_start(15, 16);
    weather_broadcasts();
    diplo_traffic();
    // A station with a rotating azimuth, kana cipher groups.
    if (at(15012)) spw("15012");
    if (at(15388) && cond(2)) katokana_qtc(4, 100);
    if (at(15611) && cond(3)) katokana_qtc(6, 100);

    // Time signals on 15000: the Chinese station sends its call in Morse
    // before the half and full hour; the American ticks run on beside it.
    if (at(15000) && (t.wMinute == 29 || t.wMinute == 59)) ts3("BPM");
    if (at(15000) && t.wMinute != 29 && t.wMinute != 59) { qsa = 3; ts(); }
    if (at(15000) && reg2_day()) fone_cond(4);

    // Off-route aeronautical: military ground stations.
    if (at(15016)) fone_cond(3);
    if (at(15022) && cond(3)) { p(20, 1100, 2); send_cond("MKL MKL DE MKD MKD QSA? K"); }
    if (at(15031)) fone_cond(5);
    if (at(15035) && eh()) { p(22, 850, 3); send_cond_par("RFH RFH RFH DE 9TN2 9TN2 QSA? K", 2); }
    if (at(15041) && oh()) fone_cond(4);
    if (at(15048) && ml(30)) { p(18, 780, 2); clg_cond("RCH", "ZH4L", 3); }
    if (at(15048) && mh(29) && cond(2)) { p(18, 780, 2); fig_msg_ar("RCH DE ZH4L = "); }
    if (at(15055) && cond(4)) nato_qso();
    if (at(15062)) { p(25, 1000, 3); send_still("VVV VVV VVV DE RFH RFH RFH QSX 11 15 MHZ  "); }
    if (at(15070) && ct(600, 1800)) simplex_fix_radiocheck(net_nato_tac, 8, 23);
    if (at(15084) && cond(3)) { p(21, 1250, 2); send_cond("VVV VVV DE FDY4 FDY4 QSA? K"); }
    if (at(15091) && ed()) { p(19, 720, 2); send_cond("AH1A AH1A DE 7QL 7QL QTC? K"); }

    // Broadcasters' transmitters are heard keying their call on a test now and then.
    if (at(15120) && ct(545, 600)) { p(20, 900, 4); send_still("VVV VVV VVV DE RSA RSA RSA TEST  "); }
    if (at(15345) && ct(1155, 1200)) { p(18, 1000, 5); send_still("VVV VVV DE CSB CSB TEST TEST  "); }

    // Fixed service above the broadcast band.
    if (at(15809)) { p(24, 1000, 4); send_still("VVV VVV VVV DE RCV RCV RCV  "); }
    if (at(15809) && ml(6)) { p(24, 1000, 4); fig_msg_ar("RJD99 RJD99 DE RCV QTC "); }
    if (at(15821) && cond(3)) { p(20, 900, 2); send_cond_par("RIW RIW RIW DE RMCB RMCB QSA? K", 2); }
    if (at(15821) && ct(1000, 1030)) { p(21, 1000, 3); clg_cond("RIW", "RMCB", 200); }
    if (at(15828) && oh()) simplex_fix_radiocheck(net_rus_mil, 6, 24);
    if (at(15840)) { p(25, 1080, 3); french_navy_coast("VVV VVV VVV DE FUE FUE FUE K  ", "FUE"); }
    if (at(15840) && ms10(30)) { p(25, 1080, 3); let_msg_latin("FUE FUE DE FUE = ", 0x80); }
    if (at(15842) && eh()) simplex_fix_radiocheck(net_fr_mil, 7, 41);
    if (at(15857) && day()) { p(22, 1400, 3); send_still("4XZ 4XZ 4XZ  VVV VVV VVV  "); }
    if (at(15861) && cond(2)) { p(21, 1000, 3); send_cond("SUA SUA DE SUA3 SUA3 QTC 2 K"); }
    if (at(15861) && ms(15)) { p(21, 1000, 3); fig_msg_ar("SUA DE SUA3 = "); }
    if (at(15871) && ct(800, 1000)) simplex_fix_radiocheck(net_diplo, 5, 21);
    if (at(15871) && ct(1000, 1100)) { p(23, 900, 3); let_msg_latin("OLX DE OLT44 = ", 1); }
    if (at(15876)) { p(23, 950, 3); italian_naval("VVV VVV VVV DE IDR IDR IDR  ", "IDR"); }
    if (at(15888) && ml(40)) { p(20, 1150, 2); send_still("VVV VVV DE CNM CNM QSX 15888  "); }
    if (at(15894) && cond(3)) nato_qso();
    if (at(15900) && eh()) { p(24, 760, 3); send_still("VVV VVV VVV DE SXA SXA SXA  "); }
    if (at(15914) && ct(1300, 1700)) simplex_fix_radiocheck(net_nato_tac, 8, 10);
    if (at(15916) && od()) { p(22, 880, 2); send_cond_par("YIH YIH DE YIH5 YIH5 QTC K", 2); }
    if (at(15929)) { p(24, 1000, 3); send_still("VVV VVV VVV DE RIW RIW RIW K  "); }
    if (at(15929) && t.wMinute % 15 == 2) { p(24, 1000, 3); fig_msg_ar("RJD69 RJD69 DE RIW QTC "); }
    if (at(15932) && oh()) { p(22, 1200, 3); send_still("VVV VVV DE 7TA23 7TA23 7TA23  "); }
    if (at(15938) && cond(2)) { p(20, 800, 2); clg_cond("SPW", "SPW17", 2); }
    if (at(15946) && ct(600, 1200)) { p(26, 1050, 4); send_still("VVV VVV DE OXZ OXZ OXZ QRU  "); }
    if (at(15957) && mh(39)) { p(21, 950, 3); send("AIJ1 DE NWP ZBO 1 P  "); nato_qtc(nr, 'P'); }
    if (at(15967) && eh() && cond(2)) { p(20, 1000, 2); send_cond("5AL 5AL 5AL DE 5AL14 5AL14 QRU? K"); }
    if (at(15975)) { p(24, 1300, 3); send_still("VVV VVV DE TBA TBA TBA QRU  "); }
    if (at(15976) && ms20(0)) { p(22, 900, 3); fig_msg_ar("HZN DE HZN2 QTC "); }
    if (at(15991) && ed()) { p(19, 700, 2); send_still("VVV VVV DE YKA YKA QRV?  "); }
    if (at(15992) && cond(3)) { p(20, 840, 2); send_cond("EPJ EPJ EPJ DE EPJ7 EPJ7 K"); }

    if (day()) {
        if (at(15016) && cond(2)) fone_cond(2);
        if (at(15066) && ml(30)) { p(24, 900, 3); send_still("VVV VVV DE MKL MKL QSX 15066  "); }
        if (at(15851)) { p(23, 1000, 3); send_still("EBA EBA EBA  VVV VVV VVV  "); }
        if (at(15911) && cond(2)) { p(21, 760, 2); clg_cond("FUG", "FUG3", 3); }
        if (at(15963)) { p(25, 950, 4); send_still("VVV VVV VVV CTP CTP CTP  "); }
    }
    if (reg2_day()) {
        if (at(15000) && (t.wMinute == 59 || t.wMinute == 0)) { qsa = 2; ts2("WWV"); }
        if (at(15844) && cond(2)) { p(20, 900, 3); send_cond("CLP5 CLP5 CLP5 DE CLP1 CLP1 K"); }
        if (at(15844) && ms(40)) { p(20, 900, 3); fig_msg_ar("CLP5 DE CLP1 "); }
        if (at(15931)) { p(24, 1000, 3); send_still("VVV VVV VVV DE PWZ33 PWZ33 PWZ33  "); }
    }
    if (reg3f_day()) {
        if (at(15916) && cond(2)) { p(22, 820, 3); send_cond("XVN XVN DE XVN3 XVN3 QTC K"); }
        if (at(15985)) { p(25, 880, 2); send_still("VVV VVV VVV DE 3BA5 3BA5 3BA5 K  "); }
    }
    if (reg1rus_day()) {
        if (at(15954)) { p(24, 1000, 3); send_still("VVV VVV VVV RJE RJE RJE  "); }
        if (at(15954) && eh_sked(30)) { p(24, 1000, 3); fig_msg_ar("RJD99 DE RJE "); }
    }
    stn();

    if (hist) {
        // Short-wave circuits of the 1930s and 1940s, before broadcasting took the band.
        if (at(15000) && ml(5)) { p(20, 1000, 3); send_still("JJY JJY JJY  "); }
        if (at(15355) && ct(900, 1700)) { p(22, 900, 3); qrh = 1; send_still("VVV VVV VVV DE GBU GBU GBU  "); }
        if (at(15415) && ct(1200, 2000)) { p(20, 1100, 3); qrh = 2; send_still("VVV VVV VVV DE WQP WQP WQP  "); }
        if (at(15460) && eh()) { p(18, 800, 2); qrh = 1; send_still("VVV VVV DE DGH DGH DGH  "); }
        if (at(15515) && ct(1000, 1400)) { p(21, 950, 3); fig_msg_ar("FTA DE DFA = "); }
        if (at(15580) && oh()) { p(19, 700, 2); send_still("VVV VVV VVV DE IAC IAC IAC  "); }
        if (at(15620) && cond(2)) { p(20, 1200, 2); send_cond("CQ CQ CQ DE FYA FYA QRU? K"); }
        if (at(15690) && ct(600, 1000)) { p(18, 650, 2); qrh = 1; send_still("VVV VVV DE VWY VWY VWY  "); }
        if (at(15740) && ct(1400, 1800)) { p(22, 900, 3); let_msg_latin("GBB DE WKN = ", 0x80); }
        if (at(15923) && ct(1800, 2100)) { p(20, 850, 2); send_cond("DKW DKW DE DKM DKM K"); }
    }
    stn();

    if (bkgnd) {
        // Transmitters tuned up before the hour.
        if (at({15120, 15245, 15410, 15550, 15725}) && mh(55)) tuning();
        if (at({15803, 15962}) && t.wHour % 3 == 1) rtlx("TASS MOSCOW", 850, 50);
        if (at(15816)) rtlx_cond_75_850("RIW", 3);
        if (at(15874)) rtlx_cond("AFP", 425, 50, 2);
        if (at(15935)) rtlx_cond_arqe_96("ARQE", 0);
        if (at(15994)) rtlx_cond_50_850("MFA", 5);
        if (at(15045)) { qsa = 2; data(300, 2); }
        qsa = 1;
        if (at({15804, 15869, 15909, 15971}) && eh()) n0n(1000);
    }

    get_background(121, background_tab_15, prob_tab_15);

    band_end(15);
}

}  // namespace kestrel
