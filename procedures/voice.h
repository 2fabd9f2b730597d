// Recorded voice and over-the-horizon radar, played straight from "fone/"
// beside the Morse channels rather than through the send stack.
#pragma once

namespace kestrel {

// The voice recording when n is 0 or the second of t is a multiple of n,
// so a station with n = k is heard in about one tuning in k.
void fone_cond(int n);
// The over-the-horizon radar recording.
void radar();

}  // namespace kestrel
