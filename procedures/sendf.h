// Formatted variants of the send primitives: the text is printed into a
// private buffer first, so arguments may point into str, str2 or str3.
#pragma once

namespace kestrel {

constexpr int SENDF_SIZE = 4096;  // longer results are cut at 4095 characters

[[gnu::format(printf, 1, 2)]] void sendf(const char *format, ...);
[[gnu::format(printf, 1, 2)]] void send_stackf(const char *format, ...);
[[gnu::format(printf, 1, 2)]] void dialog1f(const char *format, ...);
[[gnu::format(printf, 1, 2)]] void dialog2f(const char *format, ...);
// Prints into out (size bytes, always terminated) and returns out.
[[gnu::format(printf, 3, 4)]] char *textf(char *out, int size, const char *format, ...);

}  // namespace kestrel
