// The copy check window's own controls, beside the text that the side window
// of platform/ui.h shows: a row of buttons along its top, one line along its
// foot, the keys pressed in it, and the clipboard. The receiver sets the
// handlers and the controls; the toolkit backend draws them and calls the
// handlers. Without a display nothing is drawn and tests call the handlers.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace kestrel {

constexpr int COPY_MOD_CTRL = 1;
constexpr int COPY_MOD_ALT = 2;
constexpr int COPY_MOD_SHIFT = 4;

struct CopyWindowEvents {
    // A key pressed in the copy check window: its virtual-key code (0 for a
    // key without one), the character it types (0 for none) and the
    // modifiers held (COPY_MOD_*). True when taken; a key not taken goes to
    // the receiver as if pressed in the main window.
    bool (*key)(uintptr_t vk, int ch, int mods);
    // Button `index` of the row was clicked.
    void (*button)(int index);
};

// The receiver's handlers (nullptr: the window takes no key of its own).
void copy_window_events(const CopyWindowEvents *events);
const CopyWindowEvents *copy_window_events();

// The row of buttons (in order; at most 8), the one shown pressed (-1 none)
// and the foot line.
void copy_window_controls(const std::vector<std::string> &buttons, int lit, const std::string &foot);
const std::vector<std::string> &copy_window_buttons();
int copy_window_lit();
const std::string &copy_window_foot();
// The backend is told when the controls change (nullptr: not told).
void copy_window_on_change(void (*changed)());

// The backend notes what it put on the clipboard from the window.
void copy_window_copied(const std::string &text);
const std::string &copy_window_last_copied();

}  // namespace kestrel
