#include "traffic/military.h"

#include "procedures/procedures.h"
#include "procedures/send.h"
#include "procedures/sendf.h"
#include "traffic/blocks.h"

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

void numbers_bcst(const char *id, int reps) {
    send_times(id, reps);
    wait(4);
    fig_msg("", " 000 000    ");
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

void indicator_bcst(const char *call, const char *indicator) {
    send(call);
    wait(3);
    indicator_qtc(2, 20 + static_cast<int>(myrand() % 30), indicator);
}

}  // namespace kestrel
