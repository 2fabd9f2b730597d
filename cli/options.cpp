#include "cli/options.h"

#include <cstdio>

#include "platform/clock.h"
#include "platform/instant.h"

namespace kestrel::cli {

// Mended: decimal only; the option parser read a leading 0 as octal and 0x as hex.
bool parse_whole(const std::string &text, int64_t lo, int64_t hi, int64_t *value, std::string *error) {
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    const size_t first = i;
    // Up to 18 digits cannot overflow; more are out of every range here.
    int64_t v = 0;
    bool huge = false;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (v > 99999999999999999) huge = true;
        else v = v * 10 + (text[i] - '0');
    }
    if (i == first || i != text.size()) {
        *error = "'" + text + "' is not a whole number";
        return false;
    }
    if (negative) v = -v;
    if (huge || v < lo || v > hi) {
        *error = "'" + text + "' is out of range " + std::to_string(lo) + ".." + std::to_string(hi);
        return false;
    }
    *value = v;
    return true;
}

CLI::Validator Whole(int64_t lo, int64_t hi) {
    return CLI::Validator(
        [lo, hi](std::string &text) {
            int64_t v = 0;
            std::string why;
            if (!parse_whole(text, lo, hi, &v, &why)) return why;
            text = std::to_string(v);
            return std::string();
        },
        std::to_string(lo) + ".." + std::to_string(hi));
}

CLI::Validator OnOff() {
    return CLI::Validator(
        [](std::string &text) {
            if (text == "on" || text == "off") return std::string();
            return "'" + text + "' is not on or off";
        },
        "on|off");
}

bool instant_of(const std::string &at, int64_t *utc_ms) {
    if (at.empty()) {
        SYSTEMTIME now;
        test_clock_off();
        GetSystemTime(&now);
        *utc_ms = epoch_ms_of(now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond);
        return true;
    }
    std::string why;
    if (parse_instant(at, utc_ms, &why)) return true;
    std::fprintf(stderr, "kestrel-cli: --at '%s': %s\n", at.c_str(), why.c_str());
    return false;
}

void warn(const std::string &text) { std::fprintf(stderr, "kestrel-cli: %s\n", text.c_str()); }

}  // namespace kestrel::cli
