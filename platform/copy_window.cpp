#include "platform/copy_window.h"

namespace kestrel {

namespace {
const CopyWindowEvents *g_events = nullptr;
std::vector<std::string> g_buttons;
int g_lit = -1;
std::string g_foot, g_copied;
void (*g_changed)() = nullptr;
}  // namespace

void copy_window_events(const CopyWindowEvents *events) { g_events = events; }
const CopyWindowEvents *copy_window_events() { return g_events; }

void copy_window_controls(const std::vector<std::string> &buttons, int lit, const std::string &foot) {
    if (buttons == g_buttons && lit == g_lit && foot == g_foot) return;
    g_buttons = buttons;
    if (g_buttons.size() > 8) g_buttons.resize(8);
    g_lit = lit;
    g_foot = foot;
    if (g_changed) g_changed();
}
const std::vector<std::string> &copy_window_buttons() { return g_buttons; }
int copy_window_lit() { return g_lit; }
const std::string &copy_window_foot() { return g_foot; }
void copy_window_on_change(void (*changed)()) { g_changed = changed; }

void copy_window_copied(const std::string &text) { g_copied = text; }
const std::string &copy_window_last_copied() { return g_copied; }

}  // namespace kestrel
