// What a retune started: every sound the band plan set going while it ran,
// kept as the media commands (as kestrel-cli tune lists them) and said in a
// few words for the status line.
#pragma once
#include <string>
#include <vector>

namespace kestrel {

// Around the band dispatch of a retune: between the two, every play command
// passes on to the media backend as before and is also noted. Nested retunes
// (a station that retunes) add to the outer one's list.
void heard_begin();
void heard_end();
// The commands of the last retune: "play channel 0 TOVA0.WAV",
// "play fone/rtt-001.mp3", "loop TOVA9.WAV" ...
const std::vector<std::string> &heard_commands();
// "2 Morse, teleprinter 50 Bd, clip", "carrier", "nothing on the air".
std::string heard_summary(const std::vector<std::string> &commands);

}  // namespace kestrel
