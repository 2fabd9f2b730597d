#include "bandplan/entry_helpers.h"

#include "bandplan/entry.h"

namespace kestrel {

void exchange(const char *called, const char *caller, int form) {
    qsa_exchange(called, caller, form);
    if (send_call < 7 && send_buf[send_call][0]) send_stack("");
}

void post_call(const char *called, const char *caller, const char *tail) {
    char text[96];
    textf(text, sizeof text, "%s %s %s DE %s %s %s", called, called, called, caller, caller, tail);
    send_cond(text);
}

void coast_watch(const CoastWatch *rows, int count) {
    for (int i = 0; i < count; ++i) {
        const CoastWatch &r = rows[i];
        if (r.freq != freq) continue;
        if ((r.from != 0 || r.to != 0) && !ct(r.from, r.to)) continue;
        p(r.spd, r.ton, r.qsa);
        coast_station_ex(r.marker, r.call, r.place);
    }
}

void ship_work(const ShipWork *rows, int count) {
    for (int i = 0; i < count; ++i)
        if (rows[i].freq == freq && cond(rows[i].chance)) vsl_tfc(rows[i].called);
}

void maritime_lists() {
    for (int i = 0; i < tfc_list_entry_count; ++i) {
        const TfcListEntry &r = tfc_list_entries[i];
        if (r.freq != freq || !(r.hours >> t.wHour & 1u) || t.wMinute < r.from_min || t.wMinute >= r.to_min) continue;
        p(r.spd, r.ton, r.qsa);
        tfc_list(r.style, r.density, r.coast);
    }
    for (int i = 0; i < assigned_entry_count; ++i)
        if (assigned_entries[i].freq == freq && cond(assigned_entries[i].chance)) assigned_series(assigned_entries[i].slot);
    for (int i = 0; i < national_fleet_entry_count; ++i) {
        const NationalFleetEntry &r = national_fleet_entries[i];
        if (r.freq == freq && cond(r.chance)) national_fleet(r.called, r.prefix, r.span);
    }
    for (int i = 0; i < russian_fleet_entry_count; ++i) {
        const RussianFleetEntry &r = russian_fleet_entries[i];
        if (r.freq == freq && cond(r.chance)) russian_fleet(r.coast, r.ur_block ? "UR" : "UA", r.ur_block ? 19 : 119);
    }
    for (int i = 0; i < port_radio_entry_count; ++i)
        if (port_radio_entries[i].freq == freq && cond(port_radio_entries[i].chance)) port_radio(port_radio_entries[i].port_call);
    for (int i = 0; i < small_coast_entry_count; ++i)
        if (small_coast_entries[i].freq == freq) small_coast_station(small_coast_entries[i].coast_call, small_coast_entries[i].mode);
    for (int i = 0; i < df_entry_count; ++i) {
        const DfEntry &r = df_entries[i];
        // The forms of the years before 1950 belong to the historical stations.
        if (r.freq == freq && (r.kind == 4 || hist) && cond(r.chance)) marine_qte(r.kind, r.station);
    }
}

}  // namespace kestrel
