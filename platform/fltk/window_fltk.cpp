// The main window on FLTK 1.3: a black double-buffered window holding push
// buttons and sunken text fields. Keys are taken at window level and no button
// ever takes the focus, so the arrows always tune and never move the focus.
#include "platform/window_fltk.h"

#include "platform/fltk/copy_window_fltk.h"
#include "platform/fltk/place_fltk.h"
#include "platform/side_placement.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Text_Buffer.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Text_Display.H>
#include <FL/fl_ask.H>
#include <FL/fl_draw.H>
#include <FL/x.H>

#include <chrono>
#include <csignal>
#include <signal.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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
        // One dump line per control: a caption's line breaks are written as \n.
        std::string caption = w->label() ? w->label() : "";
        for (size_t at = caption.find('\n'); at != std::string::npos; at = caption.find('\n', at + 2))
            caption.replace(at, 1, "\\n");
        std::fprintf(f, "control\t%d\t%d\t%d\t%d\t%d\t[%s]\n", id, w->x(), w->y(), w->w(), w->h(), caption.c_str());
        if (auto *b = dynamic_cast<Fl_Button *>(w)) std::fprintf(f, "state\t%d\t%d\n", id, b->value() ? 1 : 0);
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

// The modifiers held with the key, as the WM_KEYDOWN's lParam carries them.
intptr_t key_modifiers(int state) {
    intptr_t flags = 0;
    if (state & FL_ALT) flags |= KEY_ALT;
    if (state & FL_CTRL) flags |= KEY_CTRL;
    if (state & FL_META) flags |= KEY_META;
    return flags;
}

