// The live band, and what the listening options share: their keys, their
// options, their timer and their marks in the title.
#include <cstdio>
#include <cstring>

#include "app/listening.h"
#include "app/recording.h"
#include "app/sound_mode.h"
#include "app/status.h"
#include "app/window.h"
#include "platform/clock.h"
#include "platform/ui.h"
#include "platform/window.h"
#include "state/clock.h"
#include "state/log.h"
#include "state/receiver.h"
#include "synth/channels.h"

namespace kestrel {

namespace {

bool g_live = false;
bool g_timer = false;  // the listening timer runs
int (*g_probe)() = nullptr;

// What the last reception of the tuned frequency started, and when.
uint32_t g_last_tick = 0;
int64_t g_last_minute = -1;
int g_channels_started = 0;

const char *g_reason = "";
int g_receptions = 0;

// Minutes since 1970 of clock fields (only compared for equality).
int64_t minute_of(const SYSTEMTIME &st) {
    return ((((static_cast<int64_t>(st.wYear) * 13 + st.wMonth) * 32 + st.wDay) * 24 + st.wHour) * 60) + st.wMinute;
}

int channels_busy() {
    int n = 0;
    for (int k = 0; k <= 8; ++k) n += channel_busy(k) ? 1 : 0;
    return n;
}

// The status line's flags as last set here: a flag is set only when it changes.
const char *g_flags[3] = {"", "", ""};
void flag(int i, const char *key, const char *text) {
    if (std::strcmp(g_flags[i], text) == 0) return;
    g_flags[i] = text;
    status_flag_set(key, text);
}

void receive_afresh(const char *why) {
    g_reason = why;
    ++g_receptions;
    Log("live reception", why, static_cast<unsigned long>(freq));
    dsp_freq(hwnd);
}

}  // namespace

void listening_timer_needed() {
    if (g_timer) return;
    g_timer = true;
    window().start_timer(LISTENING_PERIOD_MS, listening_tick);
}

// ---- the live band ----

void live_set(bool on) {
    g_live = on;
    if (!on) return;
    listening_timer_needed();
    // The gap counts from now; the band goes on from what the last reception
    // started (before any reception, the next look receives the band).
    g_last_tick = GetTickCount();
}

bool live_on() { return g_live; }
const char *live_last_reason() { return g_reason; }
int live_receptions() { return g_receptions; }
void live_use_probe(int (*others_sounding)()) { g_probe = others_sounding; }

void listening_received() {
    // No clock read here: a retune with the options off stays as it was.
    g_last_tick = GetTickCount();
    g_last_minute = minute_of(t);
    g_channels_started = channels_busy();
    // A retune from elsewhere (the scan, the live band) must not hide what is being typed.
    if (typed_active()) typed_show();
}

bool live_step_at(uint32_t now) {
    if (!g_live || !hwnd) return false;
    if (scan == 1) return false;  // scanning receives afresh at every step of its own
    if (now - g_last_tick < LIVE_MIN_GAP_MS) return false;
    if (channels_busy() > 0) return false;
    if (g_channels_started > 0) {
        receive_afresh("channels ended");
        return true;
    }
    // Nothing of the last reception is on a channel: the band is read again at
    // the next minute, if the noise is all that plays (a recording or a
    // carrier of the last reception plays on).
    if (g_probe && g_probe() > 0) return false;
    SYSTEMTIME now_t;
    GetSystemTime(&now_t);
    if (minute_of(now_t) == g_last_minute) return false;
    receive_afresh("new minute");
    return true;
}

// ---- shared ----

void listening_start() {
    if (time_machine_on() || scan_stop_on() || g_live) {
        listening_timer_needed();
        title_refresh();
    }
    if (g_live) {
        g_reason = "start";
        ++g_receptions;
        Log("live reception", "start", static_cast<unsigned long>(freq));
        dsp_freq(hwnd);
    }
}

void listening_tick() {
    const uint32_t now = GetTickCount();
    typed_step_at(now);
    live_step_at(now);
    title_refresh();
}

bool listening_key(uintptr_t vk, int window_handle) {
    if (typed_key(vk, window_handle)) return true;
    switch (vk) {
    case VK_LIVE:
        live_set(!g_live);
        title_refresh();
        return true;
    case VK_TIME_MACHINE:
        time_machine_ask(window_handle);
        return true;
    case VK_SCAN_STOP:
        scan_stop_set(!scan_stop_on());
        title_refresh();
        return true;
    case VK_SCAN_ON:
        return scan_skip();
    default:
        return false;
    }
}

// ---- the command line ----

const char *const listening_usage =
    "  --live           a band that lives while you listen: the start frequency is\n"
    "                   received at once, and again when its stations end or a new\n"
    "                   minute begins (key L)\n"
    "  --at YYYY-MM-DDTHH:MM:SSZ\n"
    "                   the receiver's clock starts at that UTC instant and runs on (key T)\n"
    "  --scan-stop      SCAN stops on a signal and goes on when it ends (key S)\n";

int listening_option(int argc, char **argv, int *i, std::string *error) {
    const char *arg = argv[*i];
    if (std::strcmp(arg, "--live") == 0) {
        g_live = true;
        return 1;
    }
    if (std::strcmp(arg, "--scan-stop") == 0) {
        scan_stop_set(true);
        return 1;
    }
    if (std::strcmp(arg, "--at") == 0) {
        if (*i + 1 >= argc) {
            *error = "--at needs an instant, such as 1938-06-01T20:00:00Z";
            return -1;
        }
        int64_t ms = 0;
        std::string why;
        if (!read_instant(argv[*i + 1], &ms, &why)) {
            *error = std::string("--at ") + argv[*i + 1] + ": " + why;
            return -1;
        }
        ++*i;
        time_machine_start(ms);
        return 1;
    }
    return 0;
}

// ---- the title ----

std::string listening_title() {
    std::string title = window_title;
    if (g_live) title += "  [LIVE]";
    if (time_machine_on()) {
        SYSTEMTIME now;
        clock_fields(clock_utc_ms(), &now);
        char text[48];
        std::snprintf(text, sizeof text, "  [SIM %04d-%02d-%02d %02d:%02d:%02d UTC]", now.wYear, now.wMonth, now.wDay,
                      now.wHour, now.wMinute, now.wSecond);
        title += text;
    }
    if (scan_stop_on()) title += "  [SCAN STOPS]";
    if (sound_mode() != SoundMode::described) title += std::string("  [SOUND ") + sound_mode_name(sound_mode()) + "]";
    if (recording()) title += std::string("  [REC ") + record_name() + "]";
    return title;
}

void title_refresh() {
    // The option flags of the status line, and the same marks in the title.
    flag(0, "live", g_live ? "LIVE" : "");
    flag(1, "sim", time_machine_on() ? "SIM" : "");
    flag(2, "scan", scan_stop_on() ? "SCAN STOPS" : "");
    // The sound's flag is set every time, as the sound's own switch expects.
    status_flag_set("sound", sound_mode() == SoundMode::described ? ""
                             : sound_mode() == SoundMode::receiver ? "RX"
                                                                   : "RX steady");
    const std::string title = listening_title();
    const char *shown = ui_title();
    if (title == (*shown ? shown : window_title)) return;
    ui().set_title(title.c_str());
}

void listening_reset() {
    g_live = false;
    g_timer = false;
    g_probe = nullptr;
    g_last_tick = 0;
    g_last_minute = -1;
    g_channels_started = 0;
    g_reason = "";
    g_receptions = 0;
    time_machine_off();
    scan_stop_set(false);
    typed_cancel();
    for (const char *&f : g_flags) f = "";
}

}  // namespace kestrel
