// Test doubles for the receiver window: a window system, control texts and a
// media layer that write one shared, ordered trace. Media entries carry the
// band number in force when they happened, so a trace also shows whether the
// band dispatch had run yet.
#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/window.h"
#include "platform/media.h"
#include "platform/ui.h"
#include "platform/window.h"
#include "state/receiver.h"
#include "support/fixture.h"

namespace kestrel::test {

struct FakeWindow {
    std::vector<std::string> trace;
    int claim_result = 1;
    int register_result = 1;
    int create_result = 7;
    int devices = 1;
    WindowProc proc = nullptr;
    std::string title;
    int width = 0, height = 0;
    std::vector<ControlSpec> controls;
    std::vector<std::pair<int, void (*)()>> timers;
    int quit_code = -1;
    int box_owner = -1;
    std::string side;  // the side window's text
    bool side_shown = false;
    // What happens inside the message loop, and while a box is up (its own loop).
    std::function<void()> in_loop;
    std::function<void()> in_box;
};

inline FakeWindow *fake = nullptr;

inline void note(const std::string &s) { fake->trace.push_back(s); }

inline int fake_claim(const char *name) {
    note(std::string("claim ") + name);
    return fake->claim_result;
}
inline int fake_register(const char *name) {
    note(std::string("register ") + name);
    return fake->register_result;
}
inline int fake_create(const char *cls, const char *title, int w, int h, WindowProc proc) {
    note(std::string("create ") + cls);
    fake->title = title;
    fake->width = w;
    fake->height = h;
    fake->proc = proc;
    return fake->create_result;
}
inline void fake_control(int, const ControlSpec &c) {
    note("control " + std::to_string(c.id));
    fake->controls.push_back(c);
}
inline intptr_t fake_def(int, uint32_t msg, uintptr_t wp, intptr_t) {
    note("def " + std::to_string(msg) + " " + std::to_string(wp));
    return 0;
}
inline void fake_timer(int ms, void (*tick)()) {
    note("timer " + std::to_string(ms));
    fake->timers.emplace_back(ms, tick);
}
inline int fake_run() {
    note("run");
    if (fake->in_loop) fake->in_loop();
    return fake->quit_code < 0 ? 99 : fake->quit_code;  // 99: the loop was never told to end
}
inline void fake_quit(int code) {
    note("quit " + std::to_string(code));
    fake->quit_code = code;
}
inline const WindowBackend fake_window_backend = {"fake",     fake_claim, fake_register, fake_create, fake_control,
                                                  fake_def,   fake_timer, fake_run,      fake_quit};

inline void fake_set_text(int id, const char *text) { note("text " + std::to_string(id) + " [" + text + "]"); }
inline void fake_box(const char *text, const char *caption, int owner) {
    note(std::string("box ") + caption + " | " + text);
    fake->box_owner = owner;
    if (fake->in_box) fake->in_box();
}
inline void fake_title(const char *title) { note(std::string("title [") + title + "]"); }
inline void fake_side_show(const char *title, const char *text) {
    note(std::string("side_show ") + title);
    fake->side = text;
    fake->side_shown = true;
}
inline int fake_side_update(const char *text) {
    if (!fake->side_shown) return 0;
    note("side_update");
    fake->side = text;
    return 1;
}
inline void fake_side_close() {
    note("side_close");
    fake->side_shown = false;
}
// Switch states are read back through ui_state(); the fake draws none.
inline const UiBackend fake_ui_backend = {"fake",         fake_set_text,    fake_box,        fake_title,
                                          fake_side_show, fake_side_update, fake_side_close, nullptr};

inline void media_note(const std::string &s) { note("media " + s + " @" + std::to_string(band)); }
inline void fake_play(int k, const char *file) { media_note("play " + std::to_string(k) + " " + file); }
inline void fake_close(int k) { media_note("close " + std::to_string(k)); }
inline void fake_string(const char *c) { media_note(std::string("string ") + c); }
inline void fake_loop(const char *file) { media_note(file ? std::string("loop ") + file : std::string("loop_stop")); }
inline int fake_devs() { return fake->devices; }
inline const MediaBackend fake_media_backend = {"fake", fake_play, fake_close, fake_string, fake_loop, fake_devs};

// The common fixture with the fakes installed.
class Window : public Kestrel {
protected:
    void SetUp() override {
        Kestrel::SetUp();
        fake = &w_;
        window_use(&fake_window_backend);
        ui_use(&fake_ui_backend);
        media_use(&fake_media_backend);
        hwnd = 7;
        while (media_take_notify()) {
        }
    }
    void TearDown() override {
        window_use(nullptr);
        ui_use(nullptr);
        hwnd = 0;
        Kestrel::TearDown();
        fake = nullptr;
    }
    // Entries of the trace that start with `prefix`.
    std::vector<std::string> entries(const std::string &prefix) const {
        std::vector<std::string> out;
        for (const auto &e : w_.trace)
            if (e.rfind(prefix, 0) == 0) out.push_back(e);
        return out;
    }
    // Position of the first entry starting with `prefix` at or after `from`; -1 if none.
    int find(const std::string &prefix, int from = 0) const {
        for (int i = from; i < static_cast<int>(w_.trace.size()); ++i)
            if (w_.trace[i].rfind(prefix, 0) == 0) return i;
        return -1;
    }
    intptr_t click(int id) { return WndProc(hwnd, WM_COMMAND, static_cast<uintptr_t>(id), 0); }
    intptr_t key(uintptr_t vk) { return WndProc(hwnd, WM_KEYDOWN, vk, 0); }
    // Whether the last action stopped all playback (the mark of a retune).
    bool retuned() const { return find("media loop_stop") >= 0 && find("media close 9") >= 0; }
    FakeWindow w_;
};

}  // namespace kestrel::test
