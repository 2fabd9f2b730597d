// The kit the traffic generators build their messages from: random letters
// and digits, call signs, letter and figure groups, message headers with
// their check group, receipts, and a few small complete procedures.
// Results come back in the shared work strings str, str2, str3: send or copy
// one before calling the next block that writes the same string.
#pragma once
#include <cstddef>
#include <initializer_list>

namespace kestrel {

// Vocabulary, NUL-padded to the row width.
extern const char months[12][4];     // "JAN" .. "DEC", by month - 1
extern const char alfabet[26][10];   // ALPHA .. ZULU
extern const char digits[10][6];     // ZERO .. NINE
extern const char dayname[7][10];    // "monday" .. "sunday"
// Letters standing for the digits 0..9 of a check group, for flags 1, 2, 3.
extern const char check_letters[3][11];

char rand_lat();  // 'A'..'Z'
char rand_fig();  // '0'..'9'

// Four characters and a blank, in str; adjacent repeats become digits.
char *call4l();
// The same, never starting with 'R' or 'U'.
char *call4l_rus();
// Five letters and a blank in str: alphabet 3 the 30 letters of the Russian
// alphabet (the four extra ones written '!', '@', '#', '$'), else 'A'..'Z'.
char *group5l(int alphabet);
char *group4l();  // in str2
char *group3l();  // in str2
char *group6f();  // digit groups, in str
char *group5f();
char *group4f();
char *group3f();
char *group2f();
// Five characters of the mixed alphabet (letters, code 20, digits), in str.
char *group_mix_mw();

// Letter-group message with header, optional indicator groups and closing
// check group; appends without closing the slot. flags: 0x100, 0x200
// indicator groups, 0x80 ends with "+", 1..3 check group in letters.
void qtc5l(int number, int groups, int alphabet, int flags);
// Figure-group message with header and check group; appends only.
void qtc5f(int number, int groups);

// Day of the year of the clock, 1..366.
int day_of_year();
// The number of a circuit's message at this time of day, counted from 1 at
// 0000 UTC with about per_hour messages an hour (a station numbers its
// messages afresh every day).
int serial_of_day(int per_hour);
// A message between two copies of an indicator pair; appends only.
void indicator_qtc_nosend(int alphabet, int groups, const char *indicator);
void indicator_qtc(int alphabet, int groups, const char *indicator);

// Receipt for `call` (which ends in its blank), in one second of five.
void qsl(const char *call);
// Receipt by a generated call sign on half of the tunings; arguments unused.
void qsl(int, int, int);

// Letter, digit 1..9, letter, in str2.
char *nato_call3();
// A NATO-style message, closed.
void nato_qtc(int number, char precedence);
// Two stations passing one such message, in one slot.
void nato_qso();
// Weak, slow, hand-keyed military exchange, in one tuning of eight.
void low_pwr_mil();
// Daily test broadcast of four blocks of 100 groups, Sunday to Thursday.
void fav22();

// A template filled by name: each {NAME} of `tmpl` replaced by the value of
// that field; a field not given is left as it stands. out is always terminated.
struct Field {
    const char *name;
    const char *value;
};
void fill_fields(char *out, std::size_t size, const char *tmpl, std::initializer_list<Field> fields);

// A random index below count. With a spread, the tuned frequency times the
// spread is added first, so that neighbouring channels seldom hear the same call.
unsigned pick_index(unsigned count, unsigned spread);
// A call of a list.
template <std::size_t N, std::size_t W>
const char *pick(const char (&calls)[N][W], unsigned spread = 0) {
    return calls[pick_index(N, spread)];
}
// A call of those rows of a list that a station works with.
template <std::size_t N, std::size_t W, std::size_t M>
const char *pick(const char (&calls)[N][W], const unsigned char (&rows)[M], unsigned spread = 0) {
    return calls[rows[pick_index(M, spread)]];
}

}  // namespace kestrel
