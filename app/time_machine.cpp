// The time machine: the receiver's clock started at another instant, running
// on in real time. Everything that reads the clock (the clock sample of the
// schedules, the random stir, the log, the recording's file name) reads it
// through the platform clock's offset, so nothing else needs to know.
#include <cctype>
#include <cstdio>

#include "app/listening.h"
#include "app/window.h"
#include "platform/ask.h"
#include "platform/clock.h"
#include "platform/instant.h"
#include "platform/ui.h"
#include "state/log.h"
#include "state/receiver.h"

namespace kestrel {

namespace {

bool g_simulated = false;

// "-2h", "+1d12h", "90s", "-30m": a sign, then numbers each with its unit.
bool read_offset(const std::string &text, int64_t *ms) {
    size_t i = 0;
    int64_t sign = 1;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) sign = text[i++] == '-' ? -1 : 1;
    if (i == text.size()) return false;
    int64_t total = 0;
    while (i < text.size()) {
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
        int64_t n = 0;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
            n = n * 10 + (text[i++] - '0');
            if (n > 100000000) return false;  // past any date the clock can show
        }
        if (i == text.size()) return false;  // a number needs its unit
        switch (std::tolower(static_cast<unsigned char>(text[i++]))) {
        case 's': total += n * 1000; break;
        case 'm': total += n * 60000; break;
        case 'h': total += n * 3600000; break;
        case 'd': total += n * 86400000; break;
        default: return false;
        }
    }
    *ms = sign * total;
    return true;
}

std::string trimmed(const std::string &s) {
    size_t a = 0, b = s.size();
    while (a < b && std::isspace(static_cast<unsigned char>(s[a]))) ++a;
    while (b > a && std::isspace(static_cast<unsigned char>(s[b - 1]))) --b;
    return s.substr(a, b - a);
}

// Years the clock fields hold and the schedules make sense of.
constexpr int64_t kEarliest = -11644473600000;  // 1601-01-01
constexpr int64_t kLatest = 253402300799000;    // 9999-12-31 23:59:59

}  // namespace

bool read_instant(const std::string &text, int64_t *utc_ms, std::string *error) {
    // The same reader as kestrel-cli --at, so both take and refuse the same instants.
    std::string why;
    if (parse_instant(text, utc_ms, &why)) return true;
    if (error) *error = why;
    return false;
}

void time_machine_start(int64_t utc_ms) {
    clock_start_at(utc_ms);
    g_simulated = true;
}

void time_machine_off() {
    clock_offset_set(0);
    g_simulated = false;
}

bool time_machine_on() { return g_simulated; }

bool time_machine_set(const std::string &typed, std::string *error) {
    const std::string text = trimmed(typed);
    if (text == "now" || text == "NOW") {
        time_machine_off();
        return true;
    }
    int64_t at = 0;
    int64_t offset = 0;
    if (read_offset(text, &offset)) {
        at = clock_utc_ms() + offset;
    } else if (!read_instant(text, &at, nullptr)) {
        if (error) *error = "\"" + text + "\" is neither an instant (YYYY-MM-DDTHH:MM:SSZ) nor an offset (-2h, +1d12h)";
        return false;
    }
    if (at < kEarliest || at > kLatest) {
        if (error) *error = "\"" + text + "\" lies outside the years 1601 to 9999";
        return false;
    }
    time_machine_start(at);
    return true;
}

void time_machine_ask(int window_handle) {
    SYSTEMTIME now;
    clock_fields(clock_utc_ms(), &now);
    char shown[48];
    std::snprintf(shown, sizeof shown, "%04d-%02d-%02dT%02d:%02d:%02dZ", now.wYear, now.wMonth, now.wDay, now.wHour,
                  now.wMinute, now.wSecond);
    std::string answer = shown;
    if (!ask_line("Time machine",
                  "UTC instant (YYYY-MM-DDTHH:MM:SSZ), offset (-2h, +1d12h, -30m) or now:", &answer))
        return;
    std::string why;
    if (!time_machine_set(answer, &why)) {
        ui().message_box(why.c_str(), "Time machine", window_handle);
        return;
    }
    Log("time machine", answer.c_str(), 0);
    listening_timer_needed();  // the title's clock runs on
    title_refresh();
    // The band of the new time is heard at once, as after a switch that retunes.
    dsp_freq(window_handle);
}

}  // namespace kestrel
