#include "traffic/diplomatic.h"

#include <cstdlib>
#include <cstring>

#include "procedures/predicates.h"
#include "procedures/procedures.h"
#include "procedures/send.h"
#include "procedures/sendf.h"
#include "state/receiver.h"
#include "synth/params.h"
#include "traffic/blocks.h"
#include "traffic/military.h"

namespace kestrel {

namespace {

void pause(int a, int b) { wait(draw(a, b)); }
int rnd(int n) { return std::rand() % n; }

// The greeting blocks write str2, which the group blocks overwrite: keep a copy.
void keep(char (&out)[8], const char *text) { textf(out, sizeof out, "%s", text); }

// A five-letter group without its blank.
void letters5(char (&out)[8]) { textf(out, sizeof out, "%.5s", group5l(2)); }

// Groups for as long as their count stays below a fresh draw a..b each time.
void groups_below(int a, int b, char *(*group)()) {
    for (int n = 0; n < draw(a, b); ++n) send(group());
}
char *latin5() { return group5l(2); }

}  // namespace

// ---- Telecom circuits.

void telecom_opchat_dx(const char *called, const char *own, const char *) {
    // The third office of the circuit is never heard in what this operator sends.
    spd = draw(24, 37);
    const int kind = draw(50);
    telecom_opchat_case(kind, called, own);
}

void telecom_opchat_case(int kind, const char *called, const char *own) {
    if (kind < 0 || kind > 49) return;
    if (called[0] == 'F') french_hello();
    else hello();
    char g[8];
    keep(g, str2);
    // The channel identifier: three letters and the message number.
    const char l1 = static_cast<char>('A' + rnd(26));
    const char l2 = static_cast<char>('A' + rnd(26));
    const char l3 = static_cast<char>('A' + rnd(26));
    char id[16];
    textf(id, sizeof id, "%c%c%c%03d", l1, l2, l3, nr);
    const char *a = called, *b = own, *i = id;
    bug();
    if (kind < 23) {
        pause(0, 1);
        // Only this operator is heard: the waits are the other office's turns.
        switch (kind) {
        case 0:
        case 1:
            sendf("RQ %s K", i);
            pause(4, 7);
            send("ZTH K");
            pause(4, 7);
            send("CFM K");
            break;
        case 2:
            send("R *");
            wait(12);
            send("SRI AYTAG K");
            pause(4, 5);
            sendf("OK BABSO %s K", i);
            break;
        case 3:
            sendf("%s DE %s %s HR ZOH %u K", a, b, g, static_cast<unsigned>(nr));
            pause(4, 5);
            send("R *");
            break;
        case 4:
            sendf("AZKEG %s K", i);
            pause(8, 9);
            send("++");
            break;
        case 5:
            sendf("BUCOD %s K", i);
            pause(4, 5);
            // The operator's own words between the code words: his tape has torn.
            send("SRI OM TAPE BROKEN HR PSE QRX 2 MIN");
            pause(4, 5);
            send("BINZA BUCOD BABSO EE");
            break;
        case 6:
            send("BADPO ? BADET K");
            wait(4);
            sendf("OK BABSO %s K", i);
            pause(4, 5);
            send("EE");
            break;
        case 7:
            sendf("ZOH %u ZAR ZHS 100 ZAP K", static_cast<unsigned>(draw(10, 39)));
            pause(4, 5);
            send("WL TRY ZAL LTR NW PSE TEST ZHS60 K");
            pause(4, 5);
            send("R OK ZOM");
            pause(20, 27);
            send("NW ZNS ZRT");
            break;
        case 8:
            send("ZUA DAHPA 60 OR ZTH OK? K");
            wait(7);
            send("ZTA ZIP/ZAL K");
            pause(8, 9);
            send("CFM ZTA 60 WPM K");
            wait(6);
            send("OK");
            break;
        case 9:
            sendf("DE %s ZRT", b);
            pause(4, 5);
            break;
        case 10: sendf("DE %s DEFTU %s %s DACRU DICOX +", b, i, i); break;
        case 11: {
            sendf("^ %s DE %s DIDAW K", a, b);
            pause(8, 11);
            const int hour = draw(0, 22);
            sendf("DAFEJ TMR %02d00 GMT + DE %s ]", hour, b);
            break;
        }
        case 12: sendf("ROK BABSO %s K", i); break;
        case 13: sendf("BABBA %s K", i); break;
        case 14: sendf("%s %s %s DE %s %s %s ZOH K", a, a, a, b, b, b); break;
        case 15: sendf("%s DE %s ZSU PSE ZTH K", a, b); break;
        case 16: sendf("%s DE %s OM HR ZSU ZFB ZFA ZTH K", a, b); break;
        case 17: sendf("%s DE %s OM HR ZSU ZAL? ZAP K", a, b); break;
        // The filing group as this circuit keys it: 02, the hour, 02, the minute.
        case 18:
            groups_below(10, 49, latin5);
            sendf(" = %s 02%d02%d = + HW? DE %s K", i, t.wHour, t.wMinute, b);
            break;
        case 19:
            groups_below(10, 49, group5f);
            sendf(" = %s 02%d02%d = + ? DE %s K", i, t.wHour, t.wMinute, b);
            break;
        case 20:
            sendf("%s DE %s GUHOR GUHOR  LR %s ii  %s HW? K", a, b, i, i);
            pause(4, 5);
            send("R *");
            break;
        case 21:
            send("R NW ZHS?");
            pause(4, 5);
            send("ZRO ZOK *");
            break;
        default: sendf("ii de %s ZNR %s ii %s PSE RPT K", b, i, i); break;  // 22
        }
        send_stack("");
        return;
    }
    if (kind == 23) {
        spd = 21;
        char marker[128];
        textf(marker, sizeof marker, "QTT QTT QTT DE %s %s %s            ", b, b, b);
        send_still(marker);
        return;
    }
    if (kind <= 29) {
        // The idle marker, keyed by the machine.
        bug_off();
        hand = 0;
        spd = 27;
        char marker[160];
        if (b[0] == 'F') {
            // The French offices switch the machine from 30 to 80 words a
            // minute inside their marker: the call slow, a run of dots fast.
            char slow[8], fast[8], dots[32];
            encode_params(slow, 30, ton, qsa);
            encode_params(fast, 80, ton, qsa);
            std::memset(dots, 'e', 31);
            dots[31] = 0;
            textf(marker, sizeof marker, "%s  %s  %s%s", slow, b, fast, dots);
            send_times(marker, 20);
            send_stack("");
        } else if (b[0] == 'K' || b[0] == 'W') {
            textf(marker, sizeof marker, "QRA QRA QRA DE %s %s %s zhc?            ", b, b, b);
            send_still(marker);
        } else {
            textf(marker, sizeof marker, "VVV VVV VVV DE %s %s %s            ", b, b, b);
            send_still(marker);
        }
        return;
    }
    if (kind <= 31) auto_morse(40);
    else if (kind <= 33) auto_morse(60);
    else if (kind <= 35) auto_morse(80);
    else if (kind <= 49) qtc_qsk_ptt(qtc_ptt_table[draw(PTT_QTCS)], b, nr);
}

void french_ptt(const char *called, const char *own) { telecom_opchat_dx(called, own, ""); }

void auto_morse(int wpm) {
    spd = wpm;
    rto = 0;
    char tape[128];
    textf(tape, sizeof tape, "= THIS IS HIGH SPEED AUTOMATIC MORSE TRANSMISSION AT %u WPM FOR TESTING PURPOSES = ",
          static_cast<unsigned>(wpm));
    send_still(tape);
}

void qtc_qsk_ptt(const char *text, const char *own, int number) {
    qtc_qsk(text);
    ptt_nr_time(number);
    sendf("DE %s ?K", own);
    wait(4);
    send_stack("R NW NIL K");
}

void ptt_nr_time(int number) { sendf(" + %d %02d%02d + ", number, t.wHour, t.wMinute); }

void russian_ptt(const char *called, const char *own, int circuit) {
    if (t.wMinute % 2 == 1) {
        auto_morse(80);
        return;
    }
    // Circuit 1 passes the four telegrams of its table; any other the three of circuit 2.
    const bool first = circuit == 1;
    const char *const *tgms = first ? qtc_rus_rkv_table : qtc_rus_rip_table;
    const int count = first ? RUS_RKV_QTCS : RUS_RIP_QTCS;
    stn();
    spd += 6;
    sendf("^ ^ %s %s %s DE %s %s ZDR ZHC? ZOH%d ZOH?K", called, called, called, own, own, count);
    wait(6);
    send("R QRK4 QSG QRV? K");
    wait(3);
    send("<  QSG3 = =");
    wait(2);
    for (int k = 0; k < count; ++k) {
        // Filed earlier in this hour; in its first minute, at minute 0.
        const int minute = t.wMinute > 0 ? rnd(t.wMinute) : 0;
        char text[1024];
        textf(text, sizeof text, tgms[k], static_cast<int>(t.wDay), static_cast<int>(t.wHour), minute);
        qtc_qsk(text);
        send(" = +");
        wait(2);
    }
    send("   ^ NW NIL PSE ? K");
    wait(6);
    send_stack("R FB ZOK PSE QSG GA");
}

void radiophoto_opchat(const char *called, const char *own) {
    struct Signal {
        bool addressed;  // "called de own" in front
        const char *text;
    };
    static const Signal signals[14] = {
        {false, "^ HR PIX 2 GA ? K"}, {true, "ZXF K"},     {true, "ZXJ K"},      {true, "ZXK K"},
        {false, "^ ZXP K"},           {true, "ZOK K"},     {true, "ZXC K"},      {true, "ZXA ZXA K"},
        {true, "ZRO? K"},             {false, "^ ZXD ZXD + K"}, {true, "ZXS ZXV K"}, {false, "^ ^ ZXA ZXA + K"},
        {true, "QRM QRM PSE RPT LAST PIX AGN K"},    {true, "ZXP? K"}};
    spd = 25;
    const Signal &s = signals[draw(14)];
    if (s.addressed) send_stackf("%s de %s %s", called, own, s.text);
    else send_stack(s.text);
}

void ufc(const char *called, const char *) {
    // The circuit's marker is the V-call of the office it works; its own call
    // is not part of it, so only the called office goes to send_vvv.
    send_vvv(called);
}

void kcna() { send_stack("VVV = KCNA, PYONGYANG = "); }

// ---- Diplomatic networks.

void us_diplo_qtc() {
    static const char *const *const telegrams[6] = {&us_diplo_qtc001, &us_diplo_qtc002, &us_diplo_qtc003,
                                                    &us_diplo_qtc004, &us_diplo_qtc005, &us_diplo_qtc006};
    spd -= 2;
    send_cond(*telegrams[draw(6)]);
}

namespace {

const char (*const plg_nets[PLG_NETS])[6] = {plg_qga_net, plg_qgf_net, plg_qgg_net, plg_qgh_net,
                                             plg_qgl_net, plg_qgn_net, plg_qgr_net, plg_qgz_net,
                                             plg_qja_net, plg_qkx_net, plg_qg321_net};

int plg_net_size(const char (*calls)[6]) {
    int n = 0;
    while (n < PLG_NET_ROWS && calls[n][0]) ++n;
    return n;
}

// HHMM plus some minutes, past the hour and past midnight.
int hhmm_plus(int hhmm, int minutes) {
    const int total = (hhmm / 100 * 60 + hhmm % 100 + minutes) % (24 * 60);
    return total / 60 * 100 + total % 60;
}

}  // namespace

void pol_gov_ldn_net_clg(int start, int station) {
    if (!ct(start, hhmm_plus(start, 10))) return;
    const int net = station / 10;
    if (station < 0 || net >= PLG_NETS) return;  // no such net: nothing heard
    stn();
    hand = 1;
    hello();
    char g[8];
    keep(g, str2);
    const char (*calls)[6] = plg_nets[net];
    const int size = plg_net_size(calls);
    if (size == 0) return;
    // A unit past the net's last station counts round the net again.
    const char *q = calls[station % 10 % size];
    vvv();
    send(str);
    wait(2);
    const int serial = draw(1, 20);
    char call[200];
    if (t.wSecond % 2 == 0)
        textf(call, sizeof call, "^ VVVVVVVVVV %s %s %s %s %s %s QAB QBV QBG %02d VVVVV K                ", q, q, q,
              q, q, g, serial);
    else
        textf(call, sizeof call, "^ VVVVVVVVVV %s %s %s %s %s %s QAB QBW QBG %02d VVVVVVV K                ", q, q,
              q, q, q, g, serial);
    // Called over and over until the out-station answers.
    send_times(call, 8);
    send_stack("");
}

void pol_gov_ldn_net_wrk(int net) {
    int row;
    if (net >= 1 && net <= 6) row = net - 1;
    else if (net >= 80 && net <= 84) row = net - 80 + 6;
    else return;
    // The station works in the windows its entry gives it (a schedule of its
    // own here would leave most of the band plan's windows silent).
    const char (*calls)[6] = plg_nets[row];
    const int size = plg_net_size(calls);
    if (size < 2) return;
    stn();
    hand = 1;
    const char *control = calls[0];
    const char *out = calls[1 + draw(size - 1)];
    const char signal = static_cast<char>('A' + draw(6));  // QAA..QAF
    if (t.wSecond % 2 == 0) sendf("^ VVVVVVVVVV %s %s %s %s QA%c QBV K", out, out, control, control, signal);
    else sendf("^ VVVVVVVVVV %s %s QA%c HR QBW K", out, control, signal);
    wait(4);
    sendf("^ NR %d %s %02d%02d %02d W %d  = ", nr, control, t.wHour, t.wMinute, t.wDay, gr);
    const int kind = draw(6);
    if (kind == 0) {
        send_stack("^ TKS QBT GB 88/73 GN ]");
        return;
    }
    if (kind == 1) {
        send_stackf("^ QA%c %s QCL K", signal, out);
        return;
    }
    for (int k = 0; k < gr; ++k) {
        if (kind == 2) send(group4f());
        else if (kind == 3) send(group5f());
        else if (kind == 4) send(group4l());
        else send(group5l(2));
    }
    send(" + k");
    wait(8);
    send_stack("^ TKS QBT GB 88/73 GN ]");
}

void italian_diplo() {
    if (t.wSecond % 5 != 0) return;
    stn();
    char a[8], b[8];
    letters5(a);
    letters5(b);
    if (t.wMinute % 4 == 0) {
        send("QSA NO QSP ESTERI? K");
    } else {
        for (int k = 0; k < gr + 10; ++k) send(group5l(2));
        sendf(" = =  %02d%02d  %s %s  %s %s  = + + K", t.wHour, t.wMinute, a, b, a, b);
    }
    send_stack("");
}

void german_diplo() {
    stn();
    send_stack(draw(2) == 0 ? "QRU AWDH ] EE" : "NW NIL AWDH ] EE");
}

void diplo_simplex(const char *callup, const char *caller, const char *called) {
    stn();
    dialog1f("%s K", callup);
    dialog2f("%s %s QSA4 ERE NIL QRU? K", caller, called);
    dialog1f("%s NIL TKS 73 ]EE", called);
    wait(2);
    send_stack("");
}

namespace {

// The two Polish embassy forms; `b` null for the one-call form.
void polish(const char *a, const char *b) {
    if (t.wMinute % 3 != 0) return;
    hello();
    spd = draw(21, 26);
    qsa = draw(1, 2);
    if (t.wSecond % 3 == 0) {
        if (t.wSecond % 2 == 0) {
            spd -= 3;
            groups_below(20, 49, latin5);
            if (b) sendf(" +  %s DE %s NIL K", a, b);
            else sendf(" + DE %s NIL K", a);
            wait(8);
            send(b ? "tks om u nas pogoda temp 27 c fb nw 73 gb ] ee" : "tks om u nas pogoda fb 73 gb ] ee");
        } else {
            if (b) sendf("%s de %s WITAM QSL NR %d  HR NIL K", a, b, nr);
            else sendf("%s WITAM QSL NR %d  HR NIL K", a, nr);
            wait(8);
            send(b ? "r tks om do milego ]ee" : "r tks do milego ]ee");
        }
    } else {
        char call[96];
        const bool qtc = t.wMilliseconds % 2 == 0;
        if (b && qtc) textf(call, sizeof call, "%s  de  %s  QTC K", a, b);
        else if (b) textf(call, sizeof call, "%s  %s  %s  de  %s  %s  k", a, a, a, b, b);
        else textf(call, sizeof call, qtc ? "%s  %s  QTC K" : "%s  %s  K", a, a);
        send(call);
        wait(8);
        send(call);
    }
    send_stack("");
}

}  // namespace

void polish_diplo(const char *call) { polish(call, nullptr); }
void polish_diplo2(const char *a, const char *b) { polish(a, b); }

void morrocan_diplo(const char *a, const char *b) {
    stn();
    if (draw(2) == 0) {
        sendf("%s %s %s DE %s %s %s K", a, a, a, b, b, b);
        wait(6);
        send_stack("SLM QSY F4 QRM K");
        return;
    }
    send(morrocan_diplo_001);
    for (int k = 0; k < gr; ++k) send(group5f());
    sendf(" + de %s nil k", b);
    wait(6);
    send_stack("]ee");
}

void iranian_diplo() {
    stn();
    for (int k = 0; k < gr; ++k) send(group3l());
    send(" + K");
    wait(6);
    send_stack("NIL ]EE");
}

void portuguese_diplo() { qtc_5f(); }

void british_diplo_old() {
    // The Foreign Office station and the missions it worked.
    static const char *const home = "GXH";
    static const char *const missions[5] = {"GYT", "GZK", "GWP", "GXL", "GYD"};
    stn();
    const char *post = missions[draw(5)];
    char to_post[16], to_home[16];
    textf(to_post, sizeof to_post, "%s de %s", post, home);
    textf(to_home, sizeof to_home, "%s de %s", home, post);
    char message[512] = "", last[8] = "";
    for (int k = 0; k < gr; ++k) {
        letters5(last);
        const size_t used = std::strlen(message);
        textf(message + used, static_cast<int>(sizeof message - used), "%s ", last);
    }
    dialog1f("%s qrk? k", to_post);
    dialog2f("%s qrk 4 qsa 4 k", to_home);
    dialog1f("%s = nr %d jtrp gr %d = %s", to_post, nr, gr, message);
    // The mission asks the group count; home confirms it with the last group.
    dialog2f("%s  gr %d ? k", to_home, gr);
    dialog1f("%s gr %d = %s + k", to_post, gr, last);
    dialog2f("%s r nr %d k", to_home, nr);
    send_stack("");
}

void vietnamese_diplo() {
    stn();
    send_stack(draw(2) == 0 ? "NIL QRX 14R3O + ]ee" : "WEJ KKU KUW   JUM WT WD KVX k");
}

void albanian_diplo(const char *call) {
    stn();
    vvv();
    send(str);
    sendf("VVVV VVVV CQ DE %s %s K", call, call);
    pause(4, 7);
    send("QRK ?");
    pause(4, 7);
    sendf("NR34867 34868 34869 GR %d %02d %02d%02d 61/333 = ", gr, t.wDay, t.wHour, t.wMinute);
    for (int k = 0; k < gr; ++k) send(group5f());
    send_stack(" + k");
}

void snn299() { send_stack_f1("VVV VVV VVV DE SNN299 SNN299 SNN299 QRU? K"); }

void cuban_diplo(const char *call) {
    stn();
    switch (draw(4)) {
    case 0: send_stackf("CLP1 CLP1 CLP1 DE %s %s K", call, call); break;
    case 1: send_stackf("CLP1 CLP1 CLP1 DE %s %s QSA? K", call, call); break;
    case 2: send_stackf("CLP1 DE %s K", call); break;
    default: send_stackf("DE %s K", call); break;
    }
}

void nor_diplo(const char *call) {
    stn();
    send("fb om hw wx?   ");
    dialog1f("LJA20 LJA20 LJA20 DE %s %s %s K", call, call, call);
    dialog2f("%s de LJA20 GD QSA4 QTC? K", call);
    send_stack("");
}

void bul_emba(const char *call) {
    stn();
    if (draw(2) == 0) {
        const int messages = draw(1, 4);
        send_stackf("DOR DOR DOR DE %s %s ZOH%d K", call, call, messages);
    } else {
        send_stackf("DOR DOR DOR DE %s %s K", call, call);
    }
}

void managua_msg() {
    bug();
    send_stack(qtc_managua_001);
}

void algerian_diplo(const char *call) {
    bug();
    send_stackf("7RQ20 DE %s %s SLM MSG K", call, call);
}

void brussels_mfa() {
    static const char *const embassies[8] = {"LONDRES", "WASHINGTON", "KINSHASA", "TOKYO",
                                             "MADRID",  "NAIROBI",    "LA HAYE",  "BUENOS AIRES"};
    stn();
    const char *embassy = embassies[draw(8)];
    sendf("BELEXT BRU A AMBABEL %s = %d DU %02d/%02d/%02d = KODE =  ZZZZZ ", embassy, nr, t.wDay, t.wMonth,
          t.wYear % 100);
    for (int k = 0; k < gr; ++k) send(group5l(2));
    send_stackf("ZZZZZ = GR %d = + K", gr);
}

void thai_mfa() {
    static const char *const ministry = "HST25";
    static const char *const embassies[4] = {"HSK71", "HSB42", "HSR16", "HSD58"};
    stn();
    sendf("%s DE %s K", embassies[draw(4)], ministry);
    wait(2);
    for (int k = 0; k < gr; ++k) send(group5f());
    send_stackf(" = GR %d + K", gr);
}

void red_cross(const char *call) {
    stn();
    dialog1f("vvv %s DE HBC88 + K", call);
    dialog2f("HBC88 DE %s K", call);
    send_stack("");
}

}  // namespace kestrel
