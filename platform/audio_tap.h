// The backends' side of the tap on the mixed output (platform/audio.h).
#pragma once

namespace kestrel::audio {

// Hands one mixed block to the tap, if one is set; any thread, never blocks.
void tap_feed(const float *samples, int frames);
// The rate of the mix now going out (0: none); returns the one it replaces.
int tap_set_rate(int rate);

}  // namespace kestrel::audio
