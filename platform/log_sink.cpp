#include "platform/log_sink.h"

#include <atomic>

namespace kestrel {

namespace {
std::atomic<LogSink> g_sink{nullptr};
}

void set_log_sink(LogSink sink) { g_sink.store(sink); }

void platform_log(const char *function, const char *info, unsigned long param) {
    if (LogSink sink = g_sink.load()) sink(function, info, param);
}

}  // namespace kestrel
