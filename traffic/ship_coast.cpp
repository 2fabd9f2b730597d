#include "traffic/ship_coast.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

#include "procedures/predicates.h"
#include "procedures/procedures.h"
#include "procedures/send.h"
#include "procedures/sendf.h"
#include "state/receiver.h"
#include "traffic/blocks.h"
#include "traffic/vessel_texts.h"
#include "traffic/vessels.h"

namespace kestrel {

namespace {

constexpr const char *ERR = "\"";  // the error sign (eight dots)

void pause(int a, int b) { wait(draw(a, b)); }

}  // namespace

void fill_ship_telegram(char *out, std::size_t size, int k, const ShipTelegram &v) {
    char f_etaday[8], f_etamonth[8], f_etahour[8], f_day[8], f_month[8], f_hour[8], f_draught[8], f_qty[8],
        f_crew[8];
    std::snprintf(f_etaday, sizeof f_etaday, "%02u", v.eta_day);
    std::snprintf(f_etamonth, sizeof f_etamonth, "%02u", v.eta_month);
    std::snprintf(f_etahour, sizeof f_etahour, "%02d", v.eta_hour);
    std::snprintf(f_day, sizeof f_day, "%u", static_cast<unsigned>(t.wDay));
    std::snprintf(f_month, sizeof f_month, "%u", static_cast<unsigned>(t.wMonth));
    std::snprintf(f_hour, sizeof f_hour, "%02u", static_cast<unsigned>(t.wHour));
    std::snprintf(f_draught, sizeof f_draught, "%d.%d", draw(5, 11), draw(10));
    std::snprintf(f_qty, sizeof f_qty, "%d", draw(100, 349));
    std::snprintf(f_crew, sizeof f_crew, "%d", draw(20, 44));
    const unsigned mon = v.eta_month >= 1 && v.eta_month <= 12 ? v.eta_month - 1 : 0;
    fill_fields(out, size, k >= 0 && k < QTC_TEMPLATES && qtc_table[k] ? qtc_table[k] : "",
                {{"ETADAY", f_etaday}, {"ETAMONTH", f_etamonth}, {"ETAHOUR", f_etahour}, {"ETAMON", months[mon]},
                 {"PORT1", next_port[v.port1]}, {"PORT2", next_port[v.port2]}, {"NAME1", name[v.name1]},
                 {"NAME2", name[v.name2]}, {"DAY", f_day}, {"MONTH", f_month}, {"HOUR", f_hour},
                 {"DRAUGHT", f_draught}, {"QTY", f_qty}, {"CREW", f_crew}, {"SHIP", __qra}, {"CALL", __vsl}});
}

void vsl_eta(unsigned day, unsigned month, unsigned &eta_day, unsigned &eta_month) {
    eta_day = day + 1;
    eta_month = month;
    if (eta_day > 30) {
        eta_day = 1;
        eta_month += 1;
        // Mended: an ETA from the 30th or 31st of December would read month 13.
        if (eta_month > 12) eta_month = 1;
    }
}

void two_rows(int count, int if_same_a, int if_same_b, int &a, int &b) {
    a = draw(count);
    b = draw(count);
    if (a == b) a = if_same_a, b = if_same_b;
}

void _rcvg_qtc() {
    static const char *const words[16] = {"PROCEED", "HV",      "TO",     "VIA",  "MR",   "CAPT.", "NO.",     "ABT 4tt",
                                          "RE",      "SUPPLY", "YR",     "FROM", "NEXT", "IN",    "ARRIVAL", "BERTH"};
    pause(7, 10);
    if (t.wMinute % 3 == 0) {
        sendf("%s RPT PBL K", ERR);
        pause(4, 7);
    }
    pause(8, 15);
    if (t.wMinute % 5 == 0) {
        sendf("%s RPT ADS K", ERR);
        pause(8, 15);
    }
    const bool short_form = cond(2);
    sendf(short_form ? "%s ii %s ?" : "%s ii AA %s ?", ERR, words[draw(16)]);
    pause(8, 15);
    pause(8, 15);
    send(t.wSecond % 2 == 0 ? "rr qsl1 " : "qsl ");
}

void vsl_rcvg_qtc() {
    get_vsl();
    char ship[6];
    std::memcpy(ship, __vsl, sizeof ship);
    if (!cond(2)) sendf("^  de %s ga", ship);
    else sendf("vvv   %s  de %s qrv k", coast[coast_nr], ship);
    _rcvg_qtc();
    maritime_bye(ship);
    send_stack("");
}

void vsl_opchat() {
    stn();
    spd += 3;
    qsa = 1;
    get_vsl();
    if (find_qrc(__vsl)) {
        sendf("de %s my QRC %s %s k", __vsl, vsl_qrc_px_2[qrc_nr], vsl_qrc_px_2[qrc_nr]);
    } else {
        pause(0, 19);
        send(vsl_opchat_phrases[draw(36)]);
    }
    send_stack("");
}

void amver(int coast_row, int ship_row) {
    const char c = coast[coast_row][0];
    if (c == 'H' || c == 'R' || c == 'U') return;
    const bool second_form = draw(2) == 1;
    const unsigned day = t.wDay, hour = t.wHour;
    const unsigned next = static_cast<unsigned>(next_day() + 2);
    const unsigned next_hour = hour >= 23 ? 0 : hour + 1;
    char report[200];
    std::snprintf(report, sizeof report,
                  second_form ? "PR//A/%s/N/%s//B/%02u%02u00Z//C/3121N/03221E/PORT SAID/3102N/03201E/%02u%02u00Z %s/Z/EOR"
                              : "PR/A/%s/N/%s/B/%02u%02u00Z/C/3121N/03221E/PORT SAID/3102N/03201E/%02u%02u00Z %s/Z/EOR",
                  qra[ship_row], vsl[ship_row], day, hour, next, next_hour, months[(t.wMonth + 11) % 12]);
    sendf("%s DE %s AMVER K", coast[coast_row], vsl[ship_row]);
    pause(4, 7);
    sendf("NW FM M/V %s/%s MSG   %s + QSL? K", qra[ship_row], vsl[ship_row], report);
    pause(4, 6);
    maritime_bye(vsl[ship_row]);
    send_stack("");
}

void vsl_qtc(const char *called) {
    char body[2048];
    char whole[2400];
    int fixed = -1;
    for (int i = 0; i < QTC_700; ++i)
        if (std::strcmp(__vsl, qtc_700_cs[i]) == 0) fixed = i;  // the last match wins
    if (fixed >= 0) {
        sendf("< %s/%s ", __qra, __vsl);
        std::snprintf(body, sizeof body, "%s", qtc_700_tab[fixed]);
    } else {
        const char *v = __vsl;
        const char *ind = "M/V";
        if (v[0] == 'D' && v[1] >= 'A' && v[1] <= 'R') ind = "MS";
        if (v[0] == 'I' && called[0] == 'I') ind = "M/N";
        if (v[0] == 'L' && v[1] < 'O') ind = "M/S";
        if (v[0] == 'S' && v[1] < 'S') ind = "M/S";
        if (v[0] == 'K' || v[0] == 'W') ind = "S/S";
        if (v[0] == 'G' || v[0] == 'M') ind = "";
        const int type = find_specialistic_vsl();
        if (type != 255) {
            if (type == 22) ind = cond(4) ? "MT" : "M/T";
            if (type == 21) ind = cond(3) ? "ST" : "S/T";
            if (type == 2) ind = cond(3) ? "SS" : "S/S";
            if (type == 24) ind = cond(4) ? "FV" : "F/V";
            const bool e_both = v[0] == 'E' && v[1] < 'I' && called[0] == 'E' && called[0] && called[1] < 'I';
            if ((type == 22 || type == 21) && e_both) ind = "B/T";
            if (v[0] == 'C' && v[1] == 'S' && type == 1) ind = "N/M";
            if (v[0] == 'P' && v[1] == 'P' && (type == 1 || type == 6)) ind = "N/M";
            if (v[0] == 'P' && v[1] == 'P' && type == 22) ind = "N/T";
        }
        unsigned eta_day, eta_month;
        vsl_eta(t.wDay, t.wMonth, eta_day, eta_month);
        const int eta_hour = draw(23);
        int p1, p2, n1, n2;
        two_rows(81, 1, 0, p1, p2);
        two_rows(22, 1, 2, n1, n2);
        const int adr_row = draw(33);
        draw(54);  // the office of origin, not used by ship telegrams
        int k = draw(53);
        if (cond(2)) {
            if (v[0] == 'D' && v[1] >= 'A' && v[1] <= 'R') k = 70;
            else if (v[0] == 'S' && (v[1] == 'P' || v[1] == 'Q')) k = 80 + draw(3);
            else if (v[0] == 'T' && v[1] == 'C') k = 90 + draw(2);
        }
        if (type == 14 || type == 15) k = 38;
        ShipTelegram v_{eta_day, eta_month, eta_hour, p1, p2, n1, n2};
        char text[1024];
        fill_ship_telegram(text, sizeof text, k, v_);
        char pre[160];
        const int nr_ = draw(1, 9);
        const unsigned ck = static_cast<unsigned>(qtc_ck[k]), d = t.wDay, mo = t.wMonth, h = t.wHour, mi = t.wMinute;
        switch (draw(6)) {
        case 0:
        case 4:
            std::snprintf(pre, sizeof pre, "NW FM %s %s/%s NR %d > %u %u/%u %02u%02u UTC", ind, __qra, __vsl, nr_, ck, d,
                          mo, h, mi);
            break;
        case 1:
            std::snprintf(pre, sizeof pre, "< FM %s %s/%s NR %d > %u %u %u %02u%02u GMT", ind, __qra, __vsl, nr_, ck, d,
                          mo, h, mi);
            break;
        case 2:
            std::snprintf(pre, sizeof pre, "NW FM %s %s/%s NR %d > %u %u/%u %02u%02u LT", ind, __qra, __vsl, nr_, ck, d,
                          mo, h, mi);
            break;
        case 3:
            std::snprintf(pre, sizeof pre, "VVV  <<  NW FM %s %s/%s NR %d > %u %u/%u %02u%02u LT", ind, __qra, __vsl,
                          nr_, ck, d, mo, h, mi);
            break;
        default: std::snprintf(pre, sizeof pre, "< %s NR %d %u %u %02u%02u", __qra, nr_, ck, d, h, mi); break;
        }
        if (qtc_ads[k] == 201) std::snprintf(body, sizeof body, "%s = %s = %s", pre, adr[adr_row], text);
        else std::snprintf(body, sizeof body, "%s = %s", pre, text);
    }
    switch (draw(6)) {
    case 0: std::snprintf(whole, sizeof whole, "%s + K", body); break;
    case 1: std::snprintf(whole, sizeof whole, "%s + HW", body); break;
    case 2: std::snprintf(whole, sizeof whole, "%s + HW? K", body); break;
    case 3: std::snprintf(whole, sizeof whole, "%s = + NIL K", body); break;
    case 4: std::snprintf(whole, sizeof whole, "%s + NIL K", body); break;
    default: std::snprintf(whole, sizeof whole, "%s + NIL DE %s K", body, __vsl); break;
    }
    if (cond(3)) qtc_qsk(whole);
    else send(whole);
    pause(4, 6);
    maritime_bye(__vsl);
    send_stack("");
}

void vsl_tfc(const char *called) {
    if (t.wMilliseconds % 4 == 0) {
        // Mended: the aside draws a ship of its own; a ship already chosen by
        // its national fleet is kept for the exchange rather than lost to it.
        char kept_vsl[sizeof __vsl], kept_qra[sizeof __qra];
        const int kept_nr = vsl_nr;
        std::memcpy(kept_vsl, __vsl, sizeof kept_vsl);
        std::memcpy(kept_qra, __qra, sizeof kept_qra);
        vsl_opchat();
        if (national_fleet_flag) {
            std::memcpy(__vsl, kept_vsl, sizeof __vsl);
            std::memcpy(__qra, kept_qra, sizeof __qra);
            vsl_nr = kept_nr;
        }
    }
    stn();
    ton = draw(600, 1999);
    spd = draw(18, 29);
    const unsigned r1 = myrand(), r2 = myrand();
    const int chosen_by_fleet = national_fleet_flag;
    if (!national_fleet_flag) {
        get_vsl();
        if ((__vsl[0] == 'K' || __vsl[0] == 'W') && cond(2)) get_vsl();  // fewer American ships
    }
    national_fleet_flag = 0;
    fleet_style(__vsl);
    international_hello(called, __vsl);
    char greeting[STR_SIZE];
    std::snprintf(greeting, sizeof greeting, "%s", str2);
    const char *L = called[0] ? called : coast[coast_nr];
    int c = draw(11);
    if (c == 6 && (called[0] == 'U' || coast[coast_nr][0] == 'U')) c = 7;
    switch (c) {
    case 0:
    case 1:
    case 2: vsl_rcvg_qtc(); break;
    case 3:
    case 4:
    case 5:
        if (t.wSecond % 3 == 0) send("VVV     ");
        if (t.wSecond % 4 == 0) send("< <    ");
        if (t.wSecond % 5 == 0) send("^ ^     ");
        if (t.wMilliseconds % 2 == 1) sendf("%s DE %s", L, __vsl);
        else sendf("%s %s DE %s %s %s", L, L, __vsl, __vsl, greeting);
        send(cond(2) ? " QTC K" : " MSG K");
        pause(4, 7);
        vsl_qtc(called);
        break;
    case 6:
        sendf("%s DE %s TR K", coast[coast_nr], __vsl);
        pause(4, 6);
        sendf("DE %s TR %s BND %s K", __vsl, vsl_qth[r2 % 21], next_port[r1 % 81]);
        pause(4, 6);
        send("R TU SU");
        pause(1, 2);
        send_stack("E E");
        break;
    case 7:
        send(" ii ii");
        pause(8, 17);
        send("R QSL K");
        pause(2, 3);
        send("R TKS HR NIL 73 SU EE");
        wait(2);
        send_stack("EE");
        break;
    case 8:
        // Soviet ships and stations, and the national series, send no AMVER report.
        if (__vsl[0] == 'U' || called[0] == 'U' || chosen_by_fleet) break;
        amver(coast_nr, vsl_nr);
        break;
    case 9:
        sendf(cond(2) ? "PSE QSJ TO %s K" : "PSE CC LL TO %s K", country[draw(61)]);
        pause(8, 13);
        send("rr tks nw nil gb su ee");
        pause(4, 7);
        send_stack("ee");
        break;
    default:
        if (cond(2)) send("VVV VVV +");
        else sendf("vvv  vvv  vvv test de %s +", __vsl);
        send_stack("");
        break;
    }
}

void coast_qtc(int, const char *coast_call, const char *place) {
    get_vsl();
    if (__vsl[0] == 'F') french_hello();
    else international_hello(coast_call, __vsl);
    const char *v = __vsl, *c = coast_call;
    const char *tmpl = coast_qtc_common[draw(COAST_QTC_COMMON)];
    if (v[0] == 'L' && v[1] < 'O' && c[0] == 'L' && c[1] < 'O') tmpl = coast_qtc_norwegian;
    else if (v[0] == 'O' && v[1] > 'T' && c[0] == 'O' && c[1] > 'T') tmpl = coast_qtc_danish;
    else if (v[0] == 'P' && v[1] < 'K' && c[0] == 'P' && c[1] < 'K') tmpl = coast_qtc_dutch;
    const int port = draw(82), office = draw(54);
    opchat_nr = draw(7);
    const int sign = draw(22);
    char n1[8], n2[8];
    std::snprintf(n1, sizeof n1, "%d", draw(10, 99));
    std::snprintf(n2, sizeof n2, "%d", draw(100, 999));
    wait(0);
    if (t.wSecond % 2 == 1) spacing = 3;
    if (spd < 17) spd = 20;
    else if (spd > 27) spd -= 3;
    sendf("%s %s QTC1 GA?", __vsl, str2);
    pause(2, 3);
    char designation[40];
    if (!place || !place[0]) std::snprintf(designation, sizeof designation, " %s ", coast_call);
    else std::snprintf(designation, sizeof designation, " %sRADIO ", place);
    char f_nr[12], f_day[8], f_month[8], f_hour[8], f_min[8];
    std::snprintf(f_nr, sizeof f_nr, "%d", nr);
    std::snprintf(f_day, sizeof f_day, "%u", static_cast<unsigned>(t.wDay));
    std::snprintf(f_month, sizeof f_month, "%u", static_cast<unsigned>(t.wMonth));
    std::snprintf(f_hour, sizeof f_hour, "%02u", static_cast<unsigned>(t.wHour));
    std::snprintf(f_min, sizeof f_min, "%02u", static_cast<unsigned>(t.wMinute));
    char text[1200];
    fill_fields(text, sizeof text, tmpl,
         {{"ORIGIN", origin[office]}, {"NR", f_nr}, {"DAY", f_day}, {"MONTH", f_month}, {"HOUR", f_hour},
          {"MIN", f_min}, {"MON", months[(t.wMonth + 11) % 12]}, {"SHIPNAME", __qra}, {"CALL", __vsl},
          {"D", designation}, {"PORT", next_port[port]}, {"SIGN", name[sign]}, {"N1", n1}, {"N2", n2}});
    char whole[1300];
    std::snprintf(whole, sizeof whole, "%s %s", text, opchat_tail[opchat_nr]);
    if (cond(3)) qtc_qsk(whole);
    else send(whole);
    pause(4, 7);
    maritime_bye(coast_call);
    spd -= 3;
    wait(1);
}

void coast_ans_vsl(int, const char *coast_call, const char *place) {
    if (cond(2)) get_vsl();
    else find_fleet(coast_call);
    spd = spd < 17 ? 18 : spd + 3;
    const unsigned r = myrand();
    if (t.wMilliseconds % 5 == 0) {
        coast_qtc(vsl_nr, coast_call, place);
        return;
    }
    get_channel(marine_band);
    if (__vsl[0] == 'F') french_hello();
    else international_hello(coast_call, __vsl);
    pause(0, 2);
    char S[6], W[STR_SIZE], G[STR_SIZE];
    std::memcpy(S, __vsl, sizeof S);
    std::snprintf(W, sizeof W, "%s", str3);
    std::snprintf(G, sizeof G, "%s", str2);
    const char *L = coast_call;
    auto script5_tail = [&] {
        sendf("R %s %s  NIL QRU?", S, G);
        pause(2, 3);
        send("UP EE");
        pause(4, 8);
        send("K");
        pause(10, 29);
        send("II II ?");
        pause(20, 39);
        send("QSL 1");
        wait(5);
        send("73 TU EE");
    };
    switch (r % 33) {
    case 0:
        sendf(" %s DE %s %s QSA%d K", S, L, G, draw(2, 4));
        pause(3, 5); send("GA"); pause(30, 69); send("QSL K"); wait(4); send("NIL GB 73 SU EE");
        break;
    case 1:
        sendf(" %s %s %s QSA%d NIL QRU? K", S, S, G, draw(2, 4));
        pause(3, 5); send("OK UP?"); pause(3, 4); sendf("UP %s = EE", W); pause(6, 9); send("VVV K");
        pause(3, 4); send("OK GA"); pause(40, 69); send("R QSL K"); wait(4); send("TKS NIL GB 73 TU EE");
        break;
    case 2:
        sendf(" %s %s DE %s %s QSS?", S, S, L, G);
        pause(3, 5); send("UP = EE"); pause(6, 13); send("VVV K"); wait(8); send("QRV K"); pause(30, 59);
        send("QSL NIL 73 TU SUEE");
        break;
    case 3:
        sendf(" %s %s QRU?", S, G);
        pause(3, 5); send("EN ="); wait(8); send("GA"); pause(10, 29); send("II II ?"); pause(20, 39);
        send("EN QSL K"); wait(5); send("EN 73 GB TU EE");
        break;
    case 4:
        send("AGN K"); pause(5, 9); send("ROK"); pause(6, 9); send("QSL K"); pause(4, 7); send("73 SU EE");
        break;
    case 5:
        // The third character of the call is sent by its character code.
        sendf(" %d ?", static_cast<unsigned char>(S[2]));
        pause(2, 3);
        script5_tail();
        break;
    case 6:
        sendf("QSJ CC 3.%d GFS LL 0.%d GFS K", draw(0, 98), draw(0, 98));
        script5_tail();
        break;
    case 7:
        sendf("%s  ?", ERR); pause(10, 29); send("R QSL K"); wait(5); send("HR NIL 73 GB TU SU EE");
        break;
    case 8:
        send("II II DE?"); pause(3, 4); sendf("^ %s %s QTC?", S, G); pause(4, 6); send("R UP?"); pause(4, 6);
        send("=EE"); pause(8, 11); sendf("%s %s QRM PSE UP %s", S, ERR, W); pause(1, 3); send("=EE");
        pause(8, 10); send("^ NW FB GA"); pause(30, 69); send("EN FB QSL ERE NEEL K"); pause(4, 6);
        send("EN 73 GB SUEE");
        break;
    case 9:
        for (int i = 0; i < 2; ++i) {
            sendf(" %s  %s  %s  PSE UP %s K", S, S, S, W);
            pause(8, 11);
        }
        send("SRI OM NIL CPI PSE TRY LTR NW 73 ]EE");
        break;
    case 10:
        send("DE?"); pause(4, 5); sendf("%s  %s QRU? K", S, G); pause(4, 7); send("R UP E E");
        break;
    case 11:
        sendf(" %s %s DE %s %s QSS?", S, S, L, G);
        pause(3, 5); send("UP = EE"); pause(8, 15); sendf(" %s QSV VVV K", S); wait(6); send("GA"); pause(30, 59);
        send("R QSL1 HR NIL 73 TU SUEE");
        break;
    case 12:
        sendf(" %s  %s  %s DE %s K", S, S, S, L);
        pause(5, 12); send("NIL PSE AGN K"); pause(5, 12); sendf("%s PSE QSV K", S); pause(6, 13);
        send("^ NW OK PSE GA"); pause(30, 59); sendf("%s OK QSL HR NIL 73 BV TU E E", S); wait(6); send("E E");
        break;
    case 13: {
        sendf("^ %s %s QRY2*", S, G);
        pause(6, 9);
        get_vsl();
        char S2[6];
        std::memcpy(S2, __vsl, sizeof S2);
        sendf("NW %s %s GA", S2, S2); pause(12, 19); sendf("ii   %s ETA?", S2); pause(12, 19);
        sendf("^ %s QSL1 ERE NIL K", S2); wait(6); send("73 TU EE"); pause(3, 4);
        sendf("^ NW %s %s %s AGN NW QRV PSE K", S, S, G); pause(12, 19); sendf("ii ii  %01dtt ??k", draw(0, 22));
        pause(12, 19); send("OK QSL  73 TU SU EE");
        break;
    }
    case 14:
        sendf("^ ^    %s   %s   %s  K", S, S, S); pause(6, 9);
        sendf("^ ^    %s   %s   %s  K", S, S, S); pause(12, 19);
        send("NIL NIL NW 73 TU EE");
        break;
    case 15: send("DE ? K"); pause(4, 11); break;
    case 16:
        sendf("R QSU %s = ee", W); pause(8, 11); send("ER?"); pause(6, 9); sendf("%s   %s   K", S, S); pause(8, 15);
        break;
    case 17:
        sendf("%s QRA? K", S); pause(4, 7); send("OK UR QTH? K"); pause(4, 7); send("RR *M"); pause(4, 7);
        sendf("^ %s NW QRV K", S); pause(45, 64); sendf("^ %s QSL NIL K", S); pause(4, 7);
        sendf("R 73 DE %s SEE Uee", L);
        break;
    case 18:
        send("QRC? K"); pause(4, 7); send("R GA"); pause(30, 59); sendf("%s QSL1 ERE NIL K", S); pause(3, 5);
        send("TU SUEE");
        break;
    case 19:
        send("ii QRC? K"); pause(2, 5); sendf("ii UR QRC %s ? K", qrc[draw(11)]); pause(2, 4); send("R GA");
        break;
    case 20:
    case 21:
        _rcvg_qtc();
        maritime_bye(L);
        break;
    case 22: send("DE? K"); pause(4, 11); break;
    case 23: {
        const int n = draw(1, 10);
        nr = n + 1;
        sendf("QSL NR %d K", n); pause(3, 4); send("K"); wait(5);
        _rcvg_qtc();
        maritime_bye(L);
        break;
    }
    case 24: sendf("? %s %s ?", S, S); pause(4, 7); sendf("RR %s %s OK K", S, S); break;
    case 25: send("pse vvvv k"); pause(4, 11); break;
    case 26:
        send(" ^ UR IMO? K"); pause(3, 10); send("RROK  NW GA"); pause(30, 59); send("QSL NIL 73 TU SUEE");
        break;
    case 27: sendf(" %s PLS CALL US IN 5 MINTS +", S); pause(3, 10); break;
    case 28: sendf("DE %s %s PLS CALL US IN 5 MIN OK?K", L, G); break;
    case 29: sendf("%s %s hr qru k", S, G); pause(3, 6); send("73 TU SUEE"); break;
    case 30: sendf("%s de %s qru k", S, L); pause(3, 6); send("TU ee"); break;
    case 31: sendf("%s de %s qap qrx k", S, L); break;
    default: sendf("%s k", S); pause(3, 5); send("c qsy fone k"); pause(3, 5); send("ee"); break;
    }
}

void coast_station_ex(const char *marker, const char *coast_call, const char *place) {
    GetSystemTime(&t);
    const int own_spd = spd, own_ton = ton, own_qsa = qsa;
    coast_opchat = 1;
    if (!cond(2)) {
        send_still(marker);
    } else {
        if (t.wMilliseconds % 3 == 0) send_times(marker, draw(1, 4));
        spd += 4;
        create_params();
        coast_ans_vsl(marine_band, coast_call, place);
        wait(3);
        if (!cond(10)) {
            spd = own_spd;
            ton = own_ton;
            qsa = own_qsa;
            create_params();
            send_times(marker, 12);
        }
        send_stack("");
    }
    coast_opchat = 0;
}

void vsl_clg_coast() {
    for (int pass = 0; pass < draw(2, 4); ++pass) {
        const int p = draw(22);
        get_vsl();
        if (cond(2)) find_fleet(coast[coast_nr]);
        ton = draw(600, 1799);
        spd = draw(17, 30);
        qsa = draw(1, 4);
        fleet_style(__vsl);
        international_hello(coast[coast_nr], __vsl);
        pause(0, 2);
        get_channel(marine_band);
        char L[5];
        std::snprintf(L, sizeof L, "%s", coast[coast_nr]);
        if (std::strcmp(L, "LGB") == 0) {
            if (marine_band == 4) std::snprintf(L, sizeof L, "LGW");
            else if (marine_band == 6) std::snprintf(L, sizeof L, "LGU");
            else if (marine_band == 12) std::snprintf(L, sizeof L, "LGJ");
            else if (marine_band == 16) std::snprintf(L, sizeof L, "LGX");
        }
        if (marine_band == 22) {
            if (t.wHour < 6) {
                std::snprintf(L, sizeof L, "%s", coast22reg3f[draw(32)]);
                qsa = draw(0, 2);
            } else if (t.wHour < 12) {
                std::snprintf(L, sizeof L, "%s", coast22reg1_3m[draw(62)]);
            } else if (t.wHour < 16) {
                if (cond(2)) std::snprintf(L, sizeof L, "%s", coast22reg1_3m[draw(62)]);
                else std::snprintf(L, sizeof L, "%s", coast22reg2[draw(24)]);
            } else {
                std::snprintf(L, sizeof L, "%s", coast22reg2[draw(24)]);
                qsa = draw(0, 2);
            }
        }
        const char *S = __vsl;
        char G[STR_SIZE], W[STR_SIZE];
        std::snprintf(G, sizeof G, "%s", str2);
        std::snprintf(W, sizeof W, "%s", str3);
        auto then_qsw = [&] {
            if (!cond(2)) return;
            pause(4, 7);
            sendf("R QSW %s K", W);
            pause(3, 5);
            send("= ee");
        };
        switch (p) {
        case 0:
            sendf("%s %s %s DE %s %s %s K", L, L, L, S, S, S); pause(4, 7); sendf("%s QRU? NIL K", G); pause(3, 5);
            send("tu ee");
            break;
        case 1:
            sendf(" %s %s DE %s %s K", L, L, S, S); pause(4, 7); sendf("%s QTC1 QSW %s K", G, W); pause(3, 5);
            send("= ee");
            break;
        case 2: sendf("%s DE %s QRU? K", L, S); then_qsw(); break;
        case 3: sendf(" %s %s DE %s %s %s QRU? K", L, L, S, S, G); then_qsw(); break;
        case 4:
            sendf("%s %s DE %s %s QTC K", L, L, S, S); pause(5, 9); sendf("%s %s DE %s %s QTC K", L, L, S, S);
            then_qsw();
            break;
        case 5:
            sendf(" %s %s DE %s %s %s PSE QSA?/QRK? K", L, L, S, S, G); pause(6, 11);
            send("R TKS OM HR QSA 4 FB QRU 73 GB TU SUee"); pause(3, 5); send("ee");
            break;
        case 6: send("UP E E"); break;
        case 7: sendf(" %s DE %s K", L, S); pause(5, 9); break;
        case 8: sendf("%s     %s     %s     %s     %s  DE  %s  %s  K", L, L, L, L, L, S, S); break;
        case 9: sendf(" %s   %s   %s DE  %s  %s  %s K", L, L, L, S, S, S); break;
        case 10: sendf("%s    %s    %s    %s    %s", L, L, L, L, L); break;
        case 11: sendf(" %s  %s  %s  DE  %s  %s MSG K", L, L, L, S, S); then_qsw(); break;
        case 12: sendf("%s  %s  DE  %s  %s MSGS K", L, L, S, S); then_qsw(); break;
        case 13: sendf("%s  %s  DE  %s  %s  URG  MSG  K", L, L, S, S); then_qsw(); break;
        case 14:
            sendf(" ^    %s        %s        %s        DE    %s    %s   K", L, L, L, S, S); pause(5, 9);
            break;
        case 15: sendf("%s     %s     %s", L, L, L); pause(5, 9); break;
        case 16: spd += 3; send("VVVV  TEST"); break;
        case 17: sendf(" TEST DE %s +", S); break;
        case 18:
            sendf("%s     %s     %s", L, L, L); pause(6, 11);
            if (cond(2)) sendf("%s     %s     %s", L, L, L);
            pause(4, 7); sendf("DE %s %s OM QRJ ? K", S, G); pause(4, 7); send("R =ee");
            break;
        case 19: sendf(" %s   %s   %s DE %s  %s  %s  %s QTC K", L, L, L, S, S, S, G); then_qsw(); break;
        case 20: sendf(" %s   %s   %s DE  %s  %s  %s  %s QRU? K", L, L, L, S, S, S, G); then_qsw(); break;
        default: sendf(" %s  %s DE %s %s OBS K", L, L, S, S); then_qsw(); break;
        }
        wait(4 + std::rand() % 5);
        send_stack("");
    }
}

void ship_to_ship_call(char *greeting, std::size_t size) {
    stn();
    const int a = draw(VSL_ROWS - 1);
    int b = draw(VSL_ROWS - 1);
    while (b == a) b = draw(VSL_ROWS - 1);
    vsl_nr1 = a;
    vsl_nr2 = b;
    fleet_style(vsl[b]);
    international_hello(vsl[a], vsl[b]);
    std::snprintf(greeting, size, "%s", str2);
    dialog1f("%s %s DE %s %s K    ", vsl[a], vsl[a], vsl[b], vsl[b]);
    dialog2f("%s DE %s %s K", vsl[b], vsl[a], greeting);
}

void vsl2vsl_tfc() {
    char G[STR_SIZE];
    ship_to_ship_call(G, sizeof G);
    const int a = vsl_nr1, b = vsl_nr2;
    dialog1f("%s UR QTH? K", G);
    dialog2f("IM QTO %s K", next_port[a % 82]);
    dialog1f("R HR QTP %s K", next_port[b % 82]);
    dialog2("CFM OM HAVE A NICE TIME THERE K");
    dialog1("TKS OB BON VOYAGE 73 SU EE");
    dialog2("73 SEE U EE");
    dialog1("E E");
    send_stack("");
}

void coast_qsx(const char *coast_call) {
    stn();
    if (t.wSecond % 3 == 0) {
        get_vsl();
    } else {
        for (int i = 0; i < 100; ++i) {
            get_vsl();
            if (__vsl[0] == coast_call[0]) break;
        }
    }
    fleet_style(__vsl);
    international_hello(coast_call, __vsl);
    char text[96];
    if (t.wMinute % 2 == 0) textf(text, sizeof text, "%s DE %s K", coast_call, __vsl);
    else textf(text, sizeof text, "%s %s %s DE %s %s %s K", coast_call, coast_call, coast_call, __vsl, __vsl, __vsl);
    send_cond(text);
}

void obs_tfc(const char *coast_call, const char *text) {
    const int h = t.wHour;
    if (h % 3 == 2) return;  // 02, 05, 08 ... 23: the synoptic hour itself
    if ((ct(300, 500) || ct(900, 1100) || ct(1500, 1700) || ct(2100, 2300)) && cond(2)) return;
    stn();
    get_vsl();
    fleet_style(__vsl);
    if (!cond(3)) sendf(" DE %s OBS K", __vsl);
    else sendf("%s DE %s OBS K", coast_call, __vsl);
    pause(4, 6);
    sendf("< %s/%s NR %d >NO %d %02d%02d = %s = ", __qra, __vsl, draw(1, 3), t.wDay, t.wHour, t.wMinute, text);
    const unsigned d = t.wDay, hh = t.wHour;
    if (draw(2) == 0)
        sendf("BBXX %s %02u%02u3 99404 70505 42498 62114 10222 2021/ 40228 52015 81804 22224 00184 20203 304// 40905 + "
              "NIL K",
              __vsl, d, hh);
    else
        sendf("BBXX %s %02u%02u4 99480 70149 41397 51327 10161 2014/ 49960 54000 72582 854// 22224 00123 21107 + NIL K",
              __vsl, d, hh);
    if (cond(4)) sz = 1;
    pause(4, 6);
    maritime_bye(__vsl);
    send_stack("");
    sz = 0;
}

}  // namespace kestrel
