#include "platform/ui.h"

#include <map>
#include <mutex>
#include <string>

namespace kestrel {

namespace {
std::mutex g_mutex;
std::map<int, std::string> g_texts;
std::map<int, int> g_states;
int g_boxes_up = 0;  // window thread only
std::string g_box_text, g_box_caption;
int g_boxes = 0;
std::string g_title, g_side_text;
bool g_side_shown = false;
const UiBackend *g_backend = &ui_headless;

// The headless side window is only the flag; its text is kept by the front.
bool g_headless_side = false;

void headless_set_text(int, const char *) {}
void headless_box(const char *, const char *, int) {}
void headless_title(const char *) {}
void headless_side_show(const char *, const char *) { g_headless_side = true; }
int headless_side_update(const char *) { return g_headless_side ? 1 : 0; }
void headless_side_close() { g_headless_side = false; }
void headless_state(int, int) {}
}  // namespace

const UiBackend ui_headless = {"headless",         headless_set_text,    headless_box,        headless_title,
                               headless_side_show, headless_side_update, headless_side_close, headless_state};

void ui_use(const UiBackend *backend) { g_backend = backend ? backend : &ui_headless; }

namespace {
void remember_text(int id, const char *text) {
    std::lock_guard<std::mutex> lock(g_mutex);
    g_texts[id] = text ? text : "";
}
void remember_box(const char *text, const char *caption) {
    std::lock_guard<std::mutex> lock(g_mutex);
    g_box_text = text ? text : "";
    g_box_caption = caption ? caption : "";
    ++g_boxes;
}
void set_text_through(int id, const char *text) {
    remember_text(id, text);
    g_backend->set_text(id, text);
}
void box_through(const char *text, const char *caption, int owner) {
    remember_box(text, caption);
    ++g_boxes_up;
    g_backend->message_box(text, caption, owner);
    --g_boxes_up;
}
void state_through(int id, int on) {
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        g_states[id] = on ? 1 : 0;
    }
    if (g_backend->set_state) g_backend->set_state(id, on ? 1 : 0);
}
void title_through(const char *title) {
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        g_title = title ? title : "";
    }
    g_backend->set_title(title ? title : "");
}
void side_show_through(const char *title, const char *text) {
    g_backend->side_show(title ? title : "", text ? text : "");
    std::lock_guard<std::mutex> lock(g_mutex);
    g_side_text = text ? text : "";
    g_side_shown = true;
}
int side_update_through(const char *text) {
    const int shown = g_backend->side_update(text ? text : "");
    std::lock_guard<std::mutex> lock(g_mutex);
    g_side_shown = shown != 0;
    g_side_text = shown ? (text ? text : "") : "";
    return shown;
}
void side_close_through() {
    g_backend->side_close();
    std::lock_guard<std::mutex> lock(g_mutex);
    g_side_shown = false;
    g_side_text.clear();
}
const UiBackend g_front = {"front",           set_text_through,    box_through,        title_through,
                           side_show_through, side_update_through, side_close_through, state_through};
}  // namespace

// Every call passes through the front table, which keeps the texts for read-back
// whatever backend draws them.
const UiBackend &ui() { return g_front; }

const char *ui_text(int id) {
    std::lock_guard<std::mutex> lock(g_mutex);
    static thread_local std::string copy;
    auto it = g_texts.find(id);
    copy = it == g_texts.end() ? std::string() : it->second;
    return copy.c_str();
}
const char *ui_last_box_text() { return g_box_text.c_str(); }
const char *ui_last_box_caption() { return g_box_caption.c_str(); }
int ui_box_count() { return g_boxes; }
const char *ui_title() {
    std::lock_guard<std::mutex> lock(g_mutex);
    static thread_local std::string copy;
    copy = g_title;
    return copy.c_str();
}
const char *ui_side_text() {
    std::lock_guard<std::mutex> lock(g_mutex);
    static thread_local std::string copy;
    copy = g_side_text;
    return copy.c_str();
}
bool ui_side_shown() {
    std::lock_guard<std::mutex> lock(g_mutex);
    return g_side_shown;
}
int ui_state(int id) {
    std::lock_guard<std::mutex> lock(g_mutex);
    auto it = g_states.find(id);
    return it == g_states.end() ? 0 : it->second;
}
bool ui_box_up() { return g_boxes_up > 0; }
void ui_reset() {
    std::lock_guard<std::mutex> lock(g_mutex);
    g_texts.clear();
    g_states.clear();
    g_box_text.clear();
    g_box_caption.clear();
    g_boxes = 0;
    g_title.clear();
    g_side_text.clear();
    g_side_shown = false;
    g_headless_side = false;
}

}  // namespace kestrel
