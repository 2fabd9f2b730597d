// Names of the broadcast clips in "fone/": 340 slots of 16 characters, the
// first CLIP_NAMES filled, the rest empty.
#pragma once

namespace kestrel {

constexpr int CLIP_SLOTS = 340;
constexpr int CLIP_NAME_SIZE = 16;
extern const char clip_table[CLIP_SLOTS][CLIP_NAME_SIZE];

}  // namespace kestrel
