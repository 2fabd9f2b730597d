// Emission parameters: the current set, the dialog stations' sets and the
// per-slot records frozen when a send-stack slot is closed.
#pragma once

#include "state/emission.h"

namespace kestrel {

// Parameter codes inside slot text.
constexpr unsigned char CODE_SPD = 1;
constexpr unsigned char CODE_TON = 2;
constexpr unsigned char CODE_QSA = 3;
constexpr unsigned char CODE_TUNE = 4;

// Writes the seven-byte parameter change for spd, ton, qsa into out[0..6] and
// a terminator at out[7]. Zero values are carried without a zero byte.
void encode_params(char out[8], int speed, int tone, int strength);
// Reads the tone of a code-2 pair, undoing the zero escapes of encode_params.
int decode_tone(unsigned char low, unsigned char high);

// Night fading: above 10000 kHz at night the strength drops one step (not below 0).
void prop();
// Restores slot emission_nr's record into the current parameters.
void load_cw_param();
// Freezes the current parameters into slot i's record.
void save_cw_param(int i);
// Every slot's record and emission_nr back to 0.
void params_reset();
// Copies slot from's record onto slot to's (a slot taken out of the stack).
void copy_cw_param(int to, int from);

}  // namespace kestrel
