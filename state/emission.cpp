#include "state/emission.h"

namespace kestrel {

int spd = 20, ton = 800, qsa = 3, rto = 0, _f1 = 0, sz = 0, katokana = 0, qrh = 0, bw = 0, hand = 0, spark = 0,
    spacing = 2;
int spd1, spd2, spd3, spd4, spd5;
int ton1, ton2, ton3, ton4, ton5;
int qsa1, qsa2, qsa3, qsa4, qsa5;

}  // namespace kestrel
