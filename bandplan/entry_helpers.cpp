#include "bandplan/entry_helpers.h"

#include "bandplan/entry.h"

namespace kestrel {

void exchange(const char *called, const char *caller, int form) {
    qsa_exchange(called, caller, form);
    if (send_call < 7 && send_buf[send_call][0]) send_stack("");
}

void post_call(const char *called, const char *caller, const char *tail) {
    char text[96];
    textf(text, sizeof text, "%s %s %s DE %s %s %s", called, called, called, caller, caller, tail);
    send_cond(text);
}

}  // namespace kestrel
