// The teleprinters, facsimile, SITOR, data and carriers of 11 MHz (BGND):
// press services on their overseas beams, meteorological collectives, the
// fleet and air force links, the diplomatic circuits, and the idle carriers
// of the broadcasters above 11700 kHz. Split from band_11.cpp along its
// background block.

#include "bandplan/entry.h"
#include "procedures/markers.h"
#include "procedures/predicates.h"
#include "procedures/procedures.h"
#include "procedures/send.h"
#include "state/clock.h"
#include "state/emission.h"
#include "state/receiver.h"
#include "synth/machine.h"
#include "synth/morse.h"

namespace kestrel {

void band_11_teleprinters() {
    if (bkgnd) {
        // Press services: the overseas beams of the agencies, each in its
        // own hours.
        if (at(11001) && ct(1300, 2300)) rtlx("REUTER LONDON NORTH AMERICA", 425, 50);
        if (at(11007) && eh()) rtlx_cond("AFP PARIS SERVICE AFRIQUE", 425, 50, 2);
        if (at(11018)) rtlx("TASS MOSKVA SLUZHBA AZII", 425, 50);
        if (at(11024) && ct(600, 1500)) rtlx_cond("DPA HAMBURG NAHOST", 425, 50, 3);
        if (at(11032) && night()) rtlx("XINHUA BEIJING ESPANOL", 425, 50);
        if (at(11041)) rtlx_cond("ANSA ROMA AMERICA LATINA", 425, 50, 4);
        if (at(11044) && oh()) rtlx("PRENSA LATINA HABANA INGLES", 425, 50);
        if (at(11050)) rtlx_cond("MENA CAIRO SERVICE FRANCAIS", 425, 50, 2);
        if (at(11057) && ct(1800, 400)) rtlx("KYODO TOKYO ENGLISH", 425, 50);
        if (at(11066)) rtlx_cond("TANJUG BEOGRAD FRANCAIS", 425, 50, 5);
        if (at(11075) && ed()) rtlx("CTK PRAHA ENGLISH", 425, 50);
        if (at(11077)) rtlx_cond("ADN BERLIN ENGLISH", 425, 50, 3);
        if (at(11084) && ct(500, 1700)) rtlx("PAP WARSZAWA FRANCAIS", 425, 50);
        if (at(11092) && night()) rtlx_cond("KCNA PYONGYANG FRANCAIS", 425, 50, 2);
        if (at(11094)) rtlx("IRNA TEHRAN ENGLISH", 425, 50);
        if (at(11104) && ct(700, 1900)) rtlx_cond("SANA DAMASCUS ENGLISH", 425, 50, 4);
        if (at(11111) && eh()) rtlx("JANA TRIPOLI FRANCAIS", 425, 50);
        if (at(11122)) rtlx_cond("INA BAGHDAD FRANCAIS", 425, 50, 3);
        if (at(11125) && ct(1000, 2000)) rtlx("APS ALGER ENGLISH", 425, 50);
        if (at(11129)) rtlx_cond("MAP RABAT ESPANOL", 425, 50, 2);
        if (at(11143) && oh()) rtlx("VNA HANOI FRANCAIS", 425, 50);
        if (at(11145) && night()) rtlx_cond("PTI NEW DELHI OVERSEAS", 425, 50, 6);
        if (at(11157)) rtlx("ANTARA JAKARTA ENGLISH", 425, 50);
        if (at(11167) && ct(800, 1600)) rtlx_cond("BTA SOFIA FRANCAIS", 425, 50, 3);
        if (at(11166)) rtlx("AGERPRES BUCURESTI ENGLISH", 425, 50);
        if (at(11171) && od()) rtlx_cond("MTI BUDAPEST ENGLISH", 425, 50, 2);

        // Meteorological collectives and forecasts.
        if (at(11039)) rtlx_cond("DDH9 DWD PINNEBERG", 425, 50, 0);
        if (at(11039) && ml(5)) { p(30, 1000, 4); send_still("DE DDH9 DDH9 DDH9 PINNEBERG  "); }
        if (at(11088) && eh()) rtlx("GFL BRACKNELL AERO", 425, 50);
        if (at(11134)) rtlx_cond("RBX MOSKVA GIDROMET", 850, 50, 2);
        if (at(11147) && ct(0, 1200)) rtlx("IMB ROMA AERONAUTICA", 425, 50);
        if (at(11402)) rtlx_cond("FTN PARIS METEO FRANCE", 425, 50, 3);
        if (at(11412) && night()) rtlx("5YE NAIROBI SYNOP AFRICA", 425, 50);
        if (at(11411)) rtlx_cond("6VY DAKAR ASECNA", 425, 50, 4);
        if (at(11419) && oh()) rtlx("SUU CAIRO SYNOP", 425, 50);
        if (at(11427)) rtlx_cond("ATA NEW DELHI SYNOP", 850, 50, 2);
        if (at(11432) && ct(1200, 0)) rtlx("BAF BEIJING SYNOP", 850, 50);
        if (at(11438)) rtlx_cond("JMG TOKYO SYNOP", 850, 50, 3);
        if (at(11448) && day()) rtlx("OXT COPENHAGEN METEO", 425, 50);
        if (at(11455)) rtlx_cond("OEM WIEN ZAMG", 425, 50, 5);
        if (at(11459) && eh()) rtlx("SOK WARSZAWA SYNOP", 425, 50);
        if (at(11460)) rtlx_cond("YTD BEOGRAD HIDROMET", 425, 50, 2);
        if (at(11474) && ct(400, 1600)) rtlx("LZA SOFIA METEO", 425, 50);
        if (at(11479)) rtlx_cond("ZRO PRETORIA WEATHER BUREAU", 850, 50, 3);

        // Fleet broadcasts, air forces and armies.
        if (at(11483) && eh()) rtlx("NAM NORFOLK FOX", 850, 75);
        if (at(11491)) rtlx_cond("NSS WASHINGTON FLEET BCST", 850, 75, 2);
        if (at(11498) && night()) rtlx_cond_75_850("NPN GUAM", 0);
        if (at(11500)) rtlx_cond("NPG STOCKTON", 850, 75, 3);
        if (at(11508) && oh()) rtlx("GYU GIBRALTAR", 850, 50);
        if (at(11517)) rtlx_cond("GXQ LONDON RN", 850, 75, 4);
        if (at(11516) && ct(600, 1800)) rtlx_cond_75_850("MKD AKROTIRI RAF", 2);
        if (at(11521)) rtlx("FUX LE PORT REUNION", 850, 50);
        if (at(11525) && eh()) rtlx_cond("FUJ NOUMEA MARINE", 850, 50, 3);
        if (at(11531)) rtlx_cond_50_850("FUF FORT DE FRANCE", 2);
        if (at(11532) && night()) rtlx("IGJ42 AUGUSTA", 850, 50);
        if (at(11545)) rtlx_cond("DHN66 WILHELMSHAVEN", 850, 50, 5);
        if (at(11550) && day()) rtlx("OST BRUSSEL ZEEMACHT", 850, 50);
        if (at(11555)) rtlx_cond_75_425("LGB BERGEN SJOFORSVARET", 3);
        if (at(11561) && ed()) rtlx_cond("SAA KARLSKRONA", 425, 50, 2);
        if (at(11567)) rtlx_cond_50_425("RCV SEVASTOPOL FLOT", 4);
        if (at(11572) && ct(300, 1500)) rtlx("RIT SEVEROMORSK FLOT", 425, 50);
        if (at(11580)) rtlx_cond_50_425("RJD99 MOSKVA GENSHTAB", 0);
        if (at(11583) && oh()) rtlx("SPO GDYNIA MW", 425, 50);
        if (at(11587)) rtlx_cond("YZJ BEOGRAD JNA", 425, 50, 3);
        if (at(11597) && eh()) rtlx("VHP BELCONNEN", 850, 75);
        if (at(11599)) rtlx_cond_75_850("CKN ALDERGROVE", 4);
        if (at(11604) && ct(1300, 2300)) rtlx("NAU ISABELA", 850, 75);
        if (at(11608)) rtlx_cond_100_850("AFA ANDREWS GLOBAL", 3);
        if (at(11615) && night()) rtlx_cond_100_425("SXA24 ATHINAI", 2);
        if (at(11620)) rtlx_cond("4XZ HAIFA MARINE", 425, 75, 5);

        // Diplomatic and government circuits.
        if (at(11005)) rtlx_cond_arqe_96("FDY PARIS DIPLOMATIE", 3);
        if (at(11014) && day()) rtlx_cond_arqe_96("SUA CAIRO KHARGEYA", 0);
        if (at(11027) && night()) rtlx_cond_arqe_96("OLX PRAHA MZV", 4);
        if (at(11045)) rtlx_cond_75_425("HMF PYONGYANG MAE", 2);
        if (at(11055) && ct(800, 1600)) rtlx_cond_100_850("BONN AA ZENTRALE", 0);
        if (at(11069)) rtlx_cond("ICRC GENEVE DELEGATIONS", 170, 75, 3);
        if (at(11083) && oh()) rtlx("INTERPOL PARIS", 425, 50);
        if (at(11093)) rtlx_cond_arqe_96("7TF ALGER AFFAIRES ETRANGERES", 2);
        if (at(11117) && eh()) rtlx_cond_50_850("TUNIS MAE", 3);
        if (at(11127)) rtlx_cond("UNITED NATIONS NEW YORK", 850, 75, 4);
        if (at(11150) && ct(1000, 2200)) rtlx_cond_arqe_96("SPW WARSZAWA MSZ WIECZOR", 0);
        if (at(11624)) rtlx_cond_75_170("HBC88 CICR", 2);
        if (at(11627) && night()) rtlx_cond_arqe_96("MOSKVA MID", 3);
        if (at(11634)) rtlx_cond("LAGOS FOREIGN AFFAIRS", 425, 75, 2);

        // Teleprinters under the Morse markers of their stations.
        if (at(11007) && ms30(0)) rtlx_cond_50_425("RCV", 2);
        if (at(11064)) rtlx_cond("4XZ", 425, 75, 3);
        if (at(11123) && eh()) rtlx("EBA MADRID ARMADA", 850, 50);
        if (at(11411)) rtlx_cond_50_425("RIT", 4);
        if (at(11448) && mh(40)) rtlx_cond("TBB ANKARA", 850, 50, 0);
        if (at(11477) && oh()) rtlx("SXA PIRAEUS", 850, 50);
        if (at(11521)) rtlx_cond("PBC VALKENBURG", 850, 50, 3);
        if (at(11566) && ct(600, 1800)) rtlx("GYA NORTHWOOD", 850, 75);
        if (at(11619)) rtlx_cond("NAM FOX", 850, 75, 2);
        if (at(11643) && ml(40)) rtlx_cond_50_425("RCV", 0);

        // More agencies, services and forces, each on a link it shared with
        // the Morse stations of the frequency.
        if (at(11008) && ct(1200, 2200)) rtlx("UPI NEW YORK LATIN AMERICA", 425, 50);
        if (at(11031) && oh()) rtlx_cond("AP LONDON EUROPEAN DESK", 425, 50, 2);
        if (at(11047) && night()) rtlx("NOVOSTI MOSKVA ENGLISH", 425, 50);
        if (at(11061) && ct(500, 1500)) rtlx_cond("AAP SYDNEY", 425, 50, 3);
        if (at(11074) && eh()) rtlx("CNA TAIPEI", 425, 50);
        if (at(11089) && ct(900, 1900)) rtlx_cond("QNA DOHA", 425, 50, 4);
        if (at(11106) && od()) rtlx("GNA MANAMA", 425, 50);
        if (at(11120) && ct(600, 1400)) rtlx_cond("ONA MUSCAT", 425, 50, 2);
        if (at(11135) && oh()) rtlx("SABA SANAA", 425, 50);
        if (at(11151) && ct(700, 1700)) rtlx_cond("ENA ADDIS ABABA", 425, 50, 3);
        if (at(11165) && eh()) rtlx("SHIHATA DAR ES SALAAM", 425, 50);
        if (at(11405) && ct(1000, 2000)) rtlx_cond("ZIANA HARARE", 425, 50, 5);
        if (at(11418) && night()) rtlx("AIM MAPUTO", 425, 50);
        if (at(11437) && day()) rtlx_cond("AZAP KINSHASA FRANCAIS", 425, 50, 2);
        if (at(11450) && ct(1800, 600)) rtlx("PNA MANILA", 425, 50);
        if (at(11466) && eh()) rtlx_cond("HANOI KTTV", 850, 50, 3);
        if (at(11476) && ct(400, 1400)) rtlx("COLOMBO METEO", 850, 50);
        if (at(11495) && oh()) rtlx_cond("ULAANBAATAR METEO", 850, 50, 2);
        if (at(11509) && ct(0, 900)) rtlx("CFH HALIFAX METOC", 850, 75);
        if (at(11526) && ed()) rtlx_cond("NORTHWOOD FLEET WEATHER", 850, 75, 4);
        if (at(11540) && day()) rtlx("HNMS ATHINAI", 425, 50);
        if (at(11554) && ct(1300, 2300)) rtlx_cond("US ARMY FORT DETRICK", 850, 75, 3);
        if (at(11570) && night()) rtlx("FORCES ARMEES ROYALES RABAT", 850, 50);
        if (at(11585) && eh()) rtlx_cond("ISRAELI DEFENCE FORCES", 850, 50, 2);
        if (at(11600) && ct(500, 1700)) rtlx("SAUDI ARMY RIYADH", 425, 50);
        if (at(11614) && oh()) rtlx_cond("ROYAL JORDANIAN ARMY", 425, 50, 4);
        if (at(11630) && ct(900, 2100)) rtlx("ALGERIAN ARMY ALGER", 850, 50);
        if (at(11646) && eh()) rtlx_cond("NIGERIAN ARMY LAGOS", 425, 50, 3);
        if (at(11042) && night()) rtlx("WAFA TUNIS", 425, 50);
        if (at(11126) && ct(1500, 100)) rtlx_cond("CANA BRIDGETOWN", 425, 50, 2);

        // SITOR, facsimile and data.
        if (at(11011)) { qsa = 3; sitor_marker(1140, 20, "DE FUE FUE"); }
        if (at(11076)) { qsa = 4; sitor_marker(930, 23, "IDR IDR IDR"); }
        if (at(11142) && day()) { qsa = 2; sitor_marker(1560, 18, "DE SUA SUA"); }
        if (at(11424)) { qsa = 3; sitor_marker(800, 22, "SXA SXA"); }
        if (at(11535) && oh()) { qsa = 4; sitor_marker(1260, 21, "DE DHJ59 DHJ59"); }
        if (at(11598)) { qsa = 2; sitor_marker(1010, 19, "PBC PBC PBC"); }
        if (at(11636) && eh()) sitor();
        if (at(11030) && !ct(600, 1200)) fax(120, 576);
        if (at(11086) && ct(300, 2100) && oh()) fax(120, 576);
        if (at(11456) && eh()) fax(120, 576);
        if (at(11639) && ct(600, 1000)) fax(60, 576);
        if (at({11072, 11492, 11611}) && eh()) data(200, 1);
        if (at(11165) && ct(900, 1600)) qyt4();
        if (at({11023, 11445, 11592}) && t.wSecond > 48) tuning();
        qsa = 1;
        if (at({11004, 11051, 11097, 11138, 11409, 11463, 11539, 11603}) && oh()) n0n(1400);
        qsa = 2;
        if (at({11034, 11115, 11481, 11575, 11645}) && night()) n0n(1050);
        // The fleet broadcasts' carriers in the small hours, between schedules.
        qsa = 4;
        if (at({11566, 11619}) && ct(200, 500) && ml(20)) n0n(850);
    }
}

// The carriers of the broadcasters, after the background: the transmitters
// warming up before their programmes and the idle ones between them.
void band_11_broadcast_carriers() {
    if (bkgnd) {
        qsa = 3;
        if (at({11700, 11705, 11715, 11725, 11735, 11740, 11755, 11760, 11765, 11770, 11775, 11780}) && ml(5)) n0n(1000);
        qsa = 4;
        if (at({11790, 11800, 11810, 11825, 11840, 11850, 11870, 11890, 11915}) && mh(54)) n0n(1000);
    }
}

}  // namespace kestrel
