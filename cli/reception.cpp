#include "cli/reception.h"

#include <cstdio>
#include <cstring>

#include "bandplan/bands.h"
#include "bandplan/reset.h"
#include "platform/clock.h"
#include "platform/media.h"
#include "procedures/procedures.h"
#include "procedures/send.h"
#include "state/receiver.h"
#include "synth/channels.h"
#include "synth/morse.h"
#include "synth/params.h"

namespace kestrel::cli {

namespace {
// The instant of every reception, fixed once by prepare(), and the switches.
SYSTEMTIME g_at{};
ReceptionSetup g_switches;

// Media commands pass through to the backend underneath and are kept for the report.
const MediaBackend *g_inner = &media_null;
std::vector<std::string> g_commands;
std::vector<Reception::Carrier> g_carriers;

void tee_play(int k, const char *file) {
    g_commands.push_back("play channel " + std::to_string(k) + " " + file);
    g_inner->channel_play(k, file);
}
void tee_close(int k) { g_inner->channel_close(k); }
void tee_string(const char *command) {
    // The closes sent on every retune say nothing about what is on the air.
    if (std::strncmp(command, "close ", 6) != 0) g_commands.push_back(command);
    g_inner->send_string(command);
}
void tee_loop(const char *file) {
    if (file) {
        // The carrier's file was just written: its rate is the tone times the sampling factor.
        g_carriers.push_back({g_commands.size(), static_cast<int>(wavehdr.sample_rate) / (sampling ? sampling : 1), qsa});
        g_commands.push_back(std::string("loop ") + file);
    }
    g_inner->loop_play(file);
}
int tee_devs() { return g_inner->num_devs(); }
const MediaBackend tee = {"report", tee_play, tee_close, tee_string, tee_loop, tee_devs};

// The receiver's retune without a window, for the retune a station asks for
// (tuning2): the meter cleared, every channel and carrier stopped, then the
// band plan again, rendered or composed as the outer reception is.
void retune_rendered() {
    clr_smetr(hwnd);
    stop_all_devs();
    bands();
}
void retune_composed() {
    clr_smetr(hwnd);
    stop_all_devs();
    bands_compose();
}
}  // namespace

void prepare(const ReceptionSetup &s) {
    test_clock_set_epoch_ms(s.at_ms);
    test_clock_step(0);
    GetSystemTime(&g_at);
    g_switches = s;
}

namespace {
// Mended: every reception starts as the first of a fresh run would: the clock back at
// the chosen instant, time moving on 7 ms with every clock read (the same way
// on every run), the receiver's switches as asked. A sweep of the dial thus
// hears on each frequency exactly what a single tune there hears.
void start_reception() {
    program_reset();
    test_clock_set(g_at.wYear, g_at.wMonth, g_at.wDay, g_at.wHour, g_at.wMinute, g_at.wSecond, g_at.wMilliseconds);
    test_clock_step(7);
    hist = g_switches.hist;
    bkgnd = g_switches.bkgnd;
    att = g_switches.att;
    filter = g_switches.filter;
    sampling = g_switches.sampling;
    clips = g_switches.clips;
}
}  // namespace

Reception receive(const ReceptionSetup &s) {
    Reception r;
    r.freq = s.freq;
    start_reception();
    random_reset(s.seed);
    freq = s.freq;
    g_inner = &media();
    media_use(&tee);
    g_commands.clear();
    g_carriers.clear();
    if (s.render) {
        set_retune_hook(retune_rendered);
        bands();
    } else {
        set_retune_hook(retune_composed);
        bands_compose();
    }
    set_retune_hook(nullptr);
    r.commands = g_commands;
    r.carriers = g_carriers;
    media_use(g_inner);
    r.emissions = slot_reports(s.render);
    return r;
}

}  // namespace kestrel::cli
