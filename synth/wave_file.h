// The channel files' format and names: the 48-byte header of an 8-bit
// mono PCM file (the canonical 44 bytes and the first four silent samples),
// written field by field, little-endian, and "TOVA<k>.WAV".
#pragma once
#include <cstdint>
#include <string>

namespace kestrel {

// The 48-byte header at the start of every file written here.
struct WaveHeader {
    char riff[4];
    uint32_t riff_length;
    char wave[4];
    char fmt[4];
    uint32_t fmt_length;
    uint16_t format_tag;
    uint16_t channels;
    uint32_t sample_rate;
    uint32_t byte_rate;
    uint16_t block_align;
    uint16_t bits_per_sample;
    char data[4];
    uint32_t data_length;
    uint8_t first_samples[4];
};
constexpr int WAVE_HEADER_SIZE = 48;
// The header of a PCM file up to its first sample.
constexpr int WAVE_CANONICAL_SIZE = 44;

extern WaveHeader wavehdr;

// Fills the constant fields of wavehdr (done at start-up).
void wavehdr_init();
// Serialises a header field by field, little-endian, into 48 bytes.
void wavehdr_bytes(const WaveHeader &h, uint8_t out[WAVE_HEADER_SIZE]);
// The header of a mono PCM file with `bits` per sample at `rate` whose data
// chunk holds `data_length` bytes.
WaveHeader wave_header(uint32_t rate, uint16_t bits, uint32_t data_length);
// Little-endian fields, for a writer that brings a header's sizes up to date.
void wave_put16(uint8_t *p, uint16_t v);
void wave_put32(uint8_t *p, uint32_t v);

// The playback channels' files, 0..9 (9 the carrier): "TOVA<k>.WAV".
constexpr int CHANNEL_FILES = 10;
std::string channel_file_name(int k);

}  // namespace kestrel
