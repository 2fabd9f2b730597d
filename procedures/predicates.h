// Clock, calendar and chance predicates deciding when a station is on the air.
// All read the clock sample `t` without refreshing it (cond and next_day
// excepted) and return 1 or 0. Hours and minutes are UTC.
//
// Legend:
//   day, night        06-17 / 18-05 (state/clock.h); reg1rus_*, reg2_*,
//                     reg3m_*, reg3f_* the same for the regional paths
//   h(n) hh(n) hl(n)  hour == n, hour > n, hour < n
//   eh oh             even hour, odd hour
//   m(n) mh(n) ml(n)  minute == n, minute > n, minute < n
//   min_period(a, b)  minute in a..b-1 (wrapping past the hour when b <= a)
//   min_sked(n), ms(n)             minutes n..n+4
//   min_sked_10/20/30(n), ms10/20/30(n)   minutes n..n+9, n+19, n+29
//   oh_sked(n) eh_sked(n)          minutes n..n+4 of an odd / even hour
//   h_2..h_6(n)       minute n and every 30, 20, 15, 12, 10 minutes after it
//   sked(n)           n <= 60: minutes n..n+4 of hour 00; else hhmm..hhmm+4
//   ct(a, b)          hhmm in a..b-1, wrapping past midnight when b <= a
//   ed od em om       even / odd day of the month, even / odd month
//   spring summer autum winter     months 3-5, 6-8, 9-11, 12-2
//   weekend           Saturday or Sunday
//   cond(n)           chance about 1 in n, a fresh draw of myrand each call
//   next_day          tomorrow's day of the month (refreshes t; 31 wraps to 1)
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
