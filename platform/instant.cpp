#include "platform/instant.h"

#include <cstdio>

#include "platform/clock.h"

namespace kestrel {

namespace {

const char *const kForm = "YYYY-MM-DDTHH:MM:SSZ";
const char *const kMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                               "July",    "August",   "September", "October", "November", "December"};

bool leap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int days_in(int y, int m) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && leap(y) ? 29 : days[m - 1];
}

bool digit(char c) { return c >= '0' && c <= '9'; }

// Walks the text left to right; each step either takes its field or says
// what stands where the field should be.
struct Reader {
    const std::string &s;
    size_t at = 0;
    std::string error;

    // "after '2026-12-09T08:00'" (or "at the start"), what was expected, what came.
    bool fail(const char *wanted) {
        std::string where = at == 0 ? "at the start" : "after '" + s.substr(0, at) + "'";
        std::string found = at < s.size() ? "'" + s.substr(at) + "' instead" : "nothing";
        error = std::string("not ") + kForm + ": " + wanted + " expected " + where + ", found " + found;
        return false;
    }
    bool number(int width, const char *wanted, int *out) {
        int v = 0;
        for (int i = 0; i < width; ++i) {
            if (at + i >= s.size() || !digit(s[at + i])) return fail(wanted);
            v = v * 10 + (s[at + i] - '0');
        }
        // A fifth digit of a year: said so (a third digit of a month is where its mark should be).
        if (width == 4 && at + width < s.size() && digit(s[at + width])) {
            at += width;
            return fail("'-' after a four-digit year");
        }
        at += width;
        *out = v;
        return true;
    }
    bool mark(const char *marks, const char *wanted) {
        if (at < s.size())
            for (const char *m = marks; *m; ++m)
                if (s[at] == *m) {
                    ++at;
                    return true;
                }
        return fail(wanted);
    }
};

}  // namespace

bool parse_instant(const std::string &text, int64_t *utc_ms, std::string *error) {
    std::string dummy;
    if (!error) error = &dummy;
    if (text.empty()) {
        *error = std::string("empty: an instant is written ") + kForm;
        return false;
    }
    Reader r{text, 0, {}};
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, sec = 0, ms = 0, off = 0;
    const bool form = r.number(4, "a four-digit year", &y) && r.mark("-", "'-'") &&
                      r.number(2, "a two-digit month", &mo) && r.mark("-", "'-'") &&
                      r.number(2, "a two-digit day", &d) && r.mark("Tt ", "'T'") &&
                      r.number(2, "a two-digit hour", &h) && r.mark(":", "':'") &&
                      r.number(2, "two-digit minutes", &mi) && r.mark(":", "':' and two-digit seconds") &&
                      r.number(2, "two-digit seconds", &sec);
    if (!form) {
        *error = r.error;
        return false;
    }
    if (r.at < text.size() && text[r.at] == '.') {
        ++r.at;
        if (r.at >= text.size() || !digit(text[r.at])) {
            r.fail("digits of a fraction of a second");
            *error = r.error;
            return false;
        }
        int scale = 100;
        for (; r.at < text.size() && digit(text[r.at]); ++r.at, scale /= 10) ms += (text[r.at] - '0') * scale;
    }
    if (r.at < text.size() && (text[r.at] == 'Z' || text[r.at] == 'z')) {
        ++r.at;
    } else if (r.at < text.size() && (text[r.at] == '+' || text[r.at] == '-')) {
        const int sign = text[r.at] == '-' ? -1 : 1;
        ++r.at;
        int oh = 0, om = 0;
        if (!r.number(2, "a two-digit offset hour", &oh) || !r.mark(":", "':' in the offset") ||
            !r.number(2, "two-digit offset minutes", &om)) {
            *error = r.error;
            return false;
        }
        if (oh > 23 || om > 59) {
            *error = "no such offset: " + text.substr(r.at - 6, 6);
            return false;
        }
        off = sign * (oh * 60 + om);
    } else {
        r.fail("Z (for UTC) or an offset such as +01:00");
        *error = r.error;
        return false;
    }
    if (r.at != text.size()) {
        *error = std::string("not ") + kForm + ": '" + text.substr(r.at) + "' after the end of the instant '" +
                 text.substr(0, r.at) + "'";
        return false;
    }
    char buf[96];
    if (mo < 1 || mo > 12) {
        std::snprintf(buf, sizeof buf, "no such date: month %02d", mo);
        *error = buf;
        return false;
    }
    if (d < 1 || d > days_in(y, mo)) {
        std::snprintf(buf, sizeof buf, "no such date: %04d-%02d-%02d (%s %04d has %d days)", y, mo, d,
                      kMonths[mo - 1], y, days_in(y, mo));
        *error = buf;
        return false;
    }
    if (h > 23 || mi > 59 || sec > 59) {
        // RFC 3339 allows a leap second 60; the clock has none to give.
        std::snprintf(buf, sizeof buf, "no such time: %02d:%02d:%02d%s", h, mi, sec,
                      sec == 60 && h <= 23 && mi <= 59 ? " (the clock keeps no leap seconds)" : "");
        *error = buf;
        return false;
    }
    const int64_t at = epoch_ms_of(y, mo, d, h, mi, sec, ms) - static_cast<int64_t>(off) * 60000;
    if (at < INSTANT_FIRST_MS) {
        *error = "before 1601: the clock starts at 1601-01-01T00:00:00Z";
        return false;
    }
    if (utc_ms) *utc_ms = at;
    error->clear();
    return true;
}

std::string format_instant(int64_t utc_ms) {
    SYSTEMTIME t;
    systemtime_of(utc_ms, &t);
    char buf[64];
    if (t.wMilliseconds)
        std::snprintf(buf, sizeof buf, "%04d-%02d-%02dT%02d:%02d:%02d.%03dZ", t.wYear, t.wMonth, t.wDay, t.wHour,
                      t.wMinute, t.wSecond, t.wMilliseconds);
    else
        std::snprintf(buf, sizeof buf, "%04d-%02d-%02dT%02d:%02d:%02dZ", t.wYear, t.wMonth, t.wDay, t.wHour,
                      t.wMinute, t.wSecond);
    return buf;
}

}  // namespace kestrel
