#include "cli/reception.h"

#include <cstdio>
#include <cstring>

#include "bandplan/bands.h"
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
// Media commands pass through to the backend underneath and are kept for the report.
const MediaBackend *g_inner = &media_null;
std::vector<std::string> g_commands;

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
    if (file) g_commands.push_back(std::string("loop ") + file);
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

bool prepare(const ReceptionSetup &s) {
    if (s.at.empty()) {
        SYSTEMTIME now;
        test_clock_off();
        GetSystemTime(&now);
        test_clock_set(now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond, now.wMilliseconds);
    } else if (!test_clock_parse(s.at.c_str())) {
        return false;
    }
    test_clock_step(7);  // time moves on with every clock read, the same way on every run
    receiver_reset();
    hist = s.hist;
    bkgnd = s.bkgnd;
    att = s.att;
    filter = s.filter;
    sampling = s.sampling;
    clips = s.clips;
    return true;
}

Reception receive(const ReceptionSetup &s) {
    Reception r;
    r.freq = s.freq;
    random_reset(s.seed);
    synth_reset();
    freq = s.freq;
    g_inner = &media();
    media_use(&tee);
    stop_all_devs();
    fbuf[0] = 0;
    g_commands.clear();
    if (s.render) {
        set_retune_hook(retune_rendered);
        bands();
    } else {
        set_retune_hook(retune_composed);
        bands_compose();
    }
    set_retune_hook(nullptr);
    r.commands = g_commands;
    media_use(g_inner);
    r.emissions = slot_reports(s.render);
    return r;
}

}  // namespace kestrel::cli
