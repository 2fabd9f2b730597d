// The recordings of the "fone/" folder and how each one is made.
#pragma once
#include <string>
#include <vector>

#include "tools/recordings/sound_file.h"

namespace kestrel::rec {

struct Output {
    Sound sound;
    Encoding encoding = Encoding::pcm16;
};

// Makers of the fixed recordings; each fills `out` or sets `err`.
bool make_noise(Output &out, std::string &err);
bool make_ssb_voice(Output &out, std::string &err);
bool make_teleprinter(const std::string &name, Output &out, std::string &err);
bool make_sitor(Output &out, std::string &err);
bool make_fax(Output &out, std::string &err);
bool make_radar(Output &out, std::string &err);
// A broadcast clip named like "g-586-01.mp3".
bool make_clip(const std::string &name, Output &out, std::string &err);

// Names of the fixed recordings, in generation order.
std::vector<std::string> fixed_names();
// Filled names of the clip table, at most `limit` of them (all if negative).
std::vector<std::string> clip_names(int limit = -1);
// The station fitting a clip name's prefix; nullptr when none does.
const struct ClipStation *station_for_clip(const std::string &name);

// Makes one recording by name and writes it into `dir`.
bool generate(const std::string &dir, const std::string &name, std::string &err);

// Length of a broadcast clip in seconds, by design.
constexpr double CLIP_MIN_S = 5.0, CLIP_MAX_S = 20.0;
// Length of the noise loop.
constexpr double NOISE_LOOP_S = 60.0;

}  // namespace kestrel::rec
