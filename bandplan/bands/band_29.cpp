// Stations of 29000-29999 kHz, tested in order; every entry that applies is queued.
// Upper 10 m band: amateur voice, the downlinks of the amateur satellites with
// their telegraphy beacons, repeaters; then short-range fixed and mobile
// services to 30 MHz. No background recordings here.

#include "bandplan/entry.h"
#include "bandplan/entry_helpers.h"
#include "bandplan/fixed_nets.h"
#include "procedures/markers.h"
#include "procedures/predicates.h"
#include "procedures/procedures.h"
#include "procedures/send.h"
#include "procedures/sendf.h"
#include "procedures/voice.h"
#include "state/clock.h"
#include "state/emission.h"
#include "state/random.h"
#include "state/receiver.h"
#include "synth/machine.h"
#include "synth/morse.h"
#include "traffic/blocks.h"
#include "traffic/naval.h"
#include "traffic/netcheck.h"
#include "traffic/vessel_texts.h"

namespace kestrel {

namespace {

// A satellite is in view for about fifteen minutes of each orbit; `phase`
// sets the minute of the day at which a pass begins.
bool in_pass(int period, int phase) { return (t.wHour * 60 + t.wMinute + 1440 - phase) % period < 15; }

// A telemetry frame of a satellite beacon: its name and eight channels,
// each a letter and two figures.
void telemetry(const char *name) {
    static const char channels[] = "KIUTRZNB";
    sendf("%s %s ", name, name);
    for (int frame = 0; frame < 3; ++frame) {
        for (int i = 0; i < 8; ++i) sendf("%c%02d ", channels[i], static_cast<int>(myrand() % 100));
        send("  ");
    }
    send_stack("");
}


}  // namespace

void band_29() {
    band_start(29, 22);
    weather_broadcasts();
    diplo_traffic();

    // Satellite beacons and the robot, while each satellite is in view.
    if (at(29357) && in_pass(105, 20)) { p(20, 800, 2); telemetry("RS10"); }
    if (at(29403) && in_pass(105, 20) && cond(2)) { p(18, 900, 2); send_cond("CQ CQ DE RS10 ROBOT QRV QSL VIA BOX 88 MOSCOW +"); }
    if (at(29453) && in_pass(105, 55)) { p(20, 760, 2); telemetry("RS11"); }
    if (at(29408) && in_pass(104, 80)) { p(19, 820, 3); telemetry("RS12"); }
    if (at(29408) && in_pass(104, 80) && cond(2)) { p(18, 880, 3); send_cond("CQ CQ DE RS12 ROBOT QRV QSL VIA BOX 88 MOSCOW +"); }
    if (at(29458) && in_pass(104, 40)) { p(20, 700, 2); telemetry("RS13"); }
    if (at(29352) && in_pass(127, 10)) { p(16, 950, 1); telemetry("RS15"); }
    if (at(29331) && in_pass(119, 70)) { p(20, 800, 1); telemetry("RS5"); }
    if (at(29341) && in_pass(119, 95)) { p(20, 850, 1); telemetry("RS7"); }
    if (within(29410, 29450) && in_pass(104, 80) && cond(6)) { p(20, 1000, 2); send_cond("CQ VIA RS12 CQ VIA RS12 K"); }

    // Fixed and mobile services above the amateur band.
    if (at(29712) && ct(800, 1500)) { p(22, 1000, 3); send_still("VVV VVV VVV DE RCV RCV RCV      "); }
    if (at(29738)) fixed_net(NET_TAC_H, 21);
    if (at(29755) && ct(800, 1500) && cond(2)) { low_pwr_mil(); }
    if (at(29783) && ct(1000, 1700)) { nato_qso(); }
    if (at(29810) && ct(800, 1500)) { duplex_radiocheck(3, 1); }
    if (at(29846)) fixed_net(NET_RU_NAVY_BLACK_SEA, 24);
    if (at(29872) && ct(900, 1600)) send_vvv("RKA");
    if (at(29905) && ct(700, 1500)) { p(24, 760, 3); send("RAL7 DE RAL23 = "); qtc5f(nr, 20); send_stack(" K"); }
    if (at(29935) && ct(1000, 1600)) random_vvv();
    if (at(29964) && ct(800, 1600)) { p(20, 1200, 2); send_still("VVV VVV DE 4XZ 4XZ 4XZ      "); }

    stn();

    if (day()) {
        if (at(29250) && cond(3)) { p(18, 700, 2); send_cond("CQ CQ CQ DE K5TR K5TR K5TR K"); }
        if (at(29888) && ml(30)) { p(24, 1000, 3); naval_coast("VVV VVV VVV DE CFH CFH CFH      ", "CFH", canadian_navy, 24); }
    }

    stn();

    if (hist) {
        if (at(29200) && day() && cond(3)) { p(13, 540, 2); hand = 1; send_cond("CQ CQ CQ DE W6QD W6QD W6QD K"); }
        if (at(29500) && day() && cond(4)) { p(12, 600, 2); hand = 1; send_cond("CQ DX CQ DX DE ON4AU ON4AU K"); }
    }

    if (bkgnd) {
        // Amateur voice: AM, simplex FM and repeaters.
        if (at({29000, 29010, 29020, 29100}) && day()) fone_cond(5);
        if (at({29600, 29620, 29640, 29660, 29680}) && day()) fone_cond(4);
        if (at({29780, 29820, 29860}) && day() && cond(2)) qyt4();
        if (at(29700) && day() && cond(4)) tuning();
        // Repeater inputs; military teleprinter and tactical voice above the amateurs.
        if (at({29520, 29540, 29560, 29580}) && day() && cond(2)) fone_cond(5);
        if (at({29742, 29768, 29797, 29833, 29857}) && ct(900, 1500)) rtlx_cond("RFFA PARIS", 850, 50, 2);
        if (at({29915, 29945, 29975, 29990}) && ct(800, 1600) && cond(3)) fone_cond(4);
        qsa = 1;
        if (at({29725, 29800, 29925}) && day()) n0n(1000);
    }

    band_end(29);
}

}  // namespace kestrel
