#include "app/sound_mode.h"

#include <sstream>

#include "app/listening.h"
#include "app/status.h"
#include "app/window.h"
#include "platform/waterfall.h"
#include "state/clock.h"
#include "state/receiver.h"

namespace kestrel {

namespace {
RxSettings g_rx;  // what the window thread last handed the chain
}  // namespace

const char *sound_mode_option(SoundMode m) {
    switch (m) {
    case SoundMode::receiver: return "receiver";
    case SoundMode::receiver_steady: return "receiver-nofading";
    default: return "described";
    }
}

const char *sound_mode_name(SoundMode m) {
    switch (m) {
    case SoundMode::receiver: return "receiver";
    case SoundMode::receiver_steady: return "receiver without fading";
    default: return "described";
    }
}

bool sound_mode_parse(const std::string &text, SoundMode *m) {
    for (SoundMode c : {SoundMode::described, SoundMode::receiver, SoundMode::receiver_steady}) {
        if (text == sound_mode_option(c)) {
            *m = c;
            return true;
        }
    }
    return false;
}

bool sound_effects_parse(const std::string &text, RxEffects *fx, std::string *error) {
    if (text.empty() || text == "all") {
        *fx = RxEffects{};
        return true;
    }
    RxEffects out{false, false, false, false, false};
    if (text == "none") {
        *fx = out;
        return true;
    }
    std::stringstream list(text);
    std::string name;
    while (std::getline(list, name, ',')) {
        bool *flag = name == "filter"    ? &out.filter
                     : name == "agc"     ? &out.agc
                     : name == "fading"  ? &out.fading
                     : name == "flutter" ? &out.flutter
                     : name == "crashes" ? &out.crashes
                                         : nullptr;
        if (!flag) {
            if (error)
                *error = "unknown effect '" + name + "' (filter, agc, fading, flutter, crashes, all or none)";
            return false;
        }
        *flag = true;
    }
    *fx = out;
    return true;
}

bool sound_select(const std::string &mode, const std::string &effects, uint64_t seed, std::string *error) {
    SoundMode m;
    if (!sound_mode_parse(mode, &m)) {
        if (error) *error = "unknown sound '" + mode + "' (described, receiver or receiver-nofading)";
        return false;
    }
    RxEffects fx;
    if (!sound_effects_parse(effects, &fx, error)) return false;
    g_rx.mode = m;
    g_rx.fx = fx;
    g_rx.seed = seed;
    sound_sync();
    return true;
}

SoundMode sound_mode() { return g_rx.mode; }

void sound_sync() {
    g_rx.filter = filter;
    g_rx.att = att;
    g_rx.night = night() != 0;
    g_rx.month = t.wMonth;
    g_rx.hour = t.wHour;
    rx_set(g_rx);
}

void sound_cycle() {
    switch (g_rx.mode) {
    case SoundMode::described: g_rx.mode = SoundMode::receiver; break;
    case SoundMode::receiver: g_rx.mode = SoundMode::receiver_steady; break;
    default: g_rx.mode = SoundMode::described; break;
    }
    sound_sync();
    title_refresh();
}

void sound_start() {
    sound_sync();
    if (g_rx.mode != SoundMode::described) title_refresh();
}

void waterfall_toggle() {
    if (waterfall().shown()) waterfall().close();
    else waterfall().show();
}

}  // namespace kestrel
