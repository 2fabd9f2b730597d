#include "platform/fltk/copy_window_fltk.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Text_Buffer.H>
#include <FL/Fl_Text_Display.H>
#include <FL/fl_draw.H>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/copy_window.h"
#include "platform/fltk/place_fltk.h"
#include "platform/window.h"

namespace kestrel::fltk_side {

namespace {

constexpr int W = 660, H = 360, ROW = 26, FOOT = 40, MAX_BUTTONS = 8;

int (*g_take_key)() = nullptr;
void (*g_dirty)() = nullptr;

Fl_Double_Window *g_win = nullptr;
Fl_Text_Display *g_view = nullptr;
Fl_Text_Buffer *g_buf = nullptr;
Fl_Box *g_foot = nullptr;
Fl_Button *g_buttons[MAX_BUTTONS] = {};
std::vector<std::string> g_labels;

void dirty() {
    if (g_dirty) g_dirty();
}

// Virtual-key code of the key just pressed, for the keys the copy check reads.
uintptr_t key_code(int key) {
    switch (key) {
    case FL_Tab: return VK_TAB;
    case FL_Escape: return VK_ESCAPE;
    case FL_BackSpace: return VK_BACK;
    case FL_Enter: return VK_RETURN;
    default: break;
    }
    if (key >= 'a' && key <= 'z') return static_cast<uintptr_t>(key - 'a' + 'A');
    if (key >= '0' && key <= '9') return static_cast<uintptr_t>(key);
    return 0;
}

void copy_selection() {
    char *sel = g_buf->selection_text();
    const std::string text = sel ? sel : "";
    std::free(sel);
    if (text.empty()) return;
    Fl::copy(text.c_str(), static_cast<int>(text.size()), 1);  // the clipboard
    copy_window_copied(text);
    dirty();
}

int key() {
    const int k = Fl::event_key();
    const int state = Fl::event_state();
    int mods = 0;
    if (state & FL_CTRL) mods |= COPY_MOD_CTRL;
    if (state & (FL_ALT | FL_META)) mods |= COPY_MOD_ALT;
    if (state & FL_SHIFT) mods |= COPY_MOD_SHIFT;
    if (mods == COPY_MOD_CTRL && (k == 'c' || k == FL_Insert)) {
        copy_selection();
        return 1;
    }
    if (mods == COPY_MOD_CTRL && k == 'a') {
        g_buf->select(0, g_buf->length());
        return 1;
    }
    const char *typed = Fl::event_text();
    int ch = typed && typed[0] && !typed[1] ? static_cast<unsigned char>(typed[0]) : 0;
    if (mods & COPY_MOD_CTRL) ch = (k >= '0' && k <= '9') || (k >= 'a' && k <= 'z') ? k : 0;
    if (ch < 32 || ch >= 127) ch = 0;
    const CopyWindowEvents *ev = copy_window_events();
    if (ev && ev->key && ev->key(key_code(k), ch, mods)) {
        dirty();
        return 1;
    }
    if (mods & (COPY_MOD_CTRL | COPY_MOD_ALT)) return 1;  // never a receiver key
    return g_take_key ? g_take_key() : 1;
}

class Side : public Fl_Double_Window {
public:
    Side(int w, int h) : Fl_Double_Window(w, h) {}
    int handle(int event) override {
        if (event == FL_KEYBOARD || event == FL_SHORTCUT) return key();
        return Fl_Double_Window::handle(event);
    }
};

void on_button(Fl_Widget *, void *data) {
    const CopyWindowEvents *ev = copy_window_events();
    if (ev && ev->button) ev->button(static_cast<int>(reinterpret_cast<intptr_t>(data)));
    dirty();
}

void on_close(Fl_Widget *, void *) {
    if (g_win) g_win->hide();
    dirty();
}

void controls_changed() {
    if (!g_win) return;
    const std::vector<std::string> &labels = copy_window_buttons();
    const int lit = copy_window_lit();
    int x = 4;
    for (int i = 0; i < MAX_BUTTONS; ++i) {
        Fl_Button *b = g_buttons[i];
        if (i >= static_cast<int>(labels.size())) {
            b->hide();
            continue;
        }
        b->copy_label(labels[static_cast<size_t>(i)].c_str());
        int lw = 0, lh = 0;
        fl_font(b->labelfont(), b->labelsize());
        b->measure_label(lw, lh);
        b->resize(x, 3, lw + 20, ROW - 6 + 2);
        x += lw + 24;
        // Pressed and lit: the mode in force.
        b->value(i == lit ? 1 : 0);
        b->color(FL_BACKGROUND_COLOR, FL_YELLOW);
        b->show();
    }
    g_foot->copy_label(copy_window_foot().c_str());
    g_win->redraw();
    g_labels = labels;
    dirty();
}

void make() {
    g_win = new Side(W, H);
    for (int i = 0; i < MAX_BUTTONS; ++i) {
        auto *b = new Fl_Button(4 + 90 * i, 3, 86, ROW - 4);
        b->labelsize(12);
        b->visible_focus(0);
        b->callback(on_button, reinterpret_cast<void *>(static_cast<intptr_t>(i)));
        b->hide();
        g_buttons[i] = b;
    }
    g_buf = new Fl_Text_Buffer();
    g_view = new Fl_Text_Display(0, ROW, W, H - ROW - FOOT);
    g_view->buffer(g_buf);
    g_view->textfont(FL_COURIER);
    g_view->textsize(13);
    g_view->visible_focus(0);
    g_view->wrap_mode(Fl_Text_Display::WRAP_AT_BOUNDS, 0);  // long texts read without scrolling
    g_foot = new Fl_Box(FL_DOWN_BOX, 0, H - FOOT, W, FOOT, nullptr);
    g_foot->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_CLIP);
    g_foot->labelfont(FL_COURIER);
    g_foot->labelsize(12);
    g_win->resizable(g_view);
    g_win->end();
    g_win->callback(on_close);
    copy_window_on_change(controls_changed);
    controls_changed();
}

}  // namespace

