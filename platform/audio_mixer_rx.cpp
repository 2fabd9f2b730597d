// The mixer's consumer with the receiver chain engaged: the band noise and
// the signals are summed apart, each signal voice faded on its own, and the
// chain turns both into what the loudspeaker gets.
#include "platform/audio_mixer.h"
#include "platform/rx_chain.h"

namespace kestrel::audio {

void Mixer::mix_receiver(float *out, int frames) {
    float *signals = rx_->bus(0, frames);
    float *noise = rx_->bus(1, frames);
    float *one = rx_->bus(2, frames);
    for (int j = 0; j < frames; ++j) signals[j] = noise[j] = 0.0f;
    bool noise_on = false;
    {
        std::lock_guard<std::mutex> lk(mix_mu_);
        for (int i = 0; i < kVoices; ++i) {
            Voice &v = v_[i];
            const int st = v.state.load(std::memory_order_relaxed);
            const bool is_noise = v.noise.load(std::memory_order_relaxed);
            // The loop counts as on between its end and its restart.
            if (is_noise && st != kFree && st != kClosing) noise_on = true;
            if (st != kPlaying) continue;
            if (is_noise) {
                take(v, noise, frames);
                continue;
            }
            for (int j = 0; j < frames; ++j) one[j] = 0.0f;
            const int n = take(v, one, frames);
            rx_->fade(i, v.serial.load(std::memory_order_relaxed), one, n);
            for (int j = 0; j < n; ++j) signals[j] += one[j];
        }
    }
    rx_->process(signals, noise, noise_on, out, frames);
}

}  // namespace kestrel::audio
