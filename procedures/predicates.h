// Clock, calendar and chance predicates deciding when a station is on the air.
// All read the clock sample `t` without refreshing it (cond excepted).
#pragma once

#include "state/clock.h"  // day() and night()

namespace kestrel {

int reg1rus_day();
int reg1rus_night();
int reg2_day();
int reg2_night();
int reg3m_day();
int reg3m_night();
int reg3f_day();
int reg3f_night();
int h(int n);
int hh(int n);
int hl(int n);
int eh();
int oh();

int m(int n);
int mh(int n);
int ml(int n);
int min_period(int a, int b);
int min_sked(int n);
int min_sked_10(int n);
int min_sked_20(int n);
int min_sked_30(int n);
int ms(int n);
int ms10(int n);
int ms20(int n);
int ms30(int n);
int oh_sked(int n);
int eh_sked(int n);
int h_2(int n);
int h_3(int n);
int h_4(int n);
int h_5(int n);
int h_6(int n);

int sked(int n);
int ct(int a, int b);

int ed();
int od();
int em();
int om();
int weekend();
int spring();
int summer();
int autum();
int winter();

int cond(int n);
int next_day();

}  // namespace kestrel
