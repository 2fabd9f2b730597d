// The main window on FLTK 1.3: a black double-buffered window holding push
// buttons and sunken text fields. Keys are taken at window level and no button
// ever takes the focus, so the arrows always tune and never move the focus.
#include "platform/window_fltk.h"

#include "platform/fltk/copy_window_fltk.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Text_Buffer.H>
#include <FL/Fl_Text_Display.H>
#include <FL/fl_ask.H>
#include <FL/x.H>

#include <chrono>
#include <csignal>
#include <signal.h>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace kestrel {

namespace {

class MainWindow;

WindowProc g_proc = nullptr;
Fl_Window *g_win = nullptr;
constexpr int MAIN_HANDLE = 1;
std::vector<std::pair<int, Fl_Widget *>> g_controls;  // creation order
bool g_display = false;
bool g_quit = false;
volatile std::sig_atomic_t g_signalled = 0;
int g_quit_code = 0;

// Test hook state.
const char *g_dump_path = nullptr;
bool g_dirty = false;
long long g_first_draw_ms = 0;
long long g_key_us = -1;
long g_keys = 0;

long long epoch_ms() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

void dump() {
    g_dirty = false;
    if (!g_dump_path || !g_win) return;
    std::string tmp = std::string(g_dump_path) + ".tmp";
    FILE *f = std::fopen(tmp.c_str(), "w");
    if (!f) return;
    std::fprintf(f, "title\t%s\n", g_win->label() ? g_win->label() : "");
    std::fprintf(f, "first_draw_ms\t%lld\n", g_first_draw_ms);
    std::fprintf(f, "keys\t%ld\n", g_keys);
    std::fprintf(f, "key_us\t%lld\n", g_key_us);
    for (auto &[id, w] : g_controls) {
        std::fprintf(f, "control\t%d\t%d\t%d\t%d\t%d\t[%s]\n", id, w->x(), w->y(), w->w(), w->h(),
                     w->label() ? w->label() : "");
    }
    fltk_side::dump(f);
    std::fclose(f);
    std::rename(tmp.c_str(), g_dump_path);
}

void dump_if_dirty() {
    if (g_dirty) dump();
}

// FLTK key to virtual-key code; 0 for keys the receiver has no code for.
uintptr_t virtual_key(int key) {
    switch (key) {
    case FL_Left: return VK_LEFT;
    case FL_Right: return VK_RIGHT;
    case FL_Up: return VK_UP;
    case FL_Down: return VK_DOWN;
    case FL_Page_Up: return VK_PRIOR;
    case FL_Page_Down: return VK_NEXT;
    case FL_Home: return VK_HOME;
    case FL_End: return VK_END;
    case FL_Insert: return VK_INSERT;
    case FL_Delete: return VK_DELETE;
    case FL_BackSpace: return VK_BACK;
    case FL_Tab: return VK_TAB;
    case FL_Enter: return VK_RETURN;
    case FL_Escape: return VK_ESCAPE;
    case ' ': return VK_SPACE;
    default: break;
    }
    // The keypad's digits and Enter type a frequency as the main keys do.
    if (key >= FL_KP + '0' && key <= FL_KP + '9') return static_cast<uintptr_t>(key - FL_KP);
    if (key == FL_KP_Enter) return VK_RETURN;
    if (key >= 'a' && key <= 'z') return static_cast<uintptr_t>(key - 'a' + 'A');
    if (key >= '0' && key <= '9') return static_cast<uintptr_t>(key);
    if (key >= FL_F + 1 && key <= FL_F + 12) return VK_F1 + static_cast<uintptr_t>(key - FL_F - 1);
    return 0;
}

// Every key stops here: none may close a window or move a focus.
int take_key() {
    uintptr_t vk = virtual_key(Fl::event_key());
    if (vk && g_proc) {
        auto start = std::chrono::steady_clock::now();
        g_proc(MAIN_HANDLE, WM_KEYDOWN, vk, 0);
        auto took = std::chrono::steady_clock::now() - start;
        g_key_us = std::chrono::duration_cast<std::chrono::microseconds>(took).count();
        ++g_keys;
        g_dirty = true;
        dump_if_dirty();
    }
    return 1;
}

// A wheel turn as the receiver counts it: notches away from the listener are
// positive (FLTK counts them negative), sideways turns as well.
int take_wheel() {
    const int notches = -(Fl::event_dy() != 0 ? Fl::event_dy() : Fl::event_dx());
    if (notches == 0 || !g_proc) return 1;
    const uintptr_t flags = Fl::event_state(FL_SHIFT) ? MK_SHIFT : 0;
    const uintptr_t wparam = (static_cast<uintptr_t>(static_cast<uint16_t>(notches * WHEEL_DELTA)) << 16) | flags;
    const intptr_t lparam = static_cast<intptr_t>((static_cast<uint32_t>(Fl::event_y() & 0xFFFF) << 16) |
                                                  static_cast<uint32_t>(Fl::event_x() & 0xFFFF));
    g_proc(MAIN_HANDLE, WM_MOUSEWHEEL, wparam, lparam);
    dump_if_dirty();
    return 1;
}

// The side window (platform/fltk/copy_window_fltk.cpp) passes the keys it
// does not take on to the receiver, so tuning goes on whichever of the two
// has the keyboard.
void side_dirty() { g_dirty = true; }

class MainWindow : public Fl_Double_Window {
public:
    MainWindow(int w, int h, const char *title) : Fl_Double_Window(w, h) { copy_label(title); }