// Every key stops here: none may close a window or move a focus.
int take_key() {
    uintptr_t vk = virtual_key(Fl::event_key());
    if (vk && g_proc) {
        auto start = std::chrono::steady_clock::now();
        g_proc(MAIN_HANDLE, WM_KEYDOWN, vk, key_modifiers(Fl::event_state()));
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

// The window's icon, drawn as packaging/kestrel.svg draws it (a tuning dial over
// the letter K in Morse), so a dock or a task bar shows it beside the title.
Fl_RGB_Image *make_icon() {
    constexpr int S = 64;
    Fl_Offscreen off = fl_create_offscreen(S, S);
    if (!off) return nullptr;
    fl_begin_offscreen(off);
    fl_color(0, 0, 0);
    fl_rectf(0, 0, S, S);
    const Fl_Color face = fl_rgb_color(0x2d, 0x3a, 0x36), dial = fl_rgb_color(0xf2, 0xd4, 0x8a);
    fl_draw_box(FL_RFLAT_BOX, 2, 4, 60, 56, face);
    fl_draw_box(FL_RFLAT_BOX, 8, 10, 48, 28, dial);
    fl_color(0x5a, 0x44, 0x18);
    fl_line_style(FL_SOLID | FL_CAP_ROUND, 2);
    fl_arc(12, 14, 40, 40, 0, 180);
    const int ticks[][4] = {{12, 34, 15, 34}, {15, 24, 17, 25}, {22, 17, 23, 19}, {32, 14, 32, 17},
                            {42, 17, 41, 19}, {49, 24, 47, 25}, {52, 34, 49, 34}};
    for (const auto &t : ticks) fl_line(t[0], t[1], t[2], t[3]);
    fl_color(0xc0, 0x39, 0x2b);
    fl_line_style(FL_SOLID | FL_CAP_ROUND, 3);
    fl_line(32, 35, 43, 17);
    fl_line_style(0);
    fl_color(0x2b, 0x2b, 0x2b);
    fl_pie(29, 32, 6, 6, 0, 360);
    fl_draw_box(FL_RFLAT_BOX, 10, 46, 18, 6, dial);
    fl_color(dial);
    fl_pie(32, 46, 6, 6, 0, 360);
    fl_draw_box(FL_RFLAT_BOX, 42, 46, 14, 6, dial);
    uchar *rgb = fl_read_image(nullptr, 0, 0, S, S);
    fl_end_offscreen();
    fl_delete_offscreen(off);
    if (!rgb) return nullptr;
    // Black outside the rounded face becomes transparent.
    auto *rgba = new uchar[S * S * 4];
    for (int i = 0; i < S * S; ++i) {
        const uchar *p = rgb + 3 * i;
        uchar *q = rgba + 4 * i;
        q[0] = p[0];
        q[1] = p[1];
        q[2] = p[2];
        q[3] = (p[0] | p[1] | p[2]) ? 255 : 0;
    }
    delete[] rgb;
    auto *image = new Fl_RGB_Image(rgba, S, S, 4);
    image->alloc_array = 1;  // the image owns the pixels
    return image;
}

int fltk_create(const char *class_name, const char *title, int width, int height, WindowProc proc) {
    if (!g_display) return 0;
    try {
        g_proc = proc;
        g_win = new MainWindow(width, height, title);
        g_win->end();
        g_win->xclass(class_name);
        if (Fl_RGB_Image *icon = make_icon()) {
            g_win->icon(icon);  // copied by the window
            delete icon;
        }
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
    } else if (c.kind == CONTROL_STATUS) {
        auto *box = new Fl_Box(FL_THIN_DOWN_BOX, c.x, c.y, c.w, c.h, nullptr);
        box->align(FL_ALIGN_LEFT | FL_ALIGN_TOP | FL_ALIGN_INSIDE | FL_ALIGN_CLIP);
        box->labelfont(FL_HELVETICA);
        box->labelsize(11);
        box->color(fl_rgb_color(0x20, 0x20, 0x20));
        box->labelcolor(fl_rgb_color(0xe0, 0xe0, 0xd0));
        w = box;
    } else {
        auto *button = new Fl_Button(c.x, c.y, c.w, c.h);
        button->labelfont(FL_HELVETICA_BOLD);
        button->labelsize(12);
        // A switch that is on shows pressed and lit (amber, as a panel lamp).
        button->down_box(FL_DOWN_BOX);
        button->selection_color(fl_rgb_color(0xf0, 0xb0, 0x30));
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
        const char *now = w->label() ? w->label() : "";
        if (std::strcmp(now, text ? text : "") == 0) continue;  // the clock sets it every second
        w->copy_label(text ? text : "");
        // A status field clips what does not fit; the whole text shows under the pointer.
        if (dynamic_cast<Fl_Box *>(w) && w->box() == FL_THIN_DOWN_BOX) w->copy_tooltip(text ? text : "");
        w->redraw();
        g_dirty = true;
    }
}

void fltk_set_state(int id, int on) {
    for (auto &[cid, w] : g_controls) {
        auto *b = cid == id ? dynamic_cast<Fl_Button *>(w) : nullptr;
        if (!b || (b->value() != 0) == (on != 0)) continue;
        b->value(on ? 1 : 0);
        b->labelcolor(on ? FL_BLACK : FL_FOREGROUND_COLOR);
        b->redraw();
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
    // Mended: the boxes have the one button "OK", as a box with only that button has.
    fl_close = "OK";
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
const UiBackend g_ui = {"fltk",         fltk_set_text,    fltk_box,        fltk_title,
                        fltk_side_show, fltk_side_update, fltk_side_close, fltk_set_state};

}  // namespace

int fltk_pass_key() { return take_key(); }
const WindowBackend *window_fltk() { return &g_window; }
const UiBackend *ui_fltk() { return &g_ui; }

namespace fltk_place {

void beside_main(Fl_Window *w) {
    if (!g_win || !g_win->shown() || !w) return;
    int sx, sy, sw, sh;
    Fl::screen_work_area(sx, sy, sw, sh, g_win->x(), g_win->y());
    const Box main{g_win->x(), g_win->y(), g_win->w(), g_win->h()};
    std::vector<Box> taken;
    for (Fl_Window *o = Fl::first_window(); o; o = Fl::next_window(o))
        if (o != g_win && o != w && o->shown() && o->visible()) taken.push_back(Box{o->x(), o->y(), o->w(), o->h()});
    // The title bar: what the window manager put above the panel, else a common height.
    const int title = g_win->decorated_h() > g_win->h() ? g_win->decorated_h() - g_win->h() : 28;
    int x = 0, y = 0;
    if (side_position(main, Box{sx, sy, sw, sh}, taken, w->w(), w->h(), title, &x, &y)) w->position(x, y);
}

}  // namespace fltk_place

}  // namespace kestrel