void init(int (*take_key)(), void (*on_dirty)()) {
    g_take_key = take_key;
    g_dirty = on_dirty;
}

void show(const char *title, const char *text) {
    if (!g_win) {
        make();
        fltk_place::beside_main(g_win);  // once: where the listener moves it, it stays
    }
    g_win->copy_label(title ? title : "");
    g_buf->text(text ? text : "");
    controls_changed();
    g_win->show();
    dirty();
}

int update(const char *text) {
    if (!g_win || !g_win->shown()) return 0;
    // Only what changed is replaced, so a selection above it stays.
    const char *now = g_buf->text();
    const std::string old = now ? now : "";
    std::free(const_cast<char *>(now));
    const std::string want = text ? text : "";
    if (old == want) return 1;
    size_t same = 0;
    while (same < old.size() && same < want.size() && old[same] == want[same]) ++same;
    g_buf->replace(static_cast<int>(same), static_cast<int>(old.size()), want.c_str() + same);
    dirty();
    return 1;
}

void close() {
    if (g_win) g_win->hide();
    dirty();
}

bool shown() { return g_win && g_win->shown(); }

void dump(FILE *f) {
    const bool side = shown();
    std::fprintf(f, "side_shown\t%d\n", side ? 1 : 0);
    if (!side) return;
    // The text as the widget holds it, one dump line per line.
    char *text = g_buf->text();
    const std::string all = text ? text : "";
    std::free(text);
    size_t from = 0;
    while (from <= all.size()) {
        size_t nl = all.find('\n', from);
        if (nl == std::string::npos) nl = all.size();
        std::fprintf(f, "side\t%s\n", all.substr(from, nl - from).c_str());
        from = nl + 1;
    }
    for (int i = 0; i < MAX_BUTTONS && i < static_cast<int>(g_labels.size()); ++i)
        std::fprintf(f, "side_button\t%d\t%d\t%s\n", i, g_buttons[i]->value(), g_labels[static_cast<size_t>(i)].c_str());
    std::string foot = copy_window_foot();
    for (char &c : foot)
        if (c == '\n') c = '|';
    std::fprintf(f, "side_foot\t%s\n", foot.c_str());
    std::string copied = copy_window_last_copied();
    for (char &c : copied)
        if (c == '\n') c = '|';
    std::fprintf(f, "side_copied\t%s\n", copied.c_str());
}

}  // namespace kestrel::fltk_side
