#include "synth/wave_file.h"

#include <cstring>

namespace kestrel {

WaveHeader wavehdr;

namespace {
struct HeaderInit {
    HeaderInit() { wavehdr_init(); }
} header_init;
}  // namespace

void wave_put16(uint8_t *p, uint16_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}
void wave_put32(uint8_t *p, uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

namespace {
// The fields every file of `bits` per sample has alike.
void constant_fields(WaveHeader &h, uint16_t bits) {
    std::memcpy(h.riff, "RIFF", 4);
    std::memcpy(h.wave, "WAVE", 4);
    std::memcpy(h.fmt, "fmt ", 4);
    h.fmt_length = 16;
    h.format_tag = 1;
    h.bits_per_sample = bits;
    std::memcpy(h.data, "data", 4);
    std::memset(h.first_samples, bits == 8 ? 0x80 : 0, 4);  // silence
}
}  // namespace

void wavehdr_init() { constant_fields(wavehdr, 8); }

void wavehdr_bytes(const WaveHeader &h, uint8_t out[WAVE_HEADER_SIZE]) {
    std::memcpy(out + 0, h.riff, 4);
    wave_put32(out + 4, h.riff_length);
    std::memcpy(out + 8, h.wave, 4);
    std::memcpy(out + 12, h.fmt, 4);
    wave_put32(out + 16, h.fmt_length);
    wave_put16(out + 20, h.format_tag);
    wave_put16(out + 22, h.channels);
    wave_put32(out + 24, h.sample_rate);
    wave_put32(out + 28, h.byte_rate);
    wave_put16(out + 32, h.block_align);
    wave_put16(out + 34, h.bits_per_sample);
    std::memcpy(out + 36, h.data, 4);
    wave_put32(out + 40, h.data_length);
    std::memcpy(out + 44, h.first_samples, 4);
}

WaveHeader wave_header(uint32_t rate, uint16_t bits, uint32_t data_length) {
    WaveHeader h{};
    constant_fields(h, bits);
    h.channels = 1;
    h.sample_rate = rate;
    h.block_align = static_cast<uint16_t>(bits / 8);
    h.byte_rate = rate * h.block_align;
    h.data_length = data_length;
    h.riff_length = data_length + 36;
    return h;
}

std::string channel_file_name(int k) { return "TOVA" + std::to_string(k) + ".WAV"; }

}  // namespace kestrel
