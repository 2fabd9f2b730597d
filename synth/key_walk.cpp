#include "synth/key_walk.h"

#include "synth/params.h"

namespace kestrel {

KeyStep key_step(const char *text, size_t at) {
    KeyStep s;
    s.at = at;
    s.next = at;
    if (!text) return s;
    const auto *p = reinterpret_cast<const unsigned char *>(text) + at;
    const unsigned char c = p[0];
    if (c == 0) return s;
    if (c == CODE_SPD || c == CODE_QSA) {
        if (!p[1]) return s;
        s.kind = c == CODE_SPD ? StepKind::speed : StepKind::strength;
        s.value = p[1];
        s.next = at + 2;
    } else if (c == CODE_TON) {
        if (!p[1] || !p[2]) return s;
        s.kind = StepKind::tone;
        s.value = decode_tone(p[1], p[2]);
        s.next = at + 3;
    } else {
        s.kind = StepKind::character;
        s.value = c;
        s.next = at + 1;
    }
    return s;
}

namespace {
constexpr int kKeyedChannels = 9;
KeyedText g_keyed[kKeyedChannels];
const KeyedText g_none;
}  // namespace

const KeyedText &keyed_text(int channel) {
    return channel >= 0 && channel < kKeyedChannels ? g_keyed[channel] : g_none;
}

KeyedText *keyed_begin(int channel, uint32_t rate) {
    if (channel < 0 || channel >= kKeyedChannels) return nullptr;
    KeyedText &k = g_keyed[channel];
    k.channel = channel;
    k.rate = rate;
    k.steps.clear();
    k.total = 0;
    return &k;
}

void keyed_reset() {
    for (KeyedText &k : g_keyed) k = KeyedText{};
}

uint32_t keyed_ms(const KeyedText &k, uint64_t at) {
    if (k.rate == 0) return 0;
    return static_cast<uint32_t>(at * 1000u / k.rate);
}

}  // namespace kestrel
