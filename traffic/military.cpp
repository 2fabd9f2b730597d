#include "traffic/military.h"

#include <cstdlib>
#include <cstring>

#include "procedures/predicates.h"
#include "procedures/procedures.h"
#include "procedures/send.h"
#include "procedures/sendf.h"
#include "state/receiver.h"
#include "traffic/blocks.h"
#include "traffic/fleets.h"

namespace kestrel {

namespace {

// Figure groups after their heading, then the close.
void figures(const char *head, int groups, const char *tail) {
    send(head);
    qtc5f(nr, groups);
    send_stack(tail);
}

// Letter groups after their heading, closed.
void letters(const char *head, int groups, int alphabet, int flags) {
    send(head);
    qtc5l(nr, groups, alphabet, flags);
    send_stack("");
}

}  // namespace

void fig_msg(const char *head, const char *tail) { figures(head, gr, tail); }
void fig_msg_ar(const char *call_line) { figures(call_line, gr, " AR K"); }
void fig_msg_count(const char *head, int groups) { figures(head, groups, " K"); }

void let_msg(const char *head, int alphabet, int flags) { letters(head, gr, alphabet, flags); }
void let_msg_latin(const char *call_line, int flags) { letters(call_line, gr, 2, flags); }
void let_msg_count(const char *head, int groups, int flags) { letters(head, groups, 2, flags); }

void nato_msg(const char *head, char precedence) {
    send(head);
    nato_qtc(nr, precedence);
}

void pass_msg(const char *to, const char *from, const char *sep) {
    stn();
    dialog1f("%s %s %s %s %s QTC K", to, to, sep, from, from);
    dialog2f("%s %s %s QRV K", from, sep, to);
    stn1();
    qtc5f(nr, 8 + static_cast<int>(myrand() % 16));
    send(" K");
    wait(2);
    dialog2f("%s %s %s R %03d +", from, sep, to, nr);
    send_stack("");
}

void indicator_bcst(const char *call, const char *indicator) {
    send(call);
    wait(3);
    indicator_qtc(2, 20 + static_cast<int>(myrand() % 30), indicator);
}

// ---- Cipher broadcasts, numbers stations, intelligence and direction finding.

namespace {

constexpr char SEVEN_DOTS = 28;  // the Morse table's run of seven dots

// Several of these stations take their chances from the C library generator.
int rnd(int n) { return std::rand() % n; }

// A call4l call kept aside before the next block overwrites str.
void take_call(char (&out)[8]) { textf(out, sizeof out, "%s", call4l()); }

// n copies of c in one piece.
void send_run(char c, int n) {
    char run[64];
    if (n > 63) n = 63;
    std::memset(run, c, static_cast<size_t>(n));
    run[n] = 0;
    send(run);
}

// out[1..4] = (a[i] + b[i]) mod 10 digit by digit, so no carry spoils the
// other digits; out[0] is left to the caller.
void add_without_carry(char *out, const char *a, const char *b) {
    for (int i = 1; i < 5; ++i) out[i] = static_cast<char>('0' + (a[i] - '0' + b[i] - '0') % 10);
    out[5] = 0;
}

// n digits (rand 10) written through the letters standing for them.
char *cut_digits(int n, const char (&as)[11]) {
    if (n < 0) n = 0;
    if (n > STR_SIZE - 2) n = STR_SIZE - 2;
    for (int i = 0; i < n; ++i) str[i] = as[rnd(10)];
    str[n] = ' ';
    str[n + 1] = 0;
    return str;
}

// The figure groups of a numbers message.
void figure_groups(int n) {
    for (int i = 0; i < n; ++i) send(group5f());
}

// The fixed net's message after its call: receipt of the call, the heading
// with the time group, indicator-framed letter groups, the receipt.
void fixed_net_message(const char *n, const char *m) {
    dialog2f("%s V %s K", n, m);
    dialog1f("%s V %s NR%d II P II A II %s %02d%02d%02dE %s GR%d = ", m, n, nr, n, t.wDay, t.wHour, t.wMinute,
             m, gr);
    indicator_qtc_nosend(2, gr, "");
    dialog1f(" = %02d%02d%02dE K", t.wDay, t.wHour, t.wMinute);
    dialog2f("%s V %s R NR%d +", n, m, nr);
}

}  // namespace

char pbuf[6], kbuf[6], cbuf[6];

void military_reset() { pbuf[0] = kbuf[0] = cbuf[0] = 0; }

void red_army_broadcast(int kind, int flags) {
    stn();
    if (qsa < 3) qsa = 3;
    spd = rnd(3) + 17;
    char x[8];
    take_call(x);
    sendf("%s %s %s QTC AR", x, x, x);
    wait(2);
    if (kind == 3) {
        qtc5l(nr, rnd(50) + 20, 3, flags);
    } else {
        sz = 1;
        spd += 2;
        qtc5f(nr, rnd(30) + 20);
        send("+");
    }
    send_stack("");
}

void red_army_broadcast_qsl(int kind, int flags) {
    stn();
    spd = draw(17, 20);
    qsa = draw(3, 4);
    const int repeats = draw(7) + 3;
    const char vvv[] = {'V', 'V', 'V', ' ', 'K', ' ', ' ', SEVEN_DOTS, 0};
    send(vvv);
    wait(3);
    char x[8];
    take_call(x);
    const char suffix[3] = {rand_lat(), rand_lat(), 0};
    char head[64];
    textf(head, sizeof head, "%s %s %s QTC Z%s AR", x, x, x, suffix);
    send(head);
    wait(2);
    send(head);
    wait(5);
    char y[8];
    take_call(y);
    sendf("%s %s %s ", y, y, y);
    if (kind == 3) {
        // Mended: the indicator after Z is the caller's to prepare in str2,
        // which otherwise still holds whatever an earlier station left there
        // (a greeting); the broadcast gives it two letters of its own.
        textf(str2, STR_SIZE, "%c%c", rand_lat(), rand_lat());
        qtc5l(nr, draw(20, 69), 3, flags | 0x200);
    } else {
        sz = 1;
        spd += 1;
        qtc5f(nr, draw(20, 49));
        send("+");
    }
    wait(5);
    char z[8];
    take_call(z);
    sendf("%s %s %s DE %s %s R%03d? K", z, z, z, y, y, repeats);
    wait(8);
    send_stack("");
}

void simplex_qtc(int alphabet, int flags) {
    if (t.wMilliseconds % 2 != 0) return;
    stn();
    char a[8], b[8];
    take_call(a);
    take_call(b);
    if (spd1 > 27) spd1 = 24;
    if (spd2 > 27) spd2 = 24;
    dialog1f("%s DE %s QTC K", a, b);
    dialog2f("%s DE %s QRV K", b, a);
    wait(1);
    stn1();
    sendf("%s  ", b);
    qtc5l(nr, rnd(40) + 10, alphabet, flags);
    // Its closing group once more, as operators repeat it. Mended: with flags
    // the closing group is the check group, which qtc5l leaves in str too
    // (it used to leave the last letter group there); it follows the "K" or
    // "+" apart.
    if (flags) send(" ");
    send(str);
    wait(2);
    dialog2f("%s R %03u K", a, static_cast<unsigned>(nr));
    wait(1);
    dialog1("RK");
    send_stack("");
}

void nkvd_2(int row) {
    if (t.wMinute % 5 != 0) return;
    if (row < 0 || row >= NKVD_NET_ROWS) return;
    const char *reg = nkvd_net_reg[row], *hq = nkvd_net_hq[row];
    stn();
    spd -= 3;
    sendf("%s %s %s DE %s %s QRK? QTC K", reg, reg, reg, hq, hq);
    wait(5);
    sendf("%s PR NR %02d GR %02d WR %02d%02d > ", reg, nr % 63, gr, t.wHour, t.wMinute);
    figure_groups(gr);
    sz = 1;
    send_stack(" + DK K");
}

void brusa(const char *own, const char *called) {
    if (!cond(3)) return;
    stn();
    spd = draw(18, 21);
    bug();
    sendf("^  %s V %s K", own, called);
    wait(draw(5, 8));
    const int number = draw(30, 59);
    sendf("^ %s V %s  NR %d GC ii T ii A ii %s %s QJM %02d%02d%d0Z AA = K", own, called, number, own, called,
          t.wDay, t.wHour, draw(5));
    send_stack("");
}

void xxx_flash(const char *text, int kind) {
    if (t.wMinute % 5 != 0) return;
    const bool over = kind > 128;
    const int form = over ? kind - 128 : kind;
    if (form < 1 || form > 4) return;
    // Groups keep their trailing blank; the formats below rely on it.
    char g1[8], g2[8], half[8], g3[16];
    textf(g1, sizeof g1, "%s", group5f());
    textf(g2, sizeof g2, "%s", group5f());
    textf(half, sizeof half, "%s", group4f());
    textf(g3, sizeof g3, "%s%s", half, group4f());
    spd = 17;
    ton = 1200;
    qsa = 4;
    f1();
    char msg[1024];
    switch (form) {
    case 1: textf(msg, sizeof msg, "XXX XXX %s %s%s%s %s", text, g1, g2, rdl_codeword[draw(25)], g3); break;
    case 2: textf(msg, sizeof msg, "%s", text); break;
    case 3: textf(msg, sizeof msg, "XXX XXX %s %s%s %s", text, g1, rdl_codeword[draw(25)], g3); break;
    default: textf(msg, sizeof msg, "U U U U U  %s %s %s%s%s%s%s%s", text, text, g1, g2, g1, g2, g1, g2); break;
    }
    send(msg);
    wait(10);
    send(msg);
    if (over) send(" K");
    wait(10);
    send_stack("");
}

char *cut_group(int n) {
    static const char as[11] = "TAU34567DN";
    return cut_digits(n, as);
}

char *cut_group2(int n) {
    static const char as[11] = "TAUV4E6BDN";
    return cut_digits(n, as);
}

void qtc4f_cut(int n) { send_stack(cut_group(n)); }
void qtc4f_cut2(int n) { send_stack(cut_group2(n)); }

void qtc_4f() {
    if (!cond(6)) return;
    stn();
    sz = 1;
    for (int sent = 0; sent < rnd(40) + 10; ++sent) send(group4f());
    send_stack(" K");
}

void qtc_5f() {
    if (!cond(6)) return;
    stn();
    sz = 1;
    for (int sent = 0; sent < rnd(40) + 10; ++sent) send(group5f());
    send_stack(" K");
}

void qtc_5f_undef() {
    if (t.wMinute % 3 != 0) return;
    stn();
    spd = 24;
    ton = 1100;
    f1();
    figure_groups(99);
    send_stack(" +");
}

char *cuban_figures() {
    static const char cut_letters[] = "WRIAGDMUNT";  // index d stands for the digit d
    for (int i = 0; i < 5; ++i) str[i] = cut_letters[draw(10)];
    str[5] = ' ';
    str[6] = 0;
    return str;
}

void cuban_cut_numbers() {
    if (t.wSecond % 4 != 0) return;
    stn();
    spd = 17;
    qsa = 2;
    char calls[3][8];
    for (auto &c : calls) textf(c, sizeof c, "%s", cuban_figures());
    for (int round = 0; round < 13; ++round)
        for (const auto &c : calls) {
            send(c);
            send(" ");
        }
    wait(5);
    for (const auto &c : calls) {
        send_times(c, 5);
        send(" = = =  ");
        for (int g = 0; g < 150; ++g) send(cuban_figures());
        send(" + + +  ");
    }
    send_stack(" ] ] ]");
}

void m3() {
    if (t.wHour < 7 || t.wHour > 12 || t.wMinute < 30) return;
    spd = 17;
    ton = 1100;
    qsa = 5;
    if (t.wMinute < 35) {
        char marker[32];
        send_still(textf(marker, sizeof marker, "044/00%12s", ""));
        return;
    }
    sz = 1;
    figure_groups(54);
    send_stack("");
}

void m12() {
    spd = 30;
    ton = 1100;
    qsa = 5;
    const int id = draw(101, 999);
    const int key = draw(1000, 5999);
    char callup[48];
    if (cond(3)) {  // nothing for anyone today
        send_times(textf(callup, sizeof callup, "%03d %03d %03d 000%20s", id, id, id, ""), 5);
        send_stack("");
        return;
    }
    send_times(textf(callup, sizeof callup, "%03d %03d %03d 1%20s", id, id, id, ""), 5);
    wait(2);
    const int groups = gr + 50;
    sendf("%d %d %d %d   ", key, groups, key, groups);
    sz = 1;
    figure_groups(groups);
    wait(2);
    send_stack("000 000");
}

void mxx() {
    spd = 20;
    ton = 1300;
    qsa = 5;
    create_params();
    char callup[32];
    send_times(textf(callup, sizeof callup, "1 654 654 654%12s", ""), 5);
    sz = 1;
    spd = 35;
    create_params();
    figure_groups(30);
    send_stack("000 000");
}

void p7x(int kind) {
    spd = 12;
    ton = 900;
    qsa = 2;
    send("VVV VVV VVV DE P7X P7X P7X");
    wait(3);
    if (kind == 1) {
        sendf("QRA DE P7X ii P ii %02d%02d00Z GR 120 = ", t.wDay, t.wHour);
        for (int g = 0; g < 120; ++g) send(group5l(2));
    } else {
        sendf("de p7x 88088 %d%02d00x gr120 = ", t.wDay, t.wHour);
        figure_groups(120);
    }
    send_stack(" + ]");
}

void kato_groups(int length, int count) {
    katokana = 1;
    int symbols = length % 128, blanks = 1;
    // Six and seven stand for the wide layouts of four and five symbols.
    if (symbols == 6) symbols = 4, blanks = 3;
    else if (symbols == 7) symbols = 5, blanks = 3;
    if (symbols < 0) symbols = 0;
    if (symbols > 16) symbols = 16;
    char group[24];
    for (int g = 0; g <= count; ++g) {
        int k = 0;
        for (; k < symbols; ++k) group[k] = static_cast<char>('a' + draw(30));  // 'a'..'~', kana in this alphabet
        for (int b = 0; b < blanks; ++b) group[k++] = ' ';
        group[k] = 0;
        send(group);
    }
}

void katokana_qtc(int length, int count) {
    const bool own_station = length < 128;
    if (own_station) {
        const int keying = rto;  // the weighting stays the caller's
        stn();
        ton += 500;
        spd -= 5;
        qsa = rnd(2) + 1;
        rto = keying;
    }
    kato_groups(length, count);
    if (own_station) send(" K");
    send_stack("");
}

void vietnam_intel() {
    spd = 21;
    gr = draw(10, 98);
    nr = draw(20, 98);
    const unsigned n = static_cast<unsigned>(nr), g = static_cast<unsigned>(gr);
    send_run('A', 29);
    sendf("SD %02u SD %02u SD %02u TK TK TK SN %02u SN %02u SN %02u ", n, n, n, g, g, g);
    figure_groups(gr);
    send_run('K', 29);
    send_stack("");
}

void rus_intel_14(int kind, const char *call) {
    if (t.wMilliseconds % 2 != 0) return;
    sz = 1;
    spd = 24;
    ton = 1000;
    char id[4];
    for (int i = 0; i < 3; ++i) id[i] = static_cast<char>('0' + draw(10));
    id[3] = 0;
    gr = draw(10, 59);
    const int groups = gr;
    char count[8];  // the count as written: a 0 in second place is sent as T
    textf(count, sizeof count, "%d", groups);
    if (count[1] == '0') count[1] = 'T';
    if (kind == 1) {
        sendf("%s %s 0%s = ", call, id, count);
        figure_groups(groups);
        send_stackf(" = %s 0%s TTTTT", id, count);
        return;
    }
    // Q, given twice in the preamble and twice in the close, is the written
    // group count, the one value to hand that a receiving clerk can check.
    const char *q = count;
    sendf("%s %s %s %s %s = =", call, id, id, q, q);
    figure_groups(groups);
    send_stackf(" = = %s %s %s %s TTTTT", id, id, q, q);
}

int spw_azimuth_step(int azimuth) {
    azimuth += 2;
    return azimuth > 36 ? 0 : azimuth;
}

void spw(const char *freq_text) {
    ton = 1200;
    qsa = 4;
    int azimuth = draw(6) * 2;
    if (eh() && t.wMinute >= 30 && t.wMinute <= 34) {
        spd = 24;
        tfc_list(1, 15, "SPW");
        return;
    }
    if (t.wMinute % 5 == 0) {
        static const char caller[] = "3ZL301";
        spd = 27;
        send("QRZ? DE SPW K");
        wait(6);
        sendf("%s DE SPW WITAM QRV K", caller);
        wait(draw(40, 69));
        sendf("%s DE SPW QSL K", caller);
        wait(6);
        send("R QRU  73 GB DE SPW ]EE  ");
        send_stack("");
        return;
    }
    for (int i = 0; i < 10; ++i) {
        spd = 32;
        create_params();
        sendf("DE SPW SPW   QSX %s KHZ  AZIM %02d ", freq_text, azimuth);
        spd = 90;
        create_params();
        send_run('e', 31);
        azimuth = spw_azimuth_step(azimuth);
        wait(15);
    }
    send_stack("");
}

void olx() {
    ton = 1300;
    qsa = 2;
    if (eh() && ml(15)) {
        spd = 24;
        send("OLX NW HR QTC NR ");
        qtc5f(nr, draw(10, 49));
        send_stack(" + DE OLX ");
        return;
    }
    spd = 26;
    char marker[48];
    send_still(textf(marker, sizeof marker, "VVV VVV VVV DE OLX OLX%21s", ""));
}

void wpc() {
    if (t.wSecond % 3 != 0) return;
    spd = 15;
    ton = 1400;
    qsa = 2;
    wait(draw(0, 9));
    send_stack("WPC");
}

void undef_qrm() {
    spd = 300;
    ton = 1500;
    f1();
    qsa = 0;
    send_still("ZZZZZZZZZZZZZZZ");
}

void usarmy_fixed_spec_msg(const char *call) {
    if (!call || std::strcmp(call, "WVT") != 0) return;
    dialog1f("< %s + %s K", usarmy_wvt_001, call);
    wait(draw(4, 6));
    dialog1f("] %s", call);
    send_stack("");
}

void usarmy_fixed_net(const char (*calls)[5], int count) {
    if (t.wSecond % 3 != 0 || !calls || count < 1) return;
    const int keyed_f1 = _f1;
    stn_ext();
    if (keyed_f1) f1();
    const int pace = draw(8);  // both operators of a circuit work at one pace
    spd2 = 16 + pace;
    spd1 = 19 + pace;
    bug();
    const char *n = calls[0];
    char line[96];
    if (count == 1) {
        switch (draw(8)) {
        case 0:
        case 1:
        case 2: usarmy_fixed_spec_msg(n); return;
        case 3:
        case 4: textf(line, sizeof line, " %s QMM K", n); break;
        case 5: textf(line, sizeof line, "VVVVVV  WAR WAR V %s %s K", n, n); break;
        case 6: textf(line, sizeof line, "WAR V %s QHR K", n); break;
        default: textf(line, sizeof line, "WAR WAR V %s %s K", n, n); break;
        }
        dialog1(line);
        send_stack("");
        return;
    }
    const char *m = count == 2 ? calls[1] : calls[1 + draw(count - 2)];
    bool message = false;
    switch (draw(9)) {
    case 0:
    case 1:
    case 2: usarmy_fixed_spec_msg(m); return;
    case 3:
    case 4:
        textf(line, sizeof line, "%s %s V %s %s QMM K", m, m, n, n);
        message = true;
        break;
    case 5: textf(line, sizeof line, "VVVVVV  %s %s V %s %s K", m, m, n, n); break;
    case 6: textf(line, sizeof line, "%s %s V %s %s K", n, n, m, m); break;
    case 7: textf(line, sizeof line, "WAR WAR V %s %s K", m, m); break;
    default: textf(line, sizeof line, "%s V %s QHR K", n, m); break;
    }
    dialog1(line);
    if (message) fixed_net_message(n, m);
    send_stack("");
}

char *peleng_code(const char *key, const char *freq) {
    cbuf[0] = 0;
    if (!key || !freq || std::strlen(key) < 5 || std::strlen(freq) < 5) return cbuf;
    cbuf[0] = key[0];
    add_without_carry(cbuf, key, freq);
    return cbuf;
}

char *bearing() {
    pbuf[0] = '3';
    pbuf[1] = static_cast<char>('0' + rnd(3));
    pbuf[2] = static_cast<char>('0' + rnd(5));
    pbuf[3] = static_cast<char>('0' + rnd(9));
    pbuf[4] = '1';
    pbuf[5] = 0;
    if (std::strlen(kbuf) >= 5) add_without_carry(pbuf, pbuf, kbuf);
    return pbuf;
}

void peleng_network() {
    if (t.wMinute % 3 != 0) return;
    stn_ext();
    const int day = t.wDay >= 1 && t.wDay <= 31 ? t.wDay : 1;
    textf(kbuf, sizeof kbuf, "%d", dkt[day - 1]);
    char freq_text[8];
    textf(freq_text, sizeof freq_text, "%d", peleng_freq_tab[rnd(PELENG_FREQS)] + 10000);
    peleng_code(kbuf, freq_text);
    char line[96];
    dialog1f("VVV    HCA HCA DE XFN XFN %s CFM K", cbuf);
    dialog2f("AWC CFM %s K", cbuf);
    dialog3(textf(line, sizeof line, "KCL CFM %s K", cbuf));
    dialog4(textf(line, sizeof line, "FGD CFM %s K", cbuf));
    dialog1("XFN OK +");
    wait(50);
    GetSystemTime(&t);  // the bearings carry the time they were taken
    bearing();
    dialog2f("AWC %s %s 4%02d%02d K", cbuf, pbuf, t.wHour, t.wMinute);
    bearing();
    dialog3(textf(line, sizeof line, "KCL %s %s 4%02d%02d K", cbuf, pbuf, t.wHour, t.wMinute));
    bearing();
    dialog4(textf(line, sizeof line, "FGD %s %s 4%02d%02d K", cbuf, pbuf, t.wHour, t.wMinute));
    dialog1("XFN OK QAP +");
    send_stack("");
}

}  // namespace kestrel
