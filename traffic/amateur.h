// Amateur radio: contacts and calls of the amateurs of a band, and the
// international beacon chain.
#pragma once

namespace kestrel {

// The amateurs of a band: calls and the operators' names, row by row.
struct HamRoster {
    const char (*calls)[8];
    const char (*names)[8];
    unsigned count;
    bool weekend_test;  // at weekends the general call is the contest form
};
// The amateurs heard on 21, 24 and 28 MHz.
extern const HamRoster hams_21, hams_24, hams_28;

// The call of one of them, drawn as pick() draws.
const char *ham_call(const HamRoster &hams, unsigned spread);
// A complete contact between two different amateurs of the roster.
void ham_qso(const HamRoster &hams);
// A general call of one of them.
void ham_cq(const HamRoster &hams);

// The international beacon chain: eighteen stations of ten seconds each in a
// three-minute cycle, each one band higher in the next slot.
extern const char beacon_calls[18][8];
// The beacon of the current slot, step bands up the chain: its call at 22 wpm,
// then four one-second dashes, each a tenth of the power before.
void beacon_chain(int step);
// The next six turns of the chain, each heard beacon its own emission started
// by its place in the cycle; offset is the band's place in the chain. One
// beacon in closed_one_in is not heard (path closed), and a weak one is heard
// with fewer dashes.
void beacon_turns(int offset, unsigned closed_one_in);

}  // namespace kestrel
