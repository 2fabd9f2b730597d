// Slot text as the Morse writer reads it, one step at a time: a parameter
// code with its value, or one character. The writer keys these steps, the
// reports print them and the transcript times them, so all three read the
// text the same way.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace kestrel {

enum class StepKind : uint8_t { end, speed, tone, strength, character };

struct KeyStep {
    StepKind kind = StepKind::end;
    // The speed byte, the tone in Hz, the strength byte as sent (128 for 0),
    // or the character's code (4 is the tuning mark, 32 the word space).
    int value = 0;
    size_t at = 0;    // offset of the step's first byte in the text
    size_t next = 0;  // offset of the byte after it
};

// The step at offset `at` of a zero-terminated text. At the terminator, or at
// a code cut short by it, the kind is `end`: nothing past the terminator is read.
KeyStep key_step(const char *text, size_t at);

// One step as it went into a channel file. Positions count samples of the
// data chunk from its start (the four silent samples in the header
// included), so position / rate is the time from the start of playback.
struct KeyedStep {
    KeyStep step;
    uint64_t begin = 0;     // the step's first sample
    uint64_t mark_end = 0;  // just past its last keyed element (begin when it keys none)
    uint64_t end = 0;       // just past its trailing space
};

// What CreateWave keyed into a channel file, step by step.
struct KeyedText {
    int channel = -1;
    uint32_t rate = 0;  // samples per second of the file; 0 when nothing was rendered
    std::vector<KeyedStep> steps;
    uint64_t total = 0;  // samples in the data chunk
};

// Milliseconds from the start of playback to sample `at` of a keyed file.
uint32_t keyed_ms(const KeyedText &k, uint64_t at);

// The last rendering of channel k (0..8); an empty record for other channels
// or after synth_reset. Overwritten by the channel's next rendering.
const KeyedText &keyed_text(int channel);
// For the writer: channel k's record emptied for a new rendering at `rate`;
// nullptr for channels that keep none (the carrier's, 9).
KeyedText *keyed_begin(int channel, uint32_t rate);
// Empties every record.
void keyed_reset();

}  // namespace kestrel
