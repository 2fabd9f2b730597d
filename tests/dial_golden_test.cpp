// The whole dial pinned: at the sweep's instants, with HIST and BGND on and
// off, every frequency 10000..30000 is composed from a fresh program at a
// fixed clock and seed, and its slot texts, parameter records and media
// commands are reduced to one digest per band, checked in as
// tests/golden/dial.txt, and to one per 100-kHz block and one per band and
// instant in tests/golden/dial_detail.txt. A failure names the blocks and the
// instants that changed and writes their receptions out readably.
//
// When content changes on purpose, regenerate the digests and say so in the
// commit message:
//     make golden
// (runs this test with KESTREL_GOLDEN_WRITE=1). KESTREL_GOLDEN_DUMP=DIR also
// writes the readable text behind each digest into DIR/band_NN.txt, so two
// versions can be compared with diff.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "app/window.h"
#include "bandplan/bands.h"
#include "bandplan/reset.h"
#include "platform/clock.h"
#include "platform/media.h"
#include "procedures/procedures.h"
#include "procedures/send.h"
#include "state/receiver.h"
#include "support/fixture.h"
#include "support/instants.h"
#include "synth/channels.h"
#include "synth/morse.h"
#include "synth/params.h"

#if !defined(KESTREL_GOLDEN_FILE) || !defined(KESTREL_GOLDEN_DETAIL)
#error "KESTREL_GOLDEN_FILE and KESTREL_GOLDEN_DETAIL name the checked-in digest files"
#endif

namespace kestrel::test {
namespace {

// FNV-1a, 64 bits: stable across compilers and machines.
struct Digest {
    uint64_t h = 1469598103934665603ull;
    void add(const std::string &s) {
        for (unsigned char c : s) {
            h ^= c;
            h *= 1099511628211ull;
        }
    }
};

// Everything one reception leaves behind, as text: each closed slot with its
// parameter record, then the media commands in order.
std::string reception_text() {
    std::ostringstream out;
    for (int k = 0; k < send_call && k < SLOTS; ++k) {
        out << "slot " << k << " spd " << spd_table[k] << " ton " << ton_table[k] << " qsa " << qsa_table[k]
            << " rto " << rto_table[k] << " f1 " << f1_table[k] << " sz " << sz_table[k] << " qrh " << qrh_table[k]
            << " kana " << katokana_table[k] << " bw " << bw_table[k] << " hand " << hand_table[k] << " spark "
            << spark_table[k] << " spacing " << spacing_table[k] << "\n  ";
        for (const unsigned char *p = reinterpret_cast<const unsigned char *>(send_buf[k]); *p; ++p) {
            if (*p < 32 || *p >= 127)
                out << '{' << int(*p) << '}';
            else
                out << char(*p);
        }
        out << "\n";
    }
    for (const std::string &c : media_recorded()) out << "  " << c << "\n";
    return out.str();
}

// Lines "<key words> <hex>" of a digest file, by their key words.
std::map<std::string, std::string> read_digests(const char *path) {
    std::map<std::string, std::string> m;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        const size_t cut = line.rfind(' ');
        if (cut != std::string::npos) m[line.substr(0, cut)] = line.substr(cut + 1);
    }
    return m;
}

std::string hex(const Digest &d) {
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(d.h));
    return text;
}

constexpr int kInstants = int(std::size(sweep_instants));

// One reception of the sweep, from a fresh program: f at instant i, with
// HIST and BGND on (switches 0) or off (1). "" when nothing is on the air.
std::string compose(int f, int i, int switches) {
    const Instant &at = sweep_instants[i];
    program_reset();
    media_recorded_clear();
    hist = bkgnd = switches == 0 ? 1 : 0;
    freq = f;
    test_clock_set(at.year, at.month, at.day_, at.hour, at.minute, at.second, 0);
    test_clock_step(3);
    random_reset(unsigned(f * 31 + i * 2 + switches));
    bands_compose();
    std::string text = reception_text();
    if (text.empty()) return text;
    std::ostringstream head;
    head << f << " instant " << i << (switches == 0 ? " hist+bkgnd" : " plain") << "\n";
    return head.str() + text;
}

std::string instant_key(int band_nr, int i, int switches) {
    return "band " + std::to_string(band_nr) + " instant " + std::to_string(i) +
           (switches == 0 ? " hist+bkgnd" : " plain");
}
std::string block_key(int f) { return "block " + std::to_string(f / 100 * 100); }

std::string instant_text(int i, int switches) {
    const Instant &at = sweep_instants[i];
    char text[64];
    std::snprintf(text, sizeof text, "%d (%04d-%02d-%02dT%02d:%02d:%02dZ, %s)", i, at.year, at.month, at.day_,
                  at.hour, at.minute, at.second, switches == 0 ? "HIST and BGND on" : "HIST and BGND off");
    return text;
}

