// Instants as the listener writes them: RFC 3339 date-times, read into
// milliseconds of UTC since 1970-01-01T00:00:00Z, and written back in the one
// normalised form every output shows.
#pragma once
#include <cstdint>
#include <string>

namespace kestrel {

// The earliest instant the clock holds: 1601-01-01T00:00:00Z.
constexpr int64_t INSTANT_FIRST_MS = -11644473600000;

// Reads YYYY-MM-DDTHH:MM:SS[.fraction] followed by Z (UTC) or an offset
// +HH:MM / -HH:MM, which is honoured: the instant is converted to UTC.
// T and Z may be lower case and a blank may stand for T, as RFC 3339 allows;
// the seconds are required; a fraction keeps its first three digits. False
// with a one-line reason in *error that names what is wrong: the form (with
// the part that is missing or unexpected), no such date or time, or an
// instant before 1601.
bool parse_instant(const std::string &text, int64_t *utc_ms_since_1970, std::string *error);

// YYYY-MM-DDTHH:MM:SSZ, with .mmm before the Z when the milliseconds are not 0.
std::string format_instant(int64_t utc_ms);

}  // namespace kestrel
