// The sound-card backend and the offline mixdown backend of the media layer
// (platform/media.h). Both play the channel files, the looping carrier and the
// command strings ("open fone/noise.wav alias noise", "play noise notify",
// "seek noise to start", "stop ...", "close ...", "play fone/<name>") through
// one mixer; they differ only in who drives it: the sound card's clock or a
// simulated clock writing into a file.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/media.h"

namespace kestrel {

// Opens the audio output (one device, kept until media_sdl_close) and returns
// its backend table; install it with media_use(). Never returns nullptr: when
// there is no usable output device the table's num_devs() returns 0 and every
// call does nothing, so the receiver runs on silently. Calling it again while
// open returns the same table.
const MediaBackend *media_sdl_open();
// Stops all sound, releases every file and the device, ends the feeder
// thread. Harmless when not open; also run at exit.
void media_sdl_close();
// Selects the output driver by name before media_sdl_open() ("dummy" plays
// into nothing at the sound card's pace: for tests and machines without a
// sound card). nullptr restores the default choice.
void media_sdl_driver(const char *name);
// Selects the output by its name (one of media_sdl_devices') before
// media_sdl_open(); nullptr or "" is the sound system's default.
void media_sdl_device(const char *name);
// Why the last media_sdl_open() found no output, in words with the driver
// and the sound system's own reason; "" when it opened one.
std::string media_sdl_problem();
// The driver in use and the names of the outputs it offers; false (with the
// reason in *why) when the sound system does not start. A list may be empty
// where the driver cannot tell its outputs; the default output may still work.
bool media_sdl_devices(std::string *driver, std::vector<std::string> *names, std::string *why);
// Diagnostics of the open device: output rate, and how many times a playing
// source had no decoded audio ready when the device asked for it.
int media_sdl_rate();
uint64_t media_sdl_underruns();
// Number of sources (channels, carrier, recordings) holding a file open.
int media_sdl_sources();
// Sound files held open by either backend, process-wide.
int media_files_open();
// True when `path` opens as a sound file and yields at least one sample, as
// either backend would play it; otherwise false with the reason in *why.
bool media_file_playable(const char *path, std::string *why);

// A tap on the mixed output: every block exactly as it goes to the sound card
// or into the offline mix, after clipping, on the thread that mixes it (for the
// sound card its callback, so the tap must only copy and never block).
// nullptr removes it.
using MixTap = void (*)(const float *samples, int frames);
void media_tap(MixTap tap);
// Sample rate of the mix that the tap receives; 0 while nothing mixes.
int media_tap_rate();

// Offline mixdown: everything that would sound during `seconds` of simulated
// time goes into one file, `out_wav` (16-bit mono PCM WAV at `rate`; a name
// ending in ".mp3" gives an MP3 file instead). media_offline_begin() installs
// the offline backend (media_use) and remembers the previous one; commands sent
// afterwards take effect at the current simulated time, which only
// media_offline_advance() and media_offline_end() move forward. A
// "play ... notify" that ends posts its notice (media_post_notify) at the
// simulated moment it ends and then calls the handler set with
// media_offline_on_notify(), whose commands take effect at that moment (the
// receiver's noise loop restarts this way). Channel closes from other threads
// (the watchdogs, at wall-clock deadlines) are ignored: in simulated time a
// channel ends with its file.
bool media_offline_begin(const char *out_wav, int seconds, int rate = 22050);
void media_offline_on_notify(void (*handler)());
// Renders `ms` more milliseconds (not beyond the end); false when not begun.
bool media_offline_advance(uint32_t ms);
// Renders up to the end, closes the file and every source, restores the
// previous backend; true when the whole file was written.
bool media_offline_end();
// Why the last media_offline_begin() or media_offline_end() failed: the
// system's reason where there is one; "" after a success.
std::string media_offline_error();
extern const MediaBackend media_offline;

}  // namespace kestrel
