// Band 14, the background (BGND): amateur teleprinter and tuning-up
// carriers, the press, weather, naval and government teleprinters of the
// fixed service with their Morse identifications, SITOR, facsimile, data
// bursts and carriers.

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

void band_14_bkgnd() {
    if (bkgnd) {
        // Amateur teleprinter: contests at weekends, DX stations on weekdays.
        if (at({14082, 14084, 14087, 14089}) && weekend()) rtlx_cond_50_170("RTTY CONTEST", 0);
        if (at({14090, 14092, 14094}) && eh()) rtlx_cond_50_170("RTTY DX", 3);
        if (at(14094) && cond(2)) rtlx_cond_75_170("AMTOR", 2);
        if (at(14100)) rtlx_cond("RTTY", 170, 50, 4);
        if (at({14101, 14103}) && cond(2)) qyt4();
        if (at(14109)) rtlx_cond_75_170("PACKET", 5);
        if (at({14018, 14043, 14061}) && t.wSecond % 6 == 0) tuning();

        // Press agencies.
        if (at(14352) && t.wHour % 3 == 2) rtlx("TASS MOSCOW", 850, 50);
        if (at(14359)) rtlx_cond("XINHUA BEIJING", 425, 50, 3);
        if (at(14359) && ml(2)) { p(24, 1000, 4); send_still("CQ CQ CQ DE BZR63 BZR63 BZR63 XINHUA  "); }
        if (at(14367) && ct(700, 1700)) rtlx("AFP PARIS", 425, 50);
        if (at(14376)) rtlx_cond("DPA HAMBURG", 425, 50, 2);
        if (at(14384) && eh()) rtlx("ANSA ROMA", 850, 50);
        if (at(14396)) rtlx_cond("MENA CAIRO", 425, 50, 4);
        if (at(14403) && oh()) rtlx("PAP WARSZAWA", 425, 50);
        if (at(14412)) rtlx_cond("CTK PRAHA", 425, 50, 3);
        if (at(14421) && ct(600, 1800)) rtlx("MTI BUDAPEST", 850, 50);
        if (at(14429)) rtlx_cond("BTA SOFIA", 425, 50, 2);
        if (at(14440) && t.wHour % 2 == 0) rtlx("ADN BERLIN", 425, 50);
        if (at(14450)) rtlx_cond("TANJUG BEOGRAD", 850, 50, 5);
        if (at(14450) && ms(30)) { p(25, 1250, 3); send_still("VVV VVV VVV DE YZJ2 YZJ2 YZJ2 TANJUG  "); }
        if (at(14457)) rtlx_cond("AGERPRES BUCURESTI", 425, 50, 3);
        if (at(14470) && day()) rtlx("KCNA PYONGYANG", 425, 50);
        if (at(14477)) rtlx_cond("VNA HANOI", 425, 50, 2);
        if (at(14486) && ct(1200, 0)) rtlx("PRENSA LATINA HABANA", 425, 50);
        if (at(14497)) rtlx_cond("KYODO TOKYO", 850, 50, 4);
        if (at(14506) && night()) rtlx("ANTARA JAKARTA", 425, 50);
        if (at(14512)) rtlx_cond("PTI NEW DELHI", 850, 50, 3);
        if (at(14525) && eh()) rtlx("APP KARACHI", 425, 50);
        if (at(14533)) rtlx_cond("IRNA TEHRAN", 425, 50, 2);
        if (at(14533) && t.wMinute < 3) { p(16, 1300, 3); send_still("CQ CQ DE EPC37 EPC37 EPC37 IRNA RTTY  "); }
        if (at(14543) && oh()) rtlx("INA BAGHDAD", 425, 50);
        if (at(14553)) rtlx_cond("SANA DAMASCUS", 425, 50, 5);
        if (at(14563) && ct(800, 2000)) rtlx("JANA TRIPOLI", 850, 50);
        if (at(14574)) rtlx_cond("APS ALGER", 425, 50, 3);
        if (at(14584) && eh()) rtlx("MAP RABAT", 425, 50);
        if (at(14591)) rtlx_cond("TAP TUNIS", 425, 50, 2);
        if (at(14603) && t.wHour % 4 == 0) rtlx("REUTER LONDON", 425, 50);
        if (at(14612)) rtlx_cond("EFE MADRID", 425, 50, 4);
        if (at(14623) && day()) rtlx("ANADOLU ANKARA", 425, 50);
        if (at(14634)) rtlx_cond("SPA RIYADH", 425, 50, 3);
        if (at(14640) && oh()) rtlx("QNA DOHA", 425, 50);
        if (at(14651)) rtlx_cond("WAM ABU DHABI", 425, 50, 2);
        if (at(14662) && ct(900, 1700)) rtlx("KUNA KUWAIT", 425, 50);
        if (at(14672)) rtlx_cond("ANGOP LUANDA", 425, 50, 5);
        if (at(14681) && eh()) rtlx("ATA TIRANA", 425, 50);
        if (at(14689)) rtlx_cond("UPI NEW YORK", 425, 50, 3);
        if (at({14617, 14757, 14868}) && t.wHour % 3 == 1) rtlx("TASS MOSCOW", 850, 50);
        if (at({14640, 14779}) && t.wHour % 2 == 0) rtlx("XINHUA BEIJING", 425, 50);
        if (at(14700) && oh()) rtlx("AFP PARIS", 425, 50);
        if (at(14700) && oh() && ms(0)) { p(32, 1000, 4); send_still("VVV VVV VVV DE FTO70 FTO70 FTO70 AFP  "); }

        // Weather services and facsimile.
        if (at(14467)) rtlx_cond("DDH8 DWD OFFENBACH", 425, 50, 0);
        if (at(14467) && ms(25)) { p(22, 1000, 4); send_still("VVV VVV VVV DE DDH8 DDH8 DDH8  "); }
        if (at(14475) && t.wHour % 6 == 3) rtlx("METEO PARIS", 425, 50);
        if (at(14494)) rtlx_cond("RVW MOSCOW METEO", 425, 50, 2);
        if (at(14527) && eh()) rtlx("GFL BRACKNELL", 425, 50);
        if (at(14548)) rtlx_cond("IMB ROMA METEO", 425, 50, 3);
        if (at(14569) && ct(0, 1200)) rtlx("ECA MADRID METEO", 425, 50);
        if (at(14599)) rtlx_cond("SUU CAIRO METEO", 425, 50, 4);
        if (at(14629) && oh()) rtlx("LZA SOFIA METEO", 425, 50);
        if (at(14657)) rtlx_cond("ATA NEW DELHI METEO", 425, 50, 2);
        if (at(14686) && night()) rtlx("RHB KHABAROVSK METEO", 425, 50);
        if (at(14715)) rtlx_cond("BAF BEIJING METEO", 425, 50, 3);
        if (at(14740) && ct(1800, 600)) rtlx("JMG TOKYO METEO", 170, 50);
        if (at(14768)) rtlx_cond("ZRO PRETORIA METEO", 425, 50, 5);
        if (at(14795) && eh()) rtlx("LRB BUENOS AIRES METEO", 425, 50);
        if (at(14436) && ct(1200, 1400)) fax(120, 576);
        if (at(14436) && ms(0) && t.wHour % 3 == 0) { p(21, 1000, 4); send_still("VVV VVV VVV DE GFE24 GFE24 GFE24  "); }
        if (at(14820) && (ct(300, 900) || ct(1500, 2100))) fax(120, 576);
        if (at(14905) && reg1rus_day()) fax(120, 576);
        if (at(14980) && ct(1000, 1200)) fax(120, 576);

        // Naval broadcasts and military circuits.
        if (at({14382, 14922}) && ms10(20)) rtlx_cond("RIW MOSCOW NAVY", 425, 50, 0);
        if (at(14392)) rtlx_cond("NSS ANNAPOLIS", 850, 75, 0);
        if (at(14402) && day()) rtlx("NAM NORFOLK", 850, 75);
        if (at(14417)) rtlx_cond("GYA NORTHWOOD", 850, 75, 3);
        if (at(14426)) rtlx_cond("FUE BREST", 850, 50, 2);
        if (at(14435) && oh()) rtlx("FUG LA REGINE", 850, 50);
        if (at(14452)) rtlx_cond("EBA MADRID NAVY", 850, 50, 4);
        if (at(14453) && eh()) rtlx("IDR ROMA NAVY", 850, 50);
        if (at(14477)) rtlx_cond("SXA ATHINAI NAVY", 850, 50, 3);
        if (at(14511)) rtlx_cond("4XZ HAIFA NAVY", 850, 75, 2);
        if (at(14537) && ct(600, 1800)) rtlx("PBC GOEREE NAVY", 850, 75);
        if (at(14562)) rtlx_cond_75_850("NWP ARGENTIA", 3);
        if (at(14579)) rtlx_cond("TBA ANKARA NAVY", 850, 50, 5);
        if (at(14612) && night()) rtlx("RCV SEVASTOPOL", 425, 50);
        if (at(14647)) rtlx_cond("SXA ATHINAI", 850, 50, 2);
        if (at(14667) && eh()) rtlx("OVG FREDERIKSHAVN", 850, 50);
        if (at(14712)) rtlx_cond("CTP OEIRAS NAVY", 850, 50, 4);
        if (at(14725) && t.wHour % 2 == 1) rtlx("NPM PEARL HARBOR", 850, 75);
        if (at(14759)) rtlx_cond_75_850("VHP CANBERRA NAVY", 3);
        if (at(14786)) rtlx_cond("FUX LA REUNION", 850, 50, 2);
        if (at(14811) && ct(700, 1900)) rtlx("NATO BRUNSSUM", 850, 75);
        if (at(14835)) rtlx_cond("FUV DJIBOUTI", 850, 50, 3);
        if (at(14893) && eh()) rtlx("4XZ HAIFA", 850, 75);
        if (at(14929)) rtlx_cond("RFFV PARIS ARMEE", 850, 50, 4);
        if (at(14950)) rtlx_cond("RMP KALININGRAD", 425, 50, 2);
        if (at(14962) && day()) rtlx("DHJ59 WILHELMSHAVEN", 850, 50);
        if (at(14974)) rtlx_cond_75_425("GYU GIBRALTAR", 4);

        // Foreign ministries and international bodies.
        if (at(14362)) rtlx_cond_arqe_96("MAE PARIS", 2);
        if (at(14399) && ct(800, 1600)) rtlx_cond_arqe_96("SUA CAIRO MFA", 0);
        if (at(14439)) rtlx_cond_100_425("OLX PRAHA MFA", 3);
        if (at(14462) && ct(900, 1500)) rtlx("INTERPOL PARIS", 425, 50);
        if (at(14491)) rtlx_cond_arqe_96("HBC88 CICR GENEVE", 4);
        if (at(14519) && oh()) rtlx("4UN NEW YORK", 170, 75);
        if (at(14548)) rtlx_cond_100_850("AUSWAERTIGES AMT BONN", 2);
        if (at(14578)) rtlx_cond("MFA ANKARA", 425, 75, 3);
        if (at(14606)) rtlx_cond_arqe_96("MAE ROMA", 5);
        if (at(14631) && eh()) rtlx("MFA ALGER", 425, 75);
        if (at(14662)) rtlx_cond_100_425("UD OSLO", 3);
        if (at(14697) && ct(800, 1600)) rtlx_cond_arqe_96("MINREX HABANA", 0);
        if (at(14723)) rtlx_cond("MFA CAIRO", 850, 75, 2);
        if (at(14761)) rtlx_cond_arqe_96("MFA RABAT", 4);
        if (at(14790)) rtlx_cond("MFA BAGHDAD", 425, 75, 3);
        if (at(14814) && ct(900, 1500)) rtlx_cond_arqe_96("EDA BERN", 0);
        if (at(14840)) rtlx_cond("MFA TRIPOLI", 850, 75, 5);
        if (at(14863)) rtlx_cond_100_850("FCO LONDON", 2);
        if (at(14888) && oh()) rtlx("MFA KUWAIT", 425, 75);
        if (at(14912)) rtlx_cond_arqe_96("MFA BEOGRAD", 3);
        if (at(14935) && ct(1300, 1700)) rtlx_opchat("OLX");
        if (at(14945)) rtlx_cond("MFA DAMASCUS", 425, 75, 4);

        // SITOR stations of the fixed service and the coast stations'
        // high-frequency relays.
        qsa = 3;
        if (at(14352)) sitor_marker(1000, 22, "DE SPA");
        if (at(14523)) sitor_marker(900, 20, "CLP1");
        if (at(14623)) sitor_marker(1150, 24, "SUA SITOR");
        if (at(14751)) sitor_marker(1300, 18, "HZN");
        if (at(14872)) sitor_marker(800, 21, "DE 7TA");
        if (at({14408, 14702, 14918})) sitor();

        // Data bursts, tuning-up signals and carriers.
        if (at({14388, 14589, 14797})) { qsa = 3; data(200, 3); }
        if (at(14646) && cond(3)) qyt4();
        if (at({14459, 14728}) && t.wSecond % 4 == 1) tuning();
        qsa = 2;
        if (at({14371, 14448, 14535, 14609, 14684, 14755, 14837, 14899}) && eh()) n0n(1000);
        if (at({14401, 14512, 14594, 14677, 14746, 14849, 14956}) && oh()) n0n(1600);
    }
}

}  // namespace kestrel
