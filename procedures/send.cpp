#include "procedures/send.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "procedures/predicates.h"
#include "state/log.h"
#include "state/receiver.h"
#include "synth/channels.h"
#include "synth/morse.h"
#include "synth/params.h"

namespace kestrel {

void create_params() {
    char codes[8];
    encode_params(codes, spd, ton, qsa);
    send(codes);
}

void stn() {
    spd1 = 18 + static_cast<int>(myrand() & 7);
    spd = spd1;
    ton1 = 800 + static_cast<int>(myrand() % 1200);
    ton = ton1;
    qsa1 = 1 + static_cast<int>(myrand() % 3);
    qsa = qsa1;
    spd2 = 18 + static_cast<int>(myrand() & 7);
    ton2 = 800 + 10 * static_cast<int>(myrand() % 120);
    qsa2 = 1 + static_cast<int>(myrand() % 3);
    nr = 10 + static_cast<int>(myrand() % 989);
    gr = 15 + static_cast<int>(myrand() % 20);
    rto = 0;
    _f1 = 0;
    qrh = 0;
    sz = 0;
    katokana = 0;
    bw = 0;
    spark = 0;
    hand = 0;
    spacing = 2;
}

void stn_ext() {
    stn();
    spd3 = 18 + static_cast<int>(myrand() & 7);
    ton3 = 700 + 10 * static_cast<int>(myrand() % 130);
    qsa3 = 1 + static_cast<int>(myrand() % 3);
    spd4 = 18 + static_cast<int>(myrand() & 7);
    ton4 = 700 + 10 * static_cast<int>(myrand() % 130);
    qsa4 = 1 + static_cast<int>(myrand() % 3);
    spd5 = 18 + static_cast<int>(myrand() & 7);
    ton5 = 700 + 10 * static_cast<int>(myrand() % 130);
    qsa5 = 1 + static_cast<int>(myrand() % 3);
}

namespace {
void make_current(int s, int t_, int q) {
    spd = s;
    ton = t_;
    qsa = q;
    create_params();
}
}  // namespace

void stn1() { make_current(spd1, ton1, qsa1); }
void stn2() { make_current(spd2, ton2, qsa2); }
void stn3() { make_current(spd3, ton3, qsa3); }
void stn4() { make_current(spd4, ton4, qsa4); }
void stn5() { make_current(spd5, ton5, qsa5); }

void dialog1(const char *text) { stn1(); send(text); send("   "); }
void dialog2(const char *text) { stn2(); send(text); send("   "); }
void dialog3(const char *text) { stn3(); send(text); send("   "); }
void dialog4(const char *text) { stn4(); send(text); send("   "); }
void dialog5(const char *text) { stn5(); send(text); send("   "); }

namespace {
// Tells once per slot that text was dropped at the slot's end.
bool g_overflow_logged[7];
uint32_t g_dropped = 0;
}

uint32_t send_dropped() { return g_dropped; }

void send(const char *text) {
    if (!text || send_call < 0 || send_call > 6) return;
    char *slot = send_buf[send_call];
    size_t used = std::strlen(slot);
    size_t len = std::strlen(text);
    // Mended: text beyond 9999 characters is dropped, never written past the slot.
    size_t room = SLOT_SIZE - 1 - used;
    if (len > room) {
        if (!g_overflow_logged[send_call]) {
            g_overflow_logged[send_call] = true;
            Log("ERROR: send: slot full, text dropped", text, static_cast<unsigned long>(len - room));
        }
        g_dropped += static_cast<uint32_t>(len - room);
        len = room;
    }
    std::memcpy(slot + used, text, len);
    slot[used + len] = 0;
}

void send_times(const char *text, int n) {
    for (int i = 0; i < n; ++i) send(text);
}

void wait(int n) {
    for (int i = 0; i < n; ++i) send("    ");
}

void send_stack(const char *text) {
    send(text);
    wait(5);
    if (rto != 0 || hand != 0 || spacing > 2) wait(40);
    if (send_call >= 0 && send_call <= 6) Log("Send Stack", send_buf[send_call], static_cast<unsigned long>(send_call));
    if (send_call <= 6) {
        save_cw_param(send_call);
        ++send_call;
    } else {
        Log("ERROR!", "ERROR#0250 Send Stack overflowed!", static_cast<unsigned long>(send_call));
    }
    if (send_call <= 6) {
        send_buf[send_call][0] = 0;
        g_overflow_logged[send_call] = false;
    }
    stn();
}

void send_still(const char *text) {
    rto = 0;
    hand = 0;
    size_t len = 0;
    while (len < 2048 && text[len]) ++len;
    if (len > 1023) Log("ERROR: send_still: input string too long!", text, static_cast<unsigned long>(len));
    // Mended: an empty beacon text would draw its start modulo zero; there is
    // nothing to repeat, so the slot is closed silent.
    if (len > 0) {
        size_t start = myrand() % len;
        char piece[2049];
        std::memcpy(piece, text + start, len - start);
        piece[len - start] = 0;
        send(piece);
        std::memcpy(piece, text, len);
        piece[len] = 0;
        for (int i = 0; i < 20; ++i) send(piece);
    }
    send_stack("");
}

void send_cond(const char *text) {
    wait(static_cast<int>(myrand() & 1));
    if (t.wMilliseconds & 1) send(text);
    hand = 1;
    send_stack("");
}

void send_cond_par(const char *text, int n) {
    if (cond(n)) send_cond(text);
}

void send_spark(const char *text) {
    if (!hist) return;
    spark = 1;
    wait(30);
    send_stack(text);
}

void send_still_f1(const char *text) {
    f1();
    send_still(text);
    stn();
}

void send_cond_f1(const char *text) {
    f1();
    send_cond(text);
}

void send_stack_f1(const char *text) {
    f1();
    send_stack(text);
}

void send_cond_bug(const char *text) {
    stn();
    bug();
    send_cond(text);
}

void send_cond_bug_f1(const char *text) {
    stn();
    f1();
    bug();
    send_cond(text);
}

void Activate_Send_Stack() {
    if (send_call == 0) return;
    int last = send_call < 7 ? send_call : 7;
    for (int k = 0; k < last; ++k) {
        if (channel_busy(k)) continue;
        emission_nr = k;
        load_cw_param();
        emission_time = CreateWave(k, send_buf[k]);
        if (emission_time != 0) {
            sound(k);
            timer_start(k, emission_time);
        }
    }
}

void bug() { rto = static_cast<int>(myrand() % 40); }
void bug_off() { rto = 0; }
void f1() {
    _f1 = 1;
    ton2 = ton + 500;
}
void ss() { spacing = 1; }
void hs() { spacing = 3; }

void send_stack_reset() {
    emission_time = 0;
    coast_opchat = 0;
    send_call = 0;
    send_buf[0][0] = 0;
    for (bool &b : g_overflow_logged) b = false;
}

void send_reset() {
    send_stack_reset();
    for (auto &slot : send_buf) slot[0] = 0;
    nr = gr = 0;
    g_dropped = 0;
}

}  // namespace kestrel
