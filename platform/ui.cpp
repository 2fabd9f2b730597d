#include "platform/ui.h"

#include <map>
#include <mutex>
#include <string>

namespace kestrel {

namespace {
std::mutex g_mutex;
std::map<int, std::string> g_texts;
std::string g_box_text, g_box_caption;
int g_boxes = 0;
const UiBackend *g_backend = &ui_headless;

void headless_set_text(int, const char *) {}
void headless_box(const char *, const char *, int) {}
}  // namespace

const UiBackend ui_headless = {"headless", headless_set_text, headless_box};

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
    g_backend->message_box(text, caption, owner);
}
const UiBackend g_front = {"front", set_text_through, box_through};
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
void ui_reset() {
    std::lock_guard<std::mutex> lock(g_mutex);
    g_texts.clear();
    g_box_text.clear();
    g_box_caption.clear();
    g_boxes = 0;
}

}  // namespace kestrel
