// UTC clock sample, millisecond tick count and a settable test clock.
#pragma once
#include <cstdint>

namespace kestrel {

struct SYSTEMTIME {
    uint16_t wYear;
    uint16_t wMonth;      // 1..12
    uint16_t wDayOfWeek;  // 0 = Sunday
    uint16_t wDay;        // 1..31
    uint16_t wHour;
    uint16_t wMinute;
    uint16_t wSecond;
    uint16_t wMilliseconds;
};

// Milliseconds since 1970-01-01 00:00 UTC of a civil date and time
// (proleptic Gregorian calendar), and the civil date and time of such a count.
int64_t epoch_ms_of(int year, int month, int day, int hour, int minute, int second = 0, int millisecond = 0);
void systemtime_of(int64_t epoch_ms, SYSTEMTIME *st);

// Fills *st with the current UTC time (the test clock's, while one is set).
void GetSystemTime(SYSTEMTIME *st);

// Milliseconds since an arbitrary start, 32-bit and wrapping.
uint32_t GetTickCount();

void Sleep(uint32_t ms);

// Test clock: once set, GetSystemTime reads it instead of the system clock.
// Each read advances it by the step (0 by default), so code that reads the
// clock repeatedly sees time move in a repeatable way.
void test_clock_set(int year, int month, int day, int hour, int minute, int second = 0, int millisecond = 0);
void test_clock_advance(int64_t ms);
void test_clock_step(uint32_t ms_per_read);
void test_clock_off();
bool test_clock_on();
// Milliseconds since 1970-01-01 00:00 UTC of the test clock.
int64_t test_clock_epoch_ms();
// Sets the test clock to an instant read by parse_instant (platform/instant.h);
// false, the clock untouched, if the text is not one.
bool test_clock_parse(const char *iso);
// Sets the test clock to milliseconds since 1970-01-01 00:00 UTC.
void test_clock_set_epoch_ms(int64_t ms);

// The receiver's own clock, set apart from the system clock: GetSystemTime
// (while no test clock is set) and clock_utc_ms read the system clock plus
// this many milliseconds, so a clock started at another instant runs on in
// real time from there. 0, the start value, is the system clock itself.
// Any thread may read it.
void clock_offset_set(int64_t ms);
int64_t clock_offset_ms();
// The offset that makes the clock read `utc_ms` now.
void clock_start_at(int64_t utc_ms);
// Milliseconds since 1970-01-01 00:00 UTC of the system clock plus the offset
// (never the test clock); safe on any thread.
int64_t clock_utc_ms();
// The same instant as clock fields.
void clock_fields(int64_t utc_ms, SYSTEMTIME *st);

}  // namespace kestrel
