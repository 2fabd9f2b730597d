// The copy check window as a Morse learner's desk: the transcript shown as
// keyed, all at once or hidden until the station has finished, and copy
// practice on one channel. Keys inside the window (platform/copy_window.h):
//   Tab             next mode (Shift+Tab the one before)
//   Ctrl+0..Ctrl+6  practise on that channel (again: stop)
//   while practising: letters, digits and signs type the copy, Backspace
//   takes one back, Escape ends the practice
//   Ctrl+C          copies the selected text (the window does it itself)
// Every other key, and every key without practice, tunes the receiver as in
// the main window; a key with Ctrl or Alt never reaches it.
#pragma once
#include <cstdint>
#include <string>

#include "app/practice.h"
#include "app/transcript.h"

namespace kestrel {

CopyMode copy_check_mode();
void copy_check_set_mode(CopyMode mode);

// Starts practice on channel k (0..6), or ends it (k < 0; logged when
// anything was typed). Starting on a channel that keys nothing does nothing.
void copy_check_practise(int k);
int copy_check_practice_channel();  // -1 when not practising
const std::string &copy_check_typed();
// The score of the copy so far (final once the station has finished).
CopyScore copy_check_score();
// Where the practice log goes: PRACTICE_LOG in the start folder.
std::string practice_log_path();

// A key pressed in the copy check window; true when the window took it.
bool copy_check_key(uintptr_t vk, int ch, int mods);
// A button of the window's row: 0..2 the modes, 3 the next channel to practise.
void copy_check_button(int index);
// The window thread, every COPY_TICK_MS: the keyed text moves on, and a
// practice whose station has finished is scored and logged.
constexpr int COPY_TICK_MS = 25;
void copy_check_tick();
// Before a retune stops the channels: a practice under way ends here.
void copy_check_retuning();

// The copy check's text in `mode`, each channel k shown as far as
// played_ms[k] (its playback position; UINT32_MAX once it has ended).
std::string copy_check_view(CopyMode mode, const uint32_t played_ms[9]);

}  // namespace kestrel
