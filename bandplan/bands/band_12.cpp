// Stations of 12000-12999 kHz, tested in order; every entry that applies is queued.
// To 12230 fixed service; then the 12 MHz maritime band: ship working
// telegraphy 12230-12480, ship narrow-band printing to 12555, the ship calling
// channels 12555-12577, coast printing channels from 12579 and coast
// telegraphy above them.

#include "bandplan/background/background.h"
#include "bandplan/bands/band_12_blocks.h"
#include "bandplan/bands/coast_watch.h"
#include "bandplan/bands/ship_work.h"
#include "bandplan/entry.h"
#include "bandplan/entry_helpers.h"
#include "bandplan/fixed_nets.h"
#include "procedures/markers.h"
#include "procedures/predicates.h"
#include "procedures/procedures.h"
#include "procedures/send.h"
#include "state/clock.h"
#include "state/emission.h"
#include "state/receiver.h"
#include "synth/machine.h"
#include "synth/morse.h"
#include "traffic/aero.h"
#include "traffic/blocks.h"
#include "traffic/fleets.h"
#include "traffic/military.h"
#include "traffic/naval.h"
#include "traffic/netcheck.h"
#include "traffic/ship_coast.h"

namespace kestrel {

namespace {

// Fixed service below the maritime band and the ship working channels.
void fixed_and_ship_working() {
    // Fixed service below the maritime band.
    if (at(12108) && ms10(10)) duplex_radiocheck(5, 2);
    if (at(12123)) { p(22, 1000, 3); send_still("VVV VVV VVV DE RIW RIW RIW  "); }
    if (at(12131) && cond(3)) { p(20, 880, 3); clg_cond("RIW", "RJD99", 200); }
    if (at(12142) && ms20(40)) { p(18, 1020, 3); fig_msg("RJE54 RJE54 DE RIW RIW QTC ", " + K"); }
    if (at(12156)) low_pwr_mil();
    if (at(12166) && eh() && ml(30)) { p(24, 1100, 4); french_navy_coast("VVV VVV VVV DE FUG FUG FUG  ", "FUG"); }
    if (at(12178) && cond(2)) nato_qso();
    if (at(12191) && ms10(20)) fixed_net(NET_FR_AIR_2, 41);
    if (at(12199) && oh()) { p(22, 940, 3); send_cond("FDE7 FDE7 DE FDC FDC QTC K"); }
    if (at(12222) && cond(3)) { p(24, 1200, 2); send_cond("DE SUA SUA QRV? K"); }
    if (at(12213) && ms10(30) && t.wDayOfWeek != 0) { p(21, 870, 3); fig_msg("VVV 215 215 215 00000  ", " 000 000  "); }

    // Ship working telegraphy: observations, position reports and telegrams.
    if (at(12232) && cond(3)) { p(20, 700, 3); obs_tfc("DAN", "OBS SEEWETTERAMT HAMBURG"); }
    if (at(12236) && cond(3)) { p(18, 820, 2); vsl_tfc("PCH"); }
    if (at(12241) && cond(2)) { p(22, 950, 3); obs_tfc("GKA", "OBS METEO BRACKNELL"); }
    if (at(12245) && mh(15) && cond(3)) { p(16, 640, 2); vsl_tfc("UAT"); }
    if (at(12249) && cond(3)) { p(24, 1000, 3); vsl_tfc("OXZ"); }
    if (at(12253) && cond(2)) { p(19, 760, 2); obs_tfc("WCC", "OBS NWS WASHINGTON"); }
    if (at(12258) && cond(3)) { p(21, 1150, 3); vsl_tfc("SVA"); }
    if (at(12262) && oh() && cond(2)) { p(20, 880, 3); obs_tfc("LGB", "OBS METEO BERGEN"); }
    if (at(12266) && cond(3)) { p(17, 590, 2); vsl_tfc("KPH"); }
    if (at(12271) && cond(3)) { p(23, 920, 3); vsl_tfc("IAR"); }
    if (at(12275) && cond(2)) { p(18, 1000, 2); obs_tfc("FFL", "OBS METEO PARIS"); }
    if (at(12279) && cond(3)) { p(26, 860, 3); vsl_tfc("SAG"); }
    if (at(12284) && eh() && cond(2)) { p(20, 700, 2); obs_tfc("UAT", "OBS GIDROMET MOSKVA"); }
    if (at(12288) && cond(3)) { p(21, 830, 3); vsl_tfc("DAN"); }
    if (at(12293) && cond(3)) { p(19, 980, 2); vsl_tfc("WLO"); }
    if (at(12297) && cond(2)) { p(24, 1050, 3); obs_tfc("PCH", "OBS KNMI DEBILT"); }
    if (at(12302) && cond(3)) { p(16, 700, 2); vsl_tfc("SPH"); }
    if (at(12311) && cond(3)) { p(22, 1080, 3); obs_tfc("OST", "OBS METEO UCCLE"); }
    if (at(12316) && cond(2)) { p(20, 900, 2); vsl_tfc("GKA"); }
    if (at(12321) && od() && cond(3)) { p(25, 1200, 3); obs_tfc("JOS", "OBS JMA TOKYO"); }
    if (at(12326) && cond(3)) { p(18, 780, 2); vsl_tfc("CUL"); }
    if (at(12333) && cond(2)) { p(21, 950, 3); obs_tfc("VIS", "OBS BOM SYDNEY"); }
    if (at(12337) && cond(3)) { p(19, 1010, 2); vsl_tfc("9VG"); }
    if (at(12341) && cond(3)) { p(23, 880, 3); obs_tfc("DAN", "OBS SEEWETTERAMT HAMBURG"); }
    if (at(12346) && cond(2)) { p(20, 730, 2); vsl_tfc("UFN"); }
    if (at(12351) && mh(30) && cond(2)) { p(22, 960, 3); obs_tfc("SAG", "OBS SMHI NORRKOPING"); }
    if (at(12355) && cond(3)) { p(17, 820, 2); vsl_tfc("ZSC"); }
    if (at(12360) && cond(3)) { p(24, 1100, 3); obs_tfc("IAR", "OBS METEO ROMA"); }
    if (at(12364) && cond(2)) { p(20, 850, 2); vsl_tfc("SVA"); }
    if (at(12369) && cond(3)) { p(19, 990, 3); vsl_tfc("FFL"); }
    if (at(12373) && eh() && cond(2)) { p(21, 760, 2); obs_tfc("OXZ", "OBS DMI KOBENHAVN"); }
    if (at(12378) && cond(3)) { p(23, 920, 3); vsl_tfc("WCC"); }
    if (at(12383) && cond(3)) { p(18, 1120, 2); obs_tfc("PCH", "OBS KNMI DEBILT"); }
    if (at(12388) && cond(2)) { p(20, 870, 3); vsl_tfc("SPH"); }
    if (at(12392) && cond(3)) { p(22, 700, 2); obs_tfc("UAT", "OBS GIDROMET MOSKVA"); }
    if (at(12397) && cond(3)) { p(24, 1000, 3); vsl_tfc("OST"); }
    if (at(12402) && cond(2)) { p(19, 1060, 2); obs_tfc("LGB", "OBS METEO BERGEN"); }
    if (at(12406) && cond(3)) { p(21, 830, 3); vsl_tfc("DAN"); }
    if (at(12411) && oh() && cond(3)) { p(17, 950, 2); obs_tfc("KPH", "OBS NWS SANFRANCISCO"); }
    if (at(12416) && cond(3)) { p(25, 1150, 3); vsl_tfc("GKA"); }
    if (at(12420) && cond(2)) { p(20, 900, 2); obs_tfc("SVA", "OBS EMY ATHINAI"); }

    // Ship to ship and a few coast replies on the working channels.
    if (at({12243, 12318}) && cond(3)) qsa_exchange("UUBN", "UTFW", 2);
    if (at(12329) && cond(4)) qsa_exchange("SQFC", "SPKW", 3);
    if (at(12385) && cond(3)) qsa_exchange("DCJK", "DHQE", 0);
}

// Ship calling channels and coast telegraphy.
void ship_calling_and_coast() {
    // Ship calling channels: ships call their coast stations, hand keyed.
    if (at(12555) && cond(2)) vsl_clg_coast();
    if (at(12556) && cond(3)) vsl_clg_coast();
    if (at(12557) && cond(2)) vsl_clg_coast();
    if (at(12558) && cond(3)) vsl_clg_coast();
    if (at(12559) && cond(2)) vsl_clg_coast();
    if (at(12560) && cond(3)) vsl_clg_coast();
    if (at(12561) && cond(2)) vsl_clg_coast();
    if (at(12562) && cond(3)) vsl_clg_coast();
    if (at(12563) && cond(2)) vsl_clg_coast();
    if (at(12564) && cond(3)) vsl_clg_coast();
    if (at(12565) && cond(2)) vsl_clg_coast();
    if (at(12566) && cond(3)) vsl_clg_coast();
    if (at(12567) && cond(2)) vsl_clg_coast();
    if (at(12568) && cond(3)) vsl_clg_coast();
    if (at(12569) && cond(2)) vsl_clg_coast();
    if (at(12570) && cond(3)) vsl_clg_coast();
    if (at(12571) && cond(2)) vsl_clg_coast();
    if (at(12572) && cond(3)) vsl_clg_coast();
    if (at(12573) && cond(2)) vsl_clg_coast();
    if (at(12574) && cond(3)) vsl_clg_coast();
    if (at(12575) && cond(2)) vsl_clg_coast();
    if (at(12576) && cond(3)) vsl_clg_coast();
    if (at(12577) && cond(3)) vsl_clg_coast();
    if (at(12555) && mh(20) && cond(2)) { p(13, 860, 3); send_cond("SPE SPE DE SQHC SQHC QTC 4 QRU? K"); }
    if (at(12557) && cond(4)) { p(17, 1230, 4); send_cond_bug("9HD 9HD DE 9HPQ 9HPQ QSA? K"); }
    if (at(12559) && cond(3)) { p(21, 1300, 3); send_cond("CUL CUL DE CSBA CSBA QTC 2 QSL? K"); }
    if (at(12561) && cond(3)) { p(25, 700, 4); send_cond_bug("TAH TAH TAH DE TCVK TCVK AS K"); }
    if (at(12563) && cond(2)) { p(22, 1900, 3); send_cond("UAT UAT DE UMKQ UMKQ RPT QTC K"); }
    if (at(12565) && cond(4)) { p(20, 980, 5); send_cond("CNP CNP DE CNHA CNHA TR? K"); }
    if (at(12567) && cond(2)) { p(21, 1250, 3); send_cond("XSQ XSQ DE BOAK BOAK QTC 2 K"); }
    if (at(12569) && cond(3)) { p(24, 1070, 4); send_cond("YUR YUR DE YTQB YTQB QTC 1 TR K"); }
    if (at(12571) && cond(4)) { p(18, 1460, 3); send_cond_bug("4PB 4PB DE 4PCN 4PCN QSA? QRV K"); }
    if (at(12573) && cond(3)) { p(22, 1000, 4); send_cond("ZSD ZSD DE ZSRC ZSRC QTC 3 PSE QRV K"); }
    if (at(12575) && cond(3)) { p(20, 1480, 3); send_cond_bug("LFN LFN DE LMBH LMBH QTC 2 K"); }
    if (at({12557, 12563, 12569, 12575}) && cond(4)) { p(22, 960, 3); clg_cond("SAG", "SKUZ", 3); }

    // Coast telegraphy: markers with their watch, answers, working channels.
    if (at(12579)) { p(22, 900, 3); coast_station_ex("VVV VVV VVV DE SPE SPE SPE QRU?  ", "SPE", "SZCZECIN"); }
    if (at(12590) && ml(50)) { p(24, 1000, 3); coast_station_ex("CQ CQ CQ DE DAN DAN DAN QSX 12 16 MHZ K   ", "DAN", "NORDDEICH"); }
    if (at(12598)) { p(22, 850, 4); coast_station_ex("CQ DE PCH PCH PCH QSX 8 12 16 22 MHZ K   ", "PCH", "SCHEVENINGEN"); }
    if (at(12603) && cond(2)) { p(22, 850, 4); coast_qsx("PCH"); }
    if (at(12611) && !ms(0)) { p(25, 1000, 4); coast_station_ex("CQ CQ CQ DE GKA GKA GKA QSX 4 6 8 12 16 22 MHZ  ", "GKA", "PORTISHEAD"); }
    if (at(12615) && cond(2)) { p(25, 1000, 4); coast_qsx("GKA"); }
    if (at(12622)) { p(21, 1100, 3); coast_station_ex("CQ DE OXZ OXZ OXZ = QRU? QTC? = QSX 12 16 MHZ K   ", "OXZ", "LYNGBY"); }
    if (at(12629) && eh()) { p(23, 950, 3); coast_station_ex("VVV VVV VVV DE LGB LGB LGB QSX 12 MHZ K  ", "LGB", "ROGALAND"); }
    if (at(12632)) { p(20, 800, 3); coast_station_ex("CQ CQ CQ DE UAT UAT UAT QRU? QSX 8 12 16 MHZ K   ", "UAT", "MOSKVA"); }
    if (at(12636) && cond(2)) { p(20, 800, 3); coast_qsx("UAT"); }
    if (at(12645)) { p(24, 1050, 3); coast_station_ex("CQ DE OST OST OST = QSX 6 8 12 MHZ = TFC LIST EVERY 2 HRS + K   ", "OST", "OOSTENDE"); }
    if (at(12651) && oh()) { p(22, 1200, 3); coast_station_ex("CQ DE SVA SVA SVA QSX 12 16 MHZ K   ", "SVA", "ATHINAI"); }
    if (at(12655) && cond(3)) { p(22, 1200, 3); coast_qsx("SVA"); }
    if (at(12658)) { p(26, 900, 3); coast_station_ex("CQ DE FFL FFL FFL = QSX 8 12 16 MHZ = QRU? + K   ", "FFL", "SAINTLYS"); }
    if (at(12664) && ml(30)) { p(20, 1000, 3); coast_station_ex("CQ DE IAR IAR IAR ROMA RADIO QSX 8 12 16 MHZ K   ", "IAR", "ROMA"); }
    if (at(12669)) { p(18, 950, 3); coast_station_ex("CQ CQ DE SPH SPH SPH QSX 12 MHZ K   ", "SPH", "GDYNIA"); }
    if (at(12673) && cond(2)) { p(18, 950, 3); coast_qsx("SPH"); }
    if (at(12678) && !ms(30)) { p(24, 1000, 3); coast_station_ex("CQ DE SAG SAG SAG QSX 12 16 MHZ K   ", "SAG", "GOTEBORG"); }
    if (at(12687) && ml(45)) { p(22, 850, 3); coast_station_ex("VVV VVV VVV DE UFN UFN UFN  ", "UFN", "NOVOROSSIYSK"); }
    if (at(12695)) { p(25, 900, 3); coast_station_ex("CQ DE WCC WCC WCC QSX 4 6 8 12 16 22 MHZ = TFC LIST ODD HRS + K   ", "WCC", "CHATHAM"); }
    if (at(12706) && od()) { p(21, 1100, 3); coast_station_ex("CQ DE CUL CUL CUL QSX 8 12 MHZ K   ", "CUL", "LISBOA"); }
    if (at(12712)) { p(23, 1000, 3); coast_station_ex("DE 9HD 9HD 9HD QRU? QSX 8 12 16 MHZ K   ", "9HD", "MALTA"); }
    if (at(12724)) { p(22, 900, 3); coast_station_ex("CQ DE Y5M Y5M Y5M RUEGEN RADIO QSX 8 12 16 MHZ K   ", "Y5M", "RUEGEN"); }
    if (at(12731) && eh()) { p(20, 1040, 3); coast_station_ex("CQ CQ DE LZW LZW LZW QSX 12 MHZ K   ", "LZW", "VARNA"); }
    if (at(12738)) { p(21, 860, 3); coast_station_ex("DE YQI YQI YQI QSX 8 12 16 MHZ K   ", "YQI", "CONSTANTA"); }
    if (at(12744) && ml(50)) { p(24, 1020, 3); coast_station_ex("CQ DE 4XO 4XO 4XO QSX 8 12 MHZ K   ", "4XO", "HAIFA"); }
    if (at(12756)) { p(22, 980, 3); coast_station_ex("CQ CQ DE SUH SUH SUH QSX 8 12 MHZ QRU? K   ", "SUH", "ALEXANDRIA"); }
    if (at(12763) && oh()) { p(25, 1100, 3); coast_station_ex("CQ DE CNP CNP CNP QSX 8 12 16 MHZ K   ", "CNP", "CASABLANCA"); }
    if (at(12770)) { p(20, 800, 3); coast_station_ex("CQ DE UDH UDH UDH = QTC? QSX 12 MHZ K   ", "UDH", "RIGA"); }
    if (at(12777) && cond(2)) { p(23, 1000, 3); coast_qsx("UFN"); }
    if (at(12782)) { p(24, 940, 3); send_still("DE OFJ OFJ OFJ QRU? QSX 8 12 MHZ K   "); }
    if (at(12795) && !ms(15)) { p(22, 1000, 3); coast_station_ex("CQ DE TAH TAH TAH QSX 8 12 16 MHZ K   ", "TAH", "ISTANBUL"); }
    if (at(12804) && ml(55)) { p(26, 1050, 4); coast_station_ex("CQ DE KPH KPH KPH QSX 6 8 12 16 22 MHZ = TFC LIST EVEN HRS + K   ", "KPH", "SANFRANCISCO"); }
    if (at(12812) && cond(2)) { p(26, 1050, 4); coast_qsx("KPH"); }
    if (at(12820)) { p(23, 960, 3); coast_station_ex("CQ DE WLO WLO WLO QSX 4 6 8 12 16 22 MHZ QRU? K   ", "WLO", "MOBILE"); }
    if (at(12832) && eh()) { p(20, 1150, 3); coast_station_ex("CQ DE VCS VCS VCS QSX 8 12 MHZ K   ", "VCS", "HALIFAX"); }
    if (at(12841)) { p(25, 900, 3); naval_coast("VVV VVV VVV DE NMN NMN NMN  ", "NMN", us_navy, 37); }
    if (at(12855)) { p(21, 1000, 3); send_still("DE 6VA 6VA 6VA QRU? QSX 8 12 MHZ K   "); }
    if (at(12867) && od()) { p(20, 880, 3); send_still("CQ DE 7TA 7TA 7TA QSX 12 MHZ K   "); }
    if (at(12876)) { p(24, 1000, 3); send_still("CQ DE 3VX 3VX 3VX TUNIS RADIO QSX 8 12 MHZ K   "); }
    if (at(12889) && ml(40)) { p(22, 1100, 3); send_still("DE EHY EHY EHY QRU? QSX 8 12 16 MHZ K   "); }
    if (at(12902)) { p(20, 900, 3); send_still("UKA UKA UKA QRU? QSX 12 MHZ K   "); }
    if (at(12923)) { p(23, 1000, 3); coast_station_ex("CQ DE A9M A9M A9M BAHRAIN RADIO QSX 8 12 16 MHZ K   ", "A9M", "BAHRAIN"); }
    if (at(12935) && eh()) { p(22, 900, 3); coast_station_ex("CQ DE 9KK 9KK 9KK QSX 8 12 MHZ K   ", "9KK", "KUWAIT"); }
    if (at(12947)) { p(24, 1000, 3); coast_station_ex("CQ DE VWB VWB VWB QSX 8 12 16 MHZ = TFC LIST ON THE HOUR + K   ", "VWB", "BOMBAY"); }
    if (at(12958) && ml(30)) { p(21, 960, 3); coast_station_ex("CQ DE 4PB 4PB 4PB QSX 8 12 MHZ K   ", "4PB", "COLOMBO"); }
    if (at(12969)) { p(22, 1050, 3); coast_station_ex("CQ DE ZSC ZSC ZSC CAPE TOWN RADIO QSX 4 8 12 16 MHZ K   ", "ZSC", "CAPETOWN"); }
    if (at(12978) && cond(2)) { p(22, 1050, 3); coast_qsx("ZSC"); }
    if (at(12987)) { p(20, 900, 3); coast_station_ex("CQ DE PPR PPR PPR RIO RADIO QSX 8 12 16 MHZ K   ", "PPR", "RIO"); }
    if (at(12996) && oh()) { p(23, 1000, 3); send_still("CQ DE CWA CWA CWA QSX 8 12 MHZ K   "); }
}

// Ships reporting the weather after the synoptic hours.
void synoptic_ships() {
    // Ships reporting the weather just after the synoptic hours, and more calls.
    if (at(12234) && t.wHour % 6 == 0 && ml(40) && cond(2)) { p(20, 820, 3); obs_tfc("UAT", "OBS GIDROMET MOSKVA"); }
    if (at(12251) && t.wHour % 6 == 0 && cond(2)) { p(22, 960, 3); obs_tfc("XSG", "OBS SMO SHANGHAI"); }
    if (at(12264) && t.wHour % 6 == 0 && mh(10) && cond(2)) { p(18, 700, 2); obs_tfc("WLO", "OBS NWS NEWORLEANS"); }
    if (at(12277) && t.wHour % 6 == 0 && cond(2)) { p(24, 1100, 3); obs_tfc("JCS", "OBS JMA TOKYO"); }
    if (at(12299) && t.wHour % 6 == 0 && cond(2)) { p(21, 900, 3); obs_tfc("SPH", "OBS PIHM GDYNIA"); }
    if (at(12313) && t.wHour % 6 == 0 && cond(2)) { p(19, 760, 2); obs_tfc("LZW", "OBS HMI VARNA"); }
    if (at(12331) && t.wHour % 6 == 0 && cond(2)) { p(23, 1000, 3); obs_tfc("VWB", "OBS IMD BOMBAY"); }
    if (at(12348) && t.wHour % 6 == 0 && cond(2)) { p(20, 880, 3); obs_tfc("ZSC", "OBS WB PRETORIA"); }
    if (at(12366) && t.wHour % 6 == 0 && cond(2)) { p(25, 1050, 3); obs_tfc("PPR", "OBS METEO RIO"); }
    if (at(12381) && t.wHour % 6 == 0 && cond(2)) { p(18, 940, 2); obs_tfc("VIS", "OBS BOM SYDNEY"); }
    if (at(12395) && t.wHour % 6 == 0 && cond(2)) { p(22, 800, 3); obs_tfc("4XO", "OBS METEO BETDAGAN"); }
    if (at(12409) && t.wHour % 6 == 0 && cond(2)) { p(21, 1020, 3); obs_tfc("YUR", "OBS HMZ SPLIT"); }
    if (at(12269) && ct(800, 1800) && cond(3)) { p(20, 880, 2); vsl_tfc("TAH"); }
    if (at(12286) && ct(1200, 2200) && cond(3)) { p(22, 760, 3); vsl_tfc("SUH"); }
    if (at(12339) && ct(0, 1000) && cond(3)) { p(17, 1000, 2); vsl_tfc("JOS"); }
    if (at(12376) && ct(2000, 600) && cond(3)) { p(21, 900, 3); vsl_tfc("KPH"); }
    if (at(12399) && ct(600, 1600) && cond(3)) { p(20, 820, 2); vsl_tfc("YUR"); }
    if (at(12418) && ct(400, 1400) && cond(3)) { p(23, 1000, 3); vsl_tfc("VWB"); }
    if (at({12555, 12561, 12567}) && ct(0, 800) && cond(4)) { p(20, 880, 2); clg_cond("UFL", "UCKD", 200); }
    if (at({12558, 12564, 12570}) && ct(300, 1100) && cond(4)) { p(22, 950, 2); clg_cond("XSG", "BOAB", 2); }
    if (at({12557, 12563}) && ct(1800, 0) && cond(4)) { p(18, 700, 2); clg_cond("WLO", "ELDK9", 3); }
    if (at({12560, 12572}) && ct(2200, 800) && cond(4)) { p(24, 1100, 2); clg_cond("JCS", "JGRS", 2); }
    if (at({12562, 12574}) && ct(600, 1600) && cond(4)) { p(21, 900, 3); clg_cond("SPH", "SQGM", 2); }
    if (at({12556, 12568}) && ct(800, 1800) && cond(4)) { p(19, 760, 3); clg_cond("LZW", "LZDO", 103); }
    if (at({12559, 12571}) && ct(400, 1300) && cond(4)) { p(23, 1000, 2); clg_cond("VWB", "ATVK", 2); }
    if (at({12565, 12577}) && ct(1000, 2000) && cond(4)) { p(20, 880, 3); clg_cond("ZSC", "ZSDW", 2); }
    if (at({12566, 12575}) && ct(1200, 2200) && cond(4)) { p(25, 1050, 2); clg_cond("PPR", "PPVE", 3); }
    if (at({12569, 12576}) && ct(2000, 600) && cond(4)) { p(18, 940, 2); clg_cond("VIS", "VLKN", 2); }
    if (at({12563, 12573}) && ct(600, 1800) && cond(4)) { p(22, 800, 3); clg_cond("4XO", "4XGH", 2); }
    if (at({12558, 12570}) && ct(700, 1700) && cond(4)) { p(21, 1020, 3); clg_cond("YUR", "YUAX", 102); }
    if (at({12561, 12567}) && ct(900, 1900) && cond(4)) { p(20, 880, 2); clg_cond("TAH", "TCBL", 2); }
    if (at({12557, 12575}) && ct(1000, 2200) && cond(4)) { p(22, 760, 3); clg_cond("SUH", "SSAV", 2); }
    if (at(12736) && ct(700, 1900)) { p(22, 950, 3); coast_station_ex("CQ DE YUR YUR YUR RIJEKA RADIO QSX 8 12 MHZ K   ", "YUR", "RIJEKA"); }
    if (at(12753) && ct(600, 2000) && cond(2)) { p(22, 950, 3); coast_qsx("YUR"); }
    if (at(12790) && ct(1900, 700) && cond(2)) { p(24, 1000, 3); coast_qsx("WLO"); }
    if (at(12858) && ct(2200, 900) && cond(2)) { p(23, 1100, 2); coast_qsx("JCS"); }
    if (at(12870) && ct(200, 1000) && cond(2)) { p(22, 950, 2); coast_qsx("XSG"); }
    if (at(12912) && ct(1800, 800)) { p(22, 900, 2); coast_station_ex("CQ DE UFL UFL UFL VLADIVOSTOK RADIO QSX 12 MHZ K   ", "UFL", "VLADIVOSTOK"); }
    if (at(12926) && ct(2000, 600) && cond(2)) { p(21, 900, 2); coast_qsx("UFL"); }
    if (at(12940) && ct(300, 1300)) { p(22, 1000, 2); send_still("CQ DE HLG HLG HLG SEOUL RADIO QSX 8 12 MHZ K   "); }
    if (at(12973) && ct(400, 1400) && cond(2)) { p(23, 1000, 2); coast_qsx("VWB"); }

    stn();
}

// Ships working their coast stations on the working channels, and the coast
// stations calling ships, announcing lists and warnings on their own channels.
void ships_and_answers() {
    if (at(12231) && cond(3)) { p(18, 760, 3); send_cond("GKA GKA GKA DE GBSA GBSA QTC 2 = 1 PRIVATE 1 OWNERS K"); }
    if (at(12234) && cond(3)) { p(21, 1000, 5); send_cond_bug("DAN DAN DE DHRU DHRU QSA? QTC 1 K"); }
    if (at(12239) && cond(3)) { p(16, 640, 5); send_cond("PCH PCH DE PEAW PEAW TR = PEAW ROTTERDAM FOR SANTOS = AR"); }
    if (at(12243) && cond(3)) { p(23, 1200, 3); send_cond("LGB LGB LGB DE LAJV4 LAJV4 QTC 3 K"); }
    if (at(12246) && cond(3)) { p(19, 880, 4); send_cond("SAG SAG DE SKRQ SKRQ QRV? QSA? K"); }
    if (at(12251) && cond(3)) { p(20, 1500, 3); send_cond_bug("OXZ OXZ DE OYEK2 OYEK2 QTC 1 K"); }
    if (at(12257) && cond(3)) { p(17, 720, 3); send_cond("SPE SPE DE SQBZ SQBZ QTC 1 SVC = QSA? K"); }
    if (at(12260) && cond(4)) { p(22, 900, 4); send_cond("UAT UAT DE UUHX UUHX QTC 4 RDO K"); }
    if (at(12264) && cond(3)) { p(24, 1100, 3); send_cond_bug("IAR IAR DE ICPK ICPK TR QRV K"); }
    if (at(12269) && cond(3)) { p(18, 1000, 3); send_cond("FFL FFL DE FNLC FNLC QTC 2 = PRIERE QRV K"); }
    if (at(12272) && cond(3)) { p(21, 830, 4); send_cond("SVA SVA DE SZEP SZEP QSA? QTC 1 FOR PIRAEUS K"); }
    if (at(12276) && cond(3)) { p(25, 1350, 3); send_cond_bug("WCC WCC DE KHJB KHJB QTC 1 K"); }
    if (at(12278) && cond(3)) { p(20, 700, 3); send_cond("EAD EAD DE EBVW EBVW QRV? TENGO 3 K"); }
    if (at(12282) && cond(3)) { p(16, 950, 5); send_cond("OST OST DE ORBN ORBN QTC 1 FOR ANTWERPEN K"); }
    if (at(12286) && cond(3)) { p(22, 1250, 4); send_cond("JCS JCS DE JGYV JGYV QTC 2 OBS K"); }
    if (at(12288) && cond(3)) { p(19, 1000, 3); send_cond_bug("TAH TAH DE TCWR TCWR TR K"); }
    if (at(12291) && cond(3)) { p(23, 780, 3); send_cond("YUR YUR DE YUKD YUKD QTC 3 = RIJEKA K"); }
    if (at(12296) && cond(3)) { p(20, 1100, 4); send_cond("VWB VWB DE VTJP VTJP QSA? UP 2 K"); }
    if (at(12299) && cond(3)) { p(18, 860, 3); send_cond("9VG 9VG DE 9VRY 9VRY ETA SINGAPORE 0600 = QTC 1 K"); }
    if (at(12303) && cond(3)) { p(24, 1000, 3); send_cond_bug("PPR PPR DE PPGM PPGM QRV? K"); }
    if (at(12309) && cond(3)) { p(21, 1400, 3); send_cond("KPH KPH DE WHXR WHXR QTC 2 = QRU? K"); }
    if (at(12313) && cond(3)) { p(17, 700, 3); send_cond("4XO 4XO DE 4XGA 4XGA QSA? QRK? K"); }
    if (at(12318) && cond(3)) { p(22, 1000, 4); send_cond("SUH SUH DE SUPH SUPH QTC 1 AGENT K"); }
    if (at(12322) && cond(3)) { p(20, 950, 3); send_cond_bug("CUL CUL DE CSAE CSAE TR K"); }
    if (at(12327) && cond(3)) { p(19, 1150, 3); send_cond("OHG OHG DE OIXR OIXR QTC 2 = KOTKA K"); }
    if (at(12332) && cond(3)) { p(23, 820, 3); send_cond("UDH UDH DE UPGT UPGT QSA? QRV 12 MHZ K"); }
    if (at(12336) && cond(3)) { p(21, 1000, 4); send_cond("Y5P Y5P DE Y3EA Y3EA QTC 1 ROSTOCK K"); }
    if (at(12339) && cond(3)) { p(18, 1300, 3); send_cond_bug("LZW LZW DE LZAF LZAF QRV? K"); }
    if (at(12343) && cond(3)) { p(24, 900, 3); send_cond("YQI YQI DE YQDN YQDN QTC 2 = CONSTANTA K"); }
    if (at(12123) && ct(600, 700)) send_vvv("RJD99");
    if (at(12199) && cond(3)) send_vvv("FDE7");
    if (at(12222) && ct(900, 1000)) send_vvv("SUA12");
    if (at(12166) && mh(50)) send_vvv("FUG4");
    // A ship finishing with its coast station.
    if (at(12247) && cond(4)) { p(20, 1900, 3); send("DAN DE DHRU = QSL UR NR 12 = TNX = "); wait(2); send_stack("73 SK"); }
    if (at(12264) && cond(4)) { p(22, 2000, 3); send("IAR DE ICPK = QRU = QRT 1800Z = "); wait(2); send_stack("SK"); }
    // Coast stations calling ships, their lists and warnings.
    if (at(12594) && cond(3)) { p(20, 960, 3); coast_qsx("IAR"); }
    if (at(12613) && ms10(30)) { p(23, 870, 4); nav_wng_anm("SVA"); }
    if (at(12618) && cond(3)) { p(24, 900, 4); coast_qsx("FFT"); }
    if (at(12625) && eh() && ml(8)) { p(25, 1300, 4); send_cq_anm("DAM", "QTC FOR NORDDEICH = PSE QRV 12 MHZ K"); }
    if (at(12657) && cond(3)) { p(21, 1310, 3); coast_qsx("GKL"); }
    if (at(12674) && cond(3)) { p(25, 920, 4); coast_qsx("SAG"); }
    if (at(12681) && ms20(10)) { p(21, 610, 4); tfc_anmt("CQ DE HEB HEB = SWISS SHIPS QTC = "); national_tfc_list(2, "HEB", "HB"); }
    if (at(12691) && cond(3)) { p(23, 1210, 4); coast_qsx("LGB"); }
    if (at(12699) && oh() && ml(10)) { p(24, 700, 4); nav_wng_anm("GKA"); }
    if (at(12713) && cond(3)) { p(21, 1030, 4); coast_qsx("ICB"); }
    if (at(12716) && cond(3)) { p(22, 800, 4); coast_qsx("PCH"); }
    if (at(12732) && cond(3)) { p(25, 1290, 3); coast_qsx("CNP"); }
    if (at(12754) && oh() && ml(10)) { p(20, 1320, 3); send_cq_anm("7TA", "QTC FOR ALGER RADIO = QSX 8 12 MHZ K"); }
    if (at(12797) && cond(3)) { p(22, 660, 4); coast_qsx("TAH"); }
    if (at(12825) && cond(3)) { p(25, 1440, 3); coast_qsx("OST"); }
    if (at(12845) && cond(3)) { p(24, 1070, 4); coast_qsx("DAN"); }
    if (at(12869) && cond(3)) { p(21, 1130, 3); coast_qsx("YUR"); }
    if (at(12877) && ct(1700, 700) && ms10(20)) { p(22, 1330, 3); tfc_anmt("CQ DE 6VA 6VA DAKAR RADIO QTC = "); tfc_list(1, 10, "6VA"); }
}

// Stations heard only while the path is in daylight.
void daylight_block() {
    if (day()) {
        if (at(12116) && ms10(0)) fixed_net(NET_US_NAVY, 10);
        if (at(12185) && cond(2)) { p(23, 1000, 3); clg_cond("FDG", "FDC", 2); }
        if (at(12247) && cond(2)) { p(22, 880, 3); obs_tfc("DAN", "OBS SEEWETTERAMT HAMBURG"); }
        if (at(12305) && cond(2)) { p(19, 1200, 2); vsl_tfc("OST"); }
        if (at(12358) && cond(2)) { p(20, 760, 3); vsl_tfc("SAG"); }
        if (at({12560, 12566, 12572}) && cond(3)) { p(21, 900, 3); clg_cond("OXZ", "OYSC", 2); }
        if (at(12607)) { p(24, 900, 4); coast_station_ex("VVV VVV VVV DE PCH PCH PCH  ", "PCH", "SCHEVENINGEN"); }
        if (at(12640) && cond(3)) { p(24, 1000, 3); send_cond("OXLR DE OXZ QSA5 QTC 2 K"); }
        if (at(12749) && mh(29)) { p(21, 1000, 3); coast_station_ex("CQ DE IQX IQX IQX QSX 12 MHZ K   ", "IQX", "TRIESTE"); }
        if (at(12785) && cond(2)) { p(22, 900, 3); coast_qsx("DAN"); }
        if (at(12862)) { p(21, 950, 3); coast_station_ex("CQ DE SPE SPE SPE QSX 8 12 MHZ K   ", "SPE", "SZCZECIN"); }
        if (at(12894) && ml(30)) { p(22, 980, 3); coast_station_ex("CQ DE 5AT 5AT 5AT QSX 12 MHZ K   ", "5AT", "TRIPOLI"); }
        // Ships far out whose path opens by day, calling their home stations.
        if (at(12232) && cond(3)) { p(20, 880, 3); send_cond("DAN DAN DE DIBC DIBC QTC 1 OBS = QRV? K"); }
        if (at(12237) && cond(3)) { p(22, 1000, 4); send_cond("PCH PCH DE PDSM PDSM QTC 3 = 2 PRIVATE 1 KLM K"); }
        if (at(12241) && cond(3)) { p(18, 720, 3); send_cond_bug("GKA GKA DE GTZB GTZB QTC 1 K"); }
        if (at(12249) && cond(3)) { p(24, 1300, 3); send_cond("OXZ OXZ DE OZJD OZJD QSA? QRK? AR"); }
        if (at(12253) && cond(3)) { p(21, 900, 3); send_cond("SAG SAG DE SFVB SFVB QTC 2 FOR GOTEBORG K"); }
        if (at(12258) && cond(3)) { p(19, 1050, 4); send_cond("SVA SVA DE SWHL SWHL TR = SWHL PIRAEUS FOR HOUSTON = K"); }
        if (at(12262) && cond(3)) { p(23, 800, 3); send_cond_bug("LGB LGB DE LKTF LKTF QTC 2 K"); }
        if (at(12266) && cond(3)) { p(17, 1200, 3); send_cond("KPH KPH DE WJLM WJLM QRV? QTC 1 K"); }
        if (at(12271) && cond(3)) { p(22, 950, 3); send_cond("IAR IAR DE IBMD IBMD QTC 1 PER GENOVA K"); }
        if (at(12275) && cond(3)) { p(20, 1000, 4); send_cond("FFL FFL DE FNPW FNPW QSA? QTC 1 ARMEMENT K"); }
        if (at(12279) && cond(3)) { p(24, 700, 3); send_cond_bug("SAG SAG DE SKZN SKZN QTC 4 K"); }
        if (at(12283) && cond(3)) { p(21, 1100, 3); send_cond("TAH TAH DE TCSY TCSY QTC 1 ISTANBUL K"); }
        if (at(12287) && cond(3)) { p(18, 940, 3); send_cond("UAT UAT DE UWBE UWBE QRV? QSA? K"); }
        if (at(12292) && cond(3)) { p(23, 1000, 4); send_cond("OXZ OXZ DE OUMA OUMA QTC 2 = 1 ARBEJDE 1 PRIVAT K"); }
        if (at(12295) && cond(3)) { p(20, 1250, 3); send_cond_bug("SVB SVB DE SXKQ SXKQ QSA? K"); }
        if (at(12298) && cond(3)) { p(22, 850, 3); send_cond("SPH SPH DE SPKR SPKR QTC 1 PLO K"); }
        if (at(12302) && cond(3)) { p(19, 1000, 3); send_cond("PCH PCH DE PFWC PFWC TR = PFWC AMSTERDAM FOR PARAMARIBO K"); }
        if (at(12305) && cond(3)) { p(24, 1150, 5); send_cond("OST OST DE OPAR OPAR QTC 2 CMB K"); }
        if (at(12311) && cond(3)) { p(21, 800, 3); send_cond_bug("ICB ICB DE IQTM IQTM QRV? K"); }
        if (at(12316) && cond(3)) { p(20, 1000, 3); send_cond("DAN DAN DE DJKW DJKW QTC 1 REEDEREI K"); }
        if (at(12321) && cond(3)) { p(18, 1350, 3); send_cond("CUL CUL DE CTBL CTBL QSA? QTC 1 LISBOA K"); }
        if (at(12326) && cond(3)) { p(23, 900, 4); send_cond("EAD EAD DE EAKY EAKY QTC 3 = BILBAO K"); }
        if (at(12329) && cond(3)) { p(22, 1000, 3); send_cond_bug("LGB LGB DE LLEV LLEV QTC 1 K"); }
        if (at(12333) && cond(3)) { p(19, 760, 3); send_cond("GKA GKA DE MTQH MTQH QTC 2 = 1 OWNERS 1 AGENTS K"); }
        if (at(12337) && cond(3)) { p(24, 1000, 3); send_cond("SAG SAG DE SEGF SEGF QRV? QSW 12 MHZ K"); }
        if (at(12340) && cond(3)) { p(21, 1180, 4); send_cond("DAN DAN DE DCFT DCFT QTC 1 BREMEN K"); }
        if (at(12344) && cond(3)) { p(20, 900, 3); send_cond_bug("PCH PCH DE PHRN PHRN QSA? K"); }
        if (at(12348) && cond(3)) { p(23, 1000, 3); send_cond("FFL FFL DE FNQB FNQB QTC 2 = LE HAVRE K"); }
        if (at(12352) && cond(3)) { p(18, 1450, 3); send_cond("OXZ OXZ DE OXRL2 OXRL2 TR = OXRL2 ESBJERG FOR HALIFAX = K"); }
        if (at(12355) && cond(3)) { p(22, 820, 4); send_cond("SVA SVA DE SYQR SYQR QTC 1 PIRAEUS = QRV? K"); }
        if (at(12361) && cond(3)) { p(24, 1000, 3); send_cond_bug("IAR IAR DE IGHE IGHE QTC 3 K"); }
        if (at(12364) && cond(3)) { p(21, 1100, 3); send_cond("SPE SPE DE SPHZ SPHZ QRV? QTC 1 PZM K"); }
    }
    if (reg2_day()) {
        if (at(12238) && cond(2)) { p(20, 800, 2); obs_tfc("WLO", "OBS NWS NEWORLEANS"); }
        if (at(12564) && cond(3)) { p(19, 700, 2); clg_cond("PPR", "PPXK", 2); }
        if (at(12827)) { p(23, 900, 2); coast_station_ex("CQ DE KFS KFS KFS QSX 6 8 12 16 22 K   ", "KFS", "PALOALTO"); }
        if (at(12872)) { p(21, 1000, 2); coast_station_ex("CQ DE YVG YVG YVG QSX 8 12 MHZ K   ", "YVG", "LAGUAIRA"); }
        if (at(12908) && ml(40)) { p(22, 950, 2); coast_station_ex("CQ DE 8PO 8PO 8PO QSX 8 12 MHZ K   ", "8PO", "BARBADOS"); }
        if (at(12941)) { p(20, 1100, 2); coast_station_ex("CQ DE CBV CBV CBV QSX 8 12 16 MHZ K   ", "CBV", "VALPARAISO"); }
    }
    if (reg3m_day()) {
        if (at(12289) && cond(2)) { p(21, 960, 2); obs_tfc("VWB", "OBS IMD BOMBAY"); }
        if (at(12816)) { p(22, 1000, 2); coast_station_ex("CQ DE A4M A4M A4M QSX 8 12 MHZ K   ", "A4M", "MUSCAT"); }
        if (at(12953) && cond(2)) { p(20, 1000, 2); send_cond("ATPQ DE VWB QSA3 QRV K"); }
        if (at(12962)) { p(24, 900, 2); send_still("CQ DE HZG HZG HZG QSX 8 12 MHZ K   "); }
    }
    if (reg3f_day()) {
        if (at(12580)) { qsa = 2; sitor_marker(900, 22, "JOS JOS"); }
        if (at(12324) && cond(2)) { p(25, 1100, 2); obs_tfc("JCS", "OBS JMA TOKYO"); }
        if (at(12852)) { p(24, 1100, 2); coast_station_ex("CQ DE JCS JCS JCS QSX 8 12 16 MHZ = QRU? + K   ", "JCS", "CHOSHI"); }
        if (at(12884)) { p(22, 950, 2); coast_station_ex("CQ DE XSG XSG XSG QRU? QSX 8 12 16 MHZ K   ", "XSG", "SHANGHAI"); }
        if (at(12920) && oh()) { p(20, 1000, 2); send_still("CQ DE XSZ XSZ XSZ QSX 12 MHZ K   "); }
        if (at(12930)) { p(23, 900, 2); coast_station_ex("CQ DE 9VG 9VG 9VG SINGAPORE RADIO QSX 8 12 16 MHZ K   ", "9VG", "SINGAPORE"); }
        if (at(12966) && ml(30)) { p(21, 1050, 2); coast_station_ex("CQ DE HSA HSA HSA QSX 8 12 MHZ K   ", "HSA", "BANGKOK"); }
        if (at(12983)) { p(24, 1000, 2); coast_station_ex("CQ DE VIS VIS VIS = TFC LIST AT 0000 0400 0800 1200 1600 2000 = QSX 8 12 16 MHZ + K   ", "VIS", "SYDNEY"); }
    }
    if (reg1rus_day()) {
        if (at(12628) && ml(30)) { p(22, 900, 3); coast_station_ex("CQ DE UFL UFL UFL QSX 12 MHZ K   ", "UFL", "VLADIVOSTOK"); }
        if (at(12651) && cond(3)) { p(20, 800, 3); send_cond("UUBN UUBN DE UDK2 QSA4 QTC K"); }
        if (at(12742) && eh()) { p(22, 1000, 3); send_still("CQ DE UDK2 UDK2 UDK2 QSX 8 12 MHZ K   "); }
        if (at(12799)) { p(21, 850, 3); send_still("CQ DE UIW UIW UIW QSX 12 MHZ K   "); }
    }

    stn();
}

// Stations of the years before 1950 (HIST).
void historical_block() {
    if (hist) {
        // A ship of the 1930s with a telegram for its coast station.
        if (at(12491) && cond(3)) { p(18, 700, 3); old_vsl_qtc(); }
        if (at(12630) && night()) { p(24, 760, 3); send_still("VVV VVV VVV DE GKU GKU GKU  "); }
        if (at(12648) && cond(2)) { p(20, 680, 3); hand = 1; send_cond("GKU GKU DE GBTT GBTT QTC 3 K"); }
        if (at(12660) && ct(1200, 2000)) { p(25, 800, 3); send_still("CQ DE WSL WSL WSL QSX 12 MHZ K   "); }
        if (at(12690) && ct(1500, 2300)) { p(25, 900, 3); coast_station_ex("CQ DE WCC WCC WCC  ", "WCC", "CHATHAM"); }
        if (at(12735) && night()) { p(22, 700, 3); coast_station_ex("VVV VVV VVV DE DAN DAN DAN  ", "DAN", "NORDDEICH"); }
        if (at(12752) && cond(2)) { p(18, 640, 2); hand = 1; send_cond("DAN DAN DE DDAC DDAC QTC K"); }
        if (at(12780) && day()) { p(22, 900, 3); coast_station_ex("CQ DE ICB ICB ICB  ", "ICB", "GENOVA"); }
        if (at(12810) && eh()) { p(24, 850, 3); coast_station_ex("VVV VVV VVV DE FFL FFL FFL  ", "FFL", "SAINTLYS"); }
        if (at(12840) && ct(2000, 400)) { p(26, 950, 3); coast_station_ex("CQ DE KPH KPH KPH  ", "KPH", "SANFRANCISCO"); }
        if (at(12880) && night()) { p(21, 760, 3); fig_msg("NSS NSS NSS ", " AR  "); }
        if (at(12900) && oh()) { p(20, 700, 3); naval_coast("VVV VVV VVV DE NPM NPM NPM  ", "NPM", us_navy, 37); }
        if (at(12230) && cond(3)) { p(19, 620, 2); hand = 1; send_cond("WCC WCC DE WSBN WSBN QTC 2 K"); }
        if (at(12260) && cond(3)) { p(17, 700, 2); hand = 1; send_cond("GKU DE MZGV QTC 1 K"); }
        if (at(12400) && cond(3)) { p(20, 740, 2); hand = 1; send_cond("PCH PCH DE PFDL PFDL K"); }
    }
    band_12_history();

    stn();
}

// Recordings, teleprinters and carriers in the background (BGND).
void background_block() {
    if (bkgnd) {
        if (at({12479, 12483, 12488, 12492, 12497, 12502, 12507, 12511, 12520, 12527, 12531, 12537, 12545, 12550})) sitor();
        if (at(12583)) { qsa = 4; sitor_marker(850, 20, "PCH PCH"); }
        if (at(12587)) { qsa = 3; sitor_marker(900, 24, "DAN DAN"); }
        if (at(12592)) { qsa = 3; sitor_marker(1000, 20, "OXZ OXZ"); }
        if (at(12601)) { qsa = 3; sitor_marker(880, 22, "SVA SVA"); }
        if (at(12609)) { qsa = 4; sitor_marker(950, 24, "GKA GKA"); }
        if (at(12617)) { qsa = 3; sitor_marker(900, 20, "LGB LGB"); }
        if (at(12626)) { qsa = 3; sitor_marker(1000, 22, "SAG SAG"); }
        if (at(12638)) { qsa = 2; sitor_marker(940, 20, "WCC WCC"); }
        if (at(12646)) { qsa = 3; sitor_marker(850, 22, "OST OST"); }
        if (at({12750, 12786, 12789})) fax(120, 576);
        if (at({12125, 12170, 12205})) rtlx_cond_50_425("RIW", 0);
        if (at(12180)) rtlx_cond_75_850("FDY4", 0);
        if (at(12216)) rtlx_cond_arqe_96("FDE7", 2);
        if (at({12425, 12459})) rtlx_cond_50_170("UUBN", 3);
        if (at({12099, 12134}) && day()) rtlx("TASS MOSCOW", 850, 50);
        if (at({12145, 12194})) { qsa = 2; data(200, 2); }
        if (at(12228) && cond(2)) qyt4();
        if (at({12448, 12615, 12843}) && t.wSecond % 4 == 0) tuning();
        qsa = 1;
        if (at({12112, 12160, 12230, 12470, 12654}) && eh()) n0n(1000);
    }
    band_12_printers();

    get_background(175, background_tab_12, prob_tab_12);
}

}  // namespace

void band_12() {
    band_start(12, 12);
    weather_broadcasts();
    diplo_traffic();
    // Navies on the ship channels: Royal Navy, US, Canadian and French ships
    // calling their shore stations, and a Soviet shore station calling ships.
    if (at(12369)) rn_12mhz();
    if (at(12290)) usn();
    if (at(12433)) rcn("CFH");
    if (at(12398)) fn("FUE");
    if (at(12220) && oh()) russian_navy_qsx("RCV", rus_navy_rcv, 26);
    if (at(12135)) { p(22, 900, 3); usn_pg("VVV VVV VVV DE NPG NPG NPG  ", "NPG", us_navy, 37); }

    if (at(12700) && ml(5)) { qsa = 1; qrh = 2; send_cond_bug("CQ CQ CQ DE H4H H4H H4H QRU QRU? QSX 12 MHZ KK"); }
    if (at(12700) && reg1rus_day()) aeroflot("UUF", "RBYO");
    // The Coast Guard at San Juan after 15 UTC, Suva through the Pacific night.
    if (at(12700) && t.wHour >= 15) { p(22, 1180, 2); coast_station_ex("CQ CQ CQ DE NMR NMR NMR QSX 4 8 12 MHZ K   ", "NMR", "SANJUAN"); }
    if (at(12700) && ct(2000, 400)) { p(19, 650, 1); send_still("CQ DE 3DP4 3DP4 3DP4 SUVA RADIO QSX 8 12 MHZ AR   "); }
    // Guangzhou on the common channel: its traffic list at 02, 08, 14 and 20,
    // on watch otherwise.
    if (at(12700)) {
        p(21, 740, 2);
        if (ct(200, 210) || ct(800, 810) || ct(1400, 1410) || ct(2000, 2010)) tfc_list(1, 12, "XSQ");
        else coast_station_ex("CQ CQ CQ DE XSQ XSQ XSQ GUANGZHOU RADIO QRU? QSX 8 12 16 MHZ K  ", "XSQ", "GUANGZHOU");
    }
    // Portishead: the traffic list of the British ships at the even hours,
    // the operator moving ships to other transmitters, the blind traffic of
    // Scheveningen, a Soviet blind broadcast and a ship's private telegram.
    if (at(12835) && eh() && ml(10)) { p(22, 850, 4); gkb_tfc_list(); }
    if (at(12821) && oh() && ml(20) && cond(3)) { p(24, 900, 3); gkb_opchat("CQ DE GKB GKB GKB QSX 4 6 8 12 16 22 MHZ K   "); }
    if (at(12716) && ct(1800, 1830)) { p(24, 1000, 4); pch_blind(); }
    if (at(12755) && ct(630, 645)) { p(24, 1000, 4); pch_px(); }
    if (at(12635) && (h(3) || h(15)) && ml(25)) { p(22, 800, 3); rus_blind_tfc(); send_stack(""); }
    if (at({12346, 12395}) && cond(4)) { p(20, 700, 3); russian_vsl(); }
    if (at(12624) && ms(30)) { p(23, 1050, 4); nav_wng_anm("OST"); }
    if (at(12649) && ms(50)) { p(21, 1100, 3); send_cq_anm("OXZ", "QTC FOR LYNGBY = PSE QRV 12 MHZ K"); }
    if (at(12307) && (ct(200, 230) || ct(1100, 1130) || ct(1600, 1630) || ct(2100, 2130))) {
        p(19, 600, 1);
        qrh = 1;
        send_times("CQ CQ CQ DE OBC3 OBC3 OBC3 WX/NAV WRNG/NAVAREA XVI  *    ", 2);
    }
    fixed_and_ship_working();
    ship_calling_and_coast();
    ship_work(ship_work_12, ship_work_12_count);
    if (at({12342, 12419}) && cond(4)) vsl2vsl_tfc();  // ship to ship
    coast_watch(coast_watch_12, coast_watch_12_count);
    maritime_lists();
    synoptic_ships();
    ships_and_answers();
    daylight_block();
    historical_block();
    background_block();
    band_end(12);
}

}  // namespace kestrel
