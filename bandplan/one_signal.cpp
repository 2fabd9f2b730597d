#include "bandplan/one_signal.h"

#include <cctype>
#include <cstring>

#include "procedures/send.h"
#include "synth/params.h"

namespace kestrel {

namespace {

constexpr int CALL_MAX = 8;   // a call of up to seven characters
constexpr int CALLS_MAX = 24;  // distinct signatures kept per slot

struct Calls {
    char call[CALLS_MAX][CALL_MAX];
    int count = 0;
};

// The next heard word of slot text from p: parameter codes are skipped, words
// end at blanks, tuning marks, '=' and '+'. Returns the position after the
// word; word is empty at the end of the text.
const unsigned char *next_word(const unsigned char *p, char *word, int size) {
    int n = 0;
    for (; *p; ++p) {
        unsigned char c = *p;
        if (c == CODE_SPD || c == CODE_QSA) {
            if (!p[1]) { ++p; break; }
            ++p;
            continue;
        }
        if (c == CODE_TON) {
            if (!p[1] || !p[2]) { p += std::strlen(reinterpret_cast<const char *>(p)); break; }
            p += 2;
            continue;
        }
        if (c == ' ' || c == CODE_TUNE || c == '=' || c == '+') {
            if (n > 0) break;
            continue;
        }
        if (n < size - 1) word[n++] = static_cast<char>(std::toupper(c));
    }
    word[n] = 0;
    return p;
}

// A call sign: 3 to 7 letters and digits, with a digit or at most four
// letters, so that "DE" before a place or a word of plain language is not
// taken for a signature.
bool call_like(const char *w) {
    const size_t n = std::strlen(w);
    if (n < 3 || n > 7) return false;
    bool digit = false;
    for (size_t i = 0; i < n; ++i) {
        const unsigned char c = static_cast<unsigned char>(w[i]);
        if (!std::isalnum(c)) return false;
        digit |= std::isdigit(c) != 0;
    }
    static const char *const words[] = {"LOS", "LAS", "SAN", "MAR", "UNA", "DER", "DES", "ROME", "PARA", "LYON"};
    for (const char *x : words)
        if (std::strcmp(w, x) == 0) return false;
    return digit || n <= 4;
}

// Calls pass through fn(call) once per "DE <call>" of the slot; a slot that
// is one call and nothing else, over and over (a SITOR channel's Morse
// identification), signs with it at every repeat.
template <class F>
void each_signature(const char *slot, F fn) {
    const unsigned char *p = reinterpret_cast<const unsigned char *>(slot);
    char prev[32] = "", word[32], only[32] = "";
    int words = 0;
    bool one_word = true;
    for (;;) {
        p = next_word(p, word, sizeof word);
        if (!word[0]) break;
        if (words++ == 0) std::strcpy(only, word);
        else one_word &= std::strcmp(only, word) == 0;
        if (std::strcmp(prev, "DE") == 0) {
            char call[32];
            std::strcpy(call, word);
            if (char *stroke = std::strchr(call, '/')) *stroke = 0;
            if (call_like(call)) fn(call);
        }
        std::strcpy(prev, word);
    }
    if (one_word && words >= 2 && call_like(only))
        for (int i = 0; i < words; ++i) fn(only);
}

Calls signatures(const char *slot) {
    Calls c;
    each_signature(slot, [&c](const char *call) {
        for (int i = 0; i < c.count; ++i)
            if (std::strcmp(c.call[i], call) == 0) return;
        if (c.count < CALLS_MAX) std::strcpy(c.call[c.count++], call);
    });
    return c;
}

// Slot k out of the stack: the later closed slots and the open one move down one place.
void take_out(int k) {
    const int closed = send_call;
    for (int j = k; j + 1 < closed; ++j) {
        std::memcpy(send_buf[j], send_buf[j + 1], SLOT_SIZE);
        copy_cw_param(j, j + 1);
    }
    if (closed < 7) {
        std::memcpy(send_buf[closed - 1], send_buf[closed], SLOT_SIZE);
        send_buf[closed][0] = 0;
    } else {
        send_buf[closed - 1][0] = 0;
    }
    --send_call;
}

// The later of two slots signed by one call that gives way, or -1 when none.
int loser(int first) {
    for (int i = 0; i < send_call && i < 7; ++i) {
        const Calls a = signatures(send_buf[i]);
        for (int j = i + 1; j < send_call && j < 7; ++j) {
            if (j < first) continue;
            for (int n = 0; n < a.count; ++n) {
                const int in_j = signs_with(send_buf[j], a.call[n]);
                if (in_j == 0) continue;
                if (i < first) return j;  // the earlier one is already on the air
                return signs_with(send_buf[i], a.call[n]) > in_j ? i : j;
            }
        }
    }
    return -1;
}

}  // namespace

int signs_with(const char *slot, const char *call) {
    int n = 0;
    each_signature(slot, [&n, call](const char *c) { n += std::strcmp(c, call) == 0; });
    return n;
}

int one_signal_per_station(int first) {
    int out = 0;
    for (int k = loser(first); k >= 0; k = loser(first)) {
        take_out(k);
        ++out;
    }
    return out;
}

}  // namespace kestrel
