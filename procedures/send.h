// The send stack through which every station's text passes, the random
// source, the station reset and the transmission primitives.
#pragma once
#include <cstdint>

#include "state/random.h"
#include "state/send_stack.h"
#include "synth/params.h"

namespace kestrel {

void stn();
void stn_ext();
void stn1();
void stn2();
void stn3();
void stn4();
void stn5();
void dialog1(const char *text);
void dialog2(const char *text);
void dialog3(const char *text);
void dialog4(const char *text);
void dialog5(const char *text);

void send(const char *text);
void send_times(const char *text, int n);
void wait(int n);
void send_stack(const char *text);
void send_still(const char *text);
void send_cond(const char *text);
void send_cond_par(const char *text, int n);
void send_spark(const char *text);
void send_still_f1(const char *text);
void send_cond_f1(const char *text);
void send_stack_f1(const char *text);
void send_cond_bug(const char *text);
void send_cond_bug_f1(const char *text);
void Activate_Send_Stack();

// Appends the current spd, ton, qsa as parameter codes to the open slot.
void create_params();

void bug();
void bug_off();
void f1();
void ss();
void hs();

// Characters dropped so far because a slot was full (content that needs fixing).
uint32_t send_dropped();

// Empties the stack for a new tuning: send_call 0, slot 0 empty, emission_time 0.
void send_stack_reset();
// Everything above as at start-up: every slot empty, nr and gr 0, no
// characters dropped.
void send_reset();

}  // namespace kestrel
