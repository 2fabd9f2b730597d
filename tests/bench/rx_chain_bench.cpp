// Cost of the receiver sound: the mixer's CPU time per second of audio at
// 48 kHz with nine channels and the band noise, in the described sound and
// through the receiver chain (the difference is the chain's own cost), and
// the waterfall's lines, 25 for each second of audio. One iteration is one
// second of audio: its CPU time in ms, divided by 10, is the percentage of
// one core the work takes in real time.
#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/audio.h"
#include "platform/audio_mixer.h"
#include "platform/audio_tap.h"
#include "platform/files.h"
#include "platform/rx_chain.h"
#include "platform/waterfall_feed.h"
#include "platform/temp_files.h"
#include "tests/support/scratch.h"
#include "tests/support/wav_file.h"

namespace {

namespace fs = std::filesystem;
using kestrel::test::write_tone_u8;

using Scratch = kestrel::test::ScratchFolder;

constexpr int kRate = 48000;

// Nine channel files at channel rates (keyed tones of 500..1300 Hz) and the noise loop.
void start_nine(kestrel::audio::Mixer &mixer) {
    for (int k = 0; k < 9; ++k) {
        const std::string name = "TOVA" + std::to_string(k) + ".WAV";
        write_tone_u8(name, static_cast<uint32_t>(4000 + 800 * k), 120, 16 + 8 * k, 4);
        mixer.channel_play(k, name.c_str());
    }
    fs::create_directories("fone");
    write_tone_u8("fone/noise.wav", 11025, 60, 6, 1);
    mixer.command("open fone/noise.wav alias noise");
    mixer.command("play noise notify");
}

void mixer_second(benchmark::State &state, kestrel::SoundMode mode) {
    Scratch scratch;
    kestrel::RxSettings s;
    s.mode = mode;
    s.night = true;
    s.month = 7;
    s.hour = 19;  // the most crashes
    s.seed = 9;
    kestrel::rx_set(s);
    kestrel::audio::Mixer mixer(kRate);
    start_nine(mixer);
    std::vector<float> block(1024);
    for (auto _ : state) {
        // One second of audio; the decoding ahead is left out of the timing.
        for (int done = 0; done < kRate; done += 8192) {
            state.PauseTiming();
            mixer.fill();
            state.ResumeTiming();
            for (int i = 0; i < 8; ++i) mixer.mix(block.data(), 1024);
        }
        benchmark::DoNotOptimize(block.data());
    }
    state.counters["voices_open"] = mixer.voices_open();
    kestrel::rx_set(kestrel::RxSettings{});
}

void BM_NineChannelsDescribedPerAudioSecond(benchmark::State &state) {
    mixer_second(state, kestrel::SoundMode::described);
}
BENCHMARK(BM_NineChannelsDescribedPerAudioSecond)->Unit(benchmark::kMillisecond)->Iterations(60);

void BM_NineChannelsReceiverPerAudioSecond(benchmark::State &state) {
    mixer_second(state, kestrel::SoundMode::receiver);
}
BENCHMARK(BM_NineChannelsReceiverPerAudioSecond)->Unit(benchmark::kMillisecond)->Iterations(60);

// 25 lines, each from the 1920 samples heard since the last, as the window draws them.
void BM_WaterfallSecondOfLines(benchmark::State &state) {
    const int old = kestrel::audio::tap_set_rate(kRate);
    kestrel::spectrum_arm(true);
    std::vector<float> heard(kRate / kestrel::kWaterfallLinesPerSecond), line(800);
    for (size_t i = 0; i < heard.size(); ++i)
        heard[i] = static_cast<float>(0.2 * std::sin(0.13 * static_cast<double>(i)) + 0.01 * std::cos(1.7 * static_cast<double>(i)));
    for (auto _ : state) {
        for (int l = 0; l < kestrel::kWaterfallLinesPerSecond; ++l) {
            kestrel::audio::spectrum_feed(heard.data(), static_cast<int>(heard.size()));
            benchmark::DoNotOptimize(kestrel::spectrum_line(line.data(), 800, 6000));
        }
    }
    kestrel::spectrum_arm(false);
    kestrel::audio::tap_set_rate(old);
}
BENCHMARK(BM_WaterfallSecondOfLines)->Unit(benchmark::kMillisecond)->Iterations(100);

}  // namespace
