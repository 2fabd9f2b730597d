// The waterfall window on FLTK 1.3: the newest line of the spectrum at the
// top, older ones scrolling down, 25 lines a second; under it a scale in Hz
// with the filter's passband marked, and its edges drawn through the picture.
// The noise is grey, a station's tone a bright trace.
#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/fltk/place_fltk.h"
#include "platform/rx_chain.h"
#include "platform/waterfall_feed.h"
#include "platform/window_fltk.h"

namespace kestrel {

namespace {

constexpr int kWidth = 800;    // one column per 7.5 Hz up to 6 kHz
constexpr int kRows = 300;     // 12 seconds
constexpr int kScale = 58;     // the scale under the picture
constexpr double kPeriod = 1.0 / kWaterfallLinesPerSecond;

class WaterfallWindow : public Fl_Double_Window {
public:
    WaterfallWindow() : Fl_Double_Window(kWidth, kRows + kScale), pixels_(size_t(kWidth) * kRows * 3, 0) {
        copy_label("KESTREL waterfall");
        line_.assign(kWidth, -200.0f);
    }

    int handle(int event) override {
        if (event == FL_KEYBOARD || event == FL_SHORTCUT) return fltk_pass_key();
        return Fl_Double_Window::handle(event);
    }

    // One line from what was heard since the last; the picture scrolls.
    void step() {
        if (!spectrum_line(line_.data(), kWidth, kWaterfallTopHz)) {
            // Nothing heard (no sound output, or a stall): the picture still
            // moves on, with a line of silence.
            std::fill(line_.begin(), line_.end(), -200.0f);
        }
        // The noise floor: the middle of the line inside the passband (what
        // lies outside is all but empty behind the filter), followed slowly,
        // so the noise stays grey as the AGC or the filter moves it.
        double lo, hi;
        rx_passband(rx_get().filter, &lo, &hi);
        std::vector<float> sorted(line_.begin() + x_of(lo), line_.begin() + x_of(hi));
        const size_t mid = sorted.size() / 2;
        std::nth_element(sorted.begin(), sorted.begin() + long(mid), sorted.end());
        const float median = std::max(sorted[mid], -110.0f);
        floor_ = floor_ < -150.0f ? median : floor_ + 0.1f * (median - floor_);
        std::memmove(pixels_.data() + kWidth * 3, pixels_.data(), size_t(kWidth) * (kRows - 1) * 3);
        for (int x = 0; x < kWidth; ++x) colour(line_[size_t(x)] - floor_, pixels_.data() + x * 3);
        redraw();
    }

    void draw() override {
        fl_draw_image(pixels_.data(), 0, 0, kWidth, kRows, 3);
        double lo, hi;
        rx_passband(rx_get().filter, &lo, &hi);
        const int xl = x_of(lo), xh = x_of(hi);
        // The filter's edges through the picture, dotted so the traces show.
        fl_color(fl_rgb_color(90, 200, 255));
        for (int y = 0; y < kRows; y += 6) {
            fl_yxline(xl, y, y + 2);
            fl_yxline(xh, y, y + 2);
        }
        // The scale: the passband as a band, ticks every 100 Hz, labels every kHz.
        fl_color(fl_rgb_color(24, 24, 28));
        fl_rectf(0, kRows, kWidth, kScale);
        fl_color(fl_rgb_color(30, 90, 130));
        fl_rectf(xl, kRows + 2, xh - xl + 1, 8);
        fl_color(fl_rgb_color(90, 200, 255));
        fl_yxline(xl, kRows, kRows + 12);
        fl_yxline(xh, kRows, kRows + 12);
        fl_color(fl_rgb_color(200, 200, 200));
        fl_font(FL_HELVETICA, 11);
        for (int hz = 0; hz <= int(kWaterfallTopHz); hz += 100) {
            const int x = x_of(hz);
            const int len = hz % 1000 == 0 ? 10 : (hz % 500 == 0 ? 7 : 4);
            fl_yxline(x, kRows + 12, kRows + 12 + len);
            if (hz % 1000 == 0) {
                char text[16];
                std::snprintf(text, sizeof text, "%d", hz);
                const int w = int(fl_width(text));
                fl_draw(text, std::clamp(x - w / 2, 1, kWidth - w - 1), kRows + 36);
            }
        }
        char band[64];
        std::snprintf(band, sizeof band, "%s passband %.0f-%.0f Hz", rx_get().filter == 1 ? "FLT1" : "FLT2", lo, hi);
        fl_draw(band, kWidth - int(fl_width(band)) - 6, kRows + 52);
        fl_draw("audio frequency, Hz", 6, kRows + 52);
    }

private:
    static int x_of(double hz) { return int(std::lround(hz / kWaterfallTopHz * kWidth)); }

    // Level above the noise floor to colour: black under it, grey at the
    // noise, then amber to yellow and white for a strong tone.
    static void colour(float above, unsigned char *rgb) {
        struct Stop {
            float db;
            unsigned char r, g, b;
        };
        static const Stop stops[] = {{-12, 0, 0, 0},      {0, 96, 96, 100},   {8, 130, 130, 136},
                                     {18, 200, 140, 30},  {32, 255, 220, 60}, {48, 255, 255, 255}};
        if (above <= stops[0].db) {
            rgb[0] = rgb[1] = rgb[2] = 0;
            return;
        }
        for (size_t i = 1; i < sizeof stops / sizeof stops[0]; ++i) {
            if (above > stops[i].db) continue;
            const Stop &a = stops[i - 1], &b = stops[i];
            const float u = (above - a.db) / (b.db - a.db);
            rgb[0] = static_cast<unsigned char>(a.r + u * (b.r - a.r));
            rgb[1] = static_cast<unsigned char>(a.g + u * (b.g - a.g));
            rgb[2] = static_cast<unsigned char>(a.b + u * (b.b - a.b));
            return;
        }
        rgb[0] = rgb[1] = rgb[2] = 255;
    }

    std::vector<unsigned char> pixels_;
    std::vector<float> line_;
    float floor_ = -200.0f;
};

WaterfallWindow *g_fall = nullptr;

void tick(void *) {
    if (!g_fall || !g_fall->shown()) return;
    g_fall->step();
    Fl::repeat_timeout(kPeriod, tick);
}

void fall_close() {
    Fl::remove_timeout(tick);
    spectrum_arm(false);
    if (g_fall) g_fall->hide();
}

void on_close(Fl_Widget *, void *) { fall_close(); }

void fall_show() {
    if (!Fl::first_window()) return;  // no display: nothing to show it on
    if (!g_fall) {
        g_fall = new WaterfallWindow();
        g_fall->end();
        g_fall->callback(on_close);
        fltk_place::beside_main(g_fall);  // once: where the listener moves it, it stays
    }
    spectrum_arm(true);
    g_fall->show();
    Fl::remove_timeout(tick);
    Fl::add_timeout(kPeriod, tick);
}

int fall_shown() { return g_fall && g_fall->shown() ? 1 : 0; }

const WaterfallBackend g_backend = {"fltk", fall_show, fall_close, fall_shown};

}  // namespace

const WaterfallBackend *waterfall_fltk() { return &g_backend; }

}  // namespace kestrel
