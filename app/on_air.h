// What a reception started besides the Morse of its send stack: the channel
// starts, the recordings, the clips and the carrier, kept as the media
// commands that started them, so the copy check can list them as
// `kestrel-cli tune` prints them.
#pragma once
#include <string>
#include <vector>

namespace kestrel {

// Puts the journal in front of the media backend in use (again after every
// media_use); commands pass through unchanged.
void on_air_watch();
// A new reception starts: the journal is emptied.
void on_air_clear();
// The commands kept since: "play channel 0 TOVA0.WAV", "play fone/rtt-001.mp3",
// "loop TOVA9.WAV", ... The closes a retune sends and the band noise loop
// say nothing about the reception and are left out.
const std::vector<std::string> &on_air_commands();
// One line per command, "media: <command>", with "  (not played: <why>)"
// after a recording that cannot be played.
std::vector<std::string> on_air_lines(const std::vector<std::string> &commands);

}  // namespace kestrel