    int handle(int event) override {
        switch (event) {
        case FL_FOCUS:
        case FL_UNFOCUS:
            return 1;  // the window itself keeps the keyboard
        case FL_KEYBOARD:
        case FL_SHORTCUT:
            return take_key();
        case FL_MOUSEWHEEL:
            return take_wheel();
        default:
            return Fl_Double_Window::handle(event);
        }
    }

    void draw() override {
        Fl_Double_Window::draw();
        if (g_first_draw_ms == 0) {
            g_first_draw_ms = epoch_ms();
            // Drawn means mapped: take the keyboard so the keys work before any click.
            Fl::focus(this);
            XSetInputFocus(fl_display, fl_xid(this), RevertToParent, CurrentTime);
            g_dirty = true;
            dump_if_dirty();
        }
    }
};

void on_button(Fl_Widget *, void *data) {
    if (!g_proc) return;
    g_proc(MAIN_HANDLE, WM_COMMAND, reinterpret_cast<uintptr_t>(data), 0);
    dump_if_dirty();
}

void on_close(Fl_Widget *, void *) {
    if (g_proc) g_proc(MAIN_HANDLE, WM_DESTROY, 0, 0);
    dump_if_dirty();
}

int fltk_claim(const char *name) { return instance_claim(name); }

// A termination request ends the receiver the way closing its window does.
// Installed before the sound card is opened, whose library only takes signals
// that nobody handles yet.
void on_signal(int) { g_signalled = 1; }

void catch_termination() {
    struct sigaction action {};
    action.sa_handler = on_signal;
    sigemptyset(&action.sa_mask);
    for (int sig : {SIGTERM, SIGINT, SIGHUP}) {
        struct sigaction old {};
        sigaction(sig, nullptr, &old);
        if (old.sa_handler == SIG_IGN) continue;  // started with it ignored: keep it so
        sigaction(sig, &action, nullptr);
    }
}

int fltk_register(const char *) {
    // Opening the display ourselves first: FLTK would end the process on failure.
    Display *d = XOpenDisplay(nullptr);
    if (!d) return 0;
    fl_open_display(d);
    g_display = true;
    Fl::visible_focus(0);
    catch_termination();
    g_dump_path = std::getenv("KESTREL_UI_DUMP");
    if (g_dump_path && !*g_dump_path) g_dump_path = nullptr;
    return 1;
}

int fltk_create(const char *class_name, const char *title, int width, int height, WindowProc proc) {
    if (!g_display) return 0;
    try {
        g_proc = proc;
        g_win = new MainWindow(width, height, title);
        g_win->end();
        g_win->xclass(class_name);
        g_win->color(FL_BLACK);
        g_win->callback(on_close);
        g_win->show();
        if (!g_win->shown()) return 0;
    } catch (...) {
        return 0;
    }
    return MAIN_HANDLE;
}

void fltk_control(int, const ControlSpec &c) {
    if (!g_win) return;
    Fl_Widget *w;
    if (c.kind == CONTROL_STATIC) {
        auto *box = new Fl_Box(FL_DOWN_BOX, c.x, c.y, c.w, c.h, nullptr);
        box->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_CLIP);
        box->labelfont(FL_HELVETICA_BOLD);
        box->labelsize(12);
        w = box;
    } else {
        auto *button = new Fl_Button(c.x, c.y, c.w, c.h);
        button->labelfont(FL_HELVETICA_BOLD);
        button->labelsize(12);
        button->visible_focus(0);
        button->callback(on_button, reinterpret_cast<void *>(static_cast<uintptr_t>(c.id)));
        w = button;
    }
    w->copy_label(c.caption);
    g_win->add(w);
    g_controls.emplace_back(c.id, w);
    g_win->redraw();
    g_dirty = true;
}

