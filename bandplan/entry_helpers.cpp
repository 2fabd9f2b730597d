#include "bandplan/entry_helpers.h"

#include <cstring>

#include "bandplan/bands/coast_watch.h"
#include "bandplan/bands/diplo_sched.h"
#include "bandplan/bands/maritime_lists.h"
#include "bandplan/bands/ship_work.h"
#include "bandplan/bands/weather_sched.h"
#include "bandplan/entry.h"
#include "procedures/predicates.h"
#include "procedures/procedures.h"
#include "procedures/send.h"
#include "procedures/sendf.h"
#include "state/clock.h"
#include "state/emission.h"
#include "state/receiver.h"
#include "traffic/diplomatic.h"
#include "traffic/fleets.h"
#include "traffic/ship_coast.h"
#include "traffic/vessel_texts.h"
#include "traffic/weather.h"

namespace kestrel {

// Mended: qsa_exchange leaves an unanswered call in the open slot, where the
// next station's text would be appended to it; the helper closes it, so the
// call that gets no answer is heard on its own.
void exchange(const char *called, const char *caller, int form) {
    qsa_exchange(called, caller, form);
    if (send_call < 7 && send_buf[send_call][0]) send_stack("");
}

void post_call(const char *called, const char *caller, const char *tail) {
    char text[96];
    textf(text, sizeof text, "%s %s %s DE %s %s %s", called, called, called, caller, caller, tail);
    send_cond(text);
}

namespace {
// The traffic list of `call` is on the air on the tuned frequency now.
bool tfc_list_on(const char *call) {
    for (int i = 0; i < tfc_list_entry_count; ++i) {
        const TfcListEntry &r = tfc_list_entries[i];
        if (r.freq == freq && std::strcmp(r.coast, call) == 0 && (r.hours >> t.wHour & 1u) &&
            t.wMinute >= r.from_min && t.wMinute < r.to_min)
            return true;
    }
    return false;
}
}  // namespace

void coast_watch(const CoastWatch *rows, int count) {
    for (int i = 0; i < count; ++i) {
        const CoastWatch &r = rows[i];
        if (r.freq != freq) continue;
        if ((r.from != 0 || r.to != 0) && !ct(r.from, r.to)) continue;
        // While the station sends its traffic list on this channel it is not
        // also keeping watch behind its marker there.
        if (tfc_list_on(r.call)) continue;
        p(r.spd, r.ton, r.qsa);
        coast_station_ex(r.marker, r.call, r.place);
    }
}

void ship_work(const ShipWork *rows, int count) {
    for (int i = 0; i < count; ++i)
        if (rows[i].freq == freq && cond(rows[i].chance)) vsl_tfc(rows[i].called);
}

void maritime_row(const TfcListEntry &r) {
    if (!(r.hours >> t.wHour & 1u) || t.wMinute < r.from_min || t.wMinute >= r.to_min) return;
    p(r.spd, r.ton, r.qsa);
    tfc_list(r.style, r.density, r.coast);
}
void maritime_row(const AssignedEntry &r) {
    if (cond(r.chance)) assigned_series(r.slot);
}
void maritime_row(const NationalFleetEntry &r) {
    if (cond(r.chance)) national_fleet(r.called, r.prefix, r.span);
}
void maritime_row(const RussianFleetEntry &r) {
    if (cond(r.chance)) russian_fleet(r.coast, r.ur_block ? "UR" : "UA", r.ur_block ? 19 : 119);
}
void maritime_row(const PortRadioEntry &r) {
    if (cond(r.chance)) port_radio(r.port_call);
}
void maritime_row(const SmallCoastEntry &r) { small_coast_station(r.coast_call, r.mode); }
void maritime_row(const DfEntry &r) {
    // The forms of the years before 1950 belong to the historical stations.
    if ((r.kind == 4 || hist) && cond(r.chance)) marine_qte(r.kind, r.station);
}

namespace {
template <class Row>
void rows_here(const Row *rows, int count) {
    for (int i = 0; i < count; ++i)
        if (rows[i].freq == freq) maritime_row(rows[i]);
}
}  // namespace

void maritime_lists() {
    rows_here(tfc_list_entries, tfc_list_entry_count);
    rows_here(assigned_entries, assigned_entry_count);
    rows_here(national_fleet_entries, national_fleet_entry_count);
    rows_here(russian_fleet_entries, russian_fleet_entry_count);
    rows_here(port_radio_entries, port_radio_entry_count);
    rows_here(small_coast_entries, small_coast_entry_count);
    rows_here(df_entries, df_entry_count);
}

#define KESTREL_GENERATOR_NAME(id, name, ...) #name,
const char *const wx_generator_names[WXG_COUNT] = {KESTREL_WX_GENERATORS(KESTREL_GENERATOR_NAME)};
const char *const diplo_generator_names[DG_COUNT] = {KESTREL_DIPLO_GENERATORS(KESTREL_GENERATOR_NAME)};
#undef KESTREL_GENERATOR_NAME

void weather_broadcasts() {
    for (int i = 0; i < wx_entry_count; ++i)
        if (wx_entries[i].freq == freq) weather_row(wx_entries[i]);
}

void weather_row(const WxEntry &r) {
    {
        if (!(r.hours >> t.wHour & 1u) || t.wMinute < r.from_min || t.wMinute >= r.to_min) return;
        p(r.spd, r.ton, r.qsa);
        switch (r.gen) {
#define KESTREL_WX_RUN(id, name, ...) \
    case id: {                        \
        __VA_ARGS__                   \
    } break;
            KESTREL_WX_GENERATORS(KESTREL_WX_RUN)
#undef KESTREL_WX_RUN
        default: break;
        }
    }
}

void diplo_traffic() {
    for (int i = 0; i < diplo_entry_count; ++i)
        if (diplo_entries[i].freq == freq) diplo_row(diplo_entries[i]);
}

void diplo_row(const DiploEntry &r) {
    {
        if ((r.hist && !hist) || !(r.hours >> t.wHour & 1u) || t.wMinute < r.from_min || t.wMinute >= r.to_min)
            return;
        if (r.chance > 1 && !cond(r.chance)) return;
        if (r.spd) spd = r.spd;
        if (r.ton) ton = r.ton;
        if (r.qsa) qsa = r.qsa;
        switch (r.gen) {
#define KESTREL_DIPLO_RUN(id, name, ...) \
    case id: {                           \
        __VA_ARGS__                      \
    } break;
            KESTREL_DIPLO_GENERATORS(KESTREL_DIPLO_RUN)
#undef KESTREL_DIPLO_RUN
        default: break;
        }
    }
}

}  // namespace kestrel
