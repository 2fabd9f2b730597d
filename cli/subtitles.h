// WebVTT subtitles for a practice file: the answer key, one cue per keyed
// word by channel, timed from the samples the Morse writer recorded.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "synth/key_walk.h"

namespace kestrel::cli {

struct SubtitleTrack {
    int channel = 0;
    const KeyedText *keyed = nullptr;
    uint32_t start_ms = 0;  // where the channel starts in the file the cues go with
};

// The cues of every track, in time order, none starting at or after
// `end_ms` and none running past it; `notes` go into a NOTE block first.
std::string webvtt(const std::vector<SubtitleTrack> &tracks, uint32_t end_ms, const std::vector<std::string> &notes);
struct Reception;
// The subtitles of a reception's channels, all starting at 0 as they do in
// the mix, up to `end_ms`, with the reception's report as the note; writes
// them to `path`. 0, or 1 after telling why on standard error.
int write_reception_subtitles(const std::string &path, const Reception &r, const std::string &at, uint32_t end_ms);
// Writes `text` to `path` under a temporary name first; "" or the reason.
std::string write_text_file(const std::string &path, const std::string &text);

}  // namespace kestrel::cli
