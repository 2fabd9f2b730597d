#include "bandplan/entry_helpers.h"

#include "bandplan/entry.h"

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

bool weekend() { return t.wDayOfWeek == 0 || t.wDayOfWeek == 6; }

void fig_msg(const char *head, const char *tail) { figures(head, gr, tail); }
void ff(const char *call_line) { figures(call_line, gr, " AR K"); }
void tfc_f(const char *head, int groups) { figures(head, groups, " K"); }

void let_msg(const char *head, int alphabet, int flags) { letters(head, gr, alphabet, flags); }
void fl(const char *call_line, int flags) { letters(call_line, gr, 2, flags); }
void tfc_l(const char *head, int groups, int flags) { letters(head, groups, 2, flags); }

void id_fig(const char *id, int reps) {
    send_times(id, reps);
    wait(4);
    fig_msg("", " 000 000    ");
}

void fig4_msg(const char *head, int groups) {
    send(head);
    for (int i = 0; i < groups; ++i) send(group4f());
    send_stack("+ ");
}

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

void ind_bcst(const char *call, const char *indicator) {
    send(call);
    wait(3);
    indicator_qtc(2, 20 + static_cast<int>(myrand() % 30), indicator);
}

void exchange(const char *called, const char *caller, int form) {
    qsa_exchange(called, caller, form);
    if (send_call < 7 && send_buf[send_call][0]) send_stack("");
}

void post_call(const char *called, const char *caller, const char *tail) {
    char text[96];
    textf(text, sizeof text, "%s %s %s DE %s %s %s", called, called, called, caller, caller, tail);
    send_cond(text);
}

void coast_answer(const char *ship, const char *coast, const char *rest) {
    hello();
    sendf("%s DE %s %s %s K", ship, coast, str2, rest);
    hand = 1;
    send_stack("");
}

void ship_obs(const char *coast, const char *ship) {
    sendf("%s DE %s OBS = BBXX %s %02d%02d4 ", coast, ship, ship, t.wDay, t.wHour);
    for (int i = 0; i < 9; ++i) send(group5f());
    send_stack("+ K");
}

void ship_tr(const char *coast, const char *ship, const char *name, const char *dest) {
    int lat = static_cast<int>(myrand() % 60), lon = static_cast<int>(myrand() % 170);
    char ns = myrand() & 1 ? 'N' : 'S', ew = myrand() & 1 ? 'E' : 'W';
    sendf("%s DE %s TR = %s %s = QTH %02d%c %03d%c = TO %s ETA %02d = QRU + K", coast, ship, ship, name, lat, ns, lon, ew,
          dest, next_day());
    send_stack("");
}

void ship_tgm(const char *coast, const char *ship, const char *name, const char *body) {
    GetSystemTime(&t);
    sendf("%s DE %s QTC 1 = %s %s %d %d %02d%02d = %s + K", coast, ship, ship, name,
          static_cast<int>(myrand() % 9 + 1), 9 + static_cast<int>(myrand() % 40), t.wHour, t.wMinute, body);
    send_stack("");
}

unsigned pick_index(unsigned count, unsigned spread) {
    return (myrand() + static_cast<unsigned>(freq) * spread) % count;
}

void ham_qso(const HamRoster &hams) {
    int a = static_cast<int>(pick_index(hams.count, 13));
    int b = (a + 1 + static_cast<int>(myrand() % (hams.count - 1))) % static_cast<int>(hams.count);
    qsa_qra_qso(hams.calls[a], hams.calls[b], hams.names[a], hams.names[b]);
}

void ham_cq(const HamRoster &hams) {
    const char *c = hams.calls[pick_index(hams.count, 13)];
    char text[80];
    if (hams.weekend_test && weekend()) textf(text, sizeof text, "CQ TEST %s %s TEST", c, c);
    else textf(text, sizeof text, "CQ CQ CQ DE %s %s %s K", c, c, c);
    send_cond(text);
}

void beacon_chain(int step) {
    int slot = (t.wMinute * 60 + t.wSecond) / 10 % 18;
    spd = 22;
    ton = 1000;
    qsa = 1 + static_cast<int>(myrand() % 4);
    sendf("%s ", beacon_calls[(slot - step + 18) % 18]);
    char dashes[28];
    int n = 0;
    dashes[n++] = static_cast<char>(CODE_SPD);
    dashes[n++] = 6;
    for (int i = 0; i < 4; ++i) {
        int q = qsa - i;
        dashes[n++] = static_cast<char>(CODE_QSA);
        dashes[n++] = static_cast<char>(q > 0 ? q : 128);  // 128 stands for strength 0
        dashes[n++] = 'T';
    }
    dashes[n++] = static_cast<char>(CODE_SPD);  // back to keying speed for the closing gap
    dashes[n++] = 22;
    dashes[n] = 0;
    send(dashes);
    send_stack("");
}

void beacon_turns(int offset, unsigned closed_one_in) {
    int pos = (t.wMinute % 3) * 60 + t.wSecond;
    int next = pos / 10 + 1;
    int lead = 10 - pos % 10;  // seconds to the next beacon's turn
    for (int k = 0; k < 6; ++k) {
        if (myrand() % closed_one_in == 0) continue;  // path closed for this one
        const char *call = beacon_calls[(next + k - offset + 36) % 18];
        p(22, 850, 1 + static_cast<int>(myrand() % 4));
        send_times(" ", (lead + 10 * k) * 37 / 10);  // about 3.7 blanks per second at 22 wpm
        send(call);
        send("  ");
        send_times("T  ", qsa < 4 ? qsa : 4);
        send_stack("");
    }
}

}  // namespace kestrel
