// Reading and writing of the recordings (WAV and MP3 through libsndfile).
#pragma once
#include <string>

#include "tools/recordings/dsp.h"

namespace kestrel::rec {

struct Sound {
    int rate = 0;
    Samples samples;  // mono, full scale +-1
};

enum class Encoding { pcm16, mp3 };

// Writes mono samples; values are clamped to full scale. Returns false and
// sets `err` when the file cannot be written.
bool write_sound(const std::string &path, const Sound &s, Encoding enc, std::string &err);

// Reads any format libsndfile knows, mixed down to mono.
bool read_sound(const std::string &path, Sound &out, std::string &err);

}  // namespace kestrel::rec
