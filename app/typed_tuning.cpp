// Tuning as radio users expect: a frequency typed in kHz and the mouse wheel
// over the frequency display. Both end in the tuning path of the keys.
#include <string>

#include "app/listening.h"
#include "app/window.h"
#include "platform/clock.h"
#include "platform/ui.h"
#include "platform/window.h"
#include "state/receiver.h"

namespace kestrel {

namespace {

std::string g_digits;
bool g_typing = false;
uint32_t g_last_key = 0;

const ControlSpec *control(int id) {
    for (const ControlSpec &c : controls)
        if (c.id == id) return &c;
    return nullptr;
}

}  // namespace

void typed_show() {
    const std::string shown = "   " + g_digits + "_ kHz";
    ui().set_text(ID_FREQ_FIELD, shown.c_str());
}

bool typed_active() { return g_typing; }

void typed_cancel() {
    if (!g_typing) return;
    g_typing = false;
    g_digits.clear();
    show_frequency();
}

bool typed_key(uintptr_t vk, int window_handle) {
    const bool digit = vk >= '0' && vk <= '9';
    if (!g_typing && !digit) return false;
    if (digit) {
        if (!g_typing) listening_timer_needed();  // for the pause that gives it up
        g_typing = true;
        g_last_key = GetTickCount();
        if (static_cast<int>(g_digits.size()) < TYPED_DIGITS) g_digits += static_cast<char>(vk);
        typed_show();
        return true;
    }
    switch (vk) {
    case VK_BACK:
        g_last_key = GetTickCount();
        if (!g_digits.empty()) g_digits.pop_back();
        if (g_digits.empty()) typed_cancel();
        else typed_show();
        return true;
    case VK_ESCAPE:
        typed_cancel();
        return true;
    case VK_RETURN: {
        const int khz = std::stoi(g_digits);
        g_typing = false;
        g_digits.clear();
        // A frequency outside the receiver's range is not tuned: no wrap rule
        // applies to a number the listener typed.
        if (khz < FREQ_MIN || khz > FREQ_MAX) {
            show_frequency();
            return true;
        }
        tune_to(khz, window_handle);
        return true;
    }
    default:
        typed_cancel();  // then the key does its own work
        return false;
    }
}

void typed_step_at(uint32_t now) {
    if (g_typing && now - g_last_key >= TYPED_PAUSE_MS) typed_cancel();
}

void listening_wheel(uintptr_t wparam, intptr_t lparam, int window_handle) {
    const int x = static_cast<int16_t>(lparam & 0xFFFF);
    const int y = static_cast<int16_t>((static_cast<uintptr_t>(lparam) >> 16) & 0xFFFF);
    const ControlSpec *field = control(ID_FREQ_FIELD);
    if (!field || x < field->x || x >= field->x + field->w || y < field->y || y >= field->y + field->h) return;
    const int delta = static_cast<int16_t>((wparam >> 16) & 0xFFFF);
    const int notches = delta / WHEEL_DELTA;
    if (notches == 0) return;
    typed_cancel();
    const bool shift = (wparam & MK_SHIFT) != 0;
    const int id = notches > 0 ? (shift ? ID_UP_10K : ID_UP_1K) : (shift ? ID_DOWN_10K : ID_DOWN_1K);
    // Every notch is one step with the button's wrap rule, the reception one retune.
    for (int n = notches > 0 ? notches : -notches; n > 1; --n) freq = tuned_by_button(id, freq);
    tune_step(id, window_handle);
}

}  // namespace kestrel
