// Window glue seen from the receiver: the few things the logic asks of the
// window system. The toolkit backend lives in platform/ as well; tests use the
// headless backend, which keeps every control's text so it can be read back.
#pragma once

namespace kestrel {

struct UiBackend {
    const char *name;
    // Sets the caption or text of control `id`.
    void (*set_text)(int id, const char *text);
    // A modal box; `owner` nonzero means owned by the main window.
    void (*message_box)(const char *text, const char *caption, int owner);
    // Sets the main window's title.
    void (*set_title)(const char *title);
    // The side window: a separate, non-modal window of plain text in a fixed
    // font. side_show creates it (or raises it) with `text`; side_update
    // replaces its text only while it is shown and tells whether it is;
    // side_close takes it away. Closing it by the window system is the same
    // as side_close.
    void (*side_show)(const char *title, const char *text);
    int (*side_update)(const char *text);
    void (*side_close)();
    // Shows switch `id` lit and pressed (on nonzero) or plain; its caption
    // stays. May be left out (nullptr) by a backend that draws no switches.
    void (*set_state)(int id, int on);
};

void ui_use(const UiBackend *backend);
const UiBackend &ui();

// Headless backend (the default): remembers texts and boxes.
extern const UiBackend ui_headless;
// Last text set for control `id` through any backend ("" if never set).
const char *ui_text(int id);
// Text and caption of the last message box, and how many were shown.
const char *ui_last_box_text();
const char *ui_last_box_caption();
int ui_box_count();
// Last title set ("" if never set), and the side window's text while it is
// shown ("" when it is not).
const char *ui_title();
const char *ui_side_text();
bool ui_side_shown();
// The state last shown for switch `id` (0 if never set).
int ui_state(int id);
// True while a message box is up: it runs its own loop, and what the main
// loop would do after each message waits until it is closed.
bool ui_box_up();
void ui_reset();

}  // namespace kestrel
