#include "platform/audio_decoder.h"

#include "platform/audio.h"
#include "platform/audio_mixer.h"
#include "platform/files.h"

#include <SDL2/SDL.h>
#include <unistd.h>
#include <sndfile.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

namespace kestrel::audio {

namespace {
std::atomic<int> g_open{0};
constexpr int kMaxChannels = 16;
}  // namespace

struct Decoder {
    std::string path;
    SNDFILE *sf = nullptr;
    SF_INFO info{};
    SDL_AudioStream *stream = nullptr;
    int chunk = 0;            // source frames read at a time (about 20 ms)
    std::vector<float> raw;   // chunk * channels
    std::vector<float> mono;  // chunk
    bool flushed = false;     // the file is read to its end and the converter flushed
    // Set while the file is still being written: frames past its written part are not read.
    std::shared_ptr<WriteProgress> progress;
    uint64_t frames_read = 0;
    bool waiting = false;
};

Decoder *decoder_open(const char *path, int out_rate, const char **why) {
    const char *dummy;
    if (!why) why = &dummy;
    if (!path || !*path) { *why = "no file name"; return nullptr; }
    // Only plain files: opening a pipe or a device for reading could wait forever.
    std::error_code ec;
    // Mended: a missing file, one that cannot be read and one that holds no
    // sound are told apart (they used to share one reason).
    const std::filesystem::file_status st = std::filesystem::status(path, ec);
    if (!std::filesystem::exists(st)) { *why = "missing"; return nullptr; }
    if (!std::filesystem::is_regular_file(st)) { *why = "not a plain file"; return nullptr; }
    // Looked up before the file is opened: a write that ends in between is then seen as ended.
    std::shared_ptr<WriteProgress> progress = write_progress_find(path);
    if (progress && progress->state.load() == WriteProgress::failed) { *why = "file could not be written"; return nullptr; }
    SF_INFO info{};
    SNDFILE *sf = sf_open(path, SFM_READ, &info);
    if (!sf) {
        *why = access(path, R_OK) != 0 ? "cannot be read" : "not a sound file";
        return nullptr;
    }
    if (info.samplerate < kMinSourceRate || info.samplerate > kMaxSourceRate) {
        sf_close(sf);
        *why = "sample rate out of range";
        return nullptr;
    }
    if (info.channels < 1 || info.channels > kMaxChannels || info.frames < 0) {
        sf_close(sf);
        *why = "bad channel count or length";
        return nullptr;
    }
    SDL_AudioStream *stream =
        SDL_NewAudioStream(AUDIO_F32SYS, 1, info.samplerate, AUDIO_F32SYS, 1, out_rate);
    if (!stream) {
        sf_close(sf);
        *why = "no converter for this rate";
        return nullptr;
    }
    auto *d = new Decoder;
    d->path = path;
    d->sf = sf;
    d->info = info;
    d->stream = stream;
    d->progress = std::move(progress);
    d->chunk = info.samplerate / 50;
    if (d->chunk < 16) d->chunk = 16;
    if (d->chunk > 2048) d->chunk = 2048;
    d->raw.resize(static_cast<size_t>(d->chunk) * static_cast<size_t>(info.channels));
    d->mono.resize(static_cast<size_t>(d->chunk));
    g_open.fetch_add(1);
    return d;
}

void decoder_close(Decoder *d) {
    if (!d) return;
    if (d->stream) SDL_FreeAudioStream(d->stream);
    if (d->sf) sf_close(d->sf);
    delete d;
    g_open.fetch_sub(1);
}

int decoder_pull(Decoder *d, float *out, int n) {
    if (!d || n <= 0) return 0;
    int got = 0;
    while (got < n) {
        const int avail = SDL_AudioStreamAvailable(d->stream) / static_cast<int>(sizeof(float));
        if (avail > 0) {
            const int want = avail < n - got ? avail : n - got;
            const int r = SDL_AudioStreamGet(d->stream, out + got, want * static_cast<int>(sizeof(float)));
            if (r <= 0) { d->flushed = true; SDL_AudioStreamClear(d->stream); break; }
            got += r / static_cast<int>(sizeof(float));
            continue;
        }
        if (d->flushed) break;
        sf_count_t want = d->chunk;
        d->waiting = false;
        if (d->progress) {
            const int state = d->progress->state.load(std::memory_order_acquire);
            if (state == WriteProgress::failed) {
                // A file that could not be written whole plays no further.
                SDL_AudioStreamClear(d->stream);
                d->flushed = true;
                break;
            }
            if (state == WriteProgress::whole) {
                d->progress.reset();
            } else {
                const uint64_t ready = d->progress->frames.load(std::memory_order_acquire);
                if (ready <= d->frames_read) {
                    d->waiting = true;
                    break;
                }
                if (ready - d->frames_read < static_cast<uint64_t>(want)) want = static_cast<sf_count_t>(ready - d->frames_read);
            }
        }
        const sf_count_t frames = d->sf ? sf_readf_float(d->sf, d->raw.data(), want) : 0;
        if (frames > 0) d->frames_read += static_cast<uint64_t>(frames);
        if (frames <= 0) {
            SDL_AudioStreamFlush(d->stream);
            d->flushed = true;
            continue;
        }
        const int ch = d->info.channels;
        for (sf_count_t i = 0; i < frames; ++i) {
            float sum = 0;
            for (int c = 0; c < ch; ++c) sum += d->raw[static_cast<size_t>(i * ch + c)];
            sum /= static_cast<float>(ch);
            // A float file may hold anything; keep the mixer's arithmetic finite.
            if (!std::isfinite(sum)) sum = 0;
            d->mono[static_cast<size_t>(i)] = sum;
        }
        if (SDL_AudioStreamPut(d->stream, d->mono.data(), static_cast<int>(frames * sizeof(float))) != 0) {
            d->flushed = true;
        }
    }
    return got;
}

bool decoder_waiting(const Decoder *d) { return d && d->waiting; }

bool decoder_rewind(Decoder *d) {
    if (!d) return false;
    SDL_AudioStreamClear(d->stream);
    d->flushed = false;
    d->frames_read = 0;
    d->waiting = false;
    if (d->sf && sf_seek(d->sf, 0, SEEK_SET) == 0) return true;
    // Some decoders cannot seek back; open the file afresh instead.
    if (d->sf) sf_close(d->sf);
    SF_INFO info{};
    d->sf = sf_open(d->path.c_str(), SFM_READ, &info);
    if (d->sf && (info.samplerate != d->info.samplerate || info.channels != d->info.channels)) {
        sf_close(d->sf);
        d->sf = nullptr;
    }
    if (!d->sf) { d->flushed = true; return false; }
    return true;
}

int decoder_count() { return g_open.load(); }

}  // namespace kestrel::audio

namespace kestrel {
int media_files_open() {
    // A file whose voice was closed while the producer decoded it is let go
    // of within one decoding step; count after that.
    for (int i = 0; i < 1000 && audio::Mixer::closes_pending() > 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return audio::decoder_count();
}
}  // namespace kestrel
