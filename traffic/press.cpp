#include "traffic/press.h"

#include <cstring>
#include <string>

#include "procedures/send.h"
#include "procedures/sendf.h"
#include "state/clock.h"
#include "state/random.h"
#include "traffic/blocks.h"

namespace kestrel {

void fig4_msg(const char *head, int groups) {
    send(head);
    for (int i = 0; i < groups; ++i) send(group4f());
    send_stack("+ ");
}

namespace {

enum DatelineStyle { DAY_MONTH, DAY_DOT_MONTH, MONTH_DAY, DAY_DE_MONTH };

struct Agency {
    int language;     // PressLanguageId
    const char *name; // as the broadcast announces it
    const char *tag;  // in the dateline
};

const Agency agencies[PRESS_AGENCIES] = {
    {PL_FRENCH, "AGENCE HAVAS", "HAVAS"},
    {PL_FRENCH, "AGENCE FRANCE PRESSE", "AFP"},
    {PL_ITALIAN, "AGENZIA STEFANI", "STEFANI"},
    {PL_GERMAN, "TRANSOCEAN BERLIN", "TRANSOCEAN"},
    {PL_GERMAN, "DNB BERLIN", "DNB"},
    {PL_ENGLISH_US, "UNITED PRESS", "UP"},
    {PL_ENGLISH_US, "ASSOCIATED PRESS", "AP"},
    {PL_ENGLISH_UK, "REUTER LONDON", "REUTER"},
    {PL_ENGLISH_US, "PRESS WIRELESS NEW YORK", "PW"},
    {PL_SPANISH, "AGENCIA TELAM", "TELAM"},
    {PL_PORTUGUESE, "AGENCIA NACIONAL", "AN"},
    {PL_RUSSIAN, "TASS MOSKWA", "TASS"},
};

DatelineStyle style_of(int language) {
    switch (language) {
    case PL_GERMAN: return DAY_DOT_MONTH;
    case PL_ENGLISH_US:
    case PL_ENGLISH_UK: return MONTH_DAY;
    case PL_SPANISH:
    case PL_PORTUGUESE: return DAY_DE_MONTH;
    default: return DAY_MONTH;
    }
}

// One of `rows` that is none of the `taken` (up to three), by draw.
const char *other(const char *const *rows, int count, const char *a, const char *b, const char *c) {
    for (int tries = 0; tries < 16; ++tries) {
        const char *r = rows[draw(count)];
        if (r != a && r != b && r != c && (!a || std::strcmp(r, a) != 0) && (!b || std::strcmp(r, b) != 0) &&
            (!c || std::strcmp(r, c) != 0))
            return r;
    }
    return rows[0];
}

// The item text with its fields filled, into `out`; the place the news comes
// from (the first place the text names, else the agency's home) into `where`.
void fill(const PressLanguage &lang, const char *text, char *out, int size, const char **where) {
    const char *p = other(lang.places, lang.place_count, nullptr, nullptr, nullptr);
    const char *q = other(lang.places, lang.place_count, p, nullptr, nullptr);
    const char *h = other(lang.ports, lang.port_count, nullptr, nullptr, nullptr);
    const char *j = other(lang.ports, lang.port_count, h, nullptr, nullptr);
    *where = lang.places[0];
    for (const char *c = text; *c; ++c)
        if (c[0] == '{' && (c[1] == 'P' || c[1] == 'H')) {
            *where = c[1] == 'P' ? p : h;
            break;
        }
    const char *s = lang.surnames[draw(lang.surname_count)];
    const char *v = lang.ships[draw(lang.ship_count)];
    const int n = draw(3, 40), m = draw(1, 6), k = draw(120, 2900), votes = draw(60, 240), day = draw(1, 28);
    int o = 0;
    for (const char *c = text; *c && o < size - 1; ++c) {
        char field[24] = "";
        const char *put = nullptr;
        if (c[0] == '{' && c[1] && c[2] == '}') {
            switch (c[1]) {
            case 'P': put = p; break;
            case 'Q': put = q; break;
            case 'H': put = h; break;
            case 'J': put = j; break;
            case 'S': put = s; break;
            case 'V': put = v; break;
            case 'N': put = textf(field, sizeof field, "%d", n); break;
            case 'M': put = textf(field, sizeof field, "%d", m); break;
            case 'K': put = textf(field, sizeof field, "%d", k); break;
            case 'T': put = textf(field, sizeof field, "%d", votes); break;
            case 'D': put = textf(field, sizeof field, "%d", day); break;
            default: break;
            }
        }
        if (!put) {
            out[o++] = *c;
            continue;
        }
        for (; *put && o < size - 1; ++put) out[o++] = *put;
        c += 2;
    }
    out[o] = 0;
}

// French joins DE and A to the place that follows: D ALGER, DU HAVRE, AU HAVRE.
void contract_french(char *text) {
    std::string s = text;
    auto swap = [&](const std::string &from, const std::string &to) {
        for (size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size()))
            s.replace(at, from.size(), to);
    };
    swap(" DE LE ", " DU ");
    swap(" A LE ", " AU ");
    for (const char *v : {" DE A", " DE E", " DE I", " DE O", " DE U"}) swap(v, std::string(" D ") + v[4]);
    std::strcpy(text, s.c_str());  // never longer than before
}

}  // namespace

void press_px(const char *call, int agency) {
    if (agency < 0 || agency >= PRESS_AGENCIES) return;
    const Agency &a = agencies[agency];
    const PressLanguage &lang = press_languages[a.language];
    const char *month = lang.months[(t.wMonth + 11) % 12];
    sendf("CQ PX DE %s = %s = ", call, a.name);
    const int items = draw(2, 4);
    int used[4] = {-1, -1, -1, -1};
    for (int i = 0; i < items; ++i) {
        int k = draw(lang.text_count);
        for (int tries = 0; tries < 8 && (k == used[0] || k == used[1] || k == used[2]); ++tries)
            k = draw(lang.text_count);
        used[i] = k;
        char text[512];
        const char *place;
        fill(lang, lang.texts[k], text, sizeof text, &place);
        if (a.language == PL_FRENCH) contract_french(text);
        char date[64];
        switch (style_of(a.language)) {
        case DAY_DOT_MONTH: textf(date, sizeof date, "%s %d. %s (%s) -", place, t.wDay, month, a.tag); break;
        case MONTH_DAY: textf(date, sizeof date, "%s %s %d (%s) -", place, month, t.wDay, a.tag); break;
        case DAY_DE_MONTH: textf(date, sizeof date, "%s %d DE %s (%s) -", place, t.wDay, month, a.tag); break;
        default: textf(date, sizeof date, "%s %d %s (%s) -", place, t.wDay, month, a.tag); break;
        }
        sendf("%s %s = ", date, text);
    }
    send_stackf("%s + DE %s", lang.end, call);
}

}  // namespace kestrel
