// The side window (the copy check) on FLTK: a row of buttons, the text with
// a selection that Ctrl+C copies to the clipboard, and a foot line; the
// controls come from platform/copy_window.h.
#pragma once
#include <cstdio>

namespace kestrel::fltk_side {

// `take_key` hands a key to the receiver as if pressed in the main window;
// `dirty` says the window changed (for the test dump).
void init(int (*take_key)(), void (*dirty)());
void show(const char *title, const char *text);
int update(const char *text);
void close();
bool shown();
// The dump lines of the window: "side_shown", "side" text lines, the buttons, the foot, the clipboard.
void dump(FILE *f);

}  // namespace kestrel::fltk_side
