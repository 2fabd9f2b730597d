#include "synth/wave_check.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "synth/morse.h"

namespace kestrel {

namespace {
constexpr uint64_t kBeforeData = 44;  // the header up to the first sample

uint32_t get32(const uint8_t *p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}
void put32(uint8_t *p, uint32_t v) {
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
    p[2] = uint8_t(v >> 16);
    p[3] = uint8_t(v >> 24);
}
}  // namespace

uint64_t wave_data_length(uint64_t file_size, uint64_t max_data) {
    if (file_size < kBeforeData) return 0;
    const uint64_t data = file_size - kBeforeData;
    return data > max_data ? max_data : data;
}

WaveCheck wave_check(const std::string &path, uint64_t max_data) {
    WaveCheck c;
    std::error_code ec;
    const uint64_t size = std::filesystem::file_size(path, ec);
    if (ec) {
        c.error = ec.message();
        return c;
    }
    if (size == 0) {
        c.empty = true;
        return c;
    }
    FILE *f = std::fopen(path.c_str(), "r+b");
    if (!f) {
        c.error = std::strerror(errno);
        return c;
    }
    uint8_t h[WAVE_HEADER_SIZE];
    if (size < WAVE_HEADER_SIZE || std::fread(h, 1, sizeof h, f) != sizeof h || std::memcmp(h, "RIFF", 4) != 0) {
        std::fclose(f);
        c.error = "the file was not written whole (no complete header)";
        return c;
    }
    const uint32_t stated = get32(h + 40);
    const uint32_t byte_rate = get32(h + 28);
    if (uint32_t(size - kBeforeData) != stated) {
        std::fclose(f);
        c.error = "the file was not written whole (it holds less than its header states)";
        return c;
    }
    c.data_length = wave_data_length(size, max_data);
    if (c.data_length != size - kBeforeData) {
        c.cut = true;
        put32(h + 4, uint32_t(c.data_length + 36));
        put32(h + 40, uint32_t(c.data_length));
        const bool written = std::fseek(f, 0, SEEK_SET) == 0 && std::fwrite(h, 1, sizeof h, f) == sizeof h;
        const int e = errno;
        if (std::fclose(f) != 0 || !written) {
            c.error = std::strerror(written ? errno : e);
            return c;
        }
        std::filesystem::resize_file(path, kBeforeData + c.data_length, ec);
        if (ec) {
            c.error = ec.message();
            return c;
        }
    } else if (std::fclose(f) != 0) {
        c.error = std::strerror(errno);
        return c;
    }
    c.ms = play_time_ms(uint32_t(c.data_length), byte_rate);
    return c;
}

std::string wave_write_empty(const std::string &path, uint32_t sample_rate) {
    WaveHeader h{};
    std::memcpy(h.riff, "RIFF", 4);
    std::memcpy(h.wave, "WAVE", 4);
    std::memcpy(h.fmt, "fmt ", 4);
    std::memcpy(h.data, "data", 4);
    std::memset(h.first_samples, 0x80, 4);
    h.fmt_length = 16;
    h.format_tag = 1;
    h.channels = 1;
    h.sample_rate = sample_rate;
    h.byte_rate = sample_rate;
    h.block_align = 1;
    h.bits_per_sample = 8;
    h.data_length = 4;
    h.riff_length = 4 + 36;
    uint8_t bytes[WAVE_HEADER_SIZE];
    wavehdr_bytes(h, bytes);
    FILE *f = std::fopen(path.c_str(), "wb");
    if (!f) return std::strerror(errno);
    const bool written = std::fwrite(bytes, 1, sizeof bytes, f) == sizeof bytes;
    const int e = errno;
    if (std::fclose(f) != 0) return std::strerror(errno);
    return written ? std::string() : std::strerror(e);
}

}  // namespace kestrel
