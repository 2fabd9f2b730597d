#include "tools/recordings/teleprinter.h"

#include <cmath>
#include <cstring>

namespace kestrel::rec {

namespace {

// ITA2 by combination value: letters case, figures case (0: not printable).
constexpr char LETTERS[33] = "\0E\nA SIU\rDRJNFCKTZLWHYPQOBG\0MXV\0";
constexpr char FIGURES[33] = "\0003\n- '87\r\0004\0,\0:(5\0)2\0006019?\0\0./\0\0";

// CCIR 476 combination for each ITA2 combination; bit 0 is sent first,
// 1 = B (mark).
constexpr int CCIR476[32] = {
    0x6A, 0x56, 0x6C, 0x47, 0x5C, 0x4B, 0x4D, 0x4E, 0x78, 0x53, 0x55, 0x17, 0x59, 0x1B, 0x1D, 0x1E,
    0x74, 0x63, 0x65, 0x27, 0x69, 0x2B, 0x2D, 0x2E, 0x71, 0x72, 0x35, 0x36, 0x39, 0x3A, 0x3C, 0x5A,
};

int find(const char *table, char c) {
    for (int i = 1; i < 32; ++i)
        if (table[i] == c) return i;
    return -1;
}

}  // namespace

char ita2_char(int code, bool figures) {
    if (code < 0 || code > 31) return 0;
    return figures ? FIGURES[code] : LETTERS[code];
}

std::vector<int> ita2_encode(const std::string &text) {
    std::vector<int> out;
    int shift = -1;  // unknown: the first printing character sets it
    for (char c : text) {
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
        if (c == ' ' || c == '\r' || c == '\n') {
            out.push_back(c == ' ' ? ITA2_SPACE : c == '\r' ? ITA2_CR : ITA2_LF);
            if (c == ' ' && shift == ITA2_FIGS) shift = -1;
            continue;
        }
        int code = find(LETTERS, c), want = ITA2_LTRS;
        if (code < 0) {
            code = find(FIGURES, c);
            want = ITA2_FIGS;
        }
        if (code < 0) continue;
        if (shift != want) {
            out.push_back(want);
            shift = want;
        }
        out.push_back(code);
    }
    return out;
}

void ita2_frame(int code, double stop_bits, std::vector<Element> &out) {
    out.push_back({0, 1.0});
    for (int b = 0; b < 5; ++b) out.push_back({(code >> b) & 1, 1.0});
    out.push_back({1, stop_bits});
}

int ccir476_of_ita2(int ita2) { return ita2 >= 0 && ita2 < 32 ? CCIR476[ita2] : -1; }

int ita2_of_ccir476(int code) {
    for (int i = 0; i < 32; ++i)
        if (CCIR476[i] == code) return i;
    return -1;
}

std::vector<int> sitor_b_stream(const std::string &text, int phasing_pairs) {
    std::vector<int> dx;
    for (int c : ita2_encode(text)) dx.push_back(CCIR476[c]);
    // End of emission: three alphas in the DX position.
    for (int i = 0; i < 3; ++i) dx.push_back(CCIR476_ALPHA);
    // Phasing: phasing signal 2 (RQ) in DX, phasing signal 1 (alpha) in RX.
    std::vector<int> out;
    for (int i = 0; i < phasing_pairs; ++i) {
        out.push_back(CCIR476_RQ);
        out.push_back(CCIR476_ALPHA);
    }
    // Character k goes out in DX slot k and again in the RX slot two pairs
    // and one position later (four characters in between: 280 ms at 100 Bd).
    // RX slots before the first repetition still carry phasing signal 1.
    size_t n = dx.size() + 2;
    for (size_t k = 0; k < n; ++k) {
        out.push_back(k < dx.size() ? dx[k] : CCIR476_ALPHA);
        out.push_back(k >= 2 && k - 2 < dx.size() ? dx[k - 2] : CCIR476_ALPHA);
    }
    return out;
}

Samples fsk(const std::vector<Element> &elements, double baud, double mark, double space,
            double rate) {
    double total_bits = 0;
    for (const auto &e : elements) total_bits += e.bits;
    long n = long(std::ceil(total_bits * rate / baud));
    // Target frequency per sample from exact element boundaries.
    std::vector<double> f(size_t(n), mark);
    double t0 = 0;
    for (const auto &e : elements) {
        long a = long(std::ceil(t0 * rate / baud));
        t0 += e.bits;
        long b = std::min(n, long(std::ceil(t0 * rate / baud)));
        for (long i = a; i < b; ++i) f[size_t(i)] = e.level ? mark : space;
    }
    // Smooth the keying with a ~1 ms moving average, then integrate phase.
    int w = std::max(1, int(rate / 1000.0));
    Samples out(static_cast<size_t>(n));
    double acc = 0, phase = 0;
    for (long i = 0; i < n; ++i) {
        acc += f[size_t(i)];
        if (i >= w) acc -= f[size_t(i - w)];
        double fi = acc / double(std::min<long>(i + 1, w));
        phase += 2 * PI * fi / rate;
        if (phase > 2 * PI) phase -= 2 * PI;
        out[size_t(i)] = float(std::sin(phase));
    }
    return out;
}

}  // namespace kestrel::rec