intptr_t fltk_def_proc(int, uint32_t, uintptr_t, intptr_t) { return 0; }

struct Timer {
    double seconds;
    void (*tick)();
};
std::vector<Timer *> g_timers;

void on_timer(void *data) {
    auto *timer = static_cast<Timer *>(data);
    timer->tick();
    dump_if_dirty();
    // Counted from the end of the tick, so a long retune still leaves a full pause.
    Fl::add_timeout(timer->seconds, on_timer, timer);
}

void fltk_timer(int ms, void (*tick)()) {
    auto *timer = new Timer{ms / 1000.0, tick};
    g_timers.push_back(timer);
    Fl::add_timeout(timer->seconds, on_timer, timer);
}

int fltk_run() {
    dump_if_dirty();
    while (!g_quit && Fl::first_window()) {
        Fl::wait(0.25);  // a signal cuts the wait short; the timeout is the backstop
        if (g_signalled && !g_quit) on_close(nullptr, nullptr);
    }
    for (Timer *timer : g_timers) {
        Fl::remove_timeout(on_timer, timer);
        delete timer;
    }
    g_timers.clear();
    while (Fl::first_window()) Fl::first_window()->hide();
    return g_quit_code;
}

void fltk_quit(int code) {
    g_quit = true;
    g_quit_code = code;
}

void fltk_set_text(int id, const char *text) {
    for (auto &[cid, w] : g_controls) {
        if (cid != id) continue;
        w->copy_label(text ? text : "");
        w->redraw();
        g_dirty = true;
    }
}

// A box runs its own event loop until it is closed, so a termination request
// that arrives meanwhile closes the box; the main loop then ends the receiver.
void close_box_on_signal(void *) {
    if (g_signalled) {
        if (Fl_Window *box = Fl::modal()) box->hide();
        return;
    }
    Fl::repeat_timeout(0.25, close_box_on_signal);
}

void fltk_box(const char *text, const char *caption, int owner) {
    if (!g_display) {
        std::fprintf(stderr, "%s %s\n", caption ? caption : "", text ? text : "");
        return;
    }
    if (g_signalled) return;
    fl_message_title(caption ? caption : "");
    Fl::add_timeout(0.25, close_box_on_signal);
    // Owned boxes inform; the unowned ones are the start-up warnings.
    if (owner)
        fl_message("%s", text ? text : "");
    else
        fl_alert("%s", text ? text : "");
    Fl::remove_timeout(close_box_on_signal);
}

void fltk_title(const char *title) {
    if (!g_win) return;
    g_win->copy_label(title ? title : "");
    g_dirty = true;
}

void fltk_side_show(const char *title, const char *text) {
    if (!g_display) return;
    fltk_side::init(take_key, side_dirty);
    fltk_side::show(title, text);
}

int fltk_side_update(const char *text) { return fltk_side::update(text); }

void fltk_side_close() { fltk_side::close(); }

const WindowBackend g_window = {"fltk",        fltk_claim,    fltk_register, fltk_create, fltk_control,
                                fltk_def_proc, fltk_timer,    fltk_run,      fltk_quit};
const UiBackend g_ui = {"fltk", fltk_set_text, fltk_box, fltk_title, fltk_side_show, fltk_side_update, fltk_side_close};

}  // namespace

int fltk_pass_key() { return take_key(); }
const WindowBackend *window_fltk() { return &g_window; }
const UiBackend *ui_fltk() { return &g_ui; }

}  // namespace kestrel
