#include "platform/ask.h"

namespace kestrel {

namespace {
AskLine g_ask = nullptr;
}

void ask_use(AskLine ask) { g_ask = ask; }

bool ask_line(const char *caption, const char *prompt, std::string *answer) {
    return g_ask && answer && g_ask(caption, prompt, answer);
}

}  // namespace kestrel
