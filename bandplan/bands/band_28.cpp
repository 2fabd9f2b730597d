// Stations of 28000-28999 kHz, tested in order; every entry that applies is queued.
// The amateur 10 m band: telegraphy at its low end, teleprinter above it, the
// beacon chain on 28200 and single beacons around it. Open by day only, wider
// in winter and with sporadic openings in summer.

#include "bandplan/background/background.h"
#include "bandplan/entry.h"
#include "bandplan/entry_helpers.h"
#include "procedures/markers.h"
#include "procedures/predicates.h"
#include "procedures/procedures.h"
#include "procedures/send.h"
#include "state/clock.h"
#include "state/emission.h"
#include "state/receiver.h"
#include "synth/machine.h"
#include "traffic/amateur.h"

namespace kestrel {

namespace {


// The band is open: by day, and in summer also on sporadic evenings.
bool band_open() { return day() || (summer() && ct(1800, 2200) && cond(3)); }

}  // namespace

void band_28() {
    band_start(28, 22);
    weather_broadcasts();
    diplo_traffic();
    // Amateur telegraphy while the band is open, contests at weekends, low
    // power on 28060, the single-letter beacons of the beacon segment.
    if (within(28000, 28070) && band_open() && cond(2)) amateur_tfc();
    if (within(28000, 28060) && weekend() && ct(800, 1600) && cond(3)) contest_qso();
    if (at(28060) && band_open() && cond(3)) qrp_qso();
    if (at(28205) && day()) cluster_beacon();

    // Amateur telegraphy.
    if (at(28045) && band_open()) { p(18, 760, 3); send_cond_par("QRL?", 4); }
    if (at(28060) && band_open() && cond(3)) { p(12, 700, 2); qtc_qsk("CQ CQ CQ DE KC4ZQV KC4ZQV KC4ZQV K "); send_stack(""); }

    // Single beacons of many countries, each with its locator and power.
    if (at(28175) && reg2_day()) { p(18, 800, 2); send_still("VVV DE VE3TEN VE3TEN FN25 10W      "); }
    if (at(28182) && day()) { p(16, 1000, 3); send_still("VVV DE SK5TEN/B JO89 5W      "); }
    if (at(28195) && day()) { p(14, 750, 3); send_still("VVV VVV VVV DE IY4M IY4M JN54 20W      "); }
    if (at(28205) && day()) { p(12, 880, 2); send_still("VVV DE DL0IGI DL0IGI JN57 50W      "); }
    if (at(28215) && day()) { p(12, 650, 3); send_still("VVV DE GB3RAL/B IO91 25W      "); }
    if (at(28222) && day()) { p(14, 900, 2); send_still("VVV DE 5B4CY 5B4CY KM64 10W      "); }
    if (at(28235) && day()) { p(12, 700, 2); send_still("VVV DE LA4TEN LA4TEN JO59 10W      "); }
    if (at(28245) && reg2_day()) { p(16, 1100, 1); send_still("VVV DE PY2AMI/B GG66 5W      "); }
    if (at(28257) && day()) { p(10, 820, 3); send_still("VVV DE DK0TEN DK0TEN JO53 100W      "); }
    if (at(28262) && reg3f_day()) { p(12, 760, 1); send_still("VVV DE VK2RSY/B QF56 25W      "); }
    if (at(28270) && day()) { p(14, 950, 2); send_still("VVV DE ZS6DN/B KG46 10W      "); }
    if (at(28277) && day()) { p(13, 800, 2); send_still("VVV DE DF0ANN/B JN59 5W      "); }
    if (at(28284) && day()) { p(15, 1050, 2); send_still("VVV DE OK0EG OK0EG JO70 4W      "); }
    if (at(28291) && reg2_day()) { p(12, 680, 2); send_still("VVV DE W3VD/B FM19 5W      "); }
    if (at(28298) && day()) { p(14, 900, 1); send_still("VVV DE EA3JA/B JN11 10W      "); }
    if (at(28017) && band_open() && cond(3)) send_cond_bug("CQ CQ DE S51KRD S51KRD K");
    if (at(28045) && band_open() && cond(4)) { p(24, 800, 4); send_cond("CQ DE 9H1QXT 9H1QXT 9H1QXT K"); }
    if (at(28187) && day()) { p(14, 820, 3); send_still("VVV DE OE3XAB/B JN88 10W      "); }
    if (at(28228) && day()) { p(33, 1000, 3); send_still("VVV VVV DE SV3AQR/B KM07 5W      "); }

    stn();

    if (day()) {
        if (at(28200)) world_beacon_net();
        if (at(28017)) { p(28, 700, 3); send_cond_par("TEST DE OH1XT OH1XT", 3); }
        if (at(28026) && cond(2)) { p(24, 650, 2); send_cond("VE1JS DE G0KPW 599 TU K"); }
        if (at(28026) && cond(3)) { p(26, 900, 4); send_cond("CQ DX DE 5N8KWA 5N8KWA K"); }
        if (at(28033) && cond(3)) { p(22, 700, 2); send_cond("CQ CQ DE 9Y4VDT 9Y4VDT K"); }
        if (at(28040) && cond(3)) send_cond_bug("JA4TRW DE EA7CQH 579 TU K");
        if (at(28052) && cond(2)) { p(30, 650, 4); send_cond_par("QRZ? DE ZD8MJB UP 2", 3); }
    }

    if (reg2_day()) {
        if (at(28017) && cond(3)) { p(28, 1650, 4); send_cond("CQ CQ DE W5QPX W5QPX K"); }
        if (at(28033) && cond(4)) send_cond_bug("CQ DE LU2FKT LU2FKT K");
    }

    stn();

    if (hist) {
        // The ten-metre band of the 1930s: hand keys, plain calls, raw notes.
        if (at(28140) && day() && cond(4)) { p(13, 560, 2); hand = 1; send_cond("W2UK DE F8CT F8CT QSA4 QRK5 K"); }
        if (at(28040) && day() && cond(4)) { p(12, 600, 3); hand = 1; send_cond("CQ CQ CQ DE G6NFX G6NFX K"); }
        if (at(28100) && day() && cond(3)) { p(14, 520, 3); send_cond("CQ DX CQ DX DE W1GKQ W1GKQ K"); }
        if (at(28140) && day() && cond(5)) { p(11, 620, 4); send_cond("F8CT DE ON4DMH ON4DMH QSA5 K"); }
        if (at(28175) && day() && cond(4)) { p(13, 600, 3); send_cond("CQ DE D4ARZ D4ARZ D4ARZ K"); }
        if (at(28300) && day() && cond(4)) { p(12, 560, 3); send_cond("CQ CQ DE VK2NQ VK2NQ K"); }
    }

    if (bkgnd) {
        if (within(28070, 28100) && band_open() && cond(4)) rtlx_cond_50_170("RTTY", 0);
        if (at({28080, 28085, 28092}) && band_open()) rtlx_cond_50_170("RTTY", 2);
        if (at(28120) && band_open()) qyt4();
        if (at({28075, 28088}) && band_open()) rtlx_cond("RTTY", 170, 50, 3);
        if (at(28092) && band_open() && cond(2)) rtlx("RTTY CONTEST", 170, 50);
    }

    get_background(2, background_tab_28, prob_tab_28);

    band_end(28);
}

}  // namespace kestrel
