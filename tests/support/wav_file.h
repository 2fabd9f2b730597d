// Small WAV writers and readers for the playback tests and benchmarks.
#pragma once
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace kestrel::test {

inline void put_le(std::vector<uint8_t> &b, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

// A PCM WAV header for `data_bytes` bytes of samples, fields as given (they may lie).
inline std::vector<uint8_t> wav_header(uint32_t rate, int bits, int channels, uint32_t data_bytes) {
    std::vector<uint8_t> h;
    const uint32_t align = static_cast<uint32_t>(channels * bits / 8);
    h.insert(h.end(), {'R', 'I', 'F', 'F'});
    put_le(h, 36 + data_bytes, 4);
    h.insert(h.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    put_le(h, 16, 4);
    put_le(h, 1, 2);
    put_le(h, static_cast<uint32_t>(channels), 2);
    put_le(h, rate, 4);
    put_le(h, rate * align, 4);
    put_le(h, align, 2);
    put_le(h, static_cast<uint32_t>(bits), 2);
    h.insert(h.end(), {'d', 'a', 't', 'a'});
    put_le(h, data_bytes, 4);
    return h;
}

inline bool write_bytes(const std::string &path, const std::vector<uint8_t> &bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

// 8-bit unsigned mono square-ish tone (alternating 128±amp every `half` samples),
// written in pieces so that long files need no big buffer.
inline bool write_tone_u8(const std::string &path, uint32_t rate, double seconds, int amp = 40, int half = 1) {
    const uint32_t n = static_cast<uint32_t>(seconds * rate);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    auto h = wav_header(rate, 8, 1, n);
    out.write(reinterpret_cast<const char *>(h.data()), static_cast<std::streamsize>(h.size()));
    std::vector<char> buf(65536);
    uint32_t i = 0;
    while (i < n) {
        size_t k = 0;
        for (; k < buf.size() && i < n; ++k, ++i)
            buf[k] = static_cast<char>(static_cast<uint8_t>((i / static_cast<uint32_t>(half)) % 2 ? 128 - amp : 128 + amp));
        out.write(buf.data(), static_cast<std::streamsize>(k));
    }
    return static_cast<bool>(out);
}

// 16-bit signed mono sine.
inline bool write_sine_s16(const std::string &path, uint32_t rate, double seconds, double hz, double level = 0.3,
                           int channels = 1) {
    const uint32_t n = static_cast<uint32_t>(seconds * rate);
    auto b = wav_header(rate, 16, channels, n * 2u * static_cast<uint32_t>(channels));
    for (uint32_t i = 0; i < n; ++i) {
        const double s = level * std::sin(2.0 * 3.14159265358979 * hz * i / rate);
        const int16_t v = static_cast<int16_t>(s * 32767.0);
        for (int c = 0; c < channels; ++c) put_le(b, static_cast<uint16_t>(v), 2);
    }
    return write_bytes(path, b);
}

struct WavData {
    bool ok = false;
    uint32_t rate = 0;
    int channels = 0;
    int bits = 0;
    std::vector<int16_t> samples;  // 16-bit files only
};

// Reads a 16-bit PCM WAV as written by the offline mixer (chunks walked, not assumed).
inline WavData read_wav16(const std::string &path) {
    WavData w;
    std::ifstream in(path, std::ios::binary);
    std::vector<uint8_t> b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    auto u32 = [&](size_t p) { return b[p] | b[p + 1] << 8 | b[p + 2] << 16 | static_cast<uint32_t>(b[p + 3]) << 24; };
    auto u16 = [&](size_t p) { return static_cast<uint32_t>(b[p] | b[p + 1] << 8); };
    if (b.size() < 12 || std::string(b.begin(), b.begin() + 4) != "RIFF") return w;
    size_t p = 12;
    while (p + 8 <= b.size()) {
        const std::string id(b.begin() + static_cast<long>(p), b.begin() + static_cast<long>(p) + 4);
        const uint32_t len = u32(p + 4);
        if (id == "fmt " && p + 24 <= b.size()) {
            w.channels = static_cast<int>(u16(p + 10));
            w.rate = u32(p + 12);
            w.bits = static_cast<int>(u16(p + 22));
        } else if (id == "data") {
            const size_t end = std::min(b.size(), p + 8 + len);
            for (size_t q = p + 8; q + 1 < end; q += 2) w.samples.push_back(static_cast<int16_t>(u16(q)));
            w.ok = w.bits == 16;
            return w;
        }
        p += 8 + len + (len & 1);
    }
    return w;
}

// Open file descriptors of this process.
inline int open_fds() {
    int n = 0;
    std::error_code ec;
    for (auto it = std::filesystem::directory_iterator("/proc/self/fd", ec); !ec && it != std::filesystem::directory_iterator();
         it.increment(ec))
        ++n;
    return n;
}

}  // namespace kestrel::test
