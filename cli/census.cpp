// kestrel-cli census: the size and shape of the band plan, read from the band
// functions and the tables they walk.
#include <algorithm>
#include <iterator>
#include <map>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "bandplan/census.h"
#include "cli/commands.h"
#include "cli/options.h"

namespace kestrel::cli {
namespace {

struct CensusOptions {
    int band = 0;
    bool entries = false;
};

void print_values(const char *title, const std::map<int, int> &values, int top) {
    std::vector<std::pair<int, int>> v(values.begin(), values.end());
    int total = 0;
    for (auto &[value, n] : v) total += n;
    std::stable_sort(v.begin(), v.end(), [](auto &a, auto &b) { return a.second > b.second; });
    std::printf("%s (%d entries set it; most common first):", title, total);
    for (int i = 0; i < static_cast<int>(v.size()) && i < top; ++i)
        std::printf(" %s%d:%d", v[i].first == -2 ? "computed" : "", v[i].first == -2 ? 0 : v[i].first, v[i].second);
    if (!values.empty()) {
        int lo = values.begin()->first == -2 && values.size() > 1 ? std::next(values.begin())->first : values.begin()->first;
        std::printf("  [range %d..%d]", lo, values.rbegin()->first);
    }
    std::printf("\n");
}

void print_entry(const CensusEntry &e) {
    std::printf("%d %s:%d [%s]", e.band, e.file.c_str(), e.line, e.block.c_str());
    for (int f : e.freqs) std::printf(" %d", f);
    for (auto &[lo, hi] : e.ranges) std::printf(" %d<f<=%d", lo, hi);
    std::printf(" :");
    for (const auto &a : e.actions) std::printf(" %s", a.c_str());
    std::printf(" (%d, %d, %d)\n", e.spd, e.ton, e.qsa);
}

void run(const CensusOptions &o) {
    auto all = dial_census();
    if (o.band)
        all.erase(std::remove_if(all.begin(), all.end(), [&](const CensusEntry &e) { return e.band != o.band; }), all.end());
    if (o.entries) {
        for (const auto &e : all) print_entry(e);
        set_exit_code(std::ferror(stdout) ? 1 : 0);
        return;
    }
    CensusSummary s = summarize(all);
    std::printf("band  entries  plan  frequencies  plan\n");
    for (const auto &shape : band_shape) {
        if (o.band && shape.band != o.band) continue;
        auto it = s.bands.find(shape.band);
        CensusSummary::Band b = it == s.bands.end() ? CensusSummary::Band{} : it->second;
        std::printf("%4d  %7d  %4d  %11d  %4d\n", shape.band, b.entries, shape.entries, b.frequencies, shape.frequencies);
    }
    std::printf("total %6d        %11d\n\n", s.entries, s.frequencies);
    std::printf("blocks:");
    for (auto &[block, n] : s.blocks) std::printf("  %s %d", block.empty() ? "none" : block.c_str(), n);
    std::printf("\nfrequencies by number of entries:");
    for (auto &[k, n] : s.multiplicity) std::printf("  %d:%d", k, n);
    std::vector<std::pair<std::string, int>> actions(s.actions.begin(), s.actions.end());
    std::stable_sort(actions.begin(), actions.end(), [](auto &a, auto &b) { return a.second > b.second; });
    std::printf("\nactions (entries calling each):\n");
    for (size_t i = 0; i < actions.size(); ++i)
        std::printf("  %-26s %5d%s", actions[i].first.c_str(), actions[i].second, i % 3 == 2 ? "\n" : "");
    std::printf("\n");
    print_values("speed", s.spd, 12);
    print_values("tone", s.ton, 12);
    print_values("strength", s.qsa, 7);
    std::printf("rare parameters:");
    for (auto &[name, n] : s.rare) std::printf("  %s %d", name.c_str(), n);
    std::printf("\n");
    set_exit_code(std::ferror(stdout) ? 1 : 0);
}

}  // namespace

void add_census(CLI::App &app) {
    auto o = std::make_shared<CensusOptions>();
    CLI::App *c = app.add_subcommand("census", "Size and shape of the band plan: entries, frequencies, blocks, actions, parameters");
    c->add_option("--band", o->band, "Only this band function (10..29)")->transform(Whole(10, 29));
    c->add_flag("--entries", o->entries, "List every entry: band, place, block, frequencies, actions, speed, tone, strength");
    c->callback([o]() { run(*o); });
}

}  // namespace kestrel::cli
