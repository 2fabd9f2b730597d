#include "app/practice.h"

#include <cerrno>
#include <cstdio>
#include <cstdint>
#include <cstring>
#include <vector>

namespace kestrel {

double CopyScore::cer() const { return letters ? static_cast<double>(errors()) / static_cast<double>(letters) : 0.0; }

double CopyScore::accuracy() const {
    const double a = 100.0 * (1.0 - cer());
    return a < 0 ? 0 : a;
}

std::string copy_letters(const std::string &text, bool cut_zero) {
    std::string out;
    for (char c : text) {
        if (c == ' ' || c == '\t' || c == '\n') continue;
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
        if (cut_zero && c == 'T') c = '0';
        out += c;
    }
    return out;
}

CopyScore score_copy(const std::string &keyed_text, const std::string &typed_text, bool open_end, bool cut_zero) {
    std::string a = copy_letters(keyed_text, cut_zero);
    const std::string b = copy_letters(typed_text, cut_zero);
    // While the station sends on, a copy can only lag it: what lies far
    // beyond the copy's length cannot be its match and is not compared.
    if (open_end && a.size() > b.size() + 200) a.resize(b.size() + 200);
    const size_t n = a.size(), m = b.size();
    // d(i, j): edits turning the first i keyed letters into the first j typed.
    std::vector<uint32_t> cells((n + 1) * (m + 1));
    auto d = [&](size_t i, size_t j) -> uint32_t & { return cells[i * (m + 1) + j]; };
    for (size_t i = 0; i <= n; ++i) d(i, 0) = static_cast<uint32_t>(i);
    for (size_t j = 0; j <= m; ++j) d(0, j) = static_cast<uint32_t>(j);
    for (size_t i = 1; i <= n; ++i)
        for (size_t j = 1; j <= m; ++j) {
            uint32_t best = d(i - 1, j - 1) + (a[i - 1] == b[j - 1] ? 0 : 1);
            if (d(i - 1, j) + 1 < best) best = d(i - 1, j) + 1;
            if (d(i, j - 1) + 1 < best) best = d(i, j - 1) + 1;
            d(i, j) = best;
        }
    // Open end: the copy may stop short of the keyed text without penalty.
    size_t end = n;
    if (open_end)
        for (size_t i = 0; i <= n; ++i)
            if (d(i, m) < d(end, m) || (d(i, m) == d(end, m) && i > end)) end = i;
    CopyScore s;
    s.letters = end;
    s.typed = m;
    std::string missed, confused;
    size_t i = end, j = m;
    while (i > 0 || j > 0) {
        if (i > 0 && j > 0 && d(i, j) == d(i - 1, j - 1) + (a[i - 1] == b[j - 1] ? 0u : 1u)) {
            if (a[i - 1] != b[j - 1]) {
                ++s.confused;
                confused = std::string(1, a[i - 1]) + ">" + b[j - 1] + (confused.empty() ? "" : " ") + confused;
            }
            --i;
            --j;
        } else if (i > 0 && d(i, j) == d(i - 1, j) + 1) {
            ++s.missed;
            missed = std::string(1, a[i - 1]) + (missed.empty() ? "" : " ") + missed;
            --i;
        } else {
            ++s.extra;
            --j;
        }
    }
    s.missed_letters = missed;
    s.confusions = confused;
    return s;
}

std::string score_line(const CopyScore &s) {
    char buf[160];
    std::snprintf(buf, sizeof buf, "accuracy %.1f%%  CER %.1f%%  missed %zu", s.accuracy(), 100.0 * s.cer(), s.missed);
    std::string out = buf;
    if (s.missed) out += " (" + s.missed_letters + ")";
    out += "  confused " + std::to_string(s.confused);
    if (s.confused) out += " (" + s.confusions + ")";
    out += "  extra " + std::to_string(s.extra) + "  of " + std::to_string(s.letters) + " letters";
    return out;
}

std::string practice_csv(const PracticeEntry &e) {
    char buf[256];
    std::snprintf(buf, sizeof buf, "%s,%d,%s,%.1f,%zu,%zu,%.1f", e.date.c_str(), e.khz,
                  e.call.empty() ? "-" : e.call.c_str(), e.wpm, e.score.letters, e.score.errors(), e.score.accuracy());
    return buf;
}

std::string practice_log(const std::string &path, const PracticeEntry &e) {
    FILE *probe = std::fopen(path.c_str(), "rb");
    const bool fresh = probe == nullptr;
    if (probe) std::fclose(probe);
    FILE *f = std::fopen(path.c_str(), "ab");
    if (!f) return std::strerror(errno);
    bool ok = true;
    if (fresh) ok = std::fputs("date,frequency_khz,call,wpm,characters,errors,accuracy\n", f) >= 0;
    ok = ok && std::fprintf(f, "%s\n", practice_csv(e).c_str()) > 0;
    const int err = errno;
    if (std::fclose(f) != 0) return std::strerror(errno);
    return ok ? std::string() : std::strerror(err);
}

}  // namespace kestrel
