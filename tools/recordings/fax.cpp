// HF facsimile at 120 lines per minute, index of cooperation 576: start tone,
// phasing lines, a weather chart drawn here, stop tone. Black is 1500 Hz,
// white 2300 Hz.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>

#include "tools/recordings/content.h"
#include "tools/recordings/recordings.h"

namespace kestrel::rec {

namespace {

constexpr double FAX_RATE = 8000.0;
constexpr double LINE_S = 0.5;          // 120 lines per minute
constexpr int WIDTH = 1810;             // pi * 576 picture elements per line
constexpr int CHART_LINES = 360;
constexpr double BLACK_HZ = 1500.0, WHITE_HZ = 2300.0;

// Picture: 0 black .. 1 white, WIDTH per row.
struct Picture {
    int w, h;
    std::vector<float> px;
    Picture(int w_, int h_) : w(w_), h(h_), px(size_t(w_) * size_t(h_), 1.0f) {}
    void ink(int x, int y, float v = 0.0f) {
        if (x >= 0 && y >= 0 && x < w && y < h) px[size_t(y) * size_t(w) + size_t(x)] = v;
    }
    void dot(int x, int y, int r, float v = 0.0f) {
        for (int dy = -r; dy <= r; ++dy)
            for (int dx = -r; dx <= r; ++dx) ink(x + dx, y + dy, v);
    }
    void box(int x0, int y0, int x1, int y1, float v) {
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) ink(x, y, v);
    }
    void text(int x, int y, int scale, const char *s) {
        for (; *s; ++s, x += 6 * scale) {
            const Glyph *g = nullptr;
            for (int i = 0; i < fax_font_size; ++i)
                if (fax_font[i].c == *s) g = &fax_font[i];
            if (!g) continue;
            for (int r = 0; r < 7; ++r)
                for (int c = 0; c < 5; ++c)
                    if (g->rows[r] & (0x10 >> c)) box(x + c * scale, y + r * scale,
                                                      x + c * scale + scale - 1, y + r * scale + scale - 1, 0.0f);
        }
    }
};

struct Centre {
    double x, y, depth, width;  // depth in hPa, negative for a low
};

double pressure(const std::vector<Centre> &cs, double x, double y) {
    double p = 1012.0;
    for (const auto &c : cs) {
        double dx = (x - c.x) / c.width, dy = (y - c.y) / c.width;
        p += c.depth * std::exp(-(dx * dx + dy * dy));
    }
    return p;
}

// Coast: land where a smooth random field is positive.
struct Coast {
    double a[6], kx[6], ky[6], ph[6];
    double at(double x, double y) const {
        double v = 0;
        for (int i = 0; i < 6; ++i) v += a[i] * std::sin(kx[i] * x + ky[i] * y + ph[i]);
        return v - 0.25 + 0.9 * (x / WIDTH - 0.6);  // more land to the east
    }
};

Picture draw_chart(Rng &rng) {
    Picture pic(WIDTH, CHART_LINES);
    std::vector<Centre> cs;
    for (int i = 0; i < 5; ++i) {
        bool low = i % 2 == 0;
        cs.push_back({rng.uniform(100, WIDTH - 250), rng.uniform(40, CHART_LINES - 40),
                      (low ? -1 : 1) * rng.uniform(10, 26), rng.uniform(110, 260)});
    }
    Coast coast{};
    for (int i = 0; i < 6; ++i) {
        coast.a[i] = rng.uniform(0.1, 0.35);
        coast.kx[i] = rng.uniform(0.002, 0.02);
        coast.ky[i] = rng.uniform(0.002, 0.03);
        coast.ph[i] = rng.uniform(0, 2 * PI);
    }
    std::vector<int> band(size_t(WIDTH) * CHART_LINES);
    std::vector<char> land(band.size());
    for (int y = 0; y < CHART_LINES; ++y)
        for (int x = 0; x < WIDTH; ++x) {
            band[size_t(y) * WIDTH + size_t(x)] = int(std::floor(pressure(cs, x, y) / 4.0));
            land[size_t(y) * WIDTH + size_t(x)] = coast.at(x, y) > 0;
        }
    auto idx = [](int x, int y) { return size_t(y) * WIDTH + size_t(x); };
    for (int y = 0; y + 1 < CHART_LINES; ++y)
        for (int x = 0; x + 1 < WIDTH; ++x) {
            size_t i = idx(x, y);
            // Land is stippled, coastlines drawn heavy, isobars thin.
            if (land[i] && x % 6 == 0 && y % 6 == (x / 6) % 2 * 3) pic.ink(x, y, 0.35f);
            if (land[i] != land[idx(x + 1, y)] || land[i] != land[idx(x, y + 1)]) pic.dot(x, y, 1);
            if (band[i] != band[idx(x + 1, y)] || band[i] != band[idx(x, y + 1)]) pic.ink(x, y);
        }
    // Graticule every 150 elements, dashed, with labels along the left and top.
    for (int x = 150; x < WIDTH; x += 150)
        for (int y = 0; y < CHART_LINES; ++y)
            if (y % 8 < 4) pic.ink(x, y);
    for (int y = 60; y < CHART_LINES; y += 150)
        for (int x = 0; x < WIDTH; ++x)
            if (x % 8 < 4) pic.ink(x, y);
    char buf[32];
    for (int x = 150, lon = 40; x < WIDTH; x += 150, lon -= 5) {
        std::snprintf(buf, sizeof buf, "%d%s", std::abs(lon), lon > 0 ? "W" : lon < 0 ? "E" : "");
        pic.text(x + 4, 4, 2, buf);
    }
    for (int y = 60, lat = 60; y < CHART_LINES; y += 150, lat -= 10) {
        std::snprintf(buf, sizeof buf, "%dN", lat);
        pic.text(6, y + 4, 2, buf);
    }
    // Centres: a big H or L with the central pressure under it.
    for (const auto &c : cs) {
        int x = int(c.x), y = int(c.y);
        pic.box(x - 22, y - 26, x + 44, y + 34, 1.0f);
        pic.text(x - 14, y - 22, 5, c.depth < 0 ? "L" : "H");
        std::snprintf(buf, sizeof buf, "%d", int(std::lround(pressure(cs, c.x, c.y))));
        pic.text(x - 20, y + 18, 2, buf);
    }
    // A cold front from the deepest low: a curve with triangles on one side.
    const Centre *deep = &cs[0];
    for (const auto &c : cs)
        if (c.depth < deep->depth) deep = &c;
    double fx = deep->x, fy = deep->y, ang = rng.uniform(1.6, 2.4);
    for (int s = 0; s < 420; ++s) {
        ang += 0.004;
        fx += std::cos(ang) * 1.2 - 0.9;
        fy += std::sin(ang) * 1.2;
        pic.dot(int(fx), int(fy), 1);
        if (s % 40 == 20)
            for (int k = 0; k < 9; ++k)
                for (int j = -k / 2; j <= k / 2; ++j) pic.ink(int(fx) - 9 + k, int(fy) + j);
    }
    // Title block in the lower right corner, framed.
    int bx = WIDTH - 330, by = CHART_LINES - 20 - 26 * fax_title_line_count;
    pic.box(bx - 10, by - 10, WIDTH - 12, CHART_LINES - 12, 1.0f);
    for (int x = bx - 10; x <= WIDTH - 12; ++x) { pic.dot(x, by - 10, 1); pic.dot(x, CHART_LINES - 12, 1); }
    for (int y = by - 10; y <= CHART_LINES - 12; ++y) { pic.dot(bx - 10, y, 1); pic.dot(WIDTH - 12, y, 1); }
    for (int i = 0; i < fax_title_line_count; ++i) pic.text(bx, by + 26 * i, 3, fax_title_lines[i]);
    // Frame around the whole chart.
    for (int x = 0; x < WIDTH; ++x) { pic.dot(x, 1, 1); pic.dot(x, CHART_LINES - 2, 1); }
    for (int y = 0; y < CHART_LINES; ++y) { pic.dot(1, y, 1); pic.dot(WIDTH - 2, y, 1); }
    return pic;
}

// Frequency-modulated picture signal with continuous phase.
class Modulator {
public:
    void tone_lines(Samples &out, double seconds, const std::function<double(double)> &shade) {
        long n = long(seconds * FAX_RATE);
        for (long i = 0; i < n; ++i) {
            double t = double(i) / FAX_RATE;
            double f = BLACK_HZ + (WHITE_HZ - BLACK_HZ) * std::clamp(shade(t), 0.0, 1.0);
            phase_ += 2 * PI * f / FAX_RATE;
            if (phase_ > 2 * PI) phase_ -= 2 * PI;
            out.push_back(float(std::sin(phase_)));
        }
    }
private:
    double phase_ = 0;
};

}  // namespace

