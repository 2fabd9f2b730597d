// The sound-card backend: one SDL audio device opened at start and kept, fed
// by the mixer; a feeder thread decodes ahead so that the device's callback
// only sums samples that are already in memory.
#include <SDL2/SDL.h>

#include <condition_variable>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/audio.h"
#include "platform/audio_decoder.h"
#include "platform/audio_mixer.h"
#include "platform/audio_tap.h"
#include "platform/log_sink.h"

namespace kestrel {

namespace {

struct Device {
    SDL_AudioDeviceID id = 0;
    int rate = 0;
    int channels = 1;
    audio::Mixer *mixer = nullptr;
    std::vector<float> mono;  // one device buffer of mixed samples
    std::thread feeder;
    std::mutex wake_mu;
    std::condition_variable wake_cv;
    bool wake = false;
    bool quit = false;
};

// Guards the device's lifetime against calls from the window thread and the
// channel watchdogs.
std::mutex g_mu;
Device *g_dev = nullptr;
bool g_exit_hook = false;
std::string g_device_name;  // "" = the sound system's default output
std::string g_problem;      // why the last open found no output

// The driver SDL chose or was told to use, for messages.
std::string driver_words() {
    const char *current = SDL_GetCurrentAudioDriver();
    if (current) return std::string("driver ") + current;
    const char *asked = std::getenv("SDL_AUDIODRIVER");
    return asked && *asked ? std::string("driver ") + asked : std::string("no driver");
}

void wake_feeder() {
    // Only called from mixer control calls, which run under g_mu.
    Device *d = g_dev;
    if (!d) return;
    {
        std::lock_guard<std::mutex> lk(d->wake_mu);
        d->wake = true;
    }
    d->wake_cv.notify_one();
}

void feeder_main(Device *d) {
    for (;;) {
        {
            std::unique_lock<std::mutex> lk(d->wake_mu);
            d->wake_cv.wait_for(lk, std::chrono::milliseconds(10), [d] { return d->wake || d->quit; });
            if (d->quit) return;
            d->wake = false;
        }
        d->mixer->fill();
        for (int n = d->mixer->reap(); n > 0; --n) media_post_notify();
    }
}

void SDLCALL callback(void *userdata, Uint8 *stream, int len) {
    auto *d = static_cast<Device *>(userdata);
    auto *out = reinterpret_cast<float *>(stream);
    const int ch = d->channels;
    int frames = len / static_cast<int>(sizeof(float)) / ch;
    while (frames > 0) {
        int n = static_cast<int>(d->mono.size());
        if (n > frames) n = frames;
        d->mixer->mix(d->mono.data(), n);
        audio::tap_feed(d->mono.data(), n);
        for (int i = 0; i < n; ++i)
            for (int c = 0; c < ch; ++c) *out++ = d->mono[static_cast<size_t>(i)];
        frames -= n;
    }
}

void sdl_play(int k, const char *file) {
    std::lock_guard<std::mutex> lk(g_mu);
    if (g_dev) g_dev->mixer->channel_play(k, file);
}
void sdl_close(int k) {
    std::lock_guard<std::mutex> lk(g_mu);
    if (g_dev) g_dev->mixer->channel_close(k);
}
void sdl_string(const char *command) {
    std::lock_guard<std::mutex> lk(g_mu);
    if (g_dev) g_dev->mixer->command(command);
}
void sdl_loop(const char *file) {
    std::lock_guard<std::mutex> lk(g_mu);
    if (g_dev) g_dev->mixer->loop_play(file);
}
int sdl_devs() {
    std::lock_guard<std::mutex> lk(g_mu);
    if (!g_dev) return 0;
    const int n = SDL_GetNumAudioDevices(0);
    return n > 0 ? n : 1;
}

const MediaBackend media_sdl = {"sdl", sdl_play, sdl_close, sdl_string, sdl_loop, sdl_devs};

void exit_hook() { media_sdl_close(); }

}  // namespace

void media_sdl_driver(const char *name) {
    if (name) setenv("SDL_AUDIODRIVER", name, 1);
    else unsetenv("SDL_AUDIODRIVER");
}

const MediaBackend *media_sdl_open() {
    std::lock_guard<std::mutex> lk(g_mu);
    if (g_dev) return &media_sdl;
    g_problem.clear();
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        g_problem = std::string("the sound system did not start (") + driver_words() + "): " + SDL_GetError();
        platform_log("media: no audio", SDL_GetError(), 0);
        return &media_sdl;  // num_devs() is 0 and every call does nothing
    }
    SDL_AudioSpec want{}, have{};
    want.freq = 44100;
    want.format = AUDIO_F32SYS;
    want.channels = 1;
    want.samples = 1024;
    want.callback = callback;
    auto *d = new Device;
    want.userdata = d;
    d->id = SDL_OpenAudioDevice(g_device_name.empty() ? nullptr : g_device_name.c_str(), 0, &want, &have,
                                SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE);
    if (d->id == 0 || have.channels < 1) {
        const std::string which = g_device_name.empty() ? "the default output" : "the output \"" + g_device_name + "\"";
        g_problem = which + " did not open (" + driver_words() + "): " + SDL_GetError();
        platform_log("media: no output device", SDL_GetError(), 0);
        if (d->id) SDL_CloseAudioDevice(d->id);
        delete d;
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return &media_sdl;
    }
    d->rate = have.freq;
    d->channels = have.channels;
    d->mono.resize(have.samples > 0 ? have.samples : 1024);
    d->mixer = new audio::Mixer(d->rate, wake_feeder);
    d->feeder = std::thread(feeder_main, d);
    g_dev = d;
    audio::tap_set_rate(d->rate);
    if (!g_exit_hook) {
        g_exit_hook = true;
        std::atexit(exit_hook);
    }
    SDL_PauseAudioDevice(d->id, 0);
    return &media_sdl;
}

void media_sdl_close() {
    std::lock_guard<std::mutex> lk(g_mu);
    Device *d = g_dev;
    if (!d) return;
    SDL_CloseAudioDevice(d->id);  // returns once the callback is no longer running
    audio::tap_set_rate(0);
    {
        std::lock_guard<std::mutex> wk(d->wake_mu);
        d->quit = true;
    }
    d->wake_cv.notify_one();
    d->feeder.join();
    g_dev = nullptr;
    delete d->mixer;
    delete d;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void media_sdl_device(const char *name) { g_device_name = name ? name : ""; }

std::string media_sdl_problem() {
    std::lock_guard<std::mutex> lk(g_mu);
    return g_problem;
}

bool media_sdl_devices(std::string *driver, std::vector<std::string> *names, std::string *why) {
    names->clear();
    const bool was_up = SDL_WasInit(SDL_INIT_AUDIO) != 0;
    if (!was_up && SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        *driver = driver_words();
        *why = SDL_GetError();
        return false;
    }
    *driver = driver_words();
    const int n = SDL_GetNumAudioDevices(0);
    for (int i = 0; i < n; ++i)
        if (const char *name = SDL_GetAudioDeviceName(i, 0)) names->push_back(name);
    if (n < 0) *why = SDL_GetError();
    if (!was_up) SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return n >= 0;
}

int media_sdl_rate() {
    std::lock_guard<std::mutex> lk(g_mu);
    return g_dev ? g_dev->rate : 0;
}

uint64_t media_sdl_underruns() {
    std::lock_guard<std::mutex> lk(g_mu);
    return g_dev ? g_dev->mixer->underruns() : 0;
}

int media_sdl_sources() {
    std::lock_guard<std::mutex> lk(g_mu);
    return g_dev ? g_dev->mixer->voices_open() : 0;
}

}  // namespace kestrel
