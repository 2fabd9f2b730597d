#include "traffic/vessels.h"

#include <cstdio>
#include <cstdlib>
#include <cctype>
#include <cstddef>
#include <cstring>

#include "procedures/predicates.h"
#include "procedures/procedures.h"
#include "procedures/send.h"
#include "procedures/sendf.h"
#include "state/receiver.h"
#include "traffic/vessel_texts.h"

namespace kestrel {

char __vsl[6];
char __qra[25];
int vsl_nr = 0, coast_nr = 0, vsl_nr1 = 0, vsl_nr2 = 0;
int national_fleet_flag = 0;
int qrc_nr = 0;
int anm_sent = 0;
int opchat_nr = 0;

void vessels_reset() {
    __vsl[0] = 0;
    __qra[0] = 0;
    vsl_nr = coast_nr = vsl_nr1 = vsl_nr2 = 0;
    national_fleet_flag = 0;
    qrc_nr = 0;
    anm_sent = 0;
    opchat_nr = 0;
}

namespace {


void take_row(int row) {
    vsl_nr = row;
    std::memcpy(__vsl, vsl[row], sizeof __vsl);
    std::memcpy(__qra, qra[row], sizeof __qra);
}

// The coast station's nation -> a block of its ships. A rule holds for a call
// whose first character is `first` and whose second lies in lo..hi; with a
// second prefix, the second is taken when cond(2) holds.
struct FleetRule {
    char first, lo, hi;
    const char *px1;
    int span1;
    const char *px2;
    int span2;
};

constexpr char ANY_LO = 0, ANY_HI = 127;

// In this order; the first rule that holds wins.
const FleetRule fleet_rules[] = {
    {'5', 'A', 'A', "5A", 6, nullptr, 0},     {'7', 'T', 'T', "7T", 6, nullptr, 0},
    {'9', 'M', 'M', "9W", 3, "9M", 6},        {'A', 'S', 'S', "AQ", 4, nullptr, 0},
    {'C', 'B', 'B', "CB", 7, nullptr, 0},     {'C', 'L', 'L', "CL", 16, nullptr, 0},
    {'C', 'U', 'U', "CQ", 16, nullptr, 0},    {'D', 'A', 'A', "DA", 80, nullptr, 0},
    {'D', 'U', ANY_HI, "DU", 20, nullptr, 0}, {'E', ANY_LO, 'H', "EA", 22, nullptr, 0},
    {'E', 'Q', 'Q', "EP", 3, nullptr, 0},     {'F', ANY_LO, ANY_HI, "FN", 60, nullptr, 0},
    {'G', ANY_LO, ANY_HI, "GB", 172, nullptr, 0}, {'H', 'C', 'C', "HC", 5, nullptr, 0},
    {'H', 'K', 'K', "HK", 3, nullptr, 0},     {'H', 'L', 'L', "6K", 6, "HL", 2},
    {'H', 'M', 'M', "P5", 3, "HM", 5},        {'H', 'S', 'S', "HS", 5, nullptr, 0},
    {'H', 'Z', 'Z', "HZ", 3, nullptr, 0},     {'I', ANY_LO, ANY_HI, "IB", 32, nullptr, 0},
    {'J', ANY_LO, 'S', "JA", 92, nullptr, 0}, {'K', ANY_LO, ANY_HI, "WA", 41, "KA", 114},
    {'W', ANY_LO, ANY_HI, "WA", 41, "KA", 114}, {'L', ANY_LO, 'N', "LA", 39, nullptr, 0},
    {'L', 'P', 'P', "LO", 13, nullptr, 0},    {'L', 'Y', 'Y', "LY", 4, nullptr, 0},
    {'L', 'Z', 'Z', "LZ", 13, nullptr, 0},    {'O', 'F', 'H', "OJ", 5, nullptr, 0},
    {'O', 'S', 'S', "ON", 11, nullptr, 0},    {'O', 'X', 'X', "OU", 21, nullptr, 0},
    {'P', ANY_LO, 'J', "PC", 34, nullptr, 0}, {'P', 'K', 'K', "YB", 7, nullptr, 0},
    {'P', 'P', 'P', "PP", 17, nullptr, 0},    {'S', ANY_LO, 'M', "SD", 21, nullptr, 0},
    {'S', 'P', 'P', "SP", 69, nullptr, 0},    {'S', 'U', 'U', "SS", 5, nullptr, 0},
    {'S', 'V', 'V', "SV", 72, nullptr, 0},    {'T', ANY_LO, 'C', "TC", 31, nullptr, 0},
    {'T', 'F', 'F', "TF", 6, nullptr, 0},     {'U', ANY_LO, 'Q', "UA", 119, nullptr, 0},
    {'U', 'R', ANY_HI, "UR", 19, nullptr, 0},
    // Kept in its place although "U before R" above already takes UO.
    {'U', 'O', 'O', "4J", 3, nullptr, 0},     {'V', 'I', 'I', "VJ", 9, nullptr, 0},
    {'V', 'W', 'W', "VV", 27, "AT", 12},      {'X', 'F', 'F', "XC", 4, nullptr, 0},
    {'X', 'S', 'S', "BA", 31, nullptr, 0},    {'X', 'V', 'V', "XV", 5, nullptr, 0},
    {'Y', 'I', 'I', "HN", 2, nullptr, 0},     {'Y', 'Q', 'Q', "YQ", 9, nullptr, 0},
    {'Y', 'U', 'U', "YT", 12, nullptr, 0},    {'Y', 'V', 'V', "YV", 5, nullptr, 0},
    {'Z', 'A', 'A', "ZA", 2, nullptr, 0},     {'Z', 'L', 'L', "ZK", 6, nullptr, 0},
    {'Z', 'S', 'S', "ZS", 6, nullptr, 0},
};

// Case-insensitive equality of two calls of at most five characters.
bool same_call(const char *a, const char *b) {
    for (int i = 0; i < 6; ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        if (std::toupper(x) != std::toupper(y)) return false;
        if (!x) return true;
    }
    return true;
}

template <std::size_t N>
bool in_list(const char (&list)[N][6], const char *call) {
    for (const auto &row : list)
        if (same_call(row, call)) return true;
    return false;
}

bool two(const char *call, const char *a) { return call[0] == a[0] && call[1] == a[1]; }

}  // namespace

void set_vsl(int row) { take_row(row); }

void get_vsl() {
    coast_nr = draw(111);
    take_row(draw(VSL_ROWS - 1));
}

int find_base_vsl(const char *prefix, int span) {
    for (int i = 1; i < VSL_ROWS; ++i) {
        if (two(vsl[i], prefix)) {
            int row = i + 1 + std::rand() % span;
            // Mended: a block shorter than its span would lead past the
            // register; the last row is taken instead.
            return row < VSL_ROWS ? row : VSL_ROWS - 1;
        }
    }
    return 0;
}

void find_fleet(const char *coast_call) {
    const char first = coast_call[0], second = coast_call[0] ? coast_call[1] : 0;
    for (const FleetRule &r : fleet_rules) {
        if (first != r.first || second < r.lo || second > r.hi) continue;
        const bool other = r.px2 && cond(2);
        const int row = other ? find_base_vsl(r.px2, r.span2) : find_base_vsl(r.px1, r.span1);
        if (row == 0) break;
        take_row(row);
        return;
    }
    get_vsl();
}

int find_qrc(const char *call) {
    qrc_nr = 0;
    for (int i = 1; i <= 11; ++i) {
        if (two(call, vsl_qrc_px_1[i])) {
            qrc_nr = i;
            break;
        }
    }
    return qrc_nr;
}

int find_specialistic_vsl() {
    if (in_list(vsl_type_motorcargo, __vsl)) return 1;
    if (in_list(vsl_type_ore, __vsl)) return 6;
    if (in_list(vsl_type_motortanker, __vsl)) return 22;
    if (in_list(vsl_type_steamcargo, __vsl)) return 2;
    if (in_list(vsl_type_cc, __vsl)) return 25;
    if (in_list(vsl_type_refrigatedcargo, __vsl)) return 11;
    if (in_list(vsl_type_steamtanker, __vsl)) return 21;
    if (in_list(vsl_type_motorpassanger, __vsl)) return 14;
    if (in_list(vsl_type_steampassanger, __vsl)) return 15;
    if (in_list(vsl_type_trawler, __vsl)) return 24;
    return 255;
}

void fleet_style(const char *call) {
    GetSystemTime(&t);
    if (cond(3)) hand = 1;
    if (t.wSecond == 13) qrh = 2;
    if (t.wSecond == 26) qrh = 1;
    const char *v = __vsl;
    const char a = v[0], b = v[0] ? v[1] : 0;
    if (two(v, "3E") || two(v, "3F")) spd = draw(21, 26);
    else if (two(v, "4J")) spd += 4;
    else if (two(v, "5A")) {
        spd -= 4;
        ton = draw(500, 799);
    } else if (two(v, "9H")) spd = draw(21, 26);
    else if ((a == '6' && b >= 'K' && b <= 'N') || two(v, "DS") || two(v, "DT") || two(v, "HL")) bug();
    else if (a == 'I') spd = draw(16, 22);
    else if (two(v, "AQ") || two(v, "AT") || two(v, "VV") || two(v, "VW")) {
        spd = draw(15, 20);
        ton = draw(500, 699);
        hand = 1;
        qrh = 2;
    } else if (two(v, "EP") || two(v, "EQ")) {
        spd = draw(16, 21);
        ton = draw(500, 799);
    } else if (std::strchr("FGMKWZ", a) && a && t.wSecond % 3 != 0) bug();
    else if (a == 'G' || a == 'M') spd = draw(16, 23);
    else if (two(v, "HN") || two(v, "HZ")) spd = draw(18, 23);
    else if ((call[0] == 'R' || call[0] == 'U') && a == 'U') spd += 5;
    else if (two(v, "SP") || two(v, "SQ")) spd = draw(20, 24);
    else if (two(v, "SS") || two(v, "SU")) {
        spd -= 4;
        ton = draw(500, 699);
    } else if (a == 'S' && b > 'U') spd = draw(20, 28);
}

void international_hello(const char *a, const char *b) {
    if (a[0] == 'F' || b[0] == 'F') french_hello();
    else hello();
    static const char *const arab_a[] = {"5A", "7T", "9K", "A4", "A7", "A9", "HZ", "JY", "OD", "SU"};
    static const char *const arab_b[] = {"5A", "7T", "9K", "A4", "A7", "A9", "HN", "HZ", "JY", "OD", "SU"};
    auto among = [](const char *call, auto &list) {
        for (const char *px : list)
            if (two(call, px)) return true;
        return false;
    };
    if (a[0] == 'U' && b[0] == 'U') std::snprintf(str2, STR_SIZE, "ZDR");
    else if (a[0] == 'S' && b[0] == 'S' && a[1] < 'N' && b[1] < 'N') std::snprintf(str2, STR_SIZE, "HEJ");
    else if (among(a, arab_a) && among(b, arab_b)) std::snprintf(str2, STR_SIZE, "SLM");
}

void get_channel(int band_mhz) {
    struct Channel {
        int band;
        const char *long_form, *short_form;
        int lo, hi;
    };
    static const Channel channels[] = {
        {4, "41%d", "1%d", 87, 98},    {6, "62%d", "2%d", 85, 98},    {8, "83%d", "3%d", 42, 62},
        {12, "124%d", "4%d", 22, 75}, {16, "166%d", "6%d", 20, 81}, {22, "222%d", "2%d", 42, 76},
    };
    for (const Channel &c : channels) {
        if (c.band != band_mhz) continue;
        const bool long_form = t.wMinute % 3 == 0;
        std::snprintf(str3, STR_SIZE, long_form ? c.long_form : c.short_form, draw(c.lo, c.hi));
        return;
    }
}

void maritime_bye(const char *own) {
    auto pause_ee = [](const char *last) {
        wait(draw(3, 6));
        send(last);
    };
    switch (draw(34)) {
    case 0:
    case 1:
    case 2: send("TU SU ee"); break;
    case 3: send("TUSUee"); break;
    case 4: send("TU ee"); break;
    case 5: send("TUee"); break;
    case 6: send("] ee"); break;
    case 7: send("SU ee"); break;
    case 8: send("TU e e"); break;
    case 9: send("73 GB e e"); break;
    case 10: sendf("R FB 73 DE %s ] ee", own); break;
    case 11: sendf("DE %s TKS 73 GB ee", own); break;
    case 12: sendf("DE %s TKS OM 73 GB ee", own); break;
    case 13: send("ee"); break;
    case 14: send("73 ee"); break;
    case 15: send("GB TU ee"); break;
    case 16: send("QRU 73 TU SU ee"); break;
    case 17: send("TKS OM NEEL 73 GB ee"); break;
    case 18: send("R TKS OM NEEL 73 GB ee"); break;
    case 19: send("R TKS OM NW NEEL 73 GB ee"); pause_ee("ee"); break;
    case 20: sendf("R FB 73 GB DE %s SEE U ee", own); pause_ee("ee"); break;
    case 21: send("NW QRU 73 TU SU ee"); break;
    case 22: send("ERE QRU 73 TU SU ee"); break;
    case 23: send("ERE QRU 73 TU SU ee"); pause_ee("ee"); break;
    case 24: sendf("EN NW NEEL 73 GB DE %s  TU ee", own); break;
    case 25: sendf("EN NW NEEL 73 GB DE %s  TU ee", own); pause_ee("e e"); break;
    case 26: sendf("R NW NIL 73 GB DE %s  TU SU ee", own); pause_ee("ee"); break;
    case 27: send("TKS NIL 73 SUEE"); break;
    case 28: send("TKS NIL 73 SUEE"); pause_ee("ee"); break;
    case 29: send("73 GB TU SU EE"); break;
    case 30: send("73 GB TU SU EE"); pause_ee("ee"); break;
    case 31: send("NW NIL 73 ]"); break;
    case 32: send("HR QRU 73 TU SU ee"); break;
    default: send("HR NIL 73 TU SU ee"); break;
    }
}

}  // namespace kestrel
