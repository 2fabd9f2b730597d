// Traffic lists of coast stations and the frequencies of fleets, port radios,
// small coast stations and direction-finding stations, in table form. Every
// band function walks them in its place; a row fires on its own frequency.
#pragma once
#include <cstdint>

namespace kestrel {

// A coast station's traffic list: on in the hours whose bit (1 << hour) is
// set, in minutes from_min..to_min - 1 of those hours.
struct TfcListEntry {
    int32_t freq;
    uint32_t hours;
    int from_min, to_min;
    int spd, ton, qsa;
    int style, density;  // tfc_list(style, density, coast)
    const char *coast;
};
extern const TfcListEntry tfc_list_entries[];
extern const int tfc_list_entry_count;

// Ships of the national series (assigned_series), one tuning in `chance`.
struct AssignedEntry {
    int32_t freq;
    int slot;  // 2..60
    int chance;
};
extern const AssignedEntry assigned_entries[];
extern const int assigned_entry_count;

// Ships of one nation working their coast station (national_fleet).
struct NationalFleetEntry {
    int32_t freq;
    const char *called, *prefix;
    int span, chance;
};
extern const NationalFleetEntry national_fleet_entries[];
extern const int national_fleet_entry_count;

// Soviet ships working their coast station (russian_fleet): the UA block
// (span 119) or the UR block (span 19).
struct RussianFleetEntry {
    int32_t freq;
    const char *coast;
    int ur_block;  // 0: UA, 1: UR
    int chance;
};
extern const RussianFleetEntry russian_fleet_entries[];
extern const int russian_fleet_entry_count;

// Port radios, small coast stations (mode 0 exchange, 1 OBS; +128 semi-automatic key).
struct PortRadioEntry {
    int32_t freq;
    const char *port_call;
    int chance;
};
extern const PortRadioEntry port_radio_entries[];
extern const int port_radio_entry_count;
struct SmallCoastEntry {
    int32_t freq;
    const char *coast_call;
    int mode;
};
extern const SmallCoastEntry small_coast_entries[];
extern const int small_coast_entry_count;

// Direction-finding: kind 1..3 the historical forms (heard only with HIST
// on), kind 4 the later 410 kHz form; `station` the DF station of kind 3.
struct DfEntry {
    int32_t freq;
    int kind;
    const char *station;
    int chance;
};
extern const DfEntry df_entries[];
extern const int df_entry_count;

}  // namespace kestrel
