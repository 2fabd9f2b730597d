#include "support/slot_text.h"

#include <cstdio>

#include "synth/morse.h"
#include "synth/params.h"

namespace kestrel::test {

std::vector<Turn> turns(const std::string &slot) {
    std::vector<Turn> out;
    size_t i = 0;
    const auto byte = [&](size_t k) { return k < slot.size() ? static_cast<unsigned char>(slot[k]) : 0u; };
    while (i < slot.size()) {
        unsigned char c = byte(i);
        if (c == CODE_SPD) {
            out.emplace_back();
            out.back().spd = static_cast<int>(byte(i + 1));
            i += 2;
        } else if (c == CODE_TON) {
            if (out.empty()) out.emplace_back();
            out.back().ton = decode_tone(static_cast<unsigned char>(byte(i + 1)), static_cast<unsigned char>(byte(i + 2)));
            i += 3;
        } else if (c == CODE_QSA) {
            if (out.empty()) out.emplace_back();
            unsigned q = byte(i + 1);
            out.back().qsa = q == 128 ? 0 : static_cast<int>(q);
            i += 2;
        } else {
            if (out.empty()) out.emplace_back();
            out.back().text += static_cast<char>(c);
            ++i;
        }
    }
    return out;
}

std::string bad_chars(const std::string &slot) {
    for (size_t i = 0; i < slot.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(slot[i]);
        if (c == CODE_SPD || c == CODE_QSA) {
            if (i + 1 >= slot.size()) return "parameter code without its value at the end";
            ++i;
            continue;
        }
        if (c == CODE_TON) {
            if (i + 2 >= slot.size()) return "tone code without its value at the end";
            i += 2;
            continue;
        }
        if (c == ' ' || c == CODE_TUNE) continue;
        if (c < CW_TABLE_SIZE && cw_table[c] != 0) continue;
        char what[96];
        std::snprintf(what, sizeof what, "byte %u at %zu in \"%.40s\"", static_cast<unsigned>(c), i,
                      slot.c_str() + (i > 20 ? i - 20 : 0));
        return what;
    }
    return "";
}

std::string plain_text(const std::string &slot) {
    std::string out;
    for (const Turn &t : turns(slot)) out += t.text;
    return out;
}

}  // namespace kestrel::test
