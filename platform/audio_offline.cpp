// The offline backend: the same mixer driven by a simulated clock, writing
// what would sound into one file instead of a sound card.
#include <sndfile.h>

#include <atomic>
#include <cstring>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/audio.h"
#include "platform/audio_mixer.h"
#include "platform/audio_tap.h"
#include "platform/log_sink.h"

namespace kestrel {

namespace {

struct Offline {
    audio::Mixer *mixer = nullptr;
    SNDFILE *out = nullptr;
    int rate = 0;
    int64_t total = 0;  // samples to write
    int64_t done = 0;
    bool ok = true;
    const MediaBackend *previous = nullptr;
    int previous_rate = 0;
    std::vector<float> block;
};

// Recursive: the notice handler sends commands from inside the rendering.
std::recursive_mutex g_mu;
Offline *g_off = nullptr;
void (*g_handler)() = nullptr;
std::atomic<std::thread::id> g_owner{};  // the thread that began the mix

bool ends_with_mp3(const char *name) {
    const size_t n = std::strlen(name);
    return n >= 4 && (std::strcmp(name + n - 4, ".mp3") == 0 || std::strcmp(name + n - 4, ".MP3") == 0);
}

void render(Offline *o, int64_t samples) {
    const int64_t block = static_cast<int64_t>(o->block.size());
    while (samples > 0 && o->done < o->total) {
        int64_t n = block;
        if (n > samples) n = samples;
        if (n > o->total - o->done) n = o->total - o->done;
        o->mixer->fill();
        o->mixer->mix(o->block.data(), static_cast<int>(n));
        audio::tap_feed(o->block.data(), static_cast<int>(n));
        if (sf_writef_float(o->out, o->block.data(), n) != n) o->ok = false;
        o->done += n;
        samples -= n;
        // Sounds that ended in this block are noticed at its end; what the
        // handler starts begins with the next block.
        for (int k = o->mixer->reap(); k > 0; --k) {
            media_post_notify();
            if (g_handler) g_handler();
        }
    }
}

void off_play(int k, const char *file) {
    std::lock_guard<std::recursive_mutex> lk(g_mu);
    if (g_off) g_off->mixer->channel_play(k, file);
}
void off_close(int k) {
    // A channel watchdog's close comes at a wall-clock deadline, which means
    // nothing in simulated time: the channel ends with its file there. Taking
    // the lock from a watchdog could also wait on a rendering that is itself
    // waiting for that watchdog (a notice handler that retunes).
    if (std::this_thread::get_id() != g_owner.load()) return;
    std::lock_guard<std::recursive_mutex> lk(g_mu);
    if (g_off) g_off->mixer->channel_close(k);
}
void off_string(const char *command) {
    std::lock_guard<std::recursive_mutex> lk(g_mu);
    if (g_off) g_off->mixer->command(command);
}
void off_loop(const char *file) {
    std::lock_guard<std::recursive_mutex> lk(g_mu);
    if (g_off) g_off->mixer->loop_play(file);
}
int off_devs() { return 1; }

}  // namespace

const MediaBackend media_offline = {"offline", off_play, off_close, off_string, off_loop, off_devs};

bool media_offline_begin(const char *out_wav, int seconds, int rate) {
    std::lock_guard<std::recursive_mutex> lk(g_mu);
    if (g_off || !out_wav || seconds < 0 || rate < 8000 || rate > 192000) return false;
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = 1;
    info.format = ends_with_mp3(out_wav) ? (SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III) : (SF_FORMAT_WAV | SF_FORMAT_PCM_16);
    SNDFILE *out = sf_open(out_wav, SFM_WRITE, &info);
    if (!out) {
        platform_log("media: cannot write the mix", out_wav, 0);
        return false;
    }
    sf_command(out, SFC_SET_CLIPPING, nullptr, SF_TRUE);
    auto *o = new Offline;
    o->out = out;
    o->rate = rate;
    o->total = static_cast<int64_t>(seconds) * rate;
    o->mixer = new audio::Mixer(rate);
    o->block.resize(static_cast<size_t>(rate / 100));  // 10 ms steps
    o->previous = &media();
    g_owner.store(std::this_thread::get_id());
    g_off = o;
    o->previous_rate = audio::tap_set_rate(rate);
    media_use(&media_offline);
    return true;
}

void media_offline_on_notify(void (*handler)()) {
    std::lock_guard<std::recursive_mutex> lk(g_mu);
    g_handler = handler;
}

bool media_offline_advance(uint32_t ms) {
    std::lock_guard<std::recursive_mutex> lk(g_mu);
    if (!g_off) return false;
    render(g_off, static_cast<int64_t>(ms) * g_off->rate / 1000);
    return g_off->ok;
}

bool media_offline_end() {
    std::lock_guard<std::recursive_mutex> lk(g_mu);
    Offline *o = g_off;
    if (!o) return false;
    render(o, o->total - o->done);
    g_off = nullptr;  // later calls through a stale table do nothing
    g_owner.store(std::thread::id());
    if (&media() == &media_offline) media_use(o->previous);
    audio::tap_set_rate(o->previous_rate);
    delete o->mixer;
    const bool ok = o->ok && sf_close(o->out) == 0 && o->done == o->total;
    delete o;
    return ok;
}

}  // namespace kestrel
