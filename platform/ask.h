// A question to the listener: one line of text typed into a small modal box.
// The toolkit backend lives in platform/fltk/; without one (no display, tests)
// nothing is asked and the answer is "cancelled".
#pragma once
#include <string>

namespace kestrel {

// Shows `prompt` in a box titled `caption` with `answer` as the text offered;
// true with the typed line in *answer when confirmed, false when cancelled.
using AskLine = bool (*)(const char *caption, const char *prompt, std::string *answer);

void ask_use(AskLine ask);
bool ask_line(const char *caption, const char *prompt, std::string *answer);

}  // namespace kestrel
