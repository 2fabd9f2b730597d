#include "state/emission.h"

namespace kestrel {

int spd = 20, ton = 800, qsa = 3, rto = 0, _f1 = 0, sz = 0, katokana = 0, qrh = 0, bw = 0, hand = 0, spark = 0,
    spacing = 2;
int spd1, spd2, spd3, spd4, spd5;
int ton1, ton2, ton3, ton4, ton5;
int qsa1, qsa2, qsa3, qsa4, qsa5;

int emission_nr = 0;
int spd_table[SLOTS], qsa_table[SLOTS], ton_table[SLOTS], rto_table[SLOTS], f1_table[SLOTS], sz_table[SLOTS],
    qrh_table[SLOTS], katokana_table[SLOTS], bw_table[SLOTS], hand_table[SLOTS], spark_table[SLOTS],
    spacing_table[SLOTS];

void emission_plain() {
    spd = 20;
    ton = 800;
    qsa = 3;
    rto = _f1 = sz = katokana = qrh = bw = hand = spark = 0;
    spacing = 2;
}

void emission_reset() {
    emission_plain();
    spd1 = spd2 = spd3 = spd4 = spd5 = 0;
    ton1 = ton2 = ton3 = ton4 = ton5 = 0;
    qsa1 = qsa2 = qsa3 = qsa4 = qsa5 = 0;
}

}  // namespace kestrel