bool make_fax(Output &out, std::string &) {
    Rng rng(seed_of("fax-001.wav"));
    Picture pic = draw_chart(rng);
    Modulator mod;
    Samples s;
    // Start tone: black and white alternating at 300 Hz for 5 s.
    mod.tone_lines(s, 5.0, [](double t) { return std::fmod(t * 600.0, 2.0) < 1.0 ? 1.0 : 0.0; });
    // Phasing: black lines broken by a white pulse of 5 % at the line start.
    mod.tone_lines(s, 20 * LINE_S, [](double t) { return std::fmod(t, LINE_S) < 0.05 * LINE_S ? 1.0 : 0.0; });
    // The chart, one picture line per half second.
    mod.tone_lines(s, CHART_LINES * LINE_S, [&](double t) {
        int line = std::min(CHART_LINES - 1, int(t / LINE_S));
        int x = std::min(WIDTH - 1, int(std::fmod(t, LINE_S) / LINE_S * WIDTH));
        return double(pic.px[size_t(line) * WIDTH + size_t(x)]);
    });
    // Stop tone: 450 Hz alternation for 5 s, then black.
    mod.tone_lines(s, 5.0, [](double t) { return std::fmod(t * 900.0, 2.0) < 1.0 ? 1.0 : 0.0; });
    mod.tone_lines(s, 5.0, [](double) { return 0.0; });

    Fader fade(rng, FAX_RATE, 0.6, 1.0, 11.0, 3.0);
    Samples noise = band_noise(rng, FAX_RATE, long(s.size()), 1100.0, 2700.0, 0.025);
    for (size_t i = 0; i < s.size(); ++i) s[i] = float(0.45 * fade.at(long(i)) * s[i] + noise[i]);
    fade_edges(s, FAX_RATE, 0.02);
    out.sound = {int(FAX_RATE), std::move(s)};
    out.encoding = Encoding::pcm16;
    return true;
}

}  // namespace kestrel::rec
