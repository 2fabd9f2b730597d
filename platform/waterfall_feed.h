// The spectrum of what the listener hears, for the waterfall: the mixed
// output (after the receiver chain, when it is engaged) is collected from the
// tap on the mixing thread while the waterfall is armed, and turned into lines
// of levels on the thread that draws them.
#pragma once

namespace kestrel {

constexpr int kWaterfallLinesPerSecond = 25;

// Starts or stops collecting; stopping forgets what was collected.
void spectrum_arm(bool on);
bool spectrum_armed();
// One line of the waterfall from what was heard since the last line:
// `columns` levels in dB, column c covering c .. c+1 times max_hz / columns.
// False (and `db` untouched) when nothing new was heard.
bool spectrum_line(float *db, int columns, double max_hz);

namespace audio {
// From the tap: one mixed block; any thread, never blocks.
void spectrum_feed(const float *samples, int frames);
}  // namespace audio

}  // namespace kestrel
