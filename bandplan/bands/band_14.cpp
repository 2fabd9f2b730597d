// Stations of 14000-14999 kHz, tested in order; every entry that applies is queued.
// 14000-14070 amateur telegraphy, 14070-14112 amateur teleprinter, packet and
// the beacon chain on 14100, 14112-14350 amateur telephony, 14350-14990 fixed
// service (naval, military, diplomatic), 14996 the Moscow time signal.

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
#include "traffic/amateur.h"
#include "traffic/blocks.h"
#include "traffic/military.h"
#include "traffic/naval.h"
#include "traffic/netcheck.h"

namespace kestrel {

// The blocks kept in their own files (band_14_*.cpp).
void band_14_fixed();
void band_14_day();
void band_14_hist();
void band_14_bkgnd();

namespace {

// The amateur band: telegraphy, bulletins, contests, beacons, telephony.
void amateur_band() {
    // Amateur telegraphy: the DX end, the general segment (contests on
    // Saturdays), the top of the segment; low power on 14060.
    if (within(14000, 14022) && cond(2)) amateur_tfc();
    if (within(14022, 14049)) {
        if (t.wDayOfWeek > 5) contest_qso();
        else amateur_tfc();
    }
    if (within(14049, 14070) && cond(2)) amateur_tfc();
    if (at(14060) && cond(3)) qrp_qso();
    // A national contest at weekend afternoons, German evening QSOs, a
    // special-event station and an expedition in the Pacific.
    if (at(14035) && weekend() && ct(1200, 1800)) spk();
    if (at(14042) && ct(1700, 2100) && cond(3)) german_qso();
    if (at(14058) && eh() && cond(3)) spe_event();
    if (at(14031) && ct(1000, 1400)) li2b(14);

    // A rare station working split, its callers listening up.
    if (at(14023) && ct(400, 1200) && od()) amateur_dx();
    if (at(14025) && ct(400, 1200) && od()) dx_pileup();


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
        sendf("QST QST QST DE W1AW W1AW W1AW  ARRL BULLETIN NR %d = ", day_of_year() / 7 + 1);
        send_stack("THE SOLAR FLUX THIS WEEK AVERAGED 142 AND THE PLANETARY A INDEX 9 = "
                   "CONDITIONS ON 20 AND 17 METERS WERE GOOD TO ALL CONTINENTS DURING DAYLIGHT = "
                   "NEXT BULLETIN AT 0400 UTC = QST DE W1AW  AR  SK");
    }

    // Slow telegraphy near the top of the segment.
    // Low power calling frequency.

    // Weekend contests fill the telegraphy segment.
    if (at(14001) && weekend()) { p(32, 700, 4); send_still("CQ TEST DL0CS DL0CS TEST  "); }
    if (at(14010) && weekend()) { p(34, 620, 4); send_still("CQ TEST OH0Z OH0Z TEST  "); }
    if (at(14014) && weekend()) { p(30, 880, 3); send_still("TEST 9A1A 9A1A  "); }
    if (at(14019) && weekend()) { p(36, 760, 5); send_still("CQ TEST LZ9W LZ9W TEST  "); }
    if (at(14024) && weekend()) { p(31, 930, 3); send_still("CQ TEST UA2F UA2F  "); }
    if (at(14030) && weekend()) { p(33, 710, 4); send_still("CQ TEST PI4CC PI4CC TEST  "); }
    if (at(14036) && weekend()) { p(32, 800, 3); send_still("TEST EF8U EF8U  "); }
    if (at(14040) && weekend()) { p(28, 650, 3); send_still("CQ TEST RW0A RW0A TEST  "); }
    if (at(14040) && weekend() && cond(2)) { p(30, 720, 2); send_cond("DL6FBL 5NN 14"); }
    if (at(14047) && weekend()) { p(35, 840, 4); send_still("CQ TEST HG7T HG7T  "); }

    // The beacon chain; here a third of the paths are closed.
    if (at(14100)) world_beacon_net();

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
    if (at(14428) && eh()) fixed_net(NET_RU_NAVY_BLACK_SEA, 24);
    if (at(14467)) { p(22, 1200, 3); send_still("VVV VVV VVV RMP RMP RMP  "); }
    if (at(14467) && mh(49)) { p(22, 1200, 3); fig_msg_ar("RJD38 RJD38 DE RMP "); }
    if (at(14521) && ed()) { p(19, 820, 2); send_cond_par("RIT RIT RIT DE RHFE RHFE  ZZU 14521/14521 K", 4); }
    if (at(14598) && cond(4)) { p(20, 780, 2); clg_cond("RIW", "RJD69", 200); }
    if (at(14598) && ct(800, 830)) { p(22, 900, 3); clg_cond("RIW", "RJD69", 200); }

