// The band functions' source texts, built into the program for the census.
#pragma once

namespace kestrel {

struct BandSource {
    const char *file;  // file name, band_NN*.cpp
    const char *text;
};
extern const BandSource band_sources[];
extern const int band_source_count;

}  // namespace kestrel
