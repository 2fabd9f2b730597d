// The instants at which the dial is swept and pinned: weekdays, hours,
// minutes and seconds spread over the year (2026-12-07 is a Monday).
#pragma once

namespace kestrel::test {

struct Instant {
    int year, month, day_, hour, minute, second;
};

inline constexpr Instant sweep_instants[] = {
    {2026, 12, 7, 0, 0, 0},    {2026, 12, 8, 3, 17, 13},  {2026, 12, 9, 6, 30, 45},  {2026, 12, 10, 8, 55, 7},
    {2026, 12, 11, 11, 5, 30}, {2026, 12, 12, 12, 40, 2}, {2026, 12, 13, 14, 20, 9}, {2026, 6, 15, 16, 48, 57},
    {2026, 6, 16, 18, 3, 21},  {2026, 6, 17, 20, 12, 36}, {2026, 4, 1, 22, 59, 50},  {2026, 9, 30, 23, 30, 5},
};

}  // namespace kestrel::test
