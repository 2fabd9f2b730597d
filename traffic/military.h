// Military and intelligence messages as the band plan sends them: figure and
// letter groups after a call-up, unattended broadcasts, NATO-format messages,
// net traffic between two stations and indicator broadcasts. Each queues with
// the speed, tone and strength set before it.
#pragma once

namespace kestrel {

// A call-up, a message of five-figure groups (gr of them) with its check
// group, the close.
void fig_msg(const char *head, const char *tail);
// The same with " AR K" as the close.
void fig_msg_ar(const char *call_line);
// A numbered message of `groups` figure groups after its heading, closed with " K".
void fig_msg_count(const char *head, int groups);

// A call-up, then gr five-letter groups (alphabet 3 with the Russian letters).
void let_msg(const char *head, int alphabet, int flags);
// The same in the Latin alphabet (alphabet 2).
void let_msg_latin(const char *call_line, int flags);
// A numbered message of `groups` letter groups in the Latin alphabet after its heading, closed.
void let_msg_count(const char *head, int groups, int flags);

// An unattended broadcast: its identifier repeated, then figure groups.
void numbers_bcst(const char *id, int reps);
// A NATO-format message after its call-up.
void nato_msg(const char *head, char precedence);
// One message passed between two stations of a net, both sides in one slot;
// sep is "DE", or "V" in the Russian procedure.
void pass_msg(const char *to, const char *from, const char *sep);
// Letter groups between two copies of their indicator, after a call of its own.
void indicator_bcst(const char *call, const char *indicator);

}  // namespace kestrel
