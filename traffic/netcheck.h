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

// The fixed nets of the band plan, each with its own members in the calls of
// its service and country (row 0 the control station); the tactical nets use
// tactical calls.
constexpr int NET_MAX_MEMBERS = 7;
struct FixedNet {
    const char *name;
    char calls[NET_MAX_MEMBERS][NET_CALL_WIDTH];
    int count;
};
enum FixedNetId {
    NET_RU_NAVY_BALTIC, NET_RU_NAVY_BLACK_SEA, NET_RU_NAVY_NORTH, NET_RU_ARMY, NET_RU_AIR,
    NET_FR_AIR_1, NET_FR_AIR_2, NET_FR_NAVY_1, NET_FR_NAVY_2, NET_FR_ARMY,
    NET_TAC_1, NET_TAC_2, NET_TAC_3, NET_TAC_4, NET_US_NAVY, NET_US_ARMY, NET_UK_NAVY, NET_IT_NAVY,
    NET_CZ_DIPLO, NET_HU_DIPLO, NET_RO_DIPLO,
    NET_AIR_C, NET_ARMY_A, NET_ARMY_D, NET_ARMY_E, NET_GOV_B, NET_TAC_F, NET_TAC_G, NET_TAC_H,
    FIXED_NETS
};
extern const FixedNet fixed_nets[FIXED_NETS];

}  // namespace kestrel
