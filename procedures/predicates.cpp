#include "procedures/predicates.h"

#include "procedures/send.h"
#include "state/log.h"
#include "state/receiver.h"
#include "synth/params.h"

namespace kestrel {

namespace {
int hour() { return t.wHour; }
int minute() { return t.wMinute; }
int b(bool v) { return v ? 1 : 0; }
}  // namespace

int reg1rus_day() { return b(hour() >= 4 && hour() <= 15); }
int reg1rus_night() { return b(hour() <= 3 || hour() >= 16); }
int reg2_day() { return b(hour() >= 12); }
int reg2_night() { return b(hour() <= 11); }
int reg3m_day() { return b(hour() >= 2 && hour() <= 13); }
int reg3m_night() { return b(hour() <= 1 || hour() >= 14); }
int reg3f_day() { return b(hour() >= 22 || hour() <= 9); }
int reg3f_night() { return b(hour() >= 10 && hour() <= 21); }
int h(int n) { return b(hour() == n); }
int hh(int n) { return b(hour() > n); }
int hl(int n) { return b(hour() < n); }
int eh() { return b(hour() % 2 == 0); }
int oh() { return b(hour() % 2 == 1); }

int m(int n) { return b(minute() == n); }
int mh(int n) { return b(minute() > n); }
int ml(int n) { return b(minute() < n); }

int min_period(int a, int end) {
    // An end past the hour closes the window at the full hour.
    if (end > 60) end = 60;
    if (end > a) return b(minute() >= a && minute() < end);
    return b(minute() >= a || minute() < end);
}

int min_sked(int n) { return min_period(n, n + 5); }
int min_sked_10(int n) { return min_period(n, n + 10); }
int min_sked_20(int n) { return min_period(n, n + 20); }
int min_sked_30(int n) { return min_period(n, n + 30); }
int ms(int n) { return min_sked(n); }
int ms10(int n) { return min_sked_10(n); }
int ms20(int n) { return min_sked_20(n); }
int ms30(int n) { return min_sked_30(n); }
int oh_sked(int n) { return b(min_period(n, n + 5) && oh()); }
int eh_sked(int n) { return b(min_period(n, n + 5) && eh()); }

namespace {
int every(int n, int period) {
    for (int x = n; x < 60; x += period)
        if (minute() == x) return 1;
    return 0;
}
}  // namespace

int h_2(int n) { return every(n, 30); }
int h_3(int n) { return every(n, 20); }
int h_4(int n) { return every(n, 15); }
int h_5(int n) { return every(n, 12); }
int h_6(int n) { return every(n, 10); }

int sked(int n) {
    int mm;
    if (n > 60) {
        int hh_ = n / 100;
        mm = n - 100 * hh_;
        if (hour() != hh_) return 0;
    } else {
        if (hour() != 0) return 0;
        mm = n;
    }
    return b(mm <= minute() && minute() <= mm + 4);
}

int ct(int a, int bb) {
    int ah = a / 100, am = a % 100, bh = bb / 100, bm = bb % 100;
    if (ah > 23 || bh > 23 || am > 59 || bm > 59) {
        Error_Code(110);
        return 0;
    }
    int now = 100 * hour() + minute();
    if (bb > a) return b(a <= now && now < bb);
    return b(now >= a || now < bb);
}

int ed() { return b(t.wDay % 2 == 0); }
int od() { return b(t.wDay % 2 == 1); }
int em() { return b(t.wMonth % 2 == 0); }
int om() { return b(t.wMonth % 2 == 1); }
int spring() { return b(t.wMonth >= 3 && t.wMonth <= 5); }
int summer() { return b(t.wMonth >= 6 && t.wMonth <= 8); }
int autum() { return b(t.wMonth >= 9 && t.wMonth <= 11); }
int winter() { return b(t.wMonth == 12 || t.wMonth <= 2); }

int cond(int n) {
    // Mended: cond(0) is not a valid call and would divide by zero; it is
    // taken as cond(1), as is any n below 1.
    if (n < 1) n = 1;
    return b((myrand() & 31u) % static_cast<unsigned>(n) == 0);
}

int next_day() {
    GetSystemTime(&t);
    int d = t.wDay + 1;
    if (d >= 31) d = 1;
    return d;
}

int weekend() { return b(t.wDayOfWeek == 0 || t.wDayOfWeek == 6); }

}  // namespace kestrel
