#include "app/status.h"

#include <cstdio>
#include <utility>
#include <vector>

#include "app/recording.h"
#include "platform/clock.h"
#include "platform/ui.h"
#include "platform/window.h"

namespace kestrel {

namespace {

bool g_created = false;
std::string g_heard, g_message;
std::vector<std::pair<std::string, std::string>> g_flags;
std::string g_shown_text, g_shown_flags;

// Clear of the panel's buttons (their lowest row ends at y = 235), under the
// switches and the tuning buttons; the flags under the memories.
const ControlSpec status_field = {ID_STATUS, CONTROL_STATUS, "", 20, 246, 570, 40};
const ControlSpec flags_field = {ID_STATUS_FLAGS, CONTROL_STATUS, "", 600, 246, 170, 40};

std::string clock_text() {
    SYSTEMTIME now;
    GetSystemTime(&now);  // the receiver's clock, a simulated one included
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d UTC", now.wYear, now.wMonth, now.wDay, now.wHour,
                  now.wMinute, now.wSecond);
    return text;
}

std::string rec_text() {
    if (!recording()) return "";
    const uint64_t s = record_seconds();
    char text[160];
    std::snprintf(text, sizeof text, "REC %llu:%02llu %s", static_cast<unsigned long long>(s / 60),
                  static_cast<unsigned long long>(s % 60), record_name());
    return text;
}

void show() {
    if (!g_created) return;  // nor is the clock read: a test clock moves with every read
    const std::string text = status_text();
    const std::string flags = status_flags_text();
    if (text != g_shown_text) ui().set_text(ID_STATUS, text.c_str());
    if (flags != g_shown_flags) ui().set_text(ID_STATUS_FLAGS, flags.c_str());
    g_shown_text = text;
    g_shown_flags = flags;
}

}  // namespace

void status_create(int window_handle) {
    window().create_control(window_handle, status_field);
    window().create_control(window_handle, flags_field);
    g_created = true;
    // The band plan first runs at the first retune: until then nothing plays but the noise.
    if (g_heard.empty()) g_heard = "tune to listen (arrow keys, Page Up/Down)";
    g_shown_text.clear();
    g_shown_flags = "-";  // shown once, also when empty
    show();
}

std::string status_text() {
    std::string line = clock_text();
    for (const std::string &part : {g_heard, rec_text()})
        if (!part.empty()) line += "   |   " + part;
    return line + "\n" + g_message;
}

std::string status_flags_text() {
    std::string out;
    for (const auto &[key, text] : g_flags) out += (out.empty() ? "" : "  ") + text;
    return out;
}

void status_message(const char *line) {
    g_message = line ? line : "";
    // One line: a message that brings its own line breaks is joined up.
    for (char &c : g_message)
        if (c == '\n' || c == '\r') c = ' ';
    show();
}

const std::string &status_last_message() { return g_message; }

void status_flag_set(const char *key, const char *text) {
    const std::string k = key ? key : "";
    const std::string v = text ? text : "";
    for (auto it = g_flags.begin(); it != g_flags.end(); ++it) {
        if (it->first != k) continue;
        if (v.empty()) g_flags.erase(it);
        else it->second = v;
        show();
        return;
    }
    if (!v.empty()) g_flags.emplace_back(k, v);
    show();
}

void status_heard(const std::string &summary) {
    g_heard = summary;
    show();
}

void status_tick() { show(); }

void status_reset() {
    g_created = false;
    g_heard.clear();
    g_message.clear();
    g_flags.clear();
    g_shown_text.clear();
    g_shown_flags.clear();
}

}  // namespace kestrel
