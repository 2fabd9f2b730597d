// Stations of 15000-15999 kHz, tested in order; every entry that applies is queued.
// 15000 standard frequency and time signals, 15010-15100 off-route aeronautical
// (military), 15100-15800 broadcasting, 15800-16000 fixed service. Before the
// 1950s the fixed service also held most of 15350-15800.

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
#include "traffic/blocks.h"
#include "traffic/diplomatic.h"
#include "traffic/military.h"
#include "traffic/naval.h"
#include "traffic/netcheck.h"
#include "traffic/press.h"

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
    if (at(15031)) fone_cond(5);
    if (at(15035) && eh()) { p(22, 850, 3); send_cond_par("RFH RFH RFH DE 9TN2 9TN2 QSA? K", 2); }
    if (at(15041) && oh()) fone_cond(4);
    if (at(15048) && ml(30)) { p(18, 780, 2); clg_cond("RCH", "ZH4L", 3); }
    if (at(15048) && mh(29) && cond(2)) { p(18, 780, 2); fig_msg_ar("RCH DE ZH4L = "); }
    if (at(15055) && cond(4)) nato_qso();
    if (at(15070)) fixed_net(NET_US_NAVY, 23);

    // Broadcasters' transmitters are heard keying their call on a test now and then.

    // Fixed service above the broadcast band.
    if (at(15809)) { p(24, 1000, 4); send_still("VVV VVV VVV DE RCV RCV RCV  "); }
    if (at(15809) && ml(6)) { p(24, 1000, 4); fig_msg_ar("RJD99 RJD99 DE RCV QTC "); }
    if (at(15821) && cond(3)) { p(20, 900, 2); send_cond_par("RIW RIW RIW DE RMCB RMCB QSA? K", 2); }
    if (at(15821) && ct(1000, 1030)) { p(21, 1000, 3); clg_cond("RIW", "RMCB", 200); }
    if (at(15828) && oh()) fixed_net(NET_RU_NAVY_NORTH, 24);
    if (at(15840)) { p(25, 1080, 3); french_navy_coast("VVV VVV VVV DE FUE FUE FUE K  ", "FUE"); }
    if (at(15840) && ms10(30)) { p(25, 1080, 3); let_msg_latin("CQ CQ DE FUE = ", 0x80); }
    if (at(15842) && eh()) fixed_net(NET_FR_NAVY_2, 41);
    if (at(15857) && day()) { p(22, 1400, 3); send_still("4XZ 4XZ 4XZ  VVV VVV VVV  "); }
    if (at(15861) && cond(2)) { p(21, 1000, 3); send_cond("SUA SUA DE SUA3 SUA3 QTC 2 K"); }
    if (at(15861) && ms(15)) { p(21, 1000, 3); fig_msg_ar("SUA DE SUA3 = "); }
    if (at(15871)) fixed_net(NET_CZ_DIPLO, 21);
    if (at(15871) && ct(1000, 1100)) { p(23, 900, 3); let_msg_latin("OLX DE OLT44 = ", 1); }
    if (at(15876)) { p(23, 950, 3); italian_naval("VVV VVV VVV DE IDR IDR IDR  ", "IDR"); }
    if (at(15894) && cond(3)) nato_qso();
    if (at(15914)) fixed_net(NET_US_ARMY, 10);
    if (at(15916) && od()) { p(22, 880, 2); send_cond_par("YIH YIH DE YIH5 YIH5 QTC K", 2); }
    if (at(15929)) { p(24, 1000, 3); send_still("VVV VVV VVV DE RIW RIW RIW K  "); }
    if (at(15929) && t.wMinute % 15 == 2) { p(24, 1000, 3); fig_msg_ar("RJD69 RJD69 DE RIW QTC "); }
    if (at(15938) && cond(2)) { p(20, 800, 2); clg_cond("SPW", "SPW17", 2); }
    if (at(15957) && mh(39)) { p(21, 950, 3); send("AIJ1 DE NWP ZBO 1 P  "); nato_qtc(nr, 'P'); }
    if (at(15976) && ms20(0)) { p(22, 900, 3); fig_msg_ar("HZN DE HZN2 QTC "); }

    // Off-route aeronautical: ground stations of air forces keeping their
    // transport flights and their outstations.
    if (at(15019) && oh()) { p(24, 1000, 4); send_still("VVV VVV DE FDY FDY FDY QSX 11 15 MHZ  "); }
    if (at(15019) && eh() && cond(2)) { p(24, 1000, 4); send_cond("FDY4 FDY4 DE FDY QSA? QRK? K"); }
    if (at(15038) && ml(20)) { p(26, 880, 4); send_cond_bug("MKD MKD MKD DE MKL MKL QRV 15038 K"); }
    if (at(15044) && cond(3)) { p(18, 1620, 3); clg_cond("YZC", "YZC3", 2); }
    if (at(15052) && ct(500, 1300)) { p(22, 760, 3); send_still("VVV VVV VVV DE RCH58 RCH58 RCH58 QRU?  "); }
    if (at(15052) && ct(500, 1300) && ms10(40)) { p(22, 760, 3); fig_msg_count("RCH15 RCH15 DE RCH58 QTC 1 = ", 32); }
    if (at(15059) && ed()) { p(20, 1150, 3); send_cond_par("SXA SXA DE SXA74 SXA74 QTC 1 K", 2); }
    if (at(15076) && cond(2)) { p(23, 930, 4); qsa_exchange("CTP6", "CTP", 2); }
    if (at(15081) && ct(1200, 1800)) { p(25, 1000, 5); send_vvv("HBD9"); }

    // Fixed service: navies, foreign ministries and telegraph offices above
    // the broadcast band, some with their outstations answering.
    if (at(15802) && ct(600, 1800)) { p(24, 1000, 5); send_still("VVV VVV VVV DE DHJ51 DHJ51 DHJ51 QSX 15802  "); }
    if (at(15802) && ct(600, 1800) && t.wMinute % 20 == 5) { p(24, 1000, 5); send("DHJ59 DE DHJ51 QTC 1 = "); qtc5f(1, 30); send_stack(" AR"); }
    if (at(15810) && eh()) { p(21, 1300, 3); send_cond_bug("TBA TBA DE TBA6 TBA6 QRK? K"); }
    if (at(15813) && ct(800, 1700)) { p(23, 880, 4); send_still("CQ CQ DE YZO YZO YZO QTC?  "); }
    if (at(15813) && ct(800, 1700) && cond(3)) { p(22, 880, 3); clg_cond_bug("YZO", "YZO7", 3); }
    if (at(15836) && cond(2)) { p(19, 700, 3); send_cond_bug("LZC LZC DE LZC4 LZC4 QTC 3 K"); }
    if (at(15849) && ms20(15)) { p(25, 1020, 3); send("TAH7 TAH7 DE TAH = "); qtc5l(2, 25, 2, 0); send_stack(" AR K"); }
    if (at(15866) && ct(700, 1400)) { p(24, 1600, 5); send_still("VVV VVV VVV DE HEC3 HEC3 HEC3  "); }
    if (at(15866) && ct(700, 1400) && ms(10)) { p(24, 1600, 5); send("HEC HEC DE HEC3 = "); qtc5l(3, 40, 2, 0x80); send_stack(" K"); }
    if (at(15880) && cond(3)) { p(28, 950, 3); send_cond_bug("SPW SPW DE SPW22 SPW22 QSA? K"); }
    if (at(15920) && eh()) { p(23, 1800, 3); send_cond_bug("CNA CNA DE CNA5 CNA5 QTC K"); }
    if (at(15948) && ml(30)) { p(25, 900, 4); send_still("VVV VVV VVV DE EBA2 EBA2 EBA2  "); }
    if (at(15948) && mh(29) && cond(2)) { p(25, 900, 4); send("EBA EBA DE EBA2 = "); qtc5f(4, 28); send_stack(" AR"); }
    if (at(15956) && od()) { p(19, 1000, 3); send_cond_bug("YOX YOX DE YOX2 YOX2 QRU? K"); }
    if (at(15987) && ct(900, 1700)) { p(22, 1000, 3); send_still("VVV VVV DE 4XZ 4XZ 4XZ QSX 15987  "); }
    if (at(15996) && cond(3)) { p(20, 1700, 3); send_cond_bug("JYK JYK DE JYK3 JYK3 QRV? K"); }

    // Embassy circuits, telegraph offices and military nets at work.
    if (at(15831) && ct(1400, 1600)) { p(23, 1000, 4); italian_diplo(); }
    if (at(15856) && ct(900, 1100) && ed()) { p(21, 1150, 3); polish_diplo("SPW47"); }
    if (at(15865) && ct(1000, 1300)) telecom_opchat_dx("YKA", "SUV", "");
    if (at(15875) && ct(1500, 1700) && cond(2)) { p(24, 900, 4); cuban_diplo("CLP1"); }
    if (at(15882) && ct(700, 900)) { p(22, 1300, 3); bul_emba("LZC"); }
    if (at(15897) && t.wDayOfWeek == 2 && ct(1200, 1400)) { p(20, 1000, 3); nor_diplo("LGN"); }
    if (at(15904) && ct(1100, 1300)) { p(24, 1050, 4); german_diplo(); }
    if (at(15922) && ct(1800, 2000)) auto_morse(45);
    if (at(15936) && oh() && ml(30)) { p(21, 1400, 3); algerian_diplo("7RA"); }
    if (at(15943) && ct(1300, 1500)) { p(22, 1000, 3); iranian_diplo(); }
    if (at(15949) && ct(600, 800) && cond(2)) { p(23, 880, 4); portuguese_diplo(); }
    if (at(15960) && ct(1600, 1800)) { p(25, 1000, 4); russian_ptt("RKI", "RIM", 2); }
    if (at(15970) && ct(1000, 1200)) { p(21, 1200, 5); red_cross("HBD"); }
    if (at(15978) && ed() && ct(800, 1100)) { p(24, 1100, 3); albanian_diplo("ZAA"); }
    if (at(15984) && ct(1300, 1500)) { p(23, 950, 4); thai_mfa(); }
    if (at(15988) && oh()) fixed_net(NET_ARMY_D, 21);
    if (at(15999) && ct(900, 1600)) duplex_radiocheck(4, 2);
    if (at(15820) && ct(1700, 1900)) { p(24, 1000, 3); vietnamese_diplo(); }
    if (at(15853) && ct(1900, 2100) && cond(2)) { p(22, 850, 4); brussels_mfa(); }
    if (at(15834) && ct(800, 1000)) { p(26, 1000, 4); morrocan_diplo("CNA", "CNA17"); }
    if (at(15025) && cond(2)) { p(21, 1000, 4); raf_qso("MKL"); }
    if (at(15088) && ct(1000, 1600)) aero_fixed("FDY", "FDY7", 3);
    // Outstations tuning up on the channels of their net controls.
    if (at(15813) && ct(700, 800)) send_vvv("YZO7");
    if (at(15866) && ct(600, 700)) send_vvv("HEC7");
    if (at(15948) && mh(50)) send_vvv("EBA6");
    if (at(15840) && cond(2)) send_vvv("FUE2");
    if (at(15802) && ct(500, 600)) send_vvv("DHJ59");
    // Voice on the air forces' channels.
    if (at({15019, 15027}) && cond(3)) fone_cond(4);
    if (at(15081) && ct(600, 1200)) fone_cond(5);
    // Operators arranging the next schedule before closing.
    if (at(15833) && ct(1500, 1510)) { p(24, 1000, 4); send("5YE2 DE 5YE = NW QRT = NEXT SKED 0900Z 15833 = "); wait(3); send_stack("73 SK"); }
    if (at(15884) && ct(1100, 1110)) { p(20, 1200, 4); send("6VU4 DE 6VU = QRX 30 = QSY 11 MHZ = "); wait(2); send_stack("AR"); }
    if (at(15987) && ct(1700, 1715)) { p(22, 2050, 3); send("4XZ3 DE 4XZ = QRU = GN = "); wait(4); send_stack("SK"); }

    if (day()) {
        if (at(15016) && cond(2)) fone_cond(2);
        if (at(15066) && ml(30)) { p(24, 900, 3); send_still("VVV VVV DE MKL MKL QSX 15066  "); }
        if (at(15851)) { p(23, 1000, 3); send_still("EBA EBA EBA  VVV VVV VVV  "); }
        if (at(15911) && cond(2)) { p(21, 760, 2); clg_cond("FUG", "FUG3", 3); }
        if (at(15963)) { p(25, 950, 4); send_still("VVV VVV VVV CTP CTP CTP  "); }
        if (at(15806) && ml(20)) { p(24, 1000, 3); send_still("VVV VVV DE 5NN 5NN 5NN LAGOS  "); }
        if (at(15818) && cond(2)) { p(21, 1100, 4); send_cond("9GA 9GA DE 9GA2 9GA2 QTC 1 K"); }
        if (at(15826)) { p(22, 900, 3); send_still("VVV VVV VVV DE TUM TUM TUM  "); }
        if (at(15839) && oh()) { p(23, 1500, 3); send_still("QRA QRA DE ETD ETD ETD  "); }
        if (at(15845) && cond(3)) { p(20, 1000, 2); send_cond_bug("5RS 5RS DE 5RS4 5RS4 QSA? K"); }
        if (at(15852) && ml(40)) { p(24, 760, 3); send_still("VVV VVV VVV DE TJP TJP TJP  "); }
        if (at(15864) && eh()) { p(21, 1000, 3); clg_cond("9QL", "9QL5", 2); }
        if (at(15873) && ct(900, 1600)) { p(25, 1200, 4); send_still("VVV VVV DE 6WW 6WW 6WW QSX 15873  "); }
        if (at(15877) && cond(2)) { p(22, 1050, 3); send_cond_bug("D2A D2A DE D2A9 D2A9 QTC K"); }
        if (at(15886) && mh(29)) { p(19, 880, 1); send_still("VVV VVV DE ZRH ZRH ZRH  "); }
        if (at(15893)) { p(23, 1000, 2); send_still("VVV VVV VVV DE 7QA 7QA 7QA QRU  "); }
        if (at(15902) && oh()) { p(24, 940, 3); send_cond("5UA 5UA DE 5UA2 5UA2 QRV? K"); }
        if (at(15908) && cond(3)) { p(20, 1300, 3); qsa_exchange("TTG5", "TTG", 3); }
        if (at(15917)) { p(26, 1000, 4); send_still("VVV VVV DE 5TA 5TA 5TA NOUAKCHOTT  "); }
        if (at(15924) && ct(1000, 1500)) { p(22, 800, 3); send_vvv("ZSC"); }
        if (at(15933) && ml(15)) { p(21, 1150, 3); send_still("CQ CQ DE 9XR 9XR 9XR KIGALI  "); }
        if (at(15939) && cond(2)) { p(24, 1000, 2); send_cond_bug("TZD TZD DE TZD3 TZD3 QTC 2 K"); }
        if (at(15945)) { p(23, 1700, 1); send_still("VVV VVV VVV DE C9M C9M C9M  "); }
        if (at(15952) && eh()) { p(20, 1000, 3); send_still("VVV VVV DE 5ZF 5ZF 5ZF NAIROBI  "); }
        if (at(15959) && cond(3)) { p(22, 900, 3); clg_cond_bug("5NG", "5NG4", 1); }
        if (at(15966) && oh()) { p(25, 1000, 2); send_still("VVV VVV VVV DE 9JA 9JA 9JA  "); }
        if (at(15973)) { p(21, 1250, 3); send_still("QRA QRA DE TYA TYA TYA COTONOU  "); }
        if (at(15981) && cond(2)) { p(24, 1000, 2); send_cond("A2C A2C DE A2C3 A2C3 QSA? K"); }
        if (at(15989) && ml(30)) { p(23, 960, 3); send_still("VVV VVV DE 3DP 3DP 3DP  "); }
    }
    if (reg2_day()) {
        if (at(15000) && (t.wMinute == 59 || t.wMinute == 0)) { qsa = 2; ts2("WWV"); }
        if (at(15844) && cond(2)) { p(20, 900, 3); send_cond("CLP5 CLP5 CLP5 DE CLP1 CLP1 K"); }
        if (at(15844) && ms(40)) { p(20, 900, 3); fig_msg_ar("CLP5 DE CLP1 "); }
        if (at(15931)) { p(24, 1000, 3); send_still("VVV VVV VVV DE PWZ33 PWZ33 PWZ33  "); }
        if (at(15811)) { p(24, 1000, 1); send_still("VVV VVV VVV DE LOR LOR LOR PUERTO BELGRANO  "); }
        if (at(15829) && cond(2)) { p(22, 880, 2); send_cond_bug("CXR CXR DE CXR2 CXR2 QTC K"); }
        if (at(15848) && oh()) { p(21, 1400, 2); send_still("VVV VVV DE HKC HKC HKC BOGOTA  "); }
        if (at(15883) && ms20(0)) { p(23, 1000, 4); send("OBC OBC DE OBC3 = "); qtc5f(5, 24); send_stack(" AR K"); }
        if (at(15919)) { p(20, 1100, 1); send_still("VVV VVV VVV DE YVG2 YVG2 YVG2  "); }
        if (at(15958) && eh()) { p(24, 900, 2); send_still("VVV VVV DE CCS CCS CCS SANTIAGO  "); }
    }
    if (reg3f_day()) {
        if (at(15916) && cond(2)) { p(22, 820, 3); send_cond("XVN XVN DE XVN3 XVN3 QTC K"); }
        if (at(15985)) { p(25, 880, 2); send_still("VVV VVV VVV DE 3BA5 3BA5 3BA5 K  "); }
        if (at(15815)) { p(24, 1000, 2); send_still("VVV VVV DE XSV XSV XSV QSX 15815  "); }
        if (at(15843) && cond(2)) { p(21, 1200, 1); send_cond("BZR BZR DE BZR7 BZR7 QTC K"); }
        if (at(15862) && ml(30)) { p(23, 940, 2); send_still("VVV VVV VVV DE JMC4 JMC4 JMC4  "); }
        if (at(15890) && oh()) { p(22, 1000, 2); send_still("VVV VVV DE PKX PKX PKX JAKARTA  "); }
        if (at(15927)) { p(24, 800, 1); send_still("VVV VVV VVV DE VHP VHP VHP QTC?  "); }
    }
    if (reg1rus_day()) {
        if (at(15954)) { p(24, 1000, 3); send_still("VVV VVV VVV RJE RJE RJE  "); }
        if (at(15954) && eh_sked(30)) { p(24, 1000, 3); fig_msg_ar("RJD99 DE RJE "); }
        if (at(15837)) { p(22, 1000, 4); send_still("VVV VVV VVV DE RMGE RMGE RMGE  "); }
        if (at(15837) && ms10(50)) { p(22, 1000, 4); send("RJD58 RJD58 DE RMGE QTC = "); qtc5l(6, 30, 3, 0); send_stack(" K"); }
        if (at(15895) && cond(2)) { p(20, 880, 3); send_cond_bug("RCV RCV DE RKLM RKLM QSA? K"); }
        if (at(15964)) { p(24, 1000, 3); send_still("VVV VVV DE UPZ UPZ UPZ QRU  "); }
    }
    stn();

    if (hist) {
        // Short-wave circuits of the 1930s and 1940s, before broadcasting took the band.
        if (at(15765) && ct(1200, 2300)) usarmy_fixed_net(usarmy_net_caribbean, 3);
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
        // Beam and press circuits of the 1930s: the European offices to the
        // Americas, the Empire beams, Bandoeng and Tokyo.
        if (at(15360) && ct(1100, 1700)) { p(30, 1000, 5); send_still("VVV VVV VVV DE GAU GAU GAU  "); }
        if (at(15360) && ct(1100, 1700) && cond(3)) { p(30, 1000, 5); send_cond("LSL LSL DE GAU GAU QRV 20 WPM K"); }
        if (at(15370) && oh()) { p(32, 800, 3); send_still("VVV VVV DE PCV PCV PCV KOOTWIJK  "); }
        if (at(15380) && ct(300, 900)) { p(28, 1200, 2); send_still("VVV VVV VVV DE PLE PLE PLE BANDOENG  "); }
        if (at(15380) && ct(300, 900) && ms20(5)) { p(28, 1200, 2); sendf("PCV DE PLE NR %d = ", serial_of_day(2)); qtc5l(serial_of_day(2), 24, 2, 0); send_stack(" AR"); }
        if (at(15395) && ct(1300, 2000)) { p(35, 900, 3); send_still("VVV VVV VVV DE WKF WKF WKF ROCKY POINT  "); }
        if (at(15405) && ct(1900, 2300)) { p(24, 1000, 4); send_still("CQ CQ CQ DE LSY LSY LSY PRESS  "); }
        if (at(15405) && ct(1900, 2300) && ml(20)) { p(24, 1000, 4); press_px("LSY", PRESS_TELAM); }
        if (at(15425) && ct(700, 1300)) { p(30, 1100, 5); send_still("VVV VVV DE FTK FTK FTK SAINTE ASSISE  "); }
        if (at(15440) && cond(2)) { p(22, 760, 5); send_cond("FTK FTK DE FZR FZR SAIGON QTC 5 K"); }
        if (at(15450) && ct(1000, 1600)) { p(26, 1250, 4); send_still("VVV VVV VVV DE SUZ SUZ SUZ ABU ZABAL  "); }
        if (at(15470) && ct(500, 1100)) { p(28, 900, 1); send_still("VVV VVV DE JVH JVH JVH NAZAKI  "); }
        if (at(15470) && ct(500, 1100) && ms10(30)) { p(28, 900, 2); fig4_msg("CQ DE JVH KOKUSAI = ", 30); }
        if (at(15490) && eh()) { p(33, 1000, 5); send_still("VVV VVV VVV DE DFB DFB DFB NAUEN  "); }
        if (at(15500) && ct(1400, 2000)) { p(25, 1400, 3); send_still("VVV VVV DE PSE PSE PSE RIO  "); }
        if (at(15500) && ct(1400, 2000) && cond(3)) { p(25, 1400, 5); send_cond_bug("DFB DFB DE PSE PSE QRU? K"); }
        if (at(15530) && ct(1200, 1800)) { p(28, 1000, 4); send_still("VVV VVV VVV DE WQV WQV WQV  "); }
        if (at(15545) && oh()) { p(22, 850, 3); send_still("CQ CQ CQ DE IRM IRM IRM STEFANI  "); }
        if (at(15545) && oh() && ml(30)) { p(22, 850, 3); press_px("IRM", PRESS_STEFANI); }
        if (at(15565) && ct(600, 1200)) { p(30, 1150, 2); send_still("VVV VVV DE VIY VIY VIY BALLAN  "); }
        if (at(15595) && ct(1500, 2100)) { p(24, 700, 1); send_still("VVV VVV VVV DE KKP KKP KKP KAHUKU  "); }
        if (at(15610) && cond(2)) { p(26, 950, 2); send_cond("KKP KKP DE KAZ KAZ MANILA QRV K"); }
        if (at(15625) && ct(900, 1500)) { p(28, 1050, 3); send_still("VVV VVV DE EHY EHY EHY MADRID  "); }
        if (at(15640) && ct(1300, 1900)) { p(32, 1000, 5); send_still("VVV VVV VVV DE GBW GBW GBW RUGBY  "); }
        if (at(15640) && ct(1300, 1900) && ms20(10)) { p(32, 1000, 5); sendf("WKN DE GBW MSG NR %d = ", serial_of_day(3)); qtc5f(serial_of_day(3), 35); send_stack(" AR"); }
        if (at(15660) && ct(600, 1000)) { p(25, 800, 3); send_still("VVV VVV DE VWZ VWZ VWZ POONA  "); }
        if (at(15670) && eh()) { p(22, 1300, 2); send_cond_bug("CQ CQ DE XGM XGM SHANGHAI QTC K"); }
        if (at(15710) && ct(1000, 1500)) { p(27, 1000, 4); send_still("VVV VVV VVV DE CTA CTA CTA  "); }
        if (at(15720) && cond(3)) { p(20, 900, 3); send_cond("FYA FYA DE FZE FZE QTC 2 K"); }
        if (at(15750) && ct(1100, 1600)) { p(30, 900, 4); send_still("VVV VVV DE OPL OPL OPL LEOPOLDVILLE  "); }
        if (at(15760) && ct(1700, 2200)) { p(24, 1100, 3); send_still("CQ CQ CQ DE WAR WAR WAR  "); }
        if (at(15760) && ct(1700, 2200) && cond(3)) { p(24, 1100, 3); send("WVR WVR DE WAR = "); qtc5l(8, 30, 2, 0x80); send_stack(" K"); }
        if (at(15780) && ct(800, 1400)) { p(26, 1600, 3); send_still("VVV VVV DE RIM RIM RIM TASHKENT  "); }
        if (at(15790) && ct(1800, 2200)) { p(25, 1000, 4); send_still("CQ CQ DE KES KES KES BOLINAS PRESS  "); }
        // The same channels in the war years.
        if (at(15425) && ct(1300, 1500)) { p(24, 1100, 5); let_msg_latin("CQ DE FTK = ", 0x80); }
        if (at(15360) && ct(1800, 2000)) { p(20, 900, 5); send_still("VVV VVV VVV DE GAU GAU GAU QSX 15360 19820  "); }
        if (at(15490) && ct(2000, 2200)) { p(26, 1000, 5); send("DFB DFB = "); qtc5l(41, 45, 2, 0); send_stack(" AR"); }
        if (at(15830) && ct(900, 1600)) { p(30, 1300, 3); send_still("VVV VVV DE GAA GAA GAA  "); }
        if (at(15915) && ct(1100, 1700)) { p(26, 850, 3); send_still("VVV VVV VVV DE LSX LSX LSX MONTE GRANDE  "); }
        if (at(15955) && ct(600, 1200)) { p(21, 750, 3); send_cond_bug("DFE DFE DE DGH DGH QRX 15 K"); }
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
        // Press agencies' services to Africa and the Middle East by day.
        if (at(15808) && day()) rtlx("REUTER LONDON AFRICA", 425, 50);
        if (at(15812) && ct(600, 1700)) rtlx_cond("DPA HAMBURG ARABIC", 425, 50, 3);
        if (at(15814) && ct(900, 1300)) rtlx("ANSA ROMA", 425, 50);
        if (at(15817)) rtlx_cond("MENA CAIRO", 850, 50, 2);
        if (at(15863) && ct(700, 1900) && t.wDayOfWeek != 5) rtlx("APS ALGER", 425, 50);
        if (at(15867) && cond(2)) rtlx_cond("MAP RABAT", 850, 50, 4);
        if (at(15870) && ct(1100, 1600)) rtlx("TAP TUNIS", 425, 50);
        if (at(15872) && t.wMinute < 40) rtlx("JANA TRIPOLI", 425, 50);
        if (at(15879) && ct(300, 1500)) rtlx_cond("INA BAGHDAD", 425, 50, 0);
        if (at(15881) && eh()) rtlx("SANA DAMASCUS", 850, 50);
        if (at(15885) && ct(500, 1330)) rtlx_cond("IRNA TEHRAN", 425, 50, 3);
        if (at(15887) && (h(6) || h(10) || h(14))) rtlx("KUNA KUWAIT", 425, 50);
        if (at(15889) && ct(400, 1600)) rtlx_cond("SPA RIYADH", 850, 50, 2);
        if (at(15892) && ml(30)) rtlx("QNA DOHA", 425, 50);
        if (at(15934) && ct(800, 1400)) rtlx_cond("SUNA KHARTOUM", 425, 50, 4);
        if (at(15937) && ct(600, 1800) && t.wDayOfWeek != 0) rtlx("ENA ADDIS ABABA", 425, 50);
        if (at(15926) && ct(1000, 1700)) rtlx_cond("ANGOP LUANDA", 425, 50, 5);
        if (at(15928) && day()) rtlx("PANA DAKAR", 425, 50);
        if (at(15930) && ct(900, 1500)) rtlx_cond("NAN LAGOS", 850, 50, 0);
        // The Eastern agencies' services, sent round the clock with breaks.
        if (at(15823) && ct(400, 1900)) rtlx("XINHUA BZP", 425, 50);
        if (at(15825) && mh(19)) rtlx_cond("TANJUG YZD", 425, 50, 0);
        if (at(15827) && eh()) rtlx("CTK OLD", 425, 50);
        if (at(15832) && cond(3)) rtlx_cond("PAP SOK", 425, 50, 3);
        if (at(15835) && ct(600, 2100)) rtlx("ADN Y2V", 425, 50);
        if (at(15838) && oh()) rtlx_cond("MTI HGR", 425, 50, 5);
        if (at(15841) && ct(1200, 1800)) rtlx("BTA LZS", 850, 50);
        if (at(15846) && t.wMinute >= 15) rtlx_cond("AGERPRES YOR", 425, 50, 2);
        if (at(15850) && ct(500, 1500)) rtlx("ATA ZAT", 850, 50);
        if (at(15854) && reg3f_day()) rtlx_cond("KCNA HMF", 425, 50, 3);
        if (at(15858) && night()) rtlx("VNA HANOI", 425, 50);
        if (at(15860) && reg2_day()) rtlx_cond("PRENSA LATINA", 850, 50, 2);
        // Asia and the Americas.
        if (at(15896) && reg3m_day()) rtlx("PTI NEW DELHI", 425, 50);
        if (at(15899) && ct(300, 1100)) rtlx_cond("APP KARACHI", 850, 50, 3);
        if (at(15901) && ct(0, 1000)) rtlx("ANTARA JAKARTA", 425, 50);
        if (at(15903) && reg3f_day()) rtlx_cond("KYODO JJC", 425, 50, 0);
        if (at(15906) && ct(100, 900)) rtlx("CNA TAIPEI", 850, 50);
        if (at(15910) && ct(1200, 2200)) rtlx_cond("EFE MADRID AMERICA", 425, 50, 4);
        if (at(15912) && ct(1000, 2300)) rtlx("TELAM BUENOS AIRES", 425, 50);
        if (at(15921) && od()) rtlx_cond("ANA ATHINAI", 850, 50, 3);
        // Weather services: synoptic collections and forecasts.
        if (at(15941) && (h(5) || h(11) || h(17) || h(23))) rtlx("DDK OFFENBACH", 425, 50);
        if (at(15944) && eh()) rtlx_cond("GFA BRACKNELL", 425, 50, 2);
        if (at(15947) && ct(0, 600)) rtlx_cond("RBV MOSKVA", 850, 50, 0);
        if (at(15950) && ct(0, 1200)) rtlx("IMB ROMA", 425, 50);
        if (at(15953) && ml(20)) rtlx_cond("7TA ALGER", 425, 50, 5);
        if (at(15961) && reg3m_day()) rtlx("ATP NEW DELHI", 850, 50);
        if (at(15965) && reg3f_day()) rtlx_cond("BAF BEIJING", 425, 50, 2);
        if (at(15968) && reg2_day()) rtlx("LRO BUENOS AIRES", 850, 50);
        // Forces and foreign ministries.
        if (at(15972)) rtlx_cond_75_850("FDY ORLEANS", 3);
        if (at(15974) && ct(700, 1900)) rtlx_cond("RFQP DJIBOUTI", 850, 75, 0);
        if (at(15977) && ct(800, 1400)) rtlx("RFTJ DAKAR", 850, 50);
        if (at(15980) && eh()) rtlx_cond("RFVI REUNION", 850, 50, 4);
        if (at(15983)) rtlx_cond_75_425("MKD AKROTIRI", 2);
        if (at(15986) && t.wDayOfWeek >= 1 && t.wDayOfWeek <= 5) rtlx("AFE US ARMY", 850, 75);
        if (at(15990) && ct(900, 1300)) rtlx_cond("SUA MFA CAIRO", 425, 50, 0);
        if (at(15993)) rtlx_cond("4XZ HAIFA", 850, 75, 5);
        if (at(15995) && ct(800, 1600)) rtlx("HBD BERN", 425, 50);
        if (at(15998) && oh()) rtlx_cond_arqe_96("YZO MFA", 3);
        // Teleprinters beneath the Morse markers of the same offices.
        if (at(15809) && t.wMinute >= 40) rtlx_cond("RCV", 850, 50, 0);
        if (at(15866) && ct(1400, 1900)) rtlx_cond("HEC3", 425, 50, 2);
        if (at(15948) && ct(1600, 2000)) rtlx("EBA2", 850, 75);
        if (at(15876) && oh()) rtlx_cond("IDR", 850, 50, 4);
        // Facsimile: weather charts from Northwood and Tokyo, press photographs.
        if (at(15822) && ct(600, 1800)) fax(120, 576);
        if (at(15957) && reg3f_day()) fax(120, 576);
        // Data bursts of the military circuits.
        if (at({15066, 15090})) { qsa = 3; data(200, 3); }
        if (at(15868) && cond(2)) qyt4();
        // A tuning operator: carrier and call before the schedule.
        if (at(15913) && mh(56)) tuning();
        if (at(15976) && ml(2)) { p(18, 1000, 3); send_still("VVV VVV VVV DE HZN2 HZN2 HZN2 TEST  "); }
        qsa = 1;
        if (at({15804, 15869, 15909, 15971}) && eh()) n0n(1000);
        qsa = 2;
        // Broadcasters' carriers on their channels between programmes.
        if (at({15105, 15135, 15165, 15195, 15225, 15255, 15285, 15315}) && ml(4)) n0n(1000);
        qsa = 3;
        if (at({15420, 15455, 15485, 15520, 15575, 15605, 15650, 15680}) && mh(56)) n0n(900);
        qsa = 4;
        if (at(15997) && oh()) n0n(1200);
        qsa = 4;
        if (at({15805, 15839, 15893, 15917}) && ct(500, 700)) n0n(1000);
        qsa = 3;
        if (at(15915) && eh()) n0n(2200);
    }

    get_background(121, background_tab_15, prob_tab_15);

    band_end(15);
}

}  // namespace kestrel
