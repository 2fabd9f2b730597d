// The receiver window drawn by FLTK (library kestrel_window_fltk).
#pragma once
#include "platform/ask.h"
#include "platform/ui.h"
#include "platform/waterfall.h"
#include "platform/window.h"

namespace kestrel {

// Window system and control texts on an X display. With KESTREL_UI_DUMP set to a
// file path in the environment (a test hook), the window rewrites that file with
// every control's caption, read back from the widgets, whenever a caption
// changes and when the window is first drawn.
const WindowBackend *window_fltk();
const UiBackend *ui_fltk();
// The waterfall in a window of its own (platform/fltk/waterfall_fltk.cpp).
const WaterfallBackend *waterfall_fltk();
// The key of the event being handled, passed to the receiver as the main
// window takes it: the other windows pass the keys on, so tuning goes on
// whichever window has the keyboard.
int fltk_pass_key();
// The listener's one-line answers in a modal input box.
AskLine ask_fltk();

}  // namespace kestrel
