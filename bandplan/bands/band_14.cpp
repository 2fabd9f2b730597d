// Stations of 14000-14999 kHz, tested in order; every entry that applies is queued.
// 14000-14070 amateur telegraphy, 14070-14112 amateur teleprinter, packet and
// the beacon chain on 14100, 14112-14350 amateur telephony, 14350-14990 fixed
// service (naval, military, diplomatic), 14996 the Moscow time signal.

#include "bandplan/entry.h"

namespace kestrel {

namespace {

// The amateur band: telegraphy, bulletins, contests, beacons, telephony.
void amateur() {
    // Amateur telegraphy.
    if (at(14002) && ct(700, 1100)) qsa_qra_qso("UA9CDC", "DL2ARD", "IGOR", "PETER");
    if (at(14003) && ct(2200, 600)) qsa_qra_qso("JA1ELY", "UA0FM", "TAKU", "VOLODYA");
    if (at(14004) && ml(40)) { p(28, 700, 3); send_cond("CQ DX CQ DX DE UK5MAF UK5MAF UK5MAF DX K"); }
    if (at(14005) && ct(1300, 2000)) qsa_qra_qso("W3LPL", "DL8WAA", "FRANK", "HANS");
    if (at(14006) && eh()) { p(24, 650, 2); send_cond("CQ CQ CQ DE OH2BH OH2BH OH2BH K"); }
    if (at(14007) && oh()) { p(26, 900, 4); send_cond("CQ EU CQ EU DE W1WAI W1WAI K"); }
    if (at(14008) && ct(600, 1600)) qsa_qra_qso("OK1DX", "UA3DPX", "JIRI", "SASHA");
    if (at(14009) && cond(3)) { p(22, 800, 3); send_cond("QRL?"); }
    if (at(14010) && ct(1800, 2300)) qsa_qra_qso("PY2YP", "LU8DQ", "JOSE", "RICARDO");
    if (at(14011) && mh(20)) { p(25, 720, 3); send_cond("CQ CQ CQ DE SP9HTY SP9HTY SP9HTY PSE K"); }
    if (at(14012) && ct(500, 1000)) qsa_qra_qso("VK2GR", "ZL1BQD", "JIM", "MURRAY");
    if (at(14013) && od()) { p(30, 780, 2); send_cond("CQ JA CQ JA DE UA9CDV UA9CDV K"); }
    if (at(14014) && day()) qsa_qra_qso("I2UIY", "EA3EW", "SERGIO", "PACO");
    if (at(14015)) send_vvv("UA3AGW");
    if (at(14016) && ct(800, 1500)) qsa_qra_qso("SM5CCE", "OH1TD", "LARS", "PEKKA");
    if (at(14017) && ed()) { p(23, 600, 3); send_cond("CQ CQ DE YU1AB YU1AB YU1AB AR K"); }
    if (at(14018) && ct(1500, 2100)) qsa_qra_qso("K1ZZ", "G3SXW", "DAVE", "ROGER");
    if (at(14019) && cond(2)) { p(18, 550, 2); send_cond("CQ CQ CQ DE LZ2BE LZ2BE LZ2BE K"); }
    if (at(14021) && ct(1000, 1700)) qsa_qra_qso("HA5KQ", "YO3APG", "LASZLO", "DAN");
    if (at(14022) && !weekend()) { p(27, 700, 4); send_cond("CQ CQ DE 4X4NJ 4X4NJ 4X4NJ K"); }

    // A rare station working split, its callers listening up.
    if (at(14023) && ct(400, 1200) && od()) {
        p(30, 750, 3);
        send_still("T33A UP  DL5AN 5NN TU T33A UP   JA1XGI 5NN TU  UP   UA3AB 5NN TU T33A UP   ");
    }
    if (at(14025) && ct(400, 1200) && od()) { p(28, 640, 4); send_times("DL5AN   DL5AN     ", 4); send_stack(""); }
    if (at(14025) && ct(400, 1200) && od()) { p(31, 910, 3); send_cond("OK1FF OK1FF"); }
    if (at(14025) && ct(400, 1200) && od()) { p(26, 1120, 2); send_cond("UR5MID"); }
    if (at(14026) && ct(400, 1200) && od()) { p(24, 820, 2); send_cond("JA1XGI JA1XGI"); }
    if (at(14026) && ct(400, 1200) && od()) { p(33, 700, 4); send_cond("G3TXF"); }

    if (at(14027) && day()) qsa_qra_qso("ON4UN", "PA0LOU", "JOHN", "LOU");
    if (at(14028) && eh()) { p(21, 760, 3); send_cond("CQ CQ CQ DE RA3AUU RA3AUU RA3AUU PSE K"); }
    if (at(14029) && ct(1600, 2200)) qsa_qra_qso("ZS6BCR", "9J2BO", "PIET", "BRUNO");
    if (at(14031) && ct(700, 1300)) qsa_qra_qso("UB5WE", "UC2AA", "VASYA", "KOLYA");
    if (at(14032) && mh(30)) { p(24, 880, 3); send_cond("CQ CQ DE F6BEE F6BEE F6BEE K"); }
    if (at(14033) && ct(1200, 1800)) qsa_qra_qso("F6BEE", "HB9CRV", "JEAN", "ERNST");
    if (at(14034) && night()) { p(22, 640, 2); send_cond("CQ CQ CQ DE VE3BMV VE3BMV VE3BMV K"); }
    if (at(14035) && ct(900, 1400)) qsa_qra_qso("4X4NJ", "SV1AB", "DAN", "KOSTAS");
    if (at(14036) && cond(2)) send_vvv("UT5UY");
    if (at(14037) && ct(100, 700)) qsa_qra_qso("JA7BME", "BY1PK", "HIRO", "LI");
    if (at(14038) && ml(30)) { p(25, 990, 3); send_cond("CQ CQ CQ DE OZ1LO OZ1LO OZ1LO K"); }
    if (at(14039) && ct(600, 1200)) qsa_qra_qso("OZ1LO", "LA9DL", "BENT", "ARNE");
    if (at(14041) && cond(3)) { p(19, 610, 2); send_cond("CQ CQ CQ DE EI7CC EI7CC K"); }
    if (at(14042) && ct(1400, 2000)) qsa_qra_qso("G4BUO", "EI7CC", "DICK", "PAT");
    if (at(14043) && oh()) { p(23, 830, 4); send_cond("CQ CQ CQ DE DL7VEE DL7VEE DL7VEE K"); }
    if (at(14044) && ct(2000, 100)) qsa_qra_qso("YV5AJ", "W4KMS", "LUIS", "BOB");
    if (at(14045) && day()) qsa_qra_qso("DJ6QT", "UA1ANA", "RUDI", "MISHA");
    if (at(14046) && ed()) { p(26, 700, 2); send_cond("CQ DX DE 5B4AGN 5B4AGN K"); }

    // W1AW: code practice and bulletins on the North American evening.
    if (at(14048) && ct(0, 100) && (t.wDayOfWeek == 2 || t.wDayOfWeek == 4 || t.wDayOfWeek == 6)) {
        p(15, 750, 3);
        send_stack("VVV VVV VVV  CQ CQ CQ DE W1AW W1AW W1AW  QST  SLOW CODE PRACTICE = "
                   "THE HIGH FREQUENCY BANDS OPEN EARLY IN THE MORNING AND STAY OPEN WELL INTO THE EVENING "
                   "WHEN THE SUN IS ACTIVE = KEEP YOUR SENDING EVEN AND LET THE OTHER STATION SET THE PACE = "
                   "END OF PRACTICE  QST DE W1AW  AR");
    }
    if (at(14048) && ct(0, 100) && (t.wDayOfWeek == 1 || t.wDayOfWeek == 3 || t.wDayOfWeek == 5)) {
        p(35, 750, 3);
        send_stack("VVV VVV VVV  CQ CQ CQ DE W1AW W1AW W1AW  QST  FAST CODE PRACTICE = "
                   "A GOOD OPERATOR LISTENS MORE THAN HE SENDS AND NEVER CALLS ON TOP OF A CONTACT IN PROGRESS = "
                   "THE FIRST RULE OF THE BANDS IS COURTESY AND THE SECOND IS PATIENCE = QST DE W1AW  AR");
    }
    if (at(14048) && (ct(100, 120) || ct(400, 420) || ct(2200, 2220))) {
        p(18, 750, 3);
        send_stack("QST QST QST DE W1AW W1AW W1AW  ARRL BULLETIN NR 12 = "
                   "THE SOLAR FLUX THIS WEEK AVERAGED 142 AND THE PLANETARY A INDEX 9 = "
                   "CONDITIONS ON 20 AND 17 METERS WERE GOOD TO ALL CONTINENTS DURING DAYLIGHT = "
                   "NEXT BULLETIN AT 0400 UTC = QST DE W1AW  AR  SK");
    }

    if (at(14051) && ct(1000, 1600)) qsa_qra_qso("UA3DPX", "RA9SC", "SASHA", "VITALY");
    if (at(14052) && cond(2)) { p(21, 870, 3); send_cond("CQ CQ CQ DE IK0XBX IK0XBX IK0XBX K"); }
    if (at(14054) && ct(1700, 2300)) qsa_qra_qso("N2IC", "VE1ZZ", "STEVE", "JEFF");
    // Slow telegraphy near the top of the segment.
    if (at(14055) && eh()) { p(12, 700, 3); send_cond("CQ CQ CQ DE KB1HQS KB1HQS KB1HQS K"); }
    if (at(14056) && ct(1800, 2200)) { p(13, 650, 2); send_cond("CQ CQ CQ QRS DE M0TCY M0TCY K"); }
    if (at(14057) && cond(3)) { p(14, 900, 3); send_cond("CQ CQ DE DL1TKS DL1TKS PSE QRS K"); }
    if (at(14058) && ct(800, 1400)) { p(16, 760, 2); send_cond("CQ CQ CQ DE PA3FNY PA3FNY K"); }
    // Low power calling frequency.
    if (at(14060) && day()) { p(20, 700, 1); send_cond("CQ CQ CQ DE G4ZPY/QRP G4ZPY/QRP K"); }
    if (at(14060) && ml(20)) { p(18, 820, 1); send_cond("CQ QRP DE OK1CZ/P OK1CZ/P K"); }
    if (at(14062) && ct(600, 1400)) qsa_qra_qso("SP5ES", "OK2BX", "ROMAN", "PAVEL");
    if (at(14064) && cond(2)) { p(24, 680, 2); send_cond("CQ CQ DE UN7JX UN7JX UN7JX K"); }
    if (at(14066) && ct(1200, 1800)) qsa_qra_qso("EA8AH", "CT1BOH", "OLIVER", "JOSE");
    if (at(14068) && oh()) { p(22, 950, 3); send_cond("CQ CQ DE 9A2AJ 9A2AJ 9A2AJ K"); }

    // Weekend contests fill the telegraphy segment.
    if (at(14001) && weekend()) { p(32, 700, 4); send_still("CQ TEST DL0CS DL0CS TEST  "); }
    if (at(14010) && weekend()) { p(34, 620, 4); send_still("CQ TEST OH0Z OH0Z TEST  "); }
    if (at(14014) && weekend()) { p(30, 880, 3); send_still("TEST 9A1A 9A1A  "); }
    if (at(14019) && weekend()) { p(36, 760, 5); send_still("CQ TEST LZ9W LZ9W TEST  "); }
    if (at(14024) && weekend()) { p(31, 930, 3); send_still("CQ TEST UA2F UA2F  "); }
    if (at(14030) && weekend()) { p(33, 710, 4); send_still("CQ TEST PI4CC PI4CC TEST  "); }
    if (at(14030) && weekend() && cond(2)) { p(29, 690, 2); send_cond("DK3GI"); }
    if (at(14036) && weekend()) { p(32, 800, 3); send_still("TEST EF8U EF8U  "); }
    if (at(14040) && weekend()) { p(28, 650, 3); send_still("CQ TEST RW0A RW0A TEST  "); }
    if (at(14040) && weekend() && cond(2)) { p(30, 720, 2); send_cond("DL6FBL 5NN 14"); }
    if (at(14047) && weekend()) { p(35, 840, 4); send_still("CQ TEST HG7T HG7T  "); }

    // The beacon chain; here a third of the paths are closed.
    if (at(14100)) beacon_turns(0, 3);

    // Amateur telephony: nets heard as voice.
    if (at(14300) && ct(1600, 2200)) fone_cond(2);
    if (at(14313) && cond(2)) fone_cond(3);
    if (at(14270) && ct(1200, 1400)) fone_cond(2);
}

// The fixed service above the amateur band.
void fixed_service() {
    // Fixed service: Soviet and Russian naval stations.
    if (at(14382)) { p(24, 1000, 4); send_still("VVV VVV VVV DE RCV RCV RCV QSX 8 10 14 MHZ  "); }
    if (at(14382) && ml(10)) { p(24, 1000, 4); fig_msg_ar("RJD99 RJD99 DE RCV RCV QTC "); }
    if (at(14405) && !(t.wMinute % 5 == 0)) { p(20, 900, 2); send_cond_par("RIW RIW RIW DE RMKB RMKB QSA? K", 3); }
    if (at(14405) && t.wMinute % 5 == 0) { p(21, 950, 3); fig_msg_ar("RMKB DE RIW "); }
    if (at(14428) && eh()) simplex_fix_radiocheck(net_rus_mil, 6, 24);
    if (at(14467)) { p(22, 1200, 3); send_still("VVV VVV VVV RMP RMP RMP  "); }
    if (at(14467) && mh(49)) { p(22, 1200, 3); fig_msg_ar("RJD38 RJD38 DE RMP "); }
    if (at(14521) && ed()) { p(19, 820, 2); send_cond_par("RIT RIT RIT DE RHFE RHFE  ZZU 14521/14521 K", 4); }
    if (at(14598) && cond(4)) { p(20, 780, 2); clg_cond("RIW", "RJD69", 200); }
    if (at(14598) && ct(800, 830)) { p(22, 900, 3); clg_cond("RIW", "RJD69", 200); }

    // Western naval and military stations.
    if (at(14416)) { p(25, 1100, 3); send_still("VVV VVV VVV FUE FUE FUE  "); }
    if (at(14416) && (ml(5) || (mh(29) && ml(35)))) { p(25, 1100, 3); let_msg_latin("FUE FUE DE FUE = QTC ", 0x80); }
    if (at(14446) && oh()) simplex_fix_radiocheck(net_fr_mil, 7, 41);
    if (at(14453)) { p(24, 960, 3); send_still("VVV VVV VVV DE IDR IDR IDR  "); }
    if (at(14474) && ct(600, 1800)) simplex_fix_radiocheck(net_nato_tac, 8, 21);
    if (at(14474) && night() && cond(3)) nato_qso();
    if (at(14511) && eh()) { p(22, 1300, 4); send_still("ZKR ZKR ZKR  VVV VVV VVV DE 4XZ 4XZ 4XZ  "); }
    if (at(14537) && ct(900, 1500)) { p(26, 880, 3); send_still("EBA EBA EBA  VVV VVV VVV  "); }
    if (at(14562) && ml(30)) { p(23, 750, 3); send("AIJ1 AIJ1 DE NWP NWP ZBO 1 R  "); nato_qtc(nr, 'R'); }
    if (at(14579)) { p(21, 1150, 2); send_still("VVV VVV DE TBA2 TBA2 QSX 12 MHZ  "); }
    if (at(14612) && cond(3)) nato_qso();
    if (at(14647) && ml(45)) { p(20, 900, 3); send_still("VVV VVV VVV DE SXA SXA SXA K  "); }
    if (at(14688) && ct(1200, 1600)) simplex_fix_radiocheck(net_nato_tac, 8, 10);
    if (at(14712) && mh(14) && ml(20)) { p(23, 940, 3); send("CTP CTP DE CTP2 QTC  "); nato_qtc(nr, 'P'); }

    // Diplomatic and government stations.
    if (at(14439) && cond(3)) { p(20, 1000, 3); send_cond("SUA SUA SUA DE SUA7 SUA7 QTC 1 K"); }
    if (at(14439) && ms(20)) { p(20, 1000, 3); fig_msg_ar("SUA DE SUA7 = "); }
    if (at(14492) && ct(900, 1100)) simplex_fix_radiocheck(net_diplo, 5, 25);
    if (at(14492) && ct(1100, 1200)) { p(22, 870, 3); let_msg_latin("OLX DE OLZ7 = ", 1); }
    if (at(14555) && oh()) { p(21, 1020, 3); send_still("QRV? QRV? DE YIH YIH  "); }
    if (at(14631) && eh() && ml(30)) { p(24, 1240, 4); send_cond_par("7TA 7TA 7TA DE 7TA21 7TA21 K", 2); }
    if (at(14674) && cond(2)) { p(19, 740, 2); send_cond("CNA CNA DE CNA4 CNA4 QSA? K"); }
    if (at(14674) && ms(40)) { p(19, 740, 2); fig_msg_ar("CNA DE CNA4 "); }
    if (at(14730)) { p(24, 1000, 3); send_still("VVV VVV VVV DE 5AL 5AL 5AL QSX 14730  "); }
    if (at(14766) && ct(700, 900)) { p(26, 1180, 3); let_msg_latin("HZN HZN DE HZN6 = ", 0x81); }
    if (at(14781) && ed() && cond(2)) { p(21, 850, 3); send_cond("YKA YKA DE YKA14 YKA14 QTC? K"); }
    if (at(14829) && mh(44)) { p(22, 920, 3); fig_msg_ar("PWZ DE PWZ33 QTC "); }
    if (at(14856) && ct(1300, 1500)) { p(20, 990, 2); send_still("VVV VVV DE 3VX 3VX QRV?  "); }
    if (at(14893) && eh()) { p(24, 1050, 4); send_still("VVV VVV VVV DE 4XZ 4XZ 4XZ  "); }
    if (at(14922)) { p(23, 800, 3); send_still("RIW RIW RIW  VVV VVV VVV  "); }
    if (at(14922) && ml(5)) { p(23, 800, 3); fig_msg_ar("RJD99 RJD99 DE RIW QTC "); }
    if (at(14955) && cond(3)) { p(20, 1150, 2); clg_cond("SPW", "SPW23", 3); }
    if (at(14974) && od()) { p(17, 700, 2); send_cond("GYA GYA GYA DE GYU GYU QRU? K"); }

    // The Moscow time signal: its call every ten minutes, ticks between.
    if (at(14996) && t.wMinute % 10 == 9) ts3("RWM");
    if (at(14996) && t.wMinute % 10 != 9) { qsa = 4; ts(); }
}

// Stations heard only while the path is in daylight.
void daylight_block() {
    if (day()) {
        if (at(14001) && ct(700, 1200)) qsa_qra_qso("VU2ZAP", "UA3ABC", "RAJ", "SERGEJ");
        if (at(14020) && ml(30)) { p(27, 780, 2); send_cond("CQ DX DE ZD8Z ZD8Z ZD8Z K"); }
        if (at(14034) && cond(2)) { p(23, 690, 3); send_cond("CQ CQ DE 5N0T 5N0T 5N0T K"); }
        if (at(14049) && eh()) qsa_qra_qso("A41JT", "DL1YM", "SAID", "MANFRED");
        if (at(14063) && cond(3)) { p(21, 740, 2); send_cond("CQ CQ CQ DE TA2ZF TA2ZF K"); }
        if (at(14398)) { p(26, 1150, 3); send_still("VVV VVV DE OXZ OXZ OXZ QRU  "); }
        if (at(14581) && ml(20)) { p(24, 880, 3); send_cond_par("FUG FUG DE FUG2 FUG2 QTC K", 2); }
        if (at(14703) && oh()) { p(22, 1000, 3); send_still("VVV VVV DE SUA8 SUA8 QSX 14703 18235  "); }
        if (at(14817)) { p(20, 700, 2); send_still("7TA21 7TA21 7TA21  VVV VVV VVV  "); }
    }
    if (reg2_day()) {
        if (at(14011) && ct(1800, 2300)) qsa_qra_qso("CE3BFZ", "W6ZZ", "CARLOS", "TOM");
        if (at(14523)) { p(20, 900, 3); send_cond_par("CLP12 CLP12 CLP12 DE CLP1 CLP1 K", 3); }
        if (at(14523) && ms(30)) { p(20, 900, 3); fig_msg_ar("CLP12 DE CLP1 "); }
        if (at(14868) && cond(2)) { p(24, 1000, 3); send_still("VVV VVV VVV DE LOR LOR LOR  "); }
        if (at(14941) && eh()) { p(23, 1300, 2); send_still("VVV VVV DE CBV CBV CBV QRU  "); }
    }
    if (reg3f_day()) {
        if (at(14008) && ct(2200, 300)) qsa_qra_qso("BV2A", "JA3AAW", "TOM", "MASA");
        if (at(14459) && cond(2)) { p(22, 780, 3); send_cond("XVN XVN DE XVN7 XVN7 QTC K"); }
        if (at(14696)) { p(25, 900, 2); send_still("VVV VVV VVV DE 3BA3 3BA3 3BA3  "); }
    }
    if (reg3m_day()) {
        if (at(14591)) { p(24, 1050, 3); send_still("VTP VTP VTP  VVV VVV VVV  "); }
        if (at(14743) && ct(500, 700)) { p(21, 820, 3); fig_msg_ar("EPJ DE EPJ4 "); }
    }
    if (reg1rus_day()) {
        if (at(14028) && ct(400, 800)) qsa_qra_qso("UA0ZC", "UA3VBW", "YURI", "OLEG");
        if (at(14614)) { p(24, 1000, 3); send_still("VVV VVV VVV DE RJE RJE RJE  "); }
        if (at(14614) && oh_sked(20)) { p(24, 1000, 3); fig_msg_ar("RJD99 DE RJE "); }
    }
    stn();
}

// Stations of the years before 1950 (HIST).
void historical_block() {
    if (hist) {
        // Short-wave telegraph circuits of the 1930s and the war years.
        if (at(14440) && ct(800, 1600)) { p(20, 900, 3); qrh = 1; send_still("VVV VVV VVV GBW GBW GBW  "); }
        if (at(14470) && ct(1300, 2100)) { p(22, 1100, 3); qrh = 2; send_still("VVV VVV VVV DE WKN WKN WKN  "); }
        if (at(14540) && eh()) { p(18, 750, 2); qrh = 1; send_still("DGU DGU DGU  VVV VVV VVV  "); }
        if (at(14620) && cond(2)) { p(21, 700, 2); send_cond("CQ CQ CQ DE FTK FTK QRU? K"); }
        if (at(14700) && ct(1000, 1400)) { p(20, 950, 3); fig_msg_ar("DFA DE DGU = "); }
        if (at(14805) && oh()) { p(18, 650, 2); qrh = 1; send_still("VVV VVV DE JYK JYK JYK  "); }
        if (at(14905) && ct(1500, 1800)) { p(22, 900, 3); let_msg_latin("GKL GKL DE DKW = ", 0x80); }
        if (at({14041, 14053}) && t.wHour % 4 == 0 && cond(4)) { p(14, 550, 1); qrh = 2; send_cond("CQ CQ CQ DE W8CRA W8CRA W8CRA K"); }
    }
    stn();
}

// Recordings, teleprinters and carriers in the background (BGND).
void background_block() {
    if (bkgnd) {
        // Amateur teleprinter, contest weekends busier, and packet bursts.
        if (at({14080, 14083, 14085, 14088})) rtlx_cond_50_170("RTTY", 2);
        if (at({14081, 14086, 14091}) && weekend()) rtlx_cond_50_170("RTTY", 0);
        if (at({14105, 14107, 14109})) qyt4();
        if (at(14069) && cond(2)) tuning();
        // Fixed service teleprinters and facsimile.
        if (at({14369, 14548}) && t.wHour % 3 == 0) rtlx("TASS MOSCOW", 850, 50);
        if (at(14391)) rtlx_cond_75_850("RIW", 2);
        if (at(14436) && (ct(600, 900) || ct(1800, 2000))) fax(120, 576);
        if (at(14482)) rtlx_cond("AFP", 425, 50, 3);
        if (at(14605)) rtlx_cond_50_850("DPA", 4);
        if (at(14658)) rtlx_cond_arqe_96("ARQE", 2);
        if (at(14741)) rtlx_cond_100_850("MFA", 5);
        if (at({14507, 14802})) { qsa = 2; data(300, 2); }
        if (at(14880) && cond(3)) tuning();
        qsa = 1;
        if (at({14418, 14525, 14634, 14777, 14932}) && oh()) n0n(1200);
    }

    get_background(193, background_tab_14, prob_tab_14);
}

}  // namespace

void band_14() {
    band_start(14, 12);
    weather_broadcasts();
    amateur();
    fixed_service();
    daylight_block();
    historical_block();
    background_block();
    band_end(14);
}

}  // namespace kestrel
