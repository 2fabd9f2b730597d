// Band 14, unconditional entries beyond the first run: the amateur band's
// contacts, nets and club stations, and the naval, military and government
// stations of the fixed service above it.

#include "bandplan/entry.h"
#include "bandplan/fixed_nets.h"
#include "procedures/predicates.h"
#include "procedures/procedures.h"
#include "procedures/send.h"
#include "procedures/voice.h"
#include "state/clock.h"
#include "traffic/amateur.h"
#include "traffic/blocks.h"
#include "traffic/military.h"
#include "traffic/naval.h"
#include "traffic/netcheck.h"

namespace kestrel {

namespace {

// More of the amateur band: contacts across the telegraphy segment, nets
// and the telephony segment.
void amateurs() {
    if (at(14002) && cond(2)) amateur_dx();
    if (at(14005) && ct(2200, 600)) dx_pileup();
    if (at(14008) && cond(3)) { find_2stns(); amateur_qso(); }
    if (at(14012) && eh()) { find_2stns(); amateur_qso(); }
    if (at(14016) && cond(2)) qsa_qra_qso("PA0WJV", "ON4KRS", "JAN", "MARCEL");
    if (at(14021) && ct(600, 1000)) amateur_dx();
    if (at(14028) && weekend() && cond(2)) contest_qso();
    if (at(14033) && cond(3)) qrp_qso();
    if (at(14038) && ct(1800, 2300)) german_qso();
    if (at(14044) && cond(2)) { find_2stns(); amateur_qso(); }
    if (at(14052) && night()) amateur_tfc();
    if (at(14055) && cond(3)) spe_event();
    if (at(14057) && ct(1300, 1700)) cluster_beacon();
    if (at(14062) && od()) propagation_info();
    if (at(14064) && cond(2)) { find_2stns(); amateur_qso(); }
    if (at(14067) && cond(3)) qsa_qra_qso("EA4BT", "CT1PQ", "JOSE", "ARMANDO");
    // Club stations on the air at fixed times.
    if (at(14026) && ct(1400, 1600) && t.wDayOfWeek == 0) { p(22, 700, 5); send_still("CQ CQ CQ DE W1AW W1AW W1AW  QRV  "); }
    if (at(14045) && ct(1900, 2000) && t.wDayOfWeek == 3) { p(30, 640, 5); send_still("QST QST DE GB2CW GB2CW  RSGB SLOW MORSE PRACTICE  "); }
    if (at(14053) && ct(1000, 1200) && weekend()) { p(26, 810, 4); send_still("CQ CQ DE 4U1ITU 4U1ITU 4U1ITU  "); }
    if (at(14034) && ct(700, 900) && weekend()) { p(16, 900, 3); send_cond("CQ DE 4U1UN 4U1UN 4U1UN K"); }
    // Telephony nets, heard as voice.
    if (at({14150, 14175, 14195, 14205}) && ct(1000, 2200)) fone_cond(3);
    if (at({14226, 14250, 14283, 14336}) && eh()) fone_cond(4);
}

// Russian and Soviet naval stations and their ships.
void russian_navy() {
    if (at(14382) && cond(3)) { p(21, 820, 0); send_cond_bug("RCV RCV DE RJD99 RJD99 QSA? K"); }
    if (at(14393)) { p(24, 1000, 4); send_still("VVV VVV VVV DE RIT RIT RIT QSX 8 14  "); }
    if (at(14393) && ms20(20)) { p(24, 1000, 4); fig_msg("RJH69 RJH69 DE RIT RIT QTC ", " + K"); }
    if (at(14405) && cond(4)) { p(19, 760, 3); send_cond("RMKB RMKB DE RIW RIW QSA? K"); }
    if (at(14425) && mh(30)) { p(22, 1180, 3); clg_cond("RIR", "RJE41", 200); }
    if (at(14467) && cond(3)) { p(15, 900, 3); send_cond_bug("RMP RMP DE RJD38 RJD38 QTC 1 K"); }
    if (at(14501)) send_vvv("RIW");
    if (at(14521) && cond(3)) { p(21, 1100, 4); send_cond("RHFE RHFE DE RIT RIT QRV K"); }
    if (at(14598) && ms10(40)) { p(24, 1000, 4); fig_msg_count("RJD69 RJD69 DE RIW = ", 20); }
    if (at(14627)) send_vvv("RCV");
    if (at(14692) && cond(2)) { p(16, 1320, 3); send_cond("RCV RCV V RJH74 RJH74 QSA? K"); }
    if (at(14922) && cond(3)) { p(20, 940, 1); send_cond_bug("RIW RIW DE RJD99 RJD99 QTC 2 K"); }
    if (at(14950) && oh()) { p(16, 1580, 4); send_still("VVV VVV VVV DE RMP RMP RMP QSX 11 14  "); }
}

// Western naval and military stations.
void western_military() {
    if (at(14429) && eh()) { p(24, 1000, 4); send_still("VVV VVV VVV DE FUM FUM FUM  "); }
    if (at(14429) && eh() && ms(30)) { p(24, 1000, 4); let_msg_latin("CQ DE FUM = ", 0x80); }
    if (at(14453) && cond(3)) { p(36, 1000, 3); send_cond_bug("IDR IDR DE IGJ IGJ QTC 1 K"); }
    if (at(14461) && ct(600, 1800)) { p(15, 1380, 4); send_still("VVV VVV VVV DE GYU GYU GYU  "); }
    if (at(14486) && mh(40)) { p(35, 1000, 4); nato_msg("B7F DE NAM = ", 'R'); }
    if (at(14511) && eh() && ms20(20)) { p(22, 1300, 4); fig_msg("4XZ4 4XZ4 DE 4XZ = ", " AR"); }
    if (at(14517) && cond(2)) nato_qso();
    if (at(14532)) { p(24, 1000, 4); send_still("VVV VVV VVV DE NSS NSS NSS QSX 8 14 18  "); }
    if (at(14532) && ms(10)) { p(24, 1000, 4); naval_coast("VVV VVV VVV DE NSS NSS NSS  ", "NSS", us_navy, 37); }
    if (at(14551) && ms10(10)) fixed_net(NET_TAC_3, 23);
    if (at(14562) && cond(3)) { p(23, 1160, 3); send_cond_bug("NWP NWP DE AIJ1 AIJ1 R K"); }
    if (at(14576) && ct(900, 2100)) { p(21, 1000, 4); send_still("VVV VVV VVV DE CTV CTV CTV  "); }
    if (at(14593) && eh()) { p(25, 1000, 3); send_still("VVV VVV VVV DE SXA SXA SXA QSX 13 14  "); }
    if (at(14608) && oh() && ml(30)) { p(22, 1600, 4); send_still("VVV VVV VVV DE PBC PBC PBC  "); }
    if (at(14647) && cond(3)) { p(36, 900, 3); send_cond_bug("SXA SXA DE SXA5 SXA5 QTC K"); }
    if (at(14667) && ct(1200, 1800)) { p(24, 1000, 4); send_still("VVV VVV VVV DE OVG OVG OVG  "); }
    if (at(14712) && cond(3)) { p(36, 1080, 3); send_cond("CTP2 CTP2 DE CTP CTP QRK? K"); }
    if (at(14725)) { p(23, 1000, 4); send_still("VVV VVV VVV DE NPM NPM NPM QSX 8 12 14  "); }
    if (at(14725) && mh(50)) { p(23, 1000, 4); nato_msg("VVV DE NPM = ", 'O'); }
    if (at(14737) && cond(2)) { p(22, 1450, 3); send_cond_bug("NPM NPM DE NRV NRV QTC 2 K"); }
    if (at(14759) && ml(20)) { p(24, 1000, 3); send_still("VVV VVV VVV DE VHP VHP VHP  "); }
    if (at(14786) && eh()) { p(21, 1220, 3); send_still("VVV VVV VVV DE FUX FUX FUX  "); }
    if (at(14798) && cond(2)) nato_qso();
    if (at(14811) && ms10(50)) fixed_net(NET_FR_NAVY_1, 41);
    if (at(14835) && oh()) { p(16, 1000, 4); send_still("VVV VVV VVV DE FUV FUV FUV QSX 6 8 14  "); }
}

// Government circuits: embassies calling their ministries.
void government() {
    if (at(14439) && cond(4)) { p(21, 1000, 4); send_cond("SUA7 SUA7 DE SUA SUA QRV K"); }
    if (at(14479) && cond(3)) { p(12, 1250, 4); send_cond_bug("LZO LZO DE LZO32 LZO32 QTC 1 K"); }
    if (at(14492) && ms(40)) { p(22, 870, 3); let_msg_latin("OLX DE OLZ4 = ", 1); }
    if (at(14543) && cond(2)) { p(19, 1000, 1); send_cond_bug("XVN XVN DE XVN9 XVN9 QTC 2 K"); }
    if (at(14631) && mh(30) && eh()) { p(40, 1240, 4); fig_msg("7TA 7TA DE 7TA21 = ", " AR"); }
    if (at(14674) && ms(50)) { p(19, 740, 3); let_msg_latin("CNA DE CNA4 = ", 1); }
    if (at(14683) && cond(3)) { p(24, 1000, 4); send_cond_bug("STK STK DE STK9 STK9 QRV? K"); }
    if (at(14793) && cond(3)) { p(20, 1000, 3); send_cond_bug("YOE YOE DE YOE7 YOE7 QTC 1 K"); }
    if (at(14822) && oh()) { p(24, 1000, 4); send_still("VVV VVV VVV DE CLP1 CLP1 CLP1 QSX 14822  "); }
    if (at(14822) && oh() && ms(40)) { p(24, 1000, 4); fig_msg("CLP15 CLP15 DE CLP1 = ", " AR"); }
    if (at(14829) && cond(3)) { p(22, 920, 3); send_cond("PWZ PWZ DE PWZ33 PWZ33 QRV? K"); }
    if (at(14856) && cond(2)) { p(40, 1260, 3); send_cond_bug("3VX 3VX DE 3VX7 3VX7 QTC 1 K"); }
    if (at(14926) && cond(3)) { p(24, 1150, 3); send_cond_bug("5NA 5NA DE 5NA12 5NA12 QRV? K"); }
    if (at(14943) && ms20(0)) { p(20, 1000, 3); fig_msg_ar("TJA DE TJA6 = "); }
    if (at(14955) && cond(4)) { p(20, 1150, 3); send_cond("SPW23 SPW23 DE SPW SPW QRV K"); }
    if (at(14966) && oh()) { p(23, 1420, 4); send_still("VVV VVV DE D3A D3A D3A QSX 14966  "); }
    if (at(14974) && cond(3)) { p(14, 700, 3); send_cond_bug("GYU GYU DE GYA GYA QTC 1 K"); }
}


// Outstations asking the net stations for a report, and short exchanges
// between them.
void reports_and_exchanges() {
    if (at(14393) && cond(2)) send_vvv("RIT");
    if (at(14467) && ml(20)) send_vvv("RMP");
    if (at(14416) && eh()) send_vvv("FUE");
    if (at(14532) && cond(3)) send_vvv("NSS");
    if (at(14576) && ct(900, 1500)) send_vvv("CTV");
    if (at(14725) && mh(40)) send_vvv("NPM");
    if (at(14835) && oh()) send_vvv("FUV");
    if (at(14730) && cond(3)) send_vvv("5AL");
    if (at(14822) && oh() && ml(30)) send_vvv("CLP1");
    if (at(14922) && ml(45)) send_vvv("RIW");
    if (at(14647) && cond(2)) send_vvv("SXA");
    if (at(14461) && cond(3)) { p(15, 2000, 4); send("GYU GYU DE GYA GYA "); wait(6); send_stack("QSX 14461 QRK? K"); }
    if (at(14759) && mh(30)) { p(24, 1000, 5); send("VHP4 VHP4 DE VHP VHP ZBO 3 "); wait(4); send_stack("QSL? K"); }
    if (at(14593) && cond(3)) { p(21, 2200, 3); send("SXA SXA DE SXA2 SXA2 "); wait(8); send_stack("QTC 2 QRV? K"); }
    if (at(14909) && eh() && mh(40)) { p(20, 1960, 1); send("9GA 9GA DE 9GA7 9GA7 "); wait(7); send_stack("QSA? QTC 1 K"); }
    if (at(14966) && cond(3)) { p(22, 1420, 4); send("D3A D3A DE D3A6 D3A6 "); wait(9); send_stack("QRV? K"); }
    if (at(14608) && oh() && mh(40)) { p(24, 1000, 5); send("PBC PBC DE PBC4 PBC4 "); wait(5); send_stack("QRK? QSA? K"); }
    if (at(14786) && cond(4)) { p(25, 2320, 3); send("FUX FUX DE FUX7 FUX7 "); wait(6); send_stack("QTC 1 K"); }
    if (at(14985) && ct(1600, 1700)) { p(19, 1000, 1); send("9QA 9QA DE 9QA2 9QA2 "); wait(10); send_stack("QTC 2 QRV? K"); }
    if (at(14706) && eh() && cond(3)) { p(21, 1740, 4); send("JYC JYC DE JYC2 JYC2 "); wait(6); send_stack("QSA? K"); }
    if (at(14950) && oh() && ms(50)) { p(16, 1580, 5); send("RJD38 RJD38 DE RMP RMP "); wait(3); send_stack("QRT QRT SK"); }
}

}  // namespace

void band_14_fixed() {
    amateurs();
    russian_navy();
    western_military();
    government();
    reports_and_exchanges();
    stn();
}

}  // namespace kestrel
