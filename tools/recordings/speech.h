// Speech from espeak-ng. Each utterance is spoken by a fresh espeak-ng
// process: the library carries state from one utterance to the next (pitch
// flutter, noise), so in-process synthesis would make every clip depend on
// the ones made before it.
#pragma once
#include <string>

#include "tools/recordings/dsp.h"

namespace kestrel::rec {

struct Voice {
    std::string name;  // espeak-ng voice, optionally "+variant" ("en-us+m3")
    int rate = 160;    // words per minute
    int pitch = 50;    // 0..99
};

// Synthesises `text` (UTF-8) and returns it resampled to `out_rate`. Returns
// an empty buffer and sets `err` when espeak-ng is missing or fails.
Samples speak(const Voice &v, const std::string &text, double out_rate, std::string &err);

// Removes the scratch folder; call once at exit.
void speech_shutdown();

}  // namespace kestrel::rec
