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
    bool cut = false;      // longer than a header states: cut at max_data
    uint64_t data_length = 0;
    uint32_t ms = 0;       // playing time by the (corrected) header
};

// The data length a header states for a file of `file_size` bytes (44 bytes
// before the data chunk), limited to `max_data`.
uint64_t wave_data_length(uint64_t file_size, uint64_t max_data = WAVE_MAX_DATA);

// Checks the file at `path` written by the Morse writer: it must hold exactly
// the data its header states (a length that passed 32 bits counts modulo
// 2^32). A file longer than `max_data` is cut there and its two lengths
// rewritten.
WaveCheck wave_check(const std::string &path, uint64_t max_data = WAVE_MAX_DATA);

// Writes at `path` the header alone of a file with no samples but the four
// silent ones inside it, at `sample_rate`; "" or the reason.
std::string wave_write_empty(const std::string &path, uint32_t sample_rate);

}  // namespace kestrel
