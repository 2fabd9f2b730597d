// Member lists of the fixed nets: row 0 is the control station.
#include "traffic/netcheck.h"

namespace kestrel {

const char net_fr_mil[7][NET_CALL_WIDTH] = {"FDC", "FDI2", "FDY4", "FDG", "FDE7", "FDX3", "FDW25"};
const char net_rus_mil[6][NET_CALL_WIDTH] = {"RCV", "RMP", "RJD99", "RIT", "RKS", "RBX2"};
const char net_nato_tac[8][NET_CALL_WIDTH] = {"QKD", "X2R", "M7T", "P4L", "Z8C", "B3N", "K9W", "H5F"};
const char net_diplo[5][NET_CALL_WIDTH] = {"OLX", "OLY2", "OLZ7", "OLT44", "OLV"};

}  // namespace kestrel
