// The mixer behind both audio backends: a fixed table of voices (the playback
// channels, the looping carrier and the recordings opened by command strings),
// each decoded ahead into its own ring of samples by a producer and summed,
// with clipping, by a consumer.
//
// Threads: control calls (channel_*, loop_play, command, close_all) may come
// from any thread; fill() and reap() from one producer thread; mix() from one
// consumer (the sound card's callback). mix() takes only a short lock that
// control calls hold for a few instructions; it never reads a file. A control
// call never waits for the producer's decoding: a voice closed while it is
// being decoded is finished off by the producer.
#pragma once
#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>

namespace kestrel::audio {

struct Decoder;
class RxChain;

constexpr int kVoices = 24;
constexpr int kRingFrames = 16384;  // per voice; about 0.37 s at 44.1 kHz

class Mixer {
public:
    // wake: called after a control call gave the producer new work (may be null).
    explicit Mixer(int out_rate, void (*wake)() = nullptr);
    ~Mixer();
    Mixer(const Mixer &) = delete;
    Mixer &operator=(const Mixer &) = delete;

    int rate() const { return rate_; }

    // Playback channel k (0..9): replace whatever it played with `file`, played once.
    void channel_play(int k, const char *file);
    void channel_close(int k);
    // The looping player: `file` repeated until replaced or stopped (nullptr).
    void loop_play(const char *file);
    // A media command string; malformed or unknown ones are logged and ignored.
    void command(const char *text);
    void close_all();

    // Producer: decode ahead into every ring that has room.
    void fill();
    // Producer: closes recordings that were opened by their play command and
    // have ended, and returns how many completion notices are due.
    int reap();
    // Consumer: the sum of every playing voice, clipped to [-1, 1].
    void mix(float *out, int frames);

    int voices_open() const;
    // Voices closed while being decoded whose files the producer has not yet let go.
    static int closes_pending();
    uint64_t underruns() const { return underruns_.load(std::memory_order_relaxed); }

private:
    // kClosing: closed by a control call while the producer was decoding it;
    // the producer finishes the close after its step.
    enum State : int { kFree = 0, kOpen = 1, kPlaying = 2, kEnded = 3, kClosing = 4 };
    enum Kind : int { kNone, kChannel, kLoop, kRecording, kRetiring };
    struct Voice {
        // Guarded by ctl_ (the table's bookkeeping).
        Kind kind = kNone;
        int channel = -1;
        std::string path, alias;
        bool autoclose = false;  // opened by its play command: closed when it ends
        bool notify = false;
        std::atomic<bool> loop{false};  // also read by the producer
        // Guarded by mu (the producer works on the decoder under it).
        std::mutex mu;
        Decoder *dec = nullptr;
        uint64_t produced_since_rewind = 0;
        // Changed under mix_mu_; read anywhere.
        std::atomic<int> state{kFree};
        // Single producer, single consumer ring; counters only grow.
        float *ring = nullptr;
        std::atomic<uint32_t> wr{0}, rd{0};
        std::atomic<bool> src_end{false};   // the producer has delivered the last sample
        std::atomic<uint64_t> played{0};    // samples mixed since the last play command
        // Set with the state when the voice opens: the band noise loop, and
        // which opening this is (the receiver chain fades each one apart).
        std::atomic<bool> noise{false};
        std::atomic<uint64_t> serial{0};
    };

    int find_free() const;
    int find_device(const std::string &name) const;
    int find_channel(int k) const;
    int find_loop() const;
    int open_voice(Kind kind, const char *path, const char **why);
    void close_voice(int i);
    void finish_close(Voice &v);  // with v.mu held
    void start(int i, bool notify);
    void stop(int i);
    void seek(int i, bool to_end);
    void wake() const { if (wake_) wake_(); }
    // Adds what voice v has ready (up to `frames`) into dst; consumer only.
    int take(Voice &v, float *dst, int frames);
    // mix() with the receiver chain engaged (audio_mixer_rx.cpp).
    void mix_receiver(float *out, int frames);

    const int rate_;
    void (*const wake_)();
    mutable std::mutex ctl_;
    std::mutex mix_mu_;
    Voice v_[kVoices];
    std::atomic<uint64_t> underruns_{0};
    uint64_t opened_ = 0;  // guarded by ctl_
    RxChain *const rx_;
};

}  // namespace kestrel::audio
