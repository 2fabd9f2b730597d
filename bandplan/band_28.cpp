// Stations of 28000-28999 kHz, tested in order; every entry that applies is queued.
// The amateur 10 m band: telegraphy at its low end, teleprinter above it, the
// beacon chain on 28200 and single beacons around it. Open by day only, wider
// in winter and with sporadic openings in summer.

#include "bandplan/entry.h"

namespace kestrel {

namespace {

// Amateur calls and the operators' names, row by row.
const char ham_calls[][8] = {"DJ7RT",  "G0KPW",  "OK1DTP", "UA6LGH", "JA3OSV", "WA2HIP", "VK4FW",  "LU3CQ",
                             "IZ2BKA", "SP3GEM", "YO4AAC", "PY5EG",  "ZS2ZA",  "EA1DR",  "F5IN",   "HA3HX",
                             "K5TR",   "VE1JS",  "OZ5UR",  "SM3EVR", "US1VM",  "LZ3FN",  "9A5Y",   "4X1VF",
                             "ON7DQ",  "PA0FAW", "OH1XT",  "RW9UP",  "VU2PTT", "5B4AGN"};
const char ham_names[][8] = {"KLAUS",  "MIKE",  "JIRI",  "SERGEY", "TAKA",  "HARRY", "FRED",  "JORGE",
                             "LUCA",   "MAREK", "DAN",   "EDSON",  "KOOS",  "LUIS",  "JACQUES", "TIBOR",
                             "TREE",   "JACK",  "NIELS", "GORAN",  "MYKOLA", "TODOR", "ZORAN", "MOSHE",
                             "PATRICK", "WIM",  "TIMO",  "IGOR",   "SURESH", "STELIOS"};
constexpr int HAMS = sizeof ham_calls / sizeof ham_calls[0];

void ham_qso() {
    int a = static_cast<int>((myrand() + freq * 13u) % HAMS);
    int b = (a + 1 + static_cast<int>(myrand() % (HAMS - 1))) % HAMS;
    qsa_qra_qso(ham_calls[a], ham_calls[b], ham_names[a], ham_names[b]);
}

// A general call; at weekends the contest form.
void ham_cq() {
    const char *c = ham_calls[(myrand() + freq * 13u) % HAMS];
    char text[80];
    if (t.wDayOfWeek == 0 || t.wDayOfWeek == 6) textf(text, sizeof text, "CQ TEST %s %s TEST", c, c);
    else textf(text, sizeof text, "CQ CQ CQ DE %s %s %s K", c, c, c);
    send_cond(text);
}

// The band is open: by day, and in summer also on sporadic evenings.
bool band_open() { return day() || (summer() && ct(1800, 2200) && cond(3)); }

// The international beacon chain: eighteen stations of ten seconds each in a
// three-minute cycle, each one band higher in the next slot; on 28200 the fifth.
const char chain[18][8] = {"4U1UN", "VE8AT", "W6WX", "KH6RS", "ZL6B",  "VK6RBP", "JA2IGY", "RR9O", "VR2B",
                           "4S7B",  "ZS6DN", "5Z4B", "4X6TU", "OH2B",  "CS3B",   "LU4AA",  "OA4B", "YV5B"};
void beacon_chain(int step) {
    int slot = (t.wMinute * 60 + t.wSecond) / 10 % 18;
    spd = 22;
    ton = 1000;
    qsa = 1 + static_cast<int>(myrand() % 4);
    sendf("%s ", chain[(slot - step + 18) % 18]);
    // Four one-second dashes, each a tenth of the power before.
    char dashes[28];
    int n = 0;
    dashes[n++] = static_cast<char>(CODE_SPD);
    dashes[n++] = 6;
    for (int i = 0; i < 4; ++i) {
        int q = qsa - i;
        dashes[n++] = static_cast<char>(CODE_QSA);
        dashes[n++] = static_cast<char>(q > 0 ? q : 128);  // 128 stands for strength 0
        dashes[n++] = 'T';
    }
    dashes[n++] = static_cast<char>(CODE_SPD);  // back to keying speed for the closing gap
    dashes[n++] = 22;
    dashes[n] = 0;
    send(dashes);
    send_stack("");
}

}  // namespace

void band_28() {
    band_start(28, 22);

    // Amateur telegraphy.
    if (within(28000, 28040) && band_open() && cond(4)) ham_qso();
    if (within(28040, 28070) && band_open() && cond(6)) ham_qso();
    if (within(28000, 28070) && band_open() && cond(6)) ham_cq();
    if (within(28000, 28060) && (t.wDayOfWeek == 0 || t.wDayOfWeek == 6) && ct(800, 1600) && cond(3)) ham_cq();
    if (at(28004) && day() && ml(30)) { p(30, 700, 4); send_cond("QRZ? DE FT5ZM UP ]"); }
    if (at(28005) && day() && ml(30) && cond(2)) { p(25, 950, 2); send_cond(ham_calls[(myrand() + freq) % HAMS]); }
    if (at(28012) && reg3f_day() && cond(2)) { p(28, 800, 3); send_cond("CQ DX CQ DX DE JA3OSV JA3OSV K"); }
    if (at(28021) && reg2_day() && cond(2)) { p(26, 650, 3); send_cond("CQ CQ DE LU3CQ LU3CQ K"); }
    if (at(28033) && reg1rus_day() && cond(2)) { p(22, 880, 3); send_cond("CQ CQ DE RW9UP RW9UP RW9UP K"); }
    if (at(28045) && band_open()) { p(18, 760, 3); send_cond_par("QRL?", 4); }
    if (at(28055) && day() && cond(3)) { p(14, 800, 1); send_cond("CQ CQ DE SP3GEM/QRP SP3GEM/QRP K"); }
    if (at(28060) && band_open() && cond(3)) { p(12, 700, 2); qtc_qsk("CQ CQ CQ DE KC4ZQV KC4ZQV KC4ZQV K "); send_stack(""); }
    if (within(28100, 28150) && ct(1400, 2000) && cond(10)) ham_cq();

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

    stn();

    if (day()) {
        if (at(28200)) beacon_chain(4);
        if (at(28017)) { p(28, 700, 3); send_cond_par("TEST DE OH1XT OH1XT", 3); }
        if (at(28026) && cond(2)) { p(24, 650, 2); send_cond("VE1JS DE G0KPW 599 TU K"); }
    }

    if (reg2_day()) {
        if (at(28010) && cond(2)) { p(30, 750, 3); send_cond("CQ CQ DE PY5EG PY5EG K"); }
    }

    stn();

    if (hist) {
        // The ten-metre band of the 1930s: hand keys, plain calls, raw notes.
        if (at(28030) && day() && cond(3)) { p(14, 600, 3); hand = 1; send_cond("CQ CQ CQ DE W2UK W2UK W2UK K"); }
        if (at(28050) && day() && cond(3)) { p(12, 500, 2); hand = 1; send_cond("CQ DX CQ DX DE G6QB G6QB G6QB K"); }
        if (at(28110) && day() && cond(3)) { p(15, 650, 2); hand = 1; send_cond("CQ CQ DE D4BUF D4BUF D4BUF +"); }
        if (at(28140) && day() && cond(4)) { p(13, 560, 2); hand = 1; send_cond("W2UK DE F8CT F8CT QSA4 QRK5 K"); }
    }

    if (bkgnd) {
        if (within(28070, 28100) && band_open() && cond(4)) rtlx_cond_50_170("RTTY", 0);
        if (at({28080, 28085, 28092}) && band_open()) rtlx_cond_50_170("RTTY", 2);
        if (at(28120) && band_open()) qyt4();
    }

    get_background(2, background_tab_28, prob_tab_28);

    band_end(28);
}

}  // namespace kestrel
