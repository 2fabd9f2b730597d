// Peak resident memory while seven 30-minute channel files play at once on
// the sound-card backend ("dummy" driver): files are streamed, never loaded.
// Run under /usr/bin/time -v for the process's maximum resident set; the
// benchmark also reports the kernel's high-water mark (VmHWM) itself.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "platform/audio.h"
#include "platform/files.h"
#include "platform/media.h"
#include "platform/temp_files.h"
#include "synth/channels.h"
#include "tests/support/wav_file.h"

namespace {

namespace fs = std::filesystem;

double vm_hwm_mb() {
    std::ifstream in("/proc/self/status");
    std::string line;
    while (std::getline(in, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

void BM_SevenHalfHourChannels(benchmark::State &state) {
    const fs::path old = fs::current_path();
    const std::string dir = kestrel::make_temp_dir_in("", "kestrel-mem", nullptr);
    fs::current_path(dir);
    // 30 minutes at the channel rates of tones from 400 to 4000 Hz: 8.6 to 28.8 MB each.
    const uint32_t rates[7] = {4800, 6400, 8000, 9600, 12000, 14400, 16000};
    uintmax_t bytes = 0;
    for (int k = 0; k < 7; ++k) {
        const std::string name = "TOVA" + std::to_string(k) + ".WAV";
        kestrel::test::write_tone_u8(name, rates[k], 1800, 20, 2);
        bytes += fs::file_size(name);
    }
    const double before = vm_hwm_mb();
    kestrel::media_sdl_driver("dummy");
    kestrel::media_use(kestrel::media_sdl_open());
    const int seconds = static_cast<int>(state.range(0));
    for (auto _ : state) {
        for (int k = 0; k < 7; ++k) {
            kestrel::sound(k);
            kestrel::timer_start(k, 1800000);
        }
        std::this_thread::sleep_for(std::chrono::seconds(seconds));
        if (kestrel::media_files_open() != 7) state.SkipWithError("seven channels did not play");
        kestrel::stop_all_devs();
    }
    state.counters["files_MB"] = static_cast<double>(bytes) / 1048576.0;
    state.counters["hwm_before_MB"] = before;
    state.counters["hwm_MB"] = vm_hwm_mb();
    state.counters["underruns"] = static_cast<double>(kestrel::media_sdl_underruns());
    kestrel::media_use(&kestrel::media_null);
    kestrel::media_sdl_close();
    fs::current_path(old);
    std::error_code ec;
    fs::remove_all(dir, ec);
}
BENCHMARK(BM_SevenHalfHourChannels)->Arg(20)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

// The same seven files mixed offline from the first sample to the last: the
// memory stays flat over whole files, not only over their first seconds.
void BM_SevenHalfHourChannelsOfflineWhole(benchmark::State &state) {
    const fs::path old = fs::current_path();
    const std::string dir = kestrel::make_temp_dir_in("", "kestrel-mem", nullptr);
    fs::current_path(dir);
    const uint32_t rates[7] = {4800, 6400, 8000, 9600, 12000, 14400, 16000};
    for (int k = 0; k < 7; ++k) kestrel::test::write_tone_u8("TOVA" + std::to_string(k) + ".WAV", rates[k], 1800, 20, 2);
    const double before = vm_hwm_mb();
    for (auto _ : state) {
        if (!kestrel::media_offline_begin("mix.wav", 1801, 8000)) state.SkipWithError("no mix file");
        for (int k = 0; k < 7; ++k) kestrel::sound(k);
        if (kestrel::media_files_open() != 7) state.SkipWithError("seven channels did not play");
        if (!kestrel::media_offline_end()) state.SkipWithError("mix incomplete");
    }
    state.counters["hwm_before_MB"] = before;
    state.counters["hwm_MB"] = vm_hwm_mb();
    state.counters["mix_MB"] = static_cast<double>(fs::file_size("mix.wav")) / 1048576.0;
    fs::current_path(old);
    std::error_code ec;
    fs::remove_all(dir, ec);
}
BENCHMARK(BM_SevenHalfHourChannelsOfflineWhole)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace
