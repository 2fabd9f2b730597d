// The scan that stops on a signal: each step is the scan's own retune, and a
// step whose reception put a station on a channel holds the scan there while
// the station sends. The described scan, which never stops, stays the default.
#include "app/listening.h"
#include "state/receiver.h"
#include "synth/channels.h"

namespace kestrel {

namespace {
bool g_on = false;
bool g_skip = false;  // Space: the next step moves on although a station sends

bool station_sends() {
    for (int k = 0; k <= 8; ++k)
        if (channel_busy(k)) return true;
    return false;
}
}  // namespace

void scan_stop_set(bool on) {
    g_on = on;
    g_skip = false;
}

bool scan_stop_on() { return g_on; }

bool scan_holds() {
    if (!g_on) return false;
    if (g_skip) {
        g_skip = false;
        return false;
    }
    return station_sends();
}

bool scan_skip() {
    if (!g_on || scan != 1 || !station_sends()) return false;
    g_skip = true;
    return true;
}

}  // namespace kestrel
