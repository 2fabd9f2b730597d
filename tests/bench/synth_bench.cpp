// The Morse writer against the floor of writing the same bytes with one fwrite.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/files.h"
#include "platform/temp_files.h"
#include "procedures/send.h"
#include "state/emission.h"
#include "state/receiver.h"
#include "synth/morse.h"
#include "synth/params.h"

namespace {

using namespace kestrel;

// 9999 characters of five-letter groups.
std::string groups_text() {
    std::string s;
    uint32_t x = 12345;
    while (s.size() + 6 <= 9999) {
        for (int i = 0; i < 5; ++i) {
            x = x * 1103515245u + 12345u;
            s += char('A' + (x >> 16) % 26);
        }
        s += ' ';
    }
    while (s.size() < 9999) s += 'E';
    return s;
}

struct Workdir {
    std::filesystem::path old = std::filesystem::current_path();
    std::string dir = make_temp_dir_in("", "kestrel-bench", nullptr);
    Workdir() { std::filesystem::current_path(dir); }
    ~Workdir() {
        std::filesystem::current_path(old);
        std::filesystem::remove_all(dir);
    }
};

void setup_params() {
    emission_plain();
    filter = 0;
    sampling = 4;
    att = 0;
    freq = 10000;
}

void BM_CreateWave(benchmark::State &state) {
    Workdir w;
    test_clock_set(2026, 1, 1, 12, 0);
    const std::string text = groups_text();
    uint64_t bytes = 0;
    for (auto _ : state) {
        setup_params();
        keying_reset();
        CreateWave(0, text.c_str());
        bytes = std::filesystem::file_size("TOVA0.WAV");
    }
    state.SetBytesProcessed(int64_t(bytes) * state.iterations());
    state.counters["file_MB"] = double(bytes) / 1e6;
}
BENCHMARK(BM_CreateWave)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_OneFwriteFloor(benchmark::State &state) {
    Workdir w;
    test_clock_set(2026, 1, 1, 12, 0);
    setup_params();
    keying_reset();
    CreateWave(0, groups_text().c_str());
    const size_t n = std::filesystem::file_size("TOVA0.WAV");
    std::vector<char> data(n, char(0x80));
    for (auto _ : state) {
        FILE *f = std::fopen("FLOOR.WAV", "wb");
        std::fwrite(data.data(), 1, n, f);
        std::fclose(f);
    }
    state.SetBytesProcessed(int64_t(n) * state.iterations());
}
BENCHMARK(BM_OneFwriteFloor)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
