// Cost of the audio layer: the mixer's CPU time per second of audio with ten
// voices, and the time stop_all_devs takes while ten voices play.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "platform/audio.h"
#include "platform/audio_mixer.h"
#include "platform/files.h"
#include "platform/media.h"
#include "platform/temp_files.h"
#include "synth/channels.h"
#include "synth/morse.h"
#include "tests/support/scratch.h"
#include "tests/support/wav_file.h"

namespace {

namespace fs = std::filesystem;
using kestrel::test::write_tone_u8;

using Scratch = kestrel::test::ScratchFolder;

// Ten sources as the receiver has them: seven channel files at channel rates,
// a carrier and two recordings.
void write_ten(double seconds) {
    for (int k = 0; k < 7; ++k)
        write_tone_u8("TOVA" + std::to_string(k) + ".WAV", static_cast<uint32_t>(4800 + 800 * k), seconds, 20, 2);
    write_tone_u8("TOVA9.WAV", 3200, 10, 20);
    fs::create_directories("fone");
    write_tone_u8("fone/ssb-002.wav", 8000, seconds, 20, 3);
    write_tone_u8("fone/rtt-001.wav", 11025, seconds, 20, 4);
}

// Seven channels, the carrier loop and two recordings.
void start_ten(kestrel::audio::Mixer &mixer) {
    for (int k = 0; k < 7; ++k) mixer.channel_play(k, ("TOVA" + std::to_string(k) + ".WAV").c_str());
    mixer.loop_play("TOVA9.WAV");
    mixer.command("play fone/ssb-002.wav");
    mixer.command("play fone/rtt-001.wav");
}

void BM_MixerTenVoicesPerAudioSecond(benchmark::State &state) {
    Scratch scratch;
    const double seconds = 200;
    write_ten(seconds);
    const int rate = 44100;
    kestrel::audio::Mixer mixer(rate);
    start_ten(mixer);
    std::vector<float> block(1024);
    for (auto _ : state) {
        // One second of audio in device-sized blocks, decoding ahead as the feeder does.
        for (int done = 0; done < rate; done += 1024) {
            mixer.fill();
            mixer.mix(block.data(), 1024);
        }
        benchmark::DoNotOptimize(block.data());
    }
    state.counters["voices_open"] = mixer.voices_open();
    state.counters["underruns"] = static_cast<double>(mixer.underruns());
}
BENCHMARK(BM_MixerTenVoicesPerAudioSecond)->Unit(benchmark::kMillisecond)->Iterations(150);

// The same ten voices, summing only (every ring kept full outside the timing).
void BM_MixerSumOnlyTenVoicesPerAudioSecond(benchmark::State &state) {
    Scratch scratch;
    write_ten(200);
    const int rate = 44100;
    kestrel::audio::Mixer mixer(rate);
    start_ten(mixer);
    std::vector<float> block(1024);
    for (auto _ : state) {
        for (int done = 0; done < rate; done += 8192) {
            state.PauseTiming();
            mixer.fill();
            state.ResumeTiming();
            for (int i = 0; i < 8; ++i) mixer.mix(block.data(), 1024);
        }
        benchmark::DoNotOptimize(block.data());
    }
}
BENCHMARK(BM_MixerSumOnlyTenVoicesPerAudioSecond)->Unit(benchmark::kMillisecond)->Iterations(150);

// A retune while ten voices play on the sound-card backend ("dummy" driver).
void BM_StopAllDevsTenVoices(benchmark::State &state) {
    Scratch scratch;
    write_ten(60);
    kestrel::media_sdl_driver("dummy");
    kestrel::media_use(kestrel::media_sdl_open());
    for (auto _ : state) {
        state.PauseTiming();
        for (int k = 0; k < 7; ++k) {
            kestrel::sound(k);
            kestrel::timer_start(k, 60000);
        }
        kestrel::carrier_loop_start("TOVA9.WAV");
        kestrel::media().send_string("play fone/ssb-002.wav");
        kestrel::media().send_string("play fone/rtt-001.wav");
        std::this_thread::sleep_for(std::chrono::milliseconds(60));  // let them sound
        if (kestrel::media_files_open() != 10) state.SkipWithError("ten voices did not start");
        state.ResumeTiming();
        kestrel::stop_all_devs();
    }
    state.counters["files_open_after"] = kestrel::media_files_open();
    state.counters["underruns"] = static_cast<double>(kestrel::media_sdl_underruns());
    kestrel::media_use(&kestrel::media_null);
    kestrel::media_sdl_close();
}
BENCHMARK(BM_StopAllDevsTenVoices)->Unit(benchmark::kMicrosecond)->Iterations(40)->UseRealTime();

}  // namespace
