// Teleprinter codes and frequency-shift keying: ITA2 (Baudot) radioteletype
// and SITOR-B with the 7-unit constant-ratio code.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "tools/recordings/dsp.h"

namespace kestrel::rec {

// ITA2 control combinations.
constexpr int ITA2_LF = 0x02, ITA2_SPACE = 0x04, ITA2_CR = 0x08, ITA2_FIGS = 0x1B, ITA2_LTRS = 0x1F;

// One keying element: level 1 is mark, 0 is space; length in bit times.
struct Element {
    int level;
    double bits;
};

// Text to ITA2 combinations with the shifts it needs. Upper-case letters,
// digits, blank, CR, LF and - ? : ( ) . , / ' are sent; other characters are
// dropped. After every blank the figures shift is repeated, so receivers
// that unshift on space still print figures right.
std::vector<int> ita2_encode(const std::string &text);

// Start-stop framing: 1 start bit (space), 5 data bits least significant
// first, `stop_bits` of mark.
void ita2_frame(int code, double stop_bits, std::vector<Element> &out);

// Character for an ITA2 combination in letters or figures case; 0 for the
// shift and null combinations.
char ita2_char(int code, bool figures);

// SITOR-B (forward error correction, broadcast): the 7-unit codes in send
// order, phasing first, each character in its DX position and repeated in the
// RX position four characters later, end-of-emission alphas last.
std::vector<int> sitor_b_stream(const std::string &text, int phasing_pairs);

// The 7-unit constant-ratio code (four B = mark, three Y = space) of an ITA2
// combination, and back (-1 for a code outside the alphabet).
int ccir476_of_ita2(int ita2);
int ita2_of_ccir476(int code);
constexpr int CCIR476_ALPHA = 0x0F, CCIR476_BETA = 0x33, CCIR476_RQ = 0x66;

// Continuous-phase FSK of the elements at `baud`; the keying edges are
// smoothed over about a millisecond as a transmitter's filter would.
Samples fsk(const std::vector<Element> &elements, double baud, double mark, double space,
            double rate);

}  // namespace kestrel::rec
