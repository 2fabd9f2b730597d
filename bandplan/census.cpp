#include "bandplan/census.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <set>

#include "bandplan/band_sources.h"
#include "bandplan/bands/coast_watch.h"
#include "bandplan/bands/diplo_sched.h"
#include "bandplan/bands/maritime_lists.h"
#include "bandplan/bands/ship_work.h"
#include "bandplan/bands/weather_sched.h"

namespace kestrel {

const BandShape band_shape[20] = {
    {10, 690, 496}, {11, 488, 366}, {12, 813, 568}, {13, 629, 428}, {14, 568, 409},
    {15, 307, 275}, {16, 577, 456}, {17, 437, 338}, {18, 425, 368}, {19, 298, 278},
    {20, 350, 332}, {21, 135, 160}, {22, 398, 358}, {23, 123, 139}, {24, 69, 78},
    {25, 98, 99},   {26, 58, 62},   {27, 74, 81},   {28, 45, 35},   {29, 31, 52},
};

namespace {

bool ident_char(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

// The text with comments blanked and the insides of string and character
// literals blanked, same length and same line breaks, so that brackets in
// texts cannot mislead the reading of the code.
std::string strip(const std::string &s) {
    std::string o = s;
    size_t i = 0, n = s.size();
    auto blank = [&](size_t from, size_t to) {
        for (size_t k = from; k < to && k < n; ++k)
            if (o[k] != '\n') o[k] = ' ';
    };
    while (i < n) {
        if (s[i] == '/' && i + 1 < n && s[i + 1] == '/') {
            size_t e = s.find('\n', i);
            if (e == std::string::npos) e = n;
            blank(i, e);
            i = e;
        } else if (s[i] == '/' && i + 1 < n && s[i + 1] == '*') {
            size_t e = s.find("*/", i + 2);
            e = e == std::string::npos ? n : e + 2;
            blank(i, e);
            i = e;
        } else if (s[i] == '"' || s[i] == '\'') {
            char q = s[i];
            size_t k = i + 1;
            while (k < n && s[k] != q && s[k] != '\n') k += s[k] == '\\' ? 2 : 1;
            blank(i + 1, k);
            i = k + 1;
        } else {
            ++i;
        }
    }
    return o;
}

size_t skip_space(const std::string &s, size_t i) {
    while (i < s.size() && std::isspace(static_cast<unsigned char>(s[i]))) ++i;
    return i;
}

// Index just past the bracket that closes the one at `open`.
size_t close_of(const std::string &s, size_t open) {
    char o = s[open], c = o == '(' ? ')' : o == '{' ? '}' : ']';
    int depth = 0;
    for (size_t i = open; i < s.size(); ++i) {
        if (s[i] == o) ++depth;
        else if (s[i] == c && --depth == 0) return i + 1;
    }
    return s.size();
}

// End of the statement starting at i: a braced block, or up to its ';'.
size_t statement_end(const std::string &s, size_t i) {
    i = skip_space(s, i);
    if (i < s.size() && s[i] == '{') return close_of(s, i);
    int depth = 0;
    for (; i < s.size(); ++i) {
        if (s[i] == '(' || s[i] == '{') ++depth;
        else if (s[i] == ')' || s[i] == '}') --depth;
        else if (s[i] == ';' && depth == 0) return i + 1;
    }
    return s.size();
}

bool word_at(const std::string &s, size_t i, const char *w) {
    size_t n = std::strlen(w);
    if (s.compare(i, n, w) != 0) return false;
    if (i > 0 && ident_char(s[i - 1])) return false;
    return i + n >= s.size() || !ident_char(s[i + n]);
}

std::string trim(const std::string &s) {
    size_t a = 0, b = s.size();
    while (a < b && std::isspace(static_cast<unsigned char>(s[a]))) ++a;
    while (b > a && std::isspace(static_cast<unsigned char>(s[b - 1]))) --b;
    return s.substr(a, b - a);
}

const char *const block_predicates[] = {"bkgnd", "hist", "day()", "reg2_day()", "reg3f_day()", "reg3m_day()", "reg1rus_day()"};

// The block a condition opens, when it is made only of block predicates
// joined by &&; "" otherwise.
std::string block_of(const std::string &cond) {
    std::string label, rest = cond;
    for (;;) {
        size_t amp = rest.find("&&");
        std::string term = trim(rest.substr(0, amp));
        bool known = false;
        for (const char *b : block_predicates) known = known || term == b;
        if (!known) return "";
        label += (label.empty() ? "" : " + ") + term;
        if (amp == std::string::npos) return label;
        rest = rest.substr(amp + 2);
    }
}

bool is_integer(const std::string &v, int &out) {
    std::string t = trim(v);
    if (t.empty()) return false;
    size_t k = t[0] == '-' ? 1 : 0;
    if (k == t.size()) return false;
    for (size_t i = k; i < t.size(); ++i)
        if (!std::isdigit(static_cast<unsigned char>(t[i]))) return false;
    out = std::stoi(t);
    return true;
}

int value_of(const std::string &v) {
    int x;
    return is_integer(v, x) ? x : -2;
}

// Comma-separated arguments of the call whose '(' is at `open`.
std::vector<std::string> args_of(const std::string &s, size_t open) {
    std::vector<std::string> out;
    size_t end = close_of(s, open) - 1;
    int depth = 0;
    size_t from = open + 1;
    for (size_t i = open + 1; i < end; ++i) {
        if (s[i] == '(' || s[i] == '{') ++depth;
        else if (s[i] == ')' || s[i] == '}') --depth;
        else if (s[i] == ',' && depth == 0) {
            out.push_back(trim(s.substr(from, i - from)));
            from = i + 1;
        }
    }
    std::string last = trim(s.substr(from, end - from));
    if (!last.empty() || !out.empty()) out.push_back(last);
    return out;
}

// Frequencies and ranges named by at(...) and within(...) in a condition.
void heads_of(const std::string &cond, CensusEntry &e) {
    for (size_t i = 0; i < cond.size(); ++i) {
        if (word_at(cond, i, "at")) {
            size_t open = skip_space(cond, i + 2);
            if (open >= cond.size() || cond[open] != '(') continue;
            std::string inner = cond.substr(open + 1, close_of(cond, open) - open - 2);
            std::string digits;
            for (char c : inner + ",") {
                if (std::isdigit(static_cast<unsigned char>(c))) digits += c;
                else if (!digits.empty()) {
                    e.freqs.push_back(std::stoi(digits));
                    digits.clear();
                }
            }
        } else if (word_at(cond, i, "within")) {
            size_t open = skip_space(cond, i + 6);
            if (open >= cond.size() || cond[open] != '(') continue;
            auto a = args_of(cond, open);
            int lo, hi;
            if (a.size() == 2 && is_integer(a[0], lo) && is_integer(a[1], hi)) e.ranges.emplace_back(lo, hi);
        }
    }
}

bool names_a_frequency(const std::string &cond) {
    for (size_t i = 0; i < cond.size(); ++i)
        if (word_at(cond, i, "at") || word_at(cond, i, "within")) return true;
    return false;
}

// Statement-level calls that set up rather than transmit.
const std::set<std::string> not_actions = {
    "p", "if", "for", "while", "switch", "return", "else", "do", "snprintf", "sprintf", "strcpy",
    "strcat", "strncpy", "memset", "GetSystemTime", "refresh_clock", "stn", "rand", "myrand",
};

// The actions and parameters of an entry's body.
void body_of(const std::string &s, size_t from, size_t to, CensusEntry &e) {
    bool statement_start = true;
    for (size_t i = from; i < to;) {
        char c = s[i];
        if (std::isspace(static_cast<unsigned char>(c))) {
            ++i;
            continue;
        }
        if (ident_char(c) && (i == 0 || !ident_char(s[i - 1])) && !std::isdigit(static_cast<unsigned char>(c))) {
            size_t k = i;
            while (k < to && ident_char(s[k])) ++k;
            std::string name = s.substr(i, k - i);
            size_t after = skip_space(s, k);
            if (name == "p" && after < to && s[after] == '(') {
                auto a = args_of(s, after);
                if (a.size() >= 2) {
                    e.spd = value_of(a[0]);
                    e.ton = value_of(a[1]);
                }
                if (a.size() >= 3) e.qsa = value_of(a[2]);
            } else if (after < to && s[after] == '=' && (after + 1 >= to || s[after + 1] != '=')) {
                size_t end = s.find(';', after);
                int v = value_of(s.substr(after + 1, std::min(end, to) - after - 1));
                int *slot = name == "spd"   ? &e.spd
                            : name == "ton" ? &e.ton
                            : name == "qsa" ? &e.qsa
                            : name == "qrh" ? &e.qrh
                            : name == "rto" ? &e.rto
                            : name == "hand" ? &e.hand
                            : name == "bw"  ? &e.bw
                            : name == "sz"  ? &e.sz
                            : name == "_f1" ? &e.f1
                                            : nullptr;
                // Setting a rare parameter back to 0 after the action is not setting it.
                bool rare = slot && slot != &e.spd && slot != &e.ton && slot != &e.qsa;
                if (slot && !(rare && v == 0)) *slot = v;
            } else if (statement_start && after < to && s[after] == '(' && !not_actions.count(name)) {
                if (std::find(e.actions.begin(), e.actions.end(), name) == e.actions.end()) e.actions.push_back(name);
            }
            statement_start = name == "else" || name == "do";
            i = k;
            continue;
        }
        statement_start = c == '{' || c == ';' || c == '}' || c == ')' || c == ':';
        ++i;
    }
}

struct Reader {
    int band;
    std::string file;
    const std::string &s;
    std::vector<size_t> line_starts;
    std::vector<CensusEntry> entries;
    std::vector<std::string> entry_function;  // the function holding each entry
    struct Call {
        std::string caller, callee, block;
    };
    std::vector<Call> calls;  // call sites of functions without arguments
    std::vector<std::pair<std::string, std::string>> walkers;    // (walker call text, block)
    std::vector<std::string> walker_function;
    std::string function;

    Reader(int b, std::string f, const std::string &text) : band(b), file(std::move(f)), s(text) {
        line_starts.push_back(0);
        for (size_t i = 0; i < s.size(); ++i)
            if (s[i] == '\n') line_starts.push_back(i + 1);
    }
    int line_of(size_t pos) const {
        return static_cast<int>(std::upper_bound(line_starts.begin(), line_starts.end(), pos) - line_starts.begin());
    }
    static std::string join(const std::string &a, const std::string &b) {
        if (a.empty()) return b;
        if (b.empty()) return a;
        return a + " + " + b;
    }

    void scan(size_t from, size_t to, const std::string &block) {
        size_t i = from;
        while (i < to) {
            if (word_at(s, i, "if")) {
                size_t open = skip_space(s, i + 2);
                if (open >= to || s[open] != '(') {
                    i += 2;
                    continue;
                }
                size_t close = close_of(s, open);
                std::string cond = s.substr(open + 1, close - open - 2);
                std::string label = block_of(cond);
                size_t body = skip_space(s, close);
                size_t end = statement_end(s, body);
                if (!label.empty()) {
                    scan(body, end, join(block, label));
                } else if (names_a_frequency(cond)) {
                    CensusEntry e;
                    e.band = band;
                    e.file = file;
                    e.line = line_of(i);
                    e.block = block;
                    heads_of(cond, e);
                    body_of(s, body, end, e);
                    // Variants chained with else belong to the entry.
                    for (;;) {
                        size_t k = skip_space(s, end);
                        if (!word_at(s, k, "else")) break;
                        size_t k2 = skip_space(s, k + 4);
                        if (word_at(s, k2, "if")) {
                            size_t o2 = skip_space(s, k2 + 2);
                            size_t c2 = close_of(s, o2);
                            if (names_a_frequency(s.substr(o2 + 1, c2 - o2 - 2))) break;
                            size_t b2 = skip_space(s, c2);
                            end = statement_end(s, b2);
                            body_of(s, b2, end, e);
                        } else {
                            size_t e2 = statement_end(s, k2);
                            body_of(s, k2, e2, e);
                            end = e2;
                        }
                    }
                    entries.push_back(std::move(e));
                    entry_function.push_back(function);
                } else {
                    // A guard around entries: read what it holds.
                    scan(body, end, block);
                }
                i = end;
                continue;
            }
            if (ident_char(s[i]) && (i == 0 || !ident_char(s[i - 1]))) {
                size_t k = i;
                while (k < to && ident_char(s[k])) ++k;
                std::string name = s.substr(i, k - i);
                size_t after = skip_space(s, k);
                if (after < to && s[after] == '(') {
                    size_t close = close_of(s, after);
                    if (name == "coast_watch" || name == "ship_work" || name == "maritime_lists" ||
                        name == "weather_broadcasts" || name == "diplo_traffic") {
                        auto a = args_of(s, after);
                        walkers.emplace_back(a.empty() ? name : name + ":" + a[0], block);
                        walker_function.push_back(function);
                    } else if (trim(s.substr(after + 1, close - after - 2)).empty()) {
                        calls.push_back({function, name, block});
                    }
                }
                i = k;
                continue;
            }
            ++i;
        }
    }

    // Every function `void name() { ... }` of the file, read on its own; then
    // the block each helper function is called in is added to its entries.
    void read() {
        std::map<std::string, std::pair<size_t, size_t>> bodies;
        for (size_t i = 0; i < s.size(); ++i) {
            if (!word_at(s, i, "void")) continue;
            size_t k = skip_space(s, i + 4), n = k;
            while (n < s.size() && ident_char(s[n])) ++n;
            if (n == k) continue;
            std::string name = s.substr(k, n - k);
            size_t open = skip_space(s, n);
            if (open >= s.size() || s[open] != '(') continue;
            size_t close = close_of(s, open);
            size_t brace = skip_space(s, close);
            if (brace >= s.size() || s[brace] != '{') continue;
            size_t end = close_of(s, brace);
            bodies[name] = {brace + 1, end - 1};
            function = name;
            scan(brace + 1, end - 1, "");
            i = end;
        }
        // Blocks inherited from call sites, through chains of helpers.
        std::map<std::string, std::string> inherited;
        for (int round = 0; round < 8; ++round) {
            bool changed = false;
            for (const Call &c : calls) {
                if (!bodies.count(c.callee) || c.callee == c.caller) continue;
                auto up = inherited.find(c.caller);
                std::string b = join(up == inherited.end() ? "" : up->second, c.block);
                if (inherited[c.callee] != b) {
                    inherited[c.callee] = b;
                    changed = true;
                }
            }
            if (!changed) break;
        }
        for (size_t k = 0; k < entries.size(); ++k) {
            auto it = inherited.find(entry_function[k]);
            if (it != inherited.end()) entries[k].block = join(it->second, entries[k].block);
        }
        for (size_t k = 0; k < walkers.size(); ++k) {
            auto it = inherited.find(walker_function[k]);
            if (it != inherited.end()) walkers[k].second = join(it->second, walkers[k].second);
        }
    }
};

CensusEntry row(int band, const char *table, int index, int freq, const std::string &block, const char *action) {
    CensusEntry e;
    e.band = band;
    e.file = table;
    e.line = index + 1;
    e.block = block;
    e.freqs.push_back(freq);
    e.actions.push_back(action);
    return e;
}

void keyed(CensusEntry &e, int spd, int ton, int qsa) {
    if (spd > 0) e.spd = spd;
    if (ton > 0) e.ton = ton;
    if (spd > 0 || ton > 0 || qsa > 0) e.qsa = qsa;
}

const char *weather_action(const WxEntry &r) {
    return r.gen >= 0 && r.gen < WXG_COUNT ? wx_generator_names[r.gen] : "weather";
}

const char *diplo_action(const DiploEntry &r) {
    return r.gen >= 0 && r.gen < DG_COUNT ? diplo_generator_names[r.gen] : "diplomatic";
}

struct CoastTable {
    const char *name;
    const CoastWatch *rows;
    const int *count;
};
const CoastTable coast_tables[] = {
    {"coast_watch_12", coast_watch_12, &coast_watch_12_count}, {"coast_watch_13", coast_watch_13, &coast_watch_13_count},
    {"coast_watch_16", coast_watch_16, &coast_watch_16_count}, {"coast_watch_17", coast_watch_17, &coast_watch_17_count},
    {"coast_watch_19", coast_watch_19, &coast_watch_19_count}, {"coast_watch_22", coast_watch_22, &coast_watch_22_count},
    {"coast_watch_25", coast_watch_25, &coast_watch_25_count}, {"coast_watch_26", coast_watch_26, &coast_watch_26_count},
};
struct ShipTable {
    const char *name;
    const ShipWork *rows;
    const int *count;
};
const ShipTable ship_tables[] = {
    {"ship_work_12", ship_work_12, &ship_work_12_count}, {"ship_work_16", ship_work_16, &ship_work_16_count},
    {"ship_work_18", ship_work_18, &ship_work_18_count}, {"ship_work_22", ship_work_22, &ship_work_22_count},
    {"ship_work_25", ship_work_25, &ship_work_25_count},
};

// The rows of the tables a band function walks, as entries of that band.
void walked_rows(int band, const std::string &walker, const std::string &block, std::vector<CensusEntry> &out) {
    auto in_band = [band](int f) { return f / 1000 == band; };
    std::string table = walker.substr(walker.find(':') == std::string::npos ? walker.size() : walker.find(':') + 1);
    if (walker.rfind("coast_watch:", 0) == 0) {
        for (const auto &t : coast_tables)
            if (table == t.name)
                for (int i = 0; i < *t.count; ++i)
                    if (in_band(t.rows[i].freq)) {
                        auto e = row(band, t.name, i, t.rows[i].freq, block, "coast_station_ex");
                        keyed(e, t.rows[i].spd, t.rows[i].ton, t.rows[i].qsa);
                        out.push_back(e);
                    }
    } else if (walker.rfind("ship_work:", 0) == 0) {
        for (const auto &t : ship_tables)
            if (table == t.name)
                for (int i = 0; i < *t.count; ++i)
                    if (in_band(t.rows[i].freq)) out.push_back(row(band, t.name, i, t.rows[i].freq, block, "vsl_tfc"));
    } else if (walker == "maritime_lists") {
        for (int i = 0; i < tfc_list_entry_count; ++i)
            if (in_band(tfc_list_entries[i].freq)) {
                auto e = row(band, "tfc_list_entries", i, tfc_list_entries[i].freq, block, "tfc_list");
                keyed(e, tfc_list_entries[i].spd, tfc_list_entries[i].ton, tfc_list_entries[i].qsa);
                out.push_back(e);
            }
        for (int i = 0; i < assigned_entry_count; ++i)
            if (in_band(assigned_entries[i].freq))
                out.push_back(row(band, "assigned_entries", i, assigned_entries[i].freq, block, "assigned_series"));
        for (int i = 0; i < national_fleet_entry_count; ++i)
            if (in_band(national_fleet_entries[i].freq))
                out.push_back(row(band, "national_fleet_entries", i, national_fleet_entries[i].freq, block, "national_fleet"));
        for (int i = 0; i < russian_fleet_entry_count; ++i)
            if (in_band(russian_fleet_entries[i].freq))
                out.push_back(row(band, "russian_fleet_entries", i, russian_fleet_entries[i].freq, block, "russian_fleet"));
        for (int i = 0; i < port_radio_entry_count; ++i)
            if (in_band(port_radio_entries[i].freq))
                out.push_back(row(band, "port_radio_entries", i, port_radio_entries[i].freq, block, "port_radio"));
        for (int i = 0; i < small_coast_entry_count; ++i)
            if (in_band(small_coast_entries[i].freq))
                out.push_back(row(band, "small_coast_entries", i, small_coast_entries[i].freq, block, "small_coast_station"));
        for (int i = 0; i < df_entry_count; ++i)
            if (in_band(df_entries[i].freq))
                out.push_back(row(band, "df_entries", i, df_entries[i].freq,
                                  df_entries[i].kind == 4 ? block : Reader::join(block, "hist"), "marine_qte"));
    } else if (walker == "weather_broadcasts") {
        for (int i = 0; i < wx_entry_count; ++i)
            if (in_band(wx_entries[i].freq)) {
                auto e = row(band, "wx_entries", i, wx_entries[i].freq, block, weather_action(wx_entries[i]));
                keyed(e, wx_entries[i].spd, wx_entries[i].ton, wx_entries[i].qsa);
                out.push_back(e);
            }
    } else if (walker == "diplo_traffic") {
        for (int i = 0; i < diplo_entry_count; ++i)
            if (in_band(diplo_entries[i].freq)) {
                const DiploEntry &r = diplo_entries[i];
                auto e = row(band, "diplo_entries", i, r.freq, r.hist ? Reader::join(block, "hist") : block, diplo_action(r));
                keyed(e, r.spd, r.ton, r.qsa);
                out.push_back(e);
            }
    }
}

int band_of_file(const char *file) {
    const char *p = std::strstr(file, "band_");
    if (!p || !std::isdigit(static_cast<unsigned char>(p[5])) || !std::isdigit(static_cast<unsigned char>(p[6]))) return 0;
    return (p[5] - '0') * 10 + (p[6] - '0');
}

}  // namespace

std::vector<CensusEntry> census_of_source(int band, const std::string &file, const std::string &text) {
    std::string stripped = strip(text);
    Reader r(band, file, stripped);
    r.read();
    std::vector<CensusEntry> out;
    for (auto &e : r.entries) {
        bool inside = !e.ranges.empty();
        for (int f : e.freqs) inside = inside || f / 1000 == band;
        if (!inside) continue;
        // Frequencies outside the band's megahertz can never be tuned here.
        e.freqs.erase(std::remove_if(e.freqs.begin(), e.freqs.end(), [band](int f) { return f / 1000 != band; }),
                      e.freqs.end());
        out.push_back(std::move(e));
    }
    for (size_t k = 0; k < r.walkers.size(); ++k) walked_rows(band, r.walkers[k].first, r.walkers[k].second, out);
    return out;
}

std::vector<CensusEntry> dial_census() {
    std::vector<CensusEntry> all;
    for (int i = 0; i < band_source_count; ++i) {
        int band = band_of_file(band_sources[i].file);
        if (band < 10 || band > 29) continue;
        auto part = census_of_source(band, band_sources[i].file, band_sources[i].text);
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

CensusSummary summarize(const std::vector<CensusEntry> &entries) {
    CensusSummary s;
    std::map<int, int> per_freq;
    std::map<int, std::set<int>> band_freqs;
    for (const auto &e : entries) {
        ++s.entries;
        ++s.bands[e.band].entries;
        ++s.blocks[e.block];
        for (const auto &a : e.actions) ++s.actions[a];
        std::set<int> named(e.freqs.begin(), e.freqs.end());
        for (int f : named) {
            ++per_freq[f];
            band_freqs[e.band].insert(f);
        }
        if (e.spd >= 0) ++s.spd[e.spd];
        if (e.ton >= 0) ++s.ton[e.ton];
        if (e.qsa >= 0) ++s.qsa[e.qsa];
        if (e.qrh != -1) ++s.rare["qrh"];
        if (e.rto != -1) ++s.rare["rto"];
        if (e.hand != -1) ++s.rare["hand"];
        if (e.bw != -1) ++s.rare["bw"];
        if (e.sz != -1) ++s.rare["sz"];
        if (e.f1 != -1) ++s.rare["_f1"];
    }
    for (auto &[band, freqs] : band_freqs) s.bands[band].frequencies = static_cast<int>(freqs.size());
    for (auto &[f, n] : per_freq) ++s.multiplicity[n];
    s.frequencies = static_cast<int>(per_freq.size());
    return s;
}

}  // namespace kestrel