class DialGolden : public Kestrel {};

// The band digests of dial.txt, and beside them in dial_detail.txt one digest
// per 100-kHz block and one per band and instant, so that a failure can name
// what changed and write it out readably.
TEST_F(DialGolden, EveryBandMatchesItsCheckedInDigest) {
    const char *dump = std::getenv("KESTREL_GOLDEN_DUMP");
    std::map<int, Digest> bands_d;
    std::map<std::string, Digest> detail;
    std::map<int, std::ofstream> dumps;
    set_retune_hook(retune_tuned);  // a station's retune goes through dsp_freq, as in the receiver
    if (dump)
        for (int b = 10; b <= 30; ++b) dumps[b].open(std::string(dump) + "/band_" + std::to_string(b) + ".txt");
    for (int i = 0; i < kInstants; ++i) {
        for (int switches = 0; switches < 2; ++switches) {
            for (int f = 10000; f <= 30000; ++f) {
                const std::string text = compose(f, i, switches);
                if (text.empty()) continue;
                const int b = f / 1000;
                bands_d[b].add(text);
                detail[block_key(f)].add(text);
                detail[instant_key(b, i, switches)].add(text);
                if (dump) dumps[b] << text;
            }
        }
    }

    if (std::getenv("KESTREL_GOLDEN_WRITE")) {
        std::ofstream out(KESTREL_GOLDEN_FILE);
        out << "# Digest per band of the whole dial; regenerate with `make golden`.\n";
        for (auto &[b, d] : bands_d) out << "band " << b << " " << hex(d) << "\n";
        std::ofstream more(KESTREL_GOLDEN_DETAIL);
        more << "# Digests of the same receptions per 100-kHz block and per band and instant;\n"
                "# `make golden` rewrites them with dial.txt.\n";
        for (auto &[key, d] : detail) more << key << " " << hex(d) << "\n";
        stop_all_devs();
        set_retune_hook(nullptr);
        GTEST_SKIP() << "digests written to " << KESTREL_GOLDEN_FILE << " and " << KESTREL_GOLDEN_DETAIL;
    }

    const std::map<std::string, std::string> golden = read_digests(KESTREL_GOLDEN_FILE);
    const std::map<std::string, std::string> known = read_digests(KESTREL_GOLDEN_DETAIL);
    ASSERT_FALSE(golden.empty()) << "no digests in " << KESTREL_GOLDEN_FILE;
    const std::string out_dir = old_cwd_ + "/golden_changes";
    std::error_code gone;
    std::filesystem::remove_all(out_dir, gone);  // what an earlier run wrote would mislead
    auto differs = [&](const std::string &key) {
        const auto it = known.find(key);
        const std::string now = detail.count(key) ? hex(detail[key]) : std::string();
        return (it == known.end() ? std::string() : it->second) != now;
    };
    for (int b = 10; b <= 30; ++b) {
        const auto it = golden.find("band " + std::to_string(b));
        const std::string want = it == golden.end() ? std::string() : it->second;
        const std::string now = bands_d.count(b) ? hex(bands_d[b]) : std::string();
        if (want == now) continue;
        // What changed: the blocks and the instants whose own digests moved.
        std::vector<int> blocks;
        std::vector<std::pair<int, int>> instants;
        for (int f = b * 1000; f < b * 1000 + 1000 && f <= 30000; f += 100)
            if (differs(block_key(f))) blocks.push_back(f);
        for (int i = 0; i < kInstants; ++i)
            for (int switches = 0; switches < 2; ++switches)
                if (differs(instant_key(b, i, switches))) instants.push_back({i, switches});
        std::ostringstream why;
        why << "band " << b << " MHz composes differently from the checked-in digest (" << want << ", now " << now
            << ").\n  Blocks that changed:";
        for (int f : blocks) why << " " << f << "-" << f + 99;
        if (blocks.empty()) why << " none named (the detail digests are missing or out of date)";
        why << "\n  Instants that changed:";
        for (auto [i, switches] : instants) why << "\n    " << instant_text(i, switches);
        if (instants.empty()) why << " none named";
        // The receptions of the changed blocks at the changed instants, readable.
        std::error_code ec;
        std::filesystem::create_directories(out_dir, ec);
        const std::string path = out_dir + "/band_" + std::to_string(b) + ".txt";
        std::ofstream text(path);
        for (auto [i, switches] : instants)
            for (int f0 : blocks)
                for (int f = f0; f < f0 + 100 && f <= 30000; ++f) text << compose(f, i, switches);
        why << "\n  Their receptions are in " << path
            << "; the same file from the previous commit (KESTREL_GOLDEN_DUMP=DIR writes every band) shows the "
               "change with diff.";
        ADD_FAILURE() << why.str();
    }
    stop_all_devs();
    set_retune_hook(nullptr);
}

}  // namespace
}  // namespace kestrel::test
