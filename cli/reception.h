// One reception of a frequency, as the receiver would hear it, reported for
// the command line: the emissions of the send stack and the media commands.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "app/report.h"

namespace kestrel::cli {

// One emission of the send stack (app/report.h says it in words for the receiver too).
using Emission = SlotReport;
using kestrel::audible;
using kestrel::readable;

struct Reception {
    int freq;
    std::vector<Emission> emissions;
    std::vector<std::string> commands;  // media commands sent during the reception
    // The carriers started, by the index of their command: tone in Hz and strength.
    struct Carrier {
        size_t command;
        int tone, qsa;
    };
    std::vector<Carrier> carriers;
};

struct ReceptionSetup {
    int freq = 10000;
    int64_t at_ms = 0;  // the instant, milliseconds of UTC since 1970
    int hist = 1, bkgnd = 1, att = 0, filter = 0, sampling = 4, clips = 1;
    unsigned seed = 1;
    bool render = true;  // false: compose texts only, no audio files
};

// Sets the clock and the receiver switches.
void prepare(const ReceptionSetup &s);
// Runs the reception of s.freq in the working directory (prepare() first).
// With render false, nothing is synthesised or played.
Reception receive(const ReceptionSetup &s);

}  // namespace kestrel::cli
