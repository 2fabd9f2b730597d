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
void ui_reset();

}  // namespace kestrel
