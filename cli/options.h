// What every command's options share: whole numbers read in decimal only,
// on|off switches, instants, and warnings about options that change nothing.
#pragma once
#include <CLI/CLI.hpp>

#include <cstdint>
#include <string>

namespace kestrel::cli {

// Reads a whole number in decimal (an optional sign, then digits; leading
// zeros are decimal too). False with "'TEXT' is not a whole number" or
// "'TEXT' is out of range LO..HI" in *error.
bool parse_whole(const std::string &text, int64_t lo, int64_t hi, int64_t *value, std::string *error);
// The same as a check on an option; it hands the option the number written
// plainly, so that nothing downstream reads 012 as octal or 0x10 as hex
// (register it with transform(), which lets it rewrite the value).
CLI::Validator Whole(int64_t lo, int64_t hi);
// "on" or "off": "'TEXT' is not on or off".
CLI::Validator OnOff();

// Reads an --at value; "" is now, read once and cut to the whole second, so
// that the instant printed repeats the run exactly. False after printing
// "kestrel-cli: --at 'TEXT': REASON".
bool instant_of(const std::string &at, int64_t *utc_ms);

// One line on standard error: "kestrel-cli: TEXT". The command still runs.
void warn(const std::string &text);

}  // namespace kestrel::cli
