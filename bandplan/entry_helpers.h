// Procedures that many band files use to keep a station entry to one line: a
// message after its call-up, a call and its answer, a pick from a list of
// calls, the beacon chain. Each queues with the speed, tone and strength set
// before it, like the send primitives it is made of.
#pragma once
#include <cstddef>

namespace kestrel {

// Saturday or Sunday.
bool weekend();

// A call-up, a message of five-figure groups (gr of them) with its check
// group, the close.
void fig_msg(const char *head, const char *tail);
// The same with " AR K" as the close.
void ff(const char *call_line);
// A numbered message of figure groups after its heading, closed with " K".
void tfc_f(const char *head, int groups);

// A call-up, then gr five-letter groups (alphabet 3 with the Russian letters).
void let_msg(const char *head, int alphabet, int flags);
// The same in alphabet 2.
void fl(const char *call_line, int flags);
// A numbered message of letter groups in alphabet 2 after its heading, closed.
void tfc_l(const char *head, int groups, int flags);

// An unattended broadcast: its identifier repeated, then figure groups.
void id_fig(const char *id, int reps);
// A message in four-figure groups (the commercial code of the Far East).
void fig4_msg(const char *head, int groups);
// A NATO-format message after its call-up.
void nato_msg(const char *head, char precedence);
// One message passed between two stations of a net, both sides in one slot;
// sep is "DE", or "V" in the Russian procedure.
void pass_msg(const char *to, const char *from, const char *sep);
// Letter groups between two copies of their indicator, after a call of its own.
void ind_bcst(const char *call, const char *indicator);

// A call and signal-report exchange; in the seconds when the called station
// does not answer, the call alone is heard rather than left in the open slot.
void exchange(const char *called, const char *caller, int form);
// "called called called DE caller caller tail", hand keyed.
void post_call(const char *called, const char *caller, const char *tail);

// A coast station answering a ship on its working frequency.
void coast_answer(const char *ship, const char *coast, const char *rest);
// A ship's weather observation for a coast station, in the ship synoptic code.
void ship_obs(const char *coast, const char *ship);
// A ship's position report for the traffic lists of a coast station.
void ship_tr(const char *coast, const char *ship, const char *name, const char *dest);
// A radiotelegram from a ship: preamble, then the address, text and signature given.
void ship_tgm(const char *coast, const char *ship, const char *name, const char *body);

// A random index below count. With a spread, the tuned frequency times the
// spread is added first, so that neighbouring channels seldom hear the same call.
unsigned pick_index(unsigned count, unsigned spread);
template <std::size_t N, std::size_t W>
const char *pick(const char (&calls)[N][W], unsigned spread = 0) {
    return calls[pick_index(N, spread)];
}

// The amateurs of a band: calls and the operators' names, row by row.
struct HamRoster {
    const char (*calls)[8];
    const char (*names)[8];
    unsigned count;
    bool weekend_test;  // at weekends the general call is the contest form
};
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
