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

}  // namespace kestrel
