#include "traffic/aero.h"

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
#include "traffic/fleets.h"

namespace kestrel {

namespace {


void test_call(const char *aircraft, void (*say)(const char *)) {
    char text[80];
    textf(text, sizeof text, "VVV VVV TEST DE %s %s %s QSA? QRK? +", aircraft, aircraft, aircraft);
    say(text);
}

}  // namespace

void aero_fixed(const char *a, const char *b, int every) {
    // Mended: a divisor below 1 would divide by zero; it is taken as 1.
    if (every < 1) every = 1;
    if (t.wSecond % every != 0) return;
    stn();
    if (cond(9)) {
        sendf("VVVV test de %s +", b);
        send_stack("");
        return;
    }
    const int m = t.wMinute < 4 ? 0 : t.wMinute - 3;
    const int set = draw(2);
    char prefix[STR_SIZE] = "";
    if (cond(2)) {
        vvv();
        std::snprintf(prefix, sizeof prefix, "%s", str);
    }
    if (!cond(2)) dialog1f("%s %s %s DE %s CNL TRU2 K", prefix, a, a, b);
    else dialog1f("%s %s DE %s CNL TRU2 K", prefix, a, b);
    if (!cond(2)) dialog2("K");
    else dialog2f("%s K", a);
    static const char *const airport[2] = {"KMIA", "KLGA"}, *const office[2] = {"CMHA", "LWMO PPBE"},
                             *const carrier[2] = {"CCAOA", "PABOA"}, *const code[2] = {"0A24", "0A16"},
                             *const origin_[2] = {"PAAOA", "PAAPA"};
    dialog1f("%d/1%s = CNL %s %s 5 %02d%02d%02d = %s %s FLIGHT %d CNLD = %s %02d%02d%02d + K", nr % 99, b, airport[set],
             code[set], t.wDay, t.wHour, t.wMinute, office[set], carrier[set], nr % 20 + 2, origin_[set], t.wDay,
             t.wHour, m);
    dialog2f("%s R%d +", b, nr % 99);
    send_stack("");
}

void a2g_sx(const char *ground) {
    if (t.wSecond % 5 != 0) return;
    stn();
    const char *aircraft = acft[draw(ACFT_ROWS)];
    if (t.wMinute % 2 != 0) return;
    test_call(aircraft, dialog1);
    dialog2f("^ %s DE %s QSA%d QRK%d +", aircraft, ground, draw(2, 5), draw(3, 5));
    dialog1("OK NW NIL ]EE");
    dialog2("EE");
    send_stack("");
}

void a2g_dx_acft(const char *aircraft, const char *ground) {
    if (t.wSecond % 5 != 0) return;
    stn();
    hello();
    const char *call = nullptr;
    if (aircraft && aircraft[0]) {
        for (int i = 0; i < ACFT_ROWS - 1 && !call; ++i)
            if (acft[i][0] == aircraft[0] || (aircraft[1] && acft[i][1] == aircraft[1])) call = acft[i];
    }
    if (!call) call = acft[draw(ACFT_ROWS)];
    if (t.wMinute % 2 != 0) return;
    test_call(call, send);
    wait(12);
    sendf("^%s DE %s %s TKS HR NW NIL ]EE ", ground, call, str2);
    send_stack("");
}

void a2g_dx_gnd(const char *ground) {
    if (t.wSecond % 5 != 0) return;
    stn();
    const char *aircraft = acft[draw(ACFT_ROWS)];
    if (t.wMinute % 2 != 0) return;
    sendf("^ %s DE %s QSA%d QRK%d +", aircraft, ground, draw(2, 5), draw(3, 5));
    wait(4);
    send_stack("EE");
}

void aero_wx(const char *call) {
    sendf("CQ CQ CQ DE %s %s %s METEO *", call, call, call);
    wait(3);
    char day[4], hour[4], min[4];
    std::snprintf(day, sizeof day, "%02d", t.wDay % 100);
    std::snprintf(hour, sizeof hour, "%02d", t.wHour % 100);
    std::snprintf(min, sizeof min, "%02d", t.wMinute % 100);
    char report[2048];
    fill_fields(report, sizeof report, aero_wx_report, {{"DAY", day}, {"HOUR", hour}, {"MIN", min}});
    send(report);
    wait(2);
    send("ii ii");
    wait(1);
    send(report);
    send_stackf("   + DE %s ]", call);
}

void old_aero_qte(int kind, const char *df) {
    if (t.wSecond % 3 != 0) return;
    spd1 -= 3;
    spd2 -= 2;
    const char *d = df ? df : "";
    switch (kind) {
    case 1: d = gonio_375_dx[std::rand() % 8]; break;
    case 2: d = gonio_375_sx[std::rand() % 105]; break;
    case 3: d = gonio_410_sx[std::rand() % 7]; break;
    case 4: d = old_coast[std::rand() % 4]; break;
    default: break;  // kind 5: the station named by the band plan
    }
    const char *aircraft = acft[draw(ACFT_ROWS)];
    const int bearing = draw(359);
    dialog1f("%s %s DE %s %s AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA %s +", d, d, aircraft, aircraft,
             aircraft);
    dialog2f("%s %s DE %s %s %03d %03d +", aircraft, aircraft, d, d, bearing, bearing);
    dialog1f("%s %03d %03d +", d, bearing, bearing);
    send_stack("");
}

void german_fb(const char *ground) {
    if (t.wSecond % 5 != 0) return;
    const char *boat = acft_flying_boats2[draw(12)];
    dialog1f("%s %s DE %s %s %s K", ground, ground, boat, boat, boat);
    dialog2f("%s DE %s K", boat, ground);
    send_stack("");
}

void aeroflot(const char *ground, const char *aircraft) {
    sendf("%s %s %s DE %s %s K", ground, ground, ground, aircraft, aircraft);
    wait(draw(3, 7));
    send("ZDR TOW WAM RG1 K ");
    wait(draw(3, 7));
    sendf("IZ %s %02d %02d %02d%02d %02d%02d = MSK %s = ", aircraft, gr, t.wDay, t.wHour, t.wMinute, (t.wHour + 3) % 24,
          t.wMinute, rus_qtc_name[draw(32)]);
    for (int i = 0; i < gr; ++i) send(group5f());
    sendf(" = %s = DK ? K", rus_qtc_sender[draw(12)]);
    wait(draw(3, 7));
    send_stack("R ZNN DSW ]EE");
}

void rus_acft_sos() {
    if (t.wMinute % 10 != 0) return;
    stn();
    spd = 15;
    qsa = 1;
    const char sos = 18;  // the distress signal as one sign
    sendf("%c  %c  %c  DE  RPLMD  RPLMD  RPLMD  QUG  SOS  QTH SEWER MYS $UKOTKA  + K", sos, sos, sos);
    send_stack("");
}

void raf_qso(const char *ground) {
    stn();
    bug();
    ton1 = draw(1300, 1599);
    spd1 = draw(20, 23);
    spd2 = 22;
    char aircraft[16];
    std::snprintf(aircraft, sizeof aircraft, "%s", nato_call3());
    char a1[3] = {rand_lat(), rand_lat(), 0}, a2[3] = {rand_lat(), rand_lat(), 0}, a3[3] = {rand_lat(), rand_lat(), 0};
    dialog1f("%s DE %s QSA? ZNB %s %s &ZNB %s %s K", aircraft, ground, a1, a1, a2, a2);
    wait(3);
    dialog2f("%s DE %s QSA%01u ZNB  %s %s K", ground, aircraft, static_cast<unsigned>(draw(2, 4)), a3, a3);
    dialog1("OK ]");
    send_stack("");
}

void rea4() {
    if (t.wMinute % 5 != 0) return;
    spd = 21;
    ton = 1000;
    qsa = 4;
    sz = 1;
    f1();
    sendf("REA4 REA4 = %02u%02u0 99900 11150 27627 64660 63206 10240 20169 70202 83530 93311 = REA4 K",
          static_cast<unsigned>(t.wDay), static_cast<unsigned>(t.wHour));
    send_stack("");
}

}  // namespace kestrel