    // Western naval and military stations.
    if (at(14416)) { p(25, 1100, 3); send_still("VVV VVV VVV FUE FUE FUE  "); }
    if (at(14416) && (ml(5) || (mh(29) && ml(35)))) { p(25, 1100, 3); let_msg_latin("CQ CQ DE FUE = QTC ", 0x80); }
    if (at(14446) && oh()) fixed_net(NET_FR_AIR_2, 41);
    if (at(14453)) { p(24, 960, 3); italian_naval("VVV VVV VVV DE IDR IDR IDR  ", "IDR"); }
    if (at(14474)) fixed_net(NET_TAC_1, 21);
    if (at(14474) && night() && cond(3)) nato_qso();
    if (at(14511) && eh()) { p(22, 1300, 4); send_still("ZKR ZKR ZKR  VVV VVV VVV DE 4XZ 4XZ 4XZ  "); }
    if (at(14537) && ct(900, 1500)) { p(26, 880, 3); send_still("EBA EBA EBA  VVV VVV VVV  "); }
    if (at(14562) && ml(30)) { p(23, 750, 3); send("AIJ1 AIJ1 DE NWP NWP ZBO 1 R  "); nato_qtc(nr, 'R'); }
    if (at(14612) && cond(3)) nato_qso();
    if (at(14647) && ml(45)) { p(20, 900, 3); send_still("VVV VVV VVV DE SXA SXA SXA K  "); }
    if (at(14688)) fixed_net(NET_TAC_4, 10);
    if (at(14712) && mh(14) && ml(20)) { p(23, 940, 3); send("CTP CTP DE CTP2 QTC  "); nato_qtc(nr, 'P'); }

    // Diplomatic and government stations.
    if (at(14439) && cond(3)) { p(20, 1000, 3); send_cond("SUA SUA SUA DE SUA7 SUA7 QTC 1 K"); }
    if (at(14439) && ms(20)) { p(20, 1000, 3); fig_msg_ar("SUA DE SUA7 = "); }
    if (at(14492)) fixed_net(NET_CZ_DIPLO, 25);
    if (at(14492) && ct(1100, 1200)) { p(22, 870, 3); let_msg_latin("OLX DE OLZ7 = ", 1); }
    if (at(14631) && eh() && ml(30)) { p(24, 1240, 4); send_cond_par("7TA 7TA 7TA DE 7TA21 7TA21 K", 2); }
    if (at(14674) && cond(2)) { p(19, 740, 2); send_cond("CNA CNA DE CNA4 CNA4 QSA? K"); }
    if (at(14674) && ms(40)) { p(19, 740, 2); fig_msg_ar("CNA DE CNA4 "); }
    if (at(14730)) { p(24, 1000, 3); send_still("VVV VVV VVV DE 5AL 5AL 5AL QSX 14730  "); }
    if (at(14766) && ct(700, 900)) { p(26, 1180, 3); let_msg_latin("HZN HZN DE HZN6 = ", 0x81); }
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
        if (at(14581) && ml(20)) { p(24, 880, 3); send_cond_par("FUG FUG DE FUG2 FUG2 QTC K", 2); }
        if (at(14817)) { p(20, 700, 2); send_still("7TA21 7TA21 7TA21  VVV VVV VVV  "); }
    }
    if (reg2_day()) {
        if (at(14523)) { p(20, 900, 3); send_cond_par("CLP12 CLP12 CLP12 DE CLP1 CLP1 K", 3); }
        if (at(14523) && ms(30)) { p(20, 900, 3); fig_msg_ar("CLP12 DE CLP1 "); }
        if (at(14868) && cond(2)) { p(24, 1000, 3); send_still("VVV VVV VVV DE LOR LOR LOR  "); }
        if (at(14941) && eh()) { p(23, 1300, 2); send_still("VVV VVV DE CBV CBV CBV QRU  "); }
    }
    if (reg3f_day()) {
        if (at(14459) && cond(2)) { p(22, 780, 3); send_cond("XVN XVN DE XVN7 XVN7 QTC K"); }
        if (at(14696)) { p(25, 900, 2); send_still("VVV VVV VVV DE 3BA3 3BA3 3BA3  "); }
    }
    if (reg3m_day()) {
        if (at(14591)) { p(24, 1050, 3); send_still("VTP VTP VTP  VVV VVV VVV  "); }
        if (at(14743) && ct(500, 700)) { p(21, 820, 3); fig_msg_ar("EPJ DE EPJ4 "); }
    }
    if (reg1rus_day()) {
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
    band_14_bkgnd();

    get_background(193, background_tab_14, prob_tab_14);
}

}  // namespace

void band_14() {
    band_start(14, 12);
    weather_broadcasts();
    diplo_traffic();
    // Intelligence broadcasts, a Soviet marker station, an Algerian navy net
    // and a bearing net of the fixed service.
    if (at(14410) && cond(2)) rus_intel_14(2, "952");
    if (at(14522) && cond(2)) rus_intel_14(1, "ROM");
    if (at(14662)) olx();
    if (at(14791) && ms(40)) qtc_5f_undef();
    if (at(14433)) { p(19, 900, 3); algerian_navy(); }
    if (at(14766) && cond(3)) ins();
    amateur_band();
    fixed_service();
    band_14_fixed();
    daylight_block();
    band_14_day();
    historical_block();
    band_14_hist();
    background_block();
    band_end(14);
}

}  // namespace kestrel
