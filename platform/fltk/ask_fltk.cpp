// The listener's one-line answer in FLTK's input box.
#include <FL/fl_ask.H>

#include "platform/window_fltk.h"

namespace kestrel {

namespace {
bool fltk_ask(const char *caption, const char *prompt, std::string *answer) {
    fl_message_title(caption ? caption : "");
    const char *typed = fl_input("%s", answer->c_str(), prompt ? prompt : "");
    if (!typed) return false;
    *answer = typed;
    return true;
}
}  // namespace

AskLine ask_fltk() { return fltk_ask; }

}  // namespace kestrel
