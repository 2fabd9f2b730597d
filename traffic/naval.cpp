#include "traffic/naval.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>

#include "procedures/predicates.h"
#include "procedures/procedures.h"
#include "procedures/send.h"
#include "procedures/sendf.h"
#include "state/log.h"
#include "state/receiver.h"
#include "synth/params.h"
#include "traffic/blocks.h"
#include "traffic/fleets.h"
#include "traffic/vessels.h"

namespace kestrel {

namespace {

int rand_n(int n) { return std::rand() % n; }
// A row below n; a table of one row (or none) gives row 0 without a draw.
int row_below(int n) { return n > 1 ? draw(n) : 0; }

const char *const MARKER_4XZ = "VVV VVV VVV DE 4XZ 4XZ 4XZ = =  ";

// The first four characters of a building block's result, without its blank.
void copy4(char out[5], const char *block) {
    std::snprintf(out, 5, "%.4s", block);
    if (char *blank = std::strchr(out, ' ')) *blank = 0;
}

// `value` in `width` digits (its last ones), the digits in reverse order.
void reversed(char *out, int size, unsigned value, int width) {
    char digits_[16];
    unsigned mod = 1;
    for (int i = 0; i < width; ++i) mod *= 10;
    std::snprintf(digits_, sizeof digits_, "%0*u", width, value % mod);
    int n = 0;
    for (int i = width - 1; i >= 0 && n + 1 < size; --i) out[n++] = digits_[i];
    out[n] = 0;
}

// The text reversed character by character.
void reversed_text(char *out, int size, const char *text) {
    const int len = static_cast<int>(std::strlen(text));
    int n = 0;
    for (int i = len - 1; i >= 0 && n + 1 < size; --i) out[n++] = text[i];
    out[n] = 0;
}

// A 4XZ address: letter, letter, digit 0..8, letter.
void address_4xz(char out[5]) {
    out[0] = rand_lat();
    out[1] = rand_lat();
    out[2] = static_cast<char>('0' + draw(9));
    out[3] = rand_lat();
    out[4] = 0;
}

// The start of a ship's answer to a coast station: the tape a few more times,
// cut off as the operator switches over, and a faster hand.
void tape_interrupted(const char *marker) {
    for (int i = 0; i < draw(5) + 1; ++i) send(marker);
    const int cut = draw(5, 14);
    char part[16];
    std::snprintf(part, sizeof part, "%.*s", cut, marker);
    send(part);
    wait(1);
    spd += 3;
}

// American stations work ships by tactical calls most of the time.
bool tactical(const char *own) { return own[0] == 'N' && t.wMilliseconds % 4 != 0; }

// A ship by its tactical call reporting its message received; closed.
void tactical_receipt(const char *marker, const char *own) {
    char ship[4];
    ship[0] = static_cast<char>('A' + rand_n(26));
    ship[1] = static_cast<char>('1' + rand_n(9));
    ship[2] = static_cast<char>('A' + rand_n(26));
    ship[3] = 0;
    const int q = draw(2, 4);
    sendf("%s %s DE %s RRR QSA%d K", ship, ship, own, q);
    wait(6);
    send("OK QRU ]ee");
    wait(4);
    send_times(marker, 20);
    send_stack("");
}

// The settings of a Soviet naval shore station; false outside its odd minutes.
bool rus_shore(const char *own) {
    if (t.wMinute % 2 == 0) return false;
    ton = 1500;
    spd = draw(18, 21);
    const char third = own && own[0] && own[1] ? own[2] : 0;
    qsa = third == 'C' ? 1 : third == 'S' ? 2 : third == 'T' ? 3 : 4;
    return true;
}

// The calls of a Soviet naval shore station to a ship, by form; closed.
void rus_shore_call(const char *own, const char *ship, int form) {
    const char *s = ship, *o = own;
    switch (form) {
    case 0: sendf("%s  %s  %s  DE %s %s K", s, s, s, o, o); break;
    case 1: sendf("%s DE %s K", s, o); break;
    case 2: sendf("%s %s %s DE %s %s QTC QSA? K", s, s, s, o, o); break;
    case 3: sendf("%s %s %s DE %s %s QYT4 QSA? K", s, s, s, o, o); break;
    case 4: sendf("%s DE %s RPT K", s, o); break;
    case 5: sendf("%s DE %s QYT9 SK", s, o); break;
    case 6: sendf("%s DE %s ZZD1 ZVP K", s, o); break;
    default: sendf("%s %s %s DE %s %s ZZD2 ZZD? K", s, s, s, o, o); break;
    }
    send_stack("");
}

// The shore stations a Royal Navy ship may call, by the hours they are open;
// each station its three letters and a blank.
struct Watch {
    int first, last;
    const char *stations;
};
constexpr Watch rn_watch[] = {
    {0, 1, "CKN VHK VHM VIS ZLO "},
    {2, 2, "ARM CKN VHK VHM VIS ZLO "},
    {3, 3, "ARL ARM CKN GXO VHK VHM VIS VTF ZLO "},
    {4, 4, "ARL ARM GXO VHK VHM VIS VTF ZSJ ZLO "},
    {5, 5, "ARL ARM GKS GXO VHK VHM VIS VTF ZSJ ZLO "},
    {6, 8, "ARL ARM GKS GXO VTF ZSJ "},
    {9, 9, "ARL ARM GKS GXO VTF ZSJ "},
    {10, 10, "ARL ARM CFH GKS GXO VTF ZSJ "},
    {11, 12, "ARL CFH GKS GXO VTF ZSJ "},
    {13, 13, "CFH GKS GXO ZSJ "},
    {14, 16, "CFH CKN GKS GXO "},
    {17, 18, "CFH CKN GKS GXO ZLO "},
    {19, 20, "CFH CKN GXO VHM ZLO "},
    {21, 23, "CFH CKN VHM VIS ZLO "},
};
constexpr Watch rn_watch_22[] = {
    {3, 5, "GXO "},
    {6, 8, "GKI GXO "},
    {9, 15, "GKI "},
};

template <std::size_t N>
void rn_ship_calls(const Watch (&watch)[N]) {
    stn();
    const char *ship = rn_vsl[rand_n(35)];
    spd = rand_n(7) + 16;
    const Watch *open = nullptr;
    for (const Watch &w : watch)
        if (t.wHour >= w.first && t.wHour <= w.last) open = &w;
    if (!open) return;
    const int count = static_cast<int>(std::strlen(open->stations)) / 4;
    char station[5];
    std::snprintf(station, sizeof station, "%.4s", open->stations + 4 * draw(count));
    sendf("%s %s %s DE %s %s %s K", station, station, station, ship, ship, ship);
    send_stack("");
}

// The tuning signal of the Canadian direction-finding station.
const char *const DF_SIGNAL = "F         ";
const char *const HFV_MARKER = "VVV VVV VVV DE HFV HFV HFV +        ";

// The aerodrome forecasts MKL passes to the fleet after its addressees.
const char *const MKL_TAFS =
    "= PP TAFS =  EGQK %02d00 0918 24015 9999 4SC025 TEMPO 1215 8000 RA 6SC012 = "
    "EGQS 0918 25018G28 9999 3SC020 6SC035 PROB30 1317 4000 SHRA 5CU015 = "
    "EGQL 0918 22012 7000 5SC018 BECMG 1113 9999 3SC025 = "
    "EGPK 0918 23015 9999 4SC030 TEMPO 1418 6000 RA 7SC014 = + ";

}  // namespace

void nato_broadcast(const char *marker, const char *bcast, const char (*calls)[5], int count) {
    const unsigned first = static_cast<unsigned>(t.wDay) * (t.wHour + 1u);
    spd = 19;
    send(marker);
    sendf(" %s %s %s         ", bcast, bcast, bcast);
    const char id = std::strlen(bcast) > 3 ? bcast[3] : ' ';
    for (unsigned number = first; number < first + 4; ++number) {
        gr = draw(10, 69);
        const char precedence = gr % 5 != 0 ? 'O' : gr % 2 == 0 ? 'R' : 'P';
        sendf("    %c NR%03u  %c NR%03u II ", id, number, id, number);
        char to[5];
        if (count == 167) copy4(to, nato_vsl[draw(NATO_VSL_ROWS)]);
        else if (count == 0 || !calls) copy4(to, call4l());
        else copy4(to, calls[row_below(count - 1)]);
        int words[4];
        for (int &w : words) w = draw(25);
        const int figure = draw(9);
        const unsigned d = t.wDay, h = t.wHour, m = t.wMinute;
        const char *mon = months[(t.wMonth + 11) % 12];
        sendf("%s  %s II %c  %c II %02u%02u%02uZ %s  %02u%02u%02uZ %s II GR %02u  GR %02u = %s %s %s %s %s = ", to, to,
              precedence, precedence, d, h, m, mon, d, h, m, mon, static_cast<unsigned>(gr), static_cast<unsigned>(gr),
              alfabet[words[0]], alfabet[words[1]], alfabet[words[2]], alfabet[words[3]], digits[figure]);
        for (int i = 0; i < gr - 1; ++i) send(group5l(2));
        send(" = +");
    }
    wait(1);
    send(marker);
    send_stack(" QRU +");
}

void naval_coast(const char *marker, const char *own, const char (*calls)[5], int count) {
    switch (draw(6)) {
    case 0:
    case 1:
    case 2:
        Log("naval_coat", "send_still(tape)", 0);
        send_still(marker);
        break;
    case 3: {
        Log("naval_coat", "rcvg QTC fm ship ", 0);
        tape_interrupted(marker);
        const char *ship = calls && count > 0 ? calls[row_below(count - 1)] : "";
        if (tactical(own)) {
            tactical_receipt(marker, own);
            break;
        }
        Log("naval_coast", "open call ", 0);
        const int q = draw(2, 4);
        sendf("%s %s DE %s QSA%d K", ship, ship, own, q);
        wait(8);
        send("QRV K");
        wait(60);
        send("QSL K");
        wait(4);
        sendf("OK %s DE %s ]EE", ship, own);
        send_stack("");
        break;
    }
    case 4:
        Log("naval_coat", "5F QTC IN PROGRESS", 0);
        for (int n = 0; n < draw(10, 49); ++n) send(group5f());
        sendf(" + DE %s QRU ]", own);
        wait(2);
        send_times(marker, 20);
        send_stack("");
        break;
    default: break;  // off the air
    }
}

void usn_pg(const char *marker, const char *own, const char (*calls)[5], int count) {
    rcvg_obs_msg(own);
    naval_coast(marker, own, calls, count);
}

void italian_naval(const char *marker, const char *own) {
    if (eh() && t.wSecond % 6 == 0) {
        Log("naval_coat", "rcvg QTC fm ship ", 0);
        tape_interrupted(marker);
        if (tactical(own)) {
            tactical_receipt(marker, own);
            return;
        }
    }
    if (oh() && ms(30)) {
        const int own_spd = spd;
        spd = 18;
        create_params();
        const int groups = draw(10, 19);
        for (int i = 0; i < groups; ++i) send(group5l(2));
        send(" + QRU ]");
        wait(3);
        spd = own_spd;
        create_params();
        send_times(marker, 40);
    } else {
        send_times(marker, 50);
    }
    send_stack("");
}

void russian_navy_coast(const char *own, const char (*calls)[6], int count) {
    if (!rus_shore(own)) return;
    const char *ship = calls && count > 0 ? calls[draw(count)] : "";
    rus_shore_call(own, ship, draw(6));
}

void russian_navy_qsx(const char *own, const char (*calls)[6], int count) {
    if (!rus_shore(own)) return;
    const char *ship = calls && count > 0 ? calls[draw(count)] : "";
    // The first five forms of the coast station, then the channel's own signals.
    static const int forms[8] = {0, 1, 2, 3, 4, 6, 5, 7};
    rus_shore_call(own, ship, forms[draw(8)]);
}

void russian_navy_primary() {
    if (t.wMinute % 2 == 0) return;
    struct Shore {
        const char *call;
        const char (*ships)[6];
        int count;
    };
    static const Shore shores[4] = {{"RIW", rus_navy_riw, static_cast<int>(std::size(rus_navy_riw))},
                                    {"RIT", rus_navy_rit, static_cast<int>(std::size(rus_navy_rit))},
                                    {"RMP", rus_navy_rmp, static_cast<int>(std::size(rus_navy_rmp))},
                                    {"RCV", rus_navy_rcv, static_cast<int>(std::size(rus_navy_rcv))}};
    const Shore &shore = shores[draw(4)];
    rus_shore(shore.call);
    const char *ship = shore.ships[draw(shore.count)];
    rus_shore_call(shore.call, ship, draw(4));
}

void usn() {
    if (!cond(3)) return;
    stn();
    const char *station = usn_stn[rand_n(8)];
    const char *ship = us_navy[rand_n(37)];
    if (t.wMinute % 2 == 0) sendf("%s %s %s DE %s %s %s ZBO1 ii O K", station, station, station, ship, ship, ship);
    else sendf("%s %s DE %s %s QSA? K", station, station, ship, ship);
    send_stack("");
}

void usn_old() {
    if (!cond(3)) return;
    stn();
    const char *station = usn_stn2[rand_n(8)];
    const char *ship = us_navy_old[rand_n(37)];
    if (t.wMinute % 2 == 0) sendf("%s %s %s V %s %s %s ZOY K", station, station, station, ship, ship, ship);
    else sendf("%s %s V %s %s ZSF? K", station, station, ship, ship);
    send_stack("");
}

void rcn(const char *station) {
    if (!cond(3)) return;
    stn();
    const char *ship = canadian_navy[rand_n(24)];
    if (t.wMinute % 5 == 0)
        sendf("%s %s DE %s %s ZEC ZEE L%03u K", station, station, ship, ship, t.wSecond + 23u * t.wDay);
    else if (t.wMinute % 2 == 0) sendf("%s %s %s DE %s %s %s QTC K", station, station, station, ship, ship, ship);
    else sendf("%s %s DE %s %s QSA? K", station, station, ship, ship);
    send_stack("");
}

void fn(const char *station) {
    if (!cond(3)) return;
    stn();
    const char *greeting = day() ? "BJR" : "BSR";
    const char *ship = french_navy[rand_n(49)];
    if (t.wMinute % 2 == 0)
        sendf("%s %s %s DE %s %s %s %s QTC K", station, station, station, ship, ship, ship, greeting);
    else sendf("%s DE %s %s QSA? K", station, ship, greeting);
    send_stack("");
}

void dan_navy(const char *station) {
    if (t.wMilliseconds % 3 != 0) return;
    const char *ship = danish_navy[rand_n(6)];
    char text[80];
    if (t.wSecond % 2 == 0) textf(text, sizeof text, "%s %s %s DE %s %s %s QTC K", station, station, station, ship, ship, ship);
    else textf(text, sizeof text, "%s %s DE %s %s QSA? K", station, station, ship, ship);
    send_cond_bug(text);
}

void rn_12mhz() { rn_ship_calls(rn_watch); }
void rn_16mhz() { rn_ship_calls(rn_watch); }

void rn_22mhz() {
    if (t.wHour < 3 || t.wHour > 15) return;
    rn_ship_calls(rn_watch_22);
}

void _4xz() {
    if (cond(13)) return;
    spd = 24;
    ton = 1000;
    qsa = 4;
    nr = t.wDay * 42;
    if (oh()) {
        send_still(MARKER_4XZ);
        return;
    }
    const int m = t.wMinute;
    if (m < 5) anouncements_4xz(10, nr);
    else if (m < 30) _4xz_qtc_v_format(12, nr);
    else if (m < 35) anouncements_4xz(10, nr);
    else if (m < 40) _4xz_qtc_v_format(12, nr);
    else if (m >= 45) fm46_4xz_msg(nr);
}

void anouncements_4xz(int n, int serial) {
    int first_to = t.wMilliseconds % 2 == 0 ? serial + 10 : 0;
    for (int i = 0; i < n - 1; ++i, ++serial) {
        char from[5], to[5];
        address_4xz(from);  // drawn with every entry, named by none
        address_4xz(to);
        const char l1 = rand_lat(), l2 = rand_lat();
        const int groups = draw(10, 39);
        char nr_[4], g[3];
        reversed(nr_, sizeof nr_, static_cast<unsigned>(serial), 3);
        if (first_to) {
            // The first entry tells where the numbering goes on.
            char f[4];
            reversed(f, sizeof f, static_cast<unsigned>(first_to), 3);
            sendf("NR %s TO NR %s QQL == ", nr_, f);
            first_to = 0;
            continue;
        }
        reversed(g, sizeof g, static_cast<unsigned>(groups), 2);
        sendf("%s NR %s %c%c GR %s == ", to, nr_, l1, l2, g);
    }
    send_times(MARKER_4XZ, 10);
    send_stack("");
}

void _4xz_qtc_v_format(int n, int serial) {
    for (int i = 0; i < n - 1; ++i, ++serial) {
        char a[5], b[5], check[6];
        address_4xz(a);
        address_4xz(b);
        gr = draw(10, 39);
        std::snprintf(check, sizeof check, "%.5s", group5l(2));
        const char l1 = rand_lat(), l2 = rand_lat();
        char nr_[4], g[3], dtg[8], when[8];
        reversed(nr_, sizeof nr_, static_cast<unsigned>(serial), 3);
        reversed(g, sizeof g, static_cast<unsigned>(gr), 2);
        std::snprintf(when, sizeof when, "%02u%02u%02u", t.wDay % 100u, t.wHour % 100u, t.wMinute % 100u);
        reversed_text(dtg, sizeof dtg, when);
        sendf("  NW QTC 1 NR %s = = NR %s %c%c %c %s %s %s GR %s = = %c%c%c%c%c %s ", nr_, nr_, l1, l2, 'V', a, dtg, b,
              g, b[0], b[3], b[0], b[3], b[0], check);
        for (int k = 0; k < gr - 4; ++k) send(group5l(2));
        sendf("%s = = ", check);
    }
    send_times(MARKER_4XZ, 10);
    send_stack("");
}

void fm46_4xz_msg(int serial) {
    spd = 28;
    char a[5], b[5];
    address_4xz(a);
    address_4xz(b);
    char number[12], day_[4], dayhour[8], dh[8], dh1[4], dh2[4];
    std::snprintf(number, sizeof number, "%03u", static_cast<unsigned>(serial));
    std::snprintf(day_, sizeof day_, "%02u", t.wDay % 100u);
    std::snprintf(dayhour, sizeof dayhour, "%02u%02u", t.wDay % 100u, t.wHour % 100u);
    reversed_text(dh, sizeof dh, dayhour);
    std::snprintf(dh1, sizeof dh1, "%.2s", dh);
    std::snprintf(dh2, sizeof dh2, "%.2s", dh + 2);
    char text[1024];
    fill_fields(text, sizeof text, fm46_4xz_text,
                {{"NR", number}, {"A", a}, {"B", b}, {"DH1", dh1}, {"DH2", dh2}, {"DAY", day_}});
    // Mended: the message goes at 28 and the marker after it at 24 as speed
    // codes in the text; set and put back before the close, the 28 never
    // sounded.
    sz = 1;
    create_params();
    send(text);
    wait(4);
    spd = 24;
    create_params();
    send_times(MARKER_4XZ, 10);
    send_stack("");
}

void polish_navy(int kind) {
    if (t.wSecond % 3 != 0) return;
    stn();
    gr = draw(10, 31);
    const char *ship = polish_navy_vsl[draw(41)];
    const char *shore = "CVF2";
    sz = 1;
    if (kind == 1) {
        sendf("%s DE %s QRV K", shore, ship);
        wait(rand_n(60) + 60);
        sendf("%s R %03d K", ship, nr);
    } else if (t.wMilliseconds % 2 == 0) {
        sendf("%s %s %s DE %s %s QTC K", ship, ship, ship, shore, shore);
        wait(8);
        send("CVF2");
        wait(1);
        qtc5f(nr, gr);
        send("K");
        wait(6);
        send("RK");
    } else {
        sendf("%s %s %s QTC", "ACMF", "ACMF", "ACMF");
        wait(2);
        qtc5f(nr, gr);
        send("+ ");
    }
    // Mended: sz is frozen when the slot closes, so putting it back to 0
    // before the close would void the cut zeros the broadcast sets for its
    // figure groups; the slot keeps them and the next station does not.
    send_stack("");
    sz = 0;
}

void spanish_navy() {
    if (t.wSecond % 7 != 0) return;
    stn();
    rto = 30;
    if (t.wMinute % 2 == 0) {
        char last[8] = "";
        for (int n = 0; n < draw(10, 59); ++n) {
            std::snprintf(last, sizeof last, "%s", group5f());
            send(last);
        }
        send(" K");
        send_stack(last);
        return;
    }
    const char *ship = spanish_navy1[rand_n(25)];
    const int messages = draw(5, 14), priority = draw(2, 6);
    sendf("%s ZBO %d %dR & QRV F1B K", ship, messages, priority);
    send_stack("");
}

void taiwan_navy() {
    if (!cond(7)) return;
    stn();
    for (int n = 0; n < draw(15, 34); ++n) send(group5f());
    sendf(" = + de %s k", tai_navy[draw(51)]);
    send_stack("");
}

void undef_naval_nato() {
    char a[4];
    std::snprintf(a, sizeof a, "%s", nato_call3());
    const char *b = nato_call3();
    sendf("vvvv    <  %s %s de %s %s k", a, a, b, b);
    send_stack("");
}

void jap_coast_guard(const char *station) {
    bug();
    get_vsl();
    hello();
    sendf("^  %s de %s %s k", station, __vsl, str2);
    send_stack("");
}

void bangladesh_navy() {
    dialog1("LU LU LU DE KI KI KI K");
    dialog2("KI KI KI DE LU LU LU K");
    send_stack("");
}

void german_navy() {
    if (!cond(7)) return;
    stn();
    const char *ship = ger_navy[draw(9)];
    const char *shore = draw(2) == 0 ? "DHJ58" : "DHJ59";
    dialog1f("%s %s DE %s %s P K", ship, ship, shore, shore);
    dialog2f("%s DE %s * +", shore, ship);
    dialog1("R+");
    send_stack("");
}

void qrr3(const char *a, const char *b) {
    if (t.wSecond % 4 != 0) return;
    stn();
    qsa1 = draw(2, 4);
    qsa2 = draw(2, 4);
    spd1 = spd = 22;
    dialog1f("%s %s %s DE %s %s ZGR? ZZD? K     ", a, a, a, b, b);
    spd2 += 4;
    int w[3];
    for (int &k : w) k = draw(9);
    char figs[40];
    textf(figs, sizeof figs, "%s %s %s", russian_figs[w[0]], russian_figs[w[1]], russian_figs[w[2]]);
    dialog2f("%s DE %s ZZD3 ZN%c %s K   ", b, a, '%', figs);
    dialog1("ZSS K");
    wait(2);
    spd2 -= 6;
    dialog2f("ZN%c %s K", '%', figs);
    dialog1("ZKM KLKMLVLMVVLKVLVVLLVVLVV K");
    wait(2);
    // The keying test both ways: letters and signs that show a bad contact.
    dialog2("VLMK LKV/M VVKL= MLVK? LKMV, KKVL VLML ZKM K");
    dialog1("MKLV= VKLM/ LLVK? KVMV LMK, VKLL MVLK ZKM K");
    dialog2f("%s OK SK", a);
    send_stack("");
}

void uboot() {
    if (t.wSecond % 2 != 0) return;
    stn();
    spd += 2;
    send("vvv");
    wait(1);
    if (t.wMinute % 2 == 0) {
        char g[4];
        std::snprintf(g, sizeof g, "%.3s", group3l());
        char r[19];
        for (int i = 0; i < 18; ++i) r[i] = rand_lat();
        r[18] = 0;
        if (t.wMinute % 4 == 0) {
            sendf("%c %c %c %s%s%s", 9, 9, 9, g, r, g);
        } else {
            const char x = rand_lat(), y = rand_lat();
            sendf("WWJ %.8s%c%c", r, x, y);
        }
        send_stack(" ]");
        return;
    }
    char a[5], b[5];
    copy4(a, group4l());
    copy4(b, group4l());
    sendf("%02u%02u/%02u %u %s%s ", static_cast<unsigned>(t.wHour), static_cast<unsigned>(t.wMinute),
          static_cast<unsigned>(t.wDay), static_cast<unsigned>(gr), a, b);
    for (int i = 0; i < gr - 4; ++i) send(group4l());
    sendf("%s%s +", a, b);
    send_stack(" ]");
}

void rcn_df() {
    spd = 17;
    ton = 800;
    qsa = 4;
    if (t.wSecond % 3 != 0) {
        send_still(DF_SIGNAL);
        return;
    }
    send_times(DF_SIGNAL, rand_n(10) + 10);
    send(" =  =   ");
    for (int i = 0; i < 5; ++i) send(group5l(2));
    send(" +");
    wait(2);
    send_times(DF_SIGNAL, 40);
    send_stack("");
}

void venezuelian_navy() {
    spd = 18;
    ton = 900;
    qsa = 2;
    nr = 11;
    send_times("VVV VVV VVV DE YWX YWX YWX HR TFC FOR ALL            ", 3);
    for (int m = 0; m < 5; ++m) {
        gr = draw(10, 49);
        sendf("NW NR CQ %d CK %d = ", nr, gr);
        for (int i = 0; i < gr; ++i) send(group5l(2));
        send(" +");
        wait(2);
        ++nr;
    }
    send_stack("QRU ]");
}

void mkl_broadcast() {
    nr = draw(5, 9);
    const char x = rand_lat(), y = rand_lat();
    sendf("VVV VVV VVV DE MKL MKL MKL ZNB %c%c *", x, y);
    wait(23);
    char c[4];
    std::snprintf(c, sizeof c, "%s", nato_call3());
    sendf("%s %s %s DE MKL MKL MKL = O GR %02d = ", c, c, c, nr);
    for (int i = 0; i < nr; ++i) sendf("%s ", nato_call3());
    sendf(MKL_TAFS, static_cast<int>(t.wHour));
    send_stack("");
}

void algerian_navy() {
    if (t.wMinute % 3 != 0) return;
    stn();
    spd -= 4;
    ton -= 300;
    const char a1 = static_cast<char>('A' + rand_n(26)), a2 = static_cast<char>('A' + rand_n(26));
    const int an = rand_n(80) + 10;
    const char b1 = static_cast<char>('A' + rand_n(26)), b2 = static_cast<char>('A' + rand_n(26));
    const int bn = rand_n(80) + 10;
    sendf("%c%c%d %c%c%d DE %c%c%d %c%c%d QRK? QTC K", a1, a2, an, a1, a2, an, b1, b2, bn, b1, b2, bn);
    send_stack("");
}

void hfv_tfclist(int first, int count) {
    constexpr int MOST = 24;  // as many as one slot holds
    if (count > MOST) count = MOST;
    spd = 24;
    ton = 900;
    qsa = 4;
    send(" DE HFV QTC FOR ");
    char to[MOST][8];
    int groups[MOST];
    for (int i = 0; i < count; ++i) {
        std::snprintf(to[i], sizeof to[i], "%s", call4l());
        groups[i] = draw(8, 37);
        sendf("%s%s NR %03d GR %d = ", to[i], to[i], first + i, groups[i]);
    }
    send(" QXF =");
    wait(3);
    for (int i = 0; i < count; ++i) {
        sendf("%s%s NR %03d GR %d %02d %02d00 = ", to[i], to[i], first + i, groups[i], t.wDay, t.wHour);
        for (int k = 0; k < groups[i]; ++k) send(group5l(2));
        send("= +");
        wait(2);
    }
    wait(5);
    send_times(HFV_MARKER, 12);
    send_stack("");
}

void hfv_tape() {
    spd = 24;
    ton = 900;
    qsa = 4;
    send_still(HFV_MARKER);
}

void ins() {
    stn();
    rto = 30;
    char x[4];
    x[0] = rand_lat();
    x[1] = rand_lat();
    x[2] = static_cast<char>('0' + draw(9));
    x[3] = 0;
    if (t.wMilliseconds % 2 == 0) {
        dialog1f("%s %s DE INS INS K", x, x);
    } else {
        const int h = t.wHour, m = t.wMinute;
        dialog1f("INS INS DE %s %s QTC K", x, x);
        dialog2f("%s %s DE INS INS QRV K", x, x);
        dialog1f("INS DE %s QTR %02d%02d  QTH XBB22  QRD XFD33 RPT AL K", x, h, m);
        dialog2f("%s DE INS = QTR %02d%02d QTH XBB22 QRD XFD33 K", x, h, m);
        dialog1f("%s >", x);
    }
    send_stack("");
}

void th_navy_ship() {
    stn();
    char shore[8], ship[8];
    std::snprintf(shore, sizeof shore, "%s", call4l());
    std::snprintf(ship, sizeof ship, "%s", call4l());
    sendf("%s%sDE %s%s QSA? QTC K", shore, shore, ship, ship);
    wait(6);  // the shore station's answer is not heard here
    sendf("%s NR %d GR %d %02d %02d%02d = ", shore, nr, gr, t.wDay, t.wHour, t.wMinute);
    for (int i = 0; i < gr; ++i) send(group5l(2));
    send(" = + K");
    wait(8);
    send_stack("QRU 73 ] ee");
}

void th_navy_coast() {
    stn();
    char ship[8], own[8];
    std::snprintf(ship, sizeof ship, "%s", call4l());
    std::snprintf(own, sizeof own, "%s", call4l());
    const int q = draw(2, 4);
    sendf("%sDE %s QSA%d QRV K", ship, own, q);
    wait(30);  // the ship's message, not heard here
    sendf("%sDE %s QSL NR %d K", ship, own, nr);
    wait(3);
    send_stack("73 ] EE");
}

void french_navy_coast(const char *marker, const char *own) {
    if (!cond(8)) {
        send_still(marker);
        return;
    }
    const char *greeting = day() ? "BJR" : "BSR";
    const char *ship = french_navy[rand_n(49)];
    if (t.wMinute % 2 == 0) sendf("%s %s DE %s %s QRV K", ship, ship, own, greeting);
    else sendf("%s DE %s %s QRV K", ship, own, greeting);
    wait(draw(45, 74));
    char qsl_line[64];
    textf(qsl_line, sizeof qsl_line, "%s DE %s QSL K", ship, own);
    send(qsl_line);
    wait(draw(2, 5));
    send("tuee");
    wait(2);
    send_times(marker, 20);
    send_stack(qsl_line);
}

}  // namespace kestrel
