// What a retune started, said in a few words for the status line, from the
// media commands the copy check's journal keeps (app/on_air.h).
#pragma once
#include <string>
#include <vector>

namespace kestrel {

// "2 Morse, teleprinter 50 Bd, clip", "carrier", "nothing on the air":
// the channel starts, the recordings and clips played and the carrier among
// `commands` ("play channel 0 TOVA0.WAV", "play fone/rtt-001.mp3",
// "loop TOVA9.WAV" ...); other commands (open, seek, stop) start nothing.
std::string heard_summary(const std::vector<std::string> &commands);

}  // namespace kestrel
