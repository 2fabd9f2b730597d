// Net radio checks: a control station works through its member stations,
// asking for signal strength and readability. Each check fills one slot.
#pragma once

namespace kestrel {

// Width of one call-sign field of a fixed net list; a call of six characters
// fills its field with no terminator.
constexpr int NET_CALL_WIDTH = 6;
using NetList = const char (*)[NET_CALL_WIDTH];

// Only the control station of a generated net of `count` members is heard,
// with silences for the answers (form 1, 2 or 3).
void duplex_radiocheck(int count, int form);
// Only the answers of `count` generated members, each with its own signal.
void duplex_osn(int count, int form);
// Both sides over a fixed list: row 0 the control station, rows 1 .. count-1
// the members. Forms 10, 12, 21, 22, 23, 24, 25, 27, 32, 41, 80 have turns;
// any other form closes a silent slot.
void simplex_fix_radiocheck(NetList list, int count, int form);

// Fixed nets for the band plan; the count passed is the number of rows.
extern const char net_fr_mil[7][NET_CALL_WIDTH];    // French procedure (form 41)
extern const char net_rus_mil[6][NET_CALL_WIDTH];   // "V" procedure (form 24)
extern const char net_nato_tac[8][NET_CALL_WIDTH];  // tactical calls (forms 10, 21, 23)
extern const char net_diplo[5][NET_CALL_WIDTH];     // embassy net (forms 1, 38, 40)
// Army, air, government and tactical nets of the fixed-service bands.
extern const char net_air_c[5][NET_CALL_WIDTH];
extern const char net_army_a[6][NET_CALL_WIDTH];
extern const char net_army_d[6][NET_CALL_WIDTH];
extern const char net_army_e[5][NET_CALL_WIDTH];
extern const char net_gov_b[5][NET_CALL_WIDTH];
extern const char net_tac_f[6][NET_CALL_WIDTH];
extern const char net_tac_g[5][NET_CALL_WIDTH];
extern const char net_tac_h[5][NET_CALL_WIDTH];

}  // namespace kestrel
