// Reading send-stack slot text in tests: the turns between parameter codes,
// and the check that every character is one the Morse writer can sound.
#pragma once
#include <string>
#include <vector>

namespace kestrel::test {

// One stretch of slot text and the parameter change before it (-1 where the
// slot starts without one).
struct Turn {
    int spd = -1, ton = -1, qsa = -1;
    std::string text;
};

// Splits at every code 1 (the first byte of a parameter change); codes 2 and 3
// and their bytes are decoded into the turn, code 4 stays in the text.
std::vector<Turn> turns(const std::string &slot);

// Empty when every byte is a blank, a character with a Morse pattern, code 4,
// or a parameter code with its value bytes; else a description of the first
// offending byte.
std::string bad_chars(const std::string &slot);

// Slot text with the parameter codes and their value bytes removed.
std::string plain_text(const std::string &slot);

}  // namespace kestrel::test
