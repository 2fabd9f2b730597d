// The census of the band plan: every station entry of every band function,
// read from the band functions' own source (built into the program) and from
// the tables they walk, so that the figures cannot drift from what is on the
// dial.
#pragma once
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace kestrel {

// One station entry.
struct CensusEntry {
    int band = 0;                              // the band function that holds it
    std::string file;                          // source file, or the table's name
    int line = 0;                              // line in the file, or row in the table
    std::string block;                         // "" (none), "bkgnd", "hist", "day()", ... joined by " + "
    std::vector<int> freqs;                    // frequencies named in its head
    std::vector<std::pair<int, int>> ranges;   // lo < freq <= hi
    std::vector<std::string> actions;          // what it calls, each name once, in order
    // Parameters the entry sets itself: -1 not set, -2 set to a computed value.
    int spd = -1, ton = -1, qsa = -1;
    int qrh = -1, rto = -1, hand = -1, bw = -1, sz = -1, f1 = -1;
};

// The entries of one band function's source text. `band` is the band of the
// function; the text is C++ as written in the band files.
std::vector<CensusEntry> census_of_source(int band, const std::string &file, const std::string &text);

// Every entry of the dial: the band functions' sources and the rows of the
// tables each band function walks. Entries naming only frequencies outside
// their band's megahertz are left out (they can never fire).
std::vector<CensusEntry> dial_census();

// Figures derived from a list of entries.
struct CensusSummary {
    struct Band {
        int entries = 0, frequencies = 0;
    };
    std::map<int, Band> bands;                 // by band
    std::map<std::string, int> blocks;         // entries by block ("" = none)
    std::map<std::string, int> actions;        // entries calling each action
    std::map<int, int> multiplicity;           // frequencies by number of entries naming them
    std::map<int, int> spd, ton, qsa;          // entries by literal value set
    std::map<std::string, int> rare;           // entries setting qrh, rto, hand, bw, sz, _f1
    int entries = 0, frequencies = 0;
};
CensusSummary summarize(const std::vector<CensusEntry> &entries);

// Size of the plan the dial is built to: entries and distinct frequencies by
// band function, 10..29.
struct BandShape {
    int band, entries, frequencies;
};
extern const BandShape band_shape[20];

}  // namespace kestrel
