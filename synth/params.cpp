#include "synth/params.h"

#include "state/clock.h"
#include "state/receiver.h"

namespace kestrel {

// Mended: the codes travel in zero-terminated text, so a zero byte would end
// the slot. Non-zero values keep the plain layout 1,spd 2,lo,hi 3,qsa; zeros
// are escaped so that they render exactly as the value would:
//   speed byte 0: spd <= 0 becomes 1 (the least the timing accepts), a speed
//     of 256, 512, ... (whose byte is 0) becomes 255;
//   strength 0 is sent as 128, which the writer treats as 0 at the first mark;
//   tone: the value is first limited to 0..4000 (every tone above renders as
//     4000), then a zero low byte is sent as 1 with bit 0x40 set in the high
//     byte, a zero high byte as bit 0x20. Real tones never set those bits.
void encode_params(char out[8], int speed, int tone, int strength) {
    unsigned char s = static_cast<unsigned char>(speed);
    if (s == 0) s = speed <= 0 ? 1 : 255;
    if (tone < 0) tone = 0;
    if (tone > 4000) tone = 4000;
    unsigned char lo = static_cast<unsigned char>(tone % 256);
    unsigned char hi = static_cast<unsigned char>(tone / 256);
    if (lo == 0) {
        lo = 1;
        hi |= 0x40;
    }
    if ((hi & 0x3F) == 0) hi |= 0x20;
    unsigned char q = static_cast<unsigned char>(strength);
    if (q == 0) q = 128;
    const unsigned char bytes[8] = {CODE_SPD, s, CODE_TON, lo, hi, CODE_QSA, q, 0};
    for (int i = 0; i < 8; ++i) out[i] = static_cast<char>(bytes[i]);
}

int decode_tone(unsigned char low, unsigned char high) {
    int lo = low, hi = high;
    if (hi & 0x60) {
        if (hi & 0x40) lo = 0;
        hi &= 0x1F;
        if (high & 0x20) hi = 0;
    }
    return lo + 256 * hi;
}

void prop() {
    if (freq > 10000 && night() && qsa > 0) --qsa;
}

void load_cw_param() {
    int i = emission_nr;
    if (i < 0 || i >= SLOTS) return;
    spd = spd_table[i];
    qsa = qsa_table[i];
    ton = ton_table[i];
    rto = rto_table[i];
    _f1 = f1_table[i];
    sz = sz_table[i];
    qrh = qrh_table[i];
    katokana = katokana_table[i];
    bw = bw_table[i];
    hand = hand_table[i];
    spark = spark_table[i];
    spacing = spacing_table[i];
}

void save_cw_param(int i) {
    if (i < 0 || i >= SLOTS) return;
    spd_table[i] = spd;
    qsa_table[i] = qsa;
    ton_table[i] = ton;
    rto_table[i] = rto;
    f1_table[i] = _f1;
    sz_table[i] = sz;
    qrh_table[i] = qrh;
    katokana_table[i] = katokana;
    bw_table[i] = bw;
    hand_table[i] = hand;
    spark_table[i] = spark;
    spacing_table[i] = spacing;
}

namespace {
// Every per-slot record, for the operations that treat them alike.
int *const k_slot_tables[] = {spd_table, qsa_table, ton_table, rto_table, f1_table, sz_table,
                              qrh_table, katokana_table, bw_table, hand_table, spark_table, spacing_table};
}  // namespace

void params_reset() {
    emission_nr = 0;
    for (int *table : k_slot_tables)
        for (int i = 0; i < SLOTS; ++i) table[i] = 0;
}

void copy_cw_param(int to, int from) {
    if (to < 0 || to >= SLOTS || from < 0 || from >= SLOTS) return;
    for (int *table : k_slot_tables) table[to] = table[from];
}

}  // namespace kestrel
