// Band 12 in the background: the teleprinters of the fixed service below the
// maritime band, ships printing on their narrow-band channels, the coast
// stations' printing markers, facsimile and carriers.

#include "bandplan/bands/band_12_blocks.h"
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

void band_12_printers() {
    if (bkgnd) {
        // Press: a night band for Europe, so mostly the evening and night
        // services; the agencies of the East and the Arab world above all.
        if (at(12006) && ct(1700, 2300)) rtlx("REUTER LONDON EVENING", 425, 50);
        if (at(12013) && night()) rtlx_cond("AFP PARIS", 425, 50, 2);
        if (at(12022) && ct(1800, 100) && t.wDayOfWeek != 6) rtlx("DPA HAMBURG", 425, 50);
        if (at(12033) && ml(30)) rtlx_cond("ANSA ROMA", 850, 50, 3);
        if (at(12044) && ct(1600, 0)) rtlx("TANJUG YZD", 425, 50);
        if (at(12051) && cond(2)) rtlx_cond("CTK OLD", 425, 50, 4);
        if (at(12060) && ct(1800, 600)) rtlx("PAP SOH", 425, 50);
        if (at(12064) && eh()) rtlx_cond("ADN Y2L", 850, 50, 0);
        if (at(12081) && ct(1900, 300)) rtlx("MTI HGS", 425, 50);
        if (at(12084) && oh()) rtlx_cond("BTA LZB", 425, 50, 2);
        if (at(12099) && night()) rtlx("AGERPRES YOR", 425, 50);
        if (at(12108) && ct(1200, 2000)) rtlx_cond("ATA ZAT", 850, 50, 3);
        if (at(12116) && ct(1000, 1800)) rtlx_cond("XINHUA BZG", 425, 50, 5);
        if (at(12119) && ct(1500, 2300)) rtlx("KCNA HMF", 425, 50);
        if (at(12123) && t.wMinute >= 30) rtlx_cond("RIW", 850, 50, 0);
        if (at(12131) && ct(1100, 1700)) rtlx("VNA HANOI", 850, 50);
        if (at(12142) && ct(2200, 600)) rtlx("PRENSA LATINA", 425, 50);
        if (at(12156) && ct(1600, 2200)) rtlx_cond("MENA CAIRO", 425, 50, 3);
        if (at(12162) && ct(1700, 100)) rtlx("APS ALGER", 850, 50);
        if (at(12166) && cond(3)) rtlx_cond("MAP RABAT", 425, 50, 4);
        if (at(12173) && ct(1800, 2300)) rtlx("TAP TUNIS", 425, 50);
        if (at(12178) && ml(40)) rtlx_cond("JANA TRIPOLI", 850, 50, 2);
        if (at(12185) && night()) rtlx("INA BAGHDAD", 425, 50);
        if (at(12191) && oh()) rtlx_cond("SANA DAMASCUS", 425, 50, 0);
        if (at(12196) && ct(1300, 2100)) rtlx("IRNA TEHRAN", 850, 50);
        if (at(12199) && ct(1400, 2000)) rtlx_cond("KUNA KUWAIT", 425, 50, 3);
        if (at(12205) && ct(1200, 1800)) rtlx("PTI NEW DELHI", 425, 50);
        if (at(12211) && eh()) rtlx_cond("APP KARACHI", 425, 50, 5);
        if (at(12213) && ct(0, 800)) rtlx("KYODO JJC", 850, 50);
        if (at(12220) && ct(2000, 400)) rtlx_cond("EFE MADRID AMERICA", 425, 50, 2);
        if (at(12222) && ct(2100, 300)) rtlx("ANOP LISBOA", 425, 50);
        // Weather services: the night collections.
        if (at(12026) && (h(23) || h(2) || h(5))) rtlx_cond("DDH OFFENBACH", 425, 50, 3);
        if (at(12071) && night()) rtlx("GFL BRACKNELL", 425, 50);
        if (at(12097) && ct(1800, 600)) rtlx_cond("RBV MOSKVA", 850, 50, 4);
        if (at(12128) && ct(2200, 500)) rtlx("IMB ROMA", 425, 50);
        if (at(12153) && ml(20)) rtlx_cond("7TA ALGER", 425, 50, 2);
        if (at(12183) && ct(2300, 800)) rtlx("LRO BUENOS AIRES", 850, 50);
        // Forces and ministries.
        if (at(12201)) rtlx_cond_75_850("RFFA PARIS", 3);
        if (at(12225) && night()) rtlx_cond("RFTJ DAKAR", 850, 75, 0);
        if (at(12113) && t.wDayOfWeek >= 1 && t.wDayOfWeek <= 5) rtlx_cond("AFE US ARMY", 850, 75, 2);
        if (at(12187) && eh()) rtlx("4XZ HAIFA", 850, 75);
        if (at(12135) && t.wMinute < 20) rtlx_cond_arqe_96("NPG", 0);
        if (at(12170) && ct(2000, 400)) rtlx_cond_arqe_96("MFA CAIRO", 3);

        // Ships' teleprinters on the narrow-band channels.
        if (at(12483) && cond(3)) rtlx_cond_50_170("UUBN", 2);
        if (at(12492) && cond(3)) rtlx_cond("UHQS", 170, 50, 3);
        if (at(12502) && cond(3)) rtlx_cond("UWBE", 170, 50, 4);
        if (at(12511) && cond(3)) rtlx_cond("UPGT", 170, 50, 2);
        if (at(12527) && cond(3)) rtlx_cond("UUHX", 170, 50, 5);
        if (at(12545) && cond(3)) rtlx_cond("Y5RU", 170, 50, 3);

        // Coast stations' printing channels: their markers between messages.
        if (at(12581)) { qsa = 3; sitor_marker(960, 20, "DZR DZR"); }
        if (at(12585)) { qsa = 4; sitor_marker(1100, 22, "SAB SAB"); }
        if (at(12588)) { qsa = 3; sitor_marker(880, 20, "EAD EAD"); }
        if (at(12589) && night()) { qsa = 4; sitor_marker(1000, 24, "NMC NMC"); }
        if (at(12591)) { qsa = 3; sitor_marker(940, 19, "ZSD ZSD"); }
        if (at(12594)) { qsa = 4; sitor_marker(1200, 21, "IAR IAR"); }
        if (at(12596)) { qsa = 3; sitor_marker(860, 20, "SVF SVF"); }
        if (at(12600)) { qsa = 3; sitor_marker(1050, 23, "WLO WLO"); }
        if (at(12605)) { qsa = 4; sitor_marker(900, 20, "URD URD"); }
        if (at(12613)) { qsa = 3; sitor_marker(1150, 22, "SVA SVA"); }
        if (at(12618)) { qsa = 4; sitor_marker(800, 21, "FFT FFT"); }
        if (at(12620)) { qsa = 3; sitor_marker(1000, 20, "DAK DAK"); }
        if (at(12624)) { qsa = 3; sitor_marker(1300, 24, "OST OST"); }
        if (at(12627)) { qsa = 4; sitor_marker(920, 20, "SPE SPE"); }
        if (at(12633)) { qsa = 3; sitor_marker(1080, 22, "WCC WCC"); }
        if (at(12637)) { qsa = 3; sitor_marker(980, 19, "UDK2 UDK2"); }
        if (at(12642)) { qsa = 3; sitor_marker(850, 21, "LZL LZL"); }
        if (at(12649)) { qsa = 4; sitor_marker(1020, 20, "OXZ OXZ"); }
        if (at(12657)) { qsa = 3; sitor_marker(1250, 23, "GKL GKL"); }

        // Coast stations' press and weather teleprinters for ships.
        if (at(12635) && eh() && ml(30)) rtlx("UAT", 170, 50);
        if (at(12692) && ct(400, 600)) rtlx_cond("Y5P", 425, 50, 0);
        if (at(12719) && ct(2200, 300)) rtlx_cond_50_850("LPD", 2);
        if (at(12729) && ct(800, 1000)) rtlx("UFL", 170, 50);
        if (at(12783) && oh()) rtlx_cond("UJY", 170, 50, 3);

        // Weather charts for ships: Norfolk, Hamburg, Tokyo.
        if (at(12841) && ct(1400, 1600)) fax(120, 576);
        if (at(12671) && (ct(900, 1000) || ct(2100, 2200))) fax(120, 576);
        if (at(12884) && reg3f_day()) fax(120, 576);

        // Data bursts and tuning signals of the fixed service.
        if (at({12024, 12121}) && cond(2)) { qsa = 3; data(200, 3); }
        if (at(12041) && cond(2)) qyt4();
        if (at(12090) && mh(57)) tuning();
        qsa = 3;
        if (at({12012, 12058, 12078, 12102, 12147, 12189}) && oh()) n0n(1100);
        qsa = 4;
        if (at({12006, 12033, 12084, 12131}) && ct(600, 700)) n0n(1000);
    }
}

}  // namespace kestrel
