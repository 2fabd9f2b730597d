// Member lists of the fixed nets: row 0 is the control station.
#include "traffic/netcheck.h"

namespace kestrel {

const char net_fr_mil[7][NET_CALL_WIDTH] = {"FDC", "FDI2", "FDY4", "FDG", "FDE7", "FDX3", "FDW25"};
const char net_rus_mil[6][NET_CALL_WIDTH] = {"RCV", "RMP", "RJD99", "RIT", "RKS", "RBX2"};
const char net_nato_tac[8][NET_CALL_WIDTH] = {"QKD", "X2R", "M7T", "P4L", "Z8C", "B3N", "K9W", "H5F"};
const char net_diplo[5][NET_CALL_WIDTH] = {"OLX", "OLY2", "OLZ7", "OLT44", "OLV"};

// Army, air, government and tactical nets of the fixed-service bands.
const char net_air_c[5][NET_CALL_WIDTH] = {"R3K", "B7M", "H2D", "Q5T", "L9W"};
const char net_army_a[6][NET_CALL_WIDTH] = {"4KJ", "7TR", "2MV", "9QX", "5LB", "3WN"};
const char net_army_d[6][NET_CALL_WIDTH] = {"9SE", "4VL", "6PA", "1KD", "8TC", "2WO"};
const char net_army_e[5][NET_CALL_WIDTH] = {"7XF", "3NA", "8KU", "5GR", "1ZE"};
const char net_gov_b[5][NET_CALL_WIDTH] = {"YZO", "YZO2", "YZO5", "YZO8", "YZO11"};
const char net_tac_f[6][NET_CALL_WIDTH] = {"K4L", "P7A", "M2S", "D9F", "W3H", "Z6C"};
const char net_tac_g[5][NET_CALL_WIDTH] = {"N5R", "T8B", "G1V", "U4K", "Y7P"};
const char net_tac_h[5][NET_CALL_WIDTH] = {"B6T", "E2N", "J9R", "S4D", "X8L"};

}  // namespace kestrel
