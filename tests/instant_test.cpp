// The one reader of instants: RFC 3339 in UTC or with an offset, every
// refusal naming what is wrong, and the normalised form written back.
#include <gtest/gtest.h>

#include <string>

#include "platform/clock.h"
#include "platform/instant.h"

namespace kestrel::test {
namespace {

TEST(Instant, ReadsRfc3339AndHonoursOffsets) {
    struct Good {
        const char *text;
        const char *utc;  // format_instant of what was read
    };
    const Good table[] = {
        {"2026-12-09T08:00:00Z", "2026-12-09T08:00:00Z"},
        {"2026-12-09t08:00:00z", "2026-12-09T08:00:00Z"},
        {"2026-12-09 08:00:00Z", "2026-12-09T08:00:00Z"},
        {"2026-12-09T08:00:00+05:00", "2026-12-09T03:00:00Z"},
        {"2026-12-09T01:30:00+05:30", "2026-12-08T20:00:00Z"},
        {"2026-12-31T22:00:00-03:00", "2027-01-01T01:00:00Z"},
        {"2026-12-09T08:00:00-00:00", "2026-12-09T08:00:00Z"},
        {"2026-12-09T08:00:00.25Z", "2026-12-09T08:00:00.250Z"},
        {"2026-12-09T08:00:00.123456Z", "2026-12-09T08:00:00.123Z"},
        {"2024-02-29T23:59:59Z", "2024-02-29T23:59:59Z"},
        {"2000-02-29T00:00:00Z", "2000-02-29T00:00:00Z"},
        {"1601-01-01T00:00:00Z", "1601-01-01T00:00:00Z"},
        {"9999-12-31T23:59:59Z", "9999-12-31T23:59:59Z"},
    };
    for (const Good &g : table) {
        int64_t ms = 0;
        std::string why = "unchanged";
        ASSERT_TRUE(parse_instant(g.text, &ms, &why)) << g.text << ": " << why;
        EXPECT_EQ(why, "") << g.text;
        EXPECT_EQ(format_instant(ms), g.utc) << g.text;
    }
    int64_t ms = 0;
    ASSERT_TRUE(parse_instant("1970-01-01T00:00:01Z", &ms, nullptr));
    EXPECT_EQ(ms, 1000);
    ASSERT_TRUE(parse_instant("1601-01-01T00:00:00Z", &ms, nullptr));
    EXPECT_EQ(ms, INSTANT_FIRST_MS);
    // The test clock reads through the same parser and keeps the instant to the millisecond.
    ASSERT_TRUE(test_clock_parse("2026-06-01T23:00:00.5+01:00"));
    SYSTEMTIME t;
    GetSystemTime(&t);
    EXPECT_EQ(t.wDay, 1);
    EXPECT_EQ(t.wHour, 22);
    EXPECT_EQ(t.wMilliseconds, 500);
    EXPECT_EQ(t.wDayOfWeek, 1);  // a Monday
    EXPECT_FALSE(test_clock_parse("2026-06-01T23:00Z"));
    GetSystemTime(&t);
    EXPECT_EQ(t.wHour, 22);  // a refused text leaves the clock alone
    test_clock_off();
}

TEST(Instant, RefusesWithTheReason) {
    struct Bad {
        const char *text;
        const char *why;
    };
    const Bad table[] = {
        {"", "empty: an instant is written YYYY-MM-DDTHH:MM:SSZ"},
        {"now", "not YYYY-MM-DDTHH:MM:SSZ: a four-digit year expected at the start, found 'now' instead"},
        {"26-12-09T08:00:00Z",
         "not YYYY-MM-DDTHH:MM:SSZ: a four-digit year expected at the start, found '26-12-09T08:00:00Z' instead"},
        {"20261-12-09T08:00:00Z",
         "not YYYY-MM-DDTHH:MM:SSZ: '-' after a four-digit year expected after '2026', found '1-12-09T08:00:00Z' "
         "instead"},
        {"2026/12/09T08:00:00Z",
         "not YYYY-MM-DDTHH:MM:SSZ: '-' expected after '2026', found '/12/09T08:00:00Z' instead"},
        {"2026-1-09T08:00:00Z",
         "not YYYY-MM-DDTHH:MM:SSZ: a two-digit month expected after '2026-', found '1-09T08:00:00Z' instead"},
        {"2026-12-09", "not YYYY-MM-DDTHH:MM:SSZ: 'T' expected after '2026-12-09', found nothing"},
        {"2026-12-09T8:00:00Z",
         "not YYYY-MM-DDTHH:MM:SSZ: a two-digit hour expected after '2026-12-09T', found '8:00:00Z' instead"},
        {"2026-12-09T08:00Z",
         "not YYYY-MM-DDTHH:MM:SSZ: ':' and two-digit seconds expected after '2026-12-09T08:00', found 'Z' instead"},
        {"2026-12-09T08:00:00",
         "not YYYY-MM-DDTHH:MM:SSZ: Z (for UTC) or an offset such as +01:00 expected after '2026-12-09T08:00:00', "
         "found nothing"},
        {"2026-12-09T08:00:00 UTC",
         "not YYYY-MM-DDTHH:MM:SSZ: Z (for UTC) or an offset such as +01:00 expected after '2026-12-09T08:00:00', "
         "found ' UTC' instead"},
        {"2026-12-09T08:00:00.Z",
         "not YYYY-MM-DDTHH:MM:SSZ: digits of a fraction of a second expected after '2026-12-09T08:00:00.', found "
         "'Z' instead"},
        {"2026-12-09T08:00:00+0500",
         "not YYYY-MM-DDTHH:MM:SSZ: ':' in the offset expected after '2026-12-09T08:00:00+05', found '00' instead"},
        {"2026-12-09T08:00:00+5:00",
         "not YYYY-MM-DDTHH:MM:SSZ: a two-digit offset hour expected after '2026-12-09T08:00:00+', found '5:00' "
         "instead"},
        {"2026-12-09T08:00:00ZZ",
         "not YYYY-MM-DDTHH:MM:SSZ: 'Z' after the end of the instant '2026-12-09T08:00:00Z'"},
        {"2026-12-09T08:00:00+05:00 ", "not YYYY-MM-DDTHH:MM:SSZ: ' ' after the end of the instant "
                                       "'2026-12-09T08:00:00+05:00'"},
        {"2026-00-10T08:00:00Z", "no such date: month 00"},
        {"2026-02-29T00:00:00Z", "no such date: 2026-02-29 (February 2026 has 28 days)"},
        {"1900-02-29T00:00:00Z", "no such date: 1900-02-29 (February 1900 has 28 days)"},
        {"2026-04-31T00:00:00Z", "no such date: 2026-04-31 (April 2026 has 30 days)"},
        {"2026-12-00T00:00:00Z", "no such date: 2026-12-00 (December 2026 has 31 days)"},
        {"2026-12-09T24:00:00Z", "no such time: 24:00:00"},
        {"2026-12-09T08:60:00Z", "no such time: 08:60:00"},
        {"2026-12-31T23:59:60Z", "no such time: 23:59:60 (the clock keeps no leap seconds)"},
        {"2026-12-09T08:00:00+24:00", "no such offset: +24:00"},
        {"2026-12-09T08:00:00-05:60", "no such offset: -05:60"},
        {"1600-12-31T23:59:59Z", "before 1601: the clock starts at 1601-01-01T00:00:00Z"},
        {"0000-01-01T00:00:00Z", "before 1601: the clock starts at 1601-01-01T00:00:00Z"},
        {"1601-01-01T00:30:00+01:00", "before 1601: the clock starts at 1601-01-01T00:00:00Z"},
    };
    for (const Bad &b : table) {
        int64_t ms = 12345;
        std::string why;
        EXPECT_FALSE(parse_instant(b.text, &ms, &why)) << b.text;
        EXPECT_EQ(why, b.why) << b.text;
        EXPECT_EQ(ms, 12345) << b.text;  // nothing is written on a refusal
    }
}

}  // namespace
}  // namespace kestrel::test
