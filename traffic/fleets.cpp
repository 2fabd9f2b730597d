#include "traffic/fleets.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "procedures/predicates.h"
#include "procedures/procedures.h"
#include "procedures/send.h"
#include "procedures/sendf.h"
#include "state/receiver.h"
#include "synth/params.h"
#include "traffic/blocks.h"
#include "traffic/ship_coast.h"
#include "traffic/vessel_texts.h"
#include "traffic/vessels.h"

namespace kestrel {

namespace {

void pause(int a, int b) { wait(draw(a, b)); }
bool odd_with_draw(int row) { return ((static_cast<unsigned>(row) + myrand()) & 1u) != 0; }
bool british(const char *call) { return call[0] == 'G' || call[0] == 'M'; }
bool prefixed(const char *call, const char *prefix) { return call[0] == prefix[0] && call[1] == prefix[1]; }

// A coast station's traffic list opens with its call three times, unless the
// announcement already went out, and ends handing over to the ships.
void list_head(const char *coast_call) {
    if (!anm_sent) {
        char cq[80];
        textf(cq, sizeof cq, "CQ CQ CQ DE %s %s %s TFC LIST *    ", coast_call, coast_call, coast_call);
        send_times(cq, 3);
        wait(2);
    }
    send("HR TFC LIST = QTC FOR ");
}
void list_end(const char *coast_call) {
    sendf(" = + DE %s PSE K", coast_call);
    wait(4);
    send_stack("");
    anm_sent = 0;
}

}  // namespace

void tfc_anmt(const char *text) {
    send(text);
    send(text);
    anm_sent = 1;
}

void tfc_list(int style, int density, const char *coast_call) {
    list_head(coast_call);
    const int one_in = 4 * (density < 1 ? 1 : density);
    for (int row = 0; row < VSL_ROWS - 1; ++row) {
        if (draw(one_in) != 0) continue;
        if (style == 1) sendf("%s %s ", vsl[row], vsl[row]);
        else if (style == 2) sendf("%s/%s ", qra[row], vsl[row]);
        else sendf("%s ", vsl[row]);
        if (odd_with_draw(row)) ++row;  // the next one is not on this list
    }
    list_end(coast_call);
}

void national_tfc_list(int style, const char *coast_call, const char *prefix) {
    int first = 1;
    while (first < VSL_ROWS && !prefixed(vsl[first], prefix)) ++first;
    if (first >= VSL_ROWS) return;
    int last = first;
    while (last + 1 < VSL_ROWS && prefixed(vsl[last + 1], prefix)) ++last;
    list_head(coast_call);
    const int sure = first + static_cast<int>(myrand() % static_cast<unsigned>(last - first + 1));
    for (int row = first; row <= last; ++row) {
        if (row != sure && draw(2) != 0) continue;
        if (style == 1) sendf("%s %s ", vsl[row], vsl[row]);
        else if (style == 2) sendf("%s/%s ", qra[row], vsl[row]);
        else sendf("%s ", vsl[row]);
    }
    list_end(coast_call);
}

void gkb_tfc_list() {
    send_times("CQ CQ CQ DE GKB GKB GKB QSX 4 6 8 12 16 AND 22 = TFC LIST =    ", 2);
    wait(2);
    send("= TFC LIST =  ");
    const bool even_hour = t.wHour % 2 == 0;
    if (even_hour) send("GBTT ");
    for (int row = 0; row < VSL_ROWS - 1; ++row) {
        if (draw(16) != 0) continue;
        if (odd_with_draw(row)) ++row;
        if (even_hour) {
            // A run of British ships from here.
            while (row < VSL_ROWS - 1 && british(vsl[row])) {
                const bool qrj = draw(5) == 0, rtt = draw(7) == 0;
                if (rtt) sendf("%s/RTT ", vsl[row]);
                else if (qrj) sendf("%s/QRJ ", vsl[row]);
                else sendf("%s ", vsl[row]);
                row += 2;
                if (odd_with_draw(row)) row += draw(0, 2);
            }
        } else {
            while (row < VSL_ROWS - 1 && british(vsl[row])) ++row;
            if (row < VSL_ROWS - 1) sendf("%s ", vsl[row]);
        }
    }
    send(" + DE GKA +");
    wait(4);
    send_stack("");
}

void send_cq_anm(const char *call, const char *text) {
    pause(0, 2);
    sendf("CQ CQ CQ DE %s %s %s %s", call, call, call, text);
    send_stack("");
}

void nav_wng_anm(const char *call) {
    char cq[64];
    textf(cq, sizeof cq, "CQ CQ CQ DE %s %s %s NX *    ", call, call, call);
    send_times(cq, 3);
    send_stack("");
}

void national_fleet(const char *called, const char *prefix, int span) {
    const int row = find_base_vsl(prefix, span);
    if (row == 0) return;
    set_vsl(row);
    national_fleet_flag = 1;
    vsl_tfc(called);
}

void assigned_series(int slot) {
    if (slot < 2 || slot > 60) return;
    get_vsl();
    int count = 0;
    while (count < 3 && assigned_calls[slot][count][0]) ++count;
    if (count == 0) return;
    const char *call = assigned_calls[slot][count > 1 ? draw(count) : 0];
    for (int row = 0; row < VSL_ROWS; ++row) {
        if (std::strcmp(vsl[row], call) != 0) continue;
        set_vsl(row);
        national_fleet_flag = 2;
        vsl_tfc("");
        return;
    }
}

void russian_fleet(const char *coast_call, const char *, int span) {
    const int row = draw(span < 1 ? 1 : span) + (span == 19 ? 119 : 0);
    const char *ship = rus_vsl_cs[row < RUS_VSL_ROWS ? row : RUS_VSL_ROWS - 1];
    spd = draw(23, 33);
    switch (draw(5)) {
    case 0:
        sendf("%s %s de %s %s k", coast_call, coast_call, ship, ship);
        send_stack("");
        break;
    case 1: break;  // the ship is not heard this time
    case 2:
    case 3: {
        if (t.wSecond % 3 == 0) send("VVV     ");
        char call[80];
        if (t.wMilliseconds % 2 == 0)
            textf(call, sizeof call, "%s %s %s DE %s %s QTC K", coast_call, coast_call, coast_call, ship, ship);
        else textf(call, sizeof call, "%s DE %s %d K", coast_call, ship, draw(1, 11));
        send(call);
        if (cond(4)) {
            pause(3, 5);
            send(call);
        }
        pause(3, 5);
        send_stack("");
        break;
    }
    default:
        send(" ii ii");
        pause(8, 17);
        send("R QSL K");
        pause(2, 3);
        send("R TKS HR NIL 73 SU EE");
        wait(2);
        send_stack("EE");
        break;
    }
}

void port_radio(const char *port_call) {
    spd = draw(17, 26);
    qsa = 1;
    get_vsl();
    sendf("%s DE %s K", __vsl, port_call);
    pause(6, 8);
    send("ok ur qth nw ? k");
    pause(8, 10);
    send("ok qsl k");
    pause(4, 6);
    send_stack("ee");
}

void rcvg_obs_msg(const char *coast_call) {
    if (t.wHour % 3 != 0) return;
    get_vsl();
    fleet_style(__vsl);
    international_hello(coast_call, __vsl);
    send("CFM HR QSP OBS K");
    pause(4, 6);
    if (!cond(2)) send("QRV K");
    else sendf("%s DE %s %s QRV K", __vsl, coast_call, str2);
    pause(6, 9);
    if (t.wMinute % 3 == 0) {
        send("ii QRA? K");
        pause(5, 8);
    }
    pause(8, 15);
    if (t.wSecond % 4 == 0) {
        send("\" RPT AA BBXX K");
        pause(8, 15);
    }
    pause(20, 39);
    if (t.wSecond % 2 == 0) sendf("de %s rrr k", coast_call);
    else sendf("%s de %s qsl k", __vsl, coast_call);
    wait(3);
    send_stack(cond(2) ? "73 gb tu ee" : "73 tu ee");
}

void small_coast_station(const char *coast_call, int mode) {
    if (t.wSecond % 3 != 0) return;
    get_vsl();
    international_hello(coast_call, __vsl);
    hand = 1;
    if (mode > 127) bug();
    const int kind = mode & 127;
    if (kind == 1) {
        rcvg_obs_msg(coast_call);
        return;
    }
    if (kind != 0) return;
    if (t.wSecond % 2 == 0) {
        sendf("%s DE %s QRJ OK QSS? K", __vsl, coast_call);
        pause(4, 7);
        send_stack("= ee");
        return;
    }
    sendf("?? DE %s K", coast_call);
    pause(4, 7);
    sendf("%s DE %s %s nil K", __vsl, coast_call, str2);
    pause(6, 9);
    send_stack(t.wMinute % 2 == 0 ? "73 tu ee" : "gb tu ee");
}

void jap_fishery(const char *call, int mhz) {
    bug();
    hello();
    sendf("CQ CQ CQ DE %s %s  %s QRU? HR QRU QSX %d MHZ PSE K", call, call, str2, mhz);
    send_stack("");
}

void pch_blind() { send_still("CQ CQ CQ DE PCH PCH PCH = BLIND TFC QSW 4250/8622/12768/17103/22575 *    "); }
void pch_px() { send_still("CQ CQ CQ DE PCH PCH PCH = PX QSW 4250/8622/12768/17103/22575 *    "); }

void gkb_opchat(const char *marker) {
    static const char *const transmitters[5] = {"GKG", "GKH", "GKI", "GKJ", "GKK"};
    int digit = 7;
    switch (marine_band) {
    case 4: digit = 2; break;
    case 6: digit = 3; break;
    case 8: digit = 4; break;
    case 12: digit = 5; break;
    case 16: digit = 6; break;
    default: digit = 7; break;
    }
    if (t.wMinute % 2 == 1) send_times(marker, 2);
    hello();
    int turn = draw(2, 31);
    for (int i = 0; i < 5; ++i) {
        get_vsl();
        // Redrawn until British; bounded, though the register always has them.
        if (!cond(7))
            for (int tries = 0; tries < 10000 && !british(__vsl); ++tries) get_vsl();
        sendf("%s DE GKB %s QRY %d QSY %s%d K", __vsl, str2, turn, transmitters[draw(5)], digit);
        ++turn;
        wait(3);
        send("tu ee");
        wait(5);
    }
    send_times(marker, 5);
    send_stack("");
}

void russian_vsl() {
    stn();
    spd += 7;
    const int row = draw(136);
    const char *call = rus_vsl_cs[row], *ship = rus_vsl_qra[row];
    const int choice = draw(11);
    if (choice <= 8) {
        if (choice == 7) sendf("NW FM T/H %s/%s SVC %d t$k", ship, call, nr % 64 + 1);
        else sendf("NW FM T/H %s/%s NR%d >", ship, call, nr % 64 + 1);
        const RusTelegram &tg = rus_vsl_tgm[choice];
        char address[200], signature[60];
        fill_fields(address, sizeof address, tg.address, {{"NAME", rus_qtc_name[draw(32)]}});
        fill_fields(signature, sizeof signature, tg.signature, {{"SENDER", rus_qtc_sender[draw(12)]}});
        sendf("%d %u %u %02u00 MSK = %s = %s = %s = + ?K", tg.words, static_cast<unsigned>(t.wDay),
              static_cast<unsigned>(t.wMonth), static_cast<unsigned>(t.wHour), address, tg.text, signature);
    } else if (choice == 9) {
        send("OM UTO$NITE BLIND > 36 NR ? K");
    } else {
        sendf("DE %s QSL BLIND NR %d K", call, nr);
    }
    pause(5, 8);
    spd += 5;
    if (t.wMinute % 2 == 0) sendf("R NIL 73 GB SU DE %s EE", call);
    else sendf("EN SPB OMIK NIL 73 DE %s ]EE", call);
    send_stack("");
}

void rus_blind_tfc() {
    int rows[7];
    for (int &r : rows) r = draw(137);
    for (int r : rows) sendf("%s  %s  1  ", rus_vsl_cs[r], rus_vsl_cs[r]);
    send(" +  NW BLIND =");
    wait(2);
    spd = 30;
    for (int i = 0; i < 7; ++i) {
        const int r = rows[i];
        wait(2);
        nr = draw(10, 898);
        char radio[80];
        textf(radio, sizeof radio, "RADIO T/H %s %s = ", rus_vsl_qra[r], rus_qtc_name[draw(32)]);
        sendf("NW FOR %s  %s   FM %s %03d %d %02d %02d%02d = %s", rus_vsl_cs[r], rus_vsl_cs[r],
              rus_qtc_orig[std::rand() % 6], nr, rus_qtc_ck[i], t.wDay, t.wHour, t.wMinute, radio);
        send(rus_qtc_tab[i]);
        send(" = + ");
    }
    wait(2);
}

void rus_tracking_net() {
    stn();
    const char *station = rus_trkcst[draw(5)], *caller = rus_trknet[draw(10)];
    if (t.wSecond % 2 == 0) sendf("%s DE %s KRIPTOGRAMMA K", station, caller);
    else sendf("%s DE %s ZDR QRV F1B? K", station, caller);
    send_stack("");
}

void chess() {
    char g[STR_SIZE];
    ship_to_ship_call(g, sizeof g);
    dialog1f("%s OM MY MOVE %s OK? K", g, chess_moves[draw(6)]);
    dialog2f("OK YOUR MOVE %s K", chess_moves[draw(6)]);
    dialog1("OK OM QRX TMR SAME TIME K");
    dialog2("RR FB TKS QRX TMR  73 GB SEE U EE");
    dialog1("FB 73 GB SEE U EE");
    dialog2("EE");
    send_stack("");
}

void marine_qte(int kind, const char *station) {
    if (t.wSecond % 3 == 0 && !hist) return;
    stn();
    spd1 -= 3;
    spd2 -= 2;
    const int bearing = std::rand() % 359;
    const char *d = station ? station : "";
    const char *place = "";
    if (kind == 1) {
        d = gonio_375_dx[std::rand() % 8];
    } else if (kind == 2) {
        const int i = std::rand() % 105;
        d = gonio_375_sx[i];
        place = gonio_375_sx_nm[i];
    } else if (kind == 4) {
        d = gonio_410_sx[std::rand() % 7];
    }
    // The long signal on which the station takes the bearing.
    char long_signal[120] = "";
    if (d[0] == 'N')
        for (int i = 0; i < 28; ++i) std::strcat(long_signal, "MO");
    else
        for (int i = 0; i < 55; ++i) std::strcat(long_signal, "A");
    const int h = t.wHour, m = t.wMinute;
    if (kind == 4) {
        get_vsl();
        const char *s = __vsl;
        dialog1f("%s %s %s DE %s %s %s QTE? K", d, d, d, s, s, s);
        dialog2f("%s DE %s K", s, d);
        dialog1f("%s DE %s QTE? %s %s %s %s %s K", d, s, s, s, s, long_signal, s);
        dialog2f("%s DE %s QTE %03d/%s/%02d%02d/A K", s, d, bearing, d, h, m);
        dialog1f("%s DE %s %03d/%s/%02d%02d/A ? K", d, s, bearing, d, h, m);
        dialog2f("%s DE %s R ]", s, d);
    } else {
        const char *o = old_vsl[draw(137)];
        dialog1f("< %s %s %s DE %s %s %s %s = QTE? +", d, d, d, o, o, o, o);
        dialog2f("< %s DE %s +", o, d);
        dialog1f("< %s DE %s = QTE? %s %s %s %s = %s +", d, o, o, o, o, long_signal, o);
        if (kind == 3) dialog2f("< %s DE %s %03d AT %02d%02d = %s +", o, d, bearing, h, m, d);
        else dialog2f("< %s DE %s %s %03d AT %02d%02d = %s +", o, d, place, bearing, h, m, d);
        dialog1f("< %s DE %s < %03d AT %02d%02d ? +", d, o, bearing, h, m);
        dialog2f("< %s DE %s R ] %s", o, d, d);
    }
    send_stack("");
}

void old_vsl_qtc() {
    if (!hist) return;
    const int m = t.wMinute;
    if (((m >= 15 && m <= 17) || (m >= 45 && m <= 47)) && t.wSecond % 6 != 0) return;
    if (!cond(2)) bug();
    else hand = 1;
    const int row = draw(137);
    const char *ship = old_vsl[row], *ship_name = old_qra[row];
    const char *coast_call = old_coast[draw(4)];
    stn();
    spd -= 2;
    sendf("%s %s de %s %s k", coast_call, coast_call, ship, ship);
    wait(6);
    unsigned eta_day, eta_month;
    vsl_eta(t.wDay, t.wMonth, eta_day, eta_month);
    int p1, p2, n1, n2;
    two_rows(81, 1, 0, p1, p2);
    two_rows(22, 1, 2, n1, n2);
    char text[1024];
    fill_ship_telegram(text, sizeof text, 36, {eta_day, eta_month, draw(23), p1, p2, n1, n2});
    sendf("< %s de %s SS %s 1    %d %02d/%d %02d%02d = %s + %s k", coast_call, ship, ship_name, qtc_ck[36], t.wDay,
          t.wMonth, t.wHour, t.wMinute, text, ship);
    pause(4, 7);
    send_stackf("] %s", ship);
}

void drift_net_buoys(const char *text) {
    wait(1);
    send(text);
    wait(1);
    send_stack("");
}

void panocean_fleet() {
    stn();
    const int a = draw(8);
    int b = draw(8);
    if (b == a) b = (a + 1) % 8;
    sendf("%s %s %s DE %s %s %s K", panocean_fleet_net[a], panocean_fleet_net[a], panocean_fleet_net[a],
          panocean_fleet_net[b], panocean_fleet_net[b], panocean_fleet_net[b]);
    send_stack("");
}

}  // namespace kestrel
