// Vocabulary shared by the traffic generators.
#include "traffic/blocks.h"

namespace kestrel {

const char months[12][4] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                            "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};

const char alfabet[26][10] = {
    "ALPHA",  "BRAVO",   "CHARLIE", "DELTA",  "ECHO",    "FOXTROTT", "GOLF",   "HOTEL",   "INDIA",
    "JULIETT", "KILO",   "LIMA",    "MIKE",   "NOVEMBER", "OSCAR",   "PAPA",   "QUEBEC",  "ROMEO",
    "SIERRA", "TANGO",   "UNIFORM", "VICTOR", "WHISKEY", "XRAY",     "YANKEE", "ZULU",
};

const char digits[10][6] = {"ZERO", "ONE", "TWO", "THREE", "FOUR", "FIVE", "SIX", "SEVEN", "EIGHT", "NINE"};

const char dayname[7][10] = {"monday", "tuesday", "wednsday", "thursday", "friday", "saturday", "sunday"};

const char check_letters[3][11] = {"PQWERTYUIO", "KABWGDEVZI", "P!WERTYUIO"};

}  // namespace kestrel
