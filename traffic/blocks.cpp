#include "traffic/blocks.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "procedures/procedures.h"
#include "procedures/send.h"
#include "procedures/sendf.h"
#include "state/receiver.h"
#include "synth/params.h"

namespace kestrel {

char rand_lat() { return static_cast<char>('A' + myrand() % 26); }
char rand_fig() { return static_cast<char>('0' + myrand() % 10); }

namespace {
// Four letters and a blank in str, with the repeats of the first two rules
// replaced by digits; `russian` adds the rule on the first character.
char *call4(bool russian) {
    for (int i = 0; i < 4; ++i) str[i] = rand_lat();
    str[4] = ' ';
    str[5] = 0;
    if (str[0] == str[1] || str[1] == str[2]) str[1] = rand_fig();
    if (russian && (str[0] == 'R' || str[0] == 'U')) str[0] = rand_fig();
    if (str[2] == str[3]) str[2] = rand_fig();
    return str;
}

char *figures(int n) {
    for (int i = 0; i < n; ++i) str[i] = rand_fig();
    str[n] = ' ';
    str[n + 1] = 0;
    return str;
}

char *letters(char *out, int n) {
    for (int i = 0; i < n; ++i) out[i] = rand_lat();
    out[n] = ' ';
    out[n + 1] = 0;
    return out;
}

// "%02d%03d": day of month and group count, the digits spelled in letters
// for flags 1..3 (0x80 aside).
void check_group(char out[24], int groups_less_one, int flags) {
    textf(out, 24, "%02d%03d", t.wDay, groups_less_one);
    int table = flags & ~0x80;
    if (table >= 1 && table <= 3) {
        for (char *p = out; *p; ++p)
            if (*p >= '0' && *p <= '9') *p = check_letters[table - 1][*p - '0'];
    }
}

// The message of nato_qtc up to its groups, for nato_qtc and nato_qso.
void nato_message(int number, char precedence) {
    gr = 10 + static_cast<int>(myrand() % 30);
    int month = t.wMonth >= 1 && t.wMonth <= 12 ? t.wMonth : 1;
    sendf("NR %u II %c II %02u%02u%02uZ %s %02d GR %u = ", static_cast<unsigned>(number), precedence,
          static_cast<unsigned>(t.wDay), static_cast<unsigned>(t.wHour), static_cast<unsigned>(t.wMinute),
          months[month - 1], t.wYear - 2000, static_cast<unsigned>(gr));
    for (int i = 0; i < gr; ++i) send(group5l(2));
}
}  // namespace

char *call4l() { return call4(false); }
char *call4l_rus() { return call4(true); }

char *group5l(int alphabet) {
    static const char extra[4] = {'!', '@', '#', '$'};
    for (int i = 0; i < 5; ++i) {
        if (alphabet == 3) {
            uint32_t v = myrand() % 30;
            str[i] = v < 26 ? static_cast<char>('A' + v) : extra[v - 26];
        } else {
            str[i] = rand_lat();
        }
    }
    str[5] = ' ';
    str[6] = 0;
    return str;
}

char *group4l() { return letters(str2, 4); }
char *group3l() { return letters(str2, 3); }
char *group6f() { return figures(6); }
char *group5f() { return figures(5); }
char *group4f() { return figures(4); }
char *group3f() { return figures(3); }
char *group2f() { return figures(2); }

char *group_mix_mw() {
    for (int i = 0; i < 5; ++i) {
        uint32_t v = myrand() % 37;
        if (v < 26) str[i] = static_cast<char>('A' + v);
        else if (v == 26) str[i] = 20;
        else if (v < 36) str[i] = static_cast<char>('1' + (v - 27));
        else str[i] = '0';
    }
    str[5] = ' ';
    str[6] = 0;
    return str;
}

void qtc5l(int number, int groups, int alphabet, int flags) {
    GetSystemTime(&t);
    sendf(" %03d %d %d %02d%02d %03d = ", number, groups, t.wDay, t.wHour, t.wMinute, number);
    char stem[3] = {rand_lat(), rand_lat(), 0};
    if (flags & 0x100) {
        char a = rand_fig(), b = rand_fig(), c = rand_fig();
        sendf("Z%s %c%c%c = ", stem, a, b, c);
    }
    if (flags & 0x200) {
        char a = rand_fig(), b = rand_fig(), c = rand_fig();
        sendf("Z%s %c%c%c = ", str2, a, b, c);
    }
    for (int i = 0; i < groups - 1; ++i) send(group5l(alphabet));
    if (flags == 0) {
        send(group5l(alphabet));
        send("K ");
        return;
    }
    char check[24];
    check_group(check, groups - 1, flags);
    sendf("%s %s", check, flags & 0x80 ? "+" : "K");
    textf(str, STR_SIZE, "%s ", check);  // the closing group, as after a plain message
}

void qtc5f(int number, int groups) {
    sendf(" %03d %d %d %02d%02d %03d = ", number, groups, t.wDay, t.wHour, t.wMinute, number);
    for (int i = 0; i < groups - 1; ++i) send(group5f());
    sendf("%02d%03d ", t.wDay, groups - 1);
}

void indicator_qtc_nosend(int alphabet, int groups, const char *indicator) {
    // The indicator may be one of the work strings written below.
    char own[SENDF_SIZE];
    textf(own, sizeof own, "%s", indicator ? indicator : "");
    textf(str3, STR_SIZE, "%s", group5l(2));
    if (own[0] == 0) textf(own, sizeof own, "%s", group5l(2));
    textf(str2, STR_SIZE, "%s%s", own, str3);
    send(str2);
    for (int i = 0; i < groups - 4; ++i) send(group5l(alphabet));
    send(str2);
}

void indicator_qtc(int alphabet, int groups, const char *indicator) {
    indicator_qtc_nosend(alphabet, groups, indicator);
    send_stack(" K");
}

void qsl(const char *call) {
    if (t.wSecond % 5 != 0) return;
    stn();
    wait(static_cast<int>(myrand() & 1));
    sendf("%sR %03d K", call, nr);
    wait(2);
    send_stack("RK");
}

void qsl(int, int, int) {
    if (t.wMilliseconds & 1) return;
    stn();
    if (ton > 1700) ton = 1000;
    char call[8];
    textf(call, sizeof call, "%s", call4l());
    int number = 1 + std::rand() % 998;
    if (t.wMinute & 1) send_stackf("%s%sR %03d K                 RK", call, call, number);
    else send_stackf("%sR %03d K               RK", call, number);
}

char *nato_call3() {
    str2[0] = rand_lat();
    str2[1] = static_cast<char>('1' + myrand() % 9);
    str2[2] = rand_lat();
    str2[3] = 0;
    return str2;
}

void nato_qtc(int number, char precedence) {
    nato_message(number, precedence);
    send_stack(" = K  ");
}

void nato_qso() {
    nato_call3();
    textf(str3, STR_SIZE, "%s", str2);
    nato_call3();
    const char *a = str3, *b = str2;
    stn();
    spd1 = 16 + static_cast<int>(myrand() % 7);
    spd2 = 16 + static_cast<int>(myrand() % 7);
    dialog1f("%s DE %s &QSA K", b, a);
    dialog2f("%s DE %s QSA%u K", a, b, static_cast<unsigned>(2 + std::rand() % 3));
    dialog1f("%s DE %s QSA%u ZUJ K", b, a, static_cast<unsigned>(2 + std::rand() % 3));
    dialog2f("%s R +", b);
    wait(30);
    dialog1f("%s DE %s ZBO 1 O K ", b, a);
    dialog2f("%s DE %s QRV K  ", a, b);
    dialog1f("%s DE %s", b, a);
    nato_message(1 + std::rand() % 8, 'O');
    send(" = K  ");
    wait(2);
    dialog2f("%s DE %s R + ", a, b);
    send_stack("");
}

void low_pwr_mil() {
    if (t.wMilliseconds % 8 != 0) return;
    if (t.wMinute & 1) {
        int tone = 2000 + std::rand() % 1500;
        int n = 2 + std::rand() % 10;
        tuning2(tone, n);
        return;
    }
    stn();
    hand = 1;
    ton = ton + 500;
    ton1 = ton;
    ton2 = ton2 + 500;
    spd1 -= 6;
    spd2 -= 6;
    qsa1 = qsa2 = 1;
    textf(str2, STR_SIZE, "%s", call4l());
    textf(str3, STR_SIZE, "%s", call4l());
    const char *a = str2, *b = str3;
    dialog1f("%s DE %s K", a, b);
    dialog2f("%s DE %s K", b, a);
    if (t.wSecond % 2 == 0) {
        dialog1("OK RK");
        return;
    }
    if (t.wSecond % 3 == 0) {
        dialog1("QSW2 K");
        dialog2("OK QSW2 RK");
        return;
    }
    dialog1f("%s QTC K", b);
    dialog2f("%s QRV K", a);
    wait(1);
    dialog1(b);
    dialog1(" = ");
    int sent = 0;
    do {
        send(group3f());
        ++sent;
    } while (sent < 4 + std::rand() % 16);
    send(" K");
    wait(1);
    dialog2f("%s R K", a);
    dialog1("RK");
    send_stack("");
}

void fav22() {
    if (t.wDayOfWeek == 5 || t.wDayOfWeek == 6) return;
    ton = 900;
    spd = 24;
    qsa = 4;
    for (unsigned i = 1; i <= 4; ++i) {
        sendf("  BT NR %02u J %02u %02u:%02u:%02u 1983 BT ", i, static_cast<unsigned>(t.wDay),
              static_cast<unsigned>(t.wHour), static_cast<unsigned>(t.wMinute), static_cast<unsigned>(t.wSecond));
        for (int g = 0; g < 100; ++g) send(group5l(2));
    }
    send_stack("");
}

unsigned pick_index(unsigned count, unsigned spread) {
    return (myrand() + static_cast<unsigned>(freq) * spread) % count;
}

void fill_fields(char *out, std::size_t size, const char *tmpl, std::initializer_list<Field> fields) {
    std::size_t n = 0;
    for (const char *p = tmpl; *p && n + 1 < size;) {
        const Field *hit = nullptr;
        if (*p == '{') {
            for (const Field &f : fields) {
                std::size_t len = std::strlen(f.name);
                if (std::strncmp(p + 1, f.name, len) == 0 && p[1 + len] == '}') {
                    hit = &f;
                    p += len + 2;
                    break;
                }
            }
        }
        if (!hit) {
            out[n++] = *p++;
            continue;
        }
        for (const char *v = hit->value; *v && n + 1 < size; ++v) out[n++] = *v;
    }
    if (size) out[n] = 0;
}

int day_of_year() {
    static const int before[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    const int m = (t.wMonth + 11) % 12;
    const bool leap = (t.wYear % 4 == 0 && t.wYear % 100 != 0) || t.wYear % 400 == 0;
    return before[m] + t.wDay + (leap && m >= 2 ? 1 : 0);
}

int serial_of_day(int per_hour) { return 1 + (t.wHour * 60 + t.wMinute) * per_hour / 60; }

}  // namespace kestrel
