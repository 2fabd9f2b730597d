// Stations of 17000-17999 kHz, tested in order; every entry that applies is queued.
// 17000-17242 coast telegraphy of the older plan, coast NBDP and facsimile,
// 17242-17410 coast telephony, 17410-17480 fixed service, 17480-17900
// broadcasting, 17900-17970 aeronautical route service, 17970-18000 military
// aeronautical. Before the 1950s fixed circuits held most of 17400-17750.

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
#include "traffic/ship_coast.h"

namespace kestrel {

namespace {

// More coast stations on the channels of the older plan, the ships working
// them, and the fixed service above the coast telephony.
void coast_and_fixed_more() {
    if (at(17002) && ct(600, 2200)) { p(24, 1000, 4); send_still("CQ CQ CQ DE OST OST OST QSX 4 6 8 12 16 MHZ K  "); }
    if (at(17002) && cond(4)) send_cond_bug("OST OST DE ONGK ONGK QTC 1 K");
    if (at(17007) && eh()) { p(22, 900, 4); coast_station_ex("CQ DE SPH SPH SPH GDYNIA RADIO QSX 16 MHZ K  ", "SPH", "GDYNIA"); }
    if (at(17007) && cond(4)) { p(20, 1200, 2); send_cond("SPH DE SQLM SQLM QRV K"); }
    if (at(17014) && oh()) { p(12, 1100, 3); send_still("CQ DE LGB LGB LGB ROGALAND RADIO QSX 16 MHZ K  "); }
    if (at(17030) && ct(500, 2100)) { p(21, 800, 4); coast_station_ex("CQ CQ DE FFL FFL FFL QSX 8 12 16 22 MHZ K  ", "FFL", "STLYS"); }
    if (at(17030) && cond(4)) send_cond_bug("FFL FFL DE FNQR FNQR QTC 2 K");
    if (at(17035) && ml(40)) { p(17, 1450, 3); send_still("CQ DE ICB ICB ICB GENOVA RADIO K  "); }
    if (at(17039) && eh()) { p(22, 1300, 4); send_still("CQ CQ DE TAH TAH TAH ISTANBUL RADIO QSX 16 MHZ K  "); }
    if (at(17039) && cond(4)) { p(19, 900, 1); send_cond("TAH DE TCRM TCRM QTC 1 K"); }
    if (at(17047) && ct(700, 1900)) { p(24, 880, 3); send_still("CQ DE LZW LZW LZW VARNA RADIO QSX 16 MHZ K  "); }
    if (at(17055) && oh()) { p(23, 1000, 4); coast_station_ex("CQ CQ DE 3VX 3VX 3VX QSX 16 MHZ K  ", "3VX", "TUNIS"); }
    if (at(17077) && cond(3)) send_cond_bug("7TA 7TA DE 7TAX 7TAX QRV K");
    if (at(17077) && ct(600, 2000)) { p(22, 2350, 3); send_still("CQ DE 7TA 7TA 7TA ALGER RADIO QSX 16 MHZ K  "); }
    if (at(17079) && eh()) { p(24, 1150, 4); coast_station_ex("CQ CQ DE CNP CNP CNP QSX 8 12 16 MHZ K  ", "CNP", "CASABLANCA"); }
    if (at(17079) && cond(3)) { p(20, 800, 3); send_cond("CNP CNP DE CNUA CNUA QTC 1 K"); }
    if (at(17094) && cond(3)) send_cond_bug("UDH UDH DE UCKL UCKL QTC 2 K");
    if (at(17099) && ct(500, 1700)) { p(24, 1000, 4); coast_station_ex("CQ DE Y5M Y5M Y5M RUEGEN RADIO QSX 16 MHZ K  ", "Y5M", "RUEGEN"); }
    if (at(17099) && cond(4)) { p(21, 760, 3); send_cond("Y5M DE Y3EW Y3EW QTC 1 K"); }
    if (at(17114) && ct(800, 2000)) { p(24, 750, 4); send_still("CQ CQ DE SAG SAG SAG QSX 8 12 16 22 MHZ K  "); }
    if (at(17114) && cond(3)) send_cond_bug("SAG SAG DE SEXB SEXB QTC 3 K");
    if (at(17122) && oh()) { p(22, 1600, 3); coast_station_ex("CQ DE IQX IQX IQX TRIESTE RADIO QSX 16 MHZ K  ", "IQX", "TRIESTE"); }
    if (at(17129) && ct(600, 1800)) { p(25, 1000, 4); send_still("CQ CQ DE EHY EHY EHY MADRID RADIO K  "); }
    if (at(17129) && cond(3)) { p(20, 1050, 3); send_cond("EHY DE EBPQ EBPQ QRV K"); }
    if (at(17141) && eh()) { p(24, 1000, 5); send_still("CQ DE 5AB 5AB 5AB BENGHAZI RADIO QSX 16 MHZ K  "); }
    if (at(17147) && ct(700, 1900)) { p(22, 1400, 3); send_still("CQ CQ DE SUP SUP SUP PORT SAID RADIO K  "); }
    if (at(17147) && cond(3)) send_cond_bug("SUP SUP DE SSBR SSBR QTC 1 K");
    if (at(17154) && od()) { p(23, 1000, 4); coast_station_ex("CQ DE OHG OHG OHG HELSINKI RADIO QSX 16 MHZ K  ", "OHG", "HELSINKI"); }
    if (at(17158) && ml(30)) { p(21, 900, 2); send_still("CQ DE UFB UFB UFB ODESSA RADIO QSX 16 MHZ K  "); }
    if (at(17158) && mh(29)) post_call("UUAK", "UFB", "QRV K");
    if (at(17160) && ct(600, 2200)) { p(24, 1000, 4); send_still("CQ CQ CQ DE DAN DAN DAN QSX 4 6 8 12 16 22 MHZ K  "); }
    if (at(17160) && cond(4)) send_cond_bug("DAN DAN DE DLMQ DLMQ QTC 2 K");
    if (at(17167) && eh()) { p(22, 1100, 2); send_still("CQ DE HEB HEB HEB BERNE RADIO QSX 16 MHZ K  "); }
    if (at(17167) && cond(3)) { p(24, 850, 4); send_cond("HEB DE HBDF HBDF QTC 1 K"); }
    if (at(17183) && ct(800, 1600)) { p(19, 1250, 4); send_still("CQ CQ DE 4XO 4XO 4XO HAIFA RADIO K  "); }
    if (at(17183) && cond(4)) send_cond_bug("4XO 4XO DE 4XGA 4XGA QRV K");
    if (at(17187) && ed()) { p(24, 1650, 3); send_still("CQ DE SVB SVB SVB ATHINAI RADIO QSX 16 MHZ K  "); }
    if (at(17187) && cond(3)) { p(21, 1000, 4); send_cond("SVB DE SWTK SWTK QTC 2 K"); }
    if (at(17197) && ct(700, 1900)) { p(24, 1000, 4); send_still("CQ CQ DE GKB GKB GKB PORTISHEAD RADIO K  "); }
    if (at(17197) && cond(4)) { p(14, 1100, 3); send_cond("GKB DE GMPT GMPT QTC 1 K"); }
    // Fixed service above the coast telephony.
    if (at(17420) && ct(900, 1500)) { p(24, 1000, 4); send("SUA44 DE SUA = "); qtc5l(nr, 35, 2, 1); send_stack(""); }
    if (at(17432) && oh()) { p(21, 880, 2); send_still("VVV VVV VVV DE 7TA 7TA 7TA QSX 17432  "); }
    if (at(17434) && cond(2)) send_vvv("OLX");
    if (at(17444) && ct(1000, 1800)) { p(24, 1000, 4); send_still("VVV VVV DE CLP1 CLP1 CLP1 QTC  "); }
    if (at(17444) && ms(40)) { p(24, 1000, 4); send("CLP18 CLP18 DE CLP1 = "); qtc5f(nr, 40); send_stack(" + K"); }
    if (at(17461) && ct(800, 1400)) { p(24, 1000, 4); polish_diplo("SPW"); }
    if (at(17484) && ct(700, 1500)) { p(24, 1000, 5); send_still("VVV VVV VVV DE RIW RIW RIW QSX 12 17 MHZ  "); }
    if (at(17484) && h_4(6)) { p(24, 1000, 5); fig_msg_ar("RJD41 RJD41 DE RIW QTC "); }
    if (at(17526) && ct(900, 1600)) { p(14, 1000, 4); send_still("VVV VVV VVV DE NAW NAW NAW QSX 12 17 MHZ  "); }
    // Aeronautical route service and military aeronautical stations.
    if (at({17907, 17916, 17955}) && eh() && cond(2)) fone_cond(4);
    if (at(17934) && ct(1000, 1800)) { p(22, 1000, 3); aero_fixed("HZA", "SUX", 5); }
    if (at(17990) && eh()) { p(24, 1100, 4); send_still("VVV VVV VVV DE RFFA RFFA RFFA  "); }
}

// More coast stations and ships heard while their path is in daylight.
void daylight_more() {
    if (day()) {
        if (at(17003) && ct(700, 1600)) { p(24, 1000, 5); coast_station_ex("CQ CQ DE ZSD ZSD ZSD DURBAN RADIO QSX 16 MHZ K  ", "ZSD", "DURBAN"); }
        if (at(17003) && cond(4)) send_cond_bug("ZSD ZSD DE ZSKM ZSKM QTC 1 K");
        if (at(17008) && eh()) { p(22, 1100, 3); send_still("CQ DE 5ZF 5ZF 5ZF MOMBASA RADIO QSX 16 MHZ K  "); }
        if (at(17031) && cond(2)) { p(23, 900, 4); send_still("CQ DE VWC VWC VWC CALCUTTA RADIO QSX 16 MHZ K  "); }
        if (at(17031) && cond(4)) { p(18, 1250, 2); send_cond("VWC DE ATSE ATSE QTC 2 K"); }
        if (at(17078) && oh()) { p(24, 1000, 3); send_still("CQ CQ DE ASK ASK ASK KARACHI RADIO K  "); }
        if (at(17086) && ct(800, 1500)) { p(21, 1300, 4); send_still("CQ DE A7D A7D A7D DOHA RADIO QSX 16 MHZ K  "); }
        if (at(17114) && cond(4)) send_cond_bug("SAG DE 7SAB 7SAB QRV K");
        if (at(17152) && ml(40)) { p(18, 1000, 3); coast_station_ex("CQ DE HZG HZG HZG DAMMAM RADIO K  ", "HZG", "DAMMAM"); }
        if (at(17199) && eh()) { p(24, 600, 4); send_still("CQ CQ DE 9KK 9KK 9KK KUWAIT RADIO QSX 16 MHZ K  "); }
        if (at(17201) && cond(3)) { p(20, 600, 1); send_cond("9KK DE 9KKW 9KKW QTC 1 K"); }
        if (at(17206) && oh()) { p(23, 1600, 5); send_still("CQ DE 5RS 5RS 5RS TAMATAVE RADIO QSX 16 MHZ K  "); }
        if (at(17208) && ct(900, 1700)) { p(22, 1750, 3); send_still("CQ CQ DE 6VA 6VA 6VA DAKAR RADIO K  "); }
        if (at(17213) && cond(3)) send_cond_bug("6VA 6VA DE 6WKS 6WKS QTC 2 K");
        if (at(17215) && eh()) { p(24, 1200, 4); send_still("CQ DE 5NL 5NL 5NL LAGOS RADIO QSX 16 MHZ K  "); }
        if (at(17220) && ct(700, 1500)) { p(21, 1000, 3); send_still("CQ CQ DE 9GA 9GA 9GA TAKORADI RADIO K  "); }
        if (at(17222) && cond(3)) { p(25, 1000, 5); send_cond("CQ DE D3E D3E D3E LUANDA RADIO QSX 16 MHZ K"); }
        if (at(17229) && oh()) { p(22, 900, 3); send_still("CQ DE PPR PPR PPR RIO RADIO QSX 8 12 16 MHZ K  "); }
        if (at(17229) && cond(4)) send_cond_bug("PPR PPR DE PPXO PPXO QTC 1 K");
        if (at(17232) && ct(1100, 1700)) { p(24, 1000, 5); send_still("CQ CQ DE CWA CWA CWA CERRITO RADIO K  "); }
        if (at(17234) && cond(3)) { p(20, 1100, 3); send_cond("CQ DE YVG YVG YVG LA GUAIRA RADIO K"); }
        if (at(17237) && eh()) { p(23, 1000, 4); send_still("CQ DE 8PO 8PO 8PO BARBADOS RADIO QSX 16 MHZ K  "); }
        if (at(17239) && ct(1000, 1700)) { p(22, 850, 3); send_still("CQ CQ DE HKB HKB HKB BARRANQUILLA RADIO K  "); }
        if (at(17241) && cond(3)) send_cond_bug("CQ DE OBC3 OBC3 CALLAO RADIO QSX 16 MHZ K");
        if (at(17416) && oh()) { p(24, 1000, 4); send_still("VVV VVV VVV DE 5YE 5YE 5YE QRU  "); }
        if (at(17429) && ct(800, 1400)) { p(21, 900, 3); send_still("VVV VVV DE ETD ETD ETD QSX 17429  "); }
        if (at(17446) && cond(3)) { p(22, 1600, 4); send_cond("ZRH ZRH DE ZRH4 ZRH4 QTC K"); }
        if (at(17459) && eh()) { p(23, 1200, 2); send_still("VVV VVV VVV DE TUA TUA TUA ABIDJAN  "); }
        if (at(17530) && cond(3)) send_cond_bug("STK STK DE STK7 STK7 QRV K");
        if (at(17543) && ct(700, 1500)) { p(24, 1000, 4); send_still("VVV VVV VVV DE CTP CTP CTP QSX 12 17 MHZ  "); }
        if (at(17588) && ct(1200, 1700)) { p(25, 1000, 3); send_still("VVV VVV VVV DE PWZ PWZ PWZ QSX 12 17 MHZ  "); }
        if (at(17416) && cond(3)) send_vvv("5YE");
        if (at(17543) && ml(20)) send_vvv("CTP");
        if (at(17588) && od()) send_vvv("PWZ");
        if (at(17459) && mh(44)) send_vvv("TUA");
    }
    if (reg2_day()) {
        if (at(17017) && cond(4)) send_cond_bug("WCC WCC DE WBQK WBQK QTC 1 K");
        if (at(17203) && cond(2)) { p(14, 1000, 5); send_still("CQ CQ DE KFS KFS KFS SAN FRANCISCO RADIO K  "); }
        if (at(17209) && eh()) { p(22, 1150, 3); send_still("CQ DE VCS VCS VCS HALIFAX RADIO QSX 16 MHZ K  "); }
        if (at(17224) && cond(3)) { p(21, 900, 4); send_cond("CQ DE NMF NMF NMF BOSTON QSX 8 12 16 MHZ K"); }
        if (at(17227) && oh()) { p(16, 1000, 3); send_still("CQ CQ DE CBV CBV CBV VALPARAISO PLAYA ANCHA RADIO K  "); }
        if (at(17231) && cond(4)) { p(20, 800, 3); send_cond("CBV DE CBMU CBMU QTC 1 K"); }
    }
    if (reg3f_day()) {
        if (at(17014) && cond(4)) send_cond_bug("JCS JCS DE JDQX JDQX QTC 2 K");
        if (at(17202) && eh()) { p(24, 1000, 4); send_still("CQ DE JNA JNA JNA TOKYO RADIO QSX 16 MHZ K  "); }
        if (at(17205) && cond(3)) { p(22, 1300, 3); send_cond("CQ DE HLO HLO HLO SEOUL RADIO K"); }
        if (at(17216) && oh()) { p(23, 1000, 4); send_still("CQ CQ DE VIS VIS VIS SYDNEY RADIO QSX 8 12 16 MHZ K  "); }
        if (at(17219) && cond(3)) { p(21, 900, 3); send_cond("CQ DE ZLW ZLW ZLW WELLINGTON RADIO K"); }
        if (at(17228) && ct(2200, 700)) { p(24, 1050, 4); send_still("CQ DE XSG XSG XSG SHANGHAI RADIO QSX 16 MHZ K  "); }
    }
    if (reg3m_day()) {
        if (at(17212) && cond(2)) { p(22, 1000, 4); send_still("CQ CQ DE HSA HSA HSA BANGKOK RADIO K  "); }
        if (at(17217) && eh()) { p(24, 900, 1); send_still("CQ DE 4PB 4PB 4PB COLOMBO RADIO QSX 16 MHZ K  "); }
        if (at(17223) && cond(3)) send_cond_bug("CQ DE PKX PKX JAKARTA RADIO QSX 16 MHZ K");
    }
}

// More of the years before 1950: the beam and press circuits that held
// most of 17400-17750, and the coast stations of the first plans.
void historical_more() {
    if (hist) {
        if (at(17018) && ct(1200, 2000)) { p(22, 1000, 3); send_still("CQ CQ DE WCC WCC WCC CHATHAM  "); }
        if (at(17025) && eh()) { p(20, 900, 5); send_still("CQ DE KPH KPH KPH BOLINAS QSX 36 M  "); }
        if (at(17025) && cond(4)) { p(18, 800, 3); send_cond("KPH DE KDPM KDPM QTC 2 K"); }
        if (at(17066) && ct(700, 1700)) { p(21, 1100, 3); send_still("CQ CQ DE PCH PCH PCH QRU?  "); }
        if (at(17097) && oh()) { p(20, 850, 5); send_still("CQ DE FFL FFL FFL ST LYS  "); }
        if (at(17137) && cond(3)) { p(19, 1000, 2); send_cond("CQ DE IAR IAR IAR QSX 36 M K"); }
        if (at(17164) && ct(900, 1500)) { p(22, 950, 3); send_still("CQ CQ DE JCS JCS JCS  "); }
        if (at(17401) && ct(800, 1600)) { p(30, 1000, 4); send_still("VVV VVV VVV DE GAA GAA GAA RUGBY  "); }
        if (at(17401) && ms10(10)) { p(30, 1000, 4); send("WKA DE GAA NR "); fig_msg_count("", 30); }
        if (at(17408) && eh()) { p(28, 1100, 3); send_still("VVV VVV DE WKA WKA WKA ROCKY POINT  "); }
        if (at(17482) && ct(1300, 2100)) { p(32, 900, 4); send_still("VVV VVV VVV DE WQP WQP WQP  "); }
        if (at(17482) && ml(10)) { p(32, 900, 4); send("GBU DE WQP = "); let_msg_count("", 30, 0x80); }
        if (at(17495) && oh()) { p(26, 1000, 3); send_still("VVV VVV DE DGK DGK DGK NAUEN  "); }
        if (at(17508) && ct(700, 1300)) { p(28, 1000, 5); send_still("CQ CQ DE DGK DGK PRESS  "); }
        if (at(17508) && ms20(20)) { p(28, 1000, 5); press_px("DGK", PRESS_TRANSOCEAN); }
        if (at(17516) && cond(3)) { p(22, 900, 3); send_cond("DGK DGK DE LSL LSL QRV K"); }
        if (at(17533) && ct(1000, 1800)) { p(24, 1000, 4); send_still("VVV VVV VVV DE LSL LSL LSL HURLINGHAM  "); }
        if (at(17547) && eh()) { p(26, 1200, 3); send_still("VVV VVV DE FTA FTA FTA STE ASSISE  "); }
        if (at(17547) && ms(50)) { p(26, 1200, 3); send("FZS DE FTA = "); fig_msg_count("", 25); }
        if (at(17563) && ct(600, 1200)) { p(24, 900, 3); send_still("VVV VVV DE FZS FZS FZS SAIGON  "); }
        if (at(17577) && od()) { p(17, 1000, 5); send_still("VVV VVV VVV DE IAC IAC IAC COLTANO  "); }
        if (at(17594) && ct(1100, 1900)) { p(22, 600, 3); send_still("VVV VVV DE PPA PPA PPA RIO  "); }
        if (at(17594) && cond(4)) { p(22, 600, 3); send_cond("PPA PPA DE IAC IAC QTC 5 K"); }
        if (at(17612) && oh()) { p(28, 1000, 4); send_still("VVV VVV VVV DE JNG JNG JNG TOKYO  "); }
        if (at(17627) && ct(2200, 600)) { p(16, 1100, 2); send_still("VVV VVV DE KKQ KKQ KKQ KAHUKU  "); }
        if (at(17627) && ms(15)) { p(16, 1100, 2); send("JNG DE KKQ NR "); fig_msg_count("", 20); }
        if (at(17649) && eh()) { p(24, 1000, 3); send_still("VVV VVV VVV DE VIZ VIZ VIZ BALLAN  "); }
        if (at(17663) && ct(900, 1500)) { p(30, 1000, 4); send_still("VVV VVV DE GBB GBB GBB RUGBY QRU  "); }
        if (at(17678) && cond(3)) { p(22, 1000, 3); send_cond("GBB GBB DE VIZ VIZ QRV K"); }
        if (at(17694) && ct(1400, 2000)) { p(26, 900, 5); send_still("CQ CQ DE WJQ WJQ WJQ PRESS  "); }
        if (at(17694) && ml(15)) { p(26, 900, 5); press_px("WJQ", PRESS_UP); }
        if (at(17707) && od()) { p(24, 1000, 2); send_still("VVV VVV VVV DE SPW SPW SPW WARSZAWA  "); }
        if (at(17722) && ct(800, 1400)) { p(22, 1200, 3); send_still("VVV VVV DE OKI OKI OKI PODEBRADY  "); }
        if (at(17735) && eh()) { p(26, 1000, 4); send_still("VVV VVV VVV DE SUZ SUZ SUZ ABU ZABAL  "); }
        if (at(17746) && ct(1000, 1600)) { p(24, 800, 3); send_still("VVV VVV DE CTP CTP CTP LISBOA  "); }
        if (at(17760) && oh()) { p(22, 1000, 3); send_still("VVV VVV VVV DE EDM EDM EDM MADRID  "); }
        if (at(17780) && ct(700, 1100)) { p(25, 950, 2); send_still("VVV VVV DE SAS SAS SAS STOCKHOLM  "); }
        if (at(17795) && eh()) { p(28, 1000, 4); send_still("VVV VVV VVV DE LCM LCM LCM OSLO  "); }
        if (at(17830) && ct(1200, 1800)) { p(33, 1000, 3); send_still("VVV VVV DE HJY HJY HJY BOGOTA  "); }
        if (at(17855) && cond(3)) { p(20, 900, 3); send_cond("CQ DE XDA XDA XDA MEXICO QRU? K"); }
    }
}

// More of the background: coast and weather teleprinters, coast SITOR, the
// press and ministries' circuits of the fixed band below the broadcasters.
void background_more() {
    if (bkgnd) {
        // Coast stations' teleprinter and SITOR beside their Morse channels.
        if (at(17206)) { qsa = 4; sitor_marker(1000, 22, "DAN"); }
        if (at(17209)) { qsa = 3; sitor_marker(800, 19, "SPH"); }
        if (at(17213)) { qsa = 4; sitor_marker(1150, 21, "LGB"); }
        if (at(17220)) { qsa = 3; sitor_marker(900, 23, "OST"); }
        if (at(17224)) { qsa = 4; sitor_marker(1300, 20, "9VG"); }
        if (at(17229)) { qsa = 3; sitor_marker(1000, 18, "WLO"); }
        if (at(17030) && t.wHour % 4 == 0) rtlx_cond("FFL ST LYS", 170, 50, 0);
        if (at(17160) && mh(49)) rtlx_cond("DAN NORDDEICH", 170, 50, 0);
        if (at(17002) && ml(10)) rtlx("OST OOSTENDE", 170, 50);
        // Weather and hydrographic teleprinters and facsimile.
        if (at(17023) && (ct(1100, 1400) || h(23))) fax(120, 576);
        if (at(17062) && ct(0, 600)) fax(120, 576);
        if (at(17117) && t.wHour % 6 == 0) rtlx("NMC POINT REYES", 850, 75);
        if (at(17133) && (ct(400, 700) || ct(1600, 1900)) && ml(45)) fax(120, 576);
        if (at(17404) && eh()) rtlx_cond("GIDROMET MOSKVA", 850, 50, 3);
        if (at(17417) && ct(1000, 1400)) rtlx("METEO ROMA", 850, 50);
        if (at(17436) && ct(700, 1100)) rtlx_cond("METEO ALGER", 425, 50, 2);
        if (at(17449) && ct(1800, 2200)) rtlx("METEO JEDDAH", 850, 50);
        // Press agencies in the fixed band.
        if (at(17411) && ct(600, 1800)) rtlx("TASS MOSKVA", 425, 50);
        if (at(17422) && oh()) rtlx_cond("XINHUA BEIJING", 425, 50, 2);
        if (at(17439) && ct(1200, 2000)) rtlx("MENA CAIRO", 850, 50);
        if (at(17452) && day()) rtlx_cond("ANSA ROMA", 850, 50, 3);
        if (at(17465) && ct(900, 1700)) rtlx("AFP PARIS", 425, 50);
        if (at(17475) && eh()) rtlx("REUTERS LONDON", 425, 50);
        if (at(17488) && ct(1400, 2200)) rtlx_cond("PRENSA LATINA", 425, 50, 0);
        if (at(17505) && ct(500, 1300)) rtlx("KCNA PYONGYANG", 425, 50);
        if (at(17516) && oh()) rtlx_cond("IRNA TEHRAN", 425, 50, 4);
        if (at(17533) && ct(800, 1600)) rtlx("JANA TRIPOLI", 425, 50);
        if (at(17556) && day()) rtlx_cond("DPA HAMBURG", 425, 50, 2);
        if (at(17572) && ct(1600, 2300)) rtlx("TANJUG BEOGRAD", 425, 50);
        if (at(17580) && eh()) rtlx_cond("MAP RABAT", 425, 50, 0);
        if (at(17594) && ct(1000, 1800)) rtlx("APS ALGER", 425, 50);
        if (at(17612) && ct(300, 1100)) rtlx_cond("VNA HANOI", 425, 50, 3);
        if (at(17627) && ct(700, 1500)) rtlx("QNA DOHA", 850, 50);
        if (at(17649) && oh()) rtlx("WAFA", 425, 50);
        if (at(17663) && ct(1100, 1900)) rtlx_cond("SUNA KHARTOUM", 425, 50, 2);
        if (at(17678) && ct(900, 1500)) rtlx("ENA ADDIS ABABA", 425, 50);
        if (at(17690) && day()) rtlx_cond("GNA ACCRA", 425, 50, 4);
        // Military and diplomatic circuits.
        if (at(17407) && t.wHour % 3 == 1) rtlx("RIW FLEET BCST", 850, 50);
        if (at(17420) && ct(800, 2000)) rtlx_cond("RFFA PARIS", 850, 50, 2);
        if (at(17429) && eh()) rtlx_cond("NAW GUANTANAMO", 850, 75, 0);
        if (at(17444) && ct(1800, 2200)) rtlx("MINREX LA HABANA", 425, 50);
        if (at(17456) && oh()) rtlx_cond("MKK LONDON", 850, 75, 3);
        if (at(17461) && ct(1000, 1500)) rtlx("MFA WARSZAWA", 425, 75);
        if (at(17473) && ct(1200, 1700)) rtlx_cond("MFA PRAHA", 425, 75, 2);
        if (at(17495) && ct(900, 1300)) rtlx_cond_arqe_96("MFA BRUXELLES", 3);
        if (at(17497) && od()) rtlx("MFA BEOGRAD", 850, 75);
        if (at(17520) && oh()) rtlx("MFA KAIRO", 850, 75);
        if (at(17543) && eh()) rtlx("MFA ALGER", 850, 75);
        if (at(17560) && ct(700, 1300)) rtlx_cond("MFA TEHRAN", 425, 50, 4);
        if (at(17574) && ct(1500, 2100)) rtlx("MFA ROMA", 850, 75);
        if (at(17588) && ct(800, 1400)) rtlx_cond("MFA BONN", 425, 75, 0);
        if (at(17605) && oh()) rtlx("MFA MOSKVA", 425, 75);
        if (at(17623) && ct(1100, 1700)) rtlx_cond("MFA BUDAPEST", 425, 50, 3);
        if (at(17640) && ct(600, 1200)) rtlx("MFA BAGHDAD", 425, 50);
        if (at(17649) && eh()) rtlx_cond("MFA TRIPOLI", 850, 50, 2);
        if (at(17669) && ct(1300, 1800)) rtlx("HBC88 GENEVE", 425, 50);
        if (at(17683) && ct(900, 1900)) rtlx_cond("INTERPOL PARIS", 425, 50, 0);
        if (at(17694) && oh()) rtlx("NATO BRUSSELS", 850, 75);
        if (at(17484) && ml(20)) rtlx_cond("RIW MOSKVA", 850, 50, 0);
        if (at(17526) && mh(39)) rtlx("NAW FLEET BCST", 850, 75);
        // Naval teleprinter broadcasts beneath the Morse markers of the coast band.
        if (at(17028) && t.wHour % 6 == 3) rtlx("NMC FLEET BCST", 850, 75);
        if (at(17064) && ml(10)) rtlx_cond("NMN PORTSMOUTH VA", 850, 75, 0);
        if (at(17072) && ct(1500, 1700)) rtlx_cond("4XZ HAIFA", 425, 75, 3);
        if (at(17084) && h_3(5)) rtlx("FUF FORT DE FRANCE", 850, 50);
        if (at(17104) && ct(200, 500)) rtlx("GYA WHITEHALL", 850, 75);
        if (at(17112) && t.wHour % 4 == 3) rtlx_cond("RIW MOSKVA", 850, 50, 0);
        if (at(17120) && hl(6)) rtlx_cond("IGJ42 AUGUSTA", 850, 75, 2);
        if (at(17136) && mh(49)) rtlx("CFH HALIFAX", 850, 75);
        if (at(17162) && ct(1800, 2100)) rtlx_cond("FUG LA REGINE", 850, 50, 3);
        if (at(17190) && ed() && ml(20)) rtlx("NPG SAN FRANCISCO", 850, 75);
        if (at(17413) && ct(1200, 1300)) rtlx_cond("RCV SEVASTOPOL", 425, 50, 0);
        if (at(17439) && oh() && mh(39)) rtlx("FUE BREST", 850, 50);
        // Data bursts in the aeronautical band, tuning carriers of the broadcasters.
        if (at(17946) && cond(3)) { qsa = 3; data(300, 3); }
        if (at({17535, 17595, 17650, 17725, 17760, 17840, 17880}) && ml(5)) tuning();
        qsa = 4;
        if (at({17408, 17445, 17492, 17562, 17604, 17665}) && ct(500, 1900) && oh()) n0n(1000);
    }
}

}  // namespace

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
    if (at(17040) && cond(2)) { p(22, 1150, 3); send_cond("CQ CQ DE LGB QRU K"); }
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
    if (at(17104) && t.wMinute % 20 == 13) { p(24, 1050, 4); let_msg_latin("CQ CQ DE GYA = ", 0x80); }
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
    if (at(17044) && ml(20)) post_call("UPYM", "UFN", "QSA4 QRV K");
    if (at(17092) && mh(39)) post_call("UWEB", "UJQ", "GA K");

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
    if (at(17422) && eh()) fixed_net(NET_RU_AIR, 24);
    if (at(17426) && oh()) fixed_net(NET_FR_AIR_1, 41);
    if (at(17439)) { p(25, 1100, 3); french_navy_coast("VVV VVV VVV DE FUE FUE FUE  ", "FUE"); }
    if (at(17442) && cond(2)) { p(21, 1000, 3); send_cond("SUA SUA DE SUA5 SUA5 QTC 3 K"); }
    if (at(17442) && ms(5)) { p(21, 1000, 3); fig_msg_ar("SUA DE SUA5 = "); }
    if (at(17449)) fixed_net(NET_TAC_1, 21);
    if (at(17458) && cond(3)) nato_qso();
    if (at(17465)) fixed_net(NET_RO_DIPLO, 25);
    if (at(17479) && ed()) { p(22, 880, 3); send_cond_par("YIH YIH DE YIH9 YIH9 QTC K", 2); }

    // Broadcast transmitters keying their call on test.

    // Aeronautical telephony and military aeronautical ground stations.
    if (at({17904, 17946, 17961}) && cond(2)) fone_cond(4);
    if (at(17925) && day()) fone_cond(3);
    if (at(17975) && cond(3)) { p(20, 1100, 2); send_cond("RFH RFH DE 9TN7 9TN7 QSA? K"); }
    if (at(17982) && eh()) { p(24, 1000, 3); send_still("VVV VVV VVV DE MKL MKL MKL K  "); }
    if (at(17994)) fixed_net(NET_TAC_2, 23);

    coast_and_fixed_more();

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
    daylight_more();
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
    historical_more();
    stn();

    if (bkgnd) {
        // Coast facsimile and teleprinters, ship NBDP.
        if (at(17146) && (ct(0, 300) || ct(1700, 2000))) fax(120, 576);
        if (at(17151) && (ct(1800, 0) || ct(200, 400))) fax(120, 576);
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

    background_more();
    get_background(180, background_tab_17, prob_tab_17);

    band_end(17);
}

}  // namespace kestrel
