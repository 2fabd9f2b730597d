#include "app/transcript.h"

#include <array>
#include <cctype>
#include <cstring>

#include "app/report.h"
#include "platform/clock.h"
#include "synth/channels.h"
#include "synth/morse.h"
#include "synth/params.h"

namespace kestrel {

namespace {

bool is_code(const KeyStep &s) {
    return s.kind == StepKind::speed || s.kind == StepKind::tone || s.kind == StepKind::strength;
}
bool is_space(const KeyStep &s) { return s.kind == StepKind::character && s.value == ' '; }
bool is_tune(const KeyStep &s) { return s.kind == StepKind::character && s.value == CODE_TUNE; }

// A character has been heard once its last element has sounded; a code or a
// blank once the writer reached it.
bool heard_by(const KeyedText &k, const KeyedStep &s, uint32_t ms) { return keyed_ms(k, s.mark_end) <= ms; }

char copied_char(int c) {
    if (c >= 'a' && c <= 'z') return static_cast<char>(c - 32);
    return static_cast<char>(c);
}

// Elements of a character in the Morse table (with the writer's folding of
// lower case), as dot units: dots 1, dashes 3, the gaps between them 1.
int units_of(int c) {
    if (c >= 97 && c <= 127) c -= 32;
    if (c < 0 || c >= CW_TABLE_SIZE) return 0;
    const uint32_t code = cw_table[static_cast<size_t>(c)];
    if (!code) return 0;
    int top = 31;
    while (!(code & (1u << top))) --top;
    int units = top - 1;  // the gaps
    for (int bit = top - 1; bit >= 0; --bit) units += (code >> bit) & 1u ? 3 : 1;
    return units;
}

}  // namespace

const char *copy_mode_name(CopyMode mode) {
    switch (mode) {
    case CopyMode::as_keyed: return "as keyed";
    case CopyMode::all_at_once: return "all at once";
    case CopyMode::hidden: return "hidden until the end";
    }
    return "";
}

Stations stations_of(const KeyedText &k) {
    Stations out;
    out.of_step.assign(k.steps.size(), 0);
    std::vector<std::array<int, 3>> seen;
    std::array<int, 3> now{-1, -1, -1};
    int station = 0;
    for (size_t i = 0; i < k.steps.size(); ++i) {
        const KeyStep &s = k.steps[i].step;
        if (is_code(s)) {
            // A group of codes sets the next turn's station: look ahead to its end.
            if (i == 0 || !is_code(k.steps[i - 1].step)) {
                std::array<int, 3> set = now;
                for (size_t j = i; j < k.steps.size() && is_code(k.steps[j].step); ++j) {
                    const KeyStep &c = k.steps[j].step;
                    set[c.kind == StepKind::speed ? 0 : c.kind == StepKind::tone ? 1 : 2] = c.value;
                }
                now = set;
                station = -1;
                for (size_t n = 0; n < seen.size(); ++n)
                    if (seen[n] == set) station = static_cast<int>(n);
                if (station < 0) {
                    station = static_cast<int>(seen.size());
                    seen.push_back(set);
                }
            }
        }
        out.of_step[i] = station;
    }
    out.count = seen.empty() ? (k.steps.empty() ? 0 : 1) : static_cast<int>(seen.size());
    // Text before the first code belongs to the first station set.
    return out;
}

std::string keyed_by(const KeyedText &k, uint32_t ms) {
    const Stations st = stations_of(k);
    const bool dialog = st.count > 1;
    std::string out;
    for (size_t i = 0; i < k.steps.size(); ++i) {
        const KeyedStep &s = k.steps[i];
        if (!heard_by(k, s, ms)) break;
        if (dialog && is_code(s.step) && (i == 0 || !is_code(k.steps[i - 1].step))) {
            if (!out.empty()) {
                while (!out.empty() && out.back() == ' ') out.pop_back();
                out += '\n';
            }
            out += static_cast<char>('A' + st.of_step[i] % 26);
            out += ": ";
        }
        out += step_text(s.step);
    }
    return out;
}

std::string keyed_all(const KeyedText &k) { return keyed_by(k, UINT32_MAX); }

std::string copy_by(const KeyedText &k, uint32_t ms, uint32_t from_ms) {
    std::string out;
    bool gap = true, taken = false;
    for (const KeyedStep &s : k.steps) {
        if (!heard_by(k, s, ms)) break;
        if (is_space(s.step) || is_tune(s.step)) {
            gap = true;
            continue;
        }
        if (!sounds(s.step)) continue;
        if (gap) {
            taken = keyed_ms(k, s.begin) >= from_ms;
            if (taken && !out.empty()) out += ' ';
        }
        gap = false;
        if (taken) out += copied_char(s.step.value);
    }
    return out;
}

uint32_t keyed_end_ms(const KeyedText &k) {
    for (size_t i = k.steps.size(); i-- > 0;)
        if (sounds(k.steps[i].step)) return keyed_ms(k, k.steps[i].mark_end);
    return 0;
}

uint32_t keyed_total_ms(const KeyedText &k) { return keyed_ms(k, k.total); }

std::vector<KeyedWord> keyed_words(const KeyedText &k) {
    const Stations st = stations_of(k);
    std::vector<KeyedWord> out;
    bool open = false, tuning = false;
    for (size_t i = 0; i < k.steps.size(); ++i) {
        const KeyedStep &s = k.steps[i];
        if (is_space(s.step) || is_code(s.step)) {
            open = false;
            continue;
        }
        if (!sounds(s.step)) continue;
        // Tuning marks and letters that touch are two words.
        if (open && is_tune(s.step) != tuning) open = false;
        if (!open) {
            out.push_back({});
            out.back().begin_ms = keyed_ms(k, s.begin);
            out.back().station = st.of_step[i];
            tuning = is_tune(s.step);
            if (tuning) out.back().text = "{tune}";
            open = true;
        }
        if (!tuning) out.back().text += copied_char(s.step.value);
        out.back().end_ms = keyed_ms(k, s.mark_end);
    }
    return out;
}

double keyed_wpm(const KeyedText &k, uint32_t to_ms) {
    int64_t units = 0;
    uint64_t first = 0, last = 0;
    bool any = false, gap = false;
    for (const KeyedStep &s : k.steps) {
        if (!heard_by(k, s, to_ms)) break;
        if (is_space(s.step)) {
            gap = true;
            continue;
        }
        if (!sounds(s.step) || is_tune(s.step)) continue;
        if (any) units += gap ? 7 : 3;
        gap = false;
        units += units_of(s.step.value);
        if (!any) first = s.begin;
        any = true;
        last = s.mark_end;
    }
    const uint32_t ms = keyed_ms(k, last) - keyed_ms(k, first);
    if (!any || units < 50 || ms == 0) return 0;
    return static_cast<double>(units) * 1200.0 / ms;
}

std::string first_call(const std::string &copy) {
    static const char *const procedure[] = {"CQ", "DE", "VVV", "QRZ", "QTC", "QSL", "QRV", "TFC", "NIL",
                                            "BT", "AR", "SK", "KN", "PSE", "TNX", "TKS", "GE", "GM",
                                            "GA", "RPT", "ANS", "CFM", "OK", "NR", "NO", "MSG"};
    size_t at = 0;
    while (at < copy.size()) {
        while (at < copy.size() && copy[at] == ' ') ++at;
        size_t end = copy.find(' ', at);
        if (end == std::string::npos) end = copy.size();
        const std::string w = copy.substr(at, end - at);
        at = end;
        if (w.size() < 3 || w.size() > 7) continue;
        bool alnum = true, letter = false, digit = false;
        for (char c : w) {
            if (std::isupper(static_cast<unsigned char>(c))) letter = true;
            else if (std::isdigit(static_cast<unsigned char>(c))) digit = true;
            else alnum = false;
        }
        if (!alnum || !letter) continue;
        if (w[0] == 'Q' && w.size() == 3 && !digit) continue;  // a Q code
        bool proc = false;
        for (const char *p : procedure) proc = proc || w == p;
        if (proc) continue;
        return w;
    }
    return "";
}

uint32_t channel_played_ms(int k) {
    const KeyedText &kt = keyed_text(k);
    if (kt.rate == 0) return 0;
    const uint32_t deadline = channel_deadline(k);
    if (deadline == 0) return UINT32_MAX;
    const uint32_t start = deadline - keyed_total_ms(kt);
    const uint32_t played = GetTickCount() - start;
    // Past its deadline but not yet released: it has ended.
    return played > keyed_total_ms(kt) ? UINT32_MAX : played;
}

}  // namespace kestrel
