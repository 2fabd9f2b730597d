// The status line under the panel: what the receiver is doing, in words.
//
// It has two fields. The wide one, on two text lines: the UTC time the
// receiver goes by (read as every station reads it, so a clock set elsewhere
// shows here too), what the last retune started ("2 Morse, teleprinter 50 Bd,
// clip"), REC with the time recorded and the file while recording; below them
// the last one-line message. The narrow one on the right holds the option
// flags that features switch on ("LIVE", "SIM", ...), one word each.
#pragma once
#include <string>

namespace kestrel {

constexpr int ID_STATUS = 160;
constexpr int ID_STATUS_FLAGS = 161;

// Adds the two fields to the main window; before that the line is only kept.
void status_create(int window);
// A one-line message (where a recording went, a missing sound device ...);
// it stays until the next one.
void status_message(const char *line);
// Sets the flag `key` to `text` ("" or nullptr takes it away). Flags keep the
// order in which they were first set.
void status_flag_set(const char *key, const char *text);
// What the last retune started, in words ("" before the first one).
void status_heard(const std::string &summary);
// Every quarter second on the window thread: the clock and REC's time. Also
// called after anything that changes the line.
void status_tick();
// The texts of the two fields as they are shown.
std::string status_text();
std::string status_flags_text();
const std::string &status_last_message();
void status_reset();

}  // namespace kestrel
