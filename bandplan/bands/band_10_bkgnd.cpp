// The teleprinters, facsimile, SITOR and carriers of 10 MHz (BGND): press
// agencies, meteorological services, the navies and armies, the diplomatic
// circuits and the carriers of idle links. Split from band_10.cpp along its
// background block.

#include "bandplan/entry.h"
#include "procedures/markers.h"
#include "procedures/predicates.h"
#include "procedures/procedures.h"
#include "state/clock.h"
#include "state/emission.h"
#include "state/receiver.h"
#include "synth/machine.h"
#include "synth/morse.h"

namespace kestrel {

void band_10_teleprinters() {
    if (bkgnd) {
        // Press agencies: the European and Soviet bloc services in Latin and
        // Cyrillic, the Asian and Arab agencies on their overseas circuits.
        if (at(10110) && ct(600, 1800)) rtlx("DPA HAMBURG", 425, 50);
        if (at(10155) && night()) rtlx_cond("REUTER LONDON", 425, 50, 2);
        if (at(10153)) rtlx_cond("AFP PARIS", 425, 50, 3);
        if (at(10172) && eh()) rtlx("ANSA ROMA", 425, 50);
        if (at(10169) && ct(400, 2100)) rtlx_cond("TANJUG BEOGRAD", 425, 50, 2);
        if (at(10178)) rtlx("TASS MOSKVA RUSSKAYA SLUZHBA", 425, 50);
        if (at(10184) && oh()) rtlx_cond("PAP WARSZAWA", 425, 50, 4);
        if (at(10193) && ct(500, 1900)) rtlx("CTK PRAHA", 425, 50);
        if (at(10202)) rtlx_cond("MTI BUDAPEST", 425, 50, 3);
        if (at(10199) && ct(300, 2200)) rtlx("ADN BERLIN", 425, 50);
        if (at(10219) && od()) rtlx_cond("BTA SOFIA", 425, 50, 2);
        if (at(10215)) rtlx_cond("AGERPRES BUCURESTI", 425, 50, 5);
        if (at(10233) && ct(1800, 600)) rtlx("XINHUA BEIJING ENGLISH", 425, 50);
        if (at(10247)) rtlx_cond("KCNA PYONGYANG", 425, 50, 3);
        if (at(10244) && night()) rtlx("VNA HANOI", 425, 50);
        if (at(10262) && ct(1000, 1600)) rtlx_cond("MENA CAIRO", 425, 50, 2);
        if (at(10265)) rtlx("PRENSA LATINA HABANA", 425, 50);
        if (at(10277) && eh() && mh(15)) rtlx_cond("INA BAGHDAD", 425, 50, 0);
        if (at(10282) && ct(900, 2000)) rtlx("JANA TRIPOLI", 425, 50);
        if (at(10293)) rtlx_cond("SANA DAMASCUS", 425, 50, 4);
        if (at(10301) && day()) rtlx("IRNA TEHRAN", 425, 50);
        if (at(10313) && oh()) rtlx_cond("APS ALGER", 425, 50, 2);
        if (at(10324)) rtlx("MAP RABAT", 425, 50);
        if (at(10327) && ct(700, 1500)) rtlx_cond("TAP TUNIS", 425, 50, 3);
        if (at(10333) && ed()) rtlx("KUNA KUWAIT", 425, 50);
        if (at(10346)) rtlx_cond("APP KARACHI", 425, 50, 6);
        if (at(10362) && ct(100, 1200)) rtlx("PTI NEW DELHI", 425, 50);
        if (at(10366)) rtlx_cond("ANTARA JAKARTA", 425, 50, 2);
        if (at(10380) && night()) rtlx("KYODO TOKYO", 850, 50);
        if (at(10381) && em()) rtlx_cond("ATA TIRANE", 425, 50, 3);
        if (at(10391)) rtlx("TASS MOSKVA ENGLISH SERVICE", 425, 50);
        if (at(10395) && ct(1200, 2300)) rtlx_cond("ANSA ROMA SERVIZIO ESTERO", 425, 50, 2);
        if (at(10405)) rtlx("AFP PARIS SERVICE ARABE", 425, 50);
        if (at(10411) && eh()) rtlx_cond("DPA HAMBURG OVERSEAS", 425, 50, 3);
        if (at(10421) && ct(1500, 300)) rtlx("REUTER LONDON LATIN AMERICA", 425, 50);
        if (at(10427)) rtlx_cond("XINHUA BEIJING FRANCAIS", 425, 50, 4);
        if (at(10448) && ms20(0)) rtlx("EFE MADRID", 425, 50);
        if (at(10452)) rtlx_cond("ANP DEN HAAG", 425, 50, 5);
        if (at(10461) && ct(600, 1400)) rtlx("SPA RIYADH", 425, 50);
        if (at(10471) && night()) rtlx_cond("TASS MOSKVA ZARUBEZHNAYA", 425, 50, 2);
        if (at(10476)) rtlx("MENA CAIRO ENGLISH", 425, 50);
        if (at(10489) && oh()) rtlx_cond("PRENSA LATINA SERVICIO FRANCES", 425, 50, 3);

        // Meteorological teleprinter broadcasts: synoptic collectives and
        // forecasts of the national services.
        if (at(10101) && ct(0, 600)) rtlx("DDK9 DWD SYNOP EUROPA", 425, 50);
        if (at(10509)) rtlx_cond("GFL BRACKNELL METEO", 425, 50, 0);
        if (at(10513) && eh()) rtlx("FTO PARIS METEO", 425, 50);
        if (at(10520)) rtlx_cond("IMB ROMA METEO AERONAUTICA", 425, 50, 2);
        if (at(10529) && ct(300, 1500)) rtlx("RBV MOSKVA GIDROMETSLUZHBA", 850, 50);
        if (at(10531)) rtlx_cond("5YE NAIROBI METEO", 425, 50, 4);
        if (at(10543) && day()) rtlx("6VY DAKAR ASECNA METEO", 425, 50);
        if (at(10551)) rtlx_cond("7TA ALGER METEO", 425, 50, 3);
        if (at(10554) && oh()) rtlx("SUU CAIRO METEO", 425, 50);
        if (at(10564)) rtlx_cond("ATP NEW DELHI METEO", 850, 50, 2);
        if (at(10568) && ct(1800, 500)) rtlx("AXM CANBERRA METEO", 850, 50);
        if (at(10585)) rtlx_cond("LOL BUENOS AIRES SMN", 425, 50, 5);
        if (at(10594) && eh()) rtlx("PPN BRASILIA INMET", 425, 50);
        if (at(10599)) rtlx_cond("EBA MADRID INM", 425, 50, 3);
        if (at(10603) && ct(0, 1200)) rtlx("SVJ ATHINAI EMY", 425, 50);
        if (at(10623)) rtlx_cond("TAH ANKARA DMI", 425, 50, 2);
        if (at(10637) && ct(500, 2000)) rtlx("OLP PRAHA HMU", 425, 50);
        if (at(10646)) rtlx_cond("HGX BUDAPEST OMSZ", 425, 50, 4);
        if (at(10656) && od()) rtlx("SOM WARSZAWA PIHM", 425, 50);
        if (at(10667)) rtlx_cond("BAF BEIJING CMA", 850, 50, 3);
        if (at(10669) && night()) rtlx("JMJ TOKYO JMA", 850, 50);
        if (at(10685)) rtlx_cond("RWW KHABAROVSK METEO", 850, 50, 2);
        if (at(10707) && ct(200, 1400)) rtlx("RCC TASHKENT METEO", 850, 50);
        if (at(10708)) rtlx_cond("NMC PT REYES NOAA", 850, 50, 6);

        // Navies, armies and air forces: broadcasts and point-to-point links.
        if (at(10706)) rtlx_cond("NAM NORFOLK FLEET BCST", 850, 75, 0);
        if (at(10711) && eh()) rtlx("NSS ANNAPOLIS FOX", 850, 75);
        if (at(10719)) rtlx_cond("NPM PEARL HARBOR", 850, 75, 2);
        if (at(10728)) rtlx_cond_75_850("NRV GUAM FLEET BCST", 3);
        if (at(10734) && night()) rtlx("NAU ROOSEVELT ROADS", 850, 75);
        if (at(10742)) rtlx_cond("GYA WHITEHALL BCST", 850, 75, 4);
        if (at(10748) && ct(600, 2000)) rtlx_cond_75_850("GXH THURSO", 0);
        if (at(10756)) rtlx("MKK LONDON RAF", 850, 50);
        if (at(10759) && oh()) rtlx_cond("FUE BREST MARINE", 850, 50, 2);
        if (at(10769)) rtlx_cond_50_850("FUG LA REGINE", 3);
        if (at(10773) && ct(400, 1800)) rtlx("FUV DJIBOUTI MARINE", 850, 50);
        if (at(10787)) rtlx_cond("IDR ROMA MARINA", 850, 50, 5);
        if (at(10794) && eh()) rtlx("DHJ59 MARINEFUNK", 850, 50);
        if (at(10801)) rtlx_cond("PBC GOEREE KONINKLIJKE MARINE", 850, 50, 2);
        if (at(10809)) rtlx_cond_75_850("CFH HALIFAX MARCOM", 4);
        if (at(10811) && night()) rtlx("CKN VANCOUVER FORCES", 850, 75);
        if (at(10821)) rtlx_cond("SXA PIRAEUS NAVY", 850, 50, 3);
        if (at(10828) && ct(700, 1700)) rtlx_cond_50_850("TBB ANKARA DZKK", 0);
        if (at(10834)) rtlx("CTP OEIRAS MARINHA", 850, 50);
        if (at(10845) && od()) rtlx_cond("EBA MADRID ARMADA", 850, 50, 2);
        if (at(10847)) rtlx_cond_arqe_96("RFFA PARIS ARMEE DE L AIR", 0);
        if (at(10854) && ct(1400, 2200)) rtlx_cond_arqe_96("RFGW PARIS GENDARMERIE", 3);
        if (at(10861)) rtlx_cond_100_850("AFE OFFUTT USAF", 2);
        if (at(10868) && eh()) rtlx_cond("AFH ANDREWS USAF", 850, 75, 0);
        if (at(10877)) rtlx_cond_75_425("4XZ HAIFA NAVY", 3);
        if (at(10884) && night()) rtlx_cond_50_425("RCV SEVASTOPOL", 2);
        if (at(10894)) rtlx_cond_50_425("RIW MOSKVA VMF", 4);
        if (at(10903) && ct(500, 1100)) rtlx("RMP KALININGRAD", 425, 50);
        if (at(10911)) rtlx_cond("SPO GDYNIA MARYNARKA", 425, 50, 3);
        if (at(10920) && ed()) rtlx("Y5M ROSTOCK VOLKSMARINE", 425, 50);
        if (at(10926)) rtlx_cond("YUR SPLIT JRM", 425, 50, 2);
        if (at(10934) && oh()) rtlx("VTG BOMBAY NAVY", 850, 50);
        if (at(10942)) rtlx_cond_75_850("VHP CANBERRA RAN", 5);
        if (at(10947) && ct(2200, 800)) rtlx("ZLO IRIRANGI RNZN", 850, 75);
        if (at(10957)) rtlx_cond("PWZ33 RIO DE JANEIRO", 850, 50, 3);
        if (at(10966) && ct(1200, 2200)) rtlx("LOR PUERTO BELGRANO", 850, 50);
        if (at(10970)) rtlx_cond_75_170("ZRQ SIMONSTOWN", 2);
        if (at(10978) && night()) rtlx_cond_75_425("OVG FREDERIKSHAVN", 4);

        // Diplomatic and government circuits in ARQ and plain teleprinter.
        if (at(10112)) rtlx_cond_arqe_96("FDY4 PARIS QUAI D ORSAY", 4);
        if (at(10141) && day()) rtlx_cond_arqe_96("SUA CAIRO MFA", 0);
        if (at(10190) && oh()) rtlx_cond("9VF SINGAPORE GOVERNMENT", 425, 75, 2);
        if (at(10223)) rtlx_cond_75_170("HBC88 CICR GENEVE", 3);
        if (at(10250) && ct(700, 1900)) rtlx("INTERPOL SAINT MARTIN D ABBAT", 425, 50);
        if (at(10286)) rtlx_cond_100_425("BONN AUSWAERTIGES AMT", 4);
        if (at(10316) && night()) rtlx_cond_arqe_96("OMZ PRAHA MZV", 2);
        if (at(10342)) rtlx_cond_75_425("HMF PYONGYANG MFA", 5);
        if (at(10375) && ed()) rtlx_cond_50_850("YZD BEOGRAD SSIP", 0);
        if (at(10409)) rtlx_cond("4UN UNITED NATIONS GENEVA", 850, 75, 2);
        if (at(10441) && eh()) rtlx_cond_arqe_96("SPW WARSZAWA MSZ", 3);
        if (at(10497)) rtlx_cond("LOL BUENOS AIRES CANCILLERIA", 425, 50, 6);
        if (at(10547) && ct(1000, 2000)) rtlx_cond_100_850("TEHRAN MFA", 3);
        if (at(10601)) rtlx_cond_arqe_96("7TF ALGER MAE", 5);

        // Teleprinter links under the Morse markers of their own stations.
        if (at(10181)) rtlx_cond_50_850("FUG LA REGINE RTTY", 4);
        if (at(10297) && eh()) rtlx("TBA2 ANKARA", 850, 50);
        if (at(10430)) rtlx_cond("SXA ATHINAI", 850, 75, 3);
        if (at(10476) && day()) rtlx_cond("CKN VANCOUVER", 850, 75, 2);
        if (at(10671) && oh()) rtlx("PBC GOEREE", 850, 50);
        if (at(10792) && mh(10)) rtlx_cond_50_425("RJS MOSKVA", 0);
        if (at(10849)) rtlx_cond_75_425("4XZ HAIFA", 2);
        if (at(10988) && ct(600, 1800)) rtlx_cond("RIT SEVEROMORSK", 425, 50, 3);

        // More agencies, services and forces, each on a link it shared with
        // the Morse stations of the frequency.
        if (at(10159) && ct(1100, 2300)) rtlx("UPI NEW YORK EUROPE", 425, 50);
        if (at(10186) && eh()) rtlx_cond("AP NEW YORK WORLD SERVICE", 425, 50, 3);
        if (at(10205) && night()) rtlx("NOVOSTI MOSKVA", 425, 50);
        if (at(10222) && ct(600, 1600)) rtlx_cond("ANA ATHINAI", 425, 50, 2);
        if (at(10243) && oh()) rtlx("ANADOLU AJANSI ANKARA", 425, 50);
        if (at(10261) && ct(800, 1800)) rtlx_cond("PANA DAKAR", 425, 50, 4);
        if (at(10292) && ed()) rtlx("IPS ROMA INTER PRESS", 425, 50);
        if (at(10304) && ct(1900, 300)) rtlx_cond("NOTIMEX MEXICO", 425, 50, 2);
        if (at(10331) && ct(2000, 700)) rtlx("SAMACHAR NEW DELHI", 425, 50);
        if (at(10364) && eh()) rtlx_cond("BERNAMA KUALA LUMPUR", 425, 50, 3);
        if (at(10389) && ct(2300, 900)) rtlx("YONHAP SEOUL", 425, 50);
        if (at(10419) && ct(400, 1400)) rtlx_cond("PETRA AMMAN", 425, 50, 5);
        if (at(10445) && day()) rtlx("WAM ABU DHABI", 425, 50);
        if (at(10473) && oh()) rtlx_cond("SUNA KHARTOUM", 425, 50, 2);
        if (at(10499) && ct(500, 1500)) rtlx("KNA NAIROBI", 425, 50);
        if (at(10526) && eh()) rtlx_cond("ANGOP LUANDA", 425, 50, 3);
        if (at(10545) && ct(1000, 2000)) rtlx("AZAP KINSHASA", 425, 50);
        if (at(10576) && night()) rtlx_cond("NAN LAGOS", 425, 50, 4);
        if (at(10600) && day()) rtlx("NMF BOSTON NWS", 850, 50);
        if (at(10626) && ct(0, 1200)) rtlx_cond("IRIMO TEHRAN", 425, 50, 2);
        if (at(10650) && oh()) rtlx("PMD KARACHI", 850, 50);
        if (at(10680) && ct(1200, 0)) rtlx_cond("TMD BANGKOK", 850, 50, 3);
        if (at(10699) && eh()) rtlx("INSMET HABANA", 425, 50);
        if (at(10725) && ct(300, 1500)) rtlx_cond("ASCENSION USAF", 850, 75, 2);
        if (at(10751) && od()) rtlx("MOD LONDON WHITEHALL", 850, 75);
        if (at(10781) && ct(600, 1800)) rtlx_cond("BUNDESWEHR RHEINBACH", 850, 50, 4);
        if (at(10819) && night()) rtlx("ARMEE DE TERRE PARIS", 850, 50);
        if (at(10851) && oh()) rtlx_cond("MARINA MILITARE TARANTO", 850, 50, 3);
        if (at(10880) && ct(700, 1700)) rtlx("EGYPTIAN ARMY CAIRO", 425, 50);
        if (at(10924) && eh()) rtlx_cond("SHAPE CASTEAU", 850, 75, 2);

        // SITOR on the commercial and the naval links, with their markers.
        if (at(10182)) { qsa = 3; sitor_marker(1050, 18, "FUE FUE FUE"); }
        if (at(10328)) { qsa = 4; sitor_marker(880, 21, "DE PBC PBC PBC"); }
        if (at(10417)) { qsa = 2; sitor_marker(1300, 20, "ZKN ZKN"); }
        if (at(10558) && day()) { qsa = 3; sitor_marker(760, 24, "DE 9VF 9VF"); }
        if (at(10732)) { qsa = 4; sitor_marker(1620, 19, "HEC BERN"); }
        if (at(10833) && oh()) { qsa = 3; sitor_marker(990, 22, "DE OXZ LYNGBY"); }
        if (at(10917)) { qsa = 2; sitor_marker(1190, 17, "VVV DE SAB"); }
        if (at(10624) && cond(2)) sitor();
        if (at(10758) && oh()) sitor();

        // Facsimile: weather charts and press photographs.
        if (at(10865) && (eh() || ct(1100, 1500))) fax(120, 576);
        if (at(10555) && ct(2100, 900) && ml(40)) fax(120, 576);
        if (at(10413) && eh()) fax(60, 576);
        if (at(10283) && ct(1500, 1700) && ed()) fax(120, 288);

        // Data bursts, tuning-up signals and idle carriers of the fixed links.
        if (at({10227, 10464, 10742}) && ml(30)) data(200, 3);
        if (at(10614) && night()) qyt4();
        if (at({10317, 10569, 10889}) && t.wSecond < 12 && night()) tuning();
        qsa = 2;
        if (at({10152, 10229, 10318, 10407, 10503, 10625, 10684, 10805, 10918}) && eh()) n0n(1200);
        qsa = 3;
        if (at({10197, 10343, 10588, 10818}) && night()) n0n(950);
        qsa = 4;
        if (at({10264, 10469, 10642, 10872, 10966}) && day()) n0n(700);
        qsa = 1;
        if (at({10309, 10482, 10717}) && ms30(0)) n0n(1650);
        // Gibraltar keeps its carrier up between its broadcasts at night.
        qsa = 3;
        if (at({10272, 10446}) && ct(100, 500)) n0n(1000);
    }
}

}  // namespace kestrel
