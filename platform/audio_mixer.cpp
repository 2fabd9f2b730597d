#include "platform/audio_mixer.h"

#include <cstdio>
#include <cstring>

#include "platform/audio_command.h"
#include "platform/audio_decoder.h"
#include "platform/log_sink.h"
#include "platform/rx_chain.h"

namespace kestrel::audio {

namespace {

constexpr int kMinFill = 256;     // do not wake the decoder for less
constexpr int kFillChunk = 1024;  // samples decoded per step while holding a voice

// The band noise loop, which the receiver chain treats apart from the signals.
bool is_band_noise(const char *path) {
    const char *base = std::strrchr(path, '/');
    return same_name(base ? base + 1 : path, "noise.wav");
}

void log_ignored(const char *reason, const char *what) {
    char head[160];
    std::snprintf(head, sizeof head, "media: %s", reason);
    platform_log(head, what ? what : "", 0);
}

}  // namespace

Mixer::Mixer(int out_rate, void (*wake)())
    : rate_(out_rate > 0 ? out_rate : 44100), wake_(wake), rx_(new RxChain(rate_)) {
    for (auto &v : v_) v.ring = new float[kRingFrames];
}

Mixer::~Mixer() {
    close_all();
    fill();  // lets go of the files of voices closed while they were being decoded
    for (auto &v : v_) delete[] v.ring;
    delete rx_;
}

int Mixer::find_free() const {
    for (int i = 0; i < kVoices; ++i)
        if (v_[i].kind == kNone || (v_[i].kind == kRetiring && v_[i].state.load() == kFree)) return i;
    return -1;
}

// A recording by alias first, then by its file name. Mended: a recording opened
// with an alias also answers to its file name, so "close fone/noise.wav" ends
// the noise loop that was opened as "noise".
int Mixer::find_device(const std::string &name) const {
    for (int i = 0; i < kVoices; ++i)
        if (v_[i].kind == kRecording && !v_[i].alias.empty() && same_name(v_[i].alias, name)) return i;
    for (int i = 0; i < kVoices; ++i)
        if (v_[i].kind == kRecording && same_name(v_[i].path, name)) return i;
    return -1;
}

int Mixer::find_channel(int k) const {
    for (int i = 0; i < kVoices; ++i)
        if (v_[i].kind == kChannel && v_[i].channel == k) return i;
    return -1;
}

int Mixer::find_loop() const {
    for (int i = 0; i < kVoices; ++i)
        if (v_[i].kind == kLoop) return i;
    return -1;
}

int Mixer::open_voice(Kind kind, const char *path, const char **why) {
    const int i = find_free();
    if (i < 0) {
        *why = "too many sounds at once";
        return -1;
    }
    Decoder *dec = decoder_open(path, rate_, why);
    if (!dec) return -1;
    Voice &v = v_[i];
    {
        std::lock_guard<std::mutex> lk(v.mu);
        v.dec = dec;
        v.produced_since_rewind = 0;
        v.wr.store(0);
        v.rd.store(0);
        v.src_end.store(false);
        v.played.store(0);
    }
    v.kind = kind;
    v.channel = -1;
    v.path = path;
    v.alias.clear();
    v.autoclose = v.notify = false;
    v.loop.store(false);
    {
        std::lock_guard<std::mutex> lk(mix_mu_);
        v.noise.store(kind == kRecording && is_band_noise(path));
        v.serial.store(++opened_);
        v.state.store(kOpen);
    }
    return i;
}

namespace {
std::atomic<int> g_closes_pending{0};
}

int Mixer::closes_pending() { return g_closes_pending.load(); }

void Mixer::finish_close(Voice &v) {
    Decoder *dec = v.dec;
    v.dec = nullptr;
    {
        std::lock_guard<std::mutex> mk(mix_mu_);
        v.wr.store(0);
        v.rd.store(0);
        v.src_end.store(false);
        v.played.store(0);
        v.state.store(kFree);
    }
    decoder_close(dec);
}

void Mixer::close_voice(int i) {
    Voice &v = v_[i];
    std::unique_lock<std::mutex> lk(v.mu, std::try_to_lock);
    if (lk.owns_lock()) {
        finish_close(v);
        lk.unlock();
        v.kind = kNone;
    } else {
        // Mended: a retune used to wait here for the producer's decoding. The
        // voice is silenced now, and the producer lets go of the file after
        // its step (fill()).
        g_closes_pending.fetch_add(1);
        {
            std::lock_guard<std::mutex> mk(mix_mu_);
            v.state.store(kClosing);
        }
        v.kind = kRetiring;
        wake();
    }
    v.channel = -1;
    v.path.clear();
    v.alias.clear();
    v.autoclose = v.notify = false;
    v.loop.store(false);
}

void Mixer::start(int i, bool notify) {
    Voice &v = v_[i];
    v.notify = notify;
    {
        std::lock_guard<std::mutex> lk(mix_mu_);
        const int st = v.state.load();
        if (st == kOpen) {
            v.played.store(0);
            v.state.store(kPlaying);
        } else if (st == kEnded) {
            // Played again at its end: nothing sounds and no notice follows.
            v.played.store(0);
        }
    }
    wake();
}

void Mixer::stop(int i) {
    Voice &v = v_[i];
    v.notify = false;  // a stopped play never completes
    std::lock_guard<std::mutex> lk(mix_mu_);
    if (v.state.load() == kPlaying) v.state.store(kOpen);
}

void Mixer::seek(int i, bool to_end) {
    Voice &v = v_[i];
    v.notify = false;
    {
        std::lock_guard<std::mutex> lk(v.mu);
        {
            std::lock_guard<std::mutex> mk(mix_mu_);
            v.state.store(kOpen);
            v.wr.store(0);
            v.rd.store(0);
            v.src_end.store(to_end);
            v.played.store(0);
        }
        if (!to_end) {
            if (!decoder_rewind(v.dec)) v.src_end.store(true);
            v.produced_since_rewind = 0;
        }
    }
    wake();
}

void Mixer::channel_play(int k, const char *file) {
    if (k < 0 || k > 9 || !file) return;
    std::lock_guard<std::mutex> lk(ctl_);
    const int old = find_channel(k);
    if (old >= 0) close_voice(old);
    const char *why = "";
    const int i = open_voice(kChannel, file, &why);
    if (i < 0) {
        log_ignored(why, file);
        return;
    }
    v_[i].channel = k;
    start(i, false);
}

void Mixer::channel_close(int k) {
    std::lock_guard<std::mutex> lk(ctl_);
    const int i = find_channel(k);
    if (i >= 0) close_voice(i);
}

void Mixer::loop_play(const char *file) {
    std::lock_guard<std::mutex> lk(ctl_);
    const int old = find_loop();
    if (old >= 0) close_voice(old);
    if (!file) return;
    const char *why = "";
    const int i = open_voice(kLoop, file, &why);
    if (i < 0) {
        log_ignored(why, file);
        return;
    }
    v_[i].loop.store(true);
    start(i, false);
}

void Mixer::command(const char *text) {
    MediaCommand c;
    std::string why;
    if (!parse_command(text, &c, &why)) {
        char head[96];
        std::snprintf(head, sizeof head, "command ignored (%s)", why.c_str());
        log_ignored(head, text);
        return;
    }
    std::lock_guard<std::mutex> lk(ctl_);
    if (c.verb == Verb::close && same_name(c.device, "all")) {
        for (int i = 0; i < kVoices; ++i)
            if (v_[i].kind == kRecording) close_voice(i);
        return;
    }
    int i = find_device(c.device);
    const char *fail = "";
    switch (c.verb) {
    case Verb::open:
        if (i >= 0 || (!c.alias.empty() && find_device(c.alias) >= 0)) {
            log_ignored("already open", text);
            return;
        }
        i = open_voice(kRecording, c.device.c_str(), &fail);
        if (i < 0) {
            log_ignored(fail, text);
            return;
        }
        v_[i].alias = c.alias;
        wake();  // decode ahead so that play starts at once
        return;
    case Verb::play:
        if (i < 0) {
            // A file played without an open: opened for this play and closed when it ends.
            i = open_voice(kRecording, c.device.c_str(), &fail);
            if (i < 0) {
                log_ignored(fail, text);
                return;
            }
            v_[i].autoclose = true;
        }
        start(i, c.notify);
        return;
    case Verb::stop:
        if (i >= 0) stop(i);
        return;
    case Verb::seek:
        if (i >= 0) seek(i, c.seek == SeekTo::end);
        return;
    case Verb::close:
        // Closing what is not open is routine (every retune does it) and harmless.
        if (i >= 0) close_voice(i);
        return;
    }
}

void Mixer::close_all() {
    std::lock_guard<std::mutex> lk(ctl_);
    for (int i = 0; i < kVoices; ++i)
        if (v_[i].kind != kNone && v_[i].kind != kRetiring) close_voice(i);
}

void Mixer::fill() {
    for (auto &v : v_) {
        // The voice is held for one step at a time, so a control call that
        // closes it waits at most one step, not a whole ring's decoding.
        for (;;) {
            const int st = v.state.load(std::memory_order_acquire);
            if (st == kClosing) {
                std::lock_guard<std::mutex> lk(v.mu);
                if (v.state.load() == kClosing) {
                    finish_close(v);
                    g_closes_pending.fetch_sub(1);
                }
                break;
            }
            if ((st != kOpen && st != kPlaying) || v.src_end.load(std::memory_order_acquire)) break;
            std::lock_guard<std::mutex> lk(v.mu);
            if (v.state.load() == kClosing) continue;
            if (!v.dec || v.src_end.load(std::memory_order_relaxed)) break;
            const uint32_t w = v.wr.load(std::memory_order_relaxed);
            const uint32_t used = w - v.rd.load(std::memory_order_acquire);
            const int space = kRingFrames - static_cast<int>(used);
            if (space < kMinFill) break;
            const int pos = static_cast<int>(w % kRingFrames);
            int n = kRingFrames - pos;
            if (n > space) n = space;
            if (n > kFillChunk) n = kFillChunk;
            const int got = decoder_pull(v.dec, v.ring + pos, n);
            if (got > 0) {
                v.wr.store(w + static_cast<uint32_t>(got), std::memory_order_release);
                v.produced_since_rewind += static_cast<uint64_t>(got);
                continue;
            }
            // A file still being written: the rest comes on a later fill.
            if (decoder_waiting(v.dec)) break;
            // A file that yields nothing after a rewind would spin here: it ends instead.
            if (v.loop && v.produced_since_rewind > 0 && decoder_rewind(v.dec)) {
                v.produced_since_rewind = 0;
                continue;
            }
            v.src_end.store(true, std::memory_order_release);
        }
    }
}

int Mixer::reap() {
    std::lock_guard<std::mutex> lk(ctl_);
    int notices = 0;
    for (int i = 0; i < kVoices; ++i) {
        Voice &v = v_[i];
        if (v.state.load() != kEnded) continue;
        // Mended: a play that sounded nothing (an empty file) posts no notice,
        // so the noise loop cannot restart it over and over.
        if (v.notify && v.played.load() > 0) ++notices;
        v.notify = false;
        if (v.autoclose) close_voice(i);
    }
    return notices;
}

int Mixer::take(Voice &v, float *dst, int frames) {
    const bool end = v.src_end.load(std::memory_order_acquire);
    const uint32_t w = v.wr.load(std::memory_order_acquire);
    const uint32_t r = v.rd.load(std::memory_order_relaxed);
    const int avail = static_cast<int>(w - r);
    const int n = avail < frames ? avail : frames;
    int pos = static_cast<int>(r % kRingFrames);
    for (int j = 0; j < n; ++j) {
        dst[j] += v.ring[pos];
        if (++pos == kRingFrames) pos = 0;
    }
    v.rd.store(r + static_cast<uint32_t>(n), std::memory_order_release);
    const uint64_t before = v.played.fetch_add(static_cast<uint64_t>(n), std::memory_order_relaxed);
    if (n < frames) {
        if (end) v.state.store(kEnded, std::memory_order_release);
        else if (before + static_cast<uint64_t>(n) > 0) underruns_.fetch_add(1, std::memory_order_relaxed);
    }
    return n;
}

void Mixer::mix(float *out, int frames) {
    // Mended: with the receiver sound chosen (never by default) the sum goes
    // through the receiver chain instead of straight out.
    if (rx_->engaged()) {
        mix_receiver(out, frames);
        return;
    }
    for (int j = 0; j < frames; ++j) out[j] = 0.0f;
    std::lock_guard<std::mutex> lk(mix_mu_);
    for (auto &v : v_) {
        if (v.state.load(std::memory_order_relaxed) != kPlaying) continue;
        take(v, out, frames);
    }
    for (int j = 0; j < frames; ++j) {
        if (out[j] > 1.0f) out[j] = 1.0f;
        else if (out[j] < -1.0f) out[j] = -1.0f;
    }
}

int Mixer::voices_open() const {
    std::lock_guard<std::mutex> lk(ctl_);
    int n = 0;
    for (const auto &v : v_)
        if (v.kind != kNone && v.kind != kRetiring) ++n;
    return n;
}

}  // namespace kestrel::audio
