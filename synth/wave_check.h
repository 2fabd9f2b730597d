// A finished channel file checked against its own header, and brought to a
// length its header can state: the command line hands these files to people
// and other programs, which trust the header.
#pragma once
#include <cstdint>
#include <string>

namespace kestrel {

// The largest data chunk a header states exactly: the RIFF length (data + 36)
// must fit 32 bits, and an even data chunk needs no pad byte after it.
constexpr uint64_t WAVE_MAX_DATA = 0xFFFFFFFFull - 36 - 1;

struct WaveCheck {
    std::string error;     // "" when the file is sound, else why not
    bool empty = false;    // nothing was rendered (a 0-byte file)
    uint64_t data_length = 0;
    uint32_t ms = 0;       // playing time by the header
};

// Checks the file at `path` written by the Morse writer: it must hold exactly
// the data its header states.
WaveCheck wave_check(const std::string &path);

// Writes at `path` the header alone of a file with no samples but the four
// silent ones inside it, at `sample_rate`; "" or the reason.
std::string wave_write_empty(const std::string &path, uint32_t sample_rate);

// The length of what CreateWave would write for `text`, counted in 64 bits
// without writing: the same walk through the same element writers, so the
// random draws and the carried state move exactly as in the real rendering
// (the caller puts them back before rendering for real).
struct WaveMeasure {
    bool silent = false;      // the attenuator leaves the file empty
    uint64_t data_length = 0; // of the whole text
    size_t fit = 0;           // bytes of text whose rendering stays within max_data
    uint64_t fit_length = 0;  // the data length of those bytes
};
WaveMeasure wave_measure(const char *text, uint64_t max_data = WAVE_MAX_DATA);

}  // namespace kestrel
