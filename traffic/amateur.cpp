#include "traffic/amateur.h"

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

namespace kestrel {

char am_1[10], am_2[10], name_1[16], name_2[16], qth_1[25], qth_2[25];
int am1_nr = 0, am2_nr = 0, am_nr = 0;

void amateur_reset() {
    am_1[0] = am_2[0] = name_1[0] = name_2[0] = qth_1[0] = qth_2[0] = 0;
    am1_nr = am2_nr = am_nr = 0;
}

namespace {

constexpr int DRAWN = 591;  // rows 0..590 of the database are drawn


void take(int row, char *call, char *name, char *qth) {
    std::memcpy(call, amateur[row], sizeof am_1);
    std::memcpy(name, amateur_op[row], sizeof name_1);
    std::memcpy(qth, amateur_qth[row], sizeof qth_1);
}

// A text followed by `blanks` blanks, sent `times` times.
void send_padded(const char *text, int blanks, int times) {
    char line[160];
    int n = std::snprintf(line, sizeof line, "%s", text);
    while (blanks-- > 0 && n + 1 < int(sizeof line)) line[n++] = ' ';
    line[n] = 0;
    send_times(line, times);
}

void general_call(int blanks, int times) {
    char cq[80];
    textf(cq, sizeof cq, "CQ CQ CQ DE %s %s %s K", am_1, am_1, am_1);
    send_padded(cq, blanks, times);
}

// The call is heard in this reception already: in a closed slot or in the
// one being filled (as a whole word, so DL1AB is not found in DL1ABC).
bool on_the_air(const char *call) {
    const size_t n = std::strlen(call);
    if (n == 0) return false;
    for (int k = 0; k <= send_call && k < 7; ++k) {
        for (const char *p = std::strstr(send_buf[k], call); p; p = std::strstr(p + 1, call)) {
            const bool starts = p == send_buf[k] || p[-1] == ' ';
            const char end = p[n];
            if (starts && (end == ' ' || end == 0 || end == '/')) return true;
        }
    }
    return false;
}

}  // namespace

void find_2stns() {
    int a, b;
    // Mended: neither station may already be heard in this reception (one
    // operator keys one QSO at a time); the database holds many more stations
    // than a reception's seven slots can name.
    do {
        do {
            a = draw(DRAWN);
            b = draw(DRAWN);
        } while (a == b);
    } while (!amateur_op[a][0] || !amateur_op[b][0] || !amateur_qth[a][0] || !amateur_qth[b][0] ||
             on_the_air(amateur[a]) || on_the_air(amateur[b]));
    am1_nr = a;
    am2_nr = b;
    take(a, am_1, name_1, qth_1);
    take(b, am_2, name_2, qth_2);
}

void amateur_tfc() {
    stn();
    spd1 -= 1;
    spd2 -= 1;
    if (!night() ? t.wMilliseconds % 5 != 0 : t.wMilliseconds % 2 != 0) return;
    if (t.wSecond == 13) {
        if (t.wMinute % 2 == 0) random_vvv();
        else tuning();
        return;
    }
    find_2stns();
    if (t.wSecond % 2 == 0) {
        general_call(17, 5);
        send_stack("");
    } else {
        amateur_qso();
    }
}

void amateur_qso() {
    hello();
    char g[STR_SIZE];
    std::snprintf(g, sizeof g, "%s", str2);
    const int d = std::rand() % 2 + 7;
    if (t.wMilliseconds % 5 == 0) dialog1f("QRZ? DE %s K", am_1);
    else dialog1f("CQ CQ CQ DE %s %s %s K  ", am_1, am_1, am_1);
    dialog2f("%s DE %s %s K", am_1, am_2, am_2);
    dialog1f("%s DE %s %s UR RST 5%d9 5%dN MY NAME %s %s QTH %s %s HW? %s DE %s K", am_2, am_1, g, d, d, name_1,
             name_1, qth_1, qth_1, am_2, am_1);
    dialog2f("%s DE %s CFM %s UR RST 5%d9 5%dN NAME %s %s ES QTH %s %s HW? %s DE %s K", am_1, am_2, name_1, d, d,
             name_2, name_2, qth_2, qth_2, am_1, am_2);
    const bool long_form = t.wMinute % 2 == 0;
    if (long_form) {
        const int p1 = draw(1, 6), a1 = draw(9), w1 = draw(2), t1 = draw(1, 29);
        dialog1f("R %s DE %s MY PWR IS %d00 W ES ANT IS %s = MY WX IS %s ES TEMP %d C + HW? %s DE %s K", am_2, am_1, p1,
                 amateur_ant[a1], amateur_wx[w1], t1, am_2, am_1);
        const int p2 = draw(1, 6), a2 = draw(9), w2 = draw(2), t2 = draw(1, 29);
        dialog2f("ROK %s DE %s HR PWR %d00 WATTS ANT %s WX %s TEMP %d C OK? + %s DE %s K", am_1, am_2, p2,
                 amateur_ant[a2], amateur_wx[w2], t2, am_1, am_2);
        dialog1f("RR %s DE %s TKS FOR INFO AND NICE QSO %s = QRU = HPECUAGN = GL ES MNI DX 73 %s DE %s ] ee", am_2, am_1,
                 name_2, am_2, am_1);
        dialog2f("ROK %s DE %s TNX FOR QSO %s SEE U AGN SN ES 73 ES DX = GB + %s DE %s ] ee", am_1, am_2, name_1, am_1,
                 am_2);
    } else {
        dialog1f("%s DE %s RR TKS FOR INFO AND NICE QSO DR OM %s HR QRU = HPE CUAGN = GL ES MNI DX 73 %s DE %s ] ee", am_2,
                 am_1, name_2, am_2, am_1);
        dialog2f("ROK %s DE %s TNX FOR QSO %s CUL 73 ES DX + %s DE %s ] ee", am_1, am_2, name_1, am_1, am_2);
    }
    dialog1("TU e e");
    wait(2);
    if (!long_form) general_call(12, 2);
    // Station 1 stays on for its next partner.
    const int kept = am1_nr;
    do find_2stns();
    while (am2_nr == kept);
    am1_nr = kept;
    take(kept, am_1, name_1, qth_1);
    send_stack("");
}

void amateur_dx() {
    stn();
    qsa = 1;
    spd += 12;
    const char *x = dx[draw(33)];
    char cq[80];
    textf(cq, sizeof cq, "CQ CQ CQ DE %s %s %s UP 5 K", x, x, x);
    send(cq);
    for (int i = 1; i <= 25; ++i) {
        wait(draw(5, 6));
        if (i == 15) {
            send(cq);
            wait(draw(5, 6));
        }
        const char *y = amateur[draw(DRAWN)];
        if (i == 7 || i == 14 || i == 21) {
            sendf("%.3s?", y);
            wait(4);
        }
        sendf("%s 5NN", y);
        wait(draw(5, 6));
        send("TU");
    }
    send_stack("");
}

void dx_pileup() {
    static const char *const texts[5] = {" %s  %s  %s  K", "%s %s %s %s K", "%s   %s   %s   ",
                                         " DE   %s   %s   %s   K", "    %s    %s    %s"};
    for (int j = 0; j < 5; ++j) {
        stn();
        const char *y = amateur[draw(DRAWN)];
        if (j == 0) qsa = 0;
        if (j == 1) qsa = 1;
        char text[80];
        // The formats take the caller's call three or four times.
        std::snprintf(text, sizeof text, texts[j], y, y, y, y);
        for (int k = 0; k < 5; ++k) {
            send(text);
            wait(std::rand() % 2 + 4);
        }
        send_stack("");
    }
}

void contest_qso() {
    stn();
    const char *c = contest[draw(41)];
    spd = spd1 + 9;
    spd1 = spd;
    spd2 += 3;
    int serial = std::rand() % 256;
    for (int n = 0; n < 20; ++n) {
        dialog1f("CQ TEST %s %s TEST", c, c);
        stn2();
        const char *caller = amateur[draw(DRAWN)];
        send(caller);
        wait(1);
        stn1();
        send(caller);
        sz = 1;
        sendf(" 5NN%03d K   ", serial++);
        dialog2f("TU 5NN%03d K", draw(1, 127));
        sz = 0;
        dialog1("TU");
        ton2 = draw(500, 1999);
        spd2 = draw(21, 32);
    }
    send_stack("");
}

void qrp_qso() {
    stn();
    const char *q = amateur_qrp[draw(16)];
    char cq[96];
    textf(cq, sizeof cq, "CQ CQ CQ DE %s/QRP %s/QRP %s/QRP  K", q, q, q);
    send_padded(cq, 12, 3);
    send_stack("");
}

void spe_event() {
    stn();
    const int s = draw(10);
    spd = spd1 + 9;
    spd1 = spd;
    spd2 += 3;
    for (int n = 0; n < 20; ++n) {
        if (n % 5 == 0)
            dialog1f("CQ CQ CQ DE %s %s %s QSL VIA %s K", spe_evnt[s], spe_evnt[s], spe_evnt[s], spe_qsl[s]);
        else dialog1f("CQ CQ CQ DE %s %s K", spe_evnt[s], spe_evnt[s]);
        stn2();
        const char *caller = amateur[draw(DRAWN)];
        send(caller);
        wait(1);
        stn1();
        send(caller);
        send("  5NN   ");
        dialog2("5NN TU");
        dialog1("    ");
        ton2 = draw(500, 1999);
        spd2 = draw(21, 32);
    }
    send_stack("");
}

void german_qso() {
    stn();
    const int temp = draw(15) + 7;
    // Two German stations; bounded, though the database always has them.
    for (int tries = 0; tries < 10000; ++tries) {
        find_2stns();
        if (am_1[0] == 'D' && am_2[0] == 'D') break;
    }
    if (t.wHour < 18)
        sendf("%s DE %s ALLES OK LBR %s = HIER TEMP IST %d %d GRAD = = VLN DNK FUER NETTE QSO = QSL IST OK UEBER BUERO = "
              "73 UND 55 AWDH  %s DE %s K",
              am_1, am_2, name_1, temp, temp, am_1, am_2);
    else
        sendf("%s DE %s  ALLES OK LBR %s = = HIER TEMP IST %d/%d %d/%d GRAD = = DANKE FUER DAS NETTE ABEND QSO  MINE QSL "
              "IST OK UEBER DAS BUERO = = NUN AWDH = NOCH EINE GUTEN ABEND OK ? %s DE %s K",
              am_1, am_2, name_1, temp, temp - 2, temp, temp - 2, am_1, am_2);
    send_stack("");
}

void li2b(int mode) {
    if (cond(2)) return;
    spd = 23;
    ton = 1950;
    qsa = 1;
    send("CQ CQ CQ DE LI2B LI2B LI2B K");
    wait(6);
    const char *caller = mode == 27 ? li2b_callers_27[draw(5)] : li2b_callers_14[draw(15)];
    sendf("%s DE LI2B 559 QTH 15 50 S 141 25 W HW? K", caller);
    send_stack("");
}

void spk() {
    stn();
    spd1 += 3;
    spd2 += 2;
    const int a = draw(85);
    const int r = draw(16, 33);
    for (int n = 0; n < 7; ++n) {
        int b = draw(85);
        while (b == a) b = draw(85);
        dialog1f("TEST SPK DE %s K", spk_cs[a]);
        dialog2f("%s K", spk_cs[b]);
        dialog1f("%s 599%d%s K", spk_cs[b], r, spk_wj[a]);
        const int rb = draw(16, 33);
        if (!cond(2)) dialog2f("R 5NN%d%s K", rb, spk_wj[b]);
        else dialog2f("R 599%d%s K", rb, spk_wj[b]);
        dialog1("TU");
        spd2 = draw(19, 24);
    }
    send_stack(" ");
}

void world_beacon_net() {
    int b = 0;
    const int m = t.wMinute;
    if (m % 3 == 1) b = m % 2 == 0 ? 12 : 6;
    else if (m % 3 == 2) b = m % 2 == 0 ? 6 : 12;
    const char *call = beacon_calls[(b + t.wSecond / 10) % 18];
    for (int round = 0; round < 20; ++round) {
        spd = 22;
        ton = 1000;
        qsa = 2;
        create_params();
        send(call);
        wait(1);
        // After its call the beacon keys three long dashes, each a step higher
        // in pitch; each is a slow dash at the raised tone, then the keying
        // speed comes back for the gap.
        for (int i = 0; i < 3; ++i) {
            ton += 500;
            char slow[8], back[8];
            encode_params(slow, 6, ton, qsa);
            encode_params(back, 22, ton, qsa);
            send(slow);
            send("T");
            send(back);
            wait(1);
        }
    }
    send_stack("");
}

void cluster_beacon() {
    struct Beacon {
        int from, to;  // hours, inclusive
        const char *text;
        int tone, strength;
    };
    static const Beacon beacons[] = {{0, 7, "    F", 1700, 1},  {8, 15, "  K  ", 1800, 1}, {16, 21, "   M ", 1900, 1},
                                     {0, 5, "  S  ", 1400, 2},  {8, 13, " C   ", 1500, 4}, {15, 15, "A    ", 1600, 2},
                                     {16, 23, "D    ", 1200, 3}};
    for (const Beacon &bc : beacons) {
        if (t.wHour < bc.from || t.wHour > bc.to) continue;
        spd = 23;
        ton = bc.tone;
        qsa = bc.strength;
        send_times(bc.text, 100);
        send_stack("");
    }
}

void propagation_info() {
    ton = 1500;
    qsa = 3;
    if (ml(5) || ms(20) || ms(30) || ms(40)) {
        spd = 19;
        const char *mon = months[(t.wMonth + 11) % 12];
        sendf("INFO CONDS %02d %s %02d%02d UT = ", t.wDay, mon, t.wHour, t.wMinute);
        char day[4], text[1200];
        std::snprintf(day, sizeof day, "%02d", t.wDay % 100);
        fill_fields(text, sizeof text, od() ? propagation_odd_day : propagation_even_day, {{"DAY", day}, {"MON", mon}});
        send(text);
    }
    char marks[21];
    std::memset(marks, CODE_TUNE, 20);
    marks[20] = 0;
    char beacon[96];
    textf(beacon, sizeof beacon, "DK0PRB BEACON %s   %s    ", ed() ? "1/20/N/N" : "2/15/N/N", marks);
    send_times(beacon, 20);
    send_stack("");
}

}  // namespace kestrel
