// Band 13, the background (BGND): press, weather, naval and government
// teleprinters with their Morse identifications, the coast stations' SITOR
// channels, facsimile, data bursts, tuning-up signals and carriers.

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

void band_13_bkgnd() {
    if (bkgnd) {
        // The coast stations' SITOR channels: the marker between the bursts.
        qsa = 3;
        if (at(13003)) sitor_marker(1000, 21, "DE DAN");
        if (at(13006)) sitor_marker(880, 24, "PCH");
        if (at(13019) && ct(1300, 2200)) sitor_marker(1350, 18, "VWB");
        if (at(13021)) sitor_marker(1100, 22, "UDH");
        if (at(13026)) sitor_marker(940, 20, "IAR");
        if (at(13033)) sitor_marker(760, 25, "LGB SITOR");
        if (at(13048) && ct(1530, 130)) sitor_marker(1500, 21, "KFS");
        if (at(13054)) sitor_marker(1200, 19, "SVA");
        if (at(13067)) sitor_marker(1020, 23, "OXZ SITOR");
        if (at({13074, 13128, 13181})) sitor();

        // Press agencies on the old fixed allocation.
        if (at(13413) && t.wHour % 3 == 1) rtlx("TASS MOSCOW", 850, 50);
        if (at(13418)) rtlx_cond("XINHUA BEIJING", 425, 50, 2);
        if (at({13426, 13645}) && ct(600, 1400)) rtlx("AFP PARIS", 425, 50);
        if (at(13432) && eh()) rtlx_cond("DPA HAMBURG", 425, 50, 3);
        if (at(13440)) rtlx_cond("ANSA ROMA", 850, 50, 4);
        if (at(13454) && ct(1000, 2000)) rtlx("MENA CAIRO", 425, 50);
        if (at(13454) && ml(3)) { p(40, 1000, 4); send_still("VVV VVV VVV DE SUA246 SUA246 SUA246 MENA  "); }
        if (at(13465)) rtlx_cond("PAP WARSZAWA", 425, 50, 2);
        if (at(13471) && oh()) rtlx("CTK PRAHA", 425, 50);
        if (at(13480)) rtlx_cond("MTI BUDAPEST", 850, 50, 3);
        if (at(13488) && ct(500, 1700)) rtlx("BTA SOFIA", 425, 50);
        if (at(13503)) rtlx_cond("ADN BERLIN", 425, 50, 5);
        if (at(13518) && day()) rtlx("TANJUG BEOGRAD", 850, 50);
        if (at(13518) && ms(0)) { p(25, 1250, 3); send_still("CQ CQ DE YZJ YZJ YZJ TANJUG RTTY  "); }
        if (at(13536)) rtlx_cond("AGERPRES BUCURESTI", 425, 50, 2);
        if (at(13543) && t.wHour % 2 == 0) rtlx("KCNA PYONGYANG", 425, 50);
        if (at(13558)) rtlx_cond("VNA HANOI", 425, 50, 4);
        if (at(13579)) rtlx_cond("PRENSA LATINA HABANA", 425, 50, 2);
        if (at(13579) && ml(4)) { p(21, 1000, 4); send_still("VVV VVV VVV DE CLN27 CLN27 CLN27 PL  "); }
        if (at(13590) && ct(0, 900)) rtlx("KYODO TOKYO", 850, 50);
        if (at(13607)) rtlx_cond("ANTARA JAKARTA", 425, 50, 3);
        if (at(13614) && eh()) rtlx("PTI NEW DELHI", 850, 50);
        if (at(13628)) rtlx_cond("APP KARACHI", 425, 50, 2);
        if (at(13635) && ct(800, 2000)) rtlx("IRNA TEHRAN", 425, 50);
        if (at(13652)) rtlx_cond("INA BAGHDAD", 425, 50, 3);
        if (at(13663) && oh()) rtlx("SANA DAMASCUS", 425, 50);
        if (at(13681)) rtlx_cond("JANA TRIPOLI", 850, 50, 2);
        if (at(13681) && t.wMinute < 2) { p(20, 1400, 3); send_still("CQ CQ CQ DE 5AL21 5AL21 JANA PRESS  "); }
        if (at(13693)) rtlx_cond("APS ALGER", 425, 50, 4);
        if (at(13710) && ct(900, 2100)) rtlx("MAP RABAT", 425, 50);
        if (at(13724)) rtlx_cond("TAP TUNIS", 425, 50, 3);
        if (at(13740) && day()) rtlx("SUNA KHARTOUM", 425, 50);
        if (at(13755)) rtlx_cond("ANADOLU ANKARA", 425, 50, 2);
        if (at(13769) && t.wHour % 4 == 2) rtlx("REUTER LONDON", 425, 50);
        if (at(13790)) rtlx_cond("EFE MADRID", 425, 50, 5);
        if (at(13799) && eh()) rtlx("ANOP LISBOA", 425, 50);
        if (at(13814)) rtlx_cond("ATA TIRANA", 425, 50, 3);
        if (at(13829) && ct(1100, 1900)) rtlx("PETRA AMMAN", 425, 50);
        if (at(13845)) rtlx_cond("KUNA KUWAIT", 425, 50, 2);
        if (at(13857) && oh()) rtlx("ENA ADDIS ABABA", 425, 50);
        if (at({13598, 13736, 13812}) && t.wHour % 3 == 0) rtlx("TASS MOSCOW", 850, 50);
        if (at({13623, 13709}) && t.wHour % 2 == 1) rtlx("XINHUA BEIJING", 425, 50);
        if (at(13686) && ml(2)) { p(24, 1000, 3); send_still("CQ CQ CQ DE BZP54 BZP54 BZP54 XINHUA  "); }
        if (at(13686)) rtlx_cond("XINHUA BEIJING", 425, 50, 2);

        // Weather services.
        if (at(13467)) rtlx_cond("LZA SOFIA METEO", 425, 50, 0);
        if (at(13467) && ms(55)) { p(21, 1000, 4); send_still("VVV VVV VVV DE LZA2 LZA2 LZA2 METEO SOFIA  "); }
        if (at(13479) && t.wHour % 6 == 0) rtlx("METEO PARIS", 425, 50);
        if (at(13501)) rtlx_cond("RBV MOSCOW METEO", 425, 50, 3);
        if (at(13529) && eh()) rtlx("GFL BRACKNELL", 425, 50);
        if (at(13540)) rtlx_cond("IMB ROMA METEO", 425, 50, 2);
        if (at(13561) && ct(0, 1200)) rtlx("ECA MADRID METEO", 425, 50);
        if (at(13611)) rtlx_cond("SUU CAIRO METEO", 425, 50, 3);
        if (at(13635) && oh()) rtlx("OLT PRAHA METEO", 425, 50);
        if (at(13672)) rtlx_cond("ATP NEW DELHI METEO", 425, 50, 4);
        if (at(13702) && night()) rtlx("RPZ TASHKENT METEO", 425, 50);
        if (at(13748)) rtlx_cond("BAF BEIJING METEO", 425, 50, 2);
        if (at(13765) && ct(1800, 600)) rtlx("JMG TOKYO METEO", 170, 50);
        if (at(13796)) rtlx_cond("5YE NAIROBI METEO", 425, 50, 3);
        if (at(13839) && eh()) rtlx("6VY DAKAR METEO", 425, 50);
        if (at(13882) && (ct(400, 1000) || ct(1600, 2200))) fax(120, 576);
        if (at(13882) && ms(0) && t.wHour % 6 == 4) { p(22, 2020, 4); send_still("VVV VVV VVV DE DDK6 DDK6 DDK6 QSX 13882  "); }
        if (at(13549) && (ct(900, 1100) || ct(2100, 2300))) fax(120, 576);
        if (at(13920) && reg3f_day()) fax(120, 576);
        if (at(13597) && ct(1200, 1400)) fax(120, 576);

        // Naval broadcasts and military circuits.
        if (at({13417, 13878}) && ms10(30)) rtlx_cond("RIW MOSCOW NAVY", 425, 50, 0);
        if (at(13425)) rtlx_cond("NSS ANNAPOLIS", 850, 75, 0);
        if (at(13437) && day()) rtlx("NAM NORFOLK", 850, 75);
        if (at(13450)) rtlx_cond("GYA NORTHWOOD", 850, 75, 2);
        if (at(13463)) rtlx_cond("FUE BREST", 850, 50, 3);
        if (at(13476) && oh()) rtlx("FUG LA REGINE", 850, 50);
        if (at(13488) && ml(2)) { p(24, 1000, 3); send_still("VVV DE TBA2 RTTY  "); }
        if (at(13494)) rtlx_cond("EBA MADRID NAVY", 850, 50, 4);
        if (at(13501) && eh()) rtlx("IDR ROMA NAVY", 850, 50);
        if (at(13514)) rtlx_cond("SXA ATHINAI NAVY", 850, 50, 2);
        if (at(13527)) rtlx_cond("4XZ HAIFA NAVY", 850, 75, 3);
        if (at(13534) && ct(600, 1800)) rtlx("PBC GOEREE NAVY", 850, 75);
        if (at(13546)) rtlx_cond("CFH HALIFAX", 850, 75, 5);
        if (at(13565)) rtlx_cond_75_850("NPN GUAM", 3);
        if (at(13531)) rtlx_cond_75_850("NRV GUAM CG", 4);
        if (at(13876) && night()) rtlx("RCV SEVASTOPOL", 425, 50);
        if (at(13893)) rtlx_cond("OVG FREDERIKSHAVN", 850, 50, 2);
        if (at(13905)) rtlx_cond("VTP VISAKHAPATNAM", 850, 50, 3);
        if (at(13916) && t.wHour % 2 == 0) rtlx("NATO NAPLES", 850, 75);
        if (at(13937)) rtlx_cond("RFFA PARIS ARMEE", 850, 50, 2);
        if (at(13946)) rtlx_cond_100_850("GXH THURSO", 5);
        if (at(13958) && eh()) rtlx("NPM PEARL HARBOR", 850, 75);
        if (at(13970)) rtlx_cond("RMP KALININGRAD", 425, 50, 4);
        if (at(13984) && ct(1000, 1900)) rtlx("CTP OEIRAS NAVY", 850, 50);
        if (at(13993)) rtlx_cond_75_425("FUM PAPEETE", 3);

        // Foreign ministries and international bodies, ARQ-E and 100 Bd.
        if (at(13412)) rtlx_cond_arqe_96("MAE PARIS", 3);
        if (at(13448) && ct(700, 1700)) rtlx_cond_arqe_96("SUA CAIRO MFA", 0);
        if (at(13474)) rtlx_cond_100_425("OLX PRAHA MFA", 4);
        if (at(13498) && ct(900, 1500)) rtlx("INTERPOL PARIS", 425, 50);
        if (at(13521)) rtlx_cond_arqe_96("HBC88 CICR GENEVE", 5);
        if (at(13553) && oh()) rtlx("4UN NEW YORK", 170, 75);
        if (at(13588)) rtlx_cond_100_850("AUSWAERTIGES AMT BONN", 3);
        if (at(13600)) rtlx_cond("MFA ANKARA", 425, 75, 2);
        if (at(13633)) rtlx_cond_arqe_96("MAE ROMA", 4);
        if (at(13660) && eh()) rtlx("MFA BEOGRAD", 425, 75);
        if (at(13700)) rtlx_cond_100_425("UD STOCKHOLM", 3);
        if (at(13730) && ct(800, 1600)) rtlx_cond_arqe_96("MINREX HABANA", 0);
        if (at(13762)) rtlx_cond("MFA CAIRO", 850, 75, 5);
        if (at(13820)) rtlx_cond_arqe_96("MFA ALGER", 2);
        if (at(13853)) rtlx_cond("MFA TEHRAN", 425, 75, 3);
        if (at(13865) && ct(1300, 1700)) rtlx_opchat("OLX");

        // Data bursts, tuning-up carriers and plain carriers.
        if (at({13428, 13604, 13791})) { qsa = 3; data(200, 3); }
        if (at(13557) && cond(3)) qyt4();
        if (at({13607, 13744}) && t.wSecond % 4 == 0) tuning();
        if (at(13912) && cond(4)) tuning();
        qsa = 2;
        if (at({13445, 13496, 13571, 13652, 13730, 13874, 13962}) && eh()) n0n(1100);
        if (at({13468, 13588, 13677, 13798, 13899}) && oh()) n0n(1450);
    }
}

}  // namespace kestrel
