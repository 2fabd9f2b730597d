#include "bandplan/entry_helpers.h"

#include <cstring>

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

void weather_broadcasts() {
    for (int i = 0; i < wx_entry_count; ++i)
        if (wx_entries[i].freq == freq) weather_row(wx_entries[i]);
}

void weather_row(const WxEntry &r) {
    {
        if (!(r.hours >> t.wHour & 1u) || t.wMinute < r.from_min || t.wMinute >= r.to_min) return;
        p(r.spd, r.ton, r.qsa);
        switch (r.gen) {
        case WXG_CODE:
            if (r.list >= 0 && r.list < WX_LIST_COUNT)
                wx_code(r.call, r.header, r.arg, wx_lists[r.list].rows, wx_lists[r.list].count);
            break;
        case WXG_PLAIN:
            if (r.list >= 0 && r.list < WX_PLACES_COUNT) wx_plain(r.call, wx_places[r.list].rows, wx_places[r.list].count);
            break;
        case WXG_NSS: nss_wx(); break;
        case WXG_GFA: gfa(); break;
        case WXG_USWB: uswb(r.arg); break;
        case WXG_BRASIL: brasil_wx(); break;
        case WXG_BMB: bmb_wx(); break;
        case WXG_JAPAN: japan_wx(); break;
        case WXG_GKA: gka_wx(); break;
        case WXG_NAVAREA:
            switch (r.arg) {
            case 1: navarea_i(); break;
            case 2: navarea_ii(); break;
            case 3: navarea_iii(); break;
            case 4: navarea_iv(r.call); break;
            case 5: navarea_v(r.call); break;
            case 7: navarea_vii(r.call); break;
            case 8: navarea_viii(r.call); break;
            case 9: navarea_ix(r.call); break;
            case 11: navarea_xi(r.call); break;
            case 13: navarea_xiii(r.call); break;
            default: break;
            }
            break;
        case WXG_METAREA: metarea_xx(); break;
        case WXG_XSG: xsg_nw(); break;
        case WXG_RCV: rcv_bcst(); break;
        case WXG_COLLECT: wx_collect(r.call, r.header, 0); break;
        case WXG_TRANSMIT: wx_transmit(r.call, r.header, 0); break;
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
        case DG_TELECOM: telecom_opchat_dx(r.a, r.b, ""); break;
        case DG_FRENCH_PTT: french_ptt(r.a, r.b); break;
        case DG_AUTO_MORSE: auto_morse(r.n); break;
        case DG_RUSSIAN_PTT: russian_ptt(r.a, r.b, r.n); break;
        case DG_RADIOPHOTO: radiophoto_opchat(r.a, r.b); break;
        case DG_UFC: ufc(r.a, r.b); break;
        case DG_KCNA: kcna(); break;
        case DG_US_DIPLO: us_diplo_qtc(); break;
        case DG_POL_WRK: pol_gov_ldn_net_wrk(r.n); break;
        case DG_ITALIAN: italian_diplo(); break;
        case DG_GERMAN: german_diplo(); break;
        case DG_SIMPLEX: diplo_simplex(r.a, r.b, r.c); break;
        case DG_POLISH: polish_diplo(r.a); break;
        case DG_POLISH2: polish_diplo2(r.a, r.b); break;
        case DG_MOROCCAN: morrocan_diplo(r.a, r.b); break;
        case DG_IRANIAN: iranian_diplo(); break;
        case DG_PORTUGUESE: portuguese_diplo(); break;
        case DG_BRITISH_OLD: british_diplo_old(); break;
        case DG_VIETNAMESE: vietnamese_diplo(); break;
        case DG_ALBANIAN: albanian_diplo(r.a); break;
        case DG_SNN299: snn299(); break;
        case DG_CUBAN: cuban_diplo(r.a); break;
        case DG_NORWEGIAN: nor_diplo(r.a); break;
        case DG_BULGARIAN: bul_emba(r.a); break;
        case DG_MANAGUA: managua_msg(); break;
        case DG_ALGERIAN: algerian_diplo(r.a); break;
        case DG_BRUSSELS: brussels_mfa(); break;
        case DG_THAI: thai_mfa(); break;
        case DG_RED_CROSS: red_cross(r.a); break;
        default: break;
        }
    }
}

}  // namespace kestrel
