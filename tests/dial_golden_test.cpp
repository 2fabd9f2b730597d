// The whole dial pinned: at the sweep's instants, with HIST and BGND on and
// off, every frequency 10000..30000 is composed from a fixed clock and seed,
// and its slot texts, parameter records and media commands are reduced to one
// digest per band, checked in as tests/golden/dial.txt.
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
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "app/window.h"
#include "bandplan/bands.h"
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

#ifndef KESTREL_GOLDEN_FILE
#error "KESTREL_GOLDEN_FILE names the checked-in digest file"
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

std::map<int, std::string> read_golden() {
    std::map<int, std::string> m;
    std::ifstream in(KESTREL_GOLDEN_FILE);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string word, hex;
        int nr = 0;
        if (fields >> word >> nr >> hex && word == "band") m[nr] = hex;
    }
    return m;
}

class DialGolden : public Kestrel {};

TEST_F(DialGolden, EveryBandMatchesItsCheckedInDigest) {
    const char *dump = std::getenv("KESTREL_GOLDEN_DUMP");
    std::map<int, Digest> digests;
    std::map<int, std::ofstream> dumps;
    set_retune_hook(retune_tuned);  // a station's retune goes through dsp_freq, as in the receiver
    if (dump)
        for (int b = 10; b <= 30; ++b) dumps[b].open(std::string(dump) + "/band_" + std::to_string(b) + ".txt");
    for (int i = 0; i < int(std::size(sweep_instants)); ++i) {
        const Instant &at = sweep_instants[i];
        for (int switches = 0; switches < 2; ++switches) {
            for (int f = 10000; f <= 30000; ++f) {
                receiver_reset();
                hist = bkgnd = switches == 0 ? 1 : 0;
                freq = f;
                test_clock_set(at.year, at.month, at.day_, at.hour, at.minute, at.second, 0);
                test_clock_step(3);
                random_reset(unsigned(f * 31 + i * 2 + switches));
                synth_reset();
                stop_all_devs();
                media_recorded_clear();
                fbuf[0] = 0;
                bands_compose();
                std::string text = reception_text();
                if (text.empty()) continue;
                std::ostringstream head;
                head << f << " instant " << i << (switches == 0 ? " hist+bkgnd" : " plain") << "\n";
                const int b = f / 1000;
                digests[b].add(head.str());
                digests[b].add(text);
                if (dump) dumps[b] << head.str() << text;
            }
        }
    }
    stop_all_devs();
    set_retune_hook(nullptr);

    if (std::getenv("KESTREL_GOLDEN_WRITE")) {
        std::ofstream out(KESTREL_GOLDEN_FILE);
        out << "# Digest per band of the whole dial; regenerate with `make golden`.\n";
        for (auto &[b, d] : digests) {
            char hex[17];
            std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(d.h));
            out << "band " << b << " " << hex << "\n";
        }
        GTEST_SKIP() << "digests written to " << KESTREL_GOLDEN_FILE;
    }

    const std::map<int, std::string> golden = read_golden();
    ASSERT_FALSE(golden.empty()) << "no digests in " << KESTREL_GOLDEN_FILE;
    for (int b = 10; b <= 30; ++b) {
        char hex[17] = "";
        if (digests.count(b))
            std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(digests[b].h));
        const auto it = golden.find(b);
        EXPECT_EQ(it == golden.end() ? std::string() : it->second, std::string(hex))
            << "band " << b << " MHz composes differently from the checked-in digest";
    }
}

}  // namespace
}  // namespace kestrel::test
