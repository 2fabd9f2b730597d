#include "synth/wave_check.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "state/receiver.h"
#include "synth/morse.h"
#include "synth/params.h"

namespace kestrel {

namespace {
constexpr uint64_t kBeforeData = 44;  // the header up to the first sample

uint32_t get32(const uint8_t *p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}
}  // namespace

WaveCheck wave_check(const std::string &path) {
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
    FILE *f = std::fopen(path.c_str(), "rb");
    if (!f) {
        c.error = std::strerror(errno);
        return c;
    }
    uint8_t h[WAVE_HEADER_SIZE];
    const bool read = size >= WAVE_HEADER_SIZE && std::fread(h, 1, sizeof h, f) == sizeof h;
    std::fclose(f);
    if (!read || std::memcmp(h, "RIFF", 4) != 0) {
        c.error = "the file was not written whole (no complete header)";
        return c;
    }
    c.data_length = get32(h + 40);
    if (size - kBeforeData != c.data_length) {
        c.error = "the file was not written whole (it holds less than its header states)";
        return c;
    }
    c.ms = play_time_ms(get32(h + 40), get32(h + 28));
    return c;
}

WaveMeasure wave_measure(const char *text, uint64_t max_data) {
    WaveMeasure m;
    uint64_t total = 4;  // the four silent samples inside the header
    uint32_t before = static_cast<uint32_t>(samples);
    // Each element adds far less than 2^32 bytes, so the 32-bit count's
    // steps add up exactly in 64 bits.
    auto count = [&] {
        const uint32_t now = static_cast<uint32_t>(samples);
        total += now - before;
        before = now;
    };
    prop();
    load_params();
    if (att) {
        if (qsa == 0) {
            m.silent = true;
            return m;
        }
        --qsa;
    }
    letter(' ', dot_size);
    count();
    m.fit_length = total;
    struct Walk {
        WaveMeasure &m;
        uint64_t &total;
        decltype(count) &step;
        uint64_t max_data;
        bool fits;
    } w{m, total, count, max_data, total <= max_data};
    const size_t read = key_text(text, [](const KeyedStep &k, void *ctx) {
        Walk &w = *static_cast<Walk *>(ctx);
        if (k.step.kind != StepKind::character) return;
        w.step();
        if (w.fits && w.total <= w.max_data) {
            w.m.fit = k.step.next;
            w.m.fit_length = w.total;
        } else {
            w.fits = false;
        }
    }, &w);
    if (w.fits) m.fit = read;
    m.data_length = total;
    return m;
}

std::string wave_write_empty(const std::string &path, uint32_t sample_rate) {
    const WaveHeader h = wave_header(sample_rate, 8, 4);  // the four silent samples alone
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
