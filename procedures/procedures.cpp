#include "procedures/procedures.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "procedures/predicates.h"
#include "procedures/send.h"
#include "procedures/sendf.h"
#include "state/receiver.h"
#include "synth/morse.h"
#include "synth/params.h"

namespace kestrel {

void hello() {
    const char *g;
    int hour = t.wHour;
    if (hour <= 5) g = "GN";
    else if (hour <= 11) g = "GM";
    else if (hour <= 17) g = "GA";
    else if (hour <= 21) g = "GE";
    else g = "GN";
    std::snprintf(str2, STR_SIZE, "%s", g);
}

void french_hello() { std::snprintf(str2, STR_SIZE, "%s", day() ? "BJR" : "BSR"); }

void vvv() {
    int n = 3 + std::rand() % 10;
    for (int i = 0; i < n; ++i) str[i] = 'V';
    str[n] = ' ';
    str[n + 1] = 0;
}

void random_vvv() {
    stn();
    vvv();
    send_cond(str);
}

void send_vvv(const char *call) {
    if (t.wSecond % 3 != 0) return;
    stn();
    bug();
    vvv();
    send(str);
    sendf("%s %s QSA? ", call, call);
    vvv();
    if (t.wMilliseconds & 1) send(str);
    send_stack(" K");
}

void clg_cond(const char *called, const char *caller, int form) {
    const char *a = called, *b = caller;
    char text[SENDF_SIZE];
    switch (form) {
        case 0: textf(text, sizeof text, "%s DE %s K", a, b); break;
        case 1: textf(text, sizeof text, "%s %s DE %s K", a, a, b); break;
        case 2: textf(text, sizeof text, "%s %s DE %s %s K", a, a, b, b); break;
        case 3: textf(text, sizeof text, "%s %s %s DE %s %s K", a, a, a, b, b); break;
        case 4: textf(text, sizeof text, "%s %s %s DE %s %s %s K", a, a, a, b, b, b); break;
        case 102: textf(text, sizeof text, "%s  %s  DE  %s  %s K", a, a, b, b); break;
        case 103: textf(text, sizeof text, "%s  %s  %s  DE  %s  %s K", a, a, a, b, b); break;
        case 104: textf(text, sizeof text, "%s  %s  %s  DE  %s  %s  %s K", a, a, a, b, b, b); break;
        case 200: textf(text, sizeof text, "%s %s V %s %s +", a, a, b, b); break;
        // No station uses another form; it keeps its slot, silent.
        default: text[0] = 0; break;
    }
    send_cond(text);
}

void clg_cond_par(const char *called, const char *caller, int form, int n) {
    if (cond(n)) clg_cond(called, caller, form);
}

void clg_cond_bug(const char *called, const char *caller, int form) {
    bug();
    clg_cond(called, caller, form);
}

void clg_cond_f1(const char *called, const char *caller, int form) {
    f1();
    clg_cond(called, caller, form);
}

void qsa_exchange(const char *called, const char *caller, int form) {
    GetSystemTime(&t);
    if (t.wSecond & 1) return;
    if (form != 0 && form != 2 && form != 3 && form != 4 && form != 200) return;
    const char *a = called, *b = caller;
    hello();
    stn();
    switch (form) {
        case 0: dialog1f("%s DE %s K", a, b); break;
        case 2: dialog1f("%s %s DE %s %s K", a, a, b, b); break;
        case 3: dialog1f("%s %s %s DE %s %s K", a, a, a, b, b); break;
        case 4: dialog1f("%s %s %s DE %s %s %s K", a, a, a, b, b, b); break;
        default: dialog1f("%s %s %s V %s %s %s K", a, a, a, b, b, b); break;
    }
    // The second moved on with the draws since the test above.
    if (t.wSecond % 10 == 0) return;
    wait(static_cast<int>(myrand() % 3));
    if (form == 200) {
        dialog2f("%s V %s K", b, a);
        dialog1f("%s V %s X257 K", a, b);
        dialog2f("%s V %s OK X257 K", b, a);
        dialog1("OK ] EE");
        dialog2("] EE");
    } else {
        dialog2f("%s DE %s %s K", b, a, str2);
        dialog1f("%s QSA%d K", str2, 3 + static_cast<int>(myrand() & 1));
        dialog2f("QSA%d K", 3 + static_cast<int>(myrand() & 1));
        dialog1("OK HR QRU 73 ]");
        dialog2("OK NIL 73 ] ee");
    }
    dialog1("ee");
    send_stack("");
}

void qsa_qra_qso(const char *first, const char *second, const char *name1, const char *name2) {
    const char *a = first, *b = second;
    stn();
    hello();
    vvv();
    dialog2f("%s DE %s %s QSA? K   ", str, a, str);
    dialog1f("%s DE %s K", a, b);
    dialog2f("^ %s DE %s K", b, a);
    dialog1f("%s DE %s %s OM HR QSA 4 FB  PSE QRA? QTH? HW K", a, b, str2);
    dialog2f("%s DE %s %s QSA4 HR QRA %s  ii ii  %s  PSE UR QRA? K", b, a, str2, name1, name1);
    dialog1f("R %s DE %s FB OM TKS  HR QRA %s K", a, b, name2);
    dialog2f("%s DE %s RR  %s TKS = FB SIGS FM U K", b, a, name2);
    dialog1f("RR %s DE %s FB OM TKS QSO = HR NW QRU = 73 GB QRX ] EE", a, b);
    dialog2f("R TKS QSO OM NW 73 GB GL ES QRX + %s DE %s ] E E", b, a);
    dialog1("EE");
    send_stack("");
}

void qtc_qsk(const char *message) {
    char msg[2049];
    size_t length = 0;
    while (length < 2048 && message[length]) ++length;
    std::memcpy(msg, message, length);
    msg[length] = 0;
    // Too short to hold a break point: sent plainly rather than dividing by
    // zero or less.
    if (length < 4) {
        send(msg);
        return;
    }
    size_t k = myrand() % static_cast<uint32_t>(2 * (length / 2) - 2);
    char head[2049];
    std::memcpy(head, msg, k);
    head[k] = 0;
    send(head);
    char wrong[2] = {static_cast<char>('A' + myrand() % 26), 0};
    send(wrong);
    wait(1);
    if (cond(2)) send("II II    ");
    else send("\"    ");
    // Back to the blank before the word preceding the broken one; a message
    // with fewer blanks is repeated from its start.
    size_t from = 0;
    int found = 0;
    for (size_t j = k; j > 0; --j) {
        if (msg[j - 1] == ' ' && ++found == 2) {
            from = j - 1;
            break;
        }
    }
    send(msg + from);
}

void tuning() {
    static const char mark[2] = {static_cast<char>(CODE_TUNE), 0};
    stn();
    send_times(mark, 3 + static_cast<int>(myrand() % 10));
    wait(1 + static_cast<int>(myrand() % 3));
    send_times(mark, 5 + static_cast<int>(myrand() % 10));
    send_stack("");
}

namespace {
RetuneHook g_retune = nullptr;
bool g_nested = false;
}  // namespace

void set_retune_hook(RetuneHook hook) { g_retune = hook; }

bool retune_nested() { return g_nested; }

void retune_reset() { g_nested = false; }

void tuning2(int tone, int n) {
    n0n(tone);
    smetr(hwnd);
    wait(n);
    // Mended: the retune runs the band plan again, where the same station may
    // ask for it once more; a request made inside a requested retune is
    // dropped, so one reception retunes at most once and never recurses.
    if (g_nested || !g_retune) return;
    g_nested = true;
    g_retune();
    g_nested = false;
}

void ts() {
    spd = 24;
    ton = 1000;
    send_times("E    ", 100);
    send_stack("");
}

void ts2(const char *name) {
    spd = 24;
    sendf("%s  TIME  ", name);
    send_times("E    ", 100);
    send_stack("");
}

void ts3(const char *name) {
    spd = 12;
    ton = 1400;
    for (int i = 0; i < 5; ++i) {
        send_times("E  ", 50);
        sendf("      %s %s  ", name, name);
    }
    send_stack("");
}

}  // namespace kestrel
