// Where the platform layer's messages go. The diagnostic log above installs
// itself here; until then (and in programs without it) they are dropped.
// Any thread may log.
#pragma once

namespace kestrel {

using LogSink = void (*)(const char *function, const char *info, unsigned long param);

void set_log_sink(LogSink sink);
void platform_log(const char *function, const char *info, unsigned long param);

}  // namespace kestrel
