// Coast stations on watch on their own telegraphy channels, one table per
// band function: each row is a station entry heard behind its marker, in the
// band function's order of entries.
#pragma once
#include <cstdint>

namespace kestrel {

struct CoastWatch {
    int32_t freq;       // kHz
    int spd, ton, qsa;  // the station's keying
    int from, to;       // on the air while ct(from, to) holds; 0, 0: always
    const char *marker; // the full marker text, blanks after it included
    const char *call;   // the station's call
    const char *place;  // the place that names it with RADIO; "" for none
};

extern const CoastWatch coast_watch_12[];
extern const int coast_watch_12_count;
extern const CoastWatch coast_watch_13[];
extern const int coast_watch_13_count;
extern const CoastWatch coast_watch_16[];
extern const int coast_watch_16_count;
extern const CoastWatch coast_watch_17[];
extern const int coast_watch_17_count;
extern const CoastWatch coast_watch_19[];
extern const int coast_watch_19_count;
extern const CoastWatch coast_watch_22[];
extern const int coast_watch_22_count;
extern const CoastWatch coast_watch_25[];
extern const int coast_watch_25_count;
extern const CoastWatch coast_watch_26[];
extern const int coast_watch_26_count;

}  // namespace kestrel
