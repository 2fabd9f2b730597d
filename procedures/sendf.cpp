#include "procedures/sendf.h"

#include <cstdarg>
#include <cstdio>

#include "procedures/send.h"

namespace kestrel {

namespace {
using Sink = void (*)(const char *);

void print_to(Sink sink, const char *format, va_list args) {
    char buf[SENDF_SIZE];
    std::vsnprintf(buf, sizeof buf, format, args);
    sink(buf);
}
}  // namespace

#define KESTREL_SENDF(name, sink)            \
    void name(const char *format, ...) {     \
        va_list args;                        \
        va_start(args, format);              \
        print_to(sink, format, args);        \
        va_end(args);                        \
    }

KESTREL_SENDF(sendf, send)
KESTREL_SENDF(send_stackf, send_stack)
KESTREL_SENDF(dialog1f, dialog1)
KESTREL_SENDF(dialog2f, dialog2)

#undef KESTREL_SENDF

char *textf(char *out, int size, const char *format, ...) {
    if (size <= 0) return out;
    va_list args;
    va_start(args, format);
    std::vsnprintf(out, static_cast<size_t>(size), format, args);
    va_end(args);
    return out;
}

}  // namespace kestrel
