#include "traffic/weather.h"

#include <cctype>
#include <cstdarg>
#include <cstdlib>
#include <cstdio>
#include <cstring>

#include "procedures/predicates.h"
#include "procedures/send.h"
#include "procedures/sendf.h"
#include "state/receiver.h"
#include "synth/params.h"
#include "traffic/blocks.h"
#include "traffic/fleets.h"
#include "traffic/vessels.h"

namespace kestrel {

namespace {

// A warning number "NNN/YY" of this year ends at the stroke p: its number, or -1.
int warning_at(const char *text, const char *p, int yy) {
    if (p - text < 3) return -1;
    const char *d = p - 3;
    auto digit = [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; };
    if (!digit(d[0]) || !digit(d[1]) || !digit(d[2]) || !digit(p[1]) || !digit(p[2]) || digit(p[3])) return -1;
    if (d > text && digit(d[-1])) return -1;
    if ((p[1] - '0') * 10 + (p[2] - '0') != yy) return -1;
    return (d[0] - '0') * 100 + (d[1] - '0') * 10 + (d[2] - '0');
}

// The warnings of a NAVAREA bulletin are numbered through the year ("612/26"):
// the numbers written in a bulletin are those of its area about the first of
// July, and are moved to where the area's series stands on the clock's day,
// at the area's own rate. A warning that falls before the first of the year
// (one being cancelled in January) keeps last year's series and year.
void renumber_warnings(char *text, size_t size) {
    const int yy = t.wYear % 100;
    int highest = 0;
    for (const char *p = std::strchr(text, '/'); p; p = std::strchr(p + 1, '/'))
        if (warning_at(text, p, yy) > highest) highest = warning_at(text, p, yy);
    if (highest <= 0) return;
    const int per_year = highest * 365 / 182;
    const int shift = per_year * (day_of_year() - 182) / 365;
    char out[8192];
    size_t n = 0;
    const char *from = text;
    for (const char *p = std::strchr(text, '/'); p; p = std::strchr(p + 1, '/')) {
        int nr = warning_at(text, p, yy);
        if (nr < 0) continue;
        int year = yy;
        nr += shift;
        if (nr < 1) {
            nr += per_year;
            year = (yy + 99) % 100;
        }
        const size_t keep = static_cast<size_t>(p - 3 - from);
        if (n + keep + 16 >= sizeof out) break;
        std::memcpy(out + n, from, keep);
        n += keep;
        n += static_cast<size_t>(std::snprintf(out + n, sizeof out - n, "%03d/%02d", nr, year));
        from = p + 3;
    }
    const size_t rest = std::strlen(from);
    if (n + rest + 1 > sizeof out || n + rest + 1 > size) return;
    std::memcpy(out + n, from, rest + 1);
    std::memcpy(text, out, n + rest + 1);
}

// A fixed bulletin with its date fields filled from the clock, sent as it stands.
void send_bulletin(const char *text) {
    char day[4], hour[4], min[4], month[4], yy[4], syn[4], next[4];
    std::snprintf(day, sizeof day, "%02d", t.wDay % 100);
    std::snprintf(hour, sizeof hour, "%02d", t.wHour % 100);
    std::snprintf(min, sizeof min, "%02d", t.wMinute % 100);
    std::snprintf(month, sizeof month, "%d", t.wMonth % 100);
    std::snprintf(yy, sizeof yy, "%02d", t.wYear % 100);
    std::snprintf(syn, sizeof syn, "%02d", meteo_hour());
    const char *mon = months[(t.wMonth + 11) % 12];
    const char *weekday = dayname[(t.wDayOfWeek + 6) % 7];  // Monday first
    std::snprintf(next, sizeof next, "%02d", next_day() % 100);
    static char out[8192];
    fill_fields(out, sizeof out, text ? text : "",
                {{"DAY", day}, {"HOUR", hour}, {"MIN", min}, {"MONTH", month}, {"MON", mon}, {"YY", yy},
                 {"SYN", syn}, {"NEXTDAY", next}, {"WEEKDAY", weekday}});
    if (std::strstr(out, "NAVAREA")) renumber_warnings(out, sizeof out);
    send(out);
}

// A call-up of `call` three times around the middle words, then blanks.
void call_up(const char *head, const char *call, const char *tail, int blanks, int times) {
    char text[160];
    int n = std::snprintf(text, sizeof text, "%s %s %s %s %s", head, call, call, call, tail);
    for (int i = 0; i < blanks && n + 1 < int(sizeof text); ++i) text[n++] = ' ';
    text[n < int(sizeof text) ? n : int(sizeof text) - 1] = 0;
    send_times(text, times);
}

void send_group(const char *format, ...) __attribute__((format(printf, 1, 2)));
void send_group(const char *format, ...) {
    va_list args;
    va_start(args, format);
    std::vsnprintf(str, STR_SIZE, format, args);
    va_end(args);
    send(str);
}

}  // namespace

int meteo_hour() {
    if (t.wHour < 6) return 0;
    if (t.wHour < 12) return 6;
    if (t.wHour < 18) return 12;
    return 18;
}

void f13_code(const char *p) {
    const int a = draw(99), b = draw(99), c = draw(2, 6), d = draw(2, 7), e = draw(9);
    const int f = draw(99), g = draw(3, 6), h = draw(0, 3);
    send_group("%s%02d %02d%01d%01d%01d %02d%01d%01d%01d ", p, a, b, c, d, e, f, g, h, e);
}

void f11_code(const char *p) {
    f13_code(p);
    const int a = draw(30), b = draw(26), c = draw(9), d = draw(9), e = draw(9), f = draw(1, 29);
    send_group("%02d0%02d %01d%01d%01d%02d ", a, b, c, d, e, f);
}

void f111_code(const char *p) {
    f11_code(p);
    const int a = draw(99), b = draw(999);
    send_group("%02d%03d ", a, b);
}

void china_code(const char *p) {
    const int a = draw(99), b = draw(3, 6), c = draw(99), d = draw(30), e = draw(26);
    send_group("%s %02d%01d%02d %02d0%02d ", p, a, b, c, d, e);
}

void ukr_code(const char *p) {
    const int a = draw(200), b = a + draw(50);
    const int a1 = draw(10), a2 = draw(2, 8), a3 = draw(0, 3), a4 = draw(8, 27);
    const int b1 = draw(10), b2 = draw(2, 8), b3 = draw(0, 3), b4 = draw(8, 27);
    const int last = draw(99);
    send_group("%s %03d%02d %d%d%02d %03d%02d %d%d%02d %03d%02d = ", p, a, a1, a2, a3, a4, b, b1, b2, b3, b4,
               2 * ((b - a) / 10), last);
}

void wx_code(const char *call, const char *header, int kind, const char (*stations)[4], int count) {
    call_up("CQ CQ CQ DE", call, "METEO *", 12, 2);
    wait(1);
    spd = 19;
    create_params();
    sendf("%s %02d%02d00 = ", header, t.wDay, t.wHour);
    if (kind == 253) {
        ton = 900;
        qsa = 4;
        send(" PART I =  ");
        for (int i = 0; i < count; ++i) ukr_code(stations[i]);
    } else {
        for (int i = 0; i < count; ++i) {
            switch (kind) {
            case 11: f11_code(stations[i]); break;
            case 13: f13_code(stations[i]); break;
            case 111: f111_code(stations[i]); break;
            case 255: china_code(stations[i]); break;
            default: break;
            }
            send("= ");
        }
    }
    char close[40];
    textf(close, sizeof close, " + de %s ]", call);
    if (kind == 253) send_spark(close);
    else send_stack(close);
}

void wx_plain(const char *call, const char (*places)[16], int count) {
    wait(2);
    sendf("HR WX %02d%02d00 ", t.wDay, t.wHour);
    for (int i = 0; i < count; ++i) {
        const int pressure = draw(500, 699), wind = draw(7), force = draw(1, 10), temp = draw(15, 29);
        sendf("= %s PRE %04d WIND %s %d M/S TEMP %d C  ", places[i], pressure, wind_dir[wind], force, temp);
    }
    send_stackf(" + DE %s ]", call);
}

void italian_naval_code(const char *call, const char (*stations)[4], int count) {
    if (!hist) return;
    call_up("CQ CQ CQ V", call, "METEO MARINA BULLETIN *", 12, 2);
    wait(1);
    spd = 19;
    create_params();
    sendf("METEO MARINA BULLETIN %02d%02d00 = ", t.wDay, t.wHour);
    for (int i = 0; i < count; ++i) {
        const int a = draw(99), b = draw(10), c = draw(9), d = draw(8), e = draw(7), f = draw(7), g = draw(99),
                  h = draw(10);
        sendf("%s  %02d%d%d%d%d%d%02d%d  =  ", stations[i], a, b, c, d, e, f, g, h);
    }
    sendf(" + V %s ]", call);
    send_stack("");
}

void nss_wx() {
    spd = 27;
    ton = 1000;
    qsa = 4;
    call_up("CQ CQ CQ DE", "NSS", " WX *", 12, 2);
    wait(2);
    const int syn = meteo_hour();
    sendf("nss nss = part one ii gr 58 = wwnt nss %02d%02d00z zpv/%02d%02d00z uswb %02d00z %s %d ", t.wDay, t.wHour,
          t.wDay, syn, t.wHour, months[(t.wMonth + 11) % 12], t.wDay);
    send_bulletin(nss_part_one);
    sendf("part three ii gr 248 = asnt nss %02d%02d00z 10001 33388 0%02d%02d x  ", t.wDay, syn, t.wDay, syn);
    send_bulletin(nss_1);
    wait(240);
    send_bulletin(nss_2);
    send_stack("  + DE NSS QRU ]");
}

void gfa() {
    if (t.wHour % 4 != 0) return;
    spd = 18;
    ton = 1200;
    qsa = 4;
    send("CQ CQ CQ DE GFA GFA GFA HR WX *");
    wait(3);
    const int syn = meteo_hour();
    sendf("NR %d SMEU01 EGRR %02d%02d00 RRC = AAXX %02d%02d4 = ", t.wHour + 120 * t.wMonth, t.wHour, syn, t.wHour,
          syn);
    send_bulletin(gfa_wx);
    send_stack("");
}

void uswb(int mode) {
    spd = 15;
    ton = 900;
    qsa = 4;
    sendf("qst qst qst de naa naa naa       uswb %s %d = part i = ", months[(t.wMonth + 11) % 12], t.wDay);
    send_bulletin(uswb_txt);
    if (mode == 1) send_stack("");
    else send_spark("");
}

void brasil_wx() {
    const int day = t.wDay;
    sendf("= PART THREE = WEATHER FCST VALID FM %02d1200 TO %02d1200 =  ", day, next_day());
    send_bulletin(brasil_wx_4);
    send_bulletin(brasil_wx_5);
    wait(3);
    send_stack("");
}

void bmb_wx() {
    send("VVV VVV VVV DE BMB BMB BMB QSW 3641/5909/8117/13560 KHZ HR WX *                    ");
    wait(2);
    send_bulletin(bmb_wx_txt);
    send_stack("");
}

void japan_wx() {
    wait(2);
    send("HR WX = ");
    send_bulletin(japan_wx_tokyo);
    send_bulletin(japan_wx_kobe);
    send_bulletin(japan_wx_nagoya);
    send_bulletin(japan_wx_sendai);
    send_stack("");
}

void gka_wx() {
    send("VVV VVV VVV DE GKB GKB GKB  ");
    send_bulletin(gka_wx_txt);
    send_stack("");
}

void navarea_i() {
    spd = 18;
    char cq[80];
    textf(cq, sizeof cq, "CQ CQ CQ DE GKA GKA GKA WX AND NAVAREA I *            ");
    tfc_anmt(cq);
    wait(2);
    send_bulletin(_navarea_i);
    send_stack("");
    // Mended: no traffic list follows, so the announcement must not make the
    // next list of another reception skip its own call.
    anm_sent = 0;
}

void navarea_ii() {
    spd = 21;
    char cq[80];
    textf(cq, sizeof cq, "CQ CQ CQ DE FFL FFL FFL AVURNAV NAVAREA II *            ");
    tfc_anmt(cq);
    wait(2);
    send_bulletin(_navarea_ii);
    send_stack("+ DE FFL ]");
    anm_sent = 0;  // Mended: as in navarea_i
}

void navarea_iii() {
    spd = 20;
    send("CQ CQ CQ DE EBA EBA = = NAVAREA THREE");
    wait(3);
    send_bulletin(_navarea_iii);
    send_stack(" + NIL DE EBA ]");
}

void navarea_iv(const char *call) {
    spd = 18;
    sendf("CQ CQ CQ DE %s %s %s NAVAREA iv =", call, call, call);
    wait(2);
    send_bulletin(_navarea_iv);
    send_stackf(" DE %s QRU ]", call);
}

void navarea_v(const char *call) {
    spd = 18;
    sendf("CQ CQ CQ DE %s %s %s NAVAREA V", call, call, call);
    wait(2);
    send_bulletin(_navarea_v);
    send_stackf(" + DE %s QRU +", call);
}

void navarea_vii(const char *call) {
    spd = 18;
    sendf("CQ CQ CQ DE %s %s %s HR NAVAREA SEVEN", call, call, call);
    wait(2);
    send_bulletin(ed() ? _navarea_vii_even : _navarea_vii_odd);
    send_stackf(" + DE %s QRU ]", call);
}

void navarea_viii(const char *call) {
    spd = 17;
    sendf("CQ CQ CQ DE %s %s %s NAVAREA EIGHT", call, call, call);
    wait(2);
    send_bulletin(_navarea_viii);
    send_stackf(" + DE %s QRU ]", call);
}

void navarea_ix(const char *call) {
    spd = 18;
    sendf("CQ CQ CQ DE %s %s %s NAVAREA NINE", call, call, call);
    wait(2);
    send_bulletin(_navarea_ix);
    send_stackf(" + DE %s NIL ]", call);
}

void navarea_xi(const char *call) {
    spd = 19;
    ton = 1500;
    qsa = 3;
    sendf("CQ CQ CQ DE %s %s %s NAVAREA XI NR 430 429 428 427 = ", call, call, call);
    wait(2);
    send_bulletin(_navarea_xi);
    send_stack("");
}

void navarea_xiii(const char *call) {
    spd = 24;
    sendf("CQ CQ CQ DE %s %s %s NAVAREA XIII =", call, call, call);
    wait(2);
    send_bulletin(_navarea_xiii);
    send_stackf(" DE %s NIL ]", call);
}

void metarea_xx() {
    send_bulletin(_metarea_xx);
    send_stack("");
}

void xsg_nw() {
    spd = 24;
    send("CQ CQ CQ DE XSG XSG N/W *");
    wait(4);
    send_bulletin(_xsg_nw);
    send_stack("");
}

void rcv_bcst() {
    spd = 18;
    ton = 1000;
    qsa = 3;
    const char *text = nullptr;
    if (t.wMinute < 35) {
        if (ct(1215, 1235)) text = qtc_891;
        if (t.wMinute < 15) text = qtc_898;
        if (ct(1415, 1435)) text = qtc_899;
    }
    // From minute 35 to the hour the station calls; in minutes 15..34 outside
    // its two bulletin windows it has no text of its own and calls as well.
    if (!text) {
        send_cond("RFH70 RFH70 RFH70 DE RCV RCV K");
        return;
    }
    send_bulletin(text);
    wait(20);
    send_bulletin(text);
    send_stack(" +");
}

void wx_collect(const char *called, const char *caller, int) {
    sendf("^^  %s %s %s de %s k", called, called, called, caller);
    wait(8);
    send_stack("qrv k");
}

void wx_transmit(const char *called, const char *caller, int) {
    sendf("^^  %s %s %s de %s wx k", called, called, called, caller);
    wait(8);
    send_stack("qrv? k");
}

}  // namespace kestrel
