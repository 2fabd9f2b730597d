// Stations of 23000-23999 kHz, tested in order; every entry that applies is queued.
// Fixed service: naval and army broadcasts, embassy nets and telegraph channel
// markers, military aeronautical voice at 23200-23350; heard by day only.

#include "bandplan/background/background.h"
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
#include "state/receiver.h"
#include "synth/machine.h"
#include "synth/morse.h"
#include "traffic/blocks.h"
#include "traffic/military.h"
#include "traffic/naval.h"
#include "traffic/netcheck.h"

namespace kestrel {

namespace {


const char *unit() { return pick(rus_units, rus_units_23_rows, 1); }

// A unit at sea calling its headquarters with a request.
void call_hq(const char *hq, const char *request) { post_call(hq, unit(), request); }


}  // namespace

void band_23() {
    band_start(23, 22);
    weather_broadcasts();
    diplo_traffic();
    // A U-boat of the war years.
    if (hist && at(23312)) uboot();

    // Naval shore stations and army headquarters.
    if (at(23008) && ct(600, 1600)) { p(22, 900, 3); send_still("VVV VVV VVV DE RIW RIW RIW      "); }
    if (at(23010) && ct(600, 1600) && t.wMinute % 5 != 0) { p(20, 900, 2); call_hq("RIW", "QSA? K"); }
    if (at(23010) && ct(600, 1600) && t.wMinute % 5 == 0) { p(24, 1000, 3); fig_msg_count("CQ CQ DE RIW QTC = ", 30); }
    if (at(23044) && ct(1000, 2100)) { p(24, 850, 4); naval_coast("VVV VVV VVV DE NSS NSS NSS      ", "NSS", us_navy, 37); }
    if (at(23044) && ct(1000, 2100) && mh(49)) { p(24, 850, 4); send("CQ CQ DE NSS "); nato_qtc(nr, 'O'); }
    if (at(23057) && ct(700, 1700)) { p(26, 1100, 3); french_navy_coast("VVV  VVV  VVV  DE  FUE  FUE  FUE  3/12  3/16  3/20  3/23       ", "FUE"); }
    if (at(23088) && ct(500, 1400)) { p(19, 880, 2); call_hq("RMP", "QTC 1 K"); }
    if (at(23108) && ct(800, 1600) && ed()) { p(22, 1250, 3); naval_coast("VVV VVV VVV DE GYA GYA GYA      ", "GYA", rn_vsl, 38); }
    if (at(23121) && ct(700, 1500)) { p(23, 1400, 3); send_still("VVV VVV VVV DE AQP2/4/5/6/7/8      "); }
    if (at(23136) && ct(900, 1700)) { p(22, 1040, 3); italian_naval("VVV VVV VVV DE IDR IDR IDR      ", "IDR"); }
    if (at(23158)) fixed_net(NET_RU_NAVY_BLACK_SEA, 24);
    if (at(23177)) fixed_net(NET_ARMY_D, 27);
    if (at(23194) && ct(700, 1600)) { duplex_radiocheck(5, 2); }
    if (at(23195) && ct(700, 1600)) { duplex_osn(3, 2); }

    // A military flight net.
    if (at(23260)) fixed_net(NET_AIR_C, 32);
    if (at(23337) && ct(900, 1500) && cond(3)) { p(22, 1200, 2); send_cond("A9N DE R3K QSA? K"); }

    // Government and embassy nets.
    if (at(23360) && ct(1200, 2100)) { p(22, 1150, 3); clg_cond("CLP8", "CLP1", 3); }
    if (at(23362) && ct(1200, 2100) && ms20(20)) { p(22, 1150, 3); let_msg_count("CLP8 DE CLP1 QTC = ", 60, 0x80); }
    if (at(23391) && ct(700, 1500)) { qsa_exchange("SUA41", "SUA", 3); }
    if (at(23417) && ct(800, 1400)) { p(21, 980, 3); clg_cond("SNN9", "SNN", 2); }
    if (at(23419) && ct(800, 1400) && ms(30)) { p(21, 980, 3); let_msg_count("SNN9 DE SNN = ", 45, 3); }
    if (at(23451)) fixed_net(NET_US_ARMY, 21);
    if (at(23479) && ct(900, 1700)) { p(18, 1420, 2); clg_cond_bug("OLX31", "OLX", 1); }
    if (at(23497) && ct(500, 1200)) { p(25, 1020, 3); send_still("VVV VVV VVV DE BZR BZR BZR      "); }
    if (at(23498) && ct(500, 1200) && ml(20)) { p(25, 1020, 3); indicator_qtc(2, 60, "BZR62 "); }
    if (at(23538) && ct(700, 1500)) { p(20, 1200, 2); clg_cond("CNA2", "CNA", 2); }
    if (at(23578) && ct(800, 1400) && cond(2)) { low_pwr_mil(); }
    if (at(23603) && ct(700, 1600)) { p(23, 1100, 3); send_cond_par("5AF 5AF DE 5AF3 5AF3 QTC K", 2); }
    if (at(23646) && ct(600, 1700)) { p(24, 760, 3); send_still("VVV VVV VVV DE RAL23 RAL23 RAL23      "); }
    if (at(23648) && ct(600, 1700) && ms10(0)) { p(24, 760, 3); fig_msg_count("RAL5 RAL5 DE RAL23 = ", 50); }
    if (at(23662)) fixed_net(NET_FR_AIR_2, 41);
    if (at(23675) && ct(1000, 1800)) { p(22, 1100, 3); send_still("VVV VVV VVV DE CLN CLN CLN      "); }
    if (at(23697) && ct(900, 1600)) send_vvv("9KL");
    if (at(23723) && ct(800, 1700)) { p(24, 1000, 4); send_still("VVV VVV VVV DE HEC HEC HEC      "); }
    if (at(23748) && ct(700, 1500)) { p(19, 850, 2); send_still("VVV VVV VVV DE 7TA7 7TA7 7TA7      "); }
    if (at(23768) && ct(1000, 1800)) { nato_qso(); }
    if (at(23792) && ct(600, 1400)) { p(22, 870, 3); send_still("VVV VVV VVV DE YOX YOX YOX      "); }
    if (at(23817) && ct(800, 1500)) { p(20, 1000, 3); send_cond_par("QRA? QRA? DE SPW SPW K", 3); }
    if (at(23845) && ct(700, 1600)) random_vvv();
    if (at(23884) && ct(600, 1500)) { p(26, 840, 3); send_still("VVV VVV DE 9KL 9KL 9KL      "); }
    if (at(23912) && ct(900, 1500)) { p(16, 1550, 2); qtc_qsk("YIL4 DE YIL = NR 17 = QSL UR 9 AND 12 = QRU "); send_stack(" K"); }
    if (at(23948)) fixed_net(NET_UK_NAVY, 10);
    if (at(23972) && ct(600, 1500)) { p(21, 1180, 3); send_still("VVV VVV DE TBA3 TBA3 TBA3      "); }
    if (at(23027) && ct(700, 1500)) { p(24, 1000, 4); send_still("VVV VVV VVV DE 7TA 7TA 7TA QSX 18 23 MHZ  "); }
    if (at(23074) && cond(3)) send_cond_bug("SUA SUA DE SUA12 SUA12 QTC 1 K");
    if (at(23148) && ct(800, 1600)) { p(19, 1200, 2); send_still("VVV VVV DE 4XZ 4XZ 4XZ QSX 23148  "); }
    if (at(23166) && oh()) { p(24, 950, 4); send("YZO9 YZO9 DE YZO = "); qtc5f(nr, 30); send_stack(" AR"); }
    if (at(23372) && cond(2)) send_vvv("RCV");
    if (at(23488) && ct(900, 1500)) { p(18, 1000, 3); send_still("VVV VVV VVV DE SXA SXA SXA QRU  "); }
    if (at(23536) && cond(3)) send_cond_bug("OLX OLX DE OLX31 OLX31 QRV K");

    stn();

    if (day()) {
        if (at(23016) && ml(30)) { p(24, 1000, 3); naval_coast("VVV VVV VVV DE CFH CFH CFH      ", "CFH", canadian_navy, 24); }
        if (at(23102)) { p(26, 1000, 4); send_still("VVV VVV VVV DE DFH/DIS DFH/DIS DFH/DIS      "); }
        if (at(23219) && eh()) { p(20, 1000, 3); fig_msg_count("ZZZZ DE OXZ1 = ", 25); }
        if (at(23572) && t.wDayOfWeek >= 1 && t.wDayOfWeek <= 4 && hl(12)) { fav22(); }
        if (at(23705)) { p(22, 1000, 4); send_still("VVV VVV VVV DE HZN HZN HZN      "); }
        if (at(23864) && ml(15)) { p(24, 1100, 3); send_still("VVV VVV DE 6VU 6VU QRU      "); }
        if (at(23187) && cond(3)) { p(24, 1000, 4); send_still("VVV VVV VVV DE ZRH ZRH ZRH  "); }
        if (at(23324) && ct(900, 1500)) { p(22, 1100, 3); send_still("VVV VVV DE 5YE 5YE 5YE QRU  "); }
        if (at(23508) && cond(3)) send_cond_bug("ETD ETD DE ETD4 ETD4 QTC K");
        if (at(23630) && eh()) { p(23, 1000, 4); send_still("VVV VVV VVV DE 9QL 9QL 9QL  "); }
        if (at(23187) && mh(39)) send_vvv("ZRH");
        if (at(23630) && cond(3)) send_vvv("9QL");
        if (at(23794) && ml(20)) send_vvv("TUA");
        if (at(23794) && ct(1000, 1600)) { p(21, 900, 3); send_still("VVV VVV DE TUA TUA TUA ABIDJAN  "); }
    }

    if (reg2_day()) {
        if (at(23034) && ct(1300, 2200)) { p(24, 920, 4); naval_coast("VVV VVV VVV DE NPG NPG NPG      ", "NPG", us_navy, 37); }
        if (at(23346) && oh()) { p(20, 1000, 3); send_still("VVV VVV VVV DE LOR LOR LOR      "); }
        if (at(23564)) { p(23, 1000, 3); clg_cond("CLP5", "CLP1", 4); }
        if (at(23806)) { p(22, 1300, 2); send_still("VVV VVV DE PWZ PWZ PWZ      "); }
    }

    if (reg1rus_day()) {
        if (at(23069)) { p(24, 1000, 3); send_still("VVV VVV DE RJH74 RJH74 RJH74      "); }
        if (at(23461)) { p(25, 900, 4); send_still("VVV VVV VVV DE RKA RKA RKA      "); }
        if (at(23463)) { qsa_exchange("RCF43", "RKA", 3); }
    }

    if (reg3m_day()) {
        if (at(23429)) { p(26, 1000, 4); send_still("VVV VVV VVV DE VTP VTP VTP      "); }
        if (at(23656) && oh()) { p(24, 1000, 3); send_still("VVV VVV DE XSV XSV XSV      "); }
    }

    if (reg3f_day()) {
        if (at(23125)) { p(24, 880, 4); naval_coast("VVV VVV VVV DE NPM NPM NPM      ", "NPM", us_navy, 37); }
        if (at(23738)) { p(21, 1100, 2); french_navy_coast("VVV VVV DE FUM FUM FUM      ", "FUM"); }
    }

    stn();

    if (hist) {
        if (at(23055) && ct(1100, 1700)) { p(38, 1000, 3); send_still("VVV VVV VVV DE WQF WQF WQF      "); }
        if (at(23300) && ct(800, 1400)) { p(34, 1200, 3); send_still("VVV VVV DE DFC DFC DFC      "); }
        if (at(23450) && ct(1200, 1800)) { p(30, 900, 3); send_still("VVV VVV VVV DE LSX LSX LSX      "); }
        if (at(23600) && ct(900, 1500)) { p(36, 1100, 4); send_still("VVV VVV VVV DE GBU GBU GBU      "); }
        if (at(23780) && ct(600, 1200)) { p(28, 1000, 3); send_still("VVV VVV DE RKS RKS RKS      "); }
        if (at(23900) && ct(1000, 1600)) { p(26, 950, 3); send_still("CQ CQ CQ DE FTN FTN FTN PRESSE      "); }
        if (at(23150) && ct(1300, 1900)) { p(30, 1000, 4); send_still("VVV VVV VVV DE WKF WKF WKF ROCKY POINT  "); }
        if (at(23380) && eh()) { p(28, 1100, 3); send_still("VVV VVV DE PCJ PCJ PCJ KOOTWIJK  "); }
        if (at(23600) && ms10(30)) { p(36, 1100, 4); send("CGA DE GBU NR "); fig_msg_count("", 25); }
        if (at(23720) && ct(1000, 1400)) { p(26, 900, 2); send_still("VVV VVV VVV DE IRY IRY IRY ROMA  "); }
    }

    if (bkgnd) {
        // Military aeronautical voice.
        if (at(23214) && day()) fone_cond(4);
        if (at(23227) && ct(1100, 2300)) fone_cond(3);
        if (at(23245) && day()) fone_cond(5);
        if (at(23283) && day()) fone_cond(6);
        if (at(23317) && ct(1200, 2000)) fone_cond(4);
        if (at(23065)) rtlx_cond_50_850("RCV", 2);
        if (at(23095) && day()) rtlx("TASS MOSCOW", 850, 50);
        if (at(23233) && cond(2)) qyt4();
        if (at(23355)) rtlx_cond_arqe_96("SUA", 3);
        if (at(23412) && ct(800, 1600)) fax(120, 576);
        if (at(23528)) rtlx_cond_75_850("RFFV", 0);
        if (at(23615)) rtlx_cond("XINHUA", 425, 50, 2);
        if (at(23684)) rtlx_cond_100_850("KRC", 4);
        if (at(23761) && day()) radar();
        if (at(23826) && cond(4)) tuning();
        if (at(23917)) rtlx_cond_50_425("MENA", 3);
        if (at(23148) && mh(44)) rtlx("4XZ HAIFA", 850, 75);
        if (at(23488) && ct(1200, 1500)) rtlx_cond("SXA ATHINAI", 850, 50, 0);
        if (at(23705) && oh()) rtlx("HZN JEDDAH", 850, 50);
        if (at(23972) && ed()) rtlx_cond("TBA3 ANKARA", 850, 75, 2);
        if (at(23884) && ct(1000, 1400)) rtlx("9KL KUWAIT", 425, 50);
        if (at({23027, 23472}) && ct(900, 1500)) rtlx("7TA ALGER", 850, 50);
        if (at({23087, 23132, 23173}) && day()) rtlx_cond("AFP PARIS", 425, 50, 3);
        if (at({23256, 23268}) && eh()) rtlx("REUTERS LONDON", 425, 50);
        if (at({23404, 23423}) && ct(1100, 1700)) rtlx_cond("MFA BEOGRAD", 850, 75, 2);
        if (at(23166) && mh(29)) rtlx_cond("TANJUG BEOGRAD", 425, 50, 0);
        if (at({23514, 23587, 23642}) && day()) rtlx("RFFA PARIS", 850, 50);
        if (at({23716, 23752}) && oh()) rtlx_cond("MENA CAIRO", 850, 50, 4);
        if (at({23833, 23871, 23893}) && ct(800, 1600)) rtlx("ANSA ROMA", 850, 50);
        if (at(23931)) { qsa = 3; sitor_marker(1000, 20, "HEC"); }
        qsa = 2;
        if (at({23020, 23140, 23395, 23545, 23690, 23850, 23960}) && day()) n0n(1000);
    }

    get_background(144, background_tab_23, prob_tab_23);

    band_end(23);
}

}  // namespace kestrel
