// The media layer: everything that sounds goes through one small table of
// functions, so the receiver can play through the sound card, record the
// commands for tests, or mix offline into a file.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace kestrel {

struct MediaBackend {
    const char *name;
    // Channel k (0..8): open the WAV element `file` and play it once (open + play of a voice).
    void (*channel_play)(int k, const char *file);
    // Close channel k's voice; harmless when nothing is open.
    void (*channel_close)(int k);
    // A media command string: "open fone/noise.wav alias noise", "play noise notify", ...
    void (*send_string)(const char *command);
    // The system sound player: loop `file` until stopped; nullptr stops it.
    void (*loop_play)(const char *file);
    // Number of usable output devices.
    int (*num_devs)();
};

// Selects the backend used by every media call (the null backend by default).
void media_use(const MediaBackend *backend);
const MediaBackend &media();

extern const MediaBackend media_null;
extern const MediaBackend media_recording;

// The recording backend's log of commands, one line each, in order:
//   "channel_play <k> <file>", "channel_close <k>", "string <command>",
//   "loop_play <file>", "loop_stop".
const std::vector<std::string> &media_recorded();
void media_recorded_clear();

// Completion notices for "play ... notify": backends call media_post_notify()
// from any thread; the window thread collects them with media_take_notify().
void media_post_notify();
int media_take_notify();

}  // namespace kestrel
